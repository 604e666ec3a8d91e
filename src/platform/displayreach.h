#pragma once

#include <QString>

// Why no window could be shown here, one line; empty when the windowing system may be there.
// Asked before Qt is, which would abort with lines of its own; a platform named in
// QT_QPA_PLATFORM is Qt's to judge.
QString missingDisplayReason();
