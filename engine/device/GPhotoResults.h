#pragma once

// The small pieces every libgphoto2 call of the device room shares: its results in plain words,
// its lists, and the faults a test injects in place of its calls.

#include "base/FaultPoints.h"

#include <gphoto2/gphoto2-list.h>

#include <string>

namespace kestrel::gphoto {

// True, with result set to the libgphoto2 result the test's error number holds, when a test
// made call fail now.
bool failed(faults::Call call, int& result);

// The plain words for a libgphoto2 result that is not GP_OK.
std::string words(int result);

// Owns a libgphoto2 list.
struct List {
    List() { gp_list_new(&list); }
    ~List() { gp_list_free(list); }
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    CameraList* list = nullptr;
};

} // namespace kestrel::gphoto
