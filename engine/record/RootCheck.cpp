#include "record/HashRecord.h"

#include "base/EngineTexts.h"
#include "base/SystemError.h"
#include "record/GenerationText.h"
#include "record/ImportLog.h"
#include "record/RecordFolder.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <set>

namespace kestrel {

using namespace record;

namespace {

// Walks one root, comparing what it finds with the history.
class RootCheck {
  public:
    RootCheck(const std::string& rootPath, History history,
              const std::function<void(std::int64_t)>& progress, const std::function<bool()>& stop,
              VerifyResult& result)
        : rootPath_(rootPath), history_(std::move(history)), progress_(progress), stop_(stop),
          result_(result) {}

    void walk(int dirFd, const std::string& prefix);
    void finish();

  private:
    bool ignored(const std::string& name, const std::string& path, bool folder) const;
    void check(int dirFd, const std::string& name, const std::string& path, const struct stat& st,
               HistoryEntry* record);
    // The symbolic link met in the walk that path goes through, or null.
    const std::string* linkOn(const std::string& path) const;
    void unreadable(const std::string& path, int error) {
        result_.unreadable.push_back(path + ": " + englishError(error));
    }

    const std::string& rootPath_;
    History history_; // each entry found is marked seen in it
    const std::function<void(std::int64_t)>& progress_;
    const std::function<bool()>& stop_;
    VerifyResult& result_;
    std::int64_t bytesDone_ = 0;
    std::vector<std::string> unreadableFolders_; // each ending in '/'
    std::set<std::string> links_;                // every symbolic link met, never followed
};

bool RootCheck::ignored(const std::string& name, const std::string& path, bool folder) const {
    for (std::string pattern : history_.ignorePatterns) {
        if (pattern.ends_with('/')) {
            if (!folder)
                continue;
            pattern.pop_back();
        }
        // A pattern with a '/' is anchored at the root; one without matches any name.
        const bool anchored = pattern.find('/') != std::string::npos;
        if (anchored && pattern.starts_with('/'))
            pattern.erase(0, 1);
        if (!pattern.empty() && ::fnmatch(pattern.c_str(), (anchored ? path : name).c_str(),
                                          anchored ? FNM_PATHNAME : 0) == 0)
            return true;
    }
    return false;
}

void RootCheck::walk(int dirFd, const std::string& prefix) {
    std::vector<std::string> names;
    if (const int error = listFolder(dirFd, names)) {
        unreadable(prefix.empty() ? "." : prefix, error);
        unreadableFolders_.push_back(prefix);
        return;
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (result_.stopped || (stop_ && stop_())) {
            result_.stopped = true;
            return;
        }
        const std::string path = prefix + name;
        struct stat st {};
        if (prefix.empty() && name == kRecordFolder)
            continue;
        if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            unreadable(path, errno);
            continue;
        }
        if (ignored(name, path, S_ISDIR(st.st_mode)))
            continue;
        const auto record = history_.files.find(path);
        HistoryEntry* recorded = record == history_.files.end() ? nullptr : &record->second;
        if (recorded)
            recorded->seen = true;
        if (S_ISLNK(st.st_mode))
            links_.insert(path);
        if (S_ISDIR(st.st_mode)) {
            // A recorded file replaced by a folder is no longer that file.
            if (recorded)
                result_.changed.push_back(path);
            const Fd folder(
                ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (folder.valid()) {
                walk(folder.get(), path + "/");
            } else {
                unreadable(path + "/", errno);
                unreadableFolders_.push_back(path + "/");
            }
        } else {
            check(dirFd, name, path, st, recorded);
        }
    }
}

void RootCheck::check(int dirFd, const std::string& name, const std::string& path,
                      const struct stat& st, HistoryEntry* record) {
    if (!S_ISREG(st.st_mode)) {
        // A recorded file replaced by a link or a device is no longer that file.
        if (record)
            result_.changed.push_back(path);
        return;
    }
    if (!record) {
        result_.unrecorded.push_back(path);
        return;
    }
    const HistoryEntry& entry = *record;
    if (entry.size >= 0 && entry.size != st.st_size) {
        result_.changed.push_back(path);
        return;
    }
    if (!entry.xxh128) {
        result_.unchecked.push_back(path);
        return;
    }
    const auto digest = hashFileAt(dirFd, name, [this](std::int64_t bytes) {
        bytesDone_ += bytes;
        if (progress_)
            progress_(bytesDone_);
    });
    if (!digest)
        unreadable(path, errno);
    else if (*digest != *entry.xxh128)
        result_.changed.push_back(path);
    else
        ++result_.matched;
}

const std::string* RootCheck::linkOn(const std::string& path) const {
    for (std::size_t slash = path.find('/'); !links_.empty() && slash != std::string::npos;
         slash = path.find('/', slash + 1))
        if (const auto link = links_.find(path.substr(0, slash)); link != links_.end())
            return &*link;
    return nullptr;
}

void RootCheck::finish() {
    // A stopped walk has not seen every file, so none can be called missing.
    for (const auto& [path, entry] : history_.files) {
        const auto under = [&](const std::string& folder) { return path.starts_with(folder); };
        if (result_.stopped || entry.seen ||
            std::any_of(unreadableFolders_.begin(), unreadableFolders_.end(), under))
            continue;
        // The walk does not follow the link, and what lies behind it may be outside the root.
        if (const std::string* link = linkOn(path); link && result_.error.empty())
            result_.error =
                damagedEntry(rootPath_, history_.generationNames[entry.generation], entry.ordinal,
                             path, "the path goes through the symbolic link " + quotedName(*link));
        else if (!link)
            result_.missing.push_back(path);
    }
    for (auto* list : {&result_.missing, &result_.changed, &result_.unrecorded, &result_.unchecked,
                       &result_.unreadable})
        std::sort(list->begin(), list->end());
}

} // namespace

VerifyResult verifyRoot(const std::string& rootPath,
                        const std::function<void(std::int64_t bytesDone)>& progress,
                        const std::function<bool()>& stop) {
    VerifyResult result;
    auto history = readHistory(rootPath, result.error);
    if (!history)
        return result;
    return verifyRoot(rootPath, std::move(*history), progress, stop);
}

VerifyResult verifyRoot(const std::string& rootPath, History history,
                        const std::function<void(std::int64_t bytesDone)>& progress,
                        const std::function<bool()>& stop) {
    VerifyResult result;
    const Fd root(::open(rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid()) {
        result.error = texts::filled<texts::kUnreadable>(rootPath, englishError(errno));
        return result;
    }
    RootCheck check(rootPath, std::move(history), progress, stop, result);
    check.walk(root.get(), "");
    check.finish();
    return result;
}

} // namespace kestrel
