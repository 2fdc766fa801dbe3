#pragma once

#include "run/StatusSink.h"
#include "run/TransferProgress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace kestrel {

class ReportModel;
class ReportView;
struct VerifyResult;

// The lower half of the window as a run drives it, on the window's thread: the status line,
// the progress bar and transfer numbers, Cancel, the problems and verdict below them, and the
// report of the files not copied. Hides the options while a run shows its progress.
class StatusPanel : public QObject, public StatusSink {
    Q_OBJECT
  public:
    struct Controls {
        QPointer<QWidget> window; // laid out and painted at once after each change
        QPointer<QLabel> info;
        QPointer<QProgressBar> bar;
        QPointer<QLabel> progress;
        QPointer<QLabel> detail;
        QPointer<QPushButton> cancel;
        QPointer<QGroupBox> options;
        QPointer<ReportView> reportView;
    };
    // Lists the files of a run in report; running says whether a run is under way.
    StatusPanel(const Controls& controls, ReportModel* report, std::function<bool()> running,
                QObject* parent);

    // Hides what only a run shows.
    void showIdle();
    // Shows text on the status line.
    void setText(const QString& text);
    // Shows problems below the status line, or nothing when there are none.
    void showProblems(const QStringList& problems);
    // Adds a line below the problems shown.
    void appendProblem(const QString& text);
    // Takes text away when it is what the problems say now.
    void withdrawProblem(const QString& text);
    // Lays out and paints the window now.
    void showNow();

    // The warnings of the run under way, as sayWarning and spaceShort gave them.
    const QStringList& warnings() const { return warnings_; }
    void clearWarnings() { warnings_.clear(); }

    // The verdict of an import above the problems shown, and its report.
    void showVerdict(const RunSummary& summary);
    // The end of a check of root: its status line, verdict and report.
    void showVerifyVerdict(const VerifyResult& result, const QString& root);
    // A check that could not start: why, and no report.
    void showVerifyProblem(const QString& problem);

    void sayNothing() override;
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    void stopBar() override;
    void sayFinished(const RunSummary& summary) override;
    void setTotalBytes(std::int64_t bytes) override;
    void bytesDone(std::int64_t bytes) override;
    void sayWarning(const std::string& text) override;
    WhenShort spaceShort(const std::vector<std::string>& shortfalls) override;

  private:
    // A file-in-hand line of the engine's, as the reader words it.
    static QString fileInHand(const std::string& text);
    void hideRunning();

    Controls controls_;
    ReportModel* report_;
    std::function<bool()> running_;
    TransferProgress progress_;
    QElapsedTimer sinceProgress_;
    QStringList warnings_;
};

} // namespace kestrel
