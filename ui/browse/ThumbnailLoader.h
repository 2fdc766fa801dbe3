#pragma once

#include "browse/ThumbnailSource.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>

namespace kestrel {

// The thumbnail of the file at path, maxSide the longest side wanted (128 and less: the
// cache's normal size; more: large, 256): from the cache when it holds one made of the file
// as it is now, else read (see ThumbnailReader.h) and then kept there, or noted there as a
// failure. A clip's film frame is drawn each time and never cached: other programs would
// take it for a frame of the clip. Null for a damaged file. Blocks; never throws.
QImage loadThumbnail(const QString& path, bool clip, int maxSide);

// Loads thumbnails off the main thread, the cache first: one at a time on each of a few
// threads, from a queue the loader keeps so the grid can move the files on screen to its front.
class ThumbnailLoader : public ThumbnailSource {
    Q_OBJECT
  public:
    // maxSide: 128 gives the cache's normal thumbnails, 256 its large ones.
    explicit ThumbnailLoader(int maxSide = 128, QObject* parent = nullptr);
    // Drops the queue and waits for the thumbnails being read.
    ~ThumbnailLoader() override;

    void request(const QString& path, bool clip) override;
    void prioritize(const QStringList& visiblePaths) override;
    void cancelAll() override;
    // The files waiting to be read, the next first.
    const QStringList& queued() const { return queue_; }

  private:
    void startJobs();
    void finished(const QString& path, const QImage& image, quint64 generation);

    const int maxSide_;
    QThreadPool pool_;
    QStringList queue_;
    QHash<QString, bool> queuedClip_; // the queued files: whether each is a clip
    QSet<QString> taken_;             // the files being read
    int running_ = 0;
    quint64 generation_ = 0; // counts cancelAll() calls; older results are dropped
};

} // namespace kestrel
