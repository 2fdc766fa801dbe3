// After an import that leaves nothing only on the card: the offer to eject it.
#include "window/ViewController.h"

#include "devices/CardEjector.h"
#include "record/RunSummary.h"
#include "ui_ViewController.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace kestrel {

void ViewController::offerEject(const RunSummary& summary) {
    ejectable_.clear();
    safeCard_.clear();
    showEjectOffer();
    const QString source = QDir::cleanPath(QFile::decodeName(summary.source.c_str()));
    // Only a card in the list, only when it may be formatted, and only once the system has
    // said that its media can be taken out (the answer comes as removable).
    if (summary.allSafe() && summary.matched > 0 && ejector_ != nullptr && ejector_->available())
        for (const Card& card : cardList->cards())
            if (card.mountPoint == source) {
                safeCard_ = card.mountPoint;
                ejector_->checkRemovable(card.mountPoint);
            }
}

void ViewController::showEjectOffer() {
    if (btnEject_ == nullptr)
        return;
    const QList<Card>& cards = cardList->cards();
    const auto shown = std::find_if(cards.cbegin(), cards.cend(), [this](const Card& card) {
        return card.mountPoint == ejectable_;
    });
    if (ejectable_.isEmpty() || shown == cards.cend()) {
        btnEject_->hide();
        return;
    }
    btnEject_->setText(tr("&Eject %1").arg(shown->name));
    // Not while a run may be reading the card.
    btnEject_->setEnabled(!importing_);
    btnEject_->show();
}

void ViewController::ejectCard() {
    if (ejectable_.isEmpty() || ejector_ == nullptr || importing_)
        return;
    btnEject_->setEnabled(false);
    btnEject_->setText(tr("Ejecting…"));
    ejector_->eject(ejectable_);
}

void ViewController::setUpEject(CardEjector* ejector) {
    delete ejector_;
    ejector_ = ejector;
    ejector_->setParent(this);
    if (!btnEject_) {
        btnEject_ = ui_->btnEject;
        btnEject_->hide();
        connect(btnEject_, &QPushButton::clicked, this, &ViewController::ejectCard);
    }
    connect(ejector_, &CardEjector::removable, this, [this](const QString& mountPoint, bool can) {
        if (can && mountPoint == safeCard_) {
            ejectable_ = mountPoint;
            showEjectOffer();
        }
    });
    connect(ejector_, &CardEjector::ejected, this, [this](const QString& mountPoint) {
        QString name = mountPoint.section(u'/', -1);
        for (const Card& card : cardList->cards())
            if (card.mountPoint == mountPoint)
                name = card.name;
        ejectable_.clear();
        showEjectOffer();
        setStatusText(tr("The card %1 can be removed now.").arg(name));
    });
    connect(ejector_, &CardEjector::failed, this, [this](const QString&, const QString& why) {
        showEjectOffer();
        if (lblDetail_) {
            lblDetail_->setText(lblDetail_->text() + u'\n' + why);
            lblDetail_->show();
        }
    });
}

} // namespace kestrel
