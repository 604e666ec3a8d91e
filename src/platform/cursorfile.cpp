#include "platform/cursorfile.h"

#include "core/failure.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

QCursor loadCursorFile(const QString& path) {
    // Far above a cursor of 256 x 256 pixels.
    constexpr qint64 largestCursorFile = 4 * 1024 * 1024;
    const FileReading file = readRegularFile(path, largestCursorFile);
    if (!file.problem.isEmpty())
        throw Failure(QCoreApplication::translate("Files", "The cursor file %1 could not be opened")
                          .arg(path) +
                      QStringLiteral(": ") + file.problem);
    const QByteArray& bytes = file.bytes;
    // Header: reserved 0, type 2 (cursor), count; then the first entry, whose bytes 4..7 are the
    // hot spot.
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    const auto field = [&](int offset) {
        return qFromLittleEndian<quint16>(bytes.constData() + offset);
    };
    if (bytes.size() < headerSize + entrySize || field(0) != 0 || field(2) != 2 || field(4) == 0)
        throw Failure(
            QCoreApplication::translate("Files", "The file %1 is not a cursor file").arg(path));
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        throw Failure(
            QCoreApplication::translate("Files", "The cursor file %1 could not be read: %2")
                .arg(path, reader.errorString()));
    return QCursor(QPixmap::fromImage(image), field(headerSize + 4), field(headerSize + 6));
}
