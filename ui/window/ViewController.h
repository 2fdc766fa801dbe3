#pragma once

#include "copy/SafeCopy.h"
#include "devices/MountTable.h"
#include "run/StatusSink.h"
#include "run/StopRequest.h"
#include "window/RunThread.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>

class QCheckBox;
class QFileSystemWatcher;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSettings;
class QShortcut;

namespace Ui {
class ViewController;
}

namespace kestrel {

class BrowseWindow;
class BrowseWindows;
class CardEjector;
class CardList;
class CardWatcher;
class DestinationChoice;
class DeviceRelease;
class DeviceWatcher;
class EjectOffer;
class JobOption;
class OptionsPanel;
class PathControl;
class ReportModel;
class ReleaseOffer;
class ReportView;
class StatusPanel;
class imgViewDragger;

// The controller of kestrel's one window. It decides what is imported, browsed, checked or
// ejected, runs one import or check at a time, and wires the window's parts: the option
// checkboxes (OptionsPanel), the two destination folders and the backup one
// (DestinationChoice), the sources (the drop well, the cards and devices, a folder chooser,
// the start button), the status line, progress and report of a run (StatusPanel), the eject
// offer (EjectOffer), the grids (BrowseWindows) and a job's names and folders (JobOption).
// Every choice is stored in the preferences the moment it is made, and choices made
// elsewhere are shown.
class ViewController : public QWidget, public StatusSink {
    Q_OBJECT
  public:
    // Diagnostic lines (chosen folders, dropped paths, the import's log) go to out.
    explicit ViewController(std::ostream& out, QWidget* parent = nullptr);
    ~ViewController() override;

    // The stored string under key, or "<nil>".
    std::string getUserDefAsString(const char* key) const;

    // Brings the nine checkboxes and the date checkboxes' enabled state in line with the
    // preferences, writing the start-up default of every absent option first.
    void restoreCHKState();

    // Starts one import of source with a fresh CopyHandler on a thread of its own and
    // returns; importFinished says when it has ended. First asks for a destination that is
    // needed and not chosen. With only, imports just those files (full source paths); with
    // device, source is the port of a camera or phone. False, doing nothing, while another
    // import is running.
    bool runImport(const std::string& source, const std::unordered_set<std::string>* only = nullptr,
                   bool device = false);
    // True while an import or a check is under way.
    bool isImporting() const { return importing_; }

    // Starts a check of the folder root against its hash record on a thread of its own,
    // showing the progress in the status line and what it found in the verdict and the
    // report; runFinished says when it has ended. False, doing nothing, while an import or
    // another check is running.
    bool runVerify(const std::string& root);

    // Where diagnostic lines go.
    std::ostream& out() { return out_; }

    // Follows the cameras and phones plugged in, for the card list.
    DeviceWatcher* deviceWatcher() const { return devices_; }

    // Ejects cards through ejector, which the window takes over; the system's by default.
    void setUpEject(CardEjector* ejector);
    // Asks holders of cameras and phones to let go through release, which the window takes
    // over; the desktop's by default.
    void setUpRelease(DeviceRelease* release);

    // The status line (StatusSink), on the window's thread; a run's thread reaches these
    // through calls queued to it. Each change is painted before the call returns.
    void sayNothing() override;
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    void stopBar() override;
    void sayFinished(const RunSummary& summary) override;
    void setTotalBytes(std::int64_t bytes) override;
    void bytesDone(std::int64_t bytes) override;
    void sayWarning(const std::string& text) override;
    WhenShort spaceShort(const std::vector<std::string>& shortfalls) override;

    // Asks for a folder (title says what for); an empty string when cancelled. A folder
    // dialog unless a test puts something else here.
    std::function<QString(const QString& title)> chooseFolder;
    // Tells of a problem that stops an import before it starts. A message box by default.
    std::function<void(const QString& text)> showProblem;
    // Hooks into the copy of each file, given to every import's CopyHandler; called on the
    // import's thread.
    CopyHooks copyHooks;

    std::unique_ptr<QSettings> uDefs;
    // The match count of the last run, for the final message.
    std::int32_t filesToCopy = 0;

    // The window's controls; an outlet whose control is gone reads as null.
    QPointer<QPushButton> btnClick;
    QPointer<imgViewDragger> imgView;
    QPointer<PathControl> destinationPath;
    QPointer<PathControl> destinationPathRAW;
    QPointer<PathControl> destinationPathBackup;
    QPointer<QGroupBox> optionsBox;
    QPointer<QLabel> lblInfo;
    QPointer<QProgressBar> pgSpin;
    QPointer<QCheckBox> chkJPG;
    QPointer<QCheckBox> chkRAW;
    QPointer<QCheckBox> chkJPGYear;
    QPointer<QCheckBox> chkRAWYear;
    QPointer<QCheckBox> chkJPGMonth;
    QPointer<QCheckBox> chkRAWMonth;
    QPointer<QCheckBox> chkJPGDay;
    QPointer<QCheckBox> chkRAWDay;
    QPointer<QCheckBox> chkModDate;
    QPointer<QCheckBox> chkTakenDate;
    QPointer<QCheckBox> chkKeepBoth;
    QPointer<QCheckBox> chkOtherFormats;
    QPointer<QCheckBox> chkVerify;
    QPointer<QCheckBox> chkBackup;
    QPointer<QPushButton> btnCancel;
    QPointer<QPushButton> btnChooseFolder;
    QPointer<QLabel> lblProgress;
    QPointer<ReportView> reportView;
    QPointer<CardList> cardList;
    // The files of the last run that are not copied now, by reason.
    ReportModel* report = nullptr;

  signals:
    // An import has ended and the window shows its outcome.
    void importFinished(const kestrel::RunSummary& summary);
    // An import or a check has ended and the window shows its outcome.
    void runFinished();

  public slots:
    // Enables the JPG-side date checkboxes when flag is set or the RAW group is not off.
    void setChkJPGEnabled(bool flag);
    // Enables all six date checkboxes when flag is set or the JPG group is not off.
    void setChkRAWEnabled(bool flag);

    // Each stores its own checkbox as "1" (checked) or "0" (anything else).
    void chkJPGChecked();
    void chkRAWChecked();
    void chkJPGYearChecked();
    void chkJPGMonthChecked();
    void chkJPGDayChecked();
    void chkRAWYearChecked();
    void chkRAWMonthChecked();
    void chkRAWDayChecked();
    void chkModDatePressed();
    void chkTakenDatePressed();
    void chkKeepBothPressed();
    void chkOtherFormatsPressed();
    void chkVerifyPressed();
    // Switches the backup off, or on by asking for its folder.
    void chkBackupPressed();

    // Store the folder picked in sender and print it on one line.
    void destPathSelected(kestrel::PathControl* sender);
    void destPathRAWSelected(kestrel::PathControl* sender);
    void destPathBackupSelected(kestrel::PathControl* sender);

    // Imports the fixed folder "Users/harl/SD" below the current folder.
    void btnClickPressed();
    // Imports a folder that was dropped, chosen or found as a card, printing it first.
    void importFolder(const QString& path);
    // Asks for a folder and imports it.
    void importChosenFolder();
    // Imports the camera or phone at port, as its row in the card list asks.
    void importDevice(const QString& port);
    // Asks for a folder and checks it against its hash record.
    void verifyChosenFolder();
    // Opens the folder as a grid of its photos and clips, or raises the grid already open.
    BrowseWindow* browseFolder(const QString& path);
    // Opens the camera or phone at port as a grid, or raises the grid already open.
    BrowseWindow* browseDevice(const QString& port);
    // Asks for a folder and browses it.
    void browseChosenFolder();
    // Imports the chosen files of the folder root (with device, of the camera there), as a
    // grid asks.
    void importSelection(const QString& root, const QStringList& paths, bool device = false);
    // Unmounts and ejects the card the last import found safe.
    void ejectCard();
    // Shows folder in the card list and the status line, ready to import; imports nothing.
    void offerFolder(const QString& folder);
    // Stops the running import after the file in hand.
    void cancelImport();
    // Shows the destinations and options as the preferences file holds them now.
    void preferencesChanged();
    // Opens the sheet of a job's names and folders and the photographer's metadata.
    void namesAndFolders();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void viewDidLoad();
    void connectActions();
    void watchPreferences();
    void cardsChanged(const QList<Card>& cards);
    // Marks the open grids again when the options they were marked by have changed.
    void refreshBrowsers();
    // What every run does first and last: refuse drops and another run, take Esc as Cancel.
    void beginRun();
    void endRun();
    // Runs work on a thread of its own; then, on this thread, ends the run and calls done.
    void startRun(RunThread::Work work, std::function<void()> done);

    std::unique_ptr<Ui::ViewController> ui_;
    std::ostream& target_; // where out_ and the runs' logs go, one at a time
    std::mutex outLock_;
    LockedStream out_;
    bool importing_ = false;
    bool closeWhenDone_ = false;
    StopRequest stop_;
    std::unique_ptr<RunThread> run_; // the run under way, until its end is shown
    std::function<void()> afterRun_; // what shows its end
    QShortcut* escape_ = nullptr;
    CardWatcher* cards_ = nullptr;
    DeviceWatcher* devices_ = nullptr;
    QFileSystemWatcher* preferencesWatcher_ = nullptr;
    // The window's parts.
    OptionsPanel* options_ = nullptr;
    DestinationChoice* destinations_ = nullptr;
    StatusPanel* status_ = nullptr;
    EjectOffer* eject_ = nullptr;
    BrowseWindows* browsers_ = nullptr;
    ReleaseOffer* releaseOffer_ = nullptr; // for a camera or phone another program holds
    JobOption* job_ = nullptr;
};

} // namespace kestrel
