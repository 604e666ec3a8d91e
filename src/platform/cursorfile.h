#pragma once

#include <QCursor>
#include <QString>

// A Windows cursor file (.cur) as a pointer, with the hot spot the file gives; throws Failure.
QCursor loadCursorFile(const QString& path);
