#pragma once

#include "SafeCopy.h"

#include <cstdint>
#include <iosfwd>
#include <set>
#include <string>
#include <vector>

namespace kestrel {

// The copies of a run that wait to be flushed to disk together and then published in
// order. One flush of a whole file system costs about what one file's flush costs, so
// batching keeps the guarantee (no name ever points at data not yet on disk) at a fraction
// of the price. Each entry's lines are written only once its result is known, so the log
// reads exactly as if every file were copied on its own.
class CopyBatch {
  public:
    CopyBatch(std::ostream& out, const CopyHooks& hooks);

    // Queues one file: the lines that come before its result, how staging went (and the
    // staged copy if it went well), the start of its log line, and its destination folder.
    void add(std::string linesBefore, CopyOutcome staging, StagedCopy staged, std::string logStart,
             std::string folder);

    // True when the batch should be committed before another file is added.
    bool full() const;

    // Flushes the staged data, publishes each copy in order and writes each file's lines.
    // Adds the folders that received a file to touchedFolders; returns how many files were
    // not copied.
    std::int32_t commit(std::set<std::string>& touchedFolders);

  private:
    struct Pending {
        std::string linesBefore;
        CopyOutcome outcome;
        StagedCopy staged;
        std::string logStart;
        std::string folder;
    };
    void flushStaged();

    std::ostream& out_;
    const CopyHooks& hooks_;
    std::vector<Pending> pending_;
    std::int64_t bytes_ = 0;
    std::size_t maxFiles_;
};

} // namespace kestrel
