#include "record/CopyOutcome.h"

#include "base/EngineTexts.h"
#include "base/SystemError.h"

#include <cerrno>
#include <cstring>

namespace kestrel {

const char* reasonText(Outcome outcome) {
    switch (outcome) {
    case Outcome::Copied:
        return texts::kCopied;
    case Outcome::AlreadyThere:
        return texts::kAlreadyThere;
    case Outcome::NameTaken:
        return texts::kNameTaken;
    case Outcome::SourceUnreadable:
        return texts::kSourceUnreadable;
    case Outcome::NotARegularFile:
        return texts::kNotRegular;
    case Outcome::SourceChanged:
        return texts::kSourceChanged;
    case Outcome::DestinationFolder:
        return texts::kDestinationFolder;
    case Outcome::DiskFull:
        return texts::kDiskFull;
    case Outcome::NoSafePublish:
        return texts::kNoSafePublish;
    case Outcome::IoError:
        return texts::kIoError;
    case Outcome::Undated:
        return texts::kUndated;
    case Outcome::Stopped:
        return texts::kStoppedFirst;
    case Outcome::LeftOnCard:
        return texts::kLeftOnCard;
    case Outcome::DestinationLink:
        return texts::kFolderLink;
    case Outcome::NameTooLong:
        return texts::kNameTooLong;
    case Outcome::NoDestination:
        return texts::kNoDestination;
    case Outcome::VerifyFailed:
        return texts::kVerifyFailed;
    case Outcome::NotSelected:
        return texts::kNotSelected;
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
