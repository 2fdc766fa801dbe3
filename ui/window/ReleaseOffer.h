#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QPushButton;

namespace kestrel {

class DeviceRelease;

// The offer to release a camera or phone that another program holds and import it then: the
// window's button, shown after an import that could not open the device, and the same request
// from the device's row in the card list. What to close is said where no release comes.
class ReleaseOffer : public QObject {
    Q_OBJECT
  public:
    // button is the window's offer; detail, where the window says what went wrong.
    ReleaseOffer(QPushButton* button, QLabel* detail, QObject* parent);

    // Releases through release from now on, which it takes over; the desktop's at first.
    void setRelease(DeviceRelease* release);
    // Offers to release the device at port; withdraws the offer for an empty port.
    void offer(const QString& port);
    // Asks the holder of the device at port to let go; once it has, sends importRequested.
    void release(const QString& port);

  signals:
    void importRequested(const QString& port);

  private:
    void showOffer();
    void failed(const QString& why);

    QPointer<QPushButton> button_;
    QPointer<QLabel> detail_;
    DeviceRelease* release_ = nullptr;
    QString offered_;
    bool releasing_ = false;
};

} // namespace kestrel
