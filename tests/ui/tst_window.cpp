// The window: its options and what each click stores, its destinations, and imports
// started from the drop well, with the status line painted as the run goes.
#include "UiTestSupport.h"

#include "devices/CardList.h"
#include "run/Preferences.h"
#include "window/PathControl.h"
#include "window/ReportModel.h"
#include "window/ReportView.h"
#include "window/ViewController.h"
#include "window/imgViewDragger.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QUrl>

#include <future>
#include <sstream>

using kestrel::imgViewDragger;
using kestrel::openPreferences;
using kestrel::ReportModel;
using kestrel::storeString;
using kestrel::ViewController;
using namespace kestrel::test;
using Prefs = QMap<QString, QString>;
using namespace Qt::StringLiterals;

namespace {

const char* const kBoxes[] = {"chkJPG",     "chkRAW",      "chkJPGYear", "chkJPGMonth", "chkJPGDay",
                              "chkRAWYear", "chkRAWMonth", "chkRAWDay",  "chkModDate"};

Prefs startupDefaults() {
    Prefs prefs;
    for (const char* box : kBoxes)
        prefs.insert(QStringLiteral("kestrel") + QString::fromLatin1(box + 3), QStringLiteral("1"));
    prefs[QStringLiteral("kestrelModDate")] = QStringLiteral("0");
    return prefs;
}

// "J R": whether the JPG side's and the RAW side's date boxes are enabled.
QString dateEnabling(const ViewController& vc) {
    return QString::number(vc.chkJPGYear->isEnabled() + vc.chkJPGMonth->isEnabled() +
                           vc.chkJPGDay->isEnabled()) +
           u' ' +
           QString::number(vc.chkRAWYear->isEnabled() + vc.chkRAWMonth->isEnabled() +
                           vc.chkRAWDay->isEnabled());
}

std::unique_ptr<QMimeData> dropOf(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

// Records the status line's text each time it is painted, and runs `during` in the first
// paint while a file is being copied.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QLabel* label) : label_(label) { label->installEventFilter(this); }
    QStringList texts;
    std::function<void()> during;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != label_->text())) {
            texts.append(label_->text());
            if (during && label_->text().contains(u'('))
                std::exchange(during, nullptr)();
        }
        return false;
    }

  private:
    QLabel* label_;
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString card_, dest_;

  private slots:
    void init() {
        card_ = dir_.filePath(QStringLiteral("CARD 1"));
        dest_ = dir_.filePath(QStringLiteral("Photos"));
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dest_));
        resetPreferences();
    }

    void startupWritesOnlyTheAbsentDefaults() {
        {
            std::ostringstream out;
            ViewController vc(out);
            QCOMPARE(preferencesOnDisk(), startupDefaults());
            QCOMPARE(dateEnabling(vc), QStringLiteral("3 3"));
            QCOMPARE(vc.destinationPath->path(), QDir::current().absoluteFilePath(u"<nil>"_s));
            QVERIFY(vc.minimumSizeHint().width() <= 800 && vc.minimumSizeHint().height() <= 520);
        }
        Prefs stored = {{QStringLiteral("kestrelJPGDay"), QStringLiteral("0")},
                        {QStringLiteral("kestrelRAW"), QStringLiteral("x")}};
        resetPreferences(stored);
        std::ostringstream out;
        ViewController vc(out);
        Prefs expected = startupDefaults();
        expected.insert(stored);
        QCOMPARE(preferencesOnDisk(), expected);
        QCOMPARE(vc.chkJPGDay->checkState(), Qt::Unchecked);
        QCOMPARE(vc.chkRAW->checkState(), Qt::Unchecked);
        QCOMPARE(out.str(), std::string());
    }

    // Each click stores exactly its own key, and the groups enable their date boxes.
    void clicksStoreTheirKeyAndEnable() {
        const std::tuple<const char*, const char*, const char*, const char*> enabling[] = {
            // stored JPG, RAW; clicked; date boxes enabled after the click
            {"1", "0", "chkJPG", "0 3"},     {"1", "1", "chkJPG", "3 3"},
            {"0", "0", "chkRAW", "3 3"},     {"0", "0", "chkJPG", "3 0"},
            {"0", "1", "chkRAW", "0 0"},     {"1", "1", "chkRAW", "3 3"},
            {"0", "1", "chkRAWYear", "3 3"}, {"0", "0", "chkModDate", "0 0"},
        };
        for (const auto& [jpg, raw, clicked, after] : enabling) {
            Prefs prefs = startupDefaults();
            prefs[QStringLiteral("kestrelJPG")] = QString::fromLatin1(jpg);
            prefs[QStringLiteral("kestrelRAW")] = QString::fromLatin1(raw);
            resetPreferences(prefs);
            std::ostringstream out;
            ViewController vc(out);
            child<QCheckBox>(vc, clicked)->click();
            QCOMPARE(dateEnabling(vc), QString::fromLatin1(after));
            const QString key = QStringLiteral("kestrel") + QString::fromLatin1(clicked + 3);
            prefs[key] =
                prefs[key] == QStringLiteral("1") ? QStringLiteral("0") : QStringLiteral("1");
            QCOMPARE(preferencesOnDisk(), prefs);
        }
    }

    // A click on a folder of the path stores and prints it, decoded.
    void destinationsAreStoredAndPrinted() {
        const QString jpg = dir_.filePath(QStringLiteral("Mes photos/Été 2016"));
        QVERIFY(QDir().mkpath(jpg));
        resetPreferences({{QStringLiteral("kestrelImportPath"), jpg}});
        std::ostringstream out;
        ViewController vc(out);
        const int parent = static_cast<int>(vc.destinationPath->componentPaths().size()) - 2;
        QVERIFY(vc.minimumSizeHint().width() <= 800);
        vc.destinationPath->clickComponent(parent);
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelImportPath")),
                 dir_.filePath(QStringLiteral("Mes photos")));
        vc.destinationPathRAW->selectFolder(jpg + u'/');
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelImportPathRAW")), jpg);
        QCOMPARE(QString::fromStdString(out.str()),
                 dir_.filePath(u"Mes photos"_s) + u'\n' + jpg + u'\n');
    }

    // A card dropped on the well is imported; each file's status is painted while it is
    // copied, and a drop during the run is refused.
    void droppedCardIsImported() {
        // Many small files: each name must be painted, not only one a frame.
        QStringList painted{u"..."_s};
        for (int i = 1; i <= 40; ++i) {
            const QString name = QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QChar(u'0'));
            writePhoto(card_ + QStringLiteral("/DCIM/") + name, "jpg");
            painted.append(QStringLiteral("%1 of 41 (%2)").arg(i).arg(name));
        }
        writePhoto(card_ + QStringLiteral("/DCIM/Z.CR2"), "raw");
        painted << u"41 of 41 (Z.CR2)"_s << u"copying of 41 files finished."_s;
        resetPreferences({{QStringLiteral("kestrelImportPath"), dest_},
                          {QStringLiteral("kestrelImportPathRAW"), dest_},
                          {QStringLiteral("kestrelModDate"), QStringLiteral("1")}});
        std::ostringstream out;
        ViewController vc(out);
        vc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vc));
        PaintRecorder recorder(vc.lblInfo);
        bool nested = true, optionsShown = true;
        recorder.during = [&] {
            nested = vc.imgView->performDragOperation(dropOf({QUrl::fromLocalFile(card_)}).get());
            optionsShown = vc.optionsBox->isVisible();
        };
        const QPoint centre = vc.imgView->rect().center();
        const auto files = dropOf(
            {QUrl(QStringLiteral("https://example.org/x")), QUrl::fromLocalFile(card_ + u'/')});
        QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, files.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(vc.imgView, &enter);
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(centre), Qt::CopyAction, files.get(), Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(vc.imgView, &drop);
        QVERIFY(drop.isAccepted() && runEnds(vc));
        QVERIFY(!nested);
        QVERIFY(!optionsShown);
        QCOMPARE(recorder.texts, painted);
        QVERIFY(vc.optionsBox->isVisible());
        QVERIFY(QString::fromStdString(out.str()).startsWith(card_ + u'\n' + card_ + u"/\n"_s));
        QCOMPARE(filesBelow(dest_.toStdString()).size(), 41);
        QVERIFY(QFile::exists(dest_ + QStringLiteral("/RAW/2016/07/21/Z.CR2")));
    }

    void whatTheWellAccepts() {
        const QList<QUrl> folder{QUrl::fromLocalFile(QStringLiteral("/media/card"))};
        const std::tuple<QList<QUrl>, Qt::DropActions, Qt::DropAction> cases[] = {
            {folder, Qt::CopyAction | Qt::MoveAction, Qt::CopyAction},
            {folder, Qt::MoveAction, Qt::IgnoreAction},
            {{}, Qt::CopyAction, Qt::IgnoreAction},
            {{QUrl(QStringLiteral("https://example.org/a.jpg"))}, Qt::CopyAction, Qt::IgnoreAction},
        };
        for (const auto& [urls, offered, decision] : cases)
            QCOMPARE(imgViewDragger::draggingEntered(dropOf(urls).get(), offered), decision);
        std::ostringstream out;
        ViewController vc(out);
        QVERIFY(!vc.imgView->performDragOperation(dropOf({}).get()));
        QVERIFY(!vc.imgView->performDragOperation(nullptr));
        QCOMPARE(out.str(), std::string());
    }

    // Bad input ends with a clear status, changes nothing and leaves the window usable.
    void badInput() {
        writePhoto(card_ + QStringLiteral("/DCIM/IMG_0004.JPG"), "jpg");
        const std::tuple<const char*, const char*, const char*> cases[] = {
            {"CARD 1/DCIM/IMG_0004.JPG", "Photos", "is a file"},
            {"CARD 2", "Photos", "is not there"},
            {"CARD 1", "CARD 1/DCIM/IMG_0004.JPG", "is not a folder"},
            {"CARD 1", "", "No destination folder is chosen for JPG files."},
        };
        for (const auto& [dropped, destination, detail] : cases) {
            Prefs prefs{{QStringLiteral("kestrelImportPathRAW"), dest_},
                        {QStringLiteral("kestrelModDate"), QStringLiteral("1")}};
            if (*destination)
                prefs[QStringLiteral("kestrelImportPath")] =
                    dir_.filePath(QString::fromUtf8(destination));
            resetPreferences(prefs);
            std::ostringstream out;
            ViewController vc(out);
            vc.chooseFolder = [](const QString&) { return QString(); }; // cancelled
            vc.show();
            QVERIFY(vc.imgView->performDragOperation(
                        dropOf({QUrl::fromLocalFile(dir_.filePath(QString::fromUtf8(dropped)))})
                            .get()) &&
                    runEnds(vc));
            const auto* shown = child<QLabel>(vc, "lblDetail");
            QVERIFY2(shown->isVisible() && shown->text().contains(QLatin1String(detail)),
                     qPrintable(shown->text()));
            QVERIFY(vc.optionsBox->isVisible());
            QVERIFY(filesBelow(card_.toStdString()) ==
                    std::vector<std::string>{"DCIM/IMG_0004.JPG"});
            QVERIFY(!QFileInfo::exists(QStringLiteral("<nil>")));
        }
    }

    // After a run the window says whether the card may be formatted, and lists by reason
    // what is not copied; the options added later are never written unless clicked.
    void verdictReportAndNewOptions() {
        writePhoto(card_ + QStringLiteral("/A.JPG"), "a");
        writePhoto(card_ + QStringLiteral("/B.JPG"), "b");
        writePhoto(dest_ + QStringLiteral("/JPG/2016/07/21/B.JPG"), "another photo");
        resetPreferences({{QStringLiteral("kestrelImportPath"), dest_},
                          {QStringLiteral("kestrelRAW"), QStringLiteral("0")},
                          {QStringLiteral("kestrelModDate"), QStringLiteral("1")}});
        std::ostringstream out;
        ViewController vc(out);
        QVERIFY(!preferencesOnDisk().contains(u"kestrelKeepBoth"_s));
        QVERIFY(!preferencesOnDisk().contains(u"kestrelTakenDate"_s));
        QVERIFY(!preferencesOnDisk().contains(u"kestrelVerify"_s));
        QVERIFY(!preferencesOnDisk().contains(u"kestrelBackupPath"_s));
        QVERIFY(vc.chkVerify->isChecked() && !vc.chkBackup->isChecked());
        QVERIFY(vc.runImport(card_.toStdString()) && runEnds(vc));
        const auto* verdict = child<QLabel>(vc, "lblDetail");
        QVERIFY(verdict->text().startsWith(
            u"Do not format the card yet: 1 file is only on the card. The list below says why."_s));
        const QModelIndex group = vc.report->index(0, 0);
        QCOMPARE(group.data().toString(), u"a different file has this name (1)"_s);
        QCOMPARE(vc.report->index(0, ReportModel::FileColumn, group).data().toString(), u"B.JPG"_s);
        QCOMPARE(vc.report->index(0, ReportModel::SourceColumn, group).data().toString(),
                 card_ + u"/B.JPG"_s);
        QVERIFY(vc.reportView->isVisibleTo(&vc) && vc.reportView->isExpanded(group));

        vc.chkKeepBoth->click();
        QCOMPARE(preferencesOnDisk().value(u"kestrelKeepBoth"_s), u"1"_s);
        vc.chkTakenDate->click();
        QCOMPARE(preferencesOnDisk().value(u"kestrelTakenDate"_s), u"1"_s);
        vc.chkVerify->click();
        QCOMPARE(preferencesOnDisk().value(u"kestrelVerify"_s), u"0"_s);
        QVERIFY(vc.runImport(card_.toStdString()) && runEnds(vc));
        QVERIFY(verdict->text().startsWith(u"The card may be formatted: every photo and clip is "
                                           u"copied (not read back) to its destination."_s));
        QVERIFY(QFile::exists(dest_ + u"/JPG/2016/07/21/B-1.JPG"_s));
    }

    // The backup is chosen, shown and switched off; Verify Folder shows what changed at a
    // recorded folder.
    void backupAndVerifyFolder() {
        std::ostringstream out;
        ViewController vc(out);
        QVERIFY(vc.destinationPathBackup->path().isEmpty());
        vc.destinationPathBackup->selectFolder(dest_);
        QCOMPARE(preferencesOnDisk().value(u"kestrelBackupPath"_s), dest_);
        QVERIFY(vc.chkBackup->isChecked());
        vc.chkBackup->click();
        QCOMPARE(preferencesOnDisk().value(u"kestrelBackupPath"_s, u"absent"_s), QString());
        QVERIFY(vc.destinationPathBackup->path().isEmpty() && !vc.chkBackup->isChecked());
        vc.chooseFolder = [this](const QString&) { return dest_; };
        vc.chkBackup->click();
        QCOMPARE(vc.destinationPathBackup->path(), dest_);

        writePhoto(dest_ + u"/A.JPG"_s, "A.JPG");
        writePhoto(dest_ + u"/B.JPG"_s, "B.JPG");
        recordFiles(dest_.toStdString(), {"A.JPG", "B.JPG"});
        writePhoto(dest_ + u"/A.JPG"_s, "A.JPX");
        for (QAction* action : vc.findChildren<QAction*>())
            if (action->text() == u"&Verify Folder…"_s)
                action->trigger();
        QVERIFY(runEnds(vc));
        const QModelIndex group = vc.report->index(0, 0);
        QCOMPARE(group.data().toString(), u"changed since it was recorded (1)"_s);
        QCOMPARE(vc.report->index(0, 0, group).data().toString(), u"A.JPG"_s);
        QCOMPARE(
            child<QLabel>(vc, "lblDetail")->text(),
            u"1 file at %1 changed since it was recorded. The list below names them."_s.arg(dest_));
        QVERIFY(vc.optionsBox->isVisibleTo(&vc) && !vc.isImporting());
        // A folder without a record: nothing of the check before stays.
        QVERIFY(vc.runVerify(dir_.path().toStdString()) && runEnds(vc));
        QCOMPARE(child<QLabel>(vc, "lblInfo")->text(), u"Nothing was checked."_s);
        QVERIFY(child<QLabel>(vc, "lblDetail")->text().endsWith(u"nothing to check it against."_s));
        QCOMPARE(vc.report->rowCount(), 0);
    }

    // A backup that is a group's destination, even through a link, is refused and not kept;
    // the groups are taken as stored.
    void backupInADestinationIsRefused() {
        const QString raw = dir_.filePath(u"Raw"_s), link = dir_.filePath(u"link"_s);
        QVERIFY(QDir().mkpath(raw) && QFile::link(dest_, link));
        resetPreferences({{u"kestrelImportPath"_s, dest_},
                          {u"kestrelImportPathRAW"_s, raw},
                          {u"kestrelBackupPath"_s, dir_.path()}});
        std::ostringstream out;
        ViewController vc(out);
        const auto* shown = child<QLabel>(vc, "lblDetail");
        QString refusal = u"the backup folder is the destination of the JPG group: choose "
                          u"another folder"_s;
        vc.destinationPathBackup->selectFolder(link);
        QVERIFY(shown->isVisibleTo(&vc) && shown->text() == refusal);
        QCOMPARE(preferencesOnDisk().value(u"kestrelBackupPath"_s), dir_.path());
        QVERIFY(vc.destinationPathBackup->path() == dir_.path() && vc.chkBackup->isChecked());
        vc.chkBackup->click(); // off
        vc.chooseFolder = [&](const QString&) { return raw; };
        vc.chkBackup->click();
        QCOMPARE(shown->text(), refusal.replace(u"JPG"_s, u"RAW"_s));
        QCOMPARE(preferencesOnDisk().value(u"kestrelBackupPath"_s), QString());
        QVERIFY(vc.destinationPathBackup->path().isEmpty() && !vc.chkBackup->isChecked());
        vc.chkRAW->click(); // off: its folder may hold the backup
        vc.chkBackup->click();
        QCOMPARE(preferencesOnDisk().value(u"kestrelBackupPath"_s), raw);
        QVERIFY(!shown->isVisibleTo(&vc) && vc.chkBackup->isChecked());
        // Nor is a destination chosen in the backup folder.
        vc.destinationPath->selectFolder(raw);
        QCOMPARE(shown->text(), refusal.replace(u"RAW"_s, u"JPG"_s));
        QCOMPARE(preferencesOnDisk().value(u"kestrelImportPath"_s), dest_);
    }

    // Esc stops an import after the file in hand; a missing destination is asked for first;
    // preferences that cannot be read stop the import with a message.
    void cancelAskAndRefuse() {
        for (int i = 0; i < 5; ++i)
            writePhoto(card_ + QStringLiteral("/%1.JPG").arg(i), "x");
        resetPreferences({{QStringLiteral("kestrelRAW"), QStringLiteral("0")}});
        std::ostringstream out;
        ViewController vc(out);
        vc.chooseFolder = [this](const QString&) { return dest_; };
        vc.show();
        PaintRecorder recorder(vc.lblInfo);
        // The first copy waits for Esc: the next file is never begun.
        std::promise<void> cancelled;
        vc.copyHooks.whileCopying = [done = cancelled.get_future().share()](auto&) { done.wait(); };
        recorder.during = [&] {
            QTest::keyClick(vc.btnClick.data(), Qt::Key_Escape);
            cancelled.set_value();
        };
        QVERIFY(vc.runImport(card_.toStdString()) && runEnds(vc));
        QVERIFY(QString::fromStdString(out.str()).startsWith(dest_ + u'\n'));
        QCOMPARE(preferencesOnDisk().value(u"kestrelImportPath"_s), dest_);
        QCOMPARE(vc.lblInfo->text(), u"copying of 5 files stopped: 1 done, 4 left."_s);
        QCOMPARE(filesBelow(dest_.toStdString()).size(), 1);

        QString problem;
        vc.showProblem = [&](const QString& text) { problem = text; };
        QFile::remove(openPreferences()->fileName());
        QVERIFY(QDir().mkpath(openPreferences()->fileName()));
        QVERIFY(vc.runImport(card_.toStdString()));
        QVERIFY2(problem.contains(openPreferences()->fileName()), qPrintable(problem));
        QCOMPARE(filesBelow(dest_.toStdString()).size(), 1);
        QVERIFY(QDir(openPreferences()->fileName()).removeRecursively());
    }

    // Closed during an import, the window stops it after the file in hand and goes once it
    // has ended; destroyed meanwhile, it waits for the end. Meanwhile it answers a call posted
    // to it while the copy waits on another thread. The log is whole either way.
    void closingStopsTheImport() {
        for (int i = 0; i < 5; ++i)
            writePhoto(card_ + QStringLiteral("/%1.JPG").arg(i), "x");
        resetPreferences({{u"kestrelImportPath"_s, dest_}, {u"kestrelRAW"_s, u"0"_s}});
        std::string logs[2];
        for (const bool destroy : {false, true}) {
            QVERIFY(QDir(dest_).removeRecursively() && QDir().mkpath(dest_));
            std::ostringstream out;
            auto vc = std::make_unique<ViewController>(out);
            vc->show();
            std::promise<bool> answer; // whether the window was importing as it answered
            std::shared_future<bool> answered = answer.get_future().share();
            vc->copyHooks.whileCopying = [&, answered](auto&) {
                QMetaObject::invokeMethod(qApp, [&] {
                    vc->close();
                    answer.set_value(vc->isImporting());
                    if (destroy)
                        vc.reset();
                });
                answered.wait();
            };
            QSignalSpy gone(vc.get(), &QObject::destroyed);
            QVERIFY(vc->runImport(card_.toStdString()) &&
                    (destroy ? gone.wait(kestrel::test::kPatience) : runEnds(*vc)));
            QVERIFY(answered.get() && (destroy || !vc->isVisible()));
            QCOMPARE(filesBelow(dest_.toStdString()).size(), 1);
            logs[destroy] = out.str();
        }
        QVERIFY(!logs[0].empty() && logs[1] == logs[0]);
    }

    // A destination stored by another program shows in the window.
    void settingsChangedElsewhereAreShown() {
        std::ostringstream out;
        ViewController vc(out);
        storeString(*openPreferences(), "kestrelImportPath", dest_.toStdString());
        QTRY_COMPARE_WITH_TIMEOUT(vc.destinationPath->path(), dest_, kestrel::test::kPatience);
    }

    // Tab visits every control once, in the order they are seen, and each letter with Alt
    // reaches one control only: the path controls through their labels.
    void keyboardReachesEveryControl() {
        resetPreferences({{u"kestrelImportPath"_s, dest_}, {u"kestrelImportPathRAW"_s, dest_}});
        std::ostringstream out;
        ViewController vc(out);
        vc.cardList->setCards({{u"/media/ann/A"_s, u"A"_s}});
        vc.show();
        vc.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&vc));
        const QStringList order =
            u"browse import btnChooseFolder chkJPG chkJPGYear chkJPGMonth chkJPGDay %1 chkRAW "
            u"chkRAWYear "
            u"chkRAWMonth chkRAWDay %1 chkModDate chkTakenDate chkKeepBoth chkOtherFormats "
            u"btnNames "
            u"chkVerify "
            u"chkBackup pathChoose btnClick"_s
                .arg(u"pathMore pathComponent pathComponent pathComponent pathChoose"_s)
                .split(u' ');
        QStringList visited;
        const QWidget* start = QApplication::focusWidget();
        do {
            const QWidget* now = QApplication::focusWidget();
            const auto* button = qobject_cast<const QAbstractButton*>(now);
            visited << (now->objectName().isEmpty() && button ? button->text() : now->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != start && visited.size() <= order.size());
        QCOMPARE(visited, order);

        QStringList keys;
        for (const QAbstractButton* button : vc.findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->objectName().startsWith(u"path"_s) &&
                button->text() != u"Import"_s && button->text() != u"Browse"_s)
                keys << QKeySequence::mnemonic(button->text()).toString();
        for (const QLabel* label : vc.findChildren<QLabel*>())
            if (label->buddy())
                keys << QKeySequence::mnemonic(label->text()).toString();
        for (const QAction* menu : vc.findChild<QMenuBar*>()->actions())
            keys << QKeySequence::mnemonic(menu->text()).toString();
        keys.sort();
        QVERIFY2(!keys.contains(QString()) && keys.removeDuplicates() == 0,
                 qPrintable(keys.join(u' ')));
        QTest::keyClick(&vc, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->parent(), vc.destinationPathRAW.data());
    }

    // "kestrel CARD": the card is shown ready to import, and imported only on its button.
    void startedWithFolderWaitsForImport() {
        writePhoto(card_ + u"/DCIM/IMG_0006.JPG"_s, "jpg");
        resetPreferences({{u"kestrelImportPath"_s, dest_}, {u"kestrelImportPathRAW"_s, dest_}});
        std::ostringstream out;
        ViewController vc(out);
        vc.offerFolder(card_);
        vc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vc));
        QCOMPARE(vc.lblInfo->text(), u"Ready to import %1"_s.arg(card_));
        auto* importButton = qobject_cast<QPushButton*>(vc.focusWidget());
        QVERIFY(importButton && importButton->accessibleName() == u"Import %1"_s.arg(card_));
        QVERIFY(filesBelow(dest_.toStdString()).empty());
        QTest::keyClick(importButton, Qt::Key_Space);
        QVERIFY(runEnds(vc));
        QCOMPARE(filesBelow(dest_.toStdString()).size(), 1);
    }

    // Controls that are gone do not stop the window from working.
    void missingOutletsDoNotCrash() {
        writePhoto(card_ + QStringLiteral("/IMG_0005.JPG"), "jpg");
        resetPreferences({{QStringLiteral("kestrelImportPath"), dest_},
                          {QStringLiteral("kestrelImportPathRAW"), dest_}});
        std::ostringstream out;
        ViewController vc(out);
        delete vc.lblInfo.data();
        delete vc.pgSpin.data();
        delete vc.optionsBox.data();
        QVERIFY(vc.runImport(card_.toStdString()) && runEnds(vc));
        vc.restoreCHKState();
        QCOMPARE(filesBelow(dest_.toStdString()).size(), 1);
    }
};

KESTREL_UI_TEST_MAIN(WindowTest)
#include "tst_window.moc"
