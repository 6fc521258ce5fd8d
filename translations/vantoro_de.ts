<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+14"/>
        <source>the option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>usage: vantoro [--configure] [--simulate [--stations FILE]] [--trace FILE] [--mute|--scan]
       vantoro --help | --version

The radio&apos;s front panel for a V4L2 radio tuner (/dev/radioN) or one of the
older ISA and serial receiver cards.

  --configure       show the settings dialog before the window opens
  --simulate        run on emulated hardware
  --stations FILE   the emulated stations (with --simulate)
  --trace FILE      record every port access, wait, serial byte and device request
  --mute, --scan    mute or unmute, or scan up (handed to the copy that runs)
  -h, --help        print this text
  --version         print the version
</source>
        <translation>Aufruf: vantoro [--configure] [--simulate [--stations DATEI]] [--trace DATEI] [--mute|--scan]
       vantoro --help | --version

Die Frontplatte eines Radios für einen V4L2-Radioempfänger (/dev/radioN) oder eine der
älteren ISA- und seriellen Empfängerkarten.

  --configure       vor dem Öffnen des Fensters die Einstellungen zeigen
  --simulate        auf nachgebildeter Hardware laufen
  --stations DATEI  die nachgebildeten Sender (mit --simulate)
  --trace DATEI     jeden Portzugriff, jede Wartezeit, jedes serielle Byte und jede Geräteanfrage aufzeichnen
  --mute, --scan    stumm schalten oder Ton ein, oder Suchlauf aufwärts (an die laufende Kopie übergeben)
  -h, --help        diesen Text ausgeben
  --version         die Version ausgeben
</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <location filename="../src/app/DialogParts.cpp" line="+49"/>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>Helpers</name>
    <message>
        <location filename="../src/base/Helpers.cpp" line="+234"/>
        <source>Your radio card can control the sound volume.</source>
        <translation>Ihre Radiokarte kann die Lautstärke regeln.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your radio card can&apos;t control the sound volume.</source>
        <translation>Ihre Radiokarte kann die Lautstärke nicht regeln.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your radio card can mute/unmute.</source>
        <translation>Ihre Radiokarte kann stumm schalten und den Ton wieder einschalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your radio card can&apos;t mute/unmute.</source>
        <translation>Ihre Radiokarte kann nicht stumm schalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A sound card is installed in your computer.</source>
        <translation>In Ihrem Computer ist eine Soundkarte eingebaut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No sound card is installed in your computer.</source>
        <translation>In Ihrem Computer ist keine Soundkarte eingebaut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You can set the volume with the radio card or sound card.</source>
        <translation>Sie können die Lautstärke mit der Radiokarte oder der Soundkarte einstellen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only through the radio card.</source>
        <translation>Sie können die Lautstärke nur über die Radiokarte einstellen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can set the volume only through the sound card.</source>
        <translation>Sie können die Lautstärke nur über die Soundkarte einstellen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only on the speakers.</source>
        <translation>Sie können die Lautstärke nur an den Lautsprechern einstellen.</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <location filename="../src/app/InstanceLock.cpp" line="+58"/>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a folder but a link or a file</source>
        <translation>%1 ist kein Ordner, sondern eine Verknüpfung oder eine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot open the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 belongs to another user (%2)</source>
        <translation>der Ordner %1 gehört einem anderen Benutzer (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot close the folder %1 to other users: %2</source>
        <translation>der Ordner %1 kann nicht für andere Benutzer gesperrt werden: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+17"/>
        <source>cannot create the lock file %1: %2</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot use the lock file %1: it is not a regular file</source>
        <translation>die Sperrdatei %1 ist unbrauchbar: sie ist keine normale Datei</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot lock the lock file %1: %2</source>
        <translation>die Sperrdatei %1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>another copy took the lock file %1</source>
        <translation>eine andere Kopie hat die Sperrdatei %1 übernommen</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/schedule/PictureDialog.cpp" line="+14"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PresetsFile</name>
    <message>
        <location filename="../src/stations/PresetsFile.cpp" line="+28"/>
        <source>the line must begin with a preset number from 001 to 100 and &quot;.&quot;</source>
        <translation>die Zeile muss mit einer Speicherplatznummer von 001 bis 100 und &quot;.&quot; beginnen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the frequency must be seven characters (such as 088,500) and &quot;.&quot;</source>
        <translation>die Frequenz muss sieben Zeichen lang sein (etwa 088,500), gefolgt von &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 MHz is outside every band</source>
        <translation>%1 MHz liegt außerhalb aller Bänder</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be FM or AM and &quot;.&quot;</source>
        <translation>das Band muss FM oder AM sein, gefolgt von &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the name is longer than %1 characters</source>
        <translation>der Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>preset %1 is there twice</source>
        <translation>Senderspeicher %1 kommt zweimal vor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the frequency is that of preset %1</source>
        <translation>die Frequenz ist die von Senderspeicher %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>the line is longer than any line of a presets file</source>
        <translation>die Zeile ist länger als jede Zeile einer Senderspeicher-Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets file is corrupt</source>
        <translation>Die Senderspeicher-Datei ist beschädigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Lesefehler oder Laufwerk nicht bereit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Presets write error</source>
        <translation>Fehler beim Schreiben der Senderspeicher</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Vantoro presets (*.vxp);;Plain text (*.txt);;All files (*)</source>
        <translation>Vantoro-Senderspeicher (*.vxp);;Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <location filename="../src/platform/ProgramDir.cpp" line="+56"/>
        <source>the folder %1 cannot be made: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../src/platform/Prompts.h" line="+44"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>RbdsProgrammeType</name>
    <message>
        <location filename="../src/hardware/RdsDecoder.cpp" line="+332"/>
        <source>No program type</source>
        <translation>Kein Programmtyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk</source>
        <translation>Gesprächsradio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic rock</source>
        <translation>Classic Rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adult hits</source>
        <translation>Adult Hits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rock</source>
        <translation>Soft Rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top 40</source>
        <translation>Top 40</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oldies</source>
        <translation>Oldies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft</source>
        <translation>Softmusik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nostalgia</source>
        <translation>Nostalgie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classical</source>
        <translation>Klassik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rhythm and blues</source>
        <translation>Rhythm and Blues</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rhythm and blues</source>
        <translation>Soft Rhythm and Blues</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Fremdsprachen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious music</source>
        <translation>Religiöse Musik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious talk</source>
        <translation>Religiöses Wort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personality</source>
        <translation>Moderatorensendung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Public</source>
        <translation>Öffentlicher Rundfunk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>College</source>
        <translation>Hochschulradio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish talk</source>
        <translation>Spanisches Wortprogramm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish music</source>
        <translation>Spanische Musik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hip hop</source>
        <translation>Hip-Hop</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Unassigned</source>
        <translation>Nicht vergeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency test</source>
        <translation>Notfalltest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency</source>
        <translation>Notfall</translation>
    </message>
</context>
<context>
    <name>RdsProgrammeType</name>
    <message>
        <location line="-64"/>
        <source>No programme type</source>
        <translation>Kein Programmtyp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current affairs</source>
        <translation>Aktuelles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drama</source>
        <translation>Hörspiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Culture</source>
        <translation>Kultur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Science</source>
        <translation>Wissenschaft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Varied</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop music</source>
        <translation>Popmusik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock music</source>
        <translation>Rockmusik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy listening</source>
        <translation>Unterhaltungsmusik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light classical</source>
        <translation>Leichte Klassik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serious classical</source>
        <translation>Ernste Klassik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other music</source>
        <translation>Sonstige Musik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finance</source>
        <translation>Wirtschaft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s programmes</source>
        <translation>Kinderprogramm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Social affairs</source>
        <translation>Soziales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religion</source>
        <translation>Religion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phone-in</source>
        <translation>Hörerbeteiligung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Travel</source>
        <translation>Reise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leisure</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jazz music</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Country music</source>
        <translation>Country-Musik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>National music</source>
        <translation>Landesmusik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oldies music</source>
        <translation>Oldies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folk music</source>
        <translation>Volksmusik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documentary</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm test</source>
        <translation>Alarmtest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <location filename="../src/platform/RecordingFiles.cpp" line="+62"/>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/platform/RegularFile.cpp" line="+14"/>
        <source>a directory</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not an ordinary file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a regular file but %1</source>
        <translation>keine normale Datei, sondern %1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>larger than %1 KiB, more than such a file ever holds</source>
        <translation>größer als %1 KiB, mehr als eine solche Datei je enthält</translation>
    </message>
</context>
<context>
    <name>RemoteActions</name>
    <message>
        <location filename="../src/app/RemoteActions.cpp" line="+179"/>
        <source>the running copy is still starting</source>
        <translation>die laufende Kopie startet noch</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <location filename="../src/platform/SafeSave.cpp" line="+19"/>
        <source>%1: not a regular file but %2; it is left as it is</source>
        <translation>%1: keine normale Datei, sondern %2; sie bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>ScriptEdit</name>
    <message>
        <location filename="../src/schedule/ScriptEdit.cpp" line="+69"/>
        <source>A preset action needs a stored preset.
Store a preset first, or choose another action.</source>
        <translation>Eine Senderspeicher-Aktion braucht einen belegten Speicherplatz.
Belegen Sie zuerst einen Speicherplatz oder wählen Sie eine andere Aktion.</translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <location filename="../src/schedule/ScriptFile.cpp" line="+70"/>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not an action word</source>
        <translation>kein Aktionswort</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time must be four digits, HHMM</source>
        <translation>die Uhrzeit muss vier Ziffern haben, HHMM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the time must be four digits, HHMM, then &quot;.&quot;</source>
        <translation>die Uhrzeit muss vier Ziffern haben, HHMM, dann &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a time of day</source>
        <translation>keine Uhrzeit</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the stereo word (ST or MN)</source>
        <translation>das Stereo-Wort (ST oder MN)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>stereo must be ST or MN</source>
        <translation>Stereo muss ST oder MN sein</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the number of beeps</source>
        <translation>die Anzahl der Pieptöne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the pitch</source>
        <translation>die Tonhöhe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length</source>
        <translation>die Dauer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the volume</source>
        <translation>die Lautstärke</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>the preset number</source>
        <translation>die Nummer des Speicherplatzes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length in minutes</source>
        <translation>die Länge in Minuten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the frequency</source>
        <translation>die Frequenz</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not a frequency</source>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the band (AM or FM)</source>
        <translation>das Band (AM oder FM)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be AM or FM</source>
        <translation>das Band muss AM oder FM sein</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not readable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>larger than %1 KiB, more than a script ever holds</source>
        <translation>größer als %1 KiB, mehr als ein Skript je enthält</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the line is longer than %1 KiB</source>
        <translation>die Zeile ist länger als %1 KiB</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the first line must begin with &quot;;&quot; and the title</source>
        <translation>die erste Zeile muss mit &quot;;&quot; und dem Titel beginnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the last line is blank</source>
        <translation>die letzte Zeile ist leer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time is not later than the action before</source>
        <translation>die Uhrzeit liegt nicht nach der vorigen Aktion</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the script has no actions</source>
        <translation>das Skript enthält keine Aktionen</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The script file is corrupt</source>
        <translation>Die Skriptdatei ist beschädigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Lesefehler oder Laufwerk nicht bereit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Script write error</source>
        <translation>Fehler beim Schreiben des Skripts</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro scripts (*.vxs *.Vxs);;Plain text (*.txt);;All files (*)</source>
        <translation>Vantoro-Skripte (*.vxs *.Vxs);;Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you load a new script, the
current script will be erased.
Are you sure?</source>
        <translation>Wenn Sie ein neues Skript laden, wird
das aktuelle Skript gelöscht.
Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load script</source>
        <translation>Skript laden</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/periphery/AboutBox.cpp" line="+16"/>
        <source>About Vantoro</source>
        <translation>Über Vantoro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A radio with a front panel on the screen for USB and PCI radio tuners (Video4Linux) and older radio-receiver cards: tuning, hardware seek and scanning, RDS station names, one hundred presets, a station archive, an alarm, a sleep timer and timed scripts.</source>
        <translation>Ein Radio mit einer Frontplatte auf dem Bildschirm für USB- und PCI-Radioempfänger (Video4Linux) und ältere Radiokarten: Abstimmung, Sendersuche und Suchlauf, RDS-Sendernamen, hundert Senderspeicher, ein Senderarchiv, ein Wecker, ein Einschlaftimer und zeitgesteuerte Skripte.</translation>
    </message>
</context>
<context>
    <name>TAlarmDialog</name>
    <message>
        <location filename="../src/schedule/AlarmDialog.cpp" line="+86"/>
        <source>Alarm setting</source>
        <translation>Wecker einstellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set alarm time</source>
        <translation>Weckzeit einstellen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Jump to</source>
        <translation>Springen zu</translation>
    </message>
</context>
<context>
    <name>TArchive</name>
    <message>
        <location filename="../src/stations/Archive.cpp" line="+145"/>
        <source>without a valid &quot;Rows&quot; count</source>
        <translation>ohne gültige Angabe &quot;Rows&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>beyond the &quot;Rows&quot; count</source>
        <translation>jenseits der Angabe &quot;Rows&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>with no parent folder read before</source>
        <translation>ohne zuvor gelesenen übergeordneten Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in a loop of parents</source>
        <translation>in einer Schleife von Elternknoten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a station</source>
        <translation>unter einem Sender</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of an unknown kind</source>
        <translation>unbekannter Art</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a key that is no row number</source>
        <translation>unter einem Schlüssel, der keine Zeilennummer ist</translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>%n row(s) that the tree cannot take (%1)</source>
        <translation>
            <numerusform>%n Zeile, die der Baum nicht aufnehmen kann (%1)</numerusform>
            <numerusform>%n Zeilen, die der Baum nicht aufnehmen kann (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This node can&apos;t be renamed</source>
        <translation>Dieser Knoten kann nicht umbenannt werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A node with this name already exists</source>
        <translation>Ein Knoten mit diesem Namen existiert bereits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty</source>
        <translation>Der Name ist leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination node is the same as the source node</source>
        <translation>Zielknoten und Quellknoten sind gleich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drag/drop the root</source>
        <translation>Die Wurzel kann nicht verschoben werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drop a parent onto its child</source>
        <translation>Ein Ordner kann nicht in seinen eigenen Unterordner verschoben werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can&apos;t drop this type of node here!</source>
        <translation>Dieser Knoten kann hier nicht abgelegt werden!</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Folder Name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Station Name</source>
        <translation>Sendername</translation>
    </message>
</context>
<context>
    <name>TArchiveDialog</name>
    <message>
        <location filename="../src/stations/ArchiveDialog.cpp" line="+92"/>
        <source>Channels organizer</source>
        <translation>Senderarchiv</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Station</source>
        <translation>Sender</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Presets</source>
        <translation>Senderspeicher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OUT OF RANGE</source>
        <translation>AUSSERHALB</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tune previous</source>
        <translation>Abwärts abstimmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Aufwärts abstimmen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Suche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Suchlauf abwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan next</source>
        <translation>Suchlauf aufwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halt</source>
        <translation>Halt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Suchlauf anhalten</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Schrittweite einstellen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The station archive could not be written: %1</source>
        <translation>Das Senderarchiv konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive has changed!
Are you sure that you want
to exit without saving?</source>
        <translation>Das Senderarchiv wurde geändert!
Möchten Sie wirklich ohne
Speichern schließen?</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Duplicated frequency</source>
        <translation>Frequenz doppelt belegt</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Clear all favorites</source>
        <translation>Alle Senderspeicher löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>TCannotStartDialog</name>
    <message>
        <location filename="../src/app/CannotStartDialog.cpp" line="+8"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vantoro can run under Linux 2.6 or later.</source>
        <translation>Vantoro läuft unter Linux 2.6 oder neuer.</translation>
    </message>
</context>
<context>
    <name>TColorGrid</name>
    <message>
        <location filename="../src/periphery/ColorGrid.cpp" line="+15"/>
        <location line="+18"/>
        <source>Left click: foreground (FG); right click: background (BG)</source>
        <translation>Linksklick: Vordergrund (VG); Rechtsklick: Hintergrund (HG)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a colour to choose it</source>
        <translation>Klicken Sie eine Farbe an, um sie zu wählen</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>FG</source>
        <translation>VG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>HG</translation>
    </message>
</context>
<context>
    <name>TDirectPortAccess</name>
    <message>
        <location filename="../src/platform/DirectPortAccess.cpp" line="+20"/>
        <source>this kernel offers no I/O port access (ioperm: %1)</source>
        <translation>dieser Kernel bietet keinen Zugriff auf I/O-Ports (ioperm: %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>this processor has no I/O ports</source>
        <translation>dieser Prozessor hat keine I/O-Ports</translation>
    </message>
</context>
<context>
    <name>TExitQuestion</name>
    <message>
        <location filename="../src/app/ExitQuestion.cpp" line="+13"/>
        <source>Power-off message</source>
        <translation>Beim Ausschalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want the music to play in the background?</source>
        <translation>Soll die Musik im Hintergrund weiterspielen?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t &amp;exit</source>
        <translation>Nicht &amp;beenden</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../src/periphery/HelpWindow.cpp" line="+17"/>
        <source>Vantoro Help</source>
        <translation>Vantoro-Hilfe</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The help file %1 is missing or cannot be read.</source>
        <translation>Die Hilfedatei %1 fehlt oder kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>TIqFileSource</name>
    <message>
        <location filename="../src/sdr/IqFileSource.cpp" line="+27"/>
        <source>Cannot open the I/Q recording %1: %2.</source>
        <translation>Die I/Q-Aufzeichnung %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>A sample rate of 0 cannot be played.</source>
        <translation>Eine Abtastrate von 0 lässt sich nicht abspielen.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The I/Q recording %1 is not open.</source>
        <translation>Die I/Q-Aufzeichnung %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Cannot read the I/Q recording %1: %2.</source>
        <translation>Die I/Q-Aufzeichnung %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>TJumpToDialog</name>
    <message>
        <location filename="../src/stations/JumpToDialog.cpp" line="+19"/>
        <source>Jump to</source>
        <translation>Springen zu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set frequency</source>
        <translation>Frequenz einstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <location filename="../src/app/MainDialogs.cpp" line="+93"/>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Station archive: %1</source>
        <translation>
Senderarchiv: %1</translation>
    </message>
    <message>
        <location filename="../src/app/MainLayout.cpp" line="+10"/>
        <source>Complete</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="+228"/>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + tuner</source>
        <translation>Anzeige + Tuner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + presets</source>
        <translation>Anzeige + Senderspeicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + volume + buttons</source>
        <translation>Anzeige + Lautstärke + Tasten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display + volume + buttons + presets</source>
        <translation>Anzeige + Lautstärke + Tasten + Senderspeicher</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowArchive.cpp" line="+29"/>
        <source>The station archive %1 cannot be read</source>
        <translation>Das Senderarchiv %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The station archive %1 cannot be read: %2 (&quot;%3&quot;) does not convert</source>
        <translation>Das Senderarchiv %1 kann nicht gelesen werden: %2 (&quot;%3&quot;) lässt sich nicht umwandeln</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive %1 has %2. They are not shown, and saving keeps them in the file as they are.</source>
        <translation>Das Senderarchiv %1 enthält %2. Sie werden nicht angezeigt, und beim Speichern bleiben sie unverändert in der Datei.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowClock.cpp" line="+37"/>
        <source>Programming mode on/off (%1)</source>
        <translation>Programmiermodus ein/aus (%1)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Favorites aren&apos;t defined</source>
        <translation>Es sind keine Senderspeicher belegt</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>internal</source>
        <translation>intern</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowCreate.cpp" line="+63"/>
        <source>
The radio is closed. Plug it in again and choose it in the settings to open it again.</source>
        <translation>
Das Radio ist geschlossen. Stecken Sie es wieder ein und wählen Sie es in den Einstellungen, um es wieder zu öffnen.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>%1 could not be read: %2.
The program starts with the default settings and leaves the file as it is.</source>
        <translation>%1 konnte nicht gelesen werden: %2.
Das Programm startet mit den Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings cannot be saved in %1: %2.
The program runs, but the changes you make will be lost when it ends.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden: %2.
Das Programm läuft, aber Ihre Änderungen gehen verloren, wenn es endet.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Internal</source>
        <translation>Intern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off (empty)</source>
        <translation>Programmiermodus ein/aus (leer)</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>The %1 cannot be opened.
%2</source>
        <translation>%1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>radio device %1 (none found)</source>
        <translation>Radiogerät %1 (keines gefunden)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the I/O port 0x%1</source>
        <translation>dem I/O-Port 0x%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The %1 %2 cannot be opened on %3.
The device does not exist, is in use, or you may not use it.</source>
        <translation>%1 %2 kann auf %3 nicht geöffnet werden.
Das Gerät existiert nicht, ist belegt, oder Sie dürfen es nicht benutzen.</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>The settings could not be written: %1</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The settings could not be written:
</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Beenden ohne Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="+172"/>
        <source>Favorite n.</source>
        <translation>Speicherplatz Nr.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.h" line="+639"/>
        <location filename="../src/app/MainWindowLayout.cpp" line="+2"/>
        <location line="+226"/>
        <source>Name of the radio station</source>
        <translation>Name des Radiosenders</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="-291"/>
        <source>Programme type</source>
        <translation>Programmtyp</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+13"/>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Signal level</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Current time</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/app/MainWindowRecord.cpp" line="+139"/>
        <source>REC</source>
        <extracomment>The panel&apos;s recording indicator, beside the time recorded: keep it short.</extracomment>
        <translation>REC</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tuner </source>
        <translation>Tuner </translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tune previous</source>
        <translation>Abwärts abstimmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Aufwärts abstimmen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Schrittweite einstellen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jump directly to a frequency</source>
        <translation>Direkt zu einer Frequenz springen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Suche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Suchlauf abwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan next</source>
        <translation>Suchlauf aufwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Suchlauf anhalten</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="-35"/>
        <location line="+38"/>
        <source>Presets</source>
        <translation>Senderspeicher</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Next/Prev row of favorites</source>
        <translation>Nächste/vorige Reihe der Senderspeicher</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="-6"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Mute on/off</source>
        <translation>Stummschaltung ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm on/off</source>
        <translation>Wecker ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep on/off</source>
        <translation>Einschlaftimer ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off</source>
        <translation>Programmiermodus ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear a favorite</source>
        <translation>Speicherplatz löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store a favorite</source>
        <translation>Sender speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force Mono/Stereo</source>
        <translation>Mono/Stereo erzwingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowMenus.cpp" line="-107"/>
        <source>Jump to</source>
        <translation>Springen zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Abwärts abstimmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Aufwärts abstimmen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step +</source>
        <translation>Schritt +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Schritt -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan left</source>
        <translation>Suchlauf abwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Suchlauf aufwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan stop</source>
        <translation>Suchlauf anhalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep</source>
        <translation>Einschlaftimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Scripting</source>
        <translation>Skripte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Organize</source>
        <translation>Senderarchiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Senderspeicher bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+102"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+102"/>
        <source>Clear all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+99"/>
        <source>Memory</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+103"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Skript laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/app/MainWindowPresets.cpp" line="+377"/>
        <source>Load presets</source>
        <translation>Senderspeicher laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+60"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Volume</source>
        <translation>&amp;Lautstärke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;isplay</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stations</source>
        <translation>&amp;Sender</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+15"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+37"/>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+37"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Recording %1
%2</source>
        <translation>Aufnahme %1
%2</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowPresets.cpp" line="-116"/>
        <source>No preset is tuned, so there is nothing to rename.</source>
        <translation>Kein Senderspeicher ist eingestellt, daher gibt es nichts umzubenennen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Duplicated frequency</source>
        <translation>Frequenz doppelt belegt</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Clear all favorites</source>
        <translation>Alle Senderspeicher löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Wenn Sie neue Senderspeicher laden, werden
die aktuellen Senderspeicher gelöscht.
Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Presets loaded from </source>
        <translation>Senderspeicher geladen aus </translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowScan.cpp" line="+33"/>
        <source>Scanning works on FM only.</source>
        <translation>Der Suchlauf arbeitet nur auf UKW (FM).</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>No sound: %1
The radio goes on tuning and receiving RDS.</source>
        <translation>Kein Ton: %1
Das Radio stimmt weiter ab und empfängt weiter RDS.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowStations.cpp" line="+28"/>
        <source>No presets are stored yet.</source>
        <translation>Es sind noch keine Senderspeicher belegt.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowTuning.cpp" line="+371"/>
        <source>This radio card cannot switch between stereo and mono.</source>
        <translation>Diese Radiokarte kann nicht zwischen Stereo und Mono umschalten.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowVolume.cpp" line="+32"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>weiter ohne den Mixer der Soundkarte: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Go to the sound card mixer</source>
        <translation>Zum Mixer der Soundkarte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control
the sound volume</source>
        <translation>Vantoro kann die Lautstärke
nicht steuern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control</source>
        <translation>Vantoro kann die Lautstärke</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Stummschaltung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+315"/>
        <source>The tuner&apos;s sound cannot be played on the sound card (%1).</source>
        <translation>Der Ton des Tuners kann nicht über die Soundkarte gespielt werden (%1).</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowDevices.cpp" line="+16"/>
        <source>No radio</source>
        <translation>Kein Radio</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+19"/>
        <source>Radio found</source>
        <translation>Radio gefunden</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The radio device %1 has been plugged in.
Do you want to listen to it now?</source>
        <translation>Das Radiogerät %1 wurde eingesteckt.
Möchten Sie es jetzt hören?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>An RTL-SDR dongle has been plugged in.
Do you want to listen to it now?</source>
        <translation>Ein RTL-SDR-Stick wurde eingesteckt.
Möchten Sie ihn jetzt hören?</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowRecord.cpp" line="-65"/>
        <source>Cannot record:
%1</source>
        <translation>Aufnahme nicht möglich:
%1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The recording stopped: %1</source>
        <translation>Die Aufnahme ist abgebrochen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 seconds of sound could not be written in time and are missing from the recording.</source>
        <translation>%1 Sekunden Ton konnten nicht rechtzeitig geschrieben werden und fehlen in der Aufnahme.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Recording %1 into %2</source>
        <translation>Aufnahme %1 in %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 is being recorded.
Stop the recording, or go on recording the new station?</source>
        <translation>%1 wird gerade aufgenommen.
Die Aufnahme beenden oder den neuen Sender weiter aufnehmen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go on recording</source>
        <translation>Weiter aufnehmen</translation>
    </message>
</context>
<context>
    <name>TMixer</name>
    <message>
        <location filename="../src/hardware/Mixer.cpp" line="+155"/>
        <source>Can&apos;t find audio output mixer line for %1</source>
        <translation>Keine Mixer-Leitung für die Audioausgabe auf %1 gefunden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Can&apos;t find %1 output source line for %2</source>
        <translation>Keine Ausgabeleitung %1 auf %2 gefunden</translation>
    </message>
</context>
<context>
    <name>TMixerDialog</name>
    <message>
        <location filename="../src/hardware/MixerDialog.cpp" line="+58"/>
        <source>Mixer control</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Master</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bass</source>
        <translation>Bässe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Treble</source>
        <translation>Höhen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Line in</source>
        <translation>Line-Eingang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+106"/>
        <source>Compact Disc</source>
        <translation>Compact Disc</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
</context>
<context>
    <name>TPortAccessWarning</name>
    <message>
        <location filename="../src/app/PortAccessWarning.cpp" line="+10"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The running operating system is Linux and the installed radio card is controlled by direct access to I/O ports.</source>
        <translation>Das laufende Betriebssystem ist Linux, und die eingebaute Radiokarte wird über direkten Zugriff auf I/O-Ports gesteuert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In Linux, that kind of access to hardware is not allowed without a privilege.</source>
        <translation>Unter Linux ist diese Art von Hardwarezugriff ohne ein Privileg nicht erlaubt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In order for Vantoro to gain access to this kind of radio card under Linux, the program must be given the CAP_SYS_RAWIO capability (setcap cap_sys_rawio+ep) before running Vantoro!</source>
        <translation>Damit Vantoro unter Linux auf diese Art von Radiokarte zugreifen kann, muss dem Programm vor dem Start die Fähigkeit CAP_SYS_RAWIO gegeben werden (setcap cap_sys_rawio+ep)!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read the chapter &quot;Installing on Linux&quot; of the user manual for more details.</source>
        <translation>Mehr dazu im Kapitel &quot;Installing on Linux&quot; des Handbuchs.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system&apos;s reason: %1</source>
        <translation>Der Grund des Systems: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Linux is
installed</source>
        <translation>Linux ist
installiert</translation>
    </message>
</context>
<context>
    <name>TPresetsDraft</name>
    <message>
        <location filename="../src/stations/PresetsDraft.cpp" line="+78"/>
        <source>Edit presets - </source>
        <translation>Senderspeicher bearbeiten - </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Internal</source>
        <translation>Intern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stored entries: %1</source>
        <translation>Belegte Plätze: %1</translation>
    </message>
    <message>
        <location line="+214"/>
        <location line="+11"/>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Do you wish to clear all presets?</source>
        <translation>Möchten Sie alle Senderspeicher löschen?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Do you wish to restore the previous presets?</source>
        <translation>Möchten Sie die vorigen Senderspeicher wiederherstellen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Wenn Sie neue Senderspeicher laden, werden
die aktuellen Senderspeicher gelöscht.
Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open presets</source>
        <translation>Senderspeicher öffnen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Save presets</source>
        <translation>Senderspeicher speichern</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets have changed!
Are you sure that you want
to exit without saving?</source>
        <translation>Die Senderspeicher wurden geändert!
Möchten Sie wirklich ohne
Speichern schließen?</translation>
    </message>
</context>
<context>
    <name>TPresetsEditor</name>
    <message>
        <location filename="../src/stations/PresetsEditor.cpp" line="+85"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+162"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Tune previous</source>
        <translation>Abwärts abstimmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Aufwärts abstimmen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Adjust step</source>
        <translation>Schrittweite einstellen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Duplicated frequency</source>
        <translation>Frequenz doppelt belegt</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Clear all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Listen T</source>
        <translation>Anhören T</translation>
    </message>
</context>
<context>
    <name>TProfile</name>
    <message>
        <location filename="../src/platform/Profile.cpp" line="+179"/>
        <source>%1: a line longer than %2 KiB, which no such file has</source>
        <translation>%1: eine Zeile länger als %2 KiB, die keine solche Datei hat</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>%1 could not be read, so it is left as it is</source>
        <translation>%1 konnte nicht gelesen werden und bleibt daher unverändert</translation>
    </message>
</context>
<context>
    <name>TRadioCard</name>
    <message>
        <location filename="../src/hardware/SerialRadioProtocol.cpp" line="+53"/>
        <source>The serial receiver on COM%1 (%2) stopped answering (%3).</source>
        <translation>Der serielle Empfänger an COM%1 (%2) antwortet nicht mehr (%3).</translation>
    </message>
    <message>
        <location filename="../src/hardware/V4l2RadioProtocol.cpp" line="+39"/>
        <source>The radio device %1 stopped answering (%2).</source>
        <translation>Das Radiogerät %1 antwortet nicht mehr (%2).</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No radio card is open.</source>
        <translation>Keine Radiokarte ist geöffnet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The tuner&apos;s sound is recorded when it is played as USB sound (Settings, Volume control).</source>
        <translation>Der Ton des Tuners wird aufgenommen, wenn er als USB-Ton gespielt wird (Einstellungen, Lautstärkeregelung).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This card&apos;s sound goes to the sound card by a cable, not through Vantoro: record it with the sound card&apos;s own recording tools.</source>
        <translation>Der Ton dieser Karte geht über ein Kabel zur Soundkarte, nicht durch Vantoro: Nehmen Sie ihn mit den Aufnahmeprogrammen der Soundkarte auf.</translation>
    </message>
    <message>
        <location filename="../src/hardware/RadioCards.cpp" line="+58"/>
        <source>V4L2 radio device</source>
        <translation>V4L2-Radiogerät</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SDR receiver (RTL2832U dongle)</source>
        <translation>SDR-Empfänger (RTL2832U-Stick)</translation>
    </message>
    <message>
        <location filename="../src/hardware/SdrCard.cpp" line="+77"/>
        <source>&quot;%1&quot; names no dongle: rtlsdr:N takes the dongle&apos;s number, 0 for the first.</source>
        <translation>&quot;%1&quot; nennt keinen Stick: rtlsdr:N erwartet die Nummer des Sticks, 0 für den ersten.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; names no server: write rtl_tcp:HOST:PORT, as rtl_tcp:192.168.1.20:1234.</source>
        <translation>&quot;%1&quot; nennt keinen Server: Schreiben Sie rtl_tcp:HOST:PORT, etwa rtl_tcp:192.168.1.20:1234.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No source is chosen for the SDR receiver.</source>
        <translation>Für den SDR-Empfänger ist keine Quelle gewählt.</translation>
    </message>
</context>
<context>
    <name>TRecorder</name>
    <message>
        <location filename="../src/platform/Recorder.cpp" line="+95"/>
        <source>A recording is already open.</source>
        <translation>Eine Aufnahme ist bereits geöffnet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot record into a .%1 file here; use one of: %2.</source>
        <translation>In eine .%1-Datei kann hier nicht aufgenommen werden; nehmen Sie eines von: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot record %1 channels.</source>
        <translation>%1 Kanäle können nicht aufgenommen werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot record into %1: %2</source>
        <translation>In %1 kann nicht aufgenommen werden: %2</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Writing %1 failed: %2</source>
        <translation>Schreiben von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file %1 was removed, or its folder.</source>
        <translation>Die Datei %1 oder ihr Ordner wurde entfernt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Closing %1 failed: %2</source>
        <translation>Schließen von %1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>TRtlSdrSource</name>
    <message>
        <location filename="../src/sdr/RtlSdrSource.cpp" line="+17"/>
        <source>No permission to use the RTL-SDR dongle %1. Install the udev rules of the rtl-sdr package (sudo apt install rtl-sdr), add yourself to the plugdev group (sudo adduser $USER plugdev), log in again and plug the dongle in anew.</source>
        <translation>Keine Berechtigung für den RTL-SDR-Stick %1. Installieren Sie die udev-Regeln des Pakets rtl-sdr (sudo apt install rtl-sdr), treten Sie der Gruppe plugdev bei (sudo adduser $USER plugdev), melden Sie sich neu an und stecken Sie den Stick neu ein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The kernel&apos;s DVB-T driver holds the RTL-SDR dongle %1. Unload it (sudo modprobe -r dvb_usb_rtl28xxu) and keep it from coming back: put the line &quot;blacklist dvb_usb_rtl28xxu&quot; in /etc/modprobe.d/blacklist-rtl-sdr.conf.</source>
        <translation>Der DVB-T-Treiber des Kernels belegt den RTL-SDR-Stick %1. Entladen Sie ihn (sudo modprobe -r dvb_usb_rtl28xxu) und verhindern Sie, dass er wiederkommt: Schreiben Sie die Zeile &quot;blacklist dvb_usb_rtl28xxu&quot; in /etc/modprobe.d/blacklist-rtl-sdr.conf.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The RTL-SDR dongle %1 was unplugged.</source>
        <translation>Der RTL-SDR-Stick %1 wurde abgezogen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the RTL-SDR dongle %1 (librtlsdr error %2).</source>
        <translation>Der RTL-SDR-Stick %1 kann nicht geöffnet werden (librtlsdr-Fehler %2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The RTL-SDR dongle refused %1 (librtlsdr error %2).</source>
        <extracomment>%1 is one of the things the dongle is asked for: &quot;to start&quot;, &quot;the frequency&quot;, &quot;the gain&quot;...</extracomment>
        <translation>Der RTL-SDR-Stick hat %1 abgelehnt (librtlsdr-Fehler %2).</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/sim/EmulatedDongle.cpp" line="+42"/>
        <source>No RTL-SDR dongle is plugged in.</source>
        <translation>Es ist kein RTL-SDR-Stick eingesteckt.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>There is no RTL-SDR dongle %1: %n is plugged in, numbered from 0.</source>
        <translation>
            <numerusform>Es gibt keinen RTL-SDR-Stick %1: %n ist eingesteckt, nummeriert ab 0.</numerusform>
            <numerusform>Es gibt keinen RTL-SDR-Stick %1: %n sind eingesteckt, nummeriert ab 0.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>to start</source>
        <translation>den Start</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the frequency</source>
        <translation>die Frequenz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the sample rate %1</source>
        <translation>die Abtastrate %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>automatic gain</source>
        <translation>die automatische Verstärkung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>manual gain</source>
        <translation>die manuelle Verstärkung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the gain</source>
        <translation>die Verstärkung</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the frequency correction</source>
        <translation>die Frequenzkorrektur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The RTL-SDR dongle is not open.</source>
        <translation>Der RTL-SDR-Stick ist nicht geöffnet.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The RTL-SDR dongle was unplugged.</source>
        <translation>Der RTL-SDR-Stick wurde abgezogen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The RTL-SDR dongle stopped sending samples (librtlsdr error %1).</source>
        <translation>Der RTL-SDR-Stick sendet keine Abtastwerte mehr (librtlsdr-Fehler %1).</translation>
    </message>
</context>
<context>
    <name>TRtlTcpSource</name>
    <message>
        <location filename="../src/sdr/RtlTcpSource.cpp" line="+52"/>
        <source>Lost the connection to the rtl_tcp server at %1: %2.</source>
        <translation>Die Verbindung zum rtl_tcp-Server unter %1 ist abgerissen: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot find the host %1: %2.</source>
        <translation>Der Host %1 wurde nicht gefunden: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no answer within 2 seconds</source>
        <translation>keine Antwort innerhalb von 2 Sekunden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot connect to the rtl_tcp server at %1: %2.</source>
        <translation>Keine Verbindung zum rtl_tcp-Server unter %1: %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The rtl_tcp server at %1 sent no header within 2 seconds: is it an rtl_tcp server?</source>
        <translation>Der rtl_tcp-Server unter %1 hat innerhalb von 2 Sekunden keinen Header gesendet: Ist es ein rtl_tcp-Server?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The rtl_tcp server at %1 closed the connection before its header (is the dongle in use by another client?).</source>
        <translation>Der rtl_tcp-Server unter %1 hat die Verbindung vor seinem Header geschlossen (benutzt ein anderer Client den Stick?).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The rtl_tcp server at %1 sent a header that does not begin with &quot;RTL0&quot;: it is not an rtl_tcp server.</source>
        <translation>Der rtl_tcp-Server unter %1 hat einen Header gesendet, der nicht mit &quot;RTL0&quot; beginnt: Es ist kein rtl_tcp-Server.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+49"/>
        <source>Not connected to the rtl_tcp server at %1.</source>
        <translation>Nicht mit dem rtl_tcp-Server unter %1 verbunden.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The rtl_tcp server at %1 takes no more commands.</source>
        <translation>Der rtl_tcp-Server unter %1 nimmt keine Befehle mehr an.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The rtl_tcp server at %1 closed the connection.</source>
        <translation>Der rtl_tcp-Server unter %1 hat die Verbindung geschlossen.</translation>
    </message>
</context>
<context>
    <name>TScriptEditor</name>
    <message>
        <location filename="../src/schedule/ScriptEditor.cpp" line="+43"/>
        <source>Mute on</source>
        <translation>Stumm ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute off</source>
        <translation>Stumm aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beep</source>
        <translation>Piepton</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+206"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <location line="-205"/>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+90"/>
        <source>Jump to</source>
        <translation>Springen zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+0"/>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <location line="+104"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+2"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+3"/>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Property for this item</source>
        <translation>Eigenschaft dieses Eintrags</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+18"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>for</source>
        <extracomment>Between the preset and the minutes of a Record action: &quot;Record [preset] for [60 min]&quot;.</extracomment>
        <translation>für</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Preview</source>
        <translation>Vorhören</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Event time</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HH</source>
        <translation>HH</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The range is from</source>
        <translation>Der Bereich reicht von</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Programming -</source>
        <translation>Programmierung -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Script - (%1)</source>
        <translation>Skript - (%1)</translation>
    </message>
    <message>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+192"/>
        <source>Tuned</source>
        <translation>Empfang</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not tuned</source>
        <translation>Kein Empfang</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>This script will be erased.
Are you sure?</source>
        <translation>Dieses Skript wird gelöscht.
Sind Sie sicher?</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Save script</source>
        <translation>Skript speichern</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Exit without save</source>
        <translation>Beenden ohne Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The script has changed!
Are you sure?</source>
        <translation>Das Skript wurde geändert!
Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>TSdrReceiver</name>
    <message>
        <location filename="../src/sdr/SdrReceiver.cpp" line="+179"/>
        <source>The I/Q recording ended.</source>
        <translation>Die I/Q-Aufzeichnung ist zu Ende.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source sent no samples for 2 seconds.</source>
        <translation>Die Quelle hat 2 Sekunden lang keine Abtastwerte gesendet.</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>The sound output %1 failed.</source>
        <translation>Die Tonausgabe %1 ist ausgefallen.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The sound output %1 failed; the radio goes on without sound.</source>
        <translation>Die Tonausgabe %1 ist ausgefallen; das Radio läuft ohne Ton weiter.</translation>
    </message>
</context>
<context>
    <name>TSettingsDialog</name>
    <message>
        <location filename="../src/setup/KeyCommands.cpp" line="+8"/>
        <source>Volume up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume reset</source>
        <translation>Lautstärke zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute on/off</source>
        <translation>Stummschaltung ein/aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Abwärts abstimmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Aufwärts abstimmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step +</source>
        <translation>Schritt +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Schritt -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep</source>
        <translation>Einschlaftimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan left</source>
        <translation>Suchlauf abwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Suchlauf aufwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop scan</source>
        <translation>Suchlauf anhalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Senderspeicher bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/setup/SettingsDialog.cpp" line="+72"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Organize</source>
        <translation>Senderarchiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scripting</source>
        <translation>Skripte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick jump</source>
        <translation>Schnellsprung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimal</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+tuner</source>
        <translation>Min.+Tuner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+presets</source>
        <translation>Min.+Speicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete disp.</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Skript laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load presets</source>
        <translation>Senderspeicher laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn</source>
        <translation>Min.+Lautst.+Tasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn+pre</source>
        <translation>Min.+Lautst.+Tasten+Sp.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialog.cpp" line="-43"/>
        <source>This radio card is currently
installed in your computer</source>
        <translation>Diese Radiokarte ist derzeit
in Ihrem Computer eingebaut</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Radio card</source>
        <translation>Radiokarte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume control</source>
        <translation>Lautstärkeregelung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start/close</source>
        <translation>Start/Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Supported hardware</source>
        <translation>Unterstützte Hardware</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Check radio signal periodically</source>
        <translation>Empfang regelmäßig prüfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Japanese FM frequencies</source>
        <translation>Japanische UKW-Frequenzen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+14"/>
        <location line="+54"/>
        <source>Connected to</source>
        <translation>Angeschlossen an</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>I/O Port</source>
        <translation>I/O-Port</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30Ch (default)</source>
        <translation>30Ch (Standard)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20Ch (alternate)</source>
        <translation>20Ch (alternativ)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Available serial port</source>
        <translation>Verfügbare serielle Schnittstelle</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  (needs the dialout group)</source>
        <translation>  (braucht die Gruppe dialout)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+21"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>The I/O ports cannot be reached.</source>
        <translation>Die I/O-Ports sind nicht erreichbar.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your radio card is controlled by I/O ports.
Vantoro can&apos;t access the hardware directly
without the CAP_SYS_RAWIO capability.
See the chapter &quot;Installing on Linux&quot; of
the user manual for more details.</source>
        <translation>Ihre Radiokarte wird über I/O-Ports gesteuert.
Vantoro kann ohne die Fähigkeit
CAP_SYS_RAWIO nicht direkt auf
die Hardware zugreifen. Mehr dazu im
Kapitel &quot;Installing on Linux&quot; des Handbuchs.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No serial port can be used on
this computer, so this device
cannot be used yet. Serial ports
are /dev/ttyS*, USB adapters
/dev/ttyUSB* or /dev/ttyACM*;
using them needs the dialout
group (sudo usermod -aG dialout
$USER, then log in again).
Plug the adapter in and open
the settings again to choose it.</source>
        <translation>Auf diesem Computer ist keine
serielle Schnittstelle nutzbar,
daher kann dieses Gerät noch nicht
benutzt werden. Serielle Schnittstellen
sind /dev/ttyS*, USB-Adapter
/dev/ttyUSB* oder /dev/ttyACM*;
sie brauchen die Gruppe dialout
(sudo usermod -aG dialout $USER,
dann neu anmelden). Stecken Sie den
Adapter ein und öffnen Sie die
Einstellungen erneut, um ihn zu wählen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Radio device</source>
        <translation>Radiogerät</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No radio device found: nothing is at /dev/radio0, /dev/radio1, ... Connect a USB or PCI radio tuner (its driver makes the device), or choose one of the older cards in the list.</source>
        <translation>Kein Radiogerät gefunden: unter /dev/radio0, /dev/radio1, ... ist nichts. Schließen Sie einen USB- oder PCI-Radioempfänger an (sein Treiber legt das Gerät an) oder wählen Sie eine der älteren Karten in der Liste.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>You can set the volume properties through:</source>
        <translation>Die Lautstärke lässt sich einstellen über:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One or more sound cards were detected on this system.
</source>
        <translation>Auf diesem System wurden eine oder mehrere Soundkarten gefunden.
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The sound volume is controlled through</source>
        <translation>Die Lautstärke wird geregelt über</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play the tuner&apos;s USB sound through the sound card</source>
        <translation>Den USB-Ton des Tuners über die Soundkarte spielen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For radio devices that deliver their sound over USB; tuners wired to the sound card play through that cable.</source>
        <translation>Für Radiogeräte, die ihren Ton über USB liefern; mit der Soundkarte verkabelte Tuner spielen über dieses Kabel.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tune to last station</source>
        <translation>Zuletzt gehörten Sender einstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start minimized</source>
        <translation>Minimiert starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Tip Of The Day</source>
        <translation>Tipp des Tages zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start muted</source>
        <translation>Stumm starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start alarm if set</source>
        <translation>Wecker starten, wenn gestellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force stereo off</source>
        <translation>Stereo ausschalten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Shutdown</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute audio</source>
        <translation>Ton stumm schalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave in current state</source>
        <translation>Im aktuellen Zustand lassen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ask at shutdown</source>
        <translation>Beim Beenden fragen</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogLook.cpp" line="+118"/>
        <source>Digits</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flags</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Display preview</source>
        <translation>Vorschau der Anzeige</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Generic button</source>
        <translation>Allgemeine Taste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (FM)</source>
        <translation>Speicherplatz belegt (FM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (AM)</source>
        <translation>Speicherplatz belegt (AM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset not assigned</source>
        <translation>Speicherplatz frei</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not active</source>
        <translation>Nicht aktiv</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Reset to default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogRecording.cpp" line="+23"/>
        <source>FLAC, lossless (.flac)</source>
        <translation>FLAC, verlustfrei (.flac)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WAV, uncompressed (.wav)</source>
        <translation>WAV, unkomprimiert (.wav)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Empty: %1</source>
        <translation>Leer: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recording folder</source>
        <translation>Aufnahmeordner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The end of sleep stops a recording</source>
        <translation>Das Ende des Einschlaftimers beendet eine Aufnahme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Otherwise a recording goes on while the radio is silent.</source>
        <translation>Sonst läuft eine Aufnahme weiter, während das Radio stumm ist.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recordings are named after the station and the time they begin, as in &quot;Station - 2026-12-07 20-00.flac&quot;; a title the station announces goes into a cue sheet beside the file.</source>
        <extracomment>The example name is how the program names the file; &quot;Station&quot; may be translated.</extracomment>
        <translation>Aufnahmen werden nach dem Sender und ihrer Anfangszeit benannt, etwa &quot;Sender - 2026-12-07 20-00.flac&quot;; ein Titel, den der Sender ankündigt, kommt in ein Cue-Sheet neben der Datei.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogSdr.cpp" line="+30"/>
        <source>Receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rtlsdr:0 for the first dongle on USB, rtl_tcp:HOST:PORT for a dongle served by rtl_tcp, or the path of an I/Q recording (.cu8)</source>
        <extracomment>rtlsdr:0 and rtl_tcp:HOST:PORT are written as they are; HOST and PORT may be translated.</extracomment>
        <translation>rtlsdr:0 für den ersten Stick am USB, rtl_tcp:HOST:PORT für einen Stick, den rtl_tcp bereitstellt, oder der Pfad einer I/Q-Aufzeichnung (.cu8)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 samples/s</source>
        <translation>%1 Abtastwerte/s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Taken to the nearest step the tuner has</source>
        <translation>Auf die nächste Stufe des Tuners gerundet</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Frequency correction</source>
        <translation>Frequenzkorrektur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>50 µs (Europe, Asia, Africa, Oceania)</source>
        <translation>50 µs (Europa, Asien, Afrika, Ozeanien)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>75 µs (the Americas, South Korea)</source>
        <translation>75 µs (Amerika, Südkorea)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>De-emphasis</source>
        <translation>Deemphasis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An ALSA playback device; &quot;default&quot; plays through PipeWire or PulseAudio where they run</source>
        <extracomment>&quot;default&quot; is the name of an ALSA device: it stays as it is.</extracomment>
        <translation>Ein ALSA-Wiedergabegerät; &quot;default&quot; spielt über PipeWire oder PulseAudio, wo sie laufen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound output</source>
        <translation>Tonausgabe</translation>
    </message>
</context>
<context>
    <name>TSetupModel</name>
    <message>
        <location filename="../src/setup/SetupModel.cpp" line="+134"/>
        <source>Radio card</source>
        <translation>Radiokarte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line In</source>
        <translation>Line-Eingang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compact disk</source>
        <translation>Compact Disc</translation>
    </message>
</context>
<context>
    <name>TSleepDialog</name>
    <message>
        <location filename="../src/schedule/SleepDialog.cpp" line="+40"/>
        <source>Sleep</source>
        <translation>Einschlaftimer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Turn off radio after</source>
        <translation>Radio ausschalten nach</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>TStationNamePrompt</name>
    <message>
        <location filename="../src/app/StationNamePrompt.cpp" line="+34"/>
        <source>Asking for station name</source>
        <translation>Sendername</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Station name</source>
        <translation>Name des Senders</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TTipOfDay</name>
    <message>
        <location filename="../src/periphery/TipOfDay.cpp" line="+17"/>
        <source>Tip of the day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show tips at start-up</source>
        <translation>Tipps beim Start zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No tips to show: the tips file %1 is missing or empty.</source>
        <translation>Keine Tipps zu zeigen: die Tippdatei %1 fehlt oder ist leer.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No tips to show.</source>
        <translation>Keine Tipps zu zeigen.</translation>
    </message>
</context>
<context>
    <name>vantoro</name>
    <message>
        <location filename="../src/app/main.cpp" line="+251"/>
        <source>cannot use the station list %1</source>
        <translation>die Senderliste %1 ist unbrauchbar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot write the trace file %1</source>
        <translation>die Trace-Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>desktop actions cannot reach this copy: %1</source>
        <translation>Desktop-Aktionen erreichen diese Kopie nicht: %1</translation>
    </message>
</context>
<context>
    <name>vantoroctl</name>
    <message>
        <location filename="../tools/vantoroctl/ArchiveCommands.cpp" line="+19"/>
        <source>usage: vantoroctl archive show [FILE]
</source>
        <translation>Aufruf: vantoroctl archive show [DATEI]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/CardCommands.cpp" line="+27"/>
        <source>usage: vantoroctl [--simulate] [--stations FILE] [--trace FILE] [--model M] [--port N]
                  [--device PATH] [--band am|fm] [--japanese-fm] [--mono] [--volume V]
                  [--muted] [--close] [--rds-groups FILE] COMMAND...
       vantoroctl --model SDR --device SOURCE [--sample-rate N] [--gain DB|auto]
                  [--deemphasis 50|75] [--center MHZ] COMMAND...
          SOURCE: rtlsdr:N, rtl_tcp:HOST:PORT or an I/Q recording (.cu8)
commands: models | tune F | band am|fm | mute | unmute | volume V | up | down | zero |
          signal | status | scan up|down|all | rds [SECONDS] | record FILE SECONDS (SDR)
       vantoroctl presets check|show FILE | presets copy FILE TO
       vantoroctl script check|show FILE
       vantoroctl settings show [DIR]
       vantoroctl archive show [FILE]
       vantoroctl rds --hex FILE
       vantoroctl --help | -h | --version
Without --model, --port and --device the card is the one the program&apos;s settings name.
</source>
        <translation>Aufruf: vantoroctl [--simulate] [--stations DATEI] [--trace DATEI] [--model M] [--port N]
                  [--device PFAD] [--band am|fm] [--japanese-fm] [--mono] [--volume V]
                  [--muted] [--close] [--rds-groups DATEI] BEFEHL...
       vantoroctl --model SDR --device QUELLE [--sample-rate N] [--gain DB|auto]
                  [--deemphasis 50|75] [--center MHZ] BEFEHL...
          QUELLE: rtlsdr:N, rtl_tcp:HOST:PORT oder eine I/Q-Aufzeichnung (.cu8)
Befehle: models | tune F | band am|fm | mute | unmute | volume V | up | down | zero |
         signal | status | scan up|down|all | rds [SEKUNDEN] | record DATEI SEKUNDEN (SDR)
       vantoroctl presets check|show DATEI | presets copy DATEI ZIEL
       vantoroctl script check|show DATEI
       vantoroctl settings show [ORDNER]
       vantoroctl archive show [DATEI]
       vantoroctl rds --hex DATEI
       vantoroctl --help | -h | --version
Ohne --model, --port und --device ist die Karte diejenige, die die Einstellungen des Programms nennen.
</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 must be a whole number, not &quot;%2&quot;</source>
        <translation>%1 muss eine ganze Zahl sein, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 takes 0..%2, not %3</source>
        <translation>%1 nimmt 0..%2, nicht %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is not a frequency in MHz</source>
        <translation>&quot;%1&quot; ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the %1 has no %2 band</source>
        <translation>%1 hat kein %2-Band</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+60"/>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+46"/>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>band takes am or fm</source>
        <translation>band nimmt am oder fm</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>scan takes up, down or all</source>
        <translation>scan nimmt up, down oder all</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record goes with the SDR receiver</source>
        <translation>record gehört zum SDR-Empfänger</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record takes 1 second or more</source>
        <translation>record erwartet 1 Sekunde oder mehr</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>rds takes a number of seconds from 0 to %1, not %2</source>
        <translation>rds erwartet eine Sekundenzahl von 0 bis %1, nicht %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown model &quot;%1&quot;</source>
        <translation>unbekanntes Modell &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--port takes 1 or more, not %1</source>
        <translation>--port nimmt 1 oder mehr, nicht %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--band takes am or fm, not &quot;%1&quot;</source>
        <translation>--band nimmt am oder fm, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--stations goes with --simulate</source>
        <translation>--stations gehört zu --simulate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--device goes with radio devices, the SDR receiver, and with the serial models on real hardware</source>
        <translation>--device gehört zu Radiogeräten, zum SDR-Empfänger und zu den seriellen Modellen auf echter Hardware</translation>
    </message>
    <message>
        <location line="+330"/>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-216"/>
        <source>cannot read the radio device %1</source>
        <translation>das Radiogerät %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>cannot use the station list %1</source>
        <translation>die Senderliste %1 ist unbrauchbar</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+158"/>
        <source>cannot write the trace file %1</source>
        <translation>die Trace-Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>weiter ohne den Mixer der Soundkarte: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>port %1 does not exist on the %2 (1..%3)</source>
        <translation>Port %1 gibt es bei %2 nicht (1..%3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the %1 has no Japanese FM range</source>
        <translation>%1 hat keinen japanischen UKW-Bereich</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot reach the I/O ports of the %1 %2: %3.</source>
        <translation>die I/O-Ports von %1 %2 sind nicht erreichbar: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The program needs the CAP_SYS_RAWIO capability: sudo setcap cap_sys_rawio+ep %1 (or try it on emulated hardware with --simulate).</source>
        <translation>Das Programm braucht die Fähigkeit CAP_SYS_RAWIO: sudo setcap cap_sys_rawio+ep %1 (oder probieren Sie es mit --simulate auf nachgebildeter Hardware).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No capability can help on this kernel; try the program on emulated hardware with --simulate.</source>
        <translation>Auf diesem Kernel hilft keine Fähigkeit; probieren Sie das Programm mit --simulate auf nachgebildeter Hardware.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>there is no radio device %1</source>
        <translation>es gibt kein Radiogerät %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot open the radio device %1: it does not exist, is no radio tuner, or you may not use it (membership of the video group is usually needed).</source>
        <translation>das Radiogerät %1 kann nicht geöffnet werden: es existiert nicht, ist kein Radioempfänger, oder Sie dürfen es nicht benutzen (meist ist die Mitgliedschaft in der Gruppe video nötig).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot open COM%1 (%2): the device does not exist, is in use, or you may not use it (membership of the dialout group is usually needed).</source>
        <translation>COM%1 (%2) kann nicht geöffnet werden: das Gerät existiert nicht, ist belegt, oder Sie dürfen es nicht benutzen (meist ist die Mitgliedschaft in der Gruppe dialout nötig).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 MHz is outside the %2&apos;s %3 band (%4 to %5 MHz)</source>
        <translation>%1 MHz liegt außerhalb des %3-Bands von %2 (%4 bis %5 MHz)</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/RadioCommands.cpp" line="+105"/>
        <source>usage: vantoroctl rds --hex FILE
</source>
        <translation>Aufruf: vantoroctl rds --hex DATEI
</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>line %1 is longer than %2 KiB, not an RDS log</source>
        <translation>Zeile %1 ist länger als %2 KiB, kein RDS-Protokoll</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/ScriptCommands.cpp" line="+36"/>
        <source>usage: vantoroctl script check|show FILE
</source>
        <translation>Aufruf: vantoroctl script check|show DATEI
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SettingsCommands.cpp" line="+19"/>
        <source>usage: vantoroctl settings show [DIR]
</source>
        <translation>Aufruf: vantoroctl settings show [ORDNER]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a directory: %1</source>
        <translation>kein Ordner: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1; showing the defaults</source>
        <translation>%1 kann nicht gelesen werden; die Standardwerte werden gezeigt</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/PresetsCommands.cpp" line="+24"/>
        <source>usage: vantoroctl presets check|show FILE | presets copy FILE TO
</source>
        <translation>Aufruf: vantoroctl presets check|show DATEI | presets copy DATEI ZIEL
</translation>
    </message>
    <message numerus="yes">
        <location line="+18"/>
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n Senderspeicher</numerusform>
            <numerusform>%n Senderspeicher</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+11"/>
        <source>--sample-rate takes one of %1, not &quot;%2&quot;</source>
        <translation>--sample-rate erwartet einen von %1, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--gain takes auto or a value in dB, not &quot;%1&quot;</source>
        <translation>--gain erwartet auto oder einen Wert in dB, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--deemphasis takes 50 or 75, not &quot;%1&quot;</source>
        <translation>--deemphasis erwartet 50 oder 75, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--center takes a frequency in MHz, not &quot;%1&quot;</source>
        <translation>--center erwartet eine Frequenz in MHz, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot record to %1: %2</source>
        <translation>in %1 kann nicht aufgenommen werden: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the recording %1 ended early: %2</source>
        <translation>die Aufnahme %1 endete vorzeitig: %2</translation>
    </message>
</context>
</TS>
