#pragma once

#include <optional>
#include <string>

namespace kestrel {

// A calendar day as the folders name it.
struct CalendarDay {
    int year;
    int month;
    int day;
};

// A capture time as the file gives it, in the local calendar: a camera's EXIF wall-clock
// time as written, a movie header's UTC time converted.
struct CaptureTime {
    CalendarDay day;
    int hour;
    int minute;
    int second; // 60 for a leap second, as EXIF allows
};

// What kind of metadata a file carries its capture time in.
enum class CaptureKind {
    Still, // JPEG and the raw group: EXIF
    Movie, // QuickTime/MOV
};

// The day the open regular file `fd` was taken on, from its own metadata; nothing when it
// has none usable. Never throws; does not move fd's offset; does not close fd.
std::optional<CalendarDay> readCaptureDay(int fd, CaptureKind kind);

// The time of day too, from the same metadata: the day of readCaptureTime is readCaptureDay.
std::optional<CaptureTime> readCaptureTime(int fd, CaptureKind kind);

// The camera model (EXIF Model) of the open photo fd, without the padding cameras put after
// it; empty when it has none. Never throws; does not move fd's offset; does not close fd.
std::string readCameraModel(int fd);

} // namespace kestrel
