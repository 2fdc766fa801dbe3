#pragma once

#include "run/StatusSink.h"

#include <QThread>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

namespace kestrel {

class ViewController;

// A stream that one thread writes while others write the same target: what is put here is
// held until it is flushed (std::endl, or the import log's flush), then written whole to the
// target under lock. It goes bad when the target does, as a closed pipe makes it.
class LockedStream : public std::ostream {
  public:
    LockedStream(std::ostream& target, std::mutex& lock);
    ~LockedStream() override;

  private:
    class Buffer : public std::streambuf {
      public:
        Buffer(std::ostream& target, std::mutex& lock) : target_(target), lock_(lock) {}

      protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int sync() override;

      private:
        std::ostream& target_;
        std::mutex& lock_;
        std::string pending_;
    };
    Buffer buffer_;
};

// One import or check on a thread of its own. What the work reports to its StatusSink reaches
// the window through calls queued to the window's thread, with copies of the data; a question
// (spaceShort) waits on this thread for the window's answer. Its log goes to the window's
// output under the output's lock.
class RunThread : public QThread, private StatusSink {
  public:
    using Work = std::function<void(StatusSink& sink, std::ostream& log)>;
    RunThread(ViewController& window, std::ostream& out, std::mutex& outLock, Work work);
    // Waits for the work to end.
    ~RunThread() override;

    // The window is going: a question asked now or later is answered "copy nothing" at once.
    void abandon();

  protected:
    void run() override;

  private:
    void sayNothing() override;
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    void stopBar() override;
    void sayFinished(const RunSummary& summary) override;
    void setTotalBytes(std::int64_t bytes) override;
    void bytesDone(std::int64_t bytes) override;
    void sayWarning(const std::string& text) override;
    WhenShort spaceShort(const std::vector<std::string>& shortfalls) override;
    // Runs call on the window's thread, after everything queued before it.
    void queue(std::function<void()> call);

    ViewController& window_;
    std::ostream& out_;
    std::mutex& outLock_;
    Work work_;
    std::mutex lock_; // guards what follows
    std::condition_variable answered_;
    std::optional<WhenShort> answer_;
    bool abandoned_ = false;
};

} // namespace kestrel
