// kestrel-bench-card: writes a synthetic memory card for the benchmarks.
//
// The same kind, file count and seed always give the same tree: the same names, sizes,
// bytes and modification times.

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

constexpr std::int64_t kKiB = 1024;
constexpr std::int64_t kMiB = 1024 * kKiB;
constexpr int kFilesPerFolder = 1000;
constexpr std::time_t kFirstShot = 1714554000; // 2024-05-01 09:00 UTC
constexpr std::time_t kDay = 24 * 60 * 60;
constexpr int kDaysSpread = 40;

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
    // A number in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    void fill(unsigned char* data, std::size_t size) {
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            const std::uint64_t word = next();
            std::memcpy(data + i, &word, 8);
        }
        for (const std::uint64_t word = next(); i < size; ++i)
            data[i] = static_cast<unsigned char>(word >> (8 * (i % 8)));
    }

private:
    std::uint64_t state_;
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "kestrel-bench-card: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

void makeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
        fail("cannot create " + path);
}

using Bytes = std::vector<unsigned char>;

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value & 0xff));
}

void append(Bytes& out, std::initializer_list<unsigned> bytes) {
    for (unsigned b : bytes)
        out.push_back(static_cast<unsigned char>(b));
}

// A baseline JPEG of one grey 8x8 block, padded with comment segments to size bytes
// (159 at least, and up to 3 bytes short when size is just above that). It decodes; its
// bytes differ from file to file.
Bytes jpeg(std::int64_t size, Random& random) {
    Bytes head;
    append(head, {0xff, 0xd8});                                                   // SOI
    append(head, {0xff, 0xe0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    append(head, {0xff, 0xdb, 0x00, 0x43, 0x00});                                 // DQT
    for (int i = 0; i < 64; ++i)
        head.push_back(1);
    append(head, {0xff, 0xc0, 0x00, 0x0b, 8, 0x00, 0x08, 0x00, 0x08, 1, 1, 0x11, 0}); // SOF0
    Bytes tail;
    for (unsigned table : {0x00u, 0x10u}) { // DC and AC table 0: one code "0" for symbol 0
        append(tail, {0xff, 0xc4, 0x00, 0x14, table, 1});
        for (int i = 0; i < 15; ++i)
            tail.push_back(0);
        tail.push_back(0);
    }
    append(tail, {0xff, 0xda, 0x00, 0x08, 1, 1, 0x00, 0, 63, 0}); // SOS
    append(tail, {0x3f});                                           // DC diff 0, EOB
    append(tail, {0xff, 0xd9});                                     // EOI

    Bytes out = head;
    std::int64_t padding = size - static_cast<std::int64_t>(head.size() + tail.size());
    while (padding >= 4) {
        // A comment segment holds at most 65533 bytes of its own.
        std::int64_t body = std::min<std::int64_t>(padding - 4, 65533);
        if (padding - 4 - body > 0 && padding - 4 - body < 4)
            body -= 4; // leave room for one more whole segment
        append(out, {0xff, 0xfe});
        put16(out, static_cast<unsigned>(body + 2));
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(body));
        random.fill(out.data() + at, static_cast<std::size_t>(body));
        // A comment may hold any byte, but keep 0xff out so no reader mistakes it for a marker.
        for (std::size_t i = at; i < out.size(); ++i)
            if (out[i] == 0xff)
                out[i] = 0xfe;
        padding -= body + 4;
    }
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
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

// Writes head, then random bytes up to size in all, to a new file at path.
void writeFile(const std::string& path, const Bytes& head, std::int64_t size, Random& random) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("cannot create " + path);
    writeAll(fd, head.data(), head.size(), path);
    static Bytes chunk(8 * kMiB);
    for (std::int64_t left = size - static_cast<std::int64_t>(head.size()); left > 0;) {
        const auto n = static_cast<std::size_t>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size())));
        random.fill(chunk.data(), n);
        writeAll(fd, chunk.data(), n, path);
        left -= static_cast<std::int64_t>(n);
    }
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

// count JPEG files of about size bytes each (within an eighth), 1,000 to a folder.
void makePhotos(const std::string& card, int count, std::int64_t size, Random& random) {
    for (int n = 0; n < count; ++n) {
        const std::string path = dcimFolder(card, n) + fileName("IMG", n, "JPG");
        const std::int64_t bytes = std::max<std::int64_t>(160, size + random.between(-size / 8, size / 8));
        const Bytes data = jpeg(bytes, random);
        writeFile(path, data, static_cast<std::int64_t>(data.size()), random);
        setTime(path, shotTime(n, count, random));
    }
}

Bytes movHead() {
    Bytes head;
    append(head, {0, 0, 0, 0x14, 'f', 't', 'y', 'p', 'q', 't', ' ', ' ', 0, 0, 0, 0, 'q', 't', ' ', ' '});
    return head;
}

// A QuickTime file of size bytes: an ftyp box and one mdat box of random data.
void makeClip(const std::string& path, std::int64_t size, Random& random) {
    Bytes head = movHead();
    const std::int64_t mdat = size - static_cast<std::int64_t>(head.size());
    append(head, {static_cast<unsigned>((mdat >> 24) & 0xff), static_cast<unsigned>((mdat >> 16) & 0xff),
                  static_cast<unsigned>((mdat >> 8) & 0xff), static_cast<unsigned>(mdat & 0xff),
                  'm', 'd', 'a', 't'});
    writeFile(path, head, size, random);
}

void makeClips(const std::string& card, int count, std::int64_t size, int firstNumber,
               Random& random) {
    for (int n = 0; n < count; ++n) {
        const std::string path = dcimFolder(card, n) + fileName("MVI", firstNumber + n, "MOV");
        makeClip(path, size, random);
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
            makeClip(path, random.between(4 * kMiB, 12 * kMiB), random);
            setTime(path, when);
            ++clip;
            continue;
        }
        const std::string jpg = folder + fileName("DSCF", n, "JPG");
        const Bytes data = jpeg(random.between(256 * kKiB, 768 * kKiB), random);
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
               "Modification times are spread over 40 days from 2024-05-01.\n",
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
