#pragma once

#include "scan/FileEntry.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace kestrel {

// The choices one import run works with, read from the preferences once when it starts.
struct ImportOptions {
    bool jpg = false;
    bool raw = false;
    // The date folder levels of every copied file (the JPG side's choices).
    bool year = false;
    bool month = false;
    bool day = false;
    bool byModification = false; // date by modification time instead of birth time
    bool byCaptureDate = false;  // date by the photo's own metadata where it has a date
    bool keepBoth = false;       // copy a different file that has the name under NAME-1.EXT
    bool otherFormats = false;   // also import the photo and clip formats not in the table
    bool verify = true;          // read every copy back from the disk before it counts
    std::string jpgRoot;         // "<nil>" when never chosen
    std::string rawRoot;
    std::string backupRoot; // every file is also copied below it; "<nil>" or empty: no backup
    // A job's names and folders; empty for off.
    std::string namePattern;
    std::string folderPattern;
    std::string job;
    // The photographer's metadata for the XMP sidecars; all empty for no sidecars.
    std::string creator;
    std::string copyright;
    std::string credit;
    std::vector<std::string> keywords;
    std::string description;
    bool sidecarWithEnding = false; // NAME.EXT.xmp instead of NAME.xmp

    // Whether any metadata is set, so that each copy gets its sidecar.
    bool writesSidecars() const {
        return !creator.empty() || !copyright.empty() || !credit.empty() || !keywords.empty() ||
               !description.empty();
    }

    bool operator==(const ImportOptions&) const = default;
};

// The folders below a destination root that f goes to: its tag, then the date levels on.
std::vector<std::string_view> folderLevels(const FileFields& f, const ImportOptions& options);

// The path of the folder below root that f goes to, ending in "/": root/JPG/2016/07/21/.
std::string destinationFolder(const FileFields& f, const std::string& root,
                              const ImportOptions& options);

// The keywords in text, separated by commas, without the spaces around them.
std::vector<std::string> splitKeywords(std::string_view text);

// Reads the options from store; absent keys read as off and as the root "<nil>".
ImportOptions readImportOptions(const QSettings& store);
// Reads the options through value, which gives a key's stored string or "<nil>".
ImportOptions readImportOptions(const std::function<std::string(const char* key)>& value);

// Why the preferences file behind store cannot be used ("…: Permission denied"), or an empty
// string when it can. A file that exists but cannot be read would make every option read
// as off and every destination as "<nil>".
std::string preferencesProblem(const QSettings& store);

} // namespace kestrel
