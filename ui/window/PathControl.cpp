#include "window/PathControl.h"

#include <QDir>
#include <QFileDialog>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

namespace kestrel {

namespace {

// Leading components beyond this many go into the "…" menu, and long names are shortened,
// so that a deep folder or a long name never widens the window.
constexpr qsizetype kShownComponents = 3;
// The narrowest the control gets, whatever the path.
constexpr int kMinimumWidth = 220;
constexpr int kComponentWidth = 120;

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString componentName(const QString& folder) {
    if (folder == QStringLiteral("/"))
        return folder;
    return folder.mid(folder.lastIndexOf(u'/') + 1);
}

} // namespace

PathControl::PathControl(QWidget* parent)
    : QFrame(parent), crumbs_(new QHBoxLayout), more_(new QToolButton(this)),
      choose_(new QToolButton(this)), none_(new QLabel(this)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    crumbs_->setContentsMargins(0, 0, 0, 0);
    crumbs_->setSpacing(0);

    more_->setObjectName(QStringLiteral("pathMore"));
    more_->setText(QStringLiteral("…"));
    more_->setAutoRaise(true);
    more_->setPopupMode(QToolButton::InstantPopup);
    more_->setMenu(new QMenu(more_));
    more_->setToolTip(tr("Folders above"));
    more_->hide();

    none_->setObjectName(QStringLiteral("pathNone"));
    none_->setForegroundRole(QPalette::PlaceholderText);
    none_->hide();

    choose_->setObjectName(QStringLiteral("pathChoose"));
    choose_->setText(tr("Choose…"));
    choose_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    choose_->setToolTip(tr("Choose any folder"));
    connect(choose_, &QToolButton::clicked, this, &PathControl::chooseFolder);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(2);
    row->addWidget(more_);
    row->addLayout(crumbs_);
    row->addWidget(none_);
    row->addStretch(1);
    row->addWidget(choose_);
    // A long path must not make the window wider than a small screen: the path may be
    // cut at the right, and its last folder is still in the tool tip.
    row->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumWidth(kMinimumWidth);
    // A label's mnemonic lands on the button that reaches any folder; Tab goes through the
    // buttons themselves (a focus proxy would make it skip the path's folders).
    setFocusPolicy(Qt::ClickFocus);
}

void PathControl::focusInEvent(QFocusEvent* event) {
    choose_->setFocus(event->reason());
}

void PathControl::setPath(const QString& path) {
    // Like a file URL made from a path: a relative path lives below the current folder.
    path_ = withoutTrailingSlash(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    rebuild();
}

void PathControl::showNone(const QString& text) {
    path_.clear();
    none_->setText(text);
    rebuild();
}

QStringList PathControl::componentPaths() const {
    QStringList paths;
    if (path_.isEmpty())
        return paths;
    paths.append(QStringLiteral("/"));
    const QStringList names = path_.split(u'/', Qt::SkipEmptyParts);
    QString folder;
    for (const QString& name : names) {
        folder += u'/' + name;
        paths.append(folder);
    }
    return paths;
}

void PathControl::clickComponent(int index) {
    const QStringList paths = componentPaths();
    if (index < 0 || index >= paths.size())
        return;
    selectFolder(paths.at(index));
}

void PathControl::selectFolder(const QString& folder) {
    clicked_ = withoutTrailingSlash(folder);
    emit action(this);
    clicked_.reset();
}

void PathControl::chooseFolder() {
    const QString start = !path_.isEmpty() && QDir(path_).exists() ? path_ : QDir::homePath();
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Choose a destination folder"), start);
    if (!folder.isEmpty())
        selectFolder(folder);
}

QToolButton* PathControl::crumbButton(std::size_t index) {
    while (buttons_.size() <= index) {
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setObjectName(QStringLiteral("pathComponent"));
        buttons_.push_back(button);
    }
    return buttons_[index];
}

QLabel* PathControl::separator(std::size_t index) {
    while (separators_.size() <= index) {
        auto* label = new QLabel(QStringLiteral("›"), this);
        label->setForegroundRole(QPalette::PlaceholderText);
        separators_.push_back(label);
    }
    return separators_[index];
}

void PathControl::rebuild() {
    const QStringList paths = componentPaths();
    const qsizetype first = std::max<qsizetype>(0, paths.size() - kShownComponents);

    QMenu* menu = more_->menu();
    menu->clear();
    for (qsizetype i = first - 1; i >= 0; --i) {
        const int index = static_cast<int>(i);
        menu->addAction(componentName(paths.at(i)), this, [this, index] { clickComponent(index); });
    }
    more_->setVisible(first > 0);

    while (QLayoutItem* item = crumbs_->takeAt(0))
        delete item;
    for (QToolButton* button : buttons_)
        button->hide();
    for (QLabel* label : separators_)
        label->hide();

    std::size_t slot = 0;
    for (qsizetype i = first; i < paths.size(); ++i, ++slot) {
        if (slot > 0 || first > 0) {
            QLabel* label = separator(slot);
            crumbs_->addWidget(label);
            label->show();
        }
        QToolButton* button = crumbButton(slot);
        button->disconnect(this);
        const int index = static_cast<int>(i);
        connect(button, &QToolButton::clicked, this, [this, index] { clickComponent(index); });
        button->setText(
            fontMetrics().elidedText(componentName(paths.at(i)), Qt::ElideMiddle, kComponentWidth));
        button->setToolTip(paths.at(i));
        button->setIcon(i + 1 == paths.size() ? style()->standardIcon(QStyle::SP_DirIcon)
                                              : QIcon());
        crumbs_->addWidget(button);
        button->show();
        // Buttons made after start-up would otherwise come last in the window's Tab order.
        setTabOrder(slot == 0 ? more_ : buttons_[slot - 1], button);
    }
    none_->setVisible(path_.isEmpty());
    setToolTip(path_);
}

} // namespace kestrel
