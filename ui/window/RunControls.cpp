// Where imports come from and how they are controlled while they run: dropped, chosen and
// mounted folders, Cancel, closing, and preferences changed by another program.
#include "window/ViewController.h"

#include "window/DestinationChoice.h"
#include "window/JobOption.h"
#include "window/OptionsPanel.h"

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
    destinations_->showStored();
    options_->refresh(false);
    job_->refresh();
    refreshBrowsers();
}

} // namespace kestrel
