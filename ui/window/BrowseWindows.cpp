#include "window/BrowseWindows.h"

#include "browse/BrowseWindow.h"
#include "run/ImportOptions.h"

#include <QSettings>

#include <algorithm>

namespace kestrel {

BrowseWindows::BrowseWindows(QSettings& preferences, QWidget* owner)
    : QObject(owner), preferences_(preferences), owner_(owner) {}

bool BrowseWindows::isOpen(const QString& root) const {
    return std::any_of(windows_.cbegin(), windows_.cend(),
                       [&](const auto& open) { return open && open->root() == root; });
}

BrowseWindow* BrowseWindows::open(const QString& path, bool device) {
    for (const QPointer<BrowseWindow>& open : std::as_const(windows_))
        if (open && open->root() == path) {
            open->raise();
            open->activateWindow();
            return open;
        }
    auto* browser = new BrowseWindow(path, readImportOptions(preferences_), owner_, device);
    connect(browser, &BrowseWindow::importRequested, this,
            [this, device](const QString& root, const QStringList& paths) {
                emit importRequested(root, paths, device);
            });
    windows_.removeAll(nullptr);
    windows_.append(browser);
    browser->show();
    return browser;
}

void BrowseWindows::refresh() {
    if (windows_.isEmpty())
        return;
    const ImportOptions now = readImportOptions(preferences_);
    for (const QPointer<BrowseWindow>& open : std::as_const(windows_))
        if (open && open->options() != now)
            open->refresh(now);
}

void BrowseWindows::refreshRoot(const QString& root) {
    for (const QPointer<BrowseWindow>& open : std::as_const(windows_))
        if (open && open->root() == root)
            open->refresh(readImportOptions(preferences_));
}

void BrowseWindows::cardsChanged(const QList<Card>& cards) {
    for (const Card& was : std::as_const(shownCards_))
        if (!cards.contains(was))
            for (const QPointer<BrowseWindow>& open : std::as_const(windows_))
                if (open && open->root() == was.mountPoint)
                    open->cardRemoved();
    shownCards_ = cards;
}

} // namespace kestrel
