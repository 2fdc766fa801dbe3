// kestrel-bench-card: writes a synthetic memory card for the benchmarks.
//
// The same kind, file count and seed always give the same tree: the same names, sizes,
// bytes and modification times.

#include "CardFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

using kestrel::bench::Bytes;
using kestrel::bench::Random;

constexpr std::int64_t kKiB = 1024;
constexpr std::int64_t kMiB = 1024 * kKiB;
constexpr int kFilesPerFolder = 1000;
constexpr std::time_t kFirstShot = 1714554000; // 2024-05-01 09:00 UTC
constexpr std::time_t kDay = 24 * 60 * 60;
constexpr int kDaysSpread = 40;
constexpr std::time_t kFirstTaken = 1688202000; // 2023-07-01 09:00, the exif card's EXIF dates
constexpr int kDaysTaken = 35;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "kestrel-bench-card: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

void makeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
        fail("cannot create " + path);
}

void writeAll(int fd, const unsigned char* data, std::size_t size, const std::string& path) {
    for (std::size_t done = 0; done < size;) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot write " + path);
        }
        done += static_cast<std::size_t>(put);
    }
}

// Writes head, random bytes, then tail, size bytes in all, to a new file at path.
void writeFile(const std::string& path, const Bytes& head, std::int64_t size, Random& random,
               const Bytes& tail = {}) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("cannot create " + path);
    writeAll(fd, head.data(), head.size(), path);
    static Bytes chunk(8 * kMiB);
    for (std::int64_t left = size - static_cast<std::int64_t>(head.size() + tail.size());
         left > 0;) {
        const auto n = static_cast<std::size_t>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size())));
        random.fill(chunk.data(), n);
        writeAll(fd, chunk.data(), n, path);
        left -= static_cast<std::int64_t>(n);
    }
    writeAll(fd, tail.data(), tail.size(), path);
    if (::close(fd) != 0)
        fail("cannot write " + path);
}

void setTime(const std::string& path, std::time_t when) {
    const timespec times[2] = {{when, 0}, {when, 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        fail("cannot set the time of " + path);
}

// The n-th of count shots: spread evenly over the days, a few minutes of jitter.
std::time_t shotTime(int n, int count, Random& random) {
    const std::time_t span = kDaysSpread * kDay;
    return kFirstShot + static_cast<std::time_t>(static_cast<double>(span) * n / count) +
           random.between(0, 600);
}

std::string dcimFolder(const std::string& card, int n) {
    char name[32];
    std::snprintf(name, sizeof name, "/DCIM/%03dCANON", 100 + n / kFilesPerFolder);
    std::string folder = card + name;
    if (n % kFilesPerFolder == 0)
        makeFolder(folder);
    return folder;
}

std::string fileName(const char* prefix, int n, const char* suffix) {
    char name[64];
    std::snprintf(name, sizeof name, "/%s%05d.%s", prefix, n, suffix);
    return name;
}

// count JPEG files of about size bytes each (within an eighth), 1,000 to a folder; with
// exif, each with the EXIF a camera writes, taken over kDaysTaken days from kFirstTaken.
void makePhotos(const std::string& card, int count, std::int64_t size, Random& random,
                bool exif = false) {
    for (int n = 0; n < count; ++n) {
        const std::string path = dcimFolder(card, n) + fileName("IMG", n, "JPG");
        const std::int64_t bytes =
            std::max<std::int64_t>(160, size + random.between(-size / 8, size / 8));
        const std::time_t taken = kFirstTaken + kDaysTaken * kDay * n / count;
        const Bytes segment = exif ? kestrel::bench::exifSegment(taken) : Bytes{};
        const Bytes data = kestrel::bench::jpeg(bytes, random, segment);
        writeFile(path, data, static_cast<std::int64_t>(data.size()), random);
        setTime(path, shotTime(n, count, random));
    }
}

// A QuickTime clip of size bytes: ftyp, an mdat of random data, then moov saying the
// clip was made at `created`.
void makeClip(const std::string& path, std::int64_t size, std::time_t created, Random& random) {
    writeFile(path, kestrel::bench::movieHead(size), size, random,
              kestrel::bench::movieTail(created));
}

void makeClips(const std::string& card, int count, std::int64_t size, int firstNumber,
               Random& random) {
    for (int n = 0; n < count; ++n) {
        const std::string path = dcimFolder(card, n) + fileName("MVI", firstNumber + n, "MOV");
        makeClip(path, size, kFirstShot + kDaysSpread * kDay * n / count, random);
        setTime(path, shotTime(n, count, random));
    }
}

// pairs JPG + RAF shots (0.25 to 0.75 MiB and 0.5 to 1.5 MiB) and clips short clips of
// 4 to 12 MiB, in shooting order.
void makeMixed(const std::string& card, int pairs, int clips, Random& random) {
    const int shots = pairs + clips;
    int clip = 0;
    for (int n = 0; n < shots; ++n) {
        const std::string folder = dcimFolder(card, n);
        const std::time_t when = shotTime(n, shots, random);
        // Every (shots / clips)-th shot is a clip.
        if (clips > 0 && clip < clips && n % (shots / clips) == shots / clips - 1) {
            const std::string path = folder + fileName("DSCF", n, "MOV");
            makeClip(path, random.between(4 * kMiB, 12 * kMiB), when, random);
            setTime(path, when);
            ++clip;
            continue;
        }
        const std::string jpg = folder + fileName("DSCF", n, "JPG");
        const Bytes data = kestrel::bench::jpeg(random.between(256 * kKiB, 768 * kKiB), random);
        writeFile(jpg, data, static_cast<std::int64_t>(data.size()), random);
        setTime(jpg, when);

        const std::string raf = folder + fileName("DSCF", n, "RAF");
        Bytes head;
        for (char c : std::string("FUJIFILMCCD-RAW 0201FF129502"))
            head.push_back(static_cast<unsigned char>(c));
        writeFile(raf, head, random.between(kMiB / 2, 3 * kMiB / 2), random);
        setTime(raf, when);
    }
}

int usage() {
    std::fputs("Usage: kestrel-bench-card KIND FOLDER [--files N] [--seed S]\n"
               "Writes a synthetic card into FOLDER (which must not exist):\n"
               "  small  N (20000) JPEG files of about 16 KiB, DCIM/1NNCANON folders of 1,000\n"
               "  large  N (8) clips of 128 MiB\n"
               "  mixed  N (200) JPG + RAF pairs of 0.25 to 1.5 MiB and 6 clips of 4 to 12 MiB\n"
               "  huge   N (100000) JPEG files of 160 to 200 bytes\n"
               "  exif   N (20000) JPEG files like small's, whose EXIF says they were taken\n"
               "         over 35 days from 2023-07-01\n"
               "Modification times are spread over 40 days from 2024-05-01; clips say in\n"
               "their movie header that they were made then too.\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return usage();
    const std::string kind = argv[1];
    const std::string card = argv[2];
    std::optional<int> files;
    std::uint64_t seed = 1;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (option == "--files")
            files = std::atoi(argv[++i]);
        else if (option == "--seed")
            seed = std::strtoull(argv[++i], nullptr, 10);
        else
            return usage();
    }
    if (files && *files <= 0)
        return usage();

    Random random(seed * 0x2545f4914f6cdd1dULL + kind.size());
    if (::mkdir(card.c_str(), 0755) != 0)
        fail("cannot create " + card);
    makeFolder(card + "/DCIM");
    if (kind == "small")
        makePhotos(card, files.value_or(20000), 16 * kKiB, random);
    else if (kind == "exif")
        makePhotos(card, files.value_or(20000), 16 * kKiB, random, true);
    else if (kind == "huge")
        makePhotos(card, files.value_or(100000), 180, random);
    else if (kind == "large")
        makeClips(card, files.value_or(8), 128 * kMiB, 1, random);
    else if (kind == "mixed")
        makeMixed(card, files.value_or(200), 6, random);
    else
        return usage();
    return 0;
}
