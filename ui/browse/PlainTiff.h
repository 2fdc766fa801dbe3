#pragma once

#include <QImage>

#include <cstddef>

namespace kestrel {

// The picture in a TIFF whose first directory holds uncompressed 8-bit RGB strips, as
// cameras store the small thumbnails in their raw files (and exiv2 hands them out); null for
// anything else. Qt reads no TIFF without an extra plug-in.
QImage decodePlainTiff(const unsigned char* data, std::size_t size);

} // namespace kestrel
