#include "base/FaultPoints.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstddef>

namespace kestrel::faults {

namespace {

constexpr std::size_t kCalls = static_cast<std::size_t>(Call::Count);

struct Armed {
    std::atomic<int> passing{0};   // calls still to let through first
    std::atomic<int> remaining{0}; // calls still to fail; negative: every call
    std::atomic<int> error{0};
};

std::atomic<bool> anyArmed{false};
std::array<Armed, kCalls> points;

} // namespace

void failNext(Call call, int error, int times, int after) {
    Armed& point = points[static_cast<std::size_t>(call)];
    point.error.store(error);
    point.passing.store(after);
    point.remaining.store(times);
    anyArmed.store(true);
}

void clear() {
    for (Armed& point : points)
        point.remaining.store(0);
    anyArmed.store(false);
}

bool injected(Call call) {
    if (!anyArmed.load(std::memory_order_relaxed))
        return false;
    Armed& point = points[static_cast<std::size_t>(call)];
    for (int passing = point.passing.load(); passing > 0;)
        if (point.passing.compare_exchange_weak(passing, passing - 1))
            return false;
    int remaining = point.remaining.load();
    while (remaining != 0) {
        const int next = remaining > 0 ? remaining - 1 : remaining;
        if (point.remaining.compare_exchange_weak(remaining, next)) {
            errno = point.error.load();
            return true;
        }
    }
    return false;
}

} // namespace kestrel::faults
