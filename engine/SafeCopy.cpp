#include "SafeCopy.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <utility>

namespace kestrel {

namespace {

// Closes a file descriptor when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

  private:
    int fd_;
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

// Streams the size bytes of in to out; copy_file_range lets the kernel copy (or share
// blocks) without passing the data through us. A file that grows or shrinks meanwhile is
// caught by the caller's size check.
bool copyData(int in, int out, off_t size, off_t& copied) {
    copied = 0;
    while (copied < size) {
        const ssize_t n =
            ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(size - copied), 0);
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
    return true;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

StagedCopy::StagedCopy(StagedCopy&& other) noexcept
    : tempPath_(std::exchange(other.tempPath_, {})), destPath_(std::move(other.destPath_)),
      fd_(std::exchange(other.fd_, -1)), device_(other.device_), size_(other.size_),
      rules_(other.rules_) {}

StagedCopy& StagedCopy::operator=(StagedCopy&& other) noexcept {
    if (this != &other) {
        discard();
        tempPath_ = std::exchange(other.tempPath_, {});
        destPath_ = std::move(other.destPath_);
        fd_ = std::exchange(other.fd_, -1);
        device_ = other.device_;
        size_ = other.size_;
        rules_ = other.rules_;
    }
    return *this;
}

StagedCopy::~StagedCopy() {
    discard();
}

void StagedCopy::discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tempPath_.empty())
        ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

namespace {
CopyOutcome outcomeOf(Outcome outcome, int error, const std::string& destPath) {
    return CopyOutcome{outcome, error, destPath};
}
} // namespace

CopyOutcome StagedCopy::stage(const std::string& source, const std::string& destPath,
                              const SourceIdentity* expected, const PublishRules& rules,
                              StagedCopy& staged) {
    staged.discard();
    staged.rules_ = rules;
    const auto fail = [&destPath](Outcome outcome, int error = 0) {
        return outcomeOf(outcome, error, destPath);
    };
    // Never open a device or FIFO the scan saw: opening some devices has side effects.
    if (expected != nullptr && !S_ISREG(expected->type))
        return fail(Outcome::NotARegularFile);

    Fd in(openSource(source));
    if (!in.valid())
        return fail(Outcome::SourceUnreadable, errno);
    struct stat before {};
    if (::fstat(in.get(), &before) != 0)
        return fail(Outcome::SourceUnreadable, errno);
    if (!S_ISREG(before.st_mode))
        return fail(Outcome::NotARegularFile);
    if (expected != nullptr &&
        (before.st_dev != expected->device || before.st_ino != expected->inode))
        return fail(Outcome::SourceChanged);

    // Cheap early answer for a re-import; publishing still never replaces.
    struct stat existing {};
    if (::lstat(destPath.c_str(), &existing) == 0)
        return fail(Outcome::NameTaken);

    std::string temp = folderOf(destPath) + ".kestrel-XXXXXX.part";
    const int fd = ::mkostemps(temp.data(), 5, O_CLOEXEC);
    if (fd < 0)
        return fail(destinationFailure(errno), errno);
    staged.tempPath_ = std::move(temp);
    staged.destPath_ = destPath;
    staged.fd_ = fd;

    off_t copied = 0;
    if (!copyData(in.get(), fd, before.st_size, copied)) {
        staged.discard();
        return fail(destinationFailure(errno), errno);
    }
    // A file that changed while we read it would give a copy that matches neither version.
    struct stat after {};
    if (::fstat(in.get(), &after) != 0 || after.st_size != copied || before.st_size != copied ||
        !sameTime(after.st_mtim, before.st_mtim)) {
        staged.discard();
        return fail(Outcome::SourceChanged);
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    struct stat written {};
    if (::fchmod(fd, before.st_mode & 0777) != 0 || ::futimens(fd, times) != 0 ||
        ::fstat(fd, &written) != 0) {
        staged.discard();
        return fail(destinationFailure(errno), errno);
    }
    staged.device_ = written.st_dev;
    staged.size_ = copied;
    // Start writing the data out now, so flushing it later waits less.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    return fail(Outcome::Copied);
}

int StagedCopy::flush() const {
    if (fd_ < 0)
        return EBADF;
    return ::fdatasync(fd_) == 0 ? 0 : errno;
}

bool StagedCopy::fileSystemFlushCovers() const {
    struct statfs fs {};
    if (fd_ < 0 || ::fstatfs(fd_, &fs) != 0)
        return false;
    // File systems whose own code writes out every file's data and metadata on syncfs; on
    // FUSE and network file systems only a per-file flush reaches the storage.
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
        return true;
    default:
        return false;
    }
}

int StagedCopy::flushFileSystem() const {
    if (fd_ < 0)
        return EBADF;
    return ::syncfs(fd_) == 0 ? 0 : errno;
}

CopyOutcome StagedCopy::publish(const CopyHooks& hooks) {
    const auto result = [this](Outcome outcome, int error = 0) {
        return CopyOutcome{outcome, error, destPath_};
    };
    if (fd_ < 0)
        return result(Outcome::IoError, EBADF);
    // NFS reports delayed write errors at close.
    const bool closed = ::close(std::exchange(fd_, -1)) == 0;
    if (!closed)
        return result(Outcome::IoError, errno);
    if (hooks.beforePublish)
        hooks.beforePublish(destPath_);

    if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, destPath_.c_str(), RENAME_NOREPLACE) ==
        0) {
        tempPath_.clear();
        return result(Outcome::Copied);
    }
    if (errno == EEXIST)
        return result(Outcome::NameTaken);
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return result(destinationFailure(errno), errno);
    // The file system cannot rename without replacing; a hard link never replaces either.
    if (::link(tempPath_.c_str(), destPath_.c_str()) != 0)
        return errno == EEXIST ? result(Outcome::NameTaken)
                               : result(destinationFailure(errno), errno);
    return result(Outcome::Copied); // the temporary name goes with discard()
}

CopyOutcome copyNoReplace(const std::string& source, const std::string& destPath,
                          const SourceIdentity* expected, const PublishRules& rules,
                          const CopyHooks& hooks) {
    StagedCopy staged;
    const CopyOutcome outcome = StagedCopy::stage(source, destPath, expected, rules, staged);
    if (!outcome.copied())
        return outcome;
    if (const int error = staged.flush())
        return CopyOutcome{Outcome::IoError, error, destPath};
    return staged.publish(hooks);
}

void removeStaleTemporaries(const std::string& /*folder*/) {}

std::string fileSystemName(const std::string& /*path*/) {
    return "unknown";
}

int syncFolder(const std::string& path) {
    Fd folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return errno;
    return ::fsync(folder.get()) == 0 ? 0 : errno;
}

} // namespace kestrel
