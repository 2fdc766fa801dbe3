#pragma once

#include "base/ContentHash.h"
#include "base/Fd.h"
#include "copy/DestinationFolders.h"
#include "record/HashRecord.h"
#include "scan/FileEntry.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace kestrel {

class RunRecords;

// A copy a destination's record lists, whose bytes were read just now and found as recorded.
struct RecordedCopy {
    std::string path; // relative to the destination root
    Digest128 digest;
    std::time_t modified = 0; // the source's, as the copy of it records it
};

// Finds the copy that a destination's hash record already lists of a card file, under
// whatever name it was given: a card imported again after a job's patterns renamed its
// copies must not be copied again under new numbers.
class RecordedCopies {
  public:
    // Reads the records through records; each destination root is reached through the
    // descriptor opened holds for it where there is one, else opened by its path.
    explicit RecordedCopies(RunRecords& records, const DestinationFolders* opened = nullptr)
        : records_(records), opened_(opened) {}

    // The copy that the record of f's destination root lists with f's bytes and that still
    // holds them; nothing when there is none. A card file is hashed only when the record
    // lists a file of its size; a camera's file is never sent for it: the record's size and
    // time of the camera's file stand for its bytes, as for a re-import by name.
    std::optional<RecordedCopy> find(const FileFields& f);

  private:
    using Entry = std::map<std::string, HistoryEntry>::value_type;
    // The entries of one root's record that can vouch for bytes, by size.
    using BySize = std::unordered_multimap<std::int64_t, const Entry*>;
    const BySize& indexOf(const std::string& root);
    // The root open, once; -1 when it cannot be.
    int rootFd(const std::string& root);
    // The folder below the root open at rootFd, opened once; -1 when it cannot be.
    int folderFd(const std::string& root, int rootFd, const std::string& folder);
    // The digest of the card file of f, read once.
    std::optional<Digest128> cardDigest(const FileFields& f);

    RunRecords& records_;
    const DestinationFolders* opened_;
    std::map<std::string, BySize> indexes_;
    std::map<std::string, std::shared_ptr<const Fd>> roots_;
    static constexpr std::size_t kOpenFolders = 64;
    std::unordered_map<std::string, Fd> folders_; // by root, NUL, folder
    std::string digestOf_;                        // the card file whose digest is kept
    std::optional<Digest128> digest_;
    std::time_t modified_ = 0;
};

} // namespace kestrel
