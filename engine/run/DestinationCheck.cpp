#include "run/DestinationCheck.h"

#include "base/EngineTexts.h"
#include "base/Fd.h"
#include "run/Preferences.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>
#include <utility>

namespace kestrel {

namespace {

std::optional<FolderId> idOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return FolderId{st.st_dev, st.st_ino};
}

// True when the folder at path is source or lies below it. Climbs by "..", so links and
// bind mounts on the way count as what they lead to.
bool inside(const std::string& path, const FolderId& source) {
    Fd at(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (int depth = 0; at.valid() && depth < PATH_MAX / 2; ++depth) {
        const auto id = idOf(at.get());
        if (!id)
            return false;
        if (*id == source)
            return true;
        Fd up(::openat(at.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (up.valid() && idOf(up.get()) == id)
            return false; // the top: "/" is its own parent
        at = std::move(up);
    }
    return false;
}

// The folder at which the file system holding path is mounted.
std::string mountPointOf(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr)
        return {};
    std::string at = real;
    std::free(real);
    struct stat here {};
    if (::stat(at.c_str(), &here) != 0)
        return {};
    while (at != "/") {
        const std::size_t slash = at.rfind('/');
        const std::string parent = slash == 0 ? "/" : at.substr(0, slash);
        struct stat above {};
        if (::stat(parent.c_str(), &above) != 0 || above.st_dev != here.st_dev)
            break;
        at = parent;
    }
    return at;
}

} // namespace

std::optional<FolderId> folderId(const std::string& path) {
    const Fd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() ? idOf(fd.get()) : std::nullopt;
}

std::vector<std::string> destinationRoots(const ImportOptions& options) {
    std::vector<std::string> roots;
    for (const auto& [on, root] : {std::pair{options.jpg, &options.jpgRoot},
                                   {options.raw, &options.rawRoot},
                                   {true, &options.backupRoot}})
        if (on && isChosenFolder(*root))
            roots.push_back(*root);
    return roots;
}

std::vector<SourceWalker::FolderKey> destinationKeys(const ImportOptions& options) {
    std::vector<SourceWalker::FolderKey> keys;
    for (const std::string& root : destinationRoots(options))
        if (const auto id = folderId(root))
            keys.emplace_back(id->device, id->inode);
    return keys;
}

std::string backupConflict(const std::string& backup, const ImportOptions& options) {
    const auto id = isChosenFolder(backup) ? folderId(backup) : std::nullopt;
    if (!id)
        return {};
    for (const auto& [on, root, group] :
         {std::tuple{options.jpg, &options.jpgRoot, "JPG"}, {options.raw, &options.rawRoot, "RAW"}})
        if (on && isChosenFolder(*root) && folderId(*root) == id)
            return texts::filled<texts::kBackupIsDestination>(group);
    return {};
}

std::string backupOnDestinationDisk(const ImportOptions& options) {
    const auto backup = isChosenFolder(options.backupRoot) ? folderId(options.backupRoot)
                                                           : std::nullopt;
    for (const auto& [on, root, group] : {std::tuple{options.jpg, &options.jpgRoot, "JPG"},
                                          {options.raw, &options.rawRoot, "RAW"}}) {
        const auto id = on && backup && isChosenFolder(*root) ? folderId(*root) : std::nullopt;
        if (id && id->device == backup->device)
            return texts::filled<texts::kBackupOnSameDisk>(options.backupRoot, group);
    }
    return {};
}

bool awaitsItsDrive(const std::string& path, const std::string& fstab) {
    const std::string mount = mountPointOf(path);
    char* found = ::realpath(path.c_str(), nullptr);
    const std::string real = found != nullptr ? found : path;
    std::free(found);
    if (mount.empty() || mount == real)
        return false; // mounted, or not there at all (the run says so)
    const auto removable = [](const std::string& at) {
        return at.starts_with("/media/") || at.starts_with("/run/media/");
    };
    if (removable(real) && !removable(mount))
        return true;
    std::ifstream table(fstab);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string device, point;
        if (!(fields >> device >> point) || device.starts_with('#'))
            continue;
        for (std::size_t at; (at = point.find("\\040")) != std::string::npos;)
            point.replace(at, 4, " "); // fstab's way of writing a space
        if (point == real)
            return true;
    }
    return false;
}

bool onCard(const std::string& path) {
    const std::string mount = mountPointOf(path);
    if (mount.empty() || mount == "/")
        return false;
    // Every camera writes a DCIM folder at the top of its card, wherever it is mounted.
    struct stat dcim {};
    return mount.starts_with("/media/") || mount.starts_with("/run/media/") ||
           (::stat((mount + "/DCIM").c_str(), &dcim) == 0 && S_ISDIR(dcim.st_mode));
}

std::string refusedDestinations(const std::string& source, const ImportOptions& options) {
    if (std::string conflict = backupConflict(options.backupRoot, options); !conflict.empty())
        return conflict;
    for (const std::string& root : destinationRoots(options))
        if (awaitsItsDrive(root))
            return texts::filled<texts::kDestinationNotMounted>(root);
    const auto sourceId = folderId(source);
    if (!sourceId)
        return {}; // the run says why the source cannot be read
    const bool card = onCard(source);
    for (const std::string& root : destinationRoots(options)) {
        const auto id = folderId(root);
        if (id && (inside(root, *sourceId) || (card && id->device == sourceId->device)))
            return texts::filled<texts::kDestinationOnCard>(root);
    }
    return {};
}

} // namespace kestrel
