#include "copy/CopyBatch.h"

#include <sys/resource.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace kestrel {

namespace {
// Bounds on open files and on data written but not yet flushed.
constexpr std::size_t kMaxFiles = 64;
constexpr std::int64_t kMaxBytes = 64 << 20;
// From this size on average, a batch's files are flushed one by one.
constexpr std::int64_t kLargeFile = 16 << 20;

// Every staged copy keeps its file open until its batch commits, and two batches are open at
// once; together they take at most an eighth of the files this process may open (the open
// destination folders take another), so a low limit never fails a copy.
std::size_t filesPerBatch() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kMaxFiles;
    return std::clamp<std::size_t>(limit.rlim_cur / 16, 1, kMaxFiles);
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
            item.outcome = CopyOutcome{Outcome::IoError, error, item.outcome.destPath, {}};
    }
}

void CopyBatch::publish() {
    std::map<std::string, CopyOutcome> checked;
    for (Item& item : items_) {
        if (!item.outcome.copied())
            continue;
        if (hooks_->beforePublish)
            hooks_->beforePublish(item.staged.destPath());
        // Once a batch, right before its names are given: a folder moved away or swapped for
        // a link since it was opened would take the copy somewhere the log does not say.
        auto [check, first] = checked.try_emplace(item.folder.path);
        if (first)
            check->second = recheck(item.folder);
        if (check->second.copied()) {
            item.outcome = item.staged.publish({});
        } else {
            item.outcome = check->second;
            item.outcome.destPath = item.staged.destPath();
            item.staged = StagedCopy();
        }
    }
}

void CopyBatch::syncFolders(const Folders& changedFolders) {
    Folders folders = changedFolders;
    for (const Item& item : items_)
        if (item.outcome.copied())
            folders.emplace(item.folder.path, item.folder.fd);
    std::map<std::string, int> failed;
    for (const auto& [path, fd] : folders)
        if (const int error = syncFolder(fd->get()))
            failed.emplace(path, error);
    if (failed.empty())
        return;
    // A name in a folder whose entries are not on disk may vanish in a crash.
    for (Item& item : items_) {
        if (!item.outcome.copied())
            continue;
        for (const auto& [folder, error] : failed)
            if (item.folder.path.starts_with(folder))
                item.outcome = CopyOutcome{Outcome::IoError, error, item.outcome.destPath, {}};
    }
}

std::vector<CopyBatch::Item> CopyBatch::commit(const Folders& changedFolders) {
    flushStaged();
    publish();
    syncFolders(changedFolders);
    bytes_ = 0;
    return std::exchange(items_, {});
}

} // namespace kestrel
