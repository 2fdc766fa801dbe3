#pragma once

#include <QtGlobal>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

// Every text the engine words for a person to read, in English, the language of its log, report
// and record. Each is marked for the translators (context "Engine"); ShownText translates them
// where they are shown, matching a filled sentence back against its English. A sentence is made
// only through filled<>() below, which refuses one missing from kSentences at compile time, so
// a text reworded here is reworded for the translators and the matching alike.
namespace kestrel::texts {

// Sentences with parts: %1, %2, … stand for them.

// A name or folder pattern's fault.
inline constexpr char kAtCharacter[] = QT_TRANSLATE_NOOP("Engine", "%1 at character %2");
inline constexpr char kNamePatternUnusable[] =
    QT_TRANSLATE_NOOP("Engine", "the name pattern cannot be used: %1");
inline constexpr char kFolderPatternUnusable[] =
    QT_TRANSLATE_NOOP("Engine", "the folder pattern cannot be used: %1");
inline constexpr char kOnlyLowerOption[] =
    QT_TRANSLATE_NOOP("Engine", "{%1} takes only :lower, not %2");
inline constexpr char kNoOption[] = QT_TRANSLATE_NOOP("Engine", "{%1} takes no option, not %2");
inline constexpr char kSlashInTaken[] =
    QT_TRANSLATE_NOOP("Engine", "a / in %1 makes no folder (write {taken:%Y}/{taken:%m})");
inline constexpr char kSequenceWidth[] =
    QT_TRANSLATE_NOOP("Engine", "%1 needs a width of 1 to 9 digits, e.g. {seq:4},");
inline constexpr char kUnknownField[] = QT_TRANSLATE_NOOP("Engine", "unknown field %1");
inline constexpr char kDotsFolder[] = QT_TRANSLATE_NOOP("Engine", "a folder cannot be named %1,");

// Destinations refused before a run, or lost during one.
inline constexpr char kBackupIsDestination[] =
    QT_TRANSLATE_NOOP("Engine", "the backup folder is the destination of the %1 group: choose "
                                "another folder");
inline constexpr char kBackupOnSameDisk[] =
    QT_TRANSLATE_NOOP("Engine", "the backup folder %1 is on the same disk as the destination of "
                                "the %2 group: one failure of that disk would lose both copies");
inline constexpr char kDestinationNotMounted[] =
    QT_TRANSLATE_NOOP("Engine", "the destination %1 is not mounted (is its drive connected?)");
inline constexpr char kDestinationOnCard[] =
    QT_TRANSLATE_NOOP("Engine", "the destination %1 is on the card being imported: it would be "
                                "erased with the card");
inline constexpr char kDestinationMissing[] =
    QT_TRANSLATE_NOOP("Engine", "the destination %1 does not exist (is its drive connected?)");
inline constexpr char kDestinationGone[] =
    QT_TRANSLATE_NOOP("Engine", "the destination %1 was unmounted or replaced during the import");
inline constexpr char kDestinationUnopened[] =
    QT_TRANSLATE_NOOP("Engine", "the destination %1 cannot be opened: %2");
inline constexpr char kSpaceNeeded[] = QT_TRANSLATE_NOOP("Engine", "needs %1 at %2, %3 free");
inline constexpr char kNotEnoughSpace[] =
    QT_TRANSLATE_NOOP("Engine", "there is not enough space: %1");
inline constexpr char kFolderLinkAt[] =
    QT_TRANSLATE_NOOP("Engine", "a folder below the destination is a symbolic link: %1");
inline constexpr char kNoDestinationForGroup[] =
    QT_TRANSLATE_NOOP("Engine", "no destination folder is chosen for the %1 group");
inline constexpr char kGroupOff[] = QT_TRANSLATE_NOOP("Engine", "the %1 group is switched off");
inline constexpr char kTypeNotImported[] =
    QT_TRANSLATE_NOOP("Engine", "kestrel does not import .%1 files");
inline constexpr char kNoSafeNaming[] =
    QT_TRANSLATE_NOOP("Engine", "%1 is on a %2 file system, which cannot give a file its name "
                                "without risking replacing another: nothing is copied there.");

// Files beside the copies: the report, sidecars and the hash record.
inline constexpr char kReportUnwritten[] =
    QT_TRANSLATE_NOOP("Engine", "the report could not be written: %1");
inline constexpr char kSidecarUnwritten[] =
    QT_TRANSLATE_NOOP("Engine", "the sidecar cannot be written: %1");
inline constexpr char kXmpUnwritten[] =
    QT_TRANSLATE_NOOP("Engine", "the metadata cannot be written as XMP: %1");
inline constexpr char kRecordUnwritten[] =
    QT_TRANSLATE_NOOP("Engine", "the hash record at %1 cannot be written: %2");
inline constexpr char kRecordDamaged[] =
    QT_TRANSLATE_NOOP("Engine", "the hash record at %1 is damaged: %2");
inline constexpr char kRecordUnreadable[] =
    QT_TRANSLATE_NOOP("Engine", "the hash record at %1 cannot be read: %2");
inline constexpr char kUnreadable[] = QT_TRANSLATE_NOOP("Engine", "%1 cannot be read: %2");
inline constexpr char kDamaged[] = QT_TRANSLATE_NOOP("Engine", "%1 is damaged: %2");

// A job's numbers, kept beside the copies.
inline constexpr char kSequenceUnreachable[] =
    QT_TRANSLATE_NOOP("Engine", "the job sequence in %1 cannot be reached: a symbolic link stands "
                                "in its way");
inline constexpr char kSequenceUnkept[] =
    QT_TRANSLATE_NOOP("Engine", "the job sequence in %1 cannot be kept: %2");
inline constexpr char kSequenceDamaged[] =
    QT_TRANSLATE_NOOP("Engine", "the job sequence in %1 is damaged at line %2; no numbers are "
                                "given until it is repaired, so that none repeats");
inline constexpr char kSequenceUsedUp[] =
    QT_TRANSLATE_NOOP("Engine", "the job sequence in %1 has no numbers left for this job");

// A file a selection left out, and what the record says of files.
inline constexpr char kNotSelectedGone[] =
    QT_TRANSLATE_NOOP("Engine", "not selected; imported before as %1, no longer at its "
                                "destination");
inline constexpr char kRecordLeftOut[] =
    QT_TRANSLATE_NOOP("Engine", "the hash record at %1 lists %2 files less: their names cannot "
                                "be written in it");
inline constexpr char kChainOutside[] =
    QT_TRANSLATE_NOOP("Engine", "the chain lists %1 outside its folder");
inline constexpr char kNotChainFile[] =
    QT_TRANSLATE_NOOP("Engine", "%1 is not the file its chain lists");

// Cameras and phones.
inline constexpr char kCameraSays[] = QT_TRANSLATE_NOOP("Engine", "the camera says: %1");
inline constexpr char kNoFolder[] = QT_TRANSLATE_NOOP("Engine", "there is no folder %1");
inline constexpr char kNoCameraAt[] =
    QT_TRANSLATE_NOOP("Engine", "no camera or phone is connected at %1");
inline constexpr char kTransferUnstarted[] =
    QT_TRANSLATE_NOOP("Engine", "the transfer cannot start: %1");

// A run's progress.
inline constexpr char kProgress[] = QT_TRANSLATE_NOOP("Engine", "%1% · %2 of %3");
inline constexpr char kSpeed[] = QT_TRANSLATE_NOOP("Engine", "%1/s");
inline constexpr char kSecondsLeft[] = QT_TRANSLATE_NOOP("Engine", "%1 s left");
inline constexpr char kMinutesLeft[] = QT_TRANSLATE_NOOP("Engine", "about %1 min left");
inline constexpr char kHoursLeft[] = QT_TRANSLATE_NOOP("Engine", "about %1 h left");
inline constexpr char kHoursMinutesLeft[] = QT_TRANSLATE_NOOP("Engine", "about %1 h %2 min left");

// The sentences ShownText matches back.
// clang-format off
inline constexpr const char* kSentences[] = {
    kAtCharacter, kNamePatternUnusable, kFolderPatternUnusable, kOnlyLowerOption, kNoOption,
    kSlashInTaken, kSequenceWidth, kUnknownField, kDotsFolder,
    kBackupIsDestination, kBackupOnSameDisk, kDestinationNotMounted, kDestinationOnCard,
    kDestinationMissing, kDestinationGone, kDestinationUnopened, kSpaceNeeded, kNotEnoughSpace,
    kFolderLinkAt, kNoDestinationForGroup, kGroupOff, kTypeNotImported, kNoSafeNaming,
    kReportUnwritten, kSidecarUnwritten, kXmpUnwritten, kRecordUnwritten, kRecordDamaged,
    kRecordUnreadable, kSequenceUnreachable, kSequenceUnkept, kSequenceDamaged, kSequenceUsedUp,
    kNotSelectedGone, kRecordLeftOut, kChainOutside, kNotChainFile, kUnreadable, kDamaged,
    kCameraSays, kNoFolder, kNoCameraAt, kTransferUnstarted,
    kProgress, kSpeed, kSecondsLeft, kMinutesLeft, kHoursLeft, kHoursMinutesLeft,
};
// clang-format on

// Texts without parts, shown as they are.

// Why a file is not copied (CopyOutcome's reasons), or more about it.
inline constexpr char kCopied[] = QT_TRANSLATE_NOOP("Engine", "copied");
inline constexpr char kAlreadyThere[] = QT_TRANSLATE_NOOP("Engine", "already at its destination");
inline constexpr char kNameTaken[] = QT_TRANSLATE_NOOP("Engine", "a different file has this name");
inline constexpr char kSourceUnreadable[] =
    QT_TRANSLATE_NOOP("Engine", "the source cannot be read");
inline constexpr char kNotRegular[] = QT_TRANSLATE_NOOP("Engine", "not a regular file");
inline constexpr char kSourceChanged[] =
    QT_TRANSLATE_NOOP("Engine", "it changed while being copied");
inline constexpr char kDestinationFolder[] =
    QT_TRANSLATE_NOOP("Engine", "the destination folder is missing or not writable");
inline constexpr char kDiskFull[] = QT_TRANSLATE_NOOP("Engine", "the disk is full");
inline constexpr char kNoSafePublish[] =
    QT_TRANSLATE_NOOP("Engine", "the destination's file system cannot name a file without "
                                "risking replacing another");
inline constexpr char kIoError[] = QT_TRANSLATE_NOOP("Engine", "an input/output error");
inline constexpr char kUndated[] =
    QT_TRANSLATE_NOOP("Engine", "its date cannot be placed in the calendar");
inline constexpr char kStoppedFirst[] = QT_TRANSLATE_NOOP("Engine", "the import was stopped first");
inline constexpr char kLeftOnCard[] =
    QT_TRANSLATE_NOOP("Engine", "not imported with the current options");
inline constexpr char kFolderLink[] =
    QT_TRANSLATE_NOOP("Engine", "a folder below the destination is a symbolic link");
inline constexpr char kNameTooLong[] =
    QT_TRANSLATE_NOOP("Engine", "the name is too long for the destination's file system");
inline constexpr char kNoDestination[] =
    QT_TRANSLATE_NOOP("Engine", "no destination folder is chosen");
inline constexpr char kVerifyFailed[] =
    QT_TRANSLATE_NOOP("Engine", "the copy read back from the destination differs from the card");
inline constexpr char kNotSelected[] = QT_TRANSLATE_NOOP("Engine", "not selected");
inline constexpr char kFolderMoved[] =
    QT_TRANSLATE_NOOP("Engine", "the destination folder was moved or replaced during the import");
inline constexpr char kCopyChanged[] =
    QT_TRANSLATE_NOOP("Engine", "the copy at the destination has changed since it was imported "
                                "(damaged?)");
inline constexpr char kSidecarTaken[] =
    QT_TRANSLATE_NOOP("Engine", "a file of this name is already there: it is left as it is");
inline constexpr char kXmpNotUtf8[] =
    QT_TRANSLATE_NOOP("Engine", "the metadata cannot be written as XMP (is it valid UTF-8?)");
inline constexpr char kRecordFolderLink[] =
    QT_TRANSLATE_NOOP("Engine", "its ascmhl folder is a symbolic link");

// A name or folder pattern's fault.
inline constexpr char kEmptyPattern[] = QT_TRANSLATE_NOOP("Engine", "the pattern is empty");
inline constexpr char kLoneBrace[] =
    QT_TRANSLATE_NOOP("Engine", "a } with no { (write }} for a } of its own)");
inline constexpr char kSlashInName[] = QT_TRANSLATE_NOOP("Engine", "a file name cannot hold /");
inline constexpr char kUnclosedBrace[] = QT_TRANSLATE_NOOP("Engine", "unclosed {");
inline constexpr char kTakenFormat[] =
    QT_TRANSLATE_NOOP("Engine", "{taken} needs a format, e.g. {taken:%Y-%m-%d},");
inline constexpr char kEmptyFolderName[] = QT_TRANSLATE_NOOP("Engine", "an empty folder name");
inline constexpr char kNameOfItsOwn[] =
    QT_TRANSLATE_NOOP("Engine", "a file name pattern needs {name} or {seq}, so that each file "
                                "gets a name of its own");
inline constexpr char kEndsWithExt[] =
    QT_TRANSLATE_NOOP("Engine", "a file name pattern must end with {ext}, so that each copy "
                                "keeps its ending");

// Cameras and phones.
inline constexpr char kCameraHeld[] =
    QT_TRANSLATE_NOOP("Engine", "another program is using the camera (unmount it in the file "
                                "manager)");
inline constexpr char kCameraGone[] = QT_TRANSLATE_NOOP("Engine", "the camera was disconnected");
inline constexpr char kCameraBusy[] = QT_TRANSLATE_NOOP("Engine", "the camera is busy");
inline constexpr char kNotOnCamera[] = QT_TRANSLATE_NOOP("Engine", "it is no longer on the camera");
inline constexpr char kStopped[] = QT_TRANSLATE_NOOP("Engine", "the import was stopped");
inline constexpr char kTransferAbandoned[] =
    QT_TRANSLATE_NOOP("Engine", "the transfer was abandoned");
inline constexpr char kNoCameraTime[] =
    QT_TRANSLATE_NOOP("Engine", "the camera gives no time for it");

// The highest %N in text: how many parts it takes.
constexpr int partCount(std::string_view text) {
    int count = 0;
    for (std::size_t at = 0; at + 1 < text.size(); ++at)
        if (text[at] == '%' && text[at + 1] >= '1' && text[at + 1] <= '9')
            count = std::max(count, text[at + 1] - '0');
    return count;
}

// True when kSentences holds sentence's text, which is what ShownText matches. By the text,
// not the address: comparing the addresses of two arrays is no constant expression for GCC
// when it builds with AddressSanitizer.
constexpr bool listed(std::string_view sentence) {
    return std::find(std::begin(kSentences), std::end(kSentences), sentence) !=
           std::end(kSentences);
}

// text with each %N replaced by the Nth of parts, in one pass: a part's own "%2" stays.
std::string fillParts(std::string_view text, std::initializer_list<std::string_view> parts);

// Sentence with its parts filled in: filled<kUnknownField>("{jbo}") is "unknown field {jbo}".
template <const char* Sentence, typename... Parts> std::string filled(const Parts&... parts) {
    static_assert(listed(Sentence), "a sentence with parts is one of kSentences");
    static_assert(partCount(Sentence) == sizeof...(Parts), "one part for each %N");
    return fillParts(Sentence, {std::string_view(parts)...});
}

} // namespace kestrel::texts
