#include "TerminalStatus.h"

#include "base/ShownText.h"

#include <QCoreApplication>

#include <unistd.h>

namespace kestrel::cli {

namespace {
// File names may hold control bytes; never let them reach the terminal as commands.
std::string printable(const std::string& text) {
    std::string shown = text;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return shown;
}
} // namespace

TerminalStatus::TerminalStatus(std::FILE* stream)
    : stream_(stream), live_(::isatty(::fileno(stream)) == 1) {}

void TerminalStatus::showLive(const std::string& text) {
    if (!live_)
        return;
    std::fprintf(stream_, "\r%s\033[K", printable(text).c_str());
    std::fflush(stream_);
}

void TerminalStatus::sayNothing() {
    haveTotal_ = false;
    fileText_.clear();
    showLive("...");
}

void TerminalStatus::setBar(std::int32_t count) {
    filesToCopy_ = count;
    showLive("...");
}

void TerminalStatus::setBarInc(const std::string& text) {
    fileText_ = text;
    showProgress();
}

void TerminalStatus::setTotalBytes(std::int64_t bytes) {
    progress_.start(bytes);
    haveTotal_ = true;
}

void TerminalStatus::bytesDone(std::int64_t bytes) {
    progress_.update(bytes);
    showProgress();
}

void TerminalStatus::showProgress() {
    // A terminal need not be redrawn for every small file.
    const auto now = std::chrono::steady_clock::now();
    if (!live_ || now - lastShown_ < std::chrono::milliseconds(40))
        return;
    lastShown_ = now;
    if (!haveTotal_)
        showLive(fileText_);
    else if (fileText_.empty())
        showLive(shownText(progress_.line()).toStdString());
    else
        showLive(shownText(progress_.line()).toStdString() + " · " + fileText_);
}

void TerminalStatus::stopBar() {}

WhenShort TerminalStatus::spaceShort(const std::vector<std::string>& shortfalls) {
    clearLive();
    for (const std::string& shortfall : shortfalls)
        std::fprintf(
            stream_, "kestrel-import: %s\n",
            qPrintable(QCoreApplication::translate("kestrel-import", "%1: nothing is copied.")
                           .arg(shownText(shortfall))));
    return WhenShort::CopyNothing;
}

void TerminalStatus::sayWarning(const std::string& text) {
    clearLive();
    std::fprintf(stream_, "kestrel-import: %s\n",
                 qPrintable(QCoreApplication::translate("kestrel-import", "warning: %1")
                                .arg(shownText(printable(text)))));
}

void TerminalStatus::clearLive() {
    if (live_)
        std::fputs("\r\033[K", stream_);
}

void TerminalStatus::sayFinished(const RunSummary& summary) {
    clearLive();
    std::fprintf(stream_, "%s\n", finishedMessage(summary).c_str());
    std::fflush(stream_);
}

} // namespace kestrel::cli
