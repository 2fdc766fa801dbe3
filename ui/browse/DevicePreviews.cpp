#include "browse/DevicePreviews.h"

#include "browse/ThumbnailReader.h"
#include "devices/DeviceHold.h"

#include "device/Device.h"

#include <QBuffer>
#include <QFile>
#include <QThread>

#include <algorithm>

namespace kestrel {

DevicePreviews::DevicePreviews(const QString& root, int maxSide, QObject* parent)
    : ThumbnailSource(parent), port_(QFile::encodeName(root).toStdString()),
      rootLength_(root.size()), maxSide_(maxSide), thread_(QThread::create([this] { run(); })) {
    thread_->start(QThread::IdlePriority);
}

DevicePreviews::~DevicePreviews() {
    {
        const std::lock_guard hold(lock_);
        stop_ = true;
    }
    wake_.notify_all();
    wakeDeviceReaders();
    thread_->wait();
    delete thread_;
}

void DevicePreviews::request(const QString& path, bool clip) {
    if (const auto kept = kept_.constFind(path); kept != kept_.cend()) {
        // Kept: shown at once, so a grid listed again shows what it showed before.
        emit thumbnailReady(path, QImage::fromData(*kept, "PNG"));
        return;
    }
    {
        const std::lock_guard hold(lock_);
        if (queued_.contains(path))
            return;
        queued_.insert(path, clip);
        queue_.push_back({path, clip});
    }
    wake_.notify_all();
}

void DevicePreviews::prioritize(const QStringList& visiblePaths) {
    const std::lock_guard hold(lock_);
    // The visible ones in their order, then the rest as they were.
    std::stable_sort(queue_.begin(), queue_.end(), [&](const Wanted& a, const Wanted& b) {
        const qsizetype x = visiblePaths.indexOf(a.path), y = visiblePaths.indexOf(b.path);
        return x >= 0 && (y < 0 || x < y);
    });
}

void DevicePreviews::cancelAll() {
    const std::lock_guard hold(lock_);
    queue_.clear();
    queued_.clear();
    ++generation_;
}

bool DevicePreviews::next(Wanted& wanted, quint64& generation) {
    const std::lock_guard hold(lock_);
    if (queue_.empty() || stop_)
        return false;
    wanted = queue_.front();
    queue_.pop_front();
    generation = generation_;
    return true;
}

void DevicePreviews::run() {
    for (;;) {
        {
            std::unique_lock hold(lock_);
            wake_.wait(hold, [this] { return stop_ || !queue_.empty(); });
            if (stop_)
                return;
        }
        const DeviceTurn turn = holdDeviceWhenFree(stop_);
        if (!turn)
            return;
        std::string why;
        const auto device = openDevice(port_, why);
        Wanted wanted;
        quint64 generation = 0;
        // One file at a time, as long as no one else wants the device.
        while (next(wanted, generation)) {
            const QImage image =
                device
                    ? deviceThumbnail(*device,
                                      QFile::encodeName(wanted.path.mid(rootLength_)).toStdString(),
                                      wanted.clip, maxSide_)
                    : QImage();
            QByteArray png;
            QBuffer buffer(&png);
            if (!image.isNull() && buffer.open(QIODevice::WriteOnly))
                image.save(&buffer, "PNG");
            QMetaObject::invokeMethod(
                this,
                [this, path = wanted.path, png, generation] { finished(path, png, generation); },
                Qt::QueuedConnection);
            if (deviceWanted())
                break;
        }
    }
}

void DevicePreviews::finished(const QString& path, const QByteArray& png, quint64 generation) {
    {
        const std::lock_guard hold(lock_);
        if (generation != generation_)
            return;
        queued_.remove(path);
    }
    kept_.insert(path, png);
    emit thumbnailReady(path, png.isEmpty() ? QImage() : QImage::fromData(png, "PNG"));
}

} // namespace kestrel
