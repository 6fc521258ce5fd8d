<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+14"/>
        <source>the option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
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
        <translation>uso: vantoro [--configure] [--simulate [--stations ARCHIVO]] [--trace ARCHIVO] [--mute|--scan]
     vantoro --help | --version

El frontal de una radio para un sintonizador de radio V4L2 (/dev/radioN) o una de las
antiguas tarjetas receptoras ISA y serie.

  --configure         mostrar la configuración antes de que se abra la ventana
  --simulate          funcionar sobre hardware emulado
  --stations ARCHIVO  las emisoras emuladas (con --simulate)
  --trace ARCHIVO     registrar cada acceso a puertos, espera, byte serie y petición al dispositivo
  --mute, --scan      activar o quitar el silencio, o buscar hacia arriba (se pasa a la copia en marcha)
  -h, --help          mostrar este texto
  --version           mostrar la versión
</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <location filename="../src/app/DialogParts.cpp" line="+49"/>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>Helpers</name>
    <message>
        <location filename="../src/base/Helpers.cpp" line="+234"/>
        <source>Your radio card can control the sound volume.</source>
        <translation>Su tarjeta de radio puede controlar el volumen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your radio card can&apos;t control the sound volume.</source>
        <translation>Su tarjeta de radio no puede controlar el volumen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your radio card can mute/unmute.</source>
        <translation>Su tarjeta de radio puede activar y quitar el silencio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your radio card can&apos;t mute/unmute.</source>
        <translation>Su tarjeta de radio no puede activar el silencio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A sound card is installed in your computer.</source>
        <translation>Hay una tarjeta de sonido instalada en su ordenador.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No sound card is installed in your computer.</source>
        <translation>No hay ninguna tarjeta de sonido instalada en su ordenador.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You can set the volume with the radio card or sound card.</source>
        <translation>Puede ajustar el volumen con la tarjeta de radio o con la tarjeta de sonido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only through the radio card.</source>
        <translation>Solo puede ajustar el volumen mediante la tarjeta de radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can set the volume only through the sound card.</source>
        <translation>Solo puede ajustar el volumen mediante la tarjeta de sonido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only on the speakers.</source>
        <translation>Solo puede ajustar el volumen en los altavoces.</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <location filename="../src/app/InstanceLock.cpp" line="+58"/>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a folder but a link or a file</source>
        <translation>%1 no es una carpeta sino un enlace o un archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot open the folder %1: %2</source>
        <translation>no se puede abrir la carpeta %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read the folder %1: %2</source>
        <translation>no se puede leer la carpeta %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 belongs to another user (%2)</source>
        <translation>la carpeta %1 pertenece a otro usuario (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot close the folder %1 to other users: %2</source>
        <translation>no se puede cerrar la carpeta %1 a otros usuarios: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+17"/>
        <source>cannot create the lock file %1: %2</source>
        <translation>no se puede crear el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot use the lock file %1: it is not a regular file</source>
        <translation>no se puede usar el archivo de bloqueo %1: no es un archivo normal</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot lock the lock file %1: %2</source>
        <translation>no se puede bloquear el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>another copy took the lock file %1</source>
        <translation>otra copia ha tomado el archivo de bloqueo %1</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/schedule/PictureDialog.cpp" line="+14"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PresetsFile</name>
    <message>
        <location filename="../src/stations/PresetsFile.cpp" line="+28"/>
        <source>the line must begin with a preset number from 001 to 100 and &quot;.&quot;</source>
        <translation>la línea debe empezar por un número de presintonía de 001 a 100 y &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the frequency must be seven characters (such as 088,500) and &quot;.&quot;</source>
        <translation>la frecuencia debe tener siete caracteres (como 088,500) seguidos de &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 MHz is outside every band</source>
        <translation>%1 MHz está fuera de todas las bandas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be FM or AM and &quot;.&quot;</source>
        <translation>la banda debe ser FM o AM, seguida de &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the name is longer than %1 characters</source>
        <translation>el nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>preset %1 is there twice</source>
        <translation>la presintonía %1 aparece dos veces</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the frequency is that of preset %1</source>
        <translation>la frecuencia es la de la presintonía %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>the line is longer than any line of a presets file</source>
        <translation>la línea es más larga que cualquier línea de un archivo de presintonías</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets file is corrupt</source>
        <translation>El archivo de presintonías está dañado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Error de lectura o disco no preparado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Presets write error</source>
        <translation>Error al escribir las presintonías</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Vantoro presets (*.vxp);;Plain text (*.txt);;All files (*)</source>
        <translation>Presintonías de Vantoro (*.vxp);;Texto sin formato (*.txt);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <location filename="../src/platform/ProgramDir.cpp" line="+56"/>
        <source>the folder %1 cannot be made: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../src/platform/Prompts.h" line="+44"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>RbdsProgrammeType</name>
    <message>
        <location filename="../src/hardware/RdsDecoder.cpp" line="+332"/>
        <source>No program type</source>
        <translation>Sin tipo de programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sports</source>
        <translation>Deportes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk</source>
        <translation>Programas hablados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic rock</source>
        <translation>Rock clásico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adult hits</source>
        <translation>Éxitos para adultos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rock</source>
        <translation>Rock suave</translation>
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
        <translation>Éxitos del pasado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft</source>
        <translation>Música suave</translation>
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
        <translation>Clásica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rhythm and blues</source>
        <translation>Rhythm and blues</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rhythm and blues</source>
        <translation>Rhythm and blues suave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Otros idiomas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious music</source>
        <translation>Música religiosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious talk</source>
        <translation>Programas religiosos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personality</source>
        <translation>Personalidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Public</source>
        <translation>Radio pública</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>College</source>
        <translation>Radio universitaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish talk</source>
        <translation>Programas hablados en español</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish music</source>
        <translation>Música en español</translation>
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
        <translation>Sin asignar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>El tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency test</source>
        <translation>Prueba de emergencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency</source>
        <translation>Emergencia</translation>
    </message>
</context>
<context>
    <name>RdsProgrammeType</name>
    <message>
        <location line="-64"/>
        <source>No programme type</source>
        <translation>Sin tipo de programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current affairs</source>
        <translation>Actualidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sport</source>
        <translation>Deportes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Education</source>
        <translation>Educación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drama</source>
        <translation>Dramático</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Culture</source>
        <translation>Cultura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Science</source>
        <translation>Ciencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Varied</source>
        <translation>Variedades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop music</source>
        <translation>Música pop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock music</source>
        <translation>Música rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy listening</source>
        <translation>Música ligera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light classical</source>
        <translation>Clásica ligera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serious classical</source>
        <translation>Clásica seria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other music</source>
        <translation>Otra música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>El tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finance</source>
        <translation>Economía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s programmes</source>
        <translation>Programas infantiles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Social affairs</source>
        <translation>Sociedad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religion</source>
        <translation>Religión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phone-in</source>
        <translation>Llamadas de oyentes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Travel</source>
        <translation>Viajes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leisure</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jazz music</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Country music</source>
        <translation>Música country</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>National music</source>
        <translation>Música nacional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oldies music</source>
        <translation>Éxitos del pasado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folk music</source>
        <translation>Música folclórica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documentary</source>
        <translation>Documentales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm test</source>
        <translation>Prueba de alarma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <location filename="../src/platform/RecordingFiles.cpp" line="+62"/>
        <source>Cannot create the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/platform/RegularFile.cpp" line="+14"/>
        <source>a directory</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe (FIFO)</source>
        <translation>una tubería con nombre (FIFO)</translation>
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
        <translation>no es un archivo ordinario</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a regular file but %1</source>
        <translation>no es un archivo normal sino %1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>larger than %1 KiB, more than such a file ever holds</source>
        <translation>mayor de %1 KiB, más de lo que nunca contiene un archivo así</translation>
    </message>
</context>
<context>
    <name>RemoteActions</name>
    <message>
        <location filename="../src/app/RemoteActions.cpp" line="+179"/>
        <source>the running copy is still starting</source>
        <translation>la copia en marcha aún se está iniciando</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <location filename="../src/platform/SafeSave.cpp" line="+19"/>
        <source>%1: not a regular file but %2; it is left as it is</source>
        <translation>%1: no es un archivo normal sino %2; se deja como está</translation>
    </message>
</context>
<context>
    <name>ScriptEdit</name>
    <message>
        <location filename="../src/schedule/ScriptEdit.cpp" line="+69"/>
        <source>A preset action needs a stored preset.
Store a preset first, or choose another action.</source>
        <translation>Una acción de presintonía necesita una presintonía guardada.
Guarde primero una presintonía o elija otra acción.</translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <location filename="../src/schedule/ScriptFile.cpp" line="+70"/>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not an action word</source>
        <translation>no es una palabra de acción</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time must be four digits, HHMM</source>
        <translation>la hora debe tener cuatro cifras, HHMM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the time must be four digits, HHMM, then &quot;.&quot;</source>
        <translation>la hora debe tener cuatro cifras, HHMM, y luego &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a time of day</source>
        <translation>no es una hora del día</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the stereo word (ST or MN)</source>
        <translation>la palabra de estéreo (ST o MN)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>stereo must be ST or MN</source>
        <translation>el estéreo debe ser ST o MN</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the number of beeps</source>
        <translation>el número de pitidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the pitch</source>
        <translation>el tono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length</source>
        <translation>la duración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the volume</source>
        <translation>el volumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>the preset number</source>
        <translation>el número de presintonía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length in minutes</source>
        <translation>la duración en minutos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the frequency</source>
        <translation>la frecuencia</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not a frequency</source>
        <translation>no es una frecuencia</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the band (AM or FM)</source>
        <translation>la banda (AM o FM)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be AM or FM</source>
        <translation>la banda debe ser AM o FM</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not readable</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>larger than %1 KiB, more than a script ever holds</source>
        <translation>mayor de %1 KiB, más de lo que nunca contiene un guion</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the line is longer than %1 KiB</source>
        <translation>la línea supera %1 KiB</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the first line must begin with &quot;;&quot; and the title</source>
        <translation>la primera línea debe empezar por &quot;;&quot; y el título</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the last line is blank</source>
        <translation>la última línea está vacía</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time is not later than the action before</source>
        <translation>la hora no es posterior a la de la acción anterior</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the script has no actions</source>
        <translation>el guion no tiene acciones</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The script file is corrupt</source>
        <translation>El archivo de guion está dañado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Error de lectura o disco no preparado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Script write error</source>
        <translation>Error al escribir el guion</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro scripts (*.vxs *.Vxs);;Plain text (*.txt);;All files (*)</source>
        <translation>Guiones de Vantoro (*.vxs *.Vxs);;Texto sin formato (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you load a new script, the
current script will be erased.
Are you sure?</source>
        <translation>Si carga un guion nuevo, el
guion actual se borrará.
¿Está seguro?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load script</source>
        <translation>Cargar guion</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/periphery/AboutBox.cpp" line="+16"/>
        <source>About Vantoro</source>
        <translation>Acerca de Vantoro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A radio with a front panel on the screen for USB and PCI radio tuners (Video4Linux) and older radio-receiver cards: tuning, hardware seek and scanning, RDS station names, one hundred presets, a station archive, an alarm, a sleep timer and timed scripts.</source>
        <translation>Una radio con su frontal en la pantalla para sintonizadores de radio USB y PCI (Video4Linux) y antiguas tarjetas receptoras: sintonía, búsqueda por hardware y exploración, nombres de emisoras RDS, cien presintonías, un archivo de emisoras, un despertador, un temporizador de apagado y guiones programados.</translation>
    </message>
</context>
<context>
    <name>TAlarmDialog</name>
    <message>
        <location filename="../src/schedule/AlarmDialog.cpp" line="+86"/>
        <source>Alarm setting</source>
        <translation>Ajuste del despertador</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set alarm time</source>
        <translation>Hora del despertador</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Jump to</source>
        <translation>Ir a</translation>
    </message>
</context>
<context>
    <name>TArchive</name>
    <message>
        <location filename="../src/stations/Archive.cpp" line="+145"/>
        <source>without a valid &quot;Rows&quot; count</source>
        <translation>sin un número &quot;Rows&quot; válido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>beyond the &quot;Rows&quot; count</source>
        <translation>más allá del número &quot;Rows&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>with no parent folder read before</source>
        <translation>sin carpeta padre leída antes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in a loop of parents</source>
        <translation>en un bucle de padres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a station</source>
        <translation>bajo una emisora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of an unknown kind</source>
        <translation>de tipo desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a key that is no row number</source>
        <translation>bajo una clave que no es un número de fila</translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>%n row(s) that the tree cannot take (%1)</source>
        <translation>
            <numerusform>%n fila que el árbol no puede admitir (%1)</numerusform>
            <numerusform>%n filas que el árbol no puede admitir (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This node can&apos;t be renamed</source>
        <translation>Este nodo no se puede renombrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A node with this name already exists</source>
        <translation>Ya existe un nodo con este nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty</source>
        <translation>El nombre está vacío</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination node is the same as the source node</source>
        <translation>El nodo de destino es el mismo que el de origen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drag/drop the root</source>
        <translation>No se puede arrastrar la raíz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drop a parent onto its child</source>
        <translation>No se puede soltar un padre sobre su hijo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can&apos;t drop this type of node here!</source>
        <translation>¡No puede soltar aquí este tipo de nodo!</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Folder Name</source>
        <translation>Nombre de carpeta</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Station Name</source>
        <translation>Nombre de emisora</translation>
    </message>
</context>
<context>
    <name>TArchiveDialog</name>
    <message>
        <location filename="../src/stations/ArchiveDialog.cpp" line="+92"/>
        <source>Channels organizer</source>
        <translation>Organizador de emisoras</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Station</source>
        <translation>Emisora</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Presets</source>
        <translation>Presintonías</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear all</source>
        <translation>Borrar todas</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tuner</source>
        <translation>Sintonizador</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OUT OF RANGE</source>
        <translation>FUERA DE BANDA</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tune previous</source>
        <translation>Sintonía anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Sintonía siguiente</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Busca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Búsqueda anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan next</source>
        <translation>Búsqueda siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halt</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Detener la búsqueda</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Ajustar el paso</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The station archive could not be written: %1</source>
        <translation>No se pudo escribir el archivo de emisoras: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive has changed!
Are you sure that you want
to exit without saving?</source>
        <translation>¡El archivo de emisoras ha cambiado!
¿Seguro que quiere salir
sin guardar?</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Duplicated frequency</source>
        <translation>Frecuencia repetida</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Clear all favorites</source>
        <translation>Borrar todas las presintonías</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>TCannotStartDialog</name>
    <message>
        <location filename="../src/app/CannotStartDialog.cpp" line="+8"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vantoro can run under Linux 2.6 or later.</source>
        <translation>Vantoro funciona con Linux 2.6 o posterior.</translation>
    </message>
</context>
<context>
    <name>TColorGrid</name>
    <message>
        <location filename="../src/periphery/ColorGrid.cpp" line="+15"/>
        <location line="+18"/>
        <source>Left click: foreground (FG); right click: background (BG)</source>
        <translation>Clic izquierdo: primer plano (PP); clic derecho: fondo (FO)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a colour to choose it</source>
        <translation>Haga clic en un color para elegirlo</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>FG</source>
        <translation>PP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>FO</translation>
    </message>
</context>
<context>
    <name>TDirectPortAccess</name>
    <message>
        <location filename="../src/platform/DirectPortAccess.cpp" line="+20"/>
        <source>this kernel offers no I/O port access (ioperm: %1)</source>
        <translation>este núcleo no ofrece acceso a puertos de E/S (ioperm: %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>this processor has no I/O ports</source>
        <translation>este procesador no tiene puertos de E/S</translation>
    </message>
</context>
<context>
    <name>TExitQuestion</name>
    <message>
        <location filename="../src/app/ExitQuestion.cpp" line="+13"/>
        <source>Power-off message</source>
        <translation>Mensaje de apagado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want the music to play in the background?</source>
        <translation>¿Quiere que la música siga sonando en segundo plano?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t &amp;exit</source>
        <translation>No &amp;salir</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../src/periphery/HelpWindow.cpp" line="+17"/>
        <source>Vantoro Help</source>
        <translation>Ayuda de Vantoro</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The help file %1 is missing or cannot be read.</source>
        <translation>El archivo de ayuda %1 falta o no se puede leer.</translation>
    </message>
</context>
<context>
    <name>TIqFileSource</name>
    <message>
        <location filename="../src/sdr/IqFileSource.cpp" line="+27"/>
        <source>Cannot open the I/Q recording %1: %2.</source>
        <translation>No se puede abrir la grabación I/Q %1: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>A sample rate of 0 cannot be played.</source>
        <translation>No se puede reproducir con una frecuencia de muestreo de 0.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The I/Q recording %1 is not open.</source>
        <translation>La grabación I/Q %1 no está abierta.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Cannot read the I/Q recording %1: %2.</source>
        <translation>No se puede leer la grabación I/Q %1: %2.</translation>
    </message>
</context>
<context>
    <name>TJumpToDialog</name>
    <message>
        <location filename="../src/stations/JumpToDialog.cpp" line="+19"/>
        <source>Jump to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set frequency</source>
        <translation>Fijar frecuencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <location filename="../src/app/MainDialogs.cpp" line="+93"/>
        <source>Settings: %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Station archive: %1</source>
        <translation>
Archivo de emisoras: %1</translation>
    </message>
    <message>
        <location filename="../src/app/MainLayout.cpp" line="+10"/>
        <source>Complete</source>
        <translation>Completa</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="+228"/>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + tuner</source>
        <translation>Pantalla + sintonizador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + presets</source>
        <translation>Pantalla + presintonías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + volume + buttons</source>
        <translation>Pantalla + volumen + botones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display + volume + buttons + presets</source>
        <translation>Pantalla + volumen + botones + presintonías</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowArchive.cpp" line="+29"/>
        <source>The station archive %1 cannot be read</source>
        <translation>No se puede leer el archivo de emisoras %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The station archive %1 cannot be read: %2 (&quot;%3&quot;) does not convert</source>
        <translation>No se puede leer el archivo de emisoras %1: %2 (&quot;%3&quot;) no se puede convertir</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive %1 has %2. They are not shown, and saving keeps them in the file as they are.</source>
        <translation>El archivo de emisoras %1 tiene %2. No se muestran, y al guardar se conservan en el archivo tal como están.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowClock.cpp" line="+37"/>
        <source>Programming mode on/off (%1)</source>
        <translation>Modo de programación sí/no (%1)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Favorites aren&apos;t defined</source>
        <translation>No hay presintonías definidas</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>internal</source>
        <translation>internas</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowCreate.cpp" line="+63"/>
        <source>
The radio is closed. Plug it in again and choose it in the settings to open it again.</source>
        <translation>
La radio está cerrada. Vuelva a conectarla y elíjala en la configuración para abrirla de nuevo.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>%1 could not be read: %2.
The program starts with the default settings and leaves the file as it is.</source>
        <translation>No se pudo leer %1: %2.
El programa arranca con la configuración predeterminada y deja el archivo como está.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings cannot be saved in %1: %2.
The program runs, but the changes you make will be lost when it ends.</source>
        <translation>La configuración no se puede guardar en %1: %2.
El programa funciona, pero los cambios que haga se perderán al cerrarlo.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Internal</source>
        <translation>Internas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off (empty)</source>
        <translation>Modo de programación sí/no (vacío)</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>The %1 cannot be opened.
%2</source>
        <translation>No se puede abrir %1.
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>radio device %1 (none found)</source>
        <translation>dispositivo de radio %1 (no se encontró ninguno)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the I/O port 0x%1</source>
        <translation>el puerto de E/S 0x%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The %1 %2 cannot be opened on %3.
The device does not exist, is in use, or you may not use it.</source>
        <translation>No se puede abrir %1 %2 en %3.
El dispositivo no existe, está en uso o no tiene permiso para usarlo.</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>The settings could not be written: %1</source>
        <translation>No se pudo escribir la configuración: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The settings could not be written:
</source>
        <translation>No se pudo escribir la configuración:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="+172"/>
        <source>Favorite n.</source>
        <translation>N.º de presintonía</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.h" line="+639"/>
        <location filename="../src/app/MainWindowLayout.cpp" line="+2"/>
        <location line="+226"/>
        <source>Name of the radio station</source>
        <translation>Nombre de la emisora</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="-291"/>
        <source>Programme type</source>
        <translation>Tipo de programa</translation>
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
        <translation>Nivel de señal</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Current time</source>
        <translation>Hora actual</translation>
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
        <translation>Sintonizador </translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tune previous</source>
        <translation>Sintonía anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Sintonía siguiente</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Ajustar el paso</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jump directly to a frequency</source>
        <translation>Ir directamente a una frecuencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Busca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Búsqueda anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan next</source>
        <translation>Búsqueda siguiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Detener la búsqueda</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="-35"/>
        <location line="+38"/>
        <source>Presets</source>
        <translation>Presintonías</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Next/Prev row of favorites</source>
        <translation>Fila siguiente/anterior de presintonías</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="-6"/>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Mute on/off</source>
        <translation>Silencio sí/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm on/off</source>
        <translation>Despertador sí/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep on/off</source>
        <translation>Temporizador de apagado sí/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off</source>
        <translation>Modo de programación sí/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear a favorite</source>
        <translation>Borrar una presintonía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store a favorite</source>
        <translation>Guardar una presintonía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force Mono/Stereo</source>
        <translation>Forzar mono/estéreo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowMenus.cpp" line="-107"/>
        <source>Jump to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Sintonizar a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Sintonizar a la derecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step +</source>
        <translation>Paso +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Paso -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan left</source>
        <translation>Buscar a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Buscar a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan stop</source>
        <translation>Detener búsqueda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep</source>
        <translation>Temporizador de apagado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Scripting</source>
        <translation>Programación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Organize</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Editar presintonías</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+102"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+102"/>
        <source>Clear all</source>
        <translation>Borrar todas</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+99"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+103"/>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Always on top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Cargar guion</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/app/MainWindowPresets.cpp" line="+377"/>
        <source>Load presets</source>
        <translation>Cargar presintonías</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+60"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;isplay</source>
        <translation>&amp;Pantalla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stations</source>
        <translation>&amp;Emisoras</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+15"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+37"/>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+37"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Recording %1
%2</source>
        <translation>Grabando %1
%2</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowPresets.cpp" line="-116"/>
        <source>No preset is tuned, so there is nothing to rename.</source>
        <translation>No hay ninguna presintonía sintonizada, así que no hay nada que renombrar.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Duplicated frequency</source>
        <translation>Frecuencia repetida</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Clear all favorites</source>
        <translation>Borrar todas las presintonías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Si carga un nuevo juego de presintonías, las
presintonías actuales se borrarán.
¿Está seguro?</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Presets loaded from </source>
        <translation>Presintonías cargadas de </translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowScan.cpp" line="+33"/>
        <source>Scanning works on FM only.</source>
        <translation>La búsqueda solo funciona en FM.</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>No sound: %1
The radio goes on tuning and receiving RDS.</source>
        <translation>Sin sonido: %1
La radio sigue sintonizando y recibiendo RDS.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowStations.cpp" line="+28"/>
        <source>No presets are stored yet.</source>
        <translation>Aún no hay presintonías guardadas.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowTuning.cpp" line="+371"/>
        <source>This radio card cannot switch between stereo and mono.</source>
        <translation>Esta tarjeta de radio no puede cambiar entre estéreo y mono.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowVolume.cpp" line="+32"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>se sigue sin el mezclador de la tarjeta de sonido: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>Mixer</source>
        <translation>Mezclador</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Go to the sound card mixer</source>
        <translation>Ir al mezclador de la tarjeta de sonido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control
the sound volume</source>
        <translation>Vantoro no puede controlar
el volumen del sonido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control</source>
        <translation>Vantoro no puede controlar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location line="+315"/>
        <source>The tuner&apos;s sound cannot be played on the sound card (%1).</source>
        <translation>El sonido del sintonizador no se puede reproducir en la tarjeta de sonido (%1).</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowDevices.cpp" line="+16"/>
        <source>No radio</source>
        <translation>Sin radio</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+19"/>
        <source>Radio found</source>
        <translation>Radio encontrada</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The radio device %1 has been plugged in.
Do you want to listen to it now?</source>
        <translation>Se ha conectado el dispositivo de radio %1.
¿Quiere escucharlo ahora?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>An RTL-SDR dongle has been plugged in.
Do you want to listen to it now?</source>
        <translation>Se ha conectado un dongle RTL-SDR.
¿Quiere escucharlo ahora?</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowRecord.cpp" line="-65"/>
        <source>Cannot record:
%1</source>
        <translation>No se puede grabar:
%1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The recording stopped: %1</source>
        <translation>La grabación se detuvo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 seconds of sound could not be written in time and are missing from the recording.</source>
        <translation>%1 segundos de sonido no se pudieron escribir a tiempo y faltan en la grabación.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Recording %1 into %2</source>
        <translation>Grabando %1 en %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 is being recorded.
Stop the recording, or go on recording the new station?</source>
        <translation>Se está grabando %1.
¿Detener la grabación o seguir grabando la nueva emisora?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop recording</source>
        <translation>Detener la grabación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go on recording</source>
        <translation>Seguir grabando</translation>
    </message>
</context>
<context>
    <name>TMixer</name>
    <message>
        <location filename="../src/hardware/Mixer.cpp" line="+155"/>
        <source>Can&apos;t find audio output mixer line for %1</source>
        <translation>No se encuentra la línea del mezclador de salida de audio para %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Can&apos;t find %1 output source line for %2</source>
        <translation>No se encuentra la línea de fuente de salida %1 para %2</translation>
    </message>
</context>
<context>
    <name>TMixerDialog</name>
    <message>
        <location filename="../src/hardware/MixerDialog.cpp" line="+58"/>
        <source>Mixer control</source>
        <translation>Control del mezclador</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Master</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Treble</source>
        <translation>Agudos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Line in</source>
        <translation>Entrada de línea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+106"/>
        <source>Compact Disc</source>
        <translation>Disco compacto</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>L</source>
        <translation>I</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>R</source>
        <translation>D</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The running operating system is Linux and the installed radio card is controlled by direct access to I/O ports.</source>
        <translation>El sistema operativo en uso es Linux y la tarjeta de radio instalada se controla con acceso directo a puertos de E/S.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In Linux, that kind of access to hardware is not allowed without a privilege.</source>
        <translation>En Linux, ese tipo de acceso al hardware no está permitido sin un privilegio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In order for Vantoro to gain access to this kind of radio card under Linux, the program must be given the CAP_SYS_RAWIO capability (setcap cap_sys_rawio+ep) before running Vantoro!</source>
        <translation>Para que Vantoro pueda acceder a este tipo de tarjeta de radio en Linux, hay que dar al programa la capacidad CAP_SYS_RAWIO (setcap cap_sys_rawio+ep) antes de ejecutar Vantoro.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read the chapter &quot;Installing on Linux&quot; of the user manual for more details.</source>
        <translation>Lea el capítulo &quot;Installing on Linux&quot; del manual para más detalles.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system&apos;s reason: %1</source>
        <translation>El motivo del sistema: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Linux is
installed</source>
        <translation>Linux está
instalado</translation>
    </message>
</context>
<context>
    <name>TPresetsDraft</name>
    <message>
        <location filename="../src/stations/PresetsDraft.cpp" line="+78"/>
        <source>Edit presets - </source>
        <translation>Editar presintonías - </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Internal</source>
        <translation>Internas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stored entries: %1</source>
        <translation>Entradas guardadas: %1</translation>
    </message>
    <message>
        <location line="+214"/>
        <location line="+11"/>
        <source>Warning!</source>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Do you wish to clear all presets?</source>
        <translation>¿Desea borrar todas las presintonías?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Do you wish to restore the previous presets?</source>
        <translation>¿Desea restaurar las presintonías anteriores?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Si carga un nuevo juego de presintonías, las
presintonías actuales se borrarán.
¿Está seguro?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open presets</source>
        <translation>Abrir presintonías</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Save presets</source>
        <translation>Guardar presintonías</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets have changed!
Are you sure that you want
to exit without saving?</source>
        <translation>¡Las presintonías han cambiado!
¿Seguro que quiere salir
sin guardar?</translation>
    </message>
</context>
<context>
    <name>TPresetsEditor</name>
    <message>
        <location filename="../src/stations/PresetsEditor.cpp" line="+85"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+162"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tuner</source>
        <translation>Sintonizador</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Tune previous</source>
        <translation>Sintonía anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Sintonía siguiente</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Adjust step</source>
        <translation>Ajustar el paso</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Duplicated frequency</source>
        <translation>Frecuencia repetida</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Clear all</source>
        <translation>Borrar todas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Listen T</source>
        <translation>Escuchar T</translation>
    </message>
</context>
<context>
    <name>TProfile</name>
    <message>
        <location filename="../src/platform/Profile.cpp" line="+179"/>
        <source>%1: a line longer than %2 KiB, which no such file has</source>
        <translation>%1: una línea de más de %2 KiB, que ningún archivo así tiene</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>%1 could not be read, so it is left as it is</source>
        <translation>No se pudo leer %1, así que se deja como está</translation>
    </message>
</context>
<context>
    <name>TRadioCard</name>
    <message>
        <location filename="../src/hardware/SerialRadioProtocol.cpp" line="+53"/>
        <source>The serial receiver on COM%1 (%2) stopped answering (%3).</source>
        <translation>El receptor serie en COM%1 (%2) ha dejado de responder (%3).</translation>
    </message>
    <message>
        <location filename="../src/hardware/V4l2RadioProtocol.cpp" line="+39"/>
        <source>The radio device %1 stopped answering (%2).</source>
        <translation>El dispositivo de radio %1 ha dejado de responder (%2).</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No radio card is open.</source>
        <translation>No hay ninguna tarjeta de radio abierta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The tuner&apos;s sound is recorded when it is played as USB sound (Settings, Volume control).</source>
        <translation>El sonido del sintonizador se graba cuando se reproduce como sonido USB (Configuración, Control de volumen).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This card&apos;s sound goes to the sound card by a cable, not through Vantoro: record it with the sound card&apos;s own recording tools.</source>
        <translation>El sonido de esta tarjeta llega a la tarjeta de sonido por un cable, no a través de Vantoro: grábelo con las herramientas de grabación de la propia tarjeta de sonido.</translation>
    </message>
    <message>
        <location filename="../src/hardware/RadioCards.cpp" line="+58"/>
        <source>V4L2 radio device</source>
        <translation>dispositivo de radio V4L2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SDR receiver (RTL2832U dongle)</source>
        <translation>Receptor SDR (dongle RTL2832U)</translation>
    </message>
    <message>
        <location filename="../src/hardware/SdrCard.cpp" line="+77"/>
        <source>&quot;%1&quot; names no dongle: rtlsdr:N takes the dongle&apos;s number, 0 for the first.</source>
        <translation>&quot;%1&quot; no indica ningún dongle: rtlsdr:N lleva el número del dongle, 0 para el primero.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; names no server: write rtl_tcp:HOST:PORT, as rtl_tcp:192.168.1.20:1234.</source>
        <translation>&quot;%1&quot; no indica ningún servidor: escriba rtl_tcp:HOST:PORT, como rtl_tcp:192.168.1.20:1234.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No source is chosen for the SDR receiver.</source>
        <translation>No se ha elegido ninguna fuente para el receptor SDR.</translation>
    </message>
</context>
<context>
    <name>TRecorder</name>
    <message>
        <location filename="../src/platform/Recorder.cpp" line="+95"/>
        <source>A recording is already open.</source>
        <translation>Ya hay una grabación abierta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot record into a .%1 file here; use one of: %2.</source>
        <translation>Aquí no se puede grabar en un archivo .%1; use uno de estos: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot record %1 channels.</source>
        <translation>No se pueden grabar %1 canales.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot record into %1: %2</source>
        <translation>No se puede grabar en %1: %2</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Writing %1 failed: %2</source>
        <translation>Falló la escritura de %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file %1 was removed, or its folder.</source>
        <translation>Se eliminó el archivo %1, o su carpeta.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Closing %1 failed: %2</source>
        <translation>Falló el cierre de %1: %2</translation>
    </message>
</context>
<context>
    <name>TRtlSdrSource</name>
    <message>
        <location filename="../src/sdr/RtlSdrSource.cpp" line="+17"/>
        <source>No permission to use the RTL-SDR dongle %1. Install the udev rules of the rtl-sdr package (sudo apt install rtl-sdr), add yourself to the plugdev group (sudo adduser $USER plugdev), log in again and plug the dongle in anew.</source>
        <translation>Sin permiso para usar el dongle RTL-SDR %1. Instale las reglas udev del paquete rtl-sdr (sudo apt install rtl-sdr), añádase al grupo plugdev (sudo adduser $USER plugdev), vuelva a iniciar sesión y conecte de nuevo el dongle.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The kernel&apos;s DVB-T driver holds the RTL-SDR dongle %1. Unload it (sudo modprobe -r dvb_usb_rtl28xxu) and keep it from coming back: put the line &quot;blacklist dvb_usb_rtl28xxu&quot; in /etc/modprobe.d/blacklist-rtl-sdr.conf.</source>
        <translation>El controlador DVB-T del núcleo tiene ocupado el dongle RTL-SDR %1. Descárguelo (sudo modprobe -r dvb_usb_rtl28xxu) e impida que vuelva: ponga la línea &quot;blacklist dvb_usb_rtl28xxu&quot; en /etc/modprobe.d/blacklist-rtl-sdr.conf.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The RTL-SDR dongle %1 was unplugged.</source>
        <translation>Se desconectó el dongle RTL-SDR %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the RTL-SDR dongle %1 (librtlsdr error %2).</source>
        <translation>No se puede abrir el dongle RTL-SDR %1 (error de librtlsdr %2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The RTL-SDR dongle refused %1 (librtlsdr error %2).</source>
        <extracomment>%1 is one of the things the dongle is asked for: &quot;to start&quot;, &quot;the frequency&quot;, &quot;the gain&quot;...</extracomment>
        <translation>El dongle RTL-SDR rechazó %1 (error de librtlsdr %2).</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/sim/EmulatedDongle.cpp" line="+42"/>
        <source>No RTL-SDR dongle is plugged in.</source>
        <translation>No hay ningún dongle RTL-SDR conectado.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>There is no RTL-SDR dongle %1: %n is plugged in, numbered from 0.</source>
        <translation>
            <numerusform>No hay un dongle RTL-SDR %1: hay %n conectado, numerado desde 0.</numerusform>
            <numerusform>No hay un dongle RTL-SDR %1: hay %n conectados, numerados desde 0.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>to start</source>
        <translation>el arranque</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the frequency</source>
        <translation>la frecuencia</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the sample rate %1</source>
        <translation>la frecuencia de muestreo %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>automatic gain</source>
        <translation>la ganancia automática</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>manual gain</source>
        <translation>la ganancia manual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the gain</source>
        <translation>la ganancia</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the frequency correction</source>
        <translation>la corrección de frecuencia</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The RTL-SDR dongle is not open.</source>
        <translation>El dongle RTL-SDR no está abierto.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The RTL-SDR dongle was unplugged.</source>
        <translation>Se desconectó el dongle RTL-SDR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The RTL-SDR dongle stopped sending samples (librtlsdr error %1).</source>
        <translation>El dongle RTL-SDR dejó de enviar muestras (error de librtlsdr %1).</translation>
    </message>
</context>
<context>
    <name>TRtlTcpSource</name>
    <message>
        <location filename="../src/sdr/RtlTcpSource.cpp" line="+52"/>
        <source>Lost the connection to the rtl_tcp server at %1: %2.</source>
        <translation>Se perdió la conexión con el servidor rtl_tcp en %1: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot find the host %1: %2.</source>
        <translation>No se encuentra el host %1: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no address</source>
        <translation>ninguna dirección</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no answer within 2 seconds</source>
        <translation>ninguna respuesta en 2 segundos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot connect to the rtl_tcp server at %1: %2.</source>
        <translation>No se puede conectar con el servidor rtl_tcp en %1: %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The rtl_tcp server at %1 sent no header within 2 seconds: is it an rtl_tcp server?</source>
        <translation>El servidor rtl_tcp en %1 no envió ninguna cabecera en 2 segundos: ¿es un servidor rtl_tcp?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The rtl_tcp server at %1 closed the connection before its header (is the dongle in use by another client?).</source>
        <translation>El servidor rtl_tcp en %1 cerró la conexión antes de su cabecera (¿usa otro cliente el dongle?).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The rtl_tcp server at %1 sent a header that does not begin with &quot;RTL0&quot;: it is not an rtl_tcp server.</source>
        <translation>El servidor rtl_tcp en %1 envió una cabecera que no empieza por &quot;RTL0&quot;: no es un servidor rtl_tcp.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+49"/>
        <source>Not connected to the rtl_tcp server at %1.</source>
        <translation>Sin conexión con el servidor rtl_tcp en %1.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The rtl_tcp server at %1 takes no more commands.</source>
        <translation>El servidor rtl_tcp en %1 ya no acepta órdenes.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The rtl_tcp server at %1 closed the connection.</source>
        <translation>El servidor rtl_tcp en %1 cerró la conexión.</translation>
    </message>
</context>
<context>
    <name>TScriptEditor</name>
    <message>
        <location filename="../src/schedule/ScriptEditor.cpp" line="+43"/>
        <source>Mute on</source>
        <translation>Silencio sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute off</source>
        <translation>Silencio no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+206"/>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <location line="-205"/>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+90"/>
        <source>Jump to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>Presintonía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+0"/>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <location line="+104"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+2"/>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+3"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Property for this item</source>
        <translation>Propiedad de este elemento</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+18"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>for</source>
        <extracomment>Between the preset and the minutes of a Record action: &quot;Record [preset] for [60 min]&quot;.</extracomment>
        <translation>durante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Preview</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Event time</source>
        <translation>Hora del evento</translation>
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
        <translation>El intervalo va de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Programming -</source>
        <translation>Programación -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Script - (%1)</source>
        <translation>Guion - (%1)</translation>
    </message>
    <message>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+192"/>
        <source>Tuned</source>
        <translation>Sintonizada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not tuned</source>
        <translation>Sin sintonizar</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>This script will be erased.
Are you sure?</source>
        <translation>Este guion se borrará.
¿Está seguro?</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Save script</source>
        <translation>Guardar guion</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Exit without save</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The script has changed!
Are you sure?</source>
        <translation>¡El guion ha cambiado!
¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>TSdrReceiver</name>
    <message>
        <location filename="../src/sdr/SdrReceiver.cpp" line="+179"/>
        <source>The I/Q recording ended.</source>
        <translation>La grabación I/Q terminó.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source sent no samples for 2 seconds.</source>
        <translation>La fuente no envió muestras durante 2 segundos.</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>The sound output %1 failed.</source>
        <translation>Falló la salida de sonido %1.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The sound output %1 failed; the radio goes on without sound.</source>
        <translation>Falló la salida de sonido %1; la radio sigue sin sonido.</translation>
    </message>
</context>
<context>
    <name>TSettingsDialog</name>
    <message>
        <location filename="../src/setup/KeyCommands.cpp" line="+8"/>
        <source>Volume up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume reset</source>
        <translation>Volumen a cero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mixer</source>
        <translation>Mezclador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute on/off</source>
        <translation>Silencio sí/no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Sintonizar izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Sintonizar derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step +</source>
        <translation>Paso +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Paso -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan left</source>
        <translation>Buscar izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Buscar derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop scan</source>
        <translation>Detener búsqueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Editar presintonías</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/setup/SettingsDialog.cpp" line="+72"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Organize</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scripting</source>
        <translation>Programación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick jump</source>
        <translation>Salto rápido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always on top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimal</source>
        <translation>Mínima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+tuner</source>
        <translation>Mín+sintoniz.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+presets</source>
        <translation>Mín+presint.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete disp.</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all</source>
        <translation>Borrar todas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Cargar guion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load presets</source>
        <translation>Cargar presintonías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn</source>
        <translation>Mín+vol+bot.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn+pre</source>
        <translation>Mín+vol+bot.+presint.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialog.cpp" line="-43"/>
        <source>This radio card is currently
installed in your computer</source>
        <translation>Esta tarjeta de radio está instalada
ahora en su ordenador</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Radio card</source>
        <translation>Tarjeta de radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume control</source>
        <translation>Control de volumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start/close</source>
        <translation>Inicio/cierre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Supported hardware</source>
        <translation>Hardware compatible</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Check radio signal periodically</source>
        <translation>Comprobar la señal de radio periódicamente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Japanese FM frequencies</source>
        <translation>Frecuencias FM japonesas</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+14"/>
        <location line="+54"/>
        <source>Connected to</source>
        <translation>Conectada a</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>I/O Port</source>
        <translation>Puerto de E/S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30Ch (default)</source>
        <translation>30Ch (predeterminado)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20Ch (alternate)</source>
        <translation>20Ch (alternativo)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Available serial port</source>
        <translation>Puerto serie disponible</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  (needs the dialout group)</source>
        <translation>  (necesita el grupo dialout)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+21"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>The I/O ports cannot be reached.</source>
        <translation>No se puede llegar a los puertos de E/S.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your radio card is controlled by I/O ports.
Vantoro can&apos;t access the hardware directly
without the CAP_SYS_RAWIO capability.
See the chapter &quot;Installing on Linux&quot; of
the user manual for more details.</source>
        <translation>Su tarjeta de radio se controla por puertos de E/S.
Vantoro no puede acceder directamente al
hardware sin la capacidad CAP_SYS_RAWIO.
Vea el capítulo &quot;Installing on Linux&quot; del
manual para más detalles.</translation>
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
        <translation>No se puede usar ningún puerto serie
en este ordenador, así que este
dispositivo aún no se puede usar. Los
puertos serie son /dev/ttyS*, los
adaptadores USB /dev/ttyUSB* o
/dev/ttyACM*; usarlos requiere el grupo
dialout (sudo usermod -aG dialout
$USER, y volver a iniciar sesión).
Conecte el adaptador y vuelva a abrir
la configuración para elegirlo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Radio device</source>
        <translation>Dispositivo de radio</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No radio device found: nothing is at /dev/radio0, /dev/radio1, ... Connect a USB or PCI radio tuner (its driver makes the device), or choose one of the older cards in the list.</source>
        <translation>No se encontró ningún dispositivo de radio: no hay nada en /dev/radio0, /dev/radio1, ... Conecte un sintonizador de radio USB o PCI (su controlador crea el dispositivo) o elija una de las tarjetas antiguas de la lista.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>You can set the volume properties through:</source>
        <translation>Puede ajustar el volumen mediante:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One or more sound cards were detected on this system.
</source>
        <translation>Se detectaron una o más tarjetas de sonido en este sistema.
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The sound volume is controlled through</source>
        <translation>El volumen se controla mediante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play the tuner&apos;s USB sound through the sound card</source>
        <translation>Reproducir el sonido USB del sintonizador en la tarjeta de sonido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For radio devices that deliver their sound over USB; tuners wired to the sound card play through that cable.</source>
        <translation>Para dispositivos de radio que entregan su sonido por USB; los sintonizadores cableados a la tarjeta de sonido suenan por ese cable.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tune to last station</source>
        <translation>Sintonizar la última emisora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start minimized</source>
        <translation>Iniciar minimizado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Tip Of The Day</source>
        <translation>Mostrar el consejo del día</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start muted</source>
        <translation>Iniciar en silencio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start alarm if set</source>
        <translation>Iniciar el despertador si está puesto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force stereo off</source>
        <translation>Forzar estéreo desactivado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Shutdown</source>
        <translation>Cierre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute audio</source>
        <translation>Silenciar el audio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave in current state</source>
        <translation>Dejar en el estado actual</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ask at shutdown</source>
        <translation>Preguntar al cerrar</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogLook.cpp" line="+118"/>
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flags</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Display preview</source>
        <translation>Vista previa de la pantalla</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Generic button</source>
        <translation>Botón genérico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (FM)</source>
        <translation>Presintonía asignada (FM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (AM)</source>
        <translation>Presintonía asignada (AM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset not assigned</source>
        <translation>Presintonía sin asignar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not active</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Reset to default</source>
        <translation>Restablecer predeterminados</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogRecording.cpp" line="+23"/>
        <source>FLAC, lossless (.flac)</source>
        <translation>FLAC, sin pérdida (.flac)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WAV, uncompressed (.wav)</source>
        <translation>WAV, sin comprimir (.wav)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Empty: %1</source>
        <translation>Vacío: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recording folder</source>
        <translation>Carpeta de grabaciones</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The end of sleep stops a recording</source>
        <translation>El final del temporizador de apagado detiene la grabación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Otherwise a recording goes on while the radio is silent.</source>
        <translation>Si no, la grabación sigue mientras la radio está en silencio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recordings are named after the station and the time they begin, as in &quot;Station - 2026-12-07 20-00.flac&quot;; a title the station announces goes into a cue sheet beside the file.</source>
        <extracomment>The example name is how the program names the file; &quot;Station&quot; may be translated.</extracomment>
        <translation>Las grabaciones se llaman como la emisora y la hora en que empiezan, por ejemplo &quot;Emisora - 2026-12-07 20-00.flac&quot;; un título que anuncia la emisora va a una hoja cue junto al archivo.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogSdr.cpp" line="+30"/>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rtlsdr:0 for the first dongle on USB, rtl_tcp:HOST:PORT for a dongle served by rtl_tcp, or the path of an I/Q recording (.cu8)</source>
        <extracomment>rtlsdr:0 and rtl_tcp:HOST:PORT are written as they are; HOST and PORT may be translated.</extracomment>
        <translation>rtlsdr:0 para el primer dongle USB, rtl_tcp:HOST:PORT para un dongle servido por rtl_tcp, o la ruta de una grabación I/Q (.cu8)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 samples/s</source>
        <translation>%1 muestras/s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Taken to the nearest step the tuner has</source>
        <translation>Se redondea al paso más cercano del sintonizador</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Frequency correction</source>
        <translation>Corrección de frecuencia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>50 µs (Europe, Asia, Africa, Oceania)</source>
        <translation>50 µs (Europa, Asia, África, Oceanía)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>75 µs (the Americas, South Korea)</source>
        <translation>75 µs (América, Corea del Sur)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>De-emphasis</source>
        <translation>De-énfasis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An ALSA playback device; &quot;default&quot; plays through PipeWire or PulseAudio where they run</source>
        <extracomment>&quot;default&quot; is the name of an ALSA device: it stays as it is.</extracomment>
        <translation>Un dispositivo de reproducción ALSA; &quot;default&quot; reproduce a través de PipeWire o PulseAudio donde se ejecuten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound output</source>
        <translation>Salida de sonido</translation>
    </message>
</context>
<context>
    <name>TSetupModel</name>
    <message>
        <location filename="../src/setup/SetupModel.cpp" line="+134"/>
        <source>Radio card</source>
        <translation>Tarjeta de radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line In</source>
        <translation>Entrada de línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compact disk</source>
        <translation>Disco compacto</translation>
    </message>
</context>
<context>
    <name>TSleepDialog</name>
    <message>
        <location filename="../src/schedule/SleepDialog.cpp" line="+40"/>
        <source>Sleep</source>
        <translation>Temporizador de apagado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Turn off radio after</source>
        <translation>Apagar la radio tras</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
</context>
<context>
    <name>TStationNamePrompt</name>
    <message>
        <location filename="../src/app/StationNamePrompt.cpp" line="+34"/>
        <source>Asking for station name</source>
        <translation>Nombre de la emisora</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Station name</source>
        <translation>Nombre de la emisora</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TTipOfDay</name>
    <message>
        <location filename="../src/periphery/TipOfDay.cpp" line="+17"/>
        <source>Tip of the day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Did you know...</source>
        <translation>¿Sabía que...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show tips at start-up</source>
        <translation>Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next tip</source>
        <translation>&amp;Siguiente consejo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No tips to show: the tips file %1 is missing or empty.</source>
        <translation>No hay consejos que mostrar: el archivo de consejos %1 falta o está vacío.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No tips to show.</source>
        <translation>No hay consejos que mostrar.</translation>
    </message>
</context>
<context>
    <name>vantoro</name>
    <message>
        <location filename="../src/app/main.cpp" line="+251"/>
        <source>cannot use the station list %1</source>
        <translation>no se puede usar la lista de emisoras %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot write the trace file %1</source>
        <translation>no se puede escribir el archivo de traza %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>desktop actions cannot reach this copy: %1</source>
        <translation>las acciones del escritorio no llegan a esta copia: %1</translation>
    </message>
</context>
<context>
    <name>vantoroctl</name>
    <message>
        <location filename="../tools/vantoroctl/ArchiveCommands.cpp" line="+19"/>
        <source>usage: vantoroctl archive show [FILE]
</source>
        <translation>uso: vantoroctl archive show [ARCHIVO]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
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
        <translation>uso: vantoroctl [--simulate] [--stations ARCHIVO] [--trace ARCHIVO] [--model M] [--port N]
                 [--device RUTA] [--band am|fm] [--japanese-fm] [--mono] [--volume V]
                 [--muted] [--close] [--rds-groups ARCHIVO] ORDEN...
     vantoroctl --model SDR --device FUENTE [--sample-rate N] [--gain DB|auto]
                 [--deemphasis 50|75] [--center MHZ] ORDEN...
          FUENTE: rtlsdr:N, rtl_tcp:HOST:PORT o una grabación I/Q (.cu8)
órdenes: models | tune F | band am|fm | mute | unmute | volume V | up | down | zero |
         signal | status | scan up|down|all | rds [SEGUNDOS] | record ARCHIVO SEGUNDOS (SDR)
     vantoroctl presets check|show ARCHIVO | presets copy ARCHIVO DESTINO
     vantoroctl script check|show ARCHIVO
     vantoroctl settings show [CARPETA]
     vantoroctl archive show [ARCHIVO]
     vantoroctl rds --hex ARCHIVO
     vantoroctl --help | -h | --version
Sin --model, --port ni --device, la tarjeta es la que indica la configuración del programa.
</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 must be a whole number, not &quot;%2&quot;</source>
        <translation>%1 debe ser un número entero, no &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 takes 0..%2, not %3</source>
        <translation>%1 admite 0..%2, no %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is not a frequency in MHz</source>
        <translation>&quot;%1&quot; no es una frecuencia en MHz</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the %1 has no %2 band</source>
        <translation>%1 no tiene banda %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+60"/>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+46"/>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>band takes am or fm</source>
        <translation>band admite am o fm</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>scan takes up, down or all</source>
        <translation>scan admite up, down o all</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record goes with the SDR receiver</source>
        <translation>record va con el receptor SDR</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record takes 1 second or more</source>
        <translation>record admite 1 segundo o más</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>rds takes a number of seconds from 0 to %1, not %2</source>
        <translation>rds admite un número de segundos de 0 a %1, no %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown model &quot;%1&quot;</source>
        <translation>modelo desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--port takes 1 or more, not %1</source>
        <translation>--port admite 1 o más, no %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--band takes am or fm, not &quot;%1&quot;</source>
        <translation>--band admite am o fm, no &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no command given</source>
        <translation>no se dio ninguna orden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--stations goes with --simulate</source>
        <translation>--stations va con --simulate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--device goes with radio devices, the SDR receiver, and with the serial models on real hardware</source>
        <translation>--device va con los dispositivos de radio, el receptor SDR, y con los modelos serie en hardware real</translation>
    </message>
    <message>
        <location line="+330"/>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <location line="-216"/>
        <source>cannot read the radio device %1</source>
        <translation>no se puede leer el dispositivo de radio %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>cannot use the station list %1</source>
        <translation>no se puede usar la lista de emisoras %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+158"/>
        <source>cannot write the trace file %1</source>
        <translation>no se puede escribir el archivo de traza %1</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>se sigue sin el mezclador de la tarjeta de sonido: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>port %1 does not exist on the %2 (1..%3)</source>
        <translation>el puerto %1 no existe en %2 (1..%3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the %1 has no Japanese FM range</source>
        <translation>%1 no tiene la banda FM japonesa</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot reach the I/O ports of the %1 %2: %3.</source>
        <translation>no se puede llegar a los puertos de E/S de %1 %2: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The program needs the CAP_SYS_RAWIO capability: sudo setcap cap_sys_rawio+ep %1 (or try it on emulated hardware with --simulate).</source>
        <translation>El programa necesita la capacidad CAP_SYS_RAWIO: sudo setcap cap_sys_rawio+ep %1 (o pruébelo en hardware emulado con --simulate).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No capability can help on this kernel; try the program on emulated hardware with --simulate.</source>
        <translation>Ninguna capacidad puede ayudar en este núcleo; pruebe el programa en hardware emulado con --simulate.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>there is no radio device %1</source>
        <translation>no existe el dispositivo de radio %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot open the radio device %1: it does not exist, is no radio tuner, or you may not use it (membership of the video group is usually needed).</source>
        <translation>no se puede abrir el dispositivo de radio %1: no existe, no es un sintonizador de radio o no tiene permiso para usarlo (normalmente hace falta pertenecer al grupo video).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot open COM%1 (%2): the device does not exist, is in use, or you may not use it (membership of the dialout group is usually needed).</source>
        <translation>no se puede abrir COM%1 (%2): el dispositivo no existe, está en uso o no tiene permiso para usarlo (normalmente hace falta pertenecer al grupo dialout).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 MHz is outside the %2&apos;s %3 band (%4 to %5 MHz)</source>
        <translation>%1 MHz está fuera de la banda %3 de %2 (de %4 a %5 MHz)</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/RadioCommands.cpp" line="+105"/>
        <source>usage: vantoroctl rds --hex FILE
</source>
        <translation>uso: vantoroctl rds --hex ARCHIVO
</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>line %1 is longer than %2 KiB, not an RDS log</source>
        <translation>la línea %1 supera %2 KiB, no es un registro RDS</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/ScriptCommands.cpp" line="+36"/>
        <source>usage: vantoroctl script check|show FILE
</source>
        <translation>uso: vantoroctl script check|show ARCHIVO
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SettingsCommands.cpp" line="+19"/>
        <source>usage: vantoroctl settings show [DIR]
</source>
        <translation>uso: vantoroctl settings show [CARPETA]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a directory: %1</source>
        <translation>no es una carpeta: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1; showing the defaults</source>
        <translation>no se puede leer %1; se muestran los valores predeterminados</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/PresetsCommands.cpp" line="+24"/>
        <source>usage: vantoroctl presets check|show FILE | presets copy FILE TO
</source>
        <translation>uso: vantoroctl presets check|show ARCHIVO | presets copy ARCHIVO DESTINO
</translation>
    </message>
    <message numerus="yes">
        <location line="+18"/>
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n presintonía</numerusform>
            <numerusform>%n presintonías</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+11"/>
        <source>--sample-rate takes one of %1, not &quot;%2&quot;</source>
        <translation>--sample-rate admite uno de %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--gain takes auto or a value in dB, not &quot;%1&quot;</source>
        <translation>--gain admite auto o un valor en dB, no &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--deemphasis takes 50 or 75, not &quot;%1&quot;</source>
        <translation>--deemphasis admite 50 o 75, no &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--center takes a frequency in MHz, not &quot;%1&quot;</source>
        <translation>--center admite una frecuencia en MHz, no &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot record to %1: %2</source>
        <translation>no se puede grabar en %1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the recording %1 ended early: %2</source>
        <translation>la grabación %1 terminó antes de tiempo: %2</translation>
    </message>
</context>
</TS>
