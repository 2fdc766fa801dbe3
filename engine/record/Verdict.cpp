#include "record/Verdict.h"

#include <QCoreApplication>

namespace kestrel {

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("Verdict", text);
}

// A camera or phone is not formatted but cleared: libgphoto2 does not say reliably which of
// the two it is, so the sentences name both.
QString deviceVerdict(const RunSummary& summary) {
    const int left = summary.stillOnCard();
    if (!summary.refused.empty())
        return tr("Nothing was copied: %1. Do not delete anything from the camera or phone.")
            .arg(QString::fromStdString(summary.refused));
    if (summary.stopped && left == 1)
        return tr("Do not delete anything from the camera or phone yet: the import was stopped "
                  "and 1 file is only on it.");
    if (summary.stopped)
        return tr("Do not delete anything from the camera or phone yet: the import was stopped "
                  "and %1 files are only on it.")
            .arg(left);
    const int onlyOnDevice = left - summary.notSafeAtBackup;
    if (onlyOnDevice == 1)
        return tr("Do not delete anything from the camera or phone yet: 1 file is only on it.");
    if (onlyOnDevice > 0)
        return tr("Do not delete anything from the camera or phone yet: %1 files are only on it.")
            .arg(onlyOnDevice);
    if (left == 1)
        return tr("Do not delete anything from the camera or phone yet: 1 file is not safe at the "
                  "backup.");
    if (left > 0)
        return tr("Do not delete anything from the camera or phone yet: %1 files are not safe at "
                  "the backup.")
            .arg(left);
    if (summary.matched == 0)
        return tr("No photo or clip was picked here, so nothing was copied.");
    if (summary.verified && summary.destinations > 1)
        return tr("Every photo and clip on the camera or phone is verified at %1 destinations: "
                  "they may be deleted from the camera or phone.")
            .arg(summary.destinations);
    if (summary.verified)
        return tr("Every photo and clip on the camera or phone is verified at its destination: "
                  "they may be deleted from the camera or phone.");
    if (summary.destinations > 1)
        return tr("Every photo and clip on the camera or phone is copied (not read back) to %1 "
                  "destinations: they may be deleted from the camera or phone.")
            .arg(summary.destinations);
    return tr("Every photo and clip on the camera or phone is copied (not read back) to its "
              "destination: they may be deleted from the camera or phone.");
}

} // namespace

QString verdictSentence(const RunSummary& summary) {
    if (summary.fromDevice)
        return deviceVerdict(summary);
    const int left = summary.stillOnCard();
    // Whole sentences for one and for many, so that every language can word both.
    if (!summary.refused.empty())
        return tr("Nothing was copied: %1. Do not format the card.")
            .arg(QString::fromStdString(summary.refused));
    if (summary.stopped && left == 1)
        return tr("Do not format the card yet: the import was stopped and 1 file is only on the "
                  "card.");
    if (summary.stopped)
        return tr("Do not format the card yet: the import was stopped and %1 files are only on "
                  "the card.")
            .arg(left);
    // Files at their group's destination but not at the backup have one copy, not none.
    const int onlyOnCard = left - summary.notSafeAtBackup;
    if (onlyOnCard == 1)
        return tr("Do not format the card yet: 1 file is only on the card.");
    if (onlyOnCard > 0)
        return tr("Do not format the card yet: %1 files are only on the card.").arg(onlyOnCard);
    if (left == 1)
        return tr("Do not format the card yet: 1 file is not safe at the backup.");
    if (left > 0)
        return tr("Do not format the card yet: %1 files are not safe at the backup.").arg(left);
    if (summary.matched == 0)
        return tr("No photo or clip was picked here, so nothing was copied.");
    if (summary.verified && summary.destinations > 1)
        return tr("The card may be formatted: every photo and clip is verified at %1 "
                  "destinations.")
            .arg(summary.destinations);
    if (summary.verified)
        return tr("The card may be formatted: every photo and clip is verified at its "
                  "destination.");
    if (summary.destinations > 1)
        return tr("The card may be formatted: every photo and clip is copied (not read back) to "
                  "%1 destinations.")
            .arg(summary.destinations);
    return tr("The card may be formatted: every photo and clip is copied (not read back) to its "
              "destination.");
}

} // namespace kestrel
