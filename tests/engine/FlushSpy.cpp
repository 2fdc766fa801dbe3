#include "FlushSpy.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <utility>

namespace kestrel::test::flushSpy {
namespace {

std::mutex lock;
bool watching = false;
std::set<std::pair<dev_t, ino_t>> flushedFiles;
std::set<dev_t> flushedDisks;
int namedCount = 0;
int unflushedCount = 0;

template <typename Call> Call real(const char* name) {
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

void flushed(int fd, bool wholeDisk) {
    struct stat st {};
    const std::lock_guard guard(lock);
    if (!watching || ::fstat(fd, &st) != 0)
        return;
    wholeDisk ? void(flushedDisks.insert(st.st_dev))
              : void(flushedFiles.emplace(st.st_dev, st.st_ino));
}

// The file about to be named: an unnamed file by its /proc/self/fd link, or a staging name.
void naming(int at, const char* path) {
    struct stat st {};
    const std::lock_guard guard(lock);
    if (!watching)
        return;
    const bool unnamed = std::strncmp(path, "/proc/self/fd/", 14) == 0;
    if ((unnamed ? ::fstat(std::atoi(path + 14), &st)
                 : ::fstatat(at, path, &st, AT_SYMLINK_NOFOLLOW)) != 0)
        return;
    ++namedCount;
    if (!flushedDisks.contains(st.st_dev) && !flushedFiles.contains({st.st_dev, st.st_ino}))
        ++unflushedCount;
}

} // namespace

void start() {
    const std::lock_guard guard(lock);
    watching = true;
    flushedFiles.clear();
    flushedDisks.clear();
    namedCount = unflushedCount = 0;
}

int named() {
    const std::lock_guard guard(lock);
    return namedCount;
}

int namedUnflushed() {
    const std::lock_guard guard(lock);
    return unflushedCount;
}

bool folderFlushed(const std::string& path) {
    struct stat st {};
    const std::lock_guard guard(lock);
    return ::stat(path.c_str(), &st) == 0 && flushedFiles.contains({st.st_dev, st.st_ino});
}

} // namespace kestrel::test::flushSpy

using namespace kestrel::test::flushSpy;

extern "C" int fdatasync(int fd) {
    const int result = real<int (*)(int)>("fdatasync")(fd);
    if (result == 0)
        flushed(fd, false);
    return result;
}

extern "C" int syncfs(int fd) {
    const int result = real<int (*)(int)>("syncfs")(fd);
    if (result == 0)
        flushed(fd, true);
    return result;
}

// fsync flushes a file's data as fdatasync does, and a folder's entries.
extern "C" int fsync(int fd) {
    const int result = real<int (*)(int)>("fsync")(fd);
    if (result == 0)
        flushed(fd, false);
    return result;
}

extern "C" int linkat(int from, const char* oldPath, int to, const char* newPath, int flags) {
    naming(from, oldPath);
    return real<int (*)(int, const char*, int, const char*, int)>("linkat")(from, oldPath, to,
                                                                            newPath, flags);
}

extern "C" int renameat2(int from, const char* oldPath, int to, const char* newPath,
                         unsigned flags) {
    naming(from, oldPath);
    return real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(
        from, oldPath, to, newPath, flags);
}
