#include "record/RunSummary.h"

#include "device/Device.h"

#include "base/ShownText.h"

#include <QCoreApplication>

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
    // Shown, never logged: in the user's language, and English byte for byte without one (%n:
    // English counts without digit groups; a translation writes %Ln for its own).
    const auto say = [](const char* text, int n = -1) {
        return QCoreApplication::translate("Finished", text, nullptr, n);
    };
    if (!summary.refused.empty())
        return say(QT_TRANSLATE_NOOP("Finished", "nothing was copied: %1."))
            .arg(shownText(summary.refused))
            .toStdString();
    QString message;
    if (summary.stopped) {
        message =
            say(QT_TRANSLATE_N_NOOP("Finished", "copying of %n files stopped:"), summary.matched) +
            say(QT_TRANSLATE_N_NOOP("Finished", " %n done,"), summary.done()) +
            say(QT_TRANSLATE_N_NOOP("Finished", " %n left."), summary.matched - summary.done());
    } else {
        message =
            say(QT_TRANSLATE_N_NOOP("Finished", "copying of %n files finished."), summary.matched);
        if (summary.alreadyThere != 0)
            message +=
                say(QT_TRANSLATE_N_NOOP("Finished", " %n already there."), summary.alreadyThere);
        if (summary.notCopied != 0)
            message += say(QT_TRANSLATE_N_NOOP("Finished", " %n not copied."), summary.notCopied);
    }
    if (summary.unreadable != 0)
        message +=
            say(QT_TRANSLATE_N_NOOP("Finished", " %n could not be read."), summary.unreadable);
    if (summary.leftOnCard != 0)
        message +=
            say(QT_TRANSLATE_N_NOOP("Finished", " %n other photos or clips were not imported."),
                summary.leftOnCard);
    if (summary.unselectedNew != 0)
        message += say(QT_TRANSLATE_N_NOOP("Finished", " %n new files were not selected."),
                       summary.unselectedNew);
    if (summary.unselectedGone != 0)
        message +=
            say(QT_TRANSLATE_N_NOOP(
                    "Finished", " %n files not selected were imported before but are no longer at "
                                "their destination."),
                summary.unselectedGone);
    if (summary.notSafeAtBackup != 0)
        message += say(QT_TRANSLATE_N_NOOP("Finished", " %n not safe at the backup."),
                       summary.notSafeAtBackup);
    if (summary.copiedAgain != 0)
        message += say(QT_TRANSLATE_N_NOOP(
                           "Finished", " %n copies read back differently and were copied again."),
                       summary.copiedAgain);
    if (summary.byCaptureDate && summary.datedByFileTimes != 0)
        message +=
            say(QT_TRANSLATE_N_NOOP("Finished",
                                    " %n had no capture date and were dated by their file times."),
                summary.datedByFileTimes);
    return message.toStdString();
}

} // namespace kestrel
