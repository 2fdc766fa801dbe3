#pragma once

#include <QByteArray>

#include <cstdint>

namespace kestrel {

// A picture that the camera stored inside a photo or raw file, as it is stored.
struct EmbeddedPreview {
    QByteArray data; // a JPEG, or (tiff) a TIFF of plain RGB strips; empty when none
    bool tiff = false;
    bool fits = false;   // its larger side is at least the size asked for
    int orientation = 1; // how the photo is to be turned upright: EXIF Orientation, 1 to 8
};

// The smallest preview in the file open as fd (fileSize bytes) whose larger side is at least
// maxSide, else the largest there is. Reads the file's head, the start of each preview and
// the one preview taken, never the picture itself; exiv2 parses them in memory. Never
// throws: a damaged file simply has no preview.
EmbeddedPreview readEmbeddedPreview(int fd, std::uint64_t fileSize, int maxSide);

} // namespace kestrel
