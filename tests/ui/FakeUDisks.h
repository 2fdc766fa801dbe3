#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStringList>

namespace kestrel::test {

// UDisks2 as far as ejecting needs it: a card reader with two mounted partitions, sdb1 and
// sdb2, and one not mounted, and a system disk. Records each call as its method and the last
// part of its path.
class FakeUDisks : public QDBusVirtualObject {
  public:
    QString card; // where sdb1 is mounted; sdb2 is mounted at card + "2"
    bool ejectable = false, canPowerOff = false;
    QString failing; // a method and the error it answers with: "Unmount DeviceBusy"
    QStringList calls;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override;
};

// A D-Bus daemon of the process's own, which starts no services and reads no configuration
// of the system's, with udisks serving on it as UDisks2. Dies with the process.
class PrivateBus {
  public:
    ~PrivateBus();
    // An empty string once the bus runs, else why it does not. folder holds its socket.
    QString start(const QString& folder);
    bool running() const { return daemon_.state() == QProcess::Running; }
    // The connection programs use, and the one udisks answers on.
    static QDBusConnection client();
    static QDBusConnection serviceSide();
    // Takes the service name, or gives it up.
    bool offerService(bool offered);

    FakeUDisks udisks;

  private:
    QProcess daemon_;
};

} // namespace kestrel::test
