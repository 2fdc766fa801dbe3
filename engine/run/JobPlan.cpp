#include "run/JobPlan.h"

#include "base/EngineTexts.h"
#include "base/Fd.h"
#include "base/LongPath.h"
#include "copy/FileSystemInfo.h"
#include "plan/JobSequence.h"
#include "plan/NameGroups.h"
#include "run/DestinationCheck.h"
#include "run/Preferences.h"
#include "scan/CaptureDate.h"

#include <fcntl.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace kestrel {

namespace {

std::optional<NamePattern> parsed(const std::string& text, NamePattern::Kind kind) {
    return text.empty() ? std::nullopt : NamePattern::parse(text, kind).pattern;
}

// A path below a root as its folders and name.
FilePlace placeOfPath(const std::string& path) {
    FilePlace place;
    std::size_t from = 0;
    for (std::size_t slash; (slash = path.find('/', from)) != std::string::npos; from = slash + 1)
        if (slash > from)
            place.folders.push_back(path.substr(from, slash - from));
    place.name = path.substr(from);
    return place;
}

std::string cameraModel(const std::string& path) {
    const Fd file(openLong(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    return file.valid() ? readCameraModel(file.get()) : std::string();
}

} // namespace

FilePlace designedPlace(const FileFields& f, const ImportOptions& options) {
    FilePlace place{{}, f.fileName, {}};
    for (const std::string_view level : folderLevels(f, options))
        place.folders.emplace_back(level);
    return place;
}

std::string jobRefusal(const ImportOptions& options, bool numbers) {
    bool numbered = false;
    for (const auto& [text, kind] : {std::pair{&options.namePattern, NamePattern::Kind::FileName},
                                     {&options.folderPattern, NamePattern::Kind::Folders}}) {
        if (text->empty())
            continue;
        const NamePattern::Parsed pattern = NamePattern::parse(*text, kind);
        if (!pattern.pattern)
            return kind == NamePattern::Kind::FileName
                       ? texts::filled<texts::kNamePatternUnusable>(pattern.error)
                       : texts::filled<texts::kFolderPatternUnusable>(pattern.error);
        numbered = numbered || pattern.pattern->usesSequence();
    }
    return numbered && numbers
               ? reserveAtEvery(destinationRoots(options), options.job, 0, false).error
               : std::string();
}

JobPlan::JobPlan(ImportOptions options)
    : options_(std::move(options)),
      names_(parsed(options_.namePattern, NamePattern::Kind::FileName)),
      folders_(parsed(options_.folderPattern, NamePattern::Kind::Folders)) {}

NameValues JobPlan::valuesOf(const FileFields& f, const Source& source) const {
    NameValues values;
    values.name = splitName(f.fileName).stem;
    values.taken = f.taken;
    values.job = options_.job;
    values.card = source.card;
    values.tag = f.fileType;
    // Read only when asked for: it opens the photo.
    if ((names_ && names_->usesCamera()) || (folders_ && folders_->usesCamera()))
        values.camera = f.streamed ? source.camera : cameraModel(f.fullPath);
    return values;
}

JobPlan::Placed JobPlan::place(const FileList& files, const Source& source,
                               const std::vector<bool>& fits, bool reserve) const {
    Placed placed;
    if (!active())
        return placed;
    placed.places.resize(files.size());
    std::vector<std::size_t> entries;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!files[i].isError()) {
            entries.push_back(i);
            paths.push_back(files[i].fields().fullPath);
        }
    std::vector<std::vector<std::size_t>> groups = nameGroups(paths);
    for (std::vector<std::size_t>& group : groups)
        for (std::size_t& member : group)
            member = entries[member];

    // A file filed before goes where it went; a group takes a number for its others.
    const bool numbered =
        (names_ && names_->usesSequence()) || (folders_ && folders_->usesSequence());
    const bool backup = isChosenFolder(options_.backupRoot);
    std::vector<bool> recorded(files.size());
    std::vector<std::string> recordedStem(groups.size()); // of a group's first file filed before
    std::vector<bool> takes(groups.size());
    std::set<std::string> roots;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (const std::size_t i : groups[g])
            if (auto copy = recordedName ? recordedName(files[i].fields()) : std::nullopt) {
                placed.places[i] = placeOfPath(copy->path);
                if (recordedStem[g].empty())
                    recordedStem[g] = splitName(placed.places[i].name).stem;
                placed.places[i].recorded = std::move(copy);
                recorded[i] = true;
            }
        // A group filed before keeps its name: none of it takes a number again.
        if (!recordedStem[g].empty() || !numbered)
            continue;
        for (const std::size_t i : groups[g])
            if (fits.empty() || fits[i]) {
                const FileFields& f = files[i].fields();
                takes[g] = true;
                if (isChosenFolder(f.destRoot))
                    roots.insert(f.destRoot);
                if (backup)
                    roots.insert(options_.backupRoot);
            }
    }
    std::uint64_t next = 0;
    if (const auto count = std::count(takes.begin(), takes.end(), true)) {
        const JobSequence::Reserved numbers =
            reserveAtEvery({roots.begin(), roots.end()}, options_.job, count, reserve);
        if (!numbers.error.empty())
            return {{}, numbers.error};
        next = numbers.first;
    }

    std::map<std::string, bool> fat; // by root
    const auto onFat = [&fat](const std::string& root) {
        const auto [at, fresh] = fat.try_emplace(root, false);
        if (fresh && isChosenFolder(root))
            at->second = onFatFileSystem(root);
        return at->second;
    };
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::vector<std::size_t>& group = groups[g];
        std::size_t from = group.front();
        bool anyFat = backup && onFat(options_.backupRoot);
        for (const std::size_t i : group) {
            if (files[from].fields().fileType != "JPG" && files[i].fields().fileType == "JPG")
                from = i;
            anyFat = onFat(files[i].fields().destRoot) || anyFat;
        }
        NameValues values = valuesOf(files[from].fields(), source);
        values.seq = takes[g] ? next++ : 0;
        // One name for the group wherever it goes: safe on FAT if any of its roots is.
        for (const std::size_t i : group) {
            if (recorded[i])
                continue;
            const FileFields& f = files[i].fields();
            values.ext = splitName(f.fileName).ending;
            // Each file is filed under its own tag: a raw file goes with the raw files.
            values.tag = f.fileType;
            FilePlace& place = placed.places[i];
            place.name = names_ ? names_->render(values, anyFat).front() : f.fileName;
            // The others of a group filed before take its name, each with its own ending.
            if (!recordedStem[g].empty())
                place.name = recordedStem[g] + splitName(place.name).ending;
            place.folders =
                folders_ ? folders_->render(values, anyFat) : designedPlace(f, options_).folders;
        }
    }
    return placed;
}

} // namespace kestrel
