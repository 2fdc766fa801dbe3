#include "device/Device.h"

#include "base/EngineTexts.h"
#include "base/FaultPoints.h"
#include "device/GPhotoChunks.h"
#include "device/GPhotoResults.h"

#include <gphoto2/gphoto2.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace kestrel {

namespace {

using faults::Call;
using gphoto::failed;
using gphoto::Head;
using gphoto::keepHead;
using gphoto::List;
using gphoto::Sink;
using gphoto::words;
using gphoto::writeChunk;

// The folder and the name of the file at a camera path.
std::pair<std::string, std::string> split(const std::string& path) {
    const auto slash = path.rfind('/');
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string joined(const std::string& folder, const char* name) {
    return folder == "/" ? "/" + std::string(name) : folder + "/" + name;
}

class GPhotoDevice final : public Device {
  public:
    GPhotoDevice(std::string port) : port_(std::move(port)), context_(gp_context_new()) {
        gp_camera_new(&camera_);
    }
    ~GPhotoDevice() override {
        gp_camera_exit(camera_, context_);
        gp_camera_free(camera_);
        gp_context_unref(context_);
    }
    GPhotoDevice(const GPhotoDevice&) = delete;
    GPhotoDevice& operator=(const GPhotoDevice&) = delete;

    // 0 or the libgphoto2 result of the failure.
    int open(const std::string& model) {
        GPPortInfoList* ports = nullptr;
        CameraAbilitiesList* models = nullptr;
        int result = gp_port_info_list_new(&ports);
        if (result >= GP_OK)
            result = gp_port_info_list_load(ports);
        const int index =
            result >= GP_OK ? gp_port_info_list_lookup_path(ports, port_.c_str()) : result;
        GPPortInfo info;
        result = index >= GP_OK ? gp_port_info_list_get_info(ports, index, &info) : index;
        if (result >= GP_OK)
            result = gp_camera_set_port_info(camera_, info);
        if (result >= GP_OK && !model.empty()) {
            gp_abilities_list_new(&models);
            result = gp_abilities_list_load(models, context_);
            const int which =
                result >= GP_OK ? gp_abilities_list_lookup_model(models, model.c_str()) : result;
            CameraAbilities abilities;
            result =
                which >= GP_OK ? gp_abilities_list_get_abilities(models, which, &abilities) : which;
            if (result >= GP_OK)
                result = gp_camera_set_abilities(camera_, abilities);
        }
        if (result >= GP_OK)
            result = gp_camera_init(camera_, context_);
        if (result >= GP_OK) {
            CameraAbilities abilities;
            gp_camera_get_abilities(camera_, &abilities);
            model_ = abilities.model;
        }
        if (models != nullptr)
            gp_abilities_list_free(models);
        gp_port_info_list_free(ports);
        return result < GP_OK ? result : 0;
    }

    const std::string& port() const override { return port_; }
    const std::string& model() const override { return model_; }

    std::vector<std::string> storages() override {
        std::vector<std::string> names;
        CameraStorageInformation* info = nullptr;
        int count = 0;
        if (gp_camera_get_storageinfo(camera_, &info, &count, context_) < GP_OK)
            return names;
        for (int i = 0; i < count; ++i) {
            const CameraStorageInformation& s = info[i];
            if (s.fields & GP_STORAGEINFO_DESCRIPTION && s.description[0] != '\0')
                names.emplace_back(s.description);
            else if (s.fields & GP_STORAGEINFO_LABEL && s.label[0] != '\0')
                names.emplace_back(s.label);
            else
                names.emplace_back(s.basedir);
        }
        std::free(info);
        return names;
    }

    void list(std::vector<DeviceFile>& files, std::vector<DeviceProblem>& problems,
              const ListProgress& progress) override {
        listFolder("/", files, problems, progress);
    }

    std::string readPreview(const std::string& path) override {
        const auto [folder, name] = split(path);
        CameraFile* file = nullptr;
        std::string bytes;
        int result = GP_OK;
        if (failed(Call::DeviceRead, result) || gp_file_new(&file) < GP_OK)
            return bytes;
        const char* data = nullptr;
        unsigned long size = 0;
        if (gp_camera_file_get(camera_, folder.c_str(), name.c_str(), GP_FILE_TYPE_PREVIEW, file,
                               context_) >= GP_OK &&
            gp_file_get_data_and_size(file, &data, &size) >= GP_OK && data != nullptr)
            bytes.assign(data, size);
        gp_file_unref(file);
        return bytes;
    }

    std::string readRange(const std::string& path, std::uint64_t offset, std::size_t max) override {
        int result = GP_OK;
        return readPart(path, offset, max, result);
    }

    std::string readStart(const std::string& path, std::size_t max) override {
        int result = GP_OK;
        std::string bytes = readPart(path, 0, max, result);
        if (result != GP_ERROR_NOT_SUPPORTED || !bytes.empty())
            return bytes;
        // A driver without them sends the file from its start, and is stopped once max
        // bytes are here.
        const auto [folder, name] = split(path);
        Head head{max, {}, false};
        CameraFileHandler handler{nullptr, nullptr, keepHead};
        CameraFile* file = nullptr;
        if (gp_file_new_from_handler(&file, &handler, &head) >= GP_OK)
            gp_camera_file_get(camera_, folder.c_str(), name.c_str(), GP_FILE_TYPE_NORMAL, file,
                               context_);
        if (file != nullptr)
            gp_file_unref(file);
        return head.failed ? std::string() : head.bytes;
    }

    std::string read(const std::string& path, int fd,
                     const std::function<bool()>& abandon) override {
        const auto [folder, name] = split(path);
        Sink sink{fd, abandon};
        CameraFileHandler handler{nullptr, nullptr, writeChunk};
        CameraFile* file = nullptr;
        int result = gp_file_new_from_handler(&file, &handler, &sink);
        if (result >= GP_OK)
            result = gp_camera_file_get(camera_, folder.c_str(), name.c_str(), GP_FILE_TYPE_NORMAL,
                                        file, context_);
        if (file != nullptr)
            gp_file_unref(file);
        // A chunk that could not be passed on fails the transfer, whatever the camera says.
        if (sink.result != GP_OK)
            result = sink.result;
        if (result >= GP_OK)
            return {};
        if (result == GP_ERROR_CANCEL && sink.result == GP_ERROR_CANCEL)
            return texts::kStopped;
        return result == GP_ERROR_IO_WRITE ? texts::kTransferAbandoned : words(result);
    }

  private:
    // At most max bytes from offset on, by partial reads: the camera sends only what is asked
    // for. Fewer at the end of the file; result is the last call's.
    std::string readPart(const std::string& path, std::uint64_t offset, std::size_t max,
                         int& result) {
        const auto [folder, name] = split(path);
        std::string bytes(max, '\0');
        std::uint64_t got = 0;
        for (std::uint64_t size = max; got < max && size > 0; got += size) {
            size = max - got;
            if (failed(Call::DeviceRead, result) ||
                (result = gp_camera_file_read(
                     camera_, folder.c_str(), name.c_str(), GP_FILE_TYPE_NORMAL, offset + got,
                     reinterpret_cast<char*>(bytes.data()) + got, &size, context_)) < GP_OK)
                break;
            size = std::min<std::uint64_t>(size, max - got);
        }
        bytes.resize(got);
        return bytes;
    }

    // False when progress asked to stop.
    bool listFolder(const std::string& folder, std::vector<DeviceFile>& files,
                    std::vector<DeviceProblem>& problems, const ListProgress& progress) {
        List names;
        List folders;
        int result = GP_OK;
        if (failed(Call::DeviceList, result) ||
            (result = gp_camera_folder_list_files(camera_, folder.c_str(), names.list, context_)) <
                GP_OK ||
            (result = gp_camera_folder_list_folders(camera_, folder.c_str(), folders.list,
                                                    context_)) < GP_OK) {
            problems.push_back({folder, words(result)});
            return true;
        }
        for (int i = 0, n = gp_list_count(names.list); i < n; ++i) {
            const char* name = nullptr;
            gp_list_get_name(names.list, i, &name);
            DeviceFile file{joined(folder, name)};
            CameraFileInfo info;
            if (failed(Call::DeviceList, result) ||
                (result = gp_camera_file_get_info(camera_, folder.c_str(), name, &info, context_)) <
                    GP_OK) {
                problems.push_back({file.path, words(result)});
                continue;
            }
            if (info.file.fields & GP_FILE_INFO_SIZE)
                file.size = static_cast<std::int64_t>(info.file.size);
            file.hasTime = (info.file.fields & GP_FILE_INFO_MTIME) != 0;
            file.modified = file.hasTime ? info.file.mtime : 0;
            files.push_back(std::move(file));
        }
        if (progress && !progress(files.size()))
            return false;
        for (int i = 0, n = gp_list_count(folders.list); i < n; ++i) {
            const char* name = nullptr;
            gp_list_get_name(folders.list, i, &name);
            if (!listFolder(joined(folder, name), files, problems, progress))
                return false;
        }
        return true;
    }

    std::string port_;
    std::string model_;
    GPContext* context_;
    Camera* camera_ = nullptr;
};

// The model of the camera at port, as autodetection names it; empty when it is not found.
std::string modelAt(const std::string& port) {
    // libgphoto2 serves a folder at a disk: port, but never finds one there by itself.
    if (port.starts_with("disk:"))
        return "Directory Browse";
    std::string why;
    for (const DetectedDevice& device : detectDevices(why))
        if (device.port == port)
            return device.model;
    return {};
}

} // namespace

std::unique_ptr<Device> openDevice(const std::string& port, std::string& why) {
    struct stat folder {};
    if (port.starts_with("disk:") &&
        (::stat(port.c_str() + 5, &folder) != 0 || !S_ISDIR(folder.st_mode))) {
        why = texts::filled<texts::kNoFolder>(port.substr(5));
        return nullptr;
    }
    auto device = std::make_unique<GPhotoDevice>(port);
    int result = GP_OK;
    if (failed(Call::DeviceOpen, result) || (result = device->open(modelAt(port))) != 0) {
        const bool none = result == GP_ERROR_UNKNOWN_PORT || result == GP_ERROR_MODEL_NOT_FOUND ||
                          result == GP_ERROR_IO_USB_FIND;
        why = none ? texts::filled<texts::kNoCameraAt>(port) : words(result);
        return nullptr;
    }
    return device;
}

} // namespace kestrel
