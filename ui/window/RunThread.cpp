#include "window/RunThread.h"

#include "window/ViewController.h"

#include <utility>

namespace kestrel {

LockedStream::LockedStream(std::ostream& target, std::mutex& lock)
    : std::ostream(nullptr), buffer_(target, lock) {
    rdbuf(&buffer_);
}

LockedStream::~LockedStream() {
    flush();
}

LockedStream::Buffer::int_type LockedStream::Buffer::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        pending_ += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
}

std::streamsize LockedStream::Buffer::xsputn(const char* s, std::streamsize n) {
    pending_.append(s, static_cast<std::size_t>(n));
    return n;
}

int LockedStream::Buffer::sync() {
    const std::lock_guard hold(lock_);
    target_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    pending_.clear();
    target_.flush();
    return target_ ? 0 : -1;
}

RunThread::RunThread(ViewController& window, std::ostream& out, std::mutex& outLock, Work work)
    : window_(window), out_(out), outLock_(outLock), work_(std::move(work)) {}

RunThread::~RunThread() {
    wait();
}

void RunThread::abandon() {
    const std::lock_guard hold(lock_);
    abandoned_ = true;
    answered_.notify_all();
}

void RunThread::run() {
    LockedStream log(out_, outLock_);
    work_(*this, log);
}

void RunThread::queue(std::function<void()> call) {
    // Dropped with the window when it is gone; it waits for this thread before it goes.
    QMetaObject::invokeMethod(&window_, std::move(call), Qt::QueuedConnection);
}

void RunThread::sayNothing() {
    queue([w = &window_] { w->sayNothing(); });
}

void RunThread::setBar(std::int32_t count) {
    queue([w = &window_, count] { w->setBar(count); });
}

void RunThread::setBarInc(const std::string& text) {
    queue([w = &window_, text] { w->setBarInc(text); });
}

void RunThread::stopBar() {
    queue([w = &window_] { w->stopBar(); });
}

void RunThread::sayFinished(const RunSummary& summary) {
    queue([w = &window_, summary] { w->sayFinished(summary); });
}

void RunThread::setTotalBytes(std::int64_t bytes) {
    queue([w = &window_, bytes] { w->setTotalBytes(bytes); });
}

void RunThread::bytesDone(std::int64_t bytes) {
    queue([w = &window_, bytes] { w->bytesDone(bytes); });
}

void RunThread::sayWarning(const std::string& text) {
    queue([w = &window_, text] { w->sayWarning(text); });
}

WhenShort RunThread::spaceShort(const std::vector<std::string>& shortfalls) {
    std::unique_lock hold(lock_);
    answer_.reset();
    if (abandoned_)
        return WhenShort::CopyNothing;
    // The window asks while its event loop runs; this thread waits for the answer.
    queue([this, shortfalls] {
        const WhenShort answer = window_.spaceShort(shortfalls);
        const std::lock_guard given(lock_);
        answer_ = answer;
        answered_.notify_all();
    });
    answered_.wait(hold, [this] { return answer_ || abandoned_; });
    return answer_.value_or(WhenShort::CopyNothing);
}

} // namespace kestrel
