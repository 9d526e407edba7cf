<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tarnix::CAssociateDlg</name>
    <message>
        <source>Assign...</source>
        <translation>Attribuer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Attribuer</translation>
    </message>
    <message>
        <source>Teams, their strips and assigned jerseys</source>
        <translation>Équipes, leurs tenues et maillots attribués</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Championnat</translation>
    </message>
    <message>
        <source>Jersey File</source>
        <translation>Fichier de maillot</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Domicile</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Extérieur</translation>
    </message>
</context>
<context>
    <name>tarnix::CColourGridWnd</name>
    <message>
        <source>Kit colours</source>
        <translation>Couleurs de la tenue</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rouge clair</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Or foncé</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Violet clair</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Violet foncé</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Non utilisée</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>tarnix::CColourPicker</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tarnix::CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire était insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(pas un .EXE Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
être terminée car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de fichier indiquée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossible d&apos;ouvrir le lien&#xa0;:

</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageOne</name>
    <message>
        <source>Tarnix, FIFA99 jersey editor</source>
        <translation>Tarnix, éditeur de maillots pour FIFA99</translation>
    </message>
    <message>
        <source>Front of the chosen jersey in its kit colours</source>
        <translation>Devant du maillot choisi dans les couleurs de sa tenue</translation>
    </message>
    <message>
        <source>FIFA99 folder</source>
        <translation>Dossier de FIFA99</translation>
    </message>
    <message>
        <source>Teams that wear this jersey</source>
        <translation>Équipes qui portent ce maillot</translation>
    </message>
    <message>
        <source>Jersey label</source>
        <translation>Nom du maillot</translation>
    </message>
    <message>
        <source>FIFA99 Folder...</source>
        <translation>Dossier FIFA99...</translation>
    </message>
    <message>
        <source>This jersey is used by these teams:</source>
        <translation>Ce maillot est porté par ces équipes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Select a Jersey (FSH) file to edit:</source>
        <translation>&amp;Choisissez le fichier de maillot (FSH) à modifier&#xa0;:</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>Attribuer...</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH);;All Files (*)</source>
        <translation>Fichiers de maillot (*.FSH);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Please select a jersey FSH file to edit.</source>
        <translation>Veuillez choisir un fichier de maillot FSH à modifier.</translation>
    </message>
    <message>
        <source>%1 does not exist or is not a jersey file.

%2</source>
        <translation>%1 n&apos;existe pas ou n&apos;est pas un fichier de maillot.

%2</translation>
    </message>
    <message>
        <source>The preview of %1 cannot be shown: %2</source>
        <translation>L&apos;aperçu de %1 ne peut pas être affiché&#xa0;: %2</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>Choisir le dossier de FIFA99</translation>
    </message>
    <message>
        <source>The clubs of %1 cannot be listed:

%2</source>
        <translation>Les clubs de %1 ne peuvent pas être listés&#xa0;:

%2</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Domicile</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Extérieur</translation>
    </message>
    <message>
        <source>FIFA99 jersey editor</source>
        <translation>éditeur de maillots FIFA99</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageThree</name>
    <message>
        <source>Jersey 1st colour</source>
        <translation>Maillot, 1re couleur</translation>
    </message>
    <message>
        <source>Jersey 2nd colour</source>
        <translation>Maillot, 2e couleur</translation>
    </message>
    <message>
        <source>Jersey 3rd colour</source>
        <translation>Maillot, 3e couleur</translation>
    </message>
    <message>
        <source>Shorts 1st colour</source>
        <translation>Short, 1re couleur</translation>
    </message>
    <message>
        <source>Shorts 2nd colour</source>
        <translation>Short, 2e couleur</translation>
    </message>
    <message>
        <source>Socks 1st colour</source>
        <translation>Chaussettes, 1re couleur</translation>
    </message>
    <message>
        <source>Socks 2nd colour</source>
        <translation>Chaussettes, 2e couleur</translation>
    </message>
    <message>
        <source>Front of the jersey in the chosen kit colours</source>
        <translation>Devant du maillot dans les couleurs de tenue choisies</translation>
    </message>
    <message>
        <source>Back of the jersey in the chosen kit colours</source>
        <translation>Dos du maillot dans les couleurs de tenue choisies</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>User guide: designing a jersey, from the first page to the game</source>
        <translation>Guide de l&apos;utilisateur&#xa0;: créer un maillot, de la première page jusqu&apos;au jeu</translation>
    </message>
    <message>
        <source>User guide: how the kit colours and the shades of a jersey work</source>
        <translation>Guide de l&apos;utilisateur&#xa0;: le fonctionnement des couleurs de la tenue et des ombrages d&apos;un maillot</translation>
    </message>
    <message>
        <source>Some colours cannot be used as they stand: point here to see why.</source>
        <translation>Certaines couleurs ne sont pas utilisables telles quelles&#xa0;: pointez ici pour savoir pourquoi.</translation>
    </message>
    <message>
        <source>Mardek thumbnail:</source>
        <translation>Vignette Mardek&#xa0;:</translation>
    </message>
    <message>
        <source>none (no folder chosen)</source>
        <translation>aucune (pas de dossier)</translation>
    </message>
    <message>
        <source>none (start with /jN)</source>
        <translation>aucune (démarrer avec /jN)</translation>
    </message>
    <message>
        <source>Started as &quot;tarnix /jN&quot; (N from 1 to 64), Tarnix writes the thumbnail of jersey N into Mardek&apos;s Jerseys folder after each save.</source>
        <translation>Lancé par «&#xa0;tarnix /jN&#xa0;» (N de 1 à 64), Tarnix écrit la vignette du maillot N dans le dossier Jerseys de Mardek après chaque enregistrement.</translation>
    </message>
    <message>
        <source>Choose Mardek&apos;s folder with &quot;Mardek Folder...&quot; to write the thumbnail of jersey %1 after each save.</source>
        <translation>Choisissez le dossier de Mardek avec «&#xa0;Dossier Mardek...&#xa0;» pour écrire la vignette du maillot %1 après chaque enregistrement.</translation>
    </message>
    <message>
        <source>The thumbnail jersey number %1 is outside 1 to 64.

Jerseys will be saved without a thumbnail for Mardek.</source>
        <translation>Le numéro de maillot %1 de la vignette n&apos;est pas entre 1 et 64.

Les maillots seront enregistrés sans vignette pour Mardek.</translation>
    </message>
    <message>
        <source>A thumbnail for jersey number %1 was asked for, but Mardek&apos;s folder is not set.

Choose it with &quot;Mardek Folder...&quot; on the colours page; until then jerseys are saved without a thumbnail for Mardek.</source>
        <translation>Une vignette pour le maillot numéro %1 a été demandée, mais le dossier de Mardek n&apos;est pas défini.

Choisissez-le avec «&#xa0;Dossier Mardek...&#xa0;» sur la page des couleurs&#xa0;; d&apos;ici là, les maillots sont enregistrés sans vignette pour Mardek.</translation>
    </message>
    <message>
        <source>Where Mardek is installed: thumbnails go into its Jerseys folder</source>
        <translation>L&apos;emplacement de Mardek&#xa0;: les vignettes vont dans son dossier Jerseys</translation>
    </message>
    <message>
        <source>Select Mardek directory</source>
        <translation>Choisir le dossier de Mardek</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The designs cannot be previewed or saved as they stand:

%1</source>
        <translation>Les motifs ne peuvent être ni prévisualisés ni enregistrés tels quels&#xa0;:

%1</translation>
    </message>
    <message>
        <source>1 pixel in a colour the jersey does not have was mapped to the nearest jersey colour.</source>
        <translation>1 pixel d&apos;une couleur que le maillot n&apos;a pas a reçu la couleur de maillot la plus proche.</translation>
    </message>
    <message>
        <source>%1 pixels in colours the jersey does not have were mapped to the nearest jersey colour.</source>
        <translation>%1 pixels de couleurs que le maillot n&apos;a pas ont reçu la couleur de maillot la plus proche.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Generate a jersey thumbnail file for Mardek</source>
        <translation>Créer une vignette du maillot pour Mardek</translation>
    </message>
    <message>
        <source>Mardek Folder...</source>
        <translation>Dossier Mardek...</translation>
    </message>
    <message>
        <source>Mardek thumbnail:
none (no folder chosen)</source>
        <extracomment>The heading and the longer of the two &quot;none (...)&quot; notes, as they are translated, one on each line.</extracomment>
        <translation>Vignette Mardek&#xa0;:
aucune (démarrer avec /jN)</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Cible&#xa0;:</translation>
    </message>
    <message>
        <source>The user guide walks through designing a jersey, from the first page to the game:</source>
        <translation>Le guide de l&apos;utilisateur explique la création d&apos;un maillot, de la première page jusqu&apos;au jeu&#xa0;:</translation>
    </message>
    <message>
        <source>How the kit colours and the shades of a jersey work, and how to paint with them:</source>
        <translation>Les couleurs de la tenue et les ombrages d&apos;un maillot, et comment peindre avec&#xa0;:</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1re</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Jersey Colours</source>
        <translation>Maillot</translation>
    </message>
    <message>
        <source>Shorts Colours</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>Socks Colours</source>
        <translation>Chaussettes</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH *.fsh);;All Files (*)</source>
        <translation>Fichiers de maillot (*.FSH *.fsh);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The jersey cannot be saved, because the designs cannot be used as they stand:

%1</source>
        <translation>Le maillot ne peut pas être enregistré, car les motifs ne sont pas utilisables tels quels&#xa0;:

%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The jersey could not be saved, because its colours and label could not be read when it was chosen:

%1

Please choose it again.</source>
        <translation>Le maillot n&apos;a pas pu être enregistré, car ses couleurs et son nom n&apos;ont pas pu être lus quand il a été choisi&#xa0;:

%1

Veuillez le choisir à nouveau.</translation>
    </message>
    <message>
        <source>The jersey could not be saved:

%1</source>
        <translation>Le maillot n&apos;a pas pu être enregistré&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Please select a jersey number to save the thumbnail to.</source>
        <translation>Veuillez choisir le numéro de maillot sous lequel enregistrer la vignette.</translation>
    </message>
    <message>
        <source>The jersey has been saved, but the thumbnail for Mardek could not be written:

%1</source>
        <translation>Le maillot a été enregistré, mais la vignette pour Mardek n&apos;a pas pu être écrite&#xa0;:

%1</translation>
    </message>
    <message>
        <source>
(the file it replaced is kept as %1)</source>
        <translation>
(le fichier remplacé est conservé sous %1)</translation>
    </message>
    <message>
        <source>Jersey has been saved%1
Would you like to edit another jersey?</source>
        <translation>Le maillot a été enregistré%1
Voulez-vous modifier un autre maillot&#xa0;?</translation>
    </message>
    <message>
        <source>USER GUIDE</source>
        <translation>MODE D&apos;EMPLOI</translation>
    </message>
    <message>
        <source>editing a jersey, step by step</source>
        <translation>créer un maillot pas à pas</translation>
    </message>
    <message>
        <source>KIT COLOURS</source>
        <translation>COULEURS DU CLUB</translation>
    </message>
    <message>
        <source>how colours and shades work</source>
        <translation>couleurs et nuances</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageTwo</name>
    <message>
        <source>Bitmap editor</source>
        <translation>Éditeur d&apos;images</translation>
    </message>
    <message>
        <source>Front design, as your editor last saved it</source>
        <translation>Motif du devant, tel que votre éditeur l&apos;a enregistré en dernier</translation>
    </message>
    <message>
        <source>Back design, as your editor last saved it</source>
        <translation>Motif du dos, tel que votre éditeur l&apos;a enregistré en dernier</translation>
    </message>
    <message>
        <source>Long sleeve design, as your editor last saved it</source>
        <translation>Motif de la manche longue, tel que votre éditeur l&apos;a enregistré en dernier</translation>
    </message>
    <message>
        <source>Short sleeve design, as your editor last saved it</source>
        <translation>Motif de la manche courte, tel que votre éditeur l&apos;a enregistré en dernier</translation>
    </message>
    <message>
        <source>Front of the shirt in the kit colours, from your designs</source>
        <translation>Devant du maillot dans les couleurs de la tenue, d&apos;après vos motifs</translation>
    </message>
    <message>
        <source>Back of the shirt in the kit colours, from your designs</source>
        <translation>Dos du maillot dans les couleurs de la tenue, d&apos;après vos motifs</translation>
    </message>
    <message>
        <source>Use your favourite bitmap editor to design the jersey. Use colour index 47 for the primary colour, 63 for the secondary and 79 for the tertiary.</source>
        <translation>Créez le maillot avec votre éditeur d&apos;images préféré. Utilisez l&apos;indice de couleur 47 pour la couleur principale, 63 pour la deuxième et 79 pour la troisième.</translation>
    </message>
    <message>
        <source>Paint each part as it looks, in these kit colours. Soft edges and lighter or darker paint keep their kit colour in every club&apos;s colours.</source>
        <translation>Peignez chaque partie telle qu&apos;elle apparaît, dans ces couleurs. Bords doux et teintes plus claires ou foncées gardent leur couleur dans chaque club.</translation>
    </message>
    <message>
        <source>Your favourite bitmap editor path:</source>
        <translation>Chemin de votre éditeur d&apos;images&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Paint the whole shirt as it looks</source>
        <translation>Peindre tout le maillot tel qu&apos;il apparaît</translation>
    </message>
    <message>
        <source>Paint colour groups and shading apart</source>
        <translation>Peindre couleurs et ombrage séparément</translation>
    </message>
    <message>
        <source>Front...</source>
        <translation>Devant...</translation>
    </message>
    <message>
        <source>Back...</source>
        <translation>Dos...</translation>
    </message>
    <message>
        <source>Long Sleeve...</source>
        <translation>Manche longue...</translation>
    </message>
    <message>
        <source>Short Sleeve...</source>
        <translation>Manche courte...</translation>
    </message>
    <message>
        <source>Edit Shade...</source>
        <translation>Ombrage...</translation>
    </message>
    <message>
        <source>Save palette...</source>
        <translation>Palette GIMP...</translation>
    </message>
    <message>
        <source>In the kit colours</source>
        <translation>Couleurs de la tenue</translation>
    </message>
    <message>
        <source>Map other colours to the nearest jersey colour</source>
        <translation>Remplacer les autres couleurs par la couleur de maillot la plus proche</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>**** Don&apos;t forget to save the designs before returning to Tarnix.</source>
        <translation>**** N&apos;oubliez pas d&apos;enregistrer les motifs avant de revenir à Tarnix.</translation>
    </message>
    <message>
        <source>Colours an editor brought in that the jersey does not have (from smoothing, or a colour picked by eye) become the nearest colour the part can use, instead of stopping the save</source>
        <translation>Les couleurs qu&apos;un éditeur a introduites et que le maillot n&apos;a pas (par lissage, ou une couleur choisie à l&apos;œil) deviennent la couleur la plus proche que la partie peut utiliser, au lieu d&apos;arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts could not be prepared for your bitmap editor:

%1</source>
        <translation>Les parties du maillot n&apos;ont pas pu être préparées pour votre éditeur d&apos;images&#xa0;:

%1</translation>
    </message>
    <message>
        <source>What you painted cannot be carried over to the other way of painting:

%1

Change it in your editor, or let other colours be mapped to the nearest jersey colour, and try again.</source>
        <translation>Ce que vous avez peint ne peut pas passer à l&apos;autre façon de peindre&#xa0;:

%1

Modifiez-le dans votre éditeur, ou laissez remplacer les autres couleurs par la couleur de maillot la plus proche, et réessayez.</translation>
    </message>
    <message>
        <source>The pictures cannot be used as they stand:

%1</source>
        <translation>Les images ne sont pas utilisables telles quelles&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The designs cannot be used as they stand:

%1</source>
        <translation>Les motifs ne sont pas utilisables tels quels&#xa0;:

%1</translation>
    </message>
    <message>
        <source>

Repaint those pixels with the jersey&apos;s colours, or tick &quot;%1&quot; on this page.</source>
        <translation>

Repeignez ces pixels avec les couleurs du maillot, ou cochez «&#xa0;%1&#xa0;» sur cette page.</translation>
    </message>
    <message>
        <source>Please select your favourite bitmap editor.</source>
        <translation>Veuillez choisir votre éditeur d&apos;images préféré.</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is nothing to open in the bitmap editor.</source>
        <translation>Les parties du maillot n&apos;ont pas été préparées&#xa0;: il n&apos;y a rien à ouvrir dans l&apos;éditeur d&apos;images.</translation>
    </message>
    <message>
        <source>Error starting bitmap editor, please make sure the path is correct

Tried: %1</source>
        <translation>Erreur au lancement de l&apos;éditeur d&apos;images, vérifiez que le chemin est correct

Essayé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Other program...</source>
        <translation>Autre programme...</translation>
    </message>
    <message>
        <source>Executable Files (*.EXE *.exe);;All Files (*)</source>
        <translation>Fichiers exécutables (*.EXE *.exe);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>All Files (*);;Executable Files (*.EXE *.exe)</source>
        <translation>Tous les fichiers (*);;Fichiers exécutables (*.EXE *.exe)</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is no palette to save.</source>
        <translation>Les parties du maillot n&apos;ont pas été préparées&#xa0;: il n&apos;y a pas de palette à enregistrer.</translation>
    </message>
    <message>
        <source>Save palette</source>
        <translation>Enregistrer la palette</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl);;All Files (*)</source>
        <translation>Palette GIMP (*.gpl);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The palette could not be saved:

%1</source>
        <translation>La palette n&apos;a pas pu être enregistrée&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>tarnix::CTarnixApp</name>
    <message>
        <source>Cannot locate FIFA99 directory in the Registry. Do you want to select it yourself?</source>
        <translation>Le dossier de FIFA99 est introuvable dans le Registre. Voulez-vous le choisir vous-même&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot locate FIFA99 directory in the registry of the Wine prefix %1. Do you want to select it yourself?</source>
        <translation>Le dossier de FIFA99 est introuvable dans le registre du préfixe Wine %1. Voulez-vous le choisir vous-même&#xa0;?</translation>
    </message>
    <message>
        <source>Tarnix ran out of memory, so the last step was not finished and nothing was written. Close other programs and try again.</source>
        <translation>Tarnix manque de mémoire&#xa0;: la dernière étape n&apos;a pas été terminée et rien n&apos;a été écrit. Fermez d&apos;autres programmes et réessayez.</translation>
    </message>
    <message>
        <source>Tarnix BETA - user guide</source>
        <translation>Tarnix BÊTA - guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Tarnix found unsaved designs of %1 from %2. Continue editing them?</source>
        <translation>Tarnix a trouvé des motifs non enregistrés de %1 du %2. Continuer à les modifier&#xa0;?</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>Choisir le dossier de FIFA99</translation>
    </message>
</context>
<context>
    <name>tarnix::CoreMessage</name>
    <message>
        <source>%1 is not a jersey file: it has no entry %2</source>
        <translation>%1 n&apos;est pas un fichier de maillot&#xa0;: il n&apos;a pas d&apos;entrée %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>impossible de remplacer %1</translation>
    </message>
    <message>
        <source>it exists and is not a file</source>
        <translation>il existe et n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is a device or pipe, not a file</source>
        <translation>%1 est un périphérique ou un tube, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is too large to be a game file (%2 bytes; files of at most %3 MiB are read)</source>
        <translation>%1 est trop grand pour un fichier du jeu (%2 octets&#xa0;; les fichiers de %3 Mio au plus sont lus)</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1</source>
        <translation>impossible de créer un fichier temporaire dans %1</translation>
    </message>
    <message>
        <source>no game folder is set</source>
        <translation>aucun dossier du jeu n&apos;est défini</translation>
    </message>
    <message>
        <source>cannot read the team database</source>
        <translation>impossible de lire la base des équipes</translation>
    </message>
    <message>
        <source>cannot read the team names</source>
        <translation>impossible de lire les noms des équipes</translation>
    </message>
    <message>
        <source>Please specify a file to save to.</source>
        <translation>Veuillez indiquer un fichier où enregistrer.</translation>
    </message>
    <message>
        <source>The label %1 holds characters that a jersey file cannot store: it holds only Western European characters (Windows-%2). Please change the label.</source>
        <translation>Le nom %1 contient des caractères qu&apos;un fichier de maillot ne peut pas stocker&#xa0;: il ne stocke que des caractères d&apos;Europe occidentale (Windows-%2). Veuillez modifier le nom.</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3)); paint them with a jersey colour and save without transparency</source>
        <translation>%1 a des pixels transparents (le premier en (%2, %3))&#xa0;; peignez-les d&apos;une couleur du maillot et enregistrez sans transparence</translation>
    </message>
    <message>
        <source>%1 is a %2-bit bitmap; save it as an %3-bit (%4-colour) or %5-bit BMP, or as PNG</source>
        <translation>%1 est une image %2 bits&#xa0;; enregistrez-la en BMP %3 bits (%4 couleurs) ou %5 bits, ou en PNG</translation>
    </message>
    <message>
        <source>the jersey&apos;s parts have not been prepared for the bitmap editor (see the design page)</source>
        <translation>les parties du maillot n&apos;ont pas été préparées pour l&apos;éditeur d&apos;images (voir la page des motifs)</translation>
    </message>
    <message>
        <source>the jersey&apos;s pictures have not been prepared for the bitmap editor (see the design page)</source>
        <translation>les images du maillot n&apos;ont pas été préparées pour l&apos;éditeur d&apos;images (voir la page des motifs)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus de place sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1</source>
        <translation>impossible de définir les permissions de %1</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file</source>
        <translation>%1 est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file</source>
        <translation>%1 est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is a device, not a file</source>
        <translation>%1 est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>cannot find the temporary folder</source>
        <translation>impossible de trouver le dossier temporaire</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be flushed to the disk, so the change may not survive a crash</source>
        <translation>%1 a été écrit, mais son dossier n&apos;a pas pu être écrit sur le disque&#xa0;; la modification pourrait ne pas survivre à un plantage</translation>
    </message>
    <message>
        <source>no file name given to write to</source>
        <translation>aucun nom de fichier où écrire</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>Permission denied (is it open in another program?)</source>
        <translation>Permission refusée (est-il ouvert dans un autre programme&#xa0;?)</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument invalide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>cannot keep a backup of %1 before replacing it, so nothing was saved</source>
        <translation>impossible de garder une copie de sauvegarde de %1 avant de le remplacer, rien n&apos;a donc été enregistré</translation>
    </message>
    <message>
        <source>cannot find the folder for backups</source>
        <translation>impossible de trouver le dossier des copies de sauvegarde</translation>
    </message>
    <message>
        <source>LOCALAPPDATA is not set</source>
        <translation>LOCALAPPDATA n&apos;est pas défini</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>ni XDG_DATA_HOME ni HOME n&apos;est défini</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 has no entry %2</source>
        <translation>%1 n&apos;a pas d&apos;entrée %2</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3</source>
        <translation>%1 n&apos;a pas d&apos;entrée %2 ou %3</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory runs past the end of the file)</source>
        <translation>%1 n&apos;a pas d&apos;entrée %2 (son répertoire dépasse la fin du fichier)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory runs past the end of the file)</source>
        <translation>%1 n&apos;a pas d&apos;entrée %2 ou %3 (son répertoire dépasse la fin du fichier)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory lists %3 records, but only %4 lie before the entries&apos; data)</source>
        <translation>%1 n&apos;a pas d&apos;entrée %2 (son répertoire annonce %3 enregistrements, mais seuls %4 précèdent les données des entrées)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory lists %4 records, but only %5 lie before the entries&apos; data)</source>
        <translation>%1 n&apos;a pas d&apos;entrée %2 ou %3 (son répertoire annonce %4 enregistrements, mais seuls %5 précèdent les données des entrées)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 overlaps the archive&apos;s header</source>
        <translation>l&apos;entrée %1 de %2 à la position %3 chevauche l&apos;en-tête de l&apos;archive</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 runs past the end of the file (%4 bytes)</source>
        <translation>l&apos;entrée %1 de %2 à la position %3 dépasse la fin du fichier (%4 octets)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 lies behind the archive&apos;s total size (%4); the header is damaged</source>
        <translation>l&apos;entrée %1 de %2 à la position %3 se trouve au-delà de la taille totale de l&apos;archive (%4)&#xa0;; l&apos;en-tête est endommagé</translation>
    </message>
    <message>
        <source>the total size in the header of %1 (%2) does not fit its length (%3 bytes)</source>
        <translation>la taille totale dans l&apos;en-tête de %1 (%2) ne correspond pas à sa longueur (%3 octets)</translation>
    </message>
    <message>
        <source>no thumbnail written</source>
        <translation>aucune vignette écrite</translation>
    </message>
    <message>
        <source>The file name %1 ends in a space or a dot, which Windows drops from file names. Please remove it.</source>
        <translation>Le nom de fichier %1 se termine par une espace ou un point, que Windows retire des noms de fichiers. Veuillez le supprimer.</translation>
    </message>
    <message>
        <source>kit colour %1 is not one of the %2 named colours</source>
        <translation>la couleur de tenue %1 n&apos;est pas l&apos;une des %2 couleurs nommées</translation>
    </message>
    <message>
        <source>the composed %1 is %2 x %3 pixels instead of %4 x %5</source>
        <translation>la bitmap composée (%1) fait %2 x %3 pixels au lieu de %4 x %5</translation>
    </message>
    <message>
        <source>the composed %1 bitmap</source>
        <translation>la bitmap composée (%1)</translation>
    </message>
    <message>
        <source>%1 is not a BMP bitmap</source>
        <translation>%1 n&apos;est pas une image BMP</translation>
    </message>
    <message>
        <source>%1 is truncated inside its header (%2 bytes)</source>
        <translation>%1 est tronqué dans son en-tête (%2 octets)</translation>
    </message>
    <message>
        <source>%1 is truncated inside its OS/%2 header</source>
        <translation>%1 est tronqué dans son en-tête OS/%2</translation>
    </message>
    <message>
        <source>%1 has an unsupported or truncated bitmap header (%2 bytes); save it as a Windows BMP or as PNG</source>
        <translation>%1 a un en-tête de bitmap non pris en charge ou tronqué (%2 octets)&#xa0;; enregistrez-le en BMP Windows ou en PNG</translation>
    </message>
    <message>
        <source>%1 is an OS/%2 bitmap with Huffman compression; save it as a plain BMP or as PNG</source>
        <translation>%1 est une bitmap OS/%2 compressée en Huffman&#xa0;; enregistrez-la en BMP simple ou en PNG</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour masks</source>
        <translation>%1 est tronqué dans ses masques de couleur</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed at %2 bits; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 est compressé en RLE à %2 bits&#xa0;; enregistrez-le en BMP non compressé ou en PNG</translation>
    </message>
    <message>
        <source>%1 is a JPEG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 est une image JPEG emballée dans un BMP&#xa0;; enregistrez-la en BMP non compressé ou en PNG</translation>
    </message>
    <message>
        <source>%1 is a PNG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 est une image PNG emballée dans un BMP&#xa0;; enregistrez-la en BMP non compressé ou en PNG</translation>
    </message>
    <message>
        <source>%1 is compressed in a way BMP readers rarely know (compression %2); save it as an uncompressed BMP or as PNG</source>
        <translation>%1 est compressé d&apos;une manière que les lecteurs BMP connaissent rarement (compression %2)&#xa0;; enregistrez-le en BMP non compressé ou en PNG</translation>
    </message>
    <message>
        <source>%1 has an unusable size of %2 x %3 pixels</source>
        <translation>%1 a une taille inutilisable de %2 x %3 pixels</translation>
    </message>
    <message>
        <source>%1 declares %2 colours; an indexed bitmap has at most %3</source>
        <translation>%1 déclare %2 couleurs&#xa0;; une bitmap indexée en a au plus %3</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour table</source>
        <translation>%1 est tronqué dans sa table des couleurs</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends after %2 of its %3 rows</source>
        <translation>%1 est compressé en RLE et ses données s&apos;arrêtent après %2 de ses %3 lignes</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside a jump</source>
        <translation>%1 est compressé en RLE et ses données s&apos;arrêtent au milieu d&apos;un saut</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside row %2</source>
        <translation>%1 est compressé en RLE et ses données s&apos;arrêtent dans la ligne %2</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its %2 bytes of data cannot hold %3 x %4 pixels</source>
        <translation>%1 est compressé en RLE et ses %2 octets de données ne peuvent pas contenir %3 x %4 pixels</translation>
    </message>
    <message>
        <source>%1 has colour masks with gaps; save it as a plain %2-bit BMP or as PNG</source>
        <translation>%1 a des masques de couleur avec des trous&#xa0;; enregistrez-le en BMP %2 bits simple ou en PNG</translation>
    </message>
    <message>
        <source>%1 is truncated: its %2 rows of %3 %4-bit pixels do not fit in its %5 bytes</source>
        <translation>%1 est tronqué&#xa0;: ses %2 lignes de %3 pixels de %4 bits ne tiennent pas dans ses %5 octets</translation>
    </message>
    <message>
        <source>%1 has more than %2 colours</source>
        <translation>%1 a plus de %2 couleurs</translation>
    </message>
    <message>
        <source>%1 is neither a BMP nor a PNG picture; save it as BMP or PNG</source>
        <translation>%1 n&apos;est ni une image BMP ni une image PNG&#xa0;; enregistrez-la en BMP ou en PNG</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (%2)</source>
        <translation>%1 est un PNG endommagé (%2)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (no IHDR chunk where the header belongs)</source>
        <translation>%1 est un PNG endommagé (pas de bloc IHDR à la place de l&apos;en-tête)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image width %2 in IHDR, not %3 to %4)</source>
        <translation>%1 est un PNG endommagé (largeur d&apos;image %2 dans IHDR, pas de %3 à %4)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image height %2 in IHDR, not %3 to %4)</source>
        <translation>%1 est un PNG endommagé (hauteur d&apos;image %2 dans IHDR, pas de %3 à %4)</translation>
    </message>
    <message>
        <source>%1 is too short (%2 bytes) for its %3 x %4 pixels</source>
        <translation>%1 est trop court (%2 octets) pour ses %3 x %4 pixels</translation>
    </message>
    <message>
        <source>%1 is too large (%2 bytes) for a picture</source>
        <translation>%1 est trop grand (%2 octets) pour une image</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3), alpha %4); paint them with a jersey colour and save without transparency</source>
        <translation>%1 a des pixels transparents (le premier en (%2, %3), alpha %4)&#xa0;; peignez-les d&apos;une couleur du maillot et enregistrez sans transparence</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; it must stay %4 x %5</source>
        <translation>%1 fait %2 x %3 pixels&#xa0;; la taille doit rester %4 x %5</translation>
    </message>
    <message>
        <source>%1 uses colour index %2, but its colour table has only %3 colours</source>
        <translation>%1 utilise l&apos;indice de couleur %2, mais sa table des couleurs n&apos;a que %3 couleurs</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 a %2 pixel dans une couleur avec laquelle la bitmap n&apos;a pas été exportée (le premier en (%3, %4), %5)&#xa0;; peignez uniquement avec les couleurs de la bitmap (la palette du maillot), ou choisissez de ramener les autres couleurs à la couleur du maillot la plus proche</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 a %2 pixels dans des couleurs avec lesquelles la bitmap n&apos;a pas été exportée (le premier en (%3, %4), %5)&#xa0;; peignez uniquement avec les couleurs de la bitmap (la palette du maillot), ou choisissez de ramener les autres couleurs à la couleur du maillot la plus proche</translation>
    </message>
    <message>
        <source>%1 no longer share their exported colour table; without the colour tables they were exported with their colours cannot be mapped back</source>
        <translation>%1 ne partagent plus leur table des couleurs exportée&#xa0;; sans les tables des couleurs avec lesquelles elles ont été exportées, leurs couleurs ne peuvent pas être retrouvées</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 a %2 pixel dans une couleur éloignée de toute couleur que la partie peut prendre (le premier en (%3, %4), %5)&#xa0;; les couleurs de tenue les plus proches&#xa0;: %6 (choisissez-en une comme couleur de tenue), ou choisissez de ramener ces couleurs à la nuance la plus proche</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 a %2 pixels dans des couleurs éloignées de toute couleur que la partie peut prendre (le premier en (%3, %4), %5)&#xa0;; les couleurs de tenue les plus proches&#xa0;: %6 (choisissez-en une comme couleur de tenue), ou choisissez de ramener ces couleurs à la nuance la plus proche</translation>
    </message>
    <message>
        <source>the record of what was exported has no %1 picture; export the pictures again</source>
        <translation>l&apos;enregistrement de l&apos;export n&apos;a pas d&apos;image (%1)&#xa0;; exportez de nouveau les images</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>impossible d&apos;encoder %1 en PNG</translation>
    </message>
    <message>
        <source>%1 changed pixels</source>
        <translation>%1 pixels modifiés</translation>
    </message>
    <message>
        <source>%1 in colours the kit shows (%2)</source>
        <translation>%1 dans des couleurs que la tenue montre (%2)</translation>
    </message>
    <message>
        <source>%1 edge or shading pixels to %2</source>
        <translation>%1 pixels de bord ou d&apos;ombrage vers %2</translation>
    </message>
    <message>
        <source>%1 far colours to the nearest kit shade, %2</source>
        <translation>%1 couleurs éloignées vers la nuance la plus proche, %2</translation>
    </message>
    <message>
        <source>%1 (group %2) %3</source>
        <translation>%1 (groupe %2) %3</translation>
    </message>
    <message>
        <source>the badge ramp (group %1) %2</source>
        <translation>la rampe de l&apos;écusson (groupe %1) %2</translation>
    </message>
    <message>
        <source>fixed group %1 %2</source>
        <translation>groupe fixe %1 %2</translation>
    </message>
    <message>
        <source>the record of the exported pictures is damaged at line %1</source>
        <translation>l&apos;enregistrement des images exportées est endommagé à la ligne %1</translation>
    </message>
    <message>
        <source>it does not start with %1</source>
        <translation>il ne commence pas par %1</translation>
    </message>
    <message>
        <source>expected %1 and seven kit colours</source>
        <translation>attendu&#xa0;: %1 et sept couleurs de tenue</translation>
    </message>
    <message>
        <source>kit colour %1 is not a number from -%2 to %3</source>
        <translation>la couleur de tenue %1 n&apos;est pas un nombre de -%2 à %3</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>attendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>expected sixteen colours RRGGBB</source>
        <translation>attendu&#xa0;: seize couleurs RRGGBB</translation>
    </message>
    <message>
        <source>expected a row of %1 indices in hex</source>
        <translation>attendu&#xa0;: une ligne de %1 indices en hexadécimal</translation>
    </message>
    <message>
        <source>unexpected text after the short sleeve</source>
        <translation>texte inattendu après la manche courte</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to be a team database (%1 bytes)</source>
        <translation>FCDB.DBI est trop court pour être une base des équipes (%1 octets)</translation>
    </message>
    <message>
        <source>FCDB.DBI is not a team database: its records are %1 bytes long, fewer than the %2 every record holds</source>
        <translation>FCDB.DBI n&apos;est pas une base des équipes&#xa0;: ses enregistrements font %1 octets, moins que les %2 que contient chaque enregistrement</translation>
    </message>
    <message>
        <source>FCDB_ENG.DBI has no name for record %1 of %2</source>
        <translation>FCDB_ENG.DBI n&apos;a pas de nom pour l&apos;enregistrement %1 sur %2</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside record %1 of %2 (offset %3, %4 bytes each)</source>
        <translation>FCDB.DBI s&apos;arrête au milieu de l&apos;enregistrement %1 sur %2 (position %3, %4 octets chacun)</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to hold its league sections</source>
        <translation>FCDB.DBI est trop court pour contenir ses sections de championnats</translation>
    </message>
    <message>
        <source>FCDB.DBI ends before league section %1</source>
        <translation>FCDB.DBI s&apos;arrête avant la section de championnat %1</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside league section %1</source>
        <translation>FCDB.DBI s&apos;arrête au milieu de la section de championnat %1</translation>
    </message>
    <message>
        <source>front</source>
        <translation>devant</translation>
    </message>
    <message>
        <source>back</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>long sleeve</source>
        <translation>manche longue</translation>
    </message>
    <message>
        <source>short sleeve</source>
        <translation>manche courte</translation>
    </message>
    <message>
        <source>the front design bitmap</source>
        <translation>la bitmap de motif du devant</translation>
    </message>
    <message>
        <source>the back design bitmap</source>
        <translation>la bitmap de motif du dos</translation>
    </message>
    <message>
        <source>the long sleeve design bitmap</source>
        <translation>la bitmap de motif de la manche longue</translation>
    </message>
    <message>
        <source>the short sleeve design bitmap</source>
        <translation>la bitmap de motif de la manche courte</translation>
    </message>
    <message>
        <source>the front shade bitmap</source>
        <translation>la bitmap d&apos;ombrage du devant</translation>
    </message>
    <message>
        <source>the back shade bitmap</source>
        <translation>la bitmap d&apos;ombrage du dos</translation>
    </message>
    <message>
        <source>the long sleeve shade bitmap</source>
        <translation>la bitmap d&apos;ombrage de la manche longue</translation>
    </message>
    <message>
        <source>the short sleeve shade bitmap</source>
        <translation>la bitmap d&apos;ombrage de la manche courte</translation>
    </message>
    <message>
        <source>the front picture</source>
        <translation>l&apos;image du devant</translation>
    </message>
    <message>
        <source>the back picture</source>
        <translation>l&apos;image du dos</translation>
    </message>
    <message>
        <source>the long sleeve picture</source>
        <translation>l&apos;image de la manche longue</translation>
    </message>
    <message>
        <source>the short sleeve picture</source>
        <translation>l&apos;image de la manche courte</translation>
    </message>
    <message>
        <source>the front design and shade bitmaps</source>
        <translation>les bitmaps de motif et d&apos;ombrage du devant</translation>
    </message>
    <message>
        <source>the back design and shade bitmaps</source>
        <translation>les bitmaps de motif et d&apos;ombrage du dos</translation>
    </message>
    <message>
        <source>the long sleeve design and shade bitmaps</source>
        <translation>les bitmaps de motif et d&apos;ombrage de la manche longue</translation>
    </message>
    <message>
        <source>the short sleeve design and shade bitmaps</source>
        <translation>les bitmaps de motif et d&apos;ombrage de la manche courte</translation>
    </message>
    <message>
        <source>jersey 1st</source>
        <translation>1re couleur du maillot</translation>
    </message>
    <message>
        <source>jersey 2nd</source>
        <translation>2e couleur du maillot</translation>
    </message>
    <message>
        <source>jersey 3rd</source>
        <translation>3e couleur du maillot</translation>
    </message>
    <message>
        <source>shorts 1st</source>
        <translation>1re couleur du short</translation>
    </message>
    <message>
        <source>shorts 2nd</source>
        <translation>2e couleur du short</translation>
    </message>
    <message>
        <source>socks 1st</source>
        <translation>1re couleur des chaussettes</translation>
    </message>
    <message>
        <source>socks 2nd</source>
        <translation>2e couleur des chaussettes</translation>
    </message>
    <message>
        <source>%1 has no colour table before its pixels; save it again as an %2-bit (%3-colour) BMP or as PNG</source>
        <translation>%1 n&apos;a pas de table des couleurs avant ses pixels&#xa0;; enregistrez-le de nouveau en BMP %2 bits (%3 couleurs) ou en PNG</translation>
    </message>
    <message>
        <source>%1 changed pixel</source>
        <translation>%1 pixel modifié</translation>
    </message>
    <message>
        <source>%1 edge or shading pixel to %2</source>
        <translation>%1 pixel de bord ou d&apos;ombrage vers %2</translation>
    </message>
    <message>
        <source>%1 far colour to the nearest kit shade, %2</source>
        <translation>%1 couleur éloignée vers la nuance la plus proche, %2</translation>
    </message>
</context>
<context>
    <name>tarnix::JerseyModel</name>
    <message>
        <source>The changes to %1 are not saved. Discard them?</source>
        <translation>Les modifications de %1 ne sont pas enregistrées. Les abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Do you really want to quit and lose all changes made to the jersey?</source>
        <translation>Voulez-vous vraiment quitter et perdre toutes les modifications du maillot&#xa0;?</translation>
    </message>
</context>
</TS>
