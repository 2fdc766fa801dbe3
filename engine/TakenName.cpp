#include "TakenName.h"

#include "FileData.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace kestrel {

namespace {

NameState examine(const FolderRef& folder, const std::string& name, int data, off_t size) {
    const std::string path = folder.path(name);
    struct stat st {};
    if (::fstatat(folder.at(), path.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return NameState::Free;
    if (!S_ISREG(st.st_mode) || st.st_size != size)
        return NameState::Taken;
    const Fd other(::openat(folder.at(), path.c_str(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    return other.valid() && sameContent(data, other.get(), size) ? NameState::SameFile
                                                                 : NameState::Taken;
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

NameState findName(const FolderRef& folder, const std::string& name, bool keepBoth, int& number,
                   int data, off_t size) {
    for (int n = number; n <= kMaxNumberedName; ++n) {
        const NameState state = examine(folder, numberedName(name, n), data, size);
        if (state != NameState::Taken || !keepBoth) {
            number = n;
            return state;
        }
    }
    return NameState::Taken;
}

} // namespace kestrel
