<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+14"/>
        <source>the option %1 needs a value</source>
        <translation>l&apos;opzione %1 richiede un valore</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
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
        <translation>uso: vantoro [--configure] [--simulate [--stations FILE]] [--trace FILE] [--mute|--scan]
     vantoro --help | --version

Il frontalino di una radio per un sintonizzatore radio V4L2 (/dev/radioN) o una delle
vecchie schede riceventi ISA e seriali.

  --configure       mostra le impostazioni prima che si apra la finestra
  --simulate        funziona su hardware emulato
  --stations FILE   le stazioni emulate (con --simulate)
  --trace FILE      registra ogni accesso alle porte, attesa, byte seriale e richiesta al dispositivo
  --mute, --scan    attiva o disattiva il muto, o avvia la ricerca in avanti (passato alla copia in esecuzione)
  -h, --help        stampa questo testo
  --version         stampa la versione
</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <location filename="../src/app/DialogParts.cpp" line="+49"/>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
</context>
<context>
    <name>Helpers</name>
    <message>
        <location filename="../src/base/Helpers.cpp" line="+234"/>
        <source>Your radio card can control the sound volume.</source>
        <translation>La scheda radio può regolare il volume.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your radio card can&apos;t control the sound volume.</source>
        <translation>La scheda radio non può regolare il volume.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your radio card can mute/unmute.</source>
        <translation>La scheda radio può attivare e disattivare il muto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your radio card can&apos;t mute/unmute.</source>
        <translation>La scheda radio non può attivare il muto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A sound card is installed in your computer.</source>
        <translation>Nel computer è installata una scheda audio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No sound card is installed in your computer.</source>
        <translation>Nel computer non è installata alcuna scheda audio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You can set the volume with the radio card or sound card.</source>
        <translation>Il volume si può regolare con la scheda radio o con la scheda audio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only through the radio card.</source>
        <translation>Il volume si può regolare solo tramite la scheda radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can set the volume only through the sound card.</source>
        <translation>Il volume si può regolare solo tramite la scheda audio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only on the speakers.</source>
        <translation>Il volume si può regolare solo sugli altoparlanti.</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <location filename="../src/app/InstanceLock.cpp" line="+58"/>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a folder but a link or a file</source>
        <translation>%1 non è una cartella ma un collegamento o un file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot open the folder %1: %2</source>
        <translation>impossibile aprire la cartella %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read the folder %1: %2</source>
        <translation>impossibile leggere la cartella %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 belongs to another user (%2)</source>
        <translation>la cartella %1 appartiene a un altro utente (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot close the folder %1 to other users: %2</source>
        <translation>impossibile chiudere la cartella %1 agli altri utenti: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+17"/>
        <source>cannot create the lock file %1: %2</source>
        <translation>impossibile creare il file di blocco %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot use the lock file %1: it is not a regular file</source>
        <translation>file di blocco %1 inutilizzabile: non è un file normale</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot lock the lock file %1: %2</source>
        <translation>impossibile bloccare il file di blocco %1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>another copy took the lock file %1</source>
        <translation>un&apos;altra copia ha preso il file di blocco %1</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/schedule/PictureDialog.cpp" line="+14"/>
        <source>Help</source>
        <translation>Guida</translation>
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
        <translation>la riga deve iniziare con un numero di preselezione da 001 a 100 e &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the frequency must be seven characters (such as 088,500) and &quot;.&quot;</source>
        <translation>la frequenza deve essere di sette caratteri (come 088,500) seguiti da &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 MHz is outside every band</source>
        <translation>%1 MHz è fuori da tutte le bande</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be FM or AM and &quot;.&quot;</source>
        <translation>la banda deve essere FM o AM, seguita da &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the name is longer than %1 characters</source>
        <translation>il nome è più lungo di %1 caratteri</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>preset %1 is there twice</source>
        <translation>la preselezione %1 compare due volte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the frequency is that of preset %1</source>
        <translation>la frequenza è quella della preselezione %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>the line is longer than any line of a presets file</source>
        <translation>la riga è più lunga di qualsiasi riga di un file delle preselezioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets file is corrupt</source>
        <translation>Il file delle preselezioni è danneggiato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Errore di lettura o disco non pronto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Presets write error</source>
        <translation>Errore di scrittura delle preselezioni</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Vantoro presets (*.vxp);;Plain text (*.txt);;All files (*)</source>
        <translation>Preselezioni Vantoro (*.vxp);;Testo semplice (*.txt);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <location filename="../src/platform/ProgramDir.cpp" line="+56"/>
        <source>the folder %1 cannot be made: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../src/platform/Prompts.h" line="+44"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>RbdsProgrammeType</name>
    <message>
        <location filename="../src/hardware/RdsDecoder.cpp" line="+332"/>
        <source>No program type</source>
        <translation>Nessun tipo di programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Notiziario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk</source>
        <translation>Parlato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic rock</source>
        <translation>Rock classico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adult hits</source>
        <translation>Successi per adulti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rock</source>
        <translation>Soft rock</translation>
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
        <translation>Successi del passato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft</source>
        <translation>Musica soft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nostalgia</source>
        <translation>Nostalgia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jazz</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classical</source>
        <translation>Classica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rhythm and blues</source>
        <translation>Rhythm and blues</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rhythm and blues</source>
        <translation>Rhythm and blues soft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Lingue straniere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious music</source>
        <translation>Musica religiosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious talk</source>
        <translation>Parlato religioso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personality</source>
        <translation>Personalità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Public</source>
        <translation>Radio pubblica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>College</source>
        <translation>Radio universitaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish talk</source>
        <translation>Parlato in spagnolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish music</source>
        <translation>Musica spagnola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hip hop</source>
        <translation>Hip hop</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Unassigned</source>
        <translation>Non assegnato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency test</source>
        <translation>Prova di emergenza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency</source>
        <translation>Emergenza</translation>
    </message>
</context>
<context>
    <name>RdsProgrammeType</name>
    <message>
        <location line="-64"/>
        <source>No programme type</source>
        <translation>Nessun tipo di programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Notiziario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current affairs</source>
        <translation>Attualità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Education</source>
        <translation>Istruzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drama</source>
        <translation>Prosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Culture</source>
        <translation>Cultura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Science</source>
        <translation>Scienza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Varied</source>
        <translation>Varietà</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop music</source>
        <translation>Musica pop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock music</source>
        <translation>Musica rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy listening</source>
        <translation>Musica leggera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light classical</source>
        <translation>Classica leggera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serious classical</source>
        <translation>Musica classica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other music</source>
        <translation>Altra musica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finance</source>
        <translation>Economia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s programmes</source>
        <translation>Programmi per ragazzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Social affairs</source>
        <translation>Sociale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religion</source>
        <translation>Religione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phone-in</source>
        <translation>Filo diretto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Travel</source>
        <translation>Viaggi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leisure</source>
        <translation>Tempo libero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jazz music</source>
        <translation>Musica jazz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Country music</source>
        <translation>Musica country</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>National music</source>
        <translation>Musica nazionale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oldies music</source>
        <translation>Successi del passato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folk music</source>
        <translation>Musica popolare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documentary</source>
        <translation>Documentari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm test</source>
        <translation>Prova allarme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <location filename="../src/platform/RecordingFiles.cpp" line="+62"/>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/platform/RegularFile.cpp" line="+14"/>
        <source>a directory</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe (FIFO)</source>
        <translation>una pipe con nome (FIFO)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not an ordinary file</source>
        <translation>non è un file ordinario</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a regular file but %1</source>
        <translation>non è un file normale ma %1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>larger than %1 KiB, more than such a file ever holds</source>
        <translation>più grande di %1 KiB, più di quanto contenga mai un file simile</translation>
    </message>
</context>
<context>
    <name>RemoteActions</name>
    <message>
        <location filename="../src/app/RemoteActions.cpp" line="+179"/>
        <source>the running copy is still starting</source>
        <translation>la copia in esecuzione si sta ancora avviando</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <location filename="../src/platform/SafeSave.cpp" line="+19"/>
        <source>%1: not a regular file but %2; it is left as it is</source>
        <translation>%1: non è un file normale ma %2; viene lasciato com&apos;è</translation>
    </message>
</context>
<context>
    <name>ScriptEdit</name>
    <message>
        <location filename="../src/schedule/ScriptEdit.cpp" line="+69"/>
        <source>A preset action needs a stored preset.
Store a preset first, or choose another action.</source>
        <translation>Un&apos;azione di preselezione richiede una preselezione memorizzata.
Memorizzare prima una preselezione o scegliere un&apos;altra azione.</translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <location filename="../src/schedule/ScriptFile.cpp" line="+70"/>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not an action word</source>
        <translation>non è una parola d&apos;azione</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time must be four digits, HHMM</source>
        <translation>l&apos;ora deve avere quattro cifre, HHMM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the time must be four digits, HHMM, then &quot;.&quot;</source>
        <translation>l&apos;ora deve avere quattro cifre, HHMM, poi &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a time of day</source>
        <translation>non è un&apos;ora del giorno</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 deve essere un numero intero da %2 a %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the stereo word (ST or MN)</source>
        <translation>la parola stereo (ST o MN)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>stereo must be ST or MN</source>
        <translation>stereo deve essere ST o MN</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the number of beeps</source>
        <translation>il numero di bip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the pitch</source>
        <translation>l&apos;altezza del suono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length</source>
        <translation>la durata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the volume</source>
        <translation>il volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>the preset number</source>
        <translation>il numero della preselezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length in minutes</source>
        <translation>la durata in minuti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the frequency</source>
        <translation>la frequenza</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not a frequency</source>
        <translation>non è una frequenza</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the band (AM or FM)</source>
        <translation>la banda (AM o FM)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be AM or FM</source>
        <translation>la banda deve essere AM o FM</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not readable</source>
        <translation>non leggibile</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>larger than %1 KiB, more than a script ever holds</source>
        <translation>più grande di %1 KiB, più di quanto contenga mai uno script</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the line is longer than %1 KiB</source>
        <translation>la riga è più lunga di %1 KiB</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the first line must begin with &quot;;&quot; and the title</source>
        <translation>la prima riga deve iniziare con &quot;;&quot; e il titolo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the last line is blank</source>
        <translation>l&apos;ultima riga è vuota</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time is not later than the action before</source>
        <translation>l&apos;ora non è successiva a quella dell&apos;azione precedente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the script has no actions</source>
        <translation>lo script non contiene azioni</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The script file is corrupt</source>
        <translation>Il file dello script è danneggiato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Errore di lettura o disco non pronto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Script write error</source>
        <translation>Errore di scrittura dello script</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro scripts (*.vxs *.Vxs);;Plain text (*.txt);;All files (*)</source>
        <translation>Script Vantoro (*.vxs *.Vxs);;Testo semplice (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you load a new script, the
current script will be erased.
Are you sure?</source>
        <translation>Se si carica un nuovo script, lo
script attuale verrà cancellato.
Si è sicuri?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load script</source>
        <translation>Carica script</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/periphery/AboutBox.cpp" line="+16"/>
        <source>About Vantoro</source>
        <translation>Informazioni su Vantoro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A radio with a front panel on the screen for USB and PCI radio tuners (Video4Linux) and older radio-receiver cards: tuning, hardware seek and scanning, RDS station names, one hundred presets, a station archive, an alarm, a sleep timer and timed scripts.</source>
        <translation>Una radio con il frontalino sullo schermo per sintonizzatori radio USB e PCI (Video4Linux) e vecchie schede riceventi: sintonia, ricerca hardware e scansione, nomi delle stazioni RDS, cento preselezioni, un archivio delle stazioni, una sveglia, lo spegnimento automatico e script a orario.</translation>
    </message>
</context>
<context>
    <name>TAlarmDialog</name>
    <message>
        <location filename="../src/schedule/AlarmDialog.cpp" line="+86"/>
        <source>Alarm setting</source>
        <translation>Impostazione sveglia</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set alarm time</source>
        <translation>Imposta l&apos;ora della sveglia</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Jump to</source>
        <translation>Vai a</translation>
    </message>
</context>
<context>
    <name>TArchive</name>
    <message>
        <location filename="../src/stations/Archive.cpp" line="+145"/>
        <source>without a valid &quot;Rows&quot; count</source>
        <translation>senza un numero &quot;Rows&quot; valido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>beyond the &quot;Rows&quot; count</source>
        <translation>oltre il numero &quot;Rows&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>with no parent folder read before</source>
        <translation>senza una cartella madre letta prima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in a loop of parents</source>
        <translation>in un ciclo di genitori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a station</source>
        <translation>sotto una stazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of an unknown kind</source>
        <translation>di tipo sconosciuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a key that is no row number</source>
        <translation>sotto una chiave che non è un numero di riga</translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>%n row(s) that the tree cannot take (%1)</source>
        <translation>
            <numerusform>%n riga che l&apos;albero non può accogliere (%1)</numerusform>
            <numerusform>%n righe che l&apos;albero non può accogliere (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This node can&apos;t be renamed</source>
        <translation>Questo nodo non può essere rinominato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A node with this name already exists</source>
        <translation>Esiste già un nodo con questo nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty</source>
        <translation>Il nome è vuoto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination node is the same as the source node</source>
        <translation>Il nodo di destinazione è uguale al nodo di origine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drag/drop the root</source>
        <translation>Impossibile trascinare la radice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drop a parent onto its child</source>
        <translation>Impossibile rilasciare un genitore sul proprio figlio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can&apos;t drop this type of node here!</source>
        <translation>Non è possibile rilasciare qui questo tipo di nodo!</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Folder Name</source>
        <translation>Nome cartella</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Station Name</source>
        <translation>Nome stazione</translation>
    </message>
</context>
<context>
    <name>TArchiveDialog</name>
    <message>
        <location filename="../src/stations/ArchiveDialog.cpp" line="+92"/>
        <source>Channels organizer</source>
        <translation>Organizzatore stazioni</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Presets</source>
        <translation>Preselezioni</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tuner</source>
        <translation>Sintonizzatore</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OUT OF RANGE</source>
        <translation>FUORI GAMMA</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tune previous</source>
        <translation>Sintonia indietro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Sintonia avanti</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Ricerca indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan next</source>
        <translation>Ricerca avanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halt</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Ferma la ricerca</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Regola il passo</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The station archive could not be written: %1</source>
        <translation>Impossibile scrivere l&apos;archivio delle stazioni: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive has changed!
Are you sure that you want
to exit without saving?</source>
        <translation>L&apos;archivio stazioni è cambiato!
Uscire davvero
senza salvare?</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Duplicated frequency</source>
        <translation>Frequenza duplicata</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Clear all favorites</source>
        <translation>Cancella tutte le preselezioni</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure?</source>
        <translation>Si è sicuri?</translation>
    </message>
</context>
<context>
    <name>TCannotStartDialog</name>
    <message>
        <location filename="../src/app/CannotStartDialog.cpp" line="+8"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vantoro can run under Linux 2.6 or later.</source>
        <translation>Vantoro funziona con Linux 2.6 o successivo.</translation>
    </message>
</context>
<context>
    <name>TColorGrid</name>
    <message>
        <location filename="../src/periphery/ColorGrid.cpp" line="+15"/>
        <location line="+18"/>
        <source>Left click: foreground (FG); right click: background (BG)</source>
        <translation>Clic sinistro: primo piano (PP); clic destro: sfondo (SF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a colour to choose it</source>
        <translation>Fare clic su un colore per sceglierlo</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>FG</source>
        <translation>PP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>SF</translation>
    </message>
</context>
<context>
    <name>TDirectPortAccess</name>
    <message>
        <location filename="../src/platform/DirectPortAccess.cpp" line="+20"/>
        <source>this kernel offers no I/O port access (ioperm: %1)</source>
        <translation>questo kernel non offre accesso alle porte di I/O (ioperm: %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>this processor has no I/O ports</source>
        <translation>questo processore non ha porte di I/O</translation>
    </message>
</context>
<context>
    <name>TExitQuestion</name>
    <message>
        <location filename="../src/app/ExitQuestion.cpp" line="+13"/>
        <source>Power-off message</source>
        <translation>Messaggio di spegnimento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want the music to play in the background?</source>
        <translation>Si desidera che la musica continui in sottofondo?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t &amp;exit</source>
        <translation>Non &amp;uscire</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../src/periphery/HelpWindow.cpp" line="+17"/>
        <source>Vantoro Help</source>
        <translation>Guida di Vantoro</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The help file %1 is missing or cannot be read.</source>
        <translation>Il file della guida %1 manca o non è leggibile.</translation>
    </message>
</context>
<context>
    <name>TIqFileSource</name>
    <message>
        <location filename="../src/sdr/IqFileSource.cpp" line="+27"/>
        <source>Cannot open the I/Q recording %1: %2.</source>
        <translation>Impossibile aprire la registrazione I/Q %1: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>A sample rate of 0 cannot be played.</source>
        <translation>Una frequenza di campionamento di 0 non si può riprodurre.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The I/Q recording %1 is not open.</source>
        <translation>La registrazione I/Q %1 non è aperta.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Cannot read the I/Q recording %1: %2.</source>
        <translation>Impossibile leggere la registrazione I/Q %1: %2.</translation>
    </message>
</context>
<context>
    <name>TJumpToDialog</name>
    <message>
        <location filename="../src/stations/JumpToDialog.cpp" line="+19"/>
        <source>Jump to</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set frequency</source>
        <translation>Imposta frequenza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <location filename="../src/app/MainDialogs.cpp" line="+93"/>
        <source>Settings: %1</source>
        <translation>Impostazioni: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Station archive: %1</source>
        <translation>
Archivio stazioni: %1</translation>
    </message>
    <message>
        <location filename="../src/app/MainLayout.cpp" line="+10"/>
        <source>Complete</source>
        <translation>Completo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="+228"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + tuner</source>
        <translation>Display + sintonizzatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + presets</source>
        <translation>Display + preselezioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + volume + buttons</source>
        <translation>Display + volume + tasti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display + volume + buttons + presets</source>
        <translation>Display + volume + tasti + preselezioni</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowArchive.cpp" line="+29"/>
        <source>The station archive %1 cannot be read</source>
        <translation>L&apos;archivio delle stazioni %1 non è leggibile</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The station archive %1 cannot be read: %2 (&quot;%3&quot;) does not convert</source>
        <translation>L&apos;archivio delle stazioni %1 non è leggibile: %2 (&quot;%3&quot;) non si converte</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive %1 has %2. They are not shown, and saving keeps them in the file as they are.</source>
        <translation>L&apos;archivio delle stazioni %1 contiene %2. Non vengono mostrate e il salvataggio le mantiene nel file così come sono.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowClock.cpp" line="+37"/>
        <source>Programming mode on/off (%1)</source>
        <translation>Modo programmazione sì/no (%1)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Favorites aren&apos;t defined</source>
        <translation>Nessuna preselezione definita</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>internal</source>
        <translation>interne</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowCreate.cpp" line="+63"/>
        <source>
The radio is closed. Plug it in again and choose it in the settings to open it again.</source>
        <translation>
La radio è chiusa. Ricollegarla e sceglierla nelle impostazioni per riaprirla.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>%1 could not be read: %2.
The program starts with the default settings and leaves the file as it is.</source>
        <translation>Impossibile leggere %1: %2.
Il programma si avvia con le impostazioni predefinite e lascia il file com&apos;è.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings cannot be saved in %1: %2.
The program runs, but the changes you make will be lost when it ends.</source>
        <translation>Le impostazioni non possono essere salvate in %1: %2.
Il programma funziona, ma le modifiche fatte andranno perse alla sua chiusura.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Internal</source>
        <translation>Interne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off (empty)</source>
        <translation>Modo programmazione sì/no (vuoto)</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>The %1 cannot be opened.
%2</source>
        <translation>Impossibile aprire %1.
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>radio device %1 (none found)</source>
        <translation>dispositivo radio %1 (nessuno trovato)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the I/O port 0x%1</source>
        <translation>la porta di I/O 0x%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The %1 %2 cannot be opened on %3.
The device does not exist, is in use, or you may not use it.</source>
        <translation>Impossibile aprire %1 %2 su %3.
Il dispositivo non esiste, è in uso o non si ha il permesso di usarlo.</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>The settings could not be written: %1</source>
        <translation>Impossibile scrivere le impostazioni: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The settings could not be written:
</source>
        <translation>Impossibile scrivere le impostazioni:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Esci senza salvare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="+172"/>
        <source>Favorite n.</source>
        <translation>N. preselezione</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.h" line="+639"/>
        <location filename="../src/app/MainWindowLayout.cpp" line="+2"/>
        <location line="+226"/>
        <source>Name of the radio station</source>
        <translation>Nome della stazione radio</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="-291"/>
        <source>Programme type</source>
        <translation>Tipo di programma</translation>
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
        <translation>Livello del segnale</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Current time</source>
        <translation>Ora attuale</translation>
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
        <translation>Sintonizzatore </translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tune previous</source>
        <translation>Sintonia indietro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Sintonia avanti</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Regola il passo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Go</source>
        <translation>Vai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jump directly to a frequency</source>
        <translation>Vai direttamente a una frequenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Ricerca indietro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan next</source>
        <translation>Ricerca avanti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Ferma la ricerca</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="-35"/>
        <location line="+38"/>
        <source>Presets</source>
        <translation>Preselezioni</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Next/Prev row of favorites</source>
        <translation>Fila successiva/precedente di preselezioni</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="-6"/>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Mute on/off</source>
        <translation>Muto sì/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm on/off</source>
        <translation>Sveglia sì/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep on/off</source>
        <translation>Spegnimento automatico sì/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off</source>
        <translation>Modo programmazione sì/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear a favorite</source>
        <translation>Cancella una preselezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store a favorite</source>
        <translation>Memorizza una preselezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force Mono/Stereo</source>
        <translation>Forza mono/stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowMenus.cpp" line="-107"/>
        <source>Jump to</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Sintonia a sinistra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Sintonia a destra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step +</source>
        <translation>Passo +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Passo -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan left</source>
        <translation>Ricerca a sinistra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Ricerca a destra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan stop</source>
        <translation>Ferma ricerca</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep</source>
        <translation>Spegnimento automatico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Scripting</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Organize</source>
        <translation>Organizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Modifica preselezioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+102"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+102"/>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+99"/>
        <source>Memory</source>
        <translation>Memorizza</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+103"/>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Always on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Carica script</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/app/MainWindowPresets.cpp" line="+377"/>
        <source>Load presets</source>
        <translation>Carica preselezioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+60"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&amp;Actions</source>
        <translation>&amp;Azioni</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;isplay</source>
        <translation>&amp;Visualizzazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stations</source>
        <translation>&amp;Stazioni</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+15"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+37"/>
        <source>Help topics</source>
        <translation>Argomenti della guida</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+37"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Recording %1
%2</source>
        <translation>Registrazione %1
%2</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowPresets.cpp" line="-116"/>
        <source>No preset is tuned, so there is nothing to rename.</source>
        <translation>Nessuna preselezione è sintonizzata, quindi non c&apos;è niente da rinominare.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Duplicated frequency</source>
        <translation>Frequenza duplicata</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Clear all favorites</source>
        <translation>Cancella tutte le preselezioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure?</source>
        <translation>Si è sicuri?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Se si carica un nuovo insieme di preselezioni, le
preselezioni attuali verranno cancellate.
Si è sicuri?</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Presets loaded from </source>
        <translation>Preselezioni caricate da </translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowScan.cpp" line="+33"/>
        <source>Scanning works on FM only.</source>
        <translation>La ricerca funziona solo in FM.</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>No sound: %1
The radio goes on tuning and receiving RDS.</source>
        <translation>Nessun suono: %1
La radio continua a sintonizzarsi e a ricevere l&apos;RDS.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowStations.cpp" line="+28"/>
        <source>No presets are stored yet.</source>
        <translation>Non è ancora memorizzata nessuna preselezione.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowTuning.cpp" line="+371"/>
        <source>This radio card cannot switch between stereo and mono.</source>
        <translation>Questa scheda radio non può passare da stereo a mono.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowVolume.cpp" line="+32"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>si prosegue senza il mixer della scheda audio: %1</translation>
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
        <translation>Vai al mixer della scheda audio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control
the sound volume</source>
        <translation>Vantoro non può regolare
il volume</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control</source>
        <translation>Vantoro non può regolare</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <location line="+315"/>
        <source>The tuner&apos;s sound cannot be played on the sound card (%1).</source>
        <translation>Il suono del sintonizzatore non può essere riprodotto sulla scheda audio (%1).</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowDevices.cpp" line="+16"/>
        <source>No radio</source>
        <translation>Nessuna radio</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+19"/>
        <source>Radio found</source>
        <translation>Radio trovata</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The radio device %1 has been plugged in.
Do you want to listen to it now?</source>
        <translation>Il dispositivo radio %1 è stato collegato.
Ascoltarlo adesso?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>An RTL-SDR dongle has been plugged in.
Do you want to listen to it now?</source>
        <translation>È stata collegata una chiavetta RTL-SDR.
Ascoltarla adesso?</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowRecord.cpp" line="-65"/>
        <source>Cannot record:
%1</source>
        <translation>Impossibile registrare:
%1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The recording stopped: %1</source>
        <translation>La registrazione si è interrotta: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 seconds of sound could not be written in time and are missing from the recording.</source>
        <translation>%1 secondi di audio non sono stati scritti in tempo e mancano nella registrazione.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Recording %1 into %2</source>
        <translation>Registrazione %1 in %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 is being recorded.
Stop the recording, or go on recording the new station?</source>
        <translation>È in corso la registrazione di %1.
Fermare la registrazione o continuare registrando la nuova stazione?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop recording</source>
        <translation>Ferma la registrazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go on recording</source>
        <translation>Continua a registrare</translation>
    </message>
</context>
<context>
    <name>TMixer</name>
    <message>
        <location filename="../src/hardware/Mixer.cpp" line="+155"/>
        <source>Can&apos;t find audio output mixer line for %1</source>
        <translation>Impossibile trovare la linea del mixer di uscita audio per %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Can&apos;t find %1 output source line for %2</source>
        <translation>Impossibile trovare la linea di sorgente in uscita %1 per %2</translation>
    </message>
</context>
<context>
    <name>TMixerDialog</name>
    <message>
        <location filename="../src/hardware/MixerDialog.cpp" line="+58"/>
        <source>Mixer control</source>
        <translation>Controllo mixer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Master</source>
        <translation>Generale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bass</source>
        <translation>Bassi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Treble</source>
        <translation>Acuti</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Line in</source>
        <translation>Ingresso linea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Microphone</source>
        <translation>Microfono</translation>
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
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>L</source>
        <translation>S</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>R</source>
        <translation>D</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Balance</source>
        <translation>Bilanciamento</translation>
    </message>
</context>
<context>
    <name>TPortAccessWarning</name>
    <message>
        <location filename="../src/app/PortAccessWarning.cpp" line="+10"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The running operating system is Linux and the installed radio card is controlled by direct access to I/O ports.</source>
        <translation>Il sistema operativo in uso è Linux e la scheda radio installata è comandata con accesso diretto alle porte di I/O.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In Linux, that kind of access to hardware is not allowed without a privilege.</source>
        <translation>In Linux questo tipo di accesso all&apos;hardware non è permesso senza un privilegio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In order for Vantoro to gain access to this kind of radio card under Linux, the program must be given the CAP_SYS_RAWIO capability (setcap cap_sys_rawio+ep) before running Vantoro!</source>
        <translation>Perché Vantoro possa accedere a questo tipo di scheda radio in Linux, al programma deve essere data la capacità CAP_SYS_RAWIO (setcap cap_sys_rawio+ep) prima di avviare Vantoro!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read the chapter &quot;Installing on Linux&quot; of the user manual for more details.</source>
        <translation>Per ulteriori dettagli leggere il capitolo &quot;Installing on Linux&quot; del manuale.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system&apos;s reason: %1</source>
        <translation>Il motivo indicato dal sistema: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Linux is
installed</source>
        <translation>Linux è
installato</translation>
    </message>
</context>
<context>
    <name>TPresetsDraft</name>
    <message>
        <location filename="../src/stations/PresetsDraft.cpp" line="+78"/>
        <source>Edit presets - </source>
        <translation>Modifica preselezioni - </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Internal</source>
        <translation>Interne</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stored entries: %1</source>
        <translation>Voci memorizzate: %1</translation>
    </message>
    <message>
        <location line="+214"/>
        <location line="+11"/>
        <source>Warning!</source>
        <translation>Attenzione!</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Do you wish to clear all presets?</source>
        <translation>Cancellare tutte le preselezioni?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Do you wish to restore the previous presets?</source>
        <translation>Ripristinare le preselezioni precedenti?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Se si carica un nuovo insieme di preselezioni, le
preselezioni attuali verranno cancellate.
Si è sicuri?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open presets</source>
        <translation>Apri preselezioni</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Save presets</source>
        <translation>Salva preselezioni</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets have changed!
Are you sure that you want
to exit without saving?</source>
        <translation>Le preselezioni sono cambiate!
Uscire davvero
senza salvare?</translation>
    </message>
</context>
<context>
    <name>TPresetsEditor</name>
    <message>
        <location filename="../src/stations/PresetsEditor.cpp" line="+85"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+162"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tuner</source>
        <translation>Sintonizzatore</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Tune previous</source>
        <translation>Sintonia indietro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Sintonia avanti</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Adjust step</source>
        <translation>Regola il passo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Duplicated frequency</source>
        <translation>Frequenza duplicata</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Listen</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Listen T</source>
        <translation>Ascolta T</translation>
    </message>
</context>
<context>
    <name>TProfile</name>
    <message>
        <location filename="../src/platform/Profile.cpp" line="+179"/>
        <source>%1: a line longer than %2 KiB, which no such file has</source>
        <translation>%1: una riga più lunga di %2 KiB, che nessun file simile contiene</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>%1 could not be read, so it is left as it is</source>
        <translation>%1 non è stato letto, quindi viene lasciato com&apos;è</translation>
    </message>
</context>
<context>
    <name>TRadioCard</name>
    <message>
        <location filename="../src/hardware/SerialRadioProtocol.cpp" line="+53"/>
        <source>The serial receiver on COM%1 (%2) stopped answering (%3).</source>
        <translation>Il ricevitore seriale su COM%1 (%2) non risponde più (%3).</translation>
    </message>
    <message>
        <location filename="../src/hardware/V4l2RadioProtocol.cpp" line="+39"/>
        <source>The radio device %1 stopped answering (%2).</source>
        <translation>Il dispositivo radio %1 non risponde più (%2).</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No radio card is open.</source>
        <translation>Nessuna scheda radio è aperta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The tuner&apos;s sound is recorded when it is played as USB sound (Settings, Volume control).</source>
        <translation>Il suono del sintonizzatore si registra quando è riprodotto come suono USB (Impostazioni, Controllo volume).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This card&apos;s sound goes to the sound card by a cable, not through Vantoro: record it with the sound card&apos;s own recording tools.</source>
        <translation>Il suono di questa scheda arriva alla scheda audio tramite un cavo, non attraverso Vantoro: registrarlo con gli strumenti di registrazione della scheda audio.</translation>
    </message>
    <message>
        <location filename="../src/hardware/RadioCards.cpp" line="+58"/>
        <source>V4L2 radio device</source>
        <translation>dispositivo radio V4L2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SDR receiver (RTL2832U dongle)</source>
        <translation>Ricevitore SDR (chiavetta RTL2832U)</translation>
    </message>
    <message>
        <location filename="../src/hardware/SdrCard.cpp" line="+77"/>
        <source>&quot;%1&quot; names no dongle: rtlsdr:N takes the dongle&apos;s number, 0 for the first.</source>
        <translation>&quot;%1&quot; non indica alcuna chiavetta: rtlsdr:N vuole il numero della chiavetta, 0 per la prima.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; names no server: write rtl_tcp:HOST:PORT, as rtl_tcp:192.168.1.20:1234.</source>
        <translation>&quot;%1&quot; non indica alcun server: scrivere rtl_tcp:HOST:PORT, come rtl_tcp:192.168.1.20:1234.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No source is chosen for the SDR receiver.</source>
        <translation>Non è stata scelta alcuna sorgente per il ricevitore SDR.</translation>
    </message>
</context>
<context>
    <name>TRecorder</name>
    <message>
        <location filename="../src/platform/Recorder.cpp" line="+95"/>
        <source>A recording is already open.</source>
        <translation>Una registrazione è già aperta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot record into a .%1 file here; use one of: %2.</source>
        <translation>Qui non si può registrare in un file .%1; usare uno di questi: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot record %1 channels.</source>
        <translation>Impossibile registrare %1 canali.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot record into %1: %2</source>
        <translation>Impossibile registrare in %1: %2</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Writing %1 failed: %2</source>
        <translation>Scrittura di %1 non riuscita: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file %1 was removed, or its folder.</source>
        <translation>Il file %1, o la sua cartella, è stato rimosso.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Closing %1 failed: %2</source>
        <translation>Chiusura di %1 non riuscita: %2</translation>
    </message>
</context>
<context>
    <name>TRtlSdrSource</name>
    <message>
        <location filename="../src/sdr/RtlSdrSource.cpp" line="+17"/>
        <source>No permission to use the RTL-SDR dongle %1. Install the udev rules of the rtl-sdr package (sudo apt install rtl-sdr), add yourself to the plugdev group (sudo adduser $USER plugdev), log in again and plug the dongle in anew.</source>
        <translation>Nessun permesso per usare la chiavetta RTL-SDR %1. Installare le regole udev del pacchetto rtl-sdr (sudo apt install rtl-sdr), aggiungersi al gruppo plugdev (sudo adduser $USER plugdev), rientrare nella sessione e ricollegare la chiavetta.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The kernel&apos;s DVB-T driver holds the RTL-SDR dongle %1. Unload it (sudo modprobe -r dvb_usb_rtl28xxu) and keep it from coming back: put the line &quot;blacklist dvb_usb_rtl28xxu&quot; in /etc/modprobe.d/blacklist-rtl-sdr.conf.</source>
        <translation>Il driver DVB-T del kernel occupa la chiavetta RTL-SDR %1. Scaricarlo (sudo modprobe -r dvb_usb_rtl28xxu) e impedire che ritorni: mettere la riga &quot;blacklist dvb_usb_rtl28xxu&quot; in /etc/modprobe.d/blacklist-rtl-sdr.conf.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The RTL-SDR dongle %1 was unplugged.</source>
        <translation>La chiavetta RTL-SDR %1 è stata scollegata.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the RTL-SDR dongle %1 (librtlsdr error %2).</source>
        <translation>Impossibile aprire la chiavetta RTL-SDR %1 (errore librtlsdr %2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The RTL-SDR dongle refused %1 (librtlsdr error %2).</source>
        <extracomment>%1 is one of the things the dongle is asked for: &quot;to start&quot;, &quot;the frequency&quot;, &quot;the gain&quot;...</extracomment>
        <translation>La chiavetta RTL-SDR ha rifiutato %1 (errore librtlsdr %2).</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/sim/EmulatedDongle.cpp" line="+42"/>
        <source>No RTL-SDR dongle is plugged in.</source>
        <translation>Nessuna chiavetta RTL-SDR è collegata.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>There is no RTL-SDR dongle %1: %n is plugged in, numbered from 0.</source>
        <translation>
            <numerusform>Non c&apos;è una chiavetta RTL-SDR %1: ne è collegata %n, numerata da 0.</numerusform>
            <numerusform>Non c&apos;è una chiavetta RTL-SDR %1: ne sono collegate %n, numerate da 0.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>to start</source>
        <translation>l&apos;avvio</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the frequency</source>
        <translation>la frequenza</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the sample rate %1</source>
        <translation>la frequenza di campionamento %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>automatic gain</source>
        <translation>il guadagno automatico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>manual gain</source>
        <translation>il guadagno manuale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the gain</source>
        <translation>il guadagno</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the frequency correction</source>
        <translation>la correzione di frequenza</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The RTL-SDR dongle is not open.</source>
        <translation>La chiavetta RTL-SDR non è aperta.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The RTL-SDR dongle was unplugged.</source>
        <translation>La chiavetta RTL-SDR è stata scollegata.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The RTL-SDR dongle stopped sending samples (librtlsdr error %1).</source>
        <translation>La chiavetta RTL-SDR ha smesso di inviare campioni (errore librtlsdr %1).</translation>
    </message>
</context>
<context>
    <name>TRtlTcpSource</name>
    <message>
        <location filename="../src/sdr/RtlTcpSource.cpp" line="+52"/>
        <source>Lost the connection to the rtl_tcp server at %1: %2.</source>
        <translation>Persa la connessione con il server rtl_tcp %1: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot find the host %1: %2.</source>
        <translation>Impossibile trovare l&apos;host %1: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no address</source>
        <translation>nessun indirizzo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no answer within 2 seconds</source>
        <translation>nessuna risposta entro 2 secondi</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot connect to the rtl_tcp server at %1: %2.</source>
        <translation>Impossibile connettersi al server rtl_tcp %1: %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The rtl_tcp server at %1 sent no header within 2 seconds: is it an rtl_tcp server?</source>
        <translation>Il server rtl_tcp %1 non ha inviato alcuna intestazione entro 2 secondi: è davvero un server rtl_tcp?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The rtl_tcp server at %1 closed the connection before its header (is the dongle in use by another client?).</source>
        <translation>Il server rtl_tcp %1 ha chiuso la connessione prima della sua intestazione (la chiavetta è usata da un altro client?).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The rtl_tcp server at %1 sent a header that does not begin with &quot;RTL0&quot;: it is not an rtl_tcp server.</source>
        <translation>Il server rtl_tcp %1 ha inviato un&apos;intestazione che non inizia con &quot;RTL0&quot;: non è un server rtl_tcp.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+49"/>
        <source>Not connected to the rtl_tcp server at %1.</source>
        <translation>Non connesso al server rtl_tcp %1.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The rtl_tcp server at %1 takes no more commands.</source>
        <translation>Il server rtl_tcp %1 non accetta più comandi.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The rtl_tcp server at %1 closed the connection.</source>
        <translation>Il server rtl_tcp %1 ha chiuso la connessione.</translation>
    </message>
</context>
<context>
    <name>TScriptEditor</name>
    <message>
        <location filename="../src/schedule/ScriptEditor.cpp" line="+43"/>
        <source>Mute on</source>
        <translation>Muto sì</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute off</source>
        <translation>Muto no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+206"/>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="-205"/>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+90"/>
        <source>Jump to</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>Preselezione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+0"/>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <location line="+104"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+2"/>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+3"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Property for this item</source>
        <translation>Proprietà di questa voce</translation>
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
        <translation>Prova</translation>
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
        <translation>per</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Times</source>
        <translation>Volte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Event time</source>
        <translation>Ora dell&apos;evento</translation>
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
        <translation>L&apos;intervallo va da</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Programming -</source>
        <translation>Programmazione -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Script - (%1)</source>
        <translation>Script - (%1)</translation>
    </message>
    <message>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+192"/>
        <source>Tuned</source>
        <translation>Sintonizzato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not tuned</source>
        <translation>Non sintonizzato</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>This script will be erased.
Are you sure?</source>
        <translation>Questo script verrà cancellato.
Si è sicuri?</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Save script</source>
        <translation>Salva script</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Exit without save</source>
        <translation>Esci senza salvare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The script has changed!
Are you sure?</source>
        <translation>Lo script è cambiato!
Si è sicuri?</translation>
    </message>
</context>
<context>
    <name>TSdrReceiver</name>
    <message>
        <location filename="../src/sdr/SdrReceiver.cpp" line="+179"/>
        <source>The I/Q recording ended.</source>
        <translation>La registrazione I/Q è finita.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source sent no samples for 2 seconds.</source>
        <translation>La sorgente non ha inviato campioni per 2 secondi.</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>The sound output %1 failed.</source>
        <translation>L&apos;uscita audio %1 non funziona.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The sound output %1 failed; the radio goes on without sound.</source>
        <translation>L&apos;uscita audio %1 non funziona; la radio continua senza suono.</translation>
    </message>
</context>
<context>
    <name>TSettingsDialog</name>
    <message>
        <location filename="../src/setup/KeyCommands.cpp" line="+8"/>
        <source>Volume up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume reset</source>
        <translation>Azzera volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute on/off</source>
        <translation>Muto sì/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Sintonia a sinistra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Sintonia a destra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step +</source>
        <translation>Passo +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Passo -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep</source>
        <translation>Spegnimento aut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan left</source>
        <translation>Ricerca a sinistra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Ricerca a destra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop scan</source>
        <translation>Ferma ricerca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Modifica preselezioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/setup/SettingsDialog.cpp" line="+72"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Organize</source>
        <translation>Organizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scripting</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick jump</source>
        <translation>Salto rapido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimal</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+tuner</source>
        <translation>Min+sint.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+presets</source>
        <translation>Min+presel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete disp.</source>
        <translation>Display completo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Memorizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help topics</source>
        <translation>Argomenti della guida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Carica script</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load presets</source>
        <translation>Carica preselezioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn</source>
        <translation>Min+vol+tasti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn+pre</source>
        <translation>Min+vol+tasti+presel.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialog.cpp" line="-43"/>
        <source>This radio card is currently
installed in your computer</source>
        <translation>Questa scheda radio è attualmente
installata nel computer</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Radio card</source>
        <translation>Scheda radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume control</source>
        <translation>Controllo volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start/close</source>
        <translation>Avvio/chiusura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buttons</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Supported hardware</source>
        <translation>Hardware supportato</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Check radio signal periodically</source>
        <translation>Controlla periodicamente il segnale radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Japanese FM frequencies</source>
        <translation>Frequenze FM giapponesi</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+14"/>
        <location line="+54"/>
        <source>Connected to</source>
        <translation>Collegata a</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>I/O Port</source>
        <translation>Porta di I/O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30Ch (default)</source>
        <translation>30Ch (predefinita)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20Ch (alternate)</source>
        <translation>20Ch (alternativa)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Available serial port</source>
        <translation>Porta seriale disponibile</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  (needs the dialout group)</source>
        <translation>  (richiede il gruppo dialout)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+21"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>The I/O ports cannot be reached.</source>
        <translation>Le porte di I/O non sono raggiungibili.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your radio card is controlled by I/O ports.
Vantoro can&apos;t access the hardware directly
without the CAP_SYS_RAWIO capability.
See the chapter &quot;Installing on Linux&quot; of
the user manual for more details.</source>
        <translation>La scheda radio è comandata tramite porte di I/O.
Vantoro non può accedere direttamente
all&apos;hardware senza la capacità CAP_SYS_RAWIO.
Vedere il capitolo &quot;Installing on Linux&quot;
del manuale per ulteriori dettagli.</translation>
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
        <translation>Su questo computer non è utilizzabile
nessuna porta seriale, quindi questo
dispositivo non può ancora essere usato.
Le porte seriali sono /dev/ttyS*, gli
adattatori USB /dev/ttyUSB* o
/dev/ttyACM*; usarle richiede il gruppo
dialout (sudo usermod -aG dialout
$USER, poi accedere di nuovo).
Collegare l&apos;adattatore e riaprire
le impostazioni per sceglierlo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Radio device</source>
        <translation>Dispositivo radio</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No radio device found: nothing is at /dev/radio0, /dev/radio1, ... Connect a USB or PCI radio tuner (its driver makes the device), or choose one of the older cards in the list.</source>
        <translation>Nessun dispositivo radio trovato: non c&apos;è niente in /dev/radio0, /dev/radio1, ... Collegare un sintonizzatore radio USB o PCI (il suo driver crea il dispositivo) o scegliere una delle vecchie schede dell&apos;elenco.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>You can set the volume properties through:</source>
        <translation>Il volume si può regolare tramite:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One or more sound cards were detected on this system.
</source>
        <translation>Su questo sistema sono state rilevate una o più schede audio.
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The sound volume is controlled through</source>
        <translation>Il volume è regolato tramite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play the tuner&apos;s USB sound through the sound card</source>
        <translation>Riproduci il suono USB del sintonizzatore sulla scheda audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For radio devices that deliver their sound over USB; tuners wired to the sound card play through that cable.</source>
        <translation>Per i dispositivi radio che forniscono il suono via USB; i sintonizzatori cablati alla scheda audio suonano tramite quel cavo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Startup</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tune to last station</source>
        <translation>Sintonizza l&apos;ultima stazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start minimized</source>
        <translation>Avvia ridotto a icona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Tip Of The Day</source>
        <translation>Mostra il suggerimento del giorno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start muted</source>
        <translation>Avvia in muto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start alarm if set</source>
        <translation>Avvia la sveglia se impostata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force stereo off</source>
        <translation>Forza stereo disattivato</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Shutdown</source>
        <translation>Chiusura</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute audio</source>
        <translation>Audio muto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave in current state</source>
        <translation>Lascia nello stato attuale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ask at shutdown</source>
        <translation>Chiedi alla chiusura</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogLook.cpp" line="+118"/>
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flags</source>
        <translation>Indicatori</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Display preview</source>
        <translation>Anteprima del display</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Generic button</source>
        <translation>Tasto generico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (FM)</source>
        <translation>Preselezione assegnata (FM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (AM)</source>
        <translation>Preselezione assegnata (AM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset not assigned</source>
        <translation>Preselezione non assegnata</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not active</source>
        <translation>Non attivo</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Reset to default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogRecording.cpp" line="+23"/>
        <source>FLAC, lossless (.flac)</source>
        <translation>FLAC, senza perdita (.flac)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WAV, uncompressed (.wav)</source>
        <translation>WAV, non compresso (.wav)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Empty: %1</source>
        <translation>Vuoto: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recording folder</source>
        <translation>Cartella delle registrazioni</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The end of sleep stops a recording</source>
        <translation>La fine dello spegnimento automatico ferma la registrazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Otherwise a recording goes on while the radio is silent.</source>
        <translation>Altrimenti la registrazione continua mentre la radio tace.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recordings are named after the station and the time they begin, as in &quot;Station - 2026-12-07 20-00.flac&quot;; a title the station announces goes into a cue sheet beside the file.</source>
        <extracomment>The example name is how the program names the file; &quot;Station&quot; may be translated.</extracomment>
        <translation>Le registrazioni prendono il nome dalla stazione e dall&apos;ora d&apos;inizio, come &quot;Stazione - 2026-12-07 20-00.flac&quot;; un titolo annunciato dalla stazione va in un cue sheet accanto al file.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogSdr.cpp" line="+30"/>
        <source>Receiver</source>
        <translation>Ricevitore</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rtlsdr:0 for the first dongle on USB, rtl_tcp:HOST:PORT for a dongle served by rtl_tcp, or the path of an I/Q recording (.cu8)</source>
        <extracomment>rtlsdr:0 and rtl_tcp:HOST:PORT are written as they are; HOST and PORT may be translated.</extracomment>
        <translation>rtlsdr:0 per la prima chiavetta USB, rtl_tcp:HOST:PORT per una chiavetta servita da rtl_tcp, o il percorso di una registrazione I/Q (.cu8)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 samples/s</source>
        <translation>%1 campioni/s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Taken to the nearest step the tuner has</source>
        <translation>Arrotondato al passo più vicino del sintonizzatore</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gain</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Frequency correction</source>
        <translation>Correzione di frequenza</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>50 µs (Europe, Asia, Africa, Oceania)</source>
        <translation>50 µs (Europa, Asia, Africa, Oceania)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>75 µs (the Americas, South Korea)</source>
        <translation>75 µs (Americhe, Corea del Sud)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>De-emphasis</source>
        <translation>De-enfasi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An ALSA playback device; &quot;default&quot; plays through PipeWire or PulseAudio where they run</source>
        <extracomment>&quot;default&quot; is the name of an ALSA device: it stays as it is.</extracomment>
        <translation>Un dispositivo di riproduzione ALSA; &quot;default&quot; suona tramite PipeWire o PulseAudio dove sono attivi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound output</source>
        <translation>Uscita audio</translation>
    </message>
</context>
<context>
    <name>TSetupModel</name>
    <message>
        <location filename="../src/setup/SetupModel.cpp" line="+134"/>
        <source>Radio card</source>
        <translation>Scheda radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line In</source>
        <translation>Ingresso linea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone</source>
        <translation>Microfono</translation>
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
        <translation>Spegnimento automatico</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Turn off radio after</source>
        <translation>Spegni la radio dopo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
</context>
<context>
    <name>TStationNamePrompt</name>
    <message>
        <location filename="../src/app/StationNamePrompt.cpp" line="+34"/>
        <source>Asking for station name</source>
        <translation>Nome della stazione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Station name</source>
        <translation>Nome della stazione</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Suggerimento del giorno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Did you know...</source>
        <translation>Lo sapevi che...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show tips at start-up</source>
        <translation>Mostra i suggerimenti all&apos;avvio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next tip</source>
        <translation>&amp;Suggerimento successivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No tips to show: the tips file %1 is missing or empty.</source>
        <translation>Nessun suggerimento da mostrare: il file dei suggerimenti %1 manca o è vuoto.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No tips to show.</source>
        <translation>Nessun suggerimento da mostrare.</translation>
    </message>
</context>
<context>
    <name>vantoro</name>
    <message>
        <location filename="../src/app/main.cpp" line="+251"/>
        <source>cannot use the station list %1</source>
        <translation>impossibile usare l&apos;elenco delle stazioni %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot write the trace file %1</source>
        <translation>impossibile scrivere il file di traccia %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>desktop actions cannot reach this copy: %1</source>
        <translation>le azioni del desktop non raggiungono questa copia: %1</translation>
    </message>
</context>
<context>
    <name>vantoroctl</name>
    <message>
        <location filename="../tools/vantoroctl/ArchiveCommands.cpp" line="+19"/>
        <source>usage: vantoroctl archive show [FILE]
</source>
        <translation>uso: vantoroctl archive show [FILE]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 non leggibile: %2</translation>
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
        <translation>uso: vantoroctl [--simulate] [--stations FILE] [--trace FILE] [--model M] [--port N]
                 [--device PERCORSO] [--band am|fm] [--japanese-fm] [--mono] [--volume V]
                 [--muted] [--close] [--rds-groups FILE] COMANDO...
     vantoroctl --model SDR --device SORGENTE [--sample-rate N] [--gain DB|auto]
                 [--deemphasis 50|75] [--center MHZ] COMANDO...
        SORGENTE: rtlsdr:N, rtl_tcp:HOST:PORT o una registrazione I/Q (.cu8)
comandi: models | tune F | band am|fm | mute | unmute | volume V | up | down | zero |
         signal | status | scan up|down|all | rds [SECONDI] | record FILE SECONDI (SDR)
     vantoroctl presets check|show FILE | presets copy FILE DEST
     vantoroctl script check|show FILE
     vantoroctl settings show [CARTELLA]
     vantoroctl archive show [FILE]
     vantoroctl rds --hex FILE
     vantoroctl --help | -h | --version
Senza --model, --port e --device la scheda è quella indicata nelle impostazioni del programma.
</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 must be a whole number, not &quot;%2&quot;</source>
        <translation>%1 deve essere un numero intero, non &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 takes 0..%2, not %3</source>
        <translation>%1 accetta 0..%2, non %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is not a frequency in MHz</source>
        <translation>&quot;%1&quot; non è una frequenza in MHz</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the %1 has no %2 band</source>
        <translation>%1 non ha la banda %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+60"/>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+46"/>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>band takes am or fm</source>
        <translation>band accetta am o fm</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>scan takes up, down or all</source>
        <translation>scan accetta up, down o all</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record goes with the SDR receiver</source>
        <translation>record va con il ricevitore SDR</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record takes 1 second or more</source>
        <translation>record accetta 1 secondo o più</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>rds takes a number of seconds from 0 to %1, not %2</source>
        <translation>rds accetta un numero di secondi da 0 a %1, non %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown model &quot;%1&quot;</source>
        <translation>modello sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--port takes 1 or more, not %1</source>
        <translation>--port accetta 1 o più, non %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--band takes am or fm, not &quot;%1&quot;</source>
        <translation>--band accetta am o fm, non &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--stations goes with --simulate</source>
        <translation>--stations va con --simulate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--device goes with radio devices, the SDR receiver, and with the serial models on real hardware</source>
        <translation>--device va con i dispositivi radio, il ricevitore SDR e con i modelli seriali su hardware reale</translation>
    </message>
    <message>
        <location line="+330"/>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <location line="-216"/>
        <source>cannot read the radio device %1</source>
        <translation>impossibile leggere il dispositivo radio %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>cannot use the station list %1</source>
        <translation>impossibile usare l&apos;elenco delle stazioni %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+158"/>
        <source>cannot write the trace file %1</source>
        <translation>impossibile scrivere il file di traccia %1</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>si prosegue senza il mixer della scheda audio: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>port %1 does not exist on the %2 (1..%3)</source>
        <translation>la porta %1 non esiste su %2 (1..%3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the %1 has no Japanese FM range</source>
        <translation>%1 non ha la gamma FM giapponese</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot reach the I/O ports of the %1 %2: %3.</source>
        <translation>impossibile raggiungere le porte di I/O di %1 %2: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The program needs the CAP_SYS_RAWIO capability: sudo setcap cap_sys_rawio+ep %1 (or try it on emulated hardware with --simulate).</source>
        <translation>Il programma richiede la capacità CAP_SYS_RAWIO: sudo setcap cap_sys_rawio+ep %1 (oppure provarlo su hardware emulato con --simulate).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No capability can help on this kernel; try the program on emulated hardware with --simulate.</source>
        <translation>Su questo kernel nessuna capacità può aiutare; provare il programma su hardware emulato con --simulate.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>there is no radio device %1</source>
        <translation>non esiste il dispositivo radio %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot open the radio device %1: it does not exist, is no radio tuner, or you may not use it (membership of the video group is usually needed).</source>
        <translation>impossibile aprire il dispositivo radio %1: non esiste, non è un sintonizzatore radio o non si ha il permesso di usarlo (di solito serve l&apos;appartenenza al gruppo video).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot open COM%1 (%2): the device does not exist, is in use, or you may not use it (membership of the dialout group is usually needed).</source>
        <translation>impossibile aprire COM%1 (%2): il dispositivo non esiste, è in uso o non si ha il permesso di usarlo (di solito serve l&apos;appartenenza al gruppo dialout).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 MHz is outside the %2&apos;s %3 band (%4 to %5 MHz)</source>
        <translation>%1 MHz è fuori dalla banda %3 di %2 (da %4 a %5 MHz)</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/RadioCommands.cpp" line="+105"/>
        <source>usage: vantoroctl rds --hex FILE
</source>
        <translation>uso: vantoroctl rds --hex FILE
</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>line %1 is longer than %2 KiB, not an RDS log</source>
        <translation>la riga %1 è più lunga di %2 KiB, non è un registro RDS</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/ScriptCommands.cpp" line="+36"/>
        <source>usage: vantoroctl script check|show FILE
</source>
        <translation>uso: vantoroctl script check|show FILE
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SettingsCommands.cpp" line="+19"/>
        <source>usage: vantoroctl settings show [DIR]
</source>
        <translation>uso: vantoroctl settings show [CARTELLA]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a directory: %1</source>
        <translation>non è una cartella: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1; showing the defaults</source>
        <translation>impossibile leggere %1; si mostrano i valori predefiniti</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/PresetsCommands.cpp" line="+24"/>
        <source>usage: vantoroctl presets check|show FILE | presets copy FILE TO
</source>
        <translation>uso: vantoroctl presets check|show FILE | presets copy FILE DEST
</translation>
    </message>
    <message numerus="yes">
        <location line="+18"/>
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n preselezione</numerusform>
            <numerusform>%n preselezioni</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+11"/>
        <source>--sample-rate takes one of %1, not &quot;%2&quot;</source>
        <translation>--sample-rate accetta uno tra %1, non &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--gain takes auto or a value in dB, not &quot;%1&quot;</source>
        <translation>--gain accetta auto o un valore in dB, non &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--deemphasis takes 50 or 75, not &quot;%1&quot;</source>
        <translation>--deemphasis accetta 50 o 75, non &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--center takes a frequency in MHz, not &quot;%1&quot;</source>
        <translation>--center accetta una frequenza in MHz, non &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot record to %1: %2</source>
        <translation>impossibile registrare in %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the recording %1 ended early: %2</source>
        <translation>la registrazione %1 è terminata prima del tempo: %2</translation>
    </message>
</context>
</TS>
