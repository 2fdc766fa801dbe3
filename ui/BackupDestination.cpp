// The backup destination of the window: its checkbox, its path control and what they store.
#include "ViewController.h"

#include "PathControl.h"
#include "run/Preferences.h"

#include <QCheckBox>
#include <QFile>
#include <QSettings>

#include <ostream>

namespace kestrel {

void ViewController::showStoredBackup() {
    const std::string stored = getUserDefAsString(keys::BackupPath);
    const bool chosen = isChosenFolder(stored);
    if (chkBackup)
        chkBackup->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    if (!destinationPathBackup)
        return;
    // Unlike the two destinations, an absent backup is no folder at all, and says so.
    if (chosen)
        destinationPathBackup->setPath(QFile::decodeName(stored.c_str()));
    else
        destinationPathBackup->showNone(tr("None: no second copy"));
}

void ViewController::destPathBackupSelected(PathControl* sender) {
    storeFolder(sender, keys::BackupPath);
    showStoredBackup();
}

void ViewController::chkBackupPressed() {
    if (chkBackup && chkBackup->isChecked()) {
        // On needs a folder; cancelling the question leaves the backup off.
        const QString chosen = chooseFolder(tr("Choose where backup copies go"));
        if (!chosen.isEmpty()) {
            const std::string path = QFile::encodeName(chosen).toStdString();
            storeString(*uDefs, keys::BackupPath, path);
            out_ << path << std::endl;
        }
    } else {
        storeString(*uDefs, keys::BackupPath, "");
    }
    showStoredBackup();
    refreshBrowsers();
}

} // namespace kestrel
