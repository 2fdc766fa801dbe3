#include "record/CopyOutcome.h"

#include "base/SystemError.h"

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
    case Outcome::LeftOnCard:
        return "not imported with the current options";
    case Outcome::DestinationLink:
        return "a folder below the destination is a symbolic link";
    case Outcome::NameTooLong:
        return "the name is too long for the destination's file system";
    case Outcome::NoDestination:
        return "no destination folder is chosen";
    case Outcome::VerifyFailed:
        return "the copy read back from the destination differs from the card";
    case Outcome::NotSelected:
        return "not selected";
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
    case Outcome::LeftOnCard:
        return "left-on-card";
    case Outcome::DestinationLink:
        return "destination-link";
    case Outcome::NameTooLong:
        return "name-too-long";
    case Outcome::NoDestination:
        return "no-destination";
    case Outcome::VerifyFailed:
        return "verify-failed";
    case Outcome::NotSelected:
        return "not-selected";
    }
    return "unknown";
}

std::string describe(const CopyOutcome& outcome) {
    std::string text = outcome.detail.empty() ? reasonText(outcome.outcome) : outcome.detail;
    if (outcome.error != 0)
        text += std::string(": ") + englishError(outcome.error);
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
    case ELOOP:
        return Outcome::DestinationFolder;
    case ENAMETOOLONG:
        return Outcome::NameTooLong;
    case EEXIST:
        return Outcome::NameTaken;
    default:
        return Outcome::IoError;
    }
}

} // namespace kestrel
