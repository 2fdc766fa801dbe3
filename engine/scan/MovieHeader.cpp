// The movie header is found by walking atom headers with pread rather than through exiv2's
// QuickTime reader (Xmp.video.DateUTC). exiv2 0.27 does not understand 64-bit atom sizes
// (size field 1, which cameras write for the media data of long clips): it then takes the
// clip's data for atoms and walks through it 8 bytes at a time. A 128 MiB clip with such
// an mdat before its moov made it read all 128 MiB, about a second per clip; and a card
// is untrusted input for a parser that trusts its sizes. Here every atom costs one small
// read, sizes are checked against their parent, and the number of atoms visited is capped.

#include "scan/MovieHeader.h"

#include "scan/ReadAt.h"

#include <algorithm>
#include <cstring>

namespace kestrel {

namespace {

// Real clips have a handful of atoms at each level; a crafted file may have millions.
constexpr int kMaxAtoms = 256;

// Where an atom's content starts and where the atom ends, in bytes from the file's start.
struct Atom {
    std::uint64_t body;
    std::uint64_t end;
};

// The first atom of `type` among the atoms that fill [from, to).
std::optional<Atom> findAtom(int fd, std::uint64_t from, std::uint64_t to, const char* type) {
    for (int visited = 0; visited < kMaxAtoms && to - from >= 8; ++visited) {
        unsigned char head[16];
        const std::size_t got = readAt(fd, from, head, std::min<std::uint64_t>(16, to - from));
        if (got < 8)
            return std::nullopt;
        std::uint64_t size = bigEndian(head, 4);
        std::uint64_t headSize = 8;
        if (size == 1) { // a 64-bit size follows the type
            if (got < 16)
                return std::nullopt;
            size = bigEndian(head + 8, 8);
            headSize = 16;
        } else if (size == 0) { // the last atom: it runs to the end of its parent
            size = to - from;
        }
        if (size < headSize || size > to - from)
            return std::nullopt;
        if (std::memcmp(head + 4, type, 4) == 0)
            return Atom{from + headSize, from + size};
        from += size;
    }
    return std::nullopt;
}

// Reads up to size bytes of the body of moov/mvhd into head; 0 when there is none.
std::size_t readMovieHeader(int fd, std::uint64_t fileSize, unsigned char* head,
                            std::size_t size) {
    const auto moov = findAtom(fd, 0, fileSize, "moov");
    if (!moov)
        return 0;
    const auto mvhd = findAtom(fd, moov->body, moov->end, "mvhd");
    if (!mvhd)
        return 0;
    return readAt(fd, mvhd->body, head, std::min<std::uint64_t>(size, mvhd->end - mvhd->body));
}

} // namespace

std::optional<std::uint64_t> movieCreationTime(int fd, std::uint64_t fileSize) {
    // Version and flags (4 bytes), then the creation time: 32 bits in version 0, 64 in 1.
    unsigned char head[12];
    const std::size_t got = readMovieHeader(fd, fileSize, head, sizeof head);
    if (got >= 8 && head[0] == 0)
        return bigEndian(head + 4, 4);
    if (got >= 12 && head[0] == 1)
        return bigEndian(head + 4, 8);
    return std::nullopt;
}

std::optional<double> movieDurationSeconds(int fd, std::uint64_t fileSize) {
    // Version and flags, two times, the time scale (32 bits), then the duration: the times
    // and the duration are 32 bits wide in version 0, 64 in version 1.
    unsigned char head[32];
    const std::size_t got = readMovieHeader(fd, fileSize, head, sizeof head);
    if (got < 1 || head[0] > 1)
        return std::nullopt;
    const std::size_t width = head[0] == 1 ? 8 : 4;
    if (got < 8 + 3 * width)
        return std::nullopt;
    const std::uint64_t scale = bigEndian(head + 4 + 2 * width, 4);
    const std::uint64_t duration = bigEndian(head + 8 + 2 * width, static_cast<int>(width));
    // All ones is how a writer says it does not know the length.
    const std::uint64_t unknown = width == 8 ? ~std::uint64_t{0} : 0xffffffffu;
    if (scale == 0 || duration == unknown)
        return std::nullopt;
    return static_cast<double>(duration) / static_cast<double>(scale);
}

} // namespace kestrel
