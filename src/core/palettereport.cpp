#include "core/palettereport.h"

#include "core/failure.h"
#include "core/storedlist.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PaletteImport)
};

struct TerminalTexts {
    Q_DECLARE_TR_FUNCTIONS(PaletteProblems)
};

// The bad lines a report describes one by one; the rest it only counts.
struct BadLinesShown {
    QList<BadPaletteLine> described;
    qsizetype unlisted = 0;
};

BadLinesShown badLinesShown(const PaletteContents& contents, qsizetype most) {
    const qsizetype described = std::min(contents.badLines.size(), most);
    return {contents.badLines.first(described), contents.badLineCount - described};
}

QString badLinesPart(const PaletteContents& contents) {
    const BadLinesShown shown = badLinesShown(contents, BadLinesListed);
    QString part = Texts::tr("Lines that hold no color, skipped: %1").arg(contents.badLineCount);
    for (const BadPaletteLine& bad : shown.described)
        part += u'\n' + Texts::tr("line %1: %2").arg(bad.line).arg(bad.reason);
    if (shown.unlisted > 0)
        part += u'\n' + Texts::tr("and %1 more").arg(shown.unlisted);
    return part;
}

} // namespace

QString paletteImportReport(const QString& fileName, const PaletteContents& contents) {
    if (contents.badLineCount == 0 && contents.leftOut == 0)
        return QString();
    QStringList parts{Texts::tr("Colors imported from %1: %2")
                          .arg(quotedForMessage(fileName))
                          .arg(contents.entries.size())};
    if (contents.badLineCount > 0)
        parts << badLinesPart(contents);
    // Colors are left out only when the list is full, so what it holds is always its maximum.
    if (contents.leftOut > 0)
        parts << Texts::tr("Colors left out because the list is full (it holds %1 at most): %2")
                     .arg(MaxListEntries)
                     .arg(contents.leftOut);
    return parts.join(QStringLiteral("\n\n"));
}

QStringList paletteProblemLines(const PaletteContents& contents) {
    const BadLinesShown shown = badLinesShown(contents, MostBadLinesDescribed);
    QStringList lines;
    for (const BadPaletteLine& bad : shown.described)
        lines << TerminalTexts::tr("line %1: %2, skipped").arg(bad.line).arg(bad.reason);
    if (shown.unlisted > 0)
        lines << TerminalTexts::tr("%1 more lines that hold no color, skipped").arg(shown.unlisted);
    if (contents.leftOut > 0)
        lines << TerminalTexts::tr("%1 colors left out: the list holds %2 at most")
                     .arg(contents.leftOut)
                     .arg(MaxListEntries);
    return lines;
}
