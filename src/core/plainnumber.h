#pragma once

#include <QStringView>
#include <optional>

// A number in ASCII digits only: no sign, no blanks, no other script's digits. Values above
// ceiling come back as ceiling, so no digit string overflows.
std::optional<qint64> readPlainNumber(QStringView text, qint64 ceiling);

bool isAsciiDigit(QChar c);
// 0-9, a-f or A-F.
bool isHexDigit(QChar c);
