#include "PathAt.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace kestrel {

PathAt::PathAt(const std::string& path) : dirFd_(AT_FDCWD), name_(path) {
    if (path.size() < PATH_MAX)
        return;
    const auto last = path.find_last_not_of('/');
    const auto slash = path.rfind('/', last);
    name_ = path.substr(slash + 1, last - slash);
    const std::string parent = path.substr(0, slash + 1);

    int fd = ::open(parent[0] == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (std::size_t start = 0; fd >= 0 && start < parent.size();) {
        const auto end = parent.find('/', start);
        const std::string part = parent.substr(start, end - start);
        start = end + 1;
        if (part.empty())
            continue;
        const int next = ::openat(fd, part.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        const int error = errno;
        ::close(fd);
        fd = next;
        errno = error;
    }
    if (fd < 0)
        error_ = errno;
    dirFd_ = fd;
}

PathAt::~PathAt() {
    if (dirFd_ >= 0)
        ::close(dirFd_);
}

} // namespace kestrel
