#pragma once

#include "devices/DeviceWatcher.h"
#include "devices/MountTable.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace kestrel {

// The memory cards mounted now, one row each: its name, its size, a Browse button, which sends
// browseRequested, and an Import button, which sends importRequested, with the card's mount
// point. The cameras and phones plugged in follow, each with its storages, a Browse button,
// which sends deviceBrowseRequested, and an Import button, which sends deviceImportRequested,
// with its port; one that another program holds has a Release and import button too, which
// sends deviceReleaseRequested. Says so when there is none.
class CardList : public QWidget {
    Q_OBJECT
  public:
    explicit CardList(QWidget* parent = nullptr);

    // Shows cards in place of the rows shown so far; may be called from importRequested.
    void setCards(const QList<Card>& cards);
    const QList<Card>& cards() const { return cards_; }
    // Shows devices in place of the cameras and phones shown so far.
    void setDevices(const QList<PluggedDevice>& devices);
    // Shows folder above the cards with an Import button of its own, as long as the list
    // lives: the folder kestrel was started with. Returns that button.
    QPushButton* offerFolder(const QString& folder);

  signals:
    void importRequested(const QString& mountPoint);
    void browseRequested(const QString& mountPoint);
    void deviceImportRequested(const QString& port);
    void deviceReleaseRequested(const QString& port);
    void deviceBrowseRequested(const QString& port);

  private:
    void showRows();
    QPushButton* addRow(const Card& card, bool showSize);
    QPushButton* addDeviceRow(const PluggedDevice& device);
    // Adds Browse and Import buttons for name to row, calling browse and import when they are
    // pressed, and row to the list; returns the Import button.
    QPushButton* addButtons(QWidget* row, const QString& name, const std::function<void()>& browse,
                            const std::function<void()>& import);

    QList<Card> cards_;
    QList<PluggedDevice> devices_;
    std::optional<Card> offered_;
    QVBoxLayout* layout_;
    QLabel* none_;
    QWidget* tabPlace_;
    QList<QWidget*> rows_;
};

} // namespace kestrel
