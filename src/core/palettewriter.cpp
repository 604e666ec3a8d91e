#include "core/palettewriter.h"

#include "core/colorentry.h"
#include "core/failure.h"

namespace {

QString gimpColorLine(const ColorComponents& c) {
    // GIMP right-aligns each component in three places.
    return QStringLiteral("%1 %2 %3\n").arg(c.red, 3).arg(c.green, 3).arg(c.blue, 3);
}

} // namespace

PaletteText writePalette(const QStringList& entries, PaletteFormat format, const QString& name) {
    PaletteText text;
    QString out;
    if (format == PaletteFormat::Gimp) {
        out = QStringLiteral("GIMP Palette\nName: %1\nColumns: 0\n#\n").arg(name.simplified());
    }
    for (const QString& entry : entries) {
        ColorComponents c{};
        try {
            c = ColorToComponents(ParseColorEntry(entry));
        } catch (const Failure&) {
            ++text.skipped;
            continue;
        }
        if (format == PaletteFormat::Gimp)
            out += gimpColorLine(c);
        else
            out += FormatColorEntry(c.red, c.green, c.blue) + u'\n';
    }
    text.bytes = out.toUtf8();
    return text;
}

PaletteFormat paletteFormatForPath(const QString& path) {
    const QStringView name = QStringView(path).mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && name.mid(dot + 1).compare(QLatin1StringView("txt"), Qt::CaseInsensitive) == 0
               ? PaletteFormat::PlainText
               : PaletteFormat::Gimp;
}
