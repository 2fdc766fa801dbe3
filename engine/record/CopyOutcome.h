#pragma once

#include <string>
#include <utility>

namespace kestrel {

// What became of one matched file. Every matched file ends with exactly one of these.
enum class Outcome {
    Copied,            // the copy is on disk under its destination name
    AlreadyThere,      // the destination name already holds a file with the same bytes
    NameTaken,         // a different file (or a folder, a link) has the destination name
    SourceUnreadable,  // the source is missing, cannot be opened or read, or cannot be examined
    NotARegularFile,   // a folder, FIFO, socket, device or link named like a photo
    SourceChanged,     // not the file the scan saw, or it changed while being copied
    DestinationFolder, // the destination folder is missing or not writable
    DiskFull,          // no space (or quota) left at the destination
    NoSafePublish,     // the destination cannot name a file without risking replacing another
    IoError,           // an input/output error, or a flush to disk that failed
    Undated,           // its time cannot be placed in the calendar
    Stopped,           // the run was stopped before this file was copied
    LeftOnCard,        // a photo or clip the current options do not import
    DestinationLink,   // a folder below the destination root is a symbolic link
    NameTooLong,       // the destination's file system cannot hold a name that long
    NoDestination,     // no destination folder is chosen for the file's group
    VerifyFailed,      // the copy read back from the disk differed from the source, twice
    NotSelected,       // a new file left out of the selection the run imported
};

// One file's outcome, with the error number where a system call gave one, the
// destination path the file has (or would have had), and where the outcome needs it, the
// words that say exactly why ("kestrel does not import .CR3 files").
struct CopyOutcome {
    CopyOutcome(Outcome outcome = Outcome::IoError, int error = 0, std::string destPath = {},
                std::string detail = {})
        : outcome(outcome), error(error), destPath(std::move(destPath)), detail(std::move(detail)) {
    }

    Outcome outcome;
    int error;
    std::string destPath;
    std::string detail;

    bool copied() const { return outcome == Outcome::Copied; }
    // True when the file is safe at its destination: copied now, or there already.
    bool safe() const { return outcome == Outcome::Copied || outcome == Outcome::AlreadyThere; }
};

// A short reason in plain words, e.g. "a different file has this name".
const char* reasonText(Outcome outcome);

// The one word that names the outcome in a report: "copied", "already-there", …
const char* outcomeKeyword(Outcome outcome);

// The reason (its detail, where it has one), followed by the system's error text where
// there is one: "the source cannot be read: Permission denied".
std::string describe(const CopyOutcome& outcome);

// The outcome that a failed system call's errno means at the destination side
// (ENOSPC → DiskFull, ENOENT/EACCES/EROFS… → DestinationFolder, EIO → IoError, …).
Outcome destinationFailure(int error);

} // namespace kestrel
