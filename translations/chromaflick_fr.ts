<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoxGeometry</name>
    <message>
        <source>%1 is not a box: write WxH+X+Y (as 64x64+812+403) or WxH for one in the middle of the screen</source>
        <translation>%1 n’est pas un carré : écrivez LxH+X+Y (comme 64x64+812+403) ou LxH pour un carré au milieu de l’écran</translation>
    </message>
    <message>
        <source>%1 has no size: a box is at least 1x1</source>
        <translation>%1 n’a pas de taille : un carré fait au moins 1x1</translation>
    </message>
    <message>
        <source>%1 is on no screen</source>
        <translation>%1 n’est sur aucun écran</translation>
    </message>
    <message>
        <source>%1 is larger than its screen of %2x%3</source>
        <translation>%1 est plus grand que son écran de %2x%3</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>%1 is not a color: it is longer than %2 characters</source>
        <translation>%1 n’est pas une couleur : plus de %2 caractères</translation>
    </message>
    <message>
        <source>%1 is not a color: it needs three components, red, green and blue</source>
        <translation>%1 n’est pas une couleur : il faut trois composantes, rouge, vert et bleu</translation>
    </message>
</context>
<context>
    <name>ColorList</name>
    <message>
        <source>The stored list holds %1 colors; only the first %2 were loaded</source>
        <translation>La liste enregistrée contient %1 couleurs ; seules les %2 premières ont été chargées</translation>
    </message>
    <message>
        <source>%1, and no copy of the whole list could be kept</source>
        <translation>%1, et aucune copie de la liste entière n’a pu être gardée</translation>
    </message>
    <message>
        <source>%1; the whole list was kept in %2</source>
        <translation>%1 ; la liste entière a été gardée dans %2</translation>
    </message>
    <message>
        <source>The list is full: it holds %1 colors, the most it can keep.</source>
        <translation>La liste est pleine : elle contient %1 couleurs, le maximum possible.</translation>
    </message>
</context>
<context>
    <name>ColorListCommands</name>
    <message>
        <source>No color is selected</source>
        <translation>Aucune couleur n’est sélectionnée</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the list?</source>
        <translation>Voulez-vous vraiment vider la liste ?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the list and load the default colors?</source>
        <translation>Voulez-vous vraiment vider la liste et charger les couleurs par défaut ?</translation>
    </message>
    <message>
        <source>Delete a color to make room for a new one.</source>
        <translation>Supprimez une couleur pour faire de la place.</translation>
    </message>
</context>
<context>
    <name>ColorListMenu</name>
    <message>
        <source>&amp;Import Colors…</source>
        <translation>&amp;Importer des couleurs…</translation>
    </message>
    <message>
        <source>&amp;Export Colors…</source>
        <translation>&amp;Exporter les couleurs…</translation>
    </message>
</context>
<context>
    <name>ColorSequencer</name>
    <message>
        <source>There is no color at position %1 of a list of %2</source>
        <translation>Il n’y a pas de couleur à la position %1 d’une liste de %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--screen: there is no screen %1; Qt reports none</source>
        <translation>--screen : il n’y a pas d’écran %1 ; Qt n’en signale aucun</translation>
    </message>
    <message>
        <source>--screen: there is no screen %1; give a number from 1 to %2 or a name: %3</source>
        <translation>--screen : il n’y a pas d’écran %1 ; indiquez un numéro de 1 à %2 ou un nom : %3</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Open the flash as soon as the main window shows, as Start does.</source>
        <translation>Ouvrir le clignotement dès que la fenêtre principale s’affiche, comme Démarrer.</translation>
    </message>
    <message>
        <source>Close every flash of this run after TIME: 90 or 90s, 30m, 2h, 1h30m15s; a bare number is seconds.</source>
        <translation>Fermer chaque clignotement de cette session après DURÉE : 90 ou 90s, 30m, 2h, 1h30m15s ; un nombre seul compte en secondes.</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>DURÉE</translation>
    </message>
    <message>
        <source>Flash on the screen of this name (as HDMI-1) or number (1 is the first).</source>
        <translation>Clignoter sur l’écran de ce nom (comme HDMI-1) ou de ce numéro (1 est le premier).</translation>
    </message>
    <message>
        <source>NAME|N</source>
        <translation>NOM|N</translation>
    </message>
    <message>
        <source>Flash on every screen at once.</source>
        <translation>Clignoter sur tous les écrans à la fois.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Fills the whole screen with a sequence of colors.</source>
        <translation>Remplit tout l’écran d’une suite de couleurs.</translation>
    </message>
    <message>
        <source>%1; the options are %2</source>
        <translation>%1 ; les options sont %2</translation>
    </message>
    <message>
        <source>Unexpected argument %1</source>
        <translation>Argument inattendu %1</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donnée plus d’une fois</translation>
    </message>
    <message>
        <source>--screen and --all-screens exclude each other</source>
        <translation>--screen et --all-screens s’excluent</translation>
    </message>
    <message>
        <source>--duration: %1</source>
        <translation>--duration : %1</translation>
    </message>
    <message>
        <source>--colors: %1</source>
        <translation>--colors : %1</translation>
    </message>
    <message>
        <source>Show and flash the colors of a palette file (GIMP .gpl, or text with one RGB(r, g, b), #RRGGBB, #RGB or r g b a line) for this run. The stored list stays as it was unless you change the list; then the changed list is stored and the one it replaces is kept as a .before-colors copy beside the settings file. To keep a palette for good, use Import in the list&apos;s menu.</source>
        <translation>Afficher et faire clignoter les couleurs d&apos;un fichier de palette (GIMP .gpl, ou texte avec une couleur RGB(r, g, b), #RRGGBB, #RGB ou r g b par ligne) pour cette exécution. La liste enregistrée reste telle quelle sauf si vous modifiez la liste ; la liste modifiée est alors enregistrée et celle qu&apos;elle remplace est gardée en copie .before-colors à côté du fichier de réglages. Pour garder une palette, utilisez Importer dans le menu de la liste.</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Option inconnue %1</translation>
    </message>
    <message>
        <source>Hold every color exactly N refreshes of its screen (1 to 32767), in place of the delay.</source>
        <translation>Tenir chaque couleur exactement N rafraîchissements de son écran (1 à 32767), au lieu du délai.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Write a CSV line for every step of every flash: what was shown, and when.</source>
        <translation>Écrire une ligne CSV pour chaque étape de chaque flash : ce qui a été montré, et quand.</translation>
    </message>
    <message>
        <source>--frames: %1 is not a whole number from 1 to %2</source>
        <translation>--frames : %1 n’est pas un nombre entier de 1 à %2</translation>
    </message>
    <message>
        <source>--log: no file named</source>
        <translation>--log : aucun fichier indiqué</translation>
    </message>
    <message>
        <source>When the run ends, draw its timing to FILE (.svg or .png): every step&apos;s interval against the planned one, the late and skipped steps, a histogram and a table, a panel a screen.</source>
        <translation>À la fin de l&apos;exécution, dessiner sa chronologie dans FICHIER (.svg ou .png) : l&apos;intervalle de chaque étape face à celui prévu, les étapes en retard et sautées, un histogramme et un tableau, un panneau par écran.</translation>
    </message>
    <message>
        <source>With --report: draw the report from a log saved with --log, without opening a window.</source>
        <translation>Avec --report : dessiner le rapport d&apos;un journal enregistré avec --log, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>--report: no file named</source>
        <translation>--report : aucun fichier indiqué</translation>
    </message>
    <message>
        <source>--report: %1 is to end in .svg or .png</source>
        <translation>--report : %1 doit finir par .svg ou .png</translation>
    </message>
    <message>
        <source>--from-log: no file named</source>
        <translation>--from-log : aucun fichier indiqué</translation>
    </message>
    <message>
        <source>--from-log: give --report FILE to draw the log to</source>
        <translation>--from-log : indiquez --report FICHIER où dessiner le journal</translation>
    </message>
    <message>
        <source>--from-log draws a saved log and opens no window; it takes no --%1</source>
        <translation>--from-log dessine un journal enregistré et n&apos;ouvre aucune fenêtre ; il ne prend pas --%1</translation>
    </message>
    <message>
        <source>Show a square in a corner of every flash picture, white on odd steps and black on even ones, for a light sensor: top-left, top-right, bottom-left or bottom-right (the default), and its side in pixels (48 unless given).</source>
        <translation>Afficher un carré dans un coin de chaque image du flash, blanc aux étapes impaires et noir aux paires, pour un capteur de lumière : top-left, top-right, bottom-left ou bottom-right (par défaut), et son côté en pixels (48 sauf indication).</translation>
    </message>
    <message>
        <source>[CORNER][:SIZE]</source>
        <translation>[COIN][:TAILLE]</translation>
    </message>
    <message>
        <source>--marker: %1</source>
        <translation>--marker : %1</translation>
    </message>
    <message>
        <source>Flash a small box in place of the whole screen, over a stuck pixel: WxH+X+Y in pixels of the desktop (as 64x64+812+403), or WxH in the middle of the screen. Give it again for more boxes.</source>
        <translation>Faire clignoter un petit carré au lieu de tout l’écran, sur un pixel bloqué : LxH+X+Y en pixels du bureau (comme 64x64+812+403), ou LxH au milieu de l’écran. Répéter pour plusieurs carrés.</translation>
    </message>
    <message>
        <source>GEOMETRY</source>
        <translation>GÉOMÉTRIE</translation>
    </message>
    <message>
        <source>--box: %1</source>
        <translation>--box : %1</translation>
    </message>
    <message>
        <source>Be the patch window of ArgyllCMS&apos;s web display (-dweb) at URL, as http://localhost:8080: each patch is acknowledged once the screen shows it.</source>
        <translation>Servir de fenêtre de mire à l&apos;affichage web d&apos;ArgyllCMS (-dweb) à URL, par exemple http://localhost:8080 : chaque mire est confirmée une fois que l&apos;écran la montre.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Be the patch generator of a program speaking the Resolve protocol (DisplayCAL, Calman, ColourSpace), at localhost:20002 unless given.</source>
        <translation>Servir de générateur de mires à un programme qui parle le protocole Resolve (DisplayCAL, Calman, ColourSpace), à localhost:20002 sauf indication.</translation>
    </message>
    <message>
        <source>[HOST][:PORT]</source>
        <translation>[HÔTE][:PORT]</translation>
    </message>
    <message>
        <source>--web-display and --resolve exclude each other</source>
        <translation>--web-display et --resolve s&apos;excluent</translation>
    </message>
    <message>
        <source>--%1 shows the patches a program sends on one screen; it takes no --%2</source>
        <translation>--%1 montre les mires qu&apos;un programme envoie sur un seul écran ; il ne prend pas --%2</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1 : %2</translation>
    </message>
</context>
<context>
    <name>DisplayReach</name>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>aucun affichage pour la fenêtre : ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini</translation>
    </message>
    <message>
        <source>no display to show the window on: the X server of DISPLAY %1 cannot be reached</source>
        <translation>aucun affichage pour la fenêtre : le serveur X de DISPLAY %1 est injoignable</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message>
        <source>%1 is not a time; write seconds (90 or 90s), minutes (30m), hours (2h) or them together in that order (1h30m15s)</source>
        <translation>%1 n’est pas une durée ; écrivez des secondes (90 ou 90s), des minutes (30m), des heures (2h) ou les trois dans cet ordre (1h30m15s)</translation>
    </message>
    <message>
        <source>%1 is too long; the longest time is %2h</source>
        <translation>%1 est trop long ; la durée maximale est %2h</translation>
    </message>
    <message>
        <source>%1 is no time at all; a flash that closes at once shows nothing, so give at least one second</source>
        <translation>%1 n’est pas une durée ; un clignotement fermé aussitôt ne montre rien, donnez au moins une seconde</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d’écran de ce message à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The cursor file %1 could not be opened</source>
        <translation>Le fichier de curseur %1 n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>The file %1 is not a cursor file</source>
        <translation>Le fichier %1 n’est pas un fichier de curseur</translation>
    </message>
    <message>
        <source>The cursor file %1 could not be read: %2</source>
        <translation>Le fichier de curseur %1 n’a pas pu être lu : %2</translation>
    </message>
</context>
<context>
    <name>FlashKeys</name>
    <message>
        <source>In the flash, Escape leaves it and typing hide hides its texts. Space pauses and resumes; while paused, Right or Page Down shows the next color, Left or Page Up the previous one, Home the first one of the list.</source>
        <translation>Pendant le clignotement, Échap le quitte et taper hide masque ses textes. Espace met en pause et reprend ; en pause, Droite ou Page suivante montre la couleur suivante, Gauche ou Page précédente la précédente, Début la première de la liste.</translation>
    </message>
</context>
<context>
    <name>FlashSession</name>
    <message>
        <source>Flashing colors over the whole screen</source>
        <translation>Couleurs clignotant sur tout l’écran</translation>
    </message>
    <message>
        <source>Flashing boxes over stuck pixels</source>
        <translation>Carrés clignotant sur des pixels bloqués</translation>
    </message>
    <message>
        <source>%1 ms is no delay: it must be 0 or more</source>
        <translation>%1 ms n’est pas un délai : il doit valoir 0 ou plus</translation>
    </message>
    <message>
        <source>this display offers no way to hold colors to its refreshes; the timer paces the flash</source>
        <translation>cet affichage ne permet pas de caler les couleurs sur ses rafraîchissements ; la minuterie cadence le flash</translation>
    </message>
    <message>
        <source>the compositor does not report presentation for this window: the steps it leaves unconfirmed are logged as missed</source>
        <translation>le compositeur ne signale pas l’apparition de cette fenêtre : les étapes qu’il laisse non confirmées sont notées missed dans le journal</translation>
    </message>
    <message>
        <source>%1; the timer paces the flash</source>
        <translation>%1 ; la minuterie cadence le flash</translation>
    </message>
    <message>
        <source>%1; the timer paces the flash from here</source>
        <translation>%1 ; la minuterie cadence le flash désormais</translation>
    </message>
    <message>
        <source>screen %1 has %2 bits a pixel and cannot show the colors exactly; the log gives the list&apos;s colors</source>
        <translation>l’écran %1 a %2 bits par pixel et ne peut pas montrer les couleurs exactement ; le journal donne les couleurs de la liste</translation>
    </message>
</context>
<context>
    <name>FlashTally</name>
    <message>
        <source>flash: %1 steps, %2 refreshes at %3 Hz, %4 missed, %5 skipped</source>
        <translation>flash : %1 étapes, %2 rafraîchissements à %3 Hz, %4 manqués, %5 sautés</translation>
    </message>
    <message>
        <source>flash on %6: %1 steps, %2 refreshes at %3 Hz, %4 missed, %5 skipped</source>
        <translation>flash sur %6 : %1 étapes, %2 rafraîchissements à %3 Hz, %4 manqués, %5 sautés</translation>
    </message>
    <message>
        <source>, %1 unconfirmed: the compositor does not report presentation for this window</source>
        <translation>, %1 non confirmées : le compositeur ne signale pas l’apparition de cette fenêtre</translation>
    </message>
    <message>
        <source>, %1 unconfirmed</source>
        <translation>, %1 non confirmées</translation>
    </message>
    <message>
        <source>flash: %1 steps, %2 refreshes at %3 Hz ± %6, %4 missed, %5 skipped</source>
        <translation>flash : %1 étapes, %2 rafraîchissements à %3 Hz ± %6, %4 manqués, %5 sautés</translation>
    </message>
    <message>
        <source>flash on %7: %1 steps, %2 refreshes at %3 Hz ± %6, %4 missed, %5 skipped</source>
        <translation>flash sur %7 : %1 étapes, %2 rafraîchissements à %3 Hz ± %6, %4 manqués, %5 sautés</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>on Wayland the boxes are overlays at their exact places: drag a box or click it and use the arrows to move it; + and - size it</source>
        <translation>sous Wayland les carrés sont des surimpressions à leur place exacte : faites glisser un carré ou cliquez dessus et déplacez-le avec les flèches ; + et - changent sa taille</translation>
    </message>
    <message>
        <source>on Wayland the compositor places the boxes: drag a box to move it; + and - size it</source>
        <translation>sous Wayland le compositeur place les carrés : faites glisser un carré pour le déplacer ; + et - changent sa taille</translation>
    </message>
    <message>
        <source>Settings Not Kept</source>
        <translation>Réglages non conservés</translation>
    </message>
    <message>
        <source>Milliseconds Delay Between Each Color</source>
        <translation>Délai entre les couleurs en millisecondes</translation>
    </message>
    <message>
        <source>Flash Option</source>
        <translation>Ordre</translation>
    </message>
    <message>
        <source>Random color</source>
        <translation>Couleur au hasard</translation>
    </message>
    <message>
        <source>Cycle through all colors and repeat</source>
        <translation>Toutes les couleurs en boucle</translation>
    </message>
    <message>
        <source>Color Option</source>
        <translation>Type de couleur</translation>
    </message>
    <message>
        <source>Solid colors</source>
        <translation>Couleurs unies</translation>
    </message>
    <message>
        <source>Gradient colors (2 color spectrum)</source>
        <translation>Dégradé (2 couleurs)</translation>
    </message>
    <message>
        <source>Gradient Option</source>
        <translation>Sens du dégradé</translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation>De gauche à droite</translation>
    </message>
    <message>
        <source>Up and down</source>
        <translation>De haut en bas</translation>
    </message>
    <message>
        <source>Add Color</source>
        <translation>Ajouter une couleur</translation>
    </message>
    <message>
        <source>Delete Selected Color</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Load Default Colors</source>
        <translation>Couleurs par défaut</translation>
    </message>
    <message>
        <source>Start Chromaflick (Press &apos;ESC&apos; To Stop)</source>
        <translation>Démarrer Chromaflick (&apos;Échap&apos; pour arrêter)</translation>
    </message>
    <message>
        <source>RGB Colors</source>
        <translation>Couleurs RVB</translation>
    </message>
    <message>
        <source>The color list is empty. Add a color or load the default colors, then start again.</source>
        <translation>La liste des couleurs est vide. Ajoutez une couleur ou chargez les couleurs par défaut, puis recommencez.</translation>
    </message>
    <message>
        <source>Warning: these colors, changing this fast, flash more than three times a second. Flashing like this can trigger seizures in people with photosensitive epilepsy.

Start the flash anyway?</source>
        <translation>Attention : ces couleurs, à cette vitesse, clignotent plus de trois fois par seconde. Un tel clignotement peut déclencher des crises chez les personnes atteintes d’épilepsie photosensible.

Démarrer le clignotement malgré tout ?</translation>
    </message>
    <message>
        <source>the changed list was not stored: no copy of the stored list could be kept</source>
        <translation>la liste modifiée n&apos;a pas été enregistrée : aucune copie de la liste enregistrée n&apos;a pu être gardée</translation>
    </message>
    <message>
        <source>the changed list was stored; the stored list it replaces was kept in %1</source>
        <translation>la liste modifiée a été enregistrée ; la liste enregistrée qu&apos;elle remplace a été gardée dans %1</translation>
    </message>
    <message>
        <source>the screen %1 is not there; flashing on the main window&apos;s screen</source>
        <translation>l&apos;écran %1 n&apos;est pas là ; le clignotement a lieu sur l&apos;écran de la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Chromaflick color flash</source>
        <translation>Clignotement de couleurs Chromaflick</translation>
    </message>
    <message>
        <source>Press ESCape key to exit flash. Type &apos;hide&apos; to hide this text.</source>
        <translation>Touche Échap pour quitter. Tapez &apos;hide&apos; pour masquer ce texte.</translation>
    </message>
</context>
<context>
    <name>FrameLogFile</name>
    <message>
        <source>%1 is %2, not a file to write a log to</source>
        <translation>%1 est %2, pas un fichier où écrire un journal</translation>
    </message>
    <message>
        <source>%1 is locked by another program that writes it</source>
        <translation>%1 est verrouillé par un autre programme qui l&apos;écrit</translation>
    </message>
    <message>
        <source>the log %1 is written again; rows left out: %2</source>
        <translation>le journal %1 est de nouveau écrit ; lignes omises : %2</translation>
    </message>
    <message>
        <source>the log %1 could not be written to the end; rows left out: %2</source>
        <translation>le journal %1 n&apos;a pas pu être écrit jusqu&apos;au bout ; lignes omises : %2</translation>
    </message>
    <message>
        <source>the log %1 could not be written: %2; rows are left out until it can be, then a line counts them</source>
        <translation>le journal %1 n&apos;a pas pu être écrit : %2 ; des lignes sont omises jusqu&apos;à ce qu&apos;il puisse l&apos;être, puis une ligne les compte</translation>
    </message>
    <message>
        <source>%1 is the palette given with --colors; the log would write over it</source>
        <translation>%1 est la palette donnée avec --colors ; le journal l&apos;écraserait</translation>
    </message>
    <message>
        <source>%1 is the program&apos;s settings file; the log would write over it</source>
        <translation>%1 est le fichier de réglages du programme ; le journal l&apos;écraserait</translation>
    </message>
    <message>
        <source>%1 is a file the program keeps beside its settings; the log would write over it</source>
        <translation>%1 est un fichier que le programme garde à côté de ses réglages ; le journal l&apos;écraserait</translation>
    </message>
    <message>
        <source>the name of %1 is not UTF-8 text, so no log can be written under it; give a name that is</source>
        <translation>le nom de %1 n&apos;est pas du texte UTF-8, aucun journal ne peut donc être écrit sous ce nom ; donnez un nom en UTF-8</translation>
    </message>
</context>
<context>
    <name>FrameLogReader</name>
    <message>
        <source>%1 fields where the log has %2</source>
        <translation>%1 champs là où le journal en a %2</translation>
    </message>
    <message>
        <source>the step %1 is no whole number from 1</source>
        <translation>l&apos;étape %1 n&apos;est pas un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>the first color %1 is no #rrggbb</source>
        <translation>la première couleur %1 n&apos;est pas un #rrggbb</translation>
    </message>
    <message>
        <source>the second color %1 is neither empty nor #rrggbb</source>
        <translation>la seconde couleur %1 n&apos;est ni vide ni un #rrggbb</translation>
    </message>
    <message>
        <source>the refresh counter %1 is neither empty nor a whole number</source>
        <translation>le compteur de rafraîchissements %1 n&apos;est ni vide ni un nombre entier</translation>
    </message>
    <message>
        <source>the time %1 is no whole number of microseconds</source>
        <translation>le temps %1 n&apos;est pas un nombre entier de microsecondes</translation>
    </message>
    <message>
        <source>missed is %1, not a count of refreshes, skipped or missed</source>
        <translation>missed vaut %1, ni un nombre de rafraîchissements, ni skipped, ni missed</translation>
    </message>
    <message>
        <source>not the header of a step log: %1</source>
        <translation>pas l&apos;en-tête d&apos;un journal des étapes : %1</translation>
    </message>
    <message>
        <source>a quote is not closed or stands inside a field</source>
        <translation>un guillemet n&apos;est pas fermé ou se trouve au milieu d&apos;un champ</translation>
    </message>
    <message>
        <source>the file is empty, not a step log</source>
        <translation>le fichier est vide, ce n&apos;est pas un journal des étapes</translation>
    </message>
    <message>
        <source>the count of rows lost %1 is no whole number from 1</source>
        <translation>le nombre de lignes perdues %1 n&apos;est pas un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>a line of rows lost has %1 in field %2, which it leaves empty</source>
        <translation>une ligne de lignes perdues a %1 dans le champ %2, qu&apos;elle laisse vide</translation>
    </message>
</context>
<context>
    <name>GradientPainter</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is out of range (-32768 to 32767)</source>
        <translation>%1 est hors limites (-32768 à 32767)</translation>
    </message>
    <message>
        <source>%1 is neither True, False nor a number</source>
        <translation>%1 n’est ni True, ni False, ni un nombre</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Must be a numerical value.</source>
        <translation>Doit être une valeur numérique.</translation>
    </message>
</context>
<context>
    <name>PaletteCommands</name>
    <message>
        <source>Import Colors</source>
        <translation>Importer des couleurs</translation>
    </message>
    <message>
        <source>Export Colors</source>
        <translation>Exporter les couleurs</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Rien n’a été importé.</translation>
    </message>
    <message>
        <source>The color list is empty; there is nothing to export.</source>
        <translation>La liste des couleurs est vide ; il n’y a rien à exporter.</translation>
    </message>
    <message>
        <source>%1

The colors were not exported.</source>
        <translation>%1

Les couleurs n’ont pas été exportées.</translation>
    </message>
    <message>
        <source>Colors exported to %1: %2

Entries that are no color, skipped: %3</source>
        <translation>Couleurs exportées vers %1 : %2

Entrées qui ne sont pas des couleurs, ignorées : %3</translation>
    </message>
    <message>
        <source>Delete colors to make room for imported ones.</source>
        <translation>Supprimez des couleurs pour faire de la place aux couleurs importées.</translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>%1 holds no colors</source>
        <translation>%1 ne contient aucune couleur</translation>
    </message>
    <message>
        <source>%1 holds no colors that can be read (line %2: %3)</source>
        <translation>%1 ne contient aucune couleur lisible (ligne %2 : %3)</translation>
    </message>
    <message>
        <source>no entry is a color, so %1 was not written</source>
        <translation>aucune entrée n’est une couleur, %1 n’a donc pas été écrit</translation>
    </message>
</context>
<context>
    <name>PaletteImport</name>
    <message>
        <source>Lines that hold no color, skipped: %1</source>
        <translation>Lignes sans couleur, ignorées : %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Colors imported from %1: %2</source>
        <translation>Couleurs importées depuis %1 : %2</translation>
    </message>
    <message>
        <source>Colors left out because the list is full (it holds %1 at most): %2</source>
        <translation>Couleurs laissées de côté car la liste est pleine (elle en contient %1 au plus) : %2</translation>
    </message>
</context>
<context>
    <name>PaletteProblems</name>
    <message>
        <source>line %1: %2, skipped</source>
        <translation>ligne %1 : %2, ignorée</translation>
    </message>
    <message>
        <source>%1 more lines that hold no color, skipped</source>
        <translation>%1 autres lignes sans couleur, ignorées</translation>
    </message>
    <message>
        <source>%1 colors left out: the list holds %2 at most</source>
        <translation>%1 couleurs laissées de côté : la liste en contient %2 au plus</translation>
    </message>
</context>
<context>
    <name>PaletteReader</name>
    <message>
        <source>%1 is not a number from 0 to 255</source>
        <translation>%1 n’est pas un nombre de 0 à 255</translation>
    </message>
    <message>
        <source>%1 is more than 255</source>
        <translation>%1 dépasse 255</translation>
    </message>
    <message>
        <source>a color line needs three numbers: red, green and blue</source>
        <translation>une ligne de couleur demande trois nombres : rouge, vert et bleu</translation>
    </message>
    <message>
        <source>RGB( ) needs three numbers: red, green and blue</source>
        <translation>RGB( ) demande trois nombres : rouge, vert et bleu</translation>
    </message>
    <message>
        <source>not a color; write RGB(r, g, b), #RRGGBB or r g b</source>
        <translation>pas une couleur ; écrivez RGB(r, g, b), #RRGGBB ou r g b</translation>
    </message>
    <message>
        <source>%1 is not a hex color; write #RRGGBB or #RGB, and a comment after a blank and #</source>
        <translation>%1 n&apos;est pas une couleur hexadécimale ; écrivez #RRGGBB ou #RGB, et un commentaire après un blanc et #</translation>
    </message>
    <message>
        <source>the file is UTF-16 text without a byte order mark; save it as UTF-8</source>
        <translation>le fichier est du texte UTF-16 sans indicateur d&apos;ordre des octets ; enregistrez-le en UTF-8</translation>
    </message>
</context>
<context>
    <name>PhotodiodeMarker</name>
    <message>
        <source>%1 is no corner; give top-left, top-right, bottom-left or bottom-right</source>
        <translation>%1 n&apos;est pas un coin ; indiquez top-left, top-right, bottom-left ou bottom-right</translation>
    </message>
    <message>
        <source>the size %1 is not a whole number of pixels from 1 to %2</source>
        <translation>la taille %1 n&apos;est pas un nombre entier de pixels de 1 à %2</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>GIMP palette (*.gpl)</source>
        <translation>Palette GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>Import Colors</source>
        <translation>Importer des couleurs</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Colors</source>
        <translation>Exporter les couleurs</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>the name of %1 is not UTF-8 text, so the file cannot be opened; rename it</source>
        <translation>le nom de %1 n&apos;est pas du texte UTF-8, le fichier ne peut donc pas être ouvert ; renommez-le</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 is a loop of links that leads to no file</source>
        <translation>%1 est une boucle de liens qui ne mène à aucun fichier</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1 est %2, pas un fichier</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 dépasse %2 Mo</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>the screen may blank during the flash: nothing on this desktop keeps it awake</source>
        <translation>l’écran peut s’éteindre pendant le clignotement : rien sur ce bureau ne le garde allumé</translation>
    </message>
</context>
<context>
    <name>SettingsBacking</name>
    <message>
        <source>The settings are not kept: %1</source>
        <translation>Les réglages ne sont pas conservés : %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2</source>
        <translation>Le fichier de réglages %1 n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>the disk may be full or read-only</source>
        <translation>le disque est peut-être plein ou en lecture seule</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n’a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1 est %2, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is a loop of links, not a file</source>
        <translation>%1 est une boucle de liens, pas un fichier</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1. %2 starts with its default settings, and the changes made in this run will not be kept.</source>
        <translation>%1. %2 démarre avec ses réglages par défaut, et les changements de cette session ne seront pas conservés.</translation>
    </message>
    <message>
        <source>%1. The changes made in this run will not be kept.</source>
        <translation>%1. Les changements de cette session ne seront pas conservés.</translation>
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
        <translation>Démarrer sur cet écran</translation>
    </message>
    <message>
        <source>Start on All Screens</source>
        <translation>Démarrer sur tous les écrans</translation>
    </message>
    <message>
        <source>Lock to Display Refresh</source>
        <translation>Caler sur le rafraîchissement de l’écran</translation>
    </message>
    <message>
        <source>Flash a Box</source>
        <translation>Faire clignoter un carré</translation>
    </message>
</context>
<context>
    <name>StepReadout</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1, step %2</source>
        <translation>%1, étape %2</translation>
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
        <translation>le calage sur le rafraîchissement n’a pas pu se connecter au serveur X</translation>
    </message>
    <message>
        <source>the X server offers no Present extension</source>
        <translation>le serveur X n’offre pas l’extension Present</translation>
    </message>
    <message>
        <source>the frame lock draws on true color screens only</source>
        <translation>le calage sur le rafraîchissement ne dessine que sur des écrans en couleurs vraies</translation>
    </message>
    <message>
        <source>the frame lock draws on screens of 24 or 30 bits a pixel, and this one has %1</source>
        <translation>le calage sur le rafraîchissement dessine sur des écrans de 24 ou 30 bits par pixel, et celui-ci en a %1</translation>
    </message>
    <message>
        <source>the X server gave no refresh count within a second</source>
        <translation>le serveur X n’a donné aucun compteur de rafraîchissements en une seconde</translation>
    </message>
    <message>
        <source>the frame lock lost its connection to the X server</source>
        <translation>le calage sur le rafraîchissement a perdu sa connexion au serveur X</translation>
    </message>
    <message>
        <source>the X server refused a request of the frame lock (%1)</source>
        <translation>le serveur X a refusé une requête du calage sur le rafraîchissement (%1)</translation>
    </message>
    <message>
        <source>the X server stopped telling when steps are shown</source>
        <translation>le serveur X ne dit plus quand les étapes sont montrées</translation>
    </message>
</context>
<context>
    <name>TimingChart</name>
    <message>
        <source>Screen %1</source>
        <translation>Écran %1</translation>
    </message>
    <message>
        <source>interval from the step before (ms) against the planned one</source>
        <translation>intervalle depuis l&apos;étape précédente (ms) face à celui prévu</translation>
    </message>
    <message>
        <source>step</source>
        <translation>étape</translation>
    </message>
    <message>
        <source>steps per interval</source>
        <translation>étapes par intervalle</translation>
    </message>
    <message>
        <source>steps: %1</source>
        <translation>étapes : %1</translation>
    </message>
    <message>
        <source>refresh rate: %1 Hz ± %2 (%3 samples)</source>
        <translation>fréquence de rafraîchissement : %1 Hz ± %2 (%3 mesures)</translation>
    </message>
    <message>
        <source>refresh rate: %1 Hz (%2 samples)</source>
        <translation>fréquence de rafraîchissement : %1 Hz (%2 mesures)</translation>
    </message>
    <message>
        <source>refresh rate: not measured, the log has no refresh counters</source>
        <translation>fréquence de rafraîchissement : non mesurée, le journal n&apos;a pas de compteurs de rafraîchissements</translation>
    </message>
    <message>
        <source>steps late: %1</source>
        <translation>étapes en retard : %1</translation>
    </message>
    <message>
        <source>refreshes missed: %1</source>
        <translation>rafraîchissements manqués : %1</translation>
    </message>
    <message>
        <source>steps skipped: %1</source>
        <translation>étapes sautées : %1</translation>
    </message>
    <message>
        <source>steps never reported: %1</source>
        <translation>étapes jamais signalées : %1</translation>
    </message>
    <message>
        <source>planned interval: the median, %1 ms</source>
        <translation>intervalle prévu : la médiane, %1 ms</translation>
    </message>
    <message>
        <source>deviation from the plan, 50th percentile: %1 ms</source>
        <translation>écart au plan, 50e centile : %1 ms</translation>
    </message>
    <message>
        <source>deviation from the plan, 99th percentile: %1 ms</source>
        <translation>écart au plan, 99e centile : %1 ms</translation>
    </message>
    <message>
        <source>largest deviation from the plan: %1 ms</source>
        <translation>plus grand écart au plan : %1 ms</translation>
    </message>
    <message>
        <source>The log holds no step.</source>
        <translation>Le journal ne contient aucune étape.</translation>
    </message>
</context>
<context>
    <name>TimingReportFile</name>
    <message>
        <source>%1 could not be drawn as PNG</source>
        <translation>%1 n&apos;a pas pu être dessiné en PNG</translation>
    </message>
    <message>
        <source>--from-log: %1</source>
        <translation>--from-log : %1</translation>
    </message>
    <message>
        <source>--from-log: %1 is no step log, line %2: %3</source>
        <translation>--from-log : %1 n&apos;est pas un journal des étapes, ligne %2 : %3</translation>
    </message>
    <message>
        <source>--report: %1</source>
        <translation>--report : %1</translation>
    </message>
</context>
<context>
    <name>PatchAddress</name>
    <message>
        <source>%1 is no http://HOST:PORT address</source>
        <translation>%1 n&apos;est pas une adresse http://HÔTE:PORT</translation>
    </message>
    <message>
        <source>%1 is to be the server alone, http://HOST:PORT</source>
        <translation>%1 doit être le serveur seul, http://HÔTE:PORT</translation>
    </message>
    <message>
        <source>%1 has no port from 1 to 65535</source>
        <translation>%1 n&apos;a pas de port de 1 à 65535</translation>
    </message>
    <message>
        <source>%1 is no host name</source>
        <translation>%1 n&apos;est pas un nom d&apos;hôte</translation>
    </message>
</context>
<context>
    <name>PatchWindow</name>
    <message>
        <source>%1; connecting again</source>
        <translation>%1 ; nouvelle tentative de connexion</translation>
    </message>
    <message>
        <source>Showing the patches of %1. Press ESCape key to leave. Type &apos;hide&apos; to hide this text.</source>
        <translation>Mires de %1. Touche Échap pour quitter. Tapez &apos;hide&apos; pour masquer ce texte.</translation>
    </message>
    <message>
        <source>Waiting for %1. Press ESCape key to leave. Type &apos;hide&apos; to hide this text.</source>
        <translation>En attente de %1. Touche Échap pour quitter. Tapez &apos;hide&apos; pour masquer ce texte.</translation>
    </message>
    <message>
        <source>the screen shows 8 bits a channel: 10-bit levels are rounded to the nearest 8-bit level</source>
        <translation>l&apos;écran montre 8 bits par canal : les niveaux de 10 bits sont arrondis au niveau 8 bits le plus proche</translation>
    </message>
    <message>
        <source>Warning: these patches change fast enough to flash more than three times a second, which can trigger seizures in people with photosensitive epilepsy</source>
        <translation>Attention : ces mires changent assez vite pour clignoter plus de trois fois par seconde, ce qui peut déclencher des crises chez les personnes atteintes d&apos;épilepsie photosensible</translation>
    </message>
</context>
<context>
    <name>ResolveLink</name>
    <message>
        <source>the server closed the connection in the middle of a message</source>
        <translation>le serveur a fermé la connexion au milieu d&apos;un message</translation>
    </message>
    <message>
        <source>the server stopped in the middle of a message</source>
        <translation>le serveur s&apos;est arrêté au milieu d&apos;un message</translation>
    </message>
</context>
<context>
    <name>ResolveMessage</name>
    <message>
        <source>&lt;%1&gt; has no %2</source>
        <translation>&lt;%1&gt; n&apos;a pas de %2</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2=&quot;%3&quot; is no number</source>
        <translation>&lt;%1&gt; %2=&quot;%3&quot; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>&lt;%1&gt; bits=&quot;%2&quot; is neither 8 nor 10</source>
        <translation>&lt;%1&gt; bits=&quot;%2&quot; ne vaut ni 8 ni 10</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2=&quot;%3&quot; is no whole level from 0 to %4</source>
        <translation>&lt;%1&gt; %2=&quot;%3&quot; n&apos;est pas un niveau entier de 0 à %4</translation>
    </message>
    <message>
        <source>&lt;geometry&gt; %1=&quot;%2&quot; is out of range</source>
        <translation>&lt;geometry&gt; %1=&quot;%2&quot; est hors limites</translation>
    </message>
    <message>
        <source>the message is &lt;%1&gt;, not &lt;calibration&gt;</source>
        <translation>le message est &lt;%1&gt;, pas &lt;calibration&gt;</translation>
    </message>
    <message>
        <source>the message has more than one &lt;color&gt;</source>
        <translation>le message a plus d&apos;un &lt;color&gt;</translation>
    </message>
    <message>
        <source>the message is no well-formed XML: %1</source>
        <translation>le message n&apos;est pas du XML bien formé : %1</translation>
    </message>
    <message>
        <source>the message has no &lt;color&gt;</source>
        <translation>le message n&apos;a pas de &lt;color&gt;</translation>
    </message>
    <message>
        <source>a message of %1 bytes announced, more than the %2 a patch may take</source>
        <translation>un message de %1 octets annoncé, plus que les %2 qu&apos;une mire peut prendre</translation>
    </message>
</context>
<context>
    <name>WebDisplayLink</name>
    <message>
        <source>the server stopped in the middle of its answer</source>
        <translation>le serveur s&apos;est arrêté au milieu de sa réponse</translation>
    </message>
</context>
<context>
    <name>WebDisplayReply</name>
    <message>
        <source>the answer runs past %1 bytes</source>
        <translation>la réponse dépasse %1 octets</translation>
    </message>
    <message>
        <source>the answer is no HTTP: it begins &quot;%1&quot;</source>
        <translation>la réponse n&apos;est pas du HTTP : elle commence par « %1 »</translation>
    </message>
    <message>
        <source>the server closed the connection in the middle of its answer</source>
        <translation>le serveur a fermé la connexion au milieu de sa réponse</translation>
    </message>
    <message>
        <source>the server answered &quot;%1&quot;</source>
        <translation>le serveur a répondu « %1 »</translation>
    </message>
    <message>
        <source>the answer &quot;%1&quot; is no #RRGGBB color</source>
        <translation>la réponse « %1 » n&apos;est pas une couleur #RRGGBB</translation>
    </message>
</context>
<context>
    <name>StepPresenter</name>
    <message>
        <source>the frame lock holds no box drawn as an overlay</source>
        <translation>le calage sur le rafraîchissement ne tient aucun carré dessiné en surimpression</translation>
    </message>
</context>
</TS>
