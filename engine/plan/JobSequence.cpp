#include "plan/JobSequence.h"

#include "base/EngineTexts.h"
#include "base/SystemError.h"
#include "base/Fd.h"
#include "record/RecordFolder.h"

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>
#include <map>
#include <string_view>

namespace kestrel {

namespace {

// The file's first line; a later format would change its number.
constexpr std::string_view kHeader = "kestrel job sequences 1\n";
constexpr const char* kLock = "sequence.lock";
constexpr std::string_view kHex = "0123456789ABCDEF";

// A job name on one line: "%", tabs, line ends and other control characters as %XX.
std::string escaped(const std::string& job) {
    std::string out;
    for (const char c : job) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '%' || byte < 0x20 || byte == 0x7F)
            out.append({'%', kHex[byte >> 4], kHex[byte & 15]});
        else
            out += c;
    }
    return out;
}

// The job name that escaped() wrote as text; false when text is not one it writes.
bool unescaped(std::string_view text, std::string& job) {
    job.clear();
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x20 || byte == 0x7F)
            return false;
        if (text[at] != '%') {
            job += text[at];
            continue;
        }
        const std::size_t high = at + 2 < text.size() ? kHex.find(text[at + 1]) : kHex.npos;
        const std::size_t low = high != kHex.npos ? kHex.find(text[at + 2]) : kHex.npos;
        if (low == kHex.npos)
            return false;
        job += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return true;
}

using Sequences = std::map<std::string, std::uint64_t>; // job: the last number taken

// Reads the file's text into sequences; 0, or the line that is not as written.
int parse(std::string_view text, Sequences& sequences) {
    if (!text.starts_with(kHeader))
        return 1;
    text.remove_prefix(kHeader.size());
    for (int line = 2; !text.empty(); ++line) {
        const std::size_t end = text.find('\n');
        const std::size_t tab = text.find('\t');
        if (end == text.npos || tab >= end)
            return line;
        const std::string_view number = text.substr(tab + 1, end - tab - 1);
        std::uint64_t last = 0;
        const char* const digits = number.data() + number.size();
        const auto [stop, error] = std::from_chars(number.data(), digits, last);
        std::string job;
        if (number.empty() || error != std::errc() || stop != digits ||
            !unescaped(text.substr(0, tab), job) || !sequences.emplace(job, last).second)
            return line;
        text.remove_prefix(end + 1);
    }
    return 0;
}

std::string written(const Sequences& sequences) {
    std::string text(kHeader);
    for (const auto& [job, last] : sequences)
        text += escaped(job) + '\t' + std::to_string(last) + '\n';
    return text;
}

} // namespace

std::string JobSequence::place() const {
    return (where_.empty() ? "" : where_ + "/") + kFolder + "/" + kFile;
}

JobSequence::Reserved JobSequence::failedWith(int error) const {
    if (error == ELOOP)
        return {0, texts::filled<texts::kSequenceUnreachable>(place())};
    return {0, texts::filled<texts::kSequenceUnkept>(place(), englishError(error))};
}

JobSequence::Reserved JobSequence::damaged(int line) const {
    return {0, texts::filled<texts::kSequenceDamaged>(place(), std::to_string(line))};
}

JobSequence::Reserved JobSequence::usedUp() const {
    return {0, texts::filled<texts::kSequenceUsedUp>(place())};
}

JobSequence::Reserved JobSequence::next() const {
    Fd folder(::openat(root_, kFolder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid())
        return errno == ENOENT ? Reserved{1, {}} : failedWith(errno);
    std::string text;
    Sequences sequences;
    const int readError = record::readFileAt(folder.get(), kFile, text);
    if (readError != 0)
        return readError == ENOENT ? Reserved{1, {}} : failedWith(readError);
    if (const int line = parse(text, sequences))
        return damaged(line);
    const auto found = sequences.find(job_);
    const std::uint64_t last = found == sequences.end() ? 0 : found->second;
    if (last == std::numeric_limits<std::uint64_t>::max())
        return usedUp();
    return {last + 1, {}};
}

JobSequence::Reserved JobSequence::reserve(std::uint64_t count, std::uint64_t atLeast) {
    Fd folder;
    if (const int error = record::openFolderBelow(root_, kFolder, true, folder))
        return failedWith(error);
    // Runs that reserve at once take turns here, each on a descriptor of its own.
    const Fd lock(::openat(folder.get(), kLock, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644));
    int locked = -1;
    while (lock.valid() && (locked = ::flock(lock.get(), LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0)
        return failedWith(errno);
    record::removeStaleTemporaries(folder.get()); // of runs that died while storing

    std::string text;
    Sequences sequences;
    const int readError = record::readFileAt(folder.get(), kFile, text);
    if (readError != 0 && readError != ENOENT)
        return failedWith(readError);
    if (const int line = readError == ENOENT ? 0 : parse(text, sequences))
        return damaged(line);
    std::uint64_t& last = sequences[job_];
    const std::uint64_t from = std::max(last, atLeast - std::min<std::uint64_t>(atLeast, 1));
    if (count > std::numeric_limits<std::uint64_t>::max() - from)
        return usedUp();
    const Reserved reserved{from + 1, {}};
    last = from + count;
    if (const int error = record::replaceFile(folder.get(), kFile, written(sequences)))
        return failedWith(error);
    // The folder's own entry, when this made it.
    if (const int error = record::syncFd(root_))
        return failedWith(error);
    return reserved;
}

JobSequence::Reserved reserveAtEvery(const std::vector<std::string>& roots, const std::string& job,
                                     std::uint64_t count, bool reserve) {
    std::vector<Fd> open;
    std::vector<JobSequence> sequences;
    for (const std::string& root : roots) {
        open.emplace_back(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!open.back().valid())
            return {0, texts::filled<texts::kDestinationUnopened>(root, englishError(errno))};
        sequences.emplace_back(open.back().get(), job, root);
    }
    // Where every root's numbers are still fresh: past the last number each has given.
    std::uint64_t first = 1;
    for (const JobSequence& sequence : sequences) {
        const JobSequence::Reserved next = sequence.next();
        if (!next.error.empty())
            return next;
        first = std::max(first, next.first);
    }
    if (!reserve || count == 0)
        return {first, {}};
    // Another run may take numbers at one root meanwhile: then every root reserves again,
    // past each block taken so far, until they agree. Gaps are fine; repeats never.
    for (;;) {
        std::uint64_t agreed = first, past = first;
        for (JobSequence& sequence : sequences) {
            const JobSequence::Reserved taken = sequence.reserve(count, first);
            if (!taken.error.empty())
                return taken;
            if (taken.first != first)
                agreed = 0;
            past = std::max(past, taken.first + count);
        }
        if (agreed != 0)
            return {agreed, {}};
        first = past;
    }
}

} // namespace kestrel
