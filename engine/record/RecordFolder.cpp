#include "record/RecordFolder.h"

#include "base/FaultPoints.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace kestrel::record {

namespace {

using faults::Call;

constexpr std::string_view kTempPrefix = ".kestrel-record-";
constexpr int kAttempts = 16;

int writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        if (faults::injected(Call::Write))
            return errno;
        const ssize_t wrote = ::write(fd, data.data(), data.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return wrote < 0 ? errno : EIO;
        data.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return 0;
}

// A new named temporary file in the folder open at dirFd; 0 or the errno.
int createTemporary(int dirFd, Fd& fd, std::string& name) {
    static thread_local std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x.tmp", static_cast<unsigned>(random()));
        name = std::string(kTempPrefix) + suffix;
        if (faults::injected(Call::OpenTemp))
            return errno;
        fd.reset(::openat(dirFd, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0644));
        if (fd.valid())
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Links the flushed file at fd (unnamed, or named temp) under name without replacing.
int link(int dirFd, const Fd& fd, const std::string& temp, const std::string& name) {
    if (temp.empty()) {
        // Linking an unnamed file by its descriptor would need a privilege; its /proc entry
        // does not.
        char self[40];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd.get());
        return faults::injected(Call::Linkat) ||
                       ::linkat(AT_FDCWD, self, dirFd, name.c_str(), AT_SYMLINK_FOLLOW) != 0
                   ? errno
                   : 0;
    }
    if (!faults::injected(Call::Renameat2) &&
        ::renameat2(dirFd, temp.c_str(), dirFd, name.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // No rename without replacing here; a hard link never replaces either.
    if (faults::injected(Call::Link) || ::linkat(dirFd, temp.c_str(), dirFd, name.c_str(), 0) != 0)
        return errno;
    ::unlinkat(dirFd, temp.c_str(), 0);
    return 0;
}

} // namespace

int syncFd(int fd) {
    return faults::injected(Call::Fsync) || ::fsync(fd) != 0 ? errno : 0;
}

int openRecordFolder(int rootFd, bool create, Fd& folder) {
    return openFolderBelow(rootFd, kRecordFolder, create, folder);
}

int openFolderBelow(int rootFd, const char* name, bool create, Fd& folder) {
    if (create && (faults::injected(Call::Mkdir) || ::mkdirat(rootFd, name, 0755) != 0) &&
        errno != EEXIST)
        return errno;
    struct stat st {};
    if (::fstatat(rootFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (S_ISLNK(st.st_mode))
        return ELOOP;
    if (faults::injected(Call::OpenFolder))
        return errno;
    folder.reset(::openat(rootFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return folder.valid() ? 0 : errno;
}

int readFileAt(int dirFd, const std::string& name, std::string& contents) {
    const Fd fd(::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return EINVAL;
    contents.clear();
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        contents.append(buffer, static_cast<std::size_t>(got));
    }
}

int publishNew(int dirFd, std::string_view data,
               const std::function<std::string(int attempt)>& nameFor, std::string& published) {
    Fd fd;
    std::string temp;
    if (!faults::injected(Call::OpenTmpfile))
        fd.reset(::openat(dirFd, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0644));
    if (!fd.valid()) {
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
            return errno;
        if (const int error = createTemporary(dirFd, fd, temp))
            return error;
    }
    int error = writeAll(fd.get(), data);
    if (error == 0)
        error = syncFd(fd.get());
    for (int attempt = 0; error == 0 && attempt < kAttempts; ++attempt) {
        const std::string name = nameFor(attempt);
        error = link(dirFd, fd, temp, name);
        if (error == 0) {
            published = name;
            return syncFd(dirFd);
        }
        error = error == EEXIST && attempt + 1 < kAttempts ? 0 : error;
    }
    if (!temp.empty())
        ::unlinkat(dirFd, temp.c_str(), 0);
    return error;
}

int replaceFile(int dirFd, const std::string& name, std::string_view data) {
    Fd fd;
    std::string temp;
    int error = createTemporary(dirFd, fd, temp);
    if (error != 0)
        return error;
    error = writeAll(fd.get(), data);
    if (error == 0)
        error = syncFd(fd.get());
    if (error == 0 && (faults::injected(Call::Renameat2) ||
                       ::renameat(dirFd, temp.c_str(), dirFd, name.c_str()) != 0))
        error = errno;
    if (error != 0) {
        ::unlinkat(dirFd, temp.c_str(), 0);
        return error;
    }
    return syncFd(dirFd);
}

int listFolder(int dirFd, std::vector<std::string>& names) {
    if (faults::injected(Call::ReadFolder))
        return errno;
    // A fresh open of ".", not a dup: a dup would share (and move) the reading position.
    const int fd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (dir == nullptr) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        return error;
    }
    names.clear();
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    return error;
}

void removeStaleTemporaries(int dirFd) {
    std::vector<std::string> names;
    listFolder(dirFd, names);
    for (const std::string& name : names)
        if (name.starts_with(kTempPrefix))
            ::unlinkat(dirFd, name.c_str(), 0);
}

} // namespace kestrel::record
