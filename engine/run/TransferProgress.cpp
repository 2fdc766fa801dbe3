#include "run/TransferProgress.h"

#include "base/EngineTexts.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>

namespace kestrel {

namespace {
// The speed is that of the last seconds, so that it follows a change of medium or of file
// size; the sample before the window stays, so that sparse updates still give a speed.
constexpr double kWindowSeconds = 5.0;
constexpr double kLeastSeconds = 1.0;
} // namespace

double TransferProgress::now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TransferProgress::start(std::int64_t total, double at) {
    total_ = total;
    samples_.assign(1, Sample{at, 0});
}

void TransferProgress::update(std::int64_t done, double at) {
    samples_.push_back(Sample{at, done});
    while (samples_.size() > 1 && samples_[1].at <= at - kWindowSeconds)
        samples_.pop_front();
}

int TransferProgress::percent() const {
    if (total_ <= 0)
        return 100;
    return static_cast<int>(std::clamp<std::int64_t>(done() * 100 / total_, 0, 100));
}

std::optional<double> TransferProgress::bytesPerSecond() const {
    if (samples_.size() < 2)
        return std::nullopt;
    const double span = samples_.back().at - samples_.front().at;
    if (span < kLeastSeconds)
        return std::nullopt;
    return std::max(0.0,
                    static_cast<double>(samples_.back().bytes - samples_.front().bytes) / span);
}

std::optional<double> TransferProgress::secondsLeft() const {
    const std::optional<double> speed = bytesPerSecond();
    if (!speed || *speed <= 0)
        return std::nullopt;
    return static_cast<double>(std::max<std::int64_t>(0, total_ - done())) / *speed;
}

std::string TransferProgress::line() const {
    std::string text = texts::filled<texts::kProgress>(std::to_string(percent()),
                                                       formatBytes(static_cast<double>(done())),
                                                       formatBytes(static_cast<double>(total_)));
    if (const std::optional<double> speed = bytesPerSecond())
        text += " · " + texts::filled<texts::kSpeed>(formatBytes(*speed));
    if (const std::optional<double> left = secondsLeft(); left && done() < total_)
        text += " · " + formatTimeLeft(*left);
    return text;
}

std::string formatBytes(double bytes) {
    static const char* const kUnits[] = {"B", "kB", "MB", "GB", "TB", "PB", "EB"};
    double value = std::max(0.0, bytes);
    for (std::size_t unit = 0;; ++unit, value /= 1000) {
        // Whole bytes, and whole numbers from ten on; built by hand, whatever the C locale.
        const bool decimal = unit > 0 && value < 9.95;
        const long long shown = std::llround(decimal ? value * 10 : value);
        if (!decimal && shown >= 1000 && unit + 1 < std::size(kUnits))
            continue;
        const std::string number =
            decimal ? std::to_string(shown / 10) + "." + std::to_string(shown % 10)
                    : std::to_string(shown);
        return number + " " + kUnits[unit];
    }
}

std::string formatTimeLeft(double seconds) {
    seconds = std::min(seconds, 1e9);
    const long whole = std::max(1L, std::lround(seconds));
    if (whole < 60)
        return texts::filled<texts::kSecondsLeft>(std::to_string(whole));
    const long minutes = std::lround(seconds / 60);
    if (minutes < 60)
        return texts::filled<texts::kMinutesLeft>(std::to_string(minutes));
    if (minutes % 60 == 0)
        return texts::filled<texts::kHoursLeft>(std::to_string(minutes / 60));
    return texts::filled<texts::kHoursMinutesLeft>(std::to_string(minutes / 60),
                                                   std::to_string(minutes % 60));
}

} // namespace kestrel
