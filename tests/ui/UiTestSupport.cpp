#include "UiTestSupport.h"

#include "run/Preferences.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace kestrel::test {

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

} // namespace kestrel::test
