#pragma once

#include "base/ContentHash.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// One file of a destination root as a generation of its hash record holds it.
struct RecordedFile {
    // What the hash says of the file: read from the source, read back from the copy, or a
    // read-back that disagreed.
    enum class Action : std::uint8_t { Original, Verified, Failed };

    std::string path; // relative to the root, '/'-separated, valid UTF-8
    std::int64_t size = 0;
    std::time_t lastModified = 0;
    Digest128 hash;
    Action action = Action::Original;
    std::time_t hashDate = 0;
};

// Who wrote a generation, and when.
struct CreatorInfo {
    std::string tool = "kestrel";
    std::string version;
    std::string hostname;
    std::time_t creationTime = 0;
};

// A CreatorInfo for this host and the current time.
CreatorInfo creatorNow(const std::string& version);

// What became of adding a generation.
struct RecordResult {
    std::string error;      // empty on success
    std::string generation; // the name of the generation file published, if one was
    // The paths left out because a record cannot hold them: not valid UTF-8, holding a
    // control character, absolute, or with an empty, "." or ".." part.
    std::vector<std::string> leftOut;
    bool ok() const { return error.empty(); }
};

// Writes one new generation listing files into ROOT/ascmhl/ and adds it to the chain of
// that folder. Publishes under a fresh number and never replaces an existing generation;
// refuses an ascmhl that is a symbolic link. With rootFd, the root is the folder open there
// (rootPath then only names it). Never throws.
RecordResult addGeneration(const std::string& rootPath, const std::vector<RecordedFile>& files,
                           const CreatorInfo& info, int rootFd = -1);

// The newest record of one path in a history, kept small: a history may hold millions.
struct HistoryEntry {
    std::optional<Digest128> xxh128; // none when the record holds other hashes only
    std::int64_t size = -1;          // -1 when the record gives none
    std::time_t lastModified = 0;    // 0 when the record gives none
    int generation = 0;
    int ordinal = 0; // its place among the entries of its generation, from 1
    RecordedFile::Action action = RecordedFile::Action::Original;
    bool seen = false; // verifyRoot's mark: the walk found the path
};

// The whole hash record of a root.
struct History {
    std::map<std::string, HistoryEntry> files;  // by path relative to the root
    std::vector<std::string> ignorePatterns;    // of every generation
    std::map<int, std::string> generationNames; // the file of each generation, by number
    int generations = 0;                        // the highest generation number
};

// Reads every generation of ROOT/ascmhl/ (those of the chain and those found in the
// folder), checking each against its C4 id in the chain, a piece at a time. Nothing, with
// error set, when the record cannot be read or is damaged ("no hash record" when ROOT has
// none). An entry that cannot be checked damages the record: an entity left unresolved, a
// path that is absolute or has an empty, "." or ".." part, an xxh128 hash that is not 32 hex
// digits, a size that is not a number of bytes; error names its generation and entry.
std::optional<History> readHistory(const std::string& rootPath, std::string& error);

// What checking a root against its hash record found; paths relative to the root, sorted.
struct VerifyResult {
    std::string error;                   // set when the record or the root cannot be read at all
    std::vector<std::string> missing;    // recorded, not there any more
    std::vector<std::string> changed;    // recorded with another size or hash
    std::vector<std::string> unrecorded; // regular files never recorded
    std::vector<std::string> unchecked;  // recorded without an xxh128 hash
    std::vector<std::string> unreadable; // "path: reason", files or folders
    std::int64_t matched = 0;
    bool stopped = false; // the check ended early, as asked: missing was not worked out
    bool ok() const { return passed() && unrecorded.empty(); }
    // True when every recorded file was checked and matches its record. Files never recorded
    // do not count against it: the record vouches only for what it lists.
    bool passed() const {
        return error.empty() && missing.empty() && changed.empty() && unreadable.empty() &&
               unchecked.empty() && !stopped;
    }
};

// Hashes every regular file below ROOT, never following symbolic links and skipping the
// ascmhl folder and what the record says to ignore, and compares each with its newest
// record. A recorded path that is now a link, a folder or another kind of file is changed; one
// that goes through a symbolic link damages the record (error says which). progress is told
// the bytes read, piece by piece. stop is asked before each file; once it answers true the
// check ends there, with stopped set.
VerifyResult verifyRoot(const std::string& rootPath,
                        const std::function<void(std::int64_t bytesDone)>& progress = {},
                        const std::function<bool()>& stop = {});

// The same, against a history readHistory gave for ROOT, which it takes over.
VerifyResult verifyRoot(const std::string& rootPath, History history,
                        const std::function<void(std::int64_t bytesDone)>& progress = {},
                        const std::function<bool()>& stop = {});

} // namespace kestrel
