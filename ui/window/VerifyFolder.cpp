// File ▸ Verify Folder…: checks a destination against its hash record, as
// kestrel-import --verify does, with the progress, verdict and report of an import.
#include "window/ViewController.h"

#include "base/ShownText.h"
#include "record/HashRecord.h"
#include "window/StatusPanel.h"

#include <QElapsedTimer>
#include <QFile>

#include <ostream>
#include <utility>

namespace kestrel {

namespace {
// readHistory's word for a folder without an ascmhl folder or generations.
constexpr char kNoRecord[] = "no hash record";
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
                    status_->setText(tr("Checking %1 against its hash record…").arg(shown));
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
            if (!error->empty())
                status_->showVerifyProblem(
                    *error == kNoRecord
                        ? tr("%1 has no hash record (ascmhl folder): there is nothing to check it "
                             "against.")
                              .arg(shown)
                        : shownText(*error));
            else
                status_->showVerifyVerdict(*result, shown);
        });
    return true;
}

} // namespace kestrel
