#include "window/ViewController.h"

#include "browse/BrowseWindow.h"
#include "devices/CardEjector.h"
#include "devices/CardList.h"
#include "devices/CardWatcher.h"
#include "devices/DeviceHold.h"
#include "devices/DeviceWatcher.h"
#include "run/CopyHandler.h"
#include "run/DestinationCheck.h"
#include "run/ImportOptions.h"
#include "run/Preferences.h"
#include "ui_ViewController.h"
#include "window/ImportCheck.h"
#include "window/PathControl.h"
#include "window/ReportModel.h"
#include "window/ReportView.h"
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
    lblDetail_ = ui_->lblDetail;
    report = new ReportModel(this);
    reportView->setModel(report);
    chooseFolder = [this](const QString& title) {
        return QFileDialog::getExistingDirectory(this, title, QDir::homePath());
    };
    showProblem = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("kestrel"), text);
    };

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
    const std::pair<QCheckBox*, void (ViewController::*)()> boxes[] = {
        {chkJPG, &ViewController::chkJPGChecked},
        {chkRAW, &ViewController::chkRAWChecked},
        {chkJPGYear, &ViewController::chkJPGYearChecked},
        {chkJPGMonth, &ViewController::chkJPGMonthChecked},
        {chkJPGDay, &ViewController::chkJPGDayChecked},
        {chkRAWYear, &ViewController::chkRAWYearChecked},
        {chkRAWMonth, &ViewController::chkRAWMonthChecked},
        {chkRAWDay, &ViewController::chkRAWDayChecked},
        {chkModDate, &ViewController::chkModDatePressed},
        {chkTakenDate, &ViewController::chkTakenDatePressed},
        {chkKeepBoth, &ViewController::chkKeepBothPressed},
        {chkOtherFormats, &ViewController::chkOtherFormatsPressed},
        {chkVerify, &ViewController::chkVerifyPressed},
        {chkBackup, &ViewController::chkBackupPressed},
    };
    // clicked, not toggled: setting a state from the preferences must not store it again.
    for (const auto& [box, action] : boxes)
        connect(box, &QCheckBox::clicked, this, action);
    connect(destinationPath, &PathControl::action, this, &ViewController::destPathSelected);
    connect(destinationPathRAW, &PathControl::action, this, &ViewController::destPathRAWSelected);
    connect(destinationPathBackup, &PathControl::action, this,
            &ViewController::destPathBackupSelected);
    connect(btnClick, &QPushButton::clicked, this, &ViewController::btnClickPressed);
    connect(imgView, &imgViewDragger::folderDropped, this, &ViewController::importFolder);
    connect(btnChooseFolder, &QPushButton::clicked, this, &ViewController::importChosenFolder);
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
    cardsChanged(cards_->cards());
    devices_ = new DeviceWatcher(detectDevices, this);
    connect(devices_, &DeviceWatcher::devicesChanged, cardList, &CardList::setDevices);
    connect(cardList, &CardList::deviceImportRequested, this, &ViewController::importDevice);
    connect(cardList, &CardList::deviceBrowseRequested, this, &ViewController::browseDevice);
    cardList->setDevices(devices_->devices());
    setUpEject(new CardEjector);
    watchPreferences();
}

std::string ViewController::getUserDefAsString(const char* key) const {
    return kestrel::getUserDefAsString(*uDefs, key);
}

void ViewController::viewDidLoad() {
    showStoredFolder(destinationPath, keys::ImportPath);
    showStoredFolder(destinationPathRAW, keys::ImportPathRAW);
    showStoredBackup();
    restoreCHKState();
    for (QWidget* idle :
         std::initializer_list<QWidget*>{pgSpin, btnCancel, reportView, lblProgress})
        if (idle)
            idle->hide();
    if (lblDetail_)
        lblDetail_->hide();
}

void ViewController::showStoredFolder(PathControl* control, const char* key) {
    // An absent key shows as the folder "<nil>" below the current folder, which is
    // where an import would put that group's files.
    if (control)
        control->setPath(QString::fromStdString(getUserDefAsString(key)));
}

void ViewController::destPathSelected(PathControl* sender) {
    storeFolder(sender, keys::ImportPath);
}

void ViewController::destPathRAWSelected(PathControl* sender) {
    storeFolder(sender, keys::ImportPathRAW);
}

void ViewController::storeFolder(PathControl* sender, const char* key) {
    if (sender == nullptr)
        return;
    const std::optional<QString> clicked = sender->clickedPath();
    if (!clicked)
        return;
    const std::string path = QFile::encodeName(*clicked).toStdString();
    // A group's destination in the backup folder would count one copy twice: not kept.
    ImportOptions options = readImportOptions(*uDefs);
    (key == keys::ImportPath ? options.jpgRoot : options.rawRoot) = path;
    const std::string conflict =
        key == keys::BackupPath ? std::string() : backupConflict(options.backupRoot, options);
    if (conflict.empty()) {
        storeString(*uDefs, key, path);
        out_ << path << std::endl;
    } else {
        showProblems({tr(conflict.c_str())});
    }
    // Show what the next import will use, never a folder other than the stored one.
    showStoredFolder(sender, key);
    refreshBrowsers();
}

void ViewController::btnClickPressed() {
    runImport(kStartButtonSource);
}

bool ViewController::runImport(const std::string& source,
                               const std::unordered_set<std::string>* only, bool device) {
    if (importing_)
        return false;
    if (const std::string problem = preferencesProblem(*uDefs); !problem.empty()) {
        showProblem(
            tr("The preferences file cannot be read: %1").arg(QString::fromStdString(problem)));
        return true;
    }
    if (!destinationsChosen()) {
        showProblems(importProblems(QFile::decodeName(source.c_str()), *uDefs, !device));
        return true;
    }
    beginRun();
    warnings_.clear();
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
            showProblems(problems + warnings_ + heldDevice(*summary));
            // Its row shows whether another program still holds it.
            if (summary->fromDevice)
                devices_->look();
            showVerdict(*summary);
            offerEject(*summary);
            // The grids of a selection's folder mark what the import did.
            if (summary->selection)
                for (const QPointer<BrowseWindow>& open : std::as_const(browsers_))
                    if (open && open->root() == QFile::decodeName(summary->source.c_str()))
                        open->refresh(readImportOptions(*uDefs));
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
    showEjectOffer();
}

void ViewController::endRun() {
    escape_->setEnabled(false);
    if (imgView)
        imgView->setAcceptDrops(true);
    importing_ = false;
    showEjectOffer();
}

void ViewController::showProblems(const QStringList& problems) {
    if (!lblDetail_)
        return;
    lblDetail_->setText(problems.join(u'\n'));
    lblDetail_->setVisible(!problems.isEmpty());
}

} // namespace kestrel
