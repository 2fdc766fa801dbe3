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

CopyBatch::CopyBatch(const CopyHooks& hooks, const PublishRules& rules)
    : hooks_(&hooks), rules_(rules), maxFiles_(filesPerBatch()) {}

void CopyBatch::add(Item item, const Folders& changed) {
    changed_.insert(changed.begin(), changed.end());
    for (const Copy& copy : item.copies) {
        bytes_ += copy.staged.size();
        copies_ += copy.outcome.copied() ? 1 : 0;
        if (copy.outcome.copied() && !large(copy.staged))
            copy.staged.startWriteBack();
    }
    items_.push_back(std::move(item));
}

bool CopyBatch::full() const {
    return copies_ >= maxFiles_ || items_.size() >= kMaxFiles || bytes_ >= kMaxBytes;
}

void CopyBatch::startWriteBack() const {
    for (const Item& item : items_)
        for (const Copy& copy : item.copies)
            if (copy.outcome.copied() && large(copy.staged))
                copy.staged.startWriteBack();
}

// A large file's write-back waits until the batch before has been flushed file by file:
// on ext4 each of those flushes would also wait for the data whose write-back has started.
bool CopyBatch::large(const StagedCopy& staged) {
    return staged.size() >= kLargeFile;
}

void CopyBatch::flushStaged() {
    // A flush of the whole file system would also wait for the data the next batch has
    // written by now. That costs little next to one flush per file, except for a few large
    // files (video clips), whose data is most of what there is to write.
    const bool fileByFile =
        copies_ != 0 && bytes_ >= kLargeFile * static_cast<std::int64_t>(copies_);
    std::set<dev_t> flushedDevices;
    std::set<dev_t> failedDevices;
    for (Item& item : items_)
        for (Copy& copy : item.copies) {
            if (!copy.outcome.copied())
                continue;
            const dev_t device = copy.staged.device();
            if (flushedDevices.contains(device))
                continue;
            if (!fileByFile && !failedDevices.contains(device) &&
                copy.staged.fileSystemFlushCovers()) {
                if (copy.staged.flushFileSystem() == 0) {
                    flushedDevices.insert(device);
                    continue;
                }
                failedDevices.insert(device); // let each file's own flush tell which failed
            }
            if (const int error = copy.staged.flush())
                copy.outcome = CopyOutcome{Outcome::IoError, error, copy.outcome.destPath};
        }
}

bool CopyBatch::matches(const Item& item, Copy& copy) const {
    const auto got = copy.staged.readBack(*hooks_);
    if (!got)
        copy.outcome = CopyOutcome{destinationFailure(errno), errno, copy.outcome.destPath};
    return got && got == item.read.digest;
}

void CopyBatch::prepare() {
    flushStaged();
    if (rules_.verify)
        for (Item& item : items_)
            for (Copy& copy : item.copies)
                copy.differs = copy.outcome.copied() && item.read.digest && !matches(item, copy);
    prepared_ = true;
}

// Once more from the card (or the camera, which sends the file again): a bad moment on the way to
// the disk should not leave the file behind, a bad disk or cable should not pass.
void CopyBatch::copyAgain(Item& item, Copy& copy) {
    ++item.copiedAgain;
    FolderRef folder;
    folder.use(copy.folder.fd);
    StageTarget target{folder, copy.folder.path,    copy.fileName, &copy.staged,
                       {},     copy.folder.inMemory};
    const auto targets = std::span(&target, 1);
    const SourceRead again =
        item.streamed ? StagedCopy::stageStream(*item.streamed, rules_, targets)
                      : StagedCopy::stageAll(item.source, &item.scanned, rules_, targets, *hooks_);
    copy.outcome = target.outcome;
    if (copy.outcome.copied() && again.digest != item.read.digest)
        copy.outcome = CopyOutcome{Outcome::SourceChanged, 0, copy.outcome.destPath};
    if (copy.outcome.copied())
        if (const int error = copy.staged.flush())
            copy.outcome = CopyOutcome{Outcome::IoError, error, copy.outcome.destPath};
    // A copy that cannot be read back keeps that reason; one read back wrong twice fails.
    if (copy.outcome.copied() && !matches(item, copy) && copy.outcome.copied())
        copy.outcome = CopyOutcome{Outcome::VerifyFailed, 0, copy.outcome.destPath};
}

void CopyBatch::publish() {
    std::map<std::string, CopyOutcome> checked;
    for (Item& item : items_)
        for (Copy& copy : item.copies) {
            if (std::exchange(copy.differs, false) && copy.outcome.copied())
                copyAgain(item, copy);
            if (!copy.outcome.copied())
                continue;
            if (hooks_->beforePublish)
                hooks_->beforePublish(copy.staged.destPath());
            // Once a batch, right before its names are given: a folder moved away or swapped
            // for a link since it was opened would take the copy where the log does not say.
            auto [check, first] = checked.try_emplace(copy.folder.path);
            if (first)
                check->second = recheck(copy.folder);
            if (check->second.copied()) {
                copy.outcome = copy.staged.publish({});
            } else {
                copy.outcome = check->second;
                copy.outcome.destPath = copy.staged.destPath();
                copy.staged = StagedCopy();
            }
        }
}

void CopyBatch::syncFolders(std::map<std::string, int>& failed) {
    Folders folders = std::exchange(changed_, {});
    for (const Item& item : items_)
        for (const Copy& copy : item.copies)
            if (copy.outcome.copied())
                folders.emplace(copy.folder.path, copy.folder.fd);
    for (const auto& [path, fd] : folders)
        if (const int error = syncFolder(fd->get()))
            failed.emplace(path, error);
    if (failed.empty())
        return;
    // A name in a folder whose entries are not on disk may vanish in a crash.
    for (Item& item : items_)
        for (Copy& copy : item.copies) {
            if (!copy.outcome.copied())
                continue;
            for (const auto& [folder, error] : failed)
                if (copy.folder.path.starts_with(folder))
                    copy.outcome = CopyOutcome{Outcome::IoError, error, copy.outcome.destPath};
        }
}

std::vector<CopyBatch::Item> CopyBatch::commit(std::map<std::string, int>& unflushed) {
    if (!prepared_)
        prepare();
    prepared_ = false;
    publish();
    syncFolders(unflushed);
    bytes_ = 0;
    copies_ = 0;
    return std::exchange(items_, {});
}

} // namespace kestrel
