#include "browse/ThumbnailCache.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace kestrel {

namespace {

const QString kUriKey = u"Thumb::URI"_s;
const QString kModifiedKey = u"Thumb::MTime"_s;
const QString kSizeKey = u"Thumb::Size"_s;

// Creates path and any folder above it that is missing, each readable by its owner only:
// thumbnails show what is in files that may be readable by their owner only.
bool makeFolders(const QString& path) {
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).path();
    if (parent == path || !makeFolders(parent))
        return false;
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || errno == EEXIST;
}

// The PNG at path, when it was made of this very file as it is now; else null. Read whole:
// QImageReader::text() cuts keys at their first colon, so it never finds "Thumb::URI".
QImage noteOf(const QString& path, const QByteArray& uri, const SourceStamp& stamp) {
    const QImage image(path, "PNG");
    if (image.text(kUriKey) != QLatin1StringView(uri) ||
        image.text(kModifiedKey) != QString::number(stamp.modified))
        return {};
    // Optional; a file rewritten within the same second (FAT keeps two) differs in it.
    const QString size = image.text(kSizeKey);
    return size.isEmpty() || size == QString::number(stamp.size) ? image : QImage();
}

} // namespace

ThumbnailCache::ThumbnailCache(int maxSide) : side_(maxSide <= 128 ? 128 : 256), root_(folder()) {}

QString ThumbnailCache::folder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + u"/thumbnails"_s;
}

QByteArray ThumbnailCache::uriOf(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
}

QString ThumbnailCache::fileNameOf(const QString& path) {
    return QString::fromLatin1(
               QCryptographicHash::hash(uriOf(path), QCryptographicHash::Md5).toHex()) +
           u".png"_s;
}

QString ThumbnailCache::thumbnailPath(const QString& path) const {
    return root_ + (side_ == 128 ? u"/normal/"_s : u"/large/"_s) + fileNameOf(path);
}

QString ThumbnailCache::failurePath(const QString& path) const {
    return root_ + u"/fail/kestrel-"_s + QStringLiteral(KESTREL_VERSION) + u'/' + fileNameOf(path);
}

std::optional<SourceStamp> ThumbnailCache::stampOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
        ::access(name.constData(), R_OK) != 0)
        return std::nullopt;
    return SourceStamp{static_cast<qint64>(st.st_mtime), static_cast<qint64>(st.st_size)};
}

std::optional<CachedThumbnail> ThumbnailCache::find(const QString& path,
                                                    const SourceStamp& stamp) const {
    if (root_.isEmpty())
        return std::nullopt;
    const QByteArray uri = uriOf(path);
    if (const QImage image = noteOf(thumbnailPath(path), uri, stamp); !image.isNull())
        return CachedThumbnail{false, image};
    if (!noteOf(failurePath(path), uri, stamp).isNull())
        return CachedThumbnail{true, {}};
    return std::nullopt;
}

bool ThumbnailCache::store(const QString& path, const SourceStamp& stamp,
                           const QImage& image) const {
    return !image.isNull() && write(thumbnailPath(path), path, stamp, image);
}

bool ThumbnailCache::storeFailure(const QString& path, const SourceStamp& stamp) const {
    QImage empty(1, 1, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    return write(failurePath(path), path, stamp, empty);
}

bool ThumbnailCache::write(const QString& target, const QString& path, const SourceStamp& stamp,
                           QImage image) const {
    const QString folder = QFileInfo(target).path();
    // No thumbnails of the thumbnails themselves.
    if (root_.isEmpty() || QFileInfo(path).absoluteFilePath().startsWith(root_ + u'/') ||
        !makeFolders(folder))
        return false;
    image.setText(kUriKey, QString::fromLatin1(uriOf(path)));
    image.setText(kModifiedKey, QString::number(stamp.modified));
    image.setText(kSizeKey, QString::number(stamp.size));
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (!mime.isDefault())
        image.setText(u"Thumb::Mimetype"_s, mime.name());
    image.setText(u"Software"_s, u"kestrel"_s);
    // Written whole under a name of its own, then renamed over the thumbnail's name, so no
    // program ever reads half a thumbnail. A temporary file is readable by its owner only.
    QTemporaryFile file(folder + u"/kestrel-XXXXXX.png"_s);
    if (!file.open() || !image.save(&file, "PNG"))
        return false;
    file.close();
    if (file.error() != QFileDevice::NoError ||
        std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace kestrel
