#pragma once

#include <optional>

namespace kestrel {

// A calendar day as the folders name it.
struct CalendarDay {
    int year;
    int month;
    int day;
};

// What kind of metadata a file carries its capture time in.
enum class CaptureKind {
    Still, // JPEG and the raw group: EXIF
    Movie, // QuickTime/MOV
};

// The day the open regular file `fd` was taken on, from its own metadata; nothing when it
// has none usable. Never throws; does not move fd's offset; does not close fd.
std::optional<CalendarDay> readCaptureDay(int fd, CaptureKind kind);

} // namespace kestrel
