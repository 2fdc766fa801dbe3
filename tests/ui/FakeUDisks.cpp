#include "FakeUDisks.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QFile>
#include <QStandardPaths>

#include <sys/prctl.h>

#include <csignal>

using namespace Qt::StringLiterals;
using Interfaces = QMap<QString, QVariantMap>;
using Objects = QMap<QDBusObjectPath, Interfaces>;

namespace kestrel::test {

namespace {

const QString service = u"org.freedesktop.UDisks2"_s;
const QString root = u"/org/freedesktop/UDisks2"_s;

// A file system on drive, mounted at mountPoint unless that is empty.
Interfaces filesystem(const QString& drive, const QString& mountPoint = {}) {
    QList<QByteArray> points;
    if (!mountPoint.isEmpty())
        points.append(QFile::encodeName(mountPoint) + '\0');
    return {{u"org.freedesktop.UDisks2.Block"_s,
             {{u"Drive"_s, QVariant::fromValue(QDBusObjectPath(root + drive))}}},
            {u"org.freedesktop.UDisks2.Filesystem"_s,
             {{u"MountPoints"_s, QVariant::fromValue(points)}}}};
}

Objects objectsOf(const FakeUDisks& fake) {
    const QVariantMap drive{{u"Ejectable"_s, fake.ejectable},
                            {u"CanPowerOff"_s, fake.canPowerOff},
                            {u"MediaRemovable"_s, true}};
    return {{QDBusObjectPath(root + "/block_devices/sda1"_L1),
             filesystem(u"/drives/ssd"_s, u"/"_s)},
            {QDBusObjectPath(root + "/block_devices/sdb1"_L1),
             filesystem(u"/drives/reader"_s, fake.card)},
            {QDBusObjectPath(root + "/block_devices/sdb2"_L1),
             filesystem(u"/drives/reader"_s, fake.card + u'2')},
            {QDBusObjectPath(root + "/block_devices/sdb3"_L1), filesystem(u"/drives/reader"_s)},
            {QDBusObjectPath(root + "/drives/reader"_L1),
             {{u"org.freedesktop.UDisks2.Drive"_s, drive}}}};
}

} // namespace

bool FakeUDisks::handleMessage(const QDBusMessage& call, const QDBusConnection& bus) {
    calls << call.member() + u' ' + call.path().section(u'/', -1);
    const QString at = call.interface() + u' ' + call.path();
    const bool noOptions = call.signature() == "a{sv}"_L1 &&
                           qdbus_cast<QVariantMap>(call.arguments().value(0)).isEmpty();
    if (call.member() == failing.section(u' ', 0, 0))
        return bus.send(call.createErrorReply(
            "org.freedesktop.UDisks2.Error."_L1 + failing.section(u' ', 1), u"refused"_s));
    if (at == "org.freedesktop.DBus.ObjectManager "_L1 + root)
        return bus.send(call.createReply(QVariant::fromValue(objectsOf(*this))));
    if (noOptions && (at.startsWith("org.freedesktop.UDisks2.Filesystem "_L1 + root) ||
                      at == "org.freedesktop.UDisks2.Drive "_L1 + root + "/drives/reader"_L1))
        return bus.send(call.createReply());
    return bus.send(call.createErrorReply(QDBusError::UnknownMethod, at));
}

PrivateBus::~PrivateBus() {
    QDBusConnection::disconnectFromBus(u"kestrel-client"_s);
    QDBusConnection::disconnectFromBus(u"kestrel-udisks"_s);
    daemon_.kill();
    daemon_.waitForFinished(-1);
}

QString PrivateBus::start(const QString& folder) {
    const QString program = QStandardPaths::findExecutable(u"dbus-daemon"_s);
    if (program.isEmpty())
        return u"dbus-daemon is not installed"_s;
    QFile config(folder + u"/bus.conf"_s);
    if (!config.open(QIODevice::WriteOnly))
        return config.errorString();
    config.write("<busconfig><listen>unix:dir=" + QFile::encodeName(folder) +
                 "</listen><policy context=\"default\"><allow send_destination=\"*\"/>"
                 "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>");
    config.close();
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    daemon_.start(program, {u"--config-file="_s + config.fileName(), u"--nofork"_s,
                            u"--print-address"_s});
    while (!daemon_.canReadLine())
        if (!daemon_.waitForReadyRead(-1))
            return u"dbus-daemon did not start"_s;
    const QString address = QString::fromUtf8(daemon_.readLine().trimmed());
    if (!QDBusConnection::connectToBus(address, u"kestrel-client"_s).isConnected() ||
        !QDBusConnection::connectToBus(address, u"kestrel-udisks"_s).isConnected())
        return u"cannot connect to the private bus"_s;
    qDBusRegisterMetaType<QList<QByteArray>>();
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<Objects>();
    if (!serviceSide().registerVirtualObject(root, &udisks, QDBusConnection::SubPath) ||
        !offerService(true))
        return u"cannot serve UDisks2 on the private bus"_s;
    return {};
}

QDBusConnection PrivateBus::client() {
    return QDBusConnection(u"kestrel-client"_s);
}

QDBusConnection PrivateBus::serviceSide() {
    return QDBusConnection(u"kestrel-udisks"_s);
}

bool PrivateBus::offerService(bool offered) {
    return offered ? serviceSide().registerService(service)
                   : serviceSide().unregisterService(service);
}

} // namespace kestrel::test
