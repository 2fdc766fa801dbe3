#pragma once

#include "run/CardSurvey.h"
#include "run/ImportOptions.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

class QThread;

namespace kestrel {

// Lists a card and works out where each of its files stands, on a thread of its own, so the
// window answers all the while. What it finds is sent to the receiving thread's event loop.
class SurveyJob : public QObject {
    Q_OBJECT
  public:
    SurveyJob(const QString& root, const ImportOptions& options, QObject* parent = nullptr);
    // Stops the job and waits for its thread.
    ~SurveyJob() override;

    void start();
    // Asks the job to stop at the next file; nothing more is sent after this returns.
    void stop();

  signals:
    void listed(const std::vector<kestrel::SurveyedFile>& files);
    // Standings of rows first .. first + standings.size() - 1, with what a record holds.
    void checked(int first, const std::vector<kestrel::Standing>& standings,
                 const QStringList& recordedPaths);
    void finished();

  private:
    void run();

    const std::string root_;
    const ImportOptions options_;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    QThread* thread_ = nullptr;
};

} // namespace kestrel
