#pragma once

// The contents of the synthetic card's files: JPEG images, with or without the EXIF a
// camera writes, and the atoms around a clip's data.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <vector>

namespace kestrel::bench {

using Bytes = std::vector<unsigned char>;

// splitmix64: small, fast and the same everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A number in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    void fill(unsigned char* data, std::size_t size) {
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            const std::uint64_t word = next();
            std::memcpy(data + i, &word, 8);
        }
        for (const std::uint64_t word = next(); i < size; ++i)
            data[i] = static_cast<unsigned char>(word >> (8 * (i % 8)));
    }

  private:
    std::uint64_t state_;
};

// Appends each value as one byte.
void append(Bytes& out, std::initializer_list<unsigned> bytes);

// A baseline JPEG of one grey 8x8 block, with `segment` (an EXIF segment, say) right after
// its start and padded with comment segments to size bytes (159 + the segment at least, and
// up to 3 bytes short when size is just above that). It decodes; its bytes differ from file
// to file.
Bytes jpeg(std::int64_t size, Random& random, const Bytes& segment = {});

// The APP1 segment a camera writes: make, model and exposure, and `taken` (read as UTC) as
// the date and time the photo was taken and digitized.
Bytes exifSegment(std::time_t taken);

// The start of a QuickTime clip of `size` bytes that ends in movieTail(): ftyp and the
// header of the mdat that holds the media data.
Bytes movieHead(std::int64_t size);

// The end of a clip, after its media data as cameras write it: moov with a movie header
// made at `created`.
Bytes movieTail(std::time_t created);

} // namespace kestrel::bench
