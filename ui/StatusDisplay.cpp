// The status line of an import run, as the engine drives it.
#include "ViewController.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>

namespace kestrel {

void ViewController::setStatusText(const QString& text) {
    if (lblInfo)
        lblInfo->setText(text);
}

void ViewController::showNow() {
    // The import holds the main thread: lay out and paint now, and let the window system
    // take the picture, but take no clicks, keys or closing until the run is over.
    if (QLayout* top = layout())
        top->activate();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceEvents_.start();
}

void ViewController::sayNothing() {
    setStatusText(QStringLiteral("..."));
    if (optionsBox)
        optionsBox->hide();
    if (pgSpin)
        pgSpin->hide();
    if (lblDetail_)
        lblDetail_->hide();
    showNow();
}

void ViewController::setBar(std::int32_t count) {
    filesToCopy = count;
    setStatusText(QStringLiteral("..."));
    if (optionsBox)
        optionsBox->hide();
    if (pgSpin) {
        pgSpin->setRange(0, std::max(count, 1));
        pgSpin->setValue(0);
        pgSpin->setVisible(count > 0);
    }
    showNow();
}

void ViewController::setBarInc(const std::string& text) {
    // Once per file, so paint only what changed; repaint() puts it on screen at once. The
    // bar repaints itself when its fill moves. The window system's own events (exposure,
    // frame callbacks) are let through once a frame, not once a file.
    setStatusText(QString::fromStdString(text));
    if (pgSpin)
        pgSpin->setValue(std::min(pgSpin->value() + 1, pgSpin->maximum()));
    if (lblInfo)
        lblInfo->repaint();
    if (!sinceEvents_.isValid() || sinceEvents_.hasExpired(16)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceEvents_.start();
    }
}

void ViewController::stopBar() {
    // Nothing to lay out: the status line's width does not follow its text.
}

void ViewController::sayFinished(const RunSummary& summary) {
    setStatusText(QString::fromStdString(finishedMessage(summary)));
    if (optionsBox)
        optionsBox->show();
    if (pgSpin)
        pgSpin->hide();
    showNow();
}

} // namespace kestrel
