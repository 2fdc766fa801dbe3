#include "copy/StagingFile.h"

#include "base/FaultPoints.h"
#include "copy/SafeCopy.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>

namespace kestrel {

namespace {

using faults::Call;

std::string randomStagingName() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name(kStagingPrefix);
    for (std::size_t i = 0; i < kStagingRandomLength; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    name += kStagingSuffix;
    return name;
}

// Linking its /proc/self/fd entry is how an unnamed file gets a name without privileges.
bool canNameUnnamedFiles() {
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
}

// True when an O_TMPFILE open failed because the file system (or kernel) cannot make
// unnamed files, rather than because the folder is missing or closed to us.
bool unnamedUnsupported(int error, const FolderRef& folder) {
    if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL)
        return true;
    struct stat st {};
    return error == ENOENT && ::fstatat(folder.at(), folder.self().c_str(), &st, 0) == 0 &&
           S_ISDIR(st.st_mode);
}

int createNamed(const FolderRef& folder, StagingFile& staging) {
    constexpr int kAttempts = 16;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string name = randomStagingName();
        if (faults::injected(Call::OpenTemp))
            return errno;
        Fd fd(::openat(folder.at(), folder.path(name).c_str(),
                       O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.valid()) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        // A sweeping run may have removed the file between our open and our lock. Where the
        // file system has no locks the copy goes on unguarded: a sweep can then only make
        // this copy fail, never harm a file.
        struct stat st {};
        if (::flock(fd.get(), LOCK_EX) == 0 && ::fstat(fd.get(), &st) == 0 && st.st_nlink == 0)
            continue;
        staging.fd = std::move(fd);
        staging.name = name;
        return 0;
    }
    return EEXIST;
}

} // namespace

bool isStagingName(std::string_view name) {
    if (name.size() != kStagingPrefix.size() + kStagingRandomLength + kStagingSuffix.size() ||
        !name.starts_with(kStagingPrefix) || !name.ends_with(kStagingSuffix))
        return false;
    // ASCII only, whatever the locale: a name we did not make must never match.
    const auto ours = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    const std::string_view letters = name.substr(kStagingPrefix.size(), kStagingRandomLength);
    return std::all_of(letters.begin(), letters.end(), ours);
}

int createStagingFile(const FolderRef& folder, StagingFile& staging) {
    if (canNameUnnamedFiles()) {
        const int fd = faults::injected(Call::OpenTmpfile)
                           ? -1
                           : ::openat(folder.at(), folder.self().c_str(),
                                      O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd >= 0) {
            staging.fd.reset(fd);
            staging.name.clear();
            return 0;
        }
        const int error = errno;
        if (!unnamedUnsupported(error, folder))
            return error;
    }
    return createNamed(folder, staging);
}

int nameStagingFile(const FolderRef& folder, int fd, std::string& tempName, const std::string& name,
                    bool& noSafeWay) {
    noSafeWay = false;
    const int at = folder.at();
    const std::string target = folder.path(name);
    if (tempName.empty()) {
        // Linking an unnamed file by its descriptor would need a privilege; its /proc entry
        // does not.
        char self[40];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
        if (faults::injected(Call::Linkat) ||
            ::linkat(AT_FDCWD, self, at, target.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return errno;
        return 0;
    }
    const std::string temp = folder.path(tempName);
    if (!faults::injected(Call::Renameat2) &&
        ::renameat2(at, temp.c_str(), at, target.c_str(), RENAME_NOREPLACE) == 0) {
        tempName.clear();
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // The file system cannot rename without replacing; a hard link never replaces either.
    if (!faults::injected(Call::Link) && ::linkat(at, temp.c_str(), at, target.c_str(), 0) == 0)
        return 0;
    const int error = errno;
    noSafeWay = error == EPERM || error == ENOSYS || error == EOPNOTSUPP;
    return error;
}

int writeNewFile(const FolderRef& folder, const std::string& name, std::string_view data) {
    struct stat st {};
    if (::fstatat(folder.at(), folder.path(name).c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    StagingFile staging;
    int error = createStagingFile(folder, staging);
    // Where the file system keeps no modes (FAT), the file is written all the same.
    if (error == 0)
        static_cast<void>(::fchmod(staging.fd.get(), 0644));
    while (error == 0 && !data.empty()) {
        const ssize_t wrote = faults::injected(Call::Write)
                                  ? -1
                                  : ::write(staging.fd.get(), data.data(), data.size());
        if (wrote > 0)
            data.remove_prefix(static_cast<std::size_t>(wrote));
        else if (wrote == 0 || errno != EINTR)
            error = wrote == 0 ? EIO : errno;
    }
    if (error == 0 && (faults::injected(Call::Fdatasync) || ::fdatasync(staging.fd.get()) != 0))
        error = errno;
    bool noSafeWay = false;
    if (error == 0)
        error = nameStagingFile(folder, staging.fd.get(), staging.name, name, noSafeWay);
    staging.fd.reset();
    if (!staging.name.empty())
        ::unlinkat(folder.at(), folder.path(staging.name).c_str(), 0);
    return error;
}

void removeStaleTemporaries(const std::string& folder) {
    FolderRef ref;
    if (ref.open(folder) == 0)
        removeStaleTemporaries(ref);
}

void removeStaleTemporaries(const FolderRef& folder) {
    const int at = ::openat(folder.at(), folder.self().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (at < 0)
        return;
    DIR* dir = ::fdopendir(at);
    if (dir == nullptr) {
        ::close(at);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!isStagingName(entry->d_name))
            continue;
        Fd file(::openat(at, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat locked {};
        struct stat named {};
        // A live run holds its lock; the name must still be the file we locked.
        if (file.valid() && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 &&
            ::fstat(file.get(), &locked) == 0 && S_ISREG(locked.st_mode) &&
            ::fstatat(at, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_ino == locked.st_ino && named.st_dev == locked.st_dev)
            ::unlinkat(at, entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace kestrel
