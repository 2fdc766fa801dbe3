#pragma once

#include "StatusSink.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace kestrel::cli {

// Shows an import's status on standard error: a live progress line while it is a terminal,
// and in every case the final message as one line.
class TerminalStatus : public StatusSink {
  public:
    explicit TerminalStatus(std::FILE* stream);

    void sayNothing() override;
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    void stopBar() override;
    void sayFinished(const RunSummary& summary) override;

  private:
    void showLive(const std::string& text);

    std::FILE* stream_;
    bool live_;
    std::int32_t filesToCopy_ = 0;
    std::chrono::steady_clock::time_point lastShown_{};
};

} // namespace kestrel::cli
