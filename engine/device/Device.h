#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace kestrel {

// One file on a camera or phone.
struct DeviceFile {
    std::string path;       // the camera's own path: "/store_00010001/DCIM/100CANON/IMG_0001.JPG"
    std::int64_t size = -1; // -1 when the camera does not say
    std::time_t modified = 0;
    bool hasTime = false; // the camera said when the file was last changed
};

// A folder or file of a camera that could not be listed, and why.
struct DeviceProblem {
    std::string path;
    std::string why;
};

// Told how many files a listing has found so far, after each folder; false stops it there.
using ListProgress = std::function<bool(std::size_t found)>;

// A camera or phone that speaks PTP or MTP (or a folder served as one), seen through
// libgphoto2. Nothing on it is ever deleted, renamed or changed: there are no calls for that.
// Use one from one thread at a time.
class Device {
  public:
    virtual ~Device() = default;
    virtual const std::string& port() const = 0;
    virtual const std::string& model() const = 0;
    // Its storages, as it describes them ("SD1", "Internal storage").
    virtual std::vector<std::string> storages() = 0;
    // Every file of every folder, each folder's files before its subfolders. A folder that
    // cannot be listed, or a file that cannot be examined, goes to problems instead.
    virtual void list(std::vector<DeviceFile>& files, std::vector<DeviceProblem>& problems,
                      const ListProgress& progress = {}) = 0;
    // Writes the bytes of the file at path to fd, a chunk at a time as they arrive: empty
    // when every chunk was written, else why the transfer stopped. Once abandon (when set)
    // answers true, asked before each chunk, the transfer stops: a clip takes minutes over USB.
    virtual std::string read(const std::string& path, int fd,
                             const std::function<bool()>& abandon = {}) = 0;
    // The first bytes of the file at path, at most max of them: all of them when it is
    // smaller; empty when they cannot be had.
    virtual std::string readStart(const std::string& path, std::size_t max) = 0;
    // At most max bytes of the file at path from offset on, fewer at its end; empty when the
    // device cannot send part of a file.
    virtual std::string readRange(const std::string& path, std::uint64_t offset,
                                  std::size_t max) = 0;
    // The picture the camera keeps to show the file at path small (a JPEG, mostly); empty
    // when it keeps none or cannot send it.
    virtual std::string readPreview(const std::string& path) = 0;
};

// Opens the camera at port ("usb:001,004"; "disk:/FOLDER" serves FOLDER as a camera): null,
// with why, when it cannot be opened.
std::unique_ptr<Device> openDevice(const std::string& port, std::string& why);

// Whether why, as openDevice gives it, says that another program holds the device: on a
// desktop, mostly the file manager, which mounts cameras and phones as they come.
bool heldByAnotherProgram(const std::string& why);

// A camera found on a port.
struct DetectedDevice {
    std::string port;
    std::string model;
};

// The cameras and phones connected now; why, when libgphoto2 cannot look.
std::vector<DetectedDevice> detectDevices(std::string& why);

// One transfer of a file from a device, on a thread of its own: its bytes arrive on fd()
// and end when the transfer does. Read fd() to its end, then ask finish() how it ended.
class DeviceTransfer {
  public:
    // With abandon, as for Device::read.
    DeviceTransfer(Device& device, const std::string& path, std::function<bool()> abandon = {});
    ~DeviceTransfer();
    DeviceTransfer(const DeviceTransfer&) = delete;
    DeviceTransfer& operator=(const DeviceTransfer&) = delete;

    // -1 when the transfer could not start: finish() says why.
    int fd() const { return in_; }
    // Waits for the transfer: empty when the device sent the whole file, else why not.
    std::string finish();

  private:
    int in_ = -1;
    std::string why_;
    std::thread thread_;
};

} // namespace kestrel
