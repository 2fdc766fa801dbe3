#pragma once

#include "SafeCopy.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace kestrel {

// The copies of a run that wait to be flushed to disk together and then published in
// order. One flush of a whole file system costs about what one file's flush costs, so
// batching keeps the guarantee (no name ever points at data not yet on disk) at a fraction
// of the price.
class CopyBatch {
  public:
    explicit CopyBatch(const CopyHooks& hooks);

    // One file's way through the batch, and finally its outcome.
    struct Item {
        std::string linesBefore; // its log lines before its result
        std::string source;
        CopyOutcome outcome; // Copied while staged; final after commit
        std::int64_t size = 0;
        bool errorEntry = false; // an entry whose attributes could not be read
        StagedCopy staged;
        std::string folder;
    };

    // Queues one file; an outcome other than Copied is final already.
    void add(Item item);
    // True when the batch should be committed before another file is added.
    bool full() const;

    // Starts writing the large files' data out, for a commit that comes later (the others
    // started when added).
    void startWriteBack() const;
    // Flushes the staged data, publishes each copy in order, then syncs the folders that
    // received a file and the folders in changedFolders (parents of new folders). A copy
    // whose folder could not be synced is not safe and fails. Returns every item in order.
    std::vector<Item> commit(const std::set<std::string>& changedFolders);

  private:
    static bool large(const Item& item);
    void flushStaged();
    void syncFolders(const std::set<std::string>& changedFolders);

    const CopyHooks* hooks_;
    std::vector<Item> items_;
    std::int64_t bytes_ = 0;
    std::size_t maxFiles_;
};

} // namespace kestrel
