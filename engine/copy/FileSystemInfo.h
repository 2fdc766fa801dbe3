#pragma once

#include <string>

namespace kestrel {

// True when syncfs on the file system holding fd writes out every file's data and metadata
// and reports the write-back errors it met, so one flush of it can stand for each file's.
bool syncfsCovers(int fd);

// True when the folder at path lies on a FAT or exFAT file system, whose names refuse
// characters that others allow.
bool onFatFileSystem(const std::string& path);

} // namespace kestrel
