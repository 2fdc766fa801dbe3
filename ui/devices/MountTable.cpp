#include "devices/MountTable.h"

#include <QFile>

namespace kestrel {

namespace {

// A field of mountinfo with its octal escapes ("\040" for a space) undone.
QString unescaped(const QByteArray& field) {
    const auto octal = [](char c) { return c >= '0' && c <= '7'; };
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) &&
            octal(field[i + 2]) && octal(field[i + 3])) {
            bytes += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                       (field[i + 3] - '0'));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

bool rightBelow(const QString& path, const QString& folder) {
    return path.size() > folder.size() && path.startsWith(folder) &&
           !path.sliced(folder.size()).contains(u'/');
}

} // namespace

QList<Card> cardsInMountTable(const QByteArray& mountInfo, const QString& user,
                              const HasDcim& hasDcim) {
    QList<Card> cards;
    for (const QByteArray& line : mountInfo.split('\n')) {
        // ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE OPTIONS
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-", 6);
        if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
            continue;
        const QString mountPoint = unescaped(fields[4]);
        const bool removable = rightBelow(mountPoint, QLatin1String("/media/") + user + u'/') ||
                               rightBelow(mountPoint, QLatin1String("/run/media/") + user + u'/') ||
                               rightBelow(mountPoint, QStringLiteral("/media/"));
        // Only device files: no pseudo or network file system is asked for its folders.
        if (!removable && !(fields[separator + 2].startsWith("/dev/") && hasDcim(mountPoint)))
            continue;
        const QString name = mountPoint.section(u'/', -1);
        const Card card{mountPoint, name.isEmpty() ? mountPoint : name};
        if (!cards.contains(card))
            cards.append(card);
    }
    return cards;
}

} // namespace kestrel
