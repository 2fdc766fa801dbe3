#pragma once

#include "browse/ThumbnailSource.h"

#include <QByteArray>
#include <QHash>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

class QThread;

namespace kestrel {

// The thumbnails of a camera's or phone's files (see deviceThumbnail), read on a thread of its
// own at idle priority. It opens the device when there is something to read and closes it
// when the queue is empty or an import or a look at the devices wants it (see DeviceHold),
// so it never holds the device against them for longer than one file takes. Thumbnails are
// kept for the grid's lifetime, in memory only: the shared cache names a file by a URI that
// other programs could open, and a camera's file has none.
class DevicePreviews : public ThumbnailSource {
    Q_OBJECT
  public:
    // The files asked for are named root + their camera path; root is the port too.
    DevicePreviews(const QString& root, int maxSide, QObject* parent = nullptr);
    // Stops after the file in hand and waits for it.
    ~DevicePreviews() override;

    void request(const QString& path, bool clip) override;
    void prioritize(const QStringList& visiblePaths) override;
    void cancelAll() override;

  private:
    struct Wanted {
        QString path;
        bool clip = false;
    };
    void run();
    // Takes the next file to read; false when there is none.
    bool next(Wanted& wanted, quint64& generation);
    void finished(const QString& path, const QByteArray& png, quint64 generation);

    const std::string port_;
    const qsizetype rootLength_;
    const int maxSide_;
    QHash<QString, QByteArray> kept_; // by path, as PNG; empty for a file with no thumbnail
    std::mutex lock_;                 // guards what follows
    std::condition_variable wake_;
    std::deque<Wanted> queue_;
    QHash<QString, bool> queued_; // the files queued or being read
    quint64 generation_ = 0;      // counts cancelAll() calls; older results are dropped
    std::atomic<bool> stop_ = false;
    QThread* thread_;
};

} // namespace kestrel
