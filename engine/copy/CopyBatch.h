#pragma once

#include "copy/DestinationFolders.h"
#include "copy/SafeCopy.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// The copies of a run that wait to be flushed to disk together, read back where that is
// asked for, and then published in order. One flush of a whole file system costs about what
// one file's flush costs, so batching keeps the guarantee (no name ever points at data not
// yet on disk) at a fraction of the price.
class CopyBatch {
  public:
    CopyBatch(const CopyHooks& hooks, const PublishRules& rules);

    // One destination of a file.
    struct Copy {
        DestinationFolder folder;
        std::string fileName; // the name asked for
        StagedCopy staged;
        CopyOutcome outcome;  // Copied while staged; final after commit
        bool differs = false; // read back, it was not what the source held
    };

    // One file's way through the batch, and finally its outcomes.
    struct Item {
        std::string linesBefore; // its log lines before its result
        std::string source;
        SourceIdentity scanned;
        std::int64_t size = 0;
        bool errorEntry = false; // an entry whose attributes could not be read
        // Its group's destination first, then the backup's.
        std::vector<Copy> copies;
        SourceRead read; // what its staging read of the source
        int copiedAgain = 0;
        std::shared_ptr<StreamedSource> streamed; // when a camera sends the source

        const CopyOutcome& outcome() const { return copies.front().outcome; }
    };

    // The open folders whose entries changed, by path.
    using Folders = std::map<std::string, std::shared_ptr<const Fd>>;

    // Queues one file, with the folders whose entries changed for it (the parents of the
    // folders made for it), synced with its copies; an outcome other than Copied is final
    // already.
    void add(Item item, const Folders& changed = {});
    // True when the batch should be committed before another file is added.
    bool full() const;

    // Starts writing the large files' data out, for a commit that comes later (the others
    // started when added).
    void startWriteBack() const;

    // Flushes the staged data and, when the rules ask for it, reads every copy back from the
    // disk and compares it with the source. Touches nothing but this batch, so it may run on
    // another thread while the next batch is copied.
    void prepare();

    // Prepares the batch unless that was done, makes each copy that read back differently
    // once more (it fails if it differs again), publishes each copy in order once its folder
    // is checked to be still in place, then syncs the folders that received a file and those
    // changed for its files. A copy whose folder moved, or that lies below a folder that
    // could not be synced in this run (unflushed, by path, with the error: the failures here
    // join it), is not safe and fails. Returns every item in order.
    std::vector<Item> commit(std::map<std::string, int>& unflushed);

  private:
    static bool large(const StagedCopy& staged);
    void flushStaged();
    // True when copy, read back, holds what the source held.
    bool matches(const Item& item, Copy& copy) const;
    void copyAgain(Item& item, Copy& copy);
    void publish();
    void syncFolders(std::map<std::string, int>& failed);

    const CopyHooks* hooks_;
    PublishRules rules_;
    std::vector<Item> items_;
    Folders changed_; // for the items' copies
    std::int64_t bytes_ = 0;
    std::size_t copies_ = 0;
    std::size_t maxFiles_;
    bool prepared_ = false;
};

} // namespace kestrel
