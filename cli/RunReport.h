#pragma once

#include "record/RunSummary.h"

#include <cstdio>

namespace kestrel::cli {

// Lists on stream the files a run left behind, with their reasons: at most 20 lines, then
// how many more, and where the run's report is; what to close when another program holds the
// camera or phone.
void printLeftBehind(std::FILE* stream, const RunSummary& summary);

// The exit status of a run: 0 when every matched file is at its destination, 2 when its
// destinations were refused, 128 + the signal when a signal stopped it (141 for a closed
// output), 1 otherwise.
int exitStatus(const RunSummary& summary);

} // namespace kestrel::cli
