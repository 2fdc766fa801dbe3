#include "RunReport.h"

#include "base/ShownText.h"
#include "record/ImportLog.h"

#include <QCoreApplication>

namespace kestrel::cli {

namespace {
constexpr std::size_t kListed = 20;
} // namespace

void printLeftBehind(std::FILE* stream, const RunSummary& summary) {
    std::size_t listed = 0;
    std::size_t more = 0;
    for (const FileResult& file : summary.notCopiedNow) {
        if (file.outcome.outcome == Outcome::AlreadyThere ||
            file.outcome.outcome == Outcome::Stopped)
            continue;
        if (listed == kListed) {
            ++more;
            continue;
        }
        ++listed;
        const QString line =
            file.atBackup
                ? QCoreApplication::translate("kestrel-import", "not copied to the backup: %1: %2")
                : QCoreApplication::translate("kestrel-import", "not copied: %1: %2");
        std::fprintf(stream, "%s\n",
                     qPrintable(line.arg(QString::fromStdString(quotedName(file.source)),
                                         shownText(describe(file.outcome)))));
    }
    if (more != 0)
        std::fprintf(
            stream, "%s\n",
            qPrintable(
                summary.reportPath.empty()
                    ? QCoreApplication::translate("kestrel-import", "… and %Ln more not copied",
                                                  nullptr, int(more))
                    : QCoreApplication::translate("kestrel-import",
                                                  "… and %Ln more not copied, listed in the report",
                                                  nullptr, int(more))));
    if (!summary.reportPath.empty())
        std::fprintf(stream, "%s\n",
                     qPrintable(QCoreApplication::translate("kestrel-import", "report: %1")
                                    .arg(QString::fromStdString(quotedName(summary.reportPath)))));
    else if (!summary.reportProblem.empty())
        std::fprintf(stream, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate("kestrel-import", "warning: %1")
                                    .arg(shownText(summary.reportProblem))));
    for (const std::string& problem : summary.recordProblems)
        std::fprintf(stream, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate("kestrel-import", "warning: %1")
                                    .arg(shownText(problem))));
    // Mostly the file manager, which mounts a camera or phone as it comes.
    if (summary.deviceHeld())
        std::fprintf(stream, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "kestrel-import", "close the file manager window that shows the "
                                           "camera or phone, or unmount it "
                                           "there, then try again")));
}

int exitStatus(const RunSummary& summary) {
    if (!summary.refused.empty())
        return 2;
    if (summary.stopped && summary.stopSignal != 0)
        return 128 + summary.stopSignal;
    return summary.allSafe() ? 0 : 1;
}

} // namespace kestrel::cli
