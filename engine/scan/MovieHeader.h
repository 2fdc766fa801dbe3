#pragma once

#include <cstdint>
#include <optional>

namespace kestrel {

// The creation time in the movie header (moov/mvhd) of the QuickTime file open as fd, in
// seconds since 1904-01-01 00:00 UTC as the file stores it; nothing when the file has no
// readable movie header. Reads only atom headers and the start of mvhd, never the media.
std::optional<std::uint64_t> movieCreationTime(int fd, std::uint64_t fileSize);

// The length of the QuickTime file open as fd in seconds, from the duration and time scale
// in its movie header; nothing when there is no readable header or it gives no length.
// Reads as little as movieCreationTime.
std::optional<double> movieDurationSeconds(int fd, std::uint64_t fileSize);

} // namespace kestrel
