#pragma once

#include "CopyOutcome.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// One matched file that was not copied now: already at its destination, or left behind.
struct FileResult {
    std::string source; // full source path (or the folder that could not be read)
    CopyOutcome outcome;
};

// What one import run did, for the final message, the verdict and the report.
struct RunSummary {
    std::string source;         // the source folder as the run was given it
    std::int32_t matched = 0;   // files counted by the scan (the N of "k of N")
    std::int32_t copied = 0;    // copied now
    std::int32_t alreadyThere = 0;
    std::int32_t notCopied = 0; // everything else, unreadable folders and items included
    std::int32_t datedByFileTimes = 0; // with capture dates on: files that had none
    bool byCaptureDate = false;        // the run dated files by their metadata where it could
    bool stopped = false;              // a stop request ended the run early
    int stopSignal = 0;                // the signal that stopped it, or 0
    std::string reportPath;            // the run's report file, empty when none was written
    // Every file not copied now, in run order: already there ones and the ones left behind.
    std::vector<FileResult> notCopiedNow;

    // Files done (copied or already there) and files the run did not reach or left behind.
    std::int32_t done() const { return copied + alreadyThere; }
    // True when every matched file is safe at its destination and nothing was stopped.
    bool allSafe() const { return notCopied == 0 && !stopped; }
};

// "copying of N files finished.", then " A already there." and " F not copied." where they
// are not 0; a stopped run says "copying of N files stopped: D done, L left." The file-times
// count follows when capture dates were on.
std::string finishedMessage(const RunSummary& summary);

} // namespace kestrel
