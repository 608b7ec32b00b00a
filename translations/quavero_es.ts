<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error #0008. Application will exit.</source>
        <translation>Error n.º 0008. La aplicación se cerrará.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>EffectsGroup</name>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Gain:</source>
        <translation>Ganancia:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Treble:</source>
        <translation>Agudos:</translation>
    </message>
    <message>
        <source>Bass:</source>
        <translation>Graves:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
</context>
<context>
    <name>FileTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
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
        <translation>Formato de salida:</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Opciones…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Reproducción</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add audio files to the list</source>
        <translation>Añadir archivos de audio a la lista</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Add the audio files of a folder</source>
        <translation>Añadir los archivos de audio de una carpeta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the selected files from the list</source>
        <translation>Quitar de la lista los archivos seleccionados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Remove all files from the list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert every file of the list</source>
        <translation>Convertir cada archivo de la lista</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play the preview of the selected file</source>
        <translation>Reproducir la vista previa del archivo seleccionado</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause the preview</source>
        <translation>Pausar la vista previa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the preview</source>
        <translation>Detener la vista previa</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Colours of the list and the waveform</source>
        <translation>Colores de la lista y de la forma de onda</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Añadir carpeta…</translation>
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
        <translation>Quitar todos</translation>
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
        <translation>Salir</translation>
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
        <translation>Página web de Quavero</translation>
    </message>
    <message>
        <source>Quavero Home Page</source>
        <translation>Sitio de Quavero</translation>
    </message>
    <message>
        <source>Privacy Note</source>
        <translation>Nota de privacidad</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Informar de un problema</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Audio files (%1)</source>
        <translation>Archivos de audio (%1)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
</context>
<context>
    <name>Window_AF_AIFF</name>
    <message>
        <source>AIFF Options</source>
        <translation>Opciones de AIFF</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Tasa de bits:</translation>
    </message>
</context>
<context>
    <name>Window_AF_AMR</name>
    <message>
        <source>AMR Options</source>
        <translation>Opciones de AMR</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Tasa de bits (kbit/s):</translation>
    </message>
</context>
<context>
    <name>Window_AF_AU</name>
    <message>
        <source>AU Options</source>
        <translation>Opciones de AU</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Códec:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>Window_AF_CAF</name>
    <message>
        <source>CAF Options</source>
        <translation>Opciones de CAF</translation>
    </message>
    <message>
        <source>Sample size (bits):</source>
        <translation>Tamaño de muestra (bits):</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>Window_AF_FLAC</name>
    <message>
        <source>FLAC Options</source>
        <translation>Opciones de FLAC</translation>
    </message>
    <message>
        <source>Compression level:</source>
        <translation>Nivel de compresión:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>Window_AF_M4A</name>
    <message>
        <source>M4A Options</source>
        <translation>Opciones de M4A</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Tasa de bits:</translation>
    </message>
</context>
<context>
    <name>Window_AF_MP3</name>
    <message>
        <source>MP3 Options</source>
        <translation>Opciones de MP3</translation>
    </message>
    <message>
        <source>Variable bitrate, quality:</source>
        <translation>Tasa de bits variable, calidad:</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Tasa de bits constante (kbit/s):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
</context>
<context>
    <name>Window_AF_OGG</name>
    <message>
        <source>OGG Options</source>
        <translation>Opciones de OGG</translation>
    </message>
    <message>
        <source>Variable bitrate, quality:</source>
        <translation>Tasa de bits variable, calidad:</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Tasa de bits constante (kbit/s):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>Window_AF_RAW</name>
    <message>
        <source>RAW Options</source>
        <translation>Opciones de RAW</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>Window_AF_SPX</name>
    <message>
        <source>Speex Options</source>
        <translation>Opciones de Speex</translation>
    </message>
    <message>
        <source>Quality preset:</source>
        <translation>Nivel de calidad:</translation>
    </message>
    <message>
        <source>Constant bitrate (kbit/s):</source>
        <translation>Tasa de bits constante (kbit/s):</translation>
    </message>
    <message>
        <source>Variable bitrate (kbit/s):</source>
        <translation>Tasa de bits variable (kbit/s):</translation>
    </message>
</context>
<context>
    <name>Window_AF_WAV</name>
    <message>
        <source>WAV Options</source>
        <translation>Opciones de WAV</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Tamaño de muestra:</translation>
    </message>
    <message>
        <source>Sample rate (Hz):</source>
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>Window_AF_WMA</name>
    <message>
        <source>WMA Options</source>
        <translation>Opciones de WMA</translation>
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
        <translation>Frecuencia de muestreo (Hz):</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
</context>
<context>
    <name>Window_Colors</name>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Waveform</source>
        <translation>Forma de onda</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Waveform background</source>
        <translation>Fondo de la forma de onda</translation>
    </message>
    <message>
        <source>Wave:</source>
        <translation>Onda:</translation>
    </message>
    <message>
        <source>Waveform wave</source>
        <translation>Trazo de la forma de onda</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>File list background</source>
        <translation>Fondo de la lista de archivos</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>File list text</source>
        <translation>Texto de la lista de archivos</translation>
    </message>
    <message>
        <source>Alternating rows, in the desktop&apos;s colors</source>
        <translation>Filas alternas, con los colores del escritorio</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Window_Convert</name>
    <message>
        <source>Converting Audio Files</source>
        <translation>Convirtiendo archivos de audio</translation>
    </message>
    <message>
        <source>Files converted:</source>
        <translation>Archivos convertidos:</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Current file:</source>
        <translation>Archivo actual:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Window_Progress</name>
    <message>
        <source>Adding Files</source>
        <translation>Añadiendo archivos</translation>
    </message>
    <message>
        <source>Adding audio files to the list…</source>
        <translation>Añadiendo archivos de audio a la lista…</translation>
    </message>
</context>
</TS>
