#include "run/CardSurvey.h"

#include "base/ContentHash.h"
#include "base/Fd.h"
#include "base/LongPath.h"
#include "copy/TakenName.h"
#include "device/Device.h"
#include "record/HashRecord.h"
#include "run/DestinationCheck.h"
#include "run/Preferences.h"
#include "scan/Classification.h"
#include "scan/SourceWalker.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

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

// The digest of the bytes device sends of the file at path; none when it cannot send them all.
std::optional<Digest128> hashSent(Device& device, const std::string& path) {
    DeviceTransfer transfer(device, path);
    ContentHash hash;
    char buffer[1 << 16];
    ssize_t got = 0;
    while (transfer.fd() >= 0 && (got = ::read(transfer.fd(), buffer, sizeof buffer)) > 0)
        hash.update(buffer, static_cast<std::size_t>(got));
    if (got < 0 || !transfer.finish().empty())
        return std::nullopt;
    return hash.digest();
}

} // namespace

// A root's hash record, and its files with an xxh128 hash by name and size.
struct StandingCheck::Recorded {
    using Entry = std::pair<const std::string, HistoryEntry>;
    std::optional<History> history;
    std::map<std::pair<std::string, std::int64_t>, std::vector<const Entry*>> files;
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
        file.fields = std::make_shared<const FileFields>(std::move(*examined.fields));
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
    index->history = readHistory(root, error);
    if (index->history)
        for (const auto& file : index->history->files)
            if (file.second.xxh128 && file.second.action != RecordedFile::Action::Failed)
                index->files[{file.first.substr(file.first.rfind('/') + 1), file.second.size}]
                    .push_back(&file);
    recorded = std::move(index);
    return recorded;
}

Standing StandingCheck::standingOf(const SurveyedFile& file, std::string* recordedPath,
                                   Device* device) {
    if (file.standing == Standing::NotImported)
        return Standing::NotImported;
    const std::string root = pickItem(file.path, false, true, options_).root;
    if (file.destination.empty() || !file.destination.starts_with(root + "/"))
        return Standing::New;
    if (!file.devicePath.empty())
        return deviceStanding(file, root, recordedPath, device);
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
    for (const Recorded::Entry* entry : candidates->second) {
        if (*entry->second.xxh128 != *digest)
            continue;
        if (recordedPath != nullptr)
            *recordedPath = entry->first;
        return Standing::ImportedBefore;
    }
    return Standing::New;
}

Standing StandingCheck::deviceStanding(const SurveyedFile& file, const std::string& root,
                                       std::string* recordedPath, Device* device) {
    // The camera sends the whole file at most once, and only when a copy may be it.
    std::optional<std::optional<Digest128>> sent;
    const auto sentDigest = [&]() -> std::optional<Digest128> {
        if (!sent)
            sent = device != nullptr ? hashSent(*device, file.devicePath) : std::nullopt;
        return *sent;
    };
    const std::string& backup = options_.backupRoot;
    if (deviceCopyAt(file.destination, root, file, sentDigest) &&
        (!isChosenFolder(backup) ||
         deviceCopyAt(backup + file.destination.substr(root.size()), backup, file, sentDigest)))
        return Standing::AtDestination;
    if (file.size < 0 || file.deviceTime == 0)
        return Standing::New;
    const auto recorded = recordOf(root);
    const auto candidates = recorded->files.find({file.name, file.size});
    if (candidates == recorded->files.end())
        return Standing::New;
    for (const Recorded::Entry* entry : candidates->second) {
        if (entry->second.lastModified != file.deviceTime)
            continue;
        if (recordedPath != nullptr)
            *recordedPath = entry->first;
        return Standing::ImportedBefore;
    }
    return Standing::New;
}

bool StandingCheck::deviceCopyAt(const std::string& destination, const std::string& root,
                                 const SurveyedFile& file,
                                 const std::function<std::optional<Digest128>()>& sent) {
    const Fd copy(openLong(destination, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    struct stat st {};
    if (!copy.valid() || ::fstat(copy.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        (file.size >= 0 && st.st_size != file.size))
        return false;
    const auto there = hashFile(copy.get());
    if (!there)
        return false;
    // Recorded under this very path from a file of the camera's size and time, as the import
    // trusts it: the bytes were compared with the camera's when that record was made.
    const auto recorded = recordOf(root);
    if (recorded->history && file.size >= 0 && file.deviceTime != 0) {
        const auto entry = recorded->history->files.find(destination.substr(root.size() + 1));
        if (entry != recorded->history->files.end() && entry->second.xxh128 == there &&
            entry->second.action != RecordedFile::Action::Failed &&
            entry->second.size == file.size && entry->second.lastModified == file.deviceTime)
            return true;
    }
    return sent() == there;
}

} // namespace kestrel
