#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads or replaces goes through here, so that nothing but a regular file
// (a link to one is fine) is ever read from or written over, and nothing blocks: a FIFO or a
// device swapped in at any moment is refused, not waited on.

// The name a message shows: the last part of the path, quoted and cut short.
QString shownFileName(const QString& path);

// Whether a name came to Qt with bytes that were not UTF-8, now replaced: a name read from the
// disk or the command line. The file it names is not the one meant.
bool nameWasNotUtf8(const QString& path);

// The system's words for an errno value.
QString systemReason(int error);

// "NAME cannot be written: REASON", for a path that could not be written.
QString cannotWriteReason(const QString& path, int error);

// What a path is when it is no regular file ("a folder", "a FIFO", ...), from its stat mode.
QString kindOfNonFile(unsigned mode);

struct FileReading {
    QByteArray bytes;
    QString problem; // one line naming the file; empty when the bytes were read
};

// All bytes of a regular file of at most largest bytes.
FileReading readRegularFile(const QString& path, qint64 largest);

// Why the file at the path may not be replaced (not a regular file, a loop of links); empty when
// it may, or when nothing is there yet.
QString unreplaceableFileReason(const QString& path);

// Replaces the file at once with the bytes: a reader sees the old file or the new one, never
// half. A link is kept and its target replaced. Returns the problem, one line; empty when done.
QString replaceFile(const QString& path, const QByteArray& bytes);
