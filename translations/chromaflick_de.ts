<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoxGeometry</name>
    <message>
        <source>%1 is not a box: write WxH+X+Y (as 64x64+812+403) or WxH for one in the middle of the screen</source>
        <translation>%1 ist kein Feld: schreiben Sie BxH+X+Y (etwa 64x64+812+403) oder BxH für eines in der Mitte des Bildschirms</translation>
    </message>
    <message>
        <source>%1 has no size: a box is at least 1x1</source>
        <translation>%1 hat keine Größe: ein Feld ist mindestens 1x1</translation>
    </message>
    <message>
        <source>%1 is on no screen</source>
        <translation>%1 liegt auf keinem Bildschirm</translation>
    </message>
    <message>
        <source>%1 is larger than its screen of %2x%3</source>
        <translation>%1 ist größer als sein Bildschirm von %2x%3</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>%1 is not a color: it is longer than %2 characters</source>
        <translation>%1 ist keine Farbe: länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 is not a color: it needs three components, red, green and blue</source>
        <translation>%1 ist keine Farbe: nötig sind drei Anteile, Rot, Grün und Blau</translation>
    </message>
</context>
<context>
    <name>ColorList</name>
    <message>
        <source>The stored list holds %1 colors; only the first %2 were loaded</source>
        <translation>Die gespeicherte Liste enthält %1 Farben; nur die ersten %2 wurden geladen</translation>
    </message>
    <message>
        <source>%1, and no copy of the whole list could be kept</source>
        <translation>%1, und keine Kopie der ganzen Liste konnte angelegt werden</translation>
    </message>
    <message>
        <source>%1; the whole list was kept in %2</source>
        <translation>%1; die ganze Liste wurde in %2 aufbewahrt</translation>
    </message>
    <message>
        <source>The list is full: it holds %1 colors, the most it can keep.</source>
        <translation>Die Liste ist voll: Sie enthält %1 Farben, mehr kann sie nicht aufnehmen.</translation>
    </message>
</context>
<context>
    <name>ColorListCommands</name>
    <message>
        <source>No color is selected</source>
        <translation>Keine Farbe ausgewählt</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the list?</source>
        <translation>Möchten Sie die Liste wirklich leeren?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the list and load the default colors?</source>
        <translation>Möchten Sie die Liste wirklich leeren und die Standardfarben laden?</translation>
    </message>
    <message>
        <source>Delete a color to make room for a new one.</source>
        <translation>Löschen Sie eine Farbe, um Platz für eine neue zu schaffen.</translation>
    </message>
</context>
<context>
    <name>ColorListMenu</name>
    <message>
        <source>&amp;Import Colors…</source>
        <translation>Farben &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export Colors…</source>
        <translation>Farben &amp;exportieren…</translation>
    </message>
</context>
<context>
    <name>ColorSequencer</name>
    <message>
        <source>There is no color at position %1 of a list of %2</source>
        <translation>An Position %1 einer Liste von %2 steht keine Farbe</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--screen: there is no screen %1; Qt reports none</source>
        <translation>--screen: Es gibt keinen Bildschirm %1; Qt meldet keinen</translation>
    </message>
    <message>
        <source>--screen: there is no screen %1; give a number from 1 to %2 or a name: %3</source>
        <translation>--screen: Es gibt keinen Bildschirm %1; geben Sie eine Zahl von 1 bis %2 oder einen Namen an: %3</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Open the flash as soon as the main window shows, as Start does.</source>
        <translation>Das Blinken öffnen, sobald das Hauptfenster erscheint, wie mit Start.</translation>
    </message>
    <message>
        <source>Close every flash of this run after TIME: 90 or 90s, 30m, 2h, 1h30m15s; a bare number is seconds.</source>
        <translation>Jedes Blinken dieses Laufs nach ZEIT schließen: 90 oder 90s, 30m, 2h, 1h30m15s; eine bloße Zahl sind Sekunden.</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>Flash on the screen of this name (as HDMI-1) or number (1 is the first).</source>
        <translation>Auf dem Bildschirm dieses Namens (etwa HDMI-1) oder dieser Nummer (1 ist der erste) blinken.</translation>
    </message>
    <message>
        <source>NAME|N</source>
        <translation>NAME|N</translation>
    </message>
    <message>
        <source>Flash on every screen at once.</source>
        <translation>Auf allen Bildschirmen zugleich blinken.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Fills the whole screen with a sequence of colors.</source>
        <translation>Füllt den ganzen Bildschirm mit einer Folge von Farben.</translation>
    </message>
    <message>
        <source>%1; the options are %2</source>
        <translation>%1; die Optionen sind %2</translation>
    </message>
    <message>
        <source>Unexpected argument %1</source>
        <translation>Unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--screen and --all-screens exclude each other</source>
        <translation>--screen und --all-screens schließen einander aus</translation>
    </message>
    <message>
        <source>--duration: %1</source>
        <translation>--duration: %1</translation>
    </message>
    <message>
        <source>--colors: %1</source>
        <translation>--colors: %1</translation>
    </message>
    <message>
        <source>Show and flash the colors of a palette file (GIMP .gpl, or text with one RGB(r, g, b), #RRGGBB, #RGB or r g b a line) for this run. The stored list stays as it was unless you change the list; then the changed list is stored and the one it replaces is kept as a .before-colors copy beside the settings file. To keep a palette for good, use Import in the list&apos;s menu.</source>
        <translation>Die Farben einer Palettendatei (GIMP .gpl oder Text mit einer Farbe RGB(r, g, b), #RRGGBB, #RGB oder r g b je Zeile) in diesem Lauf zeigen und blinken. Die gespeicherte Liste bleibt, wie sie war, außer Sie ändern die Liste; dann wird die geänderte Liste gespeichert und die ersetzte als Kopie .before-colors neben der Einstellungsdatei aufbewahrt. Um eine Palette dauerhaft zu behalten, nutzen Sie Importieren im Menü der Liste.</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Unbekannte Option %1</translation>
    </message>
    <message>
        <source>Hold every color exactly N refreshes of its screen (1 to 32767), in place of the delay.</source>
        <translation>Jede Farbe genau N Bildwechsel ihres Bildschirms halten (1 bis 32767), statt der Verzögerung.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Write a CSV line for every step of every flash: what was shown, and when.</source>
        <translation>Für jeden Schritt jedes Blitzens eine CSV-Zeile schreiben: was gezeigt wurde und wann.</translation>
    </message>
    <message>
        <source>--frames: %1 is not a whole number from 1 to %2</source>
        <translation>--frames: %1 ist keine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>--log: no file named</source>
        <translation>--log: keine Datei angegeben</translation>
    </message>
    <message>
        <source>When the run ends, draw its timing to FILE (.svg or .png): every step&apos;s interval against the planned one, the late and skipped steps, a histogram and a table, a panel a screen.</source>
        <translation>Am Ende des Laufs sein Timing in DATEI zeichnen (.svg oder .png): den Abstand jedes Schritts gegen den geplanten, die verspäteten und übersprungenen Schritte, ein Histogramm und eine Tabelle, ein Feld je Bildschirm.</translation>
    </message>
    <message>
        <source>With --report: draw the report from a log saved with --log, without opening a window.</source>
        <translation>Mit --report: den Bericht aus einem mit --log gespeicherten Protokoll zeichnen, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>--report: no file named</source>
        <translation>--report: keine Datei angegeben</translation>
    </message>
    <message>
        <source>--report: %1 is to end in .svg or .png</source>
        <translation>--report: %1 muss auf .svg oder .png enden</translation>
    </message>
    <message>
        <source>--from-log: no file named</source>
        <translation>--from-log: keine Datei angegeben</translation>
    </message>
    <message>
        <source>--from-log: give --report FILE to draw the log to</source>
        <translation>--from-log: geben Sie --report DATEI an, in die das Protokoll gezeichnet wird</translation>
    </message>
    <message>
        <source>--from-log draws a saved log and opens no window; it takes no --%1</source>
        <translation>--from-log zeichnet ein gespeichertes Protokoll und öffnet kein Fenster; es nimmt kein --%1</translation>
    </message>
    <message>
        <source>Show a square in a corner of every flash picture, white on odd steps and black on even ones, for a light sensor: top-left, top-right, bottom-left or bottom-right (the default), and its side in pixels (48 unless given).</source>
        <translation>Ein Quadrat in einer Ecke jedes Blitzbilds zeigen, weiß bei ungeraden und schwarz bei geraden Schritten, für einen Lichtsensor: top-left, top-right, bottom-left oder bottom-right (der Standard) und seine Seite in Pixeln (48, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>[CORNER][:SIZE]</source>
        <translation>[ECKE][:GRÖSSE]</translation>
    </message>
    <message>
        <source>--marker: %1</source>
        <translation>--marker: %1</translation>
    </message>
    <message>
        <source>Flash a small box in place of the whole screen, over a stuck pixel: WxH+X+Y in pixels of the desktop (as 64x64+812+403), or WxH in the middle of the screen. Give it again for more boxes.</source>
        <translation>Ein kleines Feld statt des ganzen Bildschirms blinken lassen, über einem hängenden Pixel: BxH+X+Y in Pixeln des Desktops (etwa 64x64+812+403) oder BxH in der Mitte des Bildschirms. Mehrfach angeben für mehrere Felder.</translation>
    </message>
    <message>
        <source>GEOMETRY</source>
        <translation>GEOMETRIE</translation>
    </message>
    <message>
        <source>--box: %1</source>
        <translation>--box: %1</translation>
    </message>
    <message>
        <source>Be the patch window of ArgyllCMS&apos;s web display (-dweb) at URL, as http://localhost:8080: each patch is acknowledged once the screen shows it.</source>
        <translation>Das Messfeldfenster der Webanzeige von ArgyllCMS (-dweb) unter URL sein, etwa http://localhost:8080: jedes Messfeld wird bestätigt, sobald der Bildschirm es zeigt.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Be the patch generator of a program speaking the Resolve protocol (DisplayCAL, Calman, ColourSpace), at localhost:20002 unless given.</source>
        <translation>Der Messfeldgenerator eines Programms sein, das das Resolve-Protokoll spricht (DisplayCAL, Calman, ColourSpace), ohne Angabe unter localhost:20002.</translation>
    </message>
    <message>
        <source>[HOST][:PORT]</source>
        <translation>[RECHNER][:PORT]</translation>
    </message>
    <message>
        <source>--web-display and --resolve exclude each other</source>
        <translation>--web-display und --resolve schließen einander aus</translation>
    </message>
    <message>
        <source>--%1 shows the patches a program sends on one screen; it takes no --%2</source>
        <translation>--%1 zeigt die Messfelder, die ein Programm schickt, auf einem Bildschirm; es nimmt kein --%2</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1: %2</translation>
    </message>
</context>
<context>
    <name>DisplayReach</name>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>keine Anzeige für das Fenster: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>no display to show the window on: the X server of DISPLAY %1 cannot be reached</source>
        <translation>keine Anzeige für das Fenster: der X-Server von DISPLAY %1 ist nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message>
        <source>%1 is not a time; write seconds (90 or 90s), minutes (30m), hours (2h) or them together in that order (1h30m15s)</source>
        <translation>%1 ist keine Zeit; schreiben Sie Sekunden (90 oder 90s), Minuten (30m), Stunden (2h) oder alles zusammen in dieser Reihenfolge (1h30m15s)</translation>
    </message>
    <message>
        <source>%1 is too long; the longest time is %2h</source>
        <translation>%1 ist zu lang; die längste Zeit ist %2h</translation>
    </message>
    <message>
        <source>%1 is no time at all; a flash that closes at once shows nothing, so give at least one second</source>
        <translation>%1 ist gar keine Zeit; ein Blinken, das sofort endet, zeigt nichts, also geben Sie mindestens eine Sekunde an</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The cursor file %1 could not be opened</source>
        <translation>Die Zeigerdatei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file %1 is not a cursor file</source>
        <translation>Die Datei %1 ist keine Zeigerdatei</translation>
    </message>
    <message>
        <source>The cursor file %1 could not be read: %2</source>
        <translation>Die Zeigerdatei %1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>FlashKeys</name>
    <message>
        <source>In the flash, Escape leaves it and typing hide hides its texts. Space pauses and resumes; while paused, Right or Page Down shows the next color, Left or Page Up the previous one, Home the first one of the list.</source>
        <translation>Im Blinken beendet Escape es, und wer hide tippt, blendet seine Texte aus. Leertaste hält an und setzt fort; angehalten zeigt Rechts oder Bild ab die nächste Farbe, Links oder Bild auf die vorige, Pos1 die erste der Liste.</translation>
    </message>
</context>
<context>
    <name>FlashSession</name>
    <message>
        <source>Flashing colors over the whole screen</source>
        <translation>Farben blinken über den ganzen Bildschirm</translation>
    </message>
    <message>
        <source>Flashing boxes over stuck pixels</source>
        <translation>Felder blinken über hängenden Pixeln</translation>
    </message>
    <message>
        <source>%1 ms is no delay: it must be 0 or more</source>
        <translation>%1 ms ist keine Pause: Sie muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>this display offers no way to hold colors to its refreshes; the timer paces the flash</source>
        <translation>diese Anzeige bietet keinen Weg, Farben an ihre Bildwechsel zu binden; der Zeitgeber taktet das Blitzen</translation>
    </message>
    <message>
        <source>the compositor does not report presentation for this window: the steps it leaves unconfirmed are logged as missed</source>
        <translation>der Compositor meldet für dieses Fenster kein Erscheinen: die Schritte, die er unbestätigt lässt, stehen als missed im Protokoll</translation>
    </message>
    <message>
        <source>%1; the timer paces the flash</source>
        <translation>%1; der Zeitgeber taktet das Blitzen</translation>
    </message>
    <message>
        <source>%1; the timer paces the flash from here</source>
        <translation>%1; von hier an taktet der Zeitgeber das Blitzen</translation>
    </message>
    <message>
        <source>screen %1 has %2 bits a pixel and cannot show the colors exactly; the log gives the list&apos;s colors</source>
        <translation>Bildschirm %1 hat %2 Bit je Pixel und kann die Farben nicht genau zeigen; das Protokoll nennt die Farben der Liste</translation>
    </message>
</context>
<context>
    <name>FlashTally</name>
    <message>
        <source>flash: %1 steps, %2 refreshes at %3 Hz, %4 missed, %5 skipped</source>
        <translation>Blitzen: %1 Schritte, %2 Bildwechsel bei %3 Hz, %4 verpasst, %5 übersprungen</translation>
    </message>
    <message>
        <source>flash on %6: %1 steps, %2 refreshes at %3 Hz, %4 missed, %5 skipped</source>
        <translation>Blitzen auf %6: %1 Schritte, %2 Bildwechsel bei %3 Hz, %4 verpasst, %5 übersprungen</translation>
    </message>
    <message>
        <source>, %1 unconfirmed: the compositor does not report presentation for this window</source>
        <translation>, %1 unbestätigt: der Compositor meldet für dieses Fenster kein Erscheinen</translation>
    </message>
    <message>
        <source>, %1 unconfirmed</source>
        <translation>, %1 unbestätigt</translation>
    </message>
    <message>
        <source>flash: %1 steps, %2 refreshes at %3 Hz ± %6, %4 missed, %5 skipped</source>
        <translation>Blitzen: %1 Schritte, %2 Bildwechsel bei %3 Hz ± %6, %4 verpasst, %5 übersprungen</translation>
    </message>
    <message>
        <source>flash on %7: %1 steps, %2 refreshes at %3 Hz ± %6, %4 missed, %5 skipped</source>
        <translation>Blitzen auf %7: %1 Schritte, %2 Bildwechsel bei %3 Hz ± %6, %4 verpasst, %5 übersprungen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>on Wayland the boxes are overlays at their exact places: drag a box or click it and use the arrows to move it; + and - size it</source>
        <translation>unter Wayland sind die Felder Überlagerungen an genau ihrer Stelle: ziehen Sie ein Feld oder klicken Sie es an und verschieben Sie es mit den Pfeiltasten; + und - ändern seine Größe</translation>
    </message>
    <message>
        <source>on Wayland the compositor places the boxes: drag a box to move it; + and - size it</source>
        <translation>unter Wayland platziert der Compositor die Felder: ziehen Sie ein Feld, um es zu verschieben; + und - ändern seine Größe</translation>
    </message>
    <message>
        <source>Settings Not Kept</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Milliseconds Delay Between Each Color</source>
        <translation>Pause zwischen den Farben in Millisekunden</translation>
    </message>
    <message>
        <source>Flash Option</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Random color</source>
        <translation>Zufällige Farbe</translation>
    </message>
    <message>
        <source>Cycle through all colors and repeat</source>
        <translation>Alle Farben reihum, endlos</translation>
    </message>
    <message>
        <source>Color Option</source>
        <translation>Farbart</translation>
    </message>
    <message>
        <source>Solid colors</source>
        <translation>Volltonfarben</translation>
    </message>
    <message>
        <source>Gradient colors (2 color spectrum)</source>
        <translation>Farbverlauf (2 Farben)</translation>
    </message>
    <message>
        <source>Gradient Option</source>
        <translation>Verlaufsrichtung</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>Von links nach rechts</translation>
    </message>
    <message>
        <source>Up and down</source>
        <translation>Von oben nach unten</translation>
    </message>
    <message>
        <source>Add Color</source>
        <translation>Farbe hinzufügen</translation>
    </message>
    <message>
        <source>Delete Selected Color</source>
        <translation>Gewählte Farbe löschen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Load Default Colors</source>
        <translation>Standardfarben laden</translation>
    </message>
    <message>
        <source>Start Chromaflick (Press &apos;ESC&apos; To Stop)</source>
        <translation>Chromaflick starten (mit &apos;ESC&apos; beenden)</translation>
    </message>
    <message>
        <source>RGB Colors</source>
        <translation>RGB-Farben</translation>
    </message>
    <message>
        <source>The color list is empty. Add a color or load the default colors, then start again.</source>
        <translation>Die Farbliste ist leer. Fügen Sie eine Farbe hinzu oder laden Sie die Standardfarben und starten Sie dann erneut.</translation>
    </message>
    <message>
        <source>Warning: these colors, changing this fast, flash more than three times a second. Flashing like this can trigger seizures in people with photosensitive epilepsy.

Start the flash anyway?</source>
        <translation>Warnung: Diese Farben blinken bei diesem Tempo mehr als dreimal pro Sekunde. Solches Blinken kann bei Menschen mit fotosensitiver Epilepsie Anfälle auslösen.

Das Blinken trotzdem starten?</translation>
    </message>
    <message>
        <source>the changed list was not stored: no copy of the stored list could be kept</source>
        <translation>die geänderte Liste wurde nicht gespeichert: keine Kopie der gespeicherten Liste konnte angelegt werden</translation>
    </message>
    <message>
        <source>the changed list was stored; the stored list it replaces was kept in %1</source>
        <translation>die geänderte Liste wurde gespeichert; die ersetzte gespeicherte Liste wurde in %1 aufbewahrt</translation>
    </message>
    <message>
        <source>the screen %1 is not there; flashing on the main window&apos;s screen</source>
        <translation>der Bildschirm %1 ist nicht da; es blinkt auf dem Bildschirm des Hauptfensters</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Chromaflick color flash</source>
        <translation>Chromaflick-Farbblinken</translation>
    </message>
    <message>
        <source>Press ESCape key to exit flash. Type &apos;hide&apos; to hide this text.</source>
        <translation>ESC-Taste beendet das Blinken. Tippen Sie &apos;hide&apos;, um diesen Text auszublenden.</translation>
    </message>
</context>
<context>
    <name>FrameLogFile</name>
    <message>
        <source>%1 is %2, not a file to write a log to</source>
        <translation>%1 ist %2, keine Datei für ein Protokoll</translation>
    </message>
    <message>
        <source>%1 is locked by another program that writes it</source>
        <translation>%1 ist von einem anderen Programm gesperrt, das sie schreibt</translation>
    </message>
    <message>
        <source>the log %1 is written again; rows left out: %2</source>
        <translation>das Protokoll %1 wird wieder geschrieben; ausgelassene Zeilen: %2</translation>
    </message>
    <message>
        <source>the log %1 could not be written to the end; rows left out: %2</source>
        <translation>das Protokoll %1 konnte nicht bis zum Ende geschrieben werden; ausgelassene Zeilen: %2</translation>
    </message>
    <message>
        <source>the log %1 could not be written: %2; rows are left out until it can be, then a line counts them</source>
        <translation>das Protokoll %1 konnte nicht geschrieben werden: %2; Zeilen werden ausgelassen, bis es wieder geht, dann zählt eine Zeile sie</translation>
    </message>
    <message>
        <source>%1 is the palette given with --colors; the log would write over it</source>
        <translation>%1 ist die mit --colors angegebene Palette; das Protokoll würde sie überschreiben</translation>
    </message>
    <message>
        <source>%1 is the program&apos;s settings file; the log would write over it</source>
        <translation>%1 ist die Einstellungsdatei des Programms; das Protokoll würde sie überschreiben</translation>
    </message>
    <message>
        <source>%1 is a file the program keeps beside its settings; the log would write over it</source>
        <translation>%1 ist eine Datei, die das Programm neben seinen Einstellungen aufbewahrt; das Protokoll würde sie überschreiben</translation>
    </message>
    <message>
        <source>the name of %1 is not UTF-8 text, so no log can be written under it; give a name that is</source>
        <translation>der Name von %1 ist kein UTF-8-Text, daher kann unter ihm kein Protokoll geschrieben werden; geben Sie einen Namen in UTF-8 an</translation>
    </message>
</context>
<context>
    <name>FrameLogReader</name>
    <message>
        <source>%1 fields where the log has %2</source>
        <translation>%1 Felder, wo das Protokoll %2 hat</translation>
    </message>
    <message>
        <source>the step %1 is no whole number from 1</source>
        <translation>der Schritt %1 ist keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>the first color %1 is no #rrggbb</source>
        <translation>die erste Farbe %1 ist kein #rrggbb</translation>
    </message>
    <message>
        <source>the second color %1 is neither empty nor #rrggbb</source>
        <translation>die zweite Farbe %1 ist weder leer noch #rrggbb</translation>
    </message>
    <message>
        <source>the refresh counter %1 is neither empty nor a whole number</source>
        <translation>der Bildwechselzähler %1 ist weder leer noch eine ganze Zahl</translation>
    </message>
    <message>
        <source>the time %1 is no whole number of microseconds</source>
        <translation>die Zeit %1 ist keine ganze Zahl von Mikrosekunden</translation>
    </message>
    <message>
        <source>missed is %1, not a count of refreshes, skipped or missed</source>
        <translation>missed ist %1, keine Zahl von Bildwechseln, skipped oder missed</translation>
    </message>
    <message>
        <source>not the header of a step log: %1</source>
        <translation>nicht die Kopfzeile eines Schrittprotokolls: %1</translation>
    </message>
    <message>
        <source>a quote is not closed or stands inside a field</source>
        <translation>ein Anführungszeichen ist nicht geschlossen oder steht mitten in einem Feld</translation>
    </message>
    <message>
        <source>the file is empty, not a step log</source>
        <translation>die Datei ist leer, kein Schrittprotokoll</translation>
    </message>
    <message>
        <source>the count of rows lost %1 is no whole number from 1</source>
        <translation>die Zahl verlorener Zeilen %1 ist keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>a line of rows lost has %1 in field %2, which it leaves empty</source>
        <translation>eine Zeile verlorener Zeilen hat %1 im Feld %2, das sie leer lässt</translation>
    </message>
</context>
<context>
    <name>GradientPainter</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is out of range (-32768 to 32767)</source>
        <translation>%1 liegt außerhalb des Bereichs (-32768 bis 32767)</translation>
    </message>
    <message>
        <source>%1 is neither True, False nor a number</source>
        <translation>%1 ist weder True, False noch eine Zahl</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Must be a numerical value.</source>
        <translation>Muss ein Zahlenwert sein.</translation>
    </message>
</context>
<context>
    <name>PaletteCommands</name>
    <message>
        <source>Import Colors</source>
        <translation>Farben importieren</translation>
    </message>
    <message>
        <source>Export Colors</source>
        <translation>Farben exportieren</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The color list is empty; there is nothing to export.</source>
        <translation>Die Farbliste ist leer; es gibt nichts zu exportieren.</translation>
    </message>
    <message>
        <source>%1

The colors were not exported.</source>
        <translation>%1

Die Farben wurden nicht exportiert.</translation>
    </message>
    <message>
        <source>Colors exported to %1: %2

Entries that are no color, skipped: %3</source>
        <translation>Nach %1 exportierte Farben: %2

Übersprungene Einträge, die keine Farbe sind: %3</translation>
    </message>
    <message>
        <source>Delete colors to make room for imported ones.</source>
        <translation>Löschen Sie Farben, um Platz für importierte zu schaffen.</translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>%1 holds no colors</source>
        <translation>%1 enthält keine Farben</translation>
    </message>
    <message>
        <source>%1 holds no colors that can be read (line %2: %3)</source>
        <translation>%1 enthält keine lesbaren Farben (Zeile %2: %3)</translation>
    </message>
    <message>
        <source>no entry is a color, so %1 was not written</source>
        <translation>kein Eintrag ist eine Farbe, daher wurde %1 nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>PaletteImport</name>
    <message>
        <source>Lines that hold no color, skipped: %1</source>
        <translation>Übersprungene Zeilen ohne Farbe: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Colors imported from %1: %2</source>
        <translation>Aus %1 importierte Farben: %2</translation>
    </message>
    <message>
        <source>Colors left out because the list is full (it holds %1 at most): %2</source>
        <translation>Ausgelassene Farben, weil die Liste voll ist (sie fasst höchstens %1): %2</translation>
    </message>
</context>
<context>
    <name>PaletteProblems</name>
    <message>
        <source>line %1: %2, skipped</source>
        <translation>Zeile %1: %2, übersprungen</translation>
    </message>
    <message>
        <source>%1 more lines that hold no color, skipped</source>
        <translation>%1 weitere Zeilen ohne Farbe, übersprungen</translation>
    </message>
    <message>
        <source>%1 colors left out: the list holds %2 at most</source>
        <translation>%1 Farben ausgelassen: die Liste fasst höchstens %2</translation>
    </message>
</context>
<context>
    <name>PaletteReader</name>
    <message>
        <source>%1 is not a number from 0 to 255</source>
        <translation>%1 ist keine Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>%1 is more than 255</source>
        <translation>%1 ist mehr als 255</translation>
    </message>
    <message>
        <source>a color line needs three numbers: red, green and blue</source>
        <translation>eine Farbzeile braucht drei Zahlen: Rot, Grün und Blau</translation>
    </message>
    <message>
        <source>RGB( ) needs three numbers: red, green and blue</source>
        <translation>RGB( ) braucht drei Zahlen: Rot, Grün und Blau</translation>
    </message>
    <message>
        <source>not a color; write RGB(r, g, b), #RRGGBB or r g b</source>
        <translation>keine Farbe; schreiben Sie RGB(r, g, b), #RRGGBB oder r g b</translation>
    </message>
    <message>
        <source>%1 is not a hex color; write #RRGGBB or #RGB, and a comment after a blank and #</source>
        <translation>%1 ist keine Hex-Farbe; schreiben Sie #RRGGBB oder #RGB und einen Kommentar nach einem Leerzeichen und #</translation>
    </message>
    <message>
        <source>the file is UTF-16 text without a byte order mark; save it as UTF-8</source>
        <translation>die Datei ist UTF-16-Text ohne Byte-Order-Mark; speichern Sie sie als UTF-8</translation>
    </message>
</context>
<context>
    <name>PhotodiodeMarker</name>
    <message>
        <source>%1 is no corner; give top-left, top-right, bottom-left or bottom-right</source>
        <translation>%1 ist keine Ecke; geben Sie top-left, top-right, bottom-left oder bottom-right an</translation>
    </message>
    <message>
        <source>the size %1 is not a whole number of pixels from 1 to %2</source>
        <translation>die Größe %1 ist keine ganze Zahl von Pixeln von 1 bis %2</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>GIMP palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Import Colors</source>
        <translation>Farben importieren</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Colors</source>
        <translation>Farben exportieren</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>the name of %1 is not UTF-8 text, so the file cannot be opened; rename it</source>
        <translation>der Name von %1 ist kein UTF-8-Text, daher kann die Datei nicht geöffnet werden; benennen Sie sie um</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is a loop of links that leads to no file</source>
        <translation>%1 ist eine Schleife von Verknüpfungen, die zu keiner Datei führt</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1 ist %2, keine Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>the screen may blank during the flash: nothing on this desktop keeps it awake</source>
        <translation>der Bildschirm kann während des Blinkens dunkel werden: nichts auf diesem Desktop hält ihn wach</translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings are not kept: %1</source>
        <translation>Die Einstellungen werden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the disk may be full or read-only</source>
        <translation>der Datenträger ist vielleicht voll oder schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1 ist %2, keine Datei</translation>
    </message>
    <message>
        <source>%1 is a loop of links, not a file</source>
        <translation>%1 ist eine Schleife von Verknüpfungen, keine Datei</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1. %2 starts with its default settings, and the changes made in this run will not be kept.</source>
        <translation>%1. %2 startet mit den Standardeinstellungen, und die Änderungen dieses Laufs werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1. The changes made in this run will not be kept.</source>
        <translation>%1. Die Änderungen dieses Laufs werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <source>%1 (%2×%3)</source>
        <translation>%1 (%2×%3)</translation>
    </message>
    <message>
        <source>Start on This Screen</source>
        <translation>Auf diesem Bildschirm starten</translation>
    </message>
    <message>
        <source>Start on All Screens</source>
        <translation>Auf allen Bildschirmen starten</translation>
    </message>
    <message>
        <source>Lock to Display Refresh</source>
        <translation>An Bildwiederholung der Anzeige binden</translation>
    </message>
    <message>
        <source>Flash a Box</source>
        <translation>Feld blinken lassen</translation>
    </message>
</context>
<context>
    <name>StepReadout</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1, step %2</source>
        <translation>%1, Schritt %2</translation>
    </message>
    <message>
        <source>%1, %2 Hz</source>
        <translation>%1, %2 Hz</translation>
    </message>
</context>
<context>
    <name>XPresentPresenter</name>
    <message>
        <source>the frame lock could not connect to the X server</source>
        <translation>die Bindung an die Bildwiederholung konnte sich nicht mit dem X-Server verbinden</translation>
    </message>
    <message>
        <source>the X server offers no Present extension</source>
        <translation>der X-Server bietet keine Present-Erweiterung</translation>
    </message>
    <message>
        <source>the frame lock draws on true color screens only</source>
        <translation>die Bindung an die Bildwiederholung zeichnet nur auf Echtfarben-Bildschirmen</translation>
    </message>
    <message>
        <source>the frame lock draws on screens of 24 or 30 bits a pixel, and this one has %1</source>
        <translation>die Bindung an die Bildwiederholung zeichnet auf Bildschirmen mit 24 oder 30 Bit je Pixel, und dieser hat %1</translation>
    </message>
    <message>
        <source>the X server gave no refresh count within a second</source>
        <translation>der X-Server nannte binnen einer Sekunde keinen Bildwechselzähler</translation>
    </message>
    <message>
        <source>the frame lock lost its connection to the X server</source>
        <translation>die Bindung an die Bildwiederholung hat die Verbindung zum X-Server verloren</translation>
    </message>
    <message>
        <source>the X server refused a request of the frame lock (%1)</source>
        <translation>der X-Server wies eine Anfrage der Bindung an die Bildwiederholung ab (%1)</translation>
    </message>
    <message>
        <source>the X server stopped telling when steps are shown</source>
        <translation>der X-Server meldet nicht mehr, wann Schritte gezeigt werden</translation>
    </message>
</context>
<context>
    <name>TimingChart</name>
    <message>
        <source>Screen %1</source>
        <translation>Bildschirm %1</translation>
    </message>
    <message>
        <source>interval from the step before (ms) against the planned one</source>
        <translation>Abstand zum Schritt davor (ms) gegen den geplanten</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>steps per interval</source>
        <translation>Schritte je Abstand</translation>
    </message>
    <message>
        <source>steps: %1</source>
        <translation>Schritte: %1</translation>
    </message>
    <message>
        <source>refresh rate: %1 Hz ± %2 (%3 samples)</source>
        <translation>Bildwiederholrate: %1 Hz ± %2 (%3 Messungen)</translation>
    </message>
    <message>
        <source>refresh rate: %1 Hz (%2 samples)</source>
        <translation>Bildwiederholrate: %1 Hz (%2 Messungen)</translation>
    </message>
    <message>
        <source>refresh rate: not measured, the log has no refresh counters</source>
        <translation>Bildwiederholrate: nicht gemessen, das Protokoll hat keine Bildwechselzähler</translation>
    </message>
    <message>
        <source>steps late: %1</source>
        <translation>verspätete Schritte: %1</translation>
    </message>
    <message>
        <source>refreshes missed: %1</source>
        <translation>verpasste Bildwechsel: %1</translation>
    </message>
    <message>
        <source>steps skipped: %1</source>
        <translation>übersprungene Schritte: %1</translation>
    </message>
    <message>
        <source>steps never reported: %1</source>
        <translation>nie gemeldete Schritte: %1</translation>
    </message>
    <message>
        <source>planned interval: the median, %1 ms</source>
        <translation>geplanter Abstand: der Median, %1 ms</translation>
    </message>
    <message>
        <source>deviation from the plan, 50th percentile: %1 ms</source>
        <translation>Abweichung vom Plan, 50. Perzentil: %1 ms</translation>
    </message>
    <message>
        <source>deviation from the plan, 99th percentile: %1 ms</source>
        <translation>Abweichung vom Plan, 99. Perzentil: %1 ms</translation>
    </message>
    <message>
        <source>largest deviation from the plan: %1 ms</source>
        <translation>größte Abweichung vom Plan: %1 ms</translation>
    </message>
    <message>
        <source>The log holds no step.</source>
        <translation>Das Protokoll enthält keinen Schritt.</translation>
    </message>
</context>
<context>
    <name>TimingReportFile</name>
    <message>
        <source>%1 could not be drawn as PNG</source>
        <translation>%1 konnte nicht als PNG gezeichnet werden</translation>
    </message>
    <message>
        <source>--from-log: %1</source>
        <translation>--from-log: %1</translation>
    </message>
    <message>
        <source>--from-log: %1 is no step log, line %2: %3</source>
        <translation>--from-log: %1 ist kein Schrittprotokoll, Zeile %2: %3</translation>
    </message>
    <message>
        <source>--report: %1</source>
        <translation>--report: %1</translation>
    </message>
</context>
<context>
    <name>PatchAddress</name>
    <message>
        <source>%1 is no http://HOST:PORT address</source>
        <translation>%1 ist keine Adresse http://RECHNER:PORT</translation>
    </message>
    <message>
        <source>%1 is to be the server alone, http://HOST:PORT</source>
        <translation>%1 soll nur der Server sein, http://RECHNER:PORT</translation>
    </message>
    <message>
        <source>%1 has no port from 1 to 65535</source>
        <translation>%1 hat keinen Port von 1 bis 65535</translation>
    </message>
    <message>
        <source>%1 is no host name</source>
        <translation>%1 ist kein Rechnername</translation>
    </message>
</context>
<context>
    <name>PatchWindow</name>
    <message>
        <source>%1; connecting again</source>
        <translation>%1; neue Verbindung wird versucht</translation>
    </message>
    <message>
        <source>Showing the patches of %1. Press ESCape key to leave. Type &apos;hide&apos; to hide this text.</source>
        <translation>Messfelder von %1. ESC-Taste zum Verlassen. &apos;hide&apos; tippen, um diesen Text auszublenden.</translation>
    </message>
    <message>
        <source>Waiting for %1. Press ESCape key to leave. Type &apos;hide&apos; to hide this text.</source>
        <translation>Warte auf %1. ESC-Taste zum Verlassen. &apos;hide&apos; tippen, um diesen Text auszublenden.</translation>
    </message>
    <message>
        <source>the screen shows 8 bits a channel: 10-bit levels are rounded to the nearest 8-bit level</source>
        <translation>der Bildschirm zeigt 8 Bit je Kanal: 10-Bit-Stufen werden auf die nächste 8-Bit-Stufe gerundet</translation>
    </message>
    <message>
        <source>Warning: these patches change fast enough to flash more than three times a second, which can trigger seizures in people with photosensitive epilepsy</source>
        <translation>Warnung: diese Messfelder wechseln so schnell, dass sie mehr als dreimal in der Sekunde blitzen, was bei Menschen mit fotosensitiver Epilepsie Anfälle auslösen kann</translation>
    </message>
</context>
<context>
    <name>ResolveLink</name>
    <message>
        <source>the server closed the connection in the middle of a message</source>
        <translation>der Server hat die Verbindung mitten in einer Nachricht geschlossen</translation>
    </message>
    <message>
        <source>the server stopped in the middle of a message</source>
        <translation>der Server ist mitten in einer Nachricht stehen geblieben</translation>
    </message>
</context>
<context>
    <name>ResolveMessage</name>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; hat kein %2</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2=&quot;%3&quot; is no number</source>
        <translation>&lt;%1&gt; %2=&quot;%3&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>&lt;%1&gt; bits=&quot;%2&quot; is neither 8 nor 10</source>
        <translation>&lt;%1&gt; bits=&quot;%2&quot; ist weder 8 noch 10</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2=&quot;%3&quot; is no whole level from 0 to %4</source>
        <translation>&lt;%1&gt; %2=&quot;%3&quot; ist keine ganze Stufe von 0 bis %4</translation>
    </message>
    <message>
        <source>&lt;geometry&gt; %1=&quot;%2&quot; is out of range</source>
        <translation>&lt;geometry&gt; %1=&quot;%2&quot; liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>the message is &lt;%1&gt;, not &lt;calibration&gt;</source>
        <translation>die Nachricht ist &lt;%1&gt;, nicht &lt;calibration&gt;</translation>
    </message>
    <message>
        <source>the message has more than one &lt;color&gt;</source>
        <translation>die Nachricht hat mehr als ein &lt;color&gt;</translation>
    </message>
    <message>
        <source>the message is no well-formed XML: %1</source>
        <translation>die Nachricht ist kein wohlgeformtes XML: %1</translation>
    </message>
    <message>
        <source>the message has no &lt;color&gt;</source>
        <translation>die Nachricht hat kein &lt;color&gt;</translation>
    </message>
    <message>
        <source>a message of %1 bytes announced, more than the %2 a patch may take</source>
        <translation>eine Nachricht von %1 Byte angekündigt, mehr als die %2, die ein Messfeld haben darf</translation>
    </message>
</context>
<context>
    <name>WebDisplayLink</name>
    <message>
        <source>the server stopped in the middle of its answer</source>
        <translation>der Server ist mitten in seiner Antwort stehen geblieben</translation>
    </message>
</context>
<context>
    <name>WebDisplayReply</name>
    <message>
        <source>the answer runs past %1 bytes</source>
        <translation>die Antwort ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the answer is no HTTP: it begins &quot;%1&quot;</source>
        <translation>die Antwort ist kein HTTP: sie beginnt mit &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the server closed the connection in the middle of its answer</source>
        <translation>der Server hat die Verbindung mitten in seiner Antwort geschlossen</translation>
    </message>
    <message>
        <source>the server answered &quot;%1&quot;</source>
        <translation>der Server antwortete &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the answer &quot;%1&quot; is no #RRGGBB color</source>
        <translation>die Antwort &quot;%1&quot; ist keine Farbe #RRGGBB</translation>
    </message>
</context>
<context>
    <name>StepPresenter</name>
    <message>
        <source>the frame lock holds no box drawn as an overlay</source>
        <translation>die Bindung an die Bildwiederholung hält kein als Überlagerung gezeichnetes Feld</translation>
    </message>
</context>
</TS>
