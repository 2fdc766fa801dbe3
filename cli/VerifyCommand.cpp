#include "VerifyCommand.h"

#include "CommandLine.h"
#include "TerminalStatus.h"
#include "base/ShownText.h"
#include "record/HashRecord.h"
#include "record/ImportLog.h"
#include "run/StopRequest.h"

#include <QCoreApplication>

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ostream>
#include <utility>
#include <vector>

namespace kestrel::cli {

namespace {

constexpr int kFound = 1;
constexpr int kNothingToCheck = 2;

// readHistory's word for a root without an ascmhl folder or generations.
constexpr char kNoRecord[] = "no hash record";

// "path: reason" with the path quoted as the log quotes names; the reason is strerror's.
std::string quotedUnreadable(const std::string& line) {
    const std::size_t colon = line.rfind(": ");
    if (colon == std::string::npos)
        return quotedName(line);
    return quotedName(line.substr(0, colon)) + line.substr(colon);
}

// The bytes the check will read: every recorded file with a size and an XXH3-128 hash.
std::int64_t bytesToRead(const History& history) {
    std::int64_t total = 0;
    for (const auto& [path, entry] : history.files)
        if (entry.size > 0 && entry.xxh128)
            total += entry.size;
    return total;
}

} // namespace

std::string verifyMessage(const VerifyResult& result, const std::string& root) {
    // %Ln: the count in the reader's digit groups and plural form.
    const auto say = [](const char* text, std::size_t n) {
        return QCoreApplication::translate("kestrel-import", text, nullptr,
                                           static_cast<int>(std::min<std::size_t>(n, INT_MAX)));
    };
    const std::size_t checked = static_cast<std::size_t>(result.matched) + result.changed.size() +
                                result.missing.size() + result.unreadable.size() +
                                result.unchecked.size() + result.unrecorded.size();
    QString text =
        say(result.stopped
                ? QT_TRANSLATE_N_NOOP("kestrel-import", "stopped after checking %Ln files at %1: ")
                : QT_TRANSLATE_N_NOOP("kestrel-import", "checked %Ln files at %1: "),
            checked)
            .arg(QString::fromStdString(quotedName(root))) +
        say(QT_TRANSLATE_N_NOOP("kestrel-import", "%Ln match, "), result.matched) +
        say(QT_TRANSLATE_N_NOOP("kestrel-import", "%Ln changed, "), result.changed.size()) +
        say(QT_TRANSLATE_N_NOOP("kestrel-import", "%Ln missing, "), result.missing.size());
    if (!result.unreadable.empty())
        text += say(QT_TRANSLATE_N_NOOP("kestrel-import", "%Ln unreadable, "),
                    result.unreadable.size());
    if (!result.unchecked.empty())
        text += say(QT_TRANSLATE_N_NOOP("kestrel-import", "%Ln without an XXH3-128 hash, "),
                    result.unchecked.size());
    return (text + say(QT_TRANSLATE_N_NOOP("kestrel-import", "%Ln not recorded."),
                       result.unrecorded.size()))
        .toStdString();
}

int verifyDestination(const std::string& dest, std::ostream& out, TerminalStatus& status,
                      const StopRequest& stop) {
    struct stat st {};
    if (::stat(dest.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate("kestrel-import", "not a folder: %1")
                                    .arg(QString::fromStdString(quotedName(dest)))));
        return kNothingToCheck;
    }
    const std::string root = absoluteFolderPath(dest);
    std::string error;
    auto history = readHistory(root, error);
    // A damaged or unreadable record is a failed check; no record means nothing to check.
    if (!history && error == kNoRecord) {
        std::fprintf(stderr, "kestrel-import: %s\n",
                     qPrintable(QCoreApplication::translate("kestrel-import",
                                                            "%1 has no hash record (ascmhl folder)")
                                    .arg(QString::fromStdString(quotedName(root)))));
        return kNothingToCheck;
    }
    if (!history) {
        std::fprintf(stderr, "kestrel-import: %s\n", qPrintable(shownText(error)));
        return kFound;
    }

    status.setTotalBytes(bytesToRead(*history));
    // The check takes the history over: it is held once, however large the record.
    const VerifyResult result = verifyRoot(
        root, std::move(*history), [&status](std::int64_t done) { status.bytesDone(done); },
        [&stop] { return stop.requested(); });
    status.clearLive();
    if (!result.error.empty()) {
        std::fprintf(stderr, "kestrel-import: %s\n", qPrintable(shownText(result.error)));
        return kFound;
    }
    const auto list = [&out](const char* label, const std::vector<std::string>& paths) {
        for (const std::string& path : paths)
            out << label << quotedName(path) << '\n';
    };
    list("changed: ", result.changed);
    list("missing: ", result.missing);
    for (const std::string& line : result.unreadable)
        out << "unreadable: " << quotedUnreadable(line) << '\n';
    list("not checked: ", result.unchecked);
    list("not recorded: ", result.unrecorded);
    out.flush();
    std::fprintf(stderr, "%s\n", verifyMessage(result, root).c_str());
    if (result.stopped)
        return stop.signal() != 0 ? 128 + stop.signal() : kFound;
    // Files never recorded are listed but do not fail the check: a destination may well hold
    // other files.
    return result.passed() ? 0 : kFound;
}

} // namespace kestrel::cli
