#pragma once

#include "TestSupport.h"
#include "base/Translations.h"
#include "window/ViewController.h"

#include <QApplication>
#include <QMap>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace kestrel::test {

// Empties kestrel's preferences, then stores values.
void resetPreferences(const QMap<QString, QString>& values = {});

// kestrel's preferences as they are on disk: read from a copy of the file, never from the
// values a QSettings keeps in memory.
QMap<QString, QString> preferencesOnDisk();

// Writes a file last modified on 21 July 2016 at noon, local time.
inline void writePhoto(const QString& path, const std::string& data) {
    writeFile(path.toStdString(), data, "2016-07-21 12:00");
}

// How long a test waits for work it started (a run, a survey, thumbnails, a device) before
// it fails: long, so that a loaded machine is not taken for a fault.
inline constexpr int kPatience = 60000;

// Waits until the import or check that vc has under way has ended; true once none is.
inline bool runEnds(ViewController& vc) {
    QSignalSpy ended(&vc, &ViewController::runFinished);
    return !vc.isImporting() || ended.wait(kPatience);
}

// The child of window called name, or null.
template <class T> T* child(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

} // namespace kestrel::test

// A main that isolates the home folder before anything from Qt starts, and shows the texts
// as the program does.
#define KESTREL_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char** argv) {                                                              \
        kestrel::test::Sandbox sandbox;                                                            \
        QApplication app(argc, argv);                                                              \
        kestrel::installTranslations();                                                           \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
