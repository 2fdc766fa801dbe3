#include "CopyHandler.h"

#include "Classification.h"
#include "CopyBatch.h"
#include "FileDates.h"
#include "Preferences.h"
#include "SourceWalker.h"

#include <sys/stat.h>

#include <cstdio>
#include <ostream>
#include <sstream>

namespace kestrel {

namespace {

bool flagOn(const std::optional<std::string>& flag) {
    return flag && isOn(*flag);
}

std::string parentOf(const std::string& folder) {
    // folder ends in "/": drop it, then keep everything up to the "/" before the last name.
    const auto end = folder.find_last_not_of('/');
    if (end == std::string::npos)
        return folder;
    const auto slash = folder.rfind('/', end);
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
}

} // namespace

CopyHandler::CopyHandler(StatusSink& sink, std::ostream& out)
    : uDefs(openPreferences()), mainViewController(&sink), out_(out), log_(&out) {}

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
}

void CopyHandler::prepareProcessing(const std::string& path) {
    initDoVars();
    ::tzset(); // the local calendar, as TZ says now
    notCopied_ = 0;
    foldersToSync_.clear();
    mainViewController->sayNothing();

    const std::string jpgRoot = getUserDefAsString(keys::ImportPath);
    const std::string rawRoot = getUserDefAsString(keys::ImportPathRAW);
    const std::string sourceRoot = path + "/";

    SourceWalker walker(sourceRoot);
    out_ << sourceRoot << '\n';
    if (!walker.started()) {
        out_ << "error\n";
        ++notCopied_;
    }

    FileList files;
    std::int32_t count = 0;
    while (auto item = walker.next()) {
        if (item->unreadable) {
            // The folder's contents cannot be imported: say so and count it as not copied.
            out_ << "error\n";
            ++notCopied_;
            continue;
        }
        const auto kind = classifyPath(item->path);
        if (!kind)
            continue;
        const bool jpg = kind->group == FileGroup::JPG;
        if (!flagOn(jpg ? doJPG : doRAW))
            continue;
        files.push_back(buildFileList(sourceRoot, item->path, kind->tag, jpg ? jpgRoot : rawRoot));
        ++count;
    }

    out_ << "Ende: " << count << " Dateien gefunden und in Datei-Array geschrieben.\n";
    mainViewController->setBar(count);
    performCopyOperation(files);
    out_.flush();
    summary_ = RunSummary{};
    summary_.source = path;
    summary_.matched = count;
    summary_.notCopied = notCopied_;
    summary_.copied = count - notCopied_;
    mainViewController->sayFinished(summary_);
}

FileEntry CopyHandler::buildFileList(const std::string& sourceRoot, const std::string& fEnum,
                                     const std::string& fileType, const std::string& destPath) {
    const bool byModification = isOn(getUserDefAsString(keys::ModDate));
    std::string fullPath = sourceRoot + fEnum;

    const auto dates = readFileDates(fullPath);
    if (!dates) {
        out_ << "error\n";
        return FileEntry::error();
    }
    auto [year, month, day] = getFullDateString(byModification ? dates->modified : dates->created);
    auto [name, folder] = getNameElements(fullPath);
    return FileEntry(FileFields{fileType, std::move(fullPath), std::move(name), std::move(folder),
                                std::move(year), std::move(month), std::move(day), destPath,
                                dates->identity});
}

std::array<std::string, 2> CopyHandler::getNameElements(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {path, std::string()};
    return {path.substr(slash + 1), path.substr(0, slash + 1)};
}

std::array<std::string, 3> CopyHandler::getFullDateString(std::time_t time) {
    std::tm local{};
    if (::localtime_r(&time, &local) == nullptr)
        return {"0", "00", "00"};
    const auto twoDigits = [](int value) {
        return std::string{static_cast<char>('0' + value / 10),
                           static_cast<char>('0' + value % 10)};
    };
    return {std::to_string(local.tm_year + 1900L), twoDigits(local.tm_mon + 1),
            twoDigits(local.tm_mday)};
}

bool CopyHandler::performCopyOperation(const FileList& files) {
    const auto total = static_cast<std::int32_t>(files.size());
    if (total == 0)
        return true;

    const bool year = flagOn(doJPGYear);
    const bool month = flagOn(doJPGMonth);
    const bool day = flagOn(doJPGDay);
    const std::string ofTotal = " of " + std::to_string(total) + " (";

    // Lines wait here until the copies before them are published.
    std::ostringstream held;
    log_ = &held;
    const auto takeHeld = [&held] {
        std::string text = held.str();
        held.str({});
        return text;
    };
    CopyBatch batch(out_, hooks);

    std::int32_t k = 0;
    for (const FileEntry& entry : files) {
        ++k;
        if (entry.isError()) {
            held << "ERR skipped\n";
            ++notCopied_;
            continue;
        }
        const FileFields& f = entry.fields();

        std::string folder = f.destRoot + "/" + f.fileType + "/";
        makeFolder(folder);
        const std::pair<bool, const std::string*> levels[] = {
            {year, &f.year}, {month, &f.month}, {day, &f.day}};
        for (const auto& [on, level] : levels) {
            if (!on)
                continue;
            folder += *level + "/";
            makeFolder(folder);
        }
        const std::string destPath = folder + f.fileName;

        mainViewController->setBarInc(std::to_string(k) + ofTotal + f.fileName + ")");
        mainViewController->stopBar();

        StagedCopy staged;
        const CopyOutcome staging =
            StagedCopy::stage(f.fullPath, destPath, &f.scanned, PublishRules{}, staged);
        batch.add(takeHeld(), staging, std::move(staged), f.fullPath + " -> " + destPath,
                  std::move(folder));
        if (batch.full())
            notCopied_ += batch.commit(foldersToSync_);
    }
    notCopied_ += batch.commit(foldersToSync_);
    out_ << takeHeld();
    log_ = &out_;
    syncTouchedFolders();
    return true;
}

void CopyHandler::makeFolder(const std::string& path) {
    *log_ << "path: " << path << '\n';
    if (::mkdir(path.c_str(), 0777) == 0) {
        *log_ << "makeFolder: " << path << '\n';
        // The new folder's name lives in its parent.
        foldersToSync_.insert(parentOf(path));
    }
}

bool CopyHandler::copyFile(const std::string& source, const std::string& destPath) {
    const CopyOutcome outcome = copyNoReplace(source, destPath, nullptr, PublishRules{}, hooks);
    if (!outcome.copied())
        *log_ << "copy-error\n";
    return outcome.copied();
}

void CopyHandler::syncTouchedFolders() {
    for (const std::string& folder : foldersToSync_)
        syncFolder(folder);
    foldersToSync_.clear();
}

} // namespace kestrel
