#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

namespace kestrel {

// Where a grid's thumbnails come from, read off the window's thread: a card's files, or a
// camera's.
class ThumbnailSource : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Queues the file at path (a clip or a photo); nothing when it is queued or being read.
    virtual void request(const QString& path, bool clip) = 0;
    // Moves the queued files among these to the front of the queue, in this order.
    virtual void prioritize(const QStringList& visiblePaths) = 0;
    // Drops the queue; what is being read now is not delivered.
    virtual void cancelAll() = 0;

  signals:
    // A requested thumbnail, in the source's thread; a null image means the file is damaged
    // (draw a placeholder).
    void thumbnailReady(const QString& path, const QImage& image);
};

} // namespace kestrel
