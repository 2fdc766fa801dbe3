#pragma once

#include "run/StatusSink.h"
#include "run/TransferProgress.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace kestrel::cli {

// Shows an import's status on standard error: a live progress line while it is a terminal,
// and in every case the final message as one line. The live line tells the bytes done, the
// speed and the time left, then the file in hand.
class TerminalStatus : public StatusSink {
  public:
    explicit TerminalStatus(std::FILE* stream);

    void sayNothing() override;
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    void stopBar() override;
    void sayFinished(const RunSummary& summary) override;
    void setTotalBytes(std::int64_t bytes) override;
    void bytesDone(std::int64_t bytes) override;
    // "kestrel-import: warning: TEXT", on a line of its own.
    void sayWarning(const std::string& text) override;
    // A terminal cannot ask: nothing is copied, and it says why.
    WhenShort spaceShort(const std::vector<std::string>& shortfalls) override;
    // Takes the live line away, so that a message written next starts on a clean line.
    void clearLive();

  private:
    void showLive(const std::string& text);
    // Shows the progress and the file in hand, at most every few hundredths of a second.
    void showProgress();

    std::FILE* stream_;
    bool live_;
    std::int32_t filesToCopy_ = 0;
    std::chrono::steady_clock::time_point lastShown_{};
    TransferProgress progress_;
    bool haveTotal_ = false;
    std::string fileText_;
};

} // namespace kestrel::cli
