#pragma once

#include <QSettings>

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace kestrel {

// What a key that holds nothing reads as.
inline constexpr std::string_view kAbsent = "<nil>";

namespace keys {
inline constexpr char JPG[] = "kestrelJPG";
inline constexpr char RAW[] = "kestrelRAW";
inline constexpr char JPGYear[] = "kestrelJPGYear";
inline constexpr char JPGMonth[] = "kestrelJPGMonth";
inline constexpr char JPGDay[] = "kestrelJPGDay";
inline constexpr char RAWYear[] = "kestrelRAWYear";
inline constexpr char RAWMonth[] = "kestrelRAWMonth";
inline constexpr char RAWDay[] = "kestrelRAWDay";
inline constexpr char ModDate[] = "kestrelModDate";
inline constexpr char ImportPath[] = "kestrelImportPath";
inline constexpr char ImportPathRAW[] = "kestrelImportPathRAW";
inline constexpr char KeepBoth[] = "kestrelKeepBoth";
inline constexpr char TakenDate[] = "kestrelTakenDate";
inline constexpr char OtherFormats[] = "kestrelOtherFormats";
// Whether every copy is read back and compared before it gets its name; on unless "0".
inline constexpr char Verify[] = "kestrelVerify";
// The second destination every file is also copied to; absent, empty or "<nil>" for none.
inline constexpr char BackupPath[] = "kestrelBackupPath";
// A job's names and folders: each absent, empty or "<nil>" for off (names as on the card,
// the date folders above).
inline constexpr char NamePattern[] = "kestrelNamePattern";     // "{taken:%Y%m%d}_{seq:4}{ext}"
inline constexpr char FolderPattern[] = "kestrelFolderPattern"; // "{tag}/{taken:%Y}/{job}"
inline constexpr char Job[] = "kestrelJob";
// The photographer's metadata, written into an XMP sidecar beside each copy when any is set.
inline constexpr char Creator[] = "kestrelCreator";
inline constexpr char Copyright[] = "kestrelCopyright";
inline constexpr char Credit[] = "kestrelCredit";
inline constexpr char Keywords[] = "kestrelKeywords"; // separated by commas
inline constexpr char Description[] = "kestrelDescription";
// "name.ext" for NAME.EXT.xmp sidecars; anything else for NAME.xmp.
inline constexpr char SidecarNames[] = "kestrelSidecarNames";
} // namespace keys

// One of the nine option flags with the value written at start-up when it is absent.
struct OptionKey {
    const char* key;
    const char* startupDefault;
};

// The nine option flags in the order start-up visits them.
inline constexpr std::array<OptionKey, 9> kOptionKeys{{
    {keys::JPG, "1"},
    {keys::RAW, "1"},
    {keys::JPGYear, "1"},
    {keys::JPGMonth, "1"},
    {keys::JPGDay, "1"},
    {keys::RAWYear, "1"},
    {keys::RAWMonth, "1"},
    {keys::RAWDay, "1"},
    {keys::ModDate, "0"},
}};

// Opens a new handle on the application's one preferences store
// ($XDG_CONFIG_HOME/kestrel/kestrel.conf). All handles in a process share their values.
std::unique_ptr<QSettings> openPreferences();

// Returns the string stored under key, or "<nil>" when the key holds nothing or holds
// something that is not a string (a list, a map).
std::string getUserDefAsString(const QSettings& store, const char* key);

// Stores value under key and writes it through at once, so another process sees it.
void storeString(QSettings& store, const char* key, const std::string& value);

// The flag value a writer stores for a control state: "1" for on, "0" otherwise.
inline const char* flagValue(bool on) {
    return on ? "1" : "0";
}

// True when a stored folder value names a folder: neither empty nor "<nil>".
inline bool isChosenFolder(std::string_view value) {
    return !value.empty() && value != kAbsent;
}

// True when a stored flag value means on: exactly "1".
inline bool isOn(std::string_view value) {
    return value == "1";
}

// True when the stored Verify value means on: anything but "0", so that a store made before
// the key existed, or holding nothing, keeps the safer behaviour.
inline bool verifyOn(std::string_view stored) {
    return stored != "0";
}

// Reads one option flag; when it is absent (or holds "<nil>"), writes its start-up default
// first and reads it again. Returns the value read last.
std::string restoreOption(QSettings& store, const OptionKey& option);

// Applies restoreOption to all nine option flags, as the window does at start-up.
void applyStartupDefaults(QSettings& store);

} // namespace kestrel
