#pragma once

// A temporary home for a benchmark or screenshot program: its preferences, state and caches
// never touch the user's.

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace kestrel::bench {

// Draws offscreen unless told otherwise, and points the XDG folders into home. Call before
// QApplication starts.
inline void useTemporaryHome(const QTemporaryDir& home) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(xdg, QFile::encodeName(home.filePath(QString::fromLatin1(xdg))));
}

// Points the preferences into home. Call once QApplication has started.
inline void useTemporarySettings(const QTemporaryDir& home) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       home.filePath(QStringLiteral("XDG_CONFIG_HOME")));
}

} // namespace kestrel::bench
