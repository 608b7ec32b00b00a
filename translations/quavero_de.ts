<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error #0008. Application will exit.</source>
        <translation>Fehler #0008. Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>EffectsGroup</name>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Gain:</source>
        <translation>Verstärkung:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Treble:</source>
        <translation>Höhen:</translation>
    </message>
    <message>
        <source>Bass:</source>
        <translation>Bässe:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
</context>
<context>
    <name>FileTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
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
        <translation>Ausgabeformat:</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Optionen…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add audio files to the list</source>
        <translation>Audiodateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add the audio files of a folder</source>
        <translation>Die Audiodateien eines Ordners hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected files from the list</source>
        <translation>Die ausgewählten Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Remove all files from the list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Convert every file of the list</source>
        <translation>Jede Datei der Liste umwandeln</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play the preview of the selected file</source>
        <translation>Die Vorschau der ausgewählten Datei abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause the preview</source>
        <translation>Die Vorschau anhalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop the preview</source>
        <translation>Die Vorschau beenden</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Colours of the list and the waveform</source>
        <translation>Farben der Liste und der Wellenform</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dateien hinzufügen…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ordner hinzufügen…</translation>
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
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Convert…</source>
        <translation>Umwandeln…</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
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
        <translation>Quavero-Webseite</translation>
    </message>
    <message>
        <source>Quavero Home Page</source>
        <translation>Quavero-Startseite</translation>
    </message>
    <message>
        <source>Privacy Note</source>
        <translation>Hinweis zum Datenschutz</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Ein Problem melden</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Audio files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
</context>
<context>
    <name>Window_AF_AIFF</name>
    <message>
        <source>AIFF Options</source>
        <translation>AIFF-Optionen</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
</context>
<context>
    <name>Window_AF_AMR</name>
    <message>
        <source>AMR Options</source>
        <translation>AMR-Optionen</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Bitrate (kbit/s):</translation>
    </message>
</context>
<context>
    <name>Window_AF_AU</name>
    <message>
        <source>AU Options</source>
        <translation>AU-Optionen</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>Window_AF_CAF</name>
    <message>
        <source>CAF Options</source>
        <translation>CAF-Optionen</translation>
    </message>
    <message>
        <source>Sample size (bits):</source>
        <translation>Abtasttiefe (Bit):</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>Window_AF_FLAC</name>
    <message>
        <source>FLAC Options</source>
        <translation>FLAC-Optionen</translation>
    </message>
    <message>
        <source>Compression level:</source>
        <translation>Kompressionsstufe:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>Window_AF_M4A</name>
    <message>
        <source>M4A Options</source>
        <translation>M4A-Optionen</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
</context>
<context>
    <name>Window_AF_MP3</name>
    <message>
        <source>MP3 Options</source>
        <translation>MP3-Optionen</translation>
    </message>
    <message>
        <source>Variable bitrate, quality:</source>
        <translation>Variable Bitrate, Qualität:</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Konstante Bitrate (kbit/s):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
</context>
<context>
    <name>Window_AF_OGG</name>
    <message>
        <source>OGG Options</source>
        <translation>OGG-Optionen</translation>
    </message>
    <message>
        <source>Variable bitrate, quality:</source>
        <translation>Variable Bitrate, Qualität:</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Konstante Bitrate (kbit/s):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>Window_AF_RAW</name>
    <message>
        <source>RAW Options</source>
        <translation>RAW-Optionen</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>Window_AF_SPX</name>
    <message>
        <source>Speex Options</source>
        <translation>Speex-Optionen</translation>
    </message>
    <message>
        <source>Quality preset:</source>
        <translation>Qualitätsstufe:</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Konstante Bitrate (kbit/s):</translation>
    </message>
    <message>
        <source>Variable bitrate (kbit/s):</source>
        <translation>Variable Bitrate (kbit/s):</translation>
    </message>
</context>
<context>
    <name>Window_AF_WAV</name>
    <message>
        <source>WAV Options</source>
        <translation>WAV-Optionen</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Abtasttiefe:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>Window_AF_WMA</name>
    <message>
        <source>WMA Options</source>
        <translation>WMA-Optionen</translation>
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
        <translation>Abtastrate (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
</context>
<context>
    <name>Window_Colors</name>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Wellenform</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Waveform background</source>
        <translation>Hintergrund der Wellenform</translation>
    </message>
    <message>
        <source>Wave:</source>
        <translation>Welle:</translation>
    </message>
    <message>
        <source>Waveform wave</source>
        <translation>Welle der Wellenform</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>File list background</source>
        <translation>Hintergrund der Dateiliste</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>File list text</source>
        <translation>Text der Dateiliste</translation>
    </message>
    <message>
        <source>Alternating rows, in the desktop&apos;s colors</source>
        <translation>Abwechselnde Zeilen, in den Farben der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Audiodateien werden umgewandelt</translation>
    </message>
    <message>
        <source>Files converted:</source>
        <translation>Umgewandelte Dateien:</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
    </message>
    <message>
        <source>Current file:</source>
        <translation>Aktuelle Datei:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Window_Progress</name>
    <message>
        <source>Adding Files</source>
        <translation>Dateien werden hinzugefügt</translation>
    </message>
    <message>
        <source>Adding audio files to the list…</source>
        <translation>Audiodateien werden zur Liste hinzugefügt…</translation>
    </message>
</context>
</TS>
