<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ColorEntry</name>
    <message>
        <source>%1 is not a color: it is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorList</name>
    <message>
        <source>The stored list holds %1 colors; only the first %2 were loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and no copy of the whole list could be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the whole list was kept in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorListCommands</name>
    <message>
        <source>The list is full: it holds %1 colors, the most it can keep. Delete a color to make room for a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No color is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear the list and load the default colors?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSequencer</name>
    <message>
        <source>There is no color at position %1 of a list of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--screen: there is no screen %1; Qt reports none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screen: there is no screen %1; give a number from 1 to %2 or a name: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the flash as soon as the main window shows, as Start does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close every flash of this run after TIME: 90 or 90s, 30m, 2h, 1h30m15s; a bare number is seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash on the screen of this name (as HDMI-1) or number (1 is the first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME|N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash on every screen at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the color list with the colors of a palette file: GIMP (.gpl) or text, one RGB(r, g, b), #RRGGBB or r g b a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the whole screen with a sequence of colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the options are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screen and --all-screens exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--duration: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--colors: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message>
        <source>%1 is not a time; write seconds (90 or 90s), minutes (30m), hours (2h) or them together in that order (1h30m15s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long; the longest time is %2h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no time at all; a flash that closes at once shows nothing, so give at least one second</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The cursor file %1 could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a cursor file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cursor file %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Settings Not Kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milliseconds Delay Between Each Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle through all colors and repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient colors (2 color spectrum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Default Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Chromaflick (Press &apos;ESC&apos; To Stop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The color list is empty. Add a color or load the default colors, then start again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: these colors, changing this fast, flash more than three times a second. Flashing like this can trigger seizures in people with photosensitive epilepsy.

Start the flash anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Chromaflick color flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Escape to leave the flash. Type hide to hide the hint in the top left corner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press ESCape key to exit flash. Type &apos;hide&apos; to hide this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashing colors over the whole screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GradientPainter</name>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Must be a numerical value.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB; no palette is that large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe, socket or device)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no colors that can be read (line %2: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteReader</name>
    <message>
        <source>%1 is not a number from 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is more than 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a color line needs three numbers: red, green and blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB( ) needs three numbers: red, green and blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a color; write RGB(r, g, b), #RRGGBB or r g b</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings are not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk may be full or read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1. %2 starts with its default settings, and the changes made in this run will not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The changes made in this run will not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
