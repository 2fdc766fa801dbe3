#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>

class QDBusMessage;

namespace kestrel {

struct EjectTarget;

// Ejects memory cards through the system's disk service, UDisks2: unmounts the card, then
// ejects its drive or powers it off, so that it is safe to pull out. Every request answers
// later with a signal; none waits for the service.
class CardEjector : public QObject {
    Q_OBJECT
  public:
    explicit CardEjector(const QDBusConnection& bus = QDBusConnection::systemBus(),
                         QObject* parent = nullptr);

    // Whether UDisks2 is on the bus, running or ready to start; asks the bus itself, which
    // answers at once. Without it nothing can be ejected.
    bool available() const;

    // Unmounts the file system mounted at mountPoint and every other one on the same drive,
    // then ejects the drive when it can be ejected, or else powers it off when it can be.
    // Answers with ejected or failed.
    void eject(const QString& mountPoint);

    // Finds out whether mountPoint is on a drive whose media can be removed, such as a card
    // reader or a camera on USB. Answers with removable; false for a folder UDisks2 does not
    // know as a mount point.
    void checkRemovable(const QString& mountPoint);

  signals:
    // The card at mountPoint is unmounted and may be taken out.
    void ejected(const QString& mountPoint);
    // The card at mountPoint was not ejected, or only unmounted; why is a sentence for the user.
    void failed(const QString& mountPoint, const QString& why);
    // The answer to checkRemovable.
    void removable(const QString& mountPoint, bool removable);

  private:
    using Then = std::function<void(const QDBusMessage& reply)>;

    void unmountNext(const EjectTarget& target, qsizetype index);
    void detach(const EjectTarget& target);
    void call(const QDBusMessage& message, int timeout, Then then);

    QDBusConnection bus_;
};

} // namespace kestrel
