#include "core/paletteimportreport.h"

#include "core/failure.h"
#include "core/storedlist.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PaletteImport)
};

QString badLinesPart(const PaletteContents& contents) {
    QString part = Texts::tr("Lines that hold no color, skipped: %1").arg(contents.badLineCount);
    const qsizetype listed = std::min(contents.badLines.size(), BadLinesListed);
    for (qsizetype i = 0; i < listed; ++i) {
        const BadPaletteLine& bad = contents.badLines[i];
        part += u'\n' + Texts::tr("line %1: %2").arg(bad.line).arg(bad.reason);
    }
    if (contents.badLineCount > listed)
        part += u'\n' + Texts::tr("and %1 more").arg(contents.badLineCount - listed);
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
    if (contents.leftOut > 0)
        parts << Texts::tr("Colors left out because the list is full (it holds %1 at most): %2")
                     .arg(MaxListEntries)
                     .arg(contents.leftOut);
    return parts.join(QStringLiteral("\n\n"));
}
