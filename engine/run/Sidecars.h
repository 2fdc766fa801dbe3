#pragma once

#include "base/ContentHash.h"
#include "copy/DestinationFolders.h"
#include "record/ImportLog.h"
#include "record/ImportReport.h"
#include "run/ImportOptions.h"
#include "run/RunRecords.h"

#include <map>
#include <memory>
#include <set>
#include <string>

namespace kestrel {

// The XMP sidecars of one run: the photographer's metadata beside each copy that is safe, in
// a file of its own, so that the copy's bytes stay the card's. A file that already has a
// sidecar's name is never replaced: one with the same text is simply there, any other is
// left alone with a note in the log and the report. Sidecars go into the hash record of
// their root; they are not card files and count for nothing in the summary.
class Sidecars {
  public:
    Sidecars(const ImportOptions& options, ImportLog& log, ImportReport& report,
             RunRecords& records);

    // Gives the copy of source that is safe at destPath, in folder, its sidecar, unless the
    // run writes none or has dealt with that sidecar already (the JPG and the raw file of a
    // pair share one).
    void beside(const std::string& source, const DestinationFolder& folder,
                const std::string& destPath);
    // Flushes the entries of the folders that got a sidecar since the last call.
    void flush();

  private:
    // True when the file name in the folder open at dirFd is a sidecar with our very text.
    bool holdsText(int dirFd, const std::string& name) const;

    ImportLog& log_;
    ImportReport& report_;
    RunRecords& records_;
    bool wanted_ = false;
    bool withEnding_ = false;
    std::string text_;
    Digest128 digest_;
    std::string problem_;                                        // why the text cannot be made
    std::set<std::string> seen_;                                 // the sidecar paths dealt with
    std::map<std::string, std::shared_ptr<const Fd>> unflushed_; // folders, by path
};

} // namespace kestrel
