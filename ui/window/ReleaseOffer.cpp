#include "window/ReleaseOffer.h"

#include "devices/DeviceRelease.h"

#include <QLabel>
#include <QPushButton>

namespace kestrel {

ReleaseOffer::ReleaseOffer(QPushButton* button, QLabel* detail, QObject* parent)
    : QObject(parent), button_(button), detail_(detail) {
    connect(button_, &QPushButton::clicked, this, [this] { release(offered_); });
    setRelease(new DesktopRelease);
    showOffer();
}

void ReleaseOffer::setRelease(DeviceRelease* release) {
    delete release_;
    release_ = release;
    release_->setParent(this);
    releasing_ = false;
    connect(release_, &DeviceRelease::released, this, [this](const QString& port) {
        releasing_ = false;
        offer({});
        emit importRequested(port);
    });
    connect(release_, &DeviceRelease::failed, this,
            [this](const QString&, const QString& why) { failed(why); });
}

void ReleaseOffer::offer(const QString& port) {
    offered_ = port;
    showOffer();
}

void ReleaseOffer::release(const QString& port) {
    if (releasing_ || port.isEmpty())
        return;
    releasing_ = true;
    showOffer();
    release_->release(port);
}

void ReleaseOffer::showOffer() {
    if (!button_)
        return;
    button_->setVisible(!offered_.isEmpty());
    button_->setEnabled(!releasing_);
    button_->setText(releasing_ ? tr("Releasing…") : tr("Release and import"));
}

void ReleaseOffer::failed(const QString& why) {
    releasing_ = false;
    showOffer();
    if (!detail_)
        return;
    const QString close = tr("Close the file manager window that shows the camera or phone, or "
                             "unmount it there, then try again.");
    detail_->setText(why.isEmpty() ? close
                                   : tr("It was not released: %1.").arg(why) + u'\n' + close);
    detail_->show();
}

} // namespace kestrel
