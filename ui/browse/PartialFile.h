#pragma once

#include <cstdint>
#include <vector>

namespace kestrel {

// A file's bytes at their own offsets in memory, read from the file only where asked; the
// rest reads as zeros and costs no memory. Parsers that want the whole file in memory
// (exiv2's) can then walk it while only the parts they need come from the card: no mmap of
// the file itself, which would crash the program with SIGBUS when the card is pulled.
class PartialFile {
  public:
    // Files larger than this are not held (exiv2 0.27 counts bytes in 32 bits).
    static constexpr std::uint64_t kMaxSize = 0xffffffffu;

    PartialFile(int fd, std::uint64_t size, std::uint64_t readBudget);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    bool valid() const { return data_ != nullptr; }
    const unsigned char* data() const { return data_; }
    std::uint64_t size() const { return size_; }

    // Reads the bytes in [at, at + length) not read before (clipped to the file). False on a
    // read error, or when the bytes would take the total read past the budget.
    bool read(std::uint64_t at, std::uint64_t length);

  private:
    int fd_;
    unsigned char* data_ = nullptr;
    std::uint64_t size_;
    std::uint64_t budget_;
    std::vector<bool> pageRead_;
};

} // namespace kestrel
