// Memory cards: which mounts are cards, and the list that offers to import each.
#include "UiTestSupport.h"

#include "devices/CardList.h"
#include "devices/CardWatcher.h"
#include "devices/MountTable.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class CardsTest : public QObject {
    Q_OBJECT
  private slots:
    void cardsInMountTable() {
        const QByteArray table = R"(22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw
23 22 0:21 / /proc rw,nosuid shared:12 - proc proc rw
90 22 8:17 / /media/ann/EOS\040DIGITAL rw shared:40 - vfat /dev/sdb1 rw
91 22 8:33 / /run/media/ann/X-T2 rw - exfat /dev/sdc1 rw
92 22 8:49 / /run/media/bob/X-T3 rw - exfat /dev/sdd1 rw
93 22 8:65 / /mnt/x rw shared:42 - ext4 /dev/sde1 rw
)"_ba;
        const auto dcim = [](const QString& at) { return at == "/mnt/x"_L1 || at == "/proc"_L1; };
        const QList<kestrel::Card> expected{{u"/media/ann/EOS DIGITAL"_s, u"EOS DIGITAL"_s},
                                            {u"/run/media/ann/X-T2"_s, u"X-T2"_s},
                                            {u"/mnt/x"_s, u"x"_s}};
        QCOMPARE(kestrel::cardsInMountTable(table, u"ann"_s, dcim), expected);
    }

    void importFromList() {
        kestrel::CardList list;
        list.setCards({{u"/media/ann/A"_s, u"A"_s}, {u"/media/ann/B"_s, u"B"_s}});
        QStringList names;
        for (const QPushButton* button : list.findChildren<QPushButton*>())
            names << button->accessibleName();
        QCOMPARE(names, (QStringList{u"Browse A"_s, u"Import A"_s, u"Browse B"_s, u"Import B"_s}));
        QSignalSpy browsed(&list, &kestrel::CardList::browseRequested);
        list.findChildren<QPushButton*>()[0]->click();
        QCOMPARE(browsed, QList<QVariantList>{{u"/media/ann/A"_s}});
        QSignalSpy spy(&list, &kestrel::CardList::importRequested);
        // The card goes away as its import starts.
        connect(&list, &kestrel::CardList::importRequested, &list, [&] { list.setCards({}); });
        list.findChildren<QPushButton*>()[3]->click();
        QCOMPARE(spy, QList<QVariantList>{{u"/media/ann/B"_s}});
        QVERIFY(list.findChildren<QPushButton*>().isEmpty());
        QVERIFY(list.findChild<QLabel*>()->isVisibleTo(&list));
    }

    // A card mounted and unmounted for real, in a mount namespace of this test's own.
    void mountedCardComesAndGoes() {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("kestrel-test", "/media", "tmpfs", 0, nullptr) != 0)
            QSKIP("this test may not mount file systems");
        const QString card =
            u"/media/%1/CARD"_s.arg(QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name));
        QVERIFY(QDir().mkpath(card));
        kestrel::CardWatcher watcher;
        QVERIFY(watcher.cards().isEmpty());
        QSignalSpy changes(&watcher, &kestrel::CardWatcher::cardsChanged);
        QCOMPARE(::mount("kestrel-test", card.toLocal8Bit().constData(), "tmpfs", 0, nullptr), 0);
        QVERIFY(changes.wait(kestrel::test::kPatience));
        QCOMPARE(watcher.cards(), (QList<kestrel::Card>{{card, u"CARD"_s}}));
        QCOMPARE(::umount(card.toLocal8Bit().constData()), 0);
        QVERIFY(changes.wait(kestrel::test::kPatience));
        QVERIFY(watcher.cards().isEmpty());
    }
};

KESTREL_UI_TEST_MAIN(CardsTest)
#include "tst_cards.moc"
