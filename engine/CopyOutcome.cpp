#include "CopyOutcome.h"

#include <cerrno>
#include <cstring>

namespace kestrel {

const char* reasonText(Outcome outcome) {
    switch (outcome) {
    case Outcome::Copied:
        return "copied";
    case Outcome::AlreadyThere:
        return "already at its destination";
    case Outcome::NameTaken:
        return "a different file has this name";
    case Outcome::SourceUnreadable:
        return "the source cannot be read";
    case Outcome::NotARegularFile:
        return "not a regular file";
    case Outcome::SourceChanged:
        return "it changed while being copied";
    case Outcome::DestinationFolder:
        return "the destination folder is missing or not writable";
    case Outcome::DiskFull:
        return "the disk is full";
    case Outcome::NoSafePublish:
        return "the destination's file system cannot name a file without risking replacing "
               "another";
    case Outcome::IoError:
        return "an input/output error";
    case Outcome::Undated:
        return "its date cannot be placed in the calendar";
    case Outcome::Stopped:
        return "the import was stopped first";
    }
    return "unknown";
}

const char* outcomeKeyword(Outcome outcome) {
    switch (outcome) {
    case Outcome::Copied:
        return "copied";
    case Outcome::AlreadyThere:
        return "already-there";
    case Outcome::NameTaken:
        return "name-taken";
    case Outcome::SourceUnreadable:
        return "source-unreadable";
    case Outcome::NotARegularFile:
        return "not-a-regular-file";
    case Outcome::SourceChanged:
        return "source-changed";
    case Outcome::DestinationFolder:
        return "destination-folder";
    case Outcome::DiskFull:
        return "disk-full";
    case Outcome::NoSafePublish:
        return "no-safe-publish";
    case Outcome::IoError:
        return "io-error";
    case Outcome::Undated:
        return "undated";
    case Outcome::Stopped:
        return "stopped";
    }
    return "unknown";
}

std::string describe(const CopyOutcome& outcome) {
    std::string text = reasonText(outcome.outcome);
    if (outcome.error != 0)
        text += std::string(": ") + std::strerror(outcome.error);
    return text;
}

Outcome destinationFailure(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return Outcome::DiskFull;
    case ENOENT:
    case ENOTDIR:
    case EACCES:
    case EPERM:
    case EROFS:
    case ENAMETOOLONG:
    case ELOOP:
        return Outcome::DestinationFolder;
    case EEXIST:
        return Outcome::NameTaken;
    default:
        return Outcome::IoError;
    }
}

} // namespace kestrel
