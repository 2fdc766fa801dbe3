#pragma once

#include <QObject>
#include <QPointer>

#include <utility>
#include <vector>

class QCheckBox;
class QSettings;

namespace kestrel {

class PathControl;

// The window's option checkboxes, each known by its preference key: the nine flags, the
// capture-date, keep-both, other-formats and verify boxes. Shows what the preferences hold,
// stores a click the moment it is made, and keeps the date checkboxes enabled as the two
// groups (JPG, RAW) allow.
class OptionsPanel : public QObject {
    Q_OBJECT
  public:
    using Box = std::pair<QCheckBox*, const char*>;
    // Drives boxes (a checkbox and its key); jpgPath and rawPath are enabled with their group.
    OptionsPanel(QSettings& preferences, const std::vector<Box>& boxes, PathControl* jpgPath,
                 PathControl* rawPath, QObject* parent);

    // Shows the stored options; with writeDefaults, stores the start-up default of every
    // absent one of the nine flags first.
    void refresh(bool writeDefaults);
    // Stores the box of key as "1" (checked) or "0" (anything else); for a group's box,
    // enables its date checkboxes and destination first.
    void clicked(const char* key);

    // Enables the JPG-side date checkboxes when flag is set or the RAW group is not off.
    void setJPGEnabled(bool flag);
    // Enables all six date checkboxes when flag is set or the JPG group is not off.
    void setRAWEnabled(bool flag);

  signals:
    // A choice was stored.
    void stored();

  private:
    QCheckBox* box(const char* key) const;

    QSettings& preferences_;
    std::vector<std::pair<QPointer<QCheckBox>, const char*>> boxes_;
    QPointer<PathControl> jpgPath_;
    QPointer<PathControl> rawPath_;
};

} // namespace kestrel
