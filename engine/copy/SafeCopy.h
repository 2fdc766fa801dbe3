#pragma once

#include "base/Fd.h"
#include "base/LongPath.h"
#include "copy/FileData.h"
#include "copy/SourceIdentity.h"
#include "copy/StreamedSource.h"
#include "copy/TakenName.h"
#include "record/CopyOutcome.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kestrel {

// Points where tests can step into a copy.
struct CopyHooks {
    // Called with the staged copy's descriptor once its cached pages were dropped, just
    // before it is read back.
    std::function<void(int fd)> beforeReadBack;
    // Called with the destination path once the data sits complete and flushed in the
    // staged file, just before it is published under that path.
    std::function<void(const std::string& destPath)> beforePublish;
    // Called with the source path once its data has been read, before the copy checks that
    // the source did not change meanwhile.
    std::function<void(const std::string& source)> whileCopying;
};

class StagedCopy;

// What staging learned of the source it read.
struct SourceRead {
    std::optional<Digest128> digest; // of its bytes, when they were hashed
    std::int64_t size = 0;
    std::time_t modified = 0;
};

// One destination of a file that is staged: where, and what became of it.
struct StageTarget {
    FolderRef folder;
    std::string folderPath; // ending in "/"
    std::string fileName;
    StagedCopy* staged;
    CopyOutcome outcome;   // Copied when its data is staged
    bool inMemory = false; // the folder is on a tmpfs
};

// A copy whose data sits in a staged file in its destination folder, not yet visible
// under its name. The staged file goes away unless the copy is published.
class StagedCopy {
  public:
    StagedCopy() = default;
    StagedCopy(StagedCopy&& other) noexcept;
    StagedCopy& operator=(StagedCopy&& other) noexcept;
    ~StagedCopy();

    // The name the copy will be published under (a numbered one with keepBoth).
    const std::string& destPath() const { return destPath_; }
    std::int64_t size() const { return size_; }

    // Stages a copy of the regular file at source for destPath, keeping its permission bits
    // and access and modification times where the destination allows. Symlinks are not
    // followed. With expected, the source must still be the file the scan saw. Returns
    // Copied when the data is staged; any other outcome is final (AlreadyThere when
    // destPath, or with keepBoth one of its numbered names, already holds the same bytes;
    // NameTaken when something else holds it, and with keepBoth all of them up to
    // NAME-9999.EXT). The outcome's destPath is the name chosen. Nothing is written to the
    // destination unless the name (or a numbered one) is free, and paths of any length work.
    static CopyOutcome stage(const std::string& source, const std::string& destPath,
                             const SourceIdentity* expected, const PublishRules& rules,
                             StagedCopy& staged, const CopyHooks& hooks = {});

    // Stages the file at source for every target at once: it is read once, and with
    // rules.verify hashed while it is read. Each target's outcome says what became of it, as
    // stage() does.
    static SourceRead stageAll(const std::string& source, const SourceIdentity* expected,
                               const PublishRules& rules, std::span<StageTarget> targets,
                               const CopyHooks& hooks = {});

    // Stages the file that source sends for every target at once, as stageAll() does: its
    // bytes arrive once, are hashed and written to each target's staging file, and only then
    // is each name looked at, against the staged bytes. A transfer that stops, or that sends
    // another size than listed, fails every target with the reason in its detail.
    static SourceRead stageStream(StreamedSource& source, const PublishRules& rules,
                                  std::span<StageTarget> targets);

    // The digest of this copy as the disk holds it: its flushed pages are dropped first so
    // that they are read from the storage (tmpfs has no other); nothing when a read fails.
    std::optional<Digest128> readBack(const CopyHooks& hooks) const;

    // Flushes this copy's data to disk; 0 or the errno of the failure.
    int flush() const;
    // Asks the kernel to start writing this copy's data out, so that flushing it waits less.
    void startWriteBack() const;
    // True when flushing the whole file system holding this copy flushes the copy too and
    // reports its write-back errors, so a batch of copies can be made durable at once.
    bool fileSystemFlushCovers() const;
    // Flushes the whole file system holding this copy; 0 or the errno of the failure.
    int flushFileSystem() const;
    // The file system this copy is on.
    dev_t device() const { return device_; }
    // The folder this copy is published in.
    const FolderRef& folder() const { return folder_; }

    // Gives the copy its name unless something already has it: then the outcome is
    // AlreadyThere when that holds the same bytes, else NameTaken (or, with keepBoth, the
    // next free numbered name). Never replaces anything. Call only once its data has been
    // flushed. The outcome's destPath is the name the file now has.
    CopyOutcome publish(const CopyHooks& hooks);

  private:
    // Looks at target's name and opens its staging file: the descriptor to write the data
    // to, or -1 with target's outcome final.
    int begin(StageTarget& target, int source, off_t size, const PublishRules& rules);
    // Takes the name number of target's for this copy when state says it is free, else makes
    // target's outcome final and returns false.
    bool claimName(StageTarget& target, NameState state, int number);
    // Opens target's staging file: the descriptor to write the data to, or -1 with target's
    // outcome final.
    int openStaging(StageTarget& target);
    // Ends staging once the data is written: target's outcome is final unless Copied.
    void finish(StageTarget& target, const DataCopy& data, const struct stat& source);
    void discard();
    // Links the staged data under name: 0 or the errno; noSafeWay when this file system has
    // no way to do it without risking replacing a file.
    int giveName(const std::string& name, bool& noSafeWay);

    FolderRef folder_;
    std::string folderPath_; // as given, ending in "/" (or empty)
    std::string fileName_;   // the name asked for
    int number_ = 0;         // which numbered name of it destPath_ is
    std::string destPath_;
    std::string tempName_; // the named staging file while it has a name; empty if unnamed
    Fd fd_;
    dev_t device_ = 0;
    std::int64_t size_ = 0;
    PublishRules rules_;
    bool inMemory_ = false; // nothing to write out or drop: memory is all the storage there is
};

// Copies the regular file at source to destPath: stages it, flushes it and publishes it.
// An existing file is never touched, and a crash never leaves a partial file under
// destPath.
CopyOutcome copyNoReplace(const std::string& source, const std::string& destPath,
                          const SourceIdentity* expected = nullptr, const PublishRules& rules = {},
                          const CopyHooks& hooks = {});

// Flushes a folder's entries to disk; 0 or the errno of the failure.
int syncFolder(const std::string& path);
int syncFolder(int folder);

// A staging file that has a name is called kStagingPrefix, kStagingRandomLength letters or
// digits, then kStagingSuffix: ".kestrel-Ab12Cd.part".
inline constexpr std::string_view kStagingPrefix = ".kestrel-";
inline constexpr std::size_t kStagingRandomLength = 6;
inline constexpr std::string_view kStagingSuffix = ".part";

// True when name (a file name, not a path) is that of one of our staging files.
bool isStagingName(std::string_view name);

// Removes the staging files in folder that no live run holds, left there by runs that died.
// A run calls it before it first writes into a folder.
void removeStaleTemporaries(const std::string& folder);
void removeStaleTemporaries(const FolderRef& folder);

// The type of the file system that holds path, as the mount table names it ("ext4",
// "vfat", "fuse.fusefat"), else as its magic number says; "unknown" if path cannot be
// examined. For messages that name a destination that cannot take copies safely.
std::string fileSystemName(const std::string& path);

} // namespace kestrel
