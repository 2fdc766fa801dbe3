// Staging a copy: the source read once, hashed, and written to each destination's staging
// file, not yet under its name.
#include "copy/SafeCopy.h"

#include "base/FaultPoints.h"
#include "copy/FileData.h"
#include "copy/StagingFile.h"
#include "copy/TakenName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

namespace kestrel {

namespace {

using faults::Call;

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Opens the source for reading without following a symlink, without blocking on a FIFO,
// and without touching its access time where we are allowed to ask for that.
int openSource(const std::string& path) {
    if (faults::injected(Call::OpenSource))
        return -1;
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    const int fd = openLong(path, flags | O_NOATIME);
    return fd < 0 && errno == EPERM ? openLong(path, flags) : fd;
}

// Destinations that cannot store permission bits or times (FAT mounted with fixed masks,
// FUSE file systems) refuse to change them; the data is what must arrive.
bool refusedAttribute(int error) {
    return error == EPERM || error == ENOSYS || error == EOPNOTSUPP;
}

// Gives the staged copy the source's permission bits and times where the destination can
// keep them; 0 or the errno of a real failure.
int keepAttributes(int fd, const struct stat& source) {
    if ((faults::injected(Call::Fchmod) || ::fchmod(fd, source.st_mode & 0777) != 0) &&
        !refusedAttribute(errno))
        return errno;
    const timespec times[2] = {source.st_atim, source.st_mtim};
    if ((faults::injected(Call::Futimens) || ::futimens(fd, times) != 0) &&
        !refusedAttribute(errno))
        return errno;
    return 0;
}

// What the open source says of itself. The fault point's error 0 stands for a file system
// that reports a size of 0 whatever the file holds.
bool statSource(int fd, struct stat& st) {
    const bool injected = faults::injected(Call::SourceStat);
    if (injected && errno != 0)
        return false;
    if (::fstat(fd, &st) != 0)
        return false;
    if (injected)
        st.st_size = 0;
    return true;
}

} // namespace

CopyOutcome StagedCopy::stage(const std::string& source, const std::string& destPath,
                              const SourceIdentity* expected, const PublishRules& rules,
                              StagedCopy& staged, const CopyHooks& hooks) {
    const auto slash = destPath.rfind('/');
    const std::string folderPath = slash == std::string::npos ? "" : destPath.substr(0, slash + 1);
    StageTarget target{{}, folderPath, destPath.substr(folderPath.size()), &staged, {}, false};
    if (const int error = target.folder.open(folderPath))
        return CopyOutcome(destinationFailure(error), error, destPath);
    stageAll(source, expected, rules, std::span(&target, 1), hooks);
    return target.outcome;
}

int StagedCopy::begin(StageTarget& target, int source, off_t size, const PublishRules& rules) {
    discard();
    rules_ = rules;
    // The one look at the destination before copying: a re-import stops here, and only a
    // taken name costs a comparison.
    int number = 0;
    const NameState state = findName(target.folder, target.fileName, rules, number, source, size);
    return claimName(target, state, number) ? openStaging(target) : -1;
}

bool StagedCopy::claimName(StageTarget& target, NameState state, int number) {
    number_ = number;
    destPath_ = target.folderPath + numberedName(target.fileName, number);
    if (state == NameState::Free)
        return true;
    const bool same = state == NameState::SameFile;
    target.outcome = same ? CopyOutcome(Outcome::AlreadyThere, 0, destPath_)
                          : CopyOutcome(Outcome::NameTaken, 0, target.folderPath + target.fileName);
    return false;
}

int StagedCopy::openStaging(StageTarget& target) {
    StagingFile staging;
    if (const int error = createStagingFile(target.folder, staging)) {
        target.outcome = CopyOutcome(destinationFailure(error), error, destPath_);
        return -1;
    }
    folder_ = target.folder;
    inMemory_ = target.inMemory;
    folderPath_ = target.folderPath;
    fileName_ = target.fileName;
    tempName_ = std::move(staging.name);
    fd_ = std::move(staging.fd);
    target.outcome = CopyOutcome(Outcome::Copied, 0, destPath_);
    return fd_.get();
}

void StagedCopy::finish(StageTarget& target, const DataCopy& data, const struct stat& source) {
    const auto fail = [&](Outcome outcome, int error) {
        discard();
        target.outcome = CopyOutcome(outcome, error, destPath_);
    };
    if (data.failed != DataCopy::Failed::Nothing)
        return data.failed == DataCopy::Failed::Reading
                   ? fail(Outcome::SourceUnreadable, data.error)
                   : fail(destinationFailure(data.error), data.error);
    struct stat written {};
    int error = keepAttributes(fd_.get(), source);
    if (error == 0 && ::fstat(fd_.get(), &written) != 0)
        error = errno;
    if (error != 0)
        return fail(destinationFailure(error), error);
    device_ = written.st_dev;
    size_ = data.bytes;
}

SourceRead StagedCopy::stageAll(const std::string& source, const SourceIdentity* expected,
                                const PublishRules& rules, std::span<StageTarget> targets,
                                const CopyHooks& hooks) {
    const auto failAll = [&](Outcome outcome, int error) {
        for (StageTarget& target : targets) {
            target.staged->discard();
            target.outcome = CopyOutcome(outcome, error, target.folderPath + target.fileName);
        }
        return SourceRead{};
    };
    // Never open a device or FIFO the scan saw: opening some devices has side effects.
    if (expected != nullptr && !S_ISREG(expected->type))
        return failAll(Outcome::NotARegularFile, 0);
    const Fd in(openSource(source));
    struct stat before {};
    if (!in.valid() || !statSource(in.get(), before))
        return failAll(Outcome::SourceUnreadable, errno);
    if (!S_ISREG(before.st_mode))
        return failAll(Outcome::NotARegularFile, 0);
    if (expected != nullptr &&
        (before.st_dev != expected->device || before.st_ino != expected->inode))
        return failAll(Outcome::SourceChanged, 0);

    std::vector<PumpTarget> pumped;
    std::vector<StageTarget*> copying;
    for (StageTarget& target : targets)
        if (const int fd = target.staged->begin(target, in.get(), before.st_size, rules); fd >= 0) {
            pumped.push_back({fd, {}});
            copying.push_back(&target);
        }
    // The source is read once, and hashed while it is read, unless a single unchecked copy
    // can leave the data to the kernel.
    SourceRead read{{}, before.st_size, before.st_mtim.tv_sec};
    ContentHash hash;
    if (copying.size() == 1 && !rules.verify) {
        pumped[0].result = copyData(in.get(), pumped[0].fd, before.st_size);
    } else if (!copying.empty()) {
        pumpData(in.get(), pumped, hash);
        read.digest = hash.digest();
    } else if (std::any_of(targets.begin(), targets.end(), [&rules](const auto& t) {
                   return (rules.verify && t.outcome.outcome == Outcome::AlreadyThere) ||
                          t.outcome.outcome == Outcome::NameTaken;
               })) {
        // Already there: its record needs the hash. Another file under the name: the record
        // tells whether it was once this one.
        read.digest = hashFile(in.get());
    }
    if (copying.empty())
        return read;
    if (hooks.whileCopying)
        hooks.whileCopying(source);
    // A file that changed while we read it would give a copy that matches neither version;
    // one that ended before its size never gives a short copy. A size that stayed put but
    // was short of the data (a file system that under-reports it) gives the whole file.
    struct stat after {};
    const bool changed = !statSource(in.get(), after) || after.st_size != before.st_size ||
                         !sameTime(after.st_mtim, before.st_mtim);
    for (std::size_t i = 0; i < copying.size(); ++i) {
        const DataCopy& data = pumped[i].result;
        if (data.failed == DataCopy::Failed::Nothing && (changed || data.bytes < before.st_size)) {
            copying[i]->staged->discard();
            copying[i]->outcome =
                CopyOutcome(Outcome::SourceChanged, 0, copying[i]->outcome.destPath);
            read.digest.reset();
        } else {
            copying[i]->staged->finish(*copying[i], data, before);
            read.size = data.bytes;
        }
    }
    return read;
}

SourceRead StagedCopy::stageStream(StreamedSource& source, const PublishRules& rules,
                                   std::span<StageTarget> targets) {
    // Nothing can be compared before the bytes are here, so every target is staged first and
    // its name looked at against its own staged bytes.
    std::vector<PumpTarget> pumped;
    std::vector<StageTarget*> copying;
    for (StageTarget& target : targets) {
        target.staged->discard();
        target.staged->rules_ = rules;
        target.staged->destPath_ = target.folderPath + target.fileName;
        if (const int fd = target.staged->openStaging(target); fd >= 0) {
            pumped.push_back({fd, {}});
            copying.push_back(&target);
        }
    }
    if (copying.empty())
        return {};
    ContentHash hash;
    if (const int in = source.start(); in >= 0)
        pumpData(in, pumped, hash);
    std::string why = source.finish();
    const off_t bytes = pumped.front().result.bytes;
    if (why.empty() && source.size >= 0 && bytes != source.size)
        why = "the camera sent " + std::to_string(bytes) + " bytes of the " +
              std::to_string(source.size) + " it listed";
    SourceRead read{hash.digest(), bytes, source.modified};
    struct stat attributes {};
    attributes.st_mode = S_IFREG | 0644;
    attributes.st_atim.tv_sec = attributes.st_mtim.tv_sec = source.modified;
    for (std::size_t i = 0; i < copying.size(); ++i) {
        StageTarget& target = *copying[i];
        StagedCopy& staged = *target.staged;
        const DataCopy& data = pumped[i].result;
        if (!why.empty() && data.failed != DataCopy::Failed::Writing) {
            staged.discard();
            target.outcome = source.stopped()
                                 ? CopyOutcome(Outcome::Stopped, 0, staged.destPath_)
                                 : CopyOutcome(Outcome::SourceUnreadable, 0, staged.destPath_, why);
            continue;
        }
        int number = 0;
        if (data.failed == DataCopy::Failed::Nothing &&
            !staged.claimName(target,
                              findName(target.folder, target.fileName, rules, number,
                                       staged.fd_.get(), data.bytes),
                              number)) {
            staged.discard();
            continue;
        }
        staged.finish(target, data, attributes);
        if (target.outcome.copied())
            target.outcome.destPath = staged.destPath_;
    }
    if (!why.empty())
        read.digest.reset();
    return read;
}

} // namespace kestrel
