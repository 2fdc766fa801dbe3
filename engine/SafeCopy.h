#pragma once

#include "FileEntry.h"

#include <functional>
#include <string>

namespace kestrel {

// What became of one copy.
enum class CopyOutcome {
    Copied,
    DestinationExists, // something already has the destination name; left untouched
    SourceUnreadable,  // missing, unreadable, or a symlink
    NotARegularFile,   // a folder, FIFO, socket or device named like a photo
    SourceChanged,     // not the file that was scanned, or changed while being copied
    IoFailed,          // folder missing or not writable, disk full, read or write error
};

// Points where tests can step into a copy.
struct CopyHooks {
    // Called with the destination path once the data sits complete and flushed in the
    // temporary file, just before it is published under that path.
    std::function<void(const std::string& destPath)> beforePublish;
};

// A copy whose data sits in a temporary file in its destination folder, not yet visible
// under its name. The temporary file is removed unless the copy is published.
class StagedCopy {
  public:
    StagedCopy() = default;
    StagedCopy(StagedCopy&& other) noexcept;
    StagedCopy& operator=(StagedCopy&& other) noexcept;
    ~StagedCopy();

    const std::string& destPath() const { return destPath_; }
    std::int64_t size() const { return size_; }

    // Stages a copy of the regular file at source for destPath, keeping its permission bits
    // and access and modification times. Symlinks are not followed. With expected, the
    // source must still be the file the scan saw.
    static CopyOutcome stage(const std::string& source, const std::string& destPath,
                             const SourceIdentity* expected, StagedCopy& staged);

    // Flushes this copy's data to disk.
    bool flush() const;
    // True when flushing the whole file system holding this copy flushes the copy too, so a
    // batch of copies can be made durable at once.
    bool fileSystemFlushCovers() const;
    // Flushes the whole file system holding this copy.
    bool flushFileSystem() const;
    // The file system this copy is on.
    dev_t device() const { return device_; }

    // Gives the copy its name unless something already has it. Call only once its data
    // has been flushed.
    CopyOutcome publish(const CopyHooks& hooks);

  private:
    void discard();

    std::string tempPath_;
    std::string destPath_;
    int fd_ = -1;
    dev_t device_ = 0;
    std::int64_t size_ = 0;
};

// Copies the regular file at source to destPath: stages it, flushes it and publishes it.
// An existing file is never touched, and a crash never leaves a partial file under
// destPath.
CopyOutcome copyNoReplace(const std::string& source, const std::string& destPath,
                          const SourceIdentity* expected = nullptr, const CopyHooks& hooks = {});

// Flushes a folder's entries to disk. False when it cannot be opened or synced.
bool syncFolder(const std::string& path);

} // namespace kestrel
