<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>TArchive</name>
    <message numerus="yes">
        <location filename="../src/stations/Archive.cpp" line="+173"/>
        <source>%n row(s) that the tree cannot take (%1)</source>
        <translation>
            <numerusform>%n row that the tree cannot take (%1)</numerusform>
            <numerusform>%n rows that the tree cannot take (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantoroctl</name>
    <message numerus="yes">
        <location filename="../tools/vantoroctl/PresetsCommands.cpp" line="+41"/>
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n preset</numerusform>
            <numerusform>%n presets</numerusform>
        </translation>
    </message>
</context>
</TS>
