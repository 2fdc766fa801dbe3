#include "devices/CardList.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace kestrel {

CardList::CardList(QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this)),
      none_(new QLabel(tr("No memory card, camera or phone found."), this)),
      tabPlace_(new QWidget(this)) {
    // Never shown: it holds the list's place in the window's Tab order, where rows made
    // later would otherwise come last.
    tabPlace_->setFocusPolicy(Qt::TabFocus);
    tabPlace_->hide();
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(none_);
}

void CardList::setCards(const QList<Card>& cards) {
    cards_ = cards;
    showRows();
}

void CardList::setDevices(const QList<PluggedDevice>& devices) {
    devices_ = devices;
    showRows();
}

QPushButton* CardList::offerFolder(const QString& folder) {
    offered_ = Card{folder, QDir::toNativeSeparators(folder)};
    showRows();
    return rows_.constFirst()->findChild<QPushButton*>(QStringLiteral("import"));
}

void CardList::showRows() {
    // A row's button may be sending the signal that got here: take the rows off now and
    // delete them once it has returned.
    for (QWidget* row : std::as_const(rows_)) {
        row->hide();
        row->setParent(nullptr);
        row->deleteLater();
    }
    rows_.clear();
    none_->setVisible(cards_.isEmpty() && devices_.isEmpty() && !offered_);
    // The offered folder's size is its file system's, worth showing only for a whole one.
    QList<std::pair<Card, bool>> shown;
    if (offered_)
        shown.append(
            {*offered_, QStorageInfo(offered_->mountPoint).rootPath() == offered_->mountPoint});
    for (const Card& card : std::as_const(cards_))
        if (!offered_ || card.mountPoint != offered_->mountPoint)
            shown.append({card, true});
    QWidget* previous = tabPlace_;
    for (const auto& [card, showSize] : std::as_const(shown)) {
        QPushButton* importButton = addRow(card, showSize);
        QWidget* browseButton =
            importButton->parentWidget()->findChild<QPushButton*>(QStringLiteral("browse"));
        setTabOrder(previous, browseButton);
        setTabOrder(browseButton, importButton);
        previous = importButton;
    }
    for (const PluggedDevice& device : std::as_const(devices_)) {
        QPushButton* importButton = addDeviceRow(device);
        if (QWidget* releaseButton =
                importButton->parentWidget()->findChild<QPushButton*>(QStringLiteral("release"))) {
            setTabOrder(previous, releaseButton);
            previous = releaseButton;
        }
        QWidget* browseButton =
            importButton->parentWidget()->findChild<QPushButton*>(QStringLiteral("browse"));
        setTabOrder(previous, browseButton);
        setTabOrder(browseButton, importButton);
        previous = importButton;
    }
}

QPushButton* CardList::addRow(const Card& card, bool showSize) {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel(card.name, row);
    name->setToolTip(card.mountPoint);
    line->addWidget(name);
    // Cards are sold by decimal sizes: a 32 GB card shows as such, not as 29.8 GiB.
    const qint64 bytes = showSize ? QStorageInfo(card.mountPoint).bytesTotal() : 0;
    line->addWidget(new QLabel(
        bytes > 0 ? locale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat) : QString(),
        row));
    line->addStretch();
    return addButtons(
        row, card.name, [this, mountPoint = card.mountPoint] { emit browseRequested(mountPoint); },
        [this, mountPoint = card.mountPoint] { emit importRequested(mountPoint); });
}

QPushButton* CardList::addDeviceRow(const PluggedDevice& device) {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel(device.model, row);
    name->setToolTip(device.port);
    line->addWidget(name);
    auto* detail =
        new QLabel(device.problem.isEmpty() ? device.storages.join(u", ") : device.problem, row);
    detail->setObjectName(QStringLiteral("storages"));
    detail->setWordWrap(true);
    line->addWidget(detail, 1);
    if (device.held) {
        auto* releaseButton = new QPushButton(tr("Release and import"), row);
        releaseButton->setObjectName(QStringLiteral("release"));
        releaseButton->setAccessibleName(tr("Release and import %1").arg(device.model));
        releaseButton->setToolTip(tr("Asks the file manager to let go of it, then imports it"));
        line->addWidget(releaseButton);
        connect(releaseButton, &QPushButton::clicked, this,
                [this, port = device.port] { emit deviceReleaseRequested(port); });
    }
    return addButtons(
        row, device.model, [this, port = device.port] { emit deviceBrowseRequested(port); },
        [this, port = device.port] { emit deviceImportRequested(port); });
}

QPushButton* CardList::addButtons(QWidget* row, const QString& name,
                                  const std::function<void()>& browse,
                                  const std::function<void()>& import) {
    auto* line = static_cast<QHBoxLayout*>(row->layout());
    auto* browseButton = new QPushButton(tr("Browse"), row);
    browseButton->setObjectName(QStringLiteral("browse"));
    browseButton->setAccessibleName(tr("Browse %1").arg(name));
    line->addWidget(browseButton);
    connect(browseButton, &QPushButton::clicked, this, browse);
    auto* importButton = new QPushButton(tr("Import"), row);
    importButton->setObjectName(QStringLiteral("import"));
    importButton->setAccessibleName(tr("Import %1").arg(name));
    line->addWidget(importButton);
    connect(importButton, &QPushButton::clicked, this, import);
    layout_->addWidget(row);
    rows_.append(row);
    return importButton;
}

} // namespace kestrel
