#pragma once

#include "scan/FileEntry.h"

#include <ctime>
#include <optional>
#include <string>

namespace kestrel {

// The two dates an item can be filed by, its size, and which item it is.
struct FileDates {
    std::time_t created; // birth time; the modification time where none is recorded
    std::time_t modified;
    std::int64_t size;
    SourceIdentity identity;
};

// Reads the dates of the item at path (of any length) without following a final symlink.
// Nothing, with errno set, when the item cannot be examined.
std::optional<FileDates> readFileDates(const std::string& path);

} // namespace kestrel
