#pragma once

#include <QString>

inline const QString ProductName = QStringLiteral("Chromaflick");

// The application title made from a name: whole words cut from its end until it fits 40
// characters, at least one cut for a name of several words; a one-word name stays whole.
QString applicationTitleFor(const QString& name);

// Sets the process-wide application title from ProductName.
void SetAppTitle();
