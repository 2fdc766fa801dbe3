#include "devices/CardEjector.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>

#include <climits>

using namespace Qt::StringLiterals;

namespace kestrel {

// What UDisks2 knows of a mount point and the drive under it.
struct EjectTarget {
    QString mountPoint;
    // The object paths of the file systems to unmount: the one at mountPoint first, then
    // every other one mounted from the same drive.
    QStringList filesystems;
    // The drive's object path, or empty when the file system is on none (a loop device).
    QString drive;
    bool ejectable = false;
    bool canPowerOff = false;
    bool removable = false;
};

namespace {

const QString service = u"org.freedesktop.UDisks2"_s;
const QString blockInterface = u"org.freedesktop.UDisks2.Block"_s;
const QString filesystemInterface = u"org.freedesktop.UDisks2.Filesystem"_s;
const QString driveInterface = u"org.freedesktop.UDisks2.Drive"_s;
const QString udisksError = u"org.freedesktop.UDisks2.Error."_s;

// Unmounting writes out what is still cached for the card, and ejecting waits on the drive:
// each takes as long as it takes, and a reply given up on would report a failure while the
// work goes on.
constexpr int untilDone = INT_MAX;

using Interfaces = QMap<QString, QVariantMap>;
using Objects = QMap<QDBusObjectPath, Interfaces>;

// Mount points come as byte strings ending in a NUL.
QList<QByteArray> mountPointsOf(const Interfaces& object) {
    QList<QByteArray> points;
    const auto filesystem = object.find(filesystemInterface);
    if (filesystem == object.end())
        return points;
    for (QByteArray point : qdbus_cast<QList<QByteArray>>(filesystem->value(u"MountPoints"_s))) {
        if (point.endsWith('\0'))
            point.chop(1);
        points.append(point);
    }
    return points;
}

QString driveOf(const Interfaces& object) {
    const QString path =
        qvariant_cast<QDBusObjectPath>(object.value(blockInterface).value(u"Drive"_s)).path();
    return path == "/"_L1 ? QString() : path;
}

// Reads the answer to GetManagedObjects: every object of UDisks2 with its interfaces and
// their properties.
EjectTarget targetIn(const QDBusMessage& reply, const QString& mountPoint) {
    EjectTarget target;
    target.mountPoint = mountPoint;
    const Objects objects = qdbus_cast<Objects>(reply.arguments().value(0));
    const QByteArray wanted = QFile::encodeName(QDir::cleanPath(mountPoint));
    for (auto object = objects.begin(); object != objects.end(); ++object) {
        if (mountPointsOf(object.value()).contains(wanted)) {
            target.filesystems.append(object.key().path());
            target.drive = driveOf(object.value());
            break;
        }
    }
    if (target.drive.isEmpty())
        return target;
    for (auto object = objects.begin(); object != objects.end(); ++object) {
        const QString path = object.key().path();
        if (path == target.drive) {
            const QVariantMap drive = object.value().value(driveInterface);
            target.ejectable = drive.value(u"Ejectable"_s).toBool();
            target.canPowerOff = drive.value(u"CanPowerOff"_s).toBool();
            target.removable =
                drive.value(u"Removable"_s).toBool() || drive.value(u"MediaRemovable"_s).toBool();
        } else if (driveOf(object.value()) == target.drive &&
                   !mountPointsOf(object.value()).isEmpty() &&
                   path != target.filesystems.constFirst()) {
            target.filesystems.append(path);
        }
    }
    return target;
}

QDBusMessage method(const QString& path, const QString& interface, const QString& name) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, name);
    // No options: UDisks2 then asks the user through the desktop's own agent when the
    // system's policy wants a password, and never otherwise.
    message << QVariantMap();
    return message;
}

QDBusMessage lookUp() {
    return QDBusMessage::createMethodCall(service, u"/org/freedesktop/UDisks2"_s,
                                          u"org.freedesktop.DBus.ObjectManager"_s,
                                          u"GetManagedObjects"_s);
}

bool isError(const QDBusMessage& reply, const QString& name) {
    return reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == udisksError + name;
}

} // namespace

CardEjector::CardEjector(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus) {}

bool CardEjector::available() const {
    QDBusConnectionInterface* daemon = bus_.interface();
    if (!daemon)
        return false;
    return daemon->isServiceRegistered(service).value() ||
           daemon->activatableServiceNames().value().contains(service);
}

void CardEjector::eject(const QString& mountPoint) {
    call(lookUp(), -1, [this, mountPoint](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ErrorMessage) {
            emit failed(mountPoint,
                        tr("The system's disk service did not answer, so the card cannot be "
                           "ejected: %1")
                            .arg(reply.errorMessage()));
            return;
        }
        const EjectTarget target = targetIn(reply, mountPoint);
        if (target.filesystems.isEmpty())
            emit failed(mountPoint, tr("This folder is not on a card the system can eject."));
        else
            unmountNext(target, 0);
    });
}

void CardEjector::checkRemovable(const QString& mountPoint) {
    call(lookUp(), -1, [this, mountPoint](const QDBusMessage& reply) {
        emit removable(mountPoint, reply.type() == QDBusMessage::ReplyMessage &&
                                       targetIn(reply, mountPoint).removable);
    });
}

void CardEjector::unmountNext(const EjectTarget& target, qsizetype index) {
    if (index == target.filesystems.size()) {
        detach(target);
        return;
    }
    const QDBusMessage unmount =
        method(target.filesystems[index], filesystemInterface, u"Unmount"_s);
    call(unmount, untilDone, [this, target, index](const QDBusMessage& reply) {
        // Unmounted by someone else since the look-up: just as good.
        if (reply.type() == QDBusMessage::ReplyMessage || isError(reply, u"NotMounted"_s))
            unmountNext(target, index + 1);
        else if (isError(reply, u"DeviceBusy"_s))
            emit failed(target.mountPoint,
                        tr("The card is still in use by another program: close the files open "
                           "on it, then eject it again."));
        else if (reply.errorName().startsWith(udisksError + "NotAuthorized"_L1))
            emit failed(target.mountPoint, tr("The system did not allow the card to be ejected: %1")
                                               .arg(reply.errorMessage()));
        else
            emit failed(target.mountPoint,
                        tr("The card could not be unmounted: %1").arg(reply.errorMessage()));
    });
}

void CardEjector::detach(const EjectTarget& target) {
    // A reader built into the computer can neither eject nor power off: unmounted, its card
    // is already safe to take out.
    if (!target.ejectable && !target.canPowerOff) {
        emit ejected(target.mountPoint);
        return;
    }
    const QDBusMessage message =
        method(target.drive, driveInterface, target.ejectable ? u"Eject"_s : u"PowerOff"_s);
    call(message, untilDone, [this, target](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ReplyMessage)
            emit ejected(target.mountPoint);
        else
            emit failed(target.mountPoint,
                        tr("The card is unmounted and safe to remove, but it could not be "
                           "powered off: %1")
                            .arg(reply.errorMessage()));
    });
}

void CardEjector::call(const QDBusMessage& message, int timeout, Then then) {
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message, timeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, then = std::move(then)] {
        watcher->deleteLater();
        then(watcher->reply());
    });
}

} // namespace kestrel
