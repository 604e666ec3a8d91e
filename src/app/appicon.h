#pragma once

#include <QIcon>

// The program's icon: a square of color bands.
QIcon applicationIcon();
