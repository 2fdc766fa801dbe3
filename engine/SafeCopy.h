#pragma once

#include "CopyOutcome.h"
#include "FileEntry.h"

#include <sys/types.h>

#include <functional>
#include <string>

namespace kestrel {

// Points where tests can step into a copy.
struct CopyHooks {
    // Called with the destination path once the data sits complete and flushed in the
    // staged file, just before it is published under that path.
    std::function<void(const std::string& destPath)> beforePublish;
};

// How a copy treats a destination name that is taken by a different file.
struct PublishRules {
    // Copy under the first free NAME-1.EXT, NAME-2.EXT, … instead of failing.
    bool keepBoth = false;
};

// A copy whose data sits in a staged file in its destination folder, not yet visible
// under its name. The staged file goes away unless the copy is published.
class StagedCopy {
  public:
    StagedCopy() = default;
    StagedCopy(StagedCopy&& other) noexcept;
    StagedCopy& operator=(StagedCopy&& other) noexcept;
    ~StagedCopy();

    // The name the copy will be published under.
    const std::string& destPath() const { return destPath_; }
    std::int64_t size() const { return size_; }

    // Stages a copy of the regular file at source for destPath, keeping its permission bits
    // and access and modification times where the destination allows. Symlinks are not
    // followed. With expected, the source must still be the file the scan saw. Returns
    // Copied when the data is staged; any other outcome is final (AlreadyThere when
    // destPath, or with keepBoth one of its numbered names, already holds the same bytes).
    static CopyOutcome stage(const std::string& source, const std::string& destPath,
                             const SourceIdentity* expected, const PublishRules& rules,
                             StagedCopy& staged);

    // Flushes this copy's data to disk; 0 or the errno of the failure.
    int flush() const;
    // True when flushing the whole file system holding this copy flushes the copy too and
    // reports its write-back errors, so a batch of copies can be made durable at once.
    bool fileSystemFlushCovers() const;
    // Flushes the whole file system holding this copy; 0 or the errno of the failure.
    int flushFileSystem() const;
    // The file system this copy is on.
    dev_t device() const { return device_; }

    // Gives the copy its name unless something already has it. Call only once its data
    // has been flushed. The outcome's destPath is the name the file now has.
    CopyOutcome publish(const CopyHooks& hooks);

  private:
    void discard();

    std::string tempPath_;
    std::string destPath_;
    int fd_ = -1;
    dev_t device_ = 0;
    std::int64_t size_ = 0;
    PublishRules rules_;
};

// Copies the regular file at source to destPath: stages it, flushes it and publishes it.
// An existing file is never touched, and a crash never leaves a partial file under
// destPath.
CopyOutcome copyNoReplace(const std::string& source, const std::string& destPath,
                          const SourceIdentity* expected = nullptr, const PublishRules& rules = {},
                          const CopyHooks& hooks = {});

// Removes the staged files of ours in folder that no live run holds.
void removeStaleTemporaries(const std::string& folder);

// The name of the file system holding path ("ext4", "vfat", "fuseblk", …).
std::string fileSystemName(const std::string& path);

// Flushes a folder's entries to disk; 0 or the errno of the failure.
int syncFolder(const std::string& path);

} // namespace kestrel
