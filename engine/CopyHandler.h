#pragma once

#include "FileEntry.h"
#include "SafeCopy.h"
#include "StatusSink.h"
#include "StopRequest.h"

#include <QSettings>

#include <array>
#include <cstdint>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace kestrel {

// One import run: walks a source folder, picks photos and clips by the ending of their
// paths, and copies each into DEST/<tag>/<year>/<month>/<day>/ without ever replacing a
// file. Make a fresh CopyHandler for every run.
class CopyHandler {
  public:
    // Status goes to mainViewController, diagnostic lines to out.
    explicit CopyHandler(StatusSink& mainViewController, std::ostream& out);

    // Runs one complete import of the folder at path (absolute or relative).
    void prepareProcessing(const std::string& path);

    // Copies the eight option flags from the preferences into the do… members.
    void initDoVars();

    // Creates the folders of every entry and copies its file. Always returns true.
    bool performCopyOperation(const FileList& files);

    // Builds the entry of one picked file: sourceRoot + fEnum is its path.
    FileEntry buildFileList(const std::string& sourceRoot, const std::string& fEnum,
                            const std::string& fileType, const std::string& destPath);

    // Splits path at its last "/": [name after it, folder up to and including it].
    static std::array<std::string, 2> getNameElements(const std::string& path);

    // Creates the one folder at path (its parent must exist) and says so on standard output.
    void makeFolder(const std::string& path);

    // Copies the file at source to destPath, never replacing anything. True when copied.
    bool copyFile(const std::string& source, const std::string& destPath);

    // [year, two-digit month, two-digit day] of time in the local calendar.
    static std::array<std::string, 3> getFullDateString(std::time_t time);

    // The stored string under key, or "<nil>".
    std::string getUserDefAsString(const char* key) const;

    // How many counted entries the last run did not copy (failed copies, error entries,
    // and folders that could not be read).
    std::int32_t notCopied() const { return notCopied_; }

    std::unique_ptr<QSettings> uDefs;
    StatusSink* mainViewController;
    std::optional<std::string> doJPG;
    std::optional<std::string> doRAW;
    std::optional<std::string> doJPGYear;
    std::optional<std::string> doRAWYear;
    std::optional<std::string> doJPGMonth;
    std::optional<std::string> doRAWMonth;
    std::optional<std::string> doJPGDay;
    std::optional<std::string> doRAWDay;

    // Test hooks into the copy of each file.
    CopyHooks hooks;
    // When set, the run stops after the file in hand once a stop is requested.
    StopRequest* stop = nullptr;

    // What the last run did.
    const RunSummary& summary() const { return summary_; }

  private:
    void syncTouchedFolders();

    std::ostream& out_;
    // Where makeFolder writes: standard output, or the copy pass's held lines.
    std::ostream* log_;
    std::int32_t notCopied_ = 0;
    RunSummary summary_;
    // Folders whose entries changed during the run; synced before the run reports its end.
    std::set<std::string> foldersToSync_;
};

} // namespace kestrel
