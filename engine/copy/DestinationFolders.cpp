#include "copy/DestinationFolders.h"

#include "base/EngineTexts.h"
#include "base/FaultPoints.h"
#include "base/LongPath.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <linux/magic.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace kestrel {

namespace {

constexpr int kLevelFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool onTmpfs(int fd) {
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && static_cast<unsigned long>(fs.f_type) == TMPFS_MAGIC;
}

CopyOutcome fine() {
    return CopyOutcome{Outcome::Copied, 0, {}, {}};
}

// Open folders kept for later files: a few, and never a large share of what this process
// may open, since every staged copy needs descriptors too.
std::size_t openFolderBudget() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 64;
    return std::clamp<std::size_t>(limit.rlim_cur / 8, 5, 64); // a root and four levels
}

// Why name in the folder open as parent could not be opened as a folder.
CopyOutcome levelFailure(int parent, std::string_view name, const std::string& path, int error,
                         int makeError) {
    struct stat st {};
    if ((error == ELOOP || error == ENOTDIR) &&
        ::fstatat(parent, std::string(name).c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(st.st_mode)) {
        std::string link = path;
        link.pop_back();
        return CopyOutcome{
            Outcome::DestinationLink, 0, {}, texts::filled<texts::kFolderLinkAt>(link)};
    }
    // A folder that could not be made is missing for that reason, not just missing.
    if (error == ENOENT && makeError != 0)
        error = makeError;
    return CopyOutcome{destinationFailure(error), error, {}, {}};
}

// The folder at path (root + "/" + levels), reached afresh from the root open as root,
// each level without following a link. O_PATH: for the *at() calls and fstat only.
Fd reachAfresh(int root, const std::string& path, std::size_t rootLength, CopyOutcome& problem) {
    problem = fine();
    Fd at(::openat(root, ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!at.valid())
        problem = CopyOutcome{destinationFailure(errno), errno, {}, {}};
    for (std::size_t start = rootLength; at.valid() && start < path.size();) {
        const std::size_t end = path.find('/', start);
        const std::string level = path.substr(start, end - start);
        Fd next(::openat(at.get(), level.c_str(), O_PATH | kLevelFlags));
        if (!next.valid())
            problem = levelFailure(at.get(), level, path.substr(0, end + 1), errno, 0);
        at = std::move(next);
        start = end + 1;
    }
    return at;
}

} // namespace

CopyOutcome recheck(const DestinationFolder& folder) {
    CopyOutcome problem;
    if (folder.fd == nullptr || folder.root == nullptr)
        return folder.problem;
    const Fd now = reachAfresh(folder.root->get(), folder.path, folder.rootLength, problem);
    struct stat held {};
    struct stat there {};
    if (!now.valid())
        return problem;
    if (::fstat(now.get(), &there) != 0 || ::fstat(folder.fd->get(), &held) != 0)
        return CopyOutcome{destinationFailure(errno), errno, {}, {}};
    if (held.st_dev != there.st_dev || held.st_ino != there.st_ino)
        return CopyOutcome{Outcome::DestinationFolder, 0, {}, texts::kFolderMoved};
    return fine();
}

DestinationFolders::DestinationFolders() : openBudget_(openFolderBudget()) {}

namespace {

// True when the folder at path is the one open at fd.
bool sameFolder(const std::string& path, int fd) {
    const Fd now(openLong(path, O_PATH | O_DIRECTORY));
    struct stat there {};
    struct stat held {};
    return now.valid() && ::fstat(now.get(), &there) == 0 && ::fstat(fd, &held) == 0 &&
           there.st_dev == held.st_dev && there.st_ino == held.st_ino;
}

} // namespace

std::string destinationGone(const std::string& root) {
    return texts::filled<texts::kDestinationGone>(root);
}

CopyOutcome DestinationFolders::openRoot(const std::string& key, const std::string& root) {
    // The root is the user's choice: a link to it is followed. It is never made: a drive
    // that is not plugged in leaves an empty mount point, and copies made there would fill
    // the system disk.
    Fd fd(openLong(root, O_RDONLY | O_DIRECTORY));
    const int error = errno;
    const auto first = firstRoots_.find(key);
    struct stat st {};
    struct stat before {};
    if (!fd.valid() && first != firstRoots_.end())
        return CopyOutcome{Outcome::DestinationFolder, 0, {}, destinationGone(root)};
    if (!fd.valid() && error == ENOENT)
        return CopyOutcome{
            Outcome::DestinationFolder, 0, {}, texts::filled<texts::kDestinationMissing>(root)};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return CopyOutcome{destinationFailure(errno), errno, {}, {}};
    if (first != firstRoots_.end() && (::fstat(first->second->get(), &before) != 0 ||
                                       before.st_dev != st.st_dev || before.st_ino != st.st_ino))
        return CopyOutcome{Outcome::DestinationFolder, 0, {}, destinationGone(root)};
    auto opened = std::make_shared<const Fd>(std::move(fd));
    firstRoots_.try_emplace(key, opened);
    known_[key] = Entry{{}, {}, nullptr, st.st_dev, st.st_ino, false, 0, onTmpfs(opened->get())};
    known_[key].fd = std::move(opened);
    return fine();
}

std::vector<std::string> DestinationFolders::rootsGone() const {
    std::vector<std::string> gone;
    for (const auto& [key, fd] : firstRoots_) {
        const std::string root = key.substr(0, key.size() - 1);
        if (!sameFolder(root, fd->get()))
            gone.push_back(root);
    }
    return gone;
}

void DestinationFolders::checkRoots() {
    for (const std::string& root : rootsGone())
        gone_.insert(root + "/");
}

std::shared_ptr<const Fd> DestinationFolders::openedRoot(const std::string& root) const {
    const auto it = firstRoots_.find(root + "/");
    return it == firstRoots_.end() ? nullptr : it->second;
}

CopyOutcome DestinationFolders::openLevel(const std::string& key, const std::string& parentKey,
                                          std::string_view name, std::size_t rootLength,
                                          ImportLog* log) {
    const int parent = known_.at(parentKey).fd->get();
    const std::string level(name);
    int makeError = 0;
    bool made = false;
    if (!faults::injected(faults::Call::Mkdir) && ::mkdirat(parent, level.c_str(), 0777) == 0) {
        made = true;
        if (log != nullptr)
            log->folderMade(key);
        changed_[parentKey] = known_.at(parentKey).fd;
    } else if (errno != EEXIST) {
        makeError = errno;
    }
    Fd fd(::openat(parent, level.c_str(), kLevelFlags));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return levelFailure(parent, name, key, errno, makeError);
    const auto before = known_.find(key); // opened before, and closed to save descriptors
    made = made || (before != known_.end() && before->second.made);
    keepWithinBudget();
    known_[key] =
        Entry{parentKey, level, nullptr, st.st_dev, st.st_ino, made, rootLength, onTmpfs(fd.get())};
    known_[key].fd = std::make_shared<const Fd>(std::move(fd));
    return fine();
}

void DestinationFolders::keepWithinBudget() {
    const auto open = std::count_if(known_.begin(), known_.end(),
                                    [](const auto& entry) { return entry.second.fd != nullptr; });
    if (static_cast<std::size_t>(open) < openBudget_)
        return;
    // Levels are opened again from their parents when asked for; roots stay open.
    for (auto& [key, entry] : known_)
        if (!entry.parent.empty())
            entry.fd.reset();
}

DestinationFolder DestinationFolders::make(const std::string& root,
                                           const std::vector<std::string_view>& levels,
                                           ImportLog* log, bool asked, bool chosen) {
    DestinationFolder folder{root + "/", root.size() + 1, {}, {}, fine()};
    if (!chosen)
        folder.problem = CopyOutcome{Outcome::NoDestination};
    else if (gone_.contains(folder.path))
        folder.problem = CopyOutcome{Outcome::DestinationFolder, 0, {}, destinationGone(root)};
    else if (const auto it = known_.find(folder.path); it == known_.end() || !it->second.fd)
        folder.problem = openRoot(folder.path, root);
    for (const std::string_view level : levels) {
        const std::string parentKey = folder.path;
        folder.path.append(level).push_back('/');
        if (!asked && log != nullptr)
            log->folderAsked(folder.path);
        if (!folder.problem.copied())
            continue; // the "path:" lines are logged all the same
        // Levels come in order, so the parent is open here.
        const auto it = known_.find(folder.path);
        if (it == known_.end() || it->second.fd == nullptr)
            folder.problem = openLevel(folder.path, parentKey, level, folder.rootLength, log);
    }
    if (folder.problem.copied()) {
        const Entry& entry = known_.at(folder.path);
        folder.root = known_.at(root + "/").fd;
        folder.fd = entry.fd;
        folder.inMemory = entry.inMemory;
    }
    return folder;
}

void DestinationFolders::forget(const std::string& prefix) {
    // Closed, not erased: which of them this run made still counts when the run ends.
    for (auto& [key, entry] : known_)
        if (key.starts_with(prefix))
            entry.fd.reset();
}

std::map<std::string, std::shared_ptr<const Fd>> DestinationFolders::takeChanged() {
    return std::exchange(changed_, {});
}

void DestinationFolders::removeEmptyMade() {
    std::vector<std::string> made;
    for (const auto& [key, entry] : known_)
        if (entry.made)
            made.push_back(key);
    // Deepest first, so a folder emptied of its empty folders goes too.
    std::sort(made.begin(), made.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& key : made) {
        const Entry& entry = known_.at(key);
        CopyOutcome problem;
        const std::string rootKey = key.substr(0, entry.rootLength);
        if (!known_.at(rootKey).fd &&
            !openRoot(rootKey, rootKey.substr(0, rootKey.size() - 1)).copied())
            continue;
        const Fd parent =
            reachAfresh(known_.at(rootKey).fd->get(), entry.parent, entry.rootLength, problem);
        struct stat st {};
        // Only the folder this run made: never one that stands there now in its place.
        if (parent.valid() &&
            ::fstatat(parent.get(), entry.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(st.st_mode) && st.st_dev == entry.device && st.st_ino == entry.inode)
            ::unlinkat(parent.get(), entry.name.c_str(), AT_REMOVEDIR);
    }
}

void makeOneFolder(const std::string& path, ImportLog& log) {
    log.folderAsked(path);
    if (!faults::injected(faults::Call::Mkdir) && ::mkdir(path.c_str(), 0777) == 0)
        log.folderMade(path);
}

} // namespace kestrel
