#pragma once

#include <QIcon>

// The program's icon: a screen filled with the spectrum and a flash.
QIcon applicationIcon();
