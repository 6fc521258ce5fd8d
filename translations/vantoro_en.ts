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
    <name>TRtlSdrSource</name>
    <message numerus="yes">
        <location filename="../src/sdr/RtlSdrSource.cpp" line="+75"/>
        <source>There is no RTL-SDR dongle %1: %n is plugged in, numbered from 0.</source>
        <translation>
            <numerusform>There is no RTL-SDR dongle %1: %n is plugged in, numbered from 0.</numerusform>
            <numerusform>There is no RTL-SDR dongle %1: %n are plugged in, numbered from 0.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantoroctl</name>
    <message numerus="yes">
        <location filename="../tools/vantoroctl/PresetsCommands.cpp" line="+42"/>
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n preset</numerusform>
            <numerusform>%n presets</numerusform>
        </translation>
    </message>
</context>
</TS>
