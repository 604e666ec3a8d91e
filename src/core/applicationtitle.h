#pragma once

#include <QString>

inline const QString ProductName = QStringLiteral("Chromaflick");

// The application title made from a name: whole words cut from its end until it fits 40
// characters, at least one cut for a name of several words; a one-word name stays whole.
QString applicationTitleFor(const QString& name);

// Sets the process-wide application title from ProductName.
void SetAppTitle();

// The name the boxes without a caption of their own carry. Kept here rather than as Qt's
// application display name, which Qt would append to the caption of every other box.
void setApplicationTitle(const QString& title);
QString applicationTitle();
