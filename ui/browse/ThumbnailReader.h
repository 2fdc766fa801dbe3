#pragma once

#include <QImage>
#include <QString>

#include <string>

namespace kestrel {

class Device;

// A thumbnail of the photo (JPEG, raw, TIFF, PNG...) at path, upright and fitting in
// maxSide x maxSide: from a preview the camera stored in the file when one is large enough
// (see EmbeddedPreview.h), else from the picture itself decoded at reduced size, else from
// the largest preview there is. Null when the file is not a picture we can read: damaged,
// or of an unknown format. Never throws.
QImage readThumbnail(const QString& path, int maxSide);

// The thumbnail of the clip at path: a film frame, maxSide wide, with the clip's length
// from its movie header; the media data is never read.
QImage clipThumbnail(const QString& path, int maxSide);

// The thumbnail of the file at path on device, open now: the preview the camera keeps, else
// one stored in the file's first bytes (the whole photo when it is that small), else for a
// clip a film frame; null when there is none of these.
QImage deviceThumbnail(Device& device, const std::string& path, bool clip, int maxSide);

// image turned upright as the EXIF orientation (1 to 8) says.
QImage orientedImage(const QImage& image, int orientation);

} // namespace kestrel
