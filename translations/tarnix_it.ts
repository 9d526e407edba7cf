<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tarnix::CAssociateDlg</name>
    <message>
        <source>Assign...</source>
        <translation>Assegna...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Assegna</translation>
    </message>
    <message>
        <source>Teams, their strips and assigned jerseys</source>
        <translation>Squadre, le loro divise e maglie assegnate</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Campionato</translation>
    </message>
    <message>
        <source>Jersey File</source>
        <translation>File della maglia</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Casa</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Trasferta</translation>
    </message>
</context>
<context>
    <name>tarnix::CColourGridWnd</name>
    <message>
        <source>Kit colours</source>
        <translation>Colori della divisa</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rosso chiaro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Arancione chiaro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Oro scuro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde chiaro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde scuro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu navy</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Viola chiaro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Viola scuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Grigio chiaro</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Grigio scuro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Non usato</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
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
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Il file indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Il percorso indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file indicato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La memoria non era sufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(non è un .EXE Win32 o c&apos;è un errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome file è
incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transazione DDE non è stata
completata perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transazione DDE non è stata
completata perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
all&apos;estensione di file indicata.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La libreria a collegamento dinamico indicata non è stata trovata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossibile aprire il collegamento:

</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageOne</name>
    <message>
        <source>Tarnix, FIFA99 jersey editor</source>
        <translation>Tarnix, editor di maglie per FIFA99</translation>
    </message>
    <message>
        <source>Front of the chosen jersey in its kit colours</source>
        <translation>Fronte della maglia scelta nei colori della sua divisa</translation>
    </message>
    <message>
        <source>FIFA99 folder</source>
        <translation>Cartella di FIFA99</translation>
    </message>
    <message>
        <source>Teams that wear this jersey</source>
        <translation>Squadre che indossano questa maglia</translation>
    </message>
    <message>
        <source>Jersey label</source>
        <translation>Nome della maglia</translation>
    </message>
    <message>
        <source>FIFA99 Folder...</source>
        <translation>Cartella FIFA99...</translation>
    </message>
    <message>
        <source>This jersey is used by these teams:</source>
        <translation>Questa maglia è usata da queste squadre:</translation>
    </message>
    <message>
        <source>&amp;Select a Jersey (FSH) file to edit:</source>
        <translation>&amp;Selezionare il file della maglia (FSH) da modificare:</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>Assegna...</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH);;All Files (*)</source>
        <translation>File delle maglie (*.FSH);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Please select a jersey FSH file to edit.</source>
        <translation>Selezionare un file FSH di maglia da modificare.</translation>
    </message>
    <message>
        <source>%1 does not exist or is not a jersey file.

%2</source>
        <translation>%1 non esiste o non è un file di maglia.

%2</translation>
    </message>
    <message>
        <source>The preview of %1 cannot be shown: %2</source>
        <translation>Impossibile mostrare l&apos;anteprima di %1: %2</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>Selezionare la cartella di FIFA99</translation>
    </message>
    <message>
        <source>The clubs of %1 cannot be listed:

%2</source>
        <translation>Impossibile elencare le squadre di %1:

%2</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Casa</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Trasferta</translation>
    </message>
    <message>
        <source>FIFA99 jersey editor</source>
        <translation>editor di maglie FIFA99</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageThree</name>
    <message>
        <source>Jersey 1st colour</source>
        <translation>Maglia, 1° colore</translation>
    </message>
    <message>
        <source>Jersey 2nd colour</source>
        <translation>Maglia, 2° colore</translation>
    </message>
    <message>
        <source>Jersey 3rd colour</source>
        <translation>Maglia, 3° colore</translation>
    </message>
    <message>
        <source>Shorts 1st colour</source>
        <translation>Pantaloncini, 1° colore</translation>
    </message>
    <message>
        <source>Shorts 2nd colour</source>
        <translation>Pantaloncini, 2° colore</translation>
    </message>
    <message>
        <source>Socks 1st colour</source>
        <translation>Calzettoni, 1° colore</translation>
    </message>
    <message>
        <source>Socks 2nd colour</source>
        <translation>Calzettoni, 2° colore</translation>
    </message>
    <message>
        <source>Front of the jersey in the chosen kit colours</source>
        <translation>Fronte della maglia nei colori della divisa scelti</translation>
    </message>
    <message>
        <source>Back of the jersey in the chosen kit colours</source>
        <translation>Retro della maglia nei colori della divisa scelti</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>User guide: designing a jersey, from the first page to the game</source>
        <translation>Guida utente: creare una maglia, dalla prima pagina al gioco</translation>
    </message>
    <message>
        <source>User guide: how the kit colours and the shades of a jersey work</source>
        <translation>Guida utente: come funzionano i colori della divisa e le ombreggiature di una maglia</translation>
    </message>
    <message>
        <source>Some colours cannot be used as they stand: point here to see why.</source>
        <translation>Alcuni colori non si possono usare così come sono: puntare qui per vedere perché.</translation>
    </message>
    <message>
        <source>Mardek thumbnail:</source>
        <translation>Miniatura Mardek:</translation>
    </message>
    <message>
        <source>none (no folder chosen)</source>
        <translation>nessuna (senza cartella)</translation>
    </message>
    <message>
        <source>none (start with /jN)</source>
        <translation>nessuna (avviare con /jN)</translation>
    </message>
    <message>
        <source>Started as &quot;tarnix /jN&quot; (N from 1 to 64), Tarnix writes the thumbnail of jersey N into Mardek&apos;s Jerseys folder after each save.</source>
        <translation>Avviato come &quot;tarnix /jN&quot; (N da 1 a 64), Tarnix scrive la miniatura della maglia N nella cartella Jerseys di Mardek dopo ogni salvataggio.</translation>
    </message>
    <message>
        <source>Choose Mardek&apos;s folder with &quot;Mardek Folder...&quot; to write the thumbnail of jersey %1 after each save.</source>
        <translation>Scegliere la cartella di Mardek con &quot;Cartella Mardek...&quot; per scrivere la miniatura della maglia %1 dopo ogni salvataggio.</translation>
    </message>
    <message>
        <source>The thumbnail jersey number %1 is outside 1 to 64.

Jerseys will be saved without a thumbnail for Mardek.</source>
        <translation>Il numero di maglia %1 della miniatura non è tra 1 e 64.

Le maglie verranno salvate senza miniatura per Mardek.</translation>
    </message>
    <message>
        <source>A thumbnail for jersey number %1 was asked for, but Mardek&apos;s folder is not set.

Choose it with &quot;Mardek Folder...&quot; on the colours page; until then jerseys are saved without a thumbnail for Mardek.</source>
        <translation>È stata chiesta una miniatura per la maglia numero %1, ma la cartella di Mardek non è impostata.

Sceglierla con &quot;Cartella Mardek...&quot; nella pagina dei colori; fino ad allora le maglie vengono salvate senza miniatura per Mardek.</translation>
    </message>
    <message>
        <source>Where Mardek is installed: thumbnails go into its Jerseys folder</source>
        <translation>Dove è installato Mardek: le miniature vanno nella sua cartella Jerseys</translation>
    </message>
    <message>
        <source>Select Mardek directory</source>
        <translation>Selezionare la cartella di Mardek</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>The designs cannot be previewed or saved as they stand:

%1</source>
        <translation>I disegni non si possono visualizzare né salvare così come sono:

%1</translation>
    </message>
    <message>
        <source>1 pixel in a colour the jersey does not have was mapped to the nearest jersey colour.</source>
        <translation>1 pixel di un colore che la maglia non ha è stato portato al colore di maglia più vicino.</translation>
    </message>
    <message>
        <source>%1 pixels in colours the jersey does not have were mapped to the nearest jersey colour.</source>
        <translation>%1 pixel di colori che la maglia non ha sono stati portati al colore di maglia più vicino.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Generate a jersey thumbnail file for Mardek</source>
        <translation>Genera una miniatura della maglia per Mardek</translation>
    </message>
    <message>
        <source>Mardek Folder...</source>
        <translation>Cartella Mardek...</translation>
    </message>
    <message>
        <source>Mardek thumbnail:
none (no folder chosen)</source>
        <extracomment>The heading and the longer of the two &quot;none (...)&quot; notes, as they are translated, one on each line.</extracomment>
        <translation>Miniatura Mardek:
nessuna (avviare con /jN)</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>The user guide walks through designing a jersey, from the first page to the game:</source>
        <translation>La guida utente spiega come creare una maglia, dalla prima pagina al gioco:</translation>
    </message>
    <message>
        <source>How the kit colours and the shades of a jersey work, and how to paint with them:</source>
        <translation>Come funzionano i colori della divisa e le ombreggiature di una maglia, e come dipingere con essi:</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1°</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3°</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Jersey Colours</source>
        <translation>Maglia</translation>
    </message>
    <message>
        <source>Shorts Colours</source>
        <translation>Pantaloncini</translation>
    </message>
    <message>
        <source>Socks Colours</source>
        <translation>Calzettoni</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH *.fsh);;All Files (*)</source>
        <translation>File delle maglie (*.FSH *.fsh);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The jersey cannot be saved, because the designs cannot be used as they stand:

%1</source>
        <translation>La maglia non si può salvare, perché i disegni non si possono usare così come sono:

%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>The jersey could not be saved, because its colours and label could not be read when it was chosen:

%1

Please choose it again.</source>
        <translation>La maglia non è stata salvata, perché i suoi colori e il suo nome non si sono potuti leggere quando è stata scelta:

%1

Sceglierla di nuovo.</translation>
    </message>
    <message>
        <source>The jersey could not be saved:

%1</source>
        <translation>Impossibile salvare la maglia:

%1</translation>
    </message>
    <message>
        <source>Please select a jersey number to save the thumbnail to.</source>
        <translation>Selezionare il numero di maglia in cui salvare la miniatura.</translation>
    </message>
    <message>
        <source>The jersey has been saved, but the thumbnail for Mardek could not be written:

%1</source>
        <translation>La maglia è stata salvata, ma non è stato possibile scrivere la miniatura per Mardek:

%1</translation>
    </message>
    <message>
        <source>
(the file it replaced is kept as %1)</source>
        <translation>
(il file sostituito è conservato come %1)</translation>
    </message>
    <message>
        <source>Jersey has been saved%1
Would you like to edit another jersey?</source>
        <translation>La maglia è stata salvata%1
Modificare un&apos;altra maglia?</translation>
    </message>
    <message>
        <source>USER GUIDE</source>
        <translation>GUIDA UTENTE</translation>
    </message>
    <message>
        <source>editing a jersey, step by step</source>
        <translation>una maglia, passo per passo</translation>
    </message>
    <message>
        <source>KIT COLOURS</source>
        <translation>COLORI SOCIALI</translation>
    </message>
    <message>
        <source>how colours and shades work</source>
        <translation>come vanno colori e tonalità</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageTwo</name>
    <message>
        <source>Bitmap editor</source>
        <translation>Editor di immagini</translation>
    </message>
    <message>
        <source>Front design, as your editor last saved it</source>
        <translation>Disegno del fronte, come l&apos;editor l&apos;ha salvato l&apos;ultima volta</translation>
    </message>
    <message>
        <source>Back design, as your editor last saved it</source>
        <translation>Disegno del retro, come l&apos;editor l&apos;ha salvato l&apos;ultima volta</translation>
    </message>
    <message>
        <source>Long sleeve design, as your editor last saved it</source>
        <translation>Disegno della manica lunga, come l&apos;editor l&apos;ha salvato l&apos;ultima volta</translation>
    </message>
    <message>
        <source>Short sleeve design, as your editor last saved it</source>
        <translation>Disegno della manica corta, come l&apos;editor l&apos;ha salvato l&apos;ultima volta</translation>
    </message>
    <message>
        <source>Front of the shirt in the kit colours, from your designs</source>
        <translation>Fronte della maglia nei colori della divisa, dai vostri disegni</translation>
    </message>
    <message>
        <source>Back of the shirt in the kit colours, from your designs</source>
        <translation>Retro della maglia nei colori della divisa, dai vostri disegni</translation>
    </message>
    <message>
        <source>Use your favourite bitmap editor to design the jersey. Use colour index 47 for the primary colour, 63 for the secondary and 79 for the tertiary.</source>
        <translation>Create la maglia con il vostro editor di immagini preferito. Usate l&apos;indice di colore 47 per il colore principale, 63 per il secondo e 79 per il terzo.</translation>
    </message>
    <message>
        <source>Paint each part as it looks, in these kit colours. Soft edges and lighter or darker paint keep their kit colour in every club&apos;s colours.</source>
        <translation>Dipingete ogni parte come appare, in questi colori. Bordi sfumati e tinte più chiare o scure mantengono il loro colore in ogni squadra.</translation>
    </message>
    <message>
        <source>Your favourite bitmap editor path:</source>
        <translation>Percorso del vostro editor di immagini:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Paint the whole shirt as it looks</source>
        <translation>Dipingere tutta la maglia come appare</translation>
    </message>
    <message>
        <source>Paint colour groups and shading apart</source>
        <translation>Dipingere colori e ombreggiatura a parte</translation>
    </message>
    <message>
        <source>Front...</source>
        <translation>Fronte...</translation>
    </message>
    <message>
        <source>Back...</source>
        <translation>Retro...</translation>
    </message>
    <message>
        <source>Long Sleeve...</source>
        <translation>Manica lunga...</translation>
    </message>
    <message>
        <source>Short Sleeve...</source>
        <translation>Manica corta...</translation>
    </message>
    <message>
        <source>Edit Shade...</source>
        <translation>Ombreggiatura...</translation>
    </message>
    <message>
        <source>Save palette...</source>
        <translation>Salva tavolozza...</translation>
    </message>
    <message>
        <source>In the kit colours</source>
        <translation>Nei colori della divisa</translation>
    </message>
    <message>
        <source>Map other colours to the nearest jersey colour</source>
        <translation>Portare gli altri colori al colore di maglia più vicino</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>**** Don&apos;t forget to save the designs before returning to Tarnix.</source>
        <translation>**** Ricordate di salvare i disegni prima di tornare a Tarnix.</translation>
    </message>
    <message>
        <source>Colours an editor brought in that the jersey does not have (from smoothing, or a colour picked by eye) become the nearest colour the part can use, instead of stopping the save</source>
        <translation>I colori introdotti da un editor che la maglia non ha (per sfumatura, o un colore scelto a occhio) diventano il colore più vicino che la parte può usare, invece di fermare il salvataggio</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts could not be prepared for your bitmap editor:

%1</source>
        <translation>Non è stato possibile preparare le parti della maglia per il vostro editor di immagini:

%1</translation>
    </message>
    <message>
        <source>What you painted cannot be carried over to the other way of painting:

%1

Change it in your editor, or let other colours be mapped to the nearest jersey colour, and try again.</source>
        <translation>Ciò che avete dipinto non si può portare all&apos;altro modo di dipingere:

%1

Modificatelo nell&apos;editor, o lasciate che gli altri colori vadano al colore di maglia più vicino, e riprovate.</translation>
    </message>
    <message>
        <source>The pictures cannot be used as they stand:

%1</source>
        <translation>Le immagini non si possono usare così come sono:

%1</translation>
    </message>
    <message>
        <source>The designs cannot be used as they stand:

%1</source>
        <translation>I disegni non si possono usare così come sono:

%1</translation>
    </message>
    <message>
        <source>

Repaint those pixels with the jersey&apos;s colours, or tick &quot;%1&quot; on this page.</source>
        <translation>

Ridipingete quei pixel con i colori della maglia, o spuntate &quot;%1&quot; in questa pagina.</translation>
    </message>
    <message>
        <source>Please select your favourite bitmap editor.</source>
        <translation>Selezionate il vostro editor di immagini preferito.</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is nothing to open in the bitmap editor.</source>
        <translation>Le parti della maglia non sono state preparate, quindi non c&apos;è nulla da aprire nell&apos;editor di immagini.</translation>
    </message>
    <message>
        <source>Error starting bitmap editor, please make sure the path is correct

Tried: %1</source>
        <translation>Errore all&apos;avvio dell&apos;editor di immagini, verificare che il percorso sia corretto

Tentato: %1</translation>
    </message>
    <message>
        <source>Other program...</source>
        <translation>Altro programma...</translation>
    </message>
    <message>
        <source>Executable Files (*.EXE *.exe);;All Files (*)</source>
        <translation>File eseguibili (*.EXE *.exe);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>All Files (*);;Executable Files (*.EXE *.exe)</source>
        <translation>Tutti i file (*);;File eseguibili (*.EXE *.exe)</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is no palette to save.</source>
        <translation>Le parti della maglia non sono state preparate, quindi non c&apos;è una tavolozza da salvare.</translation>
    </message>
    <message>
        <source>Save palette</source>
        <translation>Salva tavolozza</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl);;All Files (*)</source>
        <translation>Tavolozza GIMP (*.gpl);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>The palette could not be saved:

%1</source>
        <translation>Impossibile salvare la tavolozza:

%1</translation>
    </message>
</context>
<context>
    <name>tarnix::CTarnixApp</name>
    <message>
        <source>Cannot locate FIFA99 directory in the Registry. Do you want to select it yourself?</source>
        <translation>Impossibile trovare la cartella di FIFA99 nel Registro. Selezionarla manualmente?</translation>
    </message>
    <message>
        <source>Cannot locate FIFA99 directory in the registry of the Wine prefix %1. Do you want to select it yourself?</source>
        <translation>Impossibile trovare la cartella di FIFA99 nel registro del prefisso Wine %1. Selezionarla manualmente?</translation>
    </message>
    <message>
        <source>Tarnix ran out of memory, so the last step was not finished and nothing was written. Close other programs and try again.</source>
        <translation>Tarnix ha esaurito la memoria, quindi l&apos;ultimo passo non è stato completato e non è stato scritto nulla. Chiudete altri programmi e riprovate.</translation>
    </message>
    <message>
        <source>Tarnix BETA - user guide</source>
        <translation>Tarnix BETA - guida utente</translation>
    </message>
    <message>
        <source>Tarnix found unsaved designs of %1 from %2. Continue editing them?</source>
        <translation>Tarnix ha trovato disegni non salvati di %1 del %2. Continuare a modificarli?</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>Selezionare la cartella di FIFA99</translation>
    </message>
</context>
<context>
    <name>tarnix::CoreMessage</name>
    <message>
        <source>%1 is not a jersey file: it has no entry %2</source>
        <translation>%1 non è un file di maglia: non ha la voce %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>impossibile sostituire %1</translation>
    </message>
    <message>
        <source>it exists and is not a file</source>
        <translation>esiste e non è un file</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 è una cartella, non un file</translation>
    </message>
    <message>
        <source>%1 is a device or pipe, not a file</source>
        <translation>%1 è un dispositivo o una pipe, non un file</translation>
    </message>
    <message>
        <source>%1 is too large to be a game file (%2 bytes; files of at most %3 MiB are read)</source>
        <translation>%1 è troppo grande per essere un file del gioco (%2 byte; si leggono file fino a %3 MiB)</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1</source>
        <translation>impossibile creare un file temporaneo in %1</translation>
    </message>
    <message>
        <source>no game folder is set</source>
        <translation>nessuna cartella del gioco impostata</translation>
    </message>
    <message>
        <source>cannot read the team database</source>
        <translation>impossibile leggere il database delle squadre</translation>
    </message>
    <message>
        <source>cannot read the team names</source>
        <translation>impossibile leggere i nomi delle squadre</translation>
    </message>
    <message>
        <source>Please specify a file to save to.</source>
        <translation>Indicare un file in cui salvare.</translation>
    </message>
    <message>
        <source>The label %1 holds characters that a jersey file cannot store: it holds only Western European characters (Windows-%2). Please change the label.</source>
        <translation>Il nome %1 contiene caratteri che un file di maglia non può memorizzare: memorizza solo caratteri dell&apos;Europa occidentale (Windows-%2). Modificare il nome.</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3)); paint them with a jersey colour and save without transparency</source>
        <translation>%1 ha pixel trasparenti (il primo in (%2, %3)); dipingeteli con un colore della maglia e salvate senza trasparenza</translation>
    </message>
    <message>
        <source>%1 is a %2-bit bitmap; save it as an %3-bit (%4-colour) or %5-bit BMP, or as PNG</source>
        <translation>%1 è un&apos;immagine a %2 bit; salvatela come BMP a %3 bit (%4 colori) o a %5 bit, o come PNG</translation>
    </message>
    <message>
        <source>the jersey&apos;s parts have not been prepared for the bitmap editor (see the design page)</source>
        <translation>le parti della maglia non sono state preparate per l&apos;editor di immagini (vedere la pagina dei disegni)</translation>
    </message>
    <message>
        <source>the jersey&apos;s pictures have not been prepared for the bitmap editor (see the design page)</source>
        <translation>le immagini della maglia non sono state preparate per l&apos;editor di immagini (vedere la pagina dei disegni)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o directory non esistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1</source>
        <translation>impossibile impostare i permessi di %1</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file</source>
        <translation>%1 è una pipe, non un file</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file</source>
        <translation>%1 è un socket, non un file</translation>
    </message>
    <message>
        <source>%1 is a device, not a file</source>
        <translation>%1 è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>cannot find the temporary folder</source>
        <translation>impossibile trovare la cartella temporanea</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be flushed to the disk, so the change may not survive a crash</source>
        <translation>%1 è stato scritto, ma la sua cartella non è stata scritta sul disco, quindi la modifica potrebbe non sopravvivere a un crash</translation>
    </message>
    <message>
        <source>no file name given to write to</source>
        <translation>nessun nome di file in cui scrivere</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>Permission denied (is it open in another program?)</source>
        <translation>Permesso negato (è aperto in un altro programma?)</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una directory</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota del disco superata</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Il file esiste</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome del file troppo lungo</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non permessa</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argomento non valido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o risorsa occupata</translation>
    </message>
    <message>
        <source>cannot keep a backup of %1 before replacing it, so nothing was saved</source>
        <translation>impossibile conservare una copia di sicurezza di %1 prima di sostituirlo, quindi non è stato salvato nulla</translation>
    </message>
    <message>
        <source>cannot find the folder for backups</source>
        <translation>impossibile trovare la cartella delle copie di sicurezza</translation>
    </message>
    <message>
        <source>LOCALAPPDATA is not set</source>
        <translation>LOCALAPPDATA non è impostata</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>non è impostata né XDG_DATA_HOME né HOME</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 has no entry %2</source>
        <translation>%1 non ha la voce %2</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3</source>
        <translation>%1 non ha la voce %2 né la %3</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory runs past the end of the file)</source>
        <translation>%1 non ha la voce %2 (la sua directory va oltre la fine del file)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory runs past the end of the file)</source>
        <translation>%1 non ha la voce %2 né la %3 (la sua directory va oltre la fine del file)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory lists %3 records, but only %4 lie before the entries&apos; data)</source>
        <translation>%1 non ha la voce %2 (la sua directory elenca %3 record, ma solo %4 si trovano prima dei dati delle voci)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory lists %4 records, but only %5 lie before the entries&apos; data)</source>
        <translation>%1 non ha la voce %2 né la %3 (la sua directory elenca %4 record, ma solo %5 si trovano prima dei dati delle voci)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 overlaps the archive&apos;s header</source>
        <translation>la voce %1 di %2 alla posizione %3 si sovrappone all&apos;intestazione dell&apos;archivio</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 runs past the end of the file (%4 bytes)</source>
        <translation>la voce %1 di %2 alla posizione %3 va oltre la fine del file (%4 byte)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 lies behind the archive&apos;s total size (%4); the header is damaged</source>
        <translation>la voce %1 di %2 alla posizione %3 si trova oltre la dimensione totale dell&apos;archivio (%4); l&apos;intestazione è danneggiata</translation>
    </message>
    <message>
        <source>the total size in the header of %1 (%2) does not fit its length (%3 bytes)</source>
        <translation>la dimensione totale nell&apos;intestazione di %1 (%2) non corrisponde alla sua lunghezza (%3 byte)</translation>
    </message>
    <message>
        <source>no thumbnail written</source>
        <translation>nessuna miniatura scritta</translation>
    </message>
    <message>
        <source>The file name %1 ends in a space or a dot, which Windows drops from file names. Please remove it.</source>
        <translation>Il nome del file %1 termina con uno spazio o un punto, che Windows toglie dai nomi dei file. Toglietelo.</translation>
    </message>
    <message>
        <source>kit colour %1 is not one of the %2 named colours</source>
        <translation>il colore della divisa %1 non è uno dei %2 colori con nome</translation>
    </message>
    <message>
        <source>the composed %1 is %2 x %3 pixels instead of %4 x %5</source>
        <translation>la bitmap composta (%1) è di %2 x %3 pixel invece di %4 x %5</translation>
    </message>
    <message>
        <source>the composed %1 bitmap</source>
        <translation>la bitmap composta (%1)</translation>
    </message>
    <message>
        <source>%1 is not a BMP bitmap</source>
        <translation>%1 non è un&apos;immagine BMP</translation>
    </message>
    <message>
        <source>%1 is truncated inside its header (%2 bytes)</source>
        <translation>%1 è troncato all&apos;interno della sua intestazione (%2 byte)</translation>
    </message>
    <message>
        <source>%1 is truncated inside its OS/%2 header</source>
        <translation>%1 è troncato all&apos;interno della sua intestazione OS/%2</translation>
    </message>
    <message>
        <source>%1 has an unsupported or truncated bitmap header (%2 bytes); save it as a Windows BMP or as PNG</source>
        <translation>%1 ha un&apos;intestazione bitmap non supportata o troncata (%2 byte); salvatelo come BMP di Windows o come PNG</translation>
    </message>
    <message>
        <source>%1 is an OS/%2 bitmap with Huffman compression; save it as a plain BMP or as PNG</source>
        <translation>%1 è una bitmap OS/%2 con compressione Huffman; salvatela come BMP semplice o come PNG</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour masks</source>
        <translation>%1 è troncato all&apos;interno delle sue maschere di colore</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed at %2 bits; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 è compresso RLE a %2 bit; salvatelo come BMP non compresso o come PNG</translation>
    </message>
    <message>
        <source>%1 is a JPEG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 è un&apos;immagine JPEG racchiusa in un BMP; salvatela come BMP non compresso o come PNG</translation>
    </message>
    <message>
        <source>%1 is a PNG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 è un&apos;immagine PNG racchiusa in un BMP; salvatela come BMP non compresso o come PNG</translation>
    </message>
    <message>
        <source>%1 is compressed in a way BMP readers rarely know (compression %2); save it as an uncompressed BMP or as PNG</source>
        <translation>%1 è compresso in un modo che i lettori BMP conoscono di rado (compressione %2); salvatelo come BMP non compresso o come PNG</translation>
    </message>
    <message>
        <source>%1 has an unusable size of %2 x %3 pixels</source>
        <translation>%1 ha una dimensione inutilizzabile di %2 x %3 pixel</translation>
    </message>
    <message>
        <source>%1 declares %2 colours; an indexed bitmap has at most %3</source>
        <translation>%1 dichiara %2 colori; una bitmap indicizzata ne ha al massimo %3</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour table</source>
        <translation>%1 è troncato all&apos;interno della sua tabella dei colori</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends after %2 of its %3 rows</source>
        <translation>%1 è compresso RLE e i suoi dati finiscono dopo %2 delle sue %3 righe</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside a jump</source>
        <translation>%1 è compresso RLE e i suoi dati finiscono all&apos;interno di un salto</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside row %2</source>
        <translation>%1 è compresso RLE e i suoi dati finiscono all&apos;interno della riga %2</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its %2 bytes of data cannot hold %3 x %4 pixels</source>
        <translation>%1 è compresso RLE e i suoi %2 byte di dati non possono contenere %3 x %4 pixel</translation>
    </message>
    <message>
        <source>%1 has colour masks with gaps; save it as a plain %2-bit BMP or as PNG</source>
        <translation>%1 ha maschere di colore con buchi; salvatelo come BMP semplice a %2 bit o come PNG</translation>
    </message>
    <message>
        <source>%1 is truncated: its %2 rows of %3 %4-bit pixels do not fit in its %5 bytes</source>
        <translation>%1 è troncato: le sue %2 righe di %3 pixel a %4 bit non entrano nei suoi %5 byte</translation>
    </message>
    <message>
        <source>%1 has more than %2 colours</source>
        <translation>%1 ha più di %2 colori</translation>
    </message>
    <message>
        <source>%1 is neither a BMP nor a PNG picture; save it as BMP or PNG</source>
        <translation>%1 non è un&apos;immagine né BMP né PNG; salvatela come BMP o PNG</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (%2)</source>
        <translation>%1 è un PNG danneggiato (%2)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (no IHDR chunk where the header belongs)</source>
        <translation>%1 è un PNG danneggiato (nessun blocco IHDR dove va l&apos;intestazione)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image width %2 in IHDR, not %3 to %4)</source>
        <translation>%1 è un PNG danneggiato (larghezza dell&apos;immagine %2 in IHDR, non da %3 a %4)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image height %2 in IHDR, not %3 to %4)</source>
        <translation>%1 è un PNG danneggiato (altezza dell&apos;immagine %2 in IHDR, non da %3 a %4)</translation>
    </message>
    <message>
        <source>%1 is too short (%2 bytes) for its %3 x %4 pixels</source>
        <translation>%1 è troppo corto (%2 byte) per i suoi %3 x %4 pixel</translation>
    </message>
    <message>
        <source>%1 is too large (%2 bytes) for a picture</source>
        <translation>%1 è troppo grande (%2 byte) per un&apos;immagine</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3), alpha %4); paint them with a jersey colour and save without transparency</source>
        <translation>%1 ha pixel trasparenti (il primo in (%2, %3), alfa %4); dipingeteli con un colore della maglia e salvate senza trasparenza</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; it must stay %4 x %5</source>
        <translation>%1 è di %2 x %3 pixel; la dimensione deve restare %4 x %5</translation>
    </message>
    <message>
        <source>%1 uses colour index %2, but its colour table has only %3 colours</source>
        <translation>%1 usa l&apos;indice di colore %2, ma la sua tabella dei colori ha solo %3 colori</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 ha %2 pixel in un colore con cui la bitmap non è stata esportata (il primo in (%3, %4), %5); dipingete solo con i colori della bitmap (la tavolozza della maglia), o scegliete di portare gli altri colori al colore della maglia più vicino</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 ha %2 pixel in colori con cui la bitmap non è stata esportata (il primo in (%3, %4), %5); dipingete solo con i colori della bitmap (la tavolozza della maglia), o scegliete di portare gli altri colori al colore della maglia più vicino</translation>
    </message>
    <message>
        <source>%1 no longer share their exported colour table; without the colour tables they were exported with their colours cannot be mapped back</source>
        <translation>%1 non condividono più la tabella dei colori esportata; senza le tabelle dei colori con cui sono state esportate, i loro colori non si possono ricondurre</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 ha %2 pixel in un colore lontano da ogni colore che la parte può assumere (il primo in (%3, %4), %5); i colori della divisa più vicini: %6 (sceglietene uno come colore della divisa), o scegliete di portare tali colori alla tonalità più vicina</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 ha %2 pixel in colori lontani da ogni colore che la parte può assumere (il primo in (%3, %4), %5); i colori della divisa più vicini: %6 (sceglietene uno come colore della divisa), o scegliete di portare tali colori alla tonalità più vicina</translation>
    </message>
    <message>
        <source>the record of what was exported has no %1 picture; export the pictures again</source>
        <translation>la registrazione dell&apos;esportazione non ha l&apos;immagine (%1); esportate di nuovo le immagini</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>impossibile codificare %1 come PNG</translation>
    </message>
    <message>
        <source>%1 changed pixels</source>
        <translation>%1 pixel modificati</translation>
    </message>
    <message>
        <source>%1 in colours the kit shows (%2)</source>
        <translation>%1 in colori che la divisa mostra (%2)</translation>
    </message>
    <message>
        <source>%1 edge or shading pixels to %2</source>
        <translation>%1 pixel di bordo o di ombreggiatura a %2</translation>
    </message>
    <message>
        <source>%1 far colours to the nearest kit shade, %2</source>
        <translation>%1 colori lontani alla tonalità più vicina, %2</translation>
    </message>
    <message>
        <source>%1 (group %2) %3</source>
        <translation>%1 (gruppo %2) %3</translation>
    </message>
    <message>
        <source>the badge ramp (group %1) %2</source>
        <translation>la scala dello stemma (gruppo %1) %2</translation>
    </message>
    <message>
        <source>fixed group %1 %2</source>
        <translation>gruppo fisso %1 %2</translation>
    </message>
    <message>
        <source>the record of the exported pictures is damaged at line %1</source>
        <translation>la registrazione delle immagini esportate è danneggiata alla riga %1</translation>
    </message>
    <message>
        <source>it does not start with %1</source>
        <translation>non inizia con %1</translation>
    </message>
    <message>
        <source>expected %1 and seven kit colours</source>
        <translation>atteso %1 e sette colori della divisa</translation>
    </message>
    <message>
        <source>kit colour %1 is not a number from -%2 to %3</source>
        <translation>il colore della divisa %1 non è un numero da -%2 a %3</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>atteso %1</translation>
    </message>
    <message>
        <source>expected sixteen colours RRGGBB</source>
        <translation>attesi sedici colori RRGGBB</translation>
    </message>
    <message>
        <source>expected a row of %1 indices in hex</source>
        <translation>attesa una riga di %1 indici in esadecimale</translation>
    </message>
    <message>
        <source>unexpected text after the short sleeve</source>
        <translation>testo inatteso dopo la manica corta</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to be a team database (%1 bytes)</source>
        <translation>FCDB.DBI è troppo corto per essere un database delle squadre (%1 byte)</translation>
    </message>
    <message>
        <source>FCDB.DBI is not a team database: its records are %1 bytes long, fewer than the %2 every record holds</source>
        <translation>FCDB.DBI non è un database delle squadre: i suoi record sono lunghi %1 byte, meno dei %2 che ogni record contiene</translation>
    </message>
    <message>
        <source>FCDB_ENG.DBI has no name for record %1 of %2</source>
        <translation>FCDB_ENG.DBI non ha un nome per il record %1 di %2</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside record %1 of %2 (offset %3, %4 bytes each)</source>
        <translation>FCDB.DBI finisce all&apos;interno del record %1 di %2 (posizione %3, %4 byte ciascuno)</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to hold its league sections</source>
        <translation>FCDB.DBI è troppo corto per contenere le sue sezioni dei campionati</translation>
    </message>
    <message>
        <source>FCDB.DBI ends before league section %1</source>
        <translation>FCDB.DBI finisce prima della sezione di campionato %1</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside league section %1</source>
        <translation>FCDB.DBI finisce all&apos;interno della sezione di campionato %1</translation>
    </message>
    <message>
        <source>front</source>
        <translation>fronte</translation>
    </message>
    <message>
        <source>back</source>
        <translation>retro</translation>
    </message>
    <message>
        <source>long sleeve</source>
        <translation>manica lunga</translation>
    </message>
    <message>
        <source>short sleeve</source>
        <translation>manica corta</translation>
    </message>
    <message>
        <source>the front design bitmap</source>
        <translation>la bitmap di disegno del fronte</translation>
    </message>
    <message>
        <source>the back design bitmap</source>
        <translation>la bitmap di disegno del retro</translation>
    </message>
    <message>
        <source>the long sleeve design bitmap</source>
        <translation>la bitmap di disegno della manica lunga</translation>
    </message>
    <message>
        <source>the short sleeve design bitmap</source>
        <translation>la bitmap di disegno della manica corta</translation>
    </message>
    <message>
        <source>the front shade bitmap</source>
        <translation>la bitmap di ombreggiatura del fronte</translation>
    </message>
    <message>
        <source>the back shade bitmap</source>
        <translation>la bitmap di ombreggiatura del retro</translation>
    </message>
    <message>
        <source>the long sleeve shade bitmap</source>
        <translation>la bitmap di ombreggiatura della manica lunga</translation>
    </message>
    <message>
        <source>the short sleeve shade bitmap</source>
        <translation>la bitmap di ombreggiatura della manica corta</translation>
    </message>
    <message>
        <source>the front picture</source>
        <translation>l&apos;immagine del fronte</translation>
    </message>
    <message>
        <source>the back picture</source>
        <translation>l&apos;immagine del retro</translation>
    </message>
    <message>
        <source>the long sleeve picture</source>
        <translation>l&apos;immagine della manica lunga</translation>
    </message>
    <message>
        <source>the short sleeve picture</source>
        <translation>l&apos;immagine della manica corta</translation>
    </message>
    <message>
        <source>the front design and shade bitmaps</source>
        <translation>le bitmap di disegno e di ombreggiatura del fronte</translation>
    </message>
    <message>
        <source>the back design and shade bitmaps</source>
        <translation>le bitmap di disegno e di ombreggiatura del retro</translation>
    </message>
    <message>
        <source>the long sleeve design and shade bitmaps</source>
        <translation>le bitmap di disegno e di ombreggiatura della manica lunga</translation>
    </message>
    <message>
        <source>the short sleeve design and shade bitmaps</source>
        <translation>le bitmap di disegno e di ombreggiatura della manica corta</translation>
    </message>
    <message>
        <source>jersey 1st</source>
        <translation>1° colore della maglia</translation>
    </message>
    <message>
        <source>jersey 2nd</source>
        <translation>2° colore della maglia</translation>
    </message>
    <message>
        <source>jersey 3rd</source>
        <translation>3° colore della maglia</translation>
    </message>
    <message>
        <source>shorts 1st</source>
        <translation>1° colore dei pantaloncini</translation>
    </message>
    <message>
        <source>shorts 2nd</source>
        <translation>2° colore dei pantaloncini</translation>
    </message>
    <message>
        <source>socks 1st</source>
        <translation>1° colore dei calzettoni</translation>
    </message>
    <message>
        <source>socks 2nd</source>
        <translation>2° colore dei calzettoni</translation>
    </message>
    <message>
        <source>%1 has no colour table before its pixels; save it again as an %2-bit (%3-colour) BMP or as PNG</source>
        <translation>%1 non ha una tabella dei colori prima dei suoi pixel; salvatelo di nuovo come BMP a %2 bit (%3 colori) o come PNG</translation>
    </message>
    <message>
        <source>%1 changed pixel</source>
        <translation>%1 pixel modificato</translation>
    </message>
    <message>
        <source>%1 edge or shading pixel to %2</source>
        <translation>%1 pixel di bordo o di ombreggiatura a %2</translation>
    </message>
    <message>
        <source>%1 far colour to the nearest kit shade, %2</source>
        <translation>%1 colore lontano alla tonalità più vicina, %2</translation>
    </message>
</context>
<context>
    <name>tarnix::JerseyModel</name>
    <message>
        <source>The changes to %1 are not saved. Discard them?</source>
        <translation>Le modifiche a %1 non sono salvate. Scartarle?</translation>
    </message>
    <message>
        <source>Do you really want to quit and lose all changes made to the jersey?</source>
        <translation>Uscire davvero e perdere tutte le modifiche alla maglia?</translation>
    </message>
</context>
</TS>
