#pragma once

#include <QString>

// The keys of the flash window, in one sentence for its description and the help.
QString flashKeysText();
