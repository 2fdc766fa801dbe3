#include "run/CopyHandler.h"

#include "base/Fd.h"
#include "base/LongPath.h"
#include "run/CopyPass.h"
#include "run/Preferences.h"
#include "run/SpaceCheck.h"
#include "scan/CaptureDate.h"
#include "scan/Classification.h"
#include "scan/FileDates.h"
#include "scan/SourceWalker.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>

namespace kestrel {

namespace {
// The year as it is, month and day with two digits: the date folders' names.
std::array<std::string, 3> dateStrings(long year, int month, int day) {
    const auto twoDigits = [](int value) {
        return std::string{static_cast<char>('0' + value / 10),
                           static_cast<char>('0' + value % 10)};
    };
    return {std::to_string(year), twoDigits(month), twoDigits(day)};
}
} // namespace

CopyHandler::CopyHandler(StatusSink& sink, std::ostream& out)
    : uDefs(openPreferences()), mainViewController(&sink), log_(out),
      options_(readImportOptions(*uDefs)) {}

std::string CopyHandler::getUserDefAsString(const char* key) const {
    return kestrel::getUserDefAsString(*uDefs, key);
}

void CopyHandler::initDoVars() {
    doJPG = getUserDefAsString(keys::JPG);
    doRAW = getUserDefAsString(keys::RAW);
    doJPGYear = getUserDefAsString(keys::JPGYear);
    doJPGMonth = getUserDefAsString(keys::JPGMonth);
    doJPGDay = getUserDefAsString(keys::JPGDay);
    doRAWYear = getUserDefAsString(keys::RAWYear);
    doRAWMonth = getUserDefAsString(keys::RAWMonth);
    doRAWDay = getUserDefAsString(keys::RAWDay);
    options_ = readImportOptions(*uDefs);
}

void CopyHandler::prepareProcessing(const std::string& path) {
    initDoVars();
    ::tzset(); // the local calendar, as TZ says now
    summary_ = RunSummary{};
    summary_.source = path;
    summary_.byCaptureDate = options_.byCaptureDate;
    summary_.verified = options_.verify;
    summary_.destinations = isChosenFolder(options_.backupRoot) ? 2 : 1;
    report_.open(path);
    mainViewController->sayNothing();

    const std::string sourceRoot = path + "/";
    log_.sourceRoot(sourceRoot);
    const FileList files = scan(sourceRoot);
    summary_.matched = static_cast<std::int32_t>(files.size());
    log_.count(summary_.matched);
    // Output that cannot be written (a closed pipe) stops the run before its first copy.
    if (!log_.flush() && stop != nullptr && !stop->requested())
        stop->request(SIGPIPE);
    mainViewController->setBar(summary_.matched);
    std::int64_t bytes = 0;
    for (const FileEntry& entry : files)
        bytes += entry.isError() ? 0 : entry.fields().size;
    mainViewController->setTotalBytes(bytes);

    checkSpace(files);
    performCopyOperation(files);
    report_.finish(summary_);
    summary_.reportPath = report_.path();
    summary_.reportProblem = report_.problem();
    mainViewController->sayFinished(summary_);
}

void CopyHandler::unreadable(const std::string& path, int error) {
    const CopyOutcome why{Outcome::SourceUnreadable, error, {}};
    log_.error(path, why);
    summary_.addUnreadable(path, why);
    report_.add(path, why);
}

FileList CopyHandler::scan(const std::string& sourceRoot) {
    FileList files;
    SourceWalker walker(sourceRoot);
    if (!walker.started()) {
        unreadable(sourceRoot, walker.rootError());
        return files;
    }
    while (auto item = walker.next()) {
        if (item->error != 0) {
            unreadable(sourceRoot + item->path, item->error);
            continue;
        }
        auto kind = classifyPath(item->path);
        const auto format = item->folder ? std::nullopt : mediaFormat(item->path);
        if (!kind && options_.otherFormats && format)
            kind = format->kind;
        const bool jpg = kind && kind->group == FileGroup::JPG;
        if (kind && (jpg ? options_.jpg : options_.raw))
            files.push_back(buildFileList(sourceRoot, item->path, kind->tag,
                                          jpg ? options_.jpgRoot : options_.rawRoot));
        else if (format && item->regular)
            leftOnCard(sourceRoot + item->path, kind);
    }
    return files;
}

void CopyHandler::leftOnCard(const std::string& path, const std::optional<FileKind>& kind) {
    std::string why;
    if (kind)
        why = std::string("the ") + (kind->group == FileGroup::JPG ? "JPG" : "RAW") +
              " group is switched off";
    else
        why = "kestrel does not import ." + std::string(extensionOf(path)) + " files";
    const CopyOutcome outcome{Outcome::LeftOnCard, 0, {}, std::move(why)};
    summary_.addLeftOnCard(path, outcome);
    report_.add(path, outcome);
}

FileEntry CopyHandler::buildFileList(const std::string& sourceRoot, const std::string& fEnum,
                                     const std::string& fileType, const std::string& destPath) {
    std::string fullPath = sourceRoot + fEnum;
    const auto failed = [&](Outcome outcome, int error) {
        const CopyOutcome why{outcome, error, {}};
        log_.error(fullPath, why);
        return FileEntry::error(fullPath, why);
    };

    const auto dates = readFileDates(fullPath);
    if (!dates)
        return failed(Outcome::SourceUnreadable, errno);
    std::array<std::string, 3> date;
    if (options_.byCaptureDate && S_ISREG(dates->identity.type))
        date = captureDateString(fullPath);
    if (date[0].empty()) {
        summary_.datedByFileTimes += options_.byCaptureDate ? 1 : 0;
        date = getFullDateString(options_.byModification ? dates->modified : dates->created);
    }
    auto [year, month, day] = std::move(date);
    if (year.empty())
        return failed(Outcome::Undated, EOVERFLOW);
    auto [name, folder] = getNameElements(fullPath);
    return FileEntry(FileFields{fileType, std::move(fullPath), std::move(name), std::move(folder),
                                std::move(year), std::move(month), std::move(day), destPath,
                                dates->identity, dates->size});
}

std::array<std::string, 2> CopyHandler::getNameElements(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {path, std::string()};
    return {path.substr(slash + 1), path.substr(0, slash + 1)};
}

std::array<std::string, 3> CopyHandler::getFullDateString(std::time_t time) {
    std::tm local{};
    if (::localtime_r(&time, &local) == nullptr || local.tm_year + 1900L < 1)
        return {};
    return dateStrings(local.tm_year + 1900L, local.tm_mon + 1, local.tm_mday);
}

std::array<std::string, 3> CopyHandler::captureDateString(const std::string& path) {
    const auto kind = captureKindOf(path);
    if (!kind)
        return {};
    const Fd file(openLong(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    const auto taken = file.valid() ? readCaptureDay(file.get(), *kind) : std::nullopt;
    if (!taken)
        return {};
    return dateStrings(taken->year, taken->month, taken->day);
}

void CopyHandler::checkSpace(const FileList& files) {
    fits_.clear();
    const SpacePlan space = planSpace(files, options_);
    if (space.shortfalls.empty())
        return;
    std::vector<std::string> shortfalls;
    for (const SpaceShortfall& shortfall : space.shortfalls)
        shortfalls.push_back(describe(shortfall));
    noSpace_ = "there is not enough space: " + shortfalls.front();
    const bool some = mainViewController->spaceShort(shortfalls) == WhenShort::CopyWhatFits;
    fits_ = some ? space.fits : std::vector<bool>(files.size(), false);
}

bool CopyHandler::performCopyOperation(const FileList& files) {
    if (files.empty())
        return true;
    CopyPass pass({options_, folders_, log_, *mainViewController, summary_, report_, hooks, stop});
    pass.run(files, fits_, noSpace_);
    log_.flush();
    return true;
}

void CopyHandler::makeFolder(const std::string& path) {
    makeOneFolder(path, log_);
    log_.append(log_.takeFileLines());
    log_.flush();
}

bool CopyHandler::copyFile(const std::string& source, const std::string& destPath) {
    const CopyOutcome outcome =
        copyNoReplace(source, destPath, nullptr, PublishRules{options_.keepBoth}, hooks);
    if (!outcome.copied())
        log_.copyError();
    log_.flush();
    return outcome.copied();
}

} // namespace kestrel
