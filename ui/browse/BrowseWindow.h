#pragma once

#include "run/CardSurvey.h"
#include "run/ImportOptions.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QListView;
class QPushButton;
class QTimer;

namespace kestrel {

class BrowseModel;
class SurveyJob;
class ThumbnailSource;

// A card or folder as a grid of thumbnails: every photo and clip an import would consider,
// marked by where it stands, the new ones chosen at first. Importing the chosen ones is the
// main window's work: this window asks for it with importRequested. With device, root is the
// port of a camera or phone (see deviceRoot), whose files are named root + camera path.
class BrowseWindow : public QWidget {
    Q_OBJECT
  public:
    BrowseWindow(const QString& root, const ImportOptions& options, QWidget* parent = nullptr,
                 bool device = false);
    ~BrowseWindow() override;

    const QString& root() const { return root_; }
    bool isDevice() const { return device_; }
    // The options the files are marked by.
    const ImportOptions& options() const { return options_; }
    // The full source paths of the chosen files, in grid order.
    QStringList selectedPaths() const;
    // Lists the card again with options, as after an import.
    void refresh(const ImportOptions& options);
    // The card (or the device) has gone: stops reading it.
    void cardRemoved();

    BrowseModel* model() const { return model_; }
    QListView* grid() const { return grid_; }
    QPushButton* importButton() const { return importButton_; }
    QPushButton* selectNewButton() const { return selectNewButton_; }

  public slots:
    // Chooses exactly the files that are new.
    void selectNew();

  signals:
    void importRequested(const QString& root, const QStringList& paths);
    // The listing and every check are done.
    void surveyed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void start(const ImportOptions& options);
    void stopReading();
    void checked(int first, const std::vector<Standing>& standings, const QStringList& recorded);
    void showCounts();
    void showProgress(int done, int total);
    void showSelectionCount();
    // Thumbnails of the tiles in view first, and again those let go since.
    void loadVisibleFirst();

    QString root_;
    const bool device_;
    ImportOptions options_;
    BrowseModel* model_;
    QListView* grid_;
    QLabel* counts_;
    QPushButton* selectNewButton_;
    QPushButton* importButton_;
    ThumbnailSource* loader_ = nullptr; // a device's lives as long as the window
    SurveyJob* job_ = nullptr;
    QTimer* visibleChanged_;
    bool userChose_ = false; // the selection was changed by hand: checks leave it alone
    bool selecting_ = false; // the window itself is changing the selection
    bool gone_ = false;
};

} // namespace kestrel
