#pragma once

#include "copy/DestinationFolders.h"
#include "copy/SafeCopy.h"

#include <cstdint>
#include <map>
#include <memory>
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
        DestinationFolder folder;
    };

    // Queues one file; an outcome other than Copied is final already.
    void add(Item item);
    // True when the batch should be committed before another file is added.
    bool full() const;

    // Starts writing the large files' data out, for a commit that comes later (the others
    // started when added).
    void startWriteBack() const;
    // The open folders whose entries changed, by path.
    using Folders = std::map<std::string, std::shared_ptr<const Fd>>;

    // Flushes the staged data, publishes each copy in order once its folder is checked to be
    // still in place, then syncs the folders that received a file and changedFolders
    // (parents of new folders). A copy whose folder moved, or could not be synced, is not
    // safe and fails. Returns every item in order.
    std::vector<Item> commit(const Folders& changedFolders);

  private:
    static bool large(const Item& item);
    void flushStaged();
    void publish();
    void syncFolders(const Folders& changedFolders);

    const CopyHooks* hooks_;
    std::vector<Item> items_;
    std::int64_t bytes_ = 0;
    std::size_t maxFiles_;
};

} // namespace kestrel
