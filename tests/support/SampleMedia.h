#pragma once

// Small photos and clips with known capture dates, made in memory: exiv2 writes the EXIF,
// the QuickTime atoms are laid out here. Shared by the tests and the fuzz program.

#include <exiv2/exif.hpp>
#include <exiv2/image.hpp>

#include <cstdint>
#include <string>
#include <utility>

namespace kestrel::test {

// An empty JPEG, or a one-entry TIFF, into whose EXIF exiv2 writes the dates given (none
// where empty).
inline std::string stillWithDates(const std::string& original, const std::string& digitized = {},
                                  bool tiff = false) {
    const std::string base =
        tiff ? std::string("II*\0\x08\0\0\0\x01\0\0\x01\x03\0\x01\0\0\0\x01\0\0\0\0\0\0\0", 26)
             : std::string("\xff\xd8\xff\xd9", 4);
    auto image = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(base.data()),
                                           static_cast<long>(base.size()));
    image->readMetadata();
    for (const auto& [key, value] : {std::pair{"Exif.Photo.DateTimeOriginal", original},
                                     std::pair{"Exif.Photo.DateTimeDigitized", digitized}})
        if (!value.empty())
            image->exifData()[key] = value;
    image->writeMetadata();
    image->io().seek(0, Exiv2::BasicIo::beg);
    Exiv2::DataBuf bytes = image->io().read(image->io().size());
    return {reinterpret_cast<const char*>(bytes.pData_), static_cast<std::size_t>(bytes.size_)};
}

// value as `bytes` big-endian bytes.
inline std::string be(std::uint64_t value, int bytes) {
    std::string out;
    while (bytes-- > 0)
        out += static_cast<char>(value >> (8 * bytes));
    return out;
}

inline std::string atom(const char* type, const std::string& body) {
    return be(8 + body.size(), 4) + type + body;
}

// A clip as cameras write it: ftyp, `dataBytes` of media data in an mdat with a 32-bit
// size (or a 64-bit one, `wide`), then (unless left out) moov with an mvhd of `version`
// (0 or 1) made `created` seconds after 1904 began, `duration` 600ths of a second long.
inline std::string movie(int version, std::uint64_t created, bool withMoov = true,
                         bool wide = false, std::size_t dataBytes = 1 << 20,
                         std::uint64_t duration = 0) {
    const int w = version == 1 ? 8 : 4; // the width of the times
    const std::string mvhd =
        atom("mvhd", be(version, 1) + be(0, 3) + be(created, w) + be(created, w) + be(600, 4) +
                         be(duration, w) + std::string(80, '\0'));
    const std::string data(dataBytes, 'x');
    return atom("ftyp", "qt  " + be(0, 4) + "qt  ") +
           (wide ? be(1, 4) + "mdat" + be(16 + data.size(), 8) + data : atom("mdat", data)) +
           (withMoov ? atom("moov", mvhd) : "");
}

} // namespace kestrel::test
