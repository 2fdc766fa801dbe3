#include "window/ViewController.h"

#include "base/ShownText.h"

#include "devices/CardEjector.h"
#include "devices/CardList.h"
#include "devices/CardWatcher.h"
#include "devices/DeviceHold.h"
#include "devices/DeviceWatcher.h"
#include "run/CopyHandler.h"
#include "run/Preferences.h"
#include "ui_ViewController.h"
#include "window/BrowseWindows.h"
#include "window/DestinationChoice.h"
#include "window/EjectOffer.h"
#include "window/ImportCheck.h"
#include "window/JobOption.h"
#include "window/OptionsPanel.h"
#include "window/PathControl.h"
#include "window/ReleaseOffer.h"
#include "window/ReportModel.h"
#include "window/ReportView.h"
#include "window/StatusPanel.h"
#include "window/imgViewDragger.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QShortcut>

#include <ostream>

namespace kestrel {

namespace {
// What the start button imports, below the current folder.
constexpr char kStartButtonSource[] = "Users/harl/SD";

// What to do about a camera or phone that another program holds, when that kept a run from it.
QStringList heldDevice(const RunSummary& summary) {
    bool held = false;
    if (summary.fromDevice)
        for (const FileResult& result : summary.notCopiedNow)
            if (QString text = deviceProblemText(result.outcome.detail, &held); held)
                return {text};
    return {};
}
} // namespace

ViewController::ViewController(std::ostream& out, QWidget* parent)
    : QWidget(parent), uDefs(openPreferences()), ui_(std::make_unique<Ui::ViewController>()),
      target_(out), out_(out, outLock_) {
    ui_->setupUi(this);
    btnClick = ui_->btnClick;
    imgView = ui_->imgView;
    destinationPath = ui_->destinationPath;
    destinationPathRAW = ui_->destinationPathRAW;
    destinationPathBackup = ui_->destinationPathBackup;
    optionsBox = ui_->optionsBox;
    lblInfo = ui_->lblInfo;
    pgSpin = ui_->pgSpin;
    chkJPG = ui_->chkJPG;
    chkRAW = ui_->chkRAW;
    chkJPGYear = ui_->chkJPGYear;
    chkRAWYear = ui_->chkRAWYear;
    chkJPGMonth = ui_->chkJPGMonth;
    chkRAWMonth = ui_->chkRAWMonth;
    chkJPGDay = ui_->chkJPGDay;
    chkRAWDay = ui_->chkRAWDay;
    chkModDate = ui_->chkModDate;
    chkTakenDate = ui_->chkTakenDate;
    chkKeepBoth = ui_->chkKeepBoth;
    chkOtherFormats = ui_->chkOtherFormats;
    chkVerify = ui_->chkVerify;
    chkBackup = ui_->chkBackup;
    btnCancel = ui_->btnCancel;
    btnChooseFolder = ui_->btnChooseFolder;
    lblProgress = ui_->lblProgress;
    reportView = ui_->reportView;
    cardList = ui_->cardList;
    report = new ReportModel(this);
    reportView->setModel(report);
    chooseFolder = [this](const QString& title) {
        return QFileDialog::getExistingDirectory(this, title, QDir::homePath());
    };
    showProblem = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("kestrel"), text);
    };
    const auto running = [this] { return importing_; };
    options_ = new OptionsPanel(*uDefs,
                                {{chkJPG, keys::JPG},
                                 {chkRAW, keys::RAW},
                                 {chkJPGYear, keys::JPGYear},
                                 {chkJPGMonth, keys::JPGMonth},
                                 {chkJPGDay, keys::JPGDay},
                                 {chkRAWYear, keys::RAWYear},
                                 {chkRAWMonth, keys::RAWMonth},
                                 {chkRAWDay, keys::RAWDay},
                                 {chkModDate, keys::ModDate},
                                 {chkTakenDate, keys::TakenDate},
                                 {chkKeepBoth, keys::KeepBoth},
                                 {chkOtherFormats, keys::OtherFormats},
                                 {chkVerify, keys::Verify}},
                                destinationPath, destinationPathRAW, this);
    destinations_ = new DestinationChoice(*uDefs, out_,
                                          {.jpg = destinationPath,
                                           .raw = destinationPathRAW,
                                           .backup = destinationPathBackup,
                                           .backupBox = chkBackup},
                                          this);
    // Asked through chooseFolder as it is when the question comes: a test may replace it.
    destinations_->chooseFolder = [this](const QString& title) { return chooseFolder(title); };
    status_ = new StatusPanel({.window = this,
                               .info = lblInfo,
                               .bar = pgSpin,
                               .progress = lblProgress,
                               .detail = ui_->lblDetail,
                               .cancel = btnCancel,
                               .options = optionsBox,
                               .reportView = reportView},
                              report, running, this);
    eject_ = new EjectOffer(ui_->btnEject, cardList, running, this);
    browsers_ = new BrowseWindows(*uDefs, this);
    job_ = new JobOption(*uDefs, ui_->lblJob, this);

    imgView->setMainViewController(this);
    // Hiding the options or the progress bar during a run must not make the window jump.
    for (QWidget* steady :
         {static_cast<QWidget*>(ui_->optionsBox), static_cast<QWidget*>(ui_->pgSpin)}) {
        QSizePolicy policy = steady->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        steady->setSizePolicy(policy);
    }
    btnClick->setToolTip(tr("Imports the folder %1 below the current folder")
                             .arg(QString::fromLatin1(kStartButtonSource)));

    connectActions();
    viewDidLoad();
}

ViewController::~ViewController() {
    // A run still under way stops after the file in hand, and its log is written out whole,
    // before the window goes.
    if (run_) {
        stop_.request();
        run_->abandon();
        run_->wait();
    }
}

void ViewController::connectActions() {
    connect(options_, &OptionsPanel::stored, this, &ViewController::refreshBrowsers);
    connect(destinations_, &DestinationChoice::stored, this, &ViewController::refreshBrowsers);
    connect(destinations_, &DestinationChoice::problemsFound, status_, &StatusPanel::showProblems);
    connect(destinations_, &DestinationChoice::problemWithdrawn, status_,
            &StatusPanel::withdrawProblem);
    connect(btnClick, &QPushButton::clicked, this, &ViewController::btnClickPressed);
    connect(imgView, &imgViewDragger::folderDropped, this, &ViewController::importFolder);
    connect(btnChooseFolder, &QPushButton::clicked, this, &ViewController::importChosenFolder);
    connect(ui_->btnNames, &QPushButton::clicked, this, &ViewController::namesAndFolders);
    connect(btnCancel, &QPushButton::clicked, this, &ViewController::cancelImport);
    // Esc cancels a run from any of kestrel's windows.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &ViewController::cancelImport,
                            Qt::ApplicationShortcut);
    escape_->setEnabled(false);
    connect(cardList, &CardList::importRequested, this, &ViewController::importFolder);
    // File ▸ Import Folder… and Quit, in a menu bar of the window's own.
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(tr("&File"));
    file->addAction(tr("&Import Folder…"), QKeySequence::Open, this,
                    &ViewController::importChosenFolder);
    file->addAction(tr("&Browse Folder…"), QKeySequence(Qt::CTRL | Qt::Key_B), this,
                    &ViewController::browseChosenFolder);
    file->addAction(tr("&Verify Folder…"), this, &ViewController::verifyChosenFolder);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    layout()->setMenuBar(menus);
    cards_ = new CardWatcher(this);
    connect(cards_, &CardWatcher::cardsChanged, this, &ViewController::cardsChanged);
    connect(cardList, &CardList::browseRequested, this, &ViewController::browseFolder);
    connect(browsers_, &BrowseWindows::importRequested, this, &ViewController::importSelection);
    cardsChanged(cards_->cards());
    devices_ = new DeviceWatcher(detectDevices, this);
    connect(devices_, &DeviceWatcher::devicesChanged, cardList, &CardList::setDevices);
    connect(cardList, &CardList::deviceImportRequested, this, &ViewController::importDevice);
    connect(cardList, &CardList::deviceBrowseRequested, this, &ViewController::browseDevice);
    cardList->setDevices(devices_->devices());
    connect(eject_, &EjectOffer::ejected, status_, &StatusPanel::setText);
    connect(eject_, &EjectOffer::failed, status_, &StatusPanel::appendProblem);
    releaseOffer_ = new ReleaseOffer(ui_->btnRelease, ui_->lblDetail, this);
    connect(cardList, &CardList::deviceReleaseRequested, releaseOffer_, &ReleaseOffer::release);
    connect(releaseOffer_, &ReleaseOffer::importRequested, this, &ViewController::importDevice);
    setUpEject(new CardEjector);
    watchPreferences();
}

void ViewController::viewDidLoad() {
    destinations_->showStored();
    restoreCHKState();
    job_->refresh();
    status_->showIdle();
}

void ViewController::btnClickPressed() {
    runImport(kStartButtonSource);
}

bool ViewController::runImport(const std::string& source,
                               const std::unordered_set<std::string>* only, bool device) {
    if (importing_)
        return false;
    if (const std::string problem = preferencesProblem(*uDefs); !problem.empty()) {
        showProblem(tr("The preferences file cannot be read: %1").arg(shownText(problem)));
        return true;
    }
    if (!destinations_->chooseMissing()) {
        status_->showProblems(importProblems(QFile::decodeName(source.c_str()), *uDefs, !device));
        return true;
    }
    beginRun();
    status_->clearWarnings();
    const QStringList problems = importProblems(QFile::decodeName(source.c_str()), *uDefs, !device);
    auto summary = std::make_shared<RunSummary>();
    std::optional<std::unordered_set<std::string>> chosen;
    if (only)
        chosen = *only;
    // The thread reads nothing of the window but the stop request and copies of the rest.
    startRun(
        [this, source, chosen, device, summary, hooks = copyHooks](StatusSink& sink,
                                                                   std::ostream& log) {
            CopyHandler handler(sink, log);
            handler.stop = &stop_;
            handler.only = chosen ? &*chosen : nullptr;
            handler.hooks = hooks;
            if (device) {
                // Not while the device watcher has it open.
                const DeviceHold hold;
                handler.importDevice(source);
            } else {
                handler.prepareProcessing(source);
            }
            *summary = handler.summary();
        },
        [this, problems, summary] {
            status_->showProblems(problems + status_->warnings() + heldDevice(*summary));
            releaseOffer_->offer(summary->deviceHeld() ? QString::fromStdString(summary->source)
                                                       : QString());
            // Its row shows whether another program still holds it.
            if (summary->fromDevice)
                devices_->look();
            status_->showVerdict(*summary);
            eject_->offer(*summary);
            // The grids of a selection's folder mark what the import did.
            if (summary->selection)
                browsers_->refreshRoot(QFile::decodeName(summary->source.c_str()));
            emit importFinished(*summary);
        });
    return true;
}

void ViewController::startRun(RunThread::Work work, std::function<void()> done) {
    afterRun_ = std::move(done);
    run_ = std::make_unique<RunThread>(*this, target_, outLock_, std::move(work));
    // Queued: it comes after every status call the run made.
    connect(run_.get(), &QThread::finished, this, [this] {
        run_.reset();
        endRun();
        std::exchange(afterRun_, nullptr)();
        if (closeWhenDone_)
            close();
        emit runFinished();
    });
    run_->start();
}

void ViewController::beginRun() {
    importing_ = true;
    stop_.reset();
    if (imgView)
        imgView->setAcceptDrops(false);
    escape_->setEnabled(true);
    eject_->refresh();
}

void ViewController::endRun() {
    escape_->setEnabled(false);
    if (imgView)
        imgView->setAcceptDrops(true);
    importing_ = false;
    eject_->refresh();
}

} // namespace kestrel
