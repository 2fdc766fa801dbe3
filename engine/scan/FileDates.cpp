#include "scan/FileDates.h"

#include "base/FaultPoints.h"
#include "base/LongPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>

namespace kestrel {

std::optional<FileDates> readFileDates(const std::string& path) {
    const auto slash = path.rfind('/');
    FolderRef folder;
    if (const int error = folder.open(path.substr(0, slash + 1))) {
        errno = error;
        return std::nullopt;
    }
    struct statx st {};
    const unsigned mask = STATX_TYPE | STATX_INO | STATX_MTIME | STATX_BTIME | STATX_SIZE;
    if (faults::injected(faults::Call::Stat) ||
        statx(folder.at(), folder.path(path.substr(slash + 1)).c_str(), AT_SYMLINK_NOFOLLOW, mask,
              &st) != 0)
        return std::nullopt;
    if ((st.stx_mask & STATX_MTIME) == 0) {
        errno = ENODATA;
        return std::nullopt;
    }

    FileDates dates{};
    dates.modified = static_cast<std::time_t>(st.stx_mtime.tv_sec);
    // Some file systems (and network mounts) record no birth time.
    dates.created = (st.stx_mask & STATX_BTIME) ? static_cast<std::time_t>(st.stx_btime.tv_sec)
                                                : dates.modified;
    dates.size = static_cast<std::int64_t>(st.stx_size);
    dates.identity.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    dates.identity.inode = st.stx_ino;
    dates.identity.type = st.stx_mode & S_IFMT;
    return dates;
}

} // namespace kestrel
