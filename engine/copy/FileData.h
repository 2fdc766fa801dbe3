#pragma once

#include <sys/types.h>

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

// True when the first size bytes of a and b are equal; reads both from the start, a chunk at
// a time, without moving their offsets. A read error counts as a difference.
bool sameContent(int a, int b, off_t size);

} // namespace kestrel
