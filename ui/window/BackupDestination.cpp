// The backup destination of the window: its checkbox, its path control and what they store.
#include "window/ViewController.h"

#include "run/DestinationCheck.h"
#include "run/ImportOptions.h"
#include "run/Preferences.h"
#include "window/PathControl.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
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

namespace {
// The sentences backupConflict() answers with, for the translators.
constexpr const char* kBackupConflicts[] = {
    QT_TRANSLATE_NOOP("kestrel::ViewController",
                      "the backup folder is the destination of the JPG group: choose another "
                      "folder"),
    QT_TRANSLATE_NOOP("kestrel::ViewController",
                      "the backup folder is the destination of the RAW group: choose another "
                      "folder"),
};
} // namespace

bool ViewController::backupRefused(const QString& folder) {
    // Checked against the groups as stored, which are what the next import copies to.
    const std::string conflict =
        backupConflict(QFile::encodeName(folder).toStdString(), readImportOptions(*uDefs));
    if (!conflict.empty()) {
        showProblems({tr(conflict.c_str())});
        return true;
    }
    // A refusal still shown is answered by this choice.
    for (const char* refusal : kBackupConflicts)
        if (lblDetail_ && lblDetail_->text() == tr(refusal))
            showProblems({});
    return false;
}

void ViewController::destPathBackupSelected(PathControl* sender) {
    const std::optional<QString> clicked = sender ? sender->clickedPath() : std::nullopt;
    // A backup in a group's destination would count one copy twice: it is not kept.
    if (clicked && !backupRefused(*clicked))
        storeFolder(sender, keys::BackupPath);
    showStoredBackup();
}

void ViewController::chkBackupPressed() {
    if (chkBackup && chkBackup->isChecked()) {
        // On needs a folder; cancelling the question leaves the backup off.
        const QString chosen = chooseFolder(tr("Choose where backup copies go"));
        if (!chosen.isEmpty() && !backupRefused(chosen)) {
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
