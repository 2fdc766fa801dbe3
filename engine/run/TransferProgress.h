#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace kestrel {

// How far a transfer of a known number of bytes has come: its percent, its speed over the
// last few seconds and the time it still needs. Times are seconds on any steady clock; by
// default, std::chrono::steady_clock's.
class TransferProgress {
  public:
    static double now();

    // Starts over: total bytes to transfer, none done at time at.
    void start(std::int64_t total, double at = now());
    // done bytes (all of them so far, not the ones since the last call) at time at.
    void update(std::int64_t done, double at = now());

    std::int64_t total() const { return total_; }
    std::int64_t done() const { return samples_.empty() ? 0 : samples_.back().bytes; }
    // 0 to 100, rounded down: 100 only once every byte is done.
    int percent() const;
    // Bytes a second over the last few seconds; none before a second of data.
    std::optional<double> bytesPerSecond() const;
    // Seconds until every byte is done at the current speed; none while there is no speed.
    std::optional<double> secondsLeft() const;
    // "42% · 1.2 GB of 2.9 GB · 85 MB/s · 20 s left"; the speed and the time left once known.
    std::string line() const;

  private:
    struct Sample {
        double at;
        std::int64_t bytes;
    };
    std::int64_t total_ = 0;
    std::deque<Sample> samples_;
};

// Decimal units, one decimal below ten: "512 B", "1.2 GB", "85 MB".
std::string formatBytes(double bytes);
// "20 s left", "about 3 min left", "about 2 h 5 min left".
std::string formatTimeLeft(double seconds);

} // namespace kestrel
