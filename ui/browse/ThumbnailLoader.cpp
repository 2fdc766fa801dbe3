#include "browse/ThumbnailLoader.h"

#include "browse/ThumbnailCache.h"
#include "browse/ThumbnailReader.h"

#include <QThread>

#include <algorithm>

namespace kestrel {

namespace {

// Reading a card is what takes the time; more threads would only make its reads seek.
constexpr int kThreads = 2;

} // namespace

QImage loadThumbnail(const QString& path, bool clip, int maxSide) {
    const ThumbnailCache cache(maxSide);
    if (clip)
        return clipThumbnail(path, cache.thumbnailSide());
    // The standard's rule: a file we may not read gets no thumbnail, cached or not.
    const auto stamp = ThumbnailCache::stampOf(path);
    if (!stamp)
        return {};
    if (const auto cached = cache.find(path, *stamp))
        return cached->image;
    const QImage image = readThumbnail(path, cache.thumbnailSide());
    // A file that changed or went while it was read (a card pulled) is not damaged.
    if (ThumbnailCache::stampOf(path) == stamp) {
        if (image.isNull())
            cache.storeFailure(path, *stamp);
        else
            cache.store(path, *stamp, image);
    }
    return image;
}

ThumbnailLoader::ThumbnailLoader(int maxSide, QObject* parent)
    : ThumbnailSource(parent), maxSide_(maxSide) {
    pool_.setMaxThreadCount(std::min(kThreads, std::max(1, QThread::idealThreadCount())));
    // Decoding yields to the window: its threads run when a core would otherwise idle.
    pool_.setThreadPriority(QThread::IdlePriority);
}

ThumbnailLoader::~ThumbnailLoader() {
    cancelAll();
    // Results posted to this object while it waits are dropped with it.
    pool_.waitForDone();
}

void ThumbnailLoader::request(const QString& path, bool clip) {
    if (taken_.contains(path) || queuedClip_.contains(path))
        return;
    queuedClip_.insert(path, clip);
    queue_.append(path);
    startJobs();
}

void ThumbnailLoader::prioritize(const QStringList& visiblePaths) {
    QStringList front;
    QSet<QString> moved;
    for (const QString& path : visiblePaths)
        if (queuedClip_.contains(path) && !moved.contains(path)) {
            front.append(path);
            moved.insert(path);
        }
    if (front.isEmpty())
        return;
    for (const QString& path : std::as_const(queue_))
        if (!moved.contains(path))
            front.append(path);
    queue_ = std::move(front);
}

void ThumbnailLoader::cancelAll() {
    queue_.clear();
    queuedClip_.clear();
    taken_.clear();
    ++generation_;
}

void ThumbnailLoader::startJobs() {
    while (running_ < pool_.maxThreadCount() && !queue_.isEmpty()) {
        const QString path = queue_.takeFirst();
        const bool clip = queuedClip_.take(path);
        taken_.insert(path);
        ++running_;
        pool_.start([this, path, clip, side = maxSide_, generation = generation_] {
            const QImage image = loadThumbnail(path, clip, side);
            QMetaObject::invokeMethod(
                this, [this, path, image, generation] { finished(path, image, generation); },
                Qt::QueuedConnection);
        });
    }
}

void ThumbnailLoader::finished(const QString& path, const QImage& image, quint64 generation) {
    --running_;
    if (generation == generation_) {
        // Done: asked for again (a grid that let it go), it comes back from the cache.
        taken_.remove(path);
        emit thumbnailReady(path, image);
    }
    startJobs();
}

} // namespace kestrel
