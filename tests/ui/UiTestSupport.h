#pragma once

#include <QApplication>
#include <QDateTime>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <string>

namespace kestrel::test {

// Points HOME and the XDG folders at a fresh temporary folder, so that no test touches the
// real user's files or preferences. Make it before the QApplication.
class IsolatedHome {
  public:
    IsolatedHome();
    QString path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

// Empties kestrel's preferences, then stores values.
void resetPreferences(const QMap<QString, QString>& values = {});

// kestrel's preferences as they are on disk: read from a copy of the file, never from the
// values a QSettings keeps in memory.
QMap<QString, QString> preferencesOnDisk();

// Writes a file whose modification time is modified.
void writeFile(const QString& path, const QByteArray& data, const QDateTime& modified);

// Every file below root, as sorted paths relative to root.
QStringList filesBelow(const QString& root);

// The lines of text, without the empty one after the last newline.
QStringList lines(const std::string& text);

// The child of window called name, or null.
template <class T> T* child(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

} // namespace kestrel::test

// A main that isolates the home folder before anything from Qt starts.
#define KESTREL_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char** argv) {                                                              \
        kestrel::test::IsolatedHome home;                                                          \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
