// The status line of an import run, as the engine drives it.
#include "window/ViewController.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "record/Verdict.h"
#include "window/ReportModel.h"
#include "window/ReportView.h"

namespace kestrel {

void ViewController::setStatusText(const QString& text) {
    if (lblInfo)
        lblInfo->setText(text);
}

void ViewController::showNow() {
    // Lay out and paint now: the run's next status may follow at once.
    if (QLayout* top = layout())
        top->activate();
    repaint();
}

void ViewController::sayNothing() {
    setStatusText(QStringLiteral("..."));
    for (QWidget* running : std::initializer_list<QWidget*>{btnCancel, lblProgress})
        if (running)
            running->setVisible(importing_);
    if (lblProgress)
        lblProgress->clear();
    if (reportView)
        reportView->hide();
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
    // Once per file, so paint only what changed; repaint() puts it on screen at once, so
    // that every file's text is seen. The bar repaints itself when its fill moves.
    setStatusText(QString::fromStdString(text));
    if (pgSpin)
        pgSpin->setValue(std::min(pgSpin->value() + 1, pgSpin->maximum()));
    if (lblInfo)
        lblInfo->repaint();
}

void ViewController::stopBar() {
    // Nothing to lay out: the status line's width does not follow its text.
}

void ViewController::setTotalBytes(std::int64_t bytes) {
    progress_.start(bytes);
    sinceProgress_.invalidate();
}

void ViewController::bytesDone(std::int64_t bytes) {
    progress_.update(bytes);
    // A few times a second is enough for the numbers, and cheap.
    if (!lblProgress || (sinceProgress_.isValid() && !sinceProgress_.hasExpired(250)))
        return;
    sinceProgress_.start();
    lblProgress->setText(QString::fromStdString(progress_.line()));
}

void ViewController::sayWarning(const std::string& text) {
    warnings_.append(QString::fromStdString(text));
}

WhenShort ViewController::spaceShort(const std::vector<std::string>& shortfalls) {
    QStringList lines;
    for (const std::string& shortfall : shortfalls)
        lines.append(tr("The import %1.").arg(QString::fromStdString(shortfall)));
    warnings_.append(lines);
    QMessageBox ask(QMessageBox::Warning, tr("Not enough space"), lines.join(u'\n'),
                    QMessageBox::NoButton, this);
    ask.setInformativeText(tr("Import the files that fit, in order, and leave the rest on the "
                              "card, or import nothing?"));
    QPushButton* some = ask.addButton(tr("Import What Fits"), QMessageBox::AcceptRole);
    ask.addButton(tr("Import Nothing"), QMessageBox::RejectRole);
    // The run's thread waits for the answer.
    ask.exec();
    return ask.clickedButton() == some ? WhenShort::CopyWhatFits : WhenShort::CopyNothing;
}

// The one line a photographer needs after an import, and the files behind it.
void ViewController::showVerdict(const RunSummary& summary) {
    QString verdict = summary.selection ? selectionVerdict(summary) : verdictSentence(summary);
    if (!summary.selection && summary.stillOnCard() > 0)
        verdict += u' ' + tr("The list below says why.");
    for (const std::string& problem : summary.recordProblems)
        verdict +=
            u'\n' + tr("The hash record is missing: %1.").arg(QString::fromStdString(problem));
    if (!summary.reportProblem.empty())
        verdict += u'\n' + QString::fromStdString(summary.reportProblem) + u'.';
    if (lblDetail_) {
        const QString more = lblDetail_->text();
        lblDetail_->setText(more.isEmpty() ? verdict : verdict + u'\n' + more);
        lblDetail_->show();
    }
    report->setSummary(summary);
    if (reportView)
        reportView->showReport();
}

void ViewController::sayFinished(const RunSummary& summary) {
    for (QWidget* running : std::initializer_list<QWidget*>{btnCancel, lblProgress})
        if (running)
            running->hide();
    setStatusText(QString::fromStdString(finishedMessage(summary)));
    if (optionsBox)
        optionsBox->show();
    if (pgSpin)
        pgSpin->hide();
    showNow();
}

} // namespace kestrel
