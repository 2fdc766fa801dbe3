#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {

// The numbers of one job at one destination, which every run that files there shares. They
// are kept with the destination, in ROOT/.kestrel/sequence, so another computer that files
// to the same disk goes on where this one stopped.
class JobSequence {
  public:
    // The folder below a root that holds the sequences, and the file in it.
    static constexpr const char* kFolder = ".kestrel";
    static constexpr const char* kFile = "sequence";

    // The sequence of job (any text) at the destination root open at root, which the caller
    // keeps open while it reserves; where (when given) is the root's path, for the messages.
    JobSequence(int root, std::string job, std::string where = {})
        : root_(root), job_(std::move(job)), where_(std::move(where)) {}

    // count fresh numbers from first on, or why none can be had.
    struct Reserved {
        std::uint64_t first = 0;
        std::string error;
    };

    // Takes the count numbers after the last one taken (the first run gets 1) and stores
    // the new last one on disk before it answers, so a number is never given twice: not to
    // two runs at once (they take turns on a lock), nor after a run that stopped early. A
    // sequence file that cannot be read as a whole is an error, never a new start at 1.
    // The block starts at atLeast when the numbers before it are not all taken yet.
    Reserved reserve(std::uint64_t count, std::uint64_t atLeast = 1);

    // The number the next reserve would start at, read without taking it and without
    // writing anything (not even the folder).
    Reserved next() const;

  private:
    // The sequence file, for the messages: below where, when given.
    std::string place() const;
    // The messages of its faults.
    Reserved failedWith(int error) const;
    Reserved damaged(int line) const;
    Reserved usedUp() const;

    int root_;
    std::string job_;
    std::string where_;
};

// count numbers of job fresh at every destination root in roots (paths): the same block at
// each, so that the copies of one file get one number wherever they go. reserve false: the
// block that would be taken now, reading only.
JobSequence::Reserved reserveAtEvery(const std::vector<std::string>& roots, const std::string& job,
                                     std::uint64_t count, bool reserve = true);

} // namespace kestrel
