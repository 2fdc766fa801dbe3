#include "browse/SurveyJob.h"

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
} // namespace

SurveyJob::SurveyJob(const QString& root, const ImportOptions& options, QObject* parent)
    : QObject(parent), root_(QFile::encodeName(root).toStdString()), options_(options) {}

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
}

void SurveyJob::run() {
    const auto stop = stop_;
    const auto stopped = [stop] { return stop->load(); };
    // Sends through this object's own thread, and only while no stop has been asked for.
    const auto send = [this, stop](auto&& deliver) {
        QMetaObject::invokeMethod(
            this,
            [this, stop, deliver = std::forward<decltype(deliver)>(deliver)] {
                if (!stop->load())
                    deliver(this);
            },
            Qt::QueuedConnection);
    };
    std::vector<SurveyedFile> files = listCard(root_, options_, stopped);
    if (stopped())
        return;
    send([files](SurveyJob* job) { emit job->listed(files); });
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
                                          : check.standingOf(files[row], &recordedPath);
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
