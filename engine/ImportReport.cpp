#include "ImportReport.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
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

void pruneOldReports(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> reports;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".tsv")
            reports.push_back(entry.path());
    if (reports.size() <= kKeptReports)
        return;
    // Names start with the start time, so name order is age order.
    std::sort(reports.begin(), reports.end());
    for (std::size_t i = 0; i + kKeptReports < reports.size(); ++i)
        std::filesystem::remove(reports[i], error);
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
    if (file_ != nullptr)
        std::fclose(file_);
}

void ImportReport::fail(const std::string& what, int error) {
    problem_ = what + ": " + std::strerror(error);
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
}

bool ImportReport::open(const std::string& source) {
    const std::string folder = reportsFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string stem = folder + "/" + startTimeName();
    int fd = -1;
    for (int n = 1; fd < 0 && n < 100; ++n) {
        path_ = stem + (n == 1 ? "" : "-" + std::to_string(n)) + ".tsv";
        fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0 || (file_ = ::fdopen(fd, "w")) == nullptr) {
        const int why = errno;
        if (fd >= 0)
            ::close(fd);
        fail("the report " + path_ + " cannot be written", why);
        path_.clear();
        return false;
    }
    std::fprintf(file_, "# kestrel import report\n# source\t%s\n", reportField(source).c_str());
    return true;
}

void ImportReport::add(const std::string& source, const CopyOutcome& outcome) {
    if (file_ == nullptr)
        return;
    const std::string reason = outcome.copied() ? std::string() : describe(outcome);
    std::fprintf(file_, "%s\t%s\t%s\t%s\n", outcomeKeyword(outcome.outcome),
                 reportField(source).c_str(), reportField(outcome.destPath).c_str(),
                 reportField(reason).c_str());
}

void ImportReport::finish(const RunSummary& summary) {
    if (file_ == nullptr)
        return;
    std::fprintf(file_,
                 "# summary\tmatched=%d\tcopied=%d\talready-there=%d\tnot-copied=%d\t"
                 "unreadable=%d\tdated-by-file-times=%d\tstopped=%d\n",
                 summary.matched, summary.copied, summary.alreadyThere, summary.notCopied,
                 summary.unreadable, summary.datedByFileTimes, summary.stopped ? 1 : 0);
    const bool written = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    const int error = errno;
    std::fclose(std::exchange(file_, nullptr));
    if (!written)
        fail("the report " + path_ + " was not written completely", error);
    pruneOldReports(std::filesystem::path(path_).parent_path());
}

} // namespace kestrel
