<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error #0008. Application will exit.</source>
        <translation>Erreur nº 0008. L’application va se fermer.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>There are no audio files on the list.</source>
        <translation>La liste ne contient aucun fichier audio.</translation>
    </message>
    <message>
        <source>There are no audio files on the list. Add audio files to convert.</source>
        <translation>La liste ne contient aucun fichier audio. Ajoutez des fichiers audio à convertir.</translation>
    </message>
    <message>
        <source>Select an output folder to save the converted audio files.</source>
        <translation>Choisissez un dossier de sortie pour enregistrer les fichiers audio convertis.</translation>
    </message>
    <message>
        <source>The preview could not be played.</source>
        <translation>L’aperçu n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The sound system reported: %1. Check that a sound output device is connected and working, then press Play again.</source>
        <translation>Le système audio a signalé : %1. Vérifiez qu’un périphérique de sortie audio est branché et fonctionne, puis appuyez de nouveau sur Lire.</translation>
    </message>
    <message>
        <source>Audio file could not be opened.</source>
        <translation>Le fichier audio n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>There is no audio file selected.</source>
        <translation>Aucun fichier audio n’est sélectionné.</translation>
    </message>
    <message>
        <source>There is no audio file selected. Select one audio file to play.</source>
        <translation>Aucun fichier audio n’est sélectionné. Sélectionnez un fichier audio à lire.</translation>
    </message>
    <message>
        <source>There is more than one audio file selected.</source>
        <translation>Plus d’un fichier audio est sélectionné.</translation>
    </message>
    <message>
        <source>There is more than one audio file selected. Select only one audio file to play.</source>
        <translation>Plus d’un fichier audio est sélectionné. Sélectionnez un seul fichier audio à lire.</translation>
    </message>
    <message>
        <source>Select audio files to add to the list of files to convert.</source>
        <translation>Choisissez les fichiers audio à ajouter à la liste des fichiers à convertir.</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <source>cannot create the folder %1; check that you may write in the destination folder</source>
        <translation>impossible de créer le dossier %1 ; vérifiez que vous pouvez écrire dans le dossier de destination</translation>
    </message>
</context>
<context>
    <name>EffectsGroup</name>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Gain:</source>
        <translation>Gain :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Treble:</source>
        <translation>Aigus :</translation>
    </message>
    <message>
        <source>Bass:</source>
        <translation>Graves :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Default gain</source>
        <translation>Gain par défaut</translation>
    </message>
    <message>
        <source>Default treble</source>
        <translation>Aigus par défaut</translation>
    </message>
    <message>
        <source>Default bass</source>
        <translation>Graves par défaut</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Vitesse par défaut</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <source>Reason: %1</source>
        <translation>Raison : %1</translation>
    </message>
    <message>
        <source>Saved as %1: another file of this run has the same name.</source>
        <translation>Enregistré sous %1 : un autre fichier de cette conversion porte le même nom.</translation>
    </message>
    <message>
        <source>Message: %1</source>
        <translation>Message : %1</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Commande :</translation>
    </message>
    <message>
        <source>Last lines of its output:</source>
        <translation>Dernières lignes de sa sortie :</translation>
    </message>
</context>
<context>
    <name>FileTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>FormatLabels</name>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Non compressé</translation>
    </message>
    <message>
        <source>Do not alter volume</source>
        <translation>Ne pas modifier le volume</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quavero</source>
        <translation>Quavero</translation>
    </message>
    <message>
        <source>&amp;Output format:</source>
        <translation>F&amp;ormat de sortie :</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add audio files to the list</source>
        <translation>Ajouter des fichiers audio à la liste</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Add the audio files of a folder</source>
        <translation>Ajouter les fichiers audio d’un dossier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the selected files from the list</source>
        <translation>Retirer de la liste les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Remove all files from the list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert every file of the list</source>
        <translation>Convertir chaque fichier de la liste</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Play the preview of the selected file</source>
        <translation>Lire l’aperçu du fichier sélectionné</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause the preview</source>
        <translation>Mettre l’aperçu en pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the preview</source>
        <translation>Arrêter l’aperçu</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Colours of the list and the waveform</source>
        <translation>Couleurs de la liste et de la forme d’onde</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Convert…</source>
        <translation>Convertir…</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Quavero Web Page</source>
        <translation>Page web de Quavero</translation>
    </message>
    <message>
        <source>Quavero Home Page</source>
        <translation>Site de Quavero</translation>
    </message>
    <message>
        <source>Privacy Note</source>
        <translation>Note sur la confidentialité</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Signaler un problème</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Trier par</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Output Format Options…</source>
        <translation>Options du format de sortie…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Colors…</source>
        <translation>Couleurs…</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>&amp;Durée</translation>
    </message>
</context>
<context>
    <name>PlainFailure</name>
    <message>
        <source>the encoder does not accept the sample rate %1 Hz; choose another sample rate in the format options</source>
        <translation>l’encodeur n’accepte pas la fréquence d’échantillonnage de %1 Hz ; choisissez-en une autre dans les options du format</translation>
    </message>
    <message>
        <source>the encoder does not accept %1 channels; choose other channels in the format options</source>
        <translation>l’encodeur n’accepte pas %1 canaux ; choisissez d’autres canaux dans les options du format</translation>
    </message>
    <message>
        <source>the encoder does not accept the bitrate %1; choose another bitrate in the format options</source>
        <translation>l’encodeur n’accepte pas le débit %1 ; choisissez un autre débit dans les options du format</translation>
    </message>
    <message>
        <source>this ffmpeg does not know the option -%1; install a complete ffmpeg or choose another format</source>
        <translation>ce ffmpeg ne connaît pas l’option -%1 ; installez un ffmpeg complet ou choisissez un autre format</translation>
    </message>
    <message>
        <source>ffmpeg does not accept %1 for its option %2; choose other values in the format options</source>
        <translation>ffmpeg n’accepte pas %1 pour son option %2 ; choisissez d’autres valeurs dans les options du format</translation>
    </message>
    <message>
        <source>the encoder does not accept these settings (%1); choose other values in the format options</source>
        <translation>l’encodeur n’accepte pas ces réglages (%1) ; choisissez d’autres valeurs dans les options du format</translation>
    </message>
    <message>
        <source>the disk that holds the work folder %1 is full; free some space on it</source>
        <translation>le disque qui contient le dossier de travail %1 est plein ; libérez de la place</translation>
    </message>
    <message>
        <source>the destination disk is full; free some space on it or choose another destination folder</source>
        <translation>le disque de destination est plein ; libérez de la place ou choisissez un autre dossier de destination</translation>
    </message>
    <message>
        <source>no permission to read the file; change its permissions or convert a copy of it</source>
        <translation>pas le droit de lire le fichier ; changez ses permissions ou convertissez-en une copie</translation>
    </message>
    <message>
        <source>no permission to write in the work folder %1</source>
        <translation>pas le droit d’écrire dans le dossier de travail %1</translation>
    </message>
    <message>
        <source>no permission to write in the destination folder; choose another folder or change its permissions</source>
        <translation>pas le droit d’écrire dans le dossier de destination ; choisissez un autre dossier ou changez ses permissions</translation>
    </message>
    <message>
        <source>the file is no longer there; it was moved, renamed or deleted after it was added</source>
        <translation>le fichier n’est plus là ; il a été déplacé, renommé ou supprimé après son ajout</translation>
    </message>
    <message>
        <source>the destination folder is no longer there; choose it again or another one</source>
        <translation>le dossier de destination n’est plus là ; choisissez-le à nouveau ou un autre</translation>
    </message>
    <message>
        <source>the file holds no audio; there is nothing to convert</source>
        <translation>le fichier ne contient pas d’audio ; il n’y a rien à convertir</translation>
    </message>
    <message>
        <source>not an audio file ffmpeg can read; check that the file is complete and really holds audio</source>
        <translation>pas un fichier audio lisible par ffmpeg ; vérifiez que le fichier est complet et contient bien de l’audio</translation>
    </message>
    <message>
        <source>sample rate %1 Hz</source>
        <translation>fréquence d’échantillonnage %1 Hz</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>canaux %1</translation>
    </message>
    <message>
        <source>bitrate %1</source>
        <translation>débit %1</translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>qualité %1</translation>
    </message>
    <message>
        <source>compression level %1</source>
        <translation>niveau de compression %1</translation>
    </message>
    <message>
        <source>encoder %1</source>
        <translation>encodeur %1</translation>
    </message>
    <message>
        <source>%1 was killed (signal %2) before it finished, perhaps because memory ran out; convert the file again</source>
        <translation>%1 a été tué (signal %2) avant la fin, peut-être faute de mémoire ; convertissez le fichier à nouveau</translation>
    </message>
    <message>
        <source>%1 was stopped from outside (signal %2) before it finished; convert the file again</source>
        <translation>%1 a été arrêté de l’extérieur (signal %2) avant la fin ; convertissez le fichier à nouveau</translation>
    </message>
    <message>
        <source>%1 crashed (signal %2) on this file; the file may be damaged, or try another output format</source>
        <translation>%1 a planté (signal %2) sur ce fichier ; le fichier est peut-être endommagé, ou essayez un autre format de sortie</translation>
    </message>
</context>
<context>
    <name>ProgramCheck</name>
    <message>
        <source>The program &quot;%1&quot; cannot be run.</source>
        <translation>Le programme « %1 » ne peut pas être lancé.</translation>
    </message>
    <message>
        <source>Quavero needs &quot;%1&quot; to convert audio files to this format, but it could not start it (tried &quot;%2&quot;). Install the Debian package &quot;%3&quot; (sudo apt install %3) and try again.</source>
        <translation>Quavero a besoin de « %1 » pour convertir des fichiers audio dans ce format, mais n’a pas pu le lancer (essayé : « %2 »). Installez le paquet Debian « %3 » (sudo apt install %3) et réessayez.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Audio files (%1)</source>
        <translation>Fichiers audio (%1)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
</context>
<context>
    <name>QtSound</name>
    <message>
        <source>the preview file %1 is missing</source>
        <translation>le fichier d’aperçu %1 est introuvable</translation>
    </message>
    <message>
        <source>no sound output device was found</source>
        <translation>aucun périphérique de sortie audio n’a été trouvé</translation>
    </message>
    <message>
        <source>the sound system reported an error</source>
        <translation>le système audio a signalé une erreur</translation>
    </message>
</context>
<context>
    <name>QuaveroCli</name>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>option inconnue « --%1 »</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option &apos;-%1&apos;</source>
        <translation>option inconnue « -%1 »</translation>
    </message>
    <message>
        <source>-o/--output-dir needs a folder</source>
        <translation>-o/--output-dir demande un dossier</translation>
    </message>
    <message>
        <source>--set takes NAME=VALUE (for example --set quality=2), not &apos;%1&apos;</source>
        <translation>--set prend NOM=VALEUR (par exemple --set quality=2), pas « %1 »</translation>
    </message>
    <message>
        <source>-j/--jobs takes a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>-j/--jobs prend un nombre entier de 1 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 has no options, so --set %2 cannot apply</source>
        <translation>%1 n’a pas d’options, --set %2 ne peut donc pas s’appliquer</translation>
    </message>
    <message>
        <source>%1 has no option &apos;%2&apos;; its options are: %3</source>
        <translation>%1 n’a pas d’option « %2 » ; ses options sont : %3</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;; the formats are: %2</source>
        <translation>format inconnu « %1 » ; les formats sont : %2</translation>
    </message>
    <message>
        <source>no output folder: name one with -o DIR</source>
        <translation>pas de dossier de sortie : indiquez-en un avec -o DIR</translation>
    </message>
    <message>
        <source>nothing to convert: name at least one audio file or folder</source>
        <translation>rien à convertir : indiquez au moins un fichier audio ou un dossier</translation>
    </message>
    <message>
        <source>the output folder %1 is a file; name a folder with -o</source>
        <translation>le dossier de sortie %1 est un fichier ; indiquez un dossier avec -o</translation>
    </message>
    <message>
        <source>cannot create the output folder %1; check that you may write there, or name another with -o</source>
        <translation>impossible de créer le dossier de sortie %1 ; vérifiez que vous pouvez y écrire, ou indiquez-en un autre avec -o</translation>
    </message>
    <message>
        <source>speed, gain, treble and bass apply to %1 only with %2; they are left out</source>
        <translation>vitesse, gain, aigus et graves ne s’appliquent à %1 qu’avec %2 ; ils sont ignorés</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1 (%2); set TMPDIR to a folder you may write to</source>
        <translation>impossible de créer un dossier temporaire dans %1 (%2) ; faites pointer TMPDIR vers un dossier où vous pouvez écrire</translation>
    </message>
    <message>
        <source>; default </source>
        <translation> ; par défaut </translation>
    </message>
    <message>
        <source>  (speed, gain, treble and bass apply only with %1)
</source>
        <translation>  (vitesse, gain, aigus et graves ne s’appliquent qu’avec %1)
</translation>
    </message>
    <message>
        <source>%1 (%2): writes *%3
</source>
        <translation>%1 (%2) : écrit *%3
</translation>
    </message>
    <message>
        <source>  no options
</source>
        <translation>  aucune option
</translation>
    </message>
    <message>
        <source>Usage: quavero-cli [OPTIONS] INPUT...
Converts audio files into one output format with ffmpeg (and sox for the
speed, gain, treble and bass effects): one output file per input, named
after it, in the output folder.

An INPUT is an audio file or a folder. A folder adds the files directly in
it, in name order, whose extension is a format name below in lower case;
with -r the files of its subfolders too.

Options:
  -f, --format FMT      the output format (default mp3), one of: %1
                        (any letter case, with or without the dot: .MP3)
  -o, --output-dir DIR  the folder the converted files go to, created if
                        missing (required)
      --set NAME=VALUE  sets one option of the output format; repeatable.
                        VALUE is a label of the options dialog, letter case
                        and spaces forgiven (channels=stereo, quality=0);
                        speed takes a factor (1.25), gain, treble and bass
                        whole decibels (-6). Options not set keep their
                        defaults. --list-formats shows every NAME and VALUE
  -j, --jobs N          how many files convert at once (default: one per
                        processor, %2 here)
  -r, --recursive       a folder INPUT adds the files of its subfolders too
  -n, --dry-run         prints each ffmpeg and sox command that would run,
                        one per line, quoted for a POSIX shell, and converts
                        nothing
  -q, --quiet           prints no progress and no summary; failures are
                        still reported
      --list-formats    prints each format with its options, their NAMEs,
                        every accepted VALUE and the default (*)
  -h, --help            prints this help
      --version         prints the version

An existing output file is replaced; an input file never is (such a file is
reported as failed). Inputs that would be written to the same output file
(a.wav and a.flac to mp3) are converted one after the other, in the order
given, so the last one is what remains.

Exit status:
  %3    every file was converted
  %4    at least one file could not be converted (each is listed with the
       reason; the others are converted), or nothing could start: ffmpeg
       or sox missing, an output folder that cannot be made
  %5    the command line is wrong; nothing was converted
  %6  stopped by Ctrl-C: the running conversions are ended, their partial
       files removed, and the files already converted kept. 130 is 128 plus
       the number of the interrupt signal, what a shell reports for a
       command ended by Ctrl-C, so a script can tell a stop from failed
       files and stop too (143 likewise when stopped by SIGTERM).
</source>
        <translation>Usage : quavero-cli [OPTIONS] ENTRÉE...
Convertit des fichiers audio dans un format de sortie avec ffmpeg (et sox pour
les effets de vitesse, gain, aigus et graves) : un fichier de sortie par
entrée, nommé d’après elle, dans le dossier de sortie.

Une ENTRÉE est un fichier audio ou un dossier. Un dossier ajoute les fichiers
qu’il contient directement, par ordre de nom, dont l’extension est un nom de
format ci-dessous en minuscules ; avec -r, ceux de ses sous-dossiers aussi.

Options :
  -f, --format FMT      le format de sortie (mp3 par défaut), parmi : %1
                        (majuscules ou minuscules, avec ou sans le point :
                        .MP3)
  -o, --output-dir DIR  le dossier où vont les fichiers convertis, créé s’il
                        manque (obligatoire)
      --set NAME=VALUE  règle une option du format de sortie ; répétable.
                        VALUE est un libellé (anglais) de la boîte d’options,
                        sans tenir compte de la casse ni des espaces
                        (channels=stereo, quality=0) ; speed prend un facteur
                        (1.25), gain, treble et bass des décibels entiers
                        (-6). Les options non réglées gardent leur valeur
                        par défaut. --list-formats montre chaque NAME et
                        chaque VALUE
  -j, --jobs N          combien de fichiers sont convertis à la fois (par
                        défaut : un par processeur, ici %2)
  -r, --recursive       un dossier en ENTRÉE ajoute aussi les fichiers de ses
                        sous-dossiers
  -n, --dry-run         affiche chaque commande ffmpeg et sox qui serait
                        lancée, une par ligne, échappée pour un shell POSIX,
                        et ne convertit rien
  -q, --quiet           n’affiche ni progression ni bilan ; les échecs sont
                        toujours signalés
      --list-formats    affiche chaque format avec ses options, leurs NAME,
                        chaque VALUE accepté et la valeur par défaut (*)
  -h, --help            affiche cette aide
      --version         affiche la version

Un fichier de sortie existant est remplacé, un fichier d’entrée jamais (un tel
fichier est signalé en échec). Les entrées qui seraient écrites dans le même
fichier de sortie (a.wav et a.flac vers mp3) sont converties l’une après
l’autre, dans l’ordre donné : c’est la dernière qui reste.

Code de sortie :
  %3    chaque fichier a été converti
  %4    au moins un fichier n’a pas pu être converti (chacun est cité avec la
       raison ; les autres sont convertis), ou rien n’a pu démarrer : ffmpeg
       ou sox manquant, un dossier de sortie impossible à créer
  %5    la ligne de commande est erronée ; rien n’a été converti
  %6  arrêté par Ctrl-C : les conversions en cours sont terminées, leurs
       fichiers partiels supprimés et les fichiers déjà convertis conservés.
       130 vaut 128 plus le numéro du signal d’interruption, ce qu’un shell
       indique pour une commande arrêtée par Ctrl-C : un script distingue
       ainsi un arrêt de fichiers en échec et peut s’arrêter aussi (143 de
       même après SIGTERM).
</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not an audio file this program converts: its extension is not one of %1</source>
        <translation>pas un fichier audio que ce programme convertit : son extension n’est pas parmi %1</translation>
    </message>
    <message>
        <source>%1 holds no file ending in .%2%3</source>
        <translation>%1 ne contient aucun fichier se terminant par .%2%3</translation>
    </message>
    <message>
        <source> (-r looks in its subfolders too)</source>
        <translation> (-r cherche aussi dans ses sous-dossiers)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a value of %2; it takes %3</source>
        <translation>« %1 » n’est pas une valeur de %2 ; il accepte %3</translation>
    </message>
    <message>
        <source>a factor such as 1.25 (above 0, up to %1)</source>
        <translation>un facteur comme 1.25 (au-dessus de 0, jusqu’à %1)</translation>
    </message>
    <message>
        <source>whole decibels, %1 to %2, such as -6 or 3</source>
        <translation>des décibels entiers, de %1 à %2, comme -6 ou 3</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>converti %1 -&gt; %2</translation>
    </message>
    <message>
        <source>FAILED    %1: %2</source>
        <translation>ÉCHEC     %1 : %2</translation>
    </message>
    <message>
        <source>stopped   %1</source>
        <translation>arrêté    %1</translation>
    </message>
    <message>
        <source>%1 of %2 files done, %3 converting</source>
        <translation>%1 fichiers sur %2 terminés, %3 en conversion</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 converti(s), %2 en échec</translation>
    </message>
    <message>
        <source>, %1 not converted (stopped by %2)</source>
        <translation>, %1 non converti(s) (arrêté par %2)</translation>
    </message>
    <message>
        <source>failed: %1: %2
</source>
        <translation>échec : %1 : %2
</translation>
    </message>
    <message>
        <source>quavero-cli: %1
Try &apos;quavero-cli --help&apos; for more information.
</source>
        <translation>quavero-cli : %1
Essayez « quavero-cli --help » pour plus d’informations.
</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Saved under another name, because another file of this run has the same name:</source>
        <translation>Enregistrés sous un autre nom, car un autre fichier de cette conversion porte le même nom :</translation>
    </message>
    <message>
        <source>%1: saved as %2</source>
        <translation>%1 : enregistré sous %2</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Audio files were converted successfully.</source>
        <translation>Les fichiers audio ont été convertis avec succès.</translation>
    </message>
    <message>
        <source>1 of %1 files could not be converted.</source>
        <translation>1 fichier sur %1 n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>%1 of %2 files could not be converted.</source>
        <translation>%1 fichiers sur %2 n’ont pas pu être convertis.</translation>
    </message>
    <message>
        <source>The file could not be converted.</source>
        <translation>Le fichier n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>Check these files and the format options, then convert them again.</source>
        <translation>Vérifiez ces fichiers et les options du format, puis convertissez-les à nouveau.</translation>
    </message>
</context>
<context>
    <name>View_Audio_Wave</name>
    <message>
        <source>No Audio Loaded</source>
        <translation>Aucun audio chargé</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Forme d’onde</translation>
    </message>
</context>
<context>
    <name>Window_AF_AIFF</name>
    <message>
        <source>AIFF Options</source>
        <translation>Options AIFF</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Débit :</translation>
    </message>
</context>
<context>
    <name>Window_AF_AMR</name>
    <message>
        <source>AMR Options</source>
        <translation>Options AMR</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Débit (kbit/s) :</translation>
    </message>
</context>
<context>
    <name>Window_AF_AU</name>
    <message>
        <source>AU Options</source>
        <translation>Options AU</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec :</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
</context>
<context>
    <name>Window_AF_CAF</name>
    <message>
        <source>CAF Options</source>
        <translation>Options CAF</translation>
    </message>
    <message>
        <source>Sample size (bits):</source>
        <translation>Taille d’échantillon (bits) :</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
</context>
<context>
    <name>Window_AF_FLAC</name>
    <message>
        <source>FLAC Options</source>
        <translation>Options FLAC</translation>
    </message>
    <message>
        <source>Compression level:</source>
        <translation>Niveau de compression :</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
</context>
<context>
    <name>Window_AF_M4A</name>
    <message>
        <source>M4A Options</source>
        <translation>Options M4A</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Débit :</translation>
    </message>
</context>
<context>
    <name>Window_AF_MP3</name>
    <message>
        <source>MP3 Options</source>
        <translation>Options MP3</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
    </message>
    <message>
        <source>Variable bitrate</source>
        <translation>Débit variable</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Constant bitrate</source>
        <translation>Débit constant</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Débit (kbit/s) :</translation>
    </message>
</context>
<context>
    <name>Window_AF_OGG</name>
    <message>
        <source>OGG Options</source>
        <translation>Options OGG</translation>
    </message>
    <message>
        <source>Variable bitrate, quality:</source>
        <translation>Débit variable, qualité :</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Débit constant (kbit/s) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
</context>
<context>
    <name>Window_AF_RAW</name>
    <message>
        <source>RAW Options</source>
        <translation>Options RAW</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
</context>
<context>
    <name>Window_AF_SPX</name>
    <message>
        <source>Speex Options</source>
        <translation>Options Speex</translation>
    </message>
    <message>
        <source>Quality preset:</source>
        <translation>Préréglage de qualité :</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Débit constant (kbit/s) :</translation>
    </message>
    <message>
        <source>Variable bitrate (kbit/s):</source>
        <translation>Débit variable (kbit/s) :</translation>
    </message>
</context>
<context>
    <name>Window_AF_WAV</name>
    <message>
        <source>WAV Options</source>
        <translation>Options WAV</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Taille d’échantillon :</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
</context>
<context>
    <name>Window_AF_WMA</name>
    <message>
        <source>WMA Options</source>
        <translation>Options WMA</translation>
    </message>
    <message>
        <source>Windows Media Audio 1</source>
        <translation>Windows Media Audio 1</translation>
    </message>
    <message>
        <source>Windows Media Audio 2</source>
        <translation>Windows Media Audio 2</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
</context>
<context>
    <name>Window_Colors</name>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Forme d’onde</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Arrière-plan :</translation>
    </message>
    <message>
        <source>Waveform background</source>
        <translation>Arrière-plan de la forme d’onde</translation>
    </message>
    <message>
        <source>Wave:</source>
        <translation>Onde :</translation>
    </message>
    <message>
        <source>Waveform wave</source>
        <translation>Tracé de la forme d’onde</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>File list background</source>
        <translation>Arrière-plan de la liste des fichiers</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>File list text</source>
        <translation>Texte de la liste des fichiers</translation>
    </message>
    <message>
        <source>Alternating rows, in the desktop&apos;s colors</source>
        <translation>Lignes alternées, aux couleurs du bureau</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Window_Convert</name>
    <message>
        <source>Converting Audio Files</source>
        <translation>Conversion des fichiers audio</translation>
    </message>
    <message>
        <source>Files converted:</source>
        <translation>Fichiers convertis :</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v sur %m</translation>
    </message>
    <message>
        <source>Current file:</source>
        <translation>Fichier en cours :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Window_Progress</name>
    <message>
        <source>Adding Files</source>
        <translation>Ajout de fichiers</translation>
    </message>
    <message>
        <source>Adding audio files to the list…</source>
        <translation>Ajout des fichiers audio à la liste…</translation>
    </message>
</context>
</TS>
