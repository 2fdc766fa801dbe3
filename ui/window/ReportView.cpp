#include "window/ReportView.h"

#include "window/ReportModel.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QUrl>

#include <algorithm>
#include <numeric>

namespace kestrel {

namespace {

// A row's cells joined by tabs, without the empty ones at its end.
QString rowText(const QModelIndex& first) {
    QStringList cells;
    for (int column = 0; column < first.model()->columnCount(first.parent()); ++column)
        cells.append(first.siblingAtColumn(column).data().toString());
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells.join(u'\t');
}

} // namespace

ReportView::ReportView(QWidget* parent) : QTreeView(parent) {
    setTextElideMode(Qt::ElideMiddle);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setStretchLastSection(true);
    connect(header(), &QHeaderView::sectionResized, this, [this](int column) {
        // The last column follows the width by itself: only another one is resized by hand.
        if (!fitting_ && column < header()->count() - 1)
            sizedByHand_ = true;
    });

    openUrl = [](const QUrl& folder) { QDesktopServices::openUrl(folder); };
    connect(this, &QAbstractItemView::doubleClicked, this, &ReportView::openFolderOf);

    // Whole rows, where the item view alone would copy the current cell only.
    auto* copy = new QAction(tr("&Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ReportView::copySelection);
    auto* copyAll = new QAction(tr("Copy &All"), this);
    connect(copyAll, &QAction::triggered, this, &ReportView::copyAll);
    addActions({copy, copyAll});
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ReportView::showReport() {
    const int groups = model() ? model()->rowCount() : 0;
    setVisible(groups > 0);
    for (int group = 0; group < groups; ++group)
        setFirstColumnSpanned(group, {}, true);
    expandAll();
    sizedByHand_ = false;
    fitColumns();
}

void ReportView::fitColumns() {
    QHeaderView* head = header();
    wanted_.assign(static_cast<std::size_t>(head->count()), 0);
    for (int column = 0; column < head->count(); ++column)
        wanted_[static_cast<std::size_t>(column)] =
            std::max(sizeHintForColumn(column), head->sectionSizeHint(column));
    spreadColumns();
}

void ReportView::spreadColumns() {
    QHeaderView* head = header();
    const int count = head->count();
    if (count == 0 || wanted_.size() != static_cast<std::size_t>(count))
        return;
    const auto wanted = [this](int column) { return wanted_[static_cast<std::size_t>(column)]; };
    const int width = viewport()->width();
    // The file and what happened to it are what a glance looks for: whole, up to a third of
    // the width each.
    const int whole = std::min(count, 2);
    int room = width;
    for (int column = 0; column < whole; ++column)
        room -= std::min(wanted(column), width / 3);
    // The paths share the rest, a short one leaving its spare to the others, and elide in
    // the middle, whole in their tooltips.
    std::vector<int> paths(static_cast<std::size_t>(count - whole));
    std::iota(paths.begin(), paths.end(), whole);
    std::sort(paths.begin(), paths.end(), [&](int a, int b) { return wanted(a) < wanted(b); });
    int left = count - whole;
    int share = room;
    for (const int column : paths) {
        share = room / left;
        if (wanted(column) > share)
            break;
        room -= wanted(column);
        --left;
    }
    fitting_ = true;
    // The last column stretches over whatever the others leave.
    for (int column = 0; column + 1 < count; ++column) {
        const int fitted = std::min(wanted(column), column < whole ? width / 3 : share);
        head->resizeSection(column, std::max(fitted, head->sectionSizeHint(column)));
    }
    fitting_ = false;
}

void ReportView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    if (!sizedByHand_)
        spreadColumns();
}

QString ReportView::selectedText() const {
    return text(false);
}

QString ReportView::allText() const {
    return text(true);
}

QString ReportView::text(bool everything) const {
    const QAbstractItemModel* report = model();
    const QItemSelectionModel* chosen = selectionModel();
    if (report == nullptr)
        return {};
    everything = everything || chosen == nullptr || !chosen->hasSelection();
    QString lines;
    for (int row = 0; row < report->rowCount(); ++row) {
        const QModelIndex group = report->index(row, 0);
        const bool wholeGroup = everything || chosen->isSelected(group);
        QString files;
        for (int file = 0; file < report->rowCount(group); ++file) {
            const QModelIndex index = report->index(file, 0, group);
            if (wholeGroup || chosen->isSelected(index))
                files += rowText(index) + u'\n';
        }
        if (wholeGroup || !files.isEmpty())
            lines += rowText(group) + u'\n' + files;
    }
    return lines;
}

void ReportView::copySelection() {
    QGuiApplication::clipboard()->setText(selectedText());
}

void ReportView::copyAll() {
    QGuiApplication::clipboard()->setText(allText());
}

void ReportView::openFolderOf(const QModelIndex& index) {
    const QModelIndex file = index.siblingAtColumn(0);
    // The file is on the card; once the card is gone, its copy's folder, if it has one.
    for (const int role : {ReportModel::SourcePathRole, ReportModel::DestinationPathRole}) {
        const QString path = file.data(role).toString();
        if (path.isEmpty())
            continue;
        const QString folder = QFileInfo(path).absolutePath();
        if (QFileInfo(folder).isDir()) {
            if (openUrl)
                openUrl(QUrl::fromLocalFile(folder));
            return;
        }
    }
}

} // namespace kestrel
