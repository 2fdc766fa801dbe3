// Thumbnails: previews inside photos and raw files, clips' film frames, the shared cache and
// the loader that fills the grid.
#include "UiTestSupport.h"

#include "SampleMedia.h"
#include "browse/FilmIcon.h"
#include "browse/ThumbnailCache.h"
#include "browse/ThumbnailLoader.h"
#include "browse/ThumbnailReader.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <exiv2/exif.hpp>
#include <exiv2/image.hpp>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace std::string_literals;
using kestrel::ThumbnailCache;

namespace {

QImage filled(int width, int height, Qt::GlobalColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

std::string jpeg(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return buffer.data().toStdString();
}

// A red 2000 x 1500 photo, taken turned a quarter (EXIF orientation 6), whose EXIF holds a
// blue 160 x 120 thumbnail.
void writePhotoWithThumbnail(const QString& path) {
    kestrel::test::writeFile(path.toStdString(), jpeg(filled(2000, 1500, Qt::red)));
    auto image = Exiv2::ImageFactory::open(path.toStdString());
    image->readMetadata();
    const std::string thumbnail = jpeg(filled(160, 120, Qt::blue));
    Exiv2::ExifThumb(image->exifData())
        .setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(thumbnail.data()),
                          static_cast<long>(thumbnail.size()));
    image->exifData()["Exif.Image.Orientation"] = std::uint16_t(6);
    image->writeMetadata();
    kestrel::test::setModified(path.toStdString(), "2016-07-21 12:00");
}

// A TIFF-based raw file of fileSize bytes whose first directory is a 256 x 192 RGB thumbnail
// (red top-left quarter, green elsewhere) stored at stripAt; the rest stands for raw data.
std::string rawWithThumbnail(std::uint32_t stripAt, std::uint32_t fileSize) {
    using kestrel::test::be;
    QImage thumbnail = filled(256, 192, Qt::green).convertToFormat(QImage::Format_RGB888);
    QPainter(&thumbnail).fillRect(0, 0, 128, 96, Qt::red);
    const std::uint32_t extra = 8 + 2 + 11 * 12 + 4; // BitsPerSample's three values
    const std::pair<std::uint16_t, std::uint32_t> entries[] = {
        {254, 1}, {256, 256}, {257, 192}, {258, extra},        {259, 1}, {262, 2}, {273, stripAt},
        {274, 1}, {277, 3},   {278, 192}, {279, 256 * 192 * 3}};
    std::string file = "MM\0*"s + be(8, 4) + be(11, 2);
    for (const auto& [tag, value] : entries) {
        const bool isLong = tag == 254 || tag == 273 || tag == 279; // else a SHORT, left-aligned
        file += be(tag, 2) + be(isLong ? 4 : 3, 2) + be(tag == 258 ? 3 : 1, 4) +
                (isLong || tag == 258 ? be(value, 4) : be(value, 2) + be(0, 2));
    }
    file += be(0, 4) + be(8, 2) + be(8, 2) + be(8, 2);
    file.resize(stripAt, '\0');
    for (int y = 0; y < 192; ++y)
        file.append(reinterpret_cast<const char*>(thumbnail.constScanLine(y)), 256 * 3);
    file.resize(fileSize, 'r');
    return file;
}

bool mostly(const QColor& color, Qt::GlobalColor expected) {
    const QColor want(expected);
    return std::abs(color.red() - want.red()) < 40 && std::abs(color.green() - want.green()) < 40 &&
           std::abs(color.blue() - want.blue()) < 40;
}

// The permission bits of the file or folder at path, as chmod writes them.
int modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

} // namespace

class ThumbnailsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> cache_, files_;

    QString file(const QString& name) const { return files_->filePath(name); }

  private slots:
    void init() {
        cache_ = std::make_unique<QTemporaryDir>();
        files_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache_->path()));
    }

    void previewWhenLargeEnoughElseTheScaledPhoto() {
        writePhotoWithThumbnail(file(u"IMG_0001.JPG"_s));
        const QImage small = kestrel::readThumbnail(file(u"IMG_0001.JPG"_s), 128);
        const QImage large = kestrel::readThumbnail(file(u"IMG_0001.JPG"_s), 256);
        QCOMPARE(small.size(), QSize(96, 128)); // upright: taller than wide
        QVERIFY(mostly(small.pixelColor(48, 64), Qt::blue));
        QCOMPARE(large.size(), QSize(192, 256));
        QVERIFY(mostly(large.pixelColor(48, 64), Qt::red));
    }

    void rawPreviewReadsLittleOfTheFile() {
        const QString raw = file(u"DSC_0001.NEF"_s);
        kestrel::test::writePhoto(raw, rawWithThumbnail(4 << 20, 24 << 20));
        kestrel::readThumbnail(raw, 128); // what is read once per process is not counted
        const long long before = kestrel::test::bytesRead();
        const QImage thumbnail = kestrel::readThumbnail(raw, 128);
        QCOMPARE_LT(kestrel::test::bytesRead() - before, 2 << 20); // the head and the thumbnail
        QCOMPARE(thumbnail.size(), QSize(128, 96));
        QVERIFY(mostly(thumbnail.pixelColor(10, 10), Qt::red));
        QVERIFY(mostly(thumbnail.pixelColor(100, 80), Qt::green));
        // Nothing larger in the file: the thumbnail as it is, not blown up.
        QCOMPARE(kestrel::readThumbnail(raw, 512).size(), QSize(256, 192));
    }

    void everyExifOrientation() {
        // Where the top-left pixel of a 3 x 2 picture goes for orientations 1 to 8.
        const QPoint at[] = {{0, 0}, {2, 0}, {2, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 2}, {0, 2}};
        QImage image = filled(3, 2, Qt::black);
        image.setPixelColor(0, 0, Qt::white);
        for (int orientation = 1; orientation <= 8; ++orientation)
            QCOMPARE(kestrel::orientedImage(image, orientation).pixelColor(at[orientation - 1]),
                     QColor(Qt::white));
    }

    void damagedFilesAreNotedAsFailures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const std::string photo = jpeg(filled(640, 480, Qt::red));
        QTest::newRow("garbage JPEG") << u"a.JPG"_s << QByteArray(5000, '\x5a');
        QTest::newRow("JPEG cut in its header")
            << u"b.JPG"_s << QByteArray::fromStdString(photo.substr(0, 120));
        QTest::newRow("garbage raw") << u"c.NEF"_s << QByteArray(70000, '\xa5');
        QTest::newRow("TIFF directory out of the file")
            << u"d.NEF"_s << QByteArray::fromStdString("II*\0\xff\xff\xff\x0f"s + "junk");
        QTest::newRow("empty") << u"e.CR2"_s << QByteArray();
    }
    void damagedFilesAreNotedAsFailures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString path = file(name);
        kestrel::test::writePhoto(path, bytes.toStdString());
        QVERIFY(kestrel::loadThumbnail(path, false, 128).isNull());
        const ThumbnailCache cache(128);
        QVERIFY(!QFileInfo::exists(cache.thumbnailPath(path)));
        const auto found = cache.find(path, *ThumbnailCache::stampOf(path));
        QVERIFY(found && found->failed);
        QVERIFY(cache.failurePath(path).contains(QRegularExpression(u"/fail/kestrel-[0-9.]+/"_s)));
    }

    void cacheFileAsTheStandardSays() {
        // The standard's own example.
        QCOMPARE(ThumbnailCache::fileNameOf(u"/home/jens/photos/me.png"_s),
                 u"c6ee772d9e49320e97ec29a7eb5b1697.png"_s);
        const QString photo = file(u"Wien März/IMG 0001.JPG"_s);
        writePhotoWithThumbnail(photo);
        QVERIFY(!kestrel::loadThumbnail(photo, false, 256).isNull());
        const QByteArray uri = "file://" + QFile::encodeName(photo).toPercentEncoding("/");
        QVERIFY(uri.contains("M%C3%A4rz/IMG%200001.JPG"));
        const QString md5 =
            QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex());
        const QDir root(cache_->filePath(u"thumbnails"_s));
        QCOMPARE(QDir(root.filePath(u"large"_s)).entryList(QDir::Files),
                 QStringList{md5 + u".png"_s});
        // QImageReader::text() takes "Thumb" for the key: the image's own text has them.
        QImageReader reader(root.filePath(u"large/"_s + md5 + u".png"_s));
        const QImage thumbnail = reader.read();
        QCOMPARE(thumbnail.size(), QSize(192, 256));
        const QFileInfo info(photo);
        for (const auto& [key, value] :
             {std::pair{u"Thumb::URI"_s, QString::fromLatin1(uri)},
              {u"Thumb::MTime"_s, QString::number(info.lastModified().toSecsSinceEpoch())},
              {u"Thumb::Size"_s, QString::number(info.size())},
              {u"Thumb::Mimetype"_s, u"image/jpeg"_s},
              {u"Software"_s, u"kestrel"_s}})
            QCOMPARE(thumbnail.text(key), value);
        QCOMPARE(modeOf(reader.fileName()), 0600);
        for (const QString& folder : {u"."_s, u"large"_s})
            QCOMPARE(modeOf(root.filePath(folder)), 0700);
    }

    void cachedThumbnailOnlyForTheFileAsItIs() {
        const QString photo = file(u"IMG_0002.JPG"_s);
        writePhotoWithThumbnail(photo);
        QVERIFY(mostly(kestrel::loadThumbnail(photo, false, 128).pixelColor(5, 5), Qt::blue));
        // A cached thumbnail with the file's URI and time stands for the file.
        const ThumbnailCache cache(128);
        const QImage made(cache.thumbnailPath(photo));
        QImage planted = filled(128, 96, Qt::yellow);
        for (const QString& key : made.textKeys())
            planted.setText(key, made.text(key));
        // Not when its size differs: the file was rewritten within the same second.
        const QString size = QString::number(QFileInfo(photo).size());
        planted.setText(u"Thumb::Size"_s, size + u'0');
        QVERIFY(planted.save(cache.thumbnailPath(photo), "PNG"));
        QVERIFY(!cache.find(photo, *ThumbnailCache::stampOf(photo)));
        QVERIFY(mostly(kestrel::loadThumbnail(photo, false, 128).pixelColor(5, 5), Qt::blue));
        QCOMPARE(QImage(cache.thumbnailPath(photo)).text(u"Thumb::Size"_s), size);
        planted.setText(u"Thumb::Size"_s, size);
        QVERIFY(planted.save(cache.thumbnailPath(photo), "PNG"));
        QVERIFY(mostly(kestrel::loadThumbnail(photo, false, 128).pixelColor(5, 5), Qt::yellow));
        // Once the file is changed, it is read again.
        kestrel::test::setModified(photo.toStdString(), "2017-01-02 03:04");
        QVERIFY(mostly(kestrel::loadThumbnail(photo, false, 128).pixelColor(5, 5), Qt::blue));
        QCOMPARE(QImage(cache.thumbnailPath(photo)).text(u"Thumb::MTime"_s),
                 QString::number(QFileInfo(photo).lastModified().toSecsSinceEpoch()));
    }

    void clipsShowTheirLength() {
        QCOMPARE(kestrel::clipLengthText(0), u"0:00"_s);
        QCOMPARE(kestrel::clipLengthText(9.4), u"0:09"_s);
        QCOMPARE(kestrel::clipLengthText(65.5), u"1:06"_s);
        QCOMPARE(kestrel::clipLengthText(4500), u"75:00"_s);
        const QString clip = file(u"MVI_0001.MOV"_s);
        kestrel::test::writePhoto(clip, kestrel::test::movie(0, 0, true, false, 4 << 20, 600 * 65));
        kestrel::loadThumbnail(clip, true, 128); // fonts are read once per process
        const long long before = kestrel::test::bytesRead();
        const QImage frame = kestrel::loadThumbnail(clip, true, 128);
        QCOMPARE_LT(kestrel::test::bytesRead() - before,
                    64 * 1024); // the movie header, never the media
        QCOMPARE(frame.width(), 128);
        QVERIFY(!QFileInfo::exists(ThumbnailCache(128).thumbnailPath(clip)));
    }

    void loaderDeliversWhatIsAsked() {
        const QStringList photos{file(u"1.JPG"_s), file(u"2.JPG"_s), file(u"3.JPG"_s)};
        for (const QString& photo : photos)
            writePhotoWithThumbnail(photo);
        kestrel::test::writePhoto(file(u"bad.NEF"_s), std::string(9000, 'x'));
        kestrel::test::writePhoto(file(u"clip.MOV"_s), kestrel::test::movie(0, 0));
        kestrel::ThumbnailLoader loader(128);
        QSignalSpy ready(&loader, &kestrel::ThumbnailLoader::thumbnailReady);
        for (const QString& photo : photos + photos)
            loader.request(photo, false);
        loader.request(file(u"bad.NEF"_s), false);
        loader.request(file(u"clip.MOV"_s), true);
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 5, kestrel::test::kPatience);
        QMap<QString, QSize> sizes; // a null image's size is empty
        for (const QVariantList& signal : ready)
            sizes.insert(signal[0].toString(), signal[1].value<QImage>().size());
        QCOMPARE(sizes, (QMap<QString, QSize>{{photos[0], {96, 128}},
                                              {photos[1], {96, 128}},
                                              {photos[2], {96, 128}},
                                              {file(u"bad.NEF"_s), {0, 0}},
                                              {file(u"clip.MOV"_s), {128, 96}}}));
    }

    void loaderPutsVisibleFilesFirst() {
        kestrel::ThumbnailLoader loader(128);
        QStringList paths;
        for (int i = 0; i < 8; ++i)
            paths.append(file(u"%1.MOV"_s.arg(i)));
        for (const QString& path : paths)
            loader.request(path, true);
        QStringList expected = loader.queued();
        QCOMPARE(expected, paths.mid(paths.size() - expected.size()));
        loader.prioritize({paths[7], file(u"unknown.JPG"_s), paths[6]});
        expected.removeAll(paths[6]);
        expected.removeAll(paths[7]);
        QCOMPARE(loader.queued(), QStringList({paths[7], paths[6]}) + expected);
    }

    void cancelledThumbnailsAreNotDelivered() {
        auto loader = std::make_unique<kestrel::ThumbnailLoader>(128);
        QSignalSpy ready(loader.get(), &kestrel::ThumbnailLoader::thumbnailReady);
        for (int i = 0; i < 6; ++i) {
            writePhotoWithThumbnail(file(u"%1.JPG"_s.arg(i)));
            loader->request(file(u"%1.JPG"_s.arg(i)), false);
        }
        loader->cancelAll();
        QVERIFY(loader->queued().isEmpty());
        loader->request(file(u"0.JPG"_s), false); // asked again after the cancel
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, kestrel::test::kPatience);
        loader.reset(); // waits for what is still being read
        QCoreApplication::processEvents();
        QCOMPARE(ready.size(), 1);
        QCOMPARE(ready[0][0].toString(), file(u"0.JPG"_s));
    }
};

KESTREL_UI_TEST_MAIN(ThumbnailsTest)
#include "tst_thumbnails.moc"
