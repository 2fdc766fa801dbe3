#pragma once

#include "copy/DestinationFolders.h"
#include "copy/SafeCopy.h"
#include "record/ImportLog.h"
#include "record/ImportReport.h"
#include "run/CardSurvey.h"
#include "run/ImportOptions.h"
#include "run/JobPlan.h"
#include "run/RunRecords.h"
#include "run/StatusSink.h"
#include "run/StopRequest.h"
#include "scan/FileEntry.h"

#include <QSettings>

#include <array>
#include <cstdint>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

namespace kestrel {

class Device;

// One import run: walks a source folder, picks photos and clips by the ending of their
// paths, and copies each into DEST/<tag>/<year>/<month>/<day>/ without ever replacing a
// file. Make a fresh CopyHandler for every run.
class CopyHandler {
  public:
    // Status goes to mainViewController, the run's log to out.
    explicit CopyHandler(StatusSink& mainViewController, std::ostream& out);

    // Runs one complete import of the folder at path (absolute or relative).
    void prepareProcessing(const std::string& path);
    // Runs one complete import of the camera or phone at port ("usb:001,004"; "disk:/FOLDER"
    // serves FOLDER as one), which sends each file over USB. Its files are named PORT + the
    // camera's path, "usb:001,004/store_00010001/DCIM/100CANON/IMG_0001.JPG", and filed by
    // the time the camera gives them; with only, as listDevice names them.
    void importDevice(const std::string& port);

    // Reads the run's options from the preferences: the eight flags into the do… members,
    // and every option into one value that the rest of the run uses.
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

    // [year, two-digit month, two-digit day] of time in the local calendar; three empty
    // strings when the calendar cannot represent it.
    static std::array<std::string, 3> getFullDateString(std::time_t time);

    // The stored string under key, or "<nil>".
    std::string getUserDefAsString(const char* key) const;

    // What the last run did.
    const RunSummary& summary() const { return summary_; }
    // How many matched files the last run left behind, unreadable items included.
    std::int32_t notCopied() const { return summary_.notCopied + summary_.unreadable; }

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
    // When set, only the picked files with these full paths (as listCard gives them) are
    // copied; the others are counted by whether they are safe already, and the new ones
    // reported as not selected.
    const std::unordered_set<std::string>* only = nullptr;
    // When set, the run's options instead of the stored ones (with values for this run only).
    std::optional<ImportOptions> givenOptions;
    // When set, the run only says here what it would do with each file, and writes nothing
    // at all: no folder, copy, number, record or report.
    std::ostream* dryRun = nullptr;

  private:
    // Starts a run of source, whose files lie in folder (empty when they lie in none): false
    // when the destinations are refused, and the run is over.
    bool begin(const std::string& source, const std::string& folder);
    // Copies the picked files and ends the run.
    void copyAll(const FileList& files);
    // The place of each file when a job's patterns are on (with its numbers taken); false
    // when they cannot be had, and the run is over.
    bool placeFiles(const FileList& files, std::vector<FilePlace>& places);
    // What a dry run says of files placed so, and of the items the scan left.
    void printPlan(const FileList& files, const std::vector<FilePlace>& places);
    FileList scan(const std::string& sourceRoot);
    FileList scanDevice(const std::shared_ptr<Device>& device, const std::string& root);
    // Ends the run: its report, then the final status.
    void finish();
    void unreadable(const std::string& path, int error);
    void unreadable(const std::string& path, const CopyOutcome& why);
    // Before the first copy: asks what to do when the destinations' disks cannot take every
    // file, and marks the files that will not be copied.
    void checkSpace(const FileList& files);
    // A photo or clip on the card that the options do not import, and why.
    void leftOnCard(const std::string& path, std::string why);
    // A picked file left out of the selection: one of a card at path, or as surveyed, where
    // it stands, and the path a record gives it when it was imported before.
    void notSelected(const std::string& path, const Pick& pick);
    void notSelected(const SurveyedFile& file, Standing standing, const std::string& recorded);
    // Where file stands, as the selection's verdict counts it; device sends a camera's file.
    Standing standingOf(const SurveyedFile& file, std::string* recorded, Device* device = nullptr);

    ImportLog log_;
    ImportOptions options_;
    DestinationFolders folders_;
    ImportReport report_;
    RunSummary summary_;
    std::vector<bool> fits_; // of each entry, when not everything fits
    std::string noSpace_;
    std::unique_ptr<StandingCheck> standings_; // made for the first file not selected
    bool fromDevice_ = false;                  // this run's source is a camera or phone
    RunRecords histories_; // the destinations' records, read once for the plan and the copy
    JobPlan::Source jobSource_;                // what the patterns know of the source
};

} // namespace kestrel
