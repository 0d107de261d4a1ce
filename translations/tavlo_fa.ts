<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>FileInfo</name>
    <message>
        <source>File Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Full Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document Length: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: %1 to %2 (Selection Length: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Untitled)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous (Shift+Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find ˄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find ˅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace ˄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace ˅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Ctrl+Enter or Alt+Enter to make a new line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As UTF-8...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit	Alt+F4, Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero width non-joiner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-to-left mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-to-right mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Full Address in Title Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrapped - Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Wrap - Left-to-Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Wrap - Right-to-Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find and Replace...	Ctrl+F, Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date-Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Tavlo developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tango Icon Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlo ver %1 build %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlo is a simple and useful plain text program for bidirectional texts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start your paragraph with a Right-to-left mark to make it right-aligned!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some icons provided from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Tavlo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File has unsaved changes. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is too large to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (*.txt);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are trying to save a file in UTF-8 which its previous encoding was &apos;%1&apos;.&lt;br&gt;&lt;br&gt;Proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file may be damaged. Its previous content is kept in &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed by another program since Tavlo opened or saved it.

Do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current file doesn&apos;t exist anymore.

Do you want to keep Tavlo open?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current file was changed by another program.

Do you want to reload it and lose the changes made in Tavlo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current file was changed by another program.
Do you want to reload it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlo has finished searching the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches replaced successfully.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Tavlo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Clear Recent Files List)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tavlo is up-to-date!&lt;br&gt;Current version: %1 build %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown server error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Persian Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic Yeh, Alef Maksura and Kaf to Farsi Yeh and Keheh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Arabic Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farsi Yeh and Keheh to Arabic Yeh and Kaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Persian Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic-Indic Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Yeh as Alef Maksura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Arabic Letters writes a Farsi Yeh that ends a word as Alef Maksura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n digits converted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters converted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Tavlo opens files of up to %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening &apos;%1&apos;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longest line of &apos;%1&apos; has %2 characters. Editing a line this long is slow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlo can open the file only with its lines broken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break the lines at %1 characters? The document then counts as changed, and saving writes the broken lines.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchHighlights</name>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewVer</name>
    <message>
        <source>New Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest Changes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Version: %1 Build %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to %1 to download!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenDialog</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an encoding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Converting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suggested: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qMatch</name>
    <message>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match Alef Hamza YehKeh</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
