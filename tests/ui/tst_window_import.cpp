// Imports started from the window: the drop well, the start button and the status line.
#include "UiTestSupport.h"

#include "PathControl.h"
#include "ViewController.h"
#include "imgViewDragger.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include <functional>
#include <optional>
#include <sstream>

using kestrel::imgViewDragger;
using kestrel::ViewController;
using kestrel::test::child;
using kestrel::test::filesBelow;
using kestrel::test::lines;
using kestrel::test::resetPreferences;
using kestrel::test::writeFile;

namespace {

const QDateTime kShotTime(QDate(2016, 7, 21), QTime(12, 0));

// What the window showed each time the status line was painted.
struct Painted {
    QString text;
    bool optionsVisible;
    bool barVisible;
    int barValue;
    int barMaximum;
    bool alreadyCopied; // the file named in a progress text was already at its destination
};

// Records every paint of the status line, dropping repeats of the same picture.
class StatusRecorder : public QObject {
  public:
    StatusRecorder(ViewController& vc, QMap<QString, QString> destinations)
        : vc_(vc), destinations_(std::move(destinations)) {
        vc.lblInfo->installEventFilter(this);
    }
    QList<Painted> painted;
    // Runs once, inside the first paint of the status line.
    std::function<void()> whilePainting;

    QStringList texts() const {
        QStringList result;
        for (const Painted& p : painted)
            result.append(p.text);
        return result;
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        const QString text = vc_.lblInfo->text();
        const QString name = text.section(u'(', 1).chopped(text.endsWith(u')') ? 1 : 0);
        const Painted now{text,
                          vc_.optionsBox->isVisible(),
                          vc_.pgSpin->isVisible(),
                          vc_.pgSpin->value(),
                          vc_.pgSpin->maximum(),
                          destinations_.contains(name) && QFile::exists(destinations_.value(name))};
        if (whilePainting)
            std::exchange(whilePainting, nullptr)();
        if (painted.isEmpty() || painted.last().text != now.text ||
            painted.last().optionsVisible != now.optionsVisible)
            painted.append(now);
        return false;
    }

  private:
    ViewController& vc_;
    QMap<QString, QString> destinations_;
};

std::unique_ptr<QMimeData> urlData(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> pathData(const QString& path) {
    return urlData({QUrl::fromLocalFile(path)});
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        dir_.emplace();
        QVERIFY(dir_->isValid());
        root_ = dir_->path();
        card_ = root_ + QStringLiteral("/CARD 1");
        jpgDest_ = root_ + QStringLiteral("/Photos");
        rawDest_ = root_ + QStringLiteral("/Raw");
        QVERIFY(QDir().mkpath(jpgDest_));
        QVERIFY(QDir().mkpath(rawDest_));
        resetPreferences({{QStringLiteral("kestrelImportPath"), jpgDest_},
                          {QStringLiteral("kestrelImportPathRAW"), rawDest_},
                          {QStringLiteral("kestrelModDate"), QStringLiteral("1")}});
        QVERIFY(QDir::setCurrent(root_));
    }

    void cleanup() {
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        dir_.reset();
    }

    void entryDecision_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sourceActions");
        QTest::addColumn<int>("expected");
        const QList<QUrl> folder{QUrl::fromLocalFile(QStringLiteral("/media/card"))};
        const int any = int(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
        QTest::newRow("folder, any action") << folder << QString() << any << int(Qt::CopyAction);
        QTest::newRow("folder, copy only")
            << folder << QString() << int(Qt::CopyAction) << int(Qt::CopyAction);
        QTest::newRow("folder, move only")
            << folder << QString() << int(Qt::MoveAction) << int(Qt::IgnoreAction);
        QTest::newRow("text only")
            << QList<QUrl>{} << QStringLiteral("/media/card") << any << int(Qt::IgnoreAction);
        QTest::newRow("web address")
            << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.jpg"))} << QString() << any
            << int(Qt::IgnoreAction);
    }

    void entryDecision() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(int, sourceActions);
        QFETCH(int, expected);
        QMimeData data;
        if (!urls.isEmpty())
            data.setUrls(urls);
        if (!text.isEmpty())
            data.setText(text);
        QCOMPARE(int(imgViewDragger::draggingEntered(&data, Qt::DropActions(sourceActions))),
                 expected);
    }

    // A card dropped on the well is imported; each status text is painted before the next
    // file is copied, with the options hidden until the end.
    void droppedCardIsImported() {
        writeFile(card_ + QStringLiteral("/DCIM/100/A.CR2"), "raw", kShotTime);
        writeFile(card_ + QStringLiteral("/DCIM/100/B.tif"), "tif", kShotTime);
        writeFile(card_ + QStringLiteral("/DCIM/100/IMG_0001.JPG"), "jpg", kShotTime);
        writeFile(card_ + QStringLiteral("/DCIM/100/notes.txt"), "txt", kShotTime);
        const QString day = QStringLiteral("/2016/07/21/");
        const QString rawFile = rawDest_ + QStringLiteral("/RAW") + day + QStringLiteral("A.CR2");
        const QString dngFile = rawDest_ + QStringLiteral("/DNG") + day + QStringLiteral("B.tif");
        const QString jpgFile =
            jpgDest_ + QStringLiteral("/JPG") + day + QStringLiteral("IMG_0001.JPG");

        std::ostringstream out;
        ViewController vc(out);
        vc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vc));
        StatusRecorder recorder(vc, {{QStringLiteral("A.CR2"), rawFile},
                                     {QStringLiteral("B.tif"), dngFile},
                                     {QStringLiteral("IMG_0001.JPG"), jpgFile}});

        // A second drop while the first import runs is refused, not started inside it.
        int nestedDrop = -1;
        recorder.whilePainting = [&] {
            nestedDrop = vc.imgView->performDragOperation(pathData(card_).get()) ? 1 : 0;
        };
        QVERIFY(vc.imgView->performDragOperation(pathData(card_).get()));
        QCOMPARE(nestedDrop, 0);

        QCOMPARE(
            recorder.texts(),
            (QStringList{QStringLiteral("..."), QStringLiteral("1 of 3 (A.CR2)"),
                         QStringLiteral("2 of 3 (B.tif)"), QStringLiteral("3 of 3 (IMG_0001.JPG)"),
                         QStringLiteral("copying of 3 files finished.")}));
        for (qsizetype i = 0; i + 1 < recorder.painted.size(); ++i) {
            const Painted& p = recorder.painted.at(i);
            QVERIFY2(!p.optionsVisible, qPrintable(p.text));
            QVERIFY2(!p.alreadyCopied, qPrintable(p.text));
            if (i > 0) {
                QVERIFY(p.barVisible);
                QCOMPARE(p.barValue, int(i));
                QCOMPARE(p.barMaximum, 3);
            }
        }
        QVERIFY(recorder.painted.last().optionsVisible);
        QVERIFY(!recorder.painted.last().barVisible);
        QVERIFY(vc.optionsBox->isVisible());
        QVERIFY(!child<QLabel>(vc, "lblDetail")->isVisible());

        QCOMPARE(filesBelow(rawDest_), (QStringList{QStringLiteral("DNG/2016/07/21/B.tif"),
                                                    QStringLiteral("RAW/2016/07/21/A.CR2")}));
        QCOMPARE(filesBelow(jpgDest_), QStringList{QStringLiteral("JPG/2016/07/21/IMG_0001.JPG")});

        QStringList expected{
            card_, card_ + u'/',
            QStringLiteral("Ende: 3 Dateien gefunden und in Datei-Array geschrieben.")};
        const auto folders = [&expected](const QString& root, const QString& tag) {
            QString folder = root + u'/' + tag + u'/';
            for (const QString& level : {QString(), QStringLiteral("2016/"), QStringLiteral("07/"),
                                         QStringLiteral("21/")}) {
                folder += level;
                expected << QStringLiteral("path: ") + folder
                         << QStringLiteral("makeFolder: ") + folder;
            }
        };
        const QString from = card_ + QStringLiteral("/DCIM/100/");
        folders(rawDest_, QStringLiteral("RAW"));
        expected << from + QStringLiteral("A.CR2 -> ") + rawFile + QStringLiteral(" true");
        folders(rawDest_, QStringLiteral("DNG"));
        expected << from + QStringLiteral("B.tif -> ") + dngFile + QStringLiteral(" true");
        folders(jpgDest_, QStringLiteral("JPG"));
        expected << from + QStringLiteral("IMG_0001.JPG -> ") + jpgFile + QStringLiteral(" true");
        QCOMPARE(lines(out.str()), expected);
    }

    // A real drop event reaches the import; a refused drag never does.
    void dropEventsReachTheWell() {
        writeFile(card_ + QStringLiteral("/IMG_0002.JPG"), "jpg", kShotTime);
        std::ostringstream out;
        ViewController vc(out);
        const QPoint centre = vc.imgView->rect().center();

        const auto text = std::make_unique<QMimeData>();
        text->setText(card_);
        QDragEnterEvent refused(centre, Qt::CopyAction, text.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(vc.imgView, &refused);
        QVERIFY(!refused.isAccepted());

        const auto files = pathData(card_ + u'/');
        QDragEnterEvent moveOnly(centre, Qt::MoveAction, files.get(), Qt::LeftButton,
                                 Qt::NoModifier);
        QCoreApplication::sendEvent(vc.imgView, &moveOnly);
        QVERIFY(!moveOnly.isAccepted());

        QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, files.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(vc.imgView, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, files.get(),
                        Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(vc.imgView, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);

        // The dropped path is printed without its trailing "/".
        QCOMPARE(lines(out.str()).mid(0, 2), (QStringList{card_, card_ + u'/'}));
        QCOMPARE(vc.lblInfo->text(), QStringLiteral("copying of 1 files finished."));
        QCOMPARE(filesBelow(jpgDest_), QStringList{QStringLiteral("JPG/2016/07/21/IMG_0002.JPG")});
    }

    // Of several dropped items only the first local one is imported.
    void severalItemsImportTheFirst() {
        writeFile(card_ + QStringLiteral("/A/IMG_1.JPG"), "1", kShotTime);
        writeFile(card_ + QStringLiteral("/B/IMG_2.JPG"), "2", kShotTime);
        std::ostringstream out;
        ViewController vc(out);
        QVERIFY(vc.imgView->performDragOperation(
            urlData({QUrl(QStringLiteral("https://example.org/x")),
                     QUrl::fromLocalFile(card_ + QStringLiteral("/B")),
                     QUrl::fromLocalFile(card_ + QStringLiteral("/A"))})
                .get()));
        QCOMPARE(lines(out.str()).first(), card_ + QStringLiteral("/B"));
        QCOMPARE(filesBelow(jpgDest_), QStringList{QStringLiteral("JPG/2016/07/21/IMG_2.JPG")});
    }

    // A drop that carries no local path does nothing.
    void dropWithoutPath() {
        std::ostringstream out;
        ViewController vc(out);
        const QString before = vc.lblInfo->text();
        QMimeData text;
        text.setText(card_);
        QVERIFY(!vc.imgView->performDragOperation(&text));
        QVERIFY(!vc.imgView->performDragOperation(urlData({}).get()));
        QVERIFY(!vc.imgView->performDragOperation(
            urlData({QUrl(QStringLiteral("https://example.org/card"))}).get()));
        QVERIFY(!vc.imgView->performDragOperation(nullptr));
        QCOMPARE(out.str(), std::string());
        QCOMPARE(vc.lblInfo->text(), before);
        QVERIFY(vc.optionsBox->isVisibleTo(&vc));
    }

    // The start button imports Users/harl/SD below the current folder, as a new run each
    // time: the second finds the files already there and says so.
    void startButtonImportsTheFixedFolder() {
        writeFile(root_ + QStringLiteral("/Users/harl/SD/DCIM/IMG_0003.JPG"), "jpg", kShotTime);
        std::ostringstream out;
        ViewController vc(out);
        vc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vc));
        auto* button = child<QPushButton>(vc, "btnClick");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(lines(out.str()).mid(0, 2),
                 (QStringList{
                     QStringLiteral("Users/harl/SD/"),
                     QStringLiteral("Ende: 1 Dateien gefunden und in Datei-Array geschrieben.")}));
        QCOMPARE(vc.lblInfo->text(), QStringLiteral("copying of 1 files finished."));
        QCOMPARE(filesBelow(jpgDest_), QStringList{QStringLiteral("JPG/2016/07/21/IMG_0003.JPG")});

        out.str(std::string());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(lines(out.str()).first(), QStringLiteral("Users/harl/SD/"));
        QCOMPARE(vc.lblInfo->text(), QStringLiteral("copying of 1 files finished. 1 not copied."));
        auto* detail = child<QLabel>(vc, "lblDetail");
        QVERIFY(detail->isVisible());
        QVERIFY(detail->text().contains(QStringLiteral("never replaced")));
    }

    void badInput_data() {
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("jpgDestination");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("detail");
        QTest::newRow("a file instead of a folder") << "CARD 1/DCIM/IMG_0004.JPG"
                                                    << "Photos"
                                                    << "copying of 0 files finished. 1 not copied."
                                                    << "is a file";
        QTest::newRow("a folder that is gone") << "CARD 2"
                                               << "Photos"
                                               << "copying of 0 files finished. 1 not copied."
                                               << "is not there";
        QTest::newRow("a destination that is a file")
            << "CARD 1"
            << "CARD 1/DCIM/IMG_0004.JPG"
            << "copying of 1 files finished. 1 not copied."
            << "is not a folder";
        QTest::newRow("no destination chosen") << "CARD 1"
                                               << "<nil>"
                                               << "copying of 1 files finished. 1 not copied."
                                               << "No destination folder is chosen for JPG files.";
    }

    // Bad input ends with a clear status and leaves the window usable.
    void badInput() {
        QFETCH(QString, dropped);
        QFETCH(QString, jpgDestination);
        QFETCH(QString, status);
        QFETCH(QString, detail);
        writeFile(card_ + QStringLiteral("/DCIM/IMG_0004.JPG"), "jpg", kShotTime);
        resetPreferences(
            {{QStringLiteral("kestrelImportPath"), jpgDestination == QStringLiteral("<nil>")
                                                       ? QStringLiteral("<nil>")
                                                       : root_ + u'/' + jpgDestination},
             {QStringLiteral("kestrelImportPathRAW"), rawDest_},
             {QStringLiteral("kestrelModDate"), QStringLiteral("1")}});
        std::ostringstream out;
        ViewController vc(out);
        vc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vc));
        QVERIFY(vc.imgView->performDragOperation(pathData(root_ + u'/' + dropped).get()));
        QCOMPARE(vc.lblInfo->text(), status);
        auto* detailLabel = child<QLabel>(vc, "lblDetail");
        QVERIFY(detailLabel->isVisible());
        QVERIFY2(detailLabel->text().contains(detail), qPrintable(detailLabel->text()));
        QVERIFY(vc.optionsBox->isVisible());
        QCOMPARE(lines(out.str()).first(), root_ + u'/' + dropped);
        QCOMPARE(filesBelow(card_), QStringList{QStringLiteral("DCIM/IMG_0004.JPG")});
        QVERIFY(!QFileInfo::exists(root_ + QStringLiteral("/<nil>")));
    }

    // The status operations on their own: the count, empty texts and the bar.
    void statusOperations() {
        std::ostringstream out;
        ViewController vc(out);
        vc.sayFinished(kestrel::RunSummary{});
        QCOMPARE(vc.lblInfo->text(), QStringLiteral("copying of 0 files finished."));
        vc.setBar(5);
        vc.setBar(2);
        QVERIFY(!vc.optionsBox->isVisibleTo(&vc));
        QCOMPARE(vc.lblInfo->text(), QStringLiteral("..."));
        vc.setBarInc(std::string());
        QCOMPARE(vc.lblInfo->text(), QString());
        vc.stopBar();
        QCOMPARE(vc.lblInfo->text(), QString());
        QVERIFY(!vc.optionsBox->isVisibleTo(&vc));
        QCOMPARE(vc.pgSpin->value(), 1);
        vc.setBarInc("x <b>y</b>.jpg");
        QCOMPARE(vc.lblInfo->textFormat(), Qt::PlainText);
        kestrel::RunSummary summary;
        summary.matched = 2;
        summary.notCopied = 1;
        vc.sayFinished(summary);
        QCOMPARE(vc.lblInfo->text(), QStringLiteral("copying of 2 files finished. 1 not copied."));
        QVERIFY(vc.optionsBox->isVisibleTo(&vc));
        QVERIFY(!vc.pgSpin->isVisibleTo(&vc));
        QCOMPARE(out.str(), std::string());
    }

    // Controls that are gone do not stop the window from working.
    void missingOutletsDoNotCrash() {
        writeFile(card_ + QStringLiteral("/IMG_0005.JPG"), "jpg", kShotTime);
        std::ostringstream out;
        ViewController vc(out);
        vc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vc));
        delete vc.lblInfo.data();
        delete vc.pgSpin.data();
        delete vc.optionsBox.data(); // and with it every checkbox and both path controls
        QVERIFY(!vc.chkJPG && !vc.destinationPath);
        QVERIFY(vc.runImport(card_.toStdString()));
        vc.restoreCHKState();
        vc.chkJPGChecked();
        vc.chkRAWChecked();
        vc.chkModDatePressed();
        vc.setChkJPGEnabled(false);
        vc.setChkRAWEnabled(false);
        vc.destPathSelected(vc.destinationPath);
        QCOMPARE(filesBelow(jpgDest_), QStringList{QStringLiteral("JPG/2016/07/21/IMG_0005.JPG")});
    }

  private:
    std::optional<QTemporaryDir> dir_;
    QString root_;
    QString card_;
    QString jpgDest_;
    QString rawDest_;
};

KESTREL_UI_TEST_MAIN(ImportTest)

#include "tst_window_import.moc"
