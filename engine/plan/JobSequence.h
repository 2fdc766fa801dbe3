#pragma once

#include <cstdint>
#include <string>
#include <utility>

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
    // keeps open while it reserves.
    JobSequence(int root, std::string job) : root_(root), job_(std::move(job)) {}

    // count fresh numbers from first on, or why none can be had.
    struct Reserved {
        std::uint64_t first = 0;
        std::string error;
    };

    // Takes the count numbers after the last one taken (the first run gets 1) and stores
    // the new last one on disk before it answers, so a number is never given twice: not to
    // two runs at once (they take turns on a lock), nor after a run that stopped early. A
    // sequence file that cannot be read as a whole is an error, never a new start at 1.
    Reserved reserve(std::uint64_t count);

  private:
    int root_;
    std::string job_;
};

} // namespace kestrel
