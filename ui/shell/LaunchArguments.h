#pragma once

#include <QString>
#include <QStringList>

namespace kestrel {

// What kestrel was started with: kestrel [FOLDER], kestrel --help, kestrel --version.
struct LaunchArguments {
    enum class Action { Open, Help, Version, Fail };
    Action action = Action::Open;
    // The folder to show ready to import, absolute; empty for none.
    QString folder;
    // Why the arguments cannot be used, for Fail.
    QString error;
    // Whether an option of someone else's was seen: Qt's, before QApplication took its own.
    bool otherOptions = false;
};

// Reads args, the program's name first. --help and --version win over everything else.
LaunchArguments parseLaunchArguments(const QStringList& args);

// The text of --help.
QString launchHelp();

} // namespace kestrel
