#include "scan/SourceWalker.h"

#include "base/FaultPoints.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace kestrel {

struct SourceWalker::Frame {
    int fd;
    dev_t device = 0;
    ino_t inode = 0;
    std::string prefix; // relative path of the folder, with its trailing "/" (or empty)
    std::vector<std::pair<std::string, unsigned char>> entries; // name, d_type; sorted
    std::size_t next = 0;

    ~Frame() { ::close(fd); }
};

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Lists the folder open at fd; 0, or the errno that cut the listing short.
int listFolder(int fd, std::vector<std::pair<std::string, unsigned char>>& entries) {
    const int own = ::dup(fd); // closedir closes it, the walk keeps fd
    DIR* dir = own < 0 || faults::injected(faults::Call::OpenFolder) ? nullptr : ::fdopendir(own);
    if (dir == nullptr) {
        const int error = errno;
        if (own >= 0)
            ::close(own);
        return error;
    }
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = faults::injected(faults::Call::ReadFolder) ? nullptr : ::readdir(dir);
        if (entry == nullptr) {
            error = errno;
            break;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            entries.emplace_back(std::string(name), entry->d_type);
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end());
    return error;
}

} // namespace

SourceWalker::SourceWalker(const std::string& root, std::vector<FolderKey> skip)
    : skip_(std::move(skip)) {
    const int fd = ::open(root.c_str(), kFolderFlags & ~O_NOFOLLOW);
    if (fd < 0) {
        rootError_ = errno;
        return;
    }
    rootOpened_ = enter(fd, std::string(), std::string());
}

SourceWalker::~SourceWalker() = default;

bool SourceWalker::enter(int fd, std::string prefix, const std::string& path) {
    auto frame = std::make_unique<Frame>();
    frame->fd = fd;
    frame->prefix = std::move(prefix);
    struct stat st {};
    if (::fstat(fd, &st) == 0) {
        frame->device = st.st_dev;
        frame->inode = st.st_ino;
    }
    // Copies being made are not part of the card, whatever the card holds.
    if (!path.empty() && std::find(skip_.begin(), skip_.end(),
                                   FolderKey{frame->device, frame->inode}) != skip_.end())
        return true;
    // A folder that is one of its own ancestors (a bind mount) is walked once, not again.
    for (const auto& above : frames_)
        if (above->device == frame->device && above->inode == frame->inode)
            return true;
    if (const int error = listFolder(fd, frame->entries)) {
        // What was listed is still walked; the folder itself is reported.
        if (path.empty() && frame->entries.empty()) {
            rootError_ = error;
            return false;
        }
        pendingProblem_ = Item{path, error};
    }
    frames_.push_back(std::move(frame));
    return true;
}

std::optional<SourceWalker::Item> SourceWalker::next() {
    if (pendingProblem_)
        return std::exchange(pendingProblem_, std::nullopt);
    while (!frames_.empty()) {
        Frame& top = *frames_.back();
        if (top.next == top.entries.size()) {
            frames_.pop_back();
            continue;
        }
        const auto& [name, type] = top.entries[top.next++];
        std::string path = top.prefix + name;
        bool folder = type == DT_DIR;
        bool regular = type == DT_REG;
        if (type == DT_UNKNOWN) {
            struct stat st {};
            if (faults::injected(faults::Call::Stat) ||
                ::fstatat(top.fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                return Item{std::move(path), errno};
            folder = S_ISDIR(st.st_mode);
            regular = S_ISREG(st.st_mode);
        }
        if (folder) {
            const int fd = ::openat(top.fd, name.c_str(), kFolderFlags);
            if (fd < 0)
                pendingProblem_ = Item{path, errno};
            else
                enter(fd, path + "/", path);
        }
        return Item{std::move(path), 0, folder, regular};
    }
    return std::nullopt;
}

} // namespace kestrel
