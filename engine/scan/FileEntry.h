#pragma once

#include "copy/SourceIdentity.h"
#include "copy/StreamedSource.h"
#include "record/CopyOutcome.h"

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// The eight fields of a picked file, in their fixed order, and what the scan saw of it.
struct FileFields {
    std::string fileType;     // "JPG", "RAW" or "DNG"
    std::string fullPath;     // source root + relative path
    std::string fileName;     // after the last "/"
    std::string sourceFolder; // up to and including the last "/"
    std::string year;         // "2016"
    std::string month;        // "03"
    std::string day;          // "07"
    std::string destRoot;     // the group's destination root, unchanged
    SourceIdentity scanned;
    std::int64_t size = 0;
    std::shared_ptr<StreamedSource> streamed; // when a camera sends it: fullPath is no file
    std::tm taken{}; // the local date and time it is filed by, whole (year, month, day above)
};

// One picked file: its fields, or the error form of a file whose attributes could not be
// read. The error form carries no fields at all, so it cannot be read as a file; it keeps
// the path and the reason only to report them.
class FileEntry {
  public:
    explicit FileEntry(FileFields fields) : fields_(std::move(fields)) {}
    static FileEntry error(std::string path, CopyOutcome why) {
        FileEntry entry;
        entry.problemPath_ = std::move(path);
        entry.problem_ = std::move(why);
        return entry;
    }

    bool isError() const { return !fields_.has_value(); }
    // Only for entries that are not the error form.
    const FileFields& fields() const { return *fields_; }
    // Only for the error form: the file and why its attributes could not be read.
    const std::string& problemPath() const { return problemPath_; }
    const CopyOutcome& problem() const { return problem_; }

    // The entry as its list of strings: the eight fields, or the one string "ERR".
    std::vector<std::string> strings() const;

  private:
    FileEntry() = default;
    std::optional<FileFields> fields_;
    std::string problemPath_;
    CopyOutcome problem_;
};

using FileList = std::vector<FileEntry>;

} // namespace kestrel
