#pragma once

#include <QStringList>

class ErrorTrap;
class QTreeWidget;
class SettingsStore;

// The color list lives in the list control: one item per entry, its text the only data.
QStringList colorEntries(const QTreeWidget& list);
void appendColorEntries(QTreeWidget& list, const QStringList& texts);

// Appends the default list, one entry per numbered step from firstLine on.
void appendDefaultColors(ErrorTrap& trap, QTreeWidget& list, int firstLine);

// Restores the list from the store (steps 138..164 of the main window's load), or the default
// list when nothing is stored.
void LoadColorList(ErrorTrap& trap, SettingsStore& store, QTreeWidget& list);

// Stores the list (steps 100..108 of the main window's close request).
void SaveColorList(ErrorTrap& trap, SettingsStore& store, const QTreeWidget& list);
