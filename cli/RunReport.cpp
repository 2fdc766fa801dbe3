#include "RunReport.h"

#include "record/ImportLog.h"

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
        std::fprintf(stream, "not copied%s: %s: %s\n", file.atBackup ? " to the backup" : "",
                     quotedName(file.source).c_str(), describe(file.outcome).c_str());
    }
    if (more != 0)
        std::fprintf(stream, "… and %zu more not copied%s\n", more,
                     summary.reportPath.empty() ? "" : ", listed in the report");
    if (!summary.reportPath.empty())
        std::fprintf(stream, "report: %s\n", quotedName(summary.reportPath).c_str());
    else if (!summary.reportProblem.empty())
        std::fprintf(stream, "kestrel-import: warning: %s\n", summary.reportProblem.c_str());
    for (const std::string& problem : summary.recordProblems)
        std::fprintf(stream, "kestrel-import: warning: %s\n", problem.c_str());
    // Mostly the file manager, which mounts a camera or phone as it comes.
    if (summary.deviceHeld())
        std::fprintf(stream, "kestrel-import: close the file manager window that shows the camera "
                             "or phone, or unmount it there, then try again\n");
}

int exitStatus(const RunSummary& summary) {
    if (!summary.refused.empty())
        return 2;
    if (summary.stopped && summary.stopSignal != 0)
        return 128 + summary.stopSignal;
    return summary.allSafe() ? 0 : 1;
}

} // namespace kestrel::cli
