#include "TestSupport.h"

#include "record/HashRecord.h"
#include "run/Preferences.h"

#include <QSettings>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace kestrel::test {

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kestrel-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests leave locked folders behind; open them up so they can be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            ::chmod(it->path().c_str(), 0700);
    fs::remove_all(path_, ec);
}

EnvScope::EnvScope(const char* name, const char* value) : name_(name) {
    const char* previous = std::getenv(name);
    had_ = previous != nullptr;
    previous_ = had_ ? previous : "";
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
}

EnvScope::~EnvScope() {
    had_ ? ::setenv(name_.c_str(), previous_.c_str(), 1) : ::unsetenv(name_.c_str());
}

Sandbox::Sandbox()
    : home_("HOME", dir_.path().c_str()), config_("XDG_CONFIG_HOME", (dir_ / "config").c_str()),
      state_("XDG_STATE_HOME", (dir_ / "state").c_str()),
      data_("XDG_DATA_HOME", (dir_ / "data").c_str()),
      cache_("XDG_CACHE_HOME", (dir_ / "cache").c_str()), language_("LANGUAGE", nullptr),
      locale_("LC_ALL", "C.UTF-8") {
    // QSettings reads XDG_CONFIG_HOME once per process.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(dir_ / "config"));
}

void Sandbox::set(const std::map<std::string, std::string>& values) const {
    const auto store = openPreferences();
    for (const auto& [key, value] : values)
        storeString(*store, key.c_str(), value);
}

std::string Sandbox::get(const char* key) const {
    return getUserDefAsString(*openPreferences(), key);
}

void writeFile(const std::string& path, const std::string& contents, const std::string& modified) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    if (!modified.empty())
        setModified(path, modified);
}

void setModified(const std::string& path, const std::string& localTime) {
    const std::time_t time = test::localTime(localTime);
    const timespec times[2] = {{time, 0}, {time, 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed on " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

std::time_t localTime(const std::string& text) {
    std::tm tm{};
    std::istringstream in(text);
    in >> std::get_time(&tm, "%Y-%m-%d %H:%M");
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

long long bytesRead() {
    std::ifstream io("/proc/self/io");
    io.ignore(7);
    long long bytes = 0;
    io >> bytes;
    return bytes;
}

std::vector<std::string> listTree(const std::string& root) {
    std::vector<std::string> items;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        std::string item = fs::relative(it->path(), root).string();
        if (item == "ascmhl") { // the hash record: tests that look for it read it themselves
            it.disable_recursion_pending();
            continue;
        }
        item += it->is_symlink() ? "@" : it->is_directory() ? "/" : "";
        items.push_back(item);
    }
    std::sort(items.begin(), items.end());
    return items;
}

std::vector<std::string> filesBelow(const std::string& root) {
    std::vector<std::string> files = listTree(root);
    std::erase_if(files, [](const std::string& item) { return item.back() == '/'; });
    return files;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

void RecordingSink::setBar(std::int32_t count) {
    calls.push_back("setBar " + std::to_string(count));
    if (onBar)
        onBar();
}

void RecordingSink::setBarInc(const std::string& text) {
    calls.push_back("setBarInc " + text);
    if (onFile)
        onFile(++files);
}

void RecordingSink::sayFinished(const RunSummary& summary) {
    calls.push_back("sayFinished " + finishedMessage(summary));
}

CopyOutcome RunResult::of(const std::string& source) const {
    for (const FileResult& result : summary.notCopiedNow)
        if (result.source == source)
            return result.outcome;
    return {Outcome::Copied, 0, {}};
}

RunResult importFolder(const std::string& source, RecordingSink& sink, const CopyHooks& hooks,
                       StopRequest* stop) {
    std::ostringstream out;
    CopyHandler handler(sink, out);
    handler.hooks = hooks;
    handler.stop = stop;
    handler.prepareProcessing(source);
    return {lines(out.str()), handler.summary()};
}

std::string xxhsum(const std::string& path) {
    return runProcess({"/usr/bin/xxhsum", "-H2", path}).out.substr(0, 32);
}

int xmllint(const std::string& schema, const std::string& file) {
    return runProcess({"/usr/bin/xmllint", "--noout", "--nonet", "--schema",
                       std::string(KESTREL_ASCMHL_SCHEMAS) + "/" + schema, file})
        .exitCode;
}

ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options) {
    TempDir capture;
    const std::string outPath = capture / "out", errPath = capture / "err";
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
            ::dup2(err, 2) < 0)
            ::_exit(126);
        for (const int fd : {in, out, err})
            ::close(fd);
        // The child starts with default signal handling, whatever the test runner set.
        ::signal(SIGXFSZ, SIG_DFL);
        for (const auto& [resource, value] : {std::pair{RLIMIT_FSIZE, options.fileSizeLimit},
                                              std::pair{RLIMIT_NOFILE, options.openFilesLimit}}) {
            const rlimit limit{value, value};
            if (value != RLIM_INFINITY && ::setrlimit(resource, &limit) != 0)
                ::_exit(126);
        }
        if (!options.cwd.empty() && ::chdir(options.cwd.c_str()) != 0)
            ::_exit(126);
        if (options.inChild)
            options.inChild();
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            throw std::runtime_error("waitpid failed");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), readFile(outPath),
            readFile(errPath)};
}

ProcessResult kestrelImport(const std::vector<std::string>& args, const ProcessOptions& options) {
    const char* dir = std::getenv("KESTREL_BUILD_DIR");
    std::vector<std::string> argv{
        ((dir ? fs::path(dir) : fs::read_symlink("/proc/self/exe").parent_path()) /
         "kestrel-import")
            .string()};
    argv.insert(argv.end(), args.begin(), args.end());
    return runProcess(argv, options);
}

void recordFiles(const std::string& root, const std::vector<std::string>& paths) {
    std::vector<RecordedFile> files;
    for (const std::string& path : paths) {
        const Fd fd(::open((root + "/" + path).c_str(), O_RDONLY | O_CLOEXEC));
        const auto digest = hashFile(fd.get());
        if (!digest)
            throw std::runtime_error("cannot hash " + path);
        files.push_back({.path = path,
                         .size = static_cast<std::int64_t>(fs::file_size(root + "/" + path)),
                         .hash = *digest});
    }
    if (const RecordResult result = addGeneration(root, files, creatorNow("test")); !result.ok())
        throw std::runtime_error(result.error);
}

} // namespace kestrel::test
