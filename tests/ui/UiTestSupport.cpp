#include "UiTestSupport.h"

#include "Preferences.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdlib>

namespace kestrel::test {

IsolatedHome::IsolatedHome() {
    if (!dir_.isValid())
        std::abort();
    const QByteArray home = QFile::encodeName(dir_.path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_STATE_HOME", home + "/.local/state");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    QDir().mkpath(dir_.path() + QStringLiteral("/.runtime"));
    QFile::setPermissions(dir_.path() + QStringLiteral("/.runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_.path() + QStringLiteral("/.config"));
    // Refuse to run against any preferences file outside the temporary home.
    if (!openPreferences()->fileName().startsWith(dir_.path()))
        std::abort();
}

void resetPreferences(const QMap<QString, QString>& values) {
    const auto store = openPreferences();
    store->clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store->setValue(it.key(), it.value());
    store->sync();
}

QMap<QString, QString> preferencesOnDisk() {
    const QString file = openPreferences()->fileName();
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("copy.conf"));
    QMap<QString, QString> values;
    if (!QFile::copy(file, copy))
        return values;
    const QSettings onDisk(copy, QSettings::IniFormat);
    for (const QString& key : onDisk.allKeys())
        values.insert(key, onDisk.value(key).toString());
    return values;
}

void writeFile(const QString& path, const QByteArray& data, const QDateTime& modified) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write a test file");
    // Flush first: a later write would move the time again.
    if (!file.flush() || !file.setFileTime(modified, QFileDevice::FileModificationTime))
        qFatal("cannot date a test file");
}

QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QStringList lines(const std::string& text) {
    QStringList result = QString::fromStdString(text).split(u'\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

} // namespace kestrel::test
