#include "TestSupport.h"

#include "Preferences.h"

#include <QSettings>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

extern char** environ;

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
    // Tests may leave read-only folders behind; open them up so they can be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            ::chmod(it->path().c_str(), 0700);
    fs::remove_all(path_, ec);
}

PreferencesSandbox::PreferencesSandbox() {
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    hadPrevious_ = previous != nullptr;
    previous_ = previous ? previous : "";
    ::setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(dir_.path()));
}

PreferencesSandbox::~PreferencesSandbox() {
    if (hadPrevious_)
        ::setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

std::string PreferencesSandbox::file() const {
    return dir_.path() + "/kestrel/kestrel.conf";
}

void PreferencesSandbox::writeRaw(const std::string& contents) const {
    writeFile(file(), contents);
}

void PreferencesSandbox::set(const std::map<std::string, std::string>& values) const {
    const auto store = openPreferences();
    for (const auto& [key, value] : values)
        storeString(*store, key.c_str(), value);
}

void writeFile(const std::string& path, const std::string& contents) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
    if (!out)
        throw std::runtime_error("cannot write " + path);
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
    if (in.fail())
        throw std::runtime_error("bad time " + text);
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

void setModified(const std::string& path, const std::string& time) {
    const timespec times[2] = {{localTime(time), 0}, {localTime(time), 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed on " + path);
}

std::vector<std::string> listTree(const std::string& root) {
    std::vector<std::string> items;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string item = fs::relative(entry.path(), root).string();
        if (entry.is_symlink())
            item += "@";
        else if (entry.is_directory())
            item += "/";
        items.push_back(item);
    }
    std::sort(items.begin(), items.end());
    return items;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::string todayFolders() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d", &tm);
    return text;
}

ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options) {
    TempDir capture;
    const std::string outPath = capture / "out";
    const std::string errPath = capture / "err";

    std::map<std::string, std::string> merged;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        merged[entry.substr(0, eq)] = eq == std::string::npos ? "" : entry.substr(eq + 1);
    }
    for (const auto& [key, value] : options.env)
        merged[key] = value;
    std::vector<std::string> envStrings;
    for (const auto& [key, value] : merged)
        envStrings.push_back(key + "=" + value);

    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : envStrings)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0)
            ::_exit(126);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        // The child starts with default signal handling, whatever the test runner set.
        ::signal(SIGXFSZ, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        for (const auto& [resource, value] : {std::pair{RLIMIT_FSIZE, options.fileSizeLimit},
                                              std::pair{RLIMIT_NOFILE, options.openFilesLimit}}) {
            const rlimit limit{value, value};
            if (value != RLIM_INFINITY && ::setrlimit(resource, &limit) != 0)
                ::_exit(126);
        }
        if (!options.cwd.empty() && ::chdir(options.cwd.c_str()) != 0)
            ::_exit(126);
        ::execve(args[0], args.data(), envp.data());
        ::_exit(127);
    }

    if (options.whileRunning)
        options.whileRunning(pid);

    ProcessResult result;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(options.watchdogSeconds);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR)
            throw std::runtime_error("waitpid failed");
        if (std::chrono::steady_clock::now() > deadline) {
            result.hung = true;
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

ProcessResult runProcess(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& env, const std::string& cwd) {
    ProcessOptions options;
    options.env = env;
    options.cwd = cwd;
    return runProcess(argv, options);
}

std::string kestrelImport() {
    // Test programs are built beside kestrel-import.
    const char* dir = std::getenv("KESTREL_BUILD_DIR");
    const fs::path base = dir ? fs::path(dir) : fs::read_symlink("/proc/self/exe").parent_path();
    return (fs::absolute(base) / "kestrel-import").string();
}

void RecordingSink::sayNothing() {
    calls.emplace_back("sayNothing");
}
void RecordingSink::setBar(std::int32_t count) {
    calls.push_back("setBar " + std::to_string(count));
}
void RecordingSink::setBarInc(const std::string& text) {
    calls.push_back("setBarInc " + text);
}
void RecordingSink::stopBar() {
    calls.emplace_back("stopBar");
}
void RecordingSink::sayFinished(const RunSummary& summary) {
    calls.push_back("sayFinished " + std::to_string(summary.notCopied));
}

} // namespace kestrel::test
