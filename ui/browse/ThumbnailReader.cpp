#include "browse/ThumbnailReader.h"

#include "browse/EmbeddedPreview.h"
#include "browse/FilmIcon.h"
#include "browse/PlainTiff.h"

#include "base/Fd.h"
#include "device/Device.h"
#include "scan/MovieHeader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel {

namespace {

// The regular file at path, open for reading, and its size; an invalid Fd otherwise.
Fd openRegular(const QString& path, std::uint64_t& size) {
    Fd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Fd();
    size = static_cast<std::uint64_t>(st.st_size);
    return fd;
}

QImage fitted(const QImage& image, int maxSide) {
    if (image.width() <= maxSide && image.height() <= maxSide)
        return image;
    return image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Lets the JPEG decoder skip detail (it decodes at 1/2, 1/4 or 1/8 of the size) when the
// picture is larger than the thumbnail.
QImage readScaled(QImageReader& reader, int maxSide) {
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxSide || size.height() > maxSide))
        reader.setScaledSize(
            size.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return fitted(reader.read(), maxSide);
}

QImage decodePreview(const EmbeddedPreview& preview, int maxSide) {
    QImage image;
    if (preview.tiff) {
        image = fitted(decodePlainTiff(reinterpret_cast<const unsigned char*>(preview.data.data()),
                                       static_cast<std::size_t>(preview.data.size())),
                       maxSide);
    } else {
        QBuffer buffer;
        buffer.setData(preview.data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        // The photo's orientation, not one the preview may carry, is the one that holds.
        reader.setAutoTransform(false);
        image = readScaled(reader, maxSide);
    }
    return orientedImage(image, preview.orientation);
}

// How much of a camera's file is asked for when the camera keeps no preview of it: a JPEG's
// EXIF thumbnail and many raws' small previews lie in it, and a clip's header when written
// first.
constexpr std::size_t kDeviceHead = 256 << 10;

} // namespace

QImage orientedImage(const QImage& image, int orientation) {
    // Mirrored left to right, top to bottom, then turned a quarter clockwise: the eight
    // EXIF orientations in that order of steps.
    static constexpr bool kSteps[9][3] = {{},        {},        {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                          {0, 1, 1}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}};
    if (image.isNull() || orientation < 2 || orientation > 8)
        return image;
    const bool* steps = kSteps[orientation];
    QImage turned = image.mirrored(steps[0], steps[1]);
    return steps[2] ? turned.transformed(QTransform().rotate(90)) : turned;
}

QImage readThumbnail(const QString& path, int maxSide) {
    std::uint64_t size = 0;
    const Fd fd = openRegular(path, size);
    if (!fd.valid())
        return {};
    const EmbeddedPreview preview = readEmbeddedPreview(fd.get(), size, maxSide);
    const QImage fromPreview = preview.data.isEmpty() ? QImage() : decodePreview(preview, maxSide);
    if (preview.fits && !fromPreview.isNull())
        return fromPreview;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage decoded = readScaled(reader, maxSide);
    return decoded.isNull() ? fromPreview : decoded;
}

QImage clipThumbnail(const QString& path, int maxSide) {
    std::uint64_t size = 0;
    const Fd fd = openRegular(path, size);
    return paintFilmIcon(maxSide, fd.valid() ? movieDurationSeconds(fd.get(), size) : std::nullopt);
}

} // namespace kestrel

namespace kestrel {

QImage deviceThumbnail(Device& device, const std::string& path, bool clip, int maxSide) {
    const std::string preview = device.readPreview(path);
    if (!preview.empty()) {
        QBuffer buffer;
        buffer.setData(preview.data(), static_cast<qsizetype>(preview.size()));
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setAutoTransform(true);
        if (const QImage image = readScaled(reader, maxSide); !image.isNull())
            return image;
    }
    // The readers of a card's files work on a descriptor; these bytes live in memory.
    const std::string head = device.readStart(path, kDeviceHead);
    const Fd fd(::memfd_create("kestrel-preview", MFD_CLOEXEC));
    const bool held =
        !head.empty() && fd.valid() &&
        ::write(fd.get(), head.data(), head.size()) == static_cast<ssize_t>(head.size());
    if (clip)
        return paintFilmIcon(maxSide,
                             held ? movieDurationSeconds(fd.get(), head.size()) : std::nullopt);
    if (!held)
        return {};
    const EmbeddedPreview embedded = readEmbeddedPreview(fd.get(), head.size(), maxSide);
    const QImage fromPreview =
        embedded.data.isEmpty() ? QImage() : decodePreview(embedded, maxSide);
    // A picture cut short would decode grey below the cut: only a whole one is decoded.
    if ((embedded.fits && !fromPreview.isNull()) || head.size() >= kDeviceHead)
        return fromPreview;
    QBuffer whole;
    whole.setData(head.data(), static_cast<qsizetype>(head.size()));
    whole.open(QIODevice::ReadOnly);
    QImageReader reader(&whole);
    reader.setAutoTransform(true);
    const QImage decoded = readScaled(reader, maxSide);
    return decoded.isNull() ? fromPreview : decoded;
}

} // namespace kestrel
