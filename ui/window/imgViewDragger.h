#pragma once

#include <QLabel>
#include <QPointer>

class QMimeData;

namespace kestrel {

class ViewController;

// The window's image well: a folder dropped on it (typically a memory card) is reported
// with folderDropped; its ViewController decides what to do with it.
class imgViewDragger : public QLabel {
    Q_OBJECT
  public:
    explicit imgViewDragger(QWidget* parent = nullptr);

    // The controller that imports what is dropped here.
    ViewController* mainViewController() const { return mainViewController_; }
    void setMainViewController(ViewController* controller);

    // The entry decision: CopyAction when data offers local files or folders and the
    // source allows copying, IgnoreAction otherwise.
    static Qt::DropAction draggingEntered(const QMimeData* data, Qt::DropActions sourceActions);

    // The drop: reports the first local path of data. Does nothing and returns false when
    // data carries no local path or the well takes no drops now.
    bool performDragOperation(const QMimeData* data);

  signals:
    void folderDropped(const QString& path);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void setHighlighted(bool on);

    QPointer<ViewController> mainViewController_;
};

} // namespace kestrel
