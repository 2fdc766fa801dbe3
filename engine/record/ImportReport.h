#pragma once

#include "record/RunSummary.h"

#include <string>
#include <string_view>

namespace kestrel {

// The report one run leaves in $XDG_STATE_HOME/kestrel/reports/ (~/.local/state/… by
// default): a tab-separated text file named by the run's start time, with one line per
// matched file and a closing summary. Lines are written out batch by batch, so a killed run
// still leaves the lines of what it did. The last 100 reports are kept. A report that cannot
// be written whole is removed and says why, never passed off as written.
//
//   # kestrel import report
//   # source<TAB>/media/CARD
//   OUTCOME<TAB>SOURCE<TAB>DESTINATION<TAB>REASON
//   # summary<TAB>matched=12<TAB>copied=10<TAB>already-there=1<TAB>not-copied=1<TAB>…
//
// OUTCOME is one word (copied, already-there, name-taken, …; note for a sidecar left alone).
// In the paths and the reason a backslash, a tab, a control character or a byte that is not
// part of valid UTF-8 is written as \ooo (three octal digits), and a backslash as \\; nothing
// else is changed.
class ImportReport {
  public:
    ImportReport() = default;
    ~ImportReport();
    ImportReport(const ImportReport&) = delete;
    ImportReport& operator=(const ImportReport&) = delete;

    // Starts the report of a run of source. False, with problem() saying why, when it
    // cannot be written; the run goes on without it.
    bool open(const std::string& source);
    // One matched file (or an unreadable item) and what became of it.
    void add(const std::string& source, const CopyOutcome& outcome);
    // "note<TAB>SOURCE<TAB>PATH<TAB>TEXT": something at path, beside the copy of source, that
    // the run left as it was; it counts for nothing in the summary.
    void note(const std::string& source, const std::string& path, const std::string& text);
    // Writes out the lines added so far.
    void flush();
    // Writes the summary, flushes the file to disk, closes it and removes the oldest reports
    // beyond 100 (never this one).
    void finish(const RunSummary& summary);

    // The report's file; empty when there is none, or it could not be written whole.
    const std::string& path() const { return path_; }
    // Why there is no report: "the report could not be written: No space left on device".
    const std::string& problem() const { return problem_; }

  private:
    void fail(int error);

    int fd_ = -1;
    std::string pending_;
    std::string path_;
    std::string problem_;
};

// The folder reports are written to.
std::string reportsFolder();

// field with the report's escapes applied.
std::string reportField(std::string_view field);

} // namespace kestrel
