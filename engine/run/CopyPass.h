#pragma once

#include "copy/CopyBatch.h"
#include "copy/DestinationFolders.h"
#include "record/HashRecord.h"
#include "record/ImportLog.h"
#include "record/ImportReport.h"
#include "run/ImportOptions.h"
#include "run/JobPlan.h"
#include "run/RunRecords.h"
#include "run/Sidecars.h"
#include "run/StatusSink.h"
#include "run/StopRequest.h"
#include "scan/FileEntry.h"

#include <future>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// The second half of an import: for each entry in order, its destination folders, its
// progress text, its copy, and its log line; outcomes go to the summary and the report.
class CopyPass {
  public:
    struct Parts {
        const ImportOptions& options;
        DestinationFolders& folders;
        ImportLog& log;
        StatusSink& sink;
        RunSummary& summary;
        ImportReport& report;
        const CopyHooks& hooks;
        StopRequest* stop;
    };
    explicit CopyPass(Parts parts);

    // Copies every entry of files, or those before a stop request. An entry whose fits is
    // false is not copied, for want of space (noSpace says where and how much).
    void run(const FileList& files, const std::vector<bool>& fits = {},
             const std::string& noSpace = {});
    // The place of each entry of the files run() gets, by index, where a job's patterns
    // give them; without, each file goes to its designed place.
    void placeBy(std::vector<FilePlace> places) { places_ = std::move(places); }
    // Starts from the destinations' records as read for the plan, not to read them again.
    void readRecordsFrom(RunRecords&& histories) { records_ = std::move(histories); }

  private:
    // The destination folder of f below root, each level asked for in order (again: once
    // more, after a copy found a folder gone), logged when log is not null.
    DestinationFolder makeFolders(const FileFields& f, const std::string& root, ImportLog* log,
                                  bool again = false);
    // The copies of f: below its group's root, logged, and below the backup root.
    std::vector<CopyBatch::Copy> makeCopies(const FileFields& f);
    // Stages every copy of f from one read of the source (again: after its group's folders
    // were made once more).
    SourceRead stage(const FileFields& f, std::vector<CopyBatch::Copy>& copies, bool again = false);
    // For a file a camera sends: AlreadyThere at every copy, without a transfer, when each
    // destination's record lists the file under its name with the camera's size and time and
    // with the hash of the bytes the destination holds now; nothing otherwise.
    std::optional<SourceRead> recordedThere(const FileFields& f,
                                            std::vector<CopyBatch::Copy>& copies);
    void commit(CopyBatch& batch);
    // Commits the full batch before the one being filled, once it is prepared.
    void commitWriting();
    // Keeps what the hash record of copy's destination root says of item.
    void record(const CopyBatch::Item& item, const CopyBatch::Copy& copy);
    // Adds this run's generation to the hash record of every destination root that is still
    // the folder the run opened.
    void writeRecords();
    // Before the verdict: every copy counted safe at a root that was unmounted or replaced
    // meanwhile fails after all.
    void revokeGone();
    // The words for a different file under a copy's name, where its record tells more.
    void explainNameTaken(const CopyBatch::Item& item, CopyBatch::Copy& copy);
    bool stopRequested() const { return parts_.stop != nullptr && parts_.stop->requested(); }

    // The folders f goes to below a root, and its name there.
    std::vector<std::string_view> levelsOf(const FileFields& f) const;
    const std::string& nameOf(const FileFields& f) const;

    Parts parts_;
    std::vector<FilePlace> places_;
    const FilePlace* place_ = nullptr; // of the entry in hand, when it has one
    // The files being copied, and the full batch before them: it is committed only when
    // this one is full too, so the disk writes one batch out while the next is copied.
    CopyBatch filling_;
    CopyBatch writing_;
    std::future<void> preparing_; // of writing_
    std::int64_t bytesDone_ = 0;
    bool warnedNoSafePublish_ = false;
    RunRecords records_;
    Sidecars sidecars_;
    // A copy counted safe, until the run has checked that its root is still there.
    struct SafeCopy {
        std::string root;
        std::string source;
        std::string destPath;
        Outcome outcome;
        bool atBackup;
    };
    std::vector<SafeCopy> safeCopies_;
    // Folders whose flush failed, by path: a name below them may vanish in a crash, so no
    // copy made below them later in the run is safe either.
    std::map<std::string, int> unflushed_;
};

} // namespace kestrel
