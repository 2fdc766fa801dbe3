<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DeviceWatcher</name>
    <message>
        <source>Another program is using it: unmount it in the file manager, or close the program that uses it, then import again.</source>
        <translation>Ein anderes Programm verwendet das Gerät: Hängen Sie es im Dateimanager aus oder schließen Sie das Programm, das es verwendet, und importieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>It cannot be opened: %1.</source>
        <translation>Es kann nicht geöffnet werden: %1.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 an Zeichen %2</translation>
    </message>
    <message>
        <source>the name pattern cannot be used: %1</source>
        <translation>das Namensmuster ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>the folder pattern cannot be used: %1</source>
        <translation>das Ordnermuster ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>{%1} takes only :lower, not %2</source>
        <translation>{%1} erlaubt nur :lower, nicht %2</translation>
    </message>
    <message>
        <source>{%1} takes no option, not %2</source>
        <translation>{%1} erlaubt keine Option, also nicht %2</translation>
    </message>
    <message>
        <source>a / in %1 makes no folder (write {taken:%Y}/{taken:%m})</source>
        <translation>ein / in %1 ergibt keinen Ordner (schreiben Sie {taken:%Y}/{taken:%m})</translation>
    </message>
    <message>
        <source>%1 needs a width of 1 to 9 digits, e.g. {seq:4},</source>
        <translation>%1 braucht eine Breite von 1 bis 9 Ziffern, z. B. {seq:4},</translation>
    </message>
    <message>
        <source>unknown field %1</source>
        <translation>unbekanntes Feld %1</translation>
    </message>
    <message>
        <source>a folder cannot be named %1,</source>
        <translation>ein Ordner darf nicht %1 heißen,</translation>
    </message>
    <message>
        <source>the backup folder is the destination of the %1 group: choose another folder</source>
        <translation>der Sicherungsordner ist das Ziel der Gruppe %1: Wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>the backup folder %1 is on the same disk as the destination of the %2 group: one failure of that disk would lose both copies</source>
        <translation>der Sicherungsordner %1 liegt auf demselben Laufwerk wie das Ziel der Gruppe %2: Ein Ausfall dieses Laufwerks würde beide Kopien vernichten</translation>
    </message>
    <message>
        <source>the destination %1 is not mounted (is its drive connected?)</source>
        <translation>das Ziel %1 ist nicht eingehängt (ist sein Laufwerk angeschlossen?)</translation>
    </message>
    <message>
        <source>the destination %1 is on the card being imported: it would be erased with the card</source>
        <translation>das Ziel %1 liegt auf der Karte, die importiert wird: Es würde mit ihr gelöscht</translation>
    </message>
    <message>
        <source>the destination %1 does not exist (is its drive connected?)</source>
        <translation>das Ziel %1 existiert nicht (ist sein Laufwerk angeschlossen?)</translation>
    </message>
    <message>
        <source>the destination %1 was unmounted or replaced during the import</source>
        <translation>das Ziel %1 wurde während des Imports ausgehängt oder ersetzt</translation>
    </message>
    <message>
        <source>the destination %1 cannot be opened: %2</source>
        <translation>das Ziel %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>needs %1 at %2, %3 free</source>
        <translation>braucht %1 in %2, frei sind %3</translation>
    </message>
    <message>
        <source>there is not enough space: %1</source>
        <translation>es ist nicht genug Platz: %1</translation>
    </message>
    <message>
        <source>a folder below the destination is a symbolic link: %1</source>
        <translation>ein Ordner unterhalb des Ziels ist eine symbolische Verknüpfung: %1</translation>
    </message>
    <message>
        <source>no destination folder is chosen for the %1 group</source>
        <translation>für die Gruppe %1 ist kein Zielordner gewählt</translation>
    </message>
    <message>
        <source>the %1 group is switched off</source>
        <translation>die Gruppe %1 ist ausgeschaltet</translation>
    </message>
    <message>
        <source>kestrel does not import .%1 files</source>
        <translation>kestrel importiert keine .%1-Dateien</translation>
    </message>
    <message>
        <source>%1 is on a %2 file system, which cannot give a file its name without risking replacing another: nothing is copied there.</source>
        <translation>%1 liegt auf einem %2-Dateisystem, das einer Datei ihren Namen nur unter Gefahr geben kann, eine andere zu ersetzen: Dorthin wird nichts kopiert.</translation>
    </message>
    <message>
        <source>the report could not be written: %1</source>
        <translation>der Bericht konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the sidecar cannot be written: %1</source>
        <translation>die Begleitdatei lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>the metadata cannot be written as XMP: %1</source>
        <translation>die Metadaten lassen sich nicht als XMP schreiben: %1</translation>
    </message>
    <message>
        <source>the hash record at %1 cannot be written: %2</source>
        <translation>das Prüfsummenverzeichnis in %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>the hash record at %1 is damaged: %2</source>
        <translation>das Prüfsummenverzeichnis in %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>the camera says: %1</source>
        <translation>die Kamera meldet: %1</translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>es gibt keinen Ordner %1</translation>
    </message>
    <message>
        <source>no camera or phone is connected at %1</source>
        <translation>an %1 ist keine Kamera und kein Telefon angeschlossen</translation>
    </message>
    <message>
        <source>the transfer cannot start: %1</source>
        <translation>die Übertragung kann nicht beginnen: %1</translation>
    </message>
    <message>
        <source>%1% · %2 of %3</source>
        <translation>%1 % · %2 von %3</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <translation>noch %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>noch etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>noch etwa %1 h</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>noch etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>already at its destination</source>
        <translation>bereits am Ziel</translation>
    </message>
    <message>
        <source>a different file has this name</source>
        <translation>eine andere Datei trägt diesen Namen</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>die Quelle lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it changed while being copied</source>
        <translation>sie hat sich beim Kopieren verändert</translation>
    </message>
    <message>
        <source>the destination folder is missing or not writable</source>
        <translation>der Zielordner fehlt oder ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>das Laufwerk ist voll</translation>
    </message>
    <message>
        <source>the destination&apos;s file system cannot name a file without risking replacing another</source>
        <translation>das Dateisystem des Ziels kann eine Datei nur unter Gefahr benennen, eine andere zu ersetzen</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>ein Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>its date cannot be placed in the calendar</source>
        <translation>ihr Datum lässt sich keinem Kalendertag zuordnen</translation>
    </message>
    <message>
        <source>the import was stopped first</source>
        <translation>der Import wurde vorher abgebrochen</translation>
    </message>
    <message>
        <source>not imported with the current options</source>
        <translation>mit den aktuellen Einstellungen nicht importiert</translation>
    </message>
    <message>
        <source>a folder below the destination is a symbolic link</source>
        <translation>ein Ordner unterhalb des Ziels ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>the name is too long for the destination&apos;s file system</source>
        <translation>der Name ist zu lang für das Dateisystem des Ziels</translation>
    </message>
    <message>
        <source>no destination folder is chosen</source>
        <translation>kein Zielordner gewählt</translation>
    </message>
    <message>
        <source>the copy read back from the destination differs from the card</source>
        <translation>die vom Ziel zurückgelesene Kopie weicht von der Karte ab</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>nicht ausgewählt</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>das Muster ist leer</translation>
    </message>
    <message>
        <source>a } with no { (write }} for a } of its own)</source>
        <translation>eine } ohne { (schreiben Sie }} für eine einzelne })</translation>
    </message>
    <message>
        <source>a file name cannot hold /</source>
        <translation>ein Dateiname darf kein / enthalten</translation>
    </message>
    <message>
        <source>unclosed {</source>
        <translation>nicht geschlossene {</translation>
    </message>
    <message>
        <source>{taken} needs a format, e.g. {taken:%Y-%m-%d},</source>
        <translation>{taken} braucht ein Format, z. B. {taken:%Y-%m-%d},</translation>
    </message>
    <message>
        <source>an empty folder name</source>
        <translation>ein leerer Ordnername</translation>
    </message>
    <message>
        <source>a file name pattern needs {name} or {seq}, so that each file gets a name of its own</source>
        <translation>ein Namensmuster braucht {name} oder {seq}, damit jede Datei einen eigenen Namen erhält</translation>
    </message>
    <message>
        <source>a file name pattern must end with {ext}, so that each copy keeps its ending</source>
        <translation>ein Namensmuster muss mit {ext} enden, damit jede Kopie ihre Endung behält</translation>
    </message>
    <message>
        <source>another program is using the camera (unmount it in the file manager)</source>
        <translation>ein anderes Programm verwendet die Kamera (hängen Sie sie im Dateimanager aus)</translation>
    </message>
    <message>
        <source>the camera was disconnected</source>
        <translation>die Kamera wurde getrennt</translation>
    </message>
    <message>
        <source>the camera is busy</source>
        <translation>die Kamera ist beschäftigt</translation>
    </message>
    <message>
        <source>it is no longer on the camera</source>
        <translation>sie ist nicht mehr auf der Kamera</translation>
    </message>
    <message>
        <source>the import was stopped</source>
        <translation>der Import wurde abgebrochen</translation>
    </message>
    <message>
        <source>the transfer was abandoned</source>
        <translation>die Übertragung wurde aufgegeben</translation>
    </message>
    <message>
        <source>the camera gives no time for it</source>
        <translation>die Kamera nennt dafür keine Zeit</translation>
    </message>
    <message>
        <source>the destination folder was moved or replaced during the import</source>
        <translation>der Zielordner wurde während des Imports verschoben oder ersetzt</translation>
    </message>
    <message>
        <source>the copy at the destination has changed since it was imported (damaged?)</source>
        <translation>die Kopie am Ziel hat sich seit dem Import verändert (beschädigt?)</translation>
    </message>
    <message>
        <source>a file of this name is already there: it is left as it is</source>
        <translation>eine Datei dieses Namens ist schon da: Sie bleibt unverändert</translation>
    </message>
    <message>
        <source>the metadata cannot be written as XMP (is it valid UTF-8?)</source>
        <translation>die Metadaten lassen sich nicht als XMP schreiben (gültiges UTF-8?)</translation>
    </message>
    <message>
        <source>its ascmhl folder is a symbolic link</source>
        <translation>sein ascmhl-Ordner ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Verzeichnis</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Gerät nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>the hash record at %1 cannot be read: %2</source>
        <translation>das Prüfsummenverzeichnis in %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reason, then the system&apos;s words for the error that caused it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the job sequence in %1 cannot be reached: a symbolic link stands in its way</source>
        <translation>die Auftragsnummerierung in %1 ist nicht erreichbar: Eine symbolische Verknüpfung steht im Weg</translation>
    </message>
    <message>
        <source>the job sequence in %1 cannot be kept: %2</source>
        <translation>die Auftragsnummerierung in %1 lässt sich nicht speichern: %2</translation>
    </message>
    <message>
        <source>the job sequence in %1 is damaged at line %2; no numbers are given until it is repaired, so that none repeats</source>
        <translation>die Auftragsnummerierung in %1 ist in Zeile %2 beschädigt; bis sie repariert ist, werden keine Nummern vergeben, damit sich keine wiederholt</translation>
    </message>
    <message>
        <source>the job sequence in %1 has no numbers left for this job</source>
        <translation>die Auftragsnummerierung in %1 hat für diesen Auftrag keine Nummern mehr frei</translation>
    </message>
    <message>
        <source>not selected; imported before as %1, no longer at its destination</source>
        <translation>nicht ausgewählt; früher als %1 importiert, nicht mehr an seinem Ziel</translation>
    </message>
    <message>
        <source>the hash record at %1 lists %2 files less: their names cannot be written in it</source>
        <translation>im Prüfsummenverzeichnis in %1 fehlen Dateien (%2): Ihre Namen lassen sich darin nicht schreiben</translation>
    </message>
    <message>
        <source>the chain lists %1 outside its folder</source>
        <translation>die Kette nennt %1 außerhalb ihres Ordners</translation>
    </message>
    <message>
        <source>%1 is not the file its chain lists</source>
        <translation>%1 ist nicht die Datei, die seine Kette nennt</translation>
    </message>
</context>
<context>
    <name>Finished</name>
    <message>
        <source>nothing was copied: %1.</source>
        <translation>Nichts wurde kopiert: %1.</translation>
    </message>
    <message numerus="yes">
        <source>copying of %n files stopped:</source>
        <translation>
            <numerusform>Kopieren von %Ln Datei abgebrochen:</numerusform>
            <numerusform>Kopieren von %Ln Dateien abgebrochen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n done,</source>
        <translation>
            <numerusform> %Ln erledigt,</numerusform>
            <numerusform> %Ln erledigt,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n left.</source>
        <translation>
            <numerusform> %Ln übrig.</numerusform>
            <numerusform> %Ln übrig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>copying of %n files finished.</source>
        <translation>
            <numerusform>Kopieren von %Ln Datei beendet.</numerusform>
            <numerusform>Kopieren von %Ln Dateien beendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n already there.</source>
        <translation>
            <numerusform> %Ln bereits vorhanden.</numerusform>
            <numerusform> %Ln bereits vorhanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n not copied.</source>
        <translation>
            <numerusform> %Ln nicht kopiert.</numerusform>
            <numerusform> %Ln nicht kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n could not be read.</source>
        <translation>
            <numerusform> %Ln ließ sich nicht lesen.</numerusform>
            <numerusform> %Ln ließen sich nicht lesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n other photos or clips were not imported.</source>
        <translation>
            <numerusform> %Ln weiteres Foto oder Video wurde nicht importiert.</numerusform>
            <numerusform> %Ln weitere Fotos oder Videos wurden nicht importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n new files were not selected.</source>
        <translation>
            <numerusform> %Ln neue Datei wurde nicht ausgewählt.</numerusform>
            <numerusform> %Ln neue Dateien wurden nicht ausgewählt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n files not selected were imported before but are no longer at their destination.</source>
        <translation>
            <numerusform> %Ln nicht ausgewählte Datei wurde früher importiert, ist aber nicht mehr an ihrem Ziel.</numerusform>
            <numerusform> %Ln nicht ausgewählte Dateien wurden früher importiert, sind aber nicht mehr an ihrem Ziel.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n not safe at the backup.</source>
        <translation>
            <numerusform> %Ln in der Sicherung nicht sicher.</numerusform>
            <numerusform> %Ln in der Sicherung nicht sicher.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n copies read back differently and were copied again.</source>
        <translation>
            <numerusform> %Ln Kopie las sich anders zurück und wurde erneut kopiert.</numerusform>
            <numerusform> %Ln Kopien lasen sich anders zurück und wurden erneut kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n had no capture date and were dated by their file times.</source>
        <translation>
            <numerusform> %Ln hatte kein Aufnahmedatum und wurde nach Dateizeit datiert.</numerusform>
            <numerusform> %Ln hatten kein Aufnahmedatum und wurden nach Dateizeiten datiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Nothing was copied: %1. Do not format the card.</source>
        <translation>Nichts wurde kopiert: %1. Formatieren Sie die Speicherkarte nicht.</translation>
    </message>
    <message>
        <source>No photo or clip was picked here, so nothing was copied.</source>
        <translation>Hier wurde kein Foto und kein Clip ausgewählt, daher wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Nothing was copied: %1. Do not delete anything from the camera or phone.</source>
        <translation>Nichts wurde kopiert: %1. Löschen Sie nichts von der Kamera oder dem Telefon.</translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: the import was stopped and %Ln files are only on the card.</source>
        <translation>
            <numerusform>Formatieren Sie die Speicherkarte noch nicht: Der Import wurde abgebrochen und %Ln Datei ist nur auf der Karte.</numerusform>
            <numerusform>Formatieren Sie die Speicherkarte noch nicht: Der Import wurde abgebrochen und %Ln Dateien sind nur auf der Karte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: %Ln files are only on the card.</source>
        <translation>
            <numerusform>Formatieren Sie die Speicherkarte noch nicht: %Ln Datei ist nur auf der Karte.</numerusform>
            <numerusform>Formatieren Sie die Speicherkarte noch nicht: %Ln Dateien sind nur auf der Karte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: %Ln files are not safe at the backup.</source>
        <translation>
            <numerusform>Formatieren Sie die Speicherkarte noch nicht: %Ln Datei ist in der Sicherung nicht sicher abgelegt.</numerusform>
            <numerusform>Formatieren Sie die Speicherkarte noch nicht: %Ln Dateien sind in der Sicherung nicht sicher abgelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The card may be formatted: every photo and clip is verified at %Ln destinations.</source>
        <translation>
            <numerusform>Die Speicherkarte darf formatiert werden: Jedes Foto und jeder Clip ist an seinem Ziel überprüft.</numerusform>
            <numerusform>Die Speicherkarte darf formatiert werden: Jedes Foto und jeder Clip ist an %Ln Zielen überprüft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The card may be formatted: every photo and clip is copied (not read back) to %Ln destinations.</source>
        <translation>
            <numerusform>Die Speicherkarte darf formatiert werden: Jedes Foto und jeder Clip ist in sein Ziel kopiert (nicht zurückgelesen).</numerusform>
            <numerusform>Die Speicherkarte darf formatiert werden: Jedes Foto und jeder Clip ist in %Ln Ziele kopiert (nicht zurückgelesen).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: the import was stopped and %Ln files are only on it.</source>
        <translation>
            <numerusform>Löschen Sie noch nichts von der Kamera oder dem Telefon: Der Import wurde abgebrochen und %Ln Datei ist nur dort.</numerusform>
            <numerusform>Löschen Sie noch nichts von der Kamera oder dem Telefon: Der Import wurde abgebrochen und %Ln Dateien sind nur dort.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: %Ln files are only on it.</source>
        <translation>
            <numerusform>Löschen Sie noch nichts von der Kamera oder dem Telefon: %Ln Datei ist nur dort.</numerusform>
            <numerusform>Löschen Sie noch nichts von der Kamera oder dem Telefon: %Ln Dateien sind nur dort.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: %Ln files are not safe at the backup.</source>
        <translation>
            <numerusform>Löschen Sie noch nichts von der Kamera oder dem Telefon: %Ln Datei ist in der Sicherung nicht sicher abgelegt.</numerusform>
            <numerusform>Löschen Sie noch nichts von der Kamera oder dem Telefon: %Ln Dateien sind in der Sicherung nicht sicher abgelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every photo and clip on the camera or phone is verified at %Ln destinations: they may be deleted from the camera or phone.</source>
        <translation>
            <numerusform>Jedes Foto und jeder Clip auf der Kamera oder dem Telefon ist an seinem Ziel überprüft: Die Dateien dürfen von der Kamera oder dem Telefon gelöscht werden.</numerusform>
            <numerusform>Jedes Foto und jeder Clip auf der Kamera oder dem Telefon ist an %Ln Zielen überprüft: Die Dateien dürfen von der Kamera oder dem Telefon gelöscht werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every photo and clip on the camera or phone is copied (not read back) to %Ln destinations: they may be deleted from the camera or phone.</source>
        <translation>
            <numerusform>Jedes Foto und jeder Clip auf der Kamera oder dem Telefon ist in sein Ziel kopiert (nicht zurückgelesen): Die Dateien dürfen von der Kamera oder dem Telefon gelöscht werden.</numerusform>
            <numerusform>Jedes Foto und jeder Clip auf der Kamera oder dem Telefon ist in %Ln Ziele kopiert (nicht zurückgelesen): Die Dateien dürfen von der Kamera oder dem Telefon gelöscht werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>kestrel</source>
        <translation>kestrel</translation>
    </message>
    <message>
        <source>&lt;p style=&quot;font-size:large&quot;&gt;&lt;b&gt;Drop a memory card or a folder here&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Its photos and clips are copied into dated folders below the destinations.&lt;br&gt;Nothing on the card is changed, and no file is ever replaced.&lt;/p&gt;</source>
        <translation>&lt;p style=&quot;font-size:large&quot;&gt;&lt;b&gt;Speicherkarte oder Ordner hier ablegen&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Die Fotos und Clips werden in datierte Ordner unterhalb der Ziele kopiert.&lt;br&gt;Auf der Karte wird nichts verändert, und keine Datei wird je ersetzt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Drop well</source>
        <translation>Ablagefläche</translation>
    </message>
    <message>
        <source>Memory cards</source>
        <translation>Speicherkarten</translation>
    </message>
    <message>
        <source>Import F&amp;older…</source>
        <translation>&amp;Ordner importieren…</translation>
    </message>
    <message>
        <source>Choose a folder to import, as if it were dropped on the well (Ctrl+O)</source>
        <translation>Einen Ordner zum Importieren wählen, als wäre er auf der Ablagefläche abgelegt worden (Strg+O)</translation>
    </message>
    <message>
        <source>JPG photos and MOV clips</source>
        <translation>JPG-Fotos und MOV-Clips</translation>
    </message>
    <message>
        <source>Import &amp;JPG and MOV files</source>
        <translation>&amp;JPG- und MOV-Dateien importieren</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>J&amp;ahr</translation>
    </message>
    <message>
        <source>A folder per year, for every copied file</source>
        <translation>Ein Ordner pro Jahr, für jede kopierte Datei</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Monat</translation>
    </message>
    <message>
        <source>A folder per month, for every copied file</source>
        <translation>Ein Ordner pro Monat, für jede kopierte Datei</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <source>A folder per day, for every copied file</source>
        <translation>Ein Ordner pro Tag, für jede kopierte Datei</translation>
    </message>
    <message>
        <source>Copy &amp;to:</source>
        <translation>&amp;Kopieren nach:</translation>
    </message>
    <message>
        <source>Destination folder of JPG and MOV files</source>
        <translation>Zielordner für JPG- und MOV-Dateien</translation>
    </message>
    <message>
        <source>RAW, DNG and TIFF files</source>
        <translation>RAW-, DNG- und TIFF-Dateien</translation>
    </message>
    <message>
        <source>Import &amp;RAF, CR2, NEF, DNG and TIF files</source>
        <translation>&amp;RAF-, CR2-, NEF-, DNG- und TIF-Dateien importieren</translation>
    </message>
    <message>
        <source>Y&amp;ear</source>
        <translation>Ja&amp;hr</translation>
    </message>
    <message>
        <source>Kept with your settings; the JPG side&apos;s Year, Month and Day decide the folders of every copied file</source>
        <translation>Bleibt mit Ihren Einstellungen erhalten; Jahr, Monat und Tag der JPG-Seite bestimmen die Ordner jeder kopierten Datei</translation>
    </message>
    <message>
        <source>Mo&amp;nth</source>
        <translation>Mo&amp;nat</translation>
    </message>
    <message>
        <source>D&amp;ay</source>
        <translation>Ta&amp;g</translation>
    </message>
    <message>
        <source>Co&amp;py to:</source>
        <translation>Ko&amp;pieren nach:</translation>
    </message>
    <message>
        <source>Destination folder of RAW, DNG and TIFF files</source>
        <translation>Zielordner für RAW-, DNG- und TIFF-Dateien</translation>
    </message>
    <message>
        <source>Date fi&amp;les by their modification time instead of their creation time</source>
        <translation>Dateien nach Änderungszeit statt nach Erstellungs&amp;zeit datieren</translation>
    </message>
    <message>
        <source>Date photos by when they were ta&amp;ken</source>
        <translation>Fotos nach A&amp;ufnahmezeitpunkt datieren</translation>
    </message>
    <message>
        <source>The capture time in a photo&apos;s or clip&apos;s own metadata; a file without one is dated by its file times</source>
        <translation>Die Aufnahmezeit aus den eigenen Metadaten eines Fotos oder Clips; eine Datei ohne sie wird nach ihren Dateizeiten datiert</translation>
    </message>
    <message>
        <source>Keep &amp;both when a different file has the name</source>
        <translation>&amp;Beide behalten, wenn eine andere Datei den Namen trägt</translation>
    </message>
    <message>
        <source>Copy it under NAME-1.EXT, NAME-2.EXT, … instead of leaving it on the card</source>
        <translation>Sie als NAME-1.EXT, NAME-2.EXT, … kopieren, statt sie auf der Karte zu lassen</translation>
    </message>
    <message>
        <source>Also import ot&amp;her camera formats (CR3, ARW, HEIC, MP4, …)</source>
        <translation>Auch weitere Kamera&amp;formate importieren (CR3, ARW, HEIC, MP4, …)</translation>
    </message>
    <message>
        <source>Raw photos go to the RAW destination, other photos and every clip to the JPG destination; when off, they stay on the card and the card is not safe to format</source>
        <translation>Rohdaten-Fotos gehen an das RAW-Ziel, andere Fotos und alle Clips an das JPG-Ziel; ausgeschaltet bleiben sie auf der Karte, und die Karte darf nicht formatiert werden</translation>
    </message>
    <message>
        <source>&amp;Verify every copy by reading it back</source>
        <translation>Jede Kopie durch Zurück&amp;lesen überprüfen</translation>
    </message>
    <message>
        <source>Compare each copy&apos;s hash with its source&apos;s before giving it its name</source>
        <translation>Die Prüfsumme jeder Kopie mit der ihrer Quelle vergleichen, bevor sie ihren Namen erhält</translation>
    </message>
    <message>
        <source>Back &amp;up to:</source>
        <translation>&amp;Sichern nach:</translation>
    </message>
    <message>
        <source>Also copy every file to a second destination</source>
        <translation>Jede Datei zusätzlich an ein zweites Ziel kopieren</translation>
    </message>
    <message>
        <source>Second destination: every file is also copied here</source>
        <translation>Zweites Ziel: Jede Datei wird auch hierhin kopiert</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unmounts the card and powers it off, so that it can be taken out</source>
        <translation>Hängt die Karte aus und schaltet sie ab, damit sie entnommen werden kann</translation>
    </message>
    <message>
        <source>Asks the file manager to let go of the camera or phone, then imports it</source>
        <translation>Bittet den Dateimanager, die Kamera oder das Telefon freizugeben, und importiert dann</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Stops the import after the file in hand (Esc)</source>
        <translation>Beendet den Import nach der gerade bearbeiteten Datei (Esc)</translation>
    </message>
    <message>
        <source>&amp;Import Users/harl/SD</source>
        <translation>&amp;Importieren Users/harl/SD</translation>
    </message>
    <message>
        <source>Files not copied</source>
        <translation>Nicht kopierte Dateien</translation>
    </message>
    <message>
        <source>Names and folder&amp;s…</source>
        <translation>Namen und &amp;Ordner…</translation>
    </message>
    <message>
        <source>Name the copies and file them in folders by patterns, for a job, and add the photographer&apos;s metadata beside them</source>
        <translation>Die Kopien nach Mustern benennen und in Ordner einordnen, für einen Auftrag, und die Metadaten des Fotografen daneben ablegen</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
</context>
<context>
    <name>kestrel-import</name>
    <message>
        <source>%1 does not exist (is its drive connected?): create it first</source>
        <translation>%1 existiert nicht (ist sein Laufwerk angeschlossen?): Legen Sie es zuerst an</translation>
    </message>
    <message>
        <source>not a folder: %1</source>
        <translation>kein Ordner: %1</translation>
    </message>
    <message>
        <source>folder name is not valid UTF-8 and cannot be stored: %1</source>
        <translation>der Ordnername ist kein gültiges UTF-8 und lässt sich nicht speichern: %1</translation>
    </message>
    <message>
        <source>text is not valid UTF-8 and cannot be stored: %1</source>
        <translation>der Text ist kein gültiges UTF-8 und lässt sich nicht speichern: %1</translation>
    </message>
    <message>
        <source>unknown option or missing value: %1</source>
        <translation>unbekannte Option oder fehlender Wert: %1</translation>
    </message>
    <message>
        <source>bad value for %1</source>
        <translation>ungültiger Wert für %1</translation>
    </message>
    <message>
        <source>only one SOURCE folder can be imported at a time</source>
        <translation>es lässt sich nur ein SOURCE-Ordner auf einmal importieren</translation>
    </message>
    <message>
        <source>--verify only checks DEST; leave out SOURCE, settings and --show</source>
        <translation>--verify prüft nur DEST; lassen Sie SOURCE, Einstellungen und --show weg</translation>
    </message>
    <message>
        <source>--list-devices only lists; leave out SOURCE, settings and --show</source>
        <translation>--list-devices listet nur auf; lassen Sie SOURCE, Einstellungen und --show weg</translation>
    </message>
    <message>
        <source>give SOURCE or --device PORT, not both</source>
        <translation>geben Sie SOURCE oder --device PORT an, nicht beides</translation>
    </message>
    <message>
        <source>--dry-run needs SOURCE or --device PORT, and no --show</source>
        <translation>--dry-run braucht SOURCE oder --device PORT und kein --show</translation>
    </message>
    <message>
        <source>--show does not import; leave out SOURCE and --device</source>
        <translation>--show importiert nichts; lassen Sie SOURCE und --device weg</translation>
    </message>
    <message>
        <source>no SOURCE folder given</source>
        <translation>kein SOURCE-Ordner angegeben</translation>
    </message>
    <message>
        <source>not copied to the backup: %1: %2</source>
        <translation>nicht in die Sicherung kopiert: %1: %2</translation>
    </message>
    <message>
        <source>not copied: %1: %2</source>
        <translation>nicht kopiert: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more not copied</source>
        <translation>
            <numerusform>… und %Ln weitere nicht kopiert</numerusform>
            <numerusform>… und %Ln weitere nicht kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more not copied, listed in the report</source>
        <translation>
            <numerusform>… und %Ln weitere nicht kopiert, im Bericht aufgeführt</numerusform>
            <numerusform>… und %Ln weitere nicht kopiert, im Bericht aufgeführt</numerusform>
        </translation>
    </message>
    <message>
        <source>report: %1</source>
        <translation>Bericht: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>close the file manager window that shows the camera or phone, or unmount it there, then try again</source>
        <translation>schließen Sie das Dateimanager-Fenster, das die Kamera oder das Telefon zeigt, oder hängen Sie sie dort aus, und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>%1: nothing is copied.</source>
        <translation>%1: Es wird nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 has no hash record (ascmhl folder)</source>
        <translation>%1 hat kein Prüfsummenverzeichnis (ascmhl-Ordner)</translation>
    </message>
    <message>
        <source>Try &apos;kestrel-import --help&apos;.</source>
        <translation>Mehr dazu mit „kestrel-import --help“.</translation>
    </message>
    <message>
        <source>no destination chosen for the %1 group: choose one with %2</source>
        <translation>kein Ziel für die Gruppe %1 gewählt: Wählen Sie eines mit %2</translation>
    </message>
    <message>
        <source>cameras cannot be looked for: %1</source>
        <translation>nach Kameras kann nicht gesucht werden: %1</translation>
    </message>
    <message>
        <source>no camera or phone is connected</source>
        <translation>keine Kamera und kein Telefon angeschlossen</translation>
    </message>
    <message>
        <source>SOURCE is not a folder: %1</source>
        <translation>SOURCE ist kein Ordner: %1</translation>
    </message>
    <message>
        <source>the preferences file cannot be read: %1</source>
        <translation>die Einstellungsdatei lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>%1 is not mounted (is its drive connected?): connect it first</source>
        <translation>%1 ist nicht eingehängt (ist sein Laufwerk angeschlossen?): Schließen Sie es zuerst an</translation>
    </message>
    <message>
        <source>warning: the preferences file %1 cannot be written</source>
        <translation>Warnung: die Einstellungsdatei %1 lässt sich nicht schreiben</translation>
    </message>
    <message numerus="yes">
        <source>stopped after checking %Ln files at %1: </source>
        <translation>
            <numerusform>abgebrochen nach Prüfung von %Ln Datei in %1: </numerusform>
            <numerusform>abgebrochen nach Prüfung von %Ln Dateien in %1: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>checked %Ln files at %1: </source>
        <translation>
            <numerusform>%Ln Datei in %1 geprüft: </numerusform>
            <numerusform>%Ln Dateien in %1 geprüft: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match, </source>
        <translation>
            <numerusform>%Ln stimmt überein, </numerusform>
            <numerusform>%Ln stimmen überein, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed, </source>
        <translation>
            <numerusform>%Ln verändert, </numerusform>
            <numerusform>%Ln verändert, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln missing, </source>
        <translation>
            <numerusform>%Ln fehlt, </numerusform>
            <numerusform>%Ln fehlen, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln unreadable, </source>
        <translation>
            <numerusform>%Ln unlesbar, </numerusform>
            <numerusform>%Ln unlesbar, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln without an XXH3-128 hash, </source>
        <translation>
            <numerusform>%Ln ohne XXH3-128-Prüfsumme, </numerusform>
            <numerusform>%Ln ohne XXH3-128-Prüfsumme, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not recorded.</source>
        <translation>
            <numerusform>%Ln nicht verzeichnet.</numerusform>
            <numerusform>%Ln nicht verzeichnet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel::BrowseModel</name>
    <message>
        <source>No preview</source>
        <translation>Keine Vorschau</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>wird geprüft…</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>at destination</source>
        <translation>am Ziel</translation>
    </message>
    <message>
        <source>imported before</source>
        <translation>früher importiert</translation>
    </message>
    <message>
        <source>not imported</source>
        <translation>nicht importiert</translation>
    </message>
    <message>
        <source>Recorded at the destination as %1</source>
        <translation>Am Ziel aufgezeichnet als %1</translation>
    </message>
    <message>
        <source>Goes to %1</source>
        <translation>Geht nach %1</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>wird geprüft</translation>
    </message>
    <message>
        <source>Already there as %1</source>
        <translation>Bereits vorhanden als %1</translation>
    </message>
</context>
<context>
    <name>kestrel::BrowseWindow</name>
    <message>
        <source>Select &amp;New</source>
        <translation>&amp;Neue auswählen</translation>
    </message>
    <message>
        <source>%1 — kestrel</source>
        <translation>%1 — kestrel</translation>
    </message>
    <message>
        <source>Photos and clips</source>
        <translation>Fotos und Clips</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Looking at %1…</source>
        <translation>%1 wird angesehen…</translation>
    </message>
    <message>
        <source>The card was removed.</source>
        <translation>Die Karte wurde entfernt.</translation>
    </message>
    <message>
        <source>(checking the destinations…)</source>
        <translation>(Ziele werden geprüft…)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>%Ln neu</numerusform>
            <numerusform>%Ln neu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already at the destination</source>
        <translation>
            <numerusform>%Ln bereits am Ziel</numerusform>
            <numerusform>%Ln bereits am Ziel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln imported before</source>
        <translation>
            <numerusform>%Ln früher importiert</numerusform>
            <numerusform>%Ln früher importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not imported by the current options</source>
        <translation>
            <numerusform>%Ln mit den aktuellen Optionen nicht importiert</numerusform>
            <numerusform>%Ln mit den aktuellen Optionen nicht importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Import %Ln Selected</source>
        <translation>
            <numerusform>%Ln ausgewählte &amp;importieren</numerusform>
            <numerusform>%Ln ausgewählte &amp;importieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Listing the files: %Ln found so far…</source>
        <translation>
            <numerusform>Dateien werden aufgelistet: bisher %Ln gefunden…</numerusform>
            <numerusform>Dateien werden aufgelistet: bisher %Ln gefunden…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Looking at %1 of %Ln photos and clips…</source>
        <translation>
            <numerusform>%1 von %Ln Foto oder Clip wird angesehen…</numerusform>
            <numerusform>%1 von %Ln Fotos und Clips werden angesehen…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln photos and clips</source>
        <translation>
            <numerusform>%Ln Foto oder Clip</numerusform>
            <numerusform>%Ln Fotos und Clips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel::CardEjector</name>
    <message>
        <source>The system&apos;s disk service did not answer, so the card cannot be ejected: %1</source>
        <translation>Der Datenträgerdienst des Systems hat nicht geantwortet, daher kann die Karte nicht ausgeworfen werden: %1</translation>
    </message>
    <message>
        <source>This folder is not on a card the system can eject.</source>
        <translation>Dieser Ordner liegt nicht auf einer Karte, die das System auswerfen kann.</translation>
    </message>
    <message>
        <source>The card is still in use by another program: close the files open on it, then eject it again.</source>
        <translation>Die Karte wird noch von einem anderen Programm verwendet: Schließen Sie die darauf geöffneten Dateien und werfen Sie sie dann erneut aus.</translation>
    </message>
    <message>
        <source>The system did not allow the card to be ejected: %1</source>
        <translation>Das System hat das Auswerfen der Karte nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>The card could not be unmounted: %1</source>
        <translation>Die Karte konnte nicht ausgehängt werden: %1</translation>
    </message>
    <message>
        <source>The card is unmounted and safe to remove, but it could not be powered off: %1</source>
        <translation>Die Karte ist ausgehängt und kann sicher entfernt werden, konnte aber nicht abgeschaltet werden: %1</translation>
    </message>
</context>
<context>
    <name>kestrel::CardList</name>
    <message>
        <source>No memory card, camera or phone found.</source>
        <translation>Keine Speicherkarte, Kamera oder Telefon gefunden.</translation>
    </message>
    <message>
        <source>Release and import</source>
        <translation>Freigeben und importieren</translation>
    </message>
    <message>
        <source>Release and import %1</source>
        <translation>%1 freigeben und importieren</translation>
    </message>
    <message>
        <source>Asks the file manager to let go of it, then imports it</source>
        <translation>Bittet den Dateimanager, sie freizugeben, und importiert sie dann</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Browse %1</source>
        <translation>%1 ansehen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
</context>
<context>
    <name>kestrel::DesktopRelease</name>
    <message>
        <source>the desktop has no mount of it that kestrel could find</source>
        <translation>die Arbeitsumgebung hat keine Einbindung davon, die kestrel finden konnte</translation>
    </message>
</context>
<context>
    <name>kestrel::DestinationChoice</name>
    <message>
        <source>the backup folder is the destination of the JPG group: choose another folder</source>
        <translation>der Sicherungsordner ist das Ziel der JPG-Gruppe: Wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>the backup folder is the destination of the RAW group: choose another folder</source>
        <translation>der Sicherungsordner ist das Ziel der RAW-Gruppe: Wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>None: no second copy</source>
        <translation>Keine: keine zweite Kopie</translation>
    </message>
    <message>
        <source>Choose where JPG and MOV files go</source>
        <translation>Wählen Sie, wohin JPG- und MOV-Dateien kommen</translation>
    </message>
    <message>
        <source>Choose where RAW, DNG and TIFF files go</source>
        <translation>Wählen Sie, wohin RAW-, DNG- und TIFF-Dateien kommen</translation>
    </message>
    <message>
        <source>Choose where backup copies go</source>
        <translation>Wählen Sie, wohin Sicherungskopien kommen</translation>
    </message>
</context>
<context>
    <name>kestrel::EjectOffer</name>
    <message>
        <source>&amp;Eject %1</source>
        <translation>%1 aus&amp;werfen</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>Wird ausgeworfen…</translation>
    </message>
    <message>
        <source>The card %1 can be removed now.</source>
        <translation>Die Karte %1 kann jetzt entnommen werden.</translation>
    </message>
</context>
<context>
    <name>kestrel::ImportCheck</name>
    <message>
        <source>No destination folder is chosen for %1 files.</source>
        <translation>Für %1-Dateien ist kein Zielordner gewählt.</translation>
    </message>
    <message>
        <source>The %1 destination “%2” is not a folder.</source>
        <translation>Das %1-Ziel „%2“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>The %1 destination “%2” is not writable.</source>
        <translation>Das %1-Ziel „%2“ ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>“%1” is not there (any more).</source>
        <translation>„%1“ ist nicht (mehr) vorhanden.</translation>
    </message>
    <message>
        <source>“%1” is a file: drop a memory card or a folder.</source>
        <translation>„%1“ ist eine Datei: Legen Sie eine Speicherkarte oder einen Ordner ab.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be read.</source>
        <translation>Der Ordner „%1“ kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>kestrel::JobExample</name>
    <message>
        <source>File names: %1</source>
        <translation>Dateinamen: %1</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>Job “%1”: renamed by %2</source>
        <translation>Auftrag „%1“: umbenannt nach %2</translation>
    </message>
    <message>
        <source>Job “%1”: filed in %2</source>
        <translation>Auftrag „%1“: eingeordnet in %2</translation>
    </message>
    <message>
        <source>Job “%1”: renamed by %2, filed in %3</source>
        <translation>Auftrag „%1“: umbenannt nach %2, eingeordnet in %3</translation>
    </message>
    <message>
        <source>Renamed by %1</source>
        <translation>Umbenannt nach %1</translation>
    </message>
    <message>
        <source>Filed in %1</source>
        <translation>Eingeordnet in %1</translation>
    </message>
    <message>
        <source>Renamed by %1, filed in %2</source>
        <translation>Umbenannt nach %1, eingeordnet in %2</translation>
    </message>
</context>
<context>
    <name>kestrel::LaunchArguments</name>
    <message>
        <source>unknown option: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>only one FOLDER can be shown at a time</source>
        <translation>es kann nur ein FOLDER auf einmal gezeigt werden</translation>
    </message>
    <message>
        <source>not a folder: %1</source>
        <translation>kein Ordner: %1</translation>
    </message>
    <message>
        <source>Usage: kestrel [FOLDER]</source>
        <translation>Aufruf: kestrel [FOLDER]</translation>
    </message>
    <message>
        <source>Opens kestrel&apos;s window, which files the photos and clips of a memory card, or
of any folder, into dated folders. With FOLDER, the window shows that folder
ready to import, with its photos and clips as a grid of thumbnails, and imports
nothing until Import (or Import Selected in the grid) is clicked.</source>
        <translation>Öffnet das Fenster von kestrel, das die Fotos und Clips einer Speicherkarte
oder eines beliebigen Ordners in Ordner nach Datum ablegt. Mit FOLDER zeigt das
Fenster diesen Ordner importbereit, seine Fotos und Clips als Raster von
Vorschaubildern, und importiert nichts, bevor Importieren (oder im Raster
Ausgewählte importieren) geklickt wird.</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>diese Hilfe ausgeben</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>die Version ausgeben</translation>
    </message>
    <message>
        <source>Qt&apos;s options, such as -platform NAME, are accepted too. The command
kestrel-import runs the same import from a terminal.</source>
        <translation>Die Optionen von Qt, etwa -platform NAME, werden ebenfalls angenommen. Der
Befehl kestrel-import führt denselben Import im Terminal aus.</translation>
    </message>
    <message>
        <source>Try &apos;kestrel --help&apos;.</source>
        <translation>Mehr dazu mit „kestrel --help“.</translation>
    </message>
</context>
<context>
    <name>kestrel::NamesSheet</name>
    <message>
        <source>the name on the card, without its ending</source>
        <translation>der Name auf der Karte, ohne Endung</translation>
    </message>
    <message>
        <source>the ending as on the card (.JPG)</source>
        <translation>die Endung wie auf der Karte (.JPG)</translation>
    </message>
    <message>
        <source>the ending in lower case (.jpg)</source>
        <translation>die Endung in Kleinbuchstaben (.jpg)</translation>
    </message>
    <message>
        <source>the day it was taken (any strftime format)</source>
        <translation>der Aufnahmetag (jedes strftime-Format)</translation>
    </message>
    <message>
        <source>the time it was taken</source>
        <translation>die Aufnahmezeit</translation>
    </message>
    <message>
        <source>the job&apos;s next number in 4 digits (1 to 9), one per photo and its twins</source>
        <translation>die nächste Nummer des Auftrags mit 4 Stellen (1 bis 9), eine je Foto und seine Zwillinge</translation>
    </message>
    <message>
        <source>the job</source>
        <translation>der Auftrag</translation>
    </message>
    <message>
        <source>the camera&apos;s model</source>
        <translation>das Kameramodell</translation>
    </message>
    <message>
        <source>the card&apos;s name</source>
        <translation>der Name der Karte</translation>
    </message>
    <message>
        <source>JPG or RAW: the file&apos;s group, or that of the JPG it goes with</source>
        <translation>JPG oder RAW: die Gruppe der Datei oder die des zugehörigen JPG</translation>
    </message>
    <message>
        <source>Cr&amp;eator:</source>
        <translation>&amp;Urheber:</translation>
    </message>
    <message>
        <source>Co&amp;pyright notice:</source>
        <translation>Co&amp;pyright-Vermerk:</translation>
    </message>
    <message>
        <source>Cre&amp;dit line:</source>
        <translation>&amp;Bildnachweis:</translation>
    </message>
    <message>
        <source>&amp;Keywords:</source>
        <translation>&amp;Stichwörter:</translation>
    </message>
    <message>
        <source>Descr&amp;iption:</source>
        <translation>Besch&amp;reibung:</translation>
    </message>
    <message>
        <source>Names and Folders</source>
        <translation>Namen und Ordner</translation>
    </message>
    <message>
        <source>Names and folders of the copies</source>
        <translation>Namen und Ordner der Kopien</translation>
    </message>
    <message>
        <source>&amp;Rename files:</source>
        <translation>Dateien &amp;umbenennen:</translation>
    </message>
    <message>
        <source>File in &amp;folders by a pattern:</source>
        <translation>In &amp;Ordner nach einem Muster einordnen:</translation>
    </message>
    <message>
        <source>for {job}, e.g. wedding</source>
        <translation>für {job}, z. B. Hochzeit</translation>
    </message>
    <message>
        <source>&amp;Job:</source>
        <translation>Auf&amp;trag:</translation>
    </message>
    <message>
        <source>Fields: {name} {ext} {ext:lower} {taken:FORMAT} {seq:N} {job} {camera} {card} {tag}; {{ and }} stand for { and }. The {…} buttons insert one at the cursor.</source>
        <translation>Felder: {name} {ext} {ext:lower} {taken:FORMAT} {seq:N} {job} {camera} {card} {tag}; {{ und }} stehen für { und }. Die Schaltflächen {…} fügen eines an der Schreibmarke ein.</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>The photographer&apos;s metadata</source>
        <translation>Die Metadaten des Fotografen</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>durch Kommas getrennt</translation>
    </message>
    <message>
        <source>&amp;NAME.xmp</source>
        <translation>&amp;NAME.xmp</translation>
    </message>
    <message>
        <source>One sidecar for a photo and its RAW twin, as most editors read it</source>
        <translation>Eine Begleitdatei für ein Foto und seinen RAW-Zwilling, wie die meisten Bildbearbeitungen sie lesen</translation>
    </message>
    <message>
        <source>NAME.EX&amp;T.xmp</source>
        <translation>NAME.EX&amp;T.xmp</translation>
    </message>
    <message>
        <source>One sidecar for each file, also for a photo&apos;s RAW twin</source>
        <translation>Eine Begleitdatei für jede Datei, auch für den RAW-Zwilling eines Fotos</translation>
    </message>
    <message>
        <source>Sidecar names:</source>
        <translation>Namen der Begleitdateien:</translation>
    </message>
    <message>
        <source>When any of these is filled in, it goes into an XMP sidecar file beside each copy, never into the copy: the copies stay byte for byte as on the card.</source>
        <translation>Sobald eines davon ausgefüllt ist, kommt es in eine XMP-Begleitdatei neben jeder Kopie, nie in die Kopie selbst: Die Kopien bleiben Byte für Byte wie auf der Karte.</translation>
    </message>
    <message>
        <source>{…}</source>
        <translation>{…}</translation>
    </message>
    <message>
        <source>Insert a field at the cursor</source>
        <translation>Ein Feld an der Schreibmarke einfügen</translation>
    </message>
    <message>
        <source>Insert a field</source>
        <translation>Feld einfügen</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>File names: type a pattern, or switch renaming off</source>
        <translation>Dateinamen: Geben Sie ein Muster ein oder schalten Sie das Umbenennen aus</translation>
    </message>
    <message>
        <source>Folders: type a pattern, or switch it off</source>
        <translation>Ordner: Geben Sie ein Muster ein oder schalten Sie es aus</translation>
    </message>
</context>
<context>
    <name>kestrel::PathControl</name>
    <message>
        <source>Folders above</source>
        <translation>Übergeordnete Ordner</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Choose any folder</source>
        <translation>Beliebigen Ordner wählen</translation>
    </message>
    <message>
        <source>Choose a destination folder</source>
        <translation>Zielordner wählen</translation>
    </message>
</context>
<context>
    <name>kestrel::ReleaseOffer</name>
    <message>
        <source>Releasing…</source>
        <translation>Wird freigegeben…</translation>
    </message>
    <message>
        <source>Release and import</source>
        <translation>Freigeben und importieren</translation>
    </message>
    <message>
        <source>Close the file manager window that shows the camera or phone, or unmount it there, then try again.</source>
        <translation>Schließen Sie das Dateimanager-Fenster, das die Kamera oder das Telefon zeigt, oder hängen Sie das Gerät dort aus, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>It was not released: %1.</source>
        <translation>Es wurde nicht freigegeben: %1.</translation>
    </message>
</context>
<context>
    <name>kestrel::ReportModel</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Was geschah</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>at the backup: %1</source>
        <translation>in der Sicherung: %1</translation>
    </message>
    <message>
        <source>changed since it was recorded</source>
        <translation>seit der Aufzeichnung verändert</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>recorded without an XXH3-128 hash, not checked</source>
        <translation>ohne XXH3-128-Prüfsumme aufgezeichnet, nicht geprüft</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nicht aufgezeichnet</translation>
    </message>
</context>
<context>
    <name>kestrel::ReportView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
</context>
<context>
    <name>kestrel::StatusPanel</name>
    <message>
        <source>The import %1.</source>
        <translation>Der Import %1.</translation>
    </message>
    <message>
        <source>Not enough space</source>
        <translation>Nicht genug Speicherplatz</translation>
    </message>
    <message>
        <source>Import the files that fit, in order, and leave the rest on the card, or import nothing?</source>
        <translation>Die Dateien, die Platz haben, der Reihe nach importieren und den Rest auf der Karte lassen, oder nichts importieren?</translation>
    </message>
    <message>
        <source>Import What Fits</source>
        <translation>Importieren, was passt</translation>
    </message>
    <message>
        <source>Import Nothing</source>
        <translation>Nichts importieren</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 von %2 (%3)</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Nichts wurde geprüft.</translation>
    </message>
</context>
<context>
    <name>kestrel::VerdictText</name>
    <message numerus="yes">
        <source> since they were recorded. </source>
        <translation>
            <numerusform> seit der Aufzeichnung. </numerusform>
            <numerusform> seit der Aufzeichnung. </numerusform>
        </translation>
    </message>
    <message>
        <source>The list below names them.</source>
        <translation>Die Liste unten nennt sie.</translation>
    </message>
    <message>
        <source>The list below says why.</source>
        <translation>Die Liste unten nennt die Gründe.</translation>
    </message>
    <message>
        <source>The hash record is missing: %1.</source>
        <translation>Das Prüfsummenprotokoll fehlt: %1.</translation>
    </message>
    <message>
        <source>The files not selected were imported before: they may be deleted from the camera or phone.</source>
        <translation>Die nicht ausgewählten Dateien wurden früher importiert: Die Dateien dürfen von der Kamera oder dem Telefon gelöscht werden.</translation>
    </message>
    <message>
        <source>The files not selected were imported before: the card may be formatted.</source>
        <translation>Die nicht ausgewählten Dateien wurden früher importiert: Die Speicherkarte darf formatiert werden.</translation>
    </message>
    <message>
        <source>They may be deleted from the camera or phone.</source>
        <translation>Die Dateien dürfen von der Kamera oder dem Telefon gelöscht werden.</translation>
    </message>
    <message>
        <source>The card may be formatted.</source>
        <translation>Die Speicherkarte darf formatiert werden.</translation>
    </message>
    <message>
        <source>Do not delete anything from the camera or phone yet.</source>
        <translation>Löschen Sie noch nichts von der Kamera oder dem Telefon.</translation>
    </message>
    <message>
        <source>Do not format the card yet.</source>
        <translation>Formatieren Sie die Speicherkarte noch nicht.</translation>
    </message>
    <message>
        <source>The check of %1 was stopped before every file was read.</source>
        <translation>Die Prüfung von %1 wurde abgebrochen, bevor jede Datei gelesen war.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files at %1 changed</source>
        <translation>
            <numerusform>%Ln Datei in %1 hat sich verändert</numerusform>
            <numerusform>%Ln Dateien in %1 haben sich verändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %Ln are missing</source>
        <translation>
            <numerusform> und %Ln fehlt</numerusform>
            <numerusform> und %Ln fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files at %1 are missing</source>
        <translation>
            <numerusform>%Ln Datei in %1 fehlt</numerusform>
            <numerusform>%Ln Dateien in %1 fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be read. </source>
        <translation>
            <numerusform>Nicht lesbar: %Ln. </numerusform>
            <numerusform>Nicht lesbar: %Ln. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln are recorded without an XXH3-128 hash and were not checked. </source>
        <translation>
            <numerusform>%Ln ist ohne XXH3-128-Prüfsumme aufgezeichnet und wurde nicht geprüft. </numerusform>
            <numerusform>%Ln sind ohne XXH3-128-Prüfsumme aufgezeichnet und wurden nicht geprüft. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was stopped: %Ln of the %1 selected files are still only on the camera or phone.</source>
        <translation>
            <numerusform>Der Import wurde abgebrochen: %Ln der %1 ausgewählten Dateien ist noch nur auf der Kamera oder dem Telefon.</numerusform>
            <numerusform>Der Import wurde abgebrochen: %Ln der %1 ausgewählten Dateien sind noch nur auf der Kamera oder dem Telefon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was stopped: %Ln of the %1 selected files are still only on the card.</source>
        <translation>
            <numerusform>Der Import wurde abgebrochen: %Ln der %1 ausgewählten Dateien ist noch nur auf der Karte.</numerusform>
            <numerusform>Der Import wurde abgebrochen: %Ln der %1 ausgewählten Dateien sind noch nur auf der Karte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the %1 selected files are not at their destination; the list below says why.</source>
        <translation>
            <numerusform>%Ln der %1 ausgewählten Dateien ist nicht an ihrem Ziel; die Liste unten nennt den Grund.</numerusform>
            <numerusform>%Ln der %1 ausgewählten Dateien sind nicht an ihrem Ziel; die Liste unten nennt die Gründe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %Ln selected files are verified at their destination.</source>
        <translation>
            <numerusform>Die ausgewählte Datei ist an ihrem Ziel überprüft.</numerusform>
            <numerusform>Die %Ln ausgewählten Dateien sind an ihrem Ziel überprüft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %Ln selected files are copied (not read back).</source>
        <translation>
            <numerusform>Die ausgewählte Datei ist kopiert (nicht zurückgelesen).</numerusform>
            <numerusform>Die %Ln ausgewählten Dateien sind kopiert (nicht zurückgelesen).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new files were not selected and are still only on the camera or phone.</source>
        <translation>
            <numerusform>%Ln neue Datei wurde nicht ausgewählt und ist noch nur auf der Kamera oder dem Telefon.</numerusform>
            <numerusform>%Ln neue Dateien wurden nicht ausgewählt und sind noch nur auf der Kamera oder dem Telefon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new files were not selected and are still only on the card.</source>
        <translation>
            <numerusform>%Ln neue Datei wurde nicht ausgewählt und ist noch nur auf der Karte.</numerusform>
            <numerusform>%Ln neue Dateien wurden nicht ausgewählt und sind noch nur auf der Karte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files not selected were imported before but are no longer at their destination, so they are only on the camera or phone.</source>
        <translation>
            <numerusform>%Ln nicht ausgewählte Datei wurde früher importiert, ist aber nicht mehr an ihrem Ziel und daher nur auf der Kamera oder dem Telefon.</numerusform>
            <numerusform>%Ln nicht ausgewählte Dateien wurden früher importiert, sind aber nicht mehr an ihrem Ziel und daher nur auf der Kamera oder dem Telefon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files not selected were imported before but are no longer at their destination, so they are only on the card.</source>
        <translation>
            <numerusform>%Ln nicht ausgewählte Datei wurde früher importiert, ist aber nicht mehr an ihrem Ziel und daher nur auf der Karte.</numerusform>
            <numerusform>%Ln nicht ausgewählte Dateien wurden früher importiert, sind aber nicht mehr an ihrem Ziel und daher nur auf der Karte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln other files on the camera or phone were not imported.</source>
        <translation>
            <numerusform>%Ln weitere Datei auf der Kamera oder dem Telefon wurde nicht importiert.</numerusform>
            <numerusform>%Ln weitere Dateien auf der Kamera oder dem Telefon wurden nicht importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln other files on the card were not imported.</source>
        <translation>
            <numerusform>%Ln weitere Datei auf der Karte wurde nicht importiert.</numerusform>
            <numerusform>%Ln weitere Dateien auf der Karte wurden nicht importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %Ln recorded files at %1.</source>
        <translation>
            <numerusform>%Ln aufgezeichnete Datei in %1 geprüft.</numerusform>
            <numerusform>%Ln aufgezeichnete Dateien in %1 geprüft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln recorded files at %1 match their record.</source>
        <translation>
            <numerusform>Die %Ln aufgezeichnete Datei in %1 stimmt mit ihrer Aufzeichnung überein.</numerusform>
            <numerusform>Alle %Ln aufgezeichneten Dateien in %1 stimmen mit ihrer Aufzeichnung überein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files there are not in the record.</source>
        <translation>
            <numerusform>%Ln Datei dort ist nicht aufgezeichnet.</numerusform>
            <numerusform>%Ln Dateien dort sind nicht aufgezeichnet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel::ViewController</name>
    <message>
        <source>%1 — kestrel</source>
        <translation>%1 — kestrel</translation>
    </message>
    <message>
        <source>Browse Folder</source>
        <translation>Ordner ansehen</translation>
    </message>
    <message>
        <source>Ready to import %1</source>
        <translation>Bereit, %1 zu importieren</translation>
    </message>
    <message>
        <source>Import Folder</source>
        <translation>Ordner importieren</translation>
    </message>
    <message>
        <source>Verify Folder</source>
        <translation>Ordner überprüfen</translation>
    </message>
    <message>
        <source>Checking %1 against its hash record…</source>
        <translation>%1 wird mit seinem Prüfsummenprotokoll verglichen…</translation>
    </message>
    <message>
        <source>%1 has no hash record (ascmhl folder): there is nothing to check it against.</source>
        <translation>%1 hat kein Prüfsummenprotokoll (Ordner ascmhl): Es gibt nichts, womit es verglichen werden könnte.</translation>
    </message>
    <message>
        <source>Imports the folder %1 below the current folder</source>
        <translation>Importiert den Ordner %1 unterhalb des aktuellen Ordners</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Folder…</source>
        <translation>Ordner &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Browse Folder…</source>
        <translation>Ordner &amp;ansehen…</translation>
    </message>
    <message>
        <source>&amp;Verify Folder…</source>
        <translation>Ordner &amp;überprüfen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>The preferences file cannot be read: %1</source>
        <translation>Die Einstellungsdatei kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>kestrel::cli::Help</name>
    <message>
        <source>Copies the photos and clips below the folder SOURCE into dated folders,
DEST/&lt;tag&gt;/&lt;year&gt;/&lt;month&gt;/&lt;day&gt;/, exactly as a drop of SOURCE on kestrel&apos;s
window does. Sources are only read; an existing file is never replaced.
With --device, the files come from a camera or phone connected over USB
(PTP or MTP, through libgphoto2) instead, filed by the time the camera gives
each file (with --taken on, by the capture time at the start of the file where
it has one); a file imported before, whose copy still holds what was recorded,
is not sent again; nothing on it is deleted or changed.</source>
        <translation>Kopiert die Fotos und Clips unterhalb des Ordners SOURCE in datierte Ordner,
DEST/&lt;tag&gt;/&lt;year&gt;/&lt;month&gt;/&lt;day&gt;/, genau wie ein Ablegen von SOURCE auf dem
Fenster von kestrel. Quellen werden nur gelesen; eine vorhandene Datei wird nie
ersetzt. Mit --device kommen die Dateien stattdessen von einer Kamera oder
einem Telefon, das über USB angeschlossen ist (PTP oder MTP, über libgphoto2),
abgelegt nach der Zeit, die die Kamera für jede Datei angibt (mit --taken on
nach der Aufnahmezeit am Anfang der Datei, wo sie eine hat); eine früher
importierte Datei, deren Kopie noch dem Aufgezeichneten entspricht, wird
nicht erneut übertragen; auf dem Gerät wird nichts gelöscht oder verändert.</translation>
    </message>
    <message>
        <source>JPG group: files ending in jpg, JPG, mov, MOV (tag JPG).
RAW group: files ending in raf, RAF, cr2, CR2, nef, NEF (tag RAW) and
           dng, DNG, tif, TIF (tag DNG).</source>
        <translation>Gruppe JPG: Dateien mit der Endung jpg, JPG, mov, MOV (Kennung JPG).
Gruppe RAW: Dateien mit der Endung raf, RAF, cr2, CR2, nef, NEF (Kennung RAW)
            und dng, DNG, tif, TIF (Kennung DNG).</translation>
    </message>
    <message>
        <source>Any other photo or clip on the card or camera (CR3, ARW, HEIC, MP4, .Jpg, …)
is left there and named, and the import does not count as complete, unless
--other-formats is on.</source>
        <translation>Jedes andere Foto und jeder andere Clip auf der Karte oder Kamera (CR3, ARW,
HEIC, MP4, .Jpg, …) bleibt dort und wird genannt, und der Import gilt nicht
als vollständig, außer wenn --other-formats eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Settings are stored in kestrel&apos;s preferences, shared with the window, and
apply to this and every later import:</source>
        <translation>Einstellungen werden in den Einstellungen von kestrel gespeichert, die das
Fenster mitbenutzt, und gelten für diesen und jeden späteren Import:</translation>
    </message>
    <message>
        <source>import the JPG group</source>
        <translation>die Gruppe JPG importieren</translation>
    </message>
    <message>
        <source>import the RAW group</source>
        <translation>die Gruppe RAW importieren</translation>
    </message>
    <message>
        <source>date folders made for every copied file: any of
y (year), m (month), d (day), e.g. ymd, ym, d,
or none</source>
        <translation>Datumsordner für jede kopierte Datei: beliebige
von y (Jahr), m (Monat), d (Tag), z. B. ymd, ym, d,
oder none</translation>
    </message>
    <message>
        <source>the RAW side&apos;s date options, as the window shows
them (where files go follows --folders)</source>
        <translation>die Datumsoptionen der RAW-Seite, wie das Fenster
sie zeigt (wohin Dateien gehen, folgt --folders)</translation>
    </message>
    <message>
        <source>date files by creation (birth) time or by
modification time</source>
        <translation>Dateien nach Erstellungszeit (birth) oder nach
Änderungszeit datieren</translation>
    </message>
    <message>
        <source>destination folder of the JPG group</source>
        <translation>Zielordner der Gruppe JPG</translation>
    </message>
    <message>
        <source>destination folder of the RAW group</source>
        <translation>Zielordner der Gruppe RAW</translation>
    </message>
    <message>
        <source>date photos and clips by when they were taken, read
from their own metadata (EXIF, the movie header);
a file without one is dated as --date says</source>
        <translation>Fotos und Clips nach ihrer Aufnahmezeit datieren,
gelesen aus ihren eigenen Metadaten (EXIF, Kopf
des Films); eine Datei ohne sie wird nach --date
datiert</translation>
    </message>
    <message>
        <source>copy a different file that has the destination
name under NAME-1.EXT, NAME-2.EXT, … instead of
leaving it behind</source>
        <translation>eine andere Datei mit dem Namen am Ziel als
NAME-1.EXT, NAME-2.EXT, … kopieren, statt sie
zurückzulassen</translation>
    </message>
    <message>
        <source>also import the other photo and clip formats:
raw stills under RAW (TIFF under DNG), other
stills and every clip under JPG</source>
        <translation>auch die anderen Foto- und Clipformate
importieren: Rohbilder unter RAW (TIFF unter DNG),
andere Bilder und jeden Clip unter JPG</translation>
    </message>
    <message>
        <source>read every copy back and compare it with the
source before giving it its name (on unless
set off)</source>
        <translation>jede Kopie zurücklesen und mit der Quelle
vergleichen, bevor sie ihren Namen erhält (on,
außer ausgeschaltet)</translation>
    </message>
    <message>
        <source>also copy every file to FOLDER, a second
destination; none for no second copy</source>
        <translation>jede Datei auch nach FOLDER kopieren, ein
zweites Ziel; none für keine zweite Kopie</translation>
    </message>
    <message>
        <source>name every copy by PATTERN instead of its name
on the card, e.g. {taken:%Y%m%d}_{seq:4}{ext};
off for the names as on the card</source>
        <translation>jede Kopie nach PATTERN statt nach ihrem Namen
auf der Karte benennen, z. B.
{taken:%Y%m%d}_{seq:4}{ext}; off für die Namen
wie auf der Karte</translation>
    </message>
    <message>
        <source>file every copy in the folders PATTERN gives
below the destination, e.g. {tag}/{taken:%Y}/{job},
instead of &lt;tag&gt;/&lt;year&gt;/&lt;month&gt;/&lt;day&gt;; off for
the date folders again</source>
        <translation>jede Kopie in den Ordnern ablegen, die PATTERN
unterhalb des Ziels ergibt, z. B.
{tag}/{taken:%Y}/{job}, statt in
&lt;tag&gt;/&lt;year&gt;/&lt;month&gt;/&lt;day&gt;; off für wieder die
Datumsordner</translation>
    </message>
    <message>
        <source>A pattern is fixed text and fields: {name} (the name on the card without
its ending), {ext} (the ending with its dot; {ext:lower} in lower case),
{taken:FORMAT} (the date the file is filed by, as strftime&apos;s FORMAT puts
it), {seq} or {seq:N} (the job&apos;s next number, N digits wide), {job},
{camera} (the camera model in the photo&apos;s EXIF, else &quot;camera&quot;), {card} (the
SOURCE folder&apos;s name, or the camera&apos;s model) and {tag} (JPG, RAW or DNG);
{{ and }} stand for { and }. A name pattern ends with {ext} and has {name}
or {seq}. Files of one name before their endings (IMG_0001.JPG with
IMG_0001.CR2) take one new name together, each with its own ending, and
their values from the JPG. The numbers of a job are kept at each
destination, in .kestrel/sequence, so they never repeat there: a run takes
them only for the files it copies, the same at every destination a file
goes to.</source>
        <translation>Ein Muster besteht aus festem Text und Feldern: {name} (der Name auf der
Karte ohne Endung), {ext} (die Endung mit ihrem Punkt; {ext:lower} in
Kleinbuchstaben), {taken:FORMAT} (das Datum, nach dem die Datei abgelegt
wird, wie strftimes FORMAT es schreibt), {seq} oder {seq:N} (die nächste
Nummer des Auftrags, N Ziffern breit), {job}, {camera} (das Kameramodell im
EXIF des Fotos, sonst &quot;camera&quot;), {card} (der Name des Ordners SOURCE oder
das Modell der Kamera) und {tag} (JPG, RAW oder DNG); {{ und }} stehen für {
und }. Ein Namensmuster endet mit {ext} und enthält {name} oder {seq}.
Dateien mit einem Namen vor ihren Endungen (IMG_0001.JPG mit IMG_0001.CR2)
erhalten gemeinsam einen neuen Namen, jede mit ihrer eigenen Endung, und
ihre Werte aus der JPG-Datei. Die Nummern eines Auftrags werden an jedem Ziel
in .kestrel/sequence geführt, damit sie sich dort nie wiederholen: Ein Lauf
nimmt sie nur für die Dateien, die er kopiert, an jedem Ziel, zu dem eine
Datei geht, dieselbe.</translation>
    </message>
    <message>
        <source>The photographer&apos;s metadata goes into an XMP sidecar beside every copy, never
into the copy itself: NAME.xmp (one for IMG_0001.JPG and IMG_0001.CR2 in the
same folder), written when any of these is set; an empty TEXT clears it. A
file that already has the sidecar&apos;s name is never replaced: the log and the
report note it. Sidecars are listed in the hash record like the copies, and
count for nothing in the exit status.</source>
        <translation>Die Metadaten des Fotografen kommen in eine XMP-Begleitdatei neben jeder
Kopie, nie in die Kopie selbst: NAME.xmp (eine für IMG_0001.JPG und
IMG_0001.CR2 im selben Ordner), geschrieben, wenn eine dieser Angaben gesetzt
ist; ein leerer TEXT löscht sie. Eine Datei, die schon den Namen der
Begleitdatei trägt, wird nie ersetzt: Protokoll und Bericht vermerken es.
Begleitdateien stehen wie die Kopien im Prüfsummenverzeichnis und zählen
nicht für den Rückgabewert.</translation>
    </message>
    <message>
        <source>the photographer (dc:creator)</source>
        <translation>der Fotograf (dc:creator)</translation>
    </message>
    <message>
        <source>the copyright notice (dc:rights)</source>
        <translation>der Urheberrechtsvermerk (dc:rights)</translation>
    </message>
    <message>
        <source>the credit line (photoshop:Credit)</source>
        <translation>die Quellenangabe (photoshop:Credit)</translation>
    </message>
    <message>
        <source>keywords separated by commas, &quot;a, b&quot; (dc:subject)</source>
        <translation>Stichwörter durch Kommas getrennt, &quot;a, b&quot;
(dc:subject)</translation>
    </message>
    <message>
        <source>a description of the photos (dc:description)</source>
        <translation>eine Beschreibung der Fotos (dc:description)</translation>
    </message>
    <message>
        <source>sidecars named NAME.xmp, or NAME.EXT.xmp, one per
copy (IMG_0001.JPG.xmp)</source>
        <translation>Begleitdateien mit dem Namen NAME.xmp oder
NAME.EXT.xmp, eine je Kopie (IMG_0001.JPG.xmp)</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>Weitere Optionen:</translation>
    </message>
    <message>
        <source>check the files at the destination DEST against
its hash record (the ascmhl folder): print each
file changed, missing or not recorded, and a
count; imports nothing</source>
        <translation>die Dateien am Ziel DEST mit seinem
Prüfsummenverzeichnis (dem Ordner ascmhl)
vergleichen: jede veränderte, fehlende oder nicht
aufgezeichnete Datei ausgeben und eine Zählung;
importiert nichts</translation>
    </message>
    <message>
        <source>import from the camera or phone at PORT
(usb:001,004, as listed by --list-devices) instead
of SOURCE; disk:FOLDER serves FOLDER as a camera.
Files are named PORT + their path on the camera:
usb:001,004/store_00010001/DCIM/IMG_0001.JPG</source>
        <translation>von der Kamera oder dem Telefon an PORT
(usb:001,004, wie --list-devices es nennt) statt
von SOURCE importieren; disk:FOLDER bietet FOLDER
als Kamera an. Dateien heißen PORT + ihr Pfad auf
der Kamera:
usb:001,004/store_00010001/DCIM/IMG_0001.JPG</translation>
    </message>
    <message>
        <source>print each camera and phone connected, one a line:
PORT, MODEL and its storages, separated by tabs
(with --device, that port&apos;s too); imports nothing</source>
        <translation>jede angeschlossene Kamera und jedes Telefon
ausgeben, eines je Zeile: PORT, MODEL und seine
Speicher, durch Tabulatoren getrennt (mit
--device auch die dieses Ports); importiert nichts</translation>
    </message>
    <message>
        <source>the {job} of this run&apos;s patterns, and the job
whose numbers {seq} takes; for this run only,
never stored</source>
        <translation>der {job} der Muster dieses Laufs und der
Auftrag, dessen Nummern {seq} nimmt; nur für
diesen Lauf, nie gespeichert</translation>
    </message>
    <message>
        <source>print what the import of SOURCE (or of the
camera at --device PORT) would do, one line per
file: SOURCE_FILE -&gt; DESTINATION_FILE for each
copy it would make, or SOURCE_FILE: why it would
not; then a count. Writes nothing at all: no
folder, copy, number, record, report, nor the
settings given with it, which apply to it only</source>
        <translation>ausgeben, wie der Import von SOURCE (oder der
Kamera an --device PORT) verliefe, eine Zeile je
Datei: SOURCE_FILE -&gt; DESTINATION_FILE für jede
Kopie, die er anlegen würde, oder SOURCE_FILE:
warum nicht; dann eine Zählung. Schreibt gar
nichts: keinen Ordner, keine Kopie, Nummer,
Aufzeichnung, keinen Bericht, auch nicht die
mitgegebenen Einstellungen, die nur dafür gelten</translation>
    </message>
    <message>
        <source>print the stored settings, one key=value a line</source>
        <translation>die gespeicherten Einstellungen ausgeben, eine
key=value je Zeile</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>diese Hilfe ausgeben</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>die Version ausgeben</translation>
    </message>
    <message>
        <source>Standard output carries the import&apos;s log: the source folder, one line per
folder and file, and a count. Standard error shows the progress while it is
a terminal, and always the final message.</source>
        <translation>Die Standardausgabe enthält das Protokoll des Imports: den Quellordner, eine
Zeile je Ordner und Datei und eine Zählung. Die Standardfehlerausgabe zeigt
den Fortschritt, solange sie ein Terminal ist, und immer die Schlussmeldung.</translation>
    </message>
    <message>
        <source>Exit status: 0 when every photo and clip below SOURCE (or on the camera) is
at its destination (copied now, or already there with the same bytes): the
card may be formatted; 1 when any is not, or a camera cannot be opened; 2
for usage errors, preferences that cannot be read, no destination chosen for
a group that is on, destinations that are refused (a backup folder that
is a group&apos;s destination, a destination on the card being imported, or a
folder that does not exist), a pattern that cannot be used (the message
says at which character) or a job sequence at a destination that cannot be
read: nothing is copied and none of the settings given is stored; 128 + the signal when a signal stopped the import (141 when
standard output was closed). The last line on standard error says whether
the card (or the camera) may be cleared.</source>
        <translation>Rückgabewert: 0, wenn jedes Foto und jeder Clip unterhalb von SOURCE (oder auf
der Kamera) an seinem Ziel ist (jetzt kopiert oder schon mit denselben Bytes
vorhanden): Die Karte darf formatiert werden; 1, wenn eines davon es nicht
ist oder eine Kamera sich nicht öffnen lässt; 2 bei falscher Verwendung,
nicht lesbaren Einstellungen, keinem Ziel für eine eingeschaltete Gruppe,
abgelehnten Zielen (ein Sicherungsordner, der das Ziel einer Gruppe ist, ein
Ziel auf der Karte, die importiert wird, oder ein Ordner, den es nicht gibt),
einem nicht verwendbaren Muster (die Meldung nennt das Zeichen) oder einer
nicht lesbaren Auftragsnummerierung an einem Ziel: Es wird nichts kopiert
und keine der angegebenen Einstellungen gespeichert; 128 + das Signal, wenn
ein Signal den Import beendet hat (141, wenn die Standardausgabe geschlossen
wurde). Die letzte Zeile der Standardfehlerausgabe sagt, ob die Karte (oder
die Kamera) geleert werden darf.</translation>
    </message>
    <message>
        <source>With --verify: 0 when every recorded file at DEST matches its record (files
never recorded are listed but do not count against it); 1 when any is
changed, missing, unreadable or recorded without an XXH3-128 hash, or the
record is damaged (an entry that cannot be checked, or a path through a
symbolic link, named in the message); 2 when DEST is not a folder or has no
hash record.</source>
        <translation>Mit --verify: 0, wenn jede aufgezeichnete Datei in DEST ihrer Aufzeichnung
entspricht (nie aufgezeichnete Dateien werden genannt, zählen aber nicht
dagegen); 1, wenn eine verändert ist, fehlt, nicht lesbar oder ohne
XXH3-128-Prüfsumme aufgezeichnet ist, oder das Verzeichnis beschädigt ist
(ein Eintrag, der sich nicht prüfen lässt, oder ein Pfad durch eine
symbolische Verknüpfung, in der Meldung genannt); 2, wenn DEST kein Ordner
ist oder kein Prüfsummenverzeichnis hat.</translation>
    </message>
    <message>
        <source>With --dry-run: 0 when it could say what the import would do; 2 as above.</source>
        <translation>Mit --dry-run: 0, wenn es sagen konnte, wie der Import verliefe; 2 wie oben.</translation>
    </message>
    <message>
        <source>With --list-devices: 0 (no line when nothing is connected); 1 when
libgphoto2 cannot look for cameras.</source>
        <translation>Mit --list-devices: 0 (keine Zeile, wenn nichts angeschlossen ist); 1, wenn
libgphoto2 nicht nach Kameras suchen kann.</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>or:</source>
        <translation>oder:</translation>
    </message>
</context>
</TS>
