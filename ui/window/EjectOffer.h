#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QPushButton;

namespace kestrel {

class CardEjector;
class CardList;
struct RunSummary;

// After an import that leaves nothing only on the card: the button that offers to eject
// it, shown once the system says the card can be taken out, and the ejecting.
class EjectOffer : public QObject {
    Q_OBJECT
  public:
    // Offers the cards of list on button; running says whether a run is under way, which
    // may be reading the card.
    EjectOffer(QPushButton* button, CardList* list, std::function<bool()> running, QObject* parent);

    // Ejects cards through ejector, which this takes over in place of the one before.
    void setEjector(CardEjector* ejector);
    // Offers to eject the card of summary's source when it may be formatted.
    void offer(const RunSummary& summary);
    // Shows the offer as the card list and the run allow now.
    void refresh();
    // Unmounts and ejects the card offered.
    void eject();

  signals:
    // The card is ejected: text says it can be removed.
    void ejected(const QString& text);
    // Ejecting failed, for the reason why.
    void failed(const QString& why);

  private:
    QPointer<QPushButton> button_;
    QPointer<CardList> list_;
    std::function<bool()> running_;
    CardEjector* ejector_ = nullptr;
    QString safeCard_;  // the mount point of the card the last import found safe
    QString ejectable_; // the mount point of the card offered for ejecting
};

} // namespace kestrel
