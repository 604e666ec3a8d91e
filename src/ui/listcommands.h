#pragma once

class Dialogs;
class ColorListView;
class ErrorTrap;

// Appends the default list, one entry per numbered step from firstLine on.
void appendDefaultColors(ErrorTrap& trap, ColorListView& list, int firstLine);

// The four commands that edit the color list. They change only the list control; the list is
// stored when the main window closes.
class ColorListCommands {
public:
    ColorListCommands(ColorListView& list, Dialogs& dialogs);

    void PushButton1_Click(); // Add Color
    void PushButton3_Click(); // Delete Selected Color
    void PushButton4_Click(); // Clear List
    void PushButton5_Click(); // Load Default Colors

private:
    ColorListView& list_;
    Dialogs& dialogs_;
};
