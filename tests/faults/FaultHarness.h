#pragma once

// Tools for the fault-injection tests: exact pictures of folder trees, the copy lines of a
// run's log, a child kestrel-import under limits and a watchdog, and a small tmpfs.

#include "TestSupport.h"

#include <sys/resource.h>
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kestrel::faults {

// One item of a tree as lstat sees it. Folders carry only their kind, so that a folder
// touched by the run still compares equal.
struct Node {
    char kind = '?';  // 'f' file, 'd' folder, 'l' symlink, 'p' FIFO, 's' socket, 'c'/'b' device
    std::string data; // a file's bytes or a symlink's target
    std::int64_t mtimeSec = 0;
    std::int64_t mtimeNsec = 0;
    unsigned mode = 0; // permission bits of a file
    bool operator==(const Node&) const = default;
};

// A folder as a tree shows it.
inline Node folderNode() {
    Node node;
    node.kind = 'd';
    return node;
}

// Absolute path (root + "/" + relative path) → item, for every item below root.
using Tree = std::map<std::string, Node>;

// Everything below root, read without following symlinks. Empty when root is missing.
Tree snapshot(const std::string& root);

// The regular files below root (absolute paths), without reading them.
std::vector<std::string> filesBelow(const std::string& root);

// True for the name of a copy's temporary file: ".kestrel-XXXXXX.part".
bool isTempName(const std::string& path);

// The temporary files below root.
std::vector<std::string> tempFilesBelow(const std::string& root);

// Fails the current test, listing at most a few differences, when actual is not expected.
// With ignoreTemps, temporary files in actual are left out of the comparison.
void expectTree(const Tree& actual, const Tree& expected, const std::string& what,
                bool ignoreTemps = false);

// Adds node at path to tree, together with every folder between root and path.
void addWithFolders(Tree& tree, const std::string& root, const std::string& path, const Node& node);

// A file node as a copy keeps it: the bytes, the modification time and the permission bits.
Node fileNode(const std::string& data, std::int64_t mtimeSec, std::int64_t mtimeNsec,
              unsigned mode);

// One "SRC -> DEST true|false" line of a run's log.
struct CopyLine {
    std::string source;
    std::string dest;
    bool copied;
};
std::vector<CopyLine> copyLines(const std::string& out);

// Checks the promises of every run against its log: each file reported "true" is, at its
// destination, exactly the source as it is now (bytes, mtime, permissions); no file was
// copied that is not reported true. sources is a snapshot of the card taken after the run.
void expectTrueMeansComplete(const std::string& out, const Tree& sources,
                             const std::string& destRoot);

// "copying of N files finished." with " F not copied." when F is not 0.
std::string finalMessage(int files, int notCopied);

// Compares two texts line by line and reports the first difference with its line number.
void expectSameLines(const std::string& actual, const std::string& expected);

// Writes data to path exclusively, sets its permissions and modification time.
void makeFile(const std::string& path, const std::string& data, std::int64_t mtimeSec,
              std::int64_t mtimeNsec = 0, unsigned mode = 0644);

// size bytes of deterministic noise.
std::string noise(std::size_t size, std::uint64_t seed);

// A status sink that records every call and lets a test act at chosen points of the run.
class InjectingSink : public test::RecordingSink {
  public:
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    // Called after the scan, before the first copy.
    std::function<void()> onSetBar;
    // Called with k (from 1) just before the k-th entry's file is copied.
    std::function<void(int k)> onCopy;

  private:
    int k_ = 0;
};

// What one in-process import left behind.
struct RunResult {
    std::string out;
    int notCopied = -1;
    std::vector<std::string> calls;
};

// Runs one import of source through a fresh CopyHandler, with sink and optional hooks.
struct InProcessRun {
    InjectingSink sink;
    std::function<void(const std::string& destPath)> beforePublish;
    RunResult run(const std::string& source);
};

// A child process and how it ended.
using ChildResult = test::ProcessResult;

struct ChildOptions : test::ProcessOptions {
    std::vector<std::string> argv;
};

// Starts argv (environment inherited), captures its output and waits for it.
ChildResult runChild(const ChildOptions& options);
ChildResult runChild(const std::vector<std::string>& argv);

// Sleeps for the given microseconds.
void pauseMicros(long micros);

// A tmpfs of the given size at path, for as long as the object lives. Mounted in a private
// mount namespace of this process where possible, so nothing outlives the test.
class TmpfsMount {
  public:
    // inodes limits the number of files and folders it can hold (0: the default).
    TmpfsMount(const std::string& path, std::size_t bytes, std::size_t inodes = 0);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;
    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }

  private:
    std::string path_;
    bool mounted_ = false;
    std::string error_;
};

// source bind-mounted at target for as long as the object lives, in the same private mount
// namespace as TmpfsMount.
class BindMount {
  public:
    BindMount(const std::string& source, const std::string& target);
    ~BindMount();
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;
    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }

  private:
    std::string target_;
    bool mounted_ = false;
    std::string error_;
};

// Sets TZ for the life of the object (and tzset), restoring the old value afterwards.
class TimeZone {
  public:
    explicit TimeZone(const std::string& tz);
    ~TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

  private:
    std::string previous_;
    bool hadPrevious_;
};

// The log a run should write, built entry by entry by the test. Folders are taken as new
// (a "makeFolder: " line) the first time they are named, unless the test says they exist.
struct ExpectedLog {
    std::string text;
    std::set<std::string> folders;
    int entries = 0;
    int notCopied = 0;

    void line(const std::string& line) { text += line + "\n"; }
    // The source root line.
    void start(const std::string& sourceRoot) { line(sourceRoot); }
    // The count line.
    void counted(int count) {
        line("Ende: " + std::to_string(count) +
             " Dateien gefunden und in Datei-Array geschrieben.");
    }
    // One entry: its folder lines below root/tag/, then "copy-error" when not copied, then
    // its log line. Returns the destination path.
    std::string entry(const std::string& source, const std::string& root, const std::string& tag,
                      const std::vector<std::string>& levels, bool copied);
};

// The folder lines of one date (year, month, day) as the usual three levels.
std::vector<std::string> ymd(std::time_t when);

// A card, a destination and preferences that import both groups into the destination
// with year, month and day folders, by modification date.
class CardTest : public ::testing::Test {
  protected:
    CardTest();
    test::PreferencesSandbox prefs;
    test::TempDir root;
    const std::string card = root / "card";
    const std::string dest = root / "dest";
    // 7 March 2016, 10:00 local time, and the folders it files into.
    const std::time_t day = test::localTime("2016-03-07 10:00");
    // Adds a photo to the card, dated when (day by default); returns its path.
    std::string photo(const std::string& relative, const std::string& data);
    std::string photo(const std::string& relative, const std::string& data, std::time_t when);
};

} // namespace kestrel::faults
