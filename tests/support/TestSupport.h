#pragma once

#include "StatusSink.h"

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
    // path() + "/" + relative
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  private:
    std::string path_;
};

// Points the preferences of this process (and of the children it starts) at a temporary
// folder, so tests never read or write the user's own.
class PreferencesSandbox {
  public:
    PreferencesSandbox();
    ~PreferencesSandbox();
    // The preferences file the store writes.
    std::string file() const;
    // Writes key=value lines under [General] as the store keeps them.
    void writeRaw(const std::string& contents) const;
    // Stores each pair through a fresh handle, as the window would.
    void set(const std::map<std::string, std::string>& values) const;

  private:
    TempDir dir_;
    std::string previous_;
    bool hadPrevious_;
};

// Creates parent folders as needed.
void writeFile(const std::string& path, const std::string& contents);
std::string readFile(const std::string& path);
// Sets access and modification time to the local time given ("2016-03-07 10:00").
void setModified(const std::string& path, const std::string& localTime);
std::time_t localTime(const std::string& text);

// Every item below root, relative, sorted; folders end in "/", symlinks in "@".
std::vector<std::string> listTree(const std::string& root);

// Splits text into lines (without their newlines).
std::vector<std::string> lines(const std::string& text);

// Today's local date as year/month/day folders, the date a file made now is filed under.
std::string todayFolders();

struct ProcessResult {
    int exitCode = -1; // the signal number + 128 when killed by a signal
    bool hung = false; // the watchdog had to kill it
    std::string out;
    std::string err;
};

// How to start a process.
struct ProcessOptions {
    std::map<std::string, std::string> env; // added to (or replacing) this process's own
    std::string cwd;                        // empty: this process's folder
    rlim_t fileSizeLimit = RLIM_INFINITY;
    rlim_t openFilesLimit = RLIM_INFINITY;
    // Called once the child runs; it may watch the child and kill it.
    std::function<void(pid_t)> whileRunning;
    // A hang becomes a failure after this long; never a measure of speed.
    int watchdogSeconds = 300;
};

// Runs argv, capturing standard output and standard error; standard input is empty.
ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options);
ProcessResult runProcess(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& env = {},
                         const std::string& cwd = {});

// Path of the built kestrel-import.
std::string kestrelImport();

// Records every status call as one line: "sayNothing", "setBar 3", "setBarInc 1 of 3 (A.JPG)",
// "stopBar", "sayFinished 0".
class RecordingSink : public StatusSink {
  public:
    void sayNothing() override;
    void setBar(std::int32_t count) override;
    void setBarInc(const std::string& text) override;
    void stopBar() override;
    void sayFinished(const RunSummary& summary) override;
    std::vector<std::string> calls;
};

} // namespace kestrel::test
