// File ▸ Verify Folder…: checks a destination against its hash record, as
// kestrel-import --verify does, with the progress, verdict and report of an import.
#include "window/ViewController.h"

#include "record/HashRecord.h"
#include "window/ReportModel.h"
#include "window/ReportView.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <ostream>
#include <utility>

namespace kestrel {

namespace {

// readHistory's word for a folder without an ascmhl folder or generations.
constexpr char kNoRecord[] = "no hash record";

// 1,234: counts as the command writes them.
QString number(std::size_t n) {
    return QLocale(QLocale::English).toString(static_cast<qulonglong>(n));
}

// one or many, with %1 the count: whole sentences, as there is no translation to supply
// plural forms.
QString counted(std::size_t n, const QString& one, const QString& many) {
    return (n == 1 ? one : many).arg(number(n));
}

// "2 files at DEST changed and 1 is missing since they were recorded." and the rest found.
QString problemsSentence(const VerifyResult& result, const QString& root) {
    const std::size_t changed = result.changed.size();
    const std::size_t missing = result.missing.size();
    QString text;
    if (changed > 0)
        text = counted(changed, ViewController::tr("%1 file at %2 changed"),
                       ViewController::tr("%1 files at %2 changed"))
                   .arg(root);
    if (changed > 0 && missing > 0)
        text += counted(missing, ViewController::tr(" and %1 is missing"),
                        ViewController::tr(" and %1 are missing"));
    else if (missing > 0)
        text = counted(missing, ViewController::tr("%1 file at %2 is missing"),
                       ViewController::tr("%1 files at %2 are missing"))
                   .arg(root);
    if (changed + missing > 0)
        text += changed + missing == 1 ? ViewController::tr(" since it was recorded. ")
                                       : ViewController::tr(" since they were recorded. ");
    if (!result.unreadable.empty())
        text += ViewController::tr("%1 could not be read. ").arg(number(result.unreadable.size()));
    if (!result.unchecked.empty())
        text += counted(result.unchecked.size(),
                        ViewController::tr("%1 is recorded without an XXH3-128 hash and was "
                                           "not checked. "),
                        ViewController::tr("%1 are recorded without an XXH3-128 hash and were "
                                           "not checked. "));
    return text + ViewController::tr("The list below names them.");
}

} // namespace

void ViewController::verifyChosenFolder() {
    if (importing_)
        return;
    const QString chosen = chooseFolder(tr("Verify Folder"));
    if (chosen.isEmpty())
        return;
    const std::string root = QFile::encodeName(chosen).toStdString();
    out_ << root << std::endl;
    runVerify(root);
}

bool ViewController::runVerify(const std::string& root) {
    if (importing_)
        return false;
    const QString shown = QFile::decodeName(root.c_str());
    beginRun();
    // The record is read on the run's thread too: a large one takes seconds.
    auto error = std::make_shared<std::string>();
    auto result = std::make_shared<VerifyResult>();
    startRun(
        [this, root, shown, error, result](StatusSink& sink, std::ostream&) {
            auto history = readHistory(root, *error);
            if (!history)
                return;
            // The bytes the check reads: those of every recorded file with a size and a hash.
            std::int64_t total = 0;
            for (const auto& [path, entry] : history->files)
                if (entry.size > 0 && entry.xxh128)
                    total += entry.size;
            QMetaObject::invokeMethod(
                this,
                [this, shown, total] {
                    sayNothing();
                    setStatusText(tr("Checking %1 against its hash record…").arg(shown));
                    setTotalBytes(total);
                },
                Qt::QueuedConnection);
            // It reports every piece it reads: the window takes a count once a frame at most.
            QElapsedTimer sinceCount;
            *result = verifyRoot(
                root, std::move(*history),
                [&](std::int64_t done) {
                    if (!sinceCount.isValid() || sinceCount.hasExpired(16)) {
                        sinceCount.start();
                        sink.bytesDone(done);
                    }
                },
                [this] { return stop_.requested(); });
            error->clear();
        },
        [this, shown, error, result] {
            if (!error->empty()) {
                report->removeRows(0, report->rowCount());
                if (reportView)
                    reportView->hide();
                showProblems({*error == kNoRecord
                                  ? tr("%1 has no hash record (ascmhl folder): there is nothing "
                                       "to check it against.")
                                        .arg(shown)
                                  : QString::fromStdString(*error)});
                return;
            }
            for (QWidget* running : std::initializer_list<QWidget*>{btnCancel, lblProgress})
                if (running)
                    running->hide();
            if (optionsBox)
                optionsBox->show();
            showVerifyVerdict(*result, shown);
            showNow();
        });
    return true;
}

// The one line that says whether the folder still holds what its record says, and the
// files behind it.
void ViewController::showVerifyVerdict(const VerifyResult& result, const QString& root) {
    const std::size_t checked = static_cast<std::size_t>(result.matched) + result.changed.size() +
                                result.missing.size() + result.unreadable.size() +
                                result.unchecked.size();
    setStatusText(counted(checked, tr("Checked %1 recorded file at %2."),
                          tr("Checked %1 recorded files at %2."))
                      .arg(root));
    QString verdict;
    if (!result.error.empty())
        verdict = QString::fromStdString(result.error);
    else if (result.stopped)
        verdict = tr("The check of %1 was stopped before every file was read.").arg(root);
    else if (checked == static_cast<std::size_t>(result.matched))
        verdict =
            checked == 1
                ? tr("The 1 recorded file at %1 matches its record.").arg(root)
                : tr("All %1 recorded files at %2 match their record.").arg(number(checked), root);
    else
        verdict = problemsSentence(result, root);
    if (!result.unrecorded.empty())
        verdict +=
            u' ' + counted(result.unrecorded.size(), tr("%1 file there is not in the record."),
                           tr("%1 files there are not in the record."));
    showProblems({verdict});
    report->setVerifyResult(result, root);
    if (reportView)
        reportView->showReport();
}

} // namespace kestrel
