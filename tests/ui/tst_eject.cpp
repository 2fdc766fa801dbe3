// Ejecting cards, against a stand-in for UDisks2 on a private bus of the test's own.
#include "UiTestSupport.h"

#include "CardEjector.h"
#include "CardList.h"
#include "ViewController.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/prctl.h>

#include <csignal>
#include <sstream>

using namespace Qt::StringLiterals;
using Interfaces = QMap<QString, QVariantMap>;
using Objects = QMap<QDBusObjectPath, Interfaces>;

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

// UDisks2 as far as ejecting needs it: a card reader with two mounted partitions, sdb1 and
// sdb2, and one not mounted, and a system disk. Records each call as its method and the last part
// of its path.
class FakeUDisks : public QDBusVirtualObject {
  public:
    QString card;
    bool ejectable = false, canPowerOff = false;
    QString failing; // a method and the error it answers with: "Unmount DeviceBusy"
    QStringList calls;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        calls << call.member() + u' ' + call.path().section(u'/', -1);
        const QString at = call.interface() + u' ' + call.path();
        const bool noOptions = call.signature() == "a{sv}"_L1 &&
                               qdbus_cast<QVariantMap>(call.arguments().value(0)).isEmpty();
        if (call.member() == failing.section(u' ', 0, 0))
            return bus.send(call.createErrorReply(
                "org.freedesktop.UDisks2.Error."_L1 + failing.section(u' ', 1), u"refused"_s));
        if (at == "org.freedesktop.DBus.ObjectManager "_L1 + root)
            return bus.send(call.createReply(QVariant::fromValue(objects())));
        if (noOptions && (at.startsWith("org.freedesktop.UDisks2.Filesystem "_L1 + root) ||
                          at == "org.freedesktop.UDisks2.Drive "_L1 + root + "/drives/reader"_L1))
            return bus.send(call.createReply());
        return bus.send(call.createErrorReply(QDBusError::UnknownMethod, at));
    }
    Objects objects() const {
        const QVariantMap drive{{u"Ejectable"_s, ejectable},
                                {u"CanPowerOff"_s, canPowerOff},
                                {u"MediaRemovable"_s, true}};
        return {{QDBusObjectPath(root + "/block_devices/sda1"_L1),
                 filesystem(u"/drives/ssd"_s, u"/"_s)},
                {QDBusObjectPath(root + "/block_devices/sdb1"_L1),
                 filesystem(u"/drives/reader"_s, card)},
                {QDBusObjectPath(root + "/block_devices/sdb2"_L1),
                 filesystem(u"/drives/reader"_s, card + u'2')},
                {QDBusObjectPath(root + "/block_devices/sdb3"_L1), filesystem(u"/drives/reader"_s)},
                {QDBusObjectPath(root + "/drives/reader"_L1),
                 {{u"org.freedesktop.UDisks2.Drive"_s, drive}}}};
    }
};

} // namespace

class EjectTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QProcess daemon_;
    FakeUDisks udisks_;
    QDBusConnection client() const { return QDBusConnection(u"kestrel-client"_s); }
    QDBusConnection serviceSide() const { return QDBusConnection(u"kestrel-udisks"_s); }

  private slots:
    void initTestCase() {
        const QString program = QStandardPaths::findExecutable(u"dbus-daemon"_s);
        if (program.isEmpty())
            QSKIP("dbus-daemon is not installed");
        // A bus of its own, which starts no services and reads no configuration of the system's.
        QFile config(dir_.filePath(u"bus.conf"_s));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<busconfig><listen>unix:dir=" + QFile::encodeName(dir_.path()) +
                     "</listen><policy context=\"default\"><allow send_destination=\"*\"/>"
                     "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>");
        config.close();
        // Ends with the test even when the test crashes.
        daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        daemon_.start(program, {u"--config-file="_s + config.fileName(), u"--nofork"_s,
                                u"--print-address"_s});
        QTRY_VERIFY(daemon_.canReadLine());
        const QString address = QString::fromUtf8(daemon_.readLine().trimmed());
        QVERIFY(QDBusConnection::connectToBus(address, u"kestrel-client"_s).isConnected());
        QVERIFY(QDBusConnection::connectToBus(address, u"kestrel-udisks"_s).isConnected());
        qDBusRegisterMetaType<QList<QByteArray>>();
        qDBusRegisterMetaType<Interfaces>();
        qDBusRegisterMetaType<Objects>();
        udisks_.card = dir_.path();
        QVERIFY(serviceSide().registerVirtualObject(root, &udisks_, QDBusConnection::SubPath));
        QVERIFY(serviceSide().registerService(service));
    }

    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus(u"kestrel-client"_s);
        QDBusConnection::disconnectFromBus(u"kestrel-udisks"_s);
        daemon_.kill();
        daemon_.waitForFinished();
    }

    void available() {
        QVERIFY(serviceSide().unregisterService(service));
        QVERIFY(!kestrel::CardEjector(client()).available());
        QVERIFY(serviceSide().registerService(service));
        QVERIFY(kestrel::CardEjector(client()).available());
    }

    void eject_data() {
        QTest::addColumn<bool>("ejectable");
        QTest::addColumn<bool>("canPowerOff");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<bool>("onCard");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("why");
        const QString look = u"GetManagedObjects UDisks2"_s;
        const QStringList unmount{look, u"Unmount sdb1"_s, u"Unmount sdb2"_s};
        QTest::newRow("ejected") << true << true << QString() << true
                                 << unmount + QStringList{u"Eject reader"_s} << QString();
        QTest::newRow("powered off") << false << true << QString() << true
                                     << unmount + QStringList{u"PowerOff reader"_s} << QString();
        QTest::newRow("only unmounted")
            << false << false << QString() << true << unmount << QString();
        QTest::newRow("busy") << true << true << u"Unmount DeviceBusy"_s << true
                              << QStringList{look, u"Unmount sdb1"_s}
                              << u"The card is still in use by another program: close the files "
                                 "open on it, then eject it again."_s;
        QTest::newRow("eject refused")
            << true << false << u"Eject Failed"_s << true
            << unmount + QStringList{u"Eject reader"_s}
            << u"The card is unmounted and safe to remove, but it could not be powered off: "
               "refused"_s;
        QTest::newRow("not a card") << true << true << QString() << false << QStringList{look}
                                    << u"This folder is not on a card the system can eject."_s;
    }

    void eject() {
        QFETCH(bool, ejectable);
        QFETCH(bool, canPowerOff);
        QFETCH(bool, onCard);
        QFETCH(QStringList, calls);
        QFETCH(QString, why);
        udisks_.ejectable = ejectable;
        udisks_.canPowerOff = canPowerOff;
        QFETCH(QString, failing);
        udisks_.failing = failing;
        udisks_.calls.clear();
        const QString folder = onCard ? dir_.path() : dir_.filePath(u"DCIM"_s);

        kestrel::CardEjector ejector(client());
        QSignalSpy ejected(&ejector, &kestrel::CardEjector::ejected);
        QSignalSpy failed(&ejector, &kestrel::CardEjector::failed);
        QSignalSpy removable(&ejector, &kestrel::CardEjector::removable);
        ejector.eject(folder);
        QTRY_COMPARE(ejected.size() + failed.size(), 1);
        if (why.isEmpty())
            QCOMPARE(ejected, QList<QVariantList>{{folder}});
        else
            QCOMPARE(failed, (QList<QVariantList>{{folder, why}}));
        // Asked after the answer, so that any call the ejector still made would come before.
        ejector.checkRemovable(folder);
        QVERIFY(removable.wait());
        QCOMPARE(removable, (QList<QVariantList>{{folder, onCard}}));
        QCOMPARE(udisks_.calls, calls + QStringList{u"GetManagedObjects UDisks2"_s});
    }

    // The window offers to eject a card only once an import found it may be formatted.
    void offeredAfterASafeImport() {
        QTemporaryDir dest;
        kestrel::test::resetPreferences(
            {{u"kestrelImportPath"_s, dest.path()}, {u"kestrelImportPathRAW"_s, dest.path()}});
        kestrel::test::writePhoto(dir_.filePath(u"DCIM/A.JPG"_s), "photo");
        kestrel::test::writePhoto(dir_.filePath(u"DCIM/B.CR3"_s), "raw");
        udisks_.ejectable = true;
        udisks_.failing.clear();
        udisks_.calls.clear();
        std::ostringstream out;
        kestrel::ViewController vc(out);
        vc.setUpEject(new kestrel::CardEjector(client()));
        vc.cardList->setCards({{dir_.path(), u"CARD"_s}});
        auto* eject = vc.findChild<QPushButton*>(u"btnEject"_s);
        vc.importFolder(dir_.path()); // the CR3 stays on the card
        QVERIFY(QFile::remove(dir_.filePath(u"DCIM/B.CR3"_s)));
        vc.importFolder(dir_.path());
        QTRY_VERIFY(eject->isVisibleTo(&vc));
        QCOMPARE(udisks_.calls, QStringList{u"GetManagedObjects UDisks2"_s});
        QCOMPARE(eject->text(), u"&Eject CARD"_s);
        eject->click();
        QTRY_COMPARE(vc.lblInfo->text(), u"The card CARD can be removed now."_s);
        QVERIFY(!eject->isVisibleTo(&vc));
        QCOMPARE(udisks_.calls.last(), u"Eject reader"_s);
    }
};

KESTREL_UI_TEST_MAIN(EjectTest)
#include "tst_eject.moc"
