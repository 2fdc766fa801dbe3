#pragma once

#include "run/CardItem.h"

namespace kestrel {

class Device;
struct DeviceFile;

// When the file on the device was taken, from the metadata at its start (a clip's movie header
// also from its end, after the movie's data) without sending the rest; not placed when it has
// none there, or the device cannot send just those parts.
FilingTime captureFilingTime(Device& device, const DeviceFile& file);

} // namespace kestrel
