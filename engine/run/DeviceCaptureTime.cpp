// The capture time of a file on a camera, from the few parts of it that hold its metadata.
#include "run/DeviceCaptureTime.h"

#include "base/Fd.h"
#include "device/Device.h"
#include "scan/CaptureDate.h"
#include "scan/Classification.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <span>
#include <utility>

namespace kestrel {

namespace {

// How much of the start of a file its capture time is looked for in: a JPEG's EXIF lies in
// its first 64 KiB almost always, and the card's reading of a raw's TIFF header takes up to
// 1 MiB; a clip's movie header is found in its first 256 KiB when the camera writes it first,
// else in its last MiB, after the movie's data.
constexpr std::size_t kStillHeads[] = {64 << 10, 1 << 20};
constexpr std::size_t kMovieHeads[] = {256 << 10};
constexpr std::size_t kMovieTail = 1 << 20;

// The capture time in the metadata of a file of which only parts are here: bytes at their
// offsets in a sparse file in memory of the file's size, so the card's reading finds them
// where it looks, and the holes cost nothing.
std::optional<CaptureTime>
captureTimeIn(std::int64_t size, CaptureKind kind,
              std::initializer_list<std::pair<off_t, const std::string*>> parts) {
    const Fd copy(::memfd_create("kestrel-head", MFD_CLOEXEC));
    if (!copy.valid() || (size >= 0 && ::ftruncate(copy.get(), size) != 0))
        return {};
    for (const auto& [offset, bytes] : parts)
        if (::pwrite(copy.get(), bytes->data(), bytes->size(), offset) !=
            static_cast<ssize_t>(bytes->size()))
            return {};
    return readCaptureTime(copy.get(), kind);
}

// The capture time in the metadata at the start of the device's file (or a clip's end); not
// placed when it has none there, or the device cannot send just those parts.
} // namespace

FilingTime captureFilingTime(Device& device, const DeviceFile& file) {
    const auto kind = captureKindOf(file.path);
    if (!kind)
        return {};
    std::optional<CaptureTime> taken;
    std::string head;
    for (std::size_t max : *kind == CaptureKind::Still
                               ? std::span<const std::size_t>(kStillHeads)
                               : std::span<const std::size_t>(kMovieHeads)) {
        if (file.size >= 0)
            max = std::min<std::size_t>(max, static_cast<std::size_t>(file.size));
        head = device.readStart(file.path, max);
        if (head.empty())
            return {};
        taken = captureTimeIn(static_cast<std::int64_t>(head.size()), *kind, {{0, &head}});
        // Found, or the whole file was looked at: a longer start tells no more.
        if (taken || head.size() < max || max == static_cast<std::size_t>(file.size))
            break;
    }
    if (!taken && *kind == CaptureKind::Movie &&
        file.size > static_cast<std::int64_t>(head.size())) {
        const auto at = static_cast<std::uint64_t>(
            std::max<std::int64_t>(static_cast<std::int64_t>(head.size()),
                                   file.size - static_cast<std::int64_t>(kMovieTail)));
        const std::string tail = device.readRange(file.path, at, kMovieTail);
        if (!tail.empty())
            taken = captureTimeIn(file.size, *kind, {{0, &head}, {static_cast<off_t>(at), &tail}});
    }
    if (!taken)
        return {};
    return capturedFilingTime(*taken);
}

} // namespace kestrel
