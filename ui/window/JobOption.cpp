#include "window/JobOption.h"

#include "window/JobExample.h"
#include "window/NamesSheet.h"

#include <QLabel>

namespace kestrel {

JobOption::JobOption(QSettings& preferences, QLabel* line, QWidget* window)
    : QObject(window), preferences_(preferences), line_(line), window_(window) {}

void JobOption::openSheet() {
    // A sheet closed a moment ago may still wait to be deleted: only an open one is raised.
    if (sheet_ && sheet_->isVisible()) {
        sheet_->raise();
        sheet_->activateWindow();
        return;
    }
    sheet_ = new NamesSheet(preferences_, window_);
    sheet_->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet_, &NamesSheet::stored, this, [this] {
        refresh();
        emit stored();
    });
    sheet_->open();
}

void JobOption::refresh() {
    if (!line_)
        return;
    const QString summary = jobSummary(storedPatterns(preferences_));
    line_->setText(summary);
    line_->setVisible(!summary.isEmpty());
}

} // namespace kestrel
