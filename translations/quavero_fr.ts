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
    <name>MainWindow</name>
    <message>
        <source>Quavero</source>
        <translation>Quavero</translation>
    </message>
    <message>
        <source>Output format:</source>
        <translation>Format de sortie :</translation>
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
        <source>Remove All</source>
        <translation>Tout retirer</translation>
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
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Fréquence d’échantillonnage (Hz) :</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
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
