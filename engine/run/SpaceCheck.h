#pragma once

#include "run/ImportOptions.h"
#include "scan/FileEntry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// A destination whose disk cannot take what a run would copy there.
struct SpaceShortfall {
    std::string root;
    std::int64_t needed = 0;    // bytes of the files not there yet, in whole blocks
    std::int64_t available = 0; // bytes free for us on its disk
};

// What the disks can take of a run, worked out before anything is copied.
struct SpacePlan {
    std::vector<SpaceShortfall> shortfalls; // empty when everything fits
    // For each entry of the list, whether it fits at every destination when the files
    // before it are copied first.
    std::vector<bool> fits;
};

// Adds up, per disk, the files each destination will receive (those not there already by
// name and size) and compares it with the space free there.
SpacePlan planSpace(const FileList& files, const ImportOptions& options);

// "needs 3.2 GB at /media/BACKUP, 1.4 GB free"
std::string describe(const SpaceShortfall& shortfall);

} // namespace kestrel
