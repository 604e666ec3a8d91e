#pragma once

#include <QStringList>

class ColorListView;
class ErrorTrap;
class SettingsStore;

// Appends the default list, one entry per numbered step from firstLine on.
void appendDefaultColors(ErrorTrap& trap, ColorListView& list, int firstLine);

// Restores the list from the store (steps 138..164 of the main window's load), or the default
// list when nothing is stored.
void LoadColorList(ErrorTrap& trap, SettingsStore& store, ColorListView& list);

// Stores the list (steps 100..108 of the main window's close request); whether it was stored.
bool SaveColorList(ErrorTrap& trap, SettingsStore& store, const ColorListView& list);
