<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DeviceWatcher</name>
    <message>
        <source>Another program is using it: unmount it in the file manager, or close the program that uses it, then import again.</source>
        <translation>Un autre programme l&apos;utilise&#xa0;: démontez-le dans le gestionnaire de fichiers, ou fermez le programme qui l&apos;utilise, puis relancez l&apos;importation.</translation>
    </message>
    <message>
        <source>It cannot be opened: %1.</source>
        <translation>Impossible de l&apos;ouvrir&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 au caractère %2</translation>
    </message>
    <message>
        <source>the name pattern cannot be used: %1</source>
        <translation>le motif de nom est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>the folder pattern cannot be used: %1</source>
        <translation>le motif de dossiers est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>{%1} takes only :lower, not %2</source>
        <translation>{%1} accepte seulement&#xa0;:lower, pas %2</translation>
    </message>
    <message>
        <source>{%1} takes no option, not %2</source>
        <translation>{%1} n&apos;accepte aucune option, pas %2</translation>
    </message>
    <message>
        <source>a / in %1 makes no folder (write {taken:%Y}/{taken:%m})</source>
        <translation>un / dans %1 ne crée pas de dossier (écrivez {taken:%Y}/{taken:%m})</translation>
    </message>
    <message>
        <source>%1 needs a width of 1 to 9 digits, e.g. {seq:4},</source>
        <translation>%1 demande une largeur de 1 à 9 chiffres, p. ex. {seq:4},</translation>
    </message>
    <message>
        <source>unknown field %1</source>
        <translation>champ inconnu %1</translation>
    </message>
    <message>
        <source>a folder cannot be named %1,</source>
        <translation>un dossier ne peut pas s&apos;appeler %1,</translation>
    </message>
    <message>
        <source>the backup folder is the destination of the %1 group: choose another folder</source>
        <translation>le dossier de sauvegarde est la destination du groupe %1&#xa0;: choisissez un autre dossier</translation>
    </message>
    <message>
        <source>the backup folder %1 is on the same disk as the destination of the %2 group: one failure of that disk would lose both copies</source>
        <translation>le dossier de sauvegarde %1 est sur le même disque que la destination du groupe %2&#xa0;: une panne de ce disque perdrait les deux copies</translation>
    </message>
    <message>
        <source>the destination %1 is not mounted (is its drive connected?)</source>
        <translation>la destination %1 n&apos;est pas montée (son disque est-il branché&#xa0;?)</translation>
    </message>
    <message>
        <source>the destination %1 is on the card being imported: it would be erased with the card</source>
        <translation>la destination %1 est sur la carte en cours d&apos;importation&#xa0;: elle serait effacée avec la carte</translation>
    </message>
    <message>
        <source>the destination %1 does not exist (is its drive connected?)</source>
        <translation>la destination %1 n&apos;existe pas (son disque est-il branché&#xa0;?)</translation>
    </message>
    <message>
        <source>the destination %1 was unmounted or replaced during the import</source>
        <translation>la destination %1 a été démontée ou remplacée pendant l&apos;importation</translation>
    </message>
    <message>
        <source>the destination %1 cannot be opened: %2</source>
        <translation>impossible d&apos;ouvrir la destination %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>needs %1 at %2, %3 free</source>
        <translation>demande %1 dans %2, %3 libres</translation>
    </message>
    <message>
        <source>there is not enough space: %1</source>
        <translation>l&apos;espace manque&#xa0;: %1</translation>
    </message>
    <message>
        <source>a folder below the destination is a symbolic link: %1</source>
        <translation>un dossier sous la destination est un lien symbolique&#xa0;: %1</translation>
    </message>
    <message>
        <source>no destination folder is chosen for the %1 group</source>
        <translation>aucun dossier de destination n&apos;est choisi pour le groupe %1</translation>
    </message>
    <message>
        <source>the %1 group is switched off</source>
        <translation>le groupe %1 est désactivé</translation>
    </message>
    <message>
        <source>kestrel does not import .%1 files</source>
        <translation>kestrel n&apos;importe pas les fichiers .%1</translation>
    </message>
    <message>
        <source>%1 is on a %2 file system, which cannot give a file its name without risking replacing another: nothing is copied there.</source>
        <translation>%1 est sur un système de fichiers %2, qui ne peut nommer un fichier sans risquer d&apos;en remplacer un autre&#xa0;: rien n&apos;y est copié.</translation>
    </message>
    <message>
        <source>the report could not be written: %1</source>
        <translation>le rapport n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>the sidecar cannot be written: %1</source>
        <translation>impossible d&apos;écrire le fichier annexe&#xa0;: %1</translation>
    </message>
    <message>
        <source>the metadata cannot be written as XMP: %1</source>
        <translation>impossible d&apos;écrire les métadonnées en XMP&#xa0;: %1</translation>
    </message>
    <message>
        <source>the hash record at %1 cannot be written: %2</source>
        <translation>impossible d&apos;écrire le registre d&apos;empreintes de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the hash record at %1 is damaged: %2</source>
        <translation>le registre d&apos;empreintes de %1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the camera says: %1</source>
        <translation>l&apos;appareil répond&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>il n&apos;y a pas de dossier %1</translation>
    </message>
    <message>
        <source>no camera or phone is connected at %1</source>
        <translation>aucun appareil photo ni téléphone n&apos;est branché sur %1</translation>
    </message>
    <message>
        <source>the transfer cannot start: %1</source>
        <translation>le transfert ne peut pas commencer&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1% · %2 of %3</source>
        <translation>%1 % · %2 sur %3</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <translation>encore %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>encore environ %1 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>encore environ %1 h</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>encore environ %1 h %2 min</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copié</translation>
    </message>
    <message>
        <source>already at its destination</source>
        <translation>déjà à sa destination</translation>
    </message>
    <message>
        <source>a different file has this name</source>
        <translation>un autre fichier porte ce nom</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>impossible de lire la source</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it changed while being copied</source>
        <translation>il a changé pendant la copie</translation>
    </message>
    <message>
        <source>the destination folder is missing or not writable</source>
        <translation>le dossier de destination manque ou est protégé en écriture</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the destination&apos;s file system cannot name a file without risking replacing another</source>
        <translation>le système de fichiers de la destination ne peut nommer un fichier sans risquer d&apos;en remplacer un autre</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>une erreur d&apos;entrée-sortie</translation>
    </message>
    <message>
        <source>its date cannot be placed in the calendar</source>
        <translation>sa date ne peut être placée dans le calendrier</translation>
    </message>
    <message>
        <source>the import was stopped first</source>
        <translation>l&apos;importation a été interrompue avant</translation>
    </message>
    <message>
        <source>not imported with the current options</source>
        <translation>non importé avec les réglages actuels</translation>
    </message>
    <message>
        <source>a folder below the destination is a symbolic link</source>
        <translation>un dossier sous la destination est un lien symbolique</translation>
    </message>
    <message>
        <source>the name is too long for the destination&apos;s file system</source>
        <translation>le nom est trop long pour le système de fichiers de la destination</translation>
    </message>
    <message>
        <source>no destination folder is chosen</source>
        <translation>aucun dossier de destination choisi</translation>
    </message>
    <message>
        <source>the copy read back from the destination differs from the card</source>
        <translation>la copie relue à la destination diffère de la carte</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>non sélectionné</translation>
    </message>
    <message>
        <source>the pattern is empty</source>
        <translation>le motif est vide</translation>
    </message>
    <message>
        <source>a } with no { (write }} for a } of its own)</source>
        <translation>une } sans { (écrivez }} pour une } seule)</translation>
    </message>
    <message>
        <source>a file name cannot hold /</source>
        <translation>un nom de fichier ne peut contenir de /</translation>
    </message>
    <message>
        <source>unclosed {</source>
        <translation>{ non fermée</translation>
    </message>
    <message>
        <source>{taken} needs a format, e.g. {taken:%Y-%m-%d},</source>
        <translation>{taken} demande un format, p. ex. {taken:%Y-%m-%d},</translation>
    </message>
    <message>
        <source>an empty folder name</source>
        <translation>un nom de dossier vide</translation>
    </message>
    <message>
        <source>a file name pattern needs {name} or {seq}, so that each file gets a name of its own</source>
        <translation>un motif de nom demande {name} ou {seq}, pour que chaque fichier ait son propre nom</translation>
    </message>
    <message>
        <source>a file name pattern must end with {ext}, so that each copy keeps its ending</source>
        <translation>un motif de nom doit finir par {ext}, pour que chaque copie garde son extension</translation>
    </message>
    <message>
        <source>another program is using the camera (unmount it in the file manager)</source>
        <translation>un autre programme utilise l&apos;appareil (démontez-le dans le gestionnaire de fichiers)</translation>
    </message>
    <message>
        <source>the camera was disconnected</source>
        <translation>l&apos;appareil a été débranché</translation>
    </message>
    <message>
        <source>the camera is busy</source>
        <translation>l&apos;appareil est occupé</translation>
    </message>
    <message>
        <source>it is no longer on the camera</source>
        <translation>il n&apos;est plus sur l&apos;appareil</translation>
    </message>
    <message>
        <source>the import was stopped</source>
        <translation>l&apos;importation a été interrompue</translation>
    </message>
    <message>
        <source>the transfer was abandoned</source>
        <translation>le transfert a été abandonné</translation>
    </message>
    <message>
        <source>the camera gives no time for it</source>
        <translation>l&apos;appareil ne donne aucune heure pour lui</translation>
    </message>
    <message>
        <source>the destination folder was moved or replaced during the import</source>
        <translation>le dossier de destination a été déplacé ou remplacé pendant l&apos;importation</translation>
    </message>
    <message>
        <source>the copy at the destination has changed since it was imported (damaged?)</source>
        <translation>la copie à la destination a changé depuis son importation (endommagée&#xa0;?)</translation>
    </message>
    <message>
        <source>a file of this name is already there: it is left as it is</source>
        <translation>un fichier de ce nom s&apos;y trouve déjà&#xa0;: il est laissé tel quel</translation>
    </message>
    <message>
        <source>the metadata cannot be written as XMP (is it valid UTF-8?)</source>
        <translation>impossible d&apos;écrire les métadonnées en XMP (UTF-8 valide&#xa0;?)</translation>
    </message>
    <message>
        <source>its ascmhl folder is a symbolic link</source>
        <translation>son dossier ascmhl est un lien symbolique</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus de place sur le périphérique</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée-sortie</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Périphérique introuvable</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument invalide</translation>
    </message>
    <message>
        <source>the hash record at %1 cannot be read: %2</source>
        <translation>impossible de lire le registre d&apos;empreintes de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reason, then the system&apos;s words for the error that caused it.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the job sequence in %1 cannot be reached: a symbolic link stands in its way</source>
        <translation>la numérotation du projet dans %1 est inaccessible&#xa0;: un lien symbolique barre le chemin</translation>
    </message>
    <message>
        <source>the job sequence in %1 cannot be kept: %2</source>
        <translation>impossible de conserver la numérotation du projet dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the job sequence in %1 is damaged at line %2; no numbers are given until it is repaired, so that none repeats</source>
        <translation>la numérotation du projet dans %1 est endommagée à la ligne %2&#xa0;; aucun numéro n&apos;est attribué tant qu&apos;elle n&apos;est pas réparée, afin qu&apos;aucun ne se répète</translation>
    </message>
    <message>
        <source>the job sequence in %1 has no numbers left for this job</source>
        <translation>la numérotation du projet dans %1 n&apos;a plus de numéros libres pour ce projet</translation>
    </message>
    <message>
        <source>not selected; imported before as %1, no longer at its destination</source>
        <translation>non sélectionné&#xa0;; importé auparavant sous le nom %1, n&apos;est plus à sa destination</translation>
    </message>
    <message>
        <source>the hash record at %1 lists %2 files less: their names cannot be written in it</source>
        <translation>il manque des fichiers (%2) au registre d&apos;empreintes de %1&#xa0;: leurs noms ne peuvent pas y être écrits</translation>
    </message>
    <message>
        <source>the chain lists %1 outside its folder</source>
        <translation>la chaîne cite %1 hors de son dossier</translation>
    </message>
    <message>
        <source>%1 is not the file its chain lists</source>
        <translation>%1 n&apos;est pas le fichier que cite sa chaîne</translation>
    </message>
</context>
<context>
    <name>Finished</name>
    <message>
        <source>nothing was copied: %1.</source>
        <translation>Rien n&apos;a été copié&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>copying of %n files stopped:</source>
        <translation>
            <numerusform>Copie de %Ln fichier interrompue&#xa0;:</numerusform>
            <numerusform>Copie de %Ln fichiers interrompue&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n done,</source>
        <translation>
            <numerusform> %Ln fait,</numerusform>
            <numerusform> %Ln faits,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n left.</source>
        <translation>
            <numerusform> %Ln restant.</numerusform>
            <numerusform> %Ln restants.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>copying of %n files finished.</source>
        <translation>
            <numerusform>Copie de %Ln fichier terminée.</numerusform>
            <numerusform>Copie de %Ln fichiers terminée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n already there.</source>
        <translation>
            <numerusform> %Ln déjà présent.</numerusform>
            <numerusform> %Ln déjà présents.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n not copied.</source>
        <translation>
            <numerusform> %Ln non copié.</numerusform>
            <numerusform> %Ln non copiés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n could not be read.</source>
        <translation>
            <numerusform> %Ln illisible.</numerusform>
            <numerusform> %Ln illisibles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n other photos or clips were not imported.</source>
        <translation>
            <numerusform> %Ln autre photo ou vidéo n&apos;a pas été importée.</numerusform>
            <numerusform> %Ln autres photos ou vidéos n&apos;ont pas été importées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n new files were not selected.</source>
        <translation>
            <numerusform> %Ln nouveau fichier n&apos;a pas été sélectionné.</numerusform>
            <numerusform> %Ln nouveaux fichiers n&apos;ont pas été sélectionnés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n files not selected were imported before but are no longer at their destination.</source>
        <translation>
            <numerusform> %Ln fichier non sélectionné a été importé auparavant mais n&apos;est plus à sa destination.</numerusform>
            <numerusform> %Ln fichiers non sélectionnés ont été importés auparavant mais ne sont plus à leur destination.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n not safe at the backup.</source>
        <translation>
            <numerusform> %Ln pas en sécurité dans la sauvegarde.</numerusform>
            <numerusform> %Ln pas en sécurité dans la sauvegarde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n copies read back differently and were copied again.</source>
        <translation>
            <numerusform> %Ln copie s&apos;est relue différente et a été recopiée.</numerusform>
            <numerusform> %Ln copies se sont relues différentes et ont été recopiées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n had no capture date and were dated by their file times.</source>
        <translation>
            <numerusform> %Ln n&apos;avait pas de date de prise de vue et a été daté par ses dates de fichier.</numerusform>
            <numerusform> %Ln n&apos;avaient pas de date de prise de vue et ont été datés par leurs dates de fichier.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Nothing was copied: %1. Do not format the card.</source>
        <translation>Rien n&apos;a été copié&#xa0;: %1. Ne formatez pas la carte.</translation>
    </message>
    <message>
        <source>No photo or clip was picked here, so nothing was copied.</source>
        <translation>Aucune photo ni vidéo n&apos;a été retenue ici, donc rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>Nothing was copied: %1. Do not delete anything from the camera or phone.</source>
        <translation>Rien n&apos;a été copié&#xa0;: %1. Ne supprimez rien de l&apos;appareil photo ou du téléphone.</translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: the import was stopped and %Ln files are only on the card.</source>
        <translation>
            <numerusform>Ne formatez pas encore la carte&#xa0;: l&apos;importation a été interrompue et %Ln fichier n&apos;est que sur la carte.</numerusform>
            <numerusform>Ne formatez pas encore la carte&#xa0;: l&apos;importation a été interrompue et %Ln fichiers ne sont que sur la carte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: %Ln files are only on the card.</source>
        <translation>
            <numerusform>Ne formatez pas encore la carte&#xa0;: %Ln fichier n&apos;est que sur la carte.</numerusform>
            <numerusform>Ne formatez pas encore la carte&#xa0;: %Ln fichiers ne sont que sur la carte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: %Ln files are not safe at the backup.</source>
        <translation>
            <numerusform>Ne formatez pas encore la carte&#xa0;: %Ln fichier n&apos;est pas en sécurité dans la sauvegarde.</numerusform>
            <numerusform>Ne formatez pas encore la carte&#xa0;: %Ln fichiers ne sont pas en sécurité dans la sauvegarde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The card may be formatted: every photo and clip is verified at %Ln destinations.</source>
        <translation>
            <numerusform>La carte peut être formatée&#xa0;: chaque photo et chaque vidéo est vérifiée à sa destination.</numerusform>
            <numerusform>La carte peut être formatée&#xa0;: chaque photo et chaque vidéo est vérifiée dans %Ln destinations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The card may be formatted: every photo and clip is copied (not read back) to %Ln destinations.</source>
        <translation>
            <numerusform>La carte peut être formatée&#xa0;: chaque photo et chaque vidéo est copiée (sans relecture) vers sa destination.</numerusform>
            <numerusform>La carte peut être formatée&#xa0;: chaque photo et chaque vidéo est copiée (sans relecture) vers %Ln destinations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: the import was stopped and %Ln files are only on it.</source>
        <translation>
            <numerusform>Ne supprimez encore rien de l&apos;appareil photo ou du téléphone&#xa0;: l&apos;importation a été interrompue et %Ln fichier ne se trouve que sur l&apos;appareil.</numerusform>
            <numerusform>Ne supprimez encore rien de l&apos;appareil photo ou du téléphone&#xa0;: l&apos;importation a été interrompue et %Ln fichiers ne se trouvent que sur l&apos;appareil.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: %Ln files are only on it.</source>
        <translation>
            <numerusform>Ne supprimez encore rien de l&apos;appareil photo ou du téléphone&#xa0;: %Ln fichier ne se trouve que sur l&apos;appareil.</numerusform>
            <numerusform>Ne supprimez encore rien de l&apos;appareil photo ou du téléphone&#xa0;: %Ln fichiers ne se trouvent que sur l&apos;appareil.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: %Ln files are not safe at the backup.</source>
        <translation>
            <numerusform>Ne supprimez encore rien de l&apos;appareil photo ou du téléphone&#xa0;: %Ln fichier n&apos;est pas en sécurité dans la sauvegarde.</numerusform>
            <numerusform>Ne supprimez encore rien de l&apos;appareil photo ou du téléphone&#xa0;: %Ln fichiers ne sont pas en sécurité dans la sauvegarde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every photo and clip on the camera or phone is verified at %Ln destinations: they may be deleted from the camera or phone.</source>
        <translation>
            <numerusform>Chaque photo et chaque vidéo de l&apos;appareil photo ou du téléphone est vérifiée à sa destination&#xa0;: elles peuvent être supprimées de l&apos;appareil.</numerusform>
            <numerusform>Chaque photo et chaque vidéo de l&apos;appareil photo ou du téléphone est vérifiée dans %Ln destinations&#xa0;: elles peuvent être supprimées de l&apos;appareil.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every photo and clip on the camera or phone is copied (not read back) to %Ln destinations: they may be deleted from the camera or phone.</source>
        <translation>
            <numerusform>Chaque photo et chaque vidéo de l&apos;appareil photo ou du téléphone est copiée (sans relecture) vers sa destination&#xa0;: elles peuvent être supprimées de l&apos;appareil.</numerusform>
            <numerusform>Chaque photo et chaque vidéo de l&apos;appareil photo ou du téléphone est copiée (sans relecture) vers %Ln destinations&#xa0;: elles peuvent être supprimées de l&apos;appareil.</numerusform>
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
        <translation>&lt;p style=&quot;font-size:large&quot;&gt;&lt;b&gt;Déposez ici une carte mémoire ou un dossier&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Ses photos et vidéos sont copiées dans des dossiers datés sous les destinations.&lt;br&gt;Rien n&apos;est modifié sur la carte, et aucun fichier n&apos;est jamais remplacé.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Drop well</source>
        <translation>Zone de dépôt</translation>
    </message>
    <message>
        <source>Memory cards</source>
        <translation>Cartes mémoire</translation>
    </message>
    <message>
        <source>Import F&amp;older…</source>
        <translation>Importer un d&amp;ossier…</translation>
    </message>
    <message>
        <source>Choose a folder to import, as if it were dropped on the well (Ctrl+O)</source>
        <translation>Choisir un dossier à importer, comme s&apos;il était déposé sur la zone de dépôt (Ctrl+O)</translation>
    </message>
    <message>
        <source>JPG photos and MOV clips</source>
        <translation>Photos JPG et vidéos MOV</translation>
    </message>
    <message>
        <source>Import &amp;JPG and MOV files</source>
        <translation>Importer les fichiers &amp;JPG et MOV</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Dossiers&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>A folder per year, for every copied file</source>
        <translation>Un dossier par année, pour chaque fichier copié</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>A folder per month, for every copied file</source>
        <translation>Un dossier par mois, pour chaque fichier copié</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>Jo&amp;ur</translation>
    </message>
    <message>
        <source>A folder per day, for every copied file</source>
        <translation>Un dossier par jour, pour chaque fichier copié</translation>
    </message>
    <message>
        <source>Copy &amp;to:</source>
        <translation>&amp;Copier vers&#xa0;:</translation>
    </message>
    <message>
        <source>Destination folder of JPG and MOV files</source>
        <translation>Dossier de destination des fichiers JPG et MOV</translation>
    </message>
    <message>
        <source>RAW, DNG and TIFF files</source>
        <translation>Fichiers RAW, DNG et TIFF</translation>
    </message>
    <message>
        <source>Import &amp;RAF, CR2, NEF, DNG and TIF files</source>
        <translation>Importer &amp;les fichiers RAF, CR2, NEF, DNG et TIF</translation>
    </message>
    <message>
        <source>Y&amp;ear</source>
        <translation>Ann&amp;ée</translation>
    </message>
    <message>
        <source>Kept with your settings; the JPG side&apos;s Year, Month and Day decide the folders of every copied file</source>
        <translation>Conservé avec vos réglages&#xa0;; l&apos;année, le mois et le jour du côté JPG décident des dossiers de chaque fichier copié</translation>
    </message>
    <message>
        <source>Mo&amp;nth</source>
        <translation>Moi&amp;s</translation>
    </message>
    <message>
        <source>D&amp;ay</source>
        <translation>Jou&amp;r</translation>
    </message>
    <message>
        <source>Co&amp;py to:</source>
        <translation>Co&amp;pier vers&#xa0;:</translation>
    </message>
    <message>
        <source>Destination folder of RAW, DNG and TIFF files</source>
        <translation>Dossier de destination des fichiers RAW, DNG et TIFF</translation>
    </message>
    <message>
        <source>Date fi&amp;les by their modification time instead of their creation time</source>
        <translation>&amp;Dater les fichiers selon leur date de modification plutôt que de création</translation>
    </message>
    <message>
        <source>Date photos by when they were ta&amp;ken</source>
        <translation>Dater les photos selon leur &amp;heure de prise de vue</translation>
    </message>
    <message>
        <source>The capture time in a photo&apos;s or clip&apos;s own metadata; a file without one is dated by its file times</source>
        <translation>L&apos;heure de prise de vue inscrite dans les métadonnées de la photo ou de la vidéo&#xa0;; un fichier qui n&apos;en a pas est daté d&apos;après ses dates de fichier</translation>
    </message>
    <message>
        <source>Keep &amp;both when a different file has the name</source>
        <translation>Garder les deu&amp;x quand un autre fichier porte ce nom</translation>
    </message>
    <message>
        <source>Copy it under NAME-1.EXT, NAME-2.EXT, … instead of leaving it on the card</source>
        <translation>Le copier sous NOM-1.EXT, NOM-2.EXT, … au lieu de le laisser sur la carte</translation>
    </message>
    <message>
        <source>Also import ot&amp;her camera formats (CR3, ARW, HEIC, MP4, …)</source>
        <translation>Importer aussi les au&amp;tres formats d&apos;appareil (CR3, ARW, HEIC, MP4, …)</translation>
    </message>
    <message>
        <source>Raw photos go to the RAW destination, other photos and every clip to the JPG destination; when off, they stay on the card and the card is not safe to format</source>
        <translation>Les photos brutes vont à la destination RAW, les autres photos et toutes les vidéos à la destination JPG&#xa0;; sinon elles restent sur la carte, qui ne peut alors pas être formatée sans risque</translation>
    </message>
    <message>
        <source>&amp;Verify every copy by reading it back</source>
        <translation>&amp;Vérifier chaque copie en la relisant</translation>
    </message>
    <message>
        <source>Compare each copy&apos;s hash with its source&apos;s before giving it its name</source>
        <translation>Comparer l&apos;empreinte de chaque copie à celle de sa source avant de lui donner son nom</translation>
    </message>
    <message>
        <source>Back &amp;up to:</source>
        <translation>Sauve&amp;garder vers&#xa0;:</translation>
    </message>
    <message>
        <source>Also copy every file to a second destination</source>
        <translation>Copier aussi chaque fichier vers une seconde destination</translation>
    </message>
    <message>
        <source>Second destination: every file is also copied here</source>
        <translation>Seconde destination&#xa0;: chaque fichier y est aussi copié</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Unmounts the card and powers it off, so that it can be taken out</source>
        <translation>Démonte la carte et la met hors tension, pour qu&apos;elle puisse être retirée</translation>
    </message>
    <message>
        <source>Asks the file manager to let go of the camera or phone, then imports it</source>
        <translation>Demande au gestionnaire de fichiers de libérer l&apos;appareil photo ou le téléphone, puis l&apos;importe</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Stops the import after the file in hand (Esc)</source>
        <translation>Arrête l&apos;importation après le fichier en cours (Échap)</translation>
    </message>
    <message>
        <source>&amp;Import Users/harl/SD</source>
        <translation>&amp;Importer Users/harl/SD</translation>
    </message>
    <message>
        <source>Files not copied</source>
        <translation>Fichiers non copiés</translation>
    </message>
    <message>
        <source>Names and folder&amp;s…</source>
        <translation>Noms et doss&amp;iers…</translation>
    </message>
    <message>
        <source>Name the copies and file them in folders by patterns, for a job, and add the photographer&apos;s metadata beside them</source>
        <translation>Nommer les copies et les ranger dans des dossiers selon des motifs, pour un projet, et placer à côté les métadonnées du photographe</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Projet</translation>
    </message>
</context>
<context>
    <name>kestrel-import</name>
    <message>
        <source>%1 does not exist (is its drive connected?): create it first</source>
        <translation>%1 n&apos;existe pas (son disque est-il branché&#xa0;?)&#xa0;: créez-le d&apos;abord</translation>
    </message>
    <message>
        <source>not a folder: %1</source>
        <translation>pas un dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>folder name is not valid UTF-8 and cannot be stored: %1</source>
        <translation>le nom de dossier n&apos;est pas de l&apos;UTF-8 valide et ne peut être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>text is not valid UTF-8 and cannot be stored: %1</source>
        <translation>le texte n&apos;est pas de l&apos;UTF-8 valide et ne peut être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown option or missing value: %1</source>
        <translation>option inconnue ou valeur manquante&#xa0;: %1</translation>
    </message>
    <message>
        <source>bad value for %1</source>
        <translation>valeur invalide pour %1</translation>
    </message>
    <message>
        <source>only one SOURCE folder can be imported at a time</source>
        <translation>un seul dossier SOURCE peut être importé à la fois</translation>
    </message>
    <message>
        <source>--verify only checks DEST; leave out SOURCE, settings and --show</source>
        <translation>--verify ne fait que vérifier DEST&#xa0;; omettez SOURCE, les réglages et --show</translation>
    </message>
    <message>
        <source>--list-devices only lists; leave out SOURCE, settings and --show</source>
        <translation>--list-devices ne fait que lister&#xa0;; omettez SOURCE, les réglages et --show</translation>
    </message>
    <message>
        <source>give SOURCE or --device PORT, not both</source>
        <translation>indiquez SOURCE ou --device PORT, pas les deux</translation>
    </message>
    <message>
        <source>--dry-run needs SOURCE or --device PORT, and no --show</source>
        <translation>--dry-run demande SOURCE ou --device PORT, et pas --show</translation>
    </message>
    <message>
        <source>--show does not import; leave out SOURCE and --device</source>
        <translation>--show n&apos;importe rien&#xa0;; omettez SOURCE et --device</translation>
    </message>
    <message>
        <source>no SOURCE folder given</source>
        <translation>aucun dossier SOURCE indiqué</translation>
    </message>
    <message>
        <source>not copied to the backup: %1: %2</source>
        <translation>non copié dans la sauvegarde&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not copied: %1: %2</source>
        <translation>non copié&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more not copied</source>
        <translation>
            <numerusform>… et %Ln autre non copié</numerusform>
            <numerusform>… et %Ln autres non copiés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more not copied, listed in the report</source>
        <translation>
            <numerusform>… et %Ln autre non copié, listé dans le rapport</numerusform>
            <numerusform>… et %Ln autres non copiés, listés dans le rapport</numerusform>
        </translation>
    </message>
    <message>
        <source>report: %1</source>
        <translation>rapport&#xa0;: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>close the file manager window that shows the camera or phone, or unmount it there, then try again</source>
        <translation>fermez la fenêtre du gestionnaire de fichiers qui affiche l&apos;appareil photo ou le téléphone, ou démontez-le depuis celle-ci, puis réessayez</translation>
    </message>
    <message>
        <source>%1: nothing is copied.</source>
        <translation>%1&#xa0;: rien n&apos;est copié.</translation>
    </message>
    <message>
        <source>%1 has no hash record (ascmhl folder)</source>
        <translation>%1 n&apos;a pas de registre d&apos;empreintes (dossier ascmhl)</translation>
    </message>
    <message>
        <source>Try &apos;kestrel-import --help&apos;.</source>
        <translation>Essayez «&#xa0;kestrel-import --help&#xa0;».</translation>
    </message>
    <message>
        <source>no destination chosen for the %1 group: choose one with %2</source>
        <translation>aucune destination choisie pour le groupe %1&#xa0;: choisissez-en une avec %2</translation>
    </message>
    <message>
        <source>cameras cannot be looked for: %1</source>
        <translation>impossible de chercher des appareils&#xa0;: %1</translation>
    </message>
    <message>
        <source>no camera or phone is connected</source>
        <translation>aucun appareil photo ni téléphone n&apos;est branché</translation>
    </message>
    <message>
        <source>SOURCE is not a folder: %1</source>
        <translation>SOURCE n&apos;est pas un dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>the preferences file cannot be read: %1</source>
        <translation>impossible de lire le fichier des préférences&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not mounted (is its drive connected?): connect it first</source>
        <translation>%1 n&apos;est pas monté (son disque est-il branché&#xa0;?)&#xa0;: branchez-le d&apos;abord</translation>
    </message>
    <message>
        <source>warning: the preferences file %1 cannot be written</source>
        <translation>avertissement&#xa0;: impossible d&apos;écrire le fichier des préférences %1</translation>
    </message>
    <message numerus="yes">
        <source>stopped after checking %Ln files at %1: </source>
        <translation>
            <numerusform>interrompu après vérification de %Ln fichier dans %1&#xa0;: </numerusform>
            <numerusform>interrompu après vérification de %Ln fichiers dans %1&#xa0;: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>checked %Ln files at %1: </source>
        <translation>
            <numerusform>%Ln fichier vérifié dans %1&#xa0;: </numerusform>
            <numerusform>%Ln fichiers vérifiés dans %1&#xa0;: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match, </source>
        <translation>
            <numerusform>%Ln conforme, </numerusform>
            <numerusform>%Ln conformes, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed, </source>
        <translation>
            <numerusform>%Ln modifié, </numerusform>
            <numerusform>%Ln modifiés, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln missing, </source>
        <translation>
            <numerusform>%Ln manquant, </numerusform>
            <numerusform>%Ln manquants, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln unreadable, </source>
        <translation>
            <numerusform>%Ln illisible, </numerusform>
            <numerusform>%Ln illisibles, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln without an XXH3-128 hash, </source>
        <translation>
            <numerusform>%Ln sans empreinte XXH3-128, </numerusform>
            <numerusform>%Ln sans empreinte XXH3-128, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not recorded.</source>
        <translation>
            <numerusform>%Ln non enregistré.</numerusform>
            <numerusform>%Ln non enregistrés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel::BrowseModel</name>
    <message>
        <source>No preview</source>
        <translation>Pas d&apos;aperçu</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>vérification…</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>at destination</source>
        <translation>à destination</translation>
    </message>
    <message>
        <source>imported before</source>
        <translation>déjà importé</translation>
    </message>
    <message>
        <source>not imported</source>
        <translation>non importé</translation>
    </message>
    <message>
        <source>Recorded at the destination as %1</source>
        <translation>Enregistré à la destination sous %1</translation>
    </message>
    <message>
        <source>Goes to %1</source>
        <translation>Va vers %1</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>Already there as %1</source>
        <translation>Déjà présent sous %1</translation>
    </message>
</context>
<context>
    <name>kestrel::BrowseWindow</name>
    <message>
        <source>Select &amp;New</source>
        <translation>Sélectionner les &amp;nouveaux</translation>
    </message>
    <message>
        <source>%1 — kestrel</source>
        <translation>%1 — kestrel</translation>
    </message>
    <message>
        <source>Photos and clips</source>
        <translation>Photos et vidéos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Looking at %1…</source>
        <translation>Examen de %1…</translation>
    </message>
    <message>
        <source>The card was removed.</source>
        <translation>La carte a été retirée.</translation>
    </message>
    <message>
        <source>(checking the destinations…)</source>
        <translation>(vérification des destinations…)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>%Ln nouveau</numerusform>
            <numerusform>%Ln nouveaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already at the destination</source>
        <translation>
            <numerusform>%Ln déjà à destination</numerusform>
            <numerusform>%Ln déjà à destination</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln imported before</source>
        <translation>
            <numerusform>%Ln déjà importé</numerusform>
            <numerusform>%Ln déjà importés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not imported by the current options</source>
        <translation>
            <numerusform>%Ln non importé avec les options actuelles</numerusform>
            <numerusform>%Ln non importés avec les options actuelles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Import %Ln Selected</source>
        <translation>
            <numerusform>&amp;Importer %Ln sélectionné</numerusform>
            <numerusform>&amp;Importer %Ln sélectionnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Listing the files: %Ln found so far…</source>
        <translation>
            <numerusform>Liste des fichiers&#xa0;: %Ln trouvé pour l&apos;instant…</numerusform>
            <numerusform>Liste des fichiers&#xa0;: %Ln trouvés pour l&apos;instant…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Looking at %1 of %Ln photos and clips…</source>
        <translation>
            <numerusform>Examen de %1 sur %Ln photo ou vidéo…</numerusform>
            <numerusform>Examen de %1 sur %Ln photos et vidéos…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln photos and clips</source>
        <translation>
            <numerusform>%Ln photo ou vidéo</numerusform>
            <numerusform>%Ln photos et vidéos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel::CardEjector</name>
    <message>
        <source>The system&apos;s disk service did not answer, so the card cannot be ejected: %1</source>
        <translation>Le service de disques du système n&apos;a pas répondu, la carte ne peut donc pas être éjectée&#xa0;: %1</translation>
    </message>
    <message>
        <source>This folder is not on a card the system can eject.</source>
        <translation>Ce dossier n&apos;est pas sur une carte que le système peut éjecter.</translation>
    </message>
    <message>
        <source>The card is still in use by another program: close the files open on it, then eject it again.</source>
        <translation>La carte est encore utilisée par un autre programme&#xa0;: fermez les fichiers ouverts dessus, puis éjectez-la de nouveau.</translation>
    </message>
    <message>
        <source>The system did not allow the card to be ejected: %1</source>
        <translation>Le système n&apos;a pas permis d&apos;éjecter la carte&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card could not be unmounted: %1</source>
        <translation>La carte n&apos;a pas pu être démontée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card is unmounted and safe to remove, but it could not be powered off: %1</source>
        <translation>La carte est démontée et peut être retirée sans risque, mais elle n&apos;a pas pu être mise hors tension&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>kestrel::CardList</name>
    <message>
        <source>No memory card, camera or phone found.</source>
        <translation>Aucune carte mémoire, aucun appareil photo ni téléphone trouvé.</translation>
    </message>
    <message>
        <source>Release and import</source>
        <translation>Libérer et importer</translation>
    </message>
    <message>
        <source>Release and import %1</source>
        <translation>Libérer et importer %1</translation>
    </message>
    <message>
        <source>Asks the file manager to let go of it, then imports it</source>
        <translation>Demande au gestionnaire de fichiers de le libérer, puis l&apos;importe</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Browse %1</source>
        <translation>Parcourir %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importer %1</translation>
    </message>
</context>
<context>
    <name>kestrel::DesktopRelease</name>
    <message>
        <source>the desktop has no mount of it that kestrel could find</source>
        <translation>le bureau n&apos;en a aucun montage que kestrel ait pu trouver</translation>
    </message>
</context>
<context>
    <name>kestrel::DestinationChoice</name>
    <message>
        <source>the backup folder is the destination of the JPG group: choose another folder</source>
        <translation>le dossier de sauvegarde est la destination du groupe JPG&#xa0;: choisissez un autre dossier</translation>
    </message>
    <message>
        <source>the backup folder is the destination of the RAW group: choose another folder</source>
        <translation>le dossier de sauvegarde est la destination du groupe RAW&#xa0;: choisissez un autre dossier</translation>
    </message>
    <message>
        <source>None: no second copy</source>
        <translation>Aucune&#xa0;: pas de seconde copie</translation>
    </message>
    <message>
        <source>Choose where JPG and MOV files go</source>
        <translation>Choisir où vont les fichiers JPG et MOV</translation>
    </message>
    <message>
        <source>Choose where RAW, DNG and TIFF files go</source>
        <translation>Choisir où vont les fichiers RAW, DNG et TIFF</translation>
    </message>
    <message>
        <source>Choose where backup copies go</source>
        <translation>Choisir où vont les copies de sauvegarde</translation>
    </message>
</context>
<context>
    <name>kestrel::EjectOffer</name>
    <message>
        <source>&amp;Eject %1</source>
        <translation>Éj&amp;ecter %1</translation>
    </message>
    <message>
        <source>Ejecting…</source>
        <translation>Éjection…</translation>
    </message>
    <message>
        <source>The card %1 can be removed now.</source>
        <translation>La carte %1 peut maintenant être retirée.</translation>
    </message>
</context>
<context>
    <name>kestrel::ImportCheck</name>
    <message>
        <source>No destination folder is chosen for %1 files.</source>
        <translation>Aucun dossier de destination n&apos;est choisi pour les fichiers %1.</translation>
    </message>
    <message>
        <source>The %1 destination “%2” is not a folder.</source>
        <translation>La destination %1 «&#xa0;%2&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The %1 destination “%2” is not writable.</source>
        <translation>La destination %1 «&#xa0;%2&#xa0;» n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>“%1” is not there (any more).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe pas (ou plus).</translation>
    </message>
    <message>
        <source>“%1” is a file: drop a memory card or a folder.</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier&#xa0;: déposez une carte mémoire ou un dossier.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be read.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>kestrel::JobExample</name>
    <message>
        <source>File names: %1</source>
        <translation>Noms de fichiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Folders: %1</source>
        <translation>Dossiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Job “%1”: renamed by %2</source>
        <translation>Projet «&#xa0;%1&#xa0;»&#xa0;: renommés selon %2</translation>
    </message>
    <message>
        <source>Job “%1”: filed in %2</source>
        <translation>Projet «&#xa0;%1&#xa0;»&#xa0;: rangés dans %2</translation>
    </message>
    <message>
        <source>Job “%1”: renamed by %2, filed in %3</source>
        <translation>Projet «&#xa0;%1&#xa0;»&#xa0;: renommés selon %2, rangés dans %3</translation>
    </message>
    <message>
        <source>Renamed by %1</source>
        <translation>Renommés selon %1</translation>
    </message>
    <message>
        <source>Filed in %1</source>
        <translation>Rangés dans %1</translation>
    </message>
    <message>
        <source>Renamed by %1, filed in %2</source>
        <translation>Renommés selon %1, rangés dans %2</translation>
    </message>
</context>
<context>
    <name>kestrel::LaunchArguments</name>
    <message>
        <source>unknown option: %1</source>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>only one FOLDER can be shown at a time</source>
        <translation>un seul FOLDER peut être affiché à la fois</translation>
    </message>
    <message>
        <source>not a folder: %1</source>
        <translation>pas un dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Usage: kestrel [FOLDER]</source>
        <translation>Utilisation&#xa0;: kestrel [FOLDER]</translation>
    </message>
    <message>
        <source>Opens kestrel&apos;s window, which files the photos and clips of a memory card, or
of any folder, into dated folders. With FOLDER, the window shows that folder
ready to import, with its photos and clips as a grid of thumbnails, and imports
nothing until Import (or Import Selected in the grid) is clicked.</source>
        <translation>Ouvre la fenêtre de kestrel, qui range les photos et vidéos d&apos;une carte
mémoire, ou de n&apos;importe quel dossier, dans des dossiers datés. Avec FOLDER,
la fenêtre montre ce dossier prêt à importer, ses photos et vidéos en grille de
vignettes, et n&apos;importe rien tant qu&apos;Importer (ou Importer la sélection dans la
grille) n&apos;est pas cliqué.</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>Qt&apos;s options, such as -platform NAME, are accepted too. The command
kestrel-import runs the same import from a terminal.</source>
        <translation>Les options de Qt, comme -platform NAME, sont aussi acceptées. La commande
kestrel-import effectue la même importation depuis un terminal.</translation>
    </message>
    <message>
        <source>Try &apos;kestrel --help&apos;.</source>
        <translation>Essayez «&#xa0;kestrel --help&#xa0;».</translation>
    </message>
</context>
<context>
    <name>kestrel::NamesSheet</name>
    <message>
        <source>the name on the card, without its ending</source>
        <translation>le nom sur la carte, sans son extension</translation>
    </message>
    <message>
        <source>the ending as on the card (.JPG)</source>
        <translation>l&apos;extension comme sur la carte (.JPG)</translation>
    </message>
    <message>
        <source>the ending in lower case (.jpg)</source>
        <translation>l&apos;extension en minuscules (.jpg)</translation>
    </message>
    <message>
        <source>the day it was taken (any strftime format)</source>
        <translation>le jour de la prise de vue (tout format strftime)</translation>
    </message>
    <message>
        <source>the time it was taken</source>
        <translation>l&apos;heure de la prise de vue</translation>
    </message>
    <message>
        <source>the job&apos;s next number in 4 digits (1 to 9), one per photo and its twins</source>
        <translation>le numéro suivant du projet sur 4 chiffres (1 à 9), un par photo et ses jumeaux</translation>
    </message>
    <message>
        <source>the job</source>
        <translation>le projet</translation>
    </message>
    <message>
        <source>the camera&apos;s model</source>
        <translation>le modèle de l&apos;appareil</translation>
    </message>
    <message>
        <source>the card&apos;s name</source>
        <translation>le nom de la carte</translation>
    </message>
    <message>
        <source>JPG or RAW: the file&apos;s group, or that of the JPG it goes with</source>
        <translation>JPG ou RAW&#xa0;: le groupe du fichier, ou celui du JPG qui va avec</translation>
    </message>
    <message>
        <source>Cr&amp;eator:</source>
        <translation>Aut&amp;eur&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;pyright notice:</source>
        <translation>Mention de co&amp;pyright&#xa0;:</translation>
    </message>
    <message>
        <source>Cre&amp;dit line:</source>
        <translation>Cré&amp;dit&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Keywords:</source>
        <translation>Mots-&amp;clés&#xa0;:</translation>
    </message>
    <message>
        <source>Descr&amp;iption:</source>
        <translation>Descr&amp;iption&#xa0;:</translation>
    </message>
    <message>
        <source>Names and Folders</source>
        <translation>Noms et dossiers</translation>
    </message>
    <message>
        <source>Names and folders of the copies</source>
        <translation>Noms et dossiers des copies</translation>
    </message>
    <message>
        <source>&amp;Rename files:</source>
        <translation>&amp;Renommer les fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>File in &amp;folders by a pattern:</source>
        <translation>Ranger dans des &amp;dossiers selon un motif&#xa0;:</translation>
    </message>
    <message>
        <source>for {job}, e.g. wedding</source>
        <translation>pour {job}, p. ex. mariage</translation>
    </message>
    <message>
        <source>&amp;Job:</source>
        <translation>Pro&amp;jet&#xa0;:</translation>
    </message>
    <message>
        <source>Fields: {name} {ext} {ext:lower} {taken:FORMAT} {seq:N} {job} {camera} {card} {tag}; {{ and }} stand for { and }. The {…} buttons insert one at the cursor.</source>
        <translation>Champs&#xa0;: {name} {ext} {ext:lower} {taken:FORMAT} {seq:N} {job} {camera} {card} {tag}&#xa0;; {{ et }} valent { et }. Les boutons {…} en insèrent un au curseur.</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Exemple&#xa0;:</translation>
    </message>
    <message>
        <source>The photographer&apos;s metadata</source>
        <translation>Les métadonnées du photographe</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>séparés par des virgules</translation>
    </message>
    <message>
        <source>&amp;NAME.xmp</source>
        <translation>&amp;NAME.xmp</translation>
    </message>
    <message>
        <source>One sidecar for a photo and its RAW twin, as most editors read it</source>
        <translation>Un fichier annexe pour une photo et son jumeau RAW, comme la plupart des logiciels de retouche le lisent</translation>
    </message>
    <message>
        <source>NAME.EX&amp;T.xmp</source>
        <translation>NAME.EX&amp;T.xmp</translation>
    </message>
    <message>
        <source>One sidecar for each file, also for a photo&apos;s RAW twin</source>
        <translation>Un fichier annexe pour chaque fichier, aussi pour le jumeau RAW d&apos;une photo</translation>
    </message>
    <message>
        <source>Sidecar names:</source>
        <translation>Noms des fichiers annexes&#xa0;:</translation>
    </message>
    <message>
        <source>When any of these is filled in, it goes into an XMP sidecar file beside each copy, never into the copy: the copies stay byte for byte as on the card.</source>
        <translation>Dès que l&apos;un d&apos;eux est rempli, il va dans un fichier annexe XMP à côté de chaque copie, jamais dans la copie&#xa0;: les copies restent octet pour octet comme sur la carte.</translation>
    </message>
    <message>
        <source>{…}</source>
        <translation>{…}</translation>
    </message>
    <message>
        <source>Insert a field at the cursor</source>
        <translation>Insérer un champ au curseur</translation>
    </message>
    <message>
        <source>Insert a field</source>
        <translation>Insérer un champ</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>File names: type a pattern, or switch renaming off</source>
        <translation>Noms de fichiers&#xa0;: saisissez un motif, ou désactivez le renommage</translation>
    </message>
    <message>
        <source>Folders: type a pattern, or switch it off</source>
        <translation>Dossiers&#xa0;: saisissez un motif, ou désactivez-le</translation>
    </message>
</context>
<context>
    <name>kestrel::PathControl</name>
    <message>
        <source>Folders above</source>
        <translation>Dossiers parents</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose any folder</source>
        <translation>Choisir n&apos;importe quel dossier</translation>
    </message>
    <message>
        <source>Choose a destination folder</source>
        <translation>Choisir un dossier de destination</translation>
    </message>
</context>
<context>
    <name>kestrel::ReleaseOffer</name>
    <message>
        <source>Releasing…</source>
        <translation>Libération…</translation>
    </message>
    <message>
        <source>Release and import</source>
        <translation>Libérer et importer</translation>
    </message>
    <message>
        <source>Close the file manager window that shows the camera or phone, or unmount it there, then try again.</source>
        <translation>Fermez la fenêtre du gestionnaire de fichiers qui affiche l&apos;appareil photo ou le téléphone, ou démontez-le depuis celui-ci, puis réessayez.</translation>
    </message>
    <message>
        <source>It was not released: %1.</source>
        <translation>Il n&apos;a pas été libéré&#xa0;: %1.</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Ce qui s&apos;est passé</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>at the backup: %1</source>
        <translation>dans la sauvegarde&#xa0;: %1</translation>
    </message>
    <message>
        <source>changed since it was recorded</source>
        <translation>modifié depuis son enregistrement</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>recorded without an XXH3-128 hash, not checked</source>
        <translation>enregistré sans empreinte XXH3-128, non vérifié</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>non enregistré</translation>
    </message>
</context>
<context>
    <name>kestrel::ReportView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copier &amp;tout</translation>
    </message>
</context>
<context>
    <name>kestrel::StatusPanel</name>
    <message>
        <source>The import %1.</source>
        <translation>L&apos;importation %1.</translation>
    </message>
    <message>
        <source>Not enough space</source>
        <translation>Espace insuffisant</translation>
    </message>
    <message>
        <source>Import the files that fit, in order, and leave the rest on the card, or import nothing?</source>
        <translation>Importer les fichiers qui tiennent, dans l&apos;ordre, et laisser le reste sur la carte, ou ne rien importer&#xa0;?</translation>
    </message>
    <message>
        <source>Import What Fits</source>
        <translation>Importer ce qui tient</translation>
    </message>
    <message>
        <source>Import Nothing</source>
        <translation>Ne rien importer</translation>
    </message>
    <message>
        <source>%1 of %2 (%3)</source>
        <translation>%1 sur %2 (%3)</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Rien n&apos;a été vérifié.</translation>
    </message>
</context>
<context>
    <name>kestrel::VerdictText</name>
    <message numerus="yes">
        <source> since they were recorded. </source>
        <translation>
            <numerusform> depuis son enregistrement. </numerusform>
            <numerusform> depuis leur enregistrement. </numerusform>
        </translation>
    </message>
    <message>
        <source>The list below names them.</source>
        <translation>La liste ci-dessous les nomme.</translation>
    </message>
    <message>
        <source>The list below says why.</source>
        <translation>La liste ci-dessous dit pourquoi.</translation>
    </message>
    <message>
        <source>The hash record is missing: %1.</source>
        <translation>Le registre d&apos;empreintes est manquant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The files not selected were imported before: they may be deleted from the camera or phone.</source>
        <translation>Les fichiers non sélectionnés ont déjà été importés&#xa0;: ils peuvent être supprimés de l&apos;appareil photo ou du téléphone.</translation>
    </message>
    <message>
        <source>The files not selected were imported before: the card may be formatted.</source>
        <translation>Les fichiers non sélectionnés ont déjà été importés&#xa0;: la carte peut être formatée.</translation>
    </message>
    <message>
        <source>They may be deleted from the camera or phone.</source>
        <translation>Ils peuvent être supprimés de l&apos;appareil photo ou du téléphone.</translation>
    </message>
    <message>
        <source>The card may be formatted.</source>
        <translation>La carte peut être formatée.</translation>
    </message>
    <message>
        <source>Do not delete anything from the camera or phone yet.</source>
        <translation>Ne supprimez encore rien de l&apos;appareil photo ou du téléphone.</translation>
    </message>
    <message>
        <source>Do not format the card yet.</source>
        <translation>Ne formatez pas encore la carte.</translation>
    </message>
    <message>
        <source>The check of %1 was stopped before every file was read.</source>
        <translation>La vérification de %1 a été interrompue avant que chaque fichier ait été lu.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files at %1 changed</source>
        <translation>
            <numerusform>%Ln fichier dans %1 a changé</numerusform>
            <numerusform>%Ln fichiers dans %1 ont changé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %Ln are missing</source>
        <translation>
            <numerusform> et %Ln est manquant</numerusform>
            <numerusform> et %Ln sont manquants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files at %1 are missing</source>
        <translation>
            <numerusform>%Ln fichier dans %1 est manquant</numerusform>
            <numerusform>%Ln fichiers dans %1 sont manquants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be read. </source>
        <translation>
            <numerusform>Illisible&#xa0;: %Ln. </numerusform>
            <numerusform>Illisibles&#xa0;: %Ln. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln are recorded without an XXH3-128 hash and were not checked. </source>
        <translation>
            <numerusform>%Ln est enregistré sans empreinte XXH3-128 et n&apos;a pas été vérifié. </numerusform>
            <numerusform>%Ln sont enregistrés sans empreinte XXH3-128 et n&apos;ont pas été vérifiés. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was stopped: %Ln of the %1 selected files are still only on the camera or phone.</source>
        <translation>
            <numerusform>L&apos;importation a été interrompue&#xa0;: %Ln des %1 fichiers sélectionnés n&apos;est encore que sur l&apos;appareil photo ou le téléphone.</numerusform>
            <numerusform>L&apos;importation a été interrompue&#xa0;: %Ln des %1 fichiers sélectionnés ne sont encore que sur l&apos;appareil photo ou le téléphone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was stopped: %Ln of the %1 selected files are still only on the card.</source>
        <translation>
            <numerusform>L&apos;importation a été interrompue&#xa0;: %Ln des %1 fichiers sélectionnés n&apos;est encore que sur la carte.</numerusform>
            <numerusform>L&apos;importation a été interrompue&#xa0;: %Ln des %1 fichiers sélectionnés ne sont encore que sur la carte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the %1 selected files are not at their destination; the list below says why.</source>
        <translation>
            <numerusform>%Ln des %1 fichiers sélectionnés n&apos;est pas à sa destination&#xa0;; la liste ci-dessous dit pourquoi.</numerusform>
            <numerusform>%Ln des %1 fichiers sélectionnés ne sont pas à leur destination&#xa0;; la liste ci-dessous dit pourquoi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %Ln selected files are verified at their destination.</source>
        <translation>
            <numerusform>Le fichier sélectionné est vérifié à sa destination.</numerusform>
            <numerusform>Les %Ln fichiers sélectionnés sont vérifiés à leur destination.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %Ln selected files are copied (not read back).</source>
        <translation>
            <numerusform>Le fichier sélectionné est copié (sans relecture).</numerusform>
            <numerusform>Les %Ln fichiers sélectionnés sont copiés (sans relecture).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new files were not selected and are still only on the camera or phone.</source>
        <translation>
            <numerusform>%Ln nouveau fichier n&apos;a pas été sélectionné et ne se trouve encore que sur l&apos;appareil photo ou le téléphone.</numerusform>
            <numerusform>%Ln nouveaux fichiers n&apos;ont pas été sélectionnés et ne se trouvent encore que sur l&apos;appareil photo ou le téléphone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new files were not selected and are still only on the card.</source>
        <translation>
            <numerusform>%Ln nouveau fichier n&apos;a pas été sélectionné et ne se trouve encore que sur la carte.</numerusform>
            <numerusform>%Ln nouveaux fichiers n&apos;ont pas été sélectionnés et ne se trouvent encore que sur la carte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files not selected were imported before but are no longer at their destination, so they are only on the camera or phone.</source>
        <translation>
            <numerusform>%Ln fichier non sélectionné a déjà été importé mais n&apos;est plus à sa destination&#xa0;; il ne se trouve donc que sur l&apos;appareil photo ou le téléphone.</numerusform>
            <numerusform>%Ln fichiers non sélectionnés ont déjà été importés mais ne sont plus à leur destination&#xa0;; ils ne se trouvent donc que sur l&apos;appareil photo ou le téléphone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files not selected were imported before but are no longer at their destination, so they are only on the card.</source>
        <translation>
            <numerusform>%Ln fichier non sélectionné a déjà été importé mais n&apos;est plus à sa destination&#xa0;; il ne se trouve donc que sur la carte.</numerusform>
            <numerusform>%Ln fichiers non sélectionnés ont déjà été importés mais ne sont plus à leur destination&#xa0;; ils ne se trouvent donc que sur la carte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln other files on the camera or phone were not imported.</source>
        <translation>
            <numerusform>%Ln autre fichier de l&apos;appareil photo ou du téléphone n&apos;a pas été importé.</numerusform>
            <numerusform>%Ln autres fichiers de l&apos;appareil photo ou du téléphone n&apos;ont pas été importés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln other files on the card were not imported.</source>
        <translation>
            <numerusform>%Ln autre fichier de la carte n&apos;a pas été importé.</numerusform>
            <numerusform>%Ln autres fichiers de la carte n&apos;ont pas été importés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %Ln recorded files at %1.</source>
        <translation>
            <numerusform>%Ln fichier enregistré vérifié dans %1.</numerusform>
            <numerusform>%Ln fichiers enregistrés vérifiés dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln recorded files at %1 match their record.</source>
        <translation>
            <numerusform>%Ln fichier enregistré dans %1 correspond à son enregistrement.</numerusform>
            <numerusform>Les %Ln fichiers enregistrés dans %1 correspondent tous à leur enregistrement.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files there are not in the record.</source>
        <translation>
            <numerusform>%Ln fichier présent n&apos;est pas dans le registre.</numerusform>
            <numerusform>%Ln fichiers présents ne sont pas dans le registre.</numerusform>
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
        <translation>Parcourir un dossier</translation>
    </message>
    <message>
        <source>Ready to import %1</source>
        <translation>Prêt à importer %1</translation>
    </message>
    <message>
        <source>Import Folder</source>
        <translation>Importer un dossier</translation>
    </message>
    <message>
        <source>Verify Folder</source>
        <translation>Vérifier un dossier</translation>
    </message>
    <message>
        <source>Checking %1 against its hash record…</source>
        <translation>Comparaison de %1 avec son registre d&apos;empreintes…</translation>
    </message>
    <message>
        <source>%1 has no hash record (ascmhl folder): there is nothing to check it against.</source>
        <translation>%1 n&apos;a pas de registre d&apos;empreintes (dossier ascmhl)&#xa0;: il n&apos;y a rien à quoi le comparer.</translation>
    </message>
    <message>
        <source>Imports the folder %1 below the current folder</source>
        <translation>Importe le dossier %1 situé sous le dossier actuel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import Folder…</source>
        <translation>&amp;Importer un dossier…</translation>
    </message>
    <message>
        <source>&amp;Browse Folder…</source>
        <translation>&amp;Parcourir un dossier…</translation>
    </message>
    <message>
        <source>&amp;Verify Folder…</source>
        <translation>&amp;Vérifier un dossier…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>The preferences file cannot be read: %1</source>
        <translation>Le fichier des préférences ne peut pas être lu&#xa0;: %1</translation>
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
        <translation>Copie les photos et les vidéos placées sous le dossier SOURCE dans des
dossiers datés, DEST/&lt;tag&gt;/&lt;year&gt;/&lt;month&gt;/&lt;day&gt;/, exactement comme le fait un
dépôt de SOURCE sur la fenêtre de kestrel. Les sources sont seulement lues&#xa0;;
un fichier existant n&apos;est jamais remplacé. Avec --device, les fichiers
viennent plutôt d&apos;un appareil photo ou d&apos;un téléphone branché en USB (PTP ou
MTP, par libgphoto2), classés selon l&apos;heure que l&apos;appareil donne pour chaque
fichier (avec --taken on, selon l&apos;heure de prise de vue au début du fichier
quand il en a une)&#xa0;; un fichier importé auparavant, dont la copie contient
toujours ce qui a été enregistré, n&apos;est pas transféré de nouveau&#xa0;; rien n&apos;y
est supprimé ni modifié.</translation>
    </message>
    <message>
        <source>JPG group: files ending in jpg, JPG, mov, MOV (tag JPG).
RAW group: files ending in raf, RAF, cr2, CR2, nef, NEF (tag RAW) and
           dng, DNG, tif, TIF (tag DNG).</source>
        <translation>Groupe JPG&#xa0;: fichiers se terminant par jpg, JPG, mov, MOV (étiquette JPG).
Groupe RAW&#xa0;: fichiers se terminant par raf, RAF, cr2, CR2, nef, NEF
             (étiquette RAW) et dng, DNG, tif, TIF (étiquette DNG).</translation>
    </message>
    <message>
        <source>Any other photo or clip on the card or camera (CR3, ARW, HEIC, MP4, .Jpg, …)
is left there and named, and the import does not count as complete, unless
--other-formats is on.</source>
        <translation>Toute autre photo ou vidéo de la carte ou de l&apos;appareil (CR3, ARW, HEIC, MP4,
.Jpg, …) y est laissée et nommée, et l&apos;importation ne compte pas comme
complète, sauf si --other-formats est activé.</translation>
    </message>
    <message>
        <source>Settings are stored in kestrel&apos;s preferences, shared with the window, and
apply to this and every later import:</source>
        <translation>Les réglages sont enregistrés dans les préférences de kestrel, partagées avec
la fenêtre, et valent pour cette importation et toutes les suivantes&#xa0;:</translation>
    </message>
    <message>
        <source>import the JPG group</source>
        <translation>importer le groupe JPG</translation>
    </message>
    <message>
        <source>import the RAW group</source>
        <translation>importer le groupe RAW</translation>
    </message>
    <message>
        <source>date folders made for every copied file: any of
y (year), m (month), d (day), e.g. ymd, ym, d,
or none</source>
        <translation>dossiers de date créés pour chaque fichier copié&#xa0;:
au choix parmi y (année), m (mois), d (jour),
p. ex. ymd, ym, d, ou none</translation>
    </message>
    <message>
        <source>the RAW side&apos;s date options, as the window shows
them (where files go follows --folders)</source>
        <translation>les options de date du côté RAW, comme la fenêtre
les montre (où vont les fichiers suit --folders)</translation>
    </message>
    <message>
        <source>date files by creation (birth) time or by
modification time</source>
        <translation>dater les fichiers par leur heure de création
(birth) ou de modification</translation>
    </message>
    <message>
        <source>destination folder of the JPG group</source>
        <translation>dossier de destination du groupe JPG</translation>
    </message>
    <message>
        <source>destination folder of the RAW group</source>
        <translation>dossier de destination du groupe RAW</translation>
    </message>
    <message>
        <source>date photos and clips by when they were taken, read
from their own metadata (EXIF, the movie header);
a file without one is dated as --date says</source>
        <translation>dater photos et vidéos par leur prise de vue, lue
dans leurs propres métadonnées (EXIF, en-tête du
film)&#xa0;; un fichier qui n&apos;en a pas est daté selon
--date</translation>
    </message>
    <message>
        <source>copy a different file that has the destination
name under NAME-1.EXT, NAME-2.EXT, … instead of
leaving it behind</source>
        <translation>copier un fichier différent qui porte le nom de
destination sous NAME-1.EXT, NAME-2.EXT, … au lieu
de le laisser</translation>
    </message>
    <message>
        <source>also import the other photo and clip formats:
raw stills under RAW (TIFF under DNG), other
stills and every clip under JPG</source>
        <translation>importer aussi les autres formats de photo et de
vidéo&#xa0;: images brutes sous RAW (TIFF sous DNG),
autres images et toutes les vidéos sous JPG</translation>
    </message>
    <message>
        <source>read every copy back and compare it with the
source before giving it its name (on unless
set off)</source>
        <translation>relire chaque copie et la comparer à la source
avant de lui donner son nom (on sauf si mis
à off)</translation>
    </message>
    <message>
        <source>also copy every file to FOLDER, a second
destination; none for no second copy</source>
        <translation>copier aussi chaque fichier dans FOLDER, une
seconde destination&#xa0;; none pour aucune seconde
copie</translation>
    </message>
    <message>
        <source>name every copy by PATTERN instead of its name
on the card, e.g. {taken:%Y%m%d}_{seq:4}{ext};
off for the names as on the card</source>
        <translation>nommer chaque copie selon PATTERN au lieu de son
nom sur la carte, p. ex.
{taken:%Y%m%d}_{seq:4}{ext}&#xa0;; off pour les noms
de la carte</translation>
    </message>
    <message>
        <source>file every copy in the folders PATTERN gives
below the destination, e.g. {tag}/{taken:%Y}/{job},
instead of &lt;tag&gt;/&lt;year&gt;/&lt;month&gt;/&lt;day&gt;; off for
the date folders again</source>
        <translation>classer chaque copie dans les dossiers que donne
PATTERN sous la destination, p. ex.
{tag}/{taken:%Y}/{job}, au lieu de
&lt;tag&gt;/&lt;year&gt;/&lt;month&gt;/&lt;day&gt;&#xa0;; off pour revenir
aux dossiers de date</translation>
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
        <translation>Un motif se compose de texte fixe et de champs&#xa0;: {name} (le nom sur la carte
sans son extension), {ext} (l&apos;extension avec son point&#xa0;; {ext:lower} en
minuscules), {taken:FORMAT} (la date selon laquelle le fichier est classé,
écrite comme l&apos;indique le FORMAT de strftime), {seq} ou {seq:N} (le numéro
suivant du travail, sur N chiffres), {job}, {camera} (le modèle d&apos;appareil
dans l&apos;EXIF de la photo, sinon «&#xa0;camera&#xa0;»), {card} (le nom du dossier
SOURCE, ou le modèle de l&apos;appareil) et {tag} (JPG, RAW ou DNG)&#xa0;; {{ et }}
représentent { et }. Un motif de nom se termine par {ext} et contient {name}
ou {seq}. Les fichiers de même nom avant leur extension (IMG_0001.JPG avec
IMG_0001.CR2) reçoivent ensemble un nouveau nom, chacun avec sa propre
extension, et leurs valeurs du JPG. Les numéros d&apos;un travail sont tenus à
chaque destination, dans .kestrel/sequence, pour ne jamais s&apos;y répéter&#xa0;: une
exécution ne les prend que pour les fichiers qu&apos;elle copie, les mêmes à
chaque destination où va un fichier.</translation>
    </message>
    <message>
        <source>The photographer&apos;s metadata goes into an XMP sidecar beside every copy, never
into the copy itself: NAME.xmp (one for IMG_0001.JPG and IMG_0001.CR2 in the
same folder), written when any of these is set; an empty TEXT clears it. A
file that already has the sidecar&apos;s name is never replaced: the log and the
report note it. Sidecars are listed in the hash record like the copies, and
count for nothing in the exit status.</source>
        <translation>Les métadonnées du photographe vont dans un fichier annexe XMP à côté de
chaque copie, jamais dans la copie elle-même&#xa0;: NAME.xmp (un seul pour
IMG_0001.JPG et IMG_0001.CR2 dans le même dossier), écrit quand l&apos;un de ces
réglages est défini&#xa0;; un TEXT vide l&apos;efface. Un fichier qui porte déjà le nom
du fichier annexe n&apos;est jamais remplacé&#xa0;: le journal et le rapport le
signalent. Les fichiers annexes figurent dans le registre d&apos;empreintes comme
les copies, et ne comptent pour rien dans le code de sortie.</translation>
    </message>
    <message>
        <source>the photographer (dc:creator)</source>
        <translation>le photographe (dc:creator)</translation>
    </message>
    <message>
        <source>the copyright notice (dc:rights)</source>
        <translation>la mention de droits d&apos;auteur (dc:rights)</translation>
    </message>
    <message>
        <source>the credit line (photoshop:Credit)</source>
        <translation>la mention de crédit (photoshop:Credit)</translation>
    </message>
    <message>
        <source>keywords separated by commas, &quot;a, b&quot; (dc:subject)</source>
        <translation>mots-clés séparés par des virgules, «&#xa0;a, b&#xa0;»
(dc:subject)</translation>
    </message>
    <message>
        <source>a description of the photos (dc:description)</source>
        <translation>une description des photos (dc:description)</translation>
    </message>
    <message>
        <source>sidecars named NAME.xmp, or NAME.EXT.xmp, one per
copy (IMG_0001.JPG.xmp)</source>
        <translation>fichiers annexes nommés NAME.xmp, ou NAME.EXT.xmp,
un par copie (IMG_0001.JPG.xmp)</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>Autres options&#xa0;:</translation>
    </message>
    <message>
        <source>check the files at the destination DEST against
its hash record (the ascmhl folder): print each
file changed, missing or not recorded, and a
count; imports nothing</source>
        <translation>vérifier les fichiers de la destination DEST avec
son registre d&apos;empreintes (le dossier ascmhl)&#xa0;:
afficher chaque fichier modifié, manquant ou non
enregistré, et un décompte&#xa0;; n&apos;importe rien</translation>
    </message>
    <message>
        <source>import from the camera or phone at PORT
(usb:001,004, as listed by --list-devices) instead
of SOURCE; disk:FOLDER serves FOLDER as a camera.
Files are named PORT + their path on the camera:
usb:001,004/store_00010001/DCIM/IMG_0001.JPG</source>
        <translation>importer depuis l&apos;appareil ou le téléphone à PORT
(usb:001,004, comme l&apos;indique --list-devices) au
lieu de SOURCE&#xa0;; disk:FOLDER présente FOLDER comme
un appareil. Les fichiers sont nommés PORT + leur
chemin sur l&apos;appareil&#xa0;:
usb:001,004/store_00010001/DCIM/IMG_0001.JPG</translation>
    </message>
    <message>
        <source>print each camera and phone connected, one a line:
PORT, MODEL and its storages, separated by tabs
(with --device, that port&apos;s too); imports nothing</source>
        <translation>afficher chaque appareil et téléphone branché, un
par ligne&#xa0;: PORT, MODEL et ses stockages, séparés
par des tabulations (avec --device, ceux de ce
port aussi)&#xa0;; n&apos;importe rien</translation>
    </message>
    <message>
        <source>the {job} of this run&apos;s patterns, and the job
whose numbers {seq} takes; for this run only,
never stored</source>
        <translation>le {job} des motifs de cette exécution, et le
travail dont {seq} prend les numéros&#xa0;; pour cette
exécution seulement, jamais enregistré</translation>
    </message>
    <message>
        <source>print what the import of SOURCE (or of the
camera at --device PORT) would do, one line per
file: SOURCE_FILE -&gt; DESTINATION_FILE for each
copy it would make, or SOURCE_FILE: why it would
not; then a count. Writes nothing at all: no
folder, copy, number, record, report, nor the
settings given with it, which apply to it only</source>
        <translation>afficher ce que ferait l&apos;importation de SOURCE
(ou de l&apos;appareil à --device PORT), une ligne par
fichier&#xa0;: SOURCE_FILE -&gt; DESTINATION_FILE pour
chaque copie qu&apos;elle ferait, ou SOURCE_FILE: la
raison du contraire&#xa0;; puis un décompte. N&apos;écrit
rien du tout&#xa0;: ni dossier, copie, numéro,
registre, rapport, ni les réglages donnés avec
elle, qui ne valent que pour elle</translation>
    </message>
    <message>
        <source>print the stored settings, one key=value a line</source>
        <translation>afficher les réglages enregistrés, un key=value
par ligne</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>Standard output carries the import&apos;s log: the source folder, one line per
folder and file, and a count. Standard error shows the progress while it is
a terminal, and always the final message.</source>
        <translation>La sortie standard porte le journal de l&apos;importation&#xa0;: le dossier source,
une ligne par dossier et par fichier, et un décompte. La sortie d&apos;erreur
montre la progression tant qu&apos;elle est un terminal, et toujours le message
final.</translation>
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
        <translation>Code de sortie&#xa0;: 0 quand chaque photo et vidéo sous SOURCE (ou sur
l&apos;appareil) est à sa destination (copiée maintenant, ou déjà présente avec
les mêmes octets)&#xa0;: la carte peut être formatée&#xa0;; 1 quand l&apos;une ne l&apos;est pas,
ou qu&apos;un appareil ne peut pas être ouvert&#xa0;; 2 pour une mauvaise utilisation,
des préférences illisibles, aucune destination choisie pour un groupe actif,
des destinations refusées (un dossier de sauvegarde qui est la destination
d&apos;un groupe, une destination sur la carte importée, ou un dossier qui
n&apos;existe pas), un motif inutilisable (le message dit à quel caractère) ou une
numérotation de travail illisible à une destination&#xa0;: rien n&apos;est copié et
aucun des réglages donnés n&apos;est enregistré&#xa0;; 128 + le signal quand un signal
a arrêté l&apos;importation (141 quand la sortie standard a été fermée). La
dernière ligne de la sortie d&apos;erreur dit si la carte (ou l&apos;appareil) peut
être vidée.</translation>
    </message>
    <message>
        <source>With --verify: 0 when every recorded file at DEST matches its record (files
never recorded are listed but do not count against it); 1 when any is
changed, missing, unreadable or recorded without an XXH3-128 hash, or the
record is damaged (an entry that cannot be checked, or a path through a
symbolic link, named in the message); 2 when DEST is not a folder or has no
hash record.</source>
        <translation>Avec --verify&#xa0;: 0 quand chaque fichier enregistré dans DEST correspond à son
registre (les fichiers jamais enregistrés sont listés mais ne comptent pas
contre lui)&#xa0;; 1 quand l&apos;un est modifié, manquant, illisible ou enregistré
sans empreinte XXH3-128, ou que le registre est endommagé (une entrée
invérifiable, ou un chemin passant par un lien symbolique, nommé dans le
message)&#xa0;; 2 quand DEST n&apos;est pas un dossier ou n&apos;a pas de registre
d&apos;empreintes.</translation>
    </message>
    <message>
        <source>With --dry-run: 0 when it could say what the import would do; 2 as above.</source>
        <translation>Avec --dry-run&#xa0;: 0 quand il a pu dire ce que ferait l&apos;importation&#xa0;; 2 comme
ci-dessus.</translation>
    </message>
    <message>
        <source>With --list-devices: 0 (no line when nothing is connected); 1 when
libgphoto2 cannot look for cameras.</source>
        <translation>Avec --list-devices&#xa0;: 0 (aucune ligne quand rien n&apos;est branché)&#xa0;; 1 quand
libgphoto2 ne peut pas chercher d&apos;appareils.</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <source>or:</source>
        <translation>ou&#xa0;:</translation>
    </message>
</context>
</TS>
