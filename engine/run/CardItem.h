#pragma once

#include "record/CopyOutcome.h"
#include "run/ImportOptions.h"
#include "scan/CaptureDate.h"
#include "scan/FileDates.h"
#include "scan/FileEntry.h"

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// What an import does with one item that the walk of a card found. The import and the
// survey of a card both decide here, so a card is listed exactly as it would be imported.
struct Pick {
    enum class Verdict {
        Passed,     // not a photo or clip: a sidecar, a folder, a text file
        Picked,     // copied by the import
        LeftOnCard, // a photo or clip that the options do not import
    };
    Verdict verdict = Verdict::Passed;
    std::string tag;    // Picked: the first folder below the root, "JPG", "RAW" or "DNG"
    std::string root;   // Picked: its group's destination root, as the options hold it
    std::string reason; // LeftOnCard: "kestrel does not import .CR3 files", …
};

// Picks the item at path (relative to the card or full) by the ending of its path; folder
// and regular say what the walk saw it to be.
Pick pickItem(std::string_view path, bool folder, bool regular, const ImportOptions& options);

// The local date and time an import files an item by.
struct FilingTime {
    bool placed = false;      // false: the local calendar cannot hold the time
    bool fromCapture = false; // read from the file's own metadata, not from its file times
    long year = 0;
    int month = 0, day = 0, hour = 0, minute = 0, second = 0;

    // The date folders' names: [year as it is, two-digit month, two-digit day].
    std::array<std::string, 3> folders() const;
    // "YYYY-MM-DD HH:MM:SS", which sorts as text; empty when not placed.
    std::string text() const;
    // As a calendar time, its weekday and day of the year filled in.
    std::tm calendar() const;
};

// time in the local calendar, as TZ says.
FilingTime localFilingTime(std::time_t time);
// The filing time of a capture time read from a file's own metadata.
FilingTime capturedFilingTime(const CaptureTime& taken);

// The capture time in the metadata of the regular file at path, when options.byCaptureDate
// and it has one; else its birth or modification time, as the options choose.
FilingTime filingTime(const std::string& path, const FileDates& dates,
                      const ImportOptions& options);

// What the scan learns of one item at fullPath, which goes below root under tag: its
// entry's fields and the time it is filed by, or why it cannot be copied.
struct Examined {
    std::optional<FileFields> fields;
    std::optional<FileDates> dates; // nothing when the item cannot be examined
    FilingTime time;                // from dates
    CopyOutcome problem;            // when fields is empty: SourceUnreadable (errno) or Undated
};
Examined examineItem(const std::string& fullPath, const std::string& tag, const std::string& root,
                     const ImportOptions& options);

} // namespace kestrel
