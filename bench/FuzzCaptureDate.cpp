// kestrel-fuzz-capture: feeds damaged photos and clips to the capture-date reader.
//
//   kestrel-fuzz-capture [--files N] [--seed S] [--dir FOLDER]
//
// The seeds are the JPEG, TIFF and QuickTime files the tests make, plus JPEG and TIFF files
// with maker notes and a Fujifilm raw wrapping a JPEG. Each mutated file is written to
// FOLDER/mutant and read both as a photo and as a clip. Build it with
// -DKESTREL_SANITIZE=ON and run it with ASAN_OPTIONS=detect_leaks=1: a crash or a leak
// stops the run with the sanitizer's report, a file that takes more than 10 s stops it
// too, and the file that did it stays in FOLDER/mutant. The same seed gives the same files.

#include "SampleMedia.h"
#include "scan/CaptureDate.h"

#include <exiv2/exif.hpp>
#include <exiv2/image.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace {

using kestrel::CaptureKind;
using kestrel::test::movie;
using kestrel::test::stillWithDates;

constexpr unsigned kWatchdogSeconds = 10;

// splitmix64: small, fast and the same everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A number in [0, n), n > 0.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

  private:
    std::uint64_t state_;
};

// A photo whose EXIF also holds a maker note of `make` and the tags cameras write.
std::string withMakerNote(bool tiff, const std::string& make) {
    const std::string base = stillWithDates("2016:03:07 10:00:00", "2016:03:07 10:00:01", tiff);
    auto image = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(base.data()),
                                           static_cast<long>(base.size()));
    image->readMetadata();
    Exiv2::ExifData& exif = image->exifData();
    exif["Exif.Image.Make"] = make;
    exif["Exif.Image.Model"] = std::string("Model 7");
    exif["Exif.Image.DateTime"] = std::string("2016:03:08 10:00:00");
    exif["Exif.Photo.ExposureTime"] = std::string("1/250");
    exif["Exif.Photo.FNumber"] = std::string("28/10");
    exif["Exif.Photo.ISOSpeedRatings"] = std::uint16_t(400);
    exif["Exif.Photo.UserComment"] = std::string("charset=Ascii a comment");
    exif["Exif.GPSInfo.GPSLatitude"] = std::string("52/1 31/1 0/1");
    if (make == "Canon") {
        exif["Exif.Canon.OwnerName"] = std::string("owner");
        exif["Exif.CanonCs.Macro"] = std::uint16_t(1);
    } else if (make == "NIKON CORPORATION") {
        exif["Exif.Nikon3.Version"] = std::string("48 50 49 48");
        exif["Exif.Nikon3.ISOSpeed"] = std::string("0 400");
    } else if (make == "SONY") {
        exif["Exif.Sony1.Quality"] = std::uint32_t(2);
    } else {
        exif["Exif.Fujifilm.Version"] = std::string("48 49 51 48");
        exif["Exif.Fujifilm.Quality"] = std::string("NORMAL");
    }
    image->writeMetadata();
    image->io().seek(0, Exiv2::BasicIo::beg);
    Exiv2::DataBuf bytes = image->io().read(image->io().size());
    return {reinterpret_cast<const char*>(bytes.pData_), static_cast<std::size_t>(bytes.size_)};
}

// A Fujifilm raw file: its header, then the JPEG whose offset the header gives at byte 84.
std::string raf(const std::string& jpeg) {
    std::string out = "FUJIFILMCCD-RAW 0201FF129502";
    out.resize(84, '\0');
    out += kestrel::test::be(100, 4) + kestrel::test::be(jpeg.size(), 4);
    out.resize(100, '\0');
    return out + jpeg;
}

std::vector<std::string> seeds() {
    const std::uint64_t created = 1457258400 + 2082844800ULL;
    std::vector<std::string> out = {
        stillWithDates("2016:03:07 10:00:00", "2016:03:07 10:00:01"),
        stillWithDates("", "2016:02:29 10:00:00"),
        stillWithDates("1999:12:31 23:59:59", "", true),
        movie(0, created, true, false, 64),
        movie(1, created, true, true, 64),
    };
    for (bool tiff : {false, true})
        for (const char* make : {"Canon", "NIKON CORPORATION", "SONY", "FUJIFILM"})
            out.push_back(withMakerNote(tiff, make));
    out.push_back(raf(out[5]));
    return out;
}

// Offsets where a length or an offset is stored: before QuickTime atom types, after JPEG
// markers, and in the entries of TIFF directories near the start.
std::vector<std::size_t> sizeFields(const std::string& s) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i + 4 <= s.size(); ++i) {
        for (const char* type : {"ftyp", "mdat", "moov", "mvhd", "wide", "free"})
            if (i >= 4 && std::memcmp(s.data() + i, type, 4) == 0)
                out.push_back(i - 4);
        if (static_cast<unsigned char>(s[i]) == 0xff && s[i + 1] != '\0' &&
            static_cast<unsigned char>(s[i + 1]) != 0xff)
            out.push_back(i + 2);
    }
    for (std::size_t i = 10; i < std::min<std::size_t>(s.size(), 512); i += 12)
        out.push_back(i);
    return out;
}

void put(std::string& s, std::size_t at, std::uint64_t value, int width, bool bigEndian) {
    for (int i = 0; i < width && at + static_cast<std::size_t>(i) < s.size(); ++i) {
        const int shift = 8 * (bigEndian ? width - 1 - i : i);
        s[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> shift);
    }
}

// One to four of: bit flips, byte sets, truncation, chunk duplication, size-field corruption.
std::string mutate(std::string s, Random& random) {
    static constexpr unsigned char kBytes[] = {0, 1, 0x7f, 0x80, 0xfe, 0xff};
    const int operations = 1 + static_cast<int>(random.below(4));
    for (int op = 0; op < operations && !s.empty(); ++op) {
        switch (random.below(5)) {
        case 0:
            for (std::size_t n = 1 + random.below(8); n > 0; --n)
                s[random.below(s.size())] ^= static_cast<char>(1 << random.below(8));
            break;
        case 1:
            for (std::size_t n = 1 + random.below(4); n > 0; --n)
                s[random.below(s.size())] = static_cast<char>(kBytes[random.below(sizeof kBytes)]);
            break;
        case 2:
            s.resize(random.below(s.size()));
            break;
        case 3: {
            const std::size_t from = random.below(s.size());
            const std::size_t length =
                1 + random.below(std::min<std::size_t>(s.size() - from, 512));
            s.insert(random.below(s.size() + 1), s.substr(from, length));
            break;
        }
        default: {
            const std::vector<std::size_t> fields = sizeFields(s);
            const std::size_t at =
                fields.empty() ? random.below(s.size()) : fields[random.below(fields.size())];
            const std::uint64_t values[] = {0,
                                            1,
                                            7,
                                            8,
                                            9,
                                            16,
                                            0xffff,
                                            0x10000,
                                            0x7fffffff,
                                            0x80000000,
                                            0xffffffff,
                                            ~0ULL,
                                            s.size(),
                                            s.size() - at,
                                            random.next()};
            static constexpr int kWidths[] = {2, 4, 8};
            put(s, at, values[random.below(std::size(values))], kWidths[random.below(3)],
                random.below(2) == 0);
        }
        }
    }
    return s;
}

double cpuMicroseconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

char watchdogMessage[512];

void onWatchdog(int) {
    const ssize_t ignored = ::write(2, watchdogMessage, std::strlen(watchdogMessage));
    (void)ignored;
    ::_exit(3);
}

} // namespace

int main(int argc, char** argv) {
    long files = 10000;
    std::uint64_t seed = 1;
    std::string dir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--files")
            files = std::atol(argv[i + 1]);
        else if (option == "--seed")
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (option == "--dir")
            dir = argv[i + 1];
        else
            argc = 0;
    }
    if (argc % 2 == 0 || files <= 0) {
        std::fputs("Usage: kestrel-fuzz-capture [--files N] [--seed S] [--dir FOLDER]\n", stderr);
        return 2;
    }
    const std::string path = dir + "/mutant";
    std::snprintf(watchdogMessage, sizeof watchdogMessage,
                  "kestrel-fuzz-capture: a file took over %u s; it is kept as %s\n",
                  kWatchdogSeconds, path.c_str());
    std::signal(SIGALRM, onWatchdog);

    Random random(seed);
    const std::vector<std::string> pool = seeds();
    // Writes bytes to path and reads them as a photo and as a clip; returns the CPU time
    // that took, in µs.
    long dated = 0;
    const auto readBoth = [&path, &dated](const std::string& bytes) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
            std::perror(path.c_str());
            std::exit(1);
        }
        ::alarm(kWatchdogSeconds);
        const double start = cpuMicroseconds();
        dated += kestrel::readCaptureDay(fd, CaptureKind::Still).has_value();
        dated += kestrel::readCaptureDay(fd, CaptureKind::Movie).has_value();
        const double took = cpuMicroseconds() - start;
        ::alarm(0);
        ::close(fd);
        return took;
    };
    using Clock = std::chrono::steady_clock;
    const Clock::time_point begin = Clock::now();
    double total = 0, slowest = 0;
    long slowestFile = -1;
    std::string slowestBytes;
    for (long n = 0; n < files; ++n) {
        std::string bytes = mutate(pool[random.below(pool.size())], random);
        const double took = readBoth(bytes);
        total += took;
        if (took > slowest) {
            slowest = took;
            slowestFile = n;
            slowestBytes = std::move(bytes);
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    // The machine's other work can stretch any one file; timed again, the slowest file
    // shows what the file itself costs.
    double again = slowest;
    for (int i = 0; i < 5; ++i)
        again = std::min(again, readBoth(slowestBytes));
    ::unlink(path.c_str());
    std::printf("%ld mutated files from %zu seeds (seed %llu), each read as a photo and as a "
                "clip: %ld dates found, in %.1f s\nreading: %.1f µs of CPU time a file; the "
                "slowest, file %ld, %.1f µs (%.1f µs when read again)\n",
                files, pool.size(), static_cast<unsigned long long>(seed), dated, seconds,
                total / static_cast<double>(files), slowestFile, slowest, again);
    return 0;
}
