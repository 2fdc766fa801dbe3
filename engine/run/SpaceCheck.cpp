#include "run/SpaceCheck.h"

#include "base/EngineTexts.h"
#include "base/FaultPoints.h"
#include "run/Preferences.h"
#include "run/TransferProgress.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <map>

namespace kestrel {

namespace {

// One disk that receives files: how much it can take and how much it is given.
struct Disk {
    std::string root; // the first destination root seen on it
    std::int64_t block = 4096;
    std::int64_t available = 0;
    std::int64_t needed = 0;
};

// The disk of root, found on first use; null when root cannot be examined (the copies will
// say why).
Disk* diskOf(const std::string& root, std::map<std::string, dev_t>& roots,
             std::map<dev_t, Disk>& disks) {
    auto known = roots.find(root);
    if (known == roots.end()) {
        struct stat st {};
        struct statvfs fs {};
        if (!isChosenFolder(root) || ::stat(root.c_str(), &st) != 0)
            return nullptr;
        known = roots.emplace(root, st.st_dev).first;
        if (!disks.contains(st.st_dev)) {
            // The fault point's error 0 stands for a disk with no space left.
            const bool full = faults::injected(faults::Call::Statvfs);
            if ((full && errno != 0) || (!full && ::statvfs(root.c_str(), &fs) != 0))
                return nullptr;
            const auto block = static_cast<std::int64_t>(fs.f_frsize != 0 ? fs.f_frsize : 4096);
            disks[st.st_dev] = {root, block, full ? 0 : block * std::int64_t(fs.f_bavail), 0};
        }
    }
    return &disks.at(known->second);
}

// One pass over the files: what each disk needs, and which files fit in order. Files already
// there by name and size are looked for only when lookThere: a look per file is paid only
// when the whole card does not fit anyway.
SpacePlan addUp(const FileList& files, const ImportOptions& options, bool lookThere) {
    SpacePlan plan;
    std::map<std::string, dev_t> roots;
    std::map<dev_t, Disk> disks;
    for (const FileEntry& entry : files) {
        bool fits = true;
        if (!entry.isError()) {
            const FileFields& f = entry.fields();
            for (const std::string* root : {&f.destRoot, &options.backupRoot}) {
                Disk* disk = diskOf(*root, roots, disks);
                struct stat there {};
                if (disk == nullptr ||
                    (lookThere &&
                     ::lstat((destinationFolder(f, *root, options) + f.fileName).c_str(), &there) ==
                         0 &&
                     S_ISREG(there.st_mode) && there.st_size == f.size))
                    continue;
                disk->needed += (f.size + disk->block - 1) / disk->block * disk->block;
                fits = fits && disk->needed <= disk->available;
            }
        }
        plan.fits.push_back(fits);
    }
    for (const auto& [device, disk] : disks)
        if (disk.needed > disk.available)
            plan.shortfalls.push_back({disk.root, disk.needed, disk.available});
    return plan;
}

} // namespace

SpacePlan planSpace(const FileList& files, const ImportOptions& options) {
    SpacePlan plan = addUp(files, options, false);
    return plan.shortfalls.empty() ? plan : addUp(files, options, true);
}

std::string describe(const SpaceShortfall& shortfall) {
    return texts::filled<texts::kSpaceNeeded>(formatBytes(double(shortfall.needed)), shortfall.root,
                                              formatBytes(double(shortfall.available)));
}

} // namespace kestrel
