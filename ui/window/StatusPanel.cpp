#include "window/StatusPanel.h"

#include "base/ShownText.h"

#include "record/HashRecord.h"
#include "record/RunSummary.h"
#include "window/ReportModel.h"
#include "window/ReportView.h"
#include "window/VerdictText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

namespace kestrel {

StatusPanel::StatusPanel(const Controls& controls, ReportModel* report,
                         std::function<bool()> running, QObject* parent)
    : QObject(parent), controls_(controls), report_(report), running_(std::move(running)) {}

void StatusPanel::showIdle() {
    for (QWidget* idle :
         std::initializer_list<QWidget*>{controls_.bar, controls_.cancel, controls_.reportView,
                                         controls_.progress, controls_.detail})
        if (idle)
            idle->hide();
}

void StatusPanel::setText(const QString& text) {
    if (controls_.info)
        controls_.info->setText(text);
}

void StatusPanel::showProblems(const QStringList& problems) {
    if (!controls_.detail)
        return;
    controls_.detail->setText(problems.join(u'\n'));
    controls_.detail->setVisible(!problems.isEmpty());
}

void StatusPanel::appendProblem(const QString& text) {
    if (!controls_.detail)
        return;
    controls_.detail->setText(controls_.detail->text() + u'\n' + text);
    controls_.detail->show();
}

void StatusPanel::withdrawProblem(const QString& text) {
    if (controls_.detail && controls_.detail->text() == text)
        showProblems({});
}

void StatusPanel::showNow() {
    if (!controls_.window)
        return;
    // Lay out and paint now: the run's next status may follow at once.
    if (QLayout* top = controls_.window->layout())
        top->activate();
    controls_.window->repaint();
}

void StatusPanel::hideRunning() {
    for (QWidget* running : std::initializer_list<QWidget*>{controls_.cancel, controls_.progress})
        if (running)
            running->hide();
}

void StatusPanel::sayNothing() {
    setText(QStringLiteral("..."));
    for (QWidget* running : std::initializer_list<QWidget*>{controls_.cancel, controls_.progress})
        if (running)
            running->setVisible(running_());
    if (controls_.progress)
        controls_.progress->clear();
    for (QWidget* hidden : std::initializer_list<QWidget*>{controls_.reportView, controls_.options,
                                                           controls_.bar, controls_.detail})
        if (hidden)
            hidden->hide();
    showNow();
}

void StatusPanel::setBar(std::int32_t count) {
    setText(QStringLiteral("..."));
    if (controls_.options)
        controls_.options->hide();
    if (QProgressBar* bar = controls_.bar) {
        bar->setRange(0, std::max(count, 1));
        bar->setValue(0);
        bar->setVisible(count > 0);
    }
    showNow();
}

QString StatusPanel::fileInHand(const std::string& text) {
    // The engine's "3 of 20000 (IMG_0001.JPG)", in the reader's words.
    const auto of = text.find(" of ");
    const auto open = of == std::string::npos ? of : text.find(" (", of);
    if (open == std::string::npos || text.back() != ')')
        return QString::fromStdString(text);
    return tr("%1 of %2 (%3)")
        .arg(QString::fromStdString(text.substr(0, of)),
             QString::fromStdString(text.substr(of + 4, open - of - 4)),
             QString::fromStdString(text.substr(open + 2, text.size() - open - 3)));
}

void StatusPanel::setBarInc(const std::string& text) {
    // Once per file, so paint only what changed; repaint() puts it on screen at once, so
    // that every file's text is seen. The bar repaints itself when its fill moves.
    setText(fileInHand(text));
    if (QProgressBar* bar = controls_.bar)
        bar->setValue(std::min(bar->value() + 1, bar->maximum()));
    if (controls_.info)
        controls_.info->repaint();
}

void StatusPanel::stopBar() {
    // Nothing to lay out: the status line's width does not follow its text.
}

void StatusPanel::setTotalBytes(std::int64_t bytes) {
    progress_.start(bytes);
    sinceProgress_.invalidate();
}

void StatusPanel::bytesDone(std::int64_t bytes) {
    progress_.update(bytes);
    // A few times a second is enough for the numbers, and cheap.
    if (!controls_.progress || (sinceProgress_.isValid() && !sinceProgress_.hasExpired(250)))
        return;
    sinceProgress_.start();
    controls_.progress->setText(shownText(progress_.line()));
}

void StatusPanel::sayWarning(const std::string& text) {
    warnings_.append(shownText(text));
}

WhenShort StatusPanel::spaceShort(const std::vector<std::string>& shortfalls) {
    QStringList lines;
    for (const std::string& shortfall : shortfalls)
        lines.append(tr("The import %1.").arg(shownText(shortfall)));
    warnings_.append(lines);
    QMessageBox ask(QMessageBox::Warning, tr("Not enough space"), lines.join(u'\n'),
                    QMessageBox::NoButton, controls_.window);
    ask.setInformativeText(tr("Import the files that fit, in order, and leave the rest on the "
                              "card, or import nothing?"));
    QPushButton* some = ask.addButton(tr("Import What Fits"), QMessageBox::AcceptRole);
    ask.addButton(tr("Import Nothing"), QMessageBox::RejectRole);
    // The run's thread waits for the answer.
    ask.exec();
    return ask.clickedButton() == some ? WhenShort::CopyWhatFits : WhenShort::CopyNothing;
}

void StatusPanel::showVerdict(const RunSummary& summary) {
    const QString verdict = VerdictText::ofImport(summary);
    if (controls_.detail) {
        const QString more = controls_.detail->text();
        controls_.detail->setText(more.isEmpty() ? verdict : verdict + u'\n' + more);
        controls_.detail->show();
    }
    report_->setSummary(summary);
    if (controls_.reportView)
        controls_.reportView->showReport();
}

void StatusPanel::sayFinished(const RunSummary& summary) {
    hideRunning();
    setText(QString::fromStdString(finishedMessage(summary)));
    if (controls_.options)
        controls_.options->show();
    if (controls_.bar)
        controls_.bar->hide();
    showNow();
}

void StatusPanel::showVerifyVerdict(const VerifyResult& result, const QString& root) {
    hideRunning();
    if (controls_.options)
        controls_.options->show();
    setText(VerdictText::checkedLine(result, root));
    showProblems({VerdictText::ofVerify(result, root)});
    report_->setVerifyResult(result, root);
    if (controls_.reportView)
        controls_.reportView->showReport();
    showNow();
}

void StatusPanel::showVerifyProblem(const QString& problem) {
    // Not the line of a check before this one.
    setText(tr("Nothing was checked."));
    report_->removeRows(0, report_->rowCount());
    if (controls_.reportView)
        controls_.reportView->hide();
    showProblems({problem});
}

} // namespace kestrel
