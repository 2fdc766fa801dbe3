// kestrel-bench-verify [--entries N] [--files M] [--generations G] [--dir FOLDER]: what
// kestrel-import --verify takes in memory and time for a large hash record. Writes a record
// of N entries (photo-like paths, 1,000 to a day folder) in G generations below FOLDER, with
// the first M of them as real files of a few bytes (the rest recorded but absent, so the
// check lists them as missing), then runs kestrel-import --verify on it, from the folder
// this program was built in, and prints its peak resident memory (the figure
// /usr/bin/time -v prints: ru_maxrss of the finished child) and its time.

#include "TemporaryHome.h"
#include "base/ContentHash.h"
#include "record/HashRecord.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

long argument(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::stol(argv[i + 1]);
    return fallback;
}

// JPG/2016/07/21/IMG_0042017.JPG: 1,000 files a day, days of 28 days' months.
std::string pathOf(long i) {
    const long day = i / 1000;
    char path[64];
    std::snprintf(path, sizeof path, "JPG/%04ld/%02ld/%02ld/IMG_%07ld.JPG", 2000 + day / 336,
                  day / 28 % 12 + 1, day % 28 + 1, i);
    return path;
}

} // namespace

int main(int argc, char** argv) {
    const long entries = argument(argc, argv, "--entries", 1000000);
    const long files = argument(argc, argv, "--files", 0);
    const long generations = std::max(1L, argument(argc, argv, "--generations", 1));
    const char* dir = nullptr;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--dir") == 0)
            dir = argv[i + 1];
    QTemporaryDir home;
    QTemporaryDir scratch(dir ? QString::fromLocal8Bit(dir) +
                                    QStringLiteral("/kestrel-bench-verify-XXXXXX")
                              : QString());
    if (!home.isValid() || !scratch.isValid()) {
        std::fputs("kestrel-bench-verify: cannot make a temporary folder\n", stderr);
        return 1;
    }
    kestrel::bench::useTemporaryHome(home);
    qputenv("HOME", home.path().toLocal8Bit());
    const std::string root = scratch.path().toStdString() + "/PHOTOS";

    // Every generation lists entries / generations files; a real file's hash is its own.
    const kestrel::CreatorInfo info{"kestrel", "bench", "bench-host", 1796739302};
    std::vector<kestrel::RecordedFile> batch;
    long written = 0;
    for (long g = 0; g < generations; ++g) {
        batch.clear();
        const long end = entries * (g + 1) / generations;
        for (; written < end; ++written) {
            kestrel::RecordedFile file{pathOf(written), 0, 1796739302, {}, {}, 1796739302};
            if (written < files) {
                const std::string path = root + "/" + file.path;
                std::filesystem::create_directories(std::filesystem::path(path).parent_path());
                const std::string body = "photo " + std::to_string(written);
                const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
                if (fd < 0 || ::write(fd, body.data(), body.size()) != ssize_t(body.size())) {
                    std::perror(path.c_str());
                    return 1;
                }
                ::close(fd);
                file.size = static_cast<std::int64_t>(body.size());
                kestrel::ContentHash hash;
                hash.update(body.data(), body.size());
                file.hash = hash.digest();
            }
            batch.push_back(std::move(file));
        }
        std::filesystem::create_directories(root);
        const kestrel::RecordResult result = kestrel::addGeneration(root, batch, info);
        if (!result.ok()) {
            std::fprintf(stderr, "kestrel-bench-verify: %s\n", result.error.c_str());
            return 1;
        }
    }
    batch = {};
    std::uintmax_t recordBytes = 0;
    for (const auto& file : std::filesystem::directory_iterator(root + "/ascmhl"))
        recordBytes += file.file_size();

    const std::string self = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string kestrel = self + "/kestrel-import";
    const std::string errors = scratch.path().toStdString() + "/verify.err";
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        // The lines it prints (one per missing file) are not what is measured.
        const int out = ::open("/dev/null", O_WRONLY);
        const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execl(kestrel.c_str(), kestrel.c_str(), "--verify", root.c_str(), nullptr);
        std::perror(kestrel.c_str());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) {
        std::perror("kestrel-bench-verify");
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::string summary;
    if (FILE* in = std::fopen(errors.c_str(), "r")) {
        char line[4096];
        while (std::fgets(line, sizeof line, in))
            summary = line;
        std::fclose(in);
    }
    std::printf("%ld entries (%ld real files) in %ld generation(s), %.1f MiB of record\n"
                "kestrel-import --verify: exit %d, %.2f s, peak RSS %.1f MiB\n%s",
                entries, std::min(files, entries), generations, recordBytes / 1048576.0,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), seconds,
                usage.ru_maxrss / 1024.0, summary.c_str());
    return 0;
}
