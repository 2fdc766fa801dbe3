// The folder kestrel was started with, as the desktop starts it for a camera card just
// inserted: shown ready to import, and imported only when the user says so.
#include "window/ViewController.h"

#include "devices/CardList.h"
#include "window/StatusPanel.h"

#include <QDir>
#include <QPushButton>

namespace kestrel {

void ViewController::offerFolder(const QString& folder) {
    QPushButton* importButton = cardList->offerFolder(folder);
    status_->setText(tr("Ready to import %1").arg(QDir::toNativeSeparators(folder)));
    // Enter or Space starts the import.
    importButton->setFocus();
}

} // namespace kestrel
