#include "window/DestinationChoice.h"

#include "run/DestinationCheck.h"
#include "run/ImportOptions.h"
#include "run/Preferences.h"
#include "window/PathControl.h"

#include <QCheckBox>
#include <QFile>
#include <QSettings>

#include <ostream>

namespace kestrel {

namespace {
// The sentences backupConflict() answers with, for the translators.
constexpr const char* kBackupConflicts[] = {
    QT_TRANSLATE_NOOP("kestrel::DestinationChoice",
                      "the backup folder is the destination of the JPG group: choose another "
                      "folder"),
    QT_TRANSLATE_NOOP("kestrel::DestinationChoice",
                      "the backup folder is the destination of the RAW group: choose another "
                      "folder"),
};
} // namespace

DestinationChoice::DestinationChoice(QSettings& preferences, std::ostream& out,
                                     const Controls& controls, QObject* parent)
    : QObject(parent), preferences_(preferences), out_(out), controls_(controls) {
    connect(controls_.jpg, &PathControl::action, this, &DestinationChoice::jpgPicked);
    connect(controls_.raw, &PathControl::action, this, &DestinationChoice::rawPicked);
    connect(controls_.backup, &PathControl::action, this, &DestinationChoice::backupPicked);
    connect(controls_.backupBox, &QCheckBox::clicked, this, &DestinationChoice::backupClicked);
}

void DestinationChoice::showStored() {
    showStoredFolder(controls_.jpg, keys::ImportPath);
    showStoredFolder(controls_.raw, keys::ImportPathRAW);
    showStoredBackup();
}

void DestinationChoice::showStoredFolder(PathControl* control, const char* key) {
    // An absent key shows as the folder "<nil>" below the current folder, which is
    // where an import would put that group's files.
    if (control)
        control->setPath(QString::fromStdString(getUserDefAsString(preferences_, key)));
}

void DestinationChoice::showStoredBackup() {
    const std::string stored = getUserDefAsString(preferences_, keys::BackupPath);
    const bool chosen = isChosenFolder(stored);
    if (controls_.backupBox)
        controls_.backupBox->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    if (!controls_.backup)
        return;
    // Unlike the two destinations, an absent backup is no folder at all, and says so.
    if (chosen)
        controls_.backup->setPath(QFile::decodeName(stored.c_str()));
    else
        controls_.backup->showNone(tr("None: no second copy"));
}

bool DestinationChoice::chooseMissing() {
    const std::pair<const char*, const char*> groups[] = {{keys::JPG, keys::ImportPath},
                                                          {keys::RAW, keys::ImportPathRAW}};
    for (const auto& [group, pathKey] : groups) {
        if (!isOn(getUserDefAsString(preferences_, group)) ||
            isChosenFolder(getUserDefAsString(preferences_, pathKey)))
            continue;
        const QString chosen =
            chooseFolder(group == keys::JPG ? tr("Choose where JPG and MOV files go")
                                            : tr("Choose where RAW, DNG and TIFF files go"));
        if (chosen.isEmpty())
            return false;
        // Stored and printed as a pick in the path control is.
        const std::string path = QFile::encodeName(chosen).toStdString();
        storeString(preferences_, pathKey, path);
        out_ << path << std::endl;
        showStoredFolder(pathKey == keys::ImportPath ? controls_.jpg : controls_.raw, pathKey);
    }
    return true;
}

void DestinationChoice::jpgPicked(PathControl* sender) {
    storeFolder(sender, keys::ImportPath);
}

void DestinationChoice::rawPicked(PathControl* sender) {
    storeFolder(sender, keys::ImportPathRAW);
}

void DestinationChoice::storeFolder(PathControl* sender, const char* key) {
    if (sender == nullptr)
        return;
    const std::optional<QString> clicked = sender->clickedPath();
    if (!clicked)
        return;
    const std::string path = QFile::encodeName(*clicked).toStdString();
    // A group's destination in the backup folder would count one copy twice: not kept.
    ImportOptions options = readImportOptions(preferences_);
    (key == keys::ImportPath ? options.jpgRoot : options.rawRoot) = path;
    const std::string conflict =
        key == keys::BackupPath ? std::string() : backupConflict(options.backupRoot, options);
    if (conflict.empty()) {
        storeString(preferences_, key, path);
        out_ << path << std::endl;
    } else {
        emit problemsFound({tr(conflict.c_str())});
    }
    // Show what the next import will use, never a folder other than the stored one.
    showStoredFolder(sender, key);
    emit stored();
}

bool DestinationChoice::backupRefused(const QString& folder) {
    // Checked against the groups as stored, which are what the next import copies to.
    const std::string conflict =
        backupConflict(QFile::encodeName(folder).toStdString(), readImportOptions(preferences_));
    if (!conflict.empty()) {
        emit problemsFound({tr(conflict.c_str())});
        return true;
    }
    // A refusal still shown is answered by this choice.
    for (const char* refusal : kBackupConflicts)
        emit problemWithdrawn(tr(refusal));
    return false;
}

void DestinationChoice::backupPicked(PathControl* sender) {
    const std::optional<QString> clicked = sender ? sender->clickedPath() : std::nullopt;
    // A backup in a group's destination would count one copy twice: it is not kept.
    if (clicked && !backupRefused(*clicked))
        storeFolder(sender, keys::BackupPath);
    showStoredBackup();
}

void DestinationChoice::backupClicked() {
    if (controls_.backupBox && controls_.backupBox->isChecked()) {
        // On needs a folder; cancelling the question leaves the backup off.
        const QString chosen = chooseFolder(tr("Choose where backup copies go"));
        if (!chosen.isEmpty() && !backupRefused(chosen)) {
            const std::string path = QFile::encodeName(chosen).toStdString();
            storeString(preferences_, keys::BackupPath, path);
            out_ << path << std::endl;
        }
    } else {
        storeString(preferences_, keys::BackupPath, "");
    }
    showStoredBackup();
    emit stored();
}

} // namespace kestrel
