// kestrel-bench-import-wait [--runs R] [--dir FOLDER]: how long the window's event loop waits
// during an import. It writes a card of 400 photos of 4 MiB and 4 clips of 64 MiB below
// FOLDER (default $TMPDIR), imports it R times (default 5) through the window into a fresh
// destination beside it, as a card and then as a camera (libgphoto2's Directory Browse camera
// serving the same folder), and keeps the largest gap between two ticks of a 1 ms timer while
// each import runs: what a click, a key or a repaint would wait for. Everything else lives in
// a temporary home folder.

#include "CardFiles.h"
#include "TemporaryHome.h"
#include "run/Preferences.h"
#include "window/ViewController.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

namespace {

using kestrel::bench::Bytes;
using kestrel::bench::Random;
constexpr std::int64_t kMiB = 1024 * 1024;

void write(const QString& path, const Bytes& head, std::int64_t size, Random& random,
           const Bytes& tail = {}) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
    file.write(reinterpret_cast<const char*>(head.data()), qint64(head.size()));
    Bytes chunk(static_cast<std::size_t>(8 * kMiB));
    for (std::int64_t left = size - qint64(head.size() + tail.size()); left > 0;) {
        const auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, qint64(chunk.size())));
        random.fill(chunk.data(), n);
        file.write(reinterpret_cast<const char*>(chunk.data()), qint64(n));
        left -= qint64(n);
    }
    file.write(reinterpret_cast<const char*>(tail.data()), qint64(tail.size()));
}

void makeCard(const QString& card) {
    Random random(1);
    QDir().mkpath(card + QStringLiteral("/DCIM/100CANON"));
    const QString folder = card + QStringLiteral("/DCIM/100CANON/");
    for (int n = 1; n <= 400; ++n) {
        const Bytes photo = kestrel::bench::jpeg(4 * kMiB, random);
        write(folder + QStringLiteral("IMG_%1.JPG").arg(n, 4, 10, QChar(u'0')), photo,
              qint64(photo.size()), random);
    }
    for (int n = 1; n <= 4; ++n)
        write(folder + QStringLiteral("MVI_%1.MOV").arg(n, 4, 10, QChar(u'0')),
              kestrel::bench::movieHead(64 * kMiB), 64 * kMiB, random,
              kestrel::bench::movieTail(1714521600 + n * 86400));
}

struct Run {
    double longestWaitMs = 0, seconds = 0;
};

// Imports source (a folder, or a camera's port) through the window and keeps the largest gap
// between two ticks.
Run importOnce(kestrel::ViewController& window, const QString& source, bool device) {
    Run run;
    QElapsedTimer clock;
    qint64 lastTick = -1;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastTick >= 0)
            run.longestWaitMs = std::max(run.longestWaitMs, (now - lastTick) / 1e6);
        lastTick = now;
    });
    clock.start();
    ticker.start();
    window.runImport(QFile::encodeName(source).toStdString(), nullptr, device);
    // The window's own event loop turns until the import has ended (at once when it ran on
    // this thread).
    while (window.isImporting())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 end = clock.nsecsElapsed();
    run.longestWaitMs = std::max(run.longestWaitMs, (end - std::max<qint64>(lastTick, 0)) / 1e6);
    run.seconds = end / 1e9;
    return run;
}

// "12.3 ms (10.1–15.0)": the median, then the lowest and the highest.
QString figures(std::vector<double> values, const char* unit, int decimals) {
    std::sort(values.begin(), values.end());
    return QStringLiteral("%1 %4 (%2–%3)")
        .arg(values[values.size() / 2], 0, 'f', decimals)
        .arg(values.front(), 0, 'f', decimals)
        .arg(values.back(), 0, 'f', decimals)
        .arg(QString::fromLatin1(unit));
}

} // namespace

int main(int argc, char** argv) {
    int runs = 5;
    QString scratch = QDir::tempPath();
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray option = argv[i];
        if (option == "--runs")
            runs = std::max(1, QByteArray(argv[i + 1]).toInt());
        else if (option == "--dir")
            scratch = QFile::decodeName(argv[i + 1]);
    }
    QTemporaryDir home;
    kestrel::bench::useTemporaryHome(home);
    QApplication app(argc, argv);
    kestrel::bench::useTemporarySettings(home);
    QTemporaryDir work(scratch + QStringLiteral("/kestrel-bench-XXXXXX"));
    const QString card = work.filePath(QStringLiteral("CARD"));
    std::fprintf(stderr, "writing a card of 400 photos of 4 MiB and 4 clips of 64 MiB…\n");
    makeCard(card);

    std::ostringstream log;
    kestrel::ViewController window(log);
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();
    struct Source {
        const char* name;
        QString path;
        bool device;
        std::vector<double> waits, seconds;
    };
    Source sources[] = {{"card", card, false, {}, {}},
                        {"camera", QStringLiteral("disk:") + card, true, {}, {}}};
    for (int n = 0; n < runs; ++n)
        for (Source& source : sources) {
            const QString dest = work.filePath(QStringLiteral("DEST"));
            QDir(dest).removeRecursively();
            QDir().mkpath(dest);
            {
                const auto prefs = kestrel::openPreferences();
                for (const char* key : {kestrel::keys::ImportPath, kestrel::keys::ImportPathRAW})
                    kestrel::storeString(*prefs, key, QFile::encodeName(dest).toStdString());
            }
            window.preferencesChanged();
            const Run run = importOnce(window, source.path, source.device);
            std::fprintf(stderr, "run %d, %s: longest wait %.1f ms, import %.2f s\n", n + 1,
                         source.name, run.longestWaitMs, run.seconds);
            source.waits.push_back(run.longestWaitMs);
            source.seconds.push_back(run.seconds);
        }
    std::printf("%d imports of 400 x 4 MiB photos and 4 x 64 MiB clips, medians (lowest-highest):\n",
                runs);
    for (const Source& source : sources)
        std::printf("  %-6s longest wait of the event loop: %s; import: %s\n", source.name,
                    qPrintable(figures(source.waits, "ms", 1)),
                    qPrintable(figures(source.seconds, "s", 2)));
    return 0;
}
