#include "window/EjectOffer.h"

#include "devices/CardEjector.h"
#include "devices/CardList.h"
#include "record/RunSummary.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

namespace kestrel {

EjectOffer::EjectOffer(QPushButton* button, CardList* list, std::function<bool()> running,
                       QObject* parent)
    : QObject(parent), button_(button), list_(list), running_(std::move(running)) {
    button_->hide();
    connect(button_, &QPushButton::clicked, this, &EjectOffer::eject);
}

void EjectOffer::offer(const RunSummary& summary) {
    ejectable_.clear();
    safeCard_.clear();
    refresh();
    const QString source = QDir::cleanPath(QFile::decodeName(summary.source.c_str()));
    // Only a card in the list, only when it may be formatted, and only once the system has
    // said that its media can be taken out (the answer comes as removable).
    if (summary.allSafe() && summary.matched > 0 && ejector_ != nullptr && ejector_->available())
        for (const Card& card : list_->cards())
            if (card.mountPoint == source) {
                safeCard_ = card.mountPoint;
                ejector_->checkRemovable(card.mountPoint);
            }
}

void EjectOffer::refresh() {
    if (button_ == nullptr)
        return;
    const QList<Card>& cards = list_->cards();
    const auto shown = std::find_if(cards.cbegin(), cards.cend(), [this](const Card& card) {
        return card.mountPoint == ejectable_;
    });
    if (ejectable_.isEmpty() || shown == cards.cend()) {
        button_->hide();
        return;
    }
    button_->setText(tr("&Eject %1").arg(shown->name));
    // Not while a run may be reading the card.
    button_->setEnabled(!running_());
    button_->show();
}

void EjectOffer::eject() {
    if (ejectable_.isEmpty() || ejector_ == nullptr || running_())
        return;
    button_->setEnabled(false);
    button_->setText(tr("Ejecting…"));
    ejector_->eject(ejectable_);
}

void EjectOffer::setEjector(CardEjector* ejector) {
    delete ejector_;
    ejector_ = ejector;
    ejector_->setParent(this);
    connect(ejector_, &CardEjector::removable, this, [this](const QString& mountPoint, bool can) {
        if (can && mountPoint == safeCard_) {
            ejectable_ = mountPoint;
            refresh();
        }
    });
    connect(ejector_, &CardEjector::ejected, this, [this](const QString& mountPoint) {
        QString name = mountPoint.section(u'/', -1);
        for (const Card& card : list_->cards())
            if (card.mountPoint == mountPoint)
                name = card.name;
        ejectable_.clear();
        refresh();
        emit ejected(tr("The card %1 can be removed now.").arg(name));
    });
    connect(ejector_, &CardEjector::failed, this, [this](const QString&, const QString& why) {
        refresh();
        emit failed(why);
    });
}

} // namespace kestrel
