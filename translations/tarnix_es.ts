<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>tarnix::CAssociateDlg</name>
    <message>
        <source>Assign...</source>
        <translation>Asignar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Asignar</translation>
    </message>
    <message>
        <source>Teams, their strips and assigned jerseys</source>
        <translation>Equipos, sus equipaciones y camisetas asignadas</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Liga</translation>
    </message>
    <message>
        <source>Jersey File</source>
        <translation>Archivo de camiseta</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Local</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Visitante</translation>
    </message>
</context>
<context>
    <name>tarnix::CColourGridWnd</name>
    <message>
        <source>Kit colours</source>
        <translation>Colores de la equipación</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rojo claro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Naranja claro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Oro oscuro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Morado claro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Morado oscuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
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
        <translation>El sistema operativo se ha quedado
sin memoria o recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE de Win32 o hay un error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo es
incompleta o no válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no pudo
completarse porque la solicitud agotó el tiempo.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no pudo
completarse porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>No se puede abrir el enlace:

</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageOne</name>
    <message>
        <source>Tarnix, FIFA99 jersey editor</source>
        <translation>Tarnix, editor de camisetas de FIFA99</translation>
    </message>
    <message>
        <source>Front of the chosen jersey in its kit colours</source>
        <translation>Delantera de la camiseta elegida con los colores de su equipación</translation>
    </message>
    <message>
        <source>FIFA99 folder</source>
        <translation>Carpeta de FIFA99</translation>
    </message>
    <message>
        <source>Teams that wear this jersey</source>
        <translation>Equipos que llevan esta camiseta</translation>
    </message>
    <message>
        <source>Jersey label</source>
        <translation>Título de la camiseta</translation>
    </message>
    <message>
        <source>FIFA99 Folder...</source>
        <translation>Carpeta FIFA99...</translation>
    </message>
    <message>
        <source>This jersey is used by these teams:</source>
        <translation>Esta camiseta la llevan estos equipos:</translation>
    </message>
    <message>
        <source>&amp;Select a Jersey (FSH) file to edit:</source>
        <translation>&amp;Seleccione el archivo de camiseta (FSH) que editar:</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>Asignar...</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH);;All Files (*)</source>
        <translation>Archivos de camiseta (*.FSH);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Please select a jersey FSH file to edit.</source>
        <translation>Seleccione un archivo de camiseta FSH para editar.</translation>
    </message>
    <message>
        <source>%1 does not exist or is not a jersey file.

%2</source>
        <translation>%1 no existe o no es un archivo de camiseta.

%2</translation>
    </message>
    <message>
        <source>The preview of %1 cannot be shown: %2</source>
        <translation>No se puede mostrar la vista previa de %1: %2</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>Seleccionar la carpeta de FIFA99</translation>
    </message>
    <message>
        <source>The clubs of %1 cannot be listed:

%2</source>
        <translation>No se pueden listar los clubes de %1:

%2</translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation>%1 - Local</translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation>%1 - Visitante</translation>
    </message>
    <message>
        <source>FIFA99 jersey editor</source>
        <translation>editor de camisetas FIFA99</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageThree</name>
    <message>
        <source>Jersey 1st colour</source>
        <translation>Camiseta, 1.er color</translation>
    </message>
    <message>
        <source>Jersey 2nd colour</source>
        <translation>Camiseta, 2.º color</translation>
    </message>
    <message>
        <source>Jersey 3rd colour</source>
        <translation>Camiseta, 3.er color</translation>
    </message>
    <message>
        <source>Shorts 1st colour</source>
        <translation>Pantalón, 1.er color</translation>
    </message>
    <message>
        <source>Shorts 2nd colour</source>
        <translation>Pantalón, 2.º color</translation>
    </message>
    <message>
        <source>Socks 1st colour</source>
        <translation>Medias, 1.er color</translation>
    </message>
    <message>
        <source>Socks 2nd colour</source>
        <translation>Medias, 2.º color</translation>
    </message>
    <message>
        <source>Front of the jersey in the chosen kit colours</source>
        <translation>Delantera de la camiseta con los colores de equipación elegidos</translation>
    </message>
    <message>
        <source>Back of the jersey in the chosen kit colours</source>
        <translation>Espalda de la camiseta con los colores de equipación elegidos</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>User guide: designing a jersey, from the first page to the game</source>
        <translation>Guía del usuario: diseñar una camiseta, de la primera página al juego</translation>
    </message>
    <message>
        <source>User guide: how the kit colours and the shades of a jersey work</source>
        <translation>Guía del usuario: cómo funcionan los colores de la equipación y los sombreados de una camiseta</translation>
    </message>
    <message>
        <source>Some colours cannot be used as they stand: point here to see why.</source>
        <translation>Algunos colores no se pueden usar tal como están: señale aquí para ver por qué.</translation>
    </message>
    <message>
        <source>Mardek thumbnail:</source>
        <translation>Miniatura de Mardek:</translation>
    </message>
    <message>
        <source>none (no folder chosen)</source>
        <translation>ninguna (sin carpeta)</translation>
    </message>
    <message>
        <source>none (start with /jN)</source>
        <translation>ninguna (iniciar con /jN)</translation>
    </message>
    <message>
        <source>Started as &quot;tarnix /jN&quot; (N from 1 to 64), Tarnix writes the thumbnail of jersey N into Mardek&apos;s Jerseys folder after each save.</source>
        <translation>Iniciado como &quot;tarnix /jN&quot; (N de 1 a 64), Tarnix escribe la miniatura de la camiseta N en la carpeta Jerseys de Mardek tras cada guardado.</translation>
    </message>
    <message>
        <source>Choose Mardek&apos;s folder with &quot;Mardek Folder...&quot; to write the thumbnail of jersey %1 after each save.</source>
        <translation>Elija la carpeta de Mardek con &quot;Carpeta Mardek...&quot; para escribir la miniatura de la camiseta %1 tras cada guardado.</translation>
    </message>
    <message>
        <source>The thumbnail jersey number %1 is outside 1 to 64.

Jerseys will be saved without a thumbnail for Mardek.</source>
        <translation>El número de camiseta %1 de la miniatura no está entre 1 y 64.

Las camisetas se guardarán sin miniatura para Mardek.</translation>
    </message>
    <message>
        <source>A thumbnail for jersey number %1 was asked for, but Mardek&apos;s folder is not set.

Choose it with &quot;Mardek Folder...&quot; on the colours page; until then jerseys are saved without a thumbnail for Mardek.</source>
        <translation>Se pidió una miniatura para la camiseta número %1, pero la carpeta de Mardek no está definida.

Elíjala con &quot;Carpeta Mardek...&quot; en la página de colores; hasta entonces las camisetas se guardan sin miniatura para Mardek.</translation>
    </message>
    <message>
        <source>Where Mardek is installed: thumbnails go into its Jerseys folder</source>
        <translation>Dónde está instalado Mardek: las miniaturas van a su carpeta Jerseys</translation>
    </message>
    <message>
        <source>Select Mardek directory</source>
        <translation>Seleccionar la carpeta de Mardek</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The designs cannot be previewed or saved as they stand:

%1</source>
        <translation>Los diseños no se pueden previsualizar ni guardar tal como están:

%1</translation>
    </message>
    <message>
        <source>1 pixel in a colour the jersey does not have was mapped to the nearest jersey colour.</source>
        <translation>1 píxel de un color que la camiseta no tiene se ha cambiado al color de camiseta más cercano.</translation>
    </message>
    <message>
        <source>%1 pixels in colours the jersey does not have were mapped to the nearest jersey colour.</source>
        <translation>%1 píxeles de colores que la camiseta no tiene se han cambiado al color de camiseta más cercano.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Generate a jersey thumbnail file for Mardek</source>
        <translation>Generar una miniatura de la camiseta para Mardek</translation>
    </message>
    <message>
        <source>Mardek Folder...</source>
        <translation>Carpeta Mardek...</translation>
    </message>
    <message>
        <source>Mardek thumbnail:
none (no folder chosen)</source>
        <extracomment>The heading and the longer of the two &quot;none (...)&quot; notes, as they are translated, one on each line.</extracomment>
        <translation>Miniatura de Mardek:
ninguna (iniciar con /jN)</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>The user guide walks through designing a jersey, from the first page to the game:</source>
        <translation>La guía del usuario explica cómo diseñar una camiseta, de la primera página al juego:</translation>
    </message>
    <message>
        <source>How the kit colours and the shades of a jersey work, and how to paint with them:</source>
        <translation>Cómo funcionan los colores de la equipación y los sombreados, y cómo pintar con ellos:</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Jersey Colours</source>
        <translation>Camiseta</translation>
    </message>
    <message>
        <source>Shorts Colours</source>
        <translation>Pantalón</translation>
    </message>
    <message>
        <source>Socks Colours</source>
        <translation>Medias</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Jersey Files (*.FSH *.fsh);;All Files (*)</source>
        <translation>Archivos de camiseta (*.FSH *.fsh);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The jersey cannot be saved, because the designs cannot be used as they stand:

%1</source>
        <translation>La camiseta no se puede guardar porque los diseños no se pueden usar tal como están:

%1</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>The jersey could not be saved, because its colours and label could not be read when it was chosen:

%1

Please choose it again.</source>
        <translation>La camiseta no se pudo guardar porque sus colores y su nombre no se pudieron leer al elegirla:

%1

Elíjala de nuevo.</translation>
    </message>
    <message>
        <source>The jersey could not be saved:

%1</source>
        <translation>No se pudo guardar la camiseta:

%1</translation>
    </message>
    <message>
        <source>Please select a jersey number to save the thumbnail to.</source>
        <translation>Seleccione el número de camiseta en el que guardar la miniatura.</translation>
    </message>
    <message>
        <source>The jersey has been saved, but the thumbnail for Mardek could not be written:

%1</source>
        <translation>La camiseta se ha guardado, pero no se pudo escribir la miniatura para Mardek:

%1</translation>
    </message>
    <message>
        <source>
(the file it replaced is kept as %1)</source>
        <translation>
(el archivo sustituido se conserva como %1)</translation>
    </message>
    <message>
        <source>Jersey has been saved%1
Would you like to edit another jersey?</source>
        <translation>La camiseta se ha guardado%1
¿Desea editar otra camiseta?</translation>
    </message>
    <message>
        <source>USER GUIDE</source>
        <translation>GUÍA DEL USUARIO</translation>
    </message>
    <message>
        <source>editing a jersey, step by step</source>
        <translation>una camiseta, paso a paso</translation>
    </message>
    <message>
        <source>KIT COLOURS</source>
        <translation>COLORES DEL CLUB</translation>
    </message>
    <message>
        <source>how colours and shades work</source>
        <translation>cómo van colores y tonos</translation>
    </message>
</context>
<context>
    <name>tarnix::CPageTwo</name>
    <message>
        <source>Bitmap editor</source>
        <translation>Editor de imágenes</translation>
    </message>
    <message>
        <source>Front design, as your editor last saved it</source>
        <translation>Diseño delantero, tal como lo guardó por última vez su editor</translation>
    </message>
    <message>
        <source>Back design, as your editor last saved it</source>
        <translation>Diseño de la espalda, tal como lo guardó por última vez su editor</translation>
    </message>
    <message>
        <source>Long sleeve design, as your editor last saved it</source>
        <translation>Diseño de la manga larga, tal como lo guardó por última vez su editor</translation>
    </message>
    <message>
        <source>Short sleeve design, as your editor last saved it</source>
        <translation>Diseño de la manga corta, tal como lo guardó por última vez su editor</translation>
    </message>
    <message>
        <source>Front of the shirt in the kit colours, from your designs</source>
        <translation>Delantera de la camiseta con los colores de la equipación, según sus diseños</translation>
    </message>
    <message>
        <source>Back of the shirt in the kit colours, from your designs</source>
        <translation>Espalda de la camiseta con los colores de la equipación, según sus diseños</translation>
    </message>
    <message>
        <source>Use your favourite bitmap editor to design the jersey. Use colour index 47 for the primary colour, 63 for the secondary and 79 for the tertiary.</source>
        <translation>Diseñe la camiseta en su editor de imágenes: índice de color 47 para el color principal, 63 para el segundo y 79 para el tercero.</translation>
    </message>
    <message>
        <source>Paint each part as it looks, in these kit colours. Soft edges and lighter or darker paint keep their kit colour in every club&apos;s colours.</source>
        <translation>Pinte cada parte tal como se ve, en estos colores. Bordes suaves y tonos claros u oscuros conservan su color en cada club.</translation>
    </message>
    <message>
        <source>Your favourite bitmap editor path:</source>
        <translation>Ruta de su editor de imágenes:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Paint the whole shirt as it looks</source>
        <translation>Pintar toda la camiseta tal como se ve</translation>
    </message>
    <message>
        <source>Paint colour groups and shading apart</source>
        <translation>Pintar colores y sombreado por separado</translation>
    </message>
    <message>
        <source>Front...</source>
        <translation>Frente...</translation>
    </message>
    <message>
        <source>Back...</source>
        <translation>Espalda...</translation>
    </message>
    <message>
        <source>Long Sleeve...</source>
        <translation>Manga larga...</translation>
    </message>
    <message>
        <source>Short Sleeve...</source>
        <translation>Manga corta...</translation>
    </message>
    <message>
        <source>Edit Shade...</source>
        <translation>Sombreado...</translation>
    </message>
    <message>
        <source>Save palette...</source>
        <translation>Guardar paleta...</translation>
    </message>
    <message>
        <source>In the kit colours</source>
        <translation>Con la equipación</translation>
    </message>
    <message>
        <source>Map other colours to the nearest jersey colour</source>
        <translation>Cambiar otros colores al color de camiseta más cercano</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>**** Don&apos;t forget to save the designs before returning to Tarnix.</source>
        <translation>**** No olvide guardar los diseños antes de volver a Tarnix.</translation>
    </message>
    <message>
        <source>Colours an editor brought in that the jersey does not have (from smoothing, or a colour picked by eye) become the nearest colour the part can use, instead of stopping the save</source>
        <translation>Los colores que un editor introdujo y que la camiseta no tiene (por suavizado, o un color elegido a ojo) pasan al color más cercano que la parte puede usar, en lugar de detener el guardado</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts could not be prepared for your bitmap editor:

%1</source>
        <translation>No se pudieron preparar las partes de la camiseta para su editor de imágenes:

%1</translation>
    </message>
    <message>
        <source>What you painted cannot be carried over to the other way of painting:

%1

Change it in your editor, or let other colours be mapped to the nearest jersey colour, and try again.</source>
        <translation>Lo que ha pintado no se puede pasar a la otra forma de pintar:

%1

Cámbielo en su editor, o deje que otros colores pasen al color de camiseta más cercano, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The pictures cannot be used as they stand:

%1</source>
        <translation>Las imágenes no se pueden usar tal como están:

%1</translation>
    </message>
    <message>
        <source>The designs cannot be used as they stand:

%1</source>
        <translation>Los diseños no se pueden usar tal como están:

%1</translation>
    </message>
    <message>
        <source>

Repaint those pixels with the jersey&apos;s colours, or tick &quot;%1&quot; on this page.</source>
        <translation>

Vuelva a pintar esos píxeles con los colores de la camiseta, o marque &quot;%1&quot; en esta página.</translation>
    </message>
    <message>
        <source>Please select your favourite bitmap editor.</source>
        <translation>Seleccione su editor de imágenes favorito.</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is nothing to open in the bitmap editor.</source>
        <translation>Las partes de la camiseta no se han preparado, así que no hay nada que abrir en el editor de imágenes.</translation>
    </message>
    <message>
        <source>Error starting bitmap editor, please make sure the path is correct

Tried: %1</source>
        <translation>Error al iniciar el editor de imágenes, compruebe que la ruta es correcta

Intentado: %1</translation>
    </message>
    <message>
        <source>Other program...</source>
        <translation>Otro programa...</translation>
    </message>
    <message>
        <source>Executable Files (*.EXE *.exe);;All Files (*)</source>
        <translation>Archivos ejecutables (*.EXE *.exe);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>All Files (*);;Executable Files (*.EXE *.exe)</source>
        <translation>Todos los archivos (*);;Archivos ejecutables (*.EXE *.exe)</translation>
    </message>
    <message>
        <source>The jersey&apos;s parts have not been prepared, so there is no palette to save.</source>
        <translation>Las partes de la camiseta no se han preparado, así que no hay paleta que guardar.</translation>
    </message>
    <message>
        <source>Save palette</source>
        <translation>Guardar paleta</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl);;All Files (*)</source>
        <translation>Paleta de GIMP (*.gpl);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to overwrite it?</source>
        <translation>%1 ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>The palette could not be saved:

%1</source>
        <translation>No se pudo guardar la paleta:

%1</translation>
    </message>
</context>
<context>
    <name>tarnix::CTarnixApp</name>
    <message>
        <source>Cannot locate FIFA99 directory in the Registry. Do you want to select it yourself?</source>
        <translation>No se encuentra la carpeta de FIFA99 en el Registro. ¿Desea seleccionarla usted mismo?</translation>
    </message>
    <message>
        <source>Cannot locate FIFA99 directory in the registry of the Wine prefix %1. Do you want to select it yourself?</source>
        <translation>No se encuentra la carpeta de FIFA99 en el registro del prefijo de Wine %1. ¿Desea seleccionarla usted mismo?</translation>
    </message>
    <message>
        <source>Tarnix ran out of memory, so the last step was not finished and nothing was written. Close other programs and try again.</source>
        <translation>Tarnix se ha quedado sin memoria, así que el último paso no terminó y no se escribió nada. Cierre otros programas e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Tarnix BETA - user guide</source>
        <translation>Tarnix BETA - guía del usuario</translation>
    </message>
    <message>
        <source>Tarnix found unsaved designs of %1 from %2. Continue editing them?</source>
        <translation>Tarnix ha encontrado diseños sin guardar de %1 del %2. ¿Desea seguir editándolos?</translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation>Seleccionar la carpeta de FIFA99</translation>
    </message>
</context>
<context>
    <name>tarnix::CoreMessage</name>
    <message>
        <source>%1 is not a jersey file: it has no entry %2</source>
        <translation>%1 no es un archivo de camiseta: no tiene la entrada %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>no se puede sustituir %1</translation>
    </message>
    <message>
        <source>it exists and is not a file</source>
        <translation>existe y no es un archivo</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>%1 is a device or pipe, not a file</source>
        <translation>%1 es un dispositivo o una tubería, no un archivo</translation>
    </message>
    <message>
        <source>%1 is too large to be a game file (%2 bytes; files of at most %3 MiB are read)</source>
        <translation>%1 es demasiado grande para ser un archivo del juego (%2 bytes; se leen archivos de hasta %3 MiB)</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1</source>
        <translation>no se puede crear un archivo temporal en %1</translation>
    </message>
    <message>
        <source>no game folder is set</source>
        <translation>no hay ninguna carpeta del juego definida</translation>
    </message>
    <message>
        <source>cannot read the team database</source>
        <translation>no se puede leer la base de datos de equipos</translation>
    </message>
    <message>
        <source>cannot read the team names</source>
        <translation>no se pueden leer los nombres de los equipos</translation>
    </message>
    <message>
        <source>Please specify a file to save to.</source>
        <translation>Indique un archivo en el que guardar.</translation>
    </message>
    <message>
        <source>The label %1 holds characters that a jersey file cannot store: it holds only Western European characters (Windows-%2). Please change the label.</source>
        <translation>El título %1 contiene caracteres que un archivo de camiseta no puede guardar: solo guarda caracteres de Europa occidental (Windows-%2). Cambie el título.</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3)); paint them with a jersey colour and save without transparency</source>
        <translation>%1 tiene píxeles transparentes (el primero en (%2, %3)); píntelos con un color de la camiseta y guarde sin transparencia</translation>
    </message>
    <message>
        <source>%1 is a %2-bit bitmap; save it as an %3-bit (%4-colour) or %5-bit BMP, or as PNG</source>
        <translation>%1 es una imagen de %2 bits; guárdela como BMP de %3 bits (%4 colores) o de %5 bits, o como PNG</translation>
    </message>
    <message>
        <source>the jersey&apos;s parts have not been prepared for the bitmap editor (see the design page)</source>
        <translation>las partes de la camiseta no se han preparado para el editor de imágenes (vea la página de diseño)</translation>
    </message>
    <message>
        <source>the jersey&apos;s pictures have not been prepared for the bitmap editor (see the design page)</source>
        <translation>las imágenes de la camiseta no se han preparado para el editor de imágenes (vea la página de diseño)</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1</source>
        <translation>no se pueden establecer los permisos de %1</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file</source>
        <translation>%1 es una tubería, no un archivo</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file</source>
        <translation>%1 es un socket, no un archivo</translation>
    </message>
    <message>
        <source>%1 is a device, not a file</source>
        <translation>%1 es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>cannot find the temporary folder</source>
        <translation>no se encuentra la carpeta temporal</translation>
    </message>
    <message>
        <source>%1 was written, but its folder could not be flushed to the disk, so the change may not survive a crash</source>
        <translation>%1 se ha escrito, pero su carpeta no se pudo volcar al disco, así que el cambio podría no sobrevivir a un fallo</translation>
    </message>
    <message>
        <source>no file name given to write to</source>
        <translation>no se ha indicado ningún nombre de archivo en el que escribir</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>Permission denied (is it open in another program?)</source>
        <translation>Permiso denegado (¿está abierto en otro programa?)</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco excedida</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <source>cannot keep a backup of %1 before replacing it, so nothing was saved</source>
        <translation>no se puede guardar una copia de seguridad de %1 antes de sustituirlo, así que no se ha guardado nada</translation>
    </message>
    <message>
        <source>cannot find the folder for backups</source>
        <translation>no se encuentra la carpeta de las copias de seguridad</translation>
    </message>
    <message>
        <source>LOCALAPPDATA is not set</source>
        <translation>LOCALAPPDATA no está definida</translation>
    </message>
    <message>
        <source>neither XDG_DATA_HOME nor HOME is set</source>
        <translation>no está definida ni XDG_DATA_HOME ni HOME</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 has no entry %2</source>
        <translation>%1 no tiene la entrada %2</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3</source>
        <translation>%1 no tiene la entrada %2 ni la %3</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory runs past the end of the file)</source>
        <translation>%1 no tiene la entrada %2 (su directorio sobrepasa el final del archivo)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory runs past the end of the file)</source>
        <translation>%1 no tiene la entrada %2 ni la %3 (su directorio sobrepasa el final del archivo)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 (its directory lists %3 records, but only %4 lie before the entries&apos; data)</source>
        <translation>%1 no tiene la entrada %2 (su directorio indica %3 registros, pero solo %4 están antes de los datos de las entradas)</translation>
    </message>
    <message>
        <source>%1 has no entry %2 or %3 (its directory lists %4 records, but only %5 lie before the entries&apos; data)</source>
        <translation>%1 no tiene la entrada %2 ni la %3 (su directorio indica %4 registros, pero solo %5 están antes de los datos de las entradas)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 overlaps the archive&apos;s header</source>
        <translation>la entrada %1 de %2 en la posición %3 se solapa con la cabecera del archivo</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 runs past the end of the file (%4 bytes)</source>
        <translation>la entrada %1 de %2 en la posición %3 sobrepasa el final del archivo (%4 bytes)</translation>
    </message>
    <message>
        <source>entry %1 of %2 at offset %3 lies behind the archive&apos;s total size (%4); the header is damaged</source>
        <translation>la entrada %1 de %2 en la posición %3 está más allá del tamaño total del archivo (%4); la cabecera está dañada</translation>
    </message>
    <message>
        <source>the total size in the header of %1 (%2) does not fit its length (%3 bytes)</source>
        <translation>el tamaño total de la cabecera de %1 (%2) no corresponde a su longitud (%3 bytes)</translation>
    </message>
    <message>
        <source>no thumbnail written</source>
        <translation>no se ha escrito ninguna miniatura</translation>
    </message>
    <message>
        <source>The file name %1 ends in a space or a dot, which Windows drops from file names. Please remove it.</source>
        <translation>El nombre de archivo %1 termina en un espacio o un punto, que Windows quita de los nombres de archivo. Quítelo.</translation>
    </message>
    <message>
        <source>kit colour %1 is not one of the %2 named colours</source>
        <translation>el color de equipación %1 no es uno de los %2 colores con nombre</translation>
    </message>
    <message>
        <source>the composed %1 is %2 x %3 pixels instead of %4 x %5</source>
        <translation>el mapa de bits compuesto (%1) mide %2 x %3 píxeles en lugar de %4 x %5</translation>
    </message>
    <message>
        <source>the composed %1 bitmap</source>
        <translation>el mapa de bits compuesto (%1)</translation>
    </message>
    <message>
        <source>%1 is not a BMP bitmap</source>
        <translation>%1 no es una imagen BMP</translation>
    </message>
    <message>
        <source>%1 is truncated inside its header (%2 bytes)</source>
        <translation>%1 está truncado dentro de su cabecera (%2 bytes)</translation>
    </message>
    <message>
        <source>%1 is truncated inside its OS/%2 header</source>
        <translation>%1 está truncado dentro de su cabecera OS/%2</translation>
    </message>
    <message>
        <source>%1 has an unsupported or truncated bitmap header (%2 bytes); save it as a Windows BMP or as PNG</source>
        <translation>%1 tiene una cabecera de mapa de bits no admitida o truncada (%2 bytes); guárdelo como BMP de Windows o como PNG</translation>
    </message>
    <message>
        <source>%1 is an OS/%2 bitmap with Huffman compression; save it as a plain BMP or as PNG</source>
        <translation>%1 es un mapa de bits OS/%2 con compresión Huffman; guárdelo como BMP simple o como PNG</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour masks</source>
        <translation>%1 está truncado dentro de sus máscaras de color</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed at %2 bits; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 está comprimido con RLE a %2 bits; guárdelo como BMP sin comprimir o como PNG</translation>
    </message>
    <message>
        <source>%1 is a JPEG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 es una imagen JPEG envuelta en un BMP; guárdela como BMP sin comprimir o como PNG</translation>
    </message>
    <message>
        <source>%1 is a PNG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG</source>
        <translation>%1 es una imagen PNG envuelta en un BMP; guárdela como BMP sin comprimir o como PNG</translation>
    </message>
    <message>
        <source>%1 is compressed in a way BMP readers rarely know (compression %2); save it as an uncompressed BMP or as PNG</source>
        <translation>%1 está comprimido de una forma que los lectores de BMP rara vez conocen (compresión %2); guárdelo como BMP sin comprimir o como PNG</translation>
    </message>
    <message>
        <source>%1 has an unusable size of %2 x %3 pixels</source>
        <translation>%1 tiene un tamaño inutilizable de %2 x %3 píxeles</translation>
    </message>
    <message>
        <source>%1 declares %2 colours; an indexed bitmap has at most %3</source>
        <translation>%1 declara %2 colores; un mapa de bits indexado tiene como máximo %3</translation>
    </message>
    <message>
        <source>%1 is truncated inside its colour table</source>
        <translation>%1 está truncado dentro de su tabla de colores</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends after %2 of its %3 rows</source>
        <translation>%1 está comprimido con RLE y sus datos terminan tras %2 de sus %3 filas</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside a jump</source>
        <translation>%1 está comprimido con RLE y sus datos terminan dentro de un salto</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its data ends inside row %2</source>
        <translation>%1 está comprimido con RLE y sus datos terminan dentro de la fila %2</translation>
    </message>
    <message>
        <source>%1 is RLE-compressed and its %2 bytes of data cannot hold %3 x %4 pixels</source>
        <translation>%1 está comprimido con RLE y sus %2 bytes de datos no pueden contener %3 x %4 píxeles</translation>
    </message>
    <message>
        <source>%1 has colour masks with gaps; save it as a plain %2-bit BMP or as PNG</source>
        <translation>%1 tiene máscaras de color con huecos; guárdelo como BMP simple de %2 bits o como PNG</translation>
    </message>
    <message>
        <source>%1 is truncated: its %2 rows of %3 %4-bit pixels do not fit in its %5 bytes</source>
        <translation>%1 está truncado: sus %2 filas de %3 píxeles de %4 bits no caben en sus %5 bytes</translation>
    </message>
    <message>
        <source>%1 has more than %2 colours</source>
        <translation>%1 tiene más de %2 colores</translation>
    </message>
    <message>
        <source>%1 is neither a BMP nor a PNG picture; save it as BMP or PNG</source>
        <translation>%1 no es una imagen BMP ni PNG; guárdela como BMP o PNG</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (%2)</source>
        <translation>%1 es un PNG dañado (%2)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (no IHDR chunk where the header belongs)</source>
        <translation>%1 es un PNG dañado (no hay bloque IHDR donde va la cabecera)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image width %2 in IHDR, not %3 to %4)</source>
        <translation>%1 es un PNG dañado (anchura de imagen %2 en IHDR, no de %3 a %4)</translation>
    </message>
    <message>
        <source>%1 is a damaged PNG (image height %2 in IHDR, not %3 to %4)</source>
        <translation>%1 es un PNG dañado (altura de imagen %2 en IHDR, no de %3 a %4)</translation>
    </message>
    <message>
        <source>%1 is too short (%2 bytes) for its %3 x %4 pixels</source>
        <translation>%1 es demasiado corto (%2 bytes) para sus %3 x %4 píxeles</translation>
    </message>
    <message>
        <source>%1 is too large (%2 bytes) for a picture</source>
        <translation>%1 es demasiado grande (%2 bytes) para una imagen</translation>
    </message>
    <message>
        <source>%1 has transparent pixels (the first at (%2, %3), alpha %4); paint them with a jersey colour and save without transparency</source>
        <translation>%1 tiene píxeles transparentes (el primero en (%2, %3), alfa %4); píntelos con un color de la camiseta y guarde sin transparencia</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; it must stay %4 x %5</source>
        <translation>%1 mide %2 x %3 píxeles; el tamaño debe seguir siendo %4 x %5</translation>
    </message>
    <message>
        <source>%1 uses colour index %2, but its colour table has only %3 colours</source>
        <translation>%1 usa el índice de color %2, pero su tabla de colores solo tiene %3 colores</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 tiene %2 píxel en un color con el que no se exportó el mapa de bits (el primero en (%3, %4), %5); pinte solo con los colores del propio mapa de bits (la paleta de la camiseta), o elija llevar los demás colores al color de camiseta más cercano</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only with the bitmap&apos;s own colours (the jersey palette), or choose to map other colours to the nearest jersey colour</source>
        <translation>%1 tiene %2 píxeles en colores con los que no se exportó el mapa de bits (el primero en (%3, %4), %5); pinte solo con los colores del propio mapa de bits (la paleta de la camiseta), o elija llevar los demás colores al color de camiseta más cercano</translation>
    </message>
    <message>
        <source>%1 no longer share their exported colour table; without the colour tables they were exported with their colours cannot be mapped back</source>
        <translation>%1 ya no comparten su tabla de colores exportada; sin las tablas de colores con las que se exportaron, sus colores no se pueden recuperar</translation>
    </message>
    <message>
        <source>%1 has %2 pixel in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 tiene %2 píxel en un color lejano a todos los que puede tomar la parte (el primero en (%3, %4), %5); los colores de equipación más cercanos: %6 (elija uno de ellos como color de equipación), o elija llevar esos colores al tono más cercano</translation>
    </message>
    <message>
        <source>%1 has %2 pixels in colours far from every colour the part can take (the first at (%3, %4), %5); the kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours to the nearest kit shade</source>
        <translation>%1 tiene %2 píxeles en colores lejanos a todos los que puede tomar la parte (el primero en (%3, %4), %5); los colores de equipación más cercanos: %6 (elija uno de ellos como color de equipación), o elija llevar esos colores al tono más cercano</translation>
    </message>
    <message>
        <source>the record of what was exported has no %1 picture; export the pictures again</source>
        <translation>el registro de lo exportado no tiene imagen (%1); vuelva a exportar las imágenes</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>no se puede codificar %1 como PNG</translation>
    </message>
    <message>
        <source>%1 changed pixels</source>
        <translation>%1 píxeles cambiados</translation>
    </message>
    <message>
        <source>%1 in colours the kit shows (%2)</source>
        <translation>%1 en colores que muestra la equipación (%2)</translation>
    </message>
    <message>
        <source>%1 edge or shading pixels to %2</source>
        <translation>%1 píxeles de borde o sombreado a %2</translation>
    </message>
    <message>
        <source>%1 far colours to the nearest kit shade, %2</source>
        <translation>%1 colores lejanos al tono más cercano, %2</translation>
    </message>
    <message>
        <source>%1 (group %2) %3</source>
        <translation>%1 (grupo %2) %3</translation>
    </message>
    <message>
        <source>the badge ramp (group %1) %2</source>
        <translation>la gama del escudo (grupo %1) %2</translation>
    </message>
    <message>
        <source>fixed group %1 %2</source>
        <translation>grupo fijo %1 %2</translation>
    </message>
    <message>
        <source>the record of the exported pictures is damaged at line %1</source>
        <translation>el registro de las imágenes exportadas está dañado en la línea %1</translation>
    </message>
    <message>
        <source>it does not start with %1</source>
        <translation>no empieza por %1</translation>
    </message>
    <message>
        <source>expected %1 and seven kit colours</source>
        <translation>se esperaba %1 y siete colores de equipación</translation>
    </message>
    <message>
        <source>kit colour %1 is not a number from -%2 to %3</source>
        <translation>el color de equipación %1 no es un número de -%2 a %3</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>se esperaba %1</translation>
    </message>
    <message>
        <source>expected sixteen colours RRGGBB</source>
        <translation>se esperaban dieciséis colores RRGGBB</translation>
    </message>
    <message>
        <source>expected a row of %1 indices in hex</source>
        <translation>se esperaba una fila de %1 índices en hexadecimal</translation>
    </message>
    <message>
        <source>unexpected text after the short sleeve</source>
        <translation>texto inesperado tras la manga corta</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to be a team database (%1 bytes)</source>
        <translation>FCDB.DBI es demasiado corto para ser una base de datos de equipos (%1 bytes)</translation>
    </message>
    <message>
        <source>FCDB.DBI is not a team database: its records are %1 bytes long, fewer than the %2 every record holds</source>
        <translation>FCDB.DBI no es una base de datos de equipos: sus registros miden %1 bytes, menos que los %2 que contiene cada registro</translation>
    </message>
    <message>
        <source>FCDB_ENG.DBI has no name for record %1 of %2</source>
        <translation>FCDB_ENG.DBI no tiene nombre para el registro %1 de %2</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside record %1 of %2 (offset %3, %4 bytes each)</source>
        <translation>FCDB.DBI termina dentro del registro %1 de %2 (posición %3, %4 bytes cada uno)</translation>
    </message>
    <message>
        <source>FCDB.DBI is too short to hold its league sections</source>
        <translation>FCDB.DBI es demasiado corto para contener sus secciones de ligas</translation>
    </message>
    <message>
        <source>FCDB.DBI ends before league section %1</source>
        <translation>FCDB.DBI termina antes de la sección de liga %1</translation>
    </message>
    <message>
        <source>FCDB.DBI ends inside league section %1</source>
        <translation>FCDB.DBI termina dentro de la sección de liga %1</translation>
    </message>
    <message>
        <source>front</source>
        <translation>delantera</translation>
    </message>
    <message>
        <source>back</source>
        <translation>espalda</translation>
    </message>
    <message>
        <source>long sleeve</source>
        <translation>manga larga</translation>
    </message>
    <message>
        <source>short sleeve</source>
        <translation>manga corta</translation>
    </message>
    <message>
        <source>the front design bitmap</source>
        <translation>el mapa de bits de diseño de la delantera</translation>
    </message>
    <message>
        <source>the back design bitmap</source>
        <translation>el mapa de bits de diseño de la espalda</translation>
    </message>
    <message>
        <source>the long sleeve design bitmap</source>
        <translation>el mapa de bits de diseño de la manga larga</translation>
    </message>
    <message>
        <source>the short sleeve design bitmap</source>
        <translation>el mapa de bits de diseño de la manga corta</translation>
    </message>
    <message>
        <source>the front shade bitmap</source>
        <translation>el mapa de bits de sombreado de la delantera</translation>
    </message>
    <message>
        <source>the back shade bitmap</source>
        <translation>el mapa de bits de sombreado de la espalda</translation>
    </message>
    <message>
        <source>the long sleeve shade bitmap</source>
        <translation>el mapa de bits de sombreado de la manga larga</translation>
    </message>
    <message>
        <source>the short sleeve shade bitmap</source>
        <translation>el mapa de bits de sombreado de la manga corta</translation>
    </message>
    <message>
        <source>the front picture</source>
        <translation>la imagen de la delantera</translation>
    </message>
    <message>
        <source>the back picture</source>
        <translation>la imagen de la espalda</translation>
    </message>
    <message>
        <source>the long sleeve picture</source>
        <translation>la imagen de la manga larga</translation>
    </message>
    <message>
        <source>the short sleeve picture</source>
        <translation>la imagen de la manga corta</translation>
    </message>
    <message>
        <source>the front design and shade bitmaps</source>
        <translation>los mapas de bits de diseño y de sombreado de la delantera</translation>
    </message>
    <message>
        <source>the back design and shade bitmaps</source>
        <translation>los mapas de bits de diseño y de sombreado de la espalda</translation>
    </message>
    <message>
        <source>the long sleeve design and shade bitmaps</source>
        <translation>los mapas de bits de diseño y de sombreado de la manga larga</translation>
    </message>
    <message>
        <source>the short sleeve design and shade bitmaps</source>
        <translation>los mapas de bits de diseño y de sombreado de la manga corta</translation>
    </message>
    <message>
        <source>jersey 1st</source>
        <translation>1.er color de la camiseta</translation>
    </message>
    <message>
        <source>jersey 2nd</source>
        <translation>2.º color de la camiseta</translation>
    </message>
    <message>
        <source>jersey 3rd</source>
        <translation>3.er color de la camiseta</translation>
    </message>
    <message>
        <source>shorts 1st</source>
        <translation>1.er color del pantalón</translation>
    </message>
    <message>
        <source>shorts 2nd</source>
        <translation>2.º color del pantalón</translation>
    </message>
    <message>
        <source>socks 1st</source>
        <translation>1.er color de las medias</translation>
    </message>
    <message>
        <source>socks 2nd</source>
        <translation>2.º color de las medias</translation>
    </message>
    <message>
        <source>%1 has no colour table before its pixels; save it again as an %2-bit (%3-colour) BMP or as PNG</source>
        <translation>%1 no tiene tabla de colores antes de sus píxeles; vuelva a guardarlo como BMP de %2 bits (%3 colores) o como PNG</translation>
    </message>
    <message>
        <source>%1 changed pixel</source>
        <translation>%1 píxel cambiado</translation>
    </message>
    <message>
        <source>%1 edge or shading pixel to %2</source>
        <translation>%1 píxel de borde o sombreado a %2</translation>
    </message>
    <message>
        <source>%1 far colour to the nearest kit shade, %2</source>
        <translation>%1 color lejano al tono más cercano, %2</translation>
    </message>
</context>
<context>
    <name>tarnix::JerseyModel</name>
    <message>
        <source>The changes to %1 are not saved. Discard them?</source>
        <translation>Los cambios en %1 no se han guardado. ¿Descartarlos?</translation>
    </message>
    <message>
        <source>Do you really want to quit and lose all changes made to the jersey?</source>
        <translation>¿Seguro que desea salir y perder todos los cambios de la camiseta?</translation>
    </message>
</context>
</TS>
