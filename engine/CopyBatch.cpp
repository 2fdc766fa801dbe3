#include "CopyBatch.h"

#include <sys/resource.h>

#include <algorithm>
#include <map>
#include <utility>

namespace kestrel {

namespace {
// Bounds on open files and on data written but not yet flushed.
constexpr std::size_t kMaxFiles = 64;
constexpr std::int64_t kMaxBytes = 64 << 20;
// From this size on average, a batch's files are flushed one by one.
constexpr std::int64_t kLargeFile = 16 << 20;

// Every staged copy keeps its file open until its batch commits, and two batches are open at
// once; together they take at most a quarter of the files this process may open, so a low
// limit never fails a copy.
std::size_t filesPerBatch() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kMaxFiles;
    return std::clamp<std::size_t>(limit.rlim_cur / 8, 1, kMaxFiles);
}
} // namespace

CopyBatch::CopyBatch(const CopyHooks& hooks) : hooks_(&hooks), maxFiles_(filesPerBatch()) {}

void CopyBatch::add(Item item) {
    bytes_ += item.staged.size();
    if (item.outcome.copied() && !large(item))
        item.staged.startWriteBack();
    items_.push_back(std::move(item));
}

bool CopyBatch::full() const {
    return items_.size() >= maxFiles_ || bytes_ >= kMaxBytes;
}

void CopyBatch::startWriteBack() const {
    for (const Item& item : items_)
        if (item.outcome.copied() && large(item))
            item.staged.startWriteBack();
}

// A large file's write-back waits until the batch before has been flushed file by file:
// on ext4 each of those flushes would also wait for the data whose write-back has started.
bool CopyBatch::large(const Item& item) {
    return item.staged.size() >= kLargeFile;
}

void CopyBatch::flushStaged() {
    // A flush of the whole file system would also wait for the data the next batch has
    // written by now. That costs little next to one flush per file, except for a few large
    // files (video clips), whose data is most of what there is to write.
    const bool fileByFile = bytes_ >= kLargeFile * static_cast<std::int64_t>(items_.size());
    std::set<dev_t> flushedDevices;
    std::set<dev_t> failedDevices;
    for (Item& item : items_) {
        if (!item.outcome.copied())
            continue;
        const dev_t device = item.staged.device();
        if (flushedDevices.contains(device))
            continue;
        if (!fileByFile && !failedDevices.contains(device) && item.staged.fileSystemFlushCovers()) {
            if (item.staged.flushFileSystem() == 0) {
                flushedDevices.insert(device);
                continue;
            }
            failedDevices.insert(device); // let each file's own flush tell which failed
        }
        if (const int error = item.staged.flush())
            item.outcome = CopyOutcome{Outcome::IoError, error, item.outcome.destPath};
    }
}

void CopyBatch::syncFolders(const std::set<std::string>& changedFolders) {
    std::set<std::string> folders = changedFolders;
    for (const Item& item : items_)
        if (item.outcome.copied())
            folders.insert(item.folder);
    std::map<std::string, int> failed;
    for (const std::string& folder : folders)
        if (const int error = syncFolder(folder))
            failed.emplace(folder, error);
    if (failed.empty())
        return;
    // A name in a folder whose entries are not on disk may vanish in a crash.
    for (Item& item : items_) {
        if (!item.outcome.copied())
            continue;
        for (const auto& [folder, error] : failed)
            if (item.folder.starts_with(folder))
                item.outcome = CopyOutcome{Outcome::IoError, error, item.outcome.destPath};
    }
}

std::vector<CopyBatch::Item> CopyBatch::commit(const std::set<std::string>& changedFolders) {
    flushStaged();
    for (Item& item : items_)
        if (item.outcome.copied())
            item.outcome = item.staged.publish(*hooks_);
    syncFolders(changedFolders);
    bytes_ = 0;
    return std::exchange(items_, {});
}

} // namespace kestrel
