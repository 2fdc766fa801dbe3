#pragma once

#include "run/CardSurvey.h"

#include <QAbstractListModel>
#include <QCache>
#include <QHash>
#include <QImage>

#include <vector>

namespace kestrel {

// The photos and clips of one card as the grid shows them: in capture-time order, each with
// its thumbnail once it has been read, and where it stands against the destinations.
class BrowseModel : public QAbstractListModel {
    Q_OBJECT
  public:
    enum Role {
        TakenRole = Qt::UserRole + 1, // its taken time as the reader writes it (shownTime)
        StandingRole,                 // a Standing, as int
        CheckedRole,                  // true once the standing has been worked out
        PathRole,                     // the full source path
        ClipRole,                     // true for a video clip
        ReasonRole,                   // why the options leave it on the card, or empty
    };

    explicit BrowseModel(QObject* parent = nullptr);

    // Shows files in place of those shown so far; every picked file's standing is still to
    // be worked out.
    void setFiles(std::vector<SurveyedFile> files);
    // What the check found of the files in rows first, first + 1, …: where each stands and,
    // for one imported before, the path its record gives.
    void setStandings(int first, const std::vector<Standing>& standings,
                      const QStringList& recordedPaths);
    // The thumbnail of the file at path; a null image for one that cannot be read.
    void setThumbnail(const QString& path, const QImage& image);
    // Whether row's thumbnail is in memory now (it may have been let go since it came).
    bool hasThumbnail(int row) const { return thumbnails_.contains(row); }

    const SurveyedFile& file(int row) const { return files_[static_cast<std::size_t>(row)]; }
    int rowOfPath(const QString& path) const { return rows_.value(path, -1); }
    // How many files stand so, among those checked.
    int count(Standing standing) const;
    bool allChecked() const { return unchecked_ == 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    std::vector<SurveyedFile> files_;
    std::vector<bool> checked_;
    QHash<QString, int> rows_;
    // By row; a null image: unreadable. Bounded, so that a card of ten thousand photos
    // keeps only the thumbnails seen last; the others come back from the disk's cache.
    QCache<int, QImage> thumbnails_;
    int unchecked_ = 0;
};

// How a standing reads on a tile: "new", "at destination", ...
QString standingLabel(Standing standing);

// A SurveyedFile's taken, "2016-07-21 14:03:07", in the short date (with the whole year) and
// time of the reader's locale: "21.07.2016 14:03" in German; other text as it is.
QString shownTime(const std::string& taken);

} // namespace kestrel
