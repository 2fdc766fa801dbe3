#include "run/CardSurvey.h"

#include "base/ContentHash.h"
#include "base/Fd.h"
#include "base/LongPath.h"
#include "copy/TakenName.h"
#include "record/HashRecord.h"
#include "run/DestinationCheck.h"
#include "run/Preferences.h"
#include "scan/Classification.h"
#include "scan/SourceWalker.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <tuple>
#include <utility>

namespace kestrel {

namespace {

// True when the import would find the file open as source, of size bytes, already at
// destination: under its name, or with keepBoth under a numbered name.
bool sameAt(const std::string& destination, int source, off_t size, const ImportOptions& options) {
    const auto slash = destination.rfind('/');
    FolderRef folder;
    if (slash == std::string::npos || folder.open(destination.substr(0, slash + 1)) != 0)
        return false;
    int number = 0;
    return findName(folder, destination.substr(slash + 1), PublishRules(options.keepBoth), number,
                    source, size) == NameState::SameFile;
}

} // namespace

// The files a hash record lists, by name and size: [path below the root, xxh128].
struct StandingCheck::Recorded {
    std::map<std::pair<std::string, std::int64_t>, std::vector<std::pair<std::string, Digest128>>>
        files;
};

SurveyedFile surveyItem(const std::string& path, const Pick& pick, const ImportOptions& options) {
    SurveyedFile file;
    file.path = path;
    file.name = path.substr(path.rfind('/') + 1);
    // Clips have a movie header, or no capture time that can be read at all.
    file.clip = captureKindOf(path) != CaptureKind::Still;
    const bool picked = pick.verdict == Pick::Verdict::Picked;
    const Examined examined = examineItem(path, pick.tag, pick.root, options);
    file.size = examined.dates ? examined.dates->size : 0;
    file.taken = examined.time.text();
    if (!picked) {
        file.standing = Standing::NotImported;
        file.reason = pick.reason;
    } else if (examined.fields && isChosenFolder(pick.root)) {
        file.destination = destinationFolder(*examined.fields, pick.root, options) + file.name;
    }
    return file;
}

std::vector<SurveyedFile> listCard(const std::string& root, const ImportOptions& options,
                                   const std::function<bool()>& stop) {
    std::vector<SurveyedFile> files;
    const std::string sourceRoot = root + "/";
    SourceWalker walker(sourceRoot, destinationKeys(options));
    while (auto item = walker.next()) {
        if (stop && stop())
            break;
        if (item->error != 0)
            continue;
        const Pick pick = pickItem(item->path, item->folder, item->regular, options);
        if (pick.verdict != Pick::Verdict::Passed)
            files.push_back(surveyItem(sourceRoot + item->path, pick, options));
    }
    std::sort(files.begin(), files.end(), [](const SurveyedFile& a, const SurveyedFile& b) {
        return std::tie(a.taken, a.name, a.path) < std::tie(b.taken, b.name, b.path);
    });
    return files;
}

StandingCheck::StandingCheck(const ImportOptions& options) : options_(options) {}

StandingCheck::~StandingCheck() = default;

std::shared_ptr<const StandingCheck::Recorded> StandingCheck::recordOf(const std::string& root) {
    const std::lock_guard lock(mutex_);
    auto& recorded = records_[root];
    if (recorded)
        return recorded;
    auto index = std::make_shared<Recorded>();
    std::string error;
    if (const auto history = readHistory(root, error))
        for (const auto& [path, entry] : history->files)
            if (entry.xxh128 && entry.action != RecordedFile::Action::Failed)
                index->files[{path.substr(path.rfind('/') + 1), entry.size}].emplace_back(
                    path, *entry.xxh128);
    recorded = std::move(index);
    return recorded;
}

Standing StandingCheck::standingOf(const SurveyedFile& file, std::string* recordedPath) {
    if (file.standing == Standing::NotImported)
        return Standing::NotImported;
    const std::string root = pickItem(file.path, false, true, options_).root;
    if (file.destination.empty() || !file.destination.starts_with(root + "/"))
        return Standing::New;
    const Fd source(openLong(file.path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    struct stat st {};
    if (!source.valid() || ::fstat(source.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Standing::New;

    const bool backup = isChosenFolder(options_.backupRoot);
    if (sameAt(file.destination, source.get(), st.st_size, options_) &&
        (!backup || sameAt(options_.backupRoot + file.destination.substr(root.size()), source.get(),
                           st.st_size, options_)))
        return Standing::AtDestination;

    const auto recorded = recordOf(root);
    const auto candidates = recorded->files.find({file.name, st.st_size});
    if (candidates == recorded->files.end())
        return Standing::New;
    const auto digest = hashFile(source.get());
    if (!digest)
        return Standing::New;
    for (const auto& [path, hash] : candidates->second) {
        if (hash != *digest)
            continue;
        if (recordedPath != nullptr)
            *recordedPath = path;
        return Standing::ImportedBefore;
    }
    return Standing::New;
}

} // namespace kestrel
