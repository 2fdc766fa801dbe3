#include "shell/LaunchArguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kestrel {

namespace {
QString translated(const char* text) {
    return QCoreApplication::translate("kestrel::LaunchArguments", text);
}
} // namespace

LaunchArguments parseLaunchArguments(const QStringList& args) {
    LaunchArguments launch;
    bool options = true;
    for (const QString& arg : args.mid(1)) {
        if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            return {LaunchArguments::Action::Help, {}, {}, false};
        } else if (options && arg == QLatin1String("--version")) {
            return {LaunchArguments::Action::Version, {}, {}, false};
        } else if (options && arg.size() > 1 && arg.startsWith(u'-')) {
            launch.otherOptions = true;
            launch.action = LaunchArguments::Action::Fail;
            launch.error =
                translated(QT_TRANSLATE_NOOP("kestrel::LaunchArguments", "unknown option: %1"))
                    .arg(arg);
        } else if (!launch.folder.isEmpty()) {
            launch.action = LaunchArguments::Action::Fail;
            launch.error = translated(QT_TRANSLATE_NOOP("kestrel::LaunchArguments",
                                                        "only one FOLDER can be shown at a time"));
        } else {
            launch.folder = arg;
        }
    }
    if (launch.action == LaunchArguments::Action::Open && !launch.folder.isEmpty()) {
        const QFileInfo folder(launch.folder);
        if (!folder.isDir()) {
            launch.action = LaunchArguments::Action::Fail;
            launch.error =
                translated(QT_TRANSLATE_NOOP("kestrel::LaunchArguments", "not a folder: %1"))
                    .arg(launch.folder);
        }
        launch.folder = QDir::cleanPath(folder.absoluteFilePath());
    }
    return launch;
}

QString launchHelp() {
    // In pieces a translator can take one at a time; the option names stay as they are.
    return translated(QT_TRANSLATE_NOOP("kestrel::LaunchArguments", "Usage: kestrel [FOLDER]")) +
           QStringLiteral("\n\n") +
           translated(QT_TRANSLATE_NOOP(
               "kestrel::LaunchArguments",
               "Opens kestrel's window, which files the photos and clips of a memory card, or\n"
               "of any folder, into dated folders. With FOLDER, the window shows that folder\n"
               "ready to import, with its photos and clips as a grid of thumbnails, and imports\n"
               "nothing until Import (or Import Selected in the grid) is clicked.")) +
           QStringLiteral("\n\n  -h, --help     ") +
           translated(QT_TRANSLATE_NOOP("kestrel::LaunchArguments", "print this help")) +
           QStringLiteral("\n  --version      ") +
           translated(QT_TRANSLATE_NOOP("kestrel::LaunchArguments", "print the version")) +
           QStringLiteral("\n\n") +
           translated(QT_TRANSLATE_NOOP(
               "kestrel::LaunchArguments",
               "Qt's options, such as -platform NAME, are accepted too. The command\n"
               "kestrel-import runs the same import from a terminal.")) +
           u'\n';
}

} // namespace kestrel
