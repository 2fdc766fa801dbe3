#include "run/DeviceSurvey.h"

#include "base/Fd.h"
#include "run/Preferences.h"
#include "scan/CaptureDate.h"
#include "scan/Classification.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

namespace kestrel {

namespace {

// How much of the start of a file its capture time is looked for in: a JPEG's EXIF lies in
// its first 64 KiB almost always, and the card's reading of a raw's TIFF header takes up to
// 1 MiB; a clip's movie header is found in its first 256 KiB when the camera writes it first.
constexpr std::size_t kStillHeads[] = {64 << 10, 1 << 20};
constexpr std::size_t kMovieHeads[] = {256 << 10};

// The capture time in the metadata at the start of the device's file; none when it has none
// there, or the device cannot send just the start.
std::optional<CaptureTime> captureTimeAtStart(Device& device, const DeviceFile& file) {
    const auto kind = captureKindOf(file.path);
    if (!kind)
        return std::nullopt;
    std::optional<CaptureTime> taken;
    for (std::size_t max : *kind == CaptureKind::Still
                               ? std::span<const std::size_t>(kStillHeads)
                               : std::span<const std::size_t>(kMovieHeads)) {
        if (file.size >= 0)
            max = std::min<std::size_t>(max, static_cast<std::size_t>(file.size));
        const std::string head = device.readStart(file.path, max);
        // The card's reading works on a descriptor; this one lives in memory.
        const Fd copy(::memfd_create("kestrel-head", MFD_CLOEXEC));
        if (head.empty() || !copy.valid() ||
            ::write(copy.get(), head.data(), head.size()) != static_cast<ssize_t>(head.size()))
            return std::nullopt;
        taken = readCaptureTime(copy.get(), *kind);
        // Found, or the whole file was looked at: a longer start tells no more.
        if (taken || head.size() < max || max == static_cast<std::size_t>(file.size))
            break;
    }
    return taken;
}

} // namespace

std::string deviceRoot(const std::string& port) {
    std::string root = port;
    while (root.size() > 1 && root.back() == '/' && root[root.size() - 2] != ':')
        root.pop_back();
    return root;
}

FilingTime deviceFilingTime(Device& device, const DeviceFile& file, const ImportOptions& options) {
    if (options.byCaptureDate)
        if (const auto taken = captureTimeAtStart(device, file))
            return capturedFilingTime(*taken);
    return file.hasTime ? localFilingTime(file.modified) : FilingTime{};
}

SurveyedFile surveyDeviceItem(Device& device, const std::string& root, const DeviceFile& file,
                              const Pick& pick, const ImportOptions& options) {
    SurveyedFile surveyed;
    surveyed.path = root + file.path;
    surveyed.name = file.path.substr(file.path.rfind('/') + 1);
    surveyed.devicePath = file.path;
    surveyed.deviceTime = file.hasTime ? file.modified : 0;
    surveyed.size = file.size;
    surveyed.clip = captureKindOf(file.path) != CaptureKind::Still;
    if (pick.verdict != Pick::Verdict::Picked) {
        surveyed.standing = Standing::NotImported;
        surveyed.reason = pick.reason;
        if (file.hasTime)
            surveyed.taken = localFilingTime(file.modified).text();
        return surveyed;
    }
    const FilingTime time = deviceFilingTime(device, file, options);
    surveyed.taken = time.text();
    if (!time.placed || !isChosenFolder(pick.root))
        return surveyed;
    // The folders the import makes: a card file's fields with the camera's name and date.
    FileFields fields;
    fields.fileType = pick.tag;
    fields.fileName = surveyed.name;
    auto [year, month, day] = time.folders();
    fields.year = std::move(year);
    fields.month = std::move(month);
    fields.day = std::move(day);
    surveyed.destination = destinationFolder(fields, pick.root, options) + surveyed.name;
    return surveyed;
}

std::vector<SurveyedFile> listDevice(Device& device, const std::string& root,
                                     const ImportOptions& options, const SurveyProgress& progress) {
    std::vector<DeviceFile> found;
    std::vector<DeviceProblem> problems;
    device.list(found, problems,
                [&progress](std::size_t count) { return !progress || progress(count, 0); });
    std::vector<std::pair<const DeviceFile*, Pick>> media;
    for (const DeviceFile& file : found)
        if (Pick pick = pickItem(file.path, false, true, options);
            pick.verdict != Pick::Verdict::Passed)
            media.emplace_back(&file, std::move(pick));
    std::vector<SurveyedFile> files;
    for (const auto& [file, pick] : media) {
        if (progress && !progress(files.size(), media.size()))
            break;
        files.push_back(surveyDeviceItem(device, root, *file, pick, options));
    }
    std::sort(files.begin(), files.end(), [](const SurveyedFile& a, const SurveyedFile& b) {
        return std::tie(a.taken, a.name, a.path) < std::tie(b.taken, b.name, b.path);
    });
    return files;
}

} // namespace kestrel
