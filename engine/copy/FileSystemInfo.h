#pragma once

namespace kestrel {

// True when syncfs on the file system holding fd writes out every file's data and metadata
// and reports the write-back errors it met, so one flush of it can stand for each file's.
bool syncfsCovers(int fd);

} // namespace kestrel
