#include "CopyBatch.h"

#include <sys/resource.h>

#include <algorithm>
#include <ostream>

namespace kestrel {

namespace {
// Bounds on open files and on data written but not yet flushed.
constexpr std::size_t kMaxFiles = 64;
constexpr std::int64_t kMaxBytes = 64 << 20;

// Every staged copy keeps its temporary file open until the batch commits; a batch takes at
// most a quarter of the files this process may open, so a low limit never fails a copy.
std::size_t filesPerBatch() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kMaxFiles;
    return std::clamp<std::size_t>(limit.rlim_cur / 4, 1, kMaxFiles);
}
} // namespace

CopyBatch::CopyBatch(std::ostream& out, const CopyHooks& hooks)
    : out_(out), hooks_(hooks), maxFiles_(filesPerBatch()) {}

void CopyBatch::add(std::string linesBefore, CopyOutcome staging, StagedCopy staged,
                    std::string logStart, std::string folder) {
    bytes_ += staged.size();
    pending_.push_back(Pending{std::move(linesBefore), staging, std::move(staged),
                               std::move(logStart), std::move(folder)});
}

bool CopyBatch::full() const {
    return pending_.size() >= maxFiles_ || bytes_ >= kMaxBytes;
}

void CopyBatch::flushStaged() {
    std::set<dev_t> flushedDevices;
    std::set<dev_t> failedDevices;
    for (Pending& p : pending_) {
        if (!p.outcome.copied())
            continue;
        const dev_t device = p.staged.device();
        if (flushedDevices.contains(device))
            continue;
        if (!failedDevices.contains(device) && p.staged.fileSystemFlushCovers()) {
            if (p.staged.flushFileSystem() == 0) {
                flushedDevices.insert(device);
                continue;
            }
            failedDevices.insert(device); // let each file's own flush tell which failed
        }
        if (const int error = p.staged.flush())
            p.outcome = CopyOutcome{Outcome::IoError, error, p.outcome.destPath};
    }
}

std::int32_t CopyBatch::commit(std::set<std::string>& touchedFolders) {
    flushStaged();
    std::int32_t notCopied = 0;
    for (Pending& p : pending_) {
        if (p.outcome.copied())
            p.outcome = p.staged.publish(hooks_);
        const bool copied = p.outcome.copied();
        out_ << p.linesBefore;
        if (!copied) {
            out_ << "copy-error\n";
            ++notCopied;
        } else {
            touchedFolders.insert(p.folder);
        }
        out_ << p.logStart << (copied ? " true\n" : " false\n");
    }
    pending_.clear();
    bytes_ = 0;
    return notCopied;
}

} // namespace kestrel
