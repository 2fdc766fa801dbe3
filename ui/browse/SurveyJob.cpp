#include "browse/SurveyJob.h"

#include "devices/DeviceHold.h"

#include "device/Device.h"
#include "run/DeviceSurvey.h"
#include "run/JobSurvey.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QThread>

namespace kestrel {

namespace {
// Standings are sent in groups, at least every fifth of a second: a file already at its
// destination is compared byte for byte, a new one only looked up.
constexpr std::size_t kGroup = 256;
constexpr qint64 kGroupMs = 200;
// A device's progress is told at most this often.
constexpr qint64 kProgressMs = 100;
} // namespace

SurveyJob::SurveyJob(const QString& root, const ImportOptions& options, QObject* parent,
                     bool device)
    : QObject(parent), root_(QFile::encodeName(root).toStdString()), device_(device),
      options_(options) {}

SurveyJob::~SurveyJob() {
    stop();
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

void SurveyJob::start() {
    if (thread_ != nullptr)
        return;
    thread_ = QThread::create([this] { run(); });
    thread_->start(QThread::LowPriority);
}

void SurveyJob::stop() {
    stop_->store(true);
    wakeDeviceReaders();
}

void SurveyJob::run() {
    const auto stop = stop_;
    // Sends through this object's own thread, and only while no stop has been asked for.
    const Send send = [this, stop](std::function<void(SurveyJob*)> deliver) {
        QMetaObject::invokeMethod(
            this,
            [this, stop, deliver = std::move(deliver)] {
                if (!stop->load())
                    deliver(this);
            },
            Qt::QueuedConnection);
    };
    if (device_)
        return runDevice(send);
    std::vector<SurveyedFile> files = listCard(root_, options_, [stop] { return stop->load(); });
    placeByJob(files, root_, options_, [stop] { return stop->load(); });
    if (stop->load())
        return;
    send([files](SurveyJob* job) { emit job->listed(files); });
    check(files, nullptr, send);
}

void SurveyJob::runDevice(const Send& send) {
    // An import or a look at the devices goes first; the survey then has the device alone.
    const DeviceTurn turn = holdDeviceWhenFree(*stop_);
    if (!turn)
        return;
    std::string why;
    const auto device = openDevice(root_, why);
    if (!device) {
        send([why = QString::fromStdString(why)](SurveyJob* job) {
            emit job->unavailable(why);
            emit job->finished();
        });
        return;
    }
    QElapsedTimer told;
    std::vector<SurveyedFile> files =
        listDevice(*device, root_, options_, [&](std::size_t done, std::size_t total) {
            if (!told.isValid() || told.hasExpired(kProgressMs)) {
                told.start();
                send([done = static_cast<int>(done), total = static_cast<int>(total)](
                         SurveyJob* job) { emit job->progress(done, total); });
            }
            return !stop_->load();
        });
    if (stop_->load())
        return;
    send([files](SurveyJob* job) { emit job->listed(files); });
    check(files, device.get(), send);
}

void SurveyJob::check(const std::vector<SurveyedFile>& files, Device* device, const Send& send) {
    const auto stopped = [this] { return stop_->load(); };
    StandingCheck check(options_);
    for (std::size_t first = 0; first < files.size() && !stopped();) {
        const std::size_t end = std::min(files.size(), first + kGroup);
        std::vector<Standing> standings;
        QStringList recorded;
        QElapsedTimer group;
        group.start();
        for (std::size_t row = first; row < end && !stopped() && !group.hasExpired(kGroupMs);
             ++row) {
            std::string recordedPath;
            const Standing standing = files[row].standing == Standing::NotImported
                                          ? Standing::NotImported
                                          : check.standingOf(files[row], &recordedPath, device);
            standings.push_back(standing);
            recorded.append(QString::fromStdString(recordedPath));
        }
        const std::size_t count = standings.size();
        send([first, standings = std::move(standings), recorded](SurveyJob* job) {
            emit job->checked(static_cast<int>(first), standings, recorded);
        });
        first += count;
    }
    send([](SurveyJob* job) { emit job->finished(); });
}

} // namespace kestrel
