// kestrel-bench-capture: what reading capture dates costs, file by file.
//
//   kestrel-bench-capture FOLDER
//
// Opens every photo and clip below FOLDER (by the import's extensions), reads its capture
// day and closes it, and prints how many there were, how many had a date, and the time
// spent in the reader alone and with opening and closing.

#include "scan/CaptureDate.h"

#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

long files = 0;
long dated = 0;
Clock::duration reading{};
Clock::duration withOpen{};

bool endsWith(const char* path, const char* suffix) {
    const std::size_t n = std::strlen(path), m = std::strlen(suffix);
    return n >= m && std::strcmp(path + n - m, suffix) == 0;
}

int visit(const char* path, const struct stat*, int type, struct FTW*) {
    if (type != FTW_F)
        return 0;
    bool movie = endsWith(path, ".mov") || endsWith(path, ".MOV");
    bool still = false;
    for (const char* ext : {".jpg", ".JPG", ".raf", ".RAF", ".cr2", ".CR2", ".nef", ".NEF", ".dng",
                            ".DNG", ".tif", ".TIF"})
        still = still || endsWith(path, ext);
    if (!movie && !still)
        return 0;
    const Clock::time_point opening = Clock::now();
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::perror(path);
        return 0;
    }
    const Clock::time_point start = Clock::now();
    dated += kestrel::readCaptureDay(fd, movie ? kestrel::CaptureKind::Movie
                                               : kestrel::CaptureKind::Still)
                 .has_value();
    reading += Clock::now() - start;
    ::close(fd);
    withOpen += Clock::now() - opening;
    ++files;
    return 0;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Usage: kestrel-bench-capture FOLDER\n", stderr);
        return 2;
    }
    ::tzset();
    if (::nftw(argv[1], visit, 64, FTW_PHYS) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::printf("%ld files, %ld with a capture date\n"
                "reading: %.3f s (%.1f µs a file); with open and close: %.3f s (%.1f µs a file)\n",
                files, dated, seconds(reading),
                files ? seconds(reading) * 1e6 / double(files) : 0.0, seconds(withOpen),
                files ? seconds(withOpen) * 1e6 / double(files) : 0.0);
    return 0;
}
