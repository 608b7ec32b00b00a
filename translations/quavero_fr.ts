<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>%1: not found. Install %1 to convert files.</source>
        <translation>%1 : introuvable. Installez %1 pour convertir des fichiers.</translation>
    </message>
    <message>
        <source>%1: %2 (it did not say its version)</source>
        <translation>%1 : %2 (n’a pas indiqué sa version)</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or any later version (GPL-3.0-or-later). This program comes with no warranty.</source>
        <translation>Licence : GNU General Public License, version 3 ou toute version ultérieure (GPL-3.0-or-later). Ce programme est fourni sans aucune garantie.</translation>
    </message>
</context>
<context>
    <name>AddFiles</name>
    <message>
        <source>Some files were not added.</source>
        <translation>Certains fichiers n’ont pas été ajoutés.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No audio file was found in “%1”.</source>
        <translation>Aucun fichier audio n’a été trouvé dans « %1 ».</translation>
    </message>
    <message>
        <source>No audio file was found in the %1 folders.</source>
        <translation>Aucun fichier audio n’a été trouvé dans les %1 dossiers.</translation>
    </message>
    <message>
        <source>Neither %1 nor its subfolders hold a file ending in %2.</source>
        <translation>Ni %1 ni ses sous-dossiers ne contiennent de fichier se terminant par %2.</translation>
    </message>
    <message>
        <source>Neither these folders nor their subfolders hold a file ending in %1:
%2</source>
        <translation>Ni ces dossiers ni leurs sous-dossiers ne contiennent de fichier se terminant par %1 :
%2</translation>
    </message>
    <message>
        <source>None of the chosen files is an audio file.</source>
        <translation>Aucun des fichiers choisis n’est un fichier audio.</translation>
    </message>
    <message>
        <source>The files chosen in %1 cannot be added: only files ending in %2 can.</source>
        <translation>Les fichiers choisis dans %1 ne peuvent pas être ajoutés : seuls les fichiers se terminant par %2 le peuvent.</translation>
    </message>
    <message>
        <source>Only the files directly in %1 were looked at. Its subfolders hold 1 audio file: add it with its subfolders?</source>
        <translation>Seuls les fichiers directement dans %1 ont été examinés. Ses sous-dossiers contiennent 1 fichier audio : l’ajouter avec ses sous-dossiers ?</translation>
    </message>
    <message>
        <source>Only the files directly in %1 were looked at. Its subfolders hold %2 audio files: add them with their subfolders?</source>
        <translation>Seuls les fichiers directement dans %1 ont été examinés. Ses sous-dossiers contiennent %2 fichiers audio : les ajouter avec leurs sous-dossiers ?</translation>
    </message>
    <message>
        <source>Add with Subfolders</source>
        <translation>Ajouter avec les sous-dossiers</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Select audio files to add to the list of files to convert.</source>
        <translation>Choisissez les fichiers audio à ajouter à la liste des fichiers à convertir.</translation>
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
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 cannot be written at a sample rate of %2 Hz. It takes %3.</source>
        <translation>%1 ne peut pas être écrit à une fréquence d’échantillonnage de %2 Hz. Les valeurs possibles sont %3.</translation>
    </message>
    <message>
        <source>%1 cannot be written with the channels %2. It takes %3.</source>
        <translation>%1 ne peut pas être écrit avec les canaux %2. Les valeurs possibles sont %3.</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <source>cannot create the folder %1; check that you may write in the destination folder</source>
        <translation>impossible de créer le dossier %1 ; vérifiez que vous pouvez écrire dans le dossier de destination</translation>
    </message>
    <message>
        <source>the converted file was not completely written (%1 of %2 KB); check the disk</source>
        <translation>le fichier converti n’a pas été entièrement écrit (%1 sur %2 KB) ; vérifiez le disque</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way; rename or move it</source>
        <translation>un dossier nommé %1 occupe la place du fichier ; renommez-le ou déplacez-le</translation>
    </message>
    <message>
        <source>the file could not be read (%1)</source>
        <translation>le fichier n’a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>the copy could not be written (%1)</source>
        <translation>la copie n’a pas pu être écrite (%1)</translation>
    </message>
    <message>
        <source>the converted file could not be put in place: %1</source>
        <translation>le fichier converti n’a pas pu être mis en place : %1</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>the sheet cannot be read (%1); check that the file is there and that you may read it</source>
        <translation>la feuille CUE ne peut pas être lue (%1) ; vérifiez que le fichier existe et que vous pouvez le lire</translation>
    </message>
    <message>
        <source>the file is far too large for a CUE sheet; check that it is the sheet of an album image</source>
        <translation>le fichier est bien trop grand pour une feuille CUE ; vérifiez qu’il s’agit de la feuille d’une image d’album</translation>
    </message>
    <message>
        <source>the sheet&apos;s text is in no encoding Quavero can read; save it as UTF-8 and add it again</source>
        <translation>le texte de la feuille CUE n’est dans aucun codage que Quavero sait lire ; enregistrez-la en UTF-8 et ajoutez-la de nouveau</translation>
    </message>
    <message>
        <source>this is not a CUE sheet Quavero can read; check that it has FILE, TRACK and INDEX lines</source>
        <translation>ce n’est pas une feuille CUE que Quavero sait lire ; vérifiez qu’elle contient des lignes FILE, TRACK et INDEX</translation>
    </message>
    <message>
        <source>the file holds no CUE sheet; add the sheet&apos;s .cue file instead</source>
        <translation>le fichier ne contient aucune feuille CUE ; ajoutez plutôt le fichier .cue de la feuille</translation>
    </message>
    <message>
        <source>the sheet lists no audio track; there is nothing to convert</source>
        <translation>la feuille CUE ne contient aucune piste audio ; il n’y a rien à convertir</translation>
    </message>
    <message>
        <source>track %1 lies in no file, as the sheet has no FILE line before it; add that line to the sheet</source>
        <translation>la piste %1 ne se trouve dans aucun fichier, car la feuille CUE n’a pas de ligne FILE avant elle ; ajoutez cette ligne à la feuille</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 line, so where it starts is unknown; add that line to the sheet</source>
        <translation>la piste %1 n’a pas de ligne INDEX 01, son début est donc inconnu ; ajoutez cette ligne à la feuille</translation>
    </message>
    <message>
        <source>track %1 does not start after the track before it in %2; correct the INDEX 01 times in the sheet</source>
        <translation>la piste %1 ne commence pas après la piste précédente dans %2 ; corrigez les temps INDEX 01 de la feuille</translation>
    </message>
    <message>
        <source>the sheet names %1, which is not in its folder; put the file beside the sheet or correct the sheet&apos;s FILE line</source>
        <translation>la feuille CUE nomme %1, qui n’est pas dans son dossier ; placez le fichier à côté de la feuille ou corrigez sa ligne FILE</translation>
    </message>
    <message>
        <source>%1, which the sheet names, cannot be read as audio; check that it is a complete audio file</source>
        <translation>%1, que nomme la feuille CUE, ne peut pas être lu comme de l’audio ; vérifiez qu’il s’agit d’un fichier audio complet</translation>
    </message>
    <message>
        <source>track %1 starts after the end of %2; check that the sheet belongs to this file</source>
        <translation>la piste %1 commence après la fin de %2 ; vérifiez que la feuille CUE correspond à ce fichier</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
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
    <name>FileSystem</name>
    <message>
        <source>the name is not valid UTF-8; rename the file</source>
        <translation>le nom n’est pas en UTF-8 valide ; renommez le fichier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>trop de niveaux de liens symboliques</translation>
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
    <message>
        <source>0 (Highest)</source>
        <translation>0 (la plus haute)</translation>
    </message>
    <message>
        <source>9 (Lowest)</source>
        <translation>9 (la plus basse)</translation>
    </message>
    <message>
        <source>0 (fastest)</source>
        <translation>0 (la plus rapide)</translation>
    </message>
    <message>
        <source>8 (best)</source>
        <translation>8 (la meilleure)</translation>
    </message>
    <message>
        <source>0 (Lowest)</source>
        <translation>0 (la plus basse)</translation>
    </message>
    <message>
        <source>10 (Highest)</source>
        <translation>10 (la plus haute)</translation>
    </message>
    <message>
        <source>Same as input</source>
        <translation>Comme l’entrée</translation>
    </message>
    <message>
        <source>Constrained VBR</source>
        <translation>VBR contraint</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Low delay</source>
        <translation>Faible latence</translation>
    </message>
</context>
<context>
    <name>Freshness</name>
    <message>
        <source>up to date</source>
        <translation>à jour</translation>
    </message>
    <message>
        <source>up to date (the output is newer than its input)</source>
        <translation>à jour (la sortie est plus récente que son entrée)</translation>
    </message>
    <message>
        <source>not converted yet</source>
        <translation>pas encore converti</translation>
    </message>
    <message>
        <source>the input changed</source>
        <translation>l’entrée a changé</translation>
    </message>
    <message>
        <source>the settings changed</source>
        <translation>les réglages ont changé</translation>
    </message>
    <message>
        <source>the output was made from another input</source>
        <translation>la sortie a été faite à partir d’une autre entrée</translation>
    </message>
    <message>
        <source>the output is older than its input</source>
        <translation>la sortie est plus ancienne que son entrée</translation>
    </message>
</context>
<context>
    <name>JobList</name>
    <message>
        <source>--chunk takes K/C, the K-th of C slices counted from 0 (0/4 to 3/4), not &apos;%1&apos;</source>
        <translation>--chunk attend K/C, la K-ième de C tranches comptées à partir de 0 (0/4 à 3/4), pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a job list holds conversions only</source>
        <translation>une liste de tâches ne contient que des conversions</translation>
    </message>
    <message>
        <source>its output %1 does not end in %2, the extension of the list&apos;s format</source>
        <translation>sa sortie %1 ne se termine pas par %2, l&apos;extension du format de la liste</translation>
    </message>
    <message>
        <source>its output %1 cannot be planned below the output root</source>
        <translation>sa sortie %1 ne peut pas être prévue sous le dossier de sortie</translation>
    </message>
    <message>
        <source>it holds the field %1, which this version does not know</source>
        <translation>elle contient le champ %1, que cette version ne connaît pas</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a whole number of 0 or more</source>
        <translation>un nombre entier de 0 ou plus</translation>
    </message>
    <message>
        <source>an object of names and texts</source>
        <translation>un objet de noms et de textes</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>le champ %1 manque</translation>
    </message>
    <message>
        <source>the field %1 is not %2</source>
        <translation>le champ %1 n&apos;est pas %2</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>ce n&apos;est pas du JSON (%1 au caractère %2)</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>it is not the first line of a job list (it holds no field %1)</source>
        <translation>ce n&apos;est pas la première ligne d&apos;une liste de tâches (elle ne contient pas de champ %1)</translation>
    </message>
    <message>
        <source>the list is of version %1, and this program reads version %2; make the list again with the quavero-cli that runs the jobs</source>
        <translation>la liste est de la version %1, et ce programme lit la version %2 ; refaites la liste avec le quavero-cli qui exécute les tâches</translation>
    </message>
    <message>
        <source>the field %1 is empty</source>
        <translation>le champ %1 est vide</translation>
    </message>
    <message>
        <source>the root %1 is not an absolute folder path</source>
        <translation>la racine %1 n&apos;est pas un chemin de dossier absolu</translation>
    </message>
    <message>
        <source>its output %1 names the library record</source>
        <translation>sa sortie %1 désigne le registre de la bibliothèque</translation>
    </message>
    <message>
        <source>its input %1 lies outside the input root</source>
        <translation>son entrée %1 se trouve hors du dossier d&apos;entrée</translation>
    </message>
    <message>
        <source>its output %1 would fall outside the output root</source>
        <translation>sa sortie %1 tomberait hors du dossier de sortie</translation>
    </message>
    <message>
        <source>its input %1 is not a plain relative path</source>
        <translation>son entrée %1 n&apos;est pas un simple chemin relatif</translation>
    </message>
    <message>
        <source>its output %1 is not a plain relative path</source>
        <translation>sa sortie %1 n&apos;est pas un simple chemin relatif</translation>
    </message>
    <message>
        <source>not run yet</source>
        <translation>pas encore exécutée</translation>
    </message>
    <message>
        <source>it is not the result of a job</source>
        <translation>ce n&apos;est pas le résultat d&apos;une tâche</translation>
    </message>
    <message>
        <source>the format has no effect %1</source>
        <translation>le format n&apos;a pas d&apos;effet %1</translation>
    </message>
    <message>
        <source>the format has no option %1</source>
        <translation>le format n&apos;a pas d&apos;option %1</translation>
    </message>
    <message>
        <source>the option %1 does not take the value %2</source>
        <translation>l&apos;option %1 n&apos;accepte pas la valeur %2</translation>
    </message>
    <message>
        <source>it names the format %1, which this version does not know</source>
        <translation>elle nomme le format %1, que cette version ne connaît pas</translation>
    </message>
    <message>
        <source>cannot write %1 (%2); check that the folder exists and you may write there</source>
        <translation>impossible d&apos;écrire %1 (%2) ; vérifiez que le dossier existe et que vous pouvez y écrire</translation>
    </message>
    <message>
        <source>cannot put the job list in place as %1 (%2)</source>
        <translation>impossible de mettre la liste de tâches en place sous %1 (%2)</translation>
    </message>
    <message>
        <source>cannot read the job list %1 (%2)</source>
        <translation>impossible de lire la liste de tâches %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a job list quavero-cli can use: line 1: %2</source>
        <translation>%1 n&apos;est pas une liste de tâches que quavero-cli peut utiliser : ligne 1 : %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>%1 is not a whole job list: its first line says %2 jobs, and it holds %3</source>
        <translation>%1 n&apos;est pas une liste de tâches entière : sa première ligne annonce %2 tâches, et elle en contient %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1: it holds job %2, where job %3 belongs; the jobs are numbered from 0 in the order of their lines</source>
        <translation>ligne %1 : elle contient la tâche %2, là où va la tâche %3 ; les tâches sont numérotées à partir de 0 dans l&apos;ordre de leurs lignes</translation>
    </message>
    <message>
        <source>it is the result of another job</source>
        <translation>c&apos;est le résultat d&apos;une autre tâche</translation>
    </message>
    <message>
        <source>cannot create the results folder %1; check that you may write beside the job list</source>
        <translation>impossible de créer le dossier des résultats %1 ; vérifiez que vous pouvez écrire à côté de la liste de tâches</translation>
    </message>
    <message>
        <source>cannot write the result of job %1 to %2 (%3)</source>
        <translation>impossible d&apos;écrire le résultat de la tâche %1 dans %2 (%3)</translation>
    </message>
    <message>
        <source>%1: it is the result of another plan, made before the list was written again</source>
        <translation>%1 : c&apos;est le résultat d&apos;un autre plan, fait avant que la liste soit réécrite</translation>
    </message>
    <message>
        <source>its track %1 of %2 is no track of a sheet</source>
        <translation>sa piste %1 sur %2 n’est pas une piste d’une feuille CUE</translation>
    </message>
    <message>
        <source>its track ends at sample %1, before it starts at sample %2</source>
        <translation>sa piste finit à l’échantillon %1, avant de commencer à l’échantillon %2</translation>
    </message>
    <message>
        <source>its track&apos;s sample rate %1 is no rate of audio</source>
        <translation>la fréquence d’échantillonnage %1 de sa piste n’est pas une fréquence audio</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>une liste de textes</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
</context>
<context>
    <name>LibraryRecord</name>
    <message>
        <source>This run converts as if there were no record and removes nothing.</source>
        <translation>Cette conversion se fait comme s’il n’y avait pas de registre et ne supprime rien.</translation>
    </message>
    <message>
        <source>The library record %1 is damaged.</source>
        <translation>Le registre de la bibliothèque %1 est endommagé.</translation>
    </message>
    <message>
        <source>Move the file away to let the next run start a new record.</source>
        <translation>Déplacez ce fichier pour que la prochaine conversion commence un nouveau registre.</translation>
    </message>
    <message>
        <source>%1 is not a library record of this program.</source>
        <translation>%1 n’est pas un registre de bibliothèque de ce programme.</translation>
    </message>
    <message>
        <source>Move or rename that file to keep a record in this folder.</source>
        <translation>Déplacez ou renommez ce fichier pour tenir un registre dans ce dossier.</translation>
    </message>
    <message>
        <source>The library record %1 was written by a newer version of this program.</source>
        <translation>Le registre de la bibliothèque %1 a été écrit par une version plus récente de ce programme.</translation>
    </message>
    <message>
        <source>Update the program to use it.</source>
        <translation>Mettez le programme à jour pour l’utiliser.</translation>
    </message>
    <message>
        <source>The library record %1 cannot be opened.</source>
        <translation>Le registre de la bibliothèque %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Check that you may read and write the destination folder.</source>
        <translation>Vérifiez que vous pouvez lire et écrire dans le dossier de destination.</translation>
    </message>
    <message>
        <source>The library record %1 cannot be written: the disk is full or read-only.</source>
        <translation>Le registre de la bibliothèque %1 ne peut pas être écrit : le disque est plein ou en lecture seule.</translation>
    </message>
    <message>
        <source>The next run converts again what this one could not note. Free some space.</source>
        <translation>La prochaine conversion refera ce que celle-ci n’a pas pu noter. Libérez de l’espace.</translation>
    </message>
    <message>
        <source>Another run kept the library record %1 busy for too long, so this run could not note what it did. The next run checks those files again.</source>
        <translation>Une autre conversion a occupé le registre de la bibliothèque %1 trop longtemps : celle-ci n’a donc pas pu noter ce qu’elle a fait. La prochaine conversion vérifiera de nouveau ces fichiers.</translation>
    </message>
    <message>
        <source>The library record cannot be used because the SQLite driver of Qt is missing.</source>
        <translation>Le registre de la bibliothèque ne peut pas être utilisé, car le pilote SQLite de Qt est absent.</translation>
    </message>
    <message>
        <source>Install the package libqt6sql6-sqlite.</source>
        <translation>Installez le paquet libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>kept, because it was changed after it was converted</source>
        <translation>conservé, car il a été modifié après sa conversion</translation>
    </message>
    <message>
        <source>kept, because a symbolic link leads to it</source>
        <translation>conservé, car un lien symbolique y mène</translation>
    </message>
    <message>
        <source>could not be removed: %1</source>
        <translation>n’a pas pu être supprimé : %1</translation>
    </message>
    <message>
        <source>%1 was kept: its input is gone, but it was changed after it was converted</source>
        <translation>%1 a été conservé : son original n’existe plus, mais il a été modifié après sa conversion</translation>
    </message>
    <message>
        <source>the record lists &quot;%1&quot;, which %2; nothing was removed for it</source>
        <translation>le registre mentionne « %1 », qui %2 ; rien n’a été supprimé pour lui</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>%1 files hold no loudness tags: none were written</source>
        <translation>Les fichiers %1 ne peuvent pas contenir de balises de sonie : aucune n’a été écrite</translation>
    </message>
    <message>
        <source>too short to measure</source>
        <translation>trop court pour être mesuré</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silencieux</translation>
    </message>
    <message>
        <source>the loudness could not be measured</source>
        <translation>la sonie n’a pas pu être mesurée</translation>
    </message>
    <message>
        <source>reached %1 LUFS of %2: peak limit</source>
        <translation>%1 LUFS atteints sur %2 : limite de crête</translation>
    </message>
    <message>
        <source>ffmpeg could not be started to measure the loudness; check that ffmpeg is installed</source>
        <translation>ffmpeg n’a pas pu être lancé pour mesurer la sonie ; vérifiez que ffmpeg est installé</translation>
    </message>
    <message>
        <source>the audio of %1 could not be decoded to measure its loudness; see the details</source>
        <translation>l’audio de %1 n’a pas pu être décodé pour mesurer sa sonie ; voir les détails</translation>
    </message>
    <message>
        <source>not normalised: %1</source>
        <translation>non normalisé : %1</translation>
    </message>
    <message>
        <source>no loudness tags: %1</source>
        <translation>aucune balise de sonie : %1</translation>
    </message>
    <message>
        <source>loudness tags not written: %1</source>
        <translation>balises de sonie non écrites : %1</translation>
    </message>
    <message>
        <source>the file could not be copied to write them</source>
        <translation>le fichier n’a pas pu être copié pour les écrire</translation>
    </message>
    <message>
        <source>album gain not written into %1: %2</source>
        <translation>gain d’album non écrit dans %1 : %2</translation>
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
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
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
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Ctrl+Alt+O</source>
        <translation>Ctrl+Alt+O</translation>
    </message>
    <message>
        <source>&amp;Add Files…</source>
        <translation>&amp;Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Add Fol&amp;der…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>Add Folder and &amp;Subfolders…</source>
        <translation>Ajouter un dossier et ses &amp;sous-dossiers…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Convert…</source>
        <translation>&amp;Convertir…</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Play/Pa&amp;use</source>
        <translation>Lecture/&amp;Pause</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Output &amp;Format Options…</source>
        <translation>&amp;Options du format de sortie…</translation>
    </message>
    <message>
        <source>&amp;Colors…</source>
        <translation>&amp;Couleurs…</translation>
    </message>
    <message>
        <source>Quavero &amp;Web Page</source>
        <translation>Page &amp;web de Quavero</translation>
    </message>
    <message>
        <source>Quavero &amp;Home Page</source>
        <translation>&amp;Site de Quavero</translation>
    </message>
    <message>
        <source>&amp;Privacy Note</source>
        <translation>Note sur la &amp;confidentialité</translation>
    </message>
    <message>
        <source>&amp;About Quavero</source>
        <translation>&amp;À propos de Quavero</translation>
    </message>
    <message>
        <source>&amp;Show in Folder</source>
        <translation>Afficher dans le &amp;dossier</translation>
    </message>
    <message>
        <source>Show the selected file in the file manager</source>
        <translation>Afficher le fichier sélectionné dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>&amp;Report a Problem</source>
        <translation>Signaler un &amp;problème</translation>
    </message>
    <message>
        <source>Pre&amp;sets</source>
        <translation>&amp;Préréglages</translation>
    </message>
    <message>
        <source>&amp;Save as Preset…</source>
        <translation>&amp;Enregistrer comme préréglage…</translation>
    </message>
    <message>
        <source>&amp;Manage Presets…</source>
        <translation>&amp;Gérer les préréglages…</translation>
    </message>
    <message>
        <source>Save &amp;Job List…</source>
        <translation>Enregistrer la &amp;liste de tâches…</translation>
    </message>
    <message>
        <source>Plan the conversion of the list for other machines to carry out</source>
        <translation>Planifier la conversion de la liste pour que d’autres machines l’effectuent</translation>
    </message>
</context>
<context>
    <name>NameTemplate</name>
    <message>
        <source>named after the input: the template gave it an empty name</source>
        <translation>nommé d’après l’entrée : le modèle lui donnait un nom vide</translation>
    </message>
    <message>
        <source>named after the input: it has no {%1}</source>
        <translation>nommé d’après l’entrée : elle n’a pas de {%1}</translation>
    </message>
    <message>
        <source>&apos;}&apos; at position %1 has no &apos;{&apos; before it</source>
        <translation>« } » à la position %1 n’a pas de « { » avant lui</translation>
    </message>
    <message>
        <source>&apos;]&apos; at position %1 has no &apos;[&apos; before it</source>
        <translation>« ] » à la position %1 n’a pas de « [ » avant lui</translation>
    </message>
    <message>
        <source>&apos;[&apos; at position %1 has no &apos;]&apos; after it</source>
        <translation>« [ » à la position %1 n’a pas de « ] » après lui</translation>
    </message>
    <message>
        <source>&apos;\&apos; at position %1 ends the template; it makes the character after it plain text</source>
        <translation>« \ » à la position %1 termine le modèle ; il fait du caractère suivant du texte simple</translation>
    </message>
    <message>
        <source>&apos;{&apos; at position %1 has no &apos;}&apos; after it</source>
        <translation>« { » à la position %1 n’a pas de « } » après lui</translation>
    </message>
    <message>
        <source>unknown field {%1} at position %2; the fields are: %3</source>
        <translation>champ inconnu {%1} à la position %2 ; les champs sont : %3</translation>
    </message>
    <message>
        <source>{%1} at position %2: after &apos;:&apos; comes a number of digits from 1 to %3, such as {track:02}</source>
        <translation>{%1} à la position %2 : après « : » vient un nombre de chiffres de 1 à %3, comme {track:02}</translation>
    </message>
    <message>
        <source>the template is empty; write one such as {artist}/{title}</source>
        <translation>le modèle est vide ; écrivez-en un comme {artist}/{title}</translation>
    </message>
    <message>
        <source>&apos;/&apos; at position 1 starts the template; names are made inside the output folder</source>
        <translation>« / » à la position 1 commence le modèle ; les noms sont créés dans le dossier de sortie</translation>
    </message>
    <message>
        <source>&apos;/&apos; at position %1 ends the template; the last part names the file</source>
        <translation>« / » à la position %1 termine le modèle ; la dernière partie nomme le fichier</translation>
    </message>
    <message>
        <source>the name template cannot be used: %1</source>
        <translation>le modèle de nom est inutilisable : %1</translation>
    </message>
    <message>
        <source>Each output keeps its input&apos;s name: %1</source>
        <translation>Chaque sortie garde le nom de son entrée : %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Exemple : %1</translation>
    </message>
</context>
<context>
    <name>OrphanRemoval</name>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 n’a pas pu être supprimé : %2</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>only %1 s of %2 s could be read; the file may be damaged</source>
        <translation>seules %1 s sur %2 s ont pu être lues ; le fichier est peut-être endommagé</translation>
    </message>
    <message>
        <source>the file is too large for the file system of the destination</source>
        <translation>le fichier est trop volumineux pour le système de fichiers de la destination</translation>
    </message>
    <message>
        <source>the converted file could not be written: %1</source>
        <translation>le fichier converti n’a pas pu être écrit : %1</translation>
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
        <source>the destination disk is full; free some space on it or choose another destination folder</source>
        <translation>le disque de destination est plein ; libérez de la place ou choisissez un autre dossier de destination</translation>
    </message>
    <message>
        <source>no permission to read the file; change its permissions or convert a copy of it</source>
        <translation>pas le droit de lire le fichier ; changez ses permissions ou convertissez-en une copie</translation>
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
    <name>Presets</name>
    <message>
        <source>Phone (MP3, VBR quality 2)</source>
        <translation>Téléphone (MP3, qualité VBR 2)</translation>
    </message>
    <message>
        <source>Archive (FLAC, same as input)</source>
        <translation>Archive (FLAC, comme l’entrée)</translation>
    </message>
    <message>
        <source>CD quality (WAV, 16 bit, 44,100 Hz)</source>
        <translation>Qualité CD (WAV, 16 bits, 44 100 Hz)</translation>
    </message>
    <message>
        <source>Speech (Opus, 32 kbit/s, mono)</source>
        <translation>Parole (Opus, 32 kbit/s, mono)</translation>
    </message>
    <message>
        <source>Speech (MP3, 64 kbit/s, mono)</source>
        <translation>Parole (MP3, 64 kbit/s, mono)</translation>
    </message>
    <message>
        <source>the stored presets cannot be read; they are kept as they are, and saving a preset starts a new list</source>
        <translation>les préréglages enregistrés ne peuvent pas être lus ; ils sont conservés tels quels, et enregistrer un préréglage commence une nouvelle liste</translation>
    </message>
    <message>
        <source>stored preset %1 has no name or no format; it is left out</source>
        <translation>le préréglage enregistré %1 n’a pas de nom ou pas de format ; il est ignoré</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; is for the format &apos;%2&apos;, which this version does not have</source>
        <translation>le préréglage « %1 » est pour le format « %2 », que cette version n’a pas</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: %2 has no option &apos;%3&apos; in this version; it is left out</source>
        <translation>préréglage « %1 » : %2 n’a pas d’option « %3 » dans cette version ; elle est ignorée</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: &apos;%2&apos; is not a value of %3 in this version; it is left out</source>
        <translation>préréglage « %1 » : « %2 » n’est pas une valeur de %3 dans cette version ; elle est ignorée</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: its name template is left out: %2</source>
        <translation>préréglage « %1 » : son modèle de nom est ignoré : %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: the run setting &apos;%2&apos; is not known to this version; it is left out</source>
        <translation>préréglage « %1 » : cette version ne connaît pas le réglage de conversion « %2 » ; il est ignoré</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos;: &apos;%2&apos; is not a value of %3; it is left out</source>
        <translation>préréglage « %1 » : « %2 » n’est pas une valeur de %3 ; elle est ignorée</translation>
    </message>
    <message>
        <source>names from the inputs</source>
        <translation>noms des entrées</translation>
    </message>
    <message>
        <source>names %1</source>
        <translation>noms %1</translation>
    </message>
    <message>
        <source>the saved preset &apos;%1&apos; has the name of a built-in preset; it is left out</source>
        <translation>le préréglage enregistré « %1 » porte le nom d’un préréglage intégré ; il est ignoré</translation>
    </message>
    <message>
        <source>a preset needs a name of letters, digits or signs, not &apos;%1&apos;</source>
        <translation>un préréglage a besoin d’un nom fait de lettres, de chiffres ou de signes, pas « %1 »</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the name of a built-in preset; choose another name</source>
        <translation>« %1 » est le nom d’un préréglage intégré ; choisissez un autre nom</translation>
    </message>
    <message>
        <source>a saved preset is already named &apos;%1&apos;; choose another name</source>
        <translation>un préréglage enregistré s’appelle déjà « %1 » ; choisissez un autre nom</translation>
    </message>
    <message>
        <source>no saved preset is named &apos;%1&apos;</source>
        <translation>aucun préréglage enregistré ne s’appelle « %1 »</translation>
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
    <message>
        <source>, %1 not converted (the disk is full)</source>
        <translation>, %1 non converti(s) (le disque est plein)</translation>
    </message>
    <message>
        <source>not converted: %1
</source>
        <translation>non converti : %1
</translation>
    </message>
    <message>
        <source>renamed: %1: saved as %2
</source>
        <translation>renommé : %1 : enregistré sous %2
</translation>
    </message>
    <message>
        <source>warning: %1: converted; %2
</source>
        <translation>avertissement : %1 : converti ; %2
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
Préréglages : un préréglage est un nom pour un format avec ses options (dont
les effets) et les réglages de conversion (étiquettes, dossiers gardés ou à
plat). Ils sont dans le fichier de réglages du programme de bureau, donc les
deux programmes ont les mêmes.
      --preset NAME       utilise le préréglage : son format, et chaque option
                          de ce format telle que le préréglage la règle ou,
                          s’il n’en règle pas, sa valeur par défaut. Les
                          options données après lui l’emportent. NAME peut
                          omettre la remarque entre parenthèses (--preset
                          phone)
      --save-preset NAME  enregistre le format et les options de la même ligne
                          comme préréglage, remplace un préréglage enregistré
                          de ce nom, et ne convertit rien
      --list-presets      affiche chaque préréglage avec son contenu
</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;; the presets are: %2</source>
        <translation>préréglage inconnu « %1 » ; les préréglages sont : %2</translation>
    </message>
    <message>
        <source>the preset &apos;%1&apos; is for %2, but the format is %3: its options are left out</source>
        <translation>le préréglage « %1 » est pour %2, mais le format est %3 : ses options sont ignorées</translation>
    </message>
    <message>
        <source>Built-in presets:
</source>
        <translation>Préréglages intégrés :
</translation>
    </message>
    <message>
        <source>
Saved presets:
</source>
        <translation>
Préréglages enregistrés :
</translation>
    </message>
    <message>
        <source>  none yet: save one with --save-preset NAME
</source>
        <translation>  aucun pour l’instant : enregistrez-en un avec --save-preset NAME
</translation>
    </message>
    <message>
        <source>Replaced the preset &apos;%1&apos;: %2
</source>
        <translation>Préréglage « %1 » remplacé : %2
</translation>
    </message>
    <message>
        <source>Saved the preset &apos;%1&apos;: %2
</source>
        <translation>Préréglage « %1 » enregistré : %2
</translation>
    </message>
    <message>
        <source>Nothing was converted; use it with --preset &quot;%1&quot;.
</source>
        <translation>Rien n’a été converti ; utilisez-le avec --preset &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <translation>copier %1 vers %2</translation>
    </message>
    <message>
        <source>remove %1, whose original is gone</source>
        <translation>supprimer %1, dont l’original n’existe plus</translation>
    </message>
    <message>
        <source>%1 up to date</source>
        <translation>%1 à jour</translation>
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
Tenir à jour une bibliothèque convertie : chaque sortie est écrite sous un nom
temporaire caché à côté de son nom final, et renommée seulement une fois
complète, étiquetée et sur le disque ; une conversion arrêtée ou en échec ne
laisse donc jamais de fichier tronqué, et une sortie plus ancienne de ce nom
reste telle quelle.
  -u, --update            ne convertit que ce qui a changé : une entrée dont
                          la sortie a été faite à partir d’elle telle qu’elle
                          est, avec le même format et les mêmes options, est
                          sautée comme à jour
      --delete-orphans    supprime les sorties que le registre mentionne et
                          dont l’entrée n’est plus parmi les entrées ; jamais
                          un fichier qu’il ne mentionne pas, ni un fichier
                          modifié depuis
      --copy-same-format  copie une entrée qui est déjà dans le format de
                          sortie au lieu de l’encoder de nouveau, sauf si un
                          effet est réglé
Le registre est le fichier .quavero-library.db du dossier de sortie, tenu par
-u et --delete-orphans. Sans registre, -u saute une sortie plus récente que
son entrée. -n indique ce qui serait copié et supprimé sur des lignes
commençant par #.
</translation>
    </message>
    <message>
        <source>copied    %1 -&gt; %2</source>
        <translation>copié     %1 -&gt; %2</translation>
    </message>
    <message>
        <source>removed   %1 (its original is gone)</source>
        <translation>supprimé  %1 (l’original n’existe plus)</translation>
    </message>
    <message>
        <source>removed: %1
</source>
        <translation>supprimé : %1
</translation>
    </message>
    <message>
        <source>warning: %1
</source>
        <translation>avertissement : %1
</translation>
    </message>
    <message>
        <source>Everything is up to date.
</source>
        <translation>Tout est à jour.
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
Entrées : les fichiers dont l’extension, en majuscules ou minuscules, est un
nom de format ci-dessus ou l’une de celles-ci :
  %1
Un film donne sa première piste audio, jamais son image.

Fréquence d’échantillonnage, canaux et taille d’échantillon : sauf indication
contraire de --set, chaque sortie garde ceux de son entrée (« Comme l’entrée »),
dans les limites du format (mp3 au plus 2 canaux et 48000 Hz, amr 8000 Hz mono,
opus 48000 Hz) ; le wav d’une entrée avec perte est en 16 bits.
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
Balises : les balises de texte et les images de chaque entrée sont copiées
dans sa sortie (l’entrée est seulement lue) ; --no-tags n’en copie aucune.
  mp3              balises ID3v2.4 avec toutes les images
  flac, ogg, spx,  commentaires Vorbis avec toutes les images
  opus
  m4a              balises MP4 ; images JPEG, PNG, GIF et BMP dans « covr »
  wma              attributs ASF avec toutes les images (WM/Picture)
  wav              une liste RIFF INFO et un bloc ID3v2 avec toutes les images
  aifc, aiff, aif  un bloc ID3v2 avec toutes les images
  caf, au          les balises de texte que ffmpeg copie
  ac3, amr, raw    aucune : ces formats ne contiennent pas de balises
Une image qu’une sortie ne peut pas contenir est omise ; le bilan cite le
fichier avec la raison, et il compte quand même comme converti.
</translation>
    </message>
    <message>
        <source>Choose another with --set.</source>
        <translation>Choisissez-en une autre avec --set.</translation>
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
        <translation>Usage : quavero-cli [OPTIONS] ENTRÉE...
Convertit des fichiers audio dans un format de sortie avec ffmpeg (et sox pour
les effets de vitesse, gain, aigus et graves) : un fichier de sortie par
entrée, nommé d’après elle, dans le dossier de sortie.

Une ENTRÉE est un fichier audio ou un dossier. Un dossier ajoute les fichiers
audio qu’il contient directement, par ordre de nom (voir Entrées plus bas) ;
avec -r, ceux de ses sous-dossiers aussi.

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
                        sous-dossiers ; leurs sorties vont dans les mêmes
                        sous-dossiers du dossier de sortie, créés s’ils
                        manquent
      --flat            avec -r, place chaque sortie directement dans le
                        dossier de sortie au lieu de son sous-dossier
  -n, --dry-run         affiche chaque commande ffmpeg et sox qui serait
                        lancée, une par ligne, échappée pour un shell POSIX,
                        et ne convertit rien
  -q, --quiet           n’affiche ni progression ni bilan ; les échecs sont
                        toujours signalés
  -v, --verbose         pour chaque fichier qui n’a pas pu être converti,
                        affiche aussi les commandes ffmpeg et sox lancées et
                        les 20 dernières lignes de leur sortie
      --list-formats    affiche chaque format avec ses options, leurs NAME,
                        chaque VALUE accepté et la valeur par défaut (*)
  -h, --help            affiche cette aide
      --version         affiche la version

Un fichier de sortie existant est remplacé, un fichier d’entrée jamais (un tel
fichier est signalé en échec). Aucune sortie d’une conversion ne remplace une
autre sortie de la même conversion : parmi les entrées qui seraient écrites
dans le même fichier de sortie (a.wav et a.flac vers mp3), la première dans
l’ordre donné reçoit le nom (a.mp3), les autres un nom numéroté (a (2).mp3,
a (3).mp3) qu’aucun fichier ne porte encore, et le bilan les cite toutes.

Code de sortie :
  %3    chaque fichier a été converti
  %4    au moins un fichier n’a pas pu être converti (chacun est cité avec la
       raison ; les autres sont convertis), ou rien n’a pu démarrer : ffmpeg
       ou sox manquant, un dossier de sortie impossible à créer
  %5    la ligne de commande est erronée, ou demande une valeur avec laquelle
       le format ne peut être écrit (mp3 à 96000 Hz) ; rien n’a été converti
  %6  arrêté par Ctrl-C : les conversions en cours sont terminées, leurs
       fichiers partiels supprimés et les fichiers déjà convertis conservés.
       130 vaut 128 plus le numéro du signal d’interruption, ce qu’un shell
       indique pour une commande arrêtée par Ctrl-C : un script distingue
       ainsi un arrêt de fichiers en échec et peut s’arrêter aussi (143 de
       même après SIGTERM).
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
Listes de tâches : une conversion prévue ici et exécutée ailleurs par des
machines de travail, pour GNU parallel ou un tableau de tâches Slurm. Une
liste de tâches contient le format, ses options, l&apos;entrée et la sortie de
chaque fichier, jamais une commande : chaque machine construit elle-même les
commandes ffmpeg et sox.
      --plan FICHIER      prévoit la conversion que demandent les autres
                          options et les ENTRÉES et l&apos;écrit dans FICHIER
                          comme liste de tâches, une tâche par fichier ;
                          ne convertit rien
      --from-plan FICHIER exécute des tâches de la liste FICHIER : --index N
                          la tâche N (à partir de 0), --chunk K/C la K-ième
                          de C tranches égales (K à partir de 0), -j N à la
                          fois. Une tâche déjà faite dont la sortie est
                          toujours là est ignorée. Le résultat de chaque
                          tâche va dans FICHIER.results/N.json
      --in-root DOSSIER,
      --out-root DOSSIER  où cette machine trouve les dossiers d&apos;entrée et
                          de sortie de la liste, s&apos;ils ne sont pas là où la
                          liste le dit
      --report FICHIER    résume les résultats des tâches de la liste ; avec
                          --failed, affiche le numéro de chaque tâche non
                          faite (échouée ou sans résultat), un par ligne ;
                          avec -u, note chaque tâche faite dans le registre
                          de bibliothèque du dossier de sortie (--plan -u
                          laisse de côté ce qu&apos;il trouve à jour)
      --list-jobs FICHIER affiche le numéro, l&apos;entrée et la sortie de chaque
                          tâche (relatives aux dossiers de la liste), chacun
                          terminé par un NUL, pour parallel -0 -N3
                          --transferfile
Avec --from-plan et --report, le code de sortie est 0 quand chaque tâche est
faite (ou ignorée), 1 quand l&apos;une a échoué ou n&apos;a pas de résultat, et 2 quand
la liste est inutilisable (d&apos;une autre version, une tâche qui n&apos;existe pas,
une ligne que cette version ne connaît pas) ; rien n&apos;est alors exécuté.
</translation>
    </message>
    <message>
        <source>the job list %1 cannot be used: %2</source>
        <translation>la liste de tâches %1 ne peut pas être utilisée : %2</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 et %2 ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>--%1 needs the path of a job list</source>
        <translation>--%1 demande le chemin d&apos;une liste de tâches</translation>
    </message>
    <message>
        <source>--index takes the number of a job, 0 or more, not &apos;%1&apos;</source>
        <translation>--index attend le numéro d&apos;une tâche, 0 ou plus, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 needs a folder</source>
        <translation>--%1 demande un dossier</translation>
    </message>
    <message>
        <source>--%1 goes with a job list: --from-plan or --report</source>
        <translation>--%1 va avec une liste de tâches : --from-plan ou --report</translation>
    </message>
    <message>
        <source>--%1 cannot be used with %2</source>
        <translation>--%1 ne peut pas être utilisé avec %2</translation>
    </message>
    <message>
        <source>--%1 cannot be used with %2; run quavero-cli with it on the output folder itself</source>
        <translation>--%1 ne peut pas être utilisé avec %2 ; lancez quavero-cli avec cette option sur le dossier de sortie lui-même</translation>
    </message>
    <message>
        <source>%1 takes the format, its options and the files from the job list; leave out %2</source>
        <translation>%1 prend le format, ses options et les fichiers dans la liste de tâches ; omettez %2</translation>
    </message>
    <message>
        <source>%1 takes the files from the job list; name no INPUT</source>
        <translation>%1 prend les fichiers dans la liste de tâches ; ne nommez aucune ENTRÉE</translation>
    </message>
    <message>
        <source>--from-plan runs either one job (--index N) or one slice of the list (--chunk K/C)</source>
        <translation>--from-plan exécute soit une tâche (--index N), soit une tranche de la liste (--chunk K/C)</translation>
    </message>
    <message>
        <source>%1 jobs written to %2: inputs below %3, outputs below %4
</source>
        <translation>%1 tâches écrites dans %2 : entrées sous %3, sorties sous %4
</translation>
    </message>
    <message>
        <source>%1 files are up to date and are not in the list
</source>
        <translation>%1 fichiers sont à jour et ne sont pas dans la liste
</translation>
    </message>
    <message>
        <source>%1 files cannot be converted and are not in the list (see above)
</source>
        <translation>%1 fichiers ne peuvent pas être convertis et ne sont pas dans la liste (voir plus haut)
</translation>
    </message>
    <message>
        <source>the job list %1 cannot be used: line 1: %2</source>
        <translation>la liste de tâches %1 ne peut pas être utilisée : ligne 1 : %2</translation>
    </message>
    <message>
        <source>the library record in %1 could not be written</source>
        <translation>le registre de la bibliothèque dans %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>the library record in %1 notes %2 outputs
</source>
        <translation>le registre de la bibliothèque dans %1 note %2 sorties
</translation>
    </message>
    <message>
        <source>a result is left out: %1</source>
        <translation>un résultat est laissé de côté : %1</translation>
    </message>
    <message>
        <source>not run yet: %1 of %2 jobs have no result; --report %3 --failed lists them with the failed ones
</source>
        <translation>pas encore exécutées : %1 des %2 tâches n&apos;ont pas de résultat ; --report %3 --failed les liste avec celles qui ont échoué
</translation>
    </message>
    <message>
        <source>the job list %1 has no job %2: it holds %3 jobs, numbered from 0</source>
        <translation>la liste de tâches %1 n&apos;a pas de tâche %2 : elle contient %3 tâches, numérotées à partir de 0</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line 1: %1</source>
        <translation>ligne 1 : %1</translation>
    </message>
    <message>
        <source>skipped: %1: done before, and its output is there
</source>
        <translation>ignorée : %1 : déjà faite, et sa sortie est là
</translation>
    </message>
    <message>
        <source>--replaygain takes track or album (or none), not &apos;%1&apos;</source>
        <translation>--replaygain prend track ou album (ou none), pas « %1 »</translation>
    </message>
    <message>
        <source>--normalize takes a loudness in LUFS from %1 to %2 (for example -16), not &apos;%3&apos;</source>
        <translation>--normalize prend une sonie en LUFS de %1 à %2 (par exemple -16), pas « %3 »</translation>
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
Sonie égale (ITU-R BS.1770 / EBU R128), mesurée sur l’audio que la conversion
décode :
      --replaygain MODE   écrit des balises de sonie : track (gain et crête de
                          chaque fichier, vers -18 LUFS ; Opus : gains R128
                          vers -23 LUFS) ou album (aussi ceux de l’album, de
                          tous les fichiers d’une conversion qui partagent une
                          balise d’album et un dossier) ; none n’en écrit pas
                          (par défaut). Les formats sans balises n’en
                          reçoivent pas, et le résumé le dit
      --normalize LUFS    mesure d’abord chaque fichier, puis le convertit
                          avec un seul gain vers LUFS (-70 à 0, par exemple -16
                          ou --normalize=-23), retenu là où la crête vraie
                          dépasserait -1 dBTP ; le résumé dit où un tel fichier
                          est arrivé. Un fichier de moins de 0,4 s ou muet ne
                          reçoit ni balises ni gain, mais un avertissement.
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
Images d&apos;album : une ENTRÉE (ou un fichier d&apos;un dossier ENTRÉE) qui finit
par .cue est une feuille CUE. Chacune de ses pistes devient un fichier à part,
nommé « NN Titre » d&apos;après la feuille, découpé échantillon par échantillon dans
l&apos;image que la feuille nomme (le blanc avant une piste reste avec la piste
précédente) ; l&apos;image elle-même n&apos;est pas convertie une seconde fois quand sa
feuille est parmi les entrées. Une image FLAC qui contient sa feuille (une
étiquette CUESHEET ou un bloc cue sheet) est découpée de la même façon. Les
titres, interprètes, album, date et genre de la feuille et le rang de la
piste passent sur les étiquettes et les images de l&apos;image dans chaque piste.
Une feuille qui nomme un fichier absent, ou qui ne peut pas être lue, échoue
avec la raison.
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
Noms des sorties : sans --name, chaque sortie garde le nom de son entrée.
      --name MODÈLE       nomme chaque sortie d&apos;après les tags de son entrée,
                          ainsi &apos;{albumartist}/{album}/{track:02} {title}&apos;
Champs : {title} {artist} {album} {albumartist} (l&apos;artiste s&apos;il est vide)
{track} {tracktotal} {disc} {disctotal} {year} {genre} {composer}, {name}
(le nom de l&apos;entrée) et {folder} (son dossier sous le dossier donné).
{track:02} complète avec des zéros ; une partie entre [ ] est omise quand un
champ y est vide ; / crée des dossiers, mais jamais un / dans un tag : lui et
\ : * ? &quot; &lt; &gt; | deviennent _. Une entrée sans un champ utilisé hors de [ ]
garde son nom ({folder}/{name} avec -r) et le résumé le dit. Les sorties de
même nom sont numérotées. Un champ inconnu ou un [ ou { non fermé est une
erreur qui indique sa position.
</translation>
    </message>
    <message>
        <source>note: %1: %2
</source>
        <translation>remarque : %1 : %2
</translation>
    </message>
</context>
<context>
    <name>RecordedPath</name>
    <message>
        <source>the path is empty</source>
        <translation>le chemin est vide</translation>
    </message>
    <message>
        <source>the path is absolute, not below the destination folder</source>
        <translation>le chemin est absolu, pas sous le dossier de destination</translation>
    </message>
    <message>
        <source>the path leads out of the destination folder</source>
        <translation>le chemin sort du dossier de destination</translation>
    </message>
    <message>
        <source>the path is not written as a plain relative path</source>
        <translation>le chemin n’est pas écrit comme un simple chemin relatif</translation>
    </message>
    <message>
        <source>the path names the record itself</source>
        <translation>le chemin désigne le registre lui-même</translation>
    </message>
    <message>
        <source>the path goes through a symbolic link</source>
        <translation>le chemin passe par un lien symbolique</translation>
    </message>
</context>
<context>
    <name>RunNotice</name>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <translation>1 fichier converti.</translation>
    </message>
    <message>
        <source>%1 files converted.</source>
        <translation>%1 fichiers convertis.</translation>
    </message>
    <message>
        <source>1 file converted, %1 failed.</source>
        <translation>1 fichier converti, %1 en échec.</translation>
    </message>
    <message>
        <source>%1 files converted, %2 failed.</source>
        <translation>%1 fichiers convertis, %2 en échec.</translation>
    </message>
</context>
<context>
    <name>RunOutcome</name>
    <message>
        <source>%1 converted</source>
        <translation>%1 converti(s)</translation>
    </message>
    <message>
        <source>%1 up to date</source>
        <translation>%1 à jour</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 copié(s)</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 supprimé(s)</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 en échec</translation>
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
    <message>
        <source>%1: converted; %2</source>
        <translation>%1 : converti ; %2</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Tout est à jour</translation>
    </message>
    <message>
        <source>All %1 files were converted before and have not changed since.</source>
        <translation>Les %1 fichiers ont déjà été convertis et n’ont pas changé depuis.</translation>
    </message>
    <message>
        <source>Removed, because its original is gone: %1</source>
        <translation>Supprimé, car l’original n’existe plus : %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Quavero is already running.</source>
        <translation>Quavero est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>Another Quavero window is open but does not answer. Close it, then start Quavero again.</source>
        <translation>Une autre fenêtre de Quavero est ouverte mais ne répond pas. Fermez-la, puis relancez Quavero.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TagCopy</name>
    <message>
        <source>the tags of the input could not be read</source>
        <translation>les balises de l’entrée n’ont pas pu être lues</translation>
    </message>
    <message>
        <source>there is no room beside the converted file for a tagged copy</source>
        <translation>il n’y a pas de place à côté du fichier converti pour une copie avec balises</translation>
    </message>
    <message>
        <source>the tagged copy could not take the place of the converted file</source>
        <translation>la copie avec balises n’a pas pu remplacer le fichier converti</translation>
    </message>
    <message>
        <source>the converted file could not be opened for writing</source>
        <translation>le fichier converti n’a pas pu être ouvert en écriture</translation>
    </message>
    <message>
        <source>writing them into the converted file failed</source>
        <translation>leur écriture dans le fichier converti a échoué</translation>
    </message>
    <message>
        <source>the converted file could not be read to add them</source>
        <translation>le fichier converti n’a pas pu être lu pour les y ajouter</translation>
    </message>
    <message>
        <source>picture not copied: %1</source>
        <translation>image non copiée : %1</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot;</source>
        <translation>%1 « %2 »</translation>
    </message>
    <message>
        <source>tags not copied: %1</source>
        <translation>balises non copiées : %1</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG, GIF, BMP or WebP image</source>
        <translation>%1 n’est pas une image JPEG, PNG, GIF, BMP ou WebP</translation>
    </message>
    <message>
        <source>%1 is a WebP image, which %2 cannot hold</source>
        <translation>%1 est une image WebP, que %2 ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 (%2 MB) is too large for %3, which takes at most %4 MB</source>
        <translation>%1 (%2 MB) dépasse la taille que %3 accepte, au plus %4 MB</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>l’image</translation>
    </message>
    <message>
        <source>file icon</source>
        <translation>l’icône de fichier</translation>
    </message>
    <message>
        <source>other file icon</source>
        <translation>l’autre icône de fichier</translation>
    </message>
    <message>
        <source>front cover</source>
        <translation>la pochette avant</translation>
    </message>
    <message>
        <source>back cover</source>
        <translation>la pochette arrière</translation>
    </message>
    <message>
        <source>leaflet page</source>
        <translation>la page du livret</translation>
    </message>
    <message>
        <source>media picture</source>
        <translation>l’image du support</translation>
    </message>
    <message>
        <source>lead artist picture</source>
        <translation>la photo de l’artiste principal</translation>
    </message>
    <message>
        <source>artist picture</source>
        <translation>la photo de l’artiste</translation>
    </message>
    <message>
        <source>conductor picture</source>
        <translation>la photo du chef d’orchestre</translation>
    </message>
    <message>
        <source>band picture</source>
        <translation>la photo du groupe</translation>
    </message>
    <message>
        <source>composer picture</source>
        <translation>la photo du compositeur</translation>
    </message>
    <message>
        <source>lyricist picture</source>
        <translation>la photo du parolier</translation>
    </message>
    <message>
        <source>recording location picture</source>
        <translation>la photo du lieu d’enregistrement</translation>
    </message>
    <message>
        <source>picture taken during recording</source>
        <translation>la photo prise pendant l’enregistrement</translation>
    </message>
    <message>
        <source>picture taken during performance</source>
        <translation>la photo prise pendant le concert</translation>
    </message>
    <message>
        <source>screen capture</source>
        <translation>la capture d’écran</translation>
    </message>
    <message>
        <source>picture of a coloured fish</source>
        <translation>l’image d’un poisson coloré</translation>
    </message>
    <message>
        <source>illustration</source>
        <translation>l’illustration</translation>
    </message>
    <message>
        <source>band logo</source>
        <translation>le logo du groupe</translation>
    </message>
    <message>
        <source>publisher logo</source>
        <translation>le logo de l’éditeur</translation>
    </message>
    <message>
        <source>the tags of .%1 files cannot be read; the output has only what ffmpeg carried over</source>
        <translation>les balises des fichiers .%1 ne peuvent pas être lues ; la sortie n’a que ce que ffmpeg a repris</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Presque terminé</translation>
    </message>
    <message>
        <source>About 1 minute left</source>
        <translation>Il reste environ 1 minute</translation>
    </message>
    <message>
        <source>About %1 seconds left</source>
        <translation>Il reste environ %1 secondes</translation>
    </message>
    <message>
        <source>About %1 minutes left</source>
        <translation>Il reste environ %1 minutes</translation>
    </message>
    <message>
        <source>About 1 hour left</source>
        <translation>Il reste environ 1 heure</translation>
    </message>
    <message>
        <source>About %1 hours left</source>
        <translation>Il reste environ %1 heures</translation>
    </message>
    <message>
        <source>About 1 hour %1 minutes left</source>
        <translation>Il reste environ 1 heure %1 minutes</translation>
    </message>
    <message>
        <source>About %1 hours %2 minutes left</source>
        <translation>Il reste environ %1 heures %2 minutes</translation>
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
    <message>
        <source>Codec:</source>
        <translation>Codec :</translation>
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
    <name>Window_AF_OPUS</name>
    <message>
        <source>Opus Options</source>
        <translation>Options Opus</translation>
    </message>
    <message>
        <source>Bitrate (kbit/s):</source>
        <translation>Débit (kbit/s) :</translation>
    </message>
    <message>
        <source>Bitrate mode:</source>
        <translation>Mode de débit :</translation>
    </message>
    <message>
        <source>Tuned for:</source>
        <translation>Optimisé pour :</translation>
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
    <name>Window_About</name>
    <message>
        <source>About Quavero</source>
        <translation>À propos de Quavero</translation>
    </message>
    <message>
        <source>Converts audio files from one format to another, many at a time.</source>
        <translation>Convertit des fichiers audio d’un format à un autre, plusieurs à la fois.</translation>
    </message>
    <message>
        <source>Programs that convert</source>
        <translation>Programmes qui convertissent</translation>
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
        <source>File list</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Alternating rows, in the desktop&apos;s colors</source>
        <translation>Lignes alternées, aux couleurs du bureau</translation>
    </message>
    <message>
        <source>Waveform colour</source>
        <translation>Couleur de la forme d’onde</translation>
    </message>
    <message>
        <source>List background</source>
        <translation>Fond de la liste</translation>
    </message>
    <message>
        <source>List text colour</source>
        <translation>Couleur du texte de la liste</translation>
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
</context>
<context>
    <name>Window_Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Nombre de fichiers convertis à la fois</translation>
    </message>
    <message>
        <source>Convert </source>
        <translation>Convertir </translation>
    </message>
    <message>
        <source> files at once</source>
        <translation> fichiers à la fois</translation>
    </message>
    <message>
        <source>Pause 2 seconds between files</source>
        <translation>Faire une pause de 2 secondes entre les fichiers</translation>
    </message>
    <message>
        <source>Keeping a converted library in step</source>
        <translation>Tenir à jour une bibliothèque convertie</translation>
    </message>
    <message>
        <source>&amp;Skip files that are already converted and up to date</source>
        <translation>&amp;Sauter les fichiers déjà convertis et à jour</translation>
    </message>
    <message>
        <source>&amp;Remove converted files whose original is gone</source>
        <translation>Supprimer les fichiers convertis dont l’o&amp;riginal n’existe plus</translation>
    </message>
    <message>
        <source>&amp;Copy files that already are in the output format</source>
        <translation>&amp;Copier les fichiers déjà dans le format de sortie</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <source>Loudness &amp;tags:</source>
        <translation>&amp;Balises de sonie :</translation>
    </message>
    <message>
        <source>Loudness tags</source>
        <translation>Balises de sonie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>&amp;Normalize loudness to</source>
        <translation>&amp;Normaliser la sonie à</translation>
    </message>
    <message>
        <source>Normalize loudness to, in LUFS</source>
        <translation>Normaliser la sonie à, en LUFS</translation>
    </message>
    <message>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
    <message>
        <source>Output names</source>
        <translation>Noms des sorties</translation>
    </message>
    <message>
        <source>&amp;Name template (leave empty to keep each input&apos;s name):</source>
        <translation>&amp;Modèle de nom (vide pour garder le nom de chaque entrée) :</translation>
    </message>
    <message>
        <source>Output name template</source>
        <translation>Modèle des noms de sortie</translation>
    </message>
    <message>
        <source>Fields in braces: {title} {artist} {album} {albumartist} {track} {tracktotal} {disc} {disctotal} {year} {genre} {composer} {name} {folder}; {track:02} pads with zeros; a part in [ ] is left out when a field in it is empty; / makes folders</source>
        <translation>Champs entre accolades : {title} {artist} {album} {albumartist} {track} {tracktotal} {disc} {disctotal} {year} {genre} {composer} {name} {folder} ; {track:02} complète avec des zéros ; une partie entre [ ] est omise quand un champ y est vide ; / crée des dossiers</translation>
    </message>
    <message>
        <source>Example output name</source>
        <translation>Exemple de nom de sortie</translation>
    </message>
</context>
<context>
    <name>Window_Presets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Gérer les préréglages</translation>
    </message>
    <message>
        <source>&amp;Saved presets (the built-in ones cannot be changed):</source>
        <translation>Préréglages &amp;enregistrés (ceux fournis ne peuvent pas être modifiés) :</translation>
    </message>
    <message>
        <source>Saved presets</source>
        <translation>Préréglages enregistrés</translation>
    </message>
    <message>
        <source>&amp;New name:</source>
        <translation>&amp;Nouveau nom :</translation>
    </message>
    <message>
        <source>New name of the selected preset</source>
        <translation>Nouveau nom du préréglage choisi</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Why the last change could not be made</source>
        <translation>Pourquoi la dernière modification n&apos;a pas pu être faite</translation>
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
<context>
    <name>quavero::AlertDialog</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Afficher les détails…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Masquer les détails…</translation>
    </message>
</context>
<context>
    <name>quavero::AppDelegate</name>
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
        <source>Choose a folder: its audio files and those of all its subfolders are added.</source>
        <translation>Choisissez un dossier : ses fichiers audio et ceux de tous ses sous-dossiers sont ajoutés.</translation>
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
        <source>%1 cannot be written with these options.</source>
        <translation>%1 ne peut pas être écrit avec ces options.</translation>
    </message>
    <message>
        <source>Choose another in the %1 options, then convert again.</source>
        <translation>Choisissez-en une autre dans les options %1, puis relancez la conversion.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; cannot be used.</source>
        <translation>Le préréglage « %1 » est inutilisable.</translation>
    </message>
    <message>
        <source>Choose another preset, or save it again.</source>
        <translation>Choisissez un autre préréglage, ou enregistrez-le à nouveau.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was set without some of its settings.</source>
        <translation>Le préréglage « %1 » a été appliqué sans certains de ses réglages.</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Enregistrer comme préréglage</translation>
    </message>
    <message>
        <source>Name of the preset for the output format, its options and the name template:</source>
        <translation>Nom du préréglage pour le format de sortie, ses options et le modèle de nom :</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Un préréglage nommé « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>Replace it with the current settings?</source>
        <translation>Le remplacer par les réglages actuels ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The preset could not be saved.</source>
        <translation>Le préréglage n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Select the output folder the workers save the converted audio files in.</source>
        <translation>Choisissez le dossier de sortie où les machines enregistrent les fichiers audio convertis.</translation>
    </message>
    <message>
        <source>Save the job list</source>
        <translation>Enregistrer la liste de tâches</translation>
    </message>
    <message>
        <source>The job list could not be saved.</source>
        <translation>La liste de tâches n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Choose a folder you may write in, then save the job list again.</source>
        <translation>Choisissez un dossier où vous pouvez écrire, puis enregistrez à nouveau la liste de tâches.</translation>
    </message>
    <message>
        <source>Jobs: %1 of the list&apos;s %2 files, in %3.</source>
        <translation>Tâches : %1 des %2 fichiers de la liste, dans %3.</translation>
    </message>
    <message>
        <source>Up to date, and not in the list: %1.</source>
        <translation>À jour, et donc absents de la liste : %1.</translation>
    </message>
    <message>
        <source>Not in the list, since they cannot be converted: %1 (see the details).</source>
        <translation>Absents de la liste, car ils ne peuvent pas être convertis : %1 (voir les détails).</translation>
    </message>
    <message>
        <source>Run the jobs on each machine with quavero-cli --from-plan and --index or --chunk, then sum them up with quavero-cli --report.</source>
        <translation>Exécutez les tâches sur chaque machine avec quavero-cli --from-plan et --index ou --chunk, puis faites-en le bilan avec quavero-cli --report.</translation>
    </message>
    <message>
        <source>The job list is saved.</source>
        <translation>La liste de tâches est enregistrée.</translation>
    </message>
    <message>
        <source>Delete the preset “%1”?</source>
        <translation>Supprimer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>A deleted preset cannot be brought back.</source>
        <translation>Un préréglage supprimé ne peut pas être récupéré.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>quavero::ConversionRun</name>
    <message>
        <source>not converted, because the disk is full</source>
        <translation>non converti, car le disque est plein</translation>
    </message>
</context>
<context>
    <name>quavero::FileTableModel</name>
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
    <name>quavero::FormatOptionsDialog</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Shows the start values of this format&apos;s options; OK keeps them</source>
        <translation>Affiche les valeurs de départ des options de ce format ; OK les garde</translation>
    </message>
</context>
<context>
    <name>quavero::View_Audio_Wave</name>
    <message>
        <source>Waveform</source>
        <translation>Forme d’onde</translation>
    </message>
    <message>
        <source>No Audio Loaded</source>
        <translation>Aucun audio chargé</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>ffmpeg: looking…</source>
        <translation>ffmpeg : recherche…</translation>
    </message>
    <message>
        <source>sox: looking…</source>
        <translation>sox : recherche…</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Convert</name>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Conversion de %1</translation>
    </message>
    <message>
        <source>Waiting for the next file…</source>
        <translation>En attente du fichier suivant…</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Estimation du temps restant…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Preferences</name>
    <message>
        <source> file at once</source>
        <translation> fichier à la fois</translation>
    </message>
    <message>
        <source> files at once</source>
        <translation> fichiers à la fois</translation>
    </message>
</context>
<context>
    <name>quavero::Window_Presets</name>
    <message>
        <source>There are no saved presets. Save one with Presets ▸ Save as Preset…</source>
        <translation>Aucun préréglage enregistré. Enregistrez-en un avec Préréglages ▸ Enregistrer comme préréglage…</translation>
    </message>
</context>
</TS>
