#include "record/Verdict.h"

#include <QCoreApplication>

#include <utility>

namespace kestrel {

namespace {

// What a run's verdict rests on; each case has one whole sentence for a card and one for a
// device, so that every language can word each of them.
enum Case {
    Refused,
    StoppedOne,
    Stopped,
    OnlyOne,
    Only,
    BackupOne,
    Backup,
    NothingPicked,
    VerifiedAtMany,
    Verified,
    CopiedToMany,
    Copied,
    Cases
};

// The case of summary, and the number its sentence names.
std::pair<Case, int> caseOf(const RunSummary& summary) {
    const int left = summary.stillOnCard();
    // Files at their group's destination but not at the backup have one copy, not none.
    const int onlyOnSource = left - summary.notSafeAtBackup;
    if (!summary.refused.empty())
        return {Refused, 0};
    if (summary.stopped)
        return {left == 1 ? StoppedOne : Stopped, left};
    if (onlyOnSource > 0)
        return {onlyOnSource == 1 ? OnlyOne : Only, onlyOnSource};
    if (left > 0)
        return {left == 1 ? BackupOne : Backup, left};
    if (summary.matched == 0)
        return {NothingPicked, 0};
    const bool many = summary.destinations > 1;
    if (summary.verified)
        return {many ? VerifiedAtMany : Verified, summary.destinations};
    return {many ? CopiedToMany : Copied, summary.destinations};
}

constexpr const char* kCard[Cases] = {
    QT_TRANSLATE_NOOP("Verdict", "Nothing was copied: %1. Do not format the card."),
    QT_TRANSLATE_NOOP("Verdict", "Do not format the card yet: the import was stopped and 1 file "
                                 "is only on the card."),
    QT_TRANSLATE_NOOP("Verdict", "Do not format the card yet: the import was stopped and %1 "
                                 "files are only on the card."),
    QT_TRANSLATE_NOOP("Verdict", "Do not format the card yet: 1 file is only on the card."),
    QT_TRANSLATE_NOOP("Verdict", "Do not format the card yet: %1 files are only on the card."),
    QT_TRANSLATE_NOOP("Verdict", "Do not format the card yet: 1 file is not safe at the backup."),
    QT_TRANSLATE_NOOP("Verdict", "Do not format the card yet: %1 files are not safe at the "
                                 "backup."),
    QT_TRANSLATE_NOOP("Verdict", "No photo or clip was picked here, so nothing was copied."),
    QT_TRANSLATE_NOOP("Verdict", "The card may be formatted: every photo and clip is verified at "
                                 "%1 destinations."),
    QT_TRANSLATE_NOOP("Verdict", "The card may be formatted: every photo and clip is verified at "
                                 "its destination."),
    QT_TRANSLATE_NOOP("Verdict", "The card may be formatted: every photo and clip is copied (not "
                                 "read back) to %1 destinations."),
    QT_TRANSLATE_NOOP("Verdict", "The card may be formatted: every photo and clip is copied (not "
                                 "read back) to its destination."),
};

// A camera or phone is not formatted but cleared: libgphoto2 does not say reliably which of
// the two it is, so the sentences name both.
constexpr const char* kDevice[Cases] = {
    QT_TRANSLATE_NOOP("Verdict",
                      "Nothing was copied: %1. Do not delete anything from the camera or phone."),
    QT_TRANSLATE_NOOP("Verdict", "Do not delete anything from the camera or phone yet: the "
                                 "import was stopped and 1 file is only on it."),
    QT_TRANSLATE_NOOP("Verdict", "Do not delete anything from the camera or phone yet: the "
                                 "import was stopped and %1 files are only on it."),
    QT_TRANSLATE_NOOP("Verdict",
                      "Do not delete anything from the camera or phone yet: 1 file is only on it."),
    QT_TRANSLATE_NOOP("Verdict", "Do not delete anything from the camera or phone yet: %1 files "
                                 "are only on it."),
    QT_TRANSLATE_NOOP("Verdict", "Do not delete anything from the camera or phone yet: 1 file is "
                                 "not safe at the backup."),
    QT_TRANSLATE_NOOP("Verdict", "Do not delete anything from the camera or phone yet: %1 files "
                                 "are not safe at the backup."),
    QT_TRANSLATE_NOOP("Verdict", "No photo or clip was picked here, so nothing was copied."),
    QT_TRANSLATE_NOOP("Verdict", "Every photo and clip on the camera or phone is verified at %1 "
                                 "destinations: they may be deleted from the camera or phone."),
    QT_TRANSLATE_NOOP("Verdict", "Every photo and clip on the camera or phone is verified at its "
                                 "destination: they may be deleted from the camera or phone."),
    QT_TRANSLATE_NOOP("Verdict", "Every photo and clip on the camera or phone is copied (not "
                                 "read back) to %1 destinations: they may be deleted from the "
                                 "camera or phone."),
    QT_TRANSLATE_NOOP("Verdict", "Every photo and clip on the camera or phone is copied (not "
                                 "read back) to its destination: they may be deleted from the "
                                 "camera or phone."),
};

} // namespace

QString verdictSentence(const RunSummary& summary) {
    const auto [which, count] = caseOf(summary);
    const QString text =
        QCoreApplication::translate("Verdict", (summary.fromDevice ? kDevice : kCard)[which]);
    if (which == Refused)
        return text.arg(QString::fromStdString(summary.refused));
    return text.contains(QLatin1String("%1")) ? text.arg(count) : text;
}

} // namespace kestrel
