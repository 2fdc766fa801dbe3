#pragma once

// What the engine and command-line tests share: temporary folders, sandboxed preferences
// and state, files with chosen times, tree listings and child processes.

#include "run/CopyHandler.h"
#include "run/StatusSink.h"

#include <sys/resource.h>
#include <sys/types.h>

#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kestrel::test {

// A fresh folder under $TMPDIR, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  private:
    std::string path_;
};

// Sets an environment variable for the object's lifetime (unsets it for a null value).
class EnvScope {
  public:
    EnvScope(const char* name, const char* value);
    ~EnvScope();
    EnvScope(const EnvScope&) = delete;
    EnvScope& operator=(const EnvScope&) = delete;

  private:
    std::string name_;
    std::string previous_;
    bool had_;
};

// Points the preferences, the reports, HOME and every XDG folder of this process (and of the
// children it starts) at a temporary folder; their texts are English whatever the user reads.
class Sandbox {
  public:
    Sandbox();
    std::string preferencesFile() const { return dir_ / "config/kestrel/kestrel.conf"; }
    std::string reportsFolder() const { return dir_ / "state/kestrel/reports"; }
    // Stores each pair through a fresh handle, as the window would.
    void set(const std::map<std::string, std::string>& values) const;
    // The stored string of key, read from disk.
    std::string get(const char* key) const;

  private:
    TempDir dir_;
    EnvScope home_, config_, state_, data_, cache_, language_, locale_;
};

// Creates parent folders as needed; with a local time ("2016-03-07 10:00"), sets the
// file's modification time to it.
void writeFile(const std::string& path, const std::string& contents,
               const std::string& modified = {});
void setModified(const std::string& path, const std::string& localTime);
std::string readFile(const std::string& path);
std::time_t localTime(const std::string& text);
// What this process has read so far, through any call: rchar, first in /proc/self/io.
long long bytesRead();

// Every item below root, relative, sorted; folders end in "/", symlinks in "@". A hash
// record (root/ascmhl) is left out.
std::vector<std::string> listTree(const std::string& root);
// The files of listTree(root), without the folders.
std::vector<std::string> filesBelow(const std::string& root);
std::vector<std::string> lines(const std::string& text);

// Adds a generation to root's hash record listing each of paths (relative) as it is now.
void recordFiles(const std::string& root, const std::vector<std::string>& paths);

// Records every status call as one line ("setBar 3", "setBarInc 1 of 3 (A.JPG)",
// "sayFinished copying of 3 files finished."); onBar runs at setBar and onFile at each
// setBarInc, so a test can change the card under a run.
class RecordingSink : public StatusSink {
  public:
    void sayNothing() override { calls.emplace_back("sayNothing"); }
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    void stopBar() override { calls.emplace_back("stopBar"); }
    void sayFinished(const RunSummary& summary) override;
    void sayWarning(const std::string& text) override { calls.push_back("warning " + text); }
    std::vector<std::string> calls;
    std::function<void()> onBar;
    std::function<void(int)> onFile;
    int files = 0;
};

// One import run in this process.
struct RunResult {
    std::vector<std::string> out; // the log's lines
    RunSummary summary;
    // The outcome of the file at source (Outcome::Copied with an empty destination when the
    // run did not name it).
    CopyOutcome of(const std::string& source) const;
};
RunResult importFolder(const std::string& source, RecordingSink& sink, const CopyHooks& hooks = {},
                       StopRequest* stop = nullptr);

struct ProcessResult {
    int exitCode = -1; // 128 + the signal when a signal ended it
    std::string out;
    std::string err;
};

struct ProcessOptions {
    std::string cwd;
    rlim_t fileSizeLimit = RLIM_INFINITY;
    rlim_t openFilesLimit = RLIM_INFINITY;
    // Runs in the child before the program starts (a signal to raise later, say).
    std::function<void()> inChild;
};

// Runs argv to its end, capturing standard output and standard error.
ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options = {});
// The digest `xxhsum -H2` prints for the file at path.
std::string xxhsum(const std::string& path);
// xmllint's exit status for file checked against the ASC MHL schema of that name.
int xmllint(const std::string& schema, const std::string& file);

// kestrel-import with args.
ProcessResult kestrelImport(const std::vector<std::string>& args,
                            const ProcessOptions& options = {});

} // namespace kestrel::test
