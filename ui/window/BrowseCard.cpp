// Browsing a card or folder before importing it, and importing the files chosen there.
#include "window/ViewController.h"

#include "devices/CardList.h"
#include "window/BrowseWindows.h"
#include "window/EjectOffer.h"

#include <QFile>

#include <ostream>
#include <unordered_set>

namespace kestrel {

BrowseWindow* ViewController::browseFolder(const QString& path) {
    return browsers_->open(path);
}

void ViewController::browseChosenFolder() {
    const QString chosen = chooseFolder(tr("Browse Folder"));
    if (!chosen.isEmpty())
        browseFolder(chosen);
}

void ViewController::importSelection(const QString& root, const QStringList& paths) {
    if (importing_)
        return;
    std::unordered_set<std::string> chosen;
    for (const QString& path : paths)
        chosen.insert(QFile::encodeName(path).toStdString());
    const std::string source = QFile::encodeName(root).toStdString();
    out_ << source << std::endl;
    runImport(source, &chosen);
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
