#pragma once

#include "copy/CopyBatch.h"
#include "copy/DestinationFolders.h"
#include "record/ImportLog.h"
#include "record/ImportReport.h"
#include "run/ImportOptions.h"
#include "run/StatusSink.h"
#include "run/StopRequest.h"
#include "scan/FileEntry.h"

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

    // Copies every entry of files, or those before a stop request.
    void run(const FileList& files);

  private:
    // The destination folder of f, each level asked for in order (again: once more, after
    // a copy found a folder gone).
    DestinationFolder makeFolders(const FileFields& f, bool again = false);
    CopyOutcome stage(const FileFields& f, DestinationFolder& folder, StagedCopy& staged);
    void commit(CopyBatch& batch);
    bool stopRequested() const { return parts_.stop != nullptr && parts_.stop->requested(); }

    Parts parts_;
    // The files being copied, and the full batch before them: it is committed only when
    // this one is full too, so the disk writes one batch out while the next is copied.
    CopyBatch filling_;
    CopyBatch writing_;
    std::int64_t bytesDone_ = 0;
    bool warnedNoSafePublish_ = false;
};

} // namespace kestrel
