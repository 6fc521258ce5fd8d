<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+14"/>
        <source>the option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
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
        <translation>usage : vantoro [--configure] [--simulate [--stations FICHIER]] [--trace FICHIER] [--mute|--scan]
        vantoro --help | --version

La façade d&apos;un poste de radio pour un tuner radio V4L2 (/dev/radioN) ou l&apos;une des
anciennes cartes réceptrices ISA et série.

  --configure         afficher les paramètres avant l&apos;ouverture de la fenêtre
  --simulate          fonctionner sur du matériel émulé
  --stations FICHIER  les stations émulées (avec --simulate)
  --trace FICHIER     enregistrer chaque accès aux ports, attente, octet série et requête au périphérique
  --mute, --scan      activer ou couper la sourdine, ou lancer la recherche vers le haut (transmis à la copie en cours)
  -h, --help          afficher ce texte
  --version           afficher la version
</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <location filename="../src/app/DialogParts.cpp" line="+49"/>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>Helpers</name>
    <message>
        <location filename="../src/base/Helpers.cpp" line="+234"/>
        <source>Your radio card can control the sound volume.</source>
        <translation>Votre carte radio peut régler le volume sonore.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your radio card can&apos;t control the sound volume.</source>
        <translation>Votre carte radio ne peut pas régler le volume sonore.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your radio card can mute/unmute.</source>
        <translation>Votre carte radio peut activer et couper la sourdine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your radio card can&apos;t mute/unmute.</source>
        <translation>Votre carte radio ne peut pas activer la sourdine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A sound card is installed in your computer.</source>
        <translation>Une carte son est installée dans votre ordinateur.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No sound card is installed in your computer.</source>
        <translation>Aucune carte son n&apos;est installée dans votre ordinateur.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You can set the volume with the radio card or sound card.</source>
        <translation>Vous pouvez régler le volume avec la carte radio ou la carte son.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only through the radio card.</source>
        <translation>Vous ne pouvez régler le volume que par la carte radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You can set the volume only through the sound card.</source>
        <translation>Vous ne pouvez régler le volume que par la carte son.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can set the volume only on the speakers.</source>
        <translation>Vous ne pouvez régler le volume que sur les haut-parleurs.</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <location filename="../src/app/InstanceLock.cpp" line="+58"/>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a folder but a link or a file</source>
        <translation>%1 n&apos;est pas un dossier mais un lien ou un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot open the folder %1: %2</source>
        <translation>impossible d&apos;ouvrir le dossier %1 : %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read the folder %1: %2</source>
        <translation>impossible de lire le dossier %1 : %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 belongs to another user (%2)</source>
        <translation>le dossier %1 appartient à un autre utilisateur (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot close the folder %1 to other users: %2</source>
        <translation>impossible de fermer le dossier %1 aux autres utilisateurs : %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+17"/>
        <source>cannot create the lock file %1: %2</source>
        <translation>impossible de créer le fichier de verrou %1 : %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot use the lock file %1: it is not a regular file</source>
        <translation>fichier de verrou %1 inutilisable : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot lock the lock file %1: %2</source>
        <translation>impossible de verrouiller le fichier de verrou %1 : %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>another copy took the lock file %1</source>
        <translation>une autre copie a pris le fichier de verrou %1</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/schedule/PictureDialog.cpp" line="+14"/>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>la ligne doit commencer par un numéro de présélection de 001 à 100 et &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the frequency must be seven characters (such as 088,500) and &quot;.&quot;</source>
        <translation>la fréquence doit tenir en sept caractères (comme 088,500), suivis de &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 MHz is outside every band</source>
        <translation>%1 MHz est hors de toutes les bandes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be FM or AM and &quot;.&quot;</source>
        <translation>la bande doit être FM ou AM, suivie de &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the name is longer than %1 characters</source>
        <translation>le nom dépasse %1 caractères</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>preset %1 is there twice</source>
        <translation>la présélection %1 figure deux fois</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the frequency is that of preset %1</source>
        <translation>la fréquence est celle de la présélection %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>the line is longer than any line of a presets file</source>
        <translation>la ligne est plus longue que toute ligne d&apos;un fichier de présélections</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets file is corrupt</source>
        <translation>Le fichier de présélections est corrompu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Erreur de lecture ou disque non prêt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Presets write error</source>
        <translation>Erreur d&apos;écriture des présélections</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Vantoro presets (*.vxp);;Plain text (*.txt);;All files (*)</source>
        <translation>Présélections Vantoro (*.vxp);;Texte brut (*.txt);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <location filename="../src/platform/ProgramDir.cpp" line="+56"/>
        <source>the folder %1 cannot be made: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <location filename="../src/platform/Prompts.h" line="+44"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>RbdsProgrammeType</name>
    <message>
        <location filename="../src/hardware/RdsDecoder.cpp" line="+332"/>
        <source>No program type</source>
        <translation>Aucun type de programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Nouvelles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sports</source>
        <translation>Sports</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Talk</source>
        <translation>Radio parlée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic rock</source>
        <translation>Rock classique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adult hits</source>
        <translation>Succès adultes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rock</source>
        <translation>Rock doux</translation>
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
        <translation>Rétro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft</source>
        <translation>Musique douce</translation>
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
        <translation>Classique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rhythm and blues</source>
        <translation>Rhythm and blues</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Soft rhythm and blues</source>
        <translation>Rhythm and blues doux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>Langues étrangères</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious music</source>
        <translation>Musique religieuse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religious talk</source>
        <translation>Émissions religieuses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personality</source>
        <translation>Animateur vedette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Public</source>
        <translation>Radio publique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>College</source>
        <translation>Radio étudiante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish talk</source>
        <translation>Radio parlée en espagnol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spanish music</source>
        <translation>Musique espagnole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hip hop</source>
        <translation>Hip-hop</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Unassigned</source>
        <translation>Non attribué</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency test</source>
        <translation>Test d&apos;urgence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency</source>
        <translation>Urgence</translation>
    </message>
</context>
<context>
    <name>RdsProgrammeType</name>
    <message>
        <location line="-64"/>
        <source>No programme type</source>
        <translation>Aucun type de programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News</source>
        <translation>Informations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current affairs</source>
        <translation>Actualités</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Info pratique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drama</source>
        <translation>Fiction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Culture</source>
        <translation>Culture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Science</source>
        <translation>Sciences</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Varied</source>
        <translation>Divers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop music</source>
        <translation>Musique pop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock music</source>
        <translation>Musique rock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy listening</source>
        <translation>Musique de variétés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light classical</source>
        <translation>Classique léger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serious classical</source>
        <translation>Grande musique classique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other music</source>
        <translation>Autres musiques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finance</source>
        <translation>Économie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s programmes</source>
        <translation>Émissions pour enfants</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Social affairs</source>
        <translation>Société</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Religion</source>
        <translation>Religion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phone-in</source>
        <translation>Libre antenne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Travel</source>
        <translation>Voyages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leisure</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jazz music</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Country music</source>
        <translation>Musique country</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>National music</source>
        <translation>Musique nationale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oldies music</source>
        <translation>Rétro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folk music</source>
        <translation>Musique folklorique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documentary</source>
        <translation>Documentaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm test</source>
        <translation>Test d&apos;alarme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <location filename="../src/platform/RecordingFiles.cpp" line="+62"/>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/platform/RegularFile.cpp" line="+14"/>
        <source>a directory</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not an ordinary file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a regular file but %1</source>
        <translation>pas un fichier ordinaire mais %1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>larger than %1 KiB, more than such a file ever holds</source>
        <translation>plus de %1 Kio, davantage que n&apos;en contient jamais un tel fichier</translation>
    </message>
</context>
<context>
    <name>RemoteActions</name>
    <message>
        <location filename="../src/app/RemoteActions.cpp" line="+179"/>
        <source>the running copy is still starting</source>
        <translation>la copie en cours est encore en train de démarrer</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <location filename="../src/platform/SafeSave.cpp" line="+19"/>
        <source>%1: not a regular file but %2; it is left as it is</source>
        <translation>%1 : pas un fichier ordinaire mais %2 ; il est laissé tel quel</translation>
    </message>
</context>
<context>
    <name>ScriptEdit</name>
    <message>
        <location filename="../src/schedule/ScriptEdit.cpp" line="+69"/>
        <source>A preset action needs a stored preset.
Store a preset first, or choose another action.</source>
        <translation>Une action de présélection demande une présélection mémorisée.
Mémorisez d&apos;abord une présélection, ou choisissez une autre action.</translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <location filename="../src/schedule/ScriptFile.cpp" line="+70"/>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not an action word</source>
        <translation>ce n&apos;est pas un mot d&apos;action</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time must be four digits, HHMM</source>
        <translation>l&apos;heure doit compter quatre chiffres, HHMM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the time must be four digits, HHMM, then &quot;.&quot;</source>
        <translation>l&apos;heure doit compter quatre chiffres, HHMM, puis &quot;.&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a time of day</source>
        <translation>ce n&apos;est pas une heure du jour</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 must be a whole number from %2 to %3</source>
        <translation>%1 doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the stereo word (ST or MN)</source>
        <translation>le mot stéréo (ST ou MN)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>stereo must be ST or MN</source>
        <translation>la stéréo doit être ST ou MN</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the number of beeps</source>
        <translation>le nombre de bips</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the pitch</source>
        <translation>la hauteur du son</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length</source>
        <translation>la durée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the volume</source>
        <translation>le volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>the preset number</source>
        <translation>le numéro de présélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the length in minutes</source>
        <translation>la durée en minutes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the frequency</source>
        <translation>la fréquence</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>not a frequency</source>
        <translation>ce n&apos;est pas une fréquence</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the band (AM or FM)</source>
        <translation>la bande (AM ou FM)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the band must be AM or FM</source>
        <translation>la bande doit être AM ou FM</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not readable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>larger than %1 KiB, more than a script ever holds</source>
        <translation>plus de %1 Kio, davantage que ne contient jamais un script</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the line is longer than %1 KiB</source>
        <translation>la ligne dépasse %1 Kio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the first line must begin with &quot;;&quot; and the title</source>
        <translation>la première ligne doit commencer par &quot;;&quot; et le titre</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the last line is blank</source>
        <translation>la dernière ligne est vide</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the time is not later than the action before</source>
        <translation>l&apos;heure n&apos;est pas postérieure à celle de l&apos;action précédente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the script has no actions</source>
        <translation>le script ne contient aucune action</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The script file is corrupt</source>
        <translation>Le fichier de script est corrompu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read error or disk not ready</source>
        <translation>Erreur de lecture ou disque non prêt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Script write error</source>
        <translation>Erreur d&apos;écriture du script</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro scripts (*.vxs *.Vxs);;Plain text (*.txt);;All files (*)</source>
        <translation>Scripts Vantoro (*.vxs *.Vxs);;Texte brut (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you load a new script, the
current script will be erased.
Are you sure?</source>
        <translation>Si vous chargez un nouveau script, le
script actuel sera effacé.
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load script</source>
        <translation>Charger un script</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/periphery/AboutBox.cpp" line="+16"/>
        <source>About Vantoro</source>
        <translation>À propos de Vantoro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A radio with a front panel on the screen for USB and PCI radio tuners (Video4Linux) and older radio-receiver cards: tuning, hardware seek and scanning, RDS station names, one hundred presets, a station archive, an alarm, a sleep timer and timed scripts.</source>
        <translation>Une radio avec sa façade à l&apos;écran pour les tuners radio USB et PCI (Video4Linux) et les anciennes cartes réceptrices : accord, recherche matérielle et balayage, noms des stations RDS, cent présélections, des archives de stations, un réveil, une minuterie de mise en veille et des scripts programmés.</translation>
    </message>
</context>
<context>
    <name>TAlarmDialog</name>
    <message>
        <location filename="../src/schedule/AlarmDialog.cpp" line="+86"/>
        <source>Alarm setting</source>
        <translation>Réglage du réveil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set alarm time</source>
        <translation>Heure du réveil</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Jump to</source>
        <translation>Aller à</translation>
    </message>
</context>
<context>
    <name>TArchive</name>
    <message>
        <location filename="../src/stations/Archive.cpp" line="+145"/>
        <source>without a valid &quot;Rows&quot; count</source>
        <translation>sans nombre &quot;Rows&quot; valide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>beyond the &quot;Rows&quot; count</source>
        <translation>au-delà du nombre &quot;Rows&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>with no parent folder read before</source>
        <translation>sans dossier parent lu auparavant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in a loop of parents</source>
        <translation>dans une boucle de parents</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a station</source>
        <translation>sous une station</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>of an unknown kind</source>
        <translation>de type inconnu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>under a key that is no row number</source>
        <translation>sous une clé qui n&apos;est pas un numéro de ligne</translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>%n row(s) that the tree cannot take (%1)</source>
        <translation>
            <numerusform>%n ligne que l&apos;arbre ne peut pas reprendre (%1)</numerusform>
            <numerusform>%n lignes que l&apos;arbre ne peut pas reprendre (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This node can&apos;t be renamed</source>
        <translation>Ce nœud ne peut pas être renommé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A node with this name already exists</source>
        <translation>Un nœud de ce nom existe déjà</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty</source>
        <translation>Le nom est vide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination node is the same as the source node</source>
        <translation>Le nœud de destination est le même que le nœud source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drag/drop the root</source>
        <translation>Impossible de glisser-déposer la racine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t drop a parent onto its child</source>
        <translation>Impossible de déposer un parent sur son enfant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can&apos;t drop this type of node here!</source>
        <translation>Vous ne pouvez pas déposer ce type de nœud ici !</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Folder Name</source>
        <translation>Nom du dossier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Station Name</source>
        <translation>Nom de la station</translation>
    </message>
</context>
<context>
    <name>TArchiveDialog</name>
    <message>
        <location filename="../src/stations/ArchiveDialog.cpp" line="+92"/>
        <source>Channels organizer</source>
        <translation>Organiseur de stations</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Presets</source>
        <translation>Présélections</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OUT OF RANGE</source>
        <translation>HORS BANDE</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tune previous</source>
        <translation>Accord précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Accord suivant</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Rech.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Recherche vers le bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan next</source>
        <translation>Recherche suivante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halt</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Régler le pas</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The station archive could not be written: %1</source>
        <translation>Impossible d&apos;écrire les archives de stations : %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive has changed!
Are you sure that you want
to exit without saving?</source>
        <translation>Les archives de stations ont changé !
Voulez-vous vraiment quitter
sans enregistrer ?</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Duplicated frequency</source>
        <translation>Fréquence en double</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Clear all favorites</source>
        <translation>Effacer toutes les présélections</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
</context>
<context>
    <name>TCannotStartDialog</name>
    <message>
        <location filename="../src/app/CannotStartDialog.cpp" line="+8"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vantoro can run under Linux 2.6 or later.</source>
        <translation>Vantoro fonctionne sous Linux 2.6 ou plus récent.</translation>
    </message>
</context>
<context>
    <name>TColorGrid</name>
    <message>
        <location filename="../src/periphery/ColorGrid.cpp" line="+15"/>
        <location line="+18"/>
        <source>Left click: foreground (FG); right click: background (BG)</source>
        <translation>Clic gauche : premier plan (PP) ; clic droit : arrière-plan (AP)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a colour to choose it</source>
        <translation>Cliquez sur une couleur pour la choisir</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>FG</source>
        <translation>PP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>AP</translation>
    </message>
</context>
<context>
    <name>TDirectPortAccess</name>
    <message>
        <location filename="../src/platform/DirectPortAccess.cpp" line="+20"/>
        <source>this kernel offers no I/O port access (ioperm: %1)</source>
        <translation>ce noyau n&apos;offre pas d&apos;accès aux ports d&apos;E/S (ioperm : %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>this processor has no I/O ports</source>
        <translation>ce processeur n&apos;a pas de ports d&apos;E/S</translation>
    </message>
</context>
<context>
    <name>TExitQuestion</name>
    <message>
        <location filename="../src/app/ExitQuestion.cpp" line="+13"/>
        <source>Power-off message</source>
        <translation>Message d&apos;arrêt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do you want the music to play in the background?</source>
        <translation>Voulez-vous que la musique continue en arrière-plan ?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t &amp;exit</source>
        <translation>Ne pas &amp;quitter</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../src/periphery/HelpWindow.cpp" line="+17"/>
        <source>Vantoro Help</source>
        <translation>Aide de Vantoro</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The help file %1 is missing or cannot be read.</source>
        <translation>Le fichier d&apos;aide %1 est absent ou illisible.</translation>
    </message>
</context>
<context>
    <name>TIqFileSource</name>
    <message>
        <location filename="../src/sdr/IqFileSource.cpp" line="+27"/>
        <source>Cannot open the I/Q recording %1: %2.</source>
        <translation>Impossible d&apos;ouvrir l&apos;enregistrement I/Q %1 : %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>A sample rate of 0 cannot be played.</source>
        <translation>Une fréquence d&apos;échantillonnage de 0 ne peut pas être lue.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The I/Q recording %1 is not open.</source>
        <translation>L&apos;enregistrement I/Q %1 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Cannot read the I/Q recording %1: %2.</source>
        <translation>Impossible de lire l&apos;enregistrement I/Q %1 : %2.</translation>
    </message>
</context>
<context>
    <name>TJumpToDialog</name>
    <message>
        <location filename="../src/stations/JumpToDialog.cpp" line="+19"/>
        <source>Jump to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set frequency</source>
        <translation>Régler la fréquence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <location filename="../src/app/MainDialogs.cpp" line="+93"/>
        <source>Settings: %1</source>
        <translation>Paramètres : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Station archive: %1</source>
        <translation>
Archives de stations : %1</translation>
    </message>
    <message>
        <location filename="../src/app/MainLayout.cpp" line="+10"/>
        <source>Complete</source>
        <translation>Complet</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="+228"/>
        <source>Display</source>
        <translation>Afficheur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + tuner</source>
        <translation>Afficheur + tuner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + presets</source>
        <translation>Afficheur + présélections</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display + volume + buttons</source>
        <translation>Afficheur + volume + boutons</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display + volume + buttons + presets</source>
        <translation>Afficheur + volume + boutons + présélections</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowArchive.cpp" line="+29"/>
        <source>The station archive %1 cannot be read</source>
        <translation>Les archives de stations %1 sont illisibles</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The station archive %1 cannot be read: %2 (&quot;%3&quot;) does not convert</source>
        <translation>Les archives de stations %1 sont illisibles : %2 (&quot;%3&quot;) ne se convertit pas</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The station archive %1 has %2. They are not shown, and saving keeps them in the file as they are.</source>
        <translation>Les archives de stations %1 contiennent %2. Elles ne sont pas affichées, et l&apos;enregistrement les garde telles quelles dans le fichier.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowClock.cpp" line="+37"/>
        <source>Programming mode on/off (%1)</source>
        <translation>Mode programmation marche/arrêt (%1)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Favorites aren&apos;t defined</source>
        <translation>Aucune présélection n&apos;est définie</translation>
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
La radio est fermée. Rebranchez-la et choisissez-la dans les paramètres pour la rouvrir.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>%1 could not be read: %2.
The program starts with the default settings and leaves the file as it is.</source>
        <translation>Impossible de lire %1 : %2.
Le programme démarre avec les paramètres par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings cannot be saved in %1: %2.
The program runs, but the changes you make will be lost when it ends.</source>
        <translation>Les paramètres ne peuvent pas être enregistrés dans %1 : %2.
Le programme fonctionne, mais les modifications que vous faites seront perdues à sa fermeture.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Internal</source>
        <translation>Interne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off (empty)</source>
        <translation>Mode programmation marche/arrêt (vide)</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>The %1 cannot be opened.
%2</source>
        <translation>Impossible d&apos;ouvrir %1.
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>radio device %1 (none found)</source>
        <translation>périphérique radio %1 (aucun trouvé)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the I/O port 0x%1</source>
        <translation>le port d&apos;E/S 0x%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The %1 %2 cannot be opened on %3.
The device does not exist, is in use, or you may not use it.</source>
        <translation>Impossible d&apos;ouvrir %1 %2 sur %3.
Le périphérique n&apos;existe pas, est occupé, ou vous n&apos;avez pas le droit de l&apos;utiliser.</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>The settings could not be written: %1</source>
        <translation>Impossible d&apos;écrire les paramètres : %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The settings could not be written:
</source>
        <translation>Impossible d&apos;écrire les paramètres :
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="+172"/>
        <source>Favorite n.</source>
        <translation>N° de présélection</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.h" line="+639"/>
        <location filename="../src/app/MainWindowLayout.cpp" line="+2"/>
        <location line="+226"/>
        <source>Name of the radio station</source>
        <translation>Nom de la station de radio</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowLayout.cpp" line="-291"/>
        <source>Programme type</source>
        <translation>Type de programme</translation>
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
        <translation>Niveau du signal</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Current time</source>
        <translation>Heure actuelle</translation>
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
        <translation>Accord précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Accord suivant</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Adjust step</source>
        <translation>Régler le pas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jump directly to a frequency</source>
        <translation>Aller directement à une fréquence</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan</source>
        <translation>Rech.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan previous</source>
        <translation>Recherche précédente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan next</source>
        <translation>Recherche suivante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Halt scanning</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/app/MainWindowMenus.cpp" line="-35"/>
        <location line="+38"/>
        <source>Presets</source>
        <translation>Présélections</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Next/Prev row of favorites</source>
        <translation>Rangée suivante/précédente de présélections</translation>
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
        <translation>Sourdine marche/arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm on/off</source>
        <translation>Réveil marche/arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep on/off</source>
        <translation>Minuterie de mise en veille marche/arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming mode on/off</source>
        <translation>Mode programmation marche/arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear a favorite</source>
        <translation>Effacer une présélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Store a favorite</source>
        <translation>Mémoriser une présélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force Mono/Stereo</source>
        <translation>Forcer mono/stéréo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power off</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowMenus.cpp" line="-107"/>
        <source>Jump to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Accord à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Accord à droite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step +</source>
        <translation>Pas +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Pas -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan left</source>
        <translation>Recherche à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Recherche à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan stop</source>
        <translation>Arrêter la recherche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep</source>
        <translation>Minuterie de mise en veille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Scripting</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Organize</source>
        <translation>Organiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Modifier les présélections</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+102"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+102"/>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+99"/>
        <source>Memory</source>
        <translation>Mémoriser</translation>
    </message>
    <message>
        <location line="-98"/>
        <location line="+103"/>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Charger un script</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/app/MainWindowPresets.cpp" line="+377"/>
        <source>Load presets</source>
        <translation>Charger des présélections</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+60"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&amp;Actions</source>
        <translation>A&amp;ctions</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;isplay</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stations</source>
        <translation>&amp;Stations</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+15"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+37"/>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+37"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Recording %1
%2</source>
        <translation>Enregistrement %1
%2</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowPresets.cpp" line="-116"/>
        <source>No preset is tuned, so there is nothing to rename.</source>
        <translation>Aucune présélection n&apos;est accordée, il n&apos;y a donc rien à renommer.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Duplicated frequency</source>
        <translation>Fréquence en double</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Clear all favorites</source>
        <translation>Effacer toutes les présélections</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Si vous chargez de nouvelles présélections, les
présélections actuelles seront effacées.
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Presets loaded from </source>
        <translation>Présélections chargées depuis </translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowScan.cpp" line="+33"/>
        <source>Scanning works on FM only.</source>
        <translation>La recherche ne fonctionne qu&apos;en FM.</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>No sound: %1
The radio goes on tuning and receiving RDS.</source>
        <translation>Pas de son : %1
La radio continue de s&apos;accorder et de recevoir le RDS.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowStations.cpp" line="+28"/>
        <source>No presets are stored yet.</source>
        <translation>Aucune présélection n&apos;est encore mémorisée.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowTuning.cpp" line="+371"/>
        <source>This radio card cannot switch between stereo and mono.</source>
        <translation>Cette carte radio ne peut pas basculer entre stéréo et mono.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowVolume.cpp" line="+32"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>on continue sans le mélangeur de la carte son : %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+25"/>
        <source>Mixer</source>
        <translation>Mixeur</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Go to the sound card mixer</source>
        <translation>Ouvrir le mélangeur de la carte son</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control
the sound volume</source>
        <translation>Vantoro ne peut pas régler
le volume sonore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vantoro can&apos;t control</source>
        <translation>Vantoro ne peut pas régler</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Up</source>
        <translation>Plus fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Moins fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>Sourdine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+315"/>
        <source>The tuner&apos;s sound cannot be played on the sound card (%1).</source>
        <translation>Le son du tuner ne peut pas être joué sur la carte son (%1).</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowDevices.cpp" line="+16"/>
        <source>No radio</source>
        <translation>Pas de radio</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+19"/>
        <source>Radio found</source>
        <translation>Radio trouvée</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The radio device %1 has been plugged in.
Do you want to listen to it now?</source>
        <translation>Le périphérique radio %1 a été branché.
Voulez-vous l&apos;écouter maintenant ?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>An RTL-SDR dongle has been plugged in.
Do you want to listen to it now?</source>
        <translation>Une clé RTL-SDR a été branchée.
Voulez-vous l&apos;écouter maintenant ?</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindowRecord.cpp" line="-65"/>
        <source>Cannot record:
%1</source>
        <translation>Impossible d&apos;enregistrer :
%1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The recording stopped: %1</source>
        <translation>L&apos;enregistrement s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 seconds of sound could not be written in time and are missing from the recording.</source>
        <translation>%1 secondes de son n&apos;ont pas pu être écrites à temps et manquent dans l&apos;enregistrement.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Recording %1 into %2</source>
        <translation>Enregistrement %1 dans %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 is being recorded.
Stop the recording, or go on recording the new station?</source>
        <translation>%1 est en cours d&apos;enregistrement.
Arrêter l&apos;enregistrement, ou continuer en enregistrant la nouvelle station ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go on recording</source>
        <translation>Continuer l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>TMixer</name>
    <message>
        <location filename="../src/hardware/Mixer.cpp" line="+155"/>
        <source>Can&apos;t find audio output mixer line for %1</source>
        <translation>Ligne de mélangeur de sortie audio introuvable pour %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Can&apos;t find %1 output source line for %2</source>
        <translation>Ligne de source de sortie %1 introuvable pour %2</translation>
    </message>
</context>
<context>
    <name>TMixerDialog</name>
    <message>
        <location filename="../src/hardware/MixerDialog.cpp" line="+58"/>
        <source>Mixer control</source>
        <translation>Réglage du mélangeur</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Master</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Treble</source>
        <translation>Aigus</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Line in</source>
        <translation>Entrée ligne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+106"/>
        <source>Compact Disc</source>
        <translation>Disque compact</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Mute</source>
        <translation>Sourdine</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>L</source>
        <translation>G</translation>
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
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The running operating system is Linux and the installed radio card is controlled by direct access to I/O ports.</source>
        <translation>Le système d&apos;exploitation est Linux et la carte radio installée est commandée par accès direct aux ports d&apos;E/S.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In Linux, that kind of access to hardware is not allowed without a privilege.</source>
        <translation>Sous Linux, ce type d&apos;accès au matériel n&apos;est pas permis sans privilège.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In order for Vantoro to gain access to this kind of radio card under Linux, the program must be given the CAP_SYS_RAWIO capability (setcap cap_sys_rawio+ep) before running Vantoro!</source>
        <translation>Pour que Vantoro puisse accéder à ce type de carte radio sous Linux, il faut donner au programme la capacité CAP_SYS_RAWIO (setcap cap_sys_rawio+ep) avant de lancer Vantoro !</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read the chapter &quot;Installing on Linux&quot; of the user manual for more details.</source>
        <translation>Lisez le chapitre &quot;Installing on Linux&quot; du manuel pour plus de détails.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system&apos;s reason: %1</source>
        <translation>La raison donnée par le système : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Linux is
installed</source>
        <translation>Linux est
installé</translation>
    </message>
</context>
<context>
    <name>TPresetsDraft</name>
    <message>
        <location filename="../src/stations/PresetsDraft.cpp" line="+78"/>
        <source>Edit presets - </source>
        <translation>Modifier les présélections - </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Internal</source>
        <translation>Interne</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stored entries: %1</source>
        <translation>Entrées mémorisées : %1</translation>
    </message>
    <message>
        <location line="+214"/>
        <location line="+11"/>
        <source>Warning!</source>
        <translation>Attention !</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Do you wish to clear all presets?</source>
        <translation>Voulez-vous effacer toutes les présélections ?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Do you wish to restore the previous presets?</source>
        <translation>Voulez-vous restaurer les présélections précédentes ?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>If you load a new set of presets, the
current presets will be erased.
Are you sure?</source>
        <translation>Si vous chargez de nouvelles présélections, les
présélections actuelles seront effacées.
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open presets</source>
        <translation>Ouvrir des présélections</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Save presets</source>
        <translation>Enregistrer les présélections</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The presets have changed!
Are you sure that you want
to exit without saving?</source>
        <translation>Les présélections ont changé !
Voulez-vous vraiment quitter
sans enregistrer ?</translation>
    </message>
</context>
<context>
    <name>TPresetsEditor</name>
    <message>
        <location filename="../src/stations/PresetsEditor.cpp" line="+85"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+162"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Tune previous</source>
        <translation>Accord précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tune next</source>
        <translation>Accord suivant</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Adjust step</source>
        <translation>Régler le pas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Duplicated frequency</source>
        <translation>Fréquence en double</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+81"/>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Listen T</source>
        <translation>Écouter T</translation>
    </message>
</context>
<context>
    <name>TProfile</name>
    <message>
        <location filename="../src/platform/Profile.cpp" line="+179"/>
        <source>%1: a line longer than %2 KiB, which no such file has</source>
        <translation>%1 : une ligne de plus de %2 Kio, ce qu&apos;aucun fichier de ce type ne contient</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>%1 could not be read, so it is left as it is</source>
        <translation>%1 n&apos;a pas pu être lu, il est donc laissé tel quel</translation>
    </message>
</context>
<context>
    <name>TRadioCard</name>
    <message>
        <location filename="../src/hardware/SerialRadioProtocol.cpp" line="+53"/>
        <source>The serial receiver on COM%1 (%2) stopped answering (%3).</source>
        <translation>Le récepteur série sur COM%1 (%2) ne répond plus (%3).</translation>
    </message>
    <message>
        <location filename="../src/hardware/V4l2RadioProtocol.cpp" line="+39"/>
        <source>The radio device %1 stopped answering (%2).</source>
        <translation>Le périphérique radio %1 ne répond plus (%2).</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No radio card is open.</source>
        <translation>Aucune carte radio n&apos;est ouverte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The tuner&apos;s sound is recorded when it is played as USB sound (Settings, Volume control).</source>
        <translation>Le son du tuner est enregistré lorsqu&apos;il est joué comme son USB (Paramètres, Réglage du volume).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This card&apos;s sound goes to the sound card by a cable, not through Vantoro: record it with the sound card&apos;s own recording tools.</source>
        <translation>Le son de cette carte va à la carte son par un câble, sans passer par Vantoro : enregistrez-le avec les outils d&apos;enregistrement de la carte son.</translation>
    </message>
    <message>
        <location filename="../src/hardware/RadioCards.cpp" line="+58"/>
        <source>V4L2 radio device</source>
        <translation>périphérique radio V4L2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SDR receiver (RTL2832U dongle)</source>
        <translation>Récepteur SDR (clé RTL2832U)</translation>
    </message>
    <message>
        <location filename="../src/hardware/SdrCard.cpp" line="+77"/>
        <source>&quot;%1&quot; names no dongle: rtlsdr:N takes the dongle&apos;s number, 0 for the first.</source>
        <translation>&quot;%1&quot; ne désigne aucune clé : rtlsdr:N prend le numéro de la clé, 0 pour la première.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; names no server: write rtl_tcp:HOST:PORT, as rtl_tcp:192.168.1.20:1234.</source>
        <translation>&quot;%1&quot; ne désigne aucun serveur : écrivez rtl_tcp:HOST:PORT, par exemple rtl_tcp:192.168.1.20:1234.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No source is chosen for the SDR receiver.</source>
        <translation>Aucune source n&apos;est choisie pour le récepteur SDR.</translation>
    </message>
</context>
<context>
    <name>TRecorder</name>
    <message>
        <location filename="../src/platform/Recorder.cpp" line="+95"/>
        <source>A recording is already open.</source>
        <translation>Un enregistrement est déjà ouvert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot record into a .%1 file here; use one of: %2.</source>
        <translation>Impossible d&apos;enregistrer dans un fichier .%1 ici ; utilisez l&apos;un de ces formats : %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot record %1 channels.</source>
        <translation>Impossible d&apos;enregistrer %1 canaux.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot record into %1: %2</source>
        <translation>Impossible d&apos;enregistrer dans %1 : %2</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Writing %1 failed: %2</source>
        <translation>L&apos;écriture de %1 a échoué : %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file %1 was removed, or its folder.</source>
        <translation>Le fichier %1, ou son dossier, a été supprimé.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Closing %1 failed: %2</source>
        <translation>La fermeture de %1 a échoué : %2</translation>
    </message>
</context>
<context>
    <name>TRtlSdrSource</name>
    <message>
        <location filename="../src/sdr/RtlSdrSource.cpp" line="+17"/>
        <source>No permission to use the RTL-SDR dongle %1. Install the udev rules of the rtl-sdr package (sudo apt install rtl-sdr), add yourself to the plugdev group (sudo adduser $USER plugdev), log in again and plug the dongle in anew.</source>
        <translation>Pas la permission d&apos;utiliser la clé RTL-SDR %1. Installez les règles udev du paquet rtl-sdr (sudo apt install rtl-sdr), ajoutez-vous au groupe plugdev (sudo adduser $USER plugdev), reconnectez-vous et rebranchez la clé.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The kernel&apos;s DVB-T driver holds the RTL-SDR dongle %1. Unload it (sudo modprobe -r dvb_usb_rtl28xxu) and keep it from coming back: put the line &quot;blacklist dvb_usb_rtl28xxu&quot; in /etc/modprobe.d/blacklist-rtl-sdr.conf.</source>
        <translation>Le pilote DVB-T du noyau tient la clé RTL-SDR %1. Déchargez-le (sudo modprobe -r dvb_usb_rtl28xxu) et empêchez-le de revenir : mettez la ligne &quot;blacklist dvb_usb_rtl28xxu&quot; dans /etc/modprobe.d/blacklist-rtl-sdr.conf.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The RTL-SDR dongle %1 was unplugged.</source>
        <translation>La clé RTL-SDR %1 a été débranchée.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the RTL-SDR dongle %1 (librtlsdr error %2).</source>
        <translation>Impossible d&apos;ouvrir la clé RTL-SDR %1 (erreur librtlsdr %2).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The RTL-SDR dongle refused %1 (librtlsdr error %2).</source>
        <extracomment>%1 is one of the things the dongle is asked for: &quot;to start&quot;, &quot;the frequency&quot;, &quot;the gain&quot;...</extracomment>
        <translation>La clé RTL-SDR a refusé %1 (erreur librtlsdr %2).</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/sim/EmulatedDongle.cpp" line="+42"/>
        <source>No RTL-SDR dongle is plugged in.</source>
        <translation>Aucune clé RTL-SDR n&apos;est branchée.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>There is no RTL-SDR dongle %1: %n is plugged in, numbered from 0.</source>
        <translation>
            <numerusform>Il n&apos;y a pas de clé RTL-SDR %1 : %n est branchée, numérotée à partir de 0.</numerusform>
            <numerusform>Il n&apos;y a pas de clé RTL-SDR %1 : %n sont branchées, numérotées à partir de 0.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>to start</source>
        <translation>le démarrage</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the frequency</source>
        <translation>la fréquence</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the sample rate %1</source>
        <translation>la fréquence d&apos;échantillonnage %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>automatic gain</source>
        <translation>le gain automatique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>manual gain</source>
        <translation>le gain manuel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the gain</source>
        <translation>le gain</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the frequency correction</source>
        <translation>la correction de fréquence</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The RTL-SDR dongle is not open.</source>
        <translation>La clé RTL-SDR n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The RTL-SDR dongle was unplugged.</source>
        <translation>La clé RTL-SDR a été débranchée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The RTL-SDR dongle stopped sending samples (librtlsdr error %1).</source>
        <translation>La clé RTL-SDR n&apos;envoie plus d&apos;échantillons (erreur librtlsdr %1).</translation>
    </message>
</context>
<context>
    <name>TRtlTcpSource</name>
    <message>
        <location filename="../src/sdr/RtlTcpSource.cpp" line="+52"/>
        <source>Lost the connection to the rtl_tcp server at %1: %2.</source>
        <translation>Connexion perdue avec le serveur rtl_tcp %1 : %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot find the host %1: %2.</source>
        <translation>Impossible de trouver l&apos;hôte %1 : %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no answer within 2 seconds</source>
        <translation>aucune réponse en 2 secondes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot connect to the rtl_tcp server at %1: %2.</source>
        <translation>Impossible de se connecter au serveur rtl_tcp %1 : %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The rtl_tcp server at %1 sent no header within 2 seconds: is it an rtl_tcp server?</source>
        <translation>Le serveur rtl_tcp %1 n&apos;a envoyé aucun en-tête en 2 secondes : est-ce bien un serveur rtl_tcp ?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The rtl_tcp server at %1 closed the connection before its header (is the dongle in use by another client?).</source>
        <translation>Le serveur rtl_tcp %1 a fermé la connexion avant son en-tête (la clé est-elle utilisée par un autre client ?).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The rtl_tcp server at %1 sent a header that does not begin with &quot;RTL0&quot;: it is not an rtl_tcp server.</source>
        <translation>Le serveur rtl_tcp %1 a envoyé un en-tête qui ne commence pas par &quot;RTL0&quot; : ce n&apos;est pas un serveur rtl_tcp.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+49"/>
        <source>Not connected to the rtl_tcp server at %1.</source>
        <translation>Pas de connexion au serveur rtl_tcp %1.</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The rtl_tcp server at %1 takes no more commands.</source>
        <translation>Le serveur rtl_tcp %1 n&apos;accepte plus de commandes.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The rtl_tcp server at %1 closed the connection.</source>
        <translation>Le serveur rtl_tcp %1 a fermé la connexion.</translation>
    </message>
</context>
<context>
    <name>TScriptEditor</name>
    <message>
        <location filename="../src/schedule/ScriptEditor.cpp" line="+43"/>
        <source>Mute on</source>
        <translation>Sourdine oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute off</source>
        <translation>Sourdine non</translation>
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
        <translation>Aller à</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>Présélection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+0"/>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+156"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <location line="+104"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+2"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+3"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Property for this item</source>
        <translation>Propriétés de cet élément</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+18"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Freq</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>for</source>
        <extracomment>Between the preset and the minutes of a Record action: &quot;Record [preset] for [60 min]&quot;.</extracomment>
        <translation>pendant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Preview</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Event time</source>
        <translation>Heure de l&apos;événement</translation>
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
        <translation>La plage va de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Programming -</source>
        <translation>Programmation -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Script - (%1)</source>
        <translation>Script - (%1)</translation>
    </message>
    <message>
        <location filename="../src/schedule/ScriptEditorActions.cpp" line="+192"/>
        <source>Tuned</source>
        <translation>Accordé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not tuned</source>
        <translation>Non accordé</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>This script will be erased.
Are you sure?</source>
        <translation>Ce script va être effacé.
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Save script</source>
        <translation>Enregistrer le script</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Exit without save</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The script has changed!
Are you sure?</source>
        <translation>Le script a changé !
Êtes-vous sûr ?</translation>
    </message>
</context>
<context>
    <name>TSdrReceiver</name>
    <message>
        <location filename="../src/sdr/SdrReceiver.cpp" line="+179"/>
        <source>The I/Q recording ended.</source>
        <translation>L&apos;enregistrement I/Q est terminé.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source sent no samples for 2 seconds.</source>
        <translation>La source n&apos;a envoyé aucun échantillon pendant 2 secondes.</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>The sound output %1 failed.</source>
        <translation>La sortie son %1 a échoué.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The sound output %1 failed; the radio goes on without sound.</source>
        <translation>La sortie son %1 a échoué ; la radio continue sans son.</translation>
    </message>
</context>
<context>
    <name>TSettingsDialog</name>
    <message>
        <location filename="../src/setup/KeyCommands.cpp" line="+8"/>
        <source>Volume up</source>
        <translation>Volume plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume down</source>
        <translation>Volume moins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume reset</source>
        <translation>Volume à zéro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mixer</source>
        <translation>Mélangeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute on/off</source>
        <translation>Sourdine marche/arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune left</source>
        <translation>Accord à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tune right</source>
        <translation>Accord à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step +</source>
        <translation>Pas +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step -</source>
        <translation>Pas -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sleep</source>
        <translation>Mise en veille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan left</source>
        <translation>Recherche à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scan right</source>
        <translation>Recherche à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop scan</source>
        <translation>Arrêt recherche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit presets</source>
        <translation>Modifier présélections</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/setup/SettingsDialog.cpp" line="+72"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Organize</source>
        <translation>Organiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scripting</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quick jump</source>
        <translation>Saut rapide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimal</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+tuner</source>
        <translation>Min+tuner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+presets</source>
        <translation>Min+présél.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete disp.</source>
        <translation>Affichage complet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory</source>
        <translation>Mémoriser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load script</source>
        <translation>Charger un script</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load presets</source>
        <translation>Charger des présél.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn</source>
        <translation>Min+vol+bout.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Min+vol+btn+pre</source>
        <translation>Min+vol+bout.+présél.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialog.cpp" line="-43"/>
        <source>This radio card is currently
installed in your computer</source>
        <translation>Cette carte radio est actuellement
installée dans votre ordinateur</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Radio card</source>
        <translation>Carte radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume control</source>
        <translation>Réglage du volume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start/close</source>
        <translation>Démarrage/arrêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Supported hardware</source>
        <translation>Matériel pris en charge</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Check radio signal periodically</source>
        <translation>Vérifier périodiquement le signal radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Japanese FM frequencies</source>
        <translation>Fréquences FM japonaises</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+14"/>
        <location line="+54"/>
        <source>Connected to</source>
        <translation>Connectée à</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>I/O Port</source>
        <translation>Port d&apos;E/S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30Ch (default)</source>
        <translation>30Ch (par défaut)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20Ch (alternate)</source>
        <translation>20Ch (alternatif)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Available serial port</source>
        <translation>Port série disponible</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  (needs the dialout group)</source>
        <translation>  (demande le groupe dialout)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+21"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>The I/O ports cannot be reached.</source>
        <translation>Les ports d&apos;E/S sont inaccessibles.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your radio card is controlled by I/O ports.
Vantoro can&apos;t access the hardware directly
without the CAP_SYS_RAWIO capability.
See the chapter &quot;Installing on Linux&quot; of
the user manual for more details.</source>
        <translation>Votre carte radio est commandée par des ports d&apos;E/S.
Vantoro ne peut pas accéder directement au
matériel sans la capacité CAP_SYS_RAWIO.
Voyez le chapitre &quot;Installing on Linux&quot; du
manuel pour plus de détails.</translation>
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
        <translation>Aucun port série n&apos;est utilisable sur
cet ordinateur : ce périphérique ne
peut donc pas encore servir. Les ports
série sont /dev/ttyS*, les adaptateurs USB
/dev/ttyUSB* ou /dev/ttyACM* ; leur usage
demande le groupe dialout (sudo
usermod -aG dialout $USER, puis
reconnectez-vous). Branchez l&apos;adaptateur
et rouvrez les paramètres pour le choisir.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Radio device</source>
        <translation>Périphérique radio</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No radio device found: nothing is at /dev/radio0, /dev/radio1, ... Connect a USB or PCI radio tuner (its driver makes the device), or choose one of the older cards in the list.</source>
        <translation>Aucun périphérique radio trouvé : rien en /dev/radio0, /dev/radio1, ... Branchez un tuner radio USB ou PCI (son pilote crée le périphérique), ou choisissez l&apos;une des anciennes cartes de la liste.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>You can set the volume properties through:</source>
        <translation>Vous pouvez régler le volume par :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One or more sound cards were detected on this system.
</source>
        <translation>Une ou plusieurs cartes son ont été détectées sur ce système.
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The sound volume is controlled through</source>
        <translation>Le volume sonore est réglé par</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play the tuner&apos;s USB sound through the sound card</source>
        <translation>Jouer le son USB du tuner sur la carte son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>For radio devices that deliver their sound over USB; tuners wired to the sound card play through that cable.</source>
        <translation>Pour les périphériques radio qui livrent leur son par USB ; les tuners reliés à la carte son jouent par ce câble.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tune to last station</source>
        <translation>Accorder la dernière station</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start minimized</source>
        <translation>Démarrer réduit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Tip Of The Day</source>
        <translation>Afficher l&apos;astuce du jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start muted</source>
        <translation>Démarrer en sourdine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start alarm if set</source>
        <translation>Lancer le réveil s&apos;il est réglé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force stereo off</source>
        <translation>Forcer la stéréo à l&apos;arrêt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Shutdown</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute audio</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave in current state</source>
        <translation>Laisser dans l&apos;état actuel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ask at shutdown</source>
        <translation>Demander à l&apos;arrêt</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogLook.cpp" line="+118"/>
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Flags</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Display preview</source>
        <translation>Aperçu de l&apos;afficheur</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Generic button</source>
        <translation>Bouton générique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (FM)</source>
        <translation>Présélection attribuée (FM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset assigned (AM)</source>
        <translation>Présélection attribuée (AM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset not assigned</source>
        <translation>Présélection non attribuée</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Not active</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Reset to default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogRecording.cpp" line="+23"/>
        <source>FLAC, lossless (.flac)</source>
        <translation>FLAC, sans perte (.flac)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WAV, uncompressed (.wav)</source>
        <translation>WAV, non compressé (.wav)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Empty: %1</source>
        <translation>Vide : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recording folder</source>
        <translation>Dossier des enregistrements</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The end of sleep stops a recording</source>
        <translation>La fin de la mise en veille arrête l&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Otherwise a recording goes on while the radio is silent.</source>
        <translation>Sinon l&apos;enregistrement continue pendant que la radio se tait.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recordings are named after the station and the time they begin, as in &quot;Station - 2026-12-07 20-00.flac&quot;; a title the station announces goes into a cue sheet beside the file.</source>
        <extracomment>The example name is how the program names the file; &quot;Station&quot; may be translated.</extracomment>
        <translation>Les enregistrements portent le nom de la station et l&apos;heure de leur début, comme &quot;Station - 2026-12-07 20-00.flac&quot; ; un titre annoncé par la station va dans une feuille de repères (cue sheet) à côté du fichier.</translation>
    </message>
    <message>
        <location filename="../src/setup/SettingsDialogSdr.cpp" line="+30"/>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rtlsdr:0 for the first dongle on USB, rtl_tcp:HOST:PORT for a dongle served by rtl_tcp, or the path of an I/Q recording (.cu8)</source>
        <extracomment>rtlsdr:0 and rtl_tcp:HOST:PORT are written as they are; HOST and PORT may be translated.</extracomment>
        <translation>rtlsdr:0 pour la première clé USB, rtl_tcp:HOST:PORT pour une clé servie par rtl_tcp, ou le chemin d&apos;un enregistrement I/Q (.cu8)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 samples/s</source>
        <translation>%1 échantillons/s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Taken to the nearest step the tuner has</source>
        <translation>Arrondi au pas le plus proche du tuner</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Frequency correction</source>
        <translation>Correction de fréquence</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>50 µs (Europe, Asia, Africa, Oceania)</source>
        <translation>50 µs (Europe, Asie, Afrique, Océanie)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>75 µs (the Americas, South Korea)</source>
        <translation>75 µs (Amériques, Corée du Sud)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>De-emphasis</source>
        <translation>Désaccentuation</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An ALSA playback device; &quot;default&quot; plays through PipeWire or PulseAudio where they run</source>
        <extracomment>&quot;default&quot; is the name of an ALSA device: it stays as it is.</extracomment>
        <translation>Un périphérique de lecture ALSA ; &quot;default&quot; joue via PipeWire ou PulseAudio là où ils tournent</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound output</source>
        <translation>Sortie son</translation>
    </message>
</context>
<context>
    <name>TSetupModel</name>
    <message>
        <location filename="../src/setup/SetupModel.cpp" line="+134"/>
        <source>Radio card</source>
        <translation>Carte radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line In</source>
        <translation>Entrée ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compact disk</source>
        <translation>Disque compact</translation>
    </message>
</context>
<context>
    <name>TSleepDialog</name>
    <message>
        <location filename="../src/schedule/SleepDialog.cpp" line="+40"/>
        <source>Sleep</source>
        <translation>Mise en veille</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Turn off radio after</source>
        <translation>Éteindre la radio après</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
</context>
<context>
    <name>TStationNamePrompt</name>
    <message>
        <location filename="../src/app/StationNamePrompt.cpp" line="+34"/>
        <source>Asking for station name</source>
        <translation>Nom de la station</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Station name</source>
        <translation>Nom de la station</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show tips at start-up</source>
        <translation>Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No tips to show: the tips file %1 is missing or empty.</source>
        <translation>Aucune astuce à afficher : le fichier d&apos;astuces %1 est absent ou vide.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No tips to show.</source>
        <translation>Aucune astuce à afficher.</translation>
    </message>
</context>
<context>
    <name>vantoro</name>
    <message>
        <location filename="../src/app/main.cpp" line="+251"/>
        <source>cannot use the station list %1</source>
        <translation>impossible d&apos;utiliser la liste de stations %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot write the trace file %1</source>
        <translation>impossible d&apos;écrire le fichier de trace %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>desktop actions cannot reach this copy: %1</source>
        <translation>les actions du bureau ne peuvent pas atteindre cette copie : %1</translation>
    </message>
</context>
<context>
    <name>vantoroctl</name>
    <message>
        <location filename="../tools/vantoroctl/ArchiveCommands.cpp" line="+19"/>
        <source>usage: vantoroctl archive show [FILE]
</source>
        <translation>usage : vantoroctl archive show [FICHIER]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 illisible : %2</translation>
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
        <translation>usage : vantoroctl [--simulate] [--stations FICHIER] [--trace FICHIER] [--model M] [--port N]
                   [--device CHEMIN] [--band am|fm] [--japanese-fm] [--mono] [--volume V]
                   [--muted] [--close] [--rds-groups FICHIER] COMMANDE...
        vantoroctl --model SDR --device SOURCE [--sample-rate N] [--gain DB|auto]
                   [--deemphasis 50|75] [--center MHZ] COMMANDE...
           SOURCE : rtlsdr:N, rtl_tcp:HOST:PORT ou un enregistrement I/Q (.cu8)
commandes : models | tune F | band am|fm | mute | unmute | volume V | up | down | zero |
            signal | status | scan up|down|all | rds [SECONDES] | record FICHIER SECONDES (SDR)
        vantoroctl presets check|show FICHIER | presets copy FICHIER VERS
        vantoroctl script check|show FICHIER
        vantoroctl settings show [DOSSIER]
        vantoroctl archive show [FICHIER]
        vantoroctl rds --hex FICHIER
        vantoroctl --help | -h | --version
Sans --model, --port ni --device, la carte est celle que nomment les paramètres du programme.
</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 must be a whole number, not &quot;%2&quot;</source>
        <translation>%1 doit être un nombre entier, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 takes 0..%2, not %3</source>
        <translation>%1 accepte 0..%2, pas %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is not a frequency in MHz</source>
        <translation>&quot;%1&quot; n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the %1 has no %2 band</source>
        <translation>%1 n&apos;a pas de bande %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+60"/>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+46"/>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>band takes am or fm</source>
        <translation>band accepte am ou fm</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>scan takes up, down or all</source>
        <translation>scan accepte up, down ou all</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record goes with the SDR receiver</source>
        <translation>record va avec le récepteur SDR</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>record takes 1 second or more</source>
        <translation>record attend 1 seconde ou plus</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>rds takes a number of seconds from 0 to %1, not %2</source>
        <translation>rds attend un nombre de secondes de 0 à %1, pas %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown model &quot;%1&quot;</source>
        <translation>modèle inconnu &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--port takes 1 or more, not %1</source>
        <translation>--port accepte 1 ou plus, pas %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--band takes am or fm, not &quot;%1&quot;</source>
        <translation>--band accepte am ou fm, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--stations goes with --simulate</source>
        <translation>--stations va avec --simulate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--device goes with radio devices, the SDR receiver, and with the serial models on real hardware</source>
        <translation>--device va avec les périphériques radio, le récepteur SDR, et avec les modèles série sur du vrai matériel</translation>
    </message>
    <message>
        <location line="+330"/>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <location line="-216"/>
        <source>cannot read the radio device %1</source>
        <translation>impossible de lire le périphérique radio %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>cannot use the station list %1</source>
        <translation>impossible d&apos;utiliser la liste de stations %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+158"/>
        <source>cannot write the trace file %1</source>
        <translation>impossible d&apos;écrire le fichier de trace %1</translation>
    </message>
    <message>
        <location line="-150"/>
        <source>going on without the sound card&apos;s mixer: %1</source>
        <translation>on continue sans le mélangeur de la carte son : %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>port %1 does not exist on the %2 (1..%3)</source>
        <translation>le port %1 n&apos;existe pas sur %2 (1..%3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the %1 has no Japanese FM range</source>
        <translation>%1 n&apos;a pas de plage FM japonaise</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>cannot reach the I/O ports of the %1 %2: %3.</source>
        <translation>impossible d&apos;atteindre les ports d&apos;E/S de %1 %2 : %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The program needs the CAP_SYS_RAWIO capability: sudo setcap cap_sys_rawio+ep %1 (or try it on emulated hardware with --simulate).</source>
        <translation>Le programme a besoin de la capacité CAP_SYS_RAWIO : sudo setcap cap_sys_rawio+ep %1 (ou essayez-le sur du matériel émulé avec --simulate).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No capability can help on this kernel; try the program on emulated hardware with --simulate.</source>
        <translation>Aucune capacité ne peut aider sur ce noyau ; essayez le programme sur du matériel émulé avec --simulate.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>there is no radio device %1</source>
        <translation>il n&apos;y a pas de périphérique radio %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot open the radio device %1: it does not exist, is no radio tuner, or you may not use it (membership of the video group is usually needed).</source>
        <translation>impossible d&apos;ouvrir le périphérique radio %1 : il n&apos;existe pas, n&apos;est pas un tuner radio, ou vous n&apos;avez pas le droit de l&apos;utiliser (l&apos;appartenance au groupe video est en général nécessaire).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot open COM%1 (%2): the device does not exist, is in use, or you may not use it (membership of the dialout group is usually needed).</source>
        <translation>impossible d&apos;ouvrir COM%1 (%2) : le périphérique n&apos;existe pas, est occupé, ou vous n&apos;avez pas le droit de l&apos;utiliser (l&apos;appartenance au groupe dialout est en général nécessaire).</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 MHz is outside the %2&apos;s %3 band (%4 to %5 MHz)</source>
        <translation>%1 MHz est hors de la bande %3 de %2 (%4 à %5 MHz)</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/RadioCommands.cpp" line="+105"/>
        <source>usage: vantoroctl rds --hex FILE
</source>
        <translation>usage : vantoroctl rds --hex FICHIER
</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>line %1 is longer than %2 KiB, not an RDS log</source>
        <translation>la ligne %1 dépasse %2 Kio, ce n&apos;est pas un journal RDS</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/ScriptCommands.cpp" line="+36"/>
        <source>usage: vantoroctl script check|show FILE
</source>
        <translation>usage : vantoroctl script check|show FICHIER
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SettingsCommands.cpp" line="+19"/>
        <source>usage: vantoroctl settings show [DIR]
</source>
        <translation>usage : vantoroctl settings show [DOSSIER]
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a directory: %1</source>
        <translation>pas un dossier : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1; showing the defaults</source>
        <translation>impossible de lire %1 ; affichage des valeurs par défaut</translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/PresetsCommands.cpp" line="+24"/>
        <source>usage: vantoroctl presets check|show FILE | presets copy FILE TO
</source>
        <translation>usage : vantoroctl presets check|show FICHIER | presets copy FICHIER VERS
</translation>
    </message>
    <message numerus="yes">
        <location line="+18"/>
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n présélection</numerusform>
            <numerusform>%n présélections</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/vantoroctl/SdrCommands.cpp" line="+11"/>
        <source>--sample-rate takes one of %1, not &quot;%2&quot;</source>
        <translation>--sample-rate attend l&apos;une des valeurs %1, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--gain takes auto or a value in dB, not &quot;%1&quot;</source>
        <translation>--gain attend auto ou une valeur en dB, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--deemphasis takes 50 or 75, not &quot;%1&quot;</source>
        <translation>--deemphasis attend 50 ou 75, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--center takes a frequency in MHz, not &quot;%1&quot;</source>
        <translation>--center attend une fréquence en MHz, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot record to %1: %2</source>
        <translation>impossible d&apos;enregistrer dans %1 : %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the recording %1 ended early: %2</source>
        <translation>l&apos;enregistrement %1 s&apos;est terminé trop tôt : %2</translation>
    </message>
</context>
</TS>
