#include "scan/CaptureDate.h"

#include "base/Exiv2Setup.h"
#include "scan/MovieHeader.h"
#include "scan/ReadAt.h"

// exiv2 comes in through an imported target, whose include folders are system ones: the
// parts of 0.27's headers that C++20 deprecates raise no warnings in our -Werror build.
#include <exiv2/error.hpp>
#include <exiv2/exif.hpp>

#include <sys/stat.h>

#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace kestrel {

namespace {

using Bytes = std::vector<unsigned char>;

// A JPEG's EXIF segment (64 KiB at most) comes first or second in the file.
constexpr std::size_t kHeadBytes = 64 * 1024;
// TIFF-based raw files (TIFF, DNG, CR2, NEF) point to their EXIF from their first
// directory, which cameras write at the start; past the first MiB lies image data.
constexpr std::size_t kTiffHeadBytes = 1 << 20;
// A camera's EXIF segment comes first or second; a JPEG has a dozen segments at most
// before its image data.
constexpr int kMaxJpegSegments = 64;
// Where a Fujifilm raw file says at which offset its embedded JPEG, with the EXIF, starts.
constexpr std::uint64_t kRafJpegOffsetAt = 84;

// Seconds from 1904-01-01 (the QuickTime epoch) to 1970-01-01.
constexpr std::uint64_t kQuickTimeEpoch = 2082844800;
// 9999-12-31 23:59:59 UTC in QuickTime seconds: anything later is not a real date.
constexpr std::uint64_t kLastQuickTimeSecond = 253402300799 + kQuickTimeEpoch;

bool isRealDay(const CalendarDay& d) {
    static constexpr int kDaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    return d.day <= kDaysIn[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
}

// An EXIF date-time, "YYYY:MM:DD HH:MM:SS" exactly. Cameras whose clock was never set write
// blanks or zeros; those, and anything else, give nothing.
std::optional<CaptureTime> timeOfExifText(const std::string& text) {
    static constexpr char kForm[] = "####:##:## ##:##:##";
    if (text.size() != sizeof kForm - 1)
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kForm[i] == '#' ? !digit : text[i] != kForm[i])
            return std::nullopt;
    }
    const auto number = [&text](std::size_t at, std::size_t length) {
        return std::stoi(text.substr(at, length));
    };
    if (number(11, 2) > 23 || number(14, 2) > 59 || number(17, 2) > 60)
        return std::nullopt;
    // Camera wall-clock time without a zone: as written, never converted.
    const CaptureTime time{
        {number(0, 4), number(5, 2), number(8, 2)}, number(11, 2), number(14, 2), number(17, 2)};
    return isRealDay(time.day) ? std::optional(time) : std::nullopt;
}

// What the pictures' metadata tells: when it was taken, and by which camera.
struct ExifFacts {
    std::optional<CaptureTime> time;
    std::string model; // empty when not given
};

// The facts in an EXIF block (a TIFF structure), decoded by exiv2.
ExifFacts factsOfExifBlock(const unsigned char* data, std::size_t size) {
    constexpr std::uint16_t kDateTimeOriginal = 0x9003, kDateTimeDigitized = 0x9004;
    constexpr std::uint16_t kModel = 0x0110;
    if (size < 8)
        return {};
    Exiv2::ExifData exif;
    Exiv2::ExifParser::decode(exif, data, static_cast<std::uint32_t>(size));
    // By tag number first: comparing whole keys would build a string for every tag.
    std::optional<CaptureTime> original, digitized;
    ExifFacts facts;
    for (const Exiv2::Exifdatum& datum : exif) {
        const std::uint16_t tag = datum.tag();
        if (tag == kModel && facts.model.empty() && datum.groupName() == "Image")
            facts.model = datum.toString();
        if ((tag != kDateTimeOriginal && tag != kDateTimeDigitized) || datum.groupName() != "Photo")
            continue;
        std::optional<CaptureTime>& time = tag == kDateTimeOriginal ? original : digitized;
        if (!time)
            time = timeOfExifText(datum.toString());
    }
    // Cameras pad the model with spaces or NULs.
    while (!facts.model.empty() && (facts.model.back() == ' ' || facts.model.back() == '\0'))
        facts.model.pop_back();
    facts.time = original ? original : digitized;
    return facts;
}

// The first bytes of a file, read in one system call: a JPEG's segments before its image
// data usually lie in them. System calls, not bytes, are what a small file costs.
class Head {
  public:
    Head(int fd, std::size_t capacity) : fd_(fd), data_(new unsigned char[capacity]) {
        size_ = readAt(fd, 0, data_.get(), capacity);
        whole_ = size_ < capacity;
    }
    const unsigned char* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    // The n bytes at `at`, from the head or else read into spill; null past the end.
    const unsigned char* bytesAt(std::uint64_t at, std::size_t n, Bytes& spill) const {
        if (at + n <= size_)
            return data_.get() + at;
        if (whole_)
            return nullptr;
        spill.resize(n);
        return readAt(fd_, at, spill.data(), n) == n ? spill.data() : nullptr;
    }

  private:
    int fd_;
    std::unique_ptr<unsigned char[]> data_;
    std::size_t size_ = 0;
    bool whole_ = false;
};

// The capture time in the JPEG stream that starts at `at`: from the APP1 "Exif" segment
// among the segments before the image data.
ExifFacts jpegFacts(const Head& head, std::uint64_t at) {
    Bytes spill;
    const unsigned char* bytes = head.bytesAt(at, 2, spill);
    if (bytes == nullptr || bytes[0] != 0xff || bytes[1] != 0xd8)
        return {};
    at += 2;
    for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
        bytes = head.bytesAt(at, 4, spill);
        if (bytes == nullptr || bytes[0] != 0xff)
            return {};
        const unsigned marker = bytes[1];
        if (marker == 0xff) { // fill byte before a marker
            at += 1;
            continue;
        }
        if (marker == 0xda || marker == 0xd9) // start of the image data, or its end
            return {};
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) { // markers without a length
            at += 2;
            continue;
        }
        const auto length = static_cast<std::size_t>(bigEndian(bytes + 2, 2));
        if (length < 2)
            return {};
        if (marker == 0xe1 && length > 8) {
            const unsigned char* body = head.bytesAt(at + 4, length - 2, spill);
            if (body == nullptr)
                return {};
            if (std::memcmp(body, "Exif\0\0", 6) == 0)
                return factsOfExifBlock(body + 6, length - 8);
        }
        at += 2 + length;
    }
    return {};
}

ExifFacts stillFacts(int fd) {
    const Head head(fd, kHeadBytes);
    const unsigned char* magic = head.data();
    if (head.size() >= 4 &&
        (std::memcmp(magic, "II*\0", 4) == 0 || std::memcmp(magic, "MM\0*", 4) == 0)) {
        if (head.size() < kHeadBytes)
            return factsOfExifBlock(head.data(), head.size());
        const Head tiff(fd, kTiffHeadBytes);
        return factsOfExifBlock(tiff.data(), tiff.size());
    }
    if (head.size() >= kRafJpegOffsetAt + 4 && std::memcmp(magic, "FUJIFILMCCD-RAW ", 16) == 0)
        return jpegFacts(head, bigEndian(magic + kRafJpegOffsetAt, 4));
    return jpegFacts(head, 0);
}

// The movie header's time is UTC; the folders name the local day, as for file times.
std::optional<CaptureTime> movieTime(int fd, std::uint64_t fileSize) {
    const auto created = movieCreationTime(fd, fileSize);
    if (!created || *created == 0 || *created > kLastQuickTimeSecond)
        return std::nullopt;
    const std::time_t when = static_cast<std::time_t>(static_cast<std::int64_t>(*created) -
                                                      static_cast<std::int64_t>(kQuickTimeEpoch));
    std::tm local{};
    if (::localtime_r(&when, &local) == nullptr)
        return std::nullopt;
    return CaptureTime{{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                       local.tm_hour,
                       local.tm_min,
                       local.tm_sec};
}

} // namespace

std::optional<CalendarDay> readCaptureDay(int fd, CaptureKind kind) {
    const auto time = readCaptureTime(fd, kind);
    return time ? std::optional(time->day) : std::nullopt;
}

std::optional<CaptureTime> readCaptureTime(int fd, CaptureKind kind) {
    // exiv2 reports damaged data by throwing (Exiv2::AnyError); memory may run out. Either
    // way the file simply has no capture date.
    try {
        if (kind == CaptureKind::Still) {
            setUpExiv2();
            return stillFacts(fd).time;
        }
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        return movieTime(fd, static_cast<std::uint64_t>(st.st_size));
    } catch (...) {
        return std::nullopt;
    }
}

std::string readCameraModel(int fd) {
    try {
        setUpExiv2();
        return stillFacts(fd).model;
    } catch (...) {
        return {};
    }
}

} // namespace kestrel
