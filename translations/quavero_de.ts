<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>%1: not found. Install %1 to convert files.</source>
        <translation>%1: nicht gefunden. Installieren Sie %1, um Dateien umzuwandeln.</translation>
    </message>
    <message>
        <source>%1: %2 (it did not say its version)</source>
        <translation>%1: %2 (nannte keine Version)</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or any later version (GPL-3.0-or-later). This program comes with no warranty.</source>
        <translation>Lizenz: GNU General Public License, Version 3 oder jede spätere Version (GPL-3.0-or-later). Dieses Programm wird ohne jede Gewährleistung geliefert.</translation>
    </message>
</context>
<context>
    <name>AddFiles</name>
    <message>
        <source>Some files were not added.</source>
        <translation>Einige Dateien wurden nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No audio file was found in “%1”.</source>
        <translation>In „%1“ wurde keine Audiodatei gefunden.</translation>
    </message>
    <message>
        <source>No audio file was found in the %1 folders.</source>
        <translation>In den %1 Ordnern wurde keine Audiodatei gefunden.</translation>
    </message>
    <message>
        <source>Neither %1 nor its subfolders hold a file ending in %2.</source>
        <translation>Weder %1 noch seine Unterordner enthalten eine Datei mit der Endung %2.</translation>
    </message>
    <message>
        <source>Neither these folders nor their subfolders hold a file ending in %1:
%2</source>
        <translation>Weder diese Ordner noch ihre Unterordner enthalten eine Datei mit der Endung %1:
%2</translation>
    </message>
    <message>
        <source>None of the chosen files is an audio file.</source>
        <translation>Keine der gewählten Dateien ist eine Audiodatei.</translation>
    </message>
    <message>
        <source>The files chosen in %1 cannot be added: only files ending in %2 can.</source>
        <translation>Die in %1 gewählten Dateien können nicht hinzugefügt werden: nur Dateien mit der Endung %2.</translation>
    </message>
    <message>
        <source>Only the files directly in %1 were looked at. Its subfolders hold 1 audio file: add it with its subfolders?</source>
        <translation>Nur die Dateien direkt in %1 wurden durchsucht. Seine Unterordner enthalten 1 Audiodatei: mit den Unterordnern hinzufügen?</translation>
    </message>
    <message>
        <source>Only the files directly in %1 were looked at. Its subfolders hold %2 audio files: add them with their subfolders?</source>
        <translation>Nur die Dateien direkt in %1 wurden durchsucht. Seine Unterordner enthalten %2 Audiodateien: mit den Unterordnern hinzufügen?</translation>
    </message>
    <message>
        <source>Add with Subfolders</source>
        <translation>Mit Unterordnern hinzufügen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Select audio files to add to the list of files to convert.</source>
        <translation>Wählen Sie Audiodateien, die zur Liste der umzuwandelnden Dateien hinzugefügt werden.</translation>
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
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 cannot be written at a sample rate of %2 Hz. It takes %3.</source>
        <translation>%1 kann nicht mit einer Abtastrate von %2 Hz geschrieben werden. Möglich sind %3.</translation>
    </message>
    <message>
        <source>%1 cannot be written with the channels %2. It takes %3.</source>
        <translation>%1 kann nicht mit den Kanälen %2 geschrieben werden. Möglich sind %3.</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <source>cannot create the folder %1; check that you may write in the destination folder</source>
        <translation>der Ordner %1 lässt sich nicht anlegen; prüfen Sie, ob Sie im Zielordner schreiben dürfen</translation>
    </message>
    <message>
        <source>the converted file was not completely written (%1 of %2 KB); check the disk</source>
        <translation>die umgewandelte Datei wurde nicht vollständig geschrieben (%1 von %2 KB); prüfen Sie das Laufwerk</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way; rename or move it</source>
        <translation>ein Ordner namens %1 ist im Weg; benennen Sie ihn um oder verschieben Sie ihn</translation>
    </message>
    <message>
        <source>the file could not be read (%1)</source>
        <translation>die Datei ließ sich nicht lesen (%1)</translation>
    </message>
    <message>
        <source>the copy could not be written (%1)</source>
        <translation>die Kopie ließ sich nicht schreiben (%1)</translation>
    </message>
    <message>
        <source>the converted file could not be put in place: %1</source>
        <translation>die umgewandelte Datei ließ sich nicht an ihren Platz stellen: %1</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>the sheet cannot be read (%1); check that the file is there and that you may read it</source>
        <translation>das Cue-Sheet lässt sich nicht lesen (%1); prüfen Sie, ob die Datei da ist und ob Sie sie lesen dürfen</translation>
    </message>
    <message>
        <source>the file is far too large for a CUE sheet; check that it is the sheet of an album image</source>
        <translation>die Datei ist viel zu groß für ein Cue-Sheet; prüfen Sie, ob es das Cue-Sheet eines Album-Abbilds ist</translation>
    </message>
    <message>
        <source>the sheet&apos;s text is in no encoding Quavero can read; save it as UTF-8 and add it again</source>
        <translation>der Text des Cue-Sheets ist in keiner Kodierung, die Quavero lesen kann; speichern Sie es als UTF-8 und fügen Sie es erneut hinzu</translation>
    </message>
    <message>
        <source>this is not a CUE sheet Quavero can read; check that it has FILE, TRACK and INDEX lines</source>
        <translation>dies ist kein Cue-Sheet, das Quavero lesen kann; prüfen Sie, ob es FILE-, TRACK- und INDEX-Zeilen enthält</translation>
    </message>
    <message>
        <source>the file holds no CUE sheet; add the sheet&apos;s .cue file instead</source>
        <translation>die Datei enthält kein Cue-Sheet; fügen Sie stattdessen die .cue-Datei des Cue-Sheets hinzu</translation>
    </message>
    <message>
        <source>the sheet lists no audio track; there is nothing to convert</source>
        <translation>das Cue-Sheet nennt keinen Audio-Titel; es gibt nichts umzuwandeln</translation>
    </message>
    <message>
        <source>track %1 lies in no file, as the sheet has no FILE line before it; add that line to the sheet</source>
        <translation>Titel %1 liegt in keiner Datei, da das Cue-Sheet davor keine FILE-Zeile hat; fügen Sie diese Zeile dem Cue-Sheet hinzu</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 line, so where it starts is unknown; add that line to the sheet</source>
        <translation>Titel %1 hat keine INDEX-01-Zeile, daher ist sein Beginn unbekannt; fügen Sie diese Zeile dem Cue-Sheet hinzu</translation>
    </message>
    <message>
        <source>track %1 does not start after the track before it in %2; correct the INDEX 01 times in the sheet</source>
        <translation>Titel %1 beginnt in %2 nicht nach dem Titel davor; berichtigen Sie die INDEX-01-Zeiten im Cue-Sheet</translation>
    </message>
    <message>
        <source>the sheet names %1, which is not in its folder; put the file beside the sheet or correct the sheet&apos;s FILE line</source>
        <translation>das Cue-Sheet nennt %1, das nicht in seinem Ordner liegt; legen Sie die Datei neben das Cue-Sheet oder berichtigen Sie seine FILE-Zeile</translation>
    </message>
    <message>
        <source>%1, which the sheet names, cannot be read as audio; check that it is a complete audio file</source>
        <translation>%1, das das Cue-Sheet nennt, lässt sich nicht als Audio lesen; prüfen Sie, ob es eine vollständige Audiodatei ist</translation>
    </message>
    <message>
        <source>track %1 starts after the end of %2; check that the sheet belongs to this file</source>
        <translation>Titel %1 beginnt nach dem Ende von %2; prüfen Sie, ob das Cue-Sheet zu dieser Datei gehört</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Titel %1</translation>
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
    <message>
        <source>Default gain</source>
        <translation>Standardverstärkung</translation>
    </message>
    <message>
        <source>Default treble</source>
        <translation>Standardhöhen</translation>
    </message>
    <message>
        <source>Default bass</source>
        <translation>Standardbässe</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Standardtempo</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Saved as %1: another file of this run has the same name.</source>
        <translation>Gespeichert als %1: eine andere Datei dieses Durchgangs hat denselben Namen.</translation>
    </message>
    <message>
        <source>Message: %1</source>
        <translation>Meldung: %1</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Befehl:</translation>
    </message>
    <message>
        <source>Last lines of its output:</source>
        <translation>Letzte Zeilen seiner Ausgabe:</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>the name is not valid UTF-8; rename the file</source>
        <translation>der Name ist kein gültiges UTF-8; benennen Sie die Datei um</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>zu viele Ebenen symbolischer Verknüpfungen</translation>
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
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Unkomprimiert</translation>
    </message>
    <message>
        <source>Do not alter volume</source>
        <translation>Lautstärke nicht ändern</translation>
    </message>
    <message>
        <source>0 (Highest)</source>
        <translation>0 (höchste)</translation>
    </message>
    <message>
        <source>9 (Lowest)</source>
        <translation>9 (niedrigste)</translation>
    </message>
    <message>
        <source>0 (fastest)</source>
        <translation>0 (am schnellsten)</translation>
    </message>
    <message>
        <source>8 (best)</source>
        <translation>8 (am besten)</translation>
    </message>
    <message>
        <source>0 (Lowest)</source>
        <translation>0 (niedrigste)</translation>
    </message>
    <message>
        <source>10 (Highest)</source>
        <translation>10 (höchste)</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Wie die Eingabe</translation>
    </message>
    <message>
        <source>Constrained VBR</source>
        <translation>Begrenzte VBR</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Low delay</source>
        <translation>Geringe Verzögerung</translation>
    </message>
</context>
<context>
    <name>Freshness</name>
    <message>
        <source>up to date</source>
        <translation>aktuell</translation>
    </message>
    <message>
        <source>up to date (the output is newer than its input)</source>
        <translation>aktuell (die Ausgabe ist neuer als ihre Eingabe)</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>noch nicht umgewandelt</translation>
    </message>
    <message>
        <source>the input changed</source>
        <translation>die Eingabe hat sich geändert</translation>
    </message>
    <message>
        <source>the settings changed</source>
        <translation>die Einstellungen haben sich geändert</translation>
    </message>
    <message>
        <source>the output was made from another input</source>
        <translation>die Ausgabe wurde aus einer anderen Eingabe erstellt</translation>
    </message>
    <message>
        <source>the output is older than its input</source>
        <translation>die Ausgabe ist älter als ihre Eingabe</translation>
    </message>
</context>
<context>
    <name>JobList</name>
    <message>
        <source>--chunk takes K/C, the K-th of C slices counted from 0 (0/4 to 3/4), not &apos;%1&apos;</source>
        <translation>--chunk erwartet K/C, den K-ten von C Teilen, ab 0 gezählt (0/4 bis 3/4), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a job list holds conversions only</source>
        <translation>eine Auftragsliste enthält nur Umwandlungen</translation>
    </message>
    <message>
        <source>its output %1 does not end in %2, the extension of the list&apos;s format</source>
        <translation>seine Ausgabe %1 endet nicht auf %2, die Endung des Formats der Liste</translation>
    </message>
    <message>
        <source>its output %1 cannot be planned below the output root</source>
        <translation>seine Ausgabe %1 lässt sich nicht unterhalb des Ausgabeordners planen</translation>
    </message>
    <message>
        <source>it holds the field %1, which this version does not know</source>
        <translation>sie enthält das Feld %1, das diese Version nicht kennt</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a whole number of 0 or more</source>
        <translation>eine ganze Zahl ab 0</translation>
    </message>
    <message>
        <source>an object of names and texts</source>
        <translation>ein Objekt aus Namen und Texten</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>das Feld %1 fehlt</translation>
    </message>
    <message>
        <source>the field %1 is not %2</source>
        <translation>das Feld %1 ist nicht %2</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>sie ist kein JSON (%1 bei Zeichen %2)</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>sie ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>it is not the first line of a job list (it holds no field %1)</source>
        <translation>sie ist nicht die erste Zeile einer Auftragsliste (sie enthält kein Feld %1)</translation>
    </message>
    <message>
        <source>the list is of version %1, and this program reads version %2; make the list again with the quavero-cli that runs the jobs</source>
        <translation>die Liste hat Version %1, und dieses Programm liest Version %2; erstellen Sie die Liste neu mit dem quavero-cli, das die Aufträge ausführt</translation>
    </message>
    <message>
        <source>the field %1 is empty</source>
        <translation>das Feld %1 ist leer</translation>
    </message>
    <message>
        <source>the root %1 is not an absolute folder path</source>
        <translation>der Stammordner %1 ist kein absoluter Ordnerpfad</translation>
    </message>
    <message>
        <source>its output %1 names the library record</source>
        <translation>seine Ausgabe %1 nennt das Bibliotheksverzeichnis</translation>
    </message>
    <message>
        <source>its input %1 lies outside the input root</source>
        <translation>seine Eingabe %1 liegt außerhalb des Eingabeordners</translation>
    </message>
    <message>
        <source>its output %1 would fall outside the output root</source>
        <translation>seine Ausgabe %1 läge außerhalb des Ausgabeordners</translation>
    </message>
    <message>
        <source>its input %1 is not a plain relative path</source>
        <translation>seine Eingabe %1 ist kein einfacher relativer Pfad</translation>
    </message>
    <message>
        <source>its output %1 is not a plain relative path</source>
        <translation>seine Ausgabe %1 ist kein einfacher relativer Pfad</translation>
    </message>
    <message>
        <source>not run yet</source>
        <translation>noch nicht ausgeführt</translation>
    </message>
    <message>
        <source>it is not the result of a job</source>
        <translation>sie ist nicht das Ergebnis eines Auftrags</translation>
    </message>
    <message>
        <source>the format has no effect %1</source>
        <translation>das Format hat keinen Effekt %1</translation>
    </message>
    <message>
        <source>the format has no option %1</source>
        <translation>das Format hat keine Option %1</translation>
    </message>
    <message>
        <source>the option %1 does not take the value %2</source>
        <translation>die Option %1 nimmt den Wert %2 nicht an</translation>
    </message>
    <message>
        <source>it names the format %1, which this version does not know</source>
        <translation>sie nennt das Format %1, das diese Version nicht kennt</translation>
    </message>
    <message>
        <source>cannot write %1 (%2); check that the folder exists and you may write there</source>
        <translation>%1 kann nicht geschrieben werden (%2); prüfen Sie, ob der Ordner existiert und Sie dort schreiben dürfen</translation>
    </message>
    <message>
        <source>cannot put the job list in place as %1 (%2)</source>
        <translation>die Auftragsliste kann nicht als %1 abgelegt werden (%2)</translation>
    </message>
    <message>
        <source>cannot read the job list %1 (%2)</source>
        <translation>die Auftragsliste %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is not a job list quavero-cli can use: line 1: %2</source>
        <translation>%1 ist keine Auftragsliste, die quavero-cli verwenden kann: Zeile 1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>%1 is not a whole job list: its first line says %2 jobs, and it holds %3</source>
        <translation>%1 ist keine vollständige Auftragsliste: ihre erste Zeile nennt %2 Aufträge, und sie enthält %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1: it holds job %2, where job %3 belongs; the jobs are numbered from 0 in the order of their lines</source>
        <translation>Zeile %1: sie enthält Auftrag %2, wo Auftrag %3 hingehört; die Aufträge sind ab 0 in der Reihenfolge ihrer Zeilen nummeriert</translation>
    </message>
    <message>
        <source>it is the result of another job</source>
        <translation>es ist das Ergebnis eines anderen Auftrags</translation>
    </message>
    <message>
        <source>cannot create the results folder %1; check that you may write beside the job list</source>
        <translation>der Ergebnisordner %1 kann nicht angelegt werden; prüfen Sie, ob Sie neben der Auftragsliste schreiben dürfen</translation>
    </message>
    <message>
        <source>cannot write the result of job %1 to %2 (%3)</source>
        <translation>das Ergebnis von Auftrag %1 kann nicht nach %2 geschrieben werden (%3)</translation>
    </message>
    <message>
        <source>%1: it is the result of another plan, made before the list was written again</source>
        <translation>%1: es ist das Ergebnis eines anderen Plans, erstellt bevor die Liste neu geschrieben wurde</translation>
    </message>
    <message>
        <source>its track %1 of %2 is no track of a sheet</source>
        <translation>sein Titel %1 von %2 ist kein Titel eines Cue-Sheets</translation>
    </message>
    <message>
        <source>its track ends at sample %1, before it starts at sample %2</source>
        <translation>sein Titel endet bei Sample %1, bevor er bei Sample %2 beginnt</translation>
    </message>
    <message>
        <source>its track&apos;s sample rate %1 is no rate of audio</source>
        <translation>die Abtastrate %1 seines Titels ist keine Audio-Abtastrate</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>eine Liste von Texten</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
</context>
<context>
    <name>LibraryRecord</name>
    <message>
        <source>This run converts as if there were no record and removes nothing.</source>
        <translation>Dieser Durchgang wandelt um, als gäbe es kein Register, und entfernt nichts.</translation>
    </message>
    <message>
        <source>The library record %1 is damaged.</source>
        <translation>Das Bibliotheksregister %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>Move the file away to let the next run start a new record.</source>
        <translation>Verschieben Sie die Datei, damit der nächste Durchgang ein neues Register beginnt.</translation>
    </message>
    <message>
        <source>%1 is not a library record of this program.</source>
        <translation>%1 ist kein Bibliotheksregister dieses Programms.</translation>
    </message>
    <message>
        <source>Move or rename that file to keep a record in this folder.</source>
        <translation>Verschieben oder benennen Sie diese Datei um, um in diesem Ordner ein Register zu führen.</translation>
    </message>
    <message>
        <source>The library record %1 was written by a newer version of this program.</source>
        <translation>Das Bibliotheksregister %1 wurde von einer neueren Version dieses Programms geschrieben.</translation>
    </message>
    <message>
        <source>Update the program to use it.</source>
        <translation>Aktualisieren Sie das Programm, um es zu verwenden.</translation>
    </message>
    <message>
        <source>The library record %1 cannot be opened.</source>
        <translation>Das Bibliotheksregister %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Check that you may read and write the destination folder.</source>
        <translation>Prüfen Sie, ob Sie den Zielordner lesen und beschreiben dürfen.</translation>
    </message>
    <message>
        <source>The library record %1 cannot be written: the disk is full or read-only.</source>
        <translation>Das Bibliotheksregister %1 lässt sich nicht schreiben: Der Datenträger ist voll oder schreibgeschützt.</translation>
    </message>
    <message>
        <source>The next run converts again what this one could not note. Free some space.</source>
        <translation>Der nächste Durchgang wandelt erneut um, was dieser nicht vermerken konnte. Schaffen Sie Platz.</translation>
    </message>
    <message>
        <source>Another run kept the library record %1 busy for too long, so this run could not note what it did. The next run checks those files again.</source>
        <translation>Ein anderer Durchgang hat das Bibliotheksregister %1 zu lange belegt, daher konnte dieser Durchgang nicht vermerken, was er getan hat. Der nächste Durchgang prüft diese Dateien erneut.</translation>
    </message>
    <message>
        <source>The library record cannot be used because the SQLite driver of Qt is missing.</source>
        <translation>Das Bibliotheksregister kann nicht verwendet werden, weil der SQLite-Treiber von Qt fehlt.</translation>
    </message>
    <message>
        <source>Install the package libqt6sql6-sqlite.</source>
        <translation>Installieren Sie das Paket libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>kept, because it was changed after it was converted</source>
        <translation>behalten, weil sie nach dem Umwandeln geändert wurde</translation>
    </message>
    <message>
        <source>kept, because a symbolic link leads to it</source>
        <translation>behalten, weil ein symbolischer Link zu ihr führt</translation>
    </message>
    <message>
        <source>could not be removed: %1</source>
        <translation>ließ sich nicht entfernen: %1</translation>
    </message>
    <message>
        <source>%1 was kept: its input is gone, but it was changed after it was converted</source>
        <translation>%1 wurde behalten: Das Original ist fort, aber die Datei wurde nach dem Umwandeln geändert</translation>
    </message>
    <message>
        <source>the record lists &quot;%1&quot;, which %2; nothing was removed for it</source>
        <translation>das Register nennt „%1“, das %2; dafür wurde nichts entfernt</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>%1 files hold no loudness tags: none were written</source>
        <translation>%1-Dateien haben keine Lautheits-Tags: Es wurden keine geschrieben</translation>
    </message>
    <message>
        <source>too short to measure</source>
        <translation>zu kurz zum Messen</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>still</translation>
    </message>
    <message>
        <source>the loudness could not be measured</source>
        <translation>die Lautheit konnte nicht gemessen werden</translation>
    </message>
    <message>
        <source>reached %1 LUFS of %2: peak limit</source>
        <translation>%1 LUFS von %2 erreicht: Spitzenpegelgrenze</translation>
    </message>
    <message>
        <source>ffmpeg could not be started to measure the loudness; check that ffmpeg is installed</source>
        <translation>ffmpeg konnte zum Messen der Lautheit nicht gestartet werden; prüfen Sie, ob ffmpeg installiert ist</translation>
    </message>
    <message>
        <source>the audio of %1 could not be decoded to measure its loudness; see the details</source>
        <translation>der Ton von %1 konnte zum Messen der Lautheit nicht dekodiert werden; siehe die Details</translation>
    </message>
    <message>
        <source>not normalised: %1</source>
        <translation>nicht normalisiert: %1</translation>
    </message>
    <message>
        <source>no loudness tags: %1</source>
        <translation>keine Lautheits-Tags: %1</translation>
    </message>
    <message>
        <source>loudness tags not written: %1</source>
        <translation>Lautheits-Tags nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>the file could not be copied to write them</source>
        <translation>die Datei konnte nicht kopiert werden, um sie zu schreiben</translation>
    </message>
    <message>
        <source>album gain not written into %1: %2</source>
        <translation>Album-Verstärkung nicht in %1 geschrieben: %2</translation>
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
        <translation>&amp;Ausgabeformat:</translation>
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
        <translation>Umzuwandelnde Dateien</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Sort by</source>
        <translation>&amp;Sortieren nach</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>&amp;Dauer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Ctrl+Alt+O</source>
        <translation>Ctrl+Alt+O</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>&amp;Dateien hinzufügen…</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>&amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Add Folder and &amp;Subfolders…</source>
        <translation>Ordner mit &amp;Unterordnern hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Convert…</source>
        <translation>U&amp;mwandeln…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Play/Pa&amp;use</source>
        <translation>Abspielen/Pa&amp;use</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Output &amp;Format Options…</source>
        <translation>Optionen des Aus&amp;gabeformats…</translation>
    </message>
    <message>
        <source>&amp;Colors…</source>
        <translation>&amp;Farben…</translation>
    </message>
    <message>
        <source>Quavero &amp;Web Page</source>
        <translation>Quavero-&amp;Webseite</translation>
    </message>
    <message>
        <source>Quavero &amp;Home Page</source>
        <translation>Quavero-&amp;Startseite</translation>
    </message>
    <message>
        <source>&amp;Privacy Note</source>
        <translation>Hinweis zum &amp;Datenschutz</translation>
    </message>
    <message>
        <source>&amp;About Quavero</source>
        <translation>&amp;Über Quavero</translation>
    </message>
    <message>
        <source>&amp;Show in Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>Show the selected file in the file manager</source>
        <translation>Die ausgewählte Datei in der Dateiverwaltung zeigen</translation>
    </message>
    <message>
        <source>&amp;Report a Problem</source>
        <translation>Ein &amp;Problem melden</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>&amp;Voreinstellungen</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>Als Voreinstellung &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Manage Presets…</source>
        <translation>Voreinstellungen &amp;verwalten…</translation>
    </message>
    <message>
        <source>Save &amp;Job List…</source>
        <translation>&amp;Auftragsliste speichern…</translation>
    </message>
    <message>
        <source>Plan the conversion of the list for other machines to carry out</source>
        <translation>Die Umwandlung der Liste planen, damit andere Rechner sie ausführen</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>named after the input: the template gave it an empty name</source>
        <translation>nach der Eingabe benannt: die Vorlage ergab einen leeren Namen</translation>
    </message>
    <message>
        <source>named after the input: it has no {%1}</source>
        <translation>nach der Eingabe benannt: sie hat kein {%1}</translation>
    </message>
    <message>
        <source>&apos;}&apos; at position %1 has no &apos;{&apos; before it</source>
        <translation>&apos;}&apos; an Position %1 hat kein &apos;{&apos; davor</translation>
    </message>
    <message>
        <source>&apos;]&apos; at position %1 has no &apos;[&apos; before it</source>
        <translation>&apos;]&apos; an Position %1 hat kein &apos;[&apos; davor</translation>
    </message>
    <message>
        <source>&apos;[&apos; at position %1 has no &apos;]&apos; after it</source>
        <translation>&apos;[&apos; an Position %1 hat kein &apos;]&apos; danach</translation>
    </message>
    <message>
        <source>&apos;\&apos; at position %1 ends the template; it makes the character after it plain text</source>
        <translation>&apos;\&apos; an Position %1 beendet die Vorlage; es macht das Zeichen danach zu reinem Text</translation>
    </message>
    <message>
        <source>&apos;{&apos; at position %1 has no &apos;}&apos; after it</source>
        <translation>&apos;{&apos; an Position %1 hat kein &apos;}&apos; danach</translation>
    </message>
    <message>
        <source>unknown field {%1} at position %2; the fields are: %3</source>
        <translation>unbekanntes Feld {%1} an Position %2; die Felder sind: %3</translation>
    </message>
    <message>
        <source>{%1} at position %2: after &apos;:&apos; comes a number of digits from 1 to %3, such as {track:02}</source>
        <translation>{%1} an Position %2: nach &apos;:&apos; folgt eine Stellenzahl von 1 bis %3, etwa {track:02}</translation>
    </message>
    <message>
        <source>the template is empty; write one such as {artist}/{title}</source>
        <translation>die Vorlage ist leer; schreiben Sie eine wie {artist}/{title}</translation>
    </message>
    <message>
        <source>&apos;/&apos; at position 1 starts the template; names are made inside the output folder</source>
        <translation>&apos;/&apos; an Position 1 beginnt die Vorlage; Namen entstehen im Ausgabeordner</translation>
    </message>
    <message>
        <source>&apos;/&apos; at position %1 ends the template; the last part names the file</source>
        <translation>&apos;/&apos; an Position %1 beendet die Vorlage; der letzte Teil benennt die Datei</translation>
    </message>
    <message>
        <source>the name template cannot be used: %1</source>
        <translation>die Namensvorlage ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>Each output keeps its input&apos;s name: %1</source>
        <translation>Jede Ausgabe behält den Namen ihrer Eingabe: %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Beispiel: %1</translation>
    </message>
</context>
<context>
    <name>OrphanRemoval</name>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>only %1 s of %2 s could be read; the file may be damaged</source>
        <translation>nur %1 s von %2 s ließen sich lesen; die Datei ist vielleicht beschädigt</translation>
    </message>
    <message>
        <source>the file is too large for the file system of the destination</source>
        <translation>die Datei ist zu groß für das Dateisystem des Ziels</translation>
    </message>
    <message>
        <source>the converted file could not be written: %1</source>
        <translation>die umgewandelte Datei ließ sich nicht schreiben: %1</translation>
    </message>
</context>
<context>
    <name>PlainFailure</name>
    <message>
        <source>the encoder does not accept the sample rate %1 Hz; choose another sample rate in the format options</source>
        <translation>der Encoder nimmt die Abtastrate %1 Hz nicht an; wählen Sie in den Formatoptionen eine andere Abtastrate</translation>
    </message>
    <message>
        <source>the encoder does not accept %1 channels; choose other channels in the format options</source>
        <translation>der Encoder nimmt %1 Kanäle nicht an; wählen Sie in den Formatoptionen andere Kanäle</translation>
    </message>
    <message>
        <source>the encoder does not accept the bitrate %1; choose another bitrate in the format options</source>
        <translation>der Encoder nimmt die Bitrate %1 nicht an; wählen Sie in den Formatoptionen eine andere Bitrate</translation>
    </message>
    <message>
        <source>this ffmpeg does not know the option -%1; install a complete ffmpeg or choose another format</source>
        <translation>dieses ffmpeg kennt die Option -%1 nicht; installieren Sie ein vollständiges ffmpeg oder wählen Sie ein anderes Format</translation>
    </message>
    <message>
        <source>ffmpeg does not accept %1 for its option %2; choose other values in the format options</source>
        <translation>ffmpeg nimmt %1 für seine Option %2 nicht an; wählen Sie in den Formatoptionen andere Werte</translation>
    </message>
    <message>
        <source>the encoder does not accept these settings (%1); choose other values in the format options</source>
        <translation>der Encoder nimmt diese Einstellungen nicht an (%1); wählen Sie in den Formatoptionen andere Werte</translation>
    </message>
    <message>
        <source>the destination disk is full; free some space on it or choose another destination folder</source>
        <translation>das Ziellaufwerk ist voll; schaffen Sie dort Platz oder wählen Sie einen anderen Zielordner</translation>
    </message>
    <message>
        <source>no permission to read the file; change its permissions or convert a copy of it</source>
        <translation>keine Berechtigung, die Datei zu lesen; ändern Sie ihre Rechte oder wandeln Sie eine Kopie um</translation>
    </message>
    <message>
        <source>no permission to write in the destination folder; choose another folder or change its permissions</source>
        <translation>keine Berechtigung, im Zielordner zu schreiben; wählen Sie einen anderen Ordner oder ändern Sie seine Rechte</translation>
    </message>
    <message>
        <source>the file is no longer there; it was moved, renamed or deleted after it was added</source>
        <translation>die Datei ist nicht mehr da; sie wurde nach dem Hinzufügen verschoben, umbenannt oder gelöscht</translation>
    </message>
    <message>
        <source>the destination folder is no longer there; choose it again or another one</source>
        <translation>der Zielordner ist nicht mehr da; wählen Sie ihn erneut oder einen anderen</translation>
    </message>
    <message>
        <source>the file holds no audio; there is nothing to convert</source>
        <translation>die Datei enthält kein Audio; es gibt nichts umzuwandeln</translation>
    </message>
    <message>
        <source>not an audio file ffmpeg can read; check that the file is complete and really holds audio</source>
        <translation>keine Audiodatei, die ffmpeg lesen kann; prüfen Sie, ob die Datei vollständig ist und wirklich Audio enthält</translation>
    </message>
    <message>
        <source>sample rate %1 Hz</source>
        <translation>Abtastrate %1 Hz</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>Kanäle %1</translation>
    </message>
    <message>
        <source>bitrate %1</source>
        <translation>Bitrate %1</translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>compression level %1</source>
        <translation>Kompressionsstufe %1</translation>
    </message>
    <message>
        <source>encoder %1</source>
        <translation>Encoder %1</translation>
    </message>
    <message>
        <source>%1 was killed (signal %2) before it finished, perhaps because memory ran out; convert the file again</source>
        <translation>%1 wurde vor dem Ende abgebrochen (Signal %2), vielleicht weil der Speicher ausging; wandeln Sie die Datei erneut um</translation>
    </message>
    <message>
        <source>%1 was stopped from outside (signal %2) before it finished; convert the file again</source>
        <translation>%1 wurde vor dem Ende von außen angehalten (Signal %2); wandeln Sie die Datei erneut um</translation>
    </message>
    <message>
        <source>%1 crashed (signal %2) on this file; the file may be damaged, or try another output format</source>
        <translation>%1 ist bei dieser Datei abgestürzt (Signal %2); die Datei ist vielleicht beschädigt, oder versuchen Sie ein anderes Ausgabeformat</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Phone (MP3, VBR quality 2)</source>
        <translation>Telefon (MP3, VBR-Qualität 2)</translation>
    </message>
    <message>
        <source>Archive (FLAC, same as input)</source>
        <translation>Archiv (FLAC, wie die Eingabe)</translation>
    </message>
    <message>
        <source>CD quality (WAV, 16 bit, 44,100 Hz)</source>
        <translation>CD-Qualität (WAV, 16 Bit, 44.100 Hz)</translation>
    </message>
    <message>
        <source>Speech (Opus, 32 kbit/s, mono)</source>
        <translation>Sprache (Opus, 32 kbit/s, mono)</translation>
    </message>
    <message>
        <source>Speech (MP3, 64 kbit/s, mono)</source>
        <translation>Sprache (MP3, 64 kbit/s, mono)</translation>
    </message>
    <message>
        <source>the stored presets cannot be read; they are kept as they are, and saving a preset starts a new list</source>
        <translation>die gespeicherten Voreinstellungen lassen sich nicht lesen; sie bleiben, wie sie sind, und das Speichern einer Voreinstellung beginnt eine neue Liste</translation>
    </message>
    <message>
        <source>stored preset %1 has no name or no format; it is left out</source>
        <translation>die gespeicherte Voreinstellung %1 hat keinen Namen oder kein Format; sie wird ausgelassen</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; is for the format &apos;%2&apos;, which this version does not have</source>
        <translation>die Voreinstellung &apos;%1&apos; ist für das Format &apos;%2&apos;, das diese Version nicht hat</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: %2 has no option &apos;%3&apos; in this version; it is left out</source>
        <translation>Voreinstellung &apos;%1&apos;: %2 hat in dieser Version keine Option &apos;%3&apos;; sie wird ausgelassen</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: &apos;%2&apos; is not a value of %3 in this version; it is left out</source>
        <translation>Voreinstellung &apos;%1&apos;: &apos;%2&apos; ist in dieser Version kein Wert von %3; er wird ausgelassen</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: its name template is left out: %2</source>
        <translation>Voreinstellung &apos;%1&apos;: ihre Namensvorlage wird ausgelassen: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: the run setting &apos;%2&apos; is not known to this version; it is left out</source>
        <translation>Voreinstellung &apos;%1&apos;: die Umwandlungseinstellung &apos;%2&apos; kennt diese Version nicht; sie wird ausgelassen</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: &apos;%2&apos; is not a value of %3; it is left out</source>
        <translation>Voreinstellung &apos;%1&apos;: &apos;%2&apos; ist kein Wert von %3; er wird ausgelassen</translation>
    </message>
    <message>
        <source>names from the inputs</source>
        <translation>Namen der Eingaben</translation>
    </message>
    <message>
        <source>names %1</source>
        <translation>Namen %1</translation>
    </message>
    <message>
        <source>the saved preset &apos;%1&apos; has the name of a built-in preset; it is left out</source>
        <translation>die gespeicherte Voreinstellung &apos;%1&apos; hat den Namen einer eingebauten Voreinstellung; sie wird ausgelassen</translation>
    </message>
    <message>
        <source>a preset needs a name of letters, digits or signs, not &apos;%1&apos;</source>
        <translation>eine Voreinstellung braucht einen Namen aus Buchstaben, Ziffern oder Zeichen, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the name of a built-in preset; choose another name</source>
        <translation>&apos;%1&apos; ist der Name einer eingebauten Voreinstellung; wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>a saved preset is already named &apos;%1&apos;; choose another name</source>
        <translation>eine gespeicherte Voreinstellung heißt schon &apos;%1&apos;; wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>no saved preset is named &apos;%1&apos;</source>
        <translation>keine gespeicherte Voreinstellung heißt &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ProgramCheck</name>
    <message>
        <source>The program &quot;%1&quot; cannot be run.</source>
        <translation>Das Programm „%1“ lässt sich nicht ausführen.</translation>
    </message>
    <message>
        <source>Quavero needs &quot;%1&quot; to convert audio files to this format, but it could not start it (tried &quot;%2&quot;). Install the Debian package &quot;%3&quot; (sudo apt install %3) and try again.</source>
        <translation>Quavero braucht „%1“, um Audiodateien in dieses Format umzuwandeln, konnte es aber nicht starten (versucht: „%2“). Installieren Sie das Debian-Paket „%3“ (sudo apt install %3) und versuchen Sie es erneut.</translation>
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
    <name>QtSound</name>
    <message>
        <source>the preview file %1 is missing</source>
        <translation>die Vorschaudatei %1 fehlt</translation>
    </message>
    <message>
        <source>no sound output device was found</source>
        <translation>es wurde kein Tonausgabegerät gefunden</translation>
    </message>
    <message>
        <source>the sound system reported an error</source>
        <translation>das Tonsystem hat einen Fehler gemeldet</translation>
    </message>
</context>
<context>
    <name>QuaveroCli</name>
    <message>
        <source>unknown option &apos;--%1&apos;</source>
        <translation>unbekannte Option &apos;--%1&apos;</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;-%1&apos;</source>
        <translation>unbekannte Option &apos;-%1&apos;</translation>
    </message>
    <message>
        <source>-o/--output-dir needs a folder</source>
        <translation>-o/--output-dir braucht einen Ordner</translation>
    </message>
    <message>
        <source>--set takes NAME=VALUE (for example --set quality=2), not &apos;%1&apos;</source>
        <translation>--set nimmt NAME=WERT (zum Beispiel --set quality=2), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-j/--jobs takes a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>-j/--jobs nimmt eine ganze Zahl von 1 bis %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 has no options, so --set %2 cannot apply</source>
        <translation>%1 hat keine Optionen, also kann --set %2 nicht gelten</translation>
    </message>
    <message>
        <source>%1 has no option &apos;%2&apos;; its options are: %3</source>
        <translation>%1 hat keine Option &apos;%2&apos;; seine Optionen sind: %3</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;; the formats are: %2</source>
        <translation>unbekanntes Format &apos;%1&apos;; die Formate sind: %2</translation>
    </message>
    <message>
        <source>no output folder: name one with -o DIR</source>
        <translation>kein Ausgabeordner: nennen Sie einen mit -o DIR</translation>
    </message>
    <message>
        <source>nothing to convert: name at least one audio file or folder</source>
        <translation>nichts umzuwandeln: nennen Sie mindestens eine Audiodatei oder einen Ordner</translation>
    </message>
    <message>
        <source>the output folder %1 is a file; name a folder with -o</source>
        <translation>der Ausgabeordner %1 ist eine Datei; nennen Sie mit -o einen Ordner</translation>
    </message>
    <message>
        <source>cannot create the output folder %1; check that you may write there, or name another with -o</source>
        <translation>der Ausgabeordner %1 lässt sich nicht anlegen; prüfen Sie, ob Sie dort schreiben dürfen, oder nennen Sie mit -o einen anderen</translation>
    </message>
    <message>
        <source>speed, gain, treble and bass apply to %1 only with %2; they are left out</source>
        <translation>Tempo, Verstärkung, Höhen und Bässe gelten für %1 nur mit %2; sie entfallen</translation>
    </message>
    <message>
        <source>; default </source>
        <translation>; Standard </translation>
    </message>
    <message>
        <source>  (speed, gain, treble and bass apply only with %1)
</source>
        <translation>  (Tempo, Verstärkung, Höhen und Bässe gelten nur mit %1)
</translation>
    </message>
    <message>
        <source>%1 (%2): writes *%3
</source>
        <translation>%1 (%2): schreibt *%3
</translation>
    </message>
    <message>
        <source>  no options
</source>
        <translation>  keine Optionen
</translation>
    </message>
    <message>
        <source>not an audio file this program converts: its extension is not one of %1</source>
        <translation>keine Audiodatei, die dieses Programm umwandelt: ihre Endung ist keine von %1</translation>
    </message>
    <message>
        <source>%1 holds no file ending in .%2%3</source>
        <translation>%1 enthält keine Datei mit der Endung .%2%3</translation>
    </message>
    <message>
        <source> (-r looks in its subfolders too)</source>
        <translation> (-r sucht auch in seinen Unterordnern)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a value of %2; it takes %3</source>
        <translation>&apos;%1&apos; ist kein Wert von %2; erlaubt ist %3</translation>
    </message>
    <message>
        <source>a factor such as 1.25 (above 0, up to %1)</source>
        <translation>ein Faktor wie 1.25 (über 0, bis %1)</translation>
    </message>
    <message>
        <source>whole decibels, %1 to %2, such as -6 or 3</source>
        <translation>ganze Dezibel, %1 bis %2, etwa -6 oder 3</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>umgewandelt %1 -&gt; %2</translation>
    </message>
    <message>
        <source>FAILED    %1: %2</source>
        <translation>FEHLER    %1: %2</translation>
    </message>
    <message>
        <source>stopped   %1</source>
        <translation>angehalten %1</translation>
    </message>
    <message>
        <source>%1 of %2 files done, %3 converting</source>
        <translation>%1 von %2 Dateien fertig, %3 in Arbeit</translation>
    </message>
    <message>
        <source>, %1 not converted (stopped by %2)</source>
        <translation>, %1 nicht umgewandelt (angehalten durch %2)</translation>
    </message>
    <message>
        <source>failed: %1: %2
</source>
        <translation>fehlgeschlagen: %1: %2
</translation>
    </message>
    <message>
        <source>quavero-cli: %1
Try &apos;quavero-cli --help&apos; for more information.
</source>
        <translation>quavero-cli: %1
»quavero-cli --help« gibt weitere Informationen.
</translation>
    </message>
    <message>
        <source>, %1 not converted (the disk is full)</source>
        <translation>, %1 nicht umgewandelt (das Laufwerk ist voll)</translation>
    </message>
    <message>
        <source>not converted: %1
</source>
        <translation>nicht umgewandelt: %1
</translation>
    </message>
    <message>
        <source>renamed: %1: saved as %2
</source>
        <translation>umbenannt: %1: gespeichert als %2
</translation>
    </message>
    <message>
        <source>warning: %1: converted; %2
</source>
        <translation>Warnung: %1: umgewandelt; %2
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
Voreinstellungen: Eine Voreinstellung ist ein Name für ein Format mit seinen
Optionen (darunter die Effekte) und den Umwandlungseinstellungen (Tags,
Ordner behalten oder flach). Sie liegen in der Einstellungsdatei des
Desktop-Programms, so haben beide Programme dieselben.
      --preset NAME       nutzt die Voreinstellung: ihr Format und jede Option
                          dieses Formats, wie die Voreinstellung sie setzt
                          oder, wo sie keine setzt, mit dem Standardwert.
                          Danach angegebene Optionen gehen ihr vor. NAME darf
                          die Bemerkung in Klammern weglassen (--preset phone)
      --save-preset NAME  speichert das Format und die Optionen derselben
                          Zeile als Voreinstellung, ersetzt eine gespeicherte
                          dieses Namens und wandelt nichts um
      --list-presets      zeigt jede Voreinstellung mit ihrem Inhalt
</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are: %2</source>
        <translation>unbekannte Voreinstellung &apos;%1&apos;; die Voreinstellungen sind: %2</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; is for %2, but the format is %3: its options are left out</source>
        <translation>die Voreinstellung &apos;%1&apos; ist für %2, das Format ist aber %3: ihre Optionen werden ausgelassen</translation>
    </message>
    <message>
        <source>Built-in presets:
</source>
        <translation>Eingebaute Voreinstellungen:
</translation>
    </message>
    <message>
        <source>
Saved presets:
</source>
        <translation>
Gespeicherte Voreinstellungen:
</translation>
    </message>
    <message>
        <source>  none yet: save one with --save-preset NAME
</source>
        <translation>  noch keine: speichern Sie eine mit --save-preset NAME
</translation>
    </message>
    <message>
        <source>Replaced the preset &apos;%1&apos;: %2
</source>
        <translation>Voreinstellung &apos;%1&apos; ersetzt: %2
</translation>
    </message>
    <message>
        <source>Saved the preset &apos;%1&apos;: %2
</source>
        <translation>Voreinstellung &apos;%1&apos; gespeichert: %2
</translation>
    </message>
    <message>
        <source>Nothing was converted; use it with --preset &quot;%1&quot;.
</source>
        <translation>Nichts wurde umgewandelt; nutzen Sie sie mit --preset &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <translation>%1 nach %2 kopieren</translation>
    </message>
    <message>
        <source>remove %1, whose original is gone</source>
        <translation>%1 entfernen, dessen Original fort ist</translation>
    </message>
    <message>
        <source>%1 up to date</source>
        <translation>%1 aktuell</translation>
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
Eine umgewandelte Sammlung auf Stand halten: Jede Ausgabe wird unter einem
versteckten Zwischennamen neben ihrem endgültigen geschrieben und erst
umbenannt, wenn sie vollständig, mit Tags versehen und auf der Platte ist;
ein angehaltenes oder fehlgeschlagenes Umwandeln hinterlässt also nie eine
abgeschnittene Datei, und eine ältere Ausgabe dieses Namens bleibt unberührt.
  -u, --update            wandelt nur um, was sich geändert hat: Eine Eingabe,
                          deren Ausgabe aus ihr, wie sie jetzt ist, mit
                          demselben Format und denselben Optionen entstand,
                          wird als aktuell übersprungen
      --delete-orphans    entfernt die Ausgaben, die das Register nennt und
                          deren Eingabe nicht mehr unter den Eingaben ist;
                          nie eine Datei, die es nicht nennt, noch eine, die
                          seitdem geändert wurde
      --copy-same-format  kopiert eine Eingabe, die schon im Ausgabeformat
                          ist, statt sie neu zu kodieren, außer ein Effekt
                          ist gesetzt
Das Register ist die Datei .quavero-library.db im Ausgabeordner, geführt von
-u und --delete-orphans. Ohne eines überspringt -u eine Ausgabe, die neuer als
ihre Eingabe ist. -n nennt in Zeilen mit # am Anfang, was kopiert und
entfernt würde.
</translation>
    </message>
    <message>
        <source>copied    %1 -&gt; %2</source>
        <translation>kopiert   %1 -&gt; %2</translation>
    </message>
    <message>
        <source>removed   %1 (its original is gone)</source>
        <translation>entfernt  %1 (das Original ist fort)</translation>
    </message>
    <message>
        <source>removed: %1
</source>
        <translation>entfernt: %1
</translation>
    </message>
    <message>
        <source>warning: %1
</source>
        <translation>Warnung: %1
</translation>
    </message>
    <message>
        <source>Everything is up to date.
</source>
        <translation>Alles ist aktuell.
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
Eingaben: Dateien, deren Endung in beliebiger Schreibweise ein Formatname oben
oder eine dieser ist:
  %1
Ein Film liefert seine erste Tonspur, nie sein Bild.

Abtastrate, Kanäle und Samplegröße: sofern --set nichts anderes sagt, behält
jede Ausgabe die ihrer Eingabe („Wie die Eingabe“), soweit das Format sie
nimmt (mp3 höchstens 2 Kanäle und 48000 Hz, amr 8000 Hz mono, opus 48000 Hz);
die wav einer verlustbehafteten Eingabe hat 16 Bit.
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
Tags: Die Text-Tags und die Bilder jeder Eingabe werden in ihre Ausgabe
kopiert (die Eingabe wird nur gelesen); --no-tags kopiert keine.
  mp3              ID3v2.4-Tags mit allen Bildern
  flac, ogg, spx,  Vorbis-Kommentare mit allen Bildern
  opus
  m4a              MP4-Tags; JPEG-, PNG-, GIF- und BMP-Bilder in &quot;covr&quot;
  wma              ASF-Attribute mit allen Bildern (WM/Picture)
  wav              eine RIFF-INFO-Liste und ein ID3v2-Chunk mit allen Bildern
  aifc, aiff, aif  ein ID3v2-Chunk mit allen Bildern
  caf, au          die Text-Tags, die ffmpeg kopiert
  ac3, amr, raw    keine: Diese Formate enthalten keine Tags
Ein Bild, das eine Ausgabe nicht aufnehmen kann, entfällt; die Zusammenfassung
nennt die Datei mit dem Grund, und sie zählt trotzdem als umgewandelt.
</translation>
    </message>
    <message>
        <source>Choose another with --set.</source>
        <translation>Wählen Sie mit --set einen anderen Wert.</translation>
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
        <translation>Aufruf: quavero-cli [OPTIONEN] EINGABE...
Wandelt Audiodateien mit ffmpeg in ein Ausgabeformat um (und mit sox für die
Effekte Tempo, Verstärkung, Höhen und Bässe): eine Ausgabedatei je Eingabe,
nach ihr benannt, im Ausgabeordner.

Eine EINGABE ist eine Audiodatei oder ein Ordner. Ein Ordner fügt die
Audiodateien direkt darin hinzu, nach Namen geordnet (siehe Eingaben unten);
mit -r auch die Dateien seiner Unterordner.

Optionen:
  -f, --format FMT      das Ausgabeformat (Standard mp3), eines von: %1
                        (beliebige Groß-/Kleinschreibung, mit oder ohne
                        Punkt: .MP3)
  -o, --output-dir DIR  der Ordner für die umgewandelten Dateien, wird bei
                        Bedarf angelegt (erforderlich)
      --set NAME=VALUE  setzt eine Option des Ausgabeformats; wiederholbar.
                        VALUE ist eine Beschriftung des Optionsdialogs (in
                        Englisch), Groß-/Kleinschreibung und Leerzeichen egal
                        (channels=stereo, quality=0); speed nimmt einen
                        Faktor (1.25), gain, treble und bass ganze Dezibel
                        (-6). Nicht gesetzte Optionen behalten ihre
                        Standardwerte. --list-formats zeigt jeden NAME und
                        jeden VALUE
  -j, --jobs N          wie viele Dateien gleichzeitig umgewandelt werden
                        (Standard: eine je Prozessor, hier %2)
  -r, --recursive       ein Ordner als EINGABE fügt auch die Dateien seiner
                        Unterordner hinzu; ihre Ausgaben kommen in dieselben
                        Unterordner unterhalb des Ausgabeordners, die bei
                        Bedarf angelegt werden
      --flat            mit -r: legt jede Ausgabe direkt im Ausgabeordner
                        ab statt in ihrem Unterordner
  -n, --dry-run         gibt jeden ffmpeg- und sox-Befehl aus, der laufen
                        würde, einen je Zeile, für eine POSIX-Shell
                        maskiert, und wandelt nichts um
  -q, --quiet           gibt keinen Fortschritt und keine Zusammenfassung
                        aus; Fehlschläge werden weiterhin gemeldet
  -v, --verbose         gibt für jede Datei, die nicht umgewandelt werden
                        konnte, auch die ausgeführten ffmpeg- und sox-Befehle
                        und die letzten 20 Zeilen ihrer Ausgabe aus
      --list-formats    gibt jedes Format mit seinen Optionen aus, ihre
                        NAMEN, jeden erlaubten VALUE und den Standardwert (*)
  -h, --help            gibt diese Hilfe aus
      --version         gibt die Version aus

Eine vorhandene Ausgabedatei wird ersetzt, eine Eingabedatei nie (eine solche
Datei wird als fehlgeschlagen gemeldet). Keine Ausgabe eines Durchgangs
ersetzt eine andere Ausgabe desselben Durchgangs: Von Eingaben, die in
dieselbe Ausgabedatei geschrieben würden (a.wav und a.flac nach mp3), erhält
die erste in der angegebenen Reihenfolge den Namen (a.mp3), die übrigen einen
nummerierten (a (2).mp3, a (3).mp3), den noch keine Datei trägt, und die
Zusammenfassung nennt jede von ihnen.

Rückgabewert:
  %3    jede Datei wurde umgewandelt
  %4    mindestens eine Datei konnte nicht umgewandelt werden (jede wird mit
       dem Grund genannt; die übrigen werden umgewandelt), oder nichts konnte
       beginnen: ffmpeg oder sox fehlt, ein Ausgabeordner lässt sich nicht
       anlegen
  %5    die Befehlszeile ist falsch oder verlangt einen Wert, mit dem das
       Format nicht geschrieben werden kann (mp3 mit 96000 Hz); nichts wurde
       umgewandelt
  %6  mit Strg+C angehalten: die laufenden Umwandlungen werden beendet, ihre
       Teildateien entfernt und die schon umgewandelten Dateien behalten. 130
       ist 128 plus die Nummer des Unterbrechungssignals, was eine Shell für
       einen mit Strg+C beendeten Befehl meldet; so kann ein Skript einen
       Abbruch von fehlgeschlagenen Dateien unterscheiden und selbst anhalten
       (ebenso 143 nach SIGTERM).
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
Auftragslisten: ein Lauf, hier geplant und anderswo von Arbeitsrechnern
ausgeführt, für GNU parallel oder ein Slurm-Job-Array. Eine Auftragsliste
enthält das Format, seine Optionen und Ein- und Ausgabe jeder Datei, nie
einen Befehl: ein Arbeitsrechner baut die ffmpeg- und sox-Befehle selbst.
      --plan DATEI        plant den Lauf, den die übrigen Optionen und
                          EINGABEN verlangen, und schreibt ihn als
                          Auftragsliste nach DATEI, ein Auftrag je Datei;
                          wandelt nichts um
      --from-plan DATEI   führt Aufträge der Liste DATEI aus: --index N den
                          Auftrag N (ab 0), --chunk K/C den K-ten von C
                          gleichen Teilen (K ab 0), -j N davon gleichzeitig.
                          Ein bereits erledigter Auftrag, dessen Ausgabe noch
                          da ist, wird übersprungen. Das Ergebnis jedes
                          Auftrags kommt nach DATEI.results/N.json
      --in-root ORDNER,
      --out-root ORDNER   wo dieser Rechner die Ein- und Ausgabeordner der
                          Liste findet, wenn nicht dort, wo die Liste sagt
      --report DATEI      fasst die Ergebnisse der Aufträge der Liste
                          zusammen; mit --failed gibt es die Nummer jedes
                          nicht erledigten Auftrags aus (fehlgeschlagen oder
                          ohne Ergebnis), eine je Zeile; mit -u trägt es
                          jeden erledigten Auftrag ins Bibliotheksverzeichnis
                          des Ausgabeordners ein (--plan -u lässt aus, was
                          dort aktuell ist)
      --list-jobs DATEI   gibt Nummer, Eingabe und Ausgabe jedes Auftrags aus
                          (relativ zu den Ordnern der Liste), jeweils mit
                          einem NUL abgeschlossen, für parallel -0 -N3
                          --transferfile
Mit --from-plan und --report ist der Rückgabewert 0, wenn jeder Auftrag
erledigt (oder übersprungen) ist, 1, wenn einer fehlschlug oder kein Ergebnis
hat, und 2, wenn die Liste nicht verwendbar ist (eine andere Version, ein
Auftrag, den es nicht gibt, eine Zeile, die diese Version nicht kennt); dann
wird nichts ausgeführt.
</translation>
    </message>
    <message>
        <source>the job list %1 cannot be used: %2</source>
        <translation>die Auftragsliste %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 und %2 können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>--%1 needs the path of a job list</source>
        <translation>--%1 braucht den Pfad einer Auftragsliste</translation>
    </message>
    <message>
        <source>--index takes the number of a job, 0 or more, not &apos;%1&apos;</source>
        <translation>--index erwartet die Nummer eines Auftrags, ab 0, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 needs a folder</source>
        <translation>--%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>--%1 goes with a job list: --from-plan or --report</source>
        <translation>--%1 gehört zu einer Auftragsliste: --from-plan oder --report</translation>
    </message>
    <message>
        <source>--%1 cannot be used with %2</source>
        <translation>--%1 kann nicht mit %2 verwendet werden</translation>
    </message>
    <message>
        <source>--%1 cannot be used with %2; run quavero-cli with it on the output folder itself</source>
        <translation>--%1 kann nicht mit %2 verwendet werden; führen Sie quavero-cli damit auf dem Ausgabeordner selbst aus</translation>
    </message>
    <message>
        <source>%1 takes the format, its options and the files from the job list; leave out %2</source>
        <translation>%1 nimmt das Format, seine Optionen und die Dateien aus der Auftragsliste; lassen Sie %2 weg</translation>
    </message>
    <message>
        <source>%1 takes the files from the job list; name no INPUT</source>
        <translation>%1 nimmt die Dateien aus der Auftragsliste; nennen Sie keine EINGABE</translation>
    </message>
    <message>
        <source>--from-plan runs either one job (--index N) or one slice of the list (--chunk K/C)</source>
        <translation>--from-plan führt entweder einen Auftrag (--index N) oder einen Teil der Liste (--chunk K/C) aus</translation>
    </message>
    <message>
        <source>%1 jobs written to %2: inputs below %3, outputs below %4
</source>
        <translation>%1 Aufträge nach %2 geschrieben: Eingaben unter %3, Ausgaben unter %4
</translation>
    </message>
    <message>
        <source>%1 files are up to date and are not in the list
</source>
        <translation>%1 Dateien sind aktuell und stehen nicht in der Liste
</translation>
    </message>
    <message>
        <source>%1 files cannot be converted and are not in the list (see above)
</source>
        <translation>%1 Dateien können nicht umgewandelt werden und stehen nicht in der Liste (siehe oben)
</translation>
    </message>
    <message>
        <source>the job list %1 cannot be used: line 1: %2</source>
        <translation>die Auftragsliste %1 kann nicht verwendet werden: Zeile 1: %2</translation>
    </message>
    <message>
        <source>the library record in %1 could not be written</source>
        <translation>das Bibliotheksverzeichnis in %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the library record in %1 notes %2 outputs
</source>
        <translation>das Bibliotheksverzeichnis in %1 verzeichnet %2 Ausgaben
</translation>
    </message>
    <message>
        <source>a result is left out: %1</source>
        <translation>ein Ergebnis wird ausgelassen: %1</translation>
    </message>
    <message>
        <source>not run yet: %1 of %2 jobs have no result; --report %3 --failed lists them with the failed ones
</source>
        <translation>noch nicht ausgeführt: %1 von %2 Aufträgen haben kein Ergebnis; --report %3 --failed listet sie mit den fehlgeschlagenen auf
</translation>
    </message>
    <message>
        <source>the job list %1 has no job %2: it holds %3 jobs, numbered from 0</source>
        <translation>die Auftragsliste %1 hat keinen Auftrag %2: sie enthält %3 Aufträge, ab 0 nummeriert</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line 1: %1</source>
        <translation>Zeile 1: %1</translation>
    </message>
    <message>
        <source>skipped: %1: done before, and its output is there
</source>
        <translation>übersprungen: %1: bereits erledigt, und seine Ausgabe ist vorhanden
</translation>
    </message>
    <message>
        <source>--replaygain takes track or album (or none), not &apos;%1&apos;</source>
        <translation>--replaygain nimmt track oder album (oder none), nicht „%1“</translation>
    </message>
    <message>
        <source>--normalize takes a loudness in LUFS from %1 to %2 (for example -16), not &apos;%3&apos;</source>
        <translation>--normalize nimmt eine Lautheit in LUFS von %1 bis %2 (zum Beispiel -16), nicht „%3“</translation>
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
Gleichmäßige Lautheit (ITU-R BS.1770 / EBU R128), gemessen am Audio, das die
Umwandlung dekodiert:
      --replaygain MODUS  schreibt Lautheits-Tags: track (Verstärkung und
                          Spitze jeder Datei, auf -18 LUFS; Opus: R128-Werte
                          auf -23 LUFS) oder album (auch die des Albums, aus
                          allen Dateien eines Laufs mit gleichem Album-Tag und
                          Ordner); none schreibt keine (Vorgabe). Formate ohne
                          Tags erhalten keine, und die Zusammenfassung sagt es
      --normalize LUFS    misst jede Datei zuerst und wandelt sie dann mit
                          einer Verstärkung auf LUFS um (-70 bis 0, zum
                          Beispiel -16 oder --normalize=-23), zurückgehalten,
                          wo die echte Spitze -1 dBTP überschritte; die
                          Zusammenfassung sagt, wie weit eine solche Datei kam.
                          Eine Datei unter 0,4 s oder Stille erhält keine Tags
                          und keine Verstärkung, und eine Warnung.
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
Album-Abbilder: Eine EINGABE (oder eine Datei in einem Ordner als EINGABE),
die auf .cue endet, ist ein CUE-Sheet. Jeder seiner Titel wird in eine eigene
Datei umgewandelt, nach dem Sheet &quot;NN Titel&quot; benannt und Sample für Sample
aus dem Abbild geschnitten, das das Sheet nennt (die Pause vor einem Titel
bleibt beim Titel davor); das Abbild selbst wird nicht noch einmal
umgewandelt, wenn sein Sheet unter den Eingaben ist. Ein FLAC-Abbild, das sein
Sheet enthält (ein CUESHEET-Tag oder einen Cue-Sheet-Block), wird ebenso
geteilt. Titel, Interpreten, Album, Jahr und Genre des Sheets und die Nummer
des Titels kommen in jedem Titel über die Tags und Bilder des Abbilds. Ein
Sheet, das eine fehlende Datei nennt oder nicht gelesen werden kann, schlägt
mit dem Grund fehl.
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
Ausgabenamen: ohne --name behält jede Ausgabe den Namen ihrer Eingabe.
      --name VORLAGE      benennt jede Ausgabe nach den Tags ihrer Eingabe,
                          etwa &apos;{albumartist}/{album}/{track:02} {title}&apos;
Felder: {title} {artist} {album} {albumartist} (der Interpret, wenn leer)
{track} {tracktotal} {disc} {disctotal} {year} {genre} {composer}, {name}
(der Name der Eingabe) und {folder} (ihr Ordner unter dem angegebenen).
{track:02} füllt mit Nullen auf; ein Teil in [ ] entfällt, wenn ein Feld darin
leer ist; / legt Ordner an, ein / in einem Tag aber nie: es und \ : * ? &quot; &lt; &gt; |
werden zu _. Eine Eingabe ohne ein Feld, das außerhalb von [ ] steht, behält
ihren Namen ({folder}/{name} mit -r), und die Zusammenfassung sagt es.
Ausgaben mit demselben Namen werden nummeriert. Ein unbekanntes Feld oder ein
offenes [ oder { ist ein Fehler, der seine Stelle nennt.
</translation>
    </message>
    <message>
        <source>note: %1: %2
</source>
        <translation>Hinweis: %1: %2
</translation>
    </message>
</context>
<context>
    <name>RecordedPath</name>
    <message>
        <source>the path is empty</source>
        <translation>der Pfad ist leer</translation>
    </message>
    <message>
        <source>the path is absolute, not below the destination folder</source>
        <translation>der Pfad ist absolut, nicht unterhalb des Zielordners</translation>
    </message>
    <message>
        <source>the path leads out of the destination folder</source>
        <translation>der Pfad führt aus dem Zielordner hinaus</translation>
    </message>
    <message>
        <source>the path is not written as a plain relative path</source>
        <translation>der Pfad ist kein einfacher relativer Pfad</translation>
    </message>
    <message>
        <source>the path names the record itself</source>
        <translation>der Pfad nennt das Register selbst</translation>
    </message>
    <message>
        <source>the path goes through a symbolic link</source>
        <translation>der Pfad führt über eine symbolische Verknüpfung</translation>
    </message>
</context>
<context>
    <name>RunNotice</name>
    <message>
        <source>Conversion finished</source>
        <translation>Umwandlung abgeschlossen</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <translation>1 Datei umgewandelt.</translation>
    </message>
    <message>
        <source>%1 files converted.</source>
        <translation>%1 Dateien umgewandelt.</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed.</source>
        <translation>1 Datei umgewandelt, %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed.</source>
        <translation>%1 Dateien umgewandelt, %2 fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>RunOutcome</name>
    <message>
        <source>%1 converted</source>
        <translation>%1 umgewandelt</translation>
    </message>
    <message>
        <source>%1 up to date</source>
        <translation>%1 aktuell</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Saved under another name, because another file of this run has the same name:</source>
        <translation>Unter anderem Namen gespeichert, weil eine andere Datei dieses Durchgangs denselben Namen hat:</translation>
    </message>
    <message>
        <source>%1: saved as %2</source>
        <translation>%1: gespeichert als %2</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Audio files were converted successfully.</source>
        <translation>Die Audiodateien wurden erfolgreich umgewandelt.</translation>
    </message>
    <message>
        <source>1 of %1 files could not be converted.</source>
        <translation>1 von %1 Dateien konnte nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>%1 of %2 files could not be converted.</source>
        <translation>%1 von %2 Dateien konnten nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>The file could not be converted.</source>
        <translation>Die Datei konnte nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>Check these files and the format options, then convert them again.</source>
        <translation>Prüfen Sie diese Dateien und die Formatoptionen und wandeln Sie sie dann erneut um.</translation>
    </message>
    <message>
        <source>%1: converted; %2</source>
        <translation>%1: umgewandelt; %2</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Alles ist aktuell</translation>
    </message>
    <message>
        <source>All %1 files were converted before and have not changed since.</source>
        <translation>Alle %1 Dateien wurden schon umgewandelt und haben sich seitdem nicht geändert.</translation>
    </message>
    <message>
        <source>Removed, because its original is gone: %1</source>
        <translation>Entfernt, weil das Original fort ist: %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Quavero is already running.</source>
        <translation>Quavero läuft bereits.</translation>
    </message>
    <message>
        <source>Another Quavero window is open but does not answer. Close it, then start Quavero again.</source>
        <translation>Ein anderes Quavero-Fenster ist geöffnet, reagiert aber nicht. Schließen Sie es und starten Sie Quavero dann erneut.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TagCopy</name>
    <message>
        <source>the tags of the input could not be read</source>
        <translation>die Tags der Eingabe ließen sich nicht lesen</translation>
    </message>
    <message>
        <source>there is no room beside the converted file for a tagged copy</source>
        <translation>neben der umgewandelten Datei ist kein Platz für eine Kopie mit Tags</translation>
    </message>
    <message>
        <source>the tagged copy could not take the place of the converted file</source>
        <translation>die Kopie mit Tags konnte die umgewandelte Datei nicht ersetzen</translation>
    </message>
    <message>
        <source>the converted file could not be opened for writing</source>
        <translation>die umgewandelte Datei ließ sich nicht zum Schreiben öffnen</translation>
    </message>
    <message>
        <source>writing them into the converted file failed</source>
        <translation>sie ließen sich nicht in die umgewandelte Datei schreiben</translation>
    </message>
    <message>
        <source>the converted file could not be read to add them</source>
        <translation>die umgewandelte Datei ließ sich nicht lesen, um sie hinzuzufügen</translation>
    </message>
    <message>
        <source>picture not copied: %1</source>
        <translation>Bild nicht kopiert: %1</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot;</source>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>tags not copied: %1</source>
        <translation>Tags nicht kopiert: %1</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG, GIF, BMP or WebP image</source>
        <translation>%1 ist kein JPEG-, PNG-, GIF-, BMP- oder WebP-Bild</translation>
    </message>
    <message>
        <source>%1 is a WebP image, which %2 cannot hold</source>
        <translation>%1 ist ein WebP-Bild, das %2 nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>%1 (%2 MB) is too large for %3, which takes at most %4 MB</source>
        <translation>%1 (%2 MB) ist zu groß für %3, das höchstens %4 MB aufnimmt</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>das Bild</translation>
    </message>
    <message>
        <source>file icon</source>
        <translation>das Dateisymbol</translation>
    </message>
    <message>
        <source>other file icon</source>
        <translation>das andere Dateisymbol</translation>
    </message>
    <message>
        <source>front cover</source>
        <translation>das Titelbild</translation>
    </message>
    <message>
        <source>back cover</source>
        <translation>die Rückseite des Covers</translation>
    </message>
    <message>
        <source>leaflet page</source>
        <translation>die Seite des Beihefts</translation>
    </message>
    <message>
        <source>media picture</source>
        <translation>das Bild des Tonträgers</translation>
    </message>
    <message>
        <source>lead artist picture</source>
        <translation>das Bild des Hauptinterpreten</translation>
    </message>
    <message>
        <source>artist picture</source>
        <translation>das Bild des Interpreten</translation>
    </message>
    <message>
        <source>conductor picture</source>
        <translation>das Bild des Dirigenten</translation>
    </message>
    <message>
        <source>band picture</source>
        <translation>das Bild der Band</translation>
    </message>
    <message>
        <source>composer picture</source>
        <translation>das Bild des Komponisten</translation>
    </message>
    <message>
        <source>lyricist picture</source>
        <translation>das Bild des Textdichters</translation>
    </message>
    <message>
        <source>recording location picture</source>
        <translation>das Bild des Aufnahmeorts</translation>
    </message>
    <message>
        <source>picture taken during recording</source>
        <translation>das Bild von der Aufnahme</translation>
    </message>
    <message>
        <source>picture taken during performance</source>
        <translation>das Bild vom Auftritt</translation>
    </message>
    <message>
        <source>screen capture</source>
        <translation>das Bildschirmfoto</translation>
    </message>
    <message>
        <source>picture of a coloured fish</source>
        <translation>das Bild eines bunten Fisches</translation>
    </message>
    <message>
        <source>illustration</source>
        <translation>die Illustration</translation>
    </message>
    <message>
        <source>band logo</source>
        <translation>das Logo der Band</translation>
    </message>
    <message>
        <source>publisher logo</source>
        <translation>das Logo des Labels</translation>
    </message>
    <message>
        <source>the tags of .%1 files cannot be read; the output has only what ffmpeg carried over</source>
        <translation>die Tags von .%1-Dateien können nicht gelesen werden; die Ausgabe hat nur, was ffmpeg übernommen hat</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Fast fertig</translation>
    </message>
    <message>
        <source>About 1 minute left</source>
        <translation>Noch etwa 1 Minute</translation>
    </message>
    <message>
        <source>About %1 seconds left</source>
        <translation>Noch etwa %1 Sekunden</translation>
    </message>
    <message>
        <source>About %1 minutes left</source>
        <translation>Noch etwa %1 Minuten</translation>
    </message>
    <message>
        <source>About 1 hour left</source>
        <translation>Noch etwa 1 Stunde</translation>
    </message>
    <message>
        <source>About %1 hours left</source>
        <translation>Noch etwa %1 Stunden</translation>
    </message>
    <message>
        <source>About 1 hour %1 minutes left</source>
        <translation>Noch etwa 1 Stunde %1 Minuten</translation>
    </message>
    <message>
        <source>About %1 hours %2 minutes left</source>
        <translation>Noch etwa %1 Stunden %2 Minuten</translation>
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
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
</context>
<context>
    <name>Window_AF_MP3</name>
    <message>
        <source>MP3 Options</source>
        <translation>MP3-Optionen</translation>
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
    <message>
        <source>Variable bitrate</source>
        <translation>Variable Bitrate</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Constant bitrate</source>
        <translation>Konstante Bitrate</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Bitrate (kbit/s):</translation>
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
    <name>Window_AF_OPUS</name>
    <message>
        <source>Opus Options</source>
        <translation>Opus-Optionen</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Bitrate (kbit/s):</translation>
    </message>
    <message>
        <source>Bitrate mode:</source>
        <translation>Bitratenmodus:</translation>
    </message>
    <message>
        <source>Tuned for:</source>
        <translation>Abgestimmt auf:</translation>
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
    <name>Window_About</name>
    <message>
        <source>About Quavero</source>
        <translation>Über Quavero</translation>
    </message>
    <message>
        <source>Converts audio files from one format to another, many at a time.</source>
        <translation>Wandelt Audiodateien von einem Format in ein anderes um, viele auf einmal.</translation>
    </message>
    <message>
        <source>Programs that convert</source>
        <translation>Programme, die umwandeln</translation>
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
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Alternating rows, in the desktop&apos;s colors</source>
        <translation>Abwechselnde Zeilen, in den Farben der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Waveform colour</source>
        <translation>Farbe der Wellenform</translation>
    </message>
    <message>
        <source>List background</source>
        <translation>Hintergrund der Liste</translation>
    </message>
    <message>
        <source>List text colour</source>
        <translation>Textfarbe der Liste</translation>
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
</context>
<context>
    <name>Window_Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umwandlung</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Gleichzeitig umgewandelte Dateien</translation>
    </message>
    <message>
        <source>Convert </source>
        <translation>Gleichzeitig </translation>
    </message>
    <message>
        <source> files at once</source>
        <translation> Dateien umwandeln</translation>
    </message>
    <message>
        <source>Pause 2 seconds between files</source>
        <translation>2 Sekunden Pause zwischen den Dateien</translation>
    </message>
    <message>
        <source>Keeping a converted library in step</source>
        <translation>Eine umgewandelte Sammlung auf Stand halten</translation>
    </message>
    <message>
        <source>&amp;Skip files that are already converted and up to date</source>
        <translation>Bereits umgewandelte, aktuelle Dateien &amp;überspringen</translation>
    </message>
    <message>
        <source>&amp;Remove converted files whose original is gone</source>
        <translation>Umgewandelte Dateien ent&amp;fernen, deren Original fort ist</translation>
    </message>
    <message>
        <source>&amp;Copy files that already are in the output format</source>
        <translation>Dateien im Ausgabeformat &amp;kopieren statt umwandeln</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>Loudness &amp;tags:</source>
        <translation>Lautheits-&amp;Tags:</translation>
    </message>
    <message>
        <source>Loudness tags</source>
        <translation>Lautheits-Tags</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>&amp;Normalize loudness to</source>
        <translation>Lautheit &amp;normalisieren auf</translation>
    </message>
    <message>
        <source>Normalize loudness to, in LUFS</source>
        <translation>Lautheit normalisieren auf, in LUFS</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>Output names</source>
        <translation>Ausgabenamen</translation>
    </message>
    <message>
        <source>&amp;Name template (leave empty to keep each input&apos;s name):</source>
        <translation>&amp;Namensvorlage (leer lassen, um den Namen jeder Eingabe zu behalten):</translation>
    </message>
    <message>
        <source>Output name template</source>
        <translation>Vorlage für Ausgabenamen</translation>
    </message>
    <message>
        <source>Fields in braces: {title} {artist} {album} {albumartist} {track} {tracktotal} {disc} {disctotal} {year} {genre} {composer} {name} {folder}; {track:02} pads with zeros; a part in [ ] is left out when a field in it is empty; / makes folders</source>
        <translation>Felder in geschweiften Klammern: {title} {artist} {album} {albumartist} {track} {tracktotal} {disc} {disctotal} {year} {genre} {composer} {name} {folder}; {track:02} füllt mit Nullen auf; ein Teil in [ ] entfällt, wenn ein Feld darin leer ist; / legt Ordner an</translation>
    </message>
    <message>
        <source>Example output name</source>
        <translation>Beispiel eines Ausgabenamens</translation>
    </message>
</context>
<context>
    <name>Window_Presets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Voreinstellungen verwalten</translation>
    </message>
    <message>
        <source>&amp;Saved presets (the built-in ones cannot be changed):</source>
        <translation>&amp;Gespeicherte Voreinstellungen (die eingebauten lassen sich nicht ändern):</translation>
    </message>
    <message>
        <source>Saved presets</source>
        <translation>Gespeicherte Voreinstellungen</translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation>&amp;Neuer Name:</translation>
    </message>
    <message>
        <source>New name of the selected preset</source>
        <translation>Neuer Name der gewählten Voreinstellung</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Why the last change could not be made</source>
        <translation>Warum die letzte Änderung nicht möglich war</translation>
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
<context>
    <name>quavero::AlertDialog</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Details anzeigen…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Details ausblenden…</translation>
    </message>
</context>
<context>
    <name>quavero::AppDelegate</name>
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
    <message>
        <source>There are no audio files on the list.</source>
        <translation>Die Liste enthält keine Audiodateien.</translation>
    </message>
    <message>
        <source>There are no audio files on the list. Add audio files to convert.</source>
        <translation>Die Liste enthält keine Audiodateien. Fügen Sie Audiodateien zum Umwandeln hinzu.</translation>
    </message>
    <message>
        <source>Select an output folder to save the converted audio files.</source>
        <translation>Wählen Sie einen Ausgabeordner für die umgewandelten Audiodateien.</translation>
    </message>
    <message>
        <source>Choose a folder: its audio files and those of all its subfolders are added.</source>
        <translation>Wählen Sie einen Ordner: Seine Audiodateien und die aller seiner Unterordner werden hinzugefügt.</translation>
    </message>
    <message>
        <source>The preview could not be played.</source>
        <translation>Die Vorschau konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>The sound system reported: %1. Check that a sound output device is connected and working, then press Play again.</source>
        <translation>Das Tonsystem meldete: %1. Prüfen Sie, ob ein Tonausgabegerät angeschlossen ist und funktioniert, und drücken Sie dann erneut auf Abspielen.</translation>
    </message>
    <message>
        <source>Audio file could not be opened.</source>
        <translation>Die Audiodatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>There is no audio file selected.</source>
        <translation>Es ist keine Audiodatei ausgewählt.</translation>
    </message>
    <message>
        <source>There is no audio file selected. Select one audio file to play.</source>
        <translation>Es ist keine Audiodatei ausgewählt. Wählen Sie eine Audiodatei zum Abspielen.</translation>
    </message>
    <message>
        <source>There is more than one audio file selected.</source>
        <translation>Es ist mehr als eine Audiodatei ausgewählt.</translation>
    </message>
    <message>
        <source>There is more than one audio file selected. Select only one audio file to play.</source>
        <translation>Es ist mehr als eine Audiodatei ausgewählt. Wählen Sie nur eine Audiodatei zum Abspielen.</translation>
    </message>
    <message>
        <source>%1 cannot be written with these options.</source>
        <translation>%1 kann mit diesen Optionen nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Choose another in the %1 options, then convert again.</source>
        <translation>Wählen Sie in den %1-Optionen einen anderen Wert und wandeln Sie dann erneut um.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; cannot be used.</source>
        <translation>Die Voreinstellung „%1“ ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>Choose another preset, or save it again.</source>
        <translation>Wählen Sie eine andere Voreinstellung, oder speichern Sie sie neu.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was set without some of its settings.</source>
        <translation>Die Voreinstellung „%1“ wurde ohne einige ihrer Einstellungen gesetzt.</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Als Voreinstellung speichern</translation>
    </message>
    <message>
        <source>Name of the preset for the output format, its options and the name template:</source>
        <translation>Name der Voreinstellung für das Ausgabeformat, seine Optionen und die Namensvorlage:</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Eine Voreinstellung namens „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>Replace it with the current settings?</source>
        <translation>Durch die aktuellen Einstellungen ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The preset could not be saved.</source>
        <translation>Die Voreinstellung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Select the output folder the workers save the converted audio files in.</source>
        <translation>Wählen Sie den Ausgabeordner, in dem die ausführenden Rechner die umgewandelten Audiodateien speichern.</translation>
    </message>
    <message>
        <source>Save the job list</source>
        <translation>Auftragsliste speichern</translation>
    </message>
    <message>
        <source>The job list could not be saved.</source>
        <translation>Die Auftragsliste konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Choose a folder you may write in, then save the job list again.</source>
        <translation>Wählen Sie einen Ordner, in den Sie schreiben dürfen, und speichern Sie die Auftragsliste erneut.</translation>
    </message>
    <message>
        <source>Jobs: %1 of the list&apos;s %2 files, in %3.</source>
        <translation>Aufträge: %1 der %2 Dateien der Liste, in %3.</translation>
    </message>
    <message>
        <source>Up to date, and not in the list: %1.</source>
        <translation>Aktuell und daher nicht in der Liste: %1.</translation>
    </message>
    <message>
        <source>Not in the list, since they cannot be converted: %1 (see the details).</source>
        <translation>Nicht in der Liste, weil sie sich nicht umwandeln lassen: %1 (siehe Details).</translation>
    </message>
    <message>
        <source>Run the jobs on each machine with quavero-cli --from-plan and --index or --chunk, then sum them up with quavero-cli --report.</source>
        <translation>Führen Sie die Aufträge auf jedem Rechner mit quavero-cli --from-plan und --index oder --chunk aus und fassen Sie sie danach mit quavero-cli --report zusammen.</translation>
    </message>
    <message>
        <source>The job list is saved.</source>
        <translation>Die Auftragsliste ist gespeichert.</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Die Voreinstellung „%1“ löschen?</translation>
    </message>
    <message>
        <source>A deleted preset cannot be brought back.</source>
        <translation>Eine gelöschte Voreinstellung lässt sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>quavero::ConversionRun</name>
    <message>
        <source>not converted, because the disk is full</source>
        <translation>nicht umgewandelt, weil das Laufwerk voll ist</translation>
    </message>
</context>
<context>
    <name>quavero::FileTableModel</name>
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
    <name>quavero::FormatOptionsDialog</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>Shows the start values of this format&apos;s options; OK keeps them</source>
        <translation>Zeigt die Startwerte der Optionen dieses Formats; OK übernimmt sie</translation>
    </message>
</context>
<context>
    <name>quavero::View_Audio_Wave</name>
    <message>
        <source>Waveform</source>
        <translation>Wellenform</translation>
    </message>
    <message>
        <source>No Audio Loaded</source>
        <translation>Kein Audio geladen</translation>
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
        <translation>Schließen</translation>
    </message>
    <message>
        <source>ffmpeg: looking…</source>
        <translation>ffmpeg: wird gesucht…</translation>
    </message>
    <message>
        <source>sox: looking…</source>
        <translation>sox: wird gesucht…</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Colors</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Convert</name>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Wird umgewandelt: %1</translation>
    </message>
    <message>
        <source>Waiting for the next file…</source>
        <translation>Warten auf die nächste Datei…</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Restzeit wird geschätzt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Preferences</name>
    <message>
        <source> file at once</source>
        <translation> Datei umwandeln</translation>
    </message>
    <message>
        <source> files at once</source>
        <translation> Dateien umwandeln</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Presets</name>
    <message>
        <source>There are no saved presets. Save one with Presets ▸ Save as Preset…</source>
        <translation>Es gibt keine gespeicherten Voreinstellungen. Speichern Sie eine mit Voreinstellungen ▸ Als Voreinstellung speichern…</translation>
    </message>
</context>
</TS>
