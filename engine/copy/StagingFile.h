#pragma once

#include "base/Fd.h"
#include "base/LongPath.h"

#include <string>

namespace kestrel {

// The file that receives a copy's data before it gets its name.
struct StagingFile {
    Fd fd;            // open for reading and writing
    std::string name; // in its folder; empty for an unnamed file
};

// Creates the staging file in folder: unnamed where the file system can make one (it then
// vanishes with the process, whenever that dies), otherwise under a name of our pattern,
// locked for as long as the descriptor is open so that other runs leave it alone. 0 or the
// errno of the failure.
int createStagingFile(const FolderRef& folder, StagingFile& staging);

} // namespace kestrel
