#pragma once

#include "base/Fd.h"
#include "base/LongPath.h"

#include <string>
#include <string_view>

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

// Gives the flushed staging file open at fd, unnamed or called tempName (cleared once it is
// the name), the name in folder unless something has it: never replacing, never through a
// link. 0 or the errno (EEXIST when the name is taken); noSafeWay when the file system has no
// way to name it without risking replacing a file. A named staging file may keep its
// tempName as a second name, to be removed.
int nameStagingFile(const FolderRef& folder, int fd, std::string& tempName, const std::string& name,
                    bool& noSafeWay);

// Writes data to a new file called name in folder (mode 0644), flushed, without replacing or
// following anything there: 0, EEXIST when something has the name, or the errno of the
// failure; a failure leaves no file behind. Flushing the folder's entry is left to the caller.
int writeNewFile(const FolderRef& folder, const std::string& name, std::string_view data);

} // namespace kestrel
