#include "scan/CaptureDate.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "scan/MovieHeader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <tuple>
#include <vector>

using namespace kestrel;
using namespace kestrel::test;

namespace {

// 2016-03-06 10:00 UTC in QuickTime seconds: already 2016-03-07 at UTC+14.
constexpr std::uint64_t kBeforeMidnight = 1457258400 + 2082844800ULL;

} // namespace

TEST(CaptureDate, ReadsTheDayTheFileWasTakenFromItsOwnMetadata) {
    const EnvScope zone("TZ", "<+14>-14");
    ::tzset();
    std::string garbled = stillWithDates("2016:03:07 10:00:00");
    garbled.replace(12, 8, "XX*\0\xff\xff\xff\xff"); // the TIFF header inside the EXIF segment
    const auto S = CaptureKind::Still, M = CaptureKind::Movie;
    // What the file is, its kind, its bytes, and the day read from it (YYYYMMDD, or none).
    const std::vector<std::tuple<const char*, CaptureKind, std::string, const char*>> cases = {
        {"original, as written", S, stillWithDates("2016:03:07 23:30:00", "2017:01:01 00:00:00"),
         "20160307"},
        {"digitized only", S, stillWithDates("", "2016:02:29 10:00:00"), "20160229"},
        {"no date", S, stillWithDates(""), "none"},
        {"blank", S, stillWithDates("    :  :     :  :  "), "none"},
        {"zero", S, stillWithDates("0000:00:00 00:00:00"), "none"},
        {"month 13", S, stillWithDates("2016:13:01 10:00:00"), "none"},
        {"29 February of a common year", S, stillWithDates("2015:02:29 10:00:00"), "none"},
        {"trailing text", S, stillWithDates("2016:03:07 10:00:00 +01:00"), "none"},
        {"garbled EXIF header", S, garbled, "none"},
        {"cut inside the EXIF segment", S, stillWithDates("2016:03:07 10:00:00").substr(0, 40),
         "none"},
        {"TIFF", S, stillWithDates("1999:12:31 23:59:59", "", true), "19991231"},
        {"clip, mvhd 0, UTC day before", M, movie(0, kBeforeMidnight), "20160307"},
        {"clip, mvhd 1, 64-bit mdat", M, movie(1, kBeforeMidnight, true, true), "20160307"},
        {"clip, zero time", M, movie(0, 0), "none"},
        {"clip without moov", M, movie(0, kBeforeMidnight, false), "none"},
        {"text as a photo", S, "not a photo at all", "none"},
        {"text as a clip", M, "not a clip at all", "none"},
    };
    TempDir dir;
    for (const auto& [name, kind, bytes, day] : cases) {
        SCOPED_TRACE(name);
        writeFile(dir / "file", bytes);
        const int fd = ::open((dir / "file").c_str(), O_RDONLY);
        const long long before = bytesRead();
        const auto d = readCaptureDay(fd, kind);
        EXPECT_EQ(d ? std::to_string(d->year * 10000 + d->month * 100 + d->day) : "none", day);
        EXPECT_LT(bytesRead() - before, 64 * 1024); // the metadata, never the media data
        EXPECT_EQ(::lseek(fd, 0, SEEK_CUR), 0);
        ::close(fd);
    }
}

TEST(MovieHeader, ReadsTheLengthOfAClipFromItsHeaderOnly) {
    // What the clip is, its bytes, and its length in seconds (-1 for none).
    const std::vector<std::tuple<const char*, std::string, double>> cases = {
        {"mvhd 0", movie(0, kBeforeMidnight, true, false, 1 << 20, 600 * 65 + 300), 65.5},
        {"mvhd 1 after a 64-bit mdat", movie(1, kBeforeMidnight, true, true, 1 << 20, 6000), 10},
        {"length unknown", movie(0, kBeforeMidnight, true, false, 64, 0xffffffff), -1},
        {"no moov", movie(0, kBeforeMidnight, false, false, 64, 600), -1},
        {"cut inside the movie header",
         movie(0, kBeforeMidnight, true, false, 64, 600).substr(0, 120), -1},
        {"text", "not a clip at all", -1},
    };
    TempDir dir;
    for (const auto& [name, bytes, seconds] : cases) {
        SCOPED_TRACE(name);
        writeFile(dir / "clip.mov", bytes);
        const int fd = ::open((dir / "clip.mov").c_str(), O_RDONLY);
        const long long before = bytesRead();
        EXPECT_EQ(movieDurationSeconds(fd, bytes.size()).value_or(-1), seconds);
        EXPECT_LT(bytesRead() - before, 4096); // atom headers, never the media data
        ::close(fd);
    }
}
