<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tarnix::CAssociateDlg</name>
    <message>
        <source>Assign...</source>
        <translation>Zuordnen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Zuordnen</translation>
    </message>
    <message>
        <source>Teams, their strips and assigned jerseys</source>
        <translation>Mannschaften, ihre Trikots und zugeordnete Trikotdateien</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Liga</translation>
    </message>
    <message>
        <source>Jersey File</source>
        <translation>Trikotdatei</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Heim</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Auswärts</translation>
    </message>
</context>
<context>
    <name>tarnix::CColourGridWnd</name>
    <message>
        <source>Kit colours</source>
        <translation>Vereinsfarben</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Dunkelgold</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Helllila</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Dunkellila</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>tarnix::CColourPicker</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tarnix::CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es
an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Der Speicher reichte nicht aus, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
gerade bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
kein Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL-Bibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Der Link kann nicht geöffnet werden:

</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageOne</name>
    <message>
        <source>Tarnix, FIFA99 jersey editor</source>
        <translation>Tarnix, Trikot-Editor für FIFA99</translation>
    </message>
    <message>
        <source>Front of the chosen jersey in its kit colours</source>
        <translation>Vorderseite des gewählten Trikots in seinen Vereinsfarben</translation>
    </message>
    <message>
        <source>FIFA99 folder</source>
        <translation>FIFA99-Ordner</translation>
    </message>
    <message>
        <source>Teams that wear this jersey</source>
        <translation>Mannschaften, die dieses Trikot tragen</translation>
    </message>
    <message>
        <source>Jersey label</source>
        <translation>Trikotname</translation>
    </message>
    <message>
        <source>FIFA99 Folder...</source>
        <translation>FIFA99-Ordner...</translation>
    </message>
    <message>
        <source>This jersey is used by these teams:</source>
        <translation>Dieses Trikot tragen diese Mannschaften:</translation>
    </message>
    <message>
        <source>&amp;Select a Jersey (FSH) file to edit:</source>
        <translation>&amp;Trikotdatei (FSH) zum Bearbeiten wählen:</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>Zuordnen...</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH);;All Files (*)</source>
        <translation>Trikotdateien (*.FSH);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Please select a jersey FSH file to edit.</source>
        <translation>Bitte wählen Sie eine Trikotdatei (FSH) zum Bearbeiten.</translation>
    </message>
    <message>
        <source>%1 does not exist or is not a jersey file.

%2</source>
        <translation>%1 existiert nicht oder ist keine Trikotdatei.

%2</translation>
    </message>
    <message>
        <source>The preview of %1 cannot be shown: %2</source>
        <translation>Die Vorschau von %1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>FIFA99-Verzeichnis wählen</translation>
    </message>
    <message>
        <source>The clubs of %1 cannot be listed:

%2</source>
        <translation>Die Vereine von %1 können nicht aufgelistet werden:

%2</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Heim</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Auswärts</translation>
    </message>
    <message>
        <source>FIFA99 jersey editor</source>
        <translation>Trikot-Editor für FIFA99</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageThree</name>
    <message>
        <source>Jersey 1st colour</source>
        <translation>Trikot, 1. Farbe</translation>
    </message>
    <message>
        <source>Jersey 2nd colour</source>
        <translation>Trikot, 2. Farbe</translation>
    </message>
    <message>
        <source>Jersey 3rd colour</source>
        <translation>Trikot, 3. Farbe</translation>
    </message>
    <message>
        <source>Shorts 1st colour</source>
        <translation>Hose, 1. Farbe</translation>
    </message>
    <message>
        <source>Shorts 2nd colour</source>
        <translation>Hose, 2. Farbe</translation>
    </message>
    <message>
        <source>Socks 1st colour</source>
        <translation>Stutzen, 1. Farbe</translation>
    </message>
    <message>
        <source>Socks 2nd colour</source>
        <translation>Stutzen, 2. Farbe</translation>
    </message>
    <message>
        <source>Front of the jersey in the chosen kit colours</source>
        <translation>Vorderseite des Trikots in den gewählten Vereinsfarben</translation>
    </message>
    <message>
        <source>Back of the jersey in the chosen kit colours</source>
        <translation>Rückseite des Trikots in den gewählten Vereinsfarben</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>User guide: designing a jersey, from the first page to the game</source>
        <translation>Benutzerhandbuch: ein Trikot gestalten, von der ersten Seite bis ins Spiel</translation>
    </message>
    <message>
        <source>User guide: how the kit colours and the shades of a jersey work</source>
        <translation>Benutzerhandbuch: wie die Vereinsfarben und Schattierungen eines Trikots funktionieren</translation>
    </message>
    <message>
        <source>Some colours cannot be used as they stand: point here to see why.</source>
        <translation>Einige Farben sind so nicht verwendbar: Zeigen Sie hierauf, um den Grund zu sehen.</translation>
    </message>
    <message>
        <source>Mardek thumbnail:</source>
        <translation>Mardek-Vorschaubild:</translation>
    </message>
    <message>
        <source>none (no folder chosen)</source>
        <translation>keines (kein Ordner)</translation>
    </message>
    <message>
        <source>none (start with /jN)</source>
        <translation>keines (mit /jN starten)</translation>
    </message>
    <message>
        <source>Started as &quot;tarnix /jN&quot; (N from 1 to 64), Tarnix writes the thumbnail of jersey N into Mardek&apos;s Jerseys folder after each save.</source>
        <translation>Mit „tarnix /jN“ gestartet (N von 1 bis 64), schreibt Tarnix nach jedem Speichern das Vorschaubild von Trikot N in Mardeks Ordner Jerseys.</translation>
    </message>
    <message>
        <source>Choose Mardek&apos;s folder with &quot;Mardek Folder...&quot; to write the thumbnail of jersey %1 after each save.</source>
        <translation>Wählen Sie Mardeks Ordner mit „Mardek-Ordner...“, damit nach jedem Speichern das Vorschaubild von Trikot %1 geschrieben wird.</translation>
    </message>
    <message>
        <source>The thumbnail jersey number %1 is outside 1 to 64.

Jerseys will be saved without a thumbnail for Mardek.</source>
        <translation>Die Trikotnummer %1 für das Vorschaubild liegt nicht zwischen 1 und 64.

Trikots werden ohne Vorschaubild für Mardek gespeichert.</translation>
    </message>
    <message>
        <source>A thumbnail for jersey number %1 was asked for, but Mardek&apos;s folder is not set.

Choose it with &quot;Mardek Folder...&quot; on the colours page; until then jerseys are saved without a thumbnail for Mardek.</source>
        <translation>Ein Vorschaubild für Trikot Nummer %1 wurde verlangt, aber Mardeks Ordner ist nicht festgelegt.

Wählen Sie ihn mit „Mardek-Ordner...“ auf der Farbenseite; bis dahin werden Trikots ohne Vorschaubild für Mardek gespeichert.</translation>
    </message>
    <message>
        <source>Where Mardek is installed: thumbnails go into its Jerseys folder</source>
        <translation>Wo Mardek installiert ist: Vorschaubilder kommen in seinen Ordner Jerseys</translation>
    </message>
    <message>
        <source>Select Mardek directory</source>
        <translation>Mardek-Verzeichnis wählen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The designs cannot be previewed or saved as they stand:

%1</source>
        <translation>Die Designs können so weder angezeigt noch gespeichert werden:

%1</translation>
    </message>
    <message>
        <source>1 pixel in a colour the jersey does not have was mapped to the nearest jersey colour.</source>
        <translation>1 Pixel in einer Farbe, die das Trikot nicht hat, wurde der nächstliegenden Trikotfarbe zugeordnet.</translation>
    </message>
    <message>
        <source>%1 pixels in colours the jersey does not have were mapped to the nearest jersey colour.</source>
        <translation>%1 Pixel in Farben, die das Trikot nicht hat, wurden der nächstliegenden Trikotfarbe zugeordnet.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Generate a jersey thumbnail file for Mardek</source>
        <translation>Vorschaubild des Trikots für Mardek erzeugen</translation>
    </message>
    <message>
        <source>Mardek Folder...</source>
        <translation>Mardek-Ordner...</translation>
    </message>
    <message>
        <source>Mardek thumbnail:
none (no folder chosen)</source>
        <extracomment>The heading and the longer of the two &quot;none (...)&quot; notes, as they are translated, one on each line.</extracomment>
        <translation>Mardek-Vorschaubild:
keines (mit /jN starten)</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>The user guide walks through designing a jersey, from the first page to the game:</source>
        <translation>Das Benutzerhandbuch führt durch die Gestaltung eines Trikots, von der ersten Seite bis ins Spiel:</translation>
    </message>
    <message>
        <source>How the kit colours and the shades of a jersey work, and how to paint with them:</source>
        <translation>Wie Vereinsfarben und Schattierungen funktionieren und wie man mit ihnen malt:</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Jersey Colours</source>
        <translation>Trikotfarben</translation>
    </message>
    <message>
        <source>Shorts Colours</source>
        <translation>Hosenfarben</translation>
    </message>
    <message>
        <source>Socks Colours</source>
        <translation>Stutzenfarben</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH *.fsh);;All Files (*)</source>
        <translation>Trikotdateien (*.FSH *.fsh);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The jersey cannot be saved, because the designs cannot be used as they stand:

%1</source>
        <translation>Das Trikot kann nicht gespeichert werden, weil die Designs so nicht verwendbar sind:

%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei überschreiben?</translation>
    </message>
    <message>
        <source>The jersey could not be saved, because its colours and label could not be read when it was chosen:

%1

Please choose it again.</source>
        <translation>Das Trikot konnte nicht gespeichert werden, weil seine Farben und seine Bezeichnung beim Auswählen nicht gelesen werden konnten:

%1

Bitte wählen Sie es erneut.</translation>
    </message>
    <message>
        <source>The jersey could not be saved:

%1</source>
        <translation>Das Trikot konnte nicht gespeichert werden:

%1</translation>
    </message>
    <message>
        <source>Please select a jersey number to save the thumbnail to.</source>
        <translation>Bitte wählen Sie die Trikotnummer, unter der das Vorschaubild gespeichert wird.</translation>
    </message>
    <message>
        <source>The jersey has been saved, but the thumbnail for Mardek could not be written:

%1</source>
        <translation>Das Trikot wurde gespeichert, aber das Vorschaubild für Mardek konnte nicht geschrieben werden:

%1</translation>
    </message>
    <message>
        <source>
(the file it replaced is kept as %1)</source>
        <translation>
(die ersetzte Datei ist als %1 aufbewahrt)</translation>
    </message>
    <message>
        <source>Jersey has been saved%1
Would you like to edit another jersey?</source>
        <translation>Das Trikot wurde gespeichert%1
Möchten Sie ein weiteres Trikot bearbeiten?</translation>
    </message>
    <message>
        <source>USER GUIDE</source>
        <translation>HANDBUCH</translation>
    </message>
    <message>
        <source>editing a jersey, step by step</source>
        <translation>Schritt für Schritt zum Trikot</translation>
    </message>
    <message>
        <source>KIT COLOURS</source>
        <translation>VEREINSFARBEN</translation>
    </message>
    <message>
        <source>how colours and shades work</source>
        <translation>Farben und Schattierungen</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageTwo</name>
    <message>
        <source>Bitmap editor</source>
        <translation>Bildbearbeitung</translation>
    </message>
    <message>
        <source>Front design, as your editor last saved it</source>
        <translation>Design der Vorderseite, wie Ihr Programm es zuletzt gespeichert hat</translation>
    </message>
    <message>
        <source>Back design, as your editor last saved it</source>
        <translation>Design der Rückseite, wie Ihr Programm es zuletzt gespeichert hat</translation>
    </message>
    <message>
        <source>Long sleeve design, as your editor last saved it</source>
        <translation>Design des langen Ärmels, wie Ihr Programm es zuletzt gespeichert hat</translation>
    </message>
    <message>
        <source>Short sleeve design, as your editor last saved it</source>
        <translation>Design des kurzen Ärmels, wie Ihr Programm es zuletzt gespeichert hat</translation>
    </message>
    <message>
        <source>Front of the shirt in the kit colours, from your designs</source>
        <translation>Vorderseite des Trikots in den Vereinsfarben, aus Ihren Designs</translation>
    </message>
    <message>
        <source>Back of the shirt in the kit colours, from your designs</source>
        <translation>Rückseite des Trikots in den Vereinsfarben, aus Ihren Designs</translation>
    </message>
    <message>
        <source>Use your favourite bitmap editor to design the jersey. Use colour index 47 for the primary colour, 63 for the secondary and 79 for the tertiary.</source>
        <translation>Gestalten Sie das Trikot mit Ihrem Bildbearbeitungsprogramm. Verwenden Sie Farbindex 47 für die Haupt-, 63 für die Zweit- und 79 für die Drittfarbe.</translation>
    </message>
    <message>
        <source>Paint each part as it looks, in these kit colours. Soft edges and lighter or darker paint keep their kit colour in every club&apos;s colours.</source>
        <translation>Malen Sie jedes Teil, wie es aussieht, in diesen Farben. Weiche Kanten und hellere oder dunklere Töne behalten ihre Farbe in jedem Verein.</translation>
    </message>
    <message>
        <source>Your favourite bitmap editor path:</source>
        <translation>Pfad Ihres Bildbearbeitungsprogramms:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Paint the whole shirt as it looks</source>
        <translation>Das ganze Trikot malen, wie es aussieht</translation>
    </message>
    <message>
        <source>Paint colour groups and shading apart</source>
        <translation>Farbgruppen und Schattierung getrennt malen</translation>
    </message>
    <message>
        <source>Front...</source>
        <translation>Vorne...</translation>
    </message>
    <message>
        <source>Back...</source>
        <translation>Hinten...</translation>
    </message>
    <message>
        <source>Long Sleeve...</source>
        <translation>Langarm...</translation>
    </message>
    <message>
        <source>Short Sleeve...</source>
        <translation>Kurzarm...</translation>
    </message>
    <message>
        <source>Edit Shade...</source>
        <translation>Schattierung...</translation>
    </message>
    <message>
        <source>Save palette...</source>
        <translation>Palette sichern...</translation>
    </message>
    <message>
        <source>In the kit colours</source>
        <translation>In den Vereinsfarben</translation>
    </message>
    <message>
        <source>Map other colours to the nearest jersey colour</source>
        <translation>Andere Farben der nächstliegenden Trikotfarbe zuordnen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>**** Don&apos;t forget to save the designs before returning to Tarnix.</source>
        <translation>**** Speichern Sie die Designs, bevor Sie zu Tarnix zurückkehren.</translation>
    </message>
    <message>
        <source>Colours an editor brought in that the jersey does not have (from smoothing, or a colour picked by eye) become the nearest colour the part can use, instead of stopping the save</source>
        <translation>Farben, die ein Programm eingebracht hat und die das Trikot nicht hat (durch Glätten oder eine nach Augenmaß gewählte Farbe), werden zur nächstliegenden Farbe, die das Teil verwenden kann, statt das Speichern anzuhalten</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts could not be prepared for your bitmap editor:

%1</source>
        <translation>Die Teile des Trikots konnten nicht für Ihr Bildbearbeitungsprogramm vorbereitet werden:

%1</translation>
    </message>
    <message>
        <source>What you painted cannot be carried over to the other way of painting:

%1

Change it in your editor, or let other colours be mapped to the nearest jersey colour, and try again.</source>
        <translation>Was Sie gemalt haben, lässt sich nicht in die andere Malweise übernehmen:

%1

Ändern Sie es in Ihrem Programm oder lassen Sie andere Farben der nächstliegenden Trikotfarbe zuordnen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The pictures cannot be used as they stand:

%1</source>
        <translation>Die Bilder sind so nicht verwendbar:

%1</translation>
    </message>
    <message>
        <source>The designs cannot be used as they stand:

%1</source>
        <translation>Die Designs sind so nicht verwendbar:

%1</translation>
    </message>
    <message>
        <source>

Repaint those pixels with the jersey&apos;s colours, or tick &quot;%1&quot; on this page.</source>
        <translation>

Übermalen Sie diese Pixel mit den Farben des Trikots oder kreuzen Sie auf dieser Seite „%1“ an.</translation>
    </message>
    <message>
        <source>Please select your favourite bitmap editor.</source>
        <translation>Bitte wählen Sie Ihr Bildbearbeitungsprogramm.</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is nothing to open in the bitmap editor.</source>
        <translation>Die Teile des Trikots wurden nicht vorbereitet, daher gibt es nichts im Bildbearbeitungsprogramm zu öffnen.</translation>
    </message>
    <message>
        <source>Error starting bitmap editor, please make sure the path is correct

Tried: %1</source>
        <translation>Fehler beim Starten des Bildbearbeitungsprogramms, bitte prüfen Sie den Pfad

Versucht: %1</translation>
    </message>
    <message>
        <source>Other program...</source>
        <translation>Anderes Programm...</translation>
    </message>
    <message>
        <source>Executable Files (*.EXE *.exe);;All Files (*)</source>
        <translation>Programme (*.EXE *.exe);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All Files (*);;Executable Files (*.EXE *.exe)</source>
        <translation>Alle Dateien (*);;Programme (*.EXE *.exe)</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is no palette to save.</source>
        <translation>Die Teile des Trikots wurden nicht vorbereitet, daher gibt es keine Palette zu speichern.</translation>
    </message>
    <message>
        <source>Save palette</source>
        <translation>Palette speichern</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl);;All Files (*)</source>
        <translation>GIMP-Palette (*.gpl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei überschreiben?</translation>
    </message>
    <message>
        <source>The palette could not be saved:

%1</source>
        <translation>Die Palette konnte nicht gespeichert werden:

%1</translation>
    </message>
</context>
<context>
    <name>tarnix::CTarnixApp</name>
    <message>
        <source>Cannot locate FIFA99 directory in the Registry. Do you want to select it yourself?</source>
        <translation>Das FIFA99-Verzeichnis wurde in der Registry nicht gefunden. Möchten Sie es selbst auswählen?</translation>
    </message>
    <message>
        <source>Cannot locate FIFA99 directory in the registry of the Wine prefix %1. Do you want to select it yourself?</source>
        <translation>Das FIFA99-Verzeichnis wurde in der Registry des Wine-Präfixes %1 nicht gefunden. Möchten Sie es selbst auswählen?</translation>
    </message>
    <message>
        <source>Tarnix ran out of memory, so the last step was not finished and nothing was written. Close other programs and try again.</source>
        <translation>Tarnix hat keinen Speicher mehr, daher wurde der letzte Schritt nicht beendet und nichts geschrieben. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Tarnix BETA - user guide</source>
        <translation>Tarnix BETA - Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Tarnix found unsaved designs of %1 from %2. Continue editing them?</source>
        <translation>Tarnix hat ungespeicherte Designs von %1 vom %2 gefunden. Möchten Sie sie weiter bearbeiten?</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>FIFA99-Verzeichnis wählen</translation>
    </message>
</context>
<context>
    <name>tarnix::CoreMessage</name>
    <message>
        <source>%1 is not a jersey file: it has no entry %2</source>
        <translation>%1 ist keine Trikotdatei: Ihr fehlt der Eintrag %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>it exists and is not a file</source>
        <translation>es existiert und ist keine Datei</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1 is a device or pipe, not a file</source>
        <translation>%1 ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>%1 is too large to be a game file (%2 bytes; files of at most %3 MiB are read)</source>
        <translation>%1 ist zu groß für eine Spieldatei (%2 Bytes; Dateien bis %3 MiB werden gelesen)</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1</source>
        <translation>in %1 kann keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>no game folder is set</source>
        <translation>es ist kein Spielordner festgelegt</translation>
    </message>
    <message>
        <source>cannot read the team database</source>
        <translation>die Mannschaftsdatenbank kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read the team names</source>
        <translation>die Mannschaftsnamen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>Please specify a file to save to.</source>
        <translation>Bitte geben Sie eine Datei zum Speichern an.</translation>
    </message>
    <message>
        <source>The label %1 holds characters that a jersey file cannot store: it holds only Western European characters (Windows-%2). Please change the label.</source>
        <translation>Der Name %1 enthält Zeichen, die eine Trikotdatei nicht speichern kann: Sie speichert nur westeuropäische Zeichen (Windows-%2). Bitte ändern Sie den Namen.</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3)); paint them with a jersey colour and save without transparency</source>
        <translation>%1 hat transparente Pixel (der erste bei (%2, %3)); malen Sie sie mit einer Trikotfarbe aus und speichern Sie ohne Transparenz</translation>
    </message>
    <message>
        <source>%1 is a %2-bit bitmap; save it as an %3-bit (%4-colour) or %5-bit BMP, or as PNG</source>
        <translation>%1 ist ein %2-Bit-Bild; speichern Sie es als %3-Bit- (%4 Farben) oder %5-Bit-BMP oder als PNG</translation>
    </message>
    <message>
        <source>the jersey&apos;s parts have not been prepared for the bitmap editor (see the design page)</source>
        <translation>die Teile des Trikots wurden nicht für das Bildbearbeitungsprogramm vorbereitet (siehe die Design-Seite)</translation>
    </message>
    <message>
        <source>the jersey&apos;s pictures have not been prepared for the bitmap editor (see the design page)</source>
        <translation>die Bilder des Trikots wurden nicht für das Bildbearbeitungsprogramm vorbereitet (siehe die Design-Seite)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Nur lesbares Dateisystem</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1</source>
        <translation>die Berechtigungen von %1 können nicht gesetzt werden</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file</source>
        <translation>%1 ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file</source>
        <translation>%1 ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>%1 is a device, not a file</source>
        <translation>%1 ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>cannot find the temporary folder</source>
        <translation>der Ordner für temporäre Dateien wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be flushed to the disk, so the change may not survive a crash</source>
        <translation>%1 wurde geschrieben, aber sein Ordner konnte nicht auf den Datenträger geschrieben werden; die Änderung übersteht einen Absturz daher vielleicht nicht</translation>
    </message>
    <message>
        <source>no file name given to write to</source>
        <translation>kein Dateiname zum Schreiben angegeben</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Permission denied (is it open in another program?)</source>
        <translation>Keine Berechtigung (ist die Datei in einem anderen Programm geöffnet?)</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Festplattenkontingent überschritten</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Die Operation ist nicht erlaubt</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>cannot keep a backup of %1 before replacing it, so nothing was saved</source>
        <translation>von %1 kann vor dem Ersetzen keine Sicherungskopie angelegt werden, daher wurde nichts gespeichert</translation>
    </message>
    <message>
        <source>cannot find the folder for backups</source>
        <translation>der Ordner für Sicherungskopien wurde nicht gefunden</translation>
    </message>
    <message>
        <source>LOCALAPPDATA is not set</source>
        <translation>LOCALAPPDATA ist nicht gesetzt</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>weder XDG_DATA_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 has no entry %2</source>
        <translation>%1 enthält keinen Eintrag %2</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3</source>
        <translation>%1 enthält keinen Eintrag %2 oder %3</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory runs past the end of the file)</source>
        <translation>%1 enthält keinen Eintrag %2 (sein Verzeichnis reicht über das Dateiende hinaus)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory runs past the end of the file)</source>
        <translation>%1 enthält keinen Eintrag %2 oder %3 (sein Verzeichnis reicht über das Dateiende hinaus)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory lists %3 records, but only %4 lie before the entries&apos; data)</source>
        <translation>%1 enthält keinen Eintrag %2 (sein Verzeichnis nennt %3 Einträge, aber nur %4 liegen vor den Daten der Einträge)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory lists %4 records, but only %5 lie before the entries&apos; data)</source>
        <translation>%1 enthält keinen Eintrag %2 oder %3 (sein Verzeichnis nennt %4 Einträge, aber nur %5 liegen vor den Daten der Einträge)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 overlaps the archive&apos;s header</source>
        <translation>der Eintrag %1 von %2 an Position %3 überlappt den Kopf des Archivs</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 runs past the end of the file (%4 bytes)</source>
        <translation>der Eintrag %1 von %2 an Position %3 reicht über das Dateiende hinaus (%4 Bytes)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 lies behind the archive&apos;s total size (%4); the header is damaged</source>
        <translation>der Eintrag %1 von %2 an Position %3 liegt hinter der Gesamtgröße des Archivs (%4); der Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>the total size in the header of %1 (%2) does not fit its length (%3 bytes)</source>
        <translation>die Gesamtgröße im Kopf von %1 (%2) passt nicht zu seiner Länge (%3 Bytes)</translation>
    </message>
    <message>
        <source>no thumbnail written</source>
        <translation>kein Vorschaubild geschrieben</translation>
    </message>
    <message>
        <source>The file name %1 ends in a space or a dot, which Windows drops from file names. Please remove it.</source>
        <translation>Der Dateiname %1 endet mit einem Leerzeichen oder Punkt, den Windows aus Dateinamen entfernt. Bitte entfernen Sie ihn.</translation>
    </message>
    <message>
        <source>kit colour %1 is not one of the %2 named colours</source>
        <translation>die Vereinsfarbe %1 ist keine der %2 benannten Farben</translation>
    </message>
    <message>
        <source>the composed %1 is %2 x %3 pixels instead of %4 x %5</source>
        <translation>die zusammengesetzte Bitmap (%1) ist %2 x %3 Pixel groß statt %4 x %5</translation>
    </message>
    <message>
        <source>the composed %1 bitmap</source>
        <translation>die zusammengesetzte Bitmap (%1)</translation>
    </message>
    <message>
        <source>%1 is not a BMP bitmap</source>
        <translation>%1 ist keine BMP-Bitmap</translation>
    </message>
    <message>
        <source>%1 is truncated inside its header (%2 bytes)</source>
        <translation>%1 ist innerhalb seines Kopfes abgeschnitten (%2 Bytes)</translation>
    </message>
    <message>
        <source>%1 is truncated inside its OS/%2 header</source>
        <translation>%1 ist innerhalb seines OS/%2-Kopfes abgeschnitten</translation>
    </message>
    <message>
        <source>%1 has an unsupported or truncated bitmap header (%2 bytes); save it as a Windows BMP or as PNG</source>
        <translation>%1 hat einen nicht unterstützten oder abgeschnittenen Bitmap-Kopf (%2 Bytes); speichern Sie es als Windows-BMP oder als PNG</translation>
    </message>
    <message>
        <source>%1 is an OS/%2 bitmap with Huffman compression; save it as a plain BMP or as PNG</source>
        <translation>%1 ist eine OS/%2-Bitmap mit Huffman-Kompression; speichern Sie es als einfaches BMP oder als PNG</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour masks</source>
        <translation>%1 ist innerhalb seiner Farbmasken abgeschnitten</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed at %2 bits; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 ist RLE-komprimiert mit %2 Bit; speichern Sie es als unkomprimiertes BMP oder als PNG</translation>
    </message>
    <message>
        <source>%1 is a JPEG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 ist ein in ein BMP verpacktes JPEG-Bild; speichern Sie es als unkomprimiertes BMP oder als PNG</translation>
    </message>
    <message>
        <source>%1 is a PNG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 ist ein in ein BMP verpacktes PNG-Bild; speichern Sie es als unkomprimiertes BMP oder als PNG</translation>
    </message>
    <message>
        <source>%1 is compressed in a way BMP readers rarely know (compression %2); save it as an uncompressed BMP or as PNG</source>
        <translation>%1 ist auf eine Weise komprimiert, die BMP-Leser selten kennen (Kompression %2); speichern Sie es als unkomprimiertes BMP oder als PNG</translation>
    </message>
    <message>
        <source>%1 has an unusable size of %2 x %3 pixels</source>
        <translation>%1 hat eine unbrauchbare Größe von %2 x %3 Pixeln</translation>
    </message>
    <message>
        <source>%1 declares %2 colours; an indexed bitmap has at most %3</source>
        <translation>%1 gibt %2 Farben an; eine indizierte Bitmap hat höchstens %3</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour table</source>
        <translation>%1 ist innerhalb seiner Farbtabelle abgeschnitten</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends after %2 of its %3 rows</source>
        <translation>%1 ist RLE-komprimiert, und seine Daten enden nach %2 von %3 Zeilen</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside a jump</source>
        <translation>%1 ist RLE-komprimiert, und seine Daten enden innerhalb eines Sprungs</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside row %2</source>
        <translation>%1 ist RLE-komprimiert, und seine Daten enden innerhalb von Zeile %2</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its %2 bytes of data cannot hold %3 x %4 pixels</source>
        <translation>%1 ist RLE-komprimiert, und seine %2 Bytes Daten können keine %3 x %4 Pixel enthalten</translation>
    </message>
    <message>
        <source>%1 has colour masks with gaps; save it as a plain %2-bit BMP or as PNG</source>
        <translation>%1 hat Farbmasken mit Lücken; speichern Sie es als einfaches %2-Bit-BMP oder als PNG</translation>
    </message>
    <message>
        <source>%1 is truncated: its %2 rows of %3 %4-bit pixels do not fit in its %5 bytes</source>
        <translation>%1 ist abgeschnitten: Seine %2 Zeilen zu %3 Pixeln mit %4 Bit passen nicht in seine %5 Bytes</translation>
    </message>
    <message>
        <source>%1 has more than %2 colours</source>
        <translation>%1 hat mehr als %2 Farben</translation>
    </message>
    <message>
        <source>%1 is neither a BMP nor a PNG picture; save it as BMP or PNG</source>
        <translation>%1 ist weder ein BMP- noch ein PNG-Bild; speichern Sie es als BMP oder PNG</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (%2)</source>
        <translation>%1 ist ein beschädigtes PNG (%2)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (no IHDR chunk where the header belongs)</source>
        <translation>%1 ist ein beschädigtes PNG (kein IHDR-Block, wo der Kopf hingehört)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image width %2 in IHDR, not %3 to %4)</source>
        <translation>%1 ist ein beschädigtes PNG (Bildbreite %2 in IHDR, nicht %3 bis %4)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image height %2 in IHDR, not %3 to %4)</source>
        <translation>%1 ist ein beschädigtes PNG (Bildhöhe %2 in IHDR, nicht %3 bis %4)</translation>
    </message>
    <message>
        <source>%1 is too short (%2 bytes) for its %3 x %4 pixels</source>
        <translation>%1 ist zu kurz (%2 Bytes) für seine %3 x %4 Pixel</translation>
    </message>
    <message>
        <source>%1 is too large (%2 bytes) for a picture</source>
        <translation>%1 ist zu groß (%2 Bytes) für ein Bild</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3), alpha %4); paint them with a jersey colour and save without transparency</source>
        <translation>%1 hat transparente Pixel (der erste bei (%2, %3), Alpha %4); malen Sie sie mit einer Trikotfarbe aus und speichern Sie ohne Transparenz</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; it must stay %4 x %5</source>
        <translation>%1 ist %2 x %3 Pixel groß; die Größe muss %4 x %5 bleiben</translation>
    </message>
    <message>
        <source>%1 uses colour index %2, but its colour table has only %3 colours</source>
        <translation>%1 verwendet den Farbindex %2, doch die Farbtabelle hat nur %3 Farben</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 hat %2 Pixel in einer Farbe, mit der die Bitmap nicht exportiert wurde (der erste bei (%3, %4), %5); malen Sie nur mit den Farben der Bitmap (der Trikotpalette), oder lassen Sie andere Farben der nächsten Trikotfarbe zuordnen</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 hat %2 Pixel in Farben, mit denen die Bitmap nicht exportiert wurde (der erste bei (%3, %4), %5); malen Sie nur mit den Farben der Bitmap (der Trikotpalette), oder lassen Sie andere Farben der nächsten Trikotfarbe zuordnen</translation>
    </message>
    <message>
        <source>%1 no longer share their exported colour table; without the colour tables they were exported with their colours cannot be mapped back</source>
        <translation>%1 teilen nicht mehr ihre exportierte Farbtabelle; ohne die Farbtabellen, mit denen sie exportiert wurden, lassen sich ihre Farben nicht zurückführen</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 hat %2 Pixel in einer Farbe, die weit von jeder Farbe des Teils entfernt ist (der erste bei (%3, %4), %5); die nächsten Vereinsfarben: %6 (wählen Sie eine davon als Vereinsfarbe), oder lassen Sie solche Farben dem nächsten Farbton zuordnen</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 hat %2 Pixel in Farben, die weit von jeder Farbe des Teils entfernt sind (der erste bei (%3, %4), %5); die nächsten Vereinsfarben: %6 (wählen Sie eine davon als Vereinsfarbe), oder lassen Sie solche Farben dem nächsten Farbton zuordnen</translation>
    </message>
    <message>
        <source>the record of what was exported has no %1 picture; export the pictures again</source>
        <translation>die Aufzeichnung des Exports enthält kein Bild (%1); exportieren Sie die Bilder erneut</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>%1 kann nicht als PNG kodiert werden</translation>
    </message>
    <message>
        <source>%1 changed pixels</source>
        <translation>%1 geänderte Pixel</translation>
    </message>
    <message>
        <source>%1 in colours the kit shows (%2)</source>
        <translation>%1 in Farben, die das Trikot zeigt (%2)</translation>
    </message>
    <message>
        <source>%1 edge or shading pixels to %2</source>
        <translation>%1 Kanten- oder Schattierungspixel zu %2</translation>
    </message>
    <message>
        <source>%1 far colours to the nearest kit shade, %2</source>
        <translation>%1 ferne Farben zum nächsten Farbton, %2</translation>
    </message>
    <message>
        <source>%1 (group %2) %3</source>
        <translation>%1 (Gruppe %2) %3</translation>
    </message>
    <message>
        <source>the badge ramp (group %1) %2</source>
        <translation>die Wappen-Abstufung (Gruppe %1) %2</translation>
    </message>
    <message>
        <source>fixed group %1 %2</source>
        <translation>feste Gruppe %1 %2</translation>
    </message>
    <message>
        <source>the record of the exported pictures is damaged at line %1</source>
        <translation>die Aufzeichnung der exportierten Bilder ist in Zeile %1 beschädigt</translation>
    </message>
    <message>
        <source>it does not start with %1</source>
        <translation>sie beginnt nicht mit %1</translation>
    </message>
    <message>
        <source>expected %1 and seven kit colours</source>
        <translation>erwartet: %1 und sieben Vereinsfarben</translation>
    </message>
    <message>
        <source>kit colour %1 is not a number from -%2 to %3</source>
        <translation>die Vereinsfarbe %1 ist keine Zahl von -%2 bis %3</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>erwartet: %1</translation>
    </message>
    <message>
        <source>expected sixteen colours RRGGBB</source>
        <translation>erwartet: sechzehn Farben RRGGBB</translation>
    </message>
    <message>
        <source>expected a row of %1 indices in hex</source>
        <translation>erwartet: eine Zeile aus %1 Indizes in Hexadezimal</translation>
    </message>
    <message>
        <source>unexpected text after the short sleeve</source>
        <translation>unerwarteter Text nach dem kurzen Ärmel</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to be a team database (%1 bytes)</source>
        <translation>FCDB.DBI ist zu kurz für eine Mannschaftsdatenbank (%1 Bytes)</translation>
    </message>
    <message>
        <source>FCDB.DBI is not a team database: its records are %1 bytes long, fewer than the %2 every record holds</source>
        <translation>FCDB.DBI ist keine Mannschaftsdatenbank: Ihre Datensätze sind %1 Bytes lang, weniger als die %2, die jeder Datensatz enthält</translation>
    </message>
    <message>
        <source>FCDB_ENG.DBI has no name for record %1 of %2</source>
        <translation>FCDB_ENG.DBI hat keinen Namen für Datensatz %1 von %2</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside record %1 of %2 (offset %3, %4 bytes each)</source>
        <translation>FCDB.DBI endet innerhalb von Datensatz %1 von %2 (Position %3, je %4 Bytes)</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to hold its league sections</source>
        <translation>FCDB.DBI ist zu kurz für seine Ligaabschnitte</translation>
    </message>
    <message>
        <source>FCDB.DBI ends before league section %1</source>
        <translation>FCDB.DBI endet vor Ligaabschnitt %1</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside league section %1</source>
        <translation>FCDB.DBI endet innerhalb von Ligaabschnitt %1</translation>
    </message>
    <message>
        <source>front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>long sleeve</source>
        <translation>langer Ärmel</translation>
    </message>
    <message>
        <source>short sleeve</source>
        <translation>kurzer Ärmel</translation>
    </message>
    <message>
        <source>the front design bitmap</source>
        <translation>die Design-Bitmap der Vorderseite</translation>
    </message>
    <message>
        <source>the back design bitmap</source>
        <translation>die Design-Bitmap der Rückseite</translation>
    </message>
    <message>
        <source>the long sleeve design bitmap</source>
        <translation>die Design-Bitmap des langen Ärmels</translation>
    </message>
    <message>
        <source>the short sleeve design bitmap</source>
        <translation>die Design-Bitmap des kurzen Ärmels</translation>
    </message>
    <message>
        <source>the front shade bitmap</source>
        <translation>die Schattierungs-Bitmap der Vorderseite</translation>
    </message>
    <message>
        <source>the back shade bitmap</source>
        <translation>die Schattierungs-Bitmap der Rückseite</translation>
    </message>
    <message>
        <source>the long sleeve shade bitmap</source>
        <translation>die Schattierungs-Bitmap des langen Ärmels</translation>
    </message>
    <message>
        <source>the short sleeve shade bitmap</source>
        <translation>die Schattierungs-Bitmap des kurzen Ärmels</translation>
    </message>
    <message>
        <source>the front picture</source>
        <translation>das Bild der Vorderseite</translation>
    </message>
    <message>
        <source>the back picture</source>
        <translation>das Bild der Rückseite</translation>
    </message>
    <message>
        <source>the long sleeve picture</source>
        <translation>das Bild des langen Ärmels</translation>
    </message>
    <message>
        <source>the short sleeve picture</source>
        <translation>das Bild des kurzen Ärmels</translation>
    </message>
    <message>
        <source>the front design and shade bitmaps</source>
        <translation>die Design- und die Schattierungs-Bitmap der Vorderseite</translation>
    </message>
    <message>
        <source>the back design and shade bitmaps</source>
        <translation>die Design- und die Schattierungs-Bitmap der Rückseite</translation>
    </message>
    <message>
        <source>the long sleeve design and shade bitmaps</source>
        <translation>die Design- und die Schattierungs-Bitmap des langen Ärmels</translation>
    </message>
    <message>
        <source>the short sleeve design and shade bitmaps</source>
        <translation>die Design- und die Schattierungs-Bitmap des kurzen Ärmels</translation>
    </message>
    <message>
        <source>jersey 1st</source>
        <translation>Trikotfarbe 1</translation>
    </message>
    <message>
        <source>jersey 2nd</source>
        <translation>Trikotfarbe 2</translation>
    </message>
    <message>
        <source>jersey 3rd</source>
        <translation>Trikotfarbe 3</translation>
    </message>
    <message>
        <source>shorts 1st</source>
        <translation>Hosenfarbe 1</translation>
    </message>
    <message>
        <source>shorts 2nd</source>
        <translation>Hosenfarbe 2</translation>
    </message>
    <message>
        <source>socks 1st</source>
        <translation>Stutzenfarbe 1</translation>
    </message>
    <message>
        <source>socks 2nd</source>
        <translation>Stutzenfarbe 2</translation>
    </message>
    <message>
        <source>%1 has no colour table before its pixels; save it again as an %2-bit (%3-colour) BMP or as PNG</source>
        <translation>%1 hat vor seinen Pixeln keine Farbtabelle; speichern Sie es erneut als %2-Bit-BMP (%3 Farben) oder als PNG</translation>
    </message>
    <message>
        <source>%1 changed pixel</source>
        <translation>%1 geändertes Pixel</translation>
    </message>
    <message>
        <source>%1 edge or shading pixel to %2</source>
        <translation>%1 Kanten- oder Schattierungspixel zu %2</translation>
    </message>
    <message>
        <source>%1 far colour to the nearest kit shade, %2</source>
        <translation>%1 ferne Farbe zum nächsten Farbton, %2</translation>
    </message>
</context>
<context>
    <name>tarnix::JerseyModel</name>
    <message>
        <source>The changes to %1 are not saved. Discard them?</source>
        <translation>Die Änderungen an %1 sind nicht gespeichert. Verwerfen?</translation>
    </message>
    <message>
        <source>Do you really want to quit and lose all changes made to the jersey?</source>
        <translation>Möchten Sie wirklich beenden und alle Änderungen am Trikot verlieren?</translation>
    </message>
</context>
</TS>
