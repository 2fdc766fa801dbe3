// A transfer's percent, speed over its last seconds and time left, and the line that shows them.
#include "run/TransferProgress.h"

#include <gtest/gtest.h>

using namespace kestrel;

// Total, (seconds, bytes done) after none at 0 s: percent, speed, time left (-1: none yet).
using Case =
    std::tuple<std::int64_t, std::vector<std::pair<double, std::int64_t>>, int, double, double>;

TEST(TransferProgressTest, PercentSpeedAndTimeLeft) {
    const Case cases[] = {
        {1000, {{0.5, 100}}, 10, -1, -1},                                // under a second
        {1000, {{1, 100}, {2, 300}}, 30, 150, 700 / 150.0},              // mean since the start
        {10000, {{4, 100}, {6, 200}, {12, 2200}}, 22, 2000 / 6.0, 23.4}, // the last 5 s only
        {0, {}, 100, -1, -1},
    };
    for (const auto& [total, samples, percent, speed, left] : cases) {
        TransferProgress progress;
        progress.start(total, 0);
        for (const auto& [at, bytes] : samples)
            progress.update(bytes, at);
        EXPECT_EQ(progress.percent(), percent) << total;
        EXPECT_NEAR(progress.bytesPerSecond().value_or(-1), speed, 1e-9) << total;
        EXPECT_NEAR(progress.secondsLeft().value_or(-1), left, 1e-9) << total;
    }
}

TEST(TransferProgressTest, Line) {
    TransferProgress progress;
    progress.start(2'900'000'000, 0);
    progress.update(100'000'000, 0.5);
    EXPECT_EQ(progress.line(), "3% · 100 MB of 2.9 GB");
    progress.update(370'000'000, 10);
    progress.update(1'220'000'000, 20);
    EXPECT_EQ(progress.line(), "42% · 1.2 GB of 2.9 GB · 85 MB/s · 20 s left");
    for (const auto& [bytes, text] :
         {std::pair{9'940.0, "9.9 kB"}, {9'960.0, "10 kB"}, {999'960'000.0, "1.0 GB"}})
        EXPECT_EQ(formatBytes(bytes), text);
    EXPECT_EQ(formatTimeLeft(59.6), "about 1 min left");
    EXPECT_EQ(formatTimeLeft(7500), "about 2 h 5 min left");
}
