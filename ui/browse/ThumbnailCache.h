#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace kestrel {

// The file a thumbnail is made of, as the cache identifies it.
struct SourceStamp {
    qint64 modified = 0; // st_mtime, in whole seconds
    qint64 size = 0;
    friend bool operator==(const SourceStamp&, const SourceStamp&) = default;
};

// What the cache holds for a file as it is now.
struct CachedThumbnail {
    bool failed = false; // an earlier attempt found the file damaged; image is null
    QImage image;
};

// The thumbnail cache that desktop programs share, by the freedesktop.org Thumbnail Managing
// Standard: $XDG_CACHE_HOME/thumbnails (~/.cache/thumbnails), with normal (128 pixels) and
// large (256) thumbnails, each a PNG named by the MD5 of its file's URI, holding that URI and
// the file's modification time as text. Files the thumbnails could not be made of are noted
// in fail/kestrel-<version>/, so they are not tried again until they change. Never throws;
// a cache that cannot be written just keeps nothing.
class ThumbnailCache {
  public:
    // Thumbnails up to 128 pixels go in normal, larger ones in large.
    explicit ThumbnailCache(int maxSide);

    // The longest side of the thumbnails kept: 128 or 256.
    int thumbnailSide() const { return side_; }

    // The cache's folder, from XDG_CACHE_HOME as it is now.
    static QString folder();
    // The file's absolute URI, percent-encoded, as the standard names it.
    static QByteArray uriOf(const QString& path);
    // The name of the file's thumbnail: the lowercase hex MD5 of its URI, then ".png".
    static QString fileNameOf(const QString& path);
    // Where the file's thumbnail and its failure note are kept.
    QString thumbnailPath(const QString& path) const;
    QString failurePath(const QString& path) const;

    // The stamp of the readable regular file at path; nothing for anything else.
    static std::optional<SourceStamp> stampOf(const QString& path);

    // The thumbnail or failure note kept for the file as stamped; nothing when there is none,
    // or when it was made of the file as it was before.
    std::optional<CachedThumbnail> find(const QString& path, const SourceStamp& stamp) const;
    // Keeps image as the thumbnail of the file as stamped; false when it could not.
    bool store(const QString& path, const SourceStamp& stamp, const QImage& image) const;
    // Notes that no thumbnail could be made of the file as stamped.
    bool storeFailure(const QString& path, const SourceStamp& stamp) const;

  private:
    bool write(const QString& target, const QString& path, const SourceStamp& stamp,
               QImage image) const;

    int side_;
    QString root_;
};

} // namespace kestrel
