#include "device/GPhotoResults.h"

#include "base/EngineTexts.h"
#include "device/Device.h"

#include <gphoto2/gphoto2.h>

#include <algorithm>
#include <cerrno>

namespace kestrel {

namespace gphoto {

bool failed(faults::Call call, int& result) {
    if (!faults::injected(call))
        return false;
    result = errno;
    return true;
}

std::string words(int result) {
    switch (result) {
    case GP_ERROR_IO_USB_FIND:
    case GP_ERROR_MODEL_NOT_FOUND:
        return texts::kCameraGone;
    case GP_ERROR_IO_USB_CLAIM:
    case GP_ERROR_IO_LOCK:
        return texts::kCameraHeld;
    case GP_ERROR_CAMERA_BUSY:
        return texts::kCameraBusy;
    case GP_ERROR_DIRECTORY_NOT_FOUND:
    case GP_ERROR_FILE_NOT_FOUND:
        return texts::kNotOnCamera;
    default:
        return texts::filled<texts::kCameraSays>(gp_result_as_string(result));
    }
}

} // namespace gphoto

bool heldByAnotherProgram(const std::string& why) {
    return why == texts::kCameraHeld;
}

std::vector<DetectedDevice> detectDevices(std::string& why) {
    std::vector<DetectedDevice> found;
    GPContext* context = gp_context_new();
    gphoto::List cameras;
    const int result = gp_camera_autodetect(cameras.list, context);
    if (result < GP_OK)
        why = gphoto::words(result);
    for (int i = 0; i < std::max(result, 0); ++i) {
        const char* model = nullptr;
        const char* port = nullptr;
        gp_list_get_name(cameras.list, i, &model);
        gp_list_get_value(cameras.list, i, &port);
        found.push_back({port, model});
    }
    gp_context_unref(context);
    return found;
}

} // namespace kestrel
