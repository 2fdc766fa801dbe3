#pragma once

#include "base/ContentHash.h"
#include "run/CardItem.h"
#include "run/ImportOptions.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

class Device;

// Where one photo or clip of a card stands, as an import with the current options sees it.
enum class Standing {
    New,            // to be copied: not at its destination, and never recorded there
    AtDestination,  // the same bytes are at its destination (and at the backup, when chosen)
    ImportedBefore, // not there now, but its destination root's hash record lists the same file
    NotImported,    // a photo or clip that the options leave on the card
};

// One photo or clip of a card, before it is imported.
struct SurveyedFile {
    std::string path; // the full source path, as the import forms it: root + "/" + relative path
    std::string name; // after the last '/'
    std::int64_t size = 0; // -1 when a camera does not say
    // On a camera or phone: the file's path there, and the time the camera gives it (0: none).
    std::string devicePath;
    std::time_t deviceTime = 0;
    // "YYYY-MM-DD HH:MM:SS" in the local calendar: the capture time where the metadata has
    // one (with capture dates on), else the file time the import dates by; empty when it
    // has none the calendar can hold. Sorts as text.
    std::string taken;
    bool clip = false; // a video clip (MOV, MP4, …)
    Standing standing = Standing::New;
    // NotImported: why, in the words of the import's report ("the JPG group is switched
    // off"); ImportedBefore: the recorded path below its destination root.
    std::string reason;
    // The full path the import would copy it to (its group's root, the date folders, the
    // name); empty when it is not imported or the import cannot place it.
    std::string destination;
    // With a job's patterns on: the end of destination below its root, as the job names it
    // or as its record found it filed before ("JPG/2026/2026-12-08 wedding/…_0001.JPG").
    std::string placed;
    // A picked file's fields, as the import's scan gives them; null for a camera's file.
    std::shared_ptr<const FileFields> fields;
};

// Every photo and clip below root that an import with options would look at: the picked
// files and those it leaves on the card, sorted by taken, then name. Reads what the import's
// scan reads (the files' attributes and capture date headers), never whole files. stop is
// asked before each item; once it answers true the listing ends with what it has.
std::vector<SurveyedFile> listCard(const std::string& root, const ImportOptions& options,
                                   const std::function<bool()>& stop = {});

// The entry of listCard for the item at path, which pick says what the import does with.
SurveyedFile surveyItem(const std::string& path, const Pick& pick, const ImportOptions& options);

// Works out whether picked files are New, AtDestination or ImportedBefore. Each destination
// root's hash record is read once, on first need, and a source is hashed only when that
// record lists a file of its name and size, so a new card is never read whole. Safe to call
// from several threads at once.
class StandingCheck {
  public:
    explicit StandingCheck(const ImportOptions& options);
    ~StandingCheck();
    StandingCheck(const StandingCheck&) = delete;
    StandingCheck& operator=(const StandingCheck&) = delete;

    // Where file stands; a NotImported file stays so. For ImportedBefore, recordedPath (when
    // not null) gets the path the record lists below its root. A camera's file (devicePath)
    // is on device, open now, which sends it whole only when a destination holds a file of
    // its name and size that no record vouches for; see deviceStanding.
    Standing standingOf(const SurveyedFile& file, std::string* recordedPath = nullptr,
                        Device* device = nullptr);

  private:
    struct Recorded;
    std::shared_ptr<const Recorded> recordOf(const std::string& root);
    // As the import decides for a camera's file: at its destination (and backup) when the
    // record there lists it under that path with the camera's size and time and the copy
    // still hashes as recorded, or when the copy holds the bytes the camera sends; imported
    // before when a record lists a file of its name, size and camera time elsewhere.
    Standing deviceStanding(const SurveyedFile& file, const std::string& root,
                            std::string* recordedPath, Device* device);
    bool deviceCopyAt(const std::string& destination, const std::string& root,
                      const SurveyedFile& file, const std::function<std::optional<Digest128>()>& sent);

    ImportOptions options_;
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const Recorded>> records_; // by destination root
};

} // namespace kestrel
