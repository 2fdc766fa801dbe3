#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrel::cli {

// What one invocation of kestrel-import asks for.
struct CommandLine {
    // Preference writes, in the order given: key and the string to store.
    std::vector<std::pair<const char*, std::string>> settings;
    bool show = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> source;
    // --verify DEST: the destination to check against its hash record, instead of an import.
    std::optional<std::string> verify;
    // --device PORT: the camera or phone to import from, instead of SOURCE.
    std::optional<std::string> device;
    bool listDevices = false;
    // --job NAME: the job of this run only, never stored.
    std::optional<std::string> job;
    // --dry-run: say what an import would do, and write nothing.
    bool dryRun = false;
};

// Parses argv without decoding it, so paths with any bytes pass through unchanged.
// On an error, returns nothing and sets error; misuse tells whether the command was
// misused (help would tell how) or names something that is not there.
std::optional<CommandLine> parseCommandLine(int argc, char** argv, std::string& error,
                                            bool& misuse);

// path made absolute and tidy, without a trailing "/": the form a dropped or chosen
// folder has.
std::string absoluteFolderPath(const std::string& path);

// The text of --help.
std::string helpText();

} // namespace kestrel::cli
