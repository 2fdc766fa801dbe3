#pragma once

#include <sys/types.h>

namespace kestrel {

// Which file the scan saw, so the copy can check that it still copies that file.
struct SourceIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    mode_t type = 0; // the S_IFMT bits
};

} // namespace kestrel
