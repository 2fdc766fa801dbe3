#include "FaultHarness.h"

#include "CopyHandler.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace kestrel::faults {

namespace {

std::string readAll(int fd) {
    std::string data;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw std::runtime_error(std::string("read failed: ") + std::strerror(errno));
        if (got == 0)
            return data;
        data.append(buffer, static_cast<std::size_t>(got));
    }
}

char kindOf(mode_t mode) {
    switch (mode & S_IFMT) {
    case S_IFREG:
        return 'f';
    case S_IFDIR:
        return 'd';
    case S_IFLNK:
        return 'l';
    case S_IFIFO:
        return 'p';
    case S_IFSOCK:
        return 's';
    case S_IFCHR:
        return 'c';
    case S_IFBLK:
        return 'b';
    default:
        return '?';
    }
}

// The item at path, or nothing when there is none.
bool readNode(const std::string& path, Node& node) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return false;
    node = Node{};
    node.kind = kindOf(st.st_mode);
    if (node.kind == 'd')
        return true;
    node.mtimeSec = st.st_mtim.tv_sec;
    node.mtimeNsec = st.st_mtim.tv_nsec;
    node.mode = st.st_mode & 07777;
    if (node.kind == 'f') {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            throw std::runtime_error("cannot open " + path);
        node.data = readAll(fd);
        ::close(fd);
    } else if (node.kind == 'l') {
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        node.data = n < 0 ? std::string() : target.substr(0, static_cast<std::size_t>(n));
    }
    return true;
}

template <typename Visit> void walk(const std::string& folder, const Visit& visit) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            continue;
        visit(path, st);
        if (S_ISDIR(st.st_mode))
            walk(path, visit);
    }
}

std::string describe(const Node& node) {
    std::ostringstream text;
    text << node.kind;
    if (node.kind == 'f')
        text << " " << node.data.size() << " bytes, mtime " << node.mtimeSec << "."
             << node.mtimeNsec << ", mode " << std::oct << node.mode << std::dec;
    else if (node.kind == 'l')
        text << " -> " << node.data;
    return text.str();
}

} // namespace

Tree snapshot(const std::string& root) {
    Tree tree;
    walk(root, [&](const std::string& path, const struct stat&) {
        Node node;
        if (readNode(path, node))
            tree.emplace(path, std::move(node));
    });
    return tree;
}

std::vector<std::string> filesBelow(const std::string& root) {
    std::vector<std::string> files;
    walk(root, [&](const std::string& path, const struct stat& st) {
        if (S_ISREG(st.st_mode))
            files.push_back(path);
    });
    return files;
}

bool isTempName(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.size() == std::strlen(".kestrel-XXXXXX.part") && name.starts_with(".kestrel-") &&
           name.ends_with(".part");
}

std::vector<std::string> tempFilesBelow(const std::string& root) {
    std::vector<std::string> temps;
    for (const std::string& path : filesBelow(root))
        if (isTempName(path))
            temps.push_back(path);
    return temps;
}

void expectTree(const Tree& actual, const Tree& expected, const std::string& what,
                bool ignoreTemps) {
    std::vector<std::string> problems;
    for (const auto& [path, node] : actual) {
        if (ignoreTemps && isTempName(path))
            continue;
        const auto it = expected.find(path);
        if (it == expected.end())
            problems.push_back("unexpected " + path + " (" + describe(node) + ")");
        else if (!(it->second == node))
            problems.push_back("differs " + path + ": is " + describe(node) + ", expected " +
                               describe(it->second));
    }
    for (const auto& [path, node] : expected)
        if (actual.find(path) == actual.end())
            problems.push_back("missing " + path + " (" + describe(node) + ")");
    if (problems.empty())
        return;
    std::string message = what + ": " + std::to_string(problems.size()) + " difference(s)";
    for (std::size_t i = 0; i < problems.size() && i < 12; ++i)
        message += "\n  " + problems[i];
    ADD_FAILURE() << message;
}

void addWithFolders(Tree& tree, const std::string& root, const std::string& path,
                    const Node& node) {
    for (auto slash = path.find('/', root.size() + 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        tree[path.substr(0, slash)] = folderNode();
    tree[path] = node;
}

Node fileNode(const std::string& data, std::int64_t mtimeSec, std::int64_t mtimeNsec,
              unsigned mode) {
    Node node;
    node.kind = 'f';
    node.data = data;
    node.mtimeSec = mtimeSec;
    node.mtimeNsec = mtimeNsec;
    node.mode = mode;
    return node;
}

std::vector<CopyLine> copyLines(const std::string& out) {
    std::vector<CopyLine> result;
    for (const std::string& line : test::lines(out)) {
        const auto arrow = line.find(" -> ");
        if (arrow == std::string::npos)
            continue;
        const bool copied = line.ends_with(" true");
        if (!copied && !line.ends_with(" false")) {
            ADD_FAILURE() << "log line without a result: " << line;
            continue;
        }
        const auto end = line.size() - (copied ? 5 : 6);
        result.push_back({line.substr(0, arrow), line.substr(arrow + 4, end - arrow - 4), copied});
    }
    return result;
}

void expectTrueMeansComplete(const std::string& out, const Tree& sources,
                             const std::string& destRoot) {
    for (const CopyLine& line : copyLines(out)) {
        if (!line.copied)
            continue;
        const auto source = sources.find(line.source);
        ASSERT_NE(source, sources.end()) << "reported true for an unknown source " << line.source;
        Node copy;
        ASSERT_TRUE(readNode(line.dest, copy)) << "reported true but missing: " << line.dest;
        EXPECT_EQ(source->second.kind, 'f') << line.source;
        EXPECT_TRUE(copy == source->second)
            << "reported true but not a complete copy: " << line.dest << " is " << describe(copy)
            << ", source is " << describe(source->second);
        EXPECT_TRUE(line.dest.starts_with(destRoot)) << line.dest;
    }
}

std::string finalMessage(int files, int notCopied) {
    std::string text = "copying of " + std::to_string(files) + " files finished.";
    if (notCopied != 0)
        text += " " + std::to_string(notCopied) + " not copied.";
    return text;
}

void expectSameLines(const std::string& actual, const std::string& expected) {
    const auto a = test::lines(actual);
    const auto e = test::lines(expected);
    for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        const std::string got = i < a.size() ? a[i] : "<no line>";
        const std::string want = i < e.size() ? e[i] : "<no line>";
        if (got != want) {
            ADD_FAILURE() << "log differs at line " << i + 1 << "\n  actual:   " << got
                          << "\n  expected: " << want;
            return;
        }
    }
    EXPECT_EQ(actual, expected); // same lines; only the final newline can differ
}

void makeFile(const std::string& path, const std::string& data, std::int64_t mtimeSec,
              std::int64_t mtimeNsec, unsigned mode) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
    for (std::size_t done = 0; done < data.size();) {
        const ssize_t put = ::write(fd, data.data() + done, data.size() - done);
        if (put <= 0)
            throw std::runtime_error("cannot write " + path);
        done += static_cast<std::size_t>(put);
    }
    const timespec times[2] = {{static_cast<time_t>(mtimeSec), 0},
                               {static_cast<time_t>(mtimeSec), static_cast<long>(mtimeNsec)}};
    if (::fchmod(fd, mode) != 0 || ::futimens(fd, times) != 0 || ::close(fd) != 0)
        throw std::runtime_error("cannot finish " + path);
}

std::string noise(std::size_t size, std::uint64_t seed) {
    std::string data(size, '\0');
    std::uint64_t state = seed * 0x9E3779B97F4A7C15ull + 1;
    for (std::size_t i = 0; i < size; i += 8) {
        // splitmix64
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        std::memcpy(data.data() + i, &z, std::min<std::size_t>(8, size - i));
    }
    return data;
}

void InjectingSink::setBar(std::int32_t count) {
    RecordingSink::setBar(count);
    if (onSetBar)
        onSetBar();
}

void InjectingSink::setBarInc(const std::string& text) {
    RecordingSink::setBarInc(text);
    ++k_;
    if (onCopy)
        onCopy(k_);
}

RunResult InProcessRun::run(const std::string& source) {
    std::ostringstream out;
    CopyHandler handler(sink, out);
    handler.hooks.beforePublish = beforePublish;
    handler.prepareProcessing(source);
    return RunResult{out.str(), handler.notCopied(), sink.calls};
}

ChildResult runChild(const ChildOptions& options) { return test::runProcess(options.argv, options); }

ChildResult runChild(const std::vector<std::string>& argv) {
    ChildOptions options;
    options.argv = argv;
    return runChild(options);
}

void pauseMicros(long micros) {
    std::this_thread::sleep_for(std::chrono::microseconds(micros));
}

namespace {
// A private mount namespace keeps the test's mounts out of everyone else's view and lets
// them die with this process (and its children); where that is refused, mounts go into the
// shared namespace and are undone by their destructors.
void enterPrivateMountNamespace() {
    static const bool entered = ::unshare(CLONE_NEWNS) == 0 &&
                                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    (void)entered;
}
} // namespace

TmpfsMount::TmpfsMount(const std::string& path, std::size_t bytes, std::size_t inodes)
    : path_(path) {
    enterPrivateMountNamespace();
    std::string data = "size=" + std::to_string(bytes) + ",mode=0755";
    if (inodes != 0)
        data += ",nr_inodes=" + std::to_string(inodes);
    if (::mount("tmpfs", path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, data.c_str()) == 0)
        mounted_ = true;
    else
        error_ = std::strerror(errno);
}

TmpfsMount::~TmpfsMount() {
    if (mounted_)
        ::umount2(path_.c_str(), MNT_DETACH);
}

BindMount::BindMount(const std::string& source, const std::string& target) : target_(target) {
    enterPrivateMountNamespace();
    if (::mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) == 0)
        mounted_ = true;
    else
        error_ = std::strerror(errno);
}

BindMount::~BindMount() {
    if (mounted_)
        ::umount2(target_.c_str(), MNT_DETACH);
}

TimeZone::TimeZone(const std::string& tz) {
    const char* previous = std::getenv("TZ");
    hadPrevious_ = previous != nullptr;
    previous_ = previous ? previous : "";
    ::setenv("TZ", tz.c_str(), 1);
    ::tzset();
}

TimeZone::~TimeZone() {
    if (hadPrevious_)
        ::setenv("TZ", previous_.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

std::string ExpectedLog::entry(const std::string& source, const std::string& root,
                               const std::string& tag, const std::vector<std::string>& levels,
                               bool copied) {
    ++entries;
    std::string folder = root + "/" + tag + "/";
    const auto level = [&] {
        line("path: " + folder);
        if (folders.insert(folder).second)
            line("makeFolder: " + folder);
    };
    level();
    for (const std::string& name : levels) {
        folder += name + "/";
        level();
    }
    const std::string destPath = folder + source.substr(source.rfind('/') + 1);
    if (!copied) {
        line("copy-error");
        ++notCopied;
    }
    line(source + " -> " + destPath + (copied ? " true" : " false"));
    return destPath;
}

std::vector<std::string> ymd(std::time_t when) {
    std::tm tm{};
    ::localtime_r(&when, &tm);
    char month[16];
    char mday[16];
    std::snprintf(month, sizeof month, "%02d", tm.tm_mon + 1);
    std::snprintf(mday, sizeof mday, "%02d", tm.tm_mday);
    return {std::to_string(tm.tm_year + 1900), month, mday};
}

CardTest::CardTest() {
    ::mkdir(card.c_str(), 0755);
    ::mkdir(dest.c_str(), 0755);
    prefs.set({{"kestrelJPG", "1"},
               {"kestrelRAW", "1"},
               {"kestrelJPGYear", "1"},
               {"kestrelJPGMonth", "1"},
               {"kestrelJPGDay", "1"},
               {"kestrelRAWYear", "1"},
               {"kestrelRAWMonth", "1"},
               {"kestrelRAWDay", "1"},
               {"kestrelModDate", "1"},
               {"kestrelImportPath", dest},
               {"kestrelImportPathRAW", dest}});
}

std::string CardTest::photo(const std::string& relative, const std::string& data) {
    return photo(relative, data, day);
}

std::string CardTest::photo(const std::string& relative, const std::string& data,
                            std::time_t when) {
    const std::string path = card + "/" + relative;
    test::writeFile(path, data);
    const timespec times[2] = {{when, 0}, {when, 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        throw std::runtime_error("utimensat failed on " + path);
    return path;
}

} // namespace kestrel::faults
