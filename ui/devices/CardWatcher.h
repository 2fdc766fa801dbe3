#pragma once

#include "devices/MountTable.h"

#include <QList>
#include <QObject>

class QSocketNotifier;

namespace kestrel {

// Follows the memory cards as they are mounted and unmounted: the kernel marks
// /proc/self/mountinfo with an exceptional condition (POLLPRI) whenever its mount table
// changes, and the watcher then reads it again.
class CardWatcher : public QObject {
    Q_OBJECT
  public:
    explicit CardWatcher(QObject* parent = nullptr);
    ~CardWatcher() override;

    // The cards mounted now.
    QList<Card> cards() const { return cards_; }

  signals:
    // The cards, after a change of the mount table changed them.
    void cardsChanged(const QList<Card>& cards);

  private:
    void reread();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QString user_;
    QList<Card> cards_;
};

} // namespace kestrel
