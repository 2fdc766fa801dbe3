#pragma once

#include <QTreeView>

#include <functional>
#include <vector>

class QUrl;

namespace kestrel {

// The report under the status line: the files of a ReportModel in groups under their
// reason, names and paths elided in the middle, the columns fitted to the window. A
// double-click on a file opens its folder; Ctrl+C and the context menu copy rows as text.
class ReportView : public QTreeView {
    Q_OBJECT
  public:
    explicit ReportView(QWidget* parent = nullptr);

    // Shows the report when it has rows, with every group open and its heading across the
    // whole width, and fits the columns; hides it when it is empty. Call after each fill.
    void showReport();
    // Sizes each column to its contents; when they do not all fit, the first two (the file
    // and what happened) keep up to a third of the width each and the others share the
    // rest. Until a column is resized by hand, a resize of the view fits them again.
    void fitColumns();

    // The selected rows (every row when none is), one tab-separated line each: a group's
    // heading, then its files. A selected heading brings all its files; a selected file
    // brings its heading.
    QString selectedText() const;
    // Every row, as selectedText writes them.
    QString allText() const;
    // Put selectedText or allText on the clipboard.
    void copySelection();
    void copyAll();

    // Opens a folder in the file manager: QDesktopServices::openUrl unless a test puts
    // something else here.
    std::function<void(const QUrl& folder)> openUrl;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QString text(bool everything) const;
    void openFolderOf(const QModelIndex& index);
    void spreadColumns();

    // Each column's width with nothing elided, measured at the last fill.
    std::vector<int> wanted_;
    bool fitting_ = false;
    bool sizedByHand_ = false;
};

} // namespace kestrel
