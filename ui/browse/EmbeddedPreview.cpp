// Previews are found with exiv2's PreviewManager, but exiv2 never opens the file itself: its
// FileIo maps the whole file into memory, and a card pulled while a page of it is touched
// ends the program with SIGBUS. exiv2 walks a PartialFile instead, in which only the bytes
// read so far are the file's and the rest are zeros: first the head, where the directories
// and maker notes are; then the start of every preview the metadata points to, enough for
// exiv2 to tell each one's size; then all of the one preview picked. A preview's bytes are
// read before it is taken, so the zeros never end up in a thumbnail; and the read budget
// bounds what a hostile file can make us read, as the capture date reader bounds its reads.

#include "browse/EmbeddedPreview.h"

#include "browse/PartialFile.h"
#include "base/Exiv2Setup.h"

#include <exiv2/error.hpp>
#include <exiv2/exif.hpp>
#include <exiv2/image.hpp>
#include <exiv2/preview.hpp>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace kestrel {

namespace {

// A JPEG's segments before its image data: the EXIF segment is at most 64 KiB.
constexpr std::uint64_t kHead = 128 * 1024;
// TIFF-based raw files keep their directories and maker notes in the first MiB.
constexpr std::uint64_t kTiffHead = 1 << 20;
// Enough of a JPEG preview for its header, and all of a camera's 160-pixel thumbnail.
constexpr std::uint64_t kPreviewStart = 64 * 1024;
// Full-size previews of the largest sensors stay below this; raw data lies above it.
constexpr std::uint64_t kMaxPreview = 32 << 20;
constexpr std::uint64_t kReadBudget = 48 << 20;
// Cameras write a handful of previews; a crafted file may point to thousands.
constexpr std::size_t kMaxRegions = 16;
constexpr long kMaxStrips = 4096;

// Where one preview's bytes lie in the file, as its directory gives them.
struct Region {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> pieces; // offset and length
    std::uint64_t bytes = 0;
    bool strips = false; // TIFF strips (whose size in pixels the directory gives)
    long width = 0;
    long height = 0;
};

Exiv2::Image::AutoPtr parse(const PartialFile& file) {
    auto image = Exiv2::ImageFactory::open(file.data(), static_cast<long>(file.size()));
    image->readMetadata();
    return image;
}

// The TIFF tags that say where a preview is and how large.
constexpr std::uint16_t kWidth = 0x0100, kHeight = 0x0101, kStripOffsets = 0x0111,
                        kStripLengths = 0x0117, kJpegOffset = 0x0201, kJpegLength = 0x0202;

// The previews the metadata points to by offset: JPEG streams and TIFF strips, by the
// directory (exiv2's group) that holds their tags.
std::vector<Region> previewRegions(const Exiv2::ExifData& exif) {
    std::map<std::string, std::map<std::uint16_t, const Exiv2::Exifdatum*>> groups;
    for (const Exiv2::Exifdatum& datum : exif) {
        const std::uint16_t tag = datum.tag();
        if (tag == kWidth || tag == kHeight || tag == kStripOffsets || tag == kStripLengths ||
            tag == kJpegOffset || tag == kJpegLength)
            groups[datum.groupName()][tag] = &datum;
    }
    std::vector<Region> regions;
    const auto add = [&regions](const Exiv2::Exifdatum* at, const Exiv2::Exifdatum* length,
                                Region region) {
        if (at == nullptr || length == nullptr || at->count() != length->count() ||
            at->count() > kMaxStrips)
            return;
        for (long i = 0; i < at->count(); ++i) {
            const auto bytes = static_cast<std::uint64_t>(length->toLong(i));
            region.pieces.emplace_back(static_cast<std::uint64_t>(at->toLong(i)), bytes);
            region.bytes += bytes;
        }
        if (region.bytes > 0 && region.bytes <= kMaxPreview && regions.size() < kMaxRegions)
            regions.push_back(std::move(region));
    };
    for (const auto& [group, tags] : groups) {
        const auto tag = [&tags](std::uint16_t number) {
            const auto it = tags.find(number);
            return it == tags.end() ? nullptr : it->second;
        };
        const auto value = [&tag](std::uint16_t number) {
            return tag(number) != nullptr ? tag(number)->toLong() : 0L;
        };
        add(tag(kJpegOffset), tag(kJpegLength), Region{});
        add(tag(kStripOffsets), tag(kStripLengths),
            Region{{}, 0, true, value(kWidth), value(kHeight)});
    }
    return regions;
}

// The region holding the preview exiv2 describes: a JPEG by its length in bytes, strips (which
// exiv2 hands out as a TIFF of its own making) by their size in pixels.
const Region* regionOf(const std::vector<Region>& regions, const Exiv2::PreviewProperties& p) {
    const bool tiff = p.mimeType_ == "image/tiff";
    for (const Region& region : regions) {
        if (tiff ? region.strips && region.width == long(p.width_) &&
                       region.height == long(p.height_)
                 : region.bytes == p.size_)
            return &region;
    }
    return nullptr;
}

int orientationOf(const Exiv2::ExifData& exif) {
    const auto it = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    const long value = it != exif.end() && it->count() > 0 ? it->toLong() : 1;
    return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
}

EmbeddedPreview findPreview(PartialFile& file, int maxSide) {
    if (!file.read(0, kHead))
        return {};
    const unsigned char* magic = file.data();
    if ((magic[0] == 'I' && magic[1] == 'I') || (magic[0] == 'M' && magic[1] == 'M'))
        file.read(0, kTiffHead);
    for (const Region& region : previewRegions(parse(file)->exifData()))
        file.read(region.pieces.front().first, kPreviewStart);
    auto image = parse(file);
    const std::vector<Region> regions = previewRegions(image->exifData());
    const Exiv2::PreviewPropertiesList previews =
        Exiv2::PreviewManager(*image).getPreviewProperties();
    // Fewest pixels first: the first large enough, or else the last.
    const Exiv2::PreviewProperties* chosen = nullptr;
    for (const Exiv2::PreviewProperties& preview : previews) {
        if (preview.width_ == 0 || preview.height_ == 0)
            continue;
        chosen = &preview;
        if (std::max(preview.width_, preview.height_) >= std::uint32_t(maxSide))
            break;
    }
    if (chosen == nullptr)
        return {};
    if (const Region* region = regionOf(regions, *chosen)) {
        for (const auto& [at, length] : region->pieces)
            if (!file.read(at, length))
                return {};
        image = parse(file);
    }
    const Exiv2::PreviewImage preview = Exiv2::PreviewManager(*image).getPreviewImage(*chosen);
    EmbeddedPreview found;
    found.data = QByteArray(reinterpret_cast<const char*>(preview.pData()),
                            static_cast<qsizetype>(preview.size()));
    found.tiff = preview.mimeType() == "image/tiff";
    found.fits = std::max(chosen->width_, chosen->height_) >= std::uint32_t(maxSide);
    found.orientation = orientationOf(image->exifData());
    return found;
}

} // namespace

EmbeddedPreview readEmbeddedPreview(int fd, std::uint64_t fileSize, int maxSide) {
    // exiv2 reports damaged data by throwing (Exiv2::AnyError); memory may run out. Either
    // way the file has no preview we can use.
    try {
        setUpExiv2();
        PartialFile file(fd, fileSize, kReadBudget);
        return file.valid() ? findPreview(file, maxSide) : EmbeddedPreview{};
    } catch (...) {
        return {};
    }
}

} // namespace kestrel
