<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tarnix::CAssociateDlg</name>
    <message>
        <source>Assign...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams, their strips and assigned jerseys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>League</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jersey File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Away</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::CColourGridWnd</name>
    <message>
        <source>Kit colours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::CColourPicker</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::CLinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::CPageOne</name>
    <message>
        <source>Tarnix, FIFA99 jersey editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front of the chosen jersey in its kit colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIFA99 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams that wear this jersey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jersey label</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::CPageThree</name>
    <message>
        <source>Jersey 1st colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jersey 2nd colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jersey 3rd colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorts 1st colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorts 2nd colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socks 1st colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socks 2nd colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front of the jersey in the chosen kit colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back of the jersey in the chosen kit colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide: designing a jersey, from the first page to the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide: how the kit colours and the shades of a jersey work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some colours cannot be used as they stand: point here to see why.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mardek thumbnail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (no folder chosen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (start with /jN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started as &quot;tarnix /jN&quot; (N from 1 to 64), Tarnix writes the thumbnail of jersey N into Mardek&apos;s Jerseys folder after each save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Mardek&apos;s folder with &quot;Mardek Folder...&quot; to write the thumbnail of jersey %1 after each save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::CPageTwo</name>
    <message>
        <source>Bitmap editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front design, as your editor last saved it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back design, as your editor last saved it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long sleeve design, as your editor last saved it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short sleeve design, as your editor last saved it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front of the shirt in the kit colours, from your designs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back of the shirt in the kit colours, from your designs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::CTarnixApp</name>
    <message>
        <source>Cannot locate FIFA99 directory in the Registry. Do you want to select it yourself?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot locate FIFA99 directory in the registry of the Wine prefix %1. Do you want to select it yourself?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnix ran out of memory, so the last step was not finished and nothing was written. Close other programs and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnix BETA - user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnix found unsaved designs of %1 from %2. Continue editing them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select FIFA99 directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnix::JerseyModel</name>
    <message>
        <source>The changes to %1 are not saved. Discard them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to quit and lose all changes made to the jersey?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
