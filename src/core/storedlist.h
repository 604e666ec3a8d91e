#pragma once

#include <QString>
#include <QStringList>

// The stored form of the color list: every entry followed by the separator.
inline const QString ListSeparator = QStringLiteral("||MySeparator123||");

// The most entries the list holds; every walk over it counts with a signed 16-bit number.
inline constexpr int MaxListEntries = 32767;

const QStringList& DefaultColorList();

// The entries of a stored value; empty pieces are skipped, the rest kept as they are.
QStringList splitStoredList(const QString& stored);
QString joinStoredList(const QStringList& entries);
