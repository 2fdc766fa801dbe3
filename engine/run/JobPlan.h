#pragma once

#include "plan/NamePattern.h"
#include "run/ImportOptions.h"
#include "run/RecordedCopies.h"
#include "scan/FileEntry.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// Where one file's copies go below their destination roots (its group's and the backup):
// the folders in order, and the name.
struct FilePlace {
    std::vector<std::string> folders;
    std::string name;
    // Set when the group's destination holds the file's bytes at this place, as its record
    // says and as read just now: they need not be compared again there.
    std::optional<RecordedCopy> recorded;
};

// The place of the designed layout: the tag and date folders, the name as on the card.
FilePlace designedPlace(const FileFields& f, const ImportOptions& options);

// Why a run with options must not start for its job's names and folders: a pattern that
// cannot be used ("the name pattern cannot be used: unknown field {jbo} at character 12"),
// or (numbers) a sequence that cannot be read at a destination; empty when it may.
std::string jobRefusal(const ImportOptions& options, bool numbers = true);

// The names and folders a job's patterns give the files of one run. The files of one name
// before their endings (IMG_0001.JPG with IMG_0001.CR2) take every value but their ending
// and tag from one of them, the JPG where there is one, so they keep one name, each with its
// own ending, wherever they go.
class JobPlan {
  public:
    // options' patterns must be usable (jobRefusal says so).
    explicit JobPlan(ImportOptions options);

    // Whether a pattern is on; when none is, every file keeps its designed place.
    bool active() const { return names_ || folders_; }

    // What a run knows beyond its files: the card's name (the source folder's last
    // component, or the camera's model), and for files a camera sends, its model (otherwise
    // read from each photo, when a pattern names the camera).
    struct Source {
        std::string card;
        std::string camera;
    };

    // Where a file was filed before, below its destination root: when it says, the file goes
    // there again and takes no number, and the others of its group take its name with their
    // own endings. Asked before a group takes its number.
    std::function<std::optional<RecordedCopy>(const FileFields&)> recordedName;

    struct Placed {
        std::vector<FilePlace> places; // by entry (none for an error entry); empty: none on
        std::string refusal;           // why no numbers could be had: nothing may be copied
    };
    // The place of every entry of files. Numbers are taken for the groups with a file to
    // copy only (fits, when not empty, says which have room), in one block fresh at each
    // root they go to. reserve false: the numbers a run would take now, only read.
    Placed place(const FileList& files, const Source& source, const std::vector<bool>& fits,
                 bool reserve) const;

  private:
    NameValues valuesOf(const FileFields& f, const Source& source) const;

    ImportOptions options_;
    std::optional<NamePattern> names_;
    std::optional<NamePattern> folders_;
};

} // namespace kestrel
