// Cameras and phones in the card list and imported from it: libgphoto2's Directory Browse
// camera serves a temporary folder at disk:FOLDER through a camera's calls.
#include "UiTestSupport.h"
#include "base/FaultPoints.h"
#include "browse/BrowseModel.h"
#include "browse/BrowseWindow.h"
#include "devices/CardList.h"
#include "devices/DeviceRelease.h"
#include "devices/DeviceWatcher.h"

#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <gphoto2/gphoto2-result.h>

#include <sstream>

using namespace Qt::StringLiterals;

// Stands for the desktop: lets go of every device, or of none.
struct FakeRelease : kestrel::DeviceRelease {
    void release(const QString& port) override {
        asked.append(port);
        lets ? emit released(port) : emit failed(port, u"the mount is busy"_s);
    }
    QStringList asked;
    bool lets = true;
};

class DevicesTest : public QObject {
    Q_OBJECT
    kestrel::test::TempDir camera_, dest_;
    std::vector<kestrel::DetectedDevice> plugged_;
    std::ostringstream out_;

    // Plugs in the camera at port alone; true once the window lists it.
    bool plug(kestrel::ViewController& vc, const std::string& port) {
        plugged_ = {{port, "Directory Browse"}};
        vc.deviceWatcher()->setLister([this](std::string&) { return plugged_; });
        return QTest::qWaitFor(
            [&] {
                const QList<QLabel*> labels = vc.cardList->findChildren<QLabel*>();
                return std::any_of(labels.cbegin(), labels.cend(), [&](const QLabel* label) {
                    return label->toolTip() == QString::fromStdString(port);
                });
            },
            20000);
    }
    static QLabel* detail(const kestrel::ViewController& vc) {
        return vc.cardList->findChild<QLabel*>(u"storages"_s);
    }
    static QString verdict(const kestrel::ViewController& vc) {
        return vc.findChild<QLabel*>(u"lblDetail"_s)->text();
    }

  private slots:
    void initTestCase() {
        const QString dest = QString::fromStdString(dest_.path());
        kestrel::test::resetPreferences(
            {{u"kestrelImportPath"_s, dest}, {u"kestrelImportPathRAW"_s, dest}});
        for (const char* name : {"DCIM/IMG_0001.JPG", "DCIM/IMG_0002.JPG"})
            kestrel::test::writePhoto(QString::fromStdString(camera_ / name), name);
    }

    void plugImportUnplug() {
        kestrel::ViewController vc(out_);
        QVERIFY(plug(vc, "disk:" + camera_.path()));
        QCOMPARE(detail(vc)->text(), u"Directory Driver"_s);
        vc.cardList->findChild<QPushButton*>(u"import"_s)->click();
        QVERIFY(kestrel::test::runEnds(vc));
        QVERIFY(QFile::exists(QString::fromStdString(dest_ / "JPG/2016/07/21/IMG_0002.JPG")));
        QVERIFY(verdict(vc).startsWith(u"Every photo and clip on the camera or phone is verified "
                                       "at its destination: they may be deleted from the camera "
                                       "or phone."_s));
        QVERIFY(!vc.findChild<QPushButton*>(u"btnEject"_s)->isVisibleTo(&vc));
        plugged_.clear();
        vc.deviceWatcher()->look();
        QTRY_VERIFY_WITH_TIMEOUT(!detail(vc), kestrel::test::kPatience);
    }

    void notOpened() {
        kestrel::ViewController vc(out_);
        QVERIFY(plug(vc, "disk:" + camera_.path() + "/none"));
        QCOMPARE(detail(vc)->text(), u"It cannot be opened: there is no folder %1/none."_s.arg(
                                         QString::fromStdString(camera_.path())));
        QVERIFY(plug(vc, "disk:" + camera_.path()));
        kestrel::faults::failNext(kestrel::faults::Call::DeviceOpen, GP_ERROR_IO_USB_CLAIM);
        vc.cardList->findChild<QPushButton*>(u"import"_s)->click();
        QVERIFY(kestrel::test::runEnds(vc));
        QVERIFY(verdict(vc).startsWith(u"Do not delete anything from the camera or phone yet"_s));
        QVERIFY(
            verdict(vc).contains(u"Another program is using it: unmount it in the file manager"_s));
        QVERIFY(vc.findChild<QPushButton*>(u"btnRelease"_s)->isVisibleTo(&vc));
    }

    // A device the file manager holds, released from its row: imported once it is let go.
    void releaseAndImport_data() {
        QTest::addColumn<bool>("lets");
        QTest::newRow("let go") << true;
        QTest::newRow("kept") << false;
    }
    void releaseAndImport() {
        QFETCH(bool, lets);
        kestrel::ViewController vc(out_);
        auto* release = new FakeRelease;
        release->lets = lets;
        vc.setUpRelease(release);
        const std::string port = "disk:" + camera_.path();
        kestrel::faults::failNext(kestrel::faults::Call::DeviceOpen, GP_ERROR_IO_USB_CLAIM);
        QVERIFY(plug(vc, port));
        QSignalSpy runs(&vc, &kestrel::ViewController::runFinished);
        vc.cardList->findChild<QPushButton*>(u"release"_s)->click();
        QCOMPARE(release->asked, QStringList{QString::fromStdString(port)});
        if (lets) {
            QVERIFY(runs.wait(kestrel::test::kPatience));
            QVERIFY(verdict(vc).startsWith(u"Every photo and clip on the camera or phone"_s));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(
                verdict(vc).endsWith(u"It was not released: the mount is busy.\nClose the "
                                     "file manager window that shows the camera or phone, "
                                     "or unmount it there, then try again."_s),
                kestrel::test::kPatience);
            QCOMPARE(runs.count(), 0);
        }
    }

    // A camera's USB port and the device file or URI of a desktop's mount of it.
    void mountOfPort() {
        const std::tuple<QString, QString, QString, bool> rows[] = {
            {u"usb:001,004"_s, u"/dev/bus/usb/001/004"_s, u"mtp://Pixel_7_1A2B/"_s, true},
            {u"usb:001,004"_s, u"/dev/bus/usb/001/014"_s, u"mtp://Pixel_7_1A2B/"_s, false},
            {u"usb:002,004"_s, u"/dev/bus/usb/001/004"_s, {}, false},
            {u"usb:001,004"_s, {}, u"gphoto2://[usb:001,004]/"_s, true},
            {u"usb:001,004"_s, {}, u"gphoto2://%5Busb%3A001%2C004%5D/"_s, true},
            {u"disk:/x"_s, {}, u"gphoto2://[disk:/x]/"_s, false}};
        for (const auto& [port, file, uri, matches] : rows)
            QCOMPARE(kestrel::mountIsOf(port, file, uri), matches);
    }

    // A grid of the camera: thumbnails from it, and the files chosen there imported alone.
    void browseAndImportASelection() {
        kestrel::test::TempDir camera, dest;
        const QString at = QString::fromStdString(camera.path());
        const QString to = QString::fromStdString(dest.path());
        kestrel::test::resetPreferences({{u"kestrelImportPath"_s, to},
                                         {u"kestrelImportPathRAW"_s, to},
                                         {u"kestrelModDate"_s, u"1"_s}});
        QImage(300, 200, QImage::Format_RGB32).save(at + u"/A.JPG"_s);
        kestrel::test::setModified(camera / "A.JPG", "2016-07-21 12:00");
        kestrel::test::writePhoto(at + u"/B.JPG"_s, "not a picture");
        kestrel::test::writePhoto(at + u"/C.MOV"_s, "clip");
        kestrel::ViewController vc(out_);
        QVERIFY(plug(vc, "disk:" + camera.path()));
        vc.cardList->findChild<QPushButton*>(u"browse"_s)->click();
        auto* browser = vc.findChild<kestrel::BrowseWindow*>();
        QSignalSpy surveyed(browser, &kestrel::BrowseWindow::surveyed);
        QVERIFY(surveyed.wait(kestrel::test::kPatience));
        const kestrel::BrowseModel& model = *browser->model();
        QTRY_VERIFY_WITH_TIMEOUT(model.hasThumbnail(0) && model.hasThumbnail(1) &&
                                     model.hasThumbnail(2),
                                 kestrel::test::kPatience);
        const auto marks = [&] {
            QStringList shown;
            for (int row = 0; row < model.rowCount(); ++row)
                shown << model.index(row).data().toString() + u' ' +
                             model.index(row).data(Qt::AccessibleDescriptionRole).toString() +
                             (model.index(row).data(Qt::DecorationRole).value<QImage>().isNull()
                                  ? u""_s
                                  : u" +"_s);
            return shown;
        };
        QCOMPARE(marks(), (QStringList{u"A.JPG new +"_s, u"B.JPG new"_s, u"C.MOV new +"_s}));
        browser->grid()->selectionModel()->select(model.index(1), QItemSelectionModel::Deselect);
        browser->importButton()->click();
        QVERIFY(kestrel::test::runEnds(vc));
        QCOMPARE(kestrel::test::filesBelow(dest.path()),
                 (std::vector<std::string>{"JPG/2016/07/21/A.JPG", "JPG/2016/07/21/C.MOV"}));
        QVERIFY(
            vc.findChild<QLabel*>(u"lblDetail"_s)
                ->text()
                .endsWith(
                    u"1 new file was not selected and is still only on the camera or phone. Do not "
                    u"delete anything from the camera or phone yet."_s));
        QVERIFY(surveyed.wait(kestrel::test::kPatience));
        QCOMPARE(marks(), (QStringList{u"A.JPG at destination +"_s, u"B.JPG new"_s,
                                       u"C.MOV at destination +"_s}));
    }
};

KESTREL_UI_TEST_MAIN(DevicesTest)
#include "tst_devices.moc"
