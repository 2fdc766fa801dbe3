#pragma once

#include "run/CardSurvey.h"
#include "run/ImportOptions.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace kestrel {

class Device;

// Lists a card and works out where each of its files stands, on a thread of its own, so the
// window answers all the while. What it finds is sent to the receiving thread's event loop.
// A camera or phone (device: root is its port) is opened for the survey alone, and closed
// before finished(): its previews are read apart (see DevicePreviews).
class SurveyJob : public QObject {
    Q_OBJECT
  public:
    SurveyJob(const QString& root, const ImportOptions& options, QObject* parent = nullptr,
              bool device = false);
    // Stops the job and waits for its thread.
    ~SurveyJob() override;

    void start();
    // Asks the job to stop at the next file; nothing more is sent after this returns.
    void stop();

  signals:
    // How far the survey of a device is: files found so far (total 0), then looked at.
    void progress(int done, int total);
    // The device cannot be opened, in the engine's words; finished() follows.
    void unavailable(const QString& why);
    void listed(const std::vector<kestrel::SurveyedFile>& files);
    // Standings of rows first .. first + standings.size() - 1, with what a record holds.
    void checked(int first, const std::vector<kestrel::Standing>& standings,
                 const QStringList& recordedPaths);
    void finished();

  private:
    using Send = std::function<void(std::function<void(SurveyJob*)>)>;
    void run();
    void runDevice(const Send& send);
    // Works out where each of files stands, sending the standings in groups.
    void check(const std::vector<SurveyedFile>& files, Device* device, const Send& send);

    const std::string root_;
    const bool device_;
    const ImportOptions options_;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    QThread* thread_ = nullptr;
};

} // namespace kestrel
