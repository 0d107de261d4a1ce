<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DocumentStatus</name>
    <message numerus="yes">
        <source>%1 chars</source>
        <comment>selected characters</comment>
        <translation>
            <numerusform>%1 char</numerusform>
            <numerusform>%1 chars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 words</source>
        <translation>
            <numerusform>%1 word</numerusform>
            <numerusform>%1 words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 characters</source>
        <translation>
            <numerusform>%1 character</numerusform>
            <numerusform>%1 characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>%n digits converted.</source>
        <translation>
            <numerusform>%n digit converted.</numerusform>
            <numerusform>%n digits converted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters converted.</source>
        <translation>
            <numerusform>%n letter converted.</numerusform>
            <numerusform>%n letters converted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches replaced successfully.</source>
        <translation>
            <numerusform>%n matches replaced successfully.</numerusform>
            <numerusform>%n matches replaced successfully.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes.</source>
        <translation>
            <numerusform>%n change.</numerusform>
            <numerusform>%n changes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MatchHighlights</name>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TidyDialog</name>
    <message numerus="yes">
        <source>%n changes.</source>
        <translation>
            <numerusform>%n change.</numerusform>
            <numerusform>%n changes.</numerusform>
        </translation>
    </message>
</context>
</TS>
