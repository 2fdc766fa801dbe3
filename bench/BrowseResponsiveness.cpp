// kestrel-bench-browse [--files N] [--runs R] [--memory M]: how the card grid answers while it
// reads thumbnails. On a card of N photos (full-size JPEGs with the thumbnail cameras embed)
// it times, R times each, from asking for the grid to its first screen of thumbnails and to
// all of them, with an empty thumbnail cache and the card's files out of the page cache
// (cold) and with the thumbnail cache filled (cached), and
// the longest wait of the event loop meanwhile (how late a 5 ms timer fires). Then it opens
// a card of M small photos, scrolls through all of it, and reports the peak memory.
// Everything lives in a temporary home folder.

#include "TemporaryHome.h"
#include "browse/BrowseModel.h"
#include "browse/BrowseWindow.h"
#include "run/Preferences.h"
#include "window/ViewController.h"

#include <exiv2/exiv2.hpp>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

namespace {

QByteArray jpegOf(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

// A photo of width x height pixels with a 160x120 thumbnail of its own colour in its EXIF,
// as cameras write them.
void writePhoto(const QString& path, const QByteArray& body, int index) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    file.close();
    QImage thumb(160, 120, QImage::Format_RGB32);
    thumb.fill(QColor::fromHsv(index * 37 % 360, 160, 220));
    const QByteArray thumbJpeg = jpegOf(thumb, 80);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData exif;
    exif["Exif.Photo.DateTimeOriginal"] =
        QStringLiteral("2026:07:21 %1:%2:00").arg(8 + index / 60 % 12, 2, 10, QChar(u'0'))
            .arg(index % 60, 2, 10, QChar(u'0')).toStdString();
    Exiv2::ExifThumb(exif).setJpegThumbnail(
        reinterpret_cast<const Exiv2::byte*>(thumbJpeg.constData()), thumbJpeg.size());
    image->setExifData(exif);
    image->writeMetadata();
}

QString makeCard(const QString& card, int files, QSize size) {
    QImage body(size, QImage::Format_RGB32);
    QPainter paint(&body);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(1, QColor(230, 200, 120));
    paint.fillRect(body.rect(), sky);
    for (int i = 0; i < 400; ++i)
        paint.fillRect(QRect((i * 7919) % size.width(), (i * 104729) % size.height(), 60, 40),
                       QColor::fromHsv(i * 13 % 360, 200, 200));
    paint.end();
    const QByteArray jpeg = jpegOf(body, 92);
    QDir().mkpath(card + QStringLiteral("/DCIM/100CAMERA"));
    for (int i = 1; i <= files; ++i)
        writePhoto(card + QStringLiteral("/DCIM/100CAMERA/IMG_%1.JPG").arg(i, 5, 10, QChar(u'0')),
                   jpeg, i);
    return card;
}

// Drops the card's files from the page cache, so a cold opening reads the disk.
void evict(const QString& card) {
    QDirIterator files(card, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const int fd = ::open(QFile::encodeName(files.next()).constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
}

struct Opening {
    double firstScreenMs = 0, allMs = 0, worstWaitMs = 0;
};

// The rows whose tiles are in the grid's viewport now.
QList<int> visibleRows(const kestrel::BrowseWindow& browser) {
    QList<int> rows;
    const QRect view = browser.grid()->viewport()->rect();
    for (int row = 0; row < browser.model()->rowCount(); ++row)
        if (browser.grid()->visualRect(browser.model()->index(row)).intersects(view))
            rows.append(row);
    return rows;
}

Opening open(kestrel::ViewController& window, const QString& card, int files) {
    QElapsedTimer clock;
    clock.start();
    Opening result;
    qint64 lastTick = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastTick > 0)
            result.worstWaitMs = std::max(result.worstWaitMs, (now - lastTick) / 1e6 - 5);
        lastTick = now;
    });
    ticker.start();
    kestrel::BrowseWindow* browser = window.browseFolder(card);
    int ready = 0;
    QEventLoop loop;
    QObject::connect(browser->model(), &QAbstractItemModel::dataChanged, &loop,
                     [&](const QModelIndex& from, const QModelIndex&, const QList<int>& roles) {
                         if (!roles.contains(Qt::DecorationRole))
                             return;
                         ++ready;
                         if (result.firstScreenMs == 0) {
                             const QList<int> rows = visibleRows(*browser);
                             if (!rows.isEmpty() &&
                                 std::all_of(rows.begin(), rows.end(), [&](int row) {
                                     return browser->model()->hasThumbnail(row);
                                 }))
                                 result.firstScreenMs = clock.nsecsElapsed() / 1e6;
                         }
                         if (ready >= files) {
                             result.allMs = clock.nsecsElapsed() / 1e6;
                             loop.quit();
                         }
                         Q_UNUSED(from);
                     });
    loop.exec();
    browser->close();
    QApplication::processEvents();
    return result;
}

struct Figures {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    QString text() {
        std::sort(values.begin(), values.end());
        const double median = values[values.size() / 2];
        return QStringLiteral("%1 ms (spread %2–%3)")
            .arg(median, 0, 'f', 0)
            .arg(values.front(), 0, 'f', 0)
            .arg(values.back(), 0, 'f', 0);
    }
};

long peakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int files = 2000, runs = 3, memoryFiles = 10000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray option = argv[i];
        const int value = QByteArray(argv[i + 1]).toInt();
        (option == "--files" ? files : option == "--runs" ? runs : memoryFiles) = value;
    }
    QTemporaryDir home;
    kestrel::bench::useTemporaryHome(home);
    QApplication app(argc, argv);
    kestrel::bench::useTemporarySettings(home);
    {
        const auto prefs = kestrel::openPreferences();
        kestrel::storeString(*prefs, kestrel::keys::ImportPath,
                             home.filePath(QStringLiteral("Pictures")).toStdString());
    }
    std::fprintf(stderr, "writing a card of %d photos of 4000x3000 pixels…\n", files);
    // KESTREL_BENCH_CARD names a folder to keep the card in between runs.
    const QString kept = qEnvironmentVariable("KESTREL_BENCH_CARD");
    const QString card = !kept.isEmpty() && QDir(kept).exists()
                             ? kept
                             : makeCard(kept.isEmpty() ? home.filePath(QStringLiteral("CARD")) : kept,
                                        files, {4000, 3000});
    std::ostringstream log;
    kestrel::ViewController window(log);
    window.resize(1000, 700);
    window.show();
    Figures coldFirst, coldAll, cachedFirst, cachedAll, waits;
    const QString thumbnails = home.filePath(QStringLiteral("XDG_CACHE_HOME/thumbnails"));
    for (int run = 0; run < runs; ++run) {
        QDir(thumbnails).removeRecursively();
        evict(card);
        const Opening cold = open(window, card, files);
        const Opening cached = open(window, card, files);
        coldFirst.add(cold.firstScreenMs);
        coldAll.add(cold.allMs);
        cachedFirst.add(cached.firstScreenMs);
        cachedAll.add(cached.allMs);
        waits.add(std::max(cold.worstWaitMs, cached.worstWaitMs));
    }
    std::printf("card of %d photos, %d runs, medians:\n", files, runs);
    std::printf("  cold cache:   first screen %s, all %s\n", qPrintable(coldFirst.text()),
                qPrintable(coldAll.text()));
    std::printf("  cached:       first screen %s, all %s\n", qPrintable(cachedFirst.text()),
                qPrintable(cachedAll.text()));
    std::printf("  longest wait of the event loop: %s\n", qPrintable(waits.text()));

    if (memoryFiles > 0) {
        std::fprintf(stderr, "writing a card of %d small photos…\n", memoryFiles);
        const QString many = makeCard(home.filePath(QStringLiteral("MANY")), memoryFiles, {640, 480});
        kestrel::BrowseWindow* browser = window.browseFolder(many);
        QEventLoop loop;
        QObject::connect(browser, &kestrel::BrowseWindow::surveyed, &loop, &QEventLoop::quit);
        loop.exec();
        // Scrolls to the end a screen at a time, so that every thumbnail is read and shown.
        QScrollBar* bar = browser->grid()->verticalScrollBar();
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            QApplication::processEvents();
        }
        int ready = 0;
        QObject::connect(browser->model(), &QAbstractItemModel::dataChanged, &loop,
                         [&] { ++ready; });
        QTimer idle;
        QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
            if (ready == 0)
                loop.quit();
            ready = 0;
        });
        idle.start(2000);
        loop.exec();
        std::printf("card of %d photos, browsed to its end: peak memory %ld MiB\n", memoryFiles,
                    peakKiB() / 1024);
    }
    return 0;
}
