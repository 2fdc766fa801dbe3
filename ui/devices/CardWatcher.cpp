#include "devices/CardWatcher.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>

namespace kestrel {

namespace {

QString userName() {
    if (const passwd* entry = ::getpwuid(::getuid()))
        return QFile::decodeName(entry->pw_name);
    return qEnvironmentVariable("USER");
}

bool hasDcimFolder(const QString& mountPoint) {
    return QFileInfo(mountPoint + QStringLiteral("/DCIM")).isDir();
}

} // namespace

CardWatcher::CardWatcher(QObject* parent)
    : QObject(parent), fd_(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC)),
      user_(userName()) {
    if (fd_ < 0)
        return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CardWatcher::reread);
    reread();
}

CardWatcher::~CardWatcher() {
    delete notifier_;
    if (fd_ >= 0)
        ::close(fd_);
}

void CardWatcher::reread() {
    // The poll that saw the change has taken it in; the table is read anew from its start.
    QByteArray table;
    if (::lseek(fd_, 0, SEEK_SET) != 0)
        return;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return;
        if (n == 0)
            break;
        table.append(buffer, n);
    }
    QList<Card> cards = cardsInMountTable(table, user_, hasDcimFolder);
    if (cards == cards_)
        return;
    cards_ = std::move(cards);
    emit cardsChanged(cards_);
}

} // namespace kestrel
