#pragma once

#include <QDialog>

#include <utility>
#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSettings;
class QToolButton;

namespace kestrel {

// The sheet of a job's names and folders and the photographer's metadata: a pattern for the
// copies' names and one for their folders, each on or off, the job, an example of what a
// card's photo becomes as they are typed (or why a pattern cannot be used), and the
// metadata that goes into each copy's XMP sidecar. Shows the values the preferences hold
// when it opens and stores them all on OK; Cancel stores nothing.
class NamesSheet : public QDialog {
    Q_OBJECT
  public:
    NamesSheet(QSettings& preferences, QWidget* parent);

    // Stores every value, then closes.
    void accept() override;

  signals:
    // The values are stored.
    void stored();

  private:
    void build();
    void showStored();
    // The row of a pattern: its checkbox, its field and a menu of the fields to insert.
    QLineEdit* patternRow(QCheckBox* box, const char* suggestion, QFormLayout* form);
    void updateExample();

    QSettings& preferences_;
    QCheckBox* rename_ = nullptr;
    QLineEdit* namePattern_ = nullptr;
    QCheckBox* folders_ = nullptr;
    QLineEdit* folderPattern_ = nullptr;
    QLabel* example_ = nullptr;
    QRadioButton* sidecarName_ = nullptr;
    QRadioButton* sidecarNameExt_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    // The plain text fields (job and metadata) and their keys.
    std::vector<std::pair<QLineEdit*, const char*>> texts_;
};

} // namespace kestrel
