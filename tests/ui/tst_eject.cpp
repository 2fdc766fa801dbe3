// Ejecting cards, against a stand-in for UDisks2 on a private bus of the test's own.
#include "UiTestSupport.h"

#include "FakeUDisks.h"
#include "devices/CardEjector.h"
#include "devices/CardList.h"
#include "window/ViewController.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sstream>

using namespace Qt::StringLiterals;

class EjectTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    kestrel::test::PrivateBus bus_;
    kestrel::test::FakeUDisks& udisks_ = bus_.udisks;
    static QDBusConnection client() { return kestrel::test::PrivateBus::client(); }

  private slots:
    void initTestCase() {
        if (const QString problem = bus_.start(dir_.path()); !problem.isEmpty())
            QSKIP(qPrintable(problem));
        udisks_.card = dir_.path();
    }

    void available() {
        QVERIFY(bus_.offerService(false));
        QVERIFY(!kestrel::CardEjector(client()).available());
        QVERIFY(bus_.offerService(true));
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
        QTRY_COMPARE_WITH_TIMEOUT(ejected.size() + failed.size(), 1, kestrel::test::kPatience);
        if (why.isEmpty())
            QCOMPARE(ejected, QList<QVariantList>{{folder}});
        else
            QCOMPARE(failed, (QList<QVariantList>{{folder, why}}));
        // Asked after the answer, so that any call the ejector still made would come before.
        ejector.checkRemovable(folder);
        QVERIFY(removable.wait(kestrel::test::kPatience));
        QCOMPARE(removable, (QList<QVariantList>{{folder, onCard}}));
        QCOMPARE(udisks_.calls, calls + QStringList{u"GetManagedObjects UDisks2"_s});
    }

    // The window offers to eject a card only once an import found it may be formatted, and
    // only the card imported: not another one listed, nor any after a folder not on a card.
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
        vc.cardList->setCards({{dir_.path() + u'2', u"OTHER"_s}, {dir_.path(), u"CARD"_s}});
        auto* eject = vc.findChild<QPushButton*>(u"btnEject"_s);
        vc.importFolder(dir_.path()); // the CR3 stays on the card
        QVERIFY(kestrel::test::runEnds(vc) && QFile::remove(dir_.filePath(u"DCIM/B.CR3"_s)));
        vc.importFolder(dir_.path());
        QVERIFY(kestrel::test::runEnds(vc));
        QTRY_VERIFY_WITH_TIMEOUT(eject->isVisibleTo(&vc), kestrel::test::kPatience);
        QCOMPARE(udisks_.calls, QStringList{u"GetManagedObjects UDisks2"_s});
        QCOMPARE(eject->text(), u"&Eject CARD"_s);
        eject->click();
        QTRY_COMPARE_WITH_TIMEOUT(vc.lblInfo->text(), u"The card CARD can be removed now."_s,
                                  kestrel::test::kPatience);
        QVERIFY(!eject->isVisibleTo(&vc));
        QCOMPARE(udisks_.calls.mid(2),
                 QStringList({u"Unmount sdb1"_s, u"Unmount sdb2"_s, u"Eject reader"_s}));

        QTemporaryDir folder;
        kestrel::test::writePhoto(folder.filePath(u"C.JPG"_s), "photo");
        udisks_.calls.clear();
        vc.importFolder(folder.path());
        QVERIFY(kestrel::test::runEnds(vc));
        // Any look-up the window made is answered before this one.
        kestrel::CardEjector later(client());
        QSignalSpy answered(&later, &kestrel::CardEjector::removable);
        later.checkRemovable(dir_.path());
        QVERIFY(answered.wait(kestrel::test::kPatience));
        QCOMPARE(udisks_.calls, QStringList{u"GetManagedObjects UDisks2"_s});
        QVERIFY(!eject->isVisibleTo(&vc));
    }
};

KESTREL_UI_TEST_MAIN(EjectTest)
#include "tst_eject.moc"
