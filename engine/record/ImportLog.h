#pragma once

#include "record/CopyOutcome.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace kestrel {

// Every line an import writes on standard output. Lines are gathered and written out a
// batch at a time (flush), so a killed run loses at most the lines of the batch in flight
// and a run whose output is gone (a closed pipe) learns it at once.
class ImportLog {
  public:
    explicit ImportLog(std::ostream& out);

    // The source root, first line of a run.
    void sourceRoot(const std::string& root);
    // "error: PATH: reason": something below the source that could not be examined or read.
    void error(const std::string& path, const CopyOutcome& why);
    // "Ende: N Dateien gefunden und in Datei-Array geschrieben."
    void count(std::int32_t files);

    // The lines of the file in hand, held until its result is known.
    void folderAsked(const std::string& folder);
    void folderMade(const std::string& folder);
    // Hands over the held lines of the file in hand.
    std::string takeFileLines();

    // Writes a file's held lines, "copy-error" when it was not copied, and its log line
    // "SRC -> DEST true|false".
    void fileResult(const std::string& linesBefore, const std::string& source,
                    const CopyOutcome& outcome);
    // Lines as they are: the held lines of a folder asked for on its own.
    void append(const std::string& lines) { pending_ += lines; }
    // The line of a copy that failed, on its own.
    void copyError() { pending_ += "copy-error\n"; }
    // The line of an entry whose attributes could not be read.
    void errorEntry(const std::string& linesBefore);
    // "note: PATH: text": something the run left as it was, which is no failure (a sidecar
    // that another program wrote).
    void note(const std::string& path, const std::string& text);

    // Writes out what was gathered. False once standard output cannot take it (closed pipe,
    // full disk): the run should stop.
    bool flush();

  private:
    std::ostream& out_;
    std::string pending_;
    std::string fileLines_;
};

// name unchanged when it holds no control character; otherwise the shell's $'…' form, as
// GNU ls prints it ($'IMG\n1.JPG'), which a shell reads back to the same bytes.
std::string quotedName(std::string_view name);

} // namespace kestrel
