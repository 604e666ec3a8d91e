#pragma once

#include <QString>

// What every command that would add to a full list tells: that it is full and how much it holds,
// then what the user can do about it.
QString listFullText(const QString& advice);
