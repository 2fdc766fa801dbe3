#include "record/Verdict.h"

#include "base/ShownText.h"

#include <QCoreApplication>

#include <utility>

namespace kestrel {

namespace {

// What a run's verdict rests on; each case has one whole sentence for a card and one for a
// device, so that every language can word each of them.
enum Case { Refused, Stopped, Only, Backup, NothingPicked, Verified, Copied, Cases };

// The case of summary, and the number its sentence counts (none: -1).
std::pair<Case, int> caseOf(const RunSummary& summary) {
    const int left = summary.stillOnCard();
    // Files at their group's destination but not at the backup have one copy, not none.
    const int onlyOnSource = left - summary.notSafeAtBackup;
    if (!summary.refused.empty())
        return {Refused, -1};
    if (summary.stopped)
        return {Stopped, left};
    if (onlyOnSource > 0)
        return {Only, onlyOnSource};
    if (left > 0)
        return {Backup, left};
    if (summary.matched == 0)
        return {NothingPicked, -1};
    return {summary.verified ? Verified : Copied, summary.destinations};
}

constexpr const char* kCard[Cases] = {
    QT_TRANSLATE_NOOP("Verdict", "Nothing was copied: %1. Do not format the card."),
    QT_TRANSLATE_N_NOOP("Verdict", "Do not format the card yet: the import was stopped and %Ln "
                                   "files are only on the card."),
    QT_TRANSLATE_N_NOOP("Verdict", "Do not format the card yet: %Ln files are only on the card."),
    QT_TRANSLATE_N_NOOP("Verdict", "Do not format the card yet: %Ln files are not safe at the "
                                   "backup."),
    QT_TRANSLATE_NOOP("Verdict", "No photo or clip was picked here, so nothing was copied."),
    QT_TRANSLATE_N_NOOP("Verdict", "The card may be formatted: every photo and clip is verified "
                                   "at %Ln destinations."),
    QT_TRANSLATE_N_NOOP("Verdict", "The card may be formatted: every photo and clip is copied "
                                   "(not read back) to %Ln destinations."),
};

// A camera or phone is not formatted but cleared: libgphoto2 does not say reliably which of
// the two it is, so the sentences name both.
constexpr const char* kDevice[Cases] = {
    QT_TRANSLATE_NOOP("Verdict",
                      "Nothing was copied: %1. Do not delete anything from the camera or phone."),
    QT_TRANSLATE_N_NOOP("Verdict", "Do not delete anything from the camera or phone yet: the "
                                   "import was stopped and %Ln files are only on it."),
    QT_TRANSLATE_N_NOOP("Verdict", "Do not delete anything from the camera or phone yet: %Ln "
                                   "files are only on it."),
    QT_TRANSLATE_N_NOOP("Verdict", "Do not delete anything from the camera or phone yet: %Ln "
                                   "files are not safe at the backup."),
    QT_TRANSLATE_NOOP("Verdict", "No photo or clip was picked here, so nothing was copied."),
    QT_TRANSLATE_N_NOOP("Verdict", "Every photo and clip on the camera or phone is verified at "
                                   "%Ln destinations: they may be deleted from the camera or "
                                   "phone."),
    QT_TRANSLATE_N_NOOP("Verdict", "Every photo and clip on the camera or phone is copied (not "
                                   "read back) to %Ln destinations: they may be deleted from the "
                                   "camera or phone."),
};

} // namespace

QString verdictSentence(const RunSummary& summary) {
    const auto [which, count] = caseOf(summary);
    const char* const text = (summary.fromDevice ? kDevice : kCard)[which];
    if (which == Refused)
        return QCoreApplication::translate("Verdict", text).arg(shownText(summary.refused));
    return QCoreApplication::translate("Verdict", text, nullptr, count);
}

} // namespace kestrel
