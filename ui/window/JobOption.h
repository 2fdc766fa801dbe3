#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QSettings;
class QWidget;

namespace kestrel {

class NamesSheet;

// The window's job: the line below the options that says how copies are named and filed
// when a pattern is on, and the sheet that changes it.
class JobOption : public QObject {
    Q_OBJECT
  public:
    // Shows the job on line; the sheet opens over window.
    JobOption(QSettings& preferences, QLabel* line, QWidget* window);

    // Opens the sheet, window-modal, or raises the one open.
    void openSheet();
    // Shows the job as the preferences hold it; hides the line when no pattern is on.
    void refresh();

  signals:
    // The sheet stored its values.
    void stored();

  private:
    QSettings& preferences_;
    QPointer<QLabel> line_;
    QWidget* window_;
    QPointer<NamesSheet> sheet_;
};

} // namespace kestrel
