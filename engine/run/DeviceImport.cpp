// An import from a camera or phone: the same run as from a card, with the files listed and
// sent by the device.
#include "device/Device.h"

#include "base/EngineTexts.h"
#include "run/CardItem.h"
#include "run/CopyHandler.h"
#include "run/DeviceSurvey.h"
#include "run/StopRequest.h"
#include "scan/Classification.h"

#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace kestrel {

namespace {

// A file on a device, sent afresh by each start(). A stop asked for mid-transfer ends the
// transfer: a clip can take minutes to arrive.
class DeviceSource final : public StreamedSource {
  public:
    DeviceSource(std::shared_ptr<Device> device, std::string path, const StopRequest* stop)
        : device_(std::move(device)), path_(std::move(path)), stop_(stop) {}

    int start() override {
        transfer_.reset();
        stopped_ = false;
        std::function<bool()> abandon;
        if (stop_ != nullptr)
            abandon = [stop = stop_] { return stop->requested(); };
        return transfer_.emplace(*device_, path_, std::move(abandon)).fd();
    }
    std::string finish() override {
        std::string why = transfer_ ? transfer_->finish() : std::string();
        transfer_.reset();
        stopped_ = !why.empty() && stop_ != nullptr && stop_->requested();
        return why;
    }
    bool stopped() const override { return stopped_; }

  private:
    std::shared_ptr<Device> device_;
    std::string path_;
    const StopRequest* stop_;
    std::optional<DeviceTransfer> transfer_;
    bool stopped_ = false;
};

} // namespace

void CopyHandler::importDevice(const std::string& port) {
    fromDevice_ = true;
    // A folder served as a camera is still a folder that a destination must not lie in.
    const std::string root = deviceRoot(port);
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
    jobSource_ = {device->model(), device->model()};
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
        if (only != nullptr && !only->contains(fullPath)) {
            const SurveyedFile surveyed = surveyDeviceItem(*device, root, file, pick, options_);
            std::string recorded;
            notSelected(surveyed, standingOf(surveyed, &recorded, device.get()), recorded);
            continue;
        }
        // Filed by the capture time in its metadata where asked for and found, else by the
        // time the camera gives, never by when it arrives.
        const FilingTime time = deviceFilingTime(*device, file, options_);
        if (!time.placed) {
            const CopyOutcome undated{Outcome::Undated, 0, {}, texts::kNoCameraTime};
            log_.error(fullPath, undated);
            files.push_back(FileEntry::error(fullPath, undated));
            continue;
        }
        summary_.datedByFileTimes += options_.byCaptureDate && !time.fromCapture ? 1 : 0;
        auto [year, month, day] = time.folders();
        const auto slash = fullPath.rfind('/');
        auto source = std::make_shared<DeviceSource>(device, file.path, stop);
        source->size = file.size;
        source->modified = file.modified;
        files.emplace_back(
            FileFields{pick.tag, fullPath, fullPath.substr(slash + 1),
                       fullPath.substr(0, slash + 1), std::move(year), std::move(month),
                       std::move(day), pick.root, SourceIdentity{0, 0, S_IFREG},
                       std::max<std::int64_t>(file.size, 0), std::move(source), time.calendar()});
    }
    return files;
}

} // namespace kestrel
