#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QHBoxLayout;
class QLabel;
class QToolButton;

namespace kestrel {

// Shows a folder as a row of clickable path components ("/ › home › me › Pictures"), with a
// "Choose…" button that reaches any folder. Clicking a component, or choosing a folder,
// sends action(); while it runs, clickedPath() says which folder was picked.
class PathControl : public QFrame {
    Q_OBJECT
  public:
    explicit PathControl(QWidget* parent = nullptr);

    // Shows path, taken relative to the current folder when it is not absolute.
    void setPath(const QString& path);
    // Shows no folder, only text (greyed) and Choose…; path() is then empty.
    void showNone(const QString& text);
    // The absolute folder shown.
    QString path() const { return path_; }

    // The folder of each shown component, from the root down; the last one is path().
    QStringList componentPaths() const;

    // During action(): the folder the user picked. Nothing at any other time.
    std::optional<QString> clickedPath() const { return clicked_; }

    // Picks the component at index of componentPaths(), as a click on it does.
    void clickComponent(int index);
    // Picks folder, as choosing it in the folder dialog does.
    void selectFolder(const QString& folder);

  signals:
    // The user picked a folder; sender is this control.
    void action(kestrel::PathControl* sender);

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void rebuild();
    void chooseFolder();
    QToolButton* crumbButton(std::size_t index);
    QLabel* separator(std::size_t index);

    QString path_;
    std::optional<QString> clicked_;
    QHBoxLayout* crumbs_;
    QToolButton* more_;
    QToolButton* choose_;
    QLabel* none_;
    // Reused, never deleted while shown: a click may rebuild the row from inside that
    // button's own signal.
    std::vector<QToolButton*> buttons_;
    std::vector<QLabel*> separators_;
};

} // namespace kestrel
