#include "run/DeviceSurvey.h"

#include "run/DeviceCaptureTime.h"
#include "run/Preferences.h"
#include "scan/Classification.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace kestrel {

std::string deviceRoot(const std::string& port) {
    std::string root = port;
    while (root.size() > 1 && root.back() == '/' && root[root.size() - 2] != ':')
        root.pop_back();
    return root;
}

FilingTime deviceFilingTime(Device& device, const DeviceFile& file, const ImportOptions& options) {
    if (options.byCaptureDate)
        if (const FilingTime taken = captureFilingTime(device, file); taken.placed)
            return taken;
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
