<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Finished</name>
    <message numerus="yes">
        <source>copying of %n files stopped:</source>
        <translation>
            <numerusform>copying of %n files stopped:</numerusform>
            <numerusform>copying of %n files stopped:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n done,</source>
        <translation>
            <numerusform> %n done,</numerusform>
            <numerusform> %n done,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n left.</source>
        <translation>
            <numerusform> %n left.</numerusform>
            <numerusform> %n left.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>copying of %n files finished.</source>
        <translation>
            <numerusform>copying of %n files finished.</numerusform>
            <numerusform>copying of %n files finished.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n already there.</source>
        <translation>
            <numerusform> %n already there.</numerusform>
            <numerusform> %n already there.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n not copied.</source>
        <translation>
            <numerusform> %n not copied.</numerusform>
            <numerusform> %n not copied.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n could not be read.</source>
        <translation>
            <numerusform> %n could not be read.</numerusform>
            <numerusform> %n could not be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n other photos or clips were not imported.</source>
        <translation>
            <numerusform> %n other photo or clip was not imported.</numerusform>
            <numerusform> %n other photos or clips were not imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n new files were not selected.</source>
        <translation>
            <numerusform> %n new file was not selected.</numerusform>
            <numerusform> %n new files were not selected.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n files not selected were imported before but are no longer at their destination.</source>
        <translation>
            <numerusform> %n file not selected was imported before but is no longer at its destination.</numerusform>
            <numerusform> %n files not selected were imported before but are no longer at their destination.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n not safe at the backup.</source>
        <translation>
            <numerusform> %n not safe at the backup.</numerusform>
            <numerusform> %n not safe at the backup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n copies read back differently and were copied again.</source>
        <translation>
            <numerusform> %n copy read back differently and was copied again.</numerusform>
            <numerusform> %n copies read back differently and were copied again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n had no capture date and were dated by their file times.</source>
        <translation>
            <numerusform> %n had no capture date and was dated by its file times.</numerusform>
            <numerusform> %n had no capture date and were dated by their file times.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message numerus="yes">
        <source>Do not format the card yet: the import was stopped and %Ln files are only on the card.</source>
        <translation>
            <numerusform>Do not format the card yet: the import was stopped and %Ln file is only on the card.</numerusform>
            <numerusform>Do not format the card yet: the import was stopped and %Ln files are only on the card.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: %Ln files are only on the card.</source>
        <translation>
            <numerusform>Do not format the card yet: %Ln file is only on the card.</numerusform>
            <numerusform>Do not format the card yet: %Ln files are only on the card.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not format the card yet: %Ln files are not safe at the backup.</source>
        <translation>
            <numerusform>Do not format the card yet: %Ln file is not safe at the backup.</numerusform>
            <numerusform>Do not format the card yet: %Ln files are not safe at the backup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The card may be formatted: every photo and clip is verified at %Ln destinations.</source>
        <translation>
            <numerusform>The card may be formatted: every photo and clip is verified at its destination.</numerusform>
            <numerusform>The card may be formatted: every photo and clip is verified at %Ln destinations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The card may be formatted: every photo and clip is copied (not read back) to %Ln destinations.</source>
        <translation>
            <numerusform>The card may be formatted: every photo and clip is copied (not read back) to its destination.</numerusform>
            <numerusform>The card may be formatted: every photo and clip is copied (not read back) to %Ln destinations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: the import was stopped and %Ln files are only on it.</source>
        <translation>
            <numerusform>Do not delete anything from the camera or phone yet: the import was stopped and %Ln file is only on it.</numerusform>
            <numerusform>Do not delete anything from the camera or phone yet: the import was stopped and %Ln files are only on it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: %Ln files are only on it.</source>
        <translation>
            <numerusform>Do not delete anything from the camera or phone yet: %Ln file is only on it.</numerusform>
            <numerusform>Do not delete anything from the camera or phone yet: %Ln files are only on it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do not delete anything from the camera or phone yet: %Ln files are not safe at the backup.</source>
        <translation>
            <numerusform>Do not delete anything from the camera or phone yet: %Ln file is not safe at the backup.</numerusform>
            <numerusform>Do not delete anything from the camera or phone yet: %Ln files are not safe at the backup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every photo and clip on the camera or phone is verified at %Ln destinations: they may be deleted from the camera or phone.</source>
        <translation>
            <numerusform>Every photo and clip on the camera or phone is verified at its destination: they may be deleted from the camera or phone.</numerusform>
            <numerusform>Every photo and clip on the camera or phone is verified at %Ln destinations: they may be deleted from the camera or phone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every photo and clip on the camera or phone is copied (not read back) to %Ln destinations: they may be deleted from the camera or phone.</source>
        <translation>
            <numerusform>Every photo and clip on the camera or phone is copied (not read back) to its destination: they may be deleted from the camera or phone.</numerusform>
            <numerusform>Every photo and clip on the camera or phone is copied (not read back) to %Ln destinations: they may be deleted from the camera or phone.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel-import</name>
    <message numerus="yes">
        <source>… and %Ln more not copied</source>
        <translation>
            <numerusform>… and %Ln more not copied</numerusform>
            <numerusform>… and %Ln more not copied</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more not copied, listed in the report</source>
        <translation>
            <numerusform>… and %Ln more not copied, listed in the report</numerusform>
            <numerusform>… and %Ln more not copied, listed in the report</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after checking %Ln files at %1: </source>
        <translation>
            <numerusform>stopped after checking %Ln file at %1: </numerusform>
            <numerusform>stopped after checking %Ln files at %1: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>checked %Ln files at %1: </source>
        <translation>
            <numerusform>checked %Ln file at %1: </numerusform>
            <numerusform>checked %Ln files at %1: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln match, </source>
        <translation>
            <numerusform>%Ln match, </numerusform>
            <numerusform>%Ln match, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln changed, </source>
        <translation>
            <numerusform>%Ln changed, </numerusform>
            <numerusform>%Ln changed, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln missing, </source>
        <translation>
            <numerusform>%Ln missing, </numerusform>
            <numerusform>%Ln missing, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln unreadable, </source>
        <translation>
            <numerusform>%Ln unreadable, </numerusform>
            <numerusform>%Ln unreadable, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln without an XXH3-128 hash, </source>
        <translation>
            <numerusform>%Ln without an XXH3-128 hash, </numerusform>
            <numerusform>%Ln without an XXH3-128 hash, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not recorded.</source>
        <translation>
            <numerusform>%Ln not recorded.</numerusform>
            <numerusform>%Ln not recorded.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel::BrowseWindow</name>
    <message numerus="yes">
        <source>%Ln new</source>
        <translation>
            <numerusform>%Ln new</numerusform>
            <numerusform>%Ln new</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already at the destination</source>
        <translation>
            <numerusform>%Ln already at the destination</numerusform>
            <numerusform>%Ln already at the destination</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln imported before</source>
        <translation>
            <numerusform>%Ln imported before</numerusform>
            <numerusform>%Ln imported before</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not imported by the current options</source>
        <translation>
            <numerusform>%Ln not imported by the current options</numerusform>
            <numerusform>%Ln not imported by the current options</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Import %Ln Selected</source>
        <translation>
            <numerusform>&amp;Import %Ln Selected</numerusform>
            <numerusform>&amp;Import %Ln Selected</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Listing the files: %Ln found so far…</source>
        <translation>
            <numerusform>Listing the files: %Ln found so far…</numerusform>
            <numerusform>Listing the files: %Ln found so far…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Looking at %1 of %Ln photos and clips…</source>
        <translation>
            <numerusform>Looking at %1 of %Ln photos and clips…</numerusform>
            <numerusform>Looking at %1 of %Ln photos and clips…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln photos and clips</source>
        <translation>
            <numerusform>%Ln photo or clip</numerusform>
            <numerusform>%Ln photos and clips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrel::VerdictText</name>
    <message numerus="yes">
        <source>%Ln files at %1 changed</source>
        <translation>
            <numerusform>%Ln file at %1 changed</numerusform>
            <numerusform>%Ln files at %1 changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %Ln are missing</source>
        <translation>
            <numerusform> and %Ln is missing</numerusform>
            <numerusform> and %Ln are missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files at %1 are missing</source>
        <translation>
            <numerusform>%Ln file at %1 is missing</numerusform>
            <numerusform>%Ln files at %1 are missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> since they were recorded. </source>
        <translation>
            <numerusform> since it was recorded. </numerusform>
            <numerusform> since they were recorded. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln could not be read. </source>
        <translation>
            <numerusform>%Ln could not be read. </numerusform>
            <numerusform>%Ln could not be read. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln are recorded without an XXH3-128 hash and were not checked. </source>
        <translation>
            <numerusform>%Ln is recorded without an XXH3-128 hash and was not checked. </numerusform>
            <numerusform>%Ln are recorded without an XXH3-128 hash and were not checked. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was stopped: %Ln of the %1 selected files are still only on the camera or phone.</source>
        <translation>
            <numerusform>The import was stopped: %Ln of the %1 selected files is still only on the camera or phone.</numerusform>
            <numerusform>The import was stopped: %Ln of the %1 selected files are still only on the camera or phone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was stopped: %Ln of the %1 selected files are still only on the card.</source>
        <translation>
            <numerusform>The import was stopped: %Ln of the %1 selected files is still only on the card.</numerusform>
            <numerusform>The import was stopped: %Ln of the %1 selected files are still only on the card.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the %1 selected files are not at their destination; the list below says why.</source>
        <translation>
            <numerusform>%Ln of the %1 selected files is not at its destination; the list below says why.</numerusform>
            <numerusform>%Ln of the %1 selected files are not at their destination; the list below says why.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %Ln selected files are verified at their destination.</source>
        <translation>
            <numerusform>The selected file is verified at its destination.</numerusform>
            <numerusform>The %Ln selected files are verified at their destination.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %Ln selected files are copied (not read back).</source>
        <translation>
            <numerusform>The selected file is copied (not read back).</numerusform>
            <numerusform>The %Ln selected files are copied (not read back).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new files were not selected and are still only on the camera or phone.</source>
        <translation>
            <numerusform>%Ln new file was not selected and is still only on the camera or phone.</numerusform>
            <numerusform>%Ln new files were not selected and are still only on the camera or phone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new files were not selected and are still only on the card.</source>
        <translation>
            <numerusform>%Ln new file was not selected and is still only on the card.</numerusform>
            <numerusform>%Ln new files were not selected and are still only on the card.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files not selected were imported before but are no longer at their destination, so they are only on the camera or phone.</source>
        <translation>
            <numerusform>%Ln file not selected was imported before but is no longer at its destination, so it is only on the camera or phone.</numerusform>
            <numerusform>%Ln files not selected were imported before but are no longer at their destination, so they are only on the camera or phone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files not selected were imported before but are no longer at their destination, so they are only on the card.</source>
        <translation>
            <numerusform>%Ln file not selected was imported before but is no longer at its destination, so it is only on the card.</numerusform>
            <numerusform>%Ln files not selected were imported before but are no longer at their destination, so they are only on the card.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln other files on the camera or phone were not imported.</source>
        <translation>
            <numerusform>%Ln other file on the camera or phone was not imported.</numerusform>
            <numerusform>%Ln other files on the camera or phone were not imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln other files on the card were not imported.</source>
        <translation>
            <numerusform>%Ln other file on the card was not imported.</numerusform>
            <numerusform>%Ln other files on the card were not imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Checked %Ln recorded files at %1.</source>
        <translation>
            <numerusform>Checked %Ln recorded file at %1.</numerusform>
            <numerusform>Checked %Ln recorded files at %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln recorded files at %1 match their record.</source>
        <translation>
            <numerusform>The %Ln recorded file at %1 matches its record.</numerusform>
            <numerusform>All %Ln recorded files at %1 match their record.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files there are not in the record.</source>
        <translation>
            <numerusform>%Ln file there is not in the record.</numerusform>
            <numerusform>%Ln files there are not in the record.</numerusform>
        </translation>
    </message>
</context>
</TS>
