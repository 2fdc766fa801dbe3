#include "copy/TakenName.h"

#include "copy/FileData.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <set>
#include <string_view>

namespace kestrel {

namespace {

NameState examine(const FolderRef& folder, const std::string& name, int data, off_t size,
                  bool fromDisk) {
    const std::string path = folder.path(name);
    struct stat st {};
    if (::fstatat(folder.at(), path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return NameState::Free;
    if (!S_ISREG(st.st_mode) || st.st_size != size)
        return NameState::Taken;
    const Fd other(::openat(folder.at(), path.c_str(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (other.valid() && fromDisk)
        ::posix_fadvise(other.get(), 0, 0, POSIX_FADV_DONTNEED);
    return other.valid() && sameContent(data, other.get(), size) ? NameState::SameFile
                                                                 : NameState::Taken;
}

// The numbers n of the names NAME-n.EXT of name that folder holds now, in order.
std::set<int> numbersInFolder(const FolderRef& folder, const std::string& name) {
    std::set<int> numbers;
    const auto dot = name.rfind('.');
    const bool extension = dot != std::string::npos && dot != 0;
    const std::string stem = (extension ? name.substr(0, dot) : name) + "-";
    const std::string suffix = extension ? name.substr(dot) : std::string();
    const int fd = ::openat(folder.at(), folder.self().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (dir == nullptr) {
        if (fd >= 0)
            ::close(fd);
        return numbers;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view other = entry->d_name;
        if (other.size() <= stem.size() + suffix.size() || !other.starts_with(stem) ||
            !other.ends_with(suffix))
            continue;
        const std::string_view digits =
            other.substr(stem.size(), other.size() - stem.size() - suffix.size());
        int n = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (error == std::errc() && end == digits.data() + digits.size() && digits[0] != '0' &&
            n <= kMaxNumberedName)
            numbers.insert(n);
    }
    ::closedir(dir);
    return numbers;
}

} // namespace

std::string numberedName(const std::string& name, int number) {
    if (number == 0)
        return name;
    const std::string suffix = "-" + std::to_string(number);
    const auto dot = name.rfind('.');
    // A leading dot starts a hidden name, not an extension.
    if (dot == std::string::npos || dot == 0)
        return name + suffix;
    return name.substr(0, dot) + suffix + name.substr(dot);
}

NameState findName(const FolderRef& folder, const std::string& name, const PublishRules& rules,
                   int& number, int data, off_t size) {
    const NameState first = examine(folder, numberedName(name, number), data, size, rules.verify);
    if (first != NameState::Taken || !rules.keepBoth)
        return first;
    // Every numbered name that is there is looked at for the same bytes before a free one
    // is taken: a gap left by a removed NAME-1 must not make a second copy of NAME-2.
    std::set<int> present;
    int free = 0;
    for (const int n : numbersInFolder(folder, name)) {
        if (n <= number)
            continue;
        const NameState state = examine(folder, numberedName(name, n), data, size, rules.verify);
        if (state == NameState::SameFile) {
            number = n;
            return state;
        }
        if (state == NameState::Taken)
            present.insert(n);
    }
    for (free = number + 1; free <= kMaxNumberedName && present.contains(free); ++free) {
    }
    if (free > kMaxNumberedName)
        return NameState::Taken;
    number = free;
    return NameState::Free;
}

} // namespace kestrel
