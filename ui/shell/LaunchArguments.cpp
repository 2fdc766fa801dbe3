#include "shell/LaunchArguments.h"

#include <QDir>
#include <QFileInfo>

namespace kestrel {

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
            launch.error = QStringLiteral("unknown option: %1").arg(arg);
        } else if (!launch.folder.isEmpty()) {
            launch.action = LaunchArguments::Action::Fail;
            launch.error = QStringLiteral("only one FOLDER can be shown at a time");
        } else {
            launch.folder = arg;
        }
    }
    if (launch.action == LaunchArguments::Action::Open && !launch.folder.isEmpty()) {
        const QFileInfo folder(launch.folder);
        if (!folder.isDir()) {
            launch.action = LaunchArguments::Action::Fail;
            launch.error = QStringLiteral("not a folder: %1").arg(launch.folder);
        }
        launch.folder = QDir::cleanPath(folder.absoluteFilePath());
    }
    return launch;
}

QString launchHelp() {
    return QStringLiteral(R"(Usage: kestrel [FOLDER]

Opens kestrel's window, which files the photos and clips of a memory card, or
of any folder, into dated folders. With FOLDER, the window shows that folder
ready to import, with its photos and clips as a grid of thumbnails, and imports
nothing until Import (or Import Selected in the grid) is clicked.

  -h, --help     print this help
  --version      print the version

Qt's options, such as -platform NAME, are accepted too. The command
kestrel-import runs the same import from a terminal.
)");
}

} // namespace kestrel
