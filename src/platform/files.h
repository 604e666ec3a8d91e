#pragma once

#include <QString>

// The folder that holds the program file, without a trailing separator.
QString programFolder();

// Whether the path names an existing file or folder; never fails.
bool FileExists(const QString& path);

// Whether the path names a file that is not hidden.
bool isVisibleFile(const QString& path);
