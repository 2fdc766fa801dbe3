#include "window/VerdictText.h"

#include "base/ShownText.h"

#include "record/HashRecord.h"
#include "record/RunSummary.h"
#include "record/Verdict.h"

#include <QLocale>

#include <algorithm>
#include <climits>

namespace kestrel {

namespace {

// Counts in the texts: %Ln, the reader's digit groups and plural forms.
int count(std::size_t n) {
    return static_cast<int>(std::min<std::size_t>(n, INT_MAX));
}

// Every recorded file the check looked at.
std::size_t checkedCount(const VerifyResult& result) {
    return static_cast<std::size_t>(result.matched) + result.changed.size() +
           result.missing.size() + result.unreadable.size() + result.unchecked.size();
}

// "2 files at DEST changed and 1 is missing since they were recorded." and the rest found.
QString problemsSentence(const VerifyResult& result, const QString& root) {
    const int changed = count(result.changed.size());
    const int missing = count(result.missing.size());
    QString text;
    if (changed > 0)
        text = VerdictText::tr("%Ln files at %1 changed", nullptr, changed).arg(root);
    if (changed > 0 && missing > 0)
        text += VerdictText::tr(" and %Ln are missing", nullptr, missing);
    else if (missing > 0)
        text = VerdictText::tr("%Ln files at %1 are missing", nullptr, missing).arg(root);
    if (changed + missing > 0)
        text += VerdictText::tr(" since they were recorded. ", nullptr, changed + missing);
    if (!result.unreadable.empty())
        text +=
            VerdictText::tr("%Ln could not be read. ", nullptr, count(result.unreadable.size()));
    if (!result.unchecked.empty())
        text += VerdictText::tr("%Ln are recorded without an XXH3-128 hash and were not checked. ",
                                nullptr, count(result.unchecked.size()));
    return text + VerdictText::tr("The list below names them.");
}

} // namespace

QString VerdictText::ofImport(const RunSummary& summary) {
    QString verdict = summary.selection ? ofSelection(summary) : verdictSentence(summary);
    if (!summary.selection && summary.stillOnCard() > 0)
        verdict += u' ' + tr("The list below says why.");
    for (const std::string& problem : summary.recordProblems)
        verdict += u'\n' + tr("The hash record is missing: %1.").arg(shownText(problem));
    if (!summary.reportProblem.empty())
        verdict += u'\n' + shownText(summary.reportProblem) + u'.';
    return verdict;
}

QString VerdictText::ofSelection(const RunSummary& summary) {
    const int chosen = summary.matched;
    const int notThere = summary.notCopied + summary.notSafeAtBackup;
    const QString chosenCount = QLocale().toString(chosen);
    // A camera or phone is cleared, not formatted: each sentence in the words that fit it.
    const bool device = summary.fromDevice;
    QString verdict;
    if (summary.stopped)
        verdict = (device ? tr("The import was stopped: %Ln of the %1 selected files are still "
                               "only on the camera or phone.",
                               nullptr, notThere)
                          : tr("The import was stopped: %Ln of the %1 selected files are still "
                               "only on the card.",
                               nullptr, notThere))
                      .arg(chosenCount);
    else if (notThere > 0)
        verdict = tr("%Ln of the %1 selected files are not at their destination; the list below "
                     "says why.",
                     nullptr, notThere)
                      .arg(chosenCount);
    else
        verdict = summary.verified
                      ? tr("The %Ln selected files are verified at their destination.", nullptr,
                           chosen)
                      : tr("The %Ln selected files are copied (not read back).", nullptr, chosen);
    // Then, apart, what the selection left on the card.
    const int others = summary.leftOnCard + summary.unreadable;
    if (const int n = summary.unselectedNew; n > 0)
        verdict += u' ' + (device ? tr("%Ln new files were not selected and are still only on "
                                       "the camera or phone.",
                                       nullptr, n)
                                  : tr("%Ln new files were not selected and are still only on "
                                       "the card.",
                                       nullptr, n));
    if (const int n = summary.unselectedGone; n > 0)
        verdict += u' ' + (device ? tr("%Ln files not selected were imported before but are no "
                                       "longer at their destination, so they are only on the "
                                       "camera or phone.",
                                       nullptr, n)
                                  : tr("%Ln files not selected were imported before but are no "
                                       "longer at their destination, so they are only on the "
                                       "card.",
                                       nullptr, n));
    if (others > 0)
        verdict +=
            u' ' + (device ? tr("%Ln other files on the camera or phone were not imported.",
                                nullptr, others)
                           : tr("%Ln other files on the card were not imported.", nullptr, others));
    if (summary.allSafe() && summary.unselectedSafe > 0)
        verdict += u' ' + (device ? tr("The files not selected were imported before: they may be "
                                       "deleted from the camera or phone.")
                                  : tr("The files not selected were imported before: the card may "
                                       "be formatted."));
    else if (summary.allSafe())
        verdict += u' ' + (device ? tr("They may be deleted from the camera or phone.")
                                  : tr("The card may be formatted."));
    else
        verdict += u' ' + (device ? tr("Do not delete anything from the camera or phone yet.")
                                  : tr("Do not format the card yet."));
    return verdict;
}

QString VerdictText::checkedLine(const VerifyResult& result, const QString& root) {
    return tr("Checked %Ln recorded files at %1.", nullptr, count(checkedCount(result))).arg(root);
}

QString VerdictText::ofVerify(const VerifyResult& result, const QString& root) {
    const std::size_t checked = checkedCount(result);
    QString verdict;
    if (!result.error.empty())
        verdict = shownText(result.error);
    else if (result.stopped)
        verdict = tr("The check of %1 was stopped before every file was read.").arg(root);
    else if (checked == static_cast<std::size_t>(result.matched))
        verdict = tr("All %Ln recorded files at %1 match their record.", nullptr, count(checked))
                      .arg(root);
    else
        verdict = problemsSentence(result, root);
    if (!result.unrecorded.empty())
        verdict += u' ' + tr("%Ln files there are not in the record.", nullptr,
                             count(result.unrecorded.size()));
    return verdict;
}

} // namespace kestrel
