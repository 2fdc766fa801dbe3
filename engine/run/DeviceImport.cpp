// An import from a camera or phone: the same run as from a card, with the files listed and
// sent by the device.
#include "base/Fd.h"
#include "device/Device.h"
#include "run/CardItem.h"
#include "run/CopyHandler.h"
#include "scan/CaptureDate.h"
#include "scan/Classification.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <span>
#include <utility>

namespace kestrel {

namespace {

// A file on a device, sent afresh by each start().
class DeviceSource final : public StreamedSource {
  public:
    DeviceSource(std::shared_ptr<Device> device, std::string path)
        : device_(std::move(device)), path_(std::move(path)) {}

    int start() override {
        transfer_.reset();
        return transfer_.emplace(*device_, path_).fd();
    }
    std::string finish() override {
        std::string why = transfer_ ? transfer_->finish() : std::string();
        transfer_.reset();
        return why;
    }

  private:
    std::shared_ptr<Device> device_;
    std::string path_;
    std::optional<DeviceTransfer> transfer_;
};

// How much of the start of a file its capture time is looked for in: a JPEG's EXIF lies in
// its first 64 KiB almost always, and the card's reading of a raw's TIFF header takes up to
// 1 MiB; a clip's movie header is found in its first 256 KiB when the camera writes it first.
constexpr std::size_t kStillHeads[] = {64 << 10, 1 << 20};
constexpr std::size_t kMovieHeads[] = {256 << 10};

// The capture time in the metadata at the start of the device's file; not placed when it
// has none there, or the device cannot send just the start.
FilingTime captureFilingTime(Device& device, const DeviceFile& file) {
    const auto kind = captureKindOf(file.path);
    if (!kind)
        return {};
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
            return {};
        taken = readCaptureTime(copy.get(), *kind);
        // Found, or the whole file was looked at: a longer start tells no more.
        if (taken || head.size() < max || max == static_cast<std::size_t>(file.size))
            break;
    }
    if (!taken)
        return {};
    return capturedFilingTime(*taken);
}

} // namespace

void CopyHandler::importDevice(const std::string& port) {
    fromDevice_ = true;
    // A folder served as a camera is still a folder that a destination must not lie in.
    std::string root = port;
    while (root.size() > 1 && root.back() == '/' && root[root.size() - 2] != ':')
        root.pop_back();
    const bool disk = root.starts_with("disk:");
    if (!begin(root, disk ? root.substr(5) : std::string()))
        return;
    std::string why;
    std::shared_ptr<Device> device = openDevice(port, why);
    if (!device) {
        unreadable(root, CopyOutcome{Outcome::SourceUnreadable, 0, {}, why});
        copyAll({});
        return;
    }
    copyAll(scanDevice(device, root));
}

FileList CopyHandler::scanDevice(const std::shared_ptr<Device>& device, const std::string& root) {
    std::vector<DeviceFile> found;
    std::vector<DeviceProblem> problems;
    device->list(found, problems);
    // A folder that could not be listed may hold photos: the run must not call the device
    // safe to clear.
    for (const DeviceProblem& problem : problems)
        unreadable(root + problem.path, CopyOutcome{Outcome::SourceUnreadable, 0, {}, problem.why});
    FileList files;
    for (DeviceFile& file : found) {
        const std::string fullPath = root + file.path;
        const Pick pick = pickItem(file.path, false, true, options_);
        if (pick.verdict == Pick::Verdict::LeftOnCard)
            leftOnCard(fullPath, pick.reason);
        if (pick.verdict != Pick::Verdict::Picked)
            continue;
        // Filed by the capture time in its metadata where asked for and found, else by the
        // time the camera gives, never by when it arrives.
        FilingTime time;
        if (options_.byCaptureDate)
            time = captureFilingTime(*device, file);
        if (!time.placed && file.hasTime)
            time = localFilingTime(file.modified);
        if (!time.placed) {
            const CopyOutcome undated{Outcome::Undated, 0, {}, "the camera gives no time for it"};
            log_.error(fullPath, undated);
            files.push_back(FileEntry::error(fullPath, undated));
            continue;
        }
        summary_.datedByFileTimes += options_.byCaptureDate && !time.fromCapture ? 1 : 0;
        auto [year, month, day] = time.folders();
        const auto slash = fullPath.rfind('/');
        auto source = std::make_shared<DeviceSource>(device, file.path);
        source->size = file.size;
        source->modified = file.modified;
        files.emplace_back(FileFields{pick.tag, fullPath, fullPath.substr(slash + 1),
                                      fullPath.substr(0, slash + 1), std::move(year),
                                      std::move(month), std::move(day), pick.root,
                                      SourceIdentity{0, 0, S_IFREG},
                                      std::max<std::int64_t>(file.size, 0), std::move(source)});
    }
    return files;
}

} // namespace kestrel
