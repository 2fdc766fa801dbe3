#include "run/CopyHandler.h"

#include "base/EngineTexts.h"
#include "run/CardItem.h"
#include "run/CopyPass.h"
#include "run/DestinationCheck.h"
#include "run/JobSurvey.h"
#include "run/Preferences.h"
#include "run/RecordedCopies.h"
#include "run/RunRecords.h"
#include "run/SpaceCheck.h"
#include "scan/SourceWalker.h"

#include <csignal>

namespace kestrel {

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
    options_ = givenOptions ? *givenOptions : readImportOptions(*uDefs);
}

void CopyHandler::prepareProcessing(const std::string& path) {
    jobSource_ = {path.substr(path.rfind('/') + 1), {}};
    if (!begin(path, path))
        return;
    copyAll(scan(path + "/"));
}

bool CopyHandler::begin(const std::string& source, const std::string& folder) {
    initDoVars();
    ::tzset(); // the local calendar, as TZ says now
    summary_ = RunSummary{};
    summary_.source = source;
    summary_.fromDevice = fromDevice_;
    summary_.byCaptureDate = options_.byCaptureDate;
    summary_.verified = options_.verify;
    summary_.destinations = isChosenFolder(options_.backupRoot) ? 2 : 1;
    summary_.selection = only != nullptr;
    if (dryRun == nullptr)
        report_.open(source);
    mainViewController->sayNothing();

    log_.sourceRoot(source + "/");
    // Copies that would be one copy, or that would go with the card, are no copies at all.
    summary_.refused = refusedDestinations(folder, options_);
    if (summary_.refused.empty())
        summary_.refused = jobRefusal(options_);
    if (!summary_.refused.empty()) {
        log_.flush();
        finish();
        return false;
    }
    if (const std::string oneDisk = backupOnDestinationDisk(options_); !oneDisk.empty())
        mainViewController->sayWarning(oneDisk);
    return true;
}

void CopyHandler::copyAll(const FileList& files) {
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

    if (dryRun == nullptr)
        checkSpace(files);
    std::vector<FilePlace> places;
    if (!placeFiles(files, places))
        return;
    if (dryRun != nullptr)
        return printPlan(files, places);
    if (!files.empty()) {
        CopyPass pass(
            {options_, folders_, log_, *mainViewController, summary_, report_, hooks, stop});
        pass.placeBy(std::move(places));
        pass.readRecordsFrom(std::move(histories_));
        pass.run(files, fits_, noSpace_);
        log_.flush();
    }
    finish();
}

bool CopyHandler::placeFiles(const FileList& files, std::vector<FilePlace>& places) {
    JobPlan plan(options_);
    // A card imported again after its copies were renamed: each file found by its bytes in
    // its destination's record goes where it went, and takes no new number.
    RecordedCopies recorded(histories_, &folders_);
    if (plan.active())
        plan.recordedName = [&recorded](const FileFields& f) { return recorded.find(f); };
    JobPlan::Placed placed = plan.place(files, jobSource_, fits_, dryRun == nullptr);
    places = std::move(placed.places);
    if (placed.refusal.empty())
        return true;
    summary_.refused = placed.refusal;
    if (dryRun == nullptr)
        finish();
    return false;
}

void CopyHandler::finish() {
    report_.finish(summary_);
    summary_.reportPath = report_.path();
    summary_.reportProblem = report_.problem();
    mainViewController->sayFinished(summary_);
}

void CopyHandler::unreadable(const std::string& path, int error) {
    unreadable(path, CopyOutcome{Outcome::SourceUnreadable, error, {}});
}

void CopyHandler::unreadable(const std::string& path, const CopyOutcome& why) {
    log_.error(path, why);
    summary_.addUnreadable(path, why);
    report_.add(path, why);
}

FileList CopyHandler::scan(const std::string& sourceRoot) {
    FileList files;
    SourceWalker walker(sourceRoot, destinationKeys(options_));
    if (!walker.started()) {
        unreadable(sourceRoot, walker.rootError());
        return files;
    }
    // With a job's patterns on, a file left out of the selection is safe where its job or its
    // record puts it, which only the whole card tells.
    const bool job = !options_.namePattern.empty() || !options_.folderPattern.empty();
    std::vector<SurveyedFile> unselected;
    while (auto item = walker.next()) {
        if (item->error != 0) {
            unreadable(sourceRoot + item->path, item->error);
            continue;
        }
        const Pick pick = pickItem(item->path, item->folder, item->regular, options_);
        const bool picked = pick.verdict == Pick::Verdict::Picked;
        if (pick.verdict == Pick::Verdict::LeftOnCard)
            leftOnCard(sourceRoot + item->path, pick.reason);
        else if (picked && only != nullptr && !only->contains(sourceRoot + item->path) && job)
            unselected.push_back(surveyItem(sourceRoot + item->path, pick, options_));
        else if (picked && only != nullptr && !only->contains(sourceRoot + item->path))
            notSelected(sourceRoot + item->path, pick);
        else if (picked)
            files.push_back(buildFileList(sourceRoot, item->path, pick.tag, pick.root));
    }
    placeByJob(unselected, sourceRoot.substr(0, sourceRoot.size() - 1), options_);
    for (const SurveyedFile& file : unselected) {
        std::string recorded;
        notSelected(file, standingOf(file, &recorded), recorded);
    }
    return files;
}

void CopyHandler::leftOnCard(const std::string& path, std::string why) {
    const CopyOutcome outcome{Outcome::LeftOnCard, 0, {}, std::move(why)};
    summary_.addLeftOnCard(path, outcome);
    report_.add(path, outcome);
}

Standing CopyHandler::standingOf(const SurveyedFile& file, std::string* recorded, Device* device) {
    if (!standings_)
        standings_ = std::make_unique<StandingCheck>(options_);
    return standings_->standingOf(file, recorded, device);
}

void CopyHandler::notSelected(const std::string& path, const Pick& pick) {
    const SurveyedFile file = surveyItem(path, pick, options_);
    std::string recorded;
    notSelected(file, standingOf(file, &recorded), recorded);
}

void CopyHandler::notSelected(const SurveyedFile& file, Standing standing,
                              const std::string& recorded) {
    const std::string& path = file.path;
    if (standing == Standing::AtDestination) {
        ++summary_.unselectedSafe;
        return;
    }
    // A record says it was imported once; only a copy that is there proves it safe.
    const bool importedBefore = standing == Standing::ImportedBefore;
    const CopyOutcome outcome{Outcome::NotSelected, 0, file.destination,
                              importedBefore
                                  ? texts::filled<texts::kNotSelectedGone>(recorded)
                                  : std::string()};
    summary_.addNotSelected(path, outcome, importedBefore);
    report_.add(path, outcome);
}

FileEntry CopyHandler::buildFileList(const std::string& sourceRoot, const std::string& fEnum,
                                     const std::string& fileType, const std::string& destPath) {
    Examined examined = examineItem(sourceRoot + fEnum, fileType, destPath, options_);
    if (examined.dates && !examined.time.fromCapture)
        summary_.datedByFileTimes += options_.byCaptureDate ? 1 : 0;
    if (examined.fields)
        return FileEntry(std::move(*examined.fields));
    log_.error(sourceRoot + fEnum, examined.problem);
    return FileEntry::error(sourceRoot + fEnum, std::move(examined.problem));
}

std::array<std::string, 2> CopyHandler::getNameElements(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {path, std::string()};
    return {path.substr(slash + 1), path.substr(0, slash + 1)};
}

std::array<std::string, 3> CopyHandler::getFullDateString(std::time_t time) {
    const FilingTime local = localFilingTime(time);
    return local.placed ? local.folders() : std::array<std::string, 3>{};
}

void CopyHandler::checkSpace(const FileList& files) {
    fits_.clear();
    const SpacePlan space = planSpace(files, options_);
    if (space.shortfalls.empty())
        return;
    std::vector<std::string> shortfalls;
    for (const SpaceShortfall& shortfall : space.shortfalls)
        shortfalls.push_back(describe(shortfall));
    noSpace_ = texts::filled<texts::kNotEnoughSpace>(shortfalls.front());
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
