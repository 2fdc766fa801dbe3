#pragma once

#include "devices/MountTable.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QSettings;
class QWidget;

namespace kestrel {

class BrowseWindow;

// The grids open on cards and folders, at most one per folder, each marked by the options
// stored in the preferences.
class BrowseWindows : public QObject {
    Q_OBJECT
  public:
    // The grids are windows of owner.
    BrowseWindows(QSettings& preferences, QWidget* owner);

    // Opens the folder (or with device, the camera whose files are named path + their camera
    // path) as a grid of its photos and clips, or raises the grid already open.
    BrowseWindow* open(const QString& path, bool device = false);
    // Whether a grid of root is open.
    bool isOpen(const QString& root) const;
    // Marks the open grids again when the options they were marked by have changed.
    void refresh();
    // Marks the grids of the folder root again, as an import has changed what they show.
    void refreshRoot(const QString& root);
    // The cards mounted now: a grid of a card no longer among them is not read any more.
    void cardsChanged(const QList<Card>& cards);

  signals:
    // A grid asks to import its chosen files (full paths) of the folder or camera root.
    void importRequested(const QString& root, const QStringList& paths, bool device);

  private:
    QSettings& preferences_;
    QWidget* owner_;
    QList<QPointer<BrowseWindow>> windows_;
    QList<Card> shownCards_;
};

} // namespace kestrel
