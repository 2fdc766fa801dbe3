#include "window/imgViewDragger.h"

#include "window/ViewController.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

#include <optional>

namespace kestrel {

namespace {

// The first dropped item that lives on this machine, as a path without a trailing "/".
std::optional<QString> firstLocalPath(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        QString path = url.toLocalFile();
        while (path.size() > 1 && path.endsWith(u'/'))
            path.chop(1);
        if (!path.isEmpty())
            return path;
    }
    return std::nullopt;
}

} // namespace

imgViewDragger::imgViewDragger(QWidget* parent) : QLabel(parent) {
    // The form creates this view; it must take file drops itself.
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setHighlighted(false);
}

void imgViewDragger::setMainViewController(ViewController* controller) {
    mainViewController_ = controller;
}

Qt::DropAction imgViewDragger::draggingEntered(const QMimeData* data,
                                               Qt::DropActions sourceActions) {
    if (firstLocalPath(data) && sourceActions.testFlag(Qt::CopyAction))
        return Qt::CopyAction;
    return Qt::IgnoreAction;
}

bool imgViewDragger::performDragOperation(const QMimeData* data) {
    const std::optional<QString> path = firstLocalPath(data);
    if (!path || !acceptDrops())
        return false;
    emit folderDropped(*path);
    return true;
}

void imgViewDragger::dragEnterEvent(QDragEnterEvent* event) {
    const Qt::DropAction action = draggingEntered(event->mimeData(), event->possibleActions());
    if (action == Qt::IgnoreAction || !acceptDrops()) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
    setHighlighted(true);
}

void imgViewDragger::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void imgViewDragger::dragLeaveEvent(QDragLeaveEvent* event) {
    setHighlighted(false);
    event->accept();
}

void imgViewDragger::dropEvent(QDropEvent* event) {
    setHighlighted(false);
    const bool dropped = performDragOperation(event->mimeData());
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(dropped);
}

void imgViewDragger::setHighlighted(bool on) {
    setBackgroundRole(on ? QPalette::Highlight : QPalette::Base);
    setForegroundRole(on ? QPalette::HighlightedText : QPalette::WindowText);
}

} // namespace kestrel
