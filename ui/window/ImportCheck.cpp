#include "window/ImportCheck.h"

#include "run/Preferences.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kestrel {

namespace {

// The context of these texts for translators.
struct ImportCheck {
    Q_DECLARE_TR_FUNCTIONS(kestrel::ImportCheck)
};

void checkDestination(const QSettings& prefs, const char* groupKey, const char* pathKey,
                      const QString& group, QStringList& problems) {
    if (!isOn(getUserDefAsString(prefs, groupKey)))
        return;
    const std::string stored = getUserDefAsString(prefs, pathKey);
    if (!isChosenFolder(stored)) {
        problems.append(
            ImportCheck::tr("No destination folder is chosen for %1 files.").arg(group));
        return;
    }
    const QString folder = QString::fromStdString(stored);
    const QFileInfo info(folder);
    if (!info.isDir())
        problems.append(
            ImportCheck::tr("The %1 destination “%2” is not a folder.").arg(group, folder));
    else if (!info.isWritable())
        problems.append(
            ImportCheck::tr("The %1 destination “%2” is not writable.").arg(group, folder));
}

} // namespace

QStringList importProblems(const QString& source, const QSettings& prefs, bool folder) {
    QStringList problems;
    const QFileInfo info(source);
    if (!folder) {
        // A camera's port: its import says when it cannot be opened.
    } else if (!info.exists())
        problems.append(ImportCheck::tr("“%1” is not there (any more).").arg(source));
    else if (!info.isDir())
        problems.append(
            ImportCheck::tr("“%1” is a file: drop a memory card or a folder.").arg(source));
    else if (!info.isReadable() || !info.isExecutable())
        problems.append(ImportCheck::tr("The folder “%1” cannot be read.").arg(source));
    checkDestination(prefs, keys::JPG, keys::ImportPath, QStringLiteral("JPG"), problems);
    checkDestination(prefs, keys::RAW, keys::ImportPathRAW, QStringLiteral("RAW"), problems);
    return problems;
}

} // namespace kestrel
