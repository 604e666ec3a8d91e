#pragma once

#include <QString>

// The name the boxes without a caption of their own carry. Kept here rather than as Qt's
// application display name, which Qt would append to the caption of every other box.
void setApplicationTitle(const QString& title);
QString applicationTitle();
