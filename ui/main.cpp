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
    QApplication::setDesktopFileName(QStringLiteral("kestrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("camera-photo")));

    kestrel::AppDelegate delegate;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &kestrel::AppDelegate::applicationWillTerminate);

    kestrel::ViewController window(std::cout);
    window.show();
    QTimer::singleShot(0, &delegate, &kestrel::AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
