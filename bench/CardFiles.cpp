#include "CardFiles.h"

#include <algorithm>
#include <string>

namespace kestrel::bench {

namespace {

constexpr std::uint32_t kQuickTimeEpoch = 2082844800; // 1904-01-01 to 1970-01-01, in seconds
constexpr std::size_t kMovieTailBytes = 8 + 8 + 100;  // moov holding a version-0 mvhd

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value & 0xff));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value >> 16);
    put16(out, value & 0xffff);
}

void le16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xff));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void le32(Bytes& out, std::uint32_t value) {
    le16(out, value & 0xffff);
    le16(out, value >> 16);
}

void text(Bytes& out, const std::string& s) {
    out.insert(out.end(), s.begin(), s.end());
}

// One entry of a TIFF directory: tag, type (2 ASCII, 3 SHORT, 4 LONG, 5 RATIONAL,
// 7 UNDEFINED), count, and the value's little-endian bytes.
struct Entry {
    unsigned tag;
    unsigned type;
    std::uint32_t count;
    Bytes value;
};

Entry ascii(unsigned tag, const std::string& s) {
    Bytes value(s.begin(), s.end());
    value.push_back(0);
    return {tag, 2, static_cast<std::uint32_t>(value.size()), value};
}

Entry number(unsigned tag, unsigned type, std::uint32_t n) {
    Bytes value;
    type == 3 ? le16(value, n) : le32(value, n);
    return {tag, type, 1, value};
}

Entry rational(unsigned tag, std::uint32_t numerator, std::uint32_t denominator) {
    Bytes value;
    le32(value, numerator);
    le32(value, denominator);
    return {tag, 5, 1, value};
}

// Appends a directory (entries sorted by tag) and the values that do not fit in an entry.
// Returns where the last entry's value lies.
std::size_t putDirectory(Bytes& tiff, const std::vector<Entry>& entries) {
    std::size_t data = tiff.size() + 2 + 12 * entries.size() + 4, lastValue = 0;
    Bytes values;
    le16(tiff, static_cast<unsigned>(entries.size()));
    for (const Entry& e : entries) {
        le16(tiff, e.tag);
        le16(tiff, e.type);
        le32(tiff, e.count);
        lastValue = tiff.size();
        if (e.value.size() <= 4) {
            tiff.insert(tiff.end(), e.value.begin(), e.value.end());
            tiff.resize(lastValue + 4, 0);
        } else {
            le32(tiff, static_cast<std::uint32_t>(data + values.size()));
            values.insert(values.end(), e.value.begin(), e.value.end());
            values.resize((values.size() + 1) / 2 * 2, 0); // values start at even offsets
        }
    }
    le32(tiff, 0); // no next directory
    tiff.insert(tiff.end(), values.begin(), values.end());
    return lastValue;
}

} // namespace

void append(Bytes& out, std::initializer_list<unsigned> bytes) {
    for (unsigned b : bytes)
        out.push_back(static_cast<unsigned char>(b));
}

Bytes jpeg(std::int64_t size, Random& random, const Bytes& segment) {
    Bytes head;
    append(head, {0xff, 0xd8}); // SOI
    head.insert(head.end(), segment.begin(), segment.end());
    append(head, {0xff, 0xe0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    append(head, {0xff, 0xdb, 0x00, 0x43, 0x00}); // DQT
    for (int i = 0; i < 64; ++i)
        head.push_back(1);
    append(head, {0xff, 0xc0, 0x00, 0x0b, 8, 0x00, 0x08, 0x00, 0x08, 1, 1, 0x11, 0}); // SOF0
    Bytes tail;
    for (unsigned table : {0x00u, 0x10u}) { // DC and AC table 0: one code "0" for symbol 0
        append(tail, {0xff, 0xc4, 0x00, 0x14, table, 1});
        for (int i = 0; i < 15; ++i)
            tail.push_back(0);
        tail.push_back(0);
    }
    append(tail, {0xff, 0xda, 0x00, 0x08, 1, 1, 0x00, 0, 63, 0}); // SOS
    append(tail, {0x3f});                                         // DC diff 0, EOB
    append(tail, {0xff, 0xd9});                                   // EOI

    Bytes out = head;
    std::int64_t padding = size - static_cast<std::int64_t>(head.size() + tail.size());
    while (padding >= 4) {
        // A comment segment holds at most 65533 bytes of its own.
        std::int64_t body = std::min<std::int64_t>(padding - 4, 65533);
        if (padding - 4 - body > 0 && padding - 4 - body < 4)
            body -= 4; // leave room for one more whole segment
        append(out, {0xff, 0xfe});
        put16(out, static_cast<unsigned>(body + 2));
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(body));
        random.fill(out.data() + at, static_cast<std::size_t>(body));
        // A comment may hold any byte, but keep 0xff out so no reader mistakes it for a marker.
        for (std::size_t i = at; i < out.size(); ++i)
            if (out[i] == 0xff)
                out[i] = 0xfe;
        padding -= body + 4;
    }
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

Bytes exifSegment(std::time_t taken) {
    std::tm utc{};
    ::gmtime_r(&taken, &utc);
    char when[32];
    std::strftime(when, sizeof when, "%Y:%m:%d %H:%M:%S", &utc);

    Bytes tiff;
    append(tiff, {'I', 'I', 42, 0, 8, 0, 0, 0});
    const std::size_t exifPointer =
        putDirectory(tiff, {ascii(0x010f, "Canon"), ascii(0x0110, "Canon EOS R6"),
                            number(0x0112, 3, 1), rational(0x011a, 72, 1), rational(0x011b, 72, 1),
                            number(0x0128, 3, 2), ascii(0x0132, when), number(0x8769, 4, 0)});
    const auto exifAt = static_cast<std::uint32_t>(tiff.size());
    for (int i = 0; i < 4; ++i)
        tiff[exifPointer + static_cast<std::size_t>(i)] =
            static_cast<unsigned char>(exifAt >> (8 * i));
    putDirectory(tiff, {rational(0x829a, 1, 250),
                        rational(0x829d, 28, 10),
                        number(0x8827, 3, 400),
                        {0x9000, 7, 4, {'0', '2', '3', '1'}},
                        ascii(0x9003, when),
                        ascii(0x9004, when),
                        number(0xa002, 4, 8),
                        number(0xa003, 4, 8)});

    Bytes out;
    append(out, {0xff, 0xe1});
    put16(out, static_cast<unsigned>(2 + 6 + tiff.size()));
    text(out, std::string("Exif\0\0", 6));
    out.insert(out.end(), tiff.begin(), tiff.end());
    return out;
}

Bytes movieHead(std::int64_t size) {
    Bytes head;
    append(head,
           {0, 0, 0, 0x14, 'f', 't', 'y', 'p', 'q', 't', ' ', ' ', 0, 0, 0, 0, 'q', 't', ' ', ' '});
    put32(head, static_cast<std::uint32_t>(size - 20 - static_cast<std::int64_t>(kMovieTailBytes)));
    text(head, "mdat");
    return head;
}

Bytes movieTail(std::time_t created) {
    const auto when = static_cast<std::uint32_t>(created + kQuickTimeEpoch);
    Bytes tail;
    put32(tail, kMovieTailBytes);
    text(tail, "moov");
    put32(tail, kMovieTailBytes - 8);
    text(tail, "mvhd");
    put32(tail, 0);       // version 0, no flags
    put32(tail, when);    // created
    put32(tail, when);    // modified
    put32(tail, 600);     // time scale
    put32(tail, 0);       // duration
    put32(tail, 0x10000); // rate 1.0
    put16(tail, 0x100);   // volume 1.0
    tail.resize(tail.size() + 10, 0);
    for (std::uint32_t m : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u}) // identity
        put32(tail, m);
    tail.resize(tail.size() + 24, 0);
    put32(tail, 2); // next track
    return tail;
}

} // namespace kestrel::bench
