// Browsing a card, folder, camera or phone before importing it, and importing the files chosen
// there.
#include "window/ViewController.h"

#include "browse/BrowseWindow.h"
#include "devices/CardList.h"
#include "devices/DeviceWatcher.h"
#include "run/DeviceSurvey.h"
#include "run/ImportOptions.h"

#include <QFile>
#include <QSettings>

#include <ostream>
#include <unordered_set>

namespace kestrel {

BrowseWindow* ViewController::browseFolder(const QString& path) {
    return openBrowser(path, false);
}

BrowseWindow* ViewController::browseDevice(const QString& port) {
    const QString root = QString::fromStdString(deviceRoot(port.toStdString()));
    const bool opened = std::any_of(browsers_.cbegin(), browsers_.cend(),
                                    [&](const auto& open) { return open && open->root() == root; });
    BrowseWindow* browser = openBrowser(root, true);
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

BrowseWindow* ViewController::openBrowser(const QString& root, bool device) {
    for (const QPointer<BrowseWindow>& open : std::as_const(browsers_))
        if (open && open->root() == root) {
            open->raise();
            open->activateWindow();
            return open;
        }
    auto* browser = new BrowseWindow(root, readImportOptions(*uDefs), this, device);
    connect(browser, &BrowseWindow::importRequested, this,
            [this, device](const QString& from, const QStringList& paths) {
                importSelection(from, paths, device);
            });
    browsers_.removeAll(nullptr);
    browsers_.append(browser);
    browser->show();
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
        for (const QPointer<BrowseWindow>& open : std::as_const(browsers_))
            if (open && open->root() == root)
                open->refresh(readImportOptions(*uDefs));
}

void ViewController::refreshBrowsers() {
    if (browsers_.isEmpty() || importing_)
        return;
    const ImportOptions now = readImportOptions(*uDefs);
    for (const QPointer<BrowseWindow>& open : std::as_const(browsers_))
        if (open && open->options() != now)
            open->refresh(now);
}

void ViewController::cardsChanged(const QList<Card>& cards) {
    // A browsed card that is no longer mounted is not read any more.
    for (const Card& was : std::as_const(shownCards_))
        if (!cards.contains(was))
            for (const QPointer<BrowseWindow>& open : std::as_const(browsers_))
                if (open && open->root() == was.mountPoint)
                    open->cardRemoved();
    shownCards_ = cards;
    cardList->setCards(cards);
    showEjectOffer();
}

} // namespace kestrel

namespace kestrel {

QString ViewController::selectionVerdict(const RunSummary& summary) const {
    const int chosen = summary.matched;
    const int notThere = summary.notCopied + summary.notSafeAtBackup;
    QString verdict;
    if (summary.stopped)
        verdict = tr("The import was stopped: %1 of the %2 selected files are still only on the "
                     "card.")
                      .arg(notThere)
                      .arg(chosen);
    else if (notThere > 0)
        verdict = tr("%1 of the %2 selected files are not at their destination; the list below "
                     "says why.")
                      .arg(notThere)
                      .arg(chosen);
    else if (chosen == 1)
        verdict = summary.verified ? tr("The selected file is verified at its destination.")
                                   : tr("The selected file is copied (not read back).");
    else
        verdict = summary.verified
                      ? tr("The %1 selected files are verified at their destination.").arg(chosen)
                      : tr("The %1 selected files are copied (not read back).").arg(chosen);
    // Then, apart, what the selection left on the card.
    const int others = summary.leftOnCard + summary.unreadable;
    if (summary.unselectedNew == 1)
        verdict += u' ' + tr("1 new file was not selected and is still only on the card.");
    else if (summary.unselectedNew > 1)
        verdict += u' ' + tr("%1 new files were not selected and are still only on the card.")
                              .arg(summary.unselectedNew);
    if (summary.unselectedGone == 1)
        verdict += u' ' + tr("1 file not selected was imported before but is no longer at its "
                             "destination, so it is only on the card.");
    else if (summary.unselectedGone > 1)
        verdict += u' ' + tr("%1 files not selected were imported before but are no longer at "
                             "their destination, so they are only on the card.")
                              .arg(summary.unselectedGone);
    if (others > 0)
        verdict += u' ' + tr("%1 other files on the card were not imported.").arg(others);
    if (summary.allSafe() && summary.unselectedSafe > 0)
        verdict += u' ' + tr("The files not selected were imported before: the card may be "
                             "formatted.");
    else if (summary.allSafe())
        verdict += u' ' + tr("The card may be formatted.");
    else
        verdict += u' ' + tr("Do not format the card yet.");
    return verdict;
}

} // namespace kestrel
