// kestrel-bench-window: imports one folder through the window, as a drop on it does, so
// the runner can time it against kestrel-import. Run it with QT_QPA_PLATFORM=offscreen.
//
// It also checks that the window painted every status text: the "..." of the scan, the
// "k of N (name)" of every file, in order, and the final message. Exit status 0 when the
// import copied everything and every text was painted, 1 when a file was not copied, 3
// when a status text was never painted.
//
// With --paint-only N it copies nothing: it shows the status line of N files the way an
// import does, so the runner can time what painting one status line per file costs alone.

#include "window/ViewController.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Records the label's text each time the label is painted.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QLabel* label) : label_(label) { label->installEventFilter(this); }
    const std::vector<QString>& painted() const { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::Paint &&
            (painted_.empty() || painted_.back() != label_->text()))
            painted_.push_back(label_->text());
        return false;
    }

  private:
    QLabel* label_;
    std::vector<QString> painted_;
};

// The first status text that should have been painted and was not, or an empty string.
QString firstUnpainted(const std::vector<QString>& painted, std::int32_t files) {
    std::vector<QString> expected{QStringLiteral("...")};
    std::size_t at = 0;
    for (std::int32_t k = 1; k <= files; ++k)
        expected.push_back(QStringLiteral("%1 of %2 (").arg(k).arg(files));
    expected.push_back(QStringLiteral("copying of %1 files finished.").arg(files));
    // Each expected text (a progress text by its start) must appear, in this order.
    for (const QString& text : expected) {
        while (at < painted.size() && !painted[at].startsWith(text))
            ++at;
        if (at == painted.size())
            return text;
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    QApplication::setOrganizationName(QStringLiteral("kestrel"));
    const bool paintOnly = argc == 3 && std::string_view(argv[1]) == "--paint-only";
    if (argc != 2 && !paintOnly) {
        std::fputs("Usage: kestrel-bench-window SOURCE | --paint-only FILES\n", stderr);
        return 2;
    }
    std::ios::sync_with_stdio(false);

    kestrel::ViewController window(std::cout);
    window.show();
    QApplication::processEvents();
    if (!window.lblInfo) {
        std::fputs("kestrel-bench-window: the window has no status line\n", stderr);
        return 2;
    }
    PaintRecorder recorder(window.lblInfo);

    if (paintOnly) {
        const std::int32_t files = std::atoi(argv[2]);
        window.setBar(files);
        for (std::int32_t k = 1; k <= files; ++k)
            window.setBarInc(std::to_string(k) + " of " + std::to_string(files) + " (DSC_" +
                             std::to_string(k) + ".JPG)");
        kestrel::RunSummary summary;
        summary.matched = summary.copied = files;
        window.sayFinished(summary);
        return recorder.painted().size() >= std::size_t(files) ? 0 : 3;
    }
    window.runImport(argv[1]);
    // The import runs on a thread of its own while the window's events are handled here.
    while (window.isImporting())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::cout.flush();

    const QString missing = firstUnpainted(recorder.painted(), window.filesToCopy);
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "kestrel-bench-window: never painted: %s\n", qPrintable(missing));
        return 3;
    }
    const bool allCopied = !window.lblInfo->text().contains(QStringLiteral("not copied"));
    return allCopied ? 0 : 1;
}
