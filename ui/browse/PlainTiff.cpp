#include "browse/PlainTiff.h"

#include <exiv2/exif.hpp>

#include <algorithm>
#include <cstring>

namespace kestrel {

namespace {

// Larger than any thumbnail a camera writes; bounds what a hostile file can make us allocate.
constexpr long kMaxSide = 2048;

long number(const Exiv2::ExifData& exif, const char* key, long index = 0, long missing = -1) {
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it != exif.end() && index < it->count() ? it->toLong(index) : missing;
}

} // namespace

QImage decodePlainTiff(const unsigned char* data, std::size_t size) {
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, data, static_cast<std::uint32_t>(size));
        const long width = number(exif, "Exif.Image.ImageWidth");
        const long height = number(exif, "Exif.Image.ImageLength");
        if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
            number(exif, "Exif.Image.Compression", 0, 1) != 1 ||
            number(exif, "Exif.Image.PhotometricInterpretation") != 2 ||
            number(exif, "Exif.Image.SamplesPerPixel") != 3 ||
            number(exif, "Exif.Image.PlanarConfiguration", 0, 1) != 1)
            return {};
        for (long sample = 0; sample < 3; ++sample)
            if (number(exif, "Exif.Image.BitsPerSample", sample, 8) != 8)
                return {};
        const auto offsets = exif.findKey(Exiv2::ExifKey("Exif.Image.StripOffsets"));
        const auto counts = exif.findKey(Exiv2::ExifKey("Exif.Image.StripByteCounts"));
        if (offsets == exif.end() || counts == exif.end() || offsets->count() != counts->count())
            return {};
        QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
        if (image.isNull())
            return {};
        // The strips, one after another, are the rows from the top.
        const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
        const std::size_t total = rowBytes * static_cast<std::size_t>(height);
        std::size_t done = 0;
        for (long strip = 0; strip < offsets->count() && done < total; ++strip) {
            const auto at = static_cast<std::size_t>(offsets->toLong(strip));
            const auto bytes = static_cast<std::size_t>(counts->toLong(strip));
            if (at > size || bytes > size - at)
                return {};
            for (std::size_t taken = 0; taken < bytes && done < total;) {
                const std::size_t row = done / rowBytes, column = done % rowBytes;
                const std::size_t n = std::min(bytes - taken, rowBytes - column);
                std::memcpy(image.scanLine(static_cast<int>(row)) + column, data + at + taken, n);
                taken += n;
                done += n;
            }
        }
        return done == total ? image : QImage();
    } catch (...) {
        return {};
    }
}

} // namespace kestrel
