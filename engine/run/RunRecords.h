#pragma once

#include "copy/DestinationFolders.h"
#include "record/HashRecord.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// The hash records of one run's destination roots: what each held before the run, and the
// generation the run adds to each.
class RunRecords {
  public:
    // The history of root as it was before this run wrote to it, read once; null when it has
    // none that can be read.
    const History* historyOf(const std::string& root);

    // Lists file in the generation for root. A file found already there (not copiedNow) is
    // recorded as verified, unless the history never had it: a history's first word on a
    // file is its original hash, and its bytes were compared with the source's just now.
    void add(const std::string& root, RecordedFile file, bool copiedNow);

    // Adds the generation to every root that is still the folder the run opened, through that
    // folder, never to whatever has its path now. Returns what could not be written, in words.
    std::vector<std::string> write(const DestinationFolders& folders);

  private:
    std::map<std::string, std::vector<RecordedFile>> files_;  // by destination root
    std::map<std::string, std::optional<History>> histories_; // by destination root
};

} // namespace kestrel
