#include "browse/BrowseModel.h"

#include "base/ShownText.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QTime>

#include <algorithm>

namespace kestrel {

QString standingLabel(Standing standing) {
    switch (standing) {
    case Standing::New:
        return BrowseModel::tr("new");
    case Standing::AtDestination:
        return BrowseModel::tr("at destination");
    case Standing::ImportedBefore:
        return BrowseModel::tr("imported before");
    case Standing::NotImported:
        return BrowseModel::tr("not imported");
    }
    return {};
}

namespace {
constexpr qsizetype kThumbnailKiB = 96 * 1024; // what the thumbnails in memory may take
} // namespace

QString shownTime(const std::string& taken) {
    const QString text = QString::fromStdString(taken);
    // Date and time apart: a time of day the clocks skipped is still the one the file has.
    const QDate date = QDate::fromString(text.left(10), u"yyyy-MM-dd");
    const QTime time = QTime::fromString(text.mid(11), u"HH:mm:ss");
    if (!date.isValid() || !time.isValid() || text.size() != 19)
        return text;
    const QLocale locale;
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    // A photo's year in full: the short formats of many languages have two digits.
    if (!dateFormat.contains(u"yyyy"))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(date, dateFormat) + u' ' +
           locale.toString(time, locale.timeFormat(QLocale::ShortFormat));
}

BrowseModel::BrowseModel(QObject* parent) : QAbstractListModel(parent), thumbnails_(kThumbnailKiB) {}

void BrowseModel::setFiles(std::vector<SurveyedFile> files) {
    beginResetModel();
    files_ = std::move(files);
    checked_.assign(files_.size(), false);
    rows_.clear();
    thumbnails_.clear();
    unchecked_ = 0;
    for (std::size_t row = 0; row < files_.size(); ++row) {
        rows_.insert(QString::fromStdString(files_[row].path), static_cast<int>(row));
        // Files the options leave on the card need no check.
        checked_[row] = files_[row].standing == Standing::NotImported;
        unchecked_ += checked_[row] ? 0 : 1;
    }
    endResetModel();
}

void BrowseModel::setStandings(int first, const std::vector<Standing>& standings,
                               const QStringList& recordedPaths) {
    const int end = std::min(rowCount(), first + static_cast<int>(standings.size()));
    if (first < 0 || first >= end)
        return;
    for (int row = first; row < end; ++row) {
        const auto at = static_cast<std::size_t>(row);
        const Standing standing = standings[static_cast<std::size_t>(row - first)];
        files_[at].standing = standing;
        if (standing == Standing::ImportedBefore)
            files_[at].reason = recordedPaths.value(row - first).toStdString();
        if (!checked_[at]) {
            checked_[at] = true;
            --unchecked_;
        }
    }
    emit dataChanged(index(first), index(end - 1));
}

void BrowseModel::setThumbnail(const QString& path, const QImage& image) {
    const int row = rowOfPath(path);
    if (row < 0)
        return;
    thumbnails_.insert(row, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DecorationRole});
}

int BrowseModel::count(Standing standing) const {
    int n = 0;
    for (std::size_t row = 0; row < files_.size(); ++row)
        n += checked_[row] && files_[row].standing == standing ? 1 : 0;
    return n;
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(files_.size());
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const SurveyedFile& file = files_[row];
    switch (role) {
    case Qt::DisplayRole:
        // The name the job gives it; the card's name stays in the tooltip's path.
        return QString::fromStdString(
            file.placed.empty() ? file.name : file.placed.substr(file.placed.rfind('/') + 1));
    case Qt::DecorationRole: {
        const QImage* found = thumbnails_.object(index.row());
        return found == nullptr ? QVariant() : QVariant(*found);
    }
    case Qt::ToolTipRole: {
        QString tip = QDir::toNativeSeparators(QString::fromStdString(file.path));
        if (file.standing == Standing::NotImported)
            tip += u'\n' + shownText(file.reason);
        else if (file.standing == Standing::ImportedBefore && checked_[row])
            tip += u'\n' + tr("Recorded at the destination as %1")
                               .arg(QString::fromStdString(file.reason));
        else if (!file.placed.empty() && file.standing == Standing::AtDestination)
            tip += u'\n' + tr("Already there as %1").arg(QString::fromStdString(file.placed));
        else if (!file.placed.empty())
            tip += u'\n' + tr("Goes to %1").arg(QString::fromStdString(file.placed));
        else if (!file.destination.empty())
            tip += u'\n' + tr("Goes to %1").arg(QString::fromStdString(file.destination));
        return tip;
    }
    case Qt::AccessibleDescriptionRole:
        return checked_[row] ? standingLabel(file.standing) : tr("checking");
    case TakenRole:
        return shownTime(file.taken);
    case StandingRole:
        return static_cast<int>(file.standing);
    case CheckedRole:
        return bool(checked_[row]);
    case PathRole:
        return QString::fromStdString(file.path);
    case ClipRole:
        return file.clip;
    case ReasonRole:
        return file.standing == Standing::NotImported ? shownText(file.reason) : QString();
    default:
        return {};
    }
}

Qt::ItemFlags BrowseModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // A file the options leave on the card is shown greyed, and cannot be chosen.
    if (file(index.row()).standing == Standing::NotImported)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace kestrel
