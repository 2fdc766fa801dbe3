// Where imports come from and how they are controlled while they run: dropped, chosen and
// mounted folders, the destinations they need, Cancel, closing, and preferences changed
// by another program.
#include "window/ViewController.h"

#include "run/Preferences.h"
#include "window/PathControl.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPushButton>
#include <QSettings>

#include <ostream>

namespace kestrel {

void ViewController::importFolder(const QString& path) {
    if (importing_)
        return;
    const std::string source = QFile::encodeName(path).toStdString();
    out_ << source << std::endl;
    runImport(source);
}

void ViewController::importDevice(const QString& port) {
    if (importing_)
        return;
    const std::string source = port.toStdString();
    out_ << source << std::endl;
    runImport(source, nullptr, true);
}

void ViewController::importChosenFolder() {
    if (importing_)
        return;
    const QString chosen = chooseFolder(tr("Import Folder"));
    if (!chosen.isEmpty())
        importFolder(chosen);
}

void ViewController::cancelImport() {
    if (importing_)
        stop_.request();
}

bool ViewController::destinationsChosen() {
    const std::pair<const char*, const char*> groups[] = {{keys::JPG, keys::ImportPath},
                                                          {keys::RAW, keys::ImportPathRAW}};
    for (const auto& [group, pathKey] : groups) {
        if (!isOn(getUserDefAsString(group)) || isChosenFolder(getUserDefAsString(pathKey)))
            continue;
        const QString chosen =
            chooseFolder(group == keys::JPG ? tr("Choose where JPG and MOV files go")
                                            : tr("Choose where RAW, DNG and TIFF files go"));
        if (chosen.isEmpty())
            return false;
        // Stored and printed as a pick in the path control is.
        const std::string path = QFile::encodeName(chosen).toStdString();
        storeString(*uDefs, pathKey, path);
        out_ << path << std::endl;
        showStoredFolder(pathKey == keys::ImportPath ? destinationPath : destinationPathRAW,
                         pathKey);
    }
    return true;
}

void ViewController::closeEvent(QCloseEvent* event) {
    if (!importing_)
        return QWidget::closeEvent(event);
    // Stop after the file in hand, then close once the run has ended cleanly.
    stop_.request();
    closeWhenDone_ = true;
    event->ignore();
}

void ViewController::watchPreferences() {
    const QString file = uDefs->fileName();
    preferencesWatcher_ = new QFileSystemWatcher(this);
    // The store is replaced by a rename when written: watch its folder to see that.
    preferencesWatcher_->addPath(QFileInfo(file).absolutePath());
    if (QFileInfo::exists(file))
        preferencesWatcher_->addPath(file);
    connect(preferencesWatcher_, &QFileSystemWatcher::fileChanged, this,
            &ViewController::preferencesChanged);
    connect(preferencesWatcher_, &QFileSystemWatcher::directoryChanged, this,
            &ViewController::preferencesChanged);
}

void ViewController::preferencesChanged() {
    const QString file = uDefs->fileName();
    if (QFileInfo::exists(file) && !preferencesWatcher_->files().contains(file))
        preferencesWatcher_->addPath(file);
    uDefs->sync();
    showStoredFolder(destinationPath, keys::ImportPath);
    showStoredFolder(destinationPathRAW, keys::ImportPathRAW);
    showStoredBackup();
    refreshOptions(false);
    refreshBrowsers();
}

} // namespace kestrel
