#include "copy/SafeCopy.h"

#include "base/FaultPoints.h"
#include "copy/FileData.h"
#include "copy/FileSystemInfo.h"
#include "copy/StagingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace kestrel {

using faults::Call;

StagedCopy::StagedCopy(StagedCopy&& other) noexcept {
    *this = std::move(other);
}

StagedCopy& StagedCopy::operator=(StagedCopy&& other) noexcept {
    if (this != &other) {
        discard();
        folder_ = std::move(other.folder_);
        folderPath_ = std::move(other.folderPath_);
        fileName_ = std::move(other.fileName_);
        number_ = other.number_;
        destPath_ = std::move(other.destPath_);
        tempName_ = std::exchange(other.tempName_, {});
        fd_ = std::move(other.fd_);
        device_ = other.device_;
        size_ = other.size_;
        rules_ = other.rules_;
        inMemory_ = other.inMemory_;
    }
    return *this;
}

StagedCopy::~StagedCopy() {
    discard();
}

void StagedCopy::discard() {
    // Closed before it is unlinked: FUSE keeps an open file's removed name as a hidden
    // ".fuse_hidden" file until the release that follows close. Another run that sweeps the
    // name away once our lock is gone does what we were about to do.
    fd_.reset();
    if (!tempName_.empty())
        ::unlinkat(folder_.at(), folder_.path(tempName_).c_str(), 0);
    tempName_.clear();
}

std::optional<Digest128> StagedCopy::readBack(const CopyHooks& hooks) const {
    if (!fd_.valid())
        return std::nullopt;
    if (!inMemory_)
        ::posix_fadvise(fd_.get(), 0, 0, POSIX_FADV_DONTNEED);
    if (hooks.beforeReadBack)
        hooks.beforeReadBack(fd_.get());
    return hashFile(fd_.get(), {}, size_);
}

void StagedCopy::startWriteBack() const {
    if (fd_.valid() && !inMemory_)
        ::sync_file_range(fd_.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
}

int StagedCopy::flush() const {
    if (!fd_.valid())
        return EBADF;
    return faults::injected(Call::Fdatasync) || ::fdatasync(fd_.get()) != 0 ? errno : 0;
}

bool StagedCopy::fileSystemFlushCovers() const {
    return fd_.valid() && syncfsCovers(fd_.get());
}

int StagedCopy::flushFileSystem() const {
    if (!fd_.valid())
        return EBADF;
    return faults::injected(Call::Syncfs) || ::syncfs(fd_.get()) != 0 ? errno : 0;
}

int StagedCopy::giveName(const std::string& name, bool& noSafeWay) {
    return nameStagingFile(folder_, fd_.get(), tempName_, name, noSafeWay);
}

CopyOutcome StagedCopy::publish(const CopyHooks& hooks) {
    if (!fd_.valid())
        return CopyOutcome(Outcome::IoError, EBADF, destPath_);
    if (hooks.beforePublish)
        hooks.beforePublish(destPath_);
    // Someone may take the name between our look and our link: look again at what they put
    // there. A bound keeps a name that keeps coming and going from holding us for ever.
    CopyOutcome result{Outcome::NameTaken, 0, folderPath_ + fileName_};
    for (int attempt = 0; attempt < 16; ++attempt) {
        bool noSafeWay = false;
        const int error = giveName(numberedName(fileName_, number_), noSafeWay);
        if (error != EEXIST) {
            const Outcome outcome = error == 0  ? Outcome::Copied
                                    : noSafeWay ? Outcome::NoSafePublish
                                                : destinationFailure(error);
            result = CopyOutcome(outcome, error, destPath_);
            break;
        }
        const NameState state = findName(folder_, fileName_, rules_, number_, fd_.get(), size_);
        destPath_ = folderPath_ + numberedName(fileName_, number_);
        if (state == NameState::SameFile)
            result = CopyOutcome(Outcome::AlreadyThere, 0, destPath_);
        if (state != NameState::Free)
            break;
    }
    discard();
    return result;
}

CopyOutcome copyNoReplace(const std::string& source, const std::string& destPath,
                          const SourceIdentity* expected, const PublishRules& rules,
                          const CopyHooks& hooks) {
    StagedCopy staged;
    const CopyOutcome outcome = StagedCopy::stage(source, destPath, expected, rules, staged, hooks);
    if (!outcome.copied())
        return outcome;
    if (const int error = staged.flush())
        return CopyOutcome{destinationFailure(error), error, outcome.destPath};
    return staged.publish(hooks);
}

int syncFolder(const std::string& path) {
    const Fd folder(openLong(path, O_RDONLY | O_DIRECTORY));
    if (!folder.valid())
        return errno;
    return syncFolder(folder.get());
}

int syncFolder(int folder) {
    return faults::injected(Call::Fsync) || ::fsync(folder) != 0 ? errno : 0;
}

} // namespace kestrel
