#pragma once

#include "FileEntry.h"

#include <functional>
#include <string>

namespace kestrel {

// What became of one copy.
enum class CopyOutcome {
    Copied,
    DestinationExists,  // something already has the destination name; left untouched
    SourceUnreadable,   // missing, unreadable, or a symlink
    NotARegularFile,    // a folder, FIFO, socket or device named like a photo
    SourceChanged,      // not the file that was scanned, or changed while being copied
    IoFailed,           // folder missing or not writable, disk full, read or write error
};

// Points where tests can step into a copy.
struct CopyHooks {
    // Called with the destination path once the data sits complete in the temporary file,
    // just before it is published under that path.
    std::function<void(const std::string& destPath)> beforePublish;
};

// Copies the regular file at source to destPath, keeping its permission bits and access
// and modification times. The data goes into a temporary file in the destination folder,
// is flushed to disk, and only then appears under destPath, by a rename that never
// replaces: an existing file is never touched, and a crash never leaves a partial file
// under destPath. Symlinks are not followed. With expected, the source must still be the
// file the scan saw.
CopyOutcome copyNoReplace(const std::string& source, const std::string& destPath,
                          const SourceIdentity* expected = nullptr,
                          const CopyHooks& hooks = {});

// Flushes a folder's entries to disk. False when it cannot be opened or synced.
bool syncFolder(const std::string& path);

} // namespace kestrel
