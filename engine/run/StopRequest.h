#pragma once

#include <atomic>
#include <csignal>

namespace kestrel {

// A request to stop an import after the file in hand. Safe to set from a signal handler or
// another thread; the run checks it between files.
class StopRequest {
  public:
    // Asks the run to stop; signal is the signal that asked (0 for a Cancel button).
    void request(int signal = 0) noexcept {
        signal_.store(signal);
        requested_.store(true);
    }
    bool requested() const noexcept { return requested_.load(); }
    // The signal that asked, or 0.
    int signal() const noexcept { return signal_.load(); }
    void reset() noexcept {
        requested_.store(false);
        signal_.store(0);
    }

  private:
    std::atomic<bool> requested_{false};
    std::atomic<int> signal_{0};
    static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
                  "set from signal handlers");
};

} // namespace kestrel
