// kestrel: files photos and clips from a memory card into dated folders.

#include "AppDelegate.h"
#include "ViewController.h"

#include <QApplication>
#include <QTimer>

#include <iostream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The same names as kestrel-import, so both share one preferences file.
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    QApplication::setOrganizationName(QStringLiteral("kestrel"));
    QApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.kestrel"));
    // The installed theme's icon, else the one built in.
    QIcon builtIn;
    for (const char* size : {"48x48", "256x256"})
        builtIn.addFile(QStringLiteral(":/icons/%1/io.github.kestrel.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.kestrel"), builtIn));

    kestrel::AppDelegate delegate;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &kestrel::AppDelegate::applicationWillTerminate);

    kestrel::ViewController window(std::cout);
    window.show();
    QTimer::singleShot(0, &delegate, &kestrel::AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
