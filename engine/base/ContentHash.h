#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// A 128-bit XXH3 digest, the hash the hash record keeps for every copied file.
struct Digest128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    bool operator==(const Digest128&) const = default;
    // 32 lowercase hex digits, most significant first: the text `xxhsum -H2` prints.
    std::string hex() const;
    // The digest written by hex() (either case); nothing for any other text.
    static std::optional<Digest128> fromHex(std::string_view text);
};

// Computes the XXH3-128 digest of bytes given in any number of pieces.
class ContentHash {
  public:
    ContentHash();
    ~ContentHash();
    ContentHash(ContentHash&&) noexcept;
    ContentHash& operator=(ContentHash&&) noexcept;
    ContentHash(const ContentHash&) = delete;
    ContentHash& operator=(const ContentHash&) = delete;

    // Starts over, as for a new file.
    void reset();
    void update(const void* data, std::size_t size);
    // The digest of everything given since the last reset; more can be added after.
    Digest128 digest() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Told the size of each piece read, so that a caller can show progress.
using ReadProgress = std::function<void(std::int64_t bytes)>;

// The digest of the whole file open at fd, read from its start, or of its first size bytes
// when size is not negative (a file we wrote ourselves, whose end need not be looked for);
// nothing when a read fails (errno says why). The file offset of fd is left alone.
std::optional<Digest128> hashFile(int fd, const ReadProgress& progress = {},
                                  std::int64_t size = -1);

// The digest of the regular file name in the folder open at dirFd, without following a
// symbolic link; nothing when it cannot be opened or read (errno says why).
std::optional<Digest128> hashFileAt(int dirFd, const std::string& name,
                                    const ReadProgress& progress = {});

} // namespace kestrel
