#include "base/LongPath.h"

#include <fcntl.h>

#include <cerrno>
#include <climits>

namespace kestrel {

int openLong(const std::string& path, int flags) {
    flags |= O_CLOEXEC;
    if (path.size() < PATH_MAX)
        return ::open(path.c_str(), flags);
    std::string_view rest(path);
    while (rest.size() > 1 && rest.back() == '/')
        rest.remove_suffix(1);
    // The leading part is resolved as the ordinary call would, links included.
    const auto cut = rest.rfind('/', PATH_MAX - 1);
    if (cut == std::string_view::npos) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const std::string head(rest.substr(0, cut == 0 ? 1 : cut));
    Fd folder(::open(head.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return -1;
    rest.remove_prefix(cut + 1);
    for (;;) {
        const auto slash = rest.find('/');
        const std::string name(rest.substr(0, slash));
        if (slash == std::string_view::npos)
            return ::openat(folder.get(), name.c_str(), flags);
        rest.remove_prefix(slash + 1);
        if (name.empty())
            continue;
        const int next =
            ::openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            return -1;
        folder.reset(next);
    }
}

int FolderRef::open(const std::string& folder) {
    fd_.reset();
    prefix_ = folder;
    if (folder.size() < PATH_MAX - NAME_MAX - 1)
        return 0;
    auto fd = std::make_shared<Fd>(openLong(folder, O_PATH | O_DIRECTORY));
    if (!fd->valid())
        return errno;
    fd_ = std::move(fd);
    prefix_.clear();
    return 0;
}

void FolderRef::use(std::shared_ptr<const Fd> fd) {
    fd_ = std::move(fd);
    prefix_.clear();
}

int FolderRef::at() const {
    return fd_ ? fd_->get() : AT_FDCWD;
}

std::string FolderRef::path(std::string_view name) const {
    std::string whole = prefix_;
    whole += name;
    return whole;
}

std::string FolderRef::self() const {
    return prefix_.empty() ? std::string(".") : prefix_;
}

} // namespace kestrel
