#pragma once

// The values of kestrel-import's settings, checked and added to the settings a command stores.

#include "CommandLine.h"

#include <string>

namespace kestrel::cli {

// "on" or "off" for the flag key; false for anything else.
bool parseSwitch(const std::string& value, const char* key, CommandLine& cmd);

// "ymd", "ym", "d", "none", …: which of the three date levels are on; false for anything else.
bool parseLevels(const std::string& value, const char* year, const char* month, const char* day,
                 CommandLine& cmd);

// A folder that exists, stored as the window stores a chosen folder: absolute, no trailing
// "/". False with error (and misuse false when the command was well formed) otherwise.
bool parseFolder(const std::string& value, const char* key, CommandLine& cmd, std::string& error,
                 bool& misuse);

// The photographer's words, stored as given; false with error for bytes that are not UTF-8.
bool parseText(const std::string& value, const char* key, CommandLine& cmd, std::string& error);

} // namespace kestrel::cli
