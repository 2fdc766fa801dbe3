#pragma once

#include <QObject>

namespace kestrel {

// Hears the application's launch and quit. Nothing is saved at exit: every choice was
// stored when it was made.
class AppDelegate : public QObject {
    Q_OBJECT
  public:
    explicit AppDelegate(QObject* parent = nullptr);

  public slots:
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
};

} // namespace kestrel
