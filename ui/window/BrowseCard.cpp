// Browsing a card, folder, camera or phone before importing it, and importing the files chosen
// there.
#include "window/ViewController.h"

#include "browse/BrowseWindow.h"
#include "devices/CardList.h"
#include "devices/DeviceWatcher.h"
#include "run/DeviceSurvey.h"
#include "window/BrowseWindows.h"
#include "window/EjectOffer.h"

#include <QFile>

#include <algorithm>
#include <ostream>
#include <unordered_set>

namespace kestrel {

BrowseWindow* ViewController::browseFolder(const QString& path) {
    return browsers_->open(path);
}

BrowseWindow* ViewController::browseDevice(const QString& port) {
    const QString root = QString::fromStdString(deviceRoot(port.toStdString()));
    const bool opened = browsers_->isOpen(root);
    BrowseWindow* browser = browsers_->open(root, true);
    if (opened)
        return browser;
    for (const PluggedDevice& device : devices_->devices())
        if (device.port == port)
            browser->setWindowTitle(tr("%1 — kestrel").arg(device.model));
    // A device unplugged is not read any more.
    connect(devices_, &DeviceWatcher::devicesChanged, browser,
            [browser, port](const QList<PluggedDevice>& devices) {
                if (std::none_of(devices.cbegin(), devices.cend(),
                                 [&](const PluggedDevice& device) { return device.port == port; }))
                    browser->cardRemoved();
            });
    return browser;
}

void ViewController::browseChosenFolder() {
    const QString chosen = chooseFolder(tr("Browse Folder"));
    if (!chosen.isEmpty())
        browseFolder(chosen);
}

void ViewController::importSelection(const QString& root, const QStringList& paths, bool device) {
    if (importing_)
        return;
    std::unordered_set<std::string> chosen;
    for (const QString& path : paths)
        chosen.insert(QFile::encodeName(path).toStdString());
    const std::string source = QFile::encodeName(root).toStdString();
    out_ << source << std::endl;
    runImport(source, &chosen, device);
    // The marks change with a destination chosen now; those of an import, once it has ended.
    if (!importing_)
        browsers_->refreshRoot(root);
}

void ViewController::refreshBrowsers() {
    if (!importing_)
        browsers_->refresh();
}

void ViewController::cardsChanged(const QList<Card>& cards) {
    // A browsed card that is no longer mounted is not read any more.
    browsers_->cardsChanged(cards);
    cardList->setCards(cards);
    eject_->refresh();
}

} // namespace kestrel
