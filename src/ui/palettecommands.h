#pragma once

class ColorListView;
class Dialogs;

// The two commands of the color list's menu that exchange colors with palette files. Import
// appends to the list; export writes the list and leaves it as it is.
class PaletteCommands {
public:
    PaletteCommands(ColorListView& list, Dialogs& dialogs);

    void importColors();
    void exportColors();

private:
    ColorListView& list_;
    Dialogs& dialogs_;
};
