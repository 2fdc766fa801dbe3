#include "record/ImportReport.h"

#include "base/EngineTexts.h"
#include "base/FaultPoints.h"
#include "base/SystemError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <utility>
#include <vector>

namespace kestrel {

namespace {

constexpr std::size_t kKeptReports = 100;

// Length of the valid UTF-8 sequence at text[i], or 0.
std::size_t utf8Length(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80         ? 1
                               : (c >> 5) == 6  ? 2
                               : (c >> 4) == 14 ? 3
                               : (c >> 3) == 30 ? 4
                                                : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2)
            return 0;
    return length;
}

std::string startTimeName() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char name[32];
    std::strftime(name, sizeof name, "%Y%m%d-%H%M%S", &local);
    return std::string(name) + "-" + std::to_string(1000 + millis).substr(1);
}

// Removes the oldest reports beyond kKeptReports, by when they were last written: names
// follow the local clock, which a change of time zone moves.
void pruneOldReports(const std::filesystem::path& folder, const std::string& keep) {
    std::error_code error;
    std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> reports;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".tsv" && entry.path() != keep)
            reports.emplace_back(entry.last_write_time(error), entry.path());
    if (reports.size() < kKeptReports)
        return;
    std::sort(reports.begin(), reports.end());
    for (std::size_t i = 0; i + kKeptReports <= reports.size(); ++i)
        std::filesystem::remove(reports[i].second, error);
}

// Writes all of data to fd; 0 or the errno of the failure.
int writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t put = faults::injected(faults::Call::ReportWrite)
                                ? -1
                                : ::write(fd, data.data(), data.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return put == 0 ? EIO : errno;
        data.remove_prefix(static_cast<std::size_t>(put));
    }
    return 0;
}

} // namespace

std::string reportField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size();) {
        const auto c = static_cast<unsigned char>(field[i]);
        const std::size_t length = utf8Length(field, i);
        if (c == '\\') {
            out += "\\\\";
            ++i;
        } else if (length == 0 || c < 0x20 || c == 0x7f) {
            out += '\\';
            out += static_cast<char>('0' + (c >> 6));
            out += static_cast<char>('0' + ((c >> 3) & 7));
            out += static_cast<char>('0' + (c & 7));
            ++i;
        } else {
            out.append(field.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string reportsFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/kestrel/reports";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/state/kestrel/reports";
}

ImportReport::~ImportReport() {
    if (fd_ >= 0)
        ::close(fd_);
}

void ImportReport::fail(int error) {
    problem_ = texts::filled<texts::kReportUnwritten>(englishError(error));
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(path_.c_str()); // a report cut short would pass for the whole story
    }
    fd_ = -1;
    path_.clear();
    pending_.clear();
}

bool ImportReport::open(const std::string& source) {
    const std::string folder = reportsFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string stem = folder + "/" + startTimeName();
    for (int n = 1; fd_ < 0 && n < 100; ++n) {
        path_ = stem;
        if (n > 1)
            path_.append("-").append(std::to_string(n));
        path_ += ".tsv";
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        fail(errno);
        return false;
    }
    pending_ = "# kestrel import report\n# source\t" + reportField(source) + "\n";
    return true;
}

void ImportReport::add(const std::string& source, const CopyOutcome& outcome) {
    if (fd_ < 0)
        return;
    const std::string reason = outcome.copied() ? std::string() : describe(outcome);
    pending_ += std::string(outcomeKeyword(outcome.outcome)) + '\t' + reportField(source) + '\t' +
                reportField(outcome.destPath) + '\t' + reportField(reason) + '\n';
    if (pending_.size() >= 64 * 1024)
        flush();
}

void ImportReport::note(const std::string& source, const std::string& path,
                        const std::string& text) {
    if (fd_ >= 0)
        pending_ += "note\t" + reportField(source) + '\t' + reportField(path) + '\t' +
                    reportField(text) + '\n';
}

void ImportReport::flush() {
    if (fd_ < 0 || pending_.empty())
        return;
    if (const int error = writeAll(fd_, pending_))
        return fail(error);
    pending_.clear();
}

void ImportReport::finish(const RunSummary& summary) {
    if (fd_ < 0)
        return;
    char line[256];
    std::snprintf(line, sizeof line,
                  "# summary\tmatched=%d\tcopied=%d\talready-there=%d\tnot-copied=%d\t"
                  "unreadable=%d\tdated-by-file-times=%d\tstopped=%d\tleft-on-card=%d\n",
                  summary.matched, summary.copied, summary.alreadyThere, summary.notCopied,
                  summary.unreadable, summary.datedByFileTimes, summary.stopped ? 1 : 0,
                  summary.leftOnCard);
    pending_ += line;
    flush();
    if (fd_ < 0)
        return;
    if (::fsync(fd_) != 0)
        return fail(errno);
    if (::close(std::exchange(fd_, -1)) != 0) {
        const int error = errno;
        ::unlink(path_.c_str());
        return fail(error);
    }
    pruneOldReports(std::filesystem::path(path_).parent_path(), path_);
}

} // namespace kestrel
