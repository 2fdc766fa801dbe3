#pragma once

#include "base/ContentHash.h"

#include <sys/types.h>

#include <span>

namespace kestrel {

// How streaming one file's data into another went.
struct DataCopy {
    enum class Failed { Nothing, Reading, Writing };
    Failed failed = Failed::Nothing;
    int error = 0;   // the errno of the failure
    off_t bytes = 0; // how much was copied
};

// Copies in to out from their current offsets until in ends, however much that is; size is
// what in is expected to hold. The kernel copies where it can; plain reads and writes take
// over wherever it cannot, and find the end.
DataCopy copyData(int in, int out, off_t size);

// One file a pumped copy writes to, and how that went.
struct PumpTarget {
    int fd = -1;
    DataCopy result;
};

// Reads in from its current offset until it ends, a chunk at a time, hashing every chunk into
// hash and writing it to each target whose writes have not failed yet: the source is read
// once, whatever the number of copies. A read failure fails every target.
void pumpData(int in, std::span<PumpTarget> targets, ContentHash& hash);

// True when the first size bytes of a and b are equal; reads both from the start, a chunk at
// a time, without moving their offsets. A read error counts as a difference.
bool sameContent(int a, int b, off_t size);

} // namespace kestrel
