#include "record/ImportLog.h"

#include <ostream>

namespace kestrel {

namespace {

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7f;
}

} // namespace

std::string quotedName(std::string_view name) {
    bool plain = true;
    for (const char c : name)
        plain = plain && !isControl(static_cast<unsigned char>(c));
    if (plain)
        return std::string(name);

    std::string quoted = "$'";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\033':
            quoted += "\\e";
            break;
        case '\'':
        case '\\':
            quoted += '\\';
            quoted += c;
            break;
        default:
            if (isControl(byte)) {
                // Three octal digits, so a digit after it is never read as part of it.
                quoted += '\\';
                quoted += static_cast<char>('0' + (byte >> 6));
                quoted += static_cast<char>('0' + ((byte >> 3) & 7));
                quoted += static_cast<char>('0' + (byte & 7));
            } else {
                quoted += c;
            }
        }
    }
    quoted += '\'';
    return quoted;
}

ImportLog::ImportLog(std::ostream& out) : out_(out) {}

void ImportLog::sourceRoot(const std::string& root) {
    pending_ += quotedName(root) + '\n';
}

void ImportLog::error(const std::string& path, const CopyOutcome& why) {
    pending_ += "error: " + quotedName(path) + ": " + describe(why) + '\n';
}

void ImportLog::count(std::int32_t files) {
    pending_ +=
        "Ende: " + std::to_string(files) + " Dateien gefunden und in Datei-Array geschrieben.\n";
}

void ImportLog::folderAsked(const std::string& folder) {
    fileLines_ += "path: " + quotedName(folder) + '\n';
}

void ImportLog::folderMade(const std::string& folder) {
    fileLines_ += "makeFolder: " + quotedName(folder) + '\n';
}

std::string ImportLog::takeFileLines() {
    std::string lines;
    lines.swap(fileLines_);
    return lines;
}

void ImportLog::fileResult(const std::string& linesBefore, const std::string& source,
                           const CopyOutcome& outcome) {
    pending_ += linesBefore;
    if (!outcome.copied())
        pending_ += "copy-error\n";
    pending_ += quotedName(source) + " -> " + quotedName(outcome.destPath) +
                (outcome.copied() ? " true\n" : " false\n");
}

void ImportLog::errorEntry(const std::string& linesBefore) {
    pending_ += linesBefore + "ERR skipped\n";
}

void ImportLog::note(const std::string& path, const std::string& text) {
    pending_ += "note: " + quotedName(path) + ": " + text + '\n';
}

bool ImportLog::flush() {
    if (!pending_.empty()) {
        out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
        pending_.clear();
    }
    out_.flush();
    return static_cast<bool>(out_);
}

} // namespace kestrel
