#include "browse/BrowseWindow.h"

#include "browse/BrowseDelegate.h"
#include "browse/BrowseModel.h"
#include "browse/DevicePreviews.h"
#include "browse/SurveyJob.h"
#include "browse/ThumbnailLoader.h"
#include "devices/DeviceWatcher.h"

#include <QDir>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kestrel {

namespace {

// "3 new", for the counts line.
QString countText(Standing standing, int n) {
    switch (standing) {
    case Standing::New:
        return BrowseWindow::tr("%Ln new", nullptr, n);
    case Standing::AtDestination:
        return BrowseWindow::tr("%Ln already at the destination", nullptr, n);
    case Standing::ImportedBefore:
        return BrowseWindow::tr("%Ln imported before", nullptr, n);
    case Standing::NotImported:
        break;
    }
    return BrowseWindow::tr("%Ln not imported by the current options", nullptr, n);
}

} // namespace

BrowseWindow::BrowseWindow(const QString& root, const ImportOptions& options, QWidget* parent,
                           bool device)
    : QWidget(parent, Qt::Window), root_(root), device_(device), model_(new BrowseModel(this)),
      grid_(new QListView(this)), counts_(new QLabel(this)),
      selectNewButton_(new QPushButton(tr("Select &New"), this)),
      importButton_(new QPushButton(this)), visibleChanged_(new QTimer(this)) {
    setWindowTitle(tr("%1 — kestrel").arg(QDir::toNativeSeparators(root)));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 640);

    grid_->setViewMode(QListView::IconMode);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setMovement(QListView::Static);
    grid_->setUniformItemSizes(true);
    // Thousands of tiles are laid out a batch at a time, between the window's other events.
    grid_->setLayoutMode(QListView::Batched);
    grid_->setBatchSize(200);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setSpacing(4);
    grid_->setItemDelegate(new BrowseDelegate(grid_));
    grid_->setModel(model_);
    grid_->setAccessibleName(tr("Photos and clips"));
    grid_->installEventFilter(this);

    counts_->setWordWrap(true);
    importButton_->setDefault(true);
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectNewButton_);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(importButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(counts_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(selectNewButton_, &QPushButton::clicked, this, &BrowseWindow::selectNew);
    connect(importButton_, &QPushButton::clicked, this,
            [this] { emit importRequested(root_, selectedPaths()); });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        userChose_ = userChose_ || !selecting_;
        showSelectionCount();
    });
    // Scrolling or resizing settles before the tiles in view are asked for.
    visibleChanged_->setSingleShot(true);
    visibleChanged_->setInterval(0);
    connect(visibleChanged_, &QTimer::timeout, this, &BrowseWindow::loadVisibleFirst);
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, visibleChanged_,
            qOverload<>(&QTimer::start));
    start(options);
}

BrowseWindow::~BrowseWindow() {
    stopReading();
}

void BrowseWindow::start(const ImportOptions& options) {
    stopReading();
    options_ = options;
    gone_ = false;
    userChose_ = false;
    model_->setFiles({});
    counts_->setText(tr("Looking at %1…").arg(QDir::toNativeSeparators(root_)));
    showSelectionCount();
    if (loader_ == nullptr) {
        // A camera's previews are slow to come: read once, they are kept through refreshes.
        loader_ = device_ ? static_cast<ThumbnailSource*>(
                                new DevicePreviews(root_, BrowseDelegate::kThumbnailSide, this))
                          : new ThumbnailLoader(BrowseDelegate::kThumbnailSide, this);
        connect(loader_, &ThumbnailSource::thumbnailReady, model_, &BrowseModel::setThumbnail);
    }
    job_ = new SurveyJob(root_, options, this, device_);
    connect(job_, &SurveyJob::progress, this, &BrowseWindow::showProgress);
    connect(job_, &SurveyJob::unavailable, this, [this](const QString& why) {
        counts_->setText(deviceProblemText(why.toStdString()));
        gone_ = true;
        showSelectionCount();
    });
    connect(job_, &SurveyJob::listed, this, [this](const std::vector<SurveyedFile>& files) {
        model_->setFiles(files);
        for (const SurveyedFile& file : files)
            loader_->request(QString::fromStdString(file.path), file.clip);
        showCounts();
        visibleChanged_->start();
    });
    connect(job_, &SurveyJob::checked, this, &BrowseWindow::checked);
    connect(job_, &SurveyJob::finished, this, [this] {
        showCounts();
        emit surveyed();
    });
    job_->start();
}

void BrowseWindow::refresh(const ImportOptions& options) {
    start(options);
}

void BrowseWindow::stopReading() {
    if (job_ != nullptr) {
        job_->stop();
        delete job_;
        job_ = nullptr;
    }
    if (loader_ != nullptr) {
        loader_->cancelAll();
        if (!device_)
            delete std::exchange(loader_, nullptr);
    }
}

void BrowseWindow::cardRemoved() {
    stopReading();
    gone_ = true;
    counts_->setText(tr("The card was removed."));
    importButton_->setEnabled(false);
    selectNewButton_->setEnabled(false);
}

void BrowseWindow::checked(int first, const std::vector<Standing>& standings,
                           const QStringList& recorded) {
    model_->setStandings(first, standings, recorded);
    // New files are chosen as they are found, until the user chooses for themselves; runs of
    // them as one range each, which the selection takes in one step.
    if (!userChose_) {
        QItemSelection fresh;
        const int end = first + static_cast<int>(standings.size());
        for (int row = first; row < end;) {
            int last = row;
            while (last < end && standings[static_cast<std::size_t>(last - first)] == Standing::New)
                ++last;
            if (last > row)
                fresh.select(model_->index(row), model_->index(last - 1));
            row = last + 1;
        }
        selecting_ = true;
        grid_->selectionModel()->select(fresh, QItemSelectionModel::Select);
        selecting_ = false;
    }
    showCounts();
}

void BrowseWindow::selectNew() {
    QItemSelection fresh;
    for (int row = 0; row < model_->rowCount(); ++row)
        if (model_->index(row).data(BrowseModel::CheckedRole).toBool() &&
            model_->file(row).standing == Standing::New)
            fresh.select(model_->index(row), model_->index(row));
    selecting_ = true;
    grid_->selectionModel()->select(fresh, QItemSelectionModel::ClearAndSelect);
    selecting_ = false;
    userChose_ = false;
}

QStringList BrowseWindow::selectedPaths() const {
    QModelIndexList rows = grid_->selectionModel()->selectedIndexes();
    std::sort(rows.begin(), rows.end());
    QStringList paths;
    for (const QModelIndex& row : std::as_const(rows))
        paths.append(row.data(BrowseModel::PathRole).toString());
    return paths;
}

void BrowseWindow::showSelectionCount() {
    const int chosen = static_cast<int>(grid_->selectionModel()->selectedIndexes().size());
    importButton_->setText(tr("&Import %Ln Selected", nullptr, chosen));
    importButton_->setEnabled(chosen > 0 && !gone_);
}

void BrowseWindow::showProgress(int done, int total) {
    counts_->setText(total == 0 ? tr("Listing the files: %Ln found so far…", nullptr, done)
                                : tr("Looking at %1 of %Ln photos and clips…", nullptr, total)
                                      .arg(QLocale().toString(done)));
}

void BrowseWindow::showCounts() {
    if (gone_)
        return;
    const int all = model_->rowCount();
    QStringList parts;
    for (const Standing standing : {Standing::New, Standing::AtDestination,
                                    Standing::ImportedBefore, Standing::NotImported})
        if (const int n = model_->count(standing); n > 0)
            parts.append(countText(standing, n));
    QString line = tr("%Ln photos and clips", nullptr, all);
    if (!parts.isEmpty())
        line += QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    if (!model_->allChecked())
        line += u' ' + tr("(checking the destinations…)");
    counts_->setText(line);
}

void BrowseWindow::loadVisibleFirst() {
    if (loader_ == nullptr || model_->rowCount() == 0)
        return;
    // Tiles are all one size: sample the viewport at each tile's place.
    const QSize tile = grid_->visualRect(model_->index(0)).size().expandedTo({1, 1});
    const QRect view = grid_->viewport()->rect();
    QStringList visible;
    for (int y = view.top(); y <= view.bottom() + tile.height(); y += tile.height())
        for (int x = view.left(); x <= view.right(); x += tile.width()) {
            const QModelIndex index =
                grid_->indexAt(QPoint(x, y) + QPoint(tile.width(), tile.height()) / 2);
            if (!index.isValid())
                continue;
            const QString path = index.data(BrowseModel::PathRole).toString();
            if (!visible.contains(path)) {
                visible.append(path);
                if (!model_->hasThumbnail(index.row()))
                    loader_->request(path, index.data(BrowseModel::ClipRole).toBool());
            }
        }
    loader_->prioritize(visible);
}

bool BrowseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::Resize)
        visibleChanged_->start();
    // Space alone turns the current file's choice over, as Ctrl+Space does.
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = grid_->currentIndex();
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier &&
            current.isValid()) {
            grid_->selectionModel()->select(current, QItemSelectionModel::Toggle);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kestrel
