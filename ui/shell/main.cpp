// kestrel: files photos and clips from a memory card into dated folders.

#include "base/Translations.h"
#include "shell/AppDelegate.h"
#include "shell/LaunchArguments.h"
#include "window/ViewController.h"

#include <QApplication>
#include <QTimer>

#include <iostream>
#include <optional>

namespace {

constexpr int kExitUsage = 2;

// Answers --help, --version and unusable arguments with an exit status; nothing when the
// window is to open.
std::optional<int> answer(const kestrel::LaunchArguments& launch) {
    using Action = kestrel::LaunchArguments::Action;
    switch (launch.action) {
    case Action::Help:
        std::cout << kestrel::launchHelp().toLocal8Bit().constData();
        return 0;
    case Action::Version:
        std::cout << "kestrel " KESTREL_VERSION "\n";
        return 0;
    case Action::Fail:
        std::cerr << "kestrel: " << launch.error.toLocal8Bit().constData() << '\n'
                  << QCoreApplication::translate("kestrel::LaunchArguments",
                                                 "Try 'kestrel --help'.")
                         .toLocal8Bit()
                         .constData()
                  << '\n';
        return kExitUsage;
    case Action::Open:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    // Before QApplication, which needs a display: --help and --version, and arguments wrong
    // whatever Qt's options are.
    QStringList rawArgs;
    for (int i = 0; i < argc; ++i)
        rawArgs.append(QString::fromLocal8Bit(argv[i]));
    if (const auto launch = kestrel::parseLaunchArguments(rawArgs);
        !launch.otherOptions && launch.action != kestrel::LaunchArguments::Action::Open) {
        // No window follows: a plain application is enough to speak the user's language.
        kestrel::installTranslations();
        return *answer(kestrel::parseLaunchArguments(rawArgs));
    }

    QApplication app(argc, argv);
    // The same names as kestrel-import, so both share one preferences file.
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    QApplication::setOrganizationName(QStringLiteral("kestrel"));
    QApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.kestrel"));
    kestrel::installTranslations();
    // The installed theme's icon, else the one built in.
    QIcon builtIn;
    for (const char* size : {"48x48", "256x256"})
        builtIn.addFile(
            QStringLiteral(":/icons/%1/io.github.kestrel.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.kestrel"), builtIn));

    // Qt has taken its own options out of the arguments now.
    const kestrel::LaunchArguments launch =
        kestrel::parseLaunchArguments(QApplication::arguments());
    if (const std::optional<int> status = answer(launch))
        return *status;

    kestrel::AppDelegate delegate;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &kestrel::AppDelegate::applicationWillTerminate);

    kestrel::ViewController window(std::cout);
    if (!launch.folder.isEmpty())
        window.offerFolder(launch.folder);
    window.show();
    // A card the desktop opened kestrel for is shown as what it holds.
    if (!launch.folder.isEmpty())
        window.browseFolder(launch.folder);
    QTimer::singleShot(0, &delegate, &kestrel::AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
