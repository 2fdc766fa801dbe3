#include "SafeCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace kestrel {

namespace {

// Closes a file descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (NFS reports write errors here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }
    void reset() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// A temporary file in the destination folder; removed unless it was published.
class TempFile {
public:
    explicit TempFile(const std::string& folder)
        : path_(folder + ".kestrel-XXXXXX.part"), fd_(mkostemps(path_.data(), 5, O_CLOEXEC)) {}
    ~TempFile() {
        fd_.reset();
        if (created_ && !published_)
            ::unlink(path_.c_str());
    }
    bool created() const { return created_; }
    int fd() const { return fd_.get(); }
    bool close() { return fd_.close(); }
    const std::string& path() const { return path_; }
    void markPublished() { published_ = true; }

private:
    std::string path_;
    Fd fd_;
    bool created_ = fd_.valid();
    bool published_ = false;
};

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Opens the source for reading without following a symlink, without blocking on a FIFO,
// and without touching its access time where we are allowed to ask for that.
int openSource(const std::string& path) {
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(path.c_str(), flags | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = ::open(path.c_str(), flags);
    return fd;
}

bool readWriteCopy(int in, int out, off_t& copied) {
    constexpr std::size_t kChunk = 1 << 20;
    static thread_local std::unique_ptr<char[]> buffer(new char[kChunk]);
    for (;;) {
        const ssize_t got = ::read(in, buffer.get(), kChunk);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer.get() + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += put;
        }
        copied += got;
    }
}

// Streams the whole of in to out; copy_file_range lets the kernel copy (or share blocks)
// without passing the data through us.
bool copyData(int in, int out, off_t& copied) {
    copied = 0;
    for (;;) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (n > 0) {
            copied += n;
            continue;
        }
        if (n == 0)
            return true;
        if (errno == EINTR)
            continue;
        // Not possible between these two files: fall back to plain reads and writes.
        if (copied == 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                            errno == EOPNOTSUPP || errno == EBADF))
            return readWriteCopy(in, out, copied);
        return false;
    }
}

// Gives temp the final name unless something has that name already.
CopyOutcome publish(TempFile& temp, const std::string& destPath) {
    if (::renameat2(AT_FDCWD, temp.path().c_str(), AT_FDCWD, destPath.c_str(),
                    RENAME_NOREPLACE) == 0) {
        temp.markPublished();
        return CopyOutcome::Copied;
    }
    if (errno == EEXIST)
        return CopyOutcome::DestinationExists;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return CopyOutcome::IoFailed;
    // The file system cannot rename without replacing; a hard link never replaces either.
    if (::link(temp.path().c_str(), destPath.c_str()) != 0)
        return errno == EEXIST ? CopyOutcome::DestinationExists : CopyOutcome::IoFailed;
    return CopyOutcome::Copied; // the temporary name is removed with temp
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

CopyOutcome copyNoReplace(const std::string& source, const std::string& destPath,
                          const SourceIdentity* expected, const CopyHooks& hooks) {
    // Never open a device or FIFO the scan saw: opening some devices has side effects.
    if (expected != nullptr && !S_ISREG(expected->type))
        return CopyOutcome::NotARegularFile;

    Fd in(openSource(source));
    if (!in.valid())
        return CopyOutcome::SourceUnreadable;
    struct stat before {};
    if (::fstat(in.get(), &before) != 0)
        return CopyOutcome::SourceUnreadable;
    if (!S_ISREG(before.st_mode))
        return CopyOutcome::NotARegularFile;
    if (expected != nullptr &&
        (before.st_dev != expected->device || before.st_ino != expected->inode))
        return CopyOutcome::SourceChanged;

    // Cheap early answer for a re-import; the publish step still never replaces.
    struct stat existing {};
    if (::lstat(destPath.c_str(), &existing) == 0)
        return CopyOutcome::DestinationExists;

    TempFile temp(folderOf(destPath));
    if (!temp.created())
        return CopyOutcome::IoFailed;

    off_t copied = 0;
    if (!copyData(in.get(), temp.fd(), copied))
        return CopyOutcome::IoFailed;

    // A file that changed while we read it would give a copy that matches neither version.
    struct stat after {};
    if (::fstat(in.get(), &after) != 0 || after.st_size != copied ||
        before.st_size != copied || !sameTime(after.st_mtim, before.st_mtim))
        return CopyOutcome::SourceChanged;

    const timespec times[2] = {before.st_atim, before.st_mtim};
    if (::fchmod(temp.fd(), before.st_mode & 0777) != 0 || ::futimens(temp.fd(), times) != 0)
        return CopyOutcome::IoFailed;
    if (::fdatasync(temp.fd()) != 0 || !temp.close())
        return CopyOutcome::IoFailed;

    if (hooks.beforePublish)
        hooks.beforePublish(destPath);
    return publish(temp, destPath);
}

bool syncFolder(const std::string& path) {
    Fd folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && ::fsync(folder.get()) == 0;
}

} // namespace kestrel
