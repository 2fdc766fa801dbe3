#pragma once

#include "FileEntry.h"

#include <ctime>
#include <optional>
#include <string>

namespace kestrel {

// The two dates an item can be filed by, and which item it is.
struct FileDates {
    std::time_t created; // birth time; the modification time where none is recorded
    std::time_t modified;
    SourceIdentity identity;
};

// Reads the dates of the item at path without following a final symlink.
// Nothing when the item cannot be examined.
std::optional<FileDates> readFileDates(const std::string& path);

} // namespace kestrel
