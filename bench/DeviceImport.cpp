// kestrel-bench-device [--dir FOLDER] [--reps R] [--list-files N] [--clip-mib M] [--only WHAT]:
// imports from a camera, as libgphoto2's Directory Browse camera serves a folder at
// disk:FOLDER, below FOLDER (default: the system's temporary folder). WHAT is one of:
//   list    opens the camera and lists N empty files (1,000 to a folder), R times
//   memory  the peak resident memory of kestrel-import --device sending one clip of M MiB
//           (a sparse file), against an idle run that sends one photo of a few bytes
//   card    the realistic card (400 photos of 4 MiB, 4 clips of 64 MiB), R times each in
//           turn: kestrel-import --device with every copy read back (and then once more,
//           finding everything there); gphoto2
//           --get-all-files, then a flush of the file system it wrote to; kestrel-import
//           of the same folder as a card
// Every run writes to a fresh folder on the same file system as the card; kestrel-import is
// the one built next to this program, with its preferences in a temporary home.

#include "CardFiles.h"
#include "TemporaryHome.h"
#include "device/Device.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::time_t kShot = 1714554000; // 2024-05-01 09:00 UTC

const char* option(int argc, char** argv, const char* name, const char* fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return fallback;
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "kestrel-bench-device: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

// A file of size bytes: random ones unless sparse (a hole reads as zeros, and costs nothing).
void makeFile(const std::string& path, std::int64_t size, bool sparse, std::uint64_t seed) {
    fs::create_directories(fs::path(path).parent_path());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::ftruncate(fd, sparse ? size : 0) != 0)
        fail(path);
    kestrel::bench::Bytes block(1 << 20);
    kestrel::bench::Random random(seed);
    for (std::int64_t done = 0; !sparse && done < size;) {
        random.fill(block.data(), block.size());
        const auto n = std::min<std::int64_t>(size - done, block.size());
        if (::write(fd, block.data(), n) != n)
            fail(path);
        done += n;
    }
    const timespec times[2] = {{kShot, 0}, {kShot, 0}};
    ::futimens(fd, times);
    ::close(fd);
}

struct Run {
    double seconds = 0;
    long peakKiB = 0;
    int status = 0;
};

// Runs argv in cwd (when not empty) with its output thrown away: its time and peak memory.
Run run(const std::vector<std::string>& args, const std::string& cwd = {}) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        if (!cwd.empty() && ::chdir(cwd.c_str()) != 0)
            ::_exit(126);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child)
        fail(args[0]);
    return {std::chrono::duration<double>(Clock::now() - start).count(), usage.ru_maxrss,
            WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// (highest - lowest) ÷ median, in percent.
double spread(const std::vector<double>& v) {
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    return 100 * (*high - *low) / median(v);
}

void listing(const std::string& scratch, long files, int reps) {
    const std::string card = scratch + "/list-card";
    for (long i = 0; i < files; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/DCIM/%03ld_TEST/IMG_%04ld.JPG", 100 + i / 1000,
                      i % 10000);
        makeFile(card + name, 0, true, 0);
    }
    std::vector<double> times;
    std::size_t listed = 0;
    for (int rep = 0; rep < reps; ++rep) {
        const auto start = Clock::now();
        std::string why;
        const auto device = kestrel::openDevice("disk:" + card, why);
        if (!device)
            fail(why);
        std::vector<kestrel::DeviceFile> found;
        std::vector<kestrel::DeviceProblem> problems;
        device->list(found, problems);
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        listed = found.size();
    }
    std::printf("list: %zu files, %d runs (opened and listed afresh each): median %.3f s, "
                "spread %.0f%% (target <= 3 s)\n",
                listed, reps, median(times), spread(times));
    fs::remove_all(card);
}

void memory(const std::string& scratch, const std::string& kestrel, long mib) {
    const std::string idle = scratch + "/idle-card", big = scratch + "/clip-card";
    makeFile(idle + "/DCIM/100TEST/IMG_0001.JPG", 3, false, 1);
    makeFile(big + "/DCIM/100TEST/CLIP_0001.MOV", mib << 20, true, 0);
    const std::string dest = scratch + "/memory-dest";
    const auto import = [&](const std::string& card) {
        fs::remove_all(dest);
        fs::create_directories(dest);
        return run({kestrel, "--taken", "off", "--verify-copies", "on", "--jpg-dest", dest,
                    "--raw-dest", dest, "--device", "disk:" + card});
    };
    const Run quiet = import(idle);
    const Run loaded = import(big);
    std::printf("memory: idle run (one photo) exit %d, peak RSS %.1f MiB; one %ld MiB clip, "
                "read back: exit %d, %.1f s, peak RSS %.1f MiB: %.1f MiB above idle "
                "(target <= 64)\n",
                quiet.status, quiet.peakKiB / 1024.0, mib, loaded.status, loaded.seconds,
                loaded.peakKiB / 1024.0, (loaded.peakKiB - quiet.peakKiB) / 1024.0);
    fs::remove_all(dest);
    fs::remove_all(idle);
    fs::remove_all(big);
}

void realisticCard(const std::string& scratch, const std::string& kestrel, int reps) {
    const std::string card = scratch + "/real-card";
    for (int i = 0; i < 400; ++i)
        makeFile(card + "/DCIM/100TEST/IMG_" + std::to_string(1000 + i) + ".JPG", 4 << 20, false,
                 i + 1);
    for (int i = 0; i < 4; ++i)
        makeFile(card + "/DCIM/100TEST/MVI_" + std::to_string(1000 + i) + ".MOV", 64 << 20, false,
                 1000 + i);
    const bool gphoto = run({"gphoto2", "--version"}).status == 0;
    if (!gphoto)
        std::printf("card: gphoto2 is not installed (apt-get install gphoto2): left out\n");
    const std::string dest = scratch + "/card-dest";
    const auto kestrelRun = [&](const std::string& source, bool device) {
        std::vector<std::string> args{kestrel, "--taken",    "off", "--verify-copies",
                                      "on",    "--jpg-dest", dest,  "--raw-dest",
                                      dest};
        if (device)
            args.push_back("--device");
        args.push_back(device ? "disk:" + card : source);
        return run(args).seconds;
    };
    // A run that did not leave all 404 files behind is not a run of the same work.
    const auto check = [&dest](const std::string& tool) {
        long copies = 0;
        for (const auto& entry : fs::recursive_directory_iterator(dest))
            copies += entry.is_regular_file() &&
                      entry.path().string().find("/ascmhl/") == std::string::npos;
        if (copies != 404)
            std::printf("  %s left %ld files, not 404\n", tool.c_str(), copies);
    };
    std::map<std::string, std::vector<double>> times;
    const std::vector<std::string> tools = {"device", "gphoto2+sync", "card"};
    for (int rep = 0; rep < reps; ++rep) {
        // Each repetition starts with another tool, so none always finds the cache warmest.
        for (std::size_t k = 0; k < tools.size(); ++k) {
            const std::string& tool = tools[(k + rep) % tools.size()];
            fs::remove_all(dest);
            fs::create_directories(dest);
            if (tool == "device") {
                times[tool].push_back(kestrelRun(card, true));
                // Once more: every file is there, as its record says, and none is sent.
                times["device again"].push_back(kestrelRun(card, true));
            } else if (tool == "card")
                times[tool].push_back(kestrelRun(card, false));
            else if (gphoto) {
                const double get = run({"gphoto2", "--camera", "Directory Browse", "--port",
                                        "disk:" + card, "--get-all-files"},
                                       dest)
                                       .seconds;
                times[tool].push_back(get + run({"sync", "-f", dest}).seconds);
            }
            check(tool);
        }
    }
    std::printf("card: 400 x 4 MiB photos + 4 x 64 MiB clips, %d runs of each\n", reps);
    for (const char* tool : {"device", "device again", "gphoto2+sync", "card"})
        if (!times[tool].empty())
            std::printf("  %-14s median %.3f s, spread %.0f%%\n", tool, median(times[tool]),
                        spread(times[tool]));
    for (const std::string& other : {std::string("gphoto2+sync"), std::string("card")}) {
        const auto& a = times["device"];
        const auto& b = times[other];
        if (b.empty())
            continue;
        double low = 1e9, high = 0;
        for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
            low = std::min(low, a[i] / b[i]), high = std::max(high, a[i] / b[i]);
        std::printf("  device ÷ %-13s %.2f (runs %.2f–%.2f)\n", other.c_str(),
                    median(a) / median(b), low, high);
    }
    fs::remove_all(dest);
    fs::remove_all(card);
}

} // namespace

int main(int argc, char** argv) {
    const std::string only = option(argc, argv, "--only", "");
    const int reps = std::max(1, std::atoi(option(argc, argv, "--reps", "3")));
    const char* dir = option(argc, argv, "--dir", nullptr);
    QTemporaryDir home;
    QTemporaryDir scratch(dir ? QString::fromLocal8Bit(dir) +
                                    QStringLiteral("/kestrel-bench-device-XXXXXX")
                              : QString());
    if (!home.isValid() || !scratch.isValid())
        fail("cannot make a temporary folder");
    kestrel::bench::useTemporaryHome(home);
    qputenv("HOME", home.path().toLocal8Bit());
    const std::string where = scratch.path().toStdString();
    const std::string kestrel =
        fs::read_symlink("/proc/self/exe").parent_path().string() + "/kestrel-import";
    if (only.empty() || only == "list")
        listing(where, std::atol(option(argc, argv, "--list-files", "10000")), reps);
    if (only.empty() || only == "memory")
        memory(where, kestrel, std::atol(option(argc, argv, "--clip-mib", "4096")));
    if (only.empty() || only == "card")
        realisticCard(where, kestrel, reps);
    return 0;
}
