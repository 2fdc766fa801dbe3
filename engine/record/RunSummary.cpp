#include "record/RunSummary.h"

#include "device/Device.h"

#include <algorithm>

namespace kestrel {

void RunSummary::add(const std::string& file, const CopyOutcome& outcome) {
    if (outcome.copied()) {
        ++copied;
        return;
    }
    ++(outcome.outcome == Outcome::AlreadyThere ? alreadyThere : notCopied);
    notCopiedNow.push_back(FileResult{file, outcome, false});
}

bool RunSummary::deviceHeld() const {
    return fromDevice &&
           std::any_of(notCopiedNow.cbegin(), notCopiedNow.cend(),
                       [](const auto& file) { return heldByAnotherProgram(file.outcome.detail); });
}

void RunSummary::addUnreadable(const std::string& path, const CopyOutcome& outcome) {
    ++unreadable;
    notCopiedNow.push_back(FileResult{path, outcome, false});
}

void RunSummary::addLeftOnCard(const std::string& path, const CopyOutcome& outcome) {
    ++leftOnCard;
    notCopiedNow.push_back(FileResult{path, outcome, false});
}

void RunSummary::addNotSelected(const std::string& path, const CopyOutcome& outcome,
                                bool importedBefore) {
    ++(importedBefore ? unselectedGone : unselectedNew);
    notCopiedNow.push_back(FileResult{path, outcome, false});
}

void RunSummary::addAtBackup(const std::string& file, const CopyOutcome& outcome) {
    if (outcome.safe())
        return;
    ++notSafeAtBackup;
    notCopiedNow.push_back(FileResult{file, outcome, true});
}

void RunSummary::revoke(const std::string& file, Outcome was, const CopyOutcome& now,
                        bool atBackup) {
    if (atBackup) {
        ++notSafeAtBackup;
    } else {
        --(was == Outcome::Copied ? copied : alreadyThere);
        ++notCopied;
    }
    // A file found already there is listed as such: that line now says what became of it.
    if (was == Outcome::AlreadyThere)
        for (auto it = notCopiedNow.rbegin(); it != notCopiedNow.rend(); ++it)
            if (it->source == file && it->atBackup == atBackup &&
                it->outcome.outcome == Outcome::AlreadyThere) {
                it->outcome = now;
                return;
            }
    notCopiedNow.push_back(FileResult{file, now, atBackup});
}

std::string finishedMessage(const RunSummary& summary) {
    const auto count = [](std::int32_t n) { return std::to_string(n); };
    if (!summary.refused.empty())
        return "nothing was copied: " + summary.refused + ".";
    std::string message = "copying of " + count(summary.matched) + " files ";
    if (summary.stopped) {
        message += "stopped: " + count(summary.done()) + " done, " +
                   count(summary.matched - summary.done()) + " left.";
    } else {
        message += "finished.";
        if (summary.alreadyThere != 0)
            message += " " + count(summary.alreadyThere) + " already there.";
        if (summary.notCopied != 0)
            message += " " + count(summary.notCopied) + " not copied.";
    }
    if (summary.unreadable != 0)
        message += " " + count(summary.unreadable) + " could not be read.";
    if (summary.leftOnCard == 1)
        message += " 1 other photo or clip was not imported.";
    else if (summary.leftOnCard != 0)
        message += " " + count(summary.leftOnCard) + " other photos or clips were not imported.";
    if (summary.unselectedNew == 1)
        message += " 1 new file was not selected.";
    else if (summary.unselectedNew != 0)
        message += " " + count(summary.unselectedNew) + " new files were not selected.";
    if (summary.unselectedGone == 1)
        message += " 1 file not selected was imported before but is no longer at its destination.";
    else if (summary.unselectedGone != 0)
        message += " " + count(summary.unselectedGone) +
                   " files not selected were imported before but are no longer at their "
                   "destination.";
    if (summary.notSafeAtBackup != 0)
        message += " " + count(summary.notSafeAtBackup) + " not safe at the backup.";
    if (summary.copiedAgain == 1)
        message += " 1 copy read back differently and was copied again.";
    else if (summary.copiedAgain != 0)
        message += " " + count(summary.copiedAgain) +
                   " copies read back differently and were copied again.";
    if (summary.byCaptureDate && summary.datedByFileTimes != 0)
        message += " " + count(summary.datedByFileTimes) +
                   " had no capture date and were dated by their file times.";
    return message;
}

} // namespace kestrel
