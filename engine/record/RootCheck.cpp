#include "record/HashRecord.h"

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
    RootCheck(const History& history, const std::function<void(std::int64_t)>& progress,
              const std::function<bool()>& stop, VerifyResult& result)
        : history_(history), progress_(progress), stop_(stop), result_(result) {}

    void walk(int dirFd, const std::string& prefix);
    void finish();

  private:
    bool ignored(const std::string& name, const std::string& path, bool folder) const;
    void check(int dirFd, const std::string& name, const std::string& path, const struct stat& st);
    void unreadable(const std::string& path, int error) {
        result_.unreadable.push_back(path + ": " + std::strerror(error));
    }

    const History& history_;
    const std::function<void(std::int64_t)>& progress_;
    const std::function<bool()>& stop_;
    VerifyResult& result_;
    std::int64_t bytesDone_ = 0;
    std::set<std::string> seen_;                 // regular files, and anything else recorded
    std::vector<std::string> unreadableFolders_; // each ending in '/'
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
        if (S_ISDIR(st.st_mode)) {
            const Fd folder(
                ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (folder.valid()) {
                walk(folder.get(), path + "/");
            } else {
                unreadable(path + "/", errno);
                unreadableFolders_.push_back(path + "/");
            }
        } else {
            check(dirFd, name, path, st);
        }
    }
}

void RootCheck::check(int dirFd, const std::string& name, const std::string& path,
                      const struct stat& st) {
    const auto record = history_.files.find(path);
    if (record != history_.files.end())
        seen_.insert(path);
    if (!S_ISREG(st.st_mode)) {
        // A recorded file replaced by a link or a device is no longer that file.
        if (record != history_.files.end())
            result_.changed.push_back(path);
        return;
    }
    if (record == history_.files.end()) {
        result_.unrecorded.push_back(path);
        return;
    }
    const HistoryEntry& entry = record->second;
    if (entry.size >= 0 && entry.size != st.st_size) {
        result_.changed.push_back(path);
        return;
    }
    if (entry.xxh128.empty()) {
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
    else if (digest->hex() != entry.xxh128)
        result_.changed.push_back(path);
    else
        ++result_.matched;
}

void RootCheck::finish() {
    for (const auto& [path, entry] : history_.files) {
        const auto under = [&](const std::string& folder) { return path.starts_with(folder); };
        // A stopped walk has not seen every file, so none can be called missing.
        if (!result_.stopped && seen_.count(path) == 0 &&
            std::none_of(unreadableFolders_.begin(), unreadableFolders_.end(), under))
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
    const auto history = readHistory(rootPath, result.error);
    if (!history)
        return result;
    const Fd root(::open(rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid()) {
        result.error = rootPath + " cannot be read: " + std::strerror(errno);
        return result;
    }
    RootCheck check(*history, progress, stop, result);
    check.walk(root.get(), "");
    check.finish();
    return result;
}

} // namespace kestrel
