#include "core/palettefile.h"

#include "core/failure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The context translators see for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PaletteFile)
};

QString shownName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return quotedForMessage(name.isEmpty() ? path : name);
}

QString cannotRead(const QString& path, const QFile& file) {
    return Texts::tr("%1 cannot be read: %2").arg(shownName(path), file.errorString());
}

QString tooLarge(const QString& path) {
    return Texts::tr("%1 is larger than %2 MB; no palette is that large")
        .arg(shownName(path))
        .arg(LargestPaletteFile / (1024 * 1024));
}

// Why the file cannot be a palette, judged before it is opened.
QString problemBeforeOpening(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Texts::tr("%1 does not exist").arg(shownName(path));
    if (info.isDir())
        return Texts::tr("%1 is a folder, not a palette file").arg(shownName(path));
    if (!info.isFile())
        return Texts::tr("%1 is not a regular file (a pipe, socket or device)")
            .arg(shownName(path));
    if (info.size() > LargestPaletteFile)
        return tooLarge(path);
    return QString();
}

QString noColors(const QString& path, const PaletteContents& contents) {
    if (contents.badLines.isEmpty())
        return Texts::tr("%1 holds no colors").arg(shownName(path));
    const BadPaletteLine& first = contents.badLines.constFirst();
    return Texts::tr("%1 holds no colors that can be read (line %2: %3)")
        .arg(shownName(path))
        .arg(first.line)
        .arg(first.reason);
}

} // namespace

PaletteFileReading readPaletteFile(const QString& path, qsizetype room) {
    PaletteFileReading reading;
    reading.problem = problemBeforeOpening(path);
    if (!reading.problem.isEmpty())
        return reading;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.problem = cannotRead(path, file);
        return reading;
    }
    // One byte past the limit tells a file that grew since it was measured.
    const QByteArray bytes = file.read(LargestPaletteFile + 1);
    if (bytes.size() > LargestPaletteFile) {
        reading.problem = tooLarge(path);
        return reading;
    }
    if (file.error() != QFileDevice::NoError) {
        reading.problem = cannotRead(path, file);
        return reading;
    }
    reading.contents = readPalette(bytes, room);
    if (reading.contents.entries.isEmpty() && reading.contents.leftOut == 0)
        reading.problem = noColors(path, reading.contents);
    return reading;
}

PaletteFormat paletteFormatForPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1StringView("txt"), Qt::CaseInsensitive) == 0
               ? PaletteFormat::PlainText
               : PaletteFormat::Gimp;
}

PaletteFileWriting writePaletteFile(const QString& path, const QStringList& entries) {
    const PaletteText text =
        writePalette(entries, paletteFormatForPath(path), QFileInfo(path).completeBaseName());
    PaletteFileWriting writing;
    writing.skipped = text.skipped;
    // A palette without a color would replace a good file with nothing.
    if (text.skipped == entries.size()) {
        writing.problem =
            Texts::tr("no entry is a color, so %1 was not written").arg(shownName(path));
        return writing;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.bytes) != text.bytes.size() ||
        !file.commit()) {
        writing.problem =
            Texts::tr("%1 cannot be written: %2").arg(shownName(path), file.errorString());
    }
    return writing;
}
