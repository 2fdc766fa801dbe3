#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace kestrel {

// A mounted memory card, or any mounted disk that looks like one.
struct Card {
    QString mountPoint;
    // The last component of the mount point: the volume's label for a desktop's automounts.
    QString name;

    bool operator==(const Card&) const = default;
};

// Whether the folder at mountPoint holds a DCIM folder at its top, as every camera writes.
using HasDcim = std::function<bool(const QString& mountPoint)>;

// The cards in mountInfo, the text of /proc/self/mountinfo, in its order: every mount right
// below /media/<user>/, /run/media/<user>/ or /media/ (where desktops and automounters put
// removable disks), and every other mount of a device file (/dev/...) with a DCIM folder.
// A mount point mounted over again is listed once.
QList<Card> cardsInMountTable(const QByteArray& mountInfo, const QString& user,
                              const HasDcim& hasDcim);

} // namespace kestrel
