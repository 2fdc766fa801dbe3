#include "window/VerdictText.h"

#include "base/ShownText.h"

#include "record/HashRecord.h"
#include "record/RunSummary.h"
#include "record/Verdict.h"

#include <QLocale>

namespace kestrel {

namespace {

// 1,234 as the reader writes it (1.234 in German); in the C locale, as English does.
QString number(std::size_t n) {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    return locale.toString(static_cast<qulonglong>(n));
}

// one or many, with %1 the count: whole sentences, as there is no translation to supply
// plural forms.
QString counted(std::size_t n, const QString& one, const QString& many) {
    return (n == 1 ? one : many).arg(number(n));
}

// Every recorded file the check looked at.
std::size_t checkedCount(const VerifyResult& result) {
    return static_cast<std::size_t>(result.matched) + result.changed.size() +
           result.missing.size() + result.unreadable.size() + result.unchecked.size();
}

// "2 files at DEST changed and 1 is missing since they were recorded." and the rest found.
QString problemsSentence(const VerifyResult& result, const QString& root) {
    const std::size_t changed = result.changed.size();
    const std::size_t missing = result.missing.size();
    QString text;
    if (changed > 0)
        text = counted(changed, VerdictText::tr("%1 file at %2 changed"),
                       VerdictText::tr("%1 files at %2 changed"))
                   .arg(root);
    if (changed > 0 && missing > 0)
        text += counted(missing, VerdictText::tr(" and %1 is missing"),
                        VerdictText::tr(" and %1 are missing"));
    else if (missing > 0)
        text = counted(missing, VerdictText::tr("%1 file at %2 is missing"),
                       VerdictText::tr("%1 files at %2 are missing"))
                   .arg(root);
    if (changed + missing > 0)
        text += changed + missing == 1 ? VerdictText::tr(" since it was recorded. ")
                                       : VerdictText::tr(" since they were recorded. ");
    if (!result.unreadable.empty())
        text += VerdictText::tr("%1 could not be read. ").arg(number(result.unreadable.size()));
    if (!result.unchecked.empty())
        text += counted(result.unchecked.size(),
                        VerdictText::tr("%1 is recorded without an XXH3-128 hash and was "
                                        "not checked. "),
                        VerdictText::tr("%1 are recorded without an XXH3-128 hash and were "
                                        "not checked. "));
    return text + VerdictText::tr("The list below names them.");
}

} // namespace

// The one line a photographer needs after an import, and the files behind it.
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
    // A camera or phone is cleared, not formatted: each sentence in the words that fit it.
    const bool device = summary.fromDevice;
    QString verdict;
    if (summary.stopped)
        verdict = (device ? tr("The import was stopped: %1 of the %2 selected files are still only "
                               "on the camera or phone.")
                          : tr("The import was stopped: %1 of the %2 selected files are still only "
                               "on the card."))
                      .arg(notThere)
                      .arg(chosen);
    else if (notThere > 0)
        verdict = tr("%1 of the %2 selected files are not at their destination; the list below "
                     "says why.")
                      .arg(notThere)
                      .arg(chosen);
    else if (chosen == 1)
        verdict = summary.verified ? tr("The selected file is verified at its destination.")
                                   : tr("The selected file is copied (not read back).");
    else
        verdict = summary.verified
                      ? tr("The %1 selected files are verified at their destination.").arg(chosen)
                      : tr("The %1 selected files are copied (not read back).").arg(chosen);
    // Then, apart, what the selection left on the card.
    const int others = summary.leftOnCard + summary.unreadable;
    if (summary.unselectedNew == 1)
        verdict +=
            u' ' + (device ? tr("1 new file was not selected and is still only on the "
                                "camera or phone.")
                           : tr("1 new file was not selected and is still only on the card."));
    else if (summary.unselectedNew > 1)
        verdict += u' ' + (device ? tr("%1 new files were not selected and are still only on the "
                                       "camera or phone.")
                                  : tr("%1 new files were not selected and are still only on the "
                                       "card."))
                              .arg(summary.unselectedNew);
    if (summary.unselectedGone == 1)
        verdict += u' ' + (device ? tr("1 file not selected was imported before but is no longer "
                                       "at its destination, so it is only on the camera or phone.")
                                  : tr("1 file not selected was imported before but is no longer "
                                       "at its destination, so it is only on the card."));
    else if (summary.unselectedGone > 1)
        verdict += u' ' + (device ? tr("%1 files not selected were imported before but are no "
                                       "longer at their destination, so they are only on the "
                                       "camera or phone.")
                                  : tr("%1 files not selected were imported before but are no "
                                       "longer at their destination, so they are only on the "
                                       "card."))
                              .arg(summary.unselectedGone);
    if (others > 0)
        verdict += u' ' + (device ? tr("%1 other files on the camera or phone were not imported.")
                                  : tr("%1 other files on the card were not imported."))
                              .arg(others);
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
    return counted(checkedCount(result), tr("Checked %1 recorded file at %2."),
                   tr("Checked %1 recorded files at %2."))
        .arg(root);
}

QString VerdictText::ofVerify(const VerifyResult& result, const QString& root) {
    const std::size_t checked = checkedCount(result);
    QString verdict;
    if (!result.error.empty())
        verdict = shownText(result.error);
    else if (result.stopped)
        verdict = tr("The check of %1 was stopped before every file was read.").arg(root);
    else if (checked == static_cast<std::size_t>(result.matched))
        verdict =
            checked == 1
                ? tr("The 1 recorded file at %1 matches its record.").arg(root)
                : tr("All %1 recorded files at %2 match their record.").arg(number(checked), root);
    else
        verdict = problemsSentence(result, root);
    if (!result.unrecorded.empty())
        verdict +=
            u' ' + counted(result.unrecorded.size(), tr("%1 file there is not in the record."),
                           tr("%1 files there are not in the record."));
    return verdict;
}

} // namespace kestrel
