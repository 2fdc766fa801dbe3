#include "copy/FileSystemInfo.h"

#include "base/Fd.h"
#include "base/LongPath.h"
#include "copy/SafeCopy.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>
#include <sys/vfs.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace kestrel {

namespace {

// Magic numbers the kernel headers of older systems may lack.
constexpr unsigned long kExfatMagic = 0x2011BAB0;
constexpr unsigned long kFuseMagic = 0x65735546;
constexpr unsigned long kNtfsMagic = 0x5346544E;
constexpr unsigned long kNtfs3Magic = 0x7366746E;
constexpr unsigned long kCifsMagic = 0xFF534D42;
constexpr unsigned long kSmb2Magic = 0xFE534D42;

const char* nameOfMagic(unsigned long magic) {
    switch (magic) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
        return "ext4";
    case XFS_SUPER_MAGIC:
        return "xfs";
    case BTRFS_SUPER_MAGIC:
        return "btrfs";
    case F2FS_SUPER_MAGIC:
        return "f2fs";
    case TMPFS_MAGIC:
        return "tmpfs";
    case MSDOS_SUPER_MAGIC:
        return "vfat";
    case kExfatMagic:
        return "exfat";
    case kFuseMagic:
        return "fuse";
    case kNtfsMagic:
    case kNtfs3Magic:
        return "ntfs";
    case NFS_SUPER_MAGIC:
        return "nfs";
    case kCifsMagic:
    case kSmb2Magic:
        return "cifs";
    case OVERLAYFS_SUPER_MAGIC:
        return "overlay";
    default:
        return nullptr;
    }
}

// syncfs reports write-back errors from Linux 5.8 on; before, it could succeed after a
// failed write-back.
bool syncfsReportsErrors() {
    static const bool reports = [] {
        utsname name{};
        int major = 0;
        int minor = 0;
        return ::uname(&name) == 0 && std::sscanf(name.release, "%d.%d", &major, &minor) == 2 &&
               (major > 5 || (major == 5 && minor >= 8));
    }();
    return reports;
}

// The type the mount table gives the mount of device, e.g. "fuse.fusefat"; empty if none.
std::string mountedType(dev_t device) {
    std::ifstream table("/proc/self/mountinfo");
    const std::string wanted = std::to_string(major(device)) + ":" + std::to_string(minor(device));
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string id, parent, numbers, field;
        fields >> id >> parent >> numbers;
        if (numbers != wanted)
            continue;
        while (fields >> field && field != "-") {
        }
        if (fields >> field)
            return field;
    }
    return {};
}

} // namespace

bool syncfsCovers(int fd) {
    struct statfs fs {};
    if (!syncfsReportsErrors() || ::fstatfs(fd, &fs) != 0)
        return false;
    // These file systems' own code writes out every file's data and metadata on syncfs; on
    // FUSE and network file systems only a per-file flush reaches the storage.
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC:
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
        return true;
    default:
        return false;
    }
}

bool onFatFileSystem(const std::string& path) {
    struct statfs fs {};
    if (::statfs(path.c_str(), &fs) != 0)
        return false;
    const auto magic = static_cast<unsigned long>(fs.f_type);
    // A FUSE driver of either (fusefat, exfat-fuse) shows as FUSE; its mount type tells.
    return magic == MSDOS_SUPER_MAGIC || magic == kExfatMagic ||
           (magic == kFuseMagic && fileSystemName(path).find("fat") != std::string::npos);
}

std::string fileSystemName(const std::string& path) {
    Fd fd(openLong(path, O_PATH));
    struct statfs fs {};
    struct stat st {};
    if (!fd.valid() || ::fstatfs(fd.get(), &fs) != 0 || ::fstat(fd.get(), &st) != 0)
        return "unknown";
    std::string name = mountedType(st.st_dev);
    if (!name.empty())
        return name;
    if (const char* known = nameOfMagic(static_cast<unsigned long>(fs.f_type)))
        return known;
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%lx", static_cast<unsigned long>(fs.f_type));
    return hex;
}

} // namespace kestrel
