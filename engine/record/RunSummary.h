#pragma once

#include "record/CopyOutcome.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// One file (or an unreadable folder) that was not copied now: already at its destination,
// or left behind.
struct FileResult {
    std::string source; // full source path
    CopyOutcome outcome;
    bool atBackup = false; // the outcome of its copy at the backup destination
};

// What one import run did, for the final message, the verdict and the report. The counts
// add up: copied + alreadyThere + notCopied == matched.
struct RunSummary {
    std::string source;               // the source folder as the run was given it
    bool fromDevice = false;          // the source is a camera or phone, not a card
    std::string refused;              // why nothing was copied at all, decided before the scan
    std::int32_t matched = 0;         // files counted by the scan (the N of "k of N")
    std::int32_t copied = 0;          // copied now
    std::int32_t alreadyThere = 0;    // the same bytes were at the destination already
    std::int32_t notCopied = 0;       // left behind, for any reason, stopped ones included
    std::int32_t unreadable = 0;      // folders and items below the source not read
    std::int32_t leftOnCard = 0;      // photos and clips the options do not import
    std::int32_t notSafeAtBackup = 0; // files not copied or already there at the backup
    std::int32_t copiedAgain = 0;     // copies read back wrong once, then copied again
    int destinations = 1;             // where every file goes: its group's, and a backup
    bool verified = false;            // every copy was read back from the disk
    std::vector<std::string> recordProblems; // hash records that could not be written
    std::int32_t datedByFileTimes = 0;       // with capture dates on: files that had none
    bool byCaptureDate = false;              // the run dated files by their metadata where it could
    bool stopped = false;                    // a stop request ended the run early
    int stopSignal = 0;                      // the signal that stopped it, or 0
    std::string reportPath;                  // the run's report file, empty when none was written
    std::string reportProblem;               // why no report could be written
    // Every file not copied now, in run order, unreadable folders included.
    std::vector<FileResult> notCopiedNow;

    // Of a run that imported a selection of the picked files (matched counts only those).
    bool selection = false;
    std::int32_t unselectedNew = 0; // picked files not selected and not imported before
    // Not selected, and recorded as imported before, but not at every destination now (moved,
    // renamed or culled there): no copy of them is proven, so they count as on the card only.
    std::int32_t unselectedGone = 0;
    std::int32_t unselectedSafe = 0; // not selected, the same bytes at every destination

    // Counts one matched file's outcome.
    void add(const std::string& file, const CopyOutcome& outcome);
    // Counts a folder or item below the source that could not be read.
    void addUnreadable(const std::string& path, const CopyOutcome& outcome);
    // Counts a photo or clip that the run does not import (another format, a group off).
    void addLeftOnCard(const std::string& path, const CopyOutcome& outcome);
    // Counts a picked file that was not selected and is not at its destination: one never
    // imported, or (importedBefore) one recorded there once.
    void addNotSelected(const std::string& path, const CopyOutcome& outcome, bool importedBefore);
    // Counts what became of one matched file's copy at the backup destination.
    void addAtBackup(const std::string& file, const CopyOutcome& outcome);
    // Takes back a copy counted safe (was: its outcome then) that turned out not to be: its
    // destination went away before the run ended.
    void revoke(const std::string& file, Outcome was, const CopyOutcome& now, bool atBackup);

    // Files done: copied or already there.
    std::int32_t done() const { return copied + alreadyThere; }
    // True when every matched file is safe at its destination and nothing was passed over:
    // the card may be formatted.
    bool allSafe() const {
        return refused.empty() && notCopied == 0 && unreadable == 0 && leftOnCard == 0 &&
               notSafeAtBackup == 0 && unselectedNew == 0 && unselectedGone == 0 && !stopped;
    }
    // True when the run could not open its camera or phone because another program holds it.
    bool deviceHeld() const;
    // Photos, clips and folders that are still only on the card, of those the run was given:
    // files left out of a selection are counted apart, in unselectedNew and unselectedGone.
    std::int32_t stillOnCard() const {
        return notCopied + unreadable + leftOnCard + notSafeAtBackup;
    }
};

// "copying of N files finished.", then " A already there.", " F not copied." and " U could
// not be read." where they are not 0; a stopped run says "copying of N files stopped: D
// done, L left." Then " O other photos or clips were not imported." where the options left
// some on the card, " S new files were not selected." where a selection left new files out,
// " G files not selected were imported before but are no longer at their destination." for
// the recorded ones it left out, and the file-times count when capture dates were on.
std::string finishedMessage(const RunSummary& summary);

} // namespace kestrel
