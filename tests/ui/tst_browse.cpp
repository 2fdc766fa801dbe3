// A card as a grid: where each file stands, the files chosen at first, and an import of just
// the chosen ones with a verdict that speaks of the rest.
#include "UiTestSupport.h"

#include "browse/BrowseModel.h"
#include "browse/BrowseWindow.h"
#include "window/ViewController.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>

#include <sstream>

using kestrel::BrowseModel;
using kestrel::BrowseWindow;
using kestrel::Standing;
using kestrel::ViewController;
using namespace kestrel::test;
using namespace Qt::StringLiterals;

namespace {

// "NAME mark" for every tile, in grid order; a chosen one ends in " *".
QStringList tiles(const BrowseWindow& browser) {
    QStringList shown;
    const BrowseModel& model = *browser.model();
    const QItemSelectionModel& chosen = *browser.grid()->selectionModel();
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        shown << index.data().toString() + u' ' +
                     index.data(Qt::AccessibleDescriptionRole).toString() +
                     (chosen.isSelected(index) ? u" *"_s : QString());
    }
    return shown;
}

BrowseWindow* browseAndWait(ViewController& vc, const QString& card) {
    BrowseWindow* browser = vc.browseFolder(card);
    QSignalSpy done(browser, &BrowseWindow::surveyed);
    return done.wait(kestrel::test::kPatience) ? browser : nullptr;
}

} // namespace

class BrowseTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString card_, dest_;

  private slots:
    void init() {
        card_ = dir_.filePath(u"CARD"_s);
        dest_ = dir_.filePath(u"Photos"_s);
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dest_));
        resetPreferences({{u"kestrelImportPath"_s, dest_},
                          {u"kestrelImportPathRAW"_s, dest_},
                          {u"kestrelModDate"_s, u"1"_s}});
    }

    // Marks after a first import of one file; the new one is chosen, the others are not.
    void marksWhereEachFileStands() {
        writePhoto(card_ + u"/DCIM/A.JPG"_s, "first");
        std::ostringstream out;
        ViewController vc(out);
        vc.importFolder(card_);
        QVERIFY(runEnds(vc));
        writePhoto(card_ + u"/DCIM/B.JPG"_s, "second");
        setModified((card_ + u"/DCIM/B.JPG"_s).toStdString(), "2016-07-21 13:00");
        writePhoto(card_ + u"/DCIM/C.CR3"_s, "canon");
        BrowseWindow* browser = browseAndWait(vc, card_);
        QVERIFY(browser);
        QCOMPARE(tiles(*browser), (QStringList{u"A.JPG at destination"_s, u"C.CR3 not imported"_s,
                                               u"B.JPG new *"_s}));
        QCOMPARE(browser->importButton()->text(), u"&Import 1 Selected"_s);
        QVERIFY(browser->model()->index(1).data(Qt::ToolTipRole).toString().contains(
            u"kestrel does not import .CR3 files"_s));
        // Choosing by hand, and back to the new ones.
        browser->grid()->selectionModel()->setCurrentIndex(browser->model()->index(0),
                                                           QItemSelectionModel::NoUpdate);
        browser->grid()->selectionModel()->select(browser->model()->index(2),
                                                  QItemSelectionModel::Toggle);
        QTest::keyClick(browser->grid(), Qt::Key_Space);
        QCOMPARE(browser->selectedPaths(), QStringList{card_ + u"/DCIM/A.JPG"_s});
        browser->selectNewButton()->click();
        QCOMPARE(browser->selectedPaths(), QStringList{card_ + u"/DCIM/B.JPG"_s});
        QCOMPARE(vc.browseFolder(card_), browser);
        // Other formats switched on: the CR3 becomes a file to import.
        QSignalSpy again(browser, &BrowseWindow::surveyed);
        vc.chkOtherFormats->click();
        QVERIFY(again.wait(kestrel::test::kPatience));
        QVERIFY(tiles(*browser).contains(u"C.CR3 new *"_s));
        // A card pulled out is not read any more, and nothing can be imported from it.
        browser->cardRemoved();
        QVERIFY(!browser->importButton()->isEnabled() && !browser->selectNewButton()->isEnabled());
    }

    // Only the chosen files are copied; the verdict tells of the new one left behind.
    void importsTheSelectionOnly() {
        for (const char* name : {"A.JPG", "B.JPG", "C.JPG"})
            writePhoto(card_ + u"/DCIM/"_s + QLatin1String(name), name);
        std::ostringstream out;
        ViewController vc(out);
        BrowseWindow* browser = browseAndWait(vc, card_);
        QVERIFY(browser);
        QCOMPARE(browser->selectedPaths().size(), 3);
        browser->grid()->selectionModel()->select(browser->model()->index(2),
                                                  QItemSelectionModel::Deselect);
        QSignalSpy again(browser, &BrowseWindow::surveyed);
        browser->importButton()->click();
        QVERIFY(runEnds(vc));
        QCOMPARE(listTree(dest_.toStdString()),
                 (std::vector<std::string>{"JPG/", "JPG/2016/", "JPG/2016/07/", "JPG/2016/07/21/",
                       "JPG/2016/07/21/A.JPG", "JPG/2016/07/21/B.JPG"}));
        const QString verdict = vc.findChild<QLabel*>(u"lblDetail"_s)->text();
        QCOMPARE(verdict.section(u'\n', 0, 0),
                 u"The 2 selected files are verified at their destination. 1 new file was not "
                 "selected and is still only on the card. Do not format the card yet."_s);
        QVERIFY(again.wait(kestrel::test::kPatience));
        QCOMPARE(tiles(*browser), (QStringList{u"A.JPG at destination"_s,
                                               u"B.JPG at destination"_s, u"C.JPG new *"_s}));
        // Then the last one: nothing new is left.
        browser->importButton()->click();
        QVERIFY(runEnds(vc));
        QVERIFY(vc.findChild<QLabel*>(u"lblDetail"_s)->text().startsWith(
            u"The selected file is verified at its destination. The files not selected were "
            "imported before: the card may be formatted."_s));
        // One culled at the destination: recorded, not chosen, and no longer proven safe.
        QVERIFY(QFile::remove(dest_ + u"/JPG/2016/07/21/A.JPG"_s));
        browser->refresh(browser->options());
        QVERIFY(again.wait(kestrel::test::kPatience));
        QCOMPARE(tiles(*browser), (QStringList{u"A.JPG imported before"_s,
                                               u"B.JPG at destination"_s,
                                               u"C.JPG at destination"_s}));
        browser->grid()->selectionModel()->select(browser->model()->index(2),
                                                  QItemSelectionModel::Select);
        browser->importButton()->click();
        QVERIFY(runEnds(vc));
        QVERIFY(vc.findChild<QLabel*>(u"lblDetail"_s)->text().startsWith(
            u"The selected file is verified at its destination. 1 file not selected was "
            "imported before but is no longer at its destination, so it is only on the card. "
            "Do not format the card yet."_s));
        QVERIFY(!QFileInfo::exists(dest_ + u"/JPG/2016/07/21/A.JPG"_s));
    }

    // A job's names and folders on the tiles, planned without taking a number; once imported,
    // each is found there under its new name, and only a file new to the card is chosen.
    void showsTheJobsPlaces() {
        resetPreferences({{u"kestrelImportPath"_s, dest_}, {u"kestrelImportPathRAW"_s, dest_},
                          {u"kestrelModDate"_s, u"1"_s}, {u"kestrelJob"_s, u"wedding"_s},
                          {u"kestrelNamePattern"_s, u"{taken:%Y%m%d}_{job}_{seq:4}{ext}"_s},
                          {u"kestrelFolderPattern"_s, u"{tag}/{job}"_s}});
        for (const char* name : {"A.CR2", "A.JPG", "B.JPG"})
            writePhoto(card_ + u"/DCIM/"_s + QLatin1String(name), name);
        std::ostringstream out;
        ViewController vc(out);
        BrowseWindow* browser = browseAndWait(vc, card_);
        QVERIFY(browser);
        const QStringList planned{u"RAW/wedding/20160721_wedding_0001.CR2"_s,
                                  u"JPG/wedding/20160721_wedding_0001.JPG"_s,
                                  u"JPG/wedding/20160721_wedding_0002.JPG"_s};
        const auto shown = [&](const QString& mark, const QString& there) {
            bool all = true;
            for (int row = 0; row < planned.size(); ++row)
                all = all && tiles(*browser)[row] == planned[row].section(u'/', -1) + u' ' + mark &&
                      browser->model()->index(row).data(Qt::ToolTipRole).toString().endsWith(
                          there + planned[row]);
            return all;
        };
        QVERIFY(shown(u"new *"_s, u"Goes to "_s));
        browser->importButton()->click();
        QVERIFY(runEnds(vc));
        writePhoto(card_ + u"/DCIM/C.JPG"_s, "C");
        QSignalSpy again(browser, &BrowseWindow::surveyed);
        browser->refresh(browser->options());
        QVERIFY(again.wait(kestrel::test::kPatience));
        QVERIFY(shown(u"at destination"_s, u"Already there as "_s));
        QCOMPARE(tiles(*browser).last(), u"20160721_wedding_0003.JPG new *"_s);
        browser->importButton()->click();
        QVERIFY(runEnds(vc));
        QVERIFY(vc.findChild<QLabel*>(u"lblDetail"_s)->text().contains(u"may be formatted"_s));
    }

    // A tile's time as the reader writes dates and times, the year whole.
    void showsTimesInTheReadersLocale() {
        const std::pair<const char*, QString> rows[] = {
            {"de_DE", u"21.07.2016 14:03"_s}, {"fr_FR", u"21/07/2016 14:03"_s},
            {"en_US", u"7/21/2016 2:03 PM"_s}, {"ja_JP", u"2016/07/21 14:03"_s}};
        for (const auto& [locale, shown] : rows) {
            QLocale::setDefault(QLocale(QLatin1String(locale)));
            QCOMPARE(kestrel::shownTime("2016-07-21 14:03:07"), shown);
        }
        QLocale::setDefault(QLocale::system());
        QCOMPARE(kestrel::shownTime("2016-07-21"), u"2016-07-21"_s);
    }
};

KESTREL_UI_TEST_MAIN(BrowseTest)
#include "tst_browse.moc"
