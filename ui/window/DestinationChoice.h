#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <iosfwd>

class QCheckBox;
class QSettings;

namespace kestrel {

class PathControl;

// The window's three folders: where the JPG group and the RAW group are copied to, and the
// backup that also gets every file (its checkbox and path control). Stores each folder picked,
// refuses a backup that is also a group's destination, and shows the folders as stored.
class DestinationChoice : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        QPointer<PathControl> jpg;
        QPointer<PathControl> raw;
        QPointer<PathControl> backup;
        QPointer<QCheckBox> backupBox;
    };
    // Each folder stored is also printed on one line to out.
    DestinationChoice(QSettings& preferences, std::ostream& out, const Controls& controls,
                      QObject* parent);

    // Asks for a folder (title says what for); an empty string when cancelled.
    std::function<QString(const QString& title)> chooseFolder;

    // Shows the three folders as the preferences hold them.
    void showStored();
    // Asks for the destination of each group that is on and has none; false when a question
    // was cancelled.
    bool chooseMissing();

    // Store the folder picked in sender for its group and print it on one line.
    void jpgPicked(PathControl* sender);
    void rawPicked(PathControl* sender);
    void backupPicked(PathControl* sender);
    // Switches the backup off, or on by asking for its folder.
    void backupClicked();

  signals:
    // A folder or the backup's state was stored.
    void stored();
    // Why a folder was not kept, to show as the window's problems.
    void problemsFound(const QStringList& problems);
    // A refusal shown as text is answered now, and no longer to be shown.
    void problemWithdrawn(const QString& text);

  private:
    void showStoredFolder(PathControl* control, const char* key);
    void showStoredBackup();
    void storeFolder(PathControl* sender, const char* key);
    // Tells why folder cannot be the backup and returns true; false when it can be.
    bool backupRefused(const QString& folder);

    QSettings& preferences_;
    std::ostream& out_;
    Controls controls_;
};

} // namespace kestrel
