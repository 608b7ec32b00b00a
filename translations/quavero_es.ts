<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>%1: not found. Install %1 to convert files.</source>
        <translation>%1: no encontrado. Instale %1 para convertir archivos.</translation>
    </message>
    <message>
        <source>%1: %2 (it did not say its version)</source>
        <translation>%1: %2 (no indicó su versión)</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or any later version (GPL-3.0-or-later). This program comes with no warranty.</source>
        <translation>Licencia: GNU General Public License, versión 3 o cualquier versión posterior (GPL-3.0-or-later). Este programa se ofrece sin ninguna garantía.</translation>
    </message>
</context>
<context>
    <name>AddFiles</name>
    <message>
        <source>Some files were not added.</source>
        <translation>Algunos archivos no se añadieron.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No audio file was found in “%1”.</source>
        <translation>No se encontró ningún archivo de audio en «%1».</translation>
    </message>
    <message>
        <source>No audio file was found in the %1 folders.</source>
        <translation>No se encontró ningún archivo de audio en las %1 carpetas.</translation>
    </message>
    <message>
        <source>Neither %1 nor its subfolders hold a file ending in %2.</source>
        <translation>Ni %1 ni sus subcarpetas contienen un archivo terminado en %2.</translation>
    </message>
    <message>
        <source>Neither these folders nor their subfolders hold a file ending in %1:
%2</source>
        <translation>Ni estas carpetas ni sus subcarpetas contienen un archivo terminado en %1:
%2</translation>
    </message>
    <message>
        <source>None of the chosen files is an audio file.</source>
        <translation>Ninguno de los archivos elegidos es un archivo de audio.</translation>
    </message>
    <message>
        <source>The files chosen in %1 cannot be added: only files ending in %2 can.</source>
        <translation>Los archivos elegidos en %1 no se pueden añadir: solo se pueden los que terminan en %2.</translation>
    </message>
    <message>
        <source>Only the files directly in %1 were looked at. Its subfolders hold 1 audio file: add it with its subfolders?</source>
        <translation>Solo se examinaron los archivos que están directamente en %1. Sus subcarpetas contienen 1 archivo de audio: ¿añadirlo con sus subcarpetas?</translation>
    </message>
    <message>
        <source>Only the files directly in %1 were looked at. Its subfolders hold %2 audio files: add them with their subfolders?</source>
        <translation>Solo se examinaron los archivos que están directamente en %1. Sus subcarpetas contienen %2 archivos de audio: ¿añadirlos con sus subcarpetas?</translation>
    </message>
    <message>
        <source>Add with Subfolders</source>
        <translation>Añadir con subcarpetas</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Select audio files to add to the list of files to convert.</source>
        <translation>Elija los archivos de audio que se añadirán a la lista de archivos por convertir.</translation>
    </message>
</context>
<context>
    <name>ChoiceLimits</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 cannot be written at a sample rate of %2 Hz. It takes %3.</source>
        <translation>%1 no puede escribirse a una frecuencia de muestreo de %2 Hz. Admite %3.</translation>
    </message>
    <message>
        <source>%1 cannot be written with the channels %2. It takes %3.</source>
        <translation>%1 no puede escribirse con los canales %2. Admite %3.</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <source>cannot create the folder %1; check that you may write in the destination folder</source>
        <translation>no se puede crear la carpeta %1; compruebe que puede escribir en la carpeta de destino</translation>
    </message>
    <message>
        <source>the converted file was not completely written (%1 of %2 KB); check the disk</source>
        <translation>el archivo convertido no se escribió por completo (%1 de %2 KB); compruebe el disco</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way; rename or move it</source>
        <translation>una carpeta llamada %1 ocupa el lugar del archivo; renómbrela o muévala</translation>
    </message>
    <message>
        <source>the file could not be read (%1)</source>
        <translation>no se pudo leer el archivo (%1)</translation>
    </message>
    <message>
        <source>the copy could not be written (%1)</source>
        <translation>no se pudo escribir la copia (%1)</translation>
    </message>
    <message>
        <source>the converted file could not be put in place: %1</source>
        <translation>no se pudo colocar el archivo convertido en su sitio: %1</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>the sheet cannot be read (%1); check that the file is there and that you may read it</source>
        <translation>no se puede leer la hoja CUE (%1); compruebe que el archivo existe y que tiene permiso para leerlo</translation>
    </message>
    <message>
        <source>the file is far too large for a CUE sheet; check that it is the sheet of an album image</source>
        <translation>el archivo es demasiado grande para una hoja CUE; compruebe que es la hoja de una imagen de álbum</translation>
    </message>
    <message>
        <source>the sheet&apos;s text is in no encoding Quavero can read; save it as UTF-8 and add it again</source>
        <translation>el texto de la hoja CUE no está en ninguna codificación que Quavero pueda leer; guárdela como UTF-8 y añádala de nuevo</translation>
    </message>
    <message>
        <source>this is not a CUE sheet Quavero can read; check that it has FILE, TRACK and INDEX lines</source>
        <translation>no es una hoja CUE que Quavero pueda leer; compruebe que tiene líneas FILE, TRACK e INDEX</translation>
    </message>
    <message>
        <source>the file holds no CUE sheet; add the sheet&apos;s .cue file instead</source>
        <translation>el archivo no contiene ninguna hoja CUE; añada en su lugar el archivo .cue de la hoja</translation>
    </message>
    <message>
        <source>the sheet lists no audio track; there is nothing to convert</source>
        <translation>la hoja CUE no contiene ninguna pista de audio; no hay nada que convertir</translation>
    </message>
    <message>
        <source>track %1 lies in no file, as the sheet has no FILE line before it; add that line to the sheet</source>
        <translation>la pista %1 no está en ningún archivo, porque la hoja CUE no tiene una línea FILE antes de ella; añada esa línea a la hoja</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 line, so where it starts is unknown; add that line to the sheet</source>
        <translation>la pista %1 no tiene línea INDEX 01, así que se desconoce dónde empieza; añada esa línea a la hoja</translation>
    </message>
    <message>
        <source>track %1 does not start after the track before it in %2; correct the INDEX 01 times in the sheet</source>
        <translation>la pista %1 no empieza después de la pista anterior en %2; corrija los tiempos INDEX 01 de la hoja</translation>
    </message>
    <message>
        <source>the sheet names %1, which is not in its folder; put the file beside the sheet or correct the sheet&apos;s FILE line</source>
        <translation>la hoja CUE nombra %1, que no está en su carpeta; ponga el archivo junto a la hoja o corrija su línea FILE</translation>
    </message>
    <message>
        <source>%1, which the sheet names, cannot be read as audio; check that it is a complete audio file</source>
        <translation>%1, que nombra la hoja CUE, no se puede leer como audio; compruebe que es un archivo de audio completo</translation>
    </message>
    <message>
        <source>track %1 starts after the end of %2; check that the sheet belongs to this file</source>
        <translation>la pista %1 empieza después del final de %2; compruebe que la hoja CUE corresponde a este archivo</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
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
    <message>
        <source>Default gain</source>
        <translation>Ganancia predeterminada</translation>
    </message>
    <message>
        <source>Default treble</source>
        <translation>Agudos predeterminados</translation>
    </message>
    <message>
        <source>Default bass</source>
        <translation>Graves predeterminados</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Velocidad predeterminada</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Saved as %1: another file of this run has the same name.</source>
        <translation>Guardado como %1: otro archivo de esta conversión tiene el mismo nombre.</translation>
    </message>
    <message>
        <source>Message: %1</source>
        <translation>Mensaje: %1</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Orden:</translation>
    </message>
    <message>
        <source>Last lines of its output:</source>
        <translation>Últimas líneas de su salida:</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>the name is not valid UTF-8; rename the file</source>
        <translation>el nombre no es UTF-8 válido; renombre el archivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>demasiados niveles de enlaces simbólicos</translation>
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
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Sin comprimir</translation>
    </message>
    <message>
        <source>Do not alter volume</source>
        <translation>No cambiar el volumen</translation>
    </message>
    <message>
        <source>0 (Highest)</source>
        <translation>0 (la más alta)</translation>
    </message>
    <message>
        <source>9 (Lowest)</source>
        <translation>9 (la más baja)</translation>
    </message>
    <message>
        <source>0 (fastest)</source>
        <translation>0 (la más rápida)</translation>
    </message>
    <message>
        <source>8 (best)</source>
        <translation>8 (la mejor)</translation>
    </message>
    <message>
        <source>0 (Lowest)</source>
        <translation>0 (la más baja)</translation>
    </message>
    <message>
        <source>10 (Highest)</source>
        <translation>10 (la más alta)</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Igual que la entrada</translation>
    </message>
    <message>
        <source>Constrained VBR</source>
        <translation>VBR restringida</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Low delay</source>
        <translation>Baja latencia</translation>
    </message>
</context>
<context>
    <name>Freshness</name>
    <message>
        <source>up to date</source>
        <translation>actualizado</translation>
    </message>
    <message>
        <source>up to date (the output is newer than its input)</source>
        <translation>actualizado (la salida es más reciente que su entrada)</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>aún no convertido</translation>
    </message>
    <message>
        <source>the input changed</source>
        <translation>la entrada ha cambiado</translation>
    </message>
    <message>
        <source>the settings changed</source>
        <translation>los ajustes han cambiado</translation>
    </message>
    <message>
        <source>the output was made from another input</source>
        <translation>la salida se hizo a partir de otra entrada</translation>
    </message>
    <message>
        <source>the output is older than its input</source>
        <translation>la salida es más antigua que su entrada</translation>
    </message>
</context>
<context>
    <name>JobList</name>
    <message>
        <source>--chunk takes K/C, the K-th of C slices counted from 0 (0/4 to 3/4), not &apos;%1&apos;</source>
        <translation>--chunk espera K/C, la K-ésima de C partes contadas desde 0 (0/4 a 3/4), no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a job list holds conversions only</source>
        <translation>una lista de trabajos solo contiene conversiones</translation>
    </message>
    <message>
        <source>its output %1 does not end in %2, the extension of the list&apos;s format</source>
        <translation>su salida %1 no termina en %2, la extensión del formato de la lista</translation>
    </message>
    <message>
        <source>its output %1 cannot be planned below the output root</source>
        <translation>su salida %1 no se puede planificar dentro de la carpeta de salida</translation>
    </message>
    <message>
        <source>it holds the field %1, which this version does not know</source>
        <translation>contiene el campo %1, que esta versión no conoce</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a whole number of 0 or more</source>
        <translation>un número entero de 0 o más</translation>
    </message>
    <message>
        <source>an object of names and texts</source>
        <translation>un objeto de nombres y textos</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>falta el campo %1</translation>
    </message>
    <message>
        <source>the field %1 is not %2</source>
        <translation>el campo %1 no es %2</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>no es JSON (%1 en el carácter %2)</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>it is not the first line of a job list (it holds no field %1)</source>
        <translation>no es la primera línea de una lista de trabajos (no contiene el campo %1)</translation>
    </message>
    <message>
        <source>the list is of version %1, and this program reads version %2; make the list again with the quavero-cli that runs the jobs</source>
        <translation>la lista es de la versión %1 y este programa lee la versión %2; vuelva a crear la lista con el quavero-cli que ejecuta los trabajos</translation>
    </message>
    <message>
        <source>the field %1 is empty</source>
        <translation>el campo %1 está vacío</translation>
    </message>
    <message>
        <source>the root %1 is not an absolute folder path</source>
        <translation>la raíz %1 no es una ruta de carpeta absoluta</translation>
    </message>
    <message>
        <source>its output %1 names the library record</source>
        <translation>su salida %1 nombra el registro de la biblioteca</translation>
    </message>
    <message>
        <source>its input %1 lies outside the input root</source>
        <translation>su entrada %1 está fuera de la carpeta de entrada</translation>
    </message>
    <message>
        <source>its output %1 would fall outside the output root</source>
        <translation>su salida %1 quedaría fuera de la carpeta de salida</translation>
    </message>
    <message>
        <source>its input %1 is not a plain relative path</source>
        <translation>su entrada %1 no es una ruta relativa simple</translation>
    </message>
    <message>
        <source>its output %1 is not a plain relative path</source>
        <translation>su salida %1 no es una ruta relativa simple</translation>
    </message>
    <message>
        <source>not run yet</source>
        <translation>aún no ejecutado</translation>
    </message>
    <message>
        <source>it is not the result of a job</source>
        <translation>no es el resultado de un trabajo</translation>
    </message>
    <message>
        <source>the format has no effect %1</source>
        <translation>el formato no tiene el efecto %1</translation>
    </message>
    <message>
        <source>the format has no option %1</source>
        <translation>el formato no tiene la opción %1</translation>
    </message>
    <message>
        <source>the option %1 does not take the value %2</source>
        <translation>la opción %1 no admite el valor %2</translation>
    </message>
    <message>
        <source>it names the format %1, which this version does not know</source>
        <translation>nombra el formato %1, que esta versión no conoce</translation>
    </message>
    <message>
        <source>cannot write %1 (%2); check that the folder exists and you may write there</source>
        <translation>no se puede escribir %1 (%2); compruebe que la carpeta existe y que puede escribir en ella</translation>
    </message>
    <message>
        <source>cannot put the job list in place as %1 (%2)</source>
        <translation>no se puede colocar la lista de trabajos como %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the job list %1 (%2)</source>
        <translation>no se puede leer la lista de trabajos %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a job list quavero-cli can use: line 1: %2</source>
        <translation>%1 no es una lista de trabajos que quavero-cli pueda usar: línea 1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>%1 is not a whole job list: its first line says %2 jobs, and it holds %3</source>
        <translation>%1 no es una lista de trabajos completa: su primera línea indica %2 trabajos y contiene %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1: it holds job %2, where job %3 belongs; the jobs are numbered from 0 in the order of their lines</source>
        <translation>línea %1: contiene el trabajo %2, donde va el trabajo %3; los trabajos se numeran desde 0 en el orden de sus líneas</translation>
    </message>
    <message>
        <source>it is the result of another job</source>
        <translation>es el resultado de otro trabajo</translation>
    </message>
    <message>
        <source>cannot create the results folder %1; check that you may write beside the job list</source>
        <translation>no se puede crear la carpeta de resultados %1; compruebe que puede escribir junto a la lista de trabajos</translation>
    </message>
    <message>
        <source>cannot write the result of job %1 to %2 (%3)</source>
        <translation>no se puede escribir el resultado del trabajo %1 en %2 (%3)</translation>
    </message>
    <message>
        <source>%1: it is the result of another plan, made before the list was written again</source>
        <translation>%1: es el resultado de otro plan, hecho antes de que la lista se escribiera de nuevo</translation>
    </message>
    <message>
        <source>its track %1 of %2 is no track of a sheet</source>
        <translation>su pista %1 de %2 no es una pista de una hoja CUE</translation>
    </message>
    <message>
        <source>its track ends at sample %1, before it starts at sample %2</source>
        <translation>su pista termina en la muestra %1, antes de empezar en la muestra %2</translation>
    </message>
    <message>
        <source>its track&apos;s sample rate %1 is no rate of audio</source>
        <translation>la frecuencia de muestreo %1 de su pista no es una frecuencia de audio</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>una lista de textos</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
</context>
<context>
    <name>LibraryRecord</name>
    <message>
        <source>This run converts as if there were no record and removes nothing.</source>
        <translation>Esta conversión se hace como si no hubiera registro y no elimina nada.</translation>
    </message>
    <message>
        <source>The library record %1 is damaged.</source>
        <translation>El registro de la biblioteca %1 está dañado.</translation>
    </message>
    <message>
        <source>Move the file away to let the next run start a new record.</source>
        <translation>Mueva el archivo a otro lugar para que la próxima conversión empiece un registro nuevo.</translation>
    </message>
    <message>
        <source>%1 is not a library record of this program.</source>
        <translation>%1 no es un registro de biblioteca de este programa.</translation>
    </message>
    <message>
        <source>Move or rename that file to keep a record in this folder.</source>
        <translation>Mueva o cambie el nombre de ese archivo para llevar un registro en esta carpeta.</translation>
    </message>
    <message>
        <source>The library record %1 was written by a newer version of this program.</source>
        <translation>El registro de la biblioteca %1 lo escribió una versión más reciente de este programa.</translation>
    </message>
    <message>
        <source>Update the program to use it.</source>
        <translation>Actualice el programa para usarlo.</translation>
    </message>
    <message>
        <source>The library record %1 cannot be opened.</source>
        <translation>No se puede abrir el registro de la biblioteca %1.</translation>
    </message>
    <message>
        <source>Check that you may read and write the destination folder.</source>
        <translation>Compruebe que puede leer y escribir en la carpeta de destino.</translation>
    </message>
    <message>
        <source>The library record %1 cannot be written: the disk is full or read-only.</source>
        <translation>No se puede escribir el registro de la biblioteca %1: el disco está lleno o es de solo lectura.</translation>
    </message>
    <message>
        <source>The next run converts again what this one could not note. Free some space.</source>
        <translation>La próxima conversión volverá a convertir lo que esta no pudo anotar. Libere espacio.</translation>
    </message>
    <message>
        <source>Another run kept the library record %1 busy for too long, so this run could not note what it did. The next run checks those files again.</source>
        <translation>Otra conversión mantuvo ocupado el registro de la biblioteca %1 demasiado tiempo, así que esta no pudo anotar lo que hizo. La próxima conversión volverá a comprobar esos archivos.</translation>
    </message>
    <message>
        <source>The library record cannot be used because the SQLite driver of Qt is missing.</source>
        <translation>No se puede usar el registro de la biblioteca porque falta el controlador SQLite de Qt.</translation>
    </message>
    <message>
        <source>Install the package libqt6sql6-sqlite.</source>
        <translation>Instale el paquete libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>kept, because it was changed after it was converted</source>
        <translation>conservado, porque se modificó después de convertirse</translation>
    </message>
    <message>
        <source>kept, because a symbolic link leads to it</source>
        <translation>conservado, porque un enlace simbólico lleva a él</translation>
    </message>
    <message>
        <source>could not be removed: %1</source>
        <translation>no se pudo eliminar: %1</translation>
    </message>
    <message>
        <source>%1 was kept: its input is gone, but it was changed after it was converted</source>
        <translation>%1 se conservó: su original ya no existe, pero se modificó después de convertirse</translation>
    </message>
    <message>
        <source>the record lists &quot;%1&quot;, which %2; nothing was removed for it</source>
        <translation>el registro menciona «%1», que %2; no se eliminó nada por ello</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>%1 files hold no loudness tags: none were written</source>
        <translation>Los archivos %1 no admiten etiquetas de sonoridad: no se escribió ninguna</translation>
    </message>
    <message>
        <source>too short to measure</source>
        <translation>demasiado corto para medirlo</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silencio</translation>
    </message>
    <message>
        <source>the loudness could not be measured</source>
        <translation>no se pudo medir la sonoridad</translation>
    </message>
    <message>
        <source>reached %1 LUFS of %2: peak limit</source>
        <translation>se alcanzaron %1 LUFS de %2: límite de pico</translation>
    </message>
    <message>
        <source>ffmpeg could not be started to measure the loudness; check that ffmpeg is installed</source>
        <translation>no se pudo iniciar ffmpeg para medir la sonoridad; compruebe que ffmpeg está instalado</translation>
    </message>
    <message>
        <source>the audio of %1 could not be decoded to measure its loudness; see the details</source>
        <translation>no se pudo decodificar el audio de %1 para medir su sonoridad; consulte los detalles</translation>
    </message>
    <message>
        <source>not normalised: %1</source>
        <translation>no normalizado: %1</translation>
    </message>
    <message>
        <source>no loudness tags: %1</source>
        <translation>sin etiquetas de sonoridad: %1</translation>
    </message>
    <message>
        <source>loudness tags not written: %1</source>
        <translation>etiquetas de sonoridad no escritas: %1</translation>
    </message>
    <message>
        <source>the file could not be copied to write them</source>
        <translation>no se pudo copiar el archivo para escribirlas</translation>
    </message>
    <message>
        <source>album gain not written into %1: %2</source>
        <translation>ganancia de álbum no escrita en %1: %2</translation>
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
        <translation>F&amp;ormato de salida:</translation>
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
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
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
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
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
        <source>Files to convert</source>
        <translation>Archivos por convertir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>&amp;Duración</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Ctrl+Alt+O</source>
        <translation>Ctrl+Alt+O</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>&amp;Añadir archivos…</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>Añadir &amp;carpeta…</translation>
    </message>
    <message>
        <source>Add Folder and &amp;Subfolders…</source>
        <translation>Añadir carpeta y &amp;subcarpetas…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Convert…</source>
        <translation>C&amp;onvertir…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Play/Pa&amp;use</source>
        <translation>Reproducir/Pa&amp;usa</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Output &amp;Format Options…</source>
        <translation>Opciones del &amp;formato de salida…</translation>
    </message>
    <message>
        <source>&amp;Colors…</source>
        <translation>&amp;Colores…</translation>
    </message>
    <message>
        <source>Quavero &amp;Web Page</source>
        <translation>Página &amp;web de Quavero</translation>
    </message>
    <message>
        <source>Quavero &amp;Home Page</source>
        <translation>&amp;Sitio de Quavero</translation>
    </message>
    <message>
        <source>&amp;Privacy Note</source>
        <translation>Nota de &amp;privacidad</translation>
    </message>
    <message>
        <source>&amp;About Quavero</source>
        <translation>&amp;Acerca de Quavero</translation>
    </message>
    <message>
        <source>&amp;Show in Folder</source>
        <translation>Mostrar en la c&amp;arpeta</translation>
    </message>
    <message>
        <source>Show the selected file in the file manager</source>
        <translation>Mostrar el archivo seleccionado en el gestor de archivos</translation>
    </message>
    <message>
        <source>&amp;Report a Problem</source>
        <translation>&amp;Informar de un problema</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>&amp;Preajustes</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>&amp;Guardar como preajuste…</translation>
    </message>
    <message>
        <source>&amp;Manage Presets…</source>
        <translation>&amp;Administrar preajustes…</translation>
    </message>
    <message>
        <source>Save &amp;Job List…</source>
        <translation>&amp;Guardar lista de trabajos…</translation>
    </message>
    <message>
        <source>Plan the conversion of the list for other machines to carry out</source>
        <translation>Planificar la conversión de la lista para que otras máquinas la realicen</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>named after the input: the template gave it an empty name</source>
        <translation>con el nombre de la entrada: la plantilla le daba un nombre vacío</translation>
    </message>
    <message>
        <source>named after the input: it has no {%1}</source>
        <translation>con el nombre de la entrada: no tiene {%1}</translation>
    </message>
    <message>
        <source>&apos;}&apos; at position %1 has no &apos;{&apos; before it</source>
        <translation>&apos;}&apos; en la posición %1 no tiene &apos;{&apos; delante</translation>
    </message>
    <message>
        <source>&apos;]&apos; at position %1 has no &apos;[&apos; before it</source>
        <translation>&apos;]&apos; en la posición %1 no tiene &apos;[&apos; delante</translation>
    </message>
    <message>
        <source>&apos;[&apos; at position %1 has no &apos;]&apos; after it</source>
        <translation>&apos;[&apos; en la posición %1 no tiene &apos;]&apos; detrás</translation>
    </message>
    <message>
        <source>&apos;\&apos; at position %1 ends the template; it makes the character after it plain text</source>
        <translation>&apos;\&apos; en la posición %1 termina la plantilla; convierte el carácter siguiente en texto literal</translation>
    </message>
    <message>
        <source>&apos;{&apos; at position %1 has no &apos;}&apos; after it</source>
        <translation>&apos;{&apos; en la posición %1 no tiene &apos;}&apos; detrás</translation>
    </message>
    <message>
        <source>unknown field {%1} at position %2; the fields are: %3</source>
        <translation>campo desconocido {%1} en la posición %2; los campos son: %3</translation>
    </message>
    <message>
        <source>{%1} at position %2: after &apos;:&apos; comes a number of digits from 1 to %3, such as {track:02}</source>
        <translation>{%1} en la posición %2: tras &apos;:&apos; va un número de cifras de 1 a %3, como {track:02}</translation>
    </message>
    <message>
        <source>the template is empty; write one such as {artist}/{title}</source>
        <translation>la plantilla está vacía; escriba una como {artist}/{title}</translation>
    </message>
    <message>
        <source>&apos;/&apos; at position 1 starts the template; names are made inside the output folder</source>
        <translation>&apos;/&apos; en la posición 1 empieza la plantilla; los nombres se crean dentro de la carpeta de salida</translation>
    </message>
    <message>
        <source>&apos;/&apos; at position %1 ends the template; the last part names the file</source>
        <translation>&apos;/&apos; en la posición %1 termina la plantilla; la última parte da nombre al archivo</translation>
    </message>
    <message>
        <source>the name template cannot be used: %1</source>
        <translation>la plantilla de nombre no se puede usar: %1</translation>
    </message>
    <message>
        <source>Each output keeps its input&apos;s name: %1</source>
        <translation>Cada salida conserva el nombre de su entrada: %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Ejemplo: %1</translation>
    </message>
</context>
<context>
    <name>OrphanRemoval</name>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>only %1 s of %2 s could be read; the file may be damaged</source>
        <translation>solo se pudieron leer %1 s de %2 s; puede que el archivo esté dañado</translation>
    </message>
    <message>
        <source>the file is too large for the file system of the destination</source>
        <translation>el archivo es demasiado grande para el sistema de archivos del destino</translation>
    </message>
    <message>
        <source>the converted file could not be written: %1</source>
        <translation>no se pudo escribir el archivo convertido: %1</translation>
    </message>
</context>
<context>
    <name>PlainFailure</name>
    <message>
        <source>the encoder does not accept the sample rate %1 Hz; choose another sample rate in the format options</source>
        <translation>el codificador no acepta la frecuencia de muestreo de %1 Hz; elija otra en las opciones del formato</translation>
    </message>
    <message>
        <source>the encoder does not accept %1 channels; choose other channels in the format options</source>
        <translation>el codificador no acepta %1 canales; elija otros canales en las opciones del formato</translation>
    </message>
    <message>
        <source>the encoder does not accept the bitrate %1; choose another bitrate in the format options</source>
        <translation>el codificador no acepta la tasa de bits %1; elija otra en las opciones del formato</translation>
    </message>
    <message>
        <source>this ffmpeg does not know the option -%1; install a complete ffmpeg or choose another format</source>
        <translation>este ffmpeg no conoce la opción -%1; instale un ffmpeg completo o elija otro formato</translation>
    </message>
    <message>
        <source>ffmpeg does not accept %1 for its option %2; choose other values in the format options</source>
        <translation>ffmpeg no acepta %1 para su opción %2; elija otros valores en las opciones del formato</translation>
    </message>
    <message>
        <source>the encoder does not accept these settings (%1); choose other values in the format options</source>
        <translation>el codificador no acepta estos ajustes (%1); elija otros valores en las opciones del formato</translation>
    </message>
    <message>
        <source>the destination disk is full; free some space on it or choose another destination folder</source>
        <translation>el disco de destino está lleno; libere espacio o elija otra carpeta de destino</translation>
    </message>
    <message>
        <source>no permission to read the file; change its permissions or convert a copy of it</source>
        <translation>sin permiso para leer el archivo; cambie sus permisos o convierta una copia</translation>
    </message>
    <message>
        <source>no permission to write in the destination folder; choose another folder or change its permissions</source>
        <translation>sin permiso para escribir en la carpeta de destino; elija otra carpeta o cambie sus permisos</translation>
    </message>
    <message>
        <source>the file is no longer there; it was moved, renamed or deleted after it was added</source>
        <translation>el archivo ya no está; se movió, renombró o eliminó después de añadirlo</translation>
    </message>
    <message>
        <source>the destination folder is no longer there; choose it again or another one</source>
        <translation>la carpeta de destino ya no está; elíjala de nuevo u otra</translation>
    </message>
    <message>
        <source>the file holds no audio; there is nothing to convert</source>
        <translation>el archivo no contiene audio; no hay nada que convertir</translation>
    </message>
    <message>
        <source>not an audio file ffmpeg can read; check that the file is complete and really holds audio</source>
        <translation>no es un archivo de audio que ffmpeg pueda leer; compruebe que el archivo está completo y contiene audio</translation>
    </message>
    <message>
        <source>sample rate %1 Hz</source>
        <translation>frecuencia de muestreo %1 Hz</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>canales %1</translation>
    </message>
    <message>
        <source>bitrate %1</source>
        <translation>tasa de bits %1</translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>calidad %1</translation>
    </message>
    <message>
        <source>compression level %1</source>
        <translation>nivel de compresión %1</translation>
    </message>
    <message>
        <source>encoder %1</source>
        <translation>codificador %1</translation>
    </message>
    <message>
        <source>%1 was killed (signal %2) before it finished, perhaps because memory ran out; convert the file again</source>
        <translation>%1 fue terminado (señal %2) antes de acabar, quizá por falta de memoria; vuelva a convertir el archivo</translation>
    </message>
    <message>
        <source>%1 was stopped from outside (signal %2) before it finished; convert the file again</source>
        <translation>%1 fue detenido desde fuera (señal %2) antes de acabar; vuelva a convertir el archivo</translation>
    </message>
    <message>
        <source>%1 crashed (signal %2) on this file; the file may be damaged, or try another output format</source>
        <translation>%1 falló (señal %2) con este archivo; puede que esté dañado, o pruebe otro formato de salida</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Phone (MP3, VBR quality 2)</source>
        <translation>Teléfono (MP3, calidad VBR 2)</translation>
    </message>
    <message>
        <source>Archive (FLAC, same as input)</source>
        <translation>Archivo (FLAC, igual que la entrada)</translation>
    </message>
    <message>
        <source>CD quality (WAV, 16 bit, 44,100 Hz)</source>
        <translation>Calidad de CD (WAV, 16 bits, 44.100 Hz)</translation>
    </message>
    <message>
        <source>Speech (Opus, 32 kbit/s, mono)</source>
        <translation>Voz (Opus, 32 kbit/s, mono)</translation>
    </message>
    <message>
        <source>Speech (MP3, 64 kbit/s, mono)</source>
        <translation>Voz (MP3, 64 kbit/s, mono)</translation>
    </message>
    <message>
        <source>the stored presets cannot be read; they are kept as they are, and saving a preset starts a new list</source>
        <translation>los preajustes guardados no se pueden leer; se conservan tal como están, y guardar un preajuste empieza una lista nueva</translation>
    </message>
    <message>
        <source>stored preset %1 has no name or no format; it is left out</source>
        <translation>el preajuste guardado %1 no tiene nombre o no tiene formato; se omite</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; is for the format &apos;%2&apos;, which this version does not have</source>
        <translation>el preajuste &apos;%1&apos; es para el formato &apos;%2&apos;, que esta versión no tiene</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: %2 has no option &apos;%3&apos; in this version; it is left out</source>
        <translation>preajuste &apos;%1&apos;: %2 no tiene la opción &apos;%3&apos; en esta versión; se omite</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: &apos;%2&apos; is not a value of %3 in this version; it is left out</source>
        <translation>preajuste &apos;%1&apos;: &apos;%2&apos; no es un valor de %3 en esta versión; se omite</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: its name template is left out: %2</source>
        <translation>preajuste &apos;%1&apos;: se omite su plantilla de nombres: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: the run setting &apos;%2&apos; is not known to this version; it is left out</source>
        <translation>preajuste &apos;%1&apos;: esta versión no conoce el ajuste de conversión &apos;%2&apos;; se omite</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: &apos;%2&apos; is not a value of %3; it is left out</source>
        <translation>preajuste &apos;%1&apos;: &apos;%2&apos; no es un valor de %3; se omite</translation>
    </message>
    <message>
        <source>names from the inputs</source>
        <translation>nombres de las entradas</translation>
    </message>
    <message>
        <source>names %1</source>
        <translation>nombres %1</translation>
    </message>
    <message>
        <source>the saved preset &apos;%1&apos; has the name of a built-in preset; it is left out</source>
        <translation>el preajuste guardado &apos;%1&apos; tiene el nombre de un preajuste incorporado; se omite</translation>
    </message>
    <message>
        <source>a preset needs a name of letters, digits or signs, not &apos;%1&apos;</source>
        <translation>un preajuste necesita un nombre de letras, cifras o signos, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the name of a built-in preset; choose another name</source>
        <translation>&apos;%1&apos; es el nombre de un preajuste incorporado; elija otro nombre</translation>
    </message>
    <message>
        <source>a saved preset is already named &apos;%1&apos;; choose another name</source>
        <translation>ya hay un preajuste guardado llamado &apos;%1&apos;; elija otro nombre</translation>
    </message>
    <message>
        <source>no saved preset is named &apos;%1&apos;</source>
        <translation>ningún preajuste guardado se llama &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ProgramCheck</name>
    <message>
        <source>The program &quot;%1&quot; cannot be run.</source>
        <translation>No se puede ejecutar el programa «%1».</translation>
    </message>
    <message>
        <source>Quavero needs &quot;%1&quot; to convert audio files to this format, but it could not start it (tried &quot;%2&quot;). Install the Debian package &quot;%3&quot; (sudo apt install %3) and try again.</source>
        <translation>Quavero necesita «%1» para convertir archivos de audio a este formato, pero no pudo iniciarlo (se probó «%2»). Instale el paquete de Debian «%3» (sudo apt install %3) e inténtelo de nuevo.</translation>
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
    <name>QtSound</name>
    <message>
        <source>the preview file %1 is missing</source>
        <translation>falta el archivo de vista previa %1</translation>
    </message>
    <message>
        <source>no sound output device was found</source>
        <translation>no se encontró ningún dispositivo de salida de sonido</translation>
    </message>
    <message>
        <source>the sound system reported an error</source>
        <translation>el sistema de sonido informó de un error</translation>
    </message>
</context>
<context>
    <name>QuaveroCli</name>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>opción desconocida &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 no admite valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option &apos;-%1&apos;</source>
        <translation>opción desconocida &apos;-%1&apos;</translation>
    </message>
    <message>
        <source>-o/--output-dir needs a folder</source>
        <translation>-o/--output-dir necesita una carpeta</translation>
    </message>
    <message>
        <source>--set takes NAME=VALUE (for example --set quality=2), not &apos;%1&apos;</source>
        <translation>--set admite NOMBRE=VALOR (por ejemplo --set quality=2), no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-j/--jobs takes a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>-j/--jobs admite un número entero de 1 a %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 has no options, so --set %2 cannot apply</source>
        <translation>%1 no tiene opciones, así que --set %2 no se puede aplicar</translation>
    </message>
    <message>
        <source>%1 has no option &apos;%2&apos;; its options are: %3</source>
        <translation>%1 no tiene la opción &apos;%2&apos;; sus opciones son: %3</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;; the formats are: %2</source>
        <translation>formato desconocido &apos;%1&apos;; los formatos son: %2</translation>
    </message>
    <message>
        <source>no output folder: name one with -o DIR</source>
        <translation>no hay carpeta de salida: indique una con -o DIR</translation>
    </message>
    <message>
        <source>nothing to convert: name at least one audio file or folder</source>
        <translation>nada que convertir: indique al menos un archivo de audio o una carpeta</translation>
    </message>
    <message>
        <source>the output folder %1 is a file; name a folder with -o</source>
        <translation>la carpeta de salida %1 es un archivo; indique una carpeta con -o</translation>
    </message>
    <message>
        <source>cannot create the output folder %1; check that you may write there, or name another with -o</source>
        <translation>no se puede crear la carpeta de salida %1; compruebe que puede escribir allí, o indique otra con -o</translation>
    </message>
    <message>
        <source>speed, gain, treble and bass apply to %1 only with %2; they are left out</source>
        <translation>velocidad, ganancia, agudos y graves solo se aplican a %1 con %2; se omiten</translation>
    </message>
    <message>
        <source>; default </source>
        <translation>; por omisión </translation>
    </message>
    <message>
        <source>  (speed, gain, treble and bass apply only with %1)
</source>
        <translation>  (velocidad, ganancia, agudos y graves solo se aplican con %1)
</translation>
    </message>
    <message>
        <source>%1 (%2): writes *%3
</source>
        <translation>%1 (%2): escribe *%3
</translation>
    </message>
    <message>
        <source>  no options
</source>
        <translation>  sin opciones
</translation>
    </message>
    <message>
        <source>not an audio file this program converts: its extension is not one of %1</source>
        <translation>no es un archivo de audio que este programa convierta: su extensión no es ninguna de %1</translation>
    </message>
    <message>
        <source>%1 holds no file ending in .%2%3</source>
        <translation>%1 no contiene ningún archivo terminado en .%2%3</translation>
    </message>
    <message>
        <source> (-r looks in its subfolders too)</source>
        <translation> (-r busca también en sus subcarpetas)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a value of %2; it takes %3</source>
        <translation>&apos;%1&apos; no es un valor de %2; admite %3</translation>
    </message>
    <message>
        <source>a factor such as 1.25 (above 0, up to %1)</source>
        <translation>un factor como 1.25 (mayor que 0, hasta %1)</translation>
    </message>
    <message>
        <source>whole decibels, %1 to %2, such as -6 or 3</source>
        <translation>decibelios enteros, de %1 a %2, como -6 o 3</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertido %1 -&gt; %2</translation>
    </message>
    <message>
        <source>FAILED    %1: %2</source>
        <translation>FALLIDO   %1: %2</translation>
    </message>
    <message>
        <source>stopped   %1</source>
        <translation>detenido  %1</translation>
    </message>
    <message>
        <source>%1 of %2 files done, %3 converting</source>
        <translation>%1 de %2 archivos listos, %3 convirtiéndose</translation>
    </message>
    <message>
        <source>, %1 not converted (stopped by %2)</source>
        <translation>, %1 sin convertir (detenido por %2)</translation>
    </message>
    <message>
        <source>failed: %1: %2
</source>
        <translation>fallido: %1: %2
</translation>
    </message>
    <message>
        <source>quavero-cli: %1
Try &apos;quavero-cli --help&apos; for more information.
</source>
        <translation>quavero-cli: %1
Pruebe &apos;quavero-cli --help&apos; para más información.
</translation>
    </message>
    <message>
        <source>, %1 not converted (the disk is full)</source>
        <translation>, %1 sin convertir (el disco está lleno)</translation>
    </message>
    <message>
        <source>not converted: %1
</source>
        <translation>sin convertir: %1
</translation>
    </message>
    <message>
        <source>renamed: %1: saved as %2
</source>
        <translation>renombrado: %1: guardado como %2
</translation>
    </message>
    <message>
        <source>warning: %1: converted; %2
</source>
        <translation>aviso: %1: convertido; %2
</translation>
    </message>
    <message>
        <source>
Presets: a preset is a name for a format with its options (the effects
among them) and the run settings (tags, folders kept or flat). They live in
the desktop program&apos;s settings file, so both programs have the same ones.
      --preset NAME       uses the preset: its format, and every option of
                          that format as the preset sets it or, where it
                          sets none, as the default. Options given after it
                          override it. NAME may leave out the remark in
                          brackets (--preset phone)
      --save-preset NAME  saves the format and the options given on the same
                          line as a preset, replacing a saved one of that
                          name, and converts nothing
      --list-presets      prints every preset with what it holds
</source>
        <translation>
Preajustes: un preajuste es un nombre para un formato con sus opciones (entre
ellas los efectos) y los ajustes de conversión (etiquetas, carpetas
conservadas o planas). Están en el archivo de ajustes del programa de
escritorio, así que ambos programas tienen los mismos.
      --preset NAME       usa el preajuste: su formato, y cada opción de ese
                          formato tal como la fija el preajuste o, donde no
                          fija ninguna, su valor por omisión. Las opciones
                          dadas después prevalecen. NAME puede omitir la nota
                          entre paréntesis (--preset phone)
      --save-preset NAME  guarda el formato y las opciones de la misma línea
                          como preajuste, reemplaza uno guardado con ese
                          nombre, y no convierte nada
      --list-presets      muestra cada preajuste con lo que contiene
</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are: %2</source>
        <translation>preajuste desconocido &apos;%1&apos;; los preajustes son: %2</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; is for %2, but the format is %3: its options are left out</source>
        <translation>el preajuste &apos;%1&apos; es para %2, pero el formato es %3: se omiten sus opciones</translation>
    </message>
    <message>
        <source>Built-in presets:
</source>
        <translation>Preajustes incorporados:
</translation>
    </message>
    <message>
        <source>
Saved presets:
</source>
        <translation>
Preajustes guardados:
</translation>
    </message>
    <message>
        <source>  none yet: save one with --save-preset NAME
</source>
        <translation>  ninguno todavía: guarde uno con --save-preset NAME
</translation>
    </message>
    <message>
        <source>Replaced the preset &apos;%1&apos;: %2
</source>
        <translation>Preajuste &apos;%1&apos; reemplazado: %2
</translation>
    </message>
    <message>
        <source>Saved the preset &apos;%1&apos;: %2
</source>
        <translation>Preajuste &apos;%1&apos; guardado: %2
</translation>
    </message>
    <message>
        <source>Nothing was converted; use it with --preset &quot;%1&quot;.
</source>
        <translation>No se convirtió nada; úselo con --preset &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <translation>copiar %1 a %2</translation>
    </message>
    <message>
        <source>remove %1, whose original is gone</source>
        <translation>eliminar %1, cuyo original ya no existe</translation>
    </message>
    <message>
        <source>%1 up to date</source>
        <translation>%1 al día</translation>
    </message>
    <message>
        <source>
Keeping a converted library in step: every output is written under a hidden
temporary name beside its final one and renamed only when it is complete,
tagged and on the disk, so a stopped or failed conversion never leaves a
cut-off file, and an older output of that name stays as it was.
  -u, --update            converts only what changed: an input whose output
                          was made from it as it is now, with the same
                          format and options, is skipped as up to date
      --delete-orphans    removes the outputs the record lists whose input
                          is no longer among the inputs; never a file the
                          record does not list, nor one changed since
      --copy-same-format  copies an input that already is in the output
                          format instead of encoding it again, unless an
                          effect is set
The record is the file .quavero-library.db in the output folder, kept by -u
and --delete-orphans. Without one, -u skips an output newer than its input.
-n lists what would be copied and removed on lines starting with #.
</source>
        <translation>
Mantener al día una biblioteca convertida: cada salida se escribe con un nombre
temporal oculto junto a su nombre final y se renombra solo cuando está
completa, etiquetada y en el disco; una conversión detenida o fallida nunca
deja un archivo cortado, y una salida anterior con ese nombre queda como
estaba.
  -u, --update            convierte solo lo que cambió: una entrada cuya
                          salida se hizo a partir de ella tal como está, con
                          el mismo formato y las mismas opciones, se omite
                          por estar al día
      --delete-orphans    elimina las salidas que el registro menciona y cuya
                          entrada ya no está entre las entradas; nunca un
                          archivo que no menciona, ni uno modificado desde
                          entonces
      --copy-same-format  copia una entrada que ya está en el formato de
                          salida en lugar de codificarla otra vez, salvo que
                          haya un efecto
El registro es el archivo .quavero-library.db de la carpeta de salida, que
llevan -u y --delete-orphans. Sin registro, -u omite una salida más reciente
que su entrada. -n indica lo que se copiaría y eliminaría en líneas que
empiezan por #.
</translation>
    </message>
    <message>
        <source>copied    %1 -&gt; %2</source>
        <translation>copiado   %1 -&gt; %2</translation>
    </message>
    <message>
        <source>removed   %1 (its original is gone)</source>
        <translation>eliminado %1 (el original ya no existe)</translation>
    </message>
    <message>
        <source>removed: %1
</source>
        <translation>eliminado: %1
</translation>
    </message>
    <message>
        <source>warning: %1
</source>
        <translation>aviso: %1
</translation>
    </message>
    <message>
        <source>Everything is up to date.
</source>
        <translation>Todo está al día.
</translation>
    </message>
    <message>
        <source>
Inputs: files whose extension, in any letter case, is a format name above
or one of these:
  %1
A film gives its first audio stream, never its video.

Sample rate, channels and sample size: unless --set says otherwise, each
output keeps its input&apos;s (&quot;Same as input&quot;), within what the format takes
(mp3 at most 2 channels and 48000 Hz, amr 8000 Hz mono, opus 48000 Hz); a
lossy input&apos;s wav is 16-bit.
</source>
        <translation>
Entradas: archivos cuya extensión, en mayúsculas o minúsculas, es un nombre de
formato de arriba o una de estas:
  %1
Una película da su primera pista de audio, nunca su imagen.

Frecuencia de muestreo, canales y tamaño de muestra: salvo que --set diga otra
cosa, cada salida conserva los de su entrada («Igual que la entrada»), dentro
de lo que admite el formato (mp3 como mucho 2 canales y 48000 Hz, amr 8000 Hz
mono, opus 48000 Hz); el wav de una entrada con pérdida es de 16 bits.
</translation>
    </message>
    <message>
        <source>
Tags: the text tags and the pictures of each input are copied into its
output (the input is only read); --no-tags copies none.
  mp3              ID3v2.4 tags with every picture
  flac, ogg, spx,  Vorbis comments with every picture
  opus
  m4a              MP4 tags; JPEG, PNG, GIF, BMP pictures in &quot;covr&quot;
  wma              ASF attributes with every picture (WM/Picture)
  wav              a RIFF INFO list and an ID3v2 chunk with every picture
  aifc, aiff, aif  an ID3v2 chunk with every picture
  caf, au          the text tags ffmpeg copies
  ac3, amr, raw    none: these formats hold no tags
A picture an output cannot take is left out; the summary names the file
with the reason, and it still counts as converted.
</source>
        <translation>
Etiquetas: las etiquetas de texto y las imágenes de cada entrada se copian en
su salida (la entrada solo se lee); --no-tags no copia ninguna.
  mp3              etiquetas ID3v2.4 con todas las imágenes
  flac, ogg, spx,  comentarios Vorbis con todas las imágenes
  opus
  m4a              etiquetas MP4; imágenes JPEG, PNG, GIF y BMP en &quot;covr&quot;
  wma              atributos ASF con todas las imágenes (WM/Picture)
  wav              una lista RIFF INFO y un bloque ID3v2 con todas las imágenes
  aifc, aiff, aif  un bloque ID3v2 con todas las imágenes
  caf, au          las etiquetas de texto que copia ffmpeg
  ac3, amr, raw    ninguna: estos formatos no admiten etiquetas
Una imagen que una salida no puede contener se omite; el resumen nombra el
archivo con el motivo, y sigue contando como convertido.
</translation>
    </message>
    <message>
        <source>Choose another with --set.</source>
        <translation>Elija otro valor con --set.</translation>
    </message>
    <message>
        <source>Usage: quavero-cli [OPTIONS] INPUT...
Converts audio files into one output format with ffmpeg (and sox for the
speed, gain, treble and bass effects): one output file per input, named
after it, in the output folder.

An INPUT is an audio file or a folder. A folder adds the audio files
directly in it, in name order (see Inputs below); with -r the files of its
subfolders too.

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
  -r, --recursive       a folder INPUT adds the files of its subfolders too;
                        their outputs go to the same subfolders below the
                        output folder, created when missing
      --flat            with -r, puts every output straight into the output
                        folder instead of its subfolder
  -n, --dry-run         prints each ffmpeg and sox command that would run,
                        one per line, quoted for a POSIX shell, and converts
                        nothing
  -q, --quiet           prints no progress and no summary; failures are
                        still reported
  -v, --verbose         for each file that could not be converted, also
                        prints the ffmpeg and sox commands that ran and the
                        last 20 lines of their output
      --list-formats    prints each format with its options, their NAMEs,
                        every accepted VALUE and the default (*)
  -h, --help            prints this help
      --version         prints the version

An existing output file is replaced; an input file never is (such a file is
reported as failed). No output of a run replaces another output of the same
run: of inputs that would be written to the same output file (a.wav and
a.flac to mp3), the first in the order given gets the name (a.mp3), the
others a numbered one (a (2).mp3, a (3).mp3) that no file has yet, and the
summary names each of them.

Exit status:
  %3    every file was converted
  %4    at least one file could not be converted (each is listed with the
       reason; the others are converted), or nothing could start: ffmpeg
       or sox missing, an output folder that cannot be made
  %5    the command line is wrong, or asks for an option value the format
       cannot be written with (mp3 at 96000 Hz); nothing was converted
  %6  stopped by Ctrl-C: the running conversions are ended, their partial
       files removed, and the files already converted kept. 130 is 128 plus
       the number of the interrupt signal, what a shell reports for a
       command ended by Ctrl-C, so a script can tell a stop from failed
       files and stop too (143 likewise when stopped by SIGTERM).
</source>
        <translation>Uso: quavero-cli [OPCIONES] ENTRADA...
Convierte archivos de audio a un formato de salida con ffmpeg (y sox para los
efectos de velocidad, ganancia, agudos y graves): un archivo de salida por
entrada, con su nombre, en la carpeta de salida.

Una ENTRADA es un archivo de audio o una carpeta. Una carpeta añade los
archivos de audio que contiene directamente, por orden de nombre (véanse
Entradas más abajo); con -r, también los de sus subcarpetas.

Opciones:
  -f, --format FMT      el formato de salida (mp3 por omisión), uno de: %1
                        (en mayúsculas o minúsculas, con o sin el punto:
                        .MP3)
  -o, --output-dir DIR  la carpeta donde van los archivos convertidos, que se
                        crea si falta (obligatoria)
      --set NAME=VALUE  fija una opción del formato de salida; repetible.
                        VALUE es una etiqueta (en inglés) del diálogo de
                        opciones, sin importar mayúsculas ni espacios
                        (channels=stereo, quality=0); speed toma un factor
                        (1.25), gain, treble y bass decibelios enteros (-6).
                        Las opciones no fijadas conservan su valor por
                        omisión. --list-formats muestra cada NAME y VALUE
  -j, --jobs N          cuántos archivos se convierten a la vez (por omisión:
                        uno por procesador, aquí %2)
  -r, --recursive       una carpeta de ENTRADA añade también los archivos de
                        sus subcarpetas; sus salidas van a las mismas
                        subcarpetas dentro de la carpeta de salida, que se
                        crean si faltan
      --flat            con -r, pone cada salida directamente en la carpeta
                        de salida en lugar de en su subcarpeta
  -n, --dry-run         muestra cada orden de ffmpeg y sox que se ejecutaría,
                        una por línea, entrecomillada para un shell POSIX, y
                        no convierte nada
  -q, --quiet           no muestra progreso ni resumen; los fallos se siguen
                        informando
  -v, --verbose         para cada archivo que no se pudo convertir, muestra
                        también las órdenes de ffmpeg y sox que se ejecutaron
                        y las últimas 20 líneas de su salida
      --list-formats    muestra cada formato con sus opciones, sus NAME, cada
                        VALUE aceptado y el valor por omisión (*)
  -h, --help            muestra esta ayuda
      --version         muestra la versión

Un archivo de salida existente se reemplaza; un archivo de entrada nunca (ese
archivo se informa como fallido). Ninguna salida de una conversión reemplaza
otra salida de la misma conversión: de las entradas que se escribirían en el
mismo archivo de salida (a.wav y a.flac a mp3), la primera en el orden dado
recibe el nombre (a.mp3), las demás uno numerado (a (2).mp3, a (3).mp3) que
aún no tiene ningún archivo, y el resumen nombra cada una de ellas.

Estado de salida:
  %3    se convirtieron todos los archivos
  %4    al menos un archivo no se pudo convertir (cada uno aparece con el
       motivo; los demás se convierten), o nada pudo empezar: falta ffmpeg o
       sox, o una carpeta de salida no se puede crear
  %5    la línea de órdenes es incorrecta, o pide un valor con el que el
       formato no puede escribirse (mp3 a 96000 Hz); no se convirtió nada
  %6  detenido con Ctrl-C: las conversiones en curso terminan, sus archivos
       parciales se eliminan y los ya convertidos se conservan. 130 es 128
       más el número de la señal de interrupción, lo que un shell informa de
       una orden terminada con Ctrl-C, así un script distingue una parada de
       archivos fallidos y puede detenerse también (143 igual tras SIGTERM).
</translation>
    </message>
    <message>
        <source>
Job lists: a run planned here and carried out by workers elsewhere, for
GNU parallel or a Slurm job array. A job list holds the format, its
options and each file&apos;s input and output, never a command: a worker
builds the ffmpeg and sox commands itself.
      --plan FILE         plans the run the other options and INPUTs ask for
                          and writes it to FILE as a job list, one job per
                          file; converts nothing
      --from-plan FILE    runs jobs of the list FILE: --index N runs job N
                          (from 0), --chunk K/C the K-th of C equal slices
                          (K from 0), -j N of them at once. A job done
                          before whose output is still there is skipped.
                          Each job&apos;s result goes to FILE.results/N.json
      --in-root DIR,
      --out-root DIR      where this machine finds the list&apos;s input and
                          output folders, when not where the list says
      --report FILE       sums up the results of the list&apos;s jobs; with
                          --failed, prints the number of each job not done
                          (failed, or without a result), one a line; with
                          -u, notes each job done in the output folder&apos;s
                          library record (--plan -u leaves out what it
                          finds up to date)
      --list-jobs FILE    prints each job&apos;s number, input and output
                          (relative to the list&apos;s folders), each ended by a
                          NUL, for parallel -0 -N3 --transferfile
With --from-plan and --report the exit status is 0 when every job is done
(or skipped), 1 when one failed or has no result, and 2 when the list
cannot be used (another version&apos;s, a job that is not there, a line this
version does not know); nothing is run then.
</source>
        <translation>
Listas de trabajos: una conversión planificada aquí y ejecutada en otras
máquinas, para GNU parallel o un array de trabajos de Slurm. Una lista de
trabajos contiene el formato, sus opciones y la entrada y salida de cada
archivo, nunca una orden: cada máquina construye ella misma las órdenes de
ffmpeg y sox.
      --plan ARCHIVO      planifica la conversión que piden las demás
                          opciones y ENTRADAS y la escribe en ARCHIVO como
                          lista de trabajos, un trabajo por archivo; no
                          convierte nada
      --from-plan ARCHIVO ejecuta trabajos de la lista ARCHIVO: --index N el
                          trabajo N (desde 0), --chunk K/C la K-ésima de C
                          partes iguales (K desde 0), -j N a la vez. Un
                          trabajo ya hecho cuya salida sigue ahí se omite.
                          El resultado de cada trabajo va a
                          ARCHIVO.results/N.json
      --in-root CARPETA,
      --out-root CARPETA  dónde encuentra esta máquina las carpetas de
                          entrada y salida de la lista, si no están donde
                          dice la lista
      --report ARCHIVO    resume los resultados de los trabajos de la lista;
                          con --failed, muestra el número de cada trabajo no
                          hecho (fallido o sin resultado), uno por línea; con
                          -u, anota cada trabajo hecho en el registro de la
                          biblioteca de la carpeta de salida (--plan -u omite
                          lo que encuentra al día)
      --list-jobs ARCHIVO muestra el número, la entrada y la salida de cada
                          trabajo (relativas a las carpetas de la lista),
                          cada uno terminado en NUL, para parallel -0 -N3
                          --transferfile
Con --from-plan y --report el estado de salida es 0 cuando cada trabajo está
hecho (u omitido), 1 cuando uno falló o no tiene resultado, y 2 cuando la
lista no se puede usar (de otra versión, un trabajo que no existe, una línea
que esta versión no conoce); entonces no se ejecuta nada.
</translation>
    </message>
    <message>
        <source>the job list %1 cannot be used: %2</source>
        <translation>la lista de trabajos %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 y %2 no se pueden indicar juntos</translation>
    </message>
    <message>
        <source>--%1 needs the path of a job list</source>
        <translation>--%1 necesita la ruta de una lista de trabajos</translation>
    </message>
    <message>
        <source>--index takes the number of a job, 0 or more, not &apos;%1&apos;</source>
        <translation>--index espera el número de un trabajo, 0 o más, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 needs a folder</source>
        <translation>--%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>--%1 goes with a job list: --from-plan or --report</source>
        <translation>--%1 va con una lista de trabajos: --from-plan o --report</translation>
    </message>
    <message>
        <source>--%1 cannot be used with %2</source>
        <translation>--%1 no se puede usar con %2</translation>
    </message>
    <message>
        <source>--%1 cannot be used with %2; run quavero-cli with it on the output folder itself</source>
        <translation>--%1 no se puede usar con %2; ejecute quavero-cli con esa opción sobre la propia carpeta de salida</translation>
    </message>
    <message>
        <source>%1 takes the format, its options and the files from the job list; leave out %2</source>
        <translation>%1 toma el formato, sus opciones y los archivos de la lista de trabajos; quite %2</translation>
    </message>
    <message>
        <source>%1 takes the files from the job list; name no INPUT</source>
        <translation>%1 toma los archivos de la lista de trabajos; no indique ninguna ENTRADA</translation>
    </message>
    <message>
        <source>--from-plan runs either one job (--index N) or one slice of the list (--chunk K/C)</source>
        <translation>--from-plan ejecuta o un trabajo (--index N) o una parte de la lista (--chunk K/C)</translation>
    </message>
    <message>
        <source>%1 jobs written to %2: inputs below %3, outputs below %4
</source>
        <translation>%1 trabajos escritos en %2: entradas en %3, salidas en %4
</translation>
    </message>
    <message>
        <source>%1 files are up to date and are not in the list
</source>
        <translation>%1 archivos están al día y no están en la lista
</translation>
    </message>
    <message>
        <source>%1 files cannot be converted and are not in the list (see above)
</source>
        <translation>%1 archivos no se pueden convertir y no están en la lista (véase arriba)
</translation>
    </message>
    <message>
        <source>the job list %1 cannot be used: line 1: %2</source>
        <translation>la lista de trabajos %1 no se puede usar: línea 1: %2</translation>
    </message>
    <message>
        <source>the library record in %1 could not be written</source>
        <translation>no se pudo escribir el registro de la biblioteca en %1</translation>
    </message>
    <message>
        <source>the library record in %1 notes %2 outputs
</source>
        <translation>el registro de la biblioteca en %1 anota %2 salidas
</translation>
    </message>
    <message>
        <source>a result is left out: %1</source>
        <translation>se omite un resultado: %1</translation>
    </message>
    <message>
        <source>not run yet: %1 of %2 jobs have no result; --report %3 --failed lists them with the failed ones
</source>
        <translation>aún no ejecutados: %1 de %2 trabajos no tienen resultado; --report %3 --failed los enumera con los fallidos
</translation>
    </message>
    <message>
        <source>the job list %1 has no job %2: it holds %3 jobs, numbered from 0</source>
        <translation>la lista de trabajos %1 no tiene el trabajo %2: contiene %3 trabajos, numerados desde 0</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line 1: %1</source>
        <translation>línea 1: %1</translation>
    </message>
    <message>
        <source>skipped: %1: done before, and its output is there
</source>
        <translation>omitido: %1: ya hecho, y su salida está ahí
</translation>
    </message>
    <message>
        <source>--replaygain takes track or album (or none), not &apos;%1&apos;</source>
        <translation>--replaygain admite track o album (o none), no «%1»</translation>
    </message>
    <message>
        <source>--normalize takes a loudness in LUFS from %1 to %2 (for example -16), not &apos;%3&apos;</source>
        <translation>--normalize admite una sonoridad en LUFS de %1 a %2 (por ejemplo -16), no «%3»</translation>
    </message>
    <message>
        <source>
Even loudness (ITU-R BS.1770 / EBU R128), measured from the audio the
conversion decodes:
      --replaygain MODE   writes loudness tags: track (each file&apos;s gain and
                          peak, to -18 LUFS; Opus: R128 gains to -23 LUFS) or
                          album (also the album&apos;s, from all the files of a
                          run that share an album tag and a folder); none
                          writes none (the default). Formats without tags
                          get none, and the summary says so
      --normalize LUFS    measures each file first, then converts it with one
                          gain to LUFS (-70 to 0, for example -16 or
                          --normalize=-23), held back where the true peak
                          would pass -1 dBTP; the summary says how far such a
                          file got. A file under 0.4 s or silent gets no tags
                          and no gain, and a warning.
</source>
        <translation>
Sonoridad uniforme (ITU-R BS.1770 / EBU R128), medida en el audio que la
conversión decodifica:
      --replaygain MODO   escribe etiquetas de sonoridad: track (ganancia y
                          pico de cada archivo, hacia -18 LUFS; Opus: ganancias
                          R128 hacia -23 LUFS) o album (también las del álbum,
                          de todos los archivos de una conversión que comparten
                          etiqueta de álbum y carpeta); none no escribe
                          ninguna (predeterminado). Los formatos sin etiquetas
                          no reciben ninguna, y el resumen lo dice
      --normalize LUFS    mide primero cada archivo y luego lo convierte con
                          una sola ganancia hacia LUFS (-70 a 0, por ejemplo
                          -16 o --normalize=-23), contenida donde el pico
                          verdadero pasaría de -1 dBTP; el resumen dice hasta
                          dónde llegó ese archivo. Un archivo de menos de 0,4 s
                          o en silencio no recibe etiquetas ni ganancia, sino
                          un aviso.
</translation>
    </message>
    <message>
        <source>
Album images: an INPUT (or a file in a folder INPUT) ending in .cue is a CUE
sheet. Each of its tracks is converted to a file of its own, named &quot;NN
Title&quot; from the sheet, cut sample for sample from the image the sheet names
(the pregap before a track stays with the track before it); the image itself
is not converted again when its sheet is among the inputs. A FLAC image that
holds its sheet (a CUESHEET tag or cue sheet block) is split the same way.
The sheet&apos;s titles, performers, album, date and genre, and the track&apos;s place,
go over the image&apos;s own tags and pictures in every track. A sheet that names
a file that is not there, or that cannot be read, fails with the reason.
</source>
        <translation>
Imágenes de álbum: una ENTRADA (o un archivo de una carpeta ENTRADA) que
termina en .cue es una hoja CUE. Cada una de sus pistas se convierte en un
archivo propio, llamado &quot;NN Título&quot; según la hoja, cortado muestra a muestra
de la imagen que la hoja nombra (la pausa antes de una pista queda con la
pista anterior); la imagen misma no se convierte otra vez cuando su hoja está
entre las entradas. Una imagen FLAC que contiene su hoja (una etiqueta
CUESHEET o un bloque cue sheet) se divide igual. Los títulos, intérpretes,
álbum, fecha y género de la hoja y el lugar de la pista van sobre las
etiquetas e imágenes de la imagen en cada pista. Una hoja que nombra un
archivo que no está, o que no se puede leer, falla con el motivo.
</translation>
    </message>
    <message>
        <source>
Output names: without --name each output keeps its input&apos;s name.
      --name TEMPLATE     names each output from its input&apos;s tags, for
                          example &apos;{albumartist}/{album}/{track:02} {title}&apos;
Fields: {title} {artist} {album} {albumartist} (the artist when empty)
{track} {tracktotal} {disc} {disctotal} {year} {genre} {composer}, {name}
(the input&apos;s name) and {folder} (its folder below the folder given).
{track:02} pads with zeros; a part in [ ] is left out when a field in it is
empty; / makes folders, but a / in a tag never does: it and \ : * ? &quot; &lt; &gt; |
become _. An input without a field used outside [ ] keeps its own name
({folder}/{name} with -r) and the summary says so. Outputs that get the same
name are numbered. An unknown field or an unbalanced [ or { is an error that
names its position.
</source>
        <translation>
Nombres de salida: sin --name cada salida conserva el nombre de su entrada.
      --name PLANTILLA    nombra cada salida según las etiquetas de su entrada,
                          así: &apos;{albumartist}/{album}/{track:02} {title}&apos;
Campos: {title} {artist} {album} {albumartist} (el artista si está vacío)
{track} {tracktotal} {disc} {disctotal} {year} {genre} {composer}, {name}
(el nombre de la entrada) y {folder} (su carpeta bajo la carpeta indicada).
{track:02} rellena con ceros; una parte entre [ ] se omite si un campo dentro
está vacío; / crea carpetas, pero un / en una etiqueta nunca: él y
\ : * ? &quot; &lt; &gt; | se vuelven _. Una entrada sin un campo usado fuera de [ ]
conserva su nombre ({folder}/{name} con -r) y el resumen lo dice. Las salidas
con el mismo nombre se numeran. Un campo desconocido o un [ o { sin cerrar es
un error que indica su posición.
</translation>
    </message>
    <message>
        <source>note: %1: %2
</source>
        <translation>nota: %1: %2
</translation>
    </message>
</context>
<context>
    <name>RecordedPath</name>
    <message>
        <source>the path is empty</source>
        <translation>la ruta está vacía</translation>
    </message>
    <message>
        <source>the path is absolute, not below the destination folder</source>
        <translation>la ruta es absoluta, no está dentro de la carpeta de destino</translation>
    </message>
    <message>
        <source>the path leads out of the destination folder</source>
        <translation>la ruta sale de la carpeta de destino</translation>
    </message>
    <message>
        <source>the path is not written as a plain relative path</source>
        <translation>la ruta no está escrita como una ruta relativa simple</translation>
    </message>
    <message>
        <source>the path names the record itself</source>
        <translation>la ruta nombra el propio registro</translation>
    </message>
    <message>
        <source>the path goes through a symbolic link</source>
        <translation>la ruta pasa por un enlace simbólico</translation>
    </message>
</context>
<context>
    <name>RunNotice</name>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <translation>1 archivo convertido.</translation>
    </message>
    <message>
        <source>%1 files converted.</source>
        <translation>%1 archivos convertidos.</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed.</source>
        <translation>1 archivo convertido; fallidos: %1.</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed.</source>
        <translation>%1 archivos convertidos; fallidos: %2.</translation>
    </message>
</context>
<context>
    <name>RunOutcome</name>
    <message>
        <source>%1 converted</source>
        <translation>%1 convertidos</translation>
    </message>
    <message>
        <source>%1 up to date</source>
        <translation>%1 al día</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 copiados</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 eliminados</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fallidos</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Saved under another name, because another file of this run has the same name:</source>
        <translation>Guardados con otro nombre, porque otro archivo de esta conversión tiene el mismo nombre:</translation>
    </message>
    <message>
        <source>%1: saved as %2</source>
        <translation>%1: guardado como %2</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir la carpeta de salida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Audio files were converted successfully.</source>
        <translation>Los archivos de audio se convirtieron correctamente.</translation>
    </message>
    <message>
        <source>1 of %1 files could not be converted.</source>
        <translation>No se pudo convertir 1 de %1 archivos.</translation>
    </message>
    <message>
        <source>%1 of %2 files could not be converted.</source>
        <translation>No se pudieron convertir %1 de %2 archivos.</translation>
    </message>
    <message>
        <source>The file could not be converted.</source>
        <translation>No se pudo convertir el archivo.</translation>
    </message>
    <message>
        <source>Check these files and the format options, then convert them again.</source>
        <translation>Revise estos archivos y las opciones del formato, y vuelva a convertirlos.</translation>
    </message>
    <message>
        <source>%1: converted; %2</source>
        <translation>%1: convertido; %2</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Todo está al día</translation>
    </message>
    <message>
        <source>All %1 files were converted before and have not changed since.</source>
        <translation>Los %1 archivos ya se convirtieron antes y no han cambiado desde entonces.</translation>
    </message>
    <message>
        <source>Removed, because its original is gone: %1</source>
        <translation>Eliminado, porque el original ya no existe: %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Quavero is already running.</source>
        <translation>Quavero ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Another Quavero window is open but does not answer. Close it, then start Quavero again.</source>
        <translation>Hay otra ventana de Quavero abierta que no responde. Ciérrela y vuelva a iniciar Quavero.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TagCopy</name>
    <message>
        <source>the tags of the input could not be read</source>
        <translation>no se pudieron leer las etiquetas de la entrada</translation>
    </message>
    <message>
        <source>there is no room beside the converted file for a tagged copy</source>
        <translation>no hay espacio junto al archivo convertido para una copia con etiquetas</translation>
    </message>
    <message>
        <source>the tagged copy could not take the place of the converted file</source>
        <translation>la copia con etiquetas no pudo reemplazar el archivo convertido</translation>
    </message>
    <message>
        <source>the converted file could not be opened for writing</source>
        <translation>no se pudo abrir el archivo convertido para escribir</translation>
    </message>
    <message>
        <source>writing them into the converted file failed</source>
        <translation>no se pudieron escribir en el archivo convertido</translation>
    </message>
    <message>
        <source>the converted file could not be read to add them</source>
        <translation>no se pudo leer el archivo convertido para añadirlas</translation>
    </message>
    <message>
        <source>picture not copied: %1</source>
        <translation>imagen no copiada: %1</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot;</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>tags not copied: %1</source>
        <translation>etiquetas no copiadas: %1</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG, GIF, BMP or WebP image</source>
        <translation>%1 no es una imagen JPEG, PNG, GIF, BMP ni WebP</translation>
    </message>
    <message>
        <source>%1 is a WebP image, which %2 cannot hold</source>
        <translation>%1 es una imagen WebP, que %2 no puede contener</translation>
    </message>
    <message>
        <source>%1 (%2 MB) is too large for %3, which takes at most %4 MB</source>
        <translation>%1 (%2 MB) es demasiado grande para %3, que admite como máximo %4 MB</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>la imagen</translation>
    </message>
    <message>
        <source>file icon</source>
        <translation>el icono de archivo</translation>
    </message>
    <message>
        <source>other file icon</source>
        <translation>el otro icono de archivo</translation>
    </message>
    <message>
        <source>front cover</source>
        <translation>la portada</translation>
    </message>
    <message>
        <source>back cover</source>
        <translation>la contraportada</translation>
    </message>
    <message>
        <source>leaflet page</source>
        <translation>la página del folleto</translation>
    </message>
    <message>
        <source>media picture</source>
        <translation>la imagen del soporte</translation>
    </message>
    <message>
        <source>lead artist picture</source>
        <translation>la foto del artista principal</translation>
    </message>
    <message>
        <source>artist picture</source>
        <translation>la foto del artista</translation>
    </message>
    <message>
        <source>conductor picture</source>
        <translation>la foto del director de orquesta</translation>
    </message>
    <message>
        <source>band picture</source>
        <translation>la foto del grupo</translation>
    </message>
    <message>
        <source>composer picture</source>
        <translation>la foto del compositor</translation>
    </message>
    <message>
        <source>lyricist picture</source>
        <translation>la foto del letrista</translation>
    </message>
    <message>
        <source>recording location picture</source>
        <translation>la foto del lugar de grabación</translation>
    </message>
    <message>
        <source>picture taken during recording</source>
        <translation>la foto tomada durante la grabación</translation>
    </message>
    <message>
        <source>picture taken during performance</source>
        <translation>la foto tomada durante la actuación</translation>
    </message>
    <message>
        <source>screen capture</source>
        <translation>la captura de pantalla</translation>
    </message>
    <message>
        <source>picture of a coloured fish</source>
        <translation>la imagen de un pez de colores</translation>
    </message>
    <message>
        <source>illustration</source>
        <translation>la ilustración</translation>
    </message>
    <message>
        <source>band logo</source>
        <translation>el logotipo del grupo</translation>
    </message>
    <message>
        <source>publisher logo</source>
        <translation>el logotipo del sello</translation>
    </message>
    <message>
        <source>the tags of .%1 files cannot be read; the output has only what ffmpeg carried over</source>
        <translation>las etiquetas de los archivos .%1 no se pueden leer; la salida solo tiene lo que ffmpeg trasladó</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Casi terminado</translation>
    </message>
    <message>
        <source>About 1 minute left</source>
        <translation>Queda aproximadamente 1 minuto</translation>
    </message>
    <message>
        <source>About %1 seconds left</source>
        <translation>Quedan aproximadamente %1 segundos</translation>
    </message>
    <message>
        <source>About %1 minutes left</source>
        <translation>Quedan aproximadamente %1 minutos</translation>
    </message>
    <message>
        <source>About 1 hour left</source>
        <translation>Queda aproximadamente 1 hora</translation>
    </message>
    <message>
        <source>About %1 hours left</source>
        <translation>Quedan aproximadamente %1 horas</translation>
    </message>
    <message>
        <source>About 1 hour %1 minutes left</source>
        <translation>Queda aproximadamente 1 hora y %1 minutos</translation>
    </message>
    <message>
        <source>About %1 hours %2 minutes left</source>
        <translation>Quedan aproximadamente %1 horas y %2 minutos</translation>
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
    <message>
        <source>Codec:</source>
        <translation>Códec:</translation>
    </message>
</context>
<context>
    <name>Window_AF_MP3</name>
    <message>
        <source>MP3 Options</source>
        <translation>Opciones de MP3</translation>
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
    <message>
        <source>Variable bitrate</source>
        <translation>Tasa de bits variable</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Constant bitrate</source>
        <translation>Tasa de bits constante</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Tasa de bits (kbit/s):</translation>
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
    <name>Window_AF_OPUS</name>
    <message>
        <source>Opus Options</source>
        <translation>Opciones de Opus</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Tasa de bits (kbit/s):</translation>
    </message>
    <message>
        <source>Bitrate mode:</source>
        <translation>Modo de tasa de bits:</translation>
    </message>
    <message>
        <source>Tuned for:</source>
        <translation>Ajustado para:</translation>
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
    <name>Window_About</name>
    <message>
        <source>About Quavero</source>
        <translation>Acerca de Quavero</translation>
    </message>
    <message>
        <source>Converts audio files from one format to another, many at a time.</source>
        <translation>Convierte archivos de audio de un formato a otro, muchos a la vez.</translation>
    </message>
    <message>
        <source>Programs that convert</source>
        <translation>Programas que convierten</translation>
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
        <source>File list</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Alternating rows, in the desktop&apos;s colors</source>
        <translation>Filas alternas, con los colores del escritorio</translation>
    </message>
    <message>
        <source>Waveform colour</source>
        <translation>Color de la forma de onda</translation>
    </message>
    <message>
        <source>List background</source>
        <translation>Fondo de la lista</translation>
    </message>
    <message>
        <source>List text colour</source>
        <translation>Color del texto de la lista</translation>
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
</context>
<context>
    <name>Window_Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Archivos convertidos a la vez</translation>
    </message>
    <message>
        <source>Convert </source>
        <translation>Convertir </translation>
    </message>
    <message>
        <source> files at once</source>
        <translation> archivos a la vez</translation>
    </message>
    <message>
        <source>Pause 2 seconds between files</source>
        <translation>Hacer una pausa de 2 segundos entre archivos</translation>
    </message>
    <message>
        <source>Keeping a converted library in step</source>
        <translation>Mantener al día una biblioteca convertida</translation>
    </message>
    <message>
        <source>&amp;Skip files that are already converted and up to date</source>
        <translation>&amp;Omitir los archivos ya convertidos y al día</translation>
    </message>
    <message>
        <source>&amp;Remove converted files whose original is gone</source>
        <translation>&amp;Eliminar los archivos convertidos cuyo original ya no existe</translation>
    </message>
    <message>
        <source>&amp;Copy files that already are in the output format</source>
        <translation>&amp;Copiar los archivos que ya están en el formato de salida</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>Loudness &amp;tags:</source>
        <translation>&amp;Etiquetas de sonoridad:</translation>
    </message>
    <message>
        <source>Loudness tags</source>
        <translation>Etiquetas de sonoridad</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>&amp;Normalize loudness to</source>
        <translation>&amp;Normalizar la sonoridad a</translation>
    </message>
    <message>
        <source>Normalize loudness to, in LUFS</source>
        <translation>Normalizar la sonoridad a, en LUFS</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>Output names</source>
        <translation>Nombres de salida</translation>
    </message>
    <message>
        <source>&amp;Name template (leave empty to keep each input&apos;s name):</source>
        <translation>&amp;Plantilla de nombre (vacía para conservar el nombre de cada entrada):</translation>
    </message>
    <message>
        <source>Output name template</source>
        <translation>Plantilla de los nombres de salida</translation>
    </message>
    <message>
        <source>Fields in braces: {title} {artist} {album} {albumartist} {track} {tracktotal} {disc} {disctotal} {year} {genre} {composer} {name} {folder}; {track:02} pads with zeros; a part in [ ] is left out when a field in it is empty; / makes folders</source>
        <translation>Campos entre llaves: {title} {artist} {album} {albumartist} {track} {tracktotal} {disc} {disctotal} {year} {genre} {composer} {name} {folder}; {track:02} rellena con ceros; una parte entre [ ] se omite si un campo dentro está vacío; / crea carpetas</translation>
    </message>
    <message>
        <source>Example output name</source>
        <translation>Ejemplo de nombre de salida</translation>
    </message>
</context>
<context>
    <name>Window_Presets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Administrar preajustes</translation>
    </message>
    <message>
        <source>&amp;Saved presets (the built-in ones cannot be changed):</source>
        <translation>Preajustes &amp;guardados (los incluidos no se pueden cambiar):</translation>
    </message>
    <message>
        <source>Saved presets</source>
        <translation>Preajustes guardados</translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation>&amp;Nuevo nombre:</translation>
    </message>
    <message>
        <source>New name of the selected preset</source>
        <translation>Nuevo nombre del preajuste elegido</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Why the last change could not be made</source>
        <translation>Por qué no se pudo hacer el último cambio</translation>
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
<context>
    <name>quavero::AlertDialog</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Mostrar detalles…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Ocultar detalles…</translation>
    </message>
</context>
<context>
    <name>quavero::AppDelegate</name>
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
    <message>
        <source>There are no audio files on the list.</source>
        <translation>La lista no contiene archivos de audio.</translation>
    </message>
    <message>
        <source>There are no audio files on the list. Add audio files to convert.</source>
        <translation>La lista no contiene archivos de audio. Añada archivos de audio para convertir.</translation>
    </message>
    <message>
        <source>Select an output folder to save the converted audio files.</source>
        <translation>Elija una carpeta de salida para guardar los archivos de audio convertidos.</translation>
    </message>
    <message>
        <source>Choose a folder: its audio files and those of all its subfolders are added.</source>
        <translation>Elija una carpeta: se añaden sus archivos de audio y los de todas sus subcarpetas.</translation>
    </message>
    <message>
        <source>The preview could not be played.</source>
        <translation>No se pudo reproducir la vista previa.</translation>
    </message>
    <message>
        <source>The sound system reported: %1. Check that a sound output device is connected and working, then press Play again.</source>
        <translation>El sistema de sonido informó: %1. Compruebe que hay un dispositivo de salida de sonido conectado y funcionando, y pulse Reproducir de nuevo.</translation>
    </message>
    <message>
        <source>Audio file could not be opened.</source>
        <translation>No se pudo abrir el archivo de audio.</translation>
    </message>
    <message>
        <source>There is no audio file selected.</source>
        <translation>No hay ningún archivo de audio seleccionado.</translation>
    </message>
    <message>
        <source>There is no audio file selected. Select one audio file to play.</source>
        <translation>No hay ningún archivo de audio seleccionado. Seleccione un archivo de audio para reproducir.</translation>
    </message>
    <message>
        <source>There is more than one audio file selected.</source>
        <translation>Hay más de un archivo de audio seleccionado.</translation>
    </message>
    <message>
        <source>There is more than one audio file selected. Select only one audio file to play.</source>
        <translation>Hay más de un archivo de audio seleccionado. Seleccione solo un archivo de audio para reproducir.</translation>
    </message>
    <message>
        <source>%1 cannot be written with these options.</source>
        <translation>%1 no puede escribirse con estas opciones.</translation>
    </message>
    <message>
        <source>Choose another in the %1 options, then convert again.</source>
        <translation>Elija otro valor en las opciones de %1 y vuelva a convertir.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; cannot be used.</source>
        <translation>El preajuste «%1» no se puede usar.</translation>
    </message>
    <message>
        <source>Choose another preset, or save it again.</source>
        <translation>Elija otro preajuste, o guárdelo de nuevo.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was set without some of its settings.</source>
        <translation>El preajuste «%1» se aplicó sin algunos de sus ajustes.</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Guardar como preajuste</translation>
    </message>
    <message>
        <source>Name of the preset for the output format, its options and the name template:</source>
        <translation>Nombre del preajuste para el formato de salida, sus opciones y la plantilla de nombre:</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Ya existe un preajuste llamado «%1».</translation>
    </message>
    <message>
        <source>Replace it with the current settings?</source>
        <translation>¿Reemplazarlo con los ajustes actuales?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The preset could not be saved.</source>
        <translation>No se pudo guardar el preajuste.</translation>
    </message>
    <message>
        <source>Select the output folder the workers save the converted audio files in.</source>
        <translation>Elija la carpeta de salida donde las máquinas guardan los archivos de audio convertidos.</translation>
    </message>
    <message>
        <source>Save the job list</source>
        <translation>Guardar la lista de trabajos</translation>
    </message>
    <message>
        <source>The job list could not be saved.</source>
        <translation>No se pudo guardar la lista de trabajos.</translation>
    </message>
    <message>
        <source>Choose a folder you may write in, then save the job list again.</source>
        <translation>Elija una carpeta en la que pueda escribir y vuelva a guardar la lista de trabajos.</translation>
    </message>
    <message>
        <source>Jobs: %1 of the list&apos;s %2 files, in %3.</source>
        <translation>Trabajos: %1 de los %2 archivos de la lista, en %3.</translation>
    </message>
    <message>
        <source>Up to date, and not in the list: %1.</source>
        <translation>Al día, y por eso fuera de la lista: %1.</translation>
    </message>
    <message>
        <source>Not in the list, since they cannot be converted: %1 (see the details).</source>
        <translation>Fuera de la lista, porque no se pueden convertir: %1 (vea los detalles).</translation>
    </message>
    <message>
        <source>Run the jobs on each machine with quavero-cli --from-plan and --index or --chunk, then sum them up with quavero-cli --report.</source>
        <translation>Ejecute los trabajos en cada máquina con quavero-cli --from-plan y --index o --chunk, y después resúmalos con quavero-cli --report.</translation>
    </message>
    <message>
        <source>The job list is saved.</source>
        <translation>La lista de trabajos está guardada.</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>¿Eliminar el preajuste «%1»?</translation>
    </message>
    <message>
        <source>A deleted preset cannot be brought back.</source>
        <translation>Un preajuste eliminado no se puede recuperar.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>quavero::ConversionRun</name>
    <message>
        <source>not converted, because the disk is full</source>
        <translation>sin convertir, porque el disco está lleno</translation>
    </message>
</context>
<context>
    <name>quavero::FileTableModel</name>
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
    <name>quavero::FormatOptionsDialog</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Shows the start values of this format&apos;s options; OK keeps them</source>
        <translation>Muestra los valores iniciales de las opciones de este formato; Aceptar los guarda</translation>
    </message>
</context>
<context>
    <name>quavero::View_Audio_Wave</name>
    <message>
        <source>Waveform</source>
        <translation>Forma de onda</translation>
    </message>
    <message>
        <source>No Audio Loaded</source>
        <translation>Ningún audio cargado</translation>
    </message>
</context>
<context>
    <name>quavero::Window_About</name>
    <message>
        <source>Quavero %1</source>
        <translation>Quavero %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>ffmpeg: looking…</source>
        <translation>ffmpeg: buscando…</translation>
    </message>
    <message>
        <source>sox: looking…</source>
        <translation>sox: buscando…</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Colors</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Convert</name>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Convirtiendo %1</translation>
    </message>
    <message>
        <source>Waiting for the next file…</source>
        <translation>Esperando el siguiente archivo…</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Calculando el tiempo restante…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Preferences</name>
    <message>
        <source> file at once</source>
        <translation> archivo a la vez</translation>
    </message>
    <message>
        <source> files at once</source>
        <translation> archivos a la vez</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Presets</name>
    <message>
        <source>There are no saved presets. Save one with Presets ▸ Save as Preset…</source>
        <translation>No hay preajustes guardados. Guarde uno con Preajustes ▸ Guardar como preajuste…</translation>
    </message>
</context>
</TS>
