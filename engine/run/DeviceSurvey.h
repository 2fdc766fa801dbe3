#pragma once

#include "device/Device.h"
#include "run/CardItem.h"
#include "run/CardSurvey.h"
#include "run/ImportOptions.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kestrel {

// The source name an import of the camera at port gives: the port without its trailing
// slashes ("disk:/FOLDER", "usb:001,004"). Each of its files is named this + its camera path.
std::string deviceRoot(const std::string& port);

// The local time an import files the device's file by: its capture time when options ask for
// one and the file's first bytes hold it, else the time the camera gives; not placed when
// there is neither.
FilingTime deviceFilingTime(Device& device, const DeviceFile& file, const ImportOptions& options);

// The entry of listDevice for the device's file, which pick says what the import does with.
SurveyedFile surveyDeviceItem(Device& device, const std::string& root, const DeviceFile& file,
                              const Pick& pick, const ImportOptions& options);

// Told how far a survey of a device has come: the files found so far while it lists them
// (total 0), then how many of total photos and clips it has looked at. False stops it.
using SurveyProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Every photo and clip on the device open as device that an import with options would look
// at, as listCard gives those of a card: named root + camera path, sorted by taken, then name.
// A file's start is read only for its capture time, as the import reads it. Once progress
// says stop, the survey ends with what it has.
std::vector<SurveyedFile> listDevice(Device& device, const std::string& root,
                                     const ImportOptions& options,
                                     const SurveyProgress& progress = {});

} // namespace kestrel
