#pragma once

#include <locale.h>

#include <string>
#include <string_view>

namespace kestrel {

// The C locale, for the *_l calls whose results name files and folders or go into the log:
// those stay the same whatever language the user reads (QCoreApplication sets the user's).
// Null only when the system could not make it, in which case the process's locale serves.
locale_t cLocale();

// text with A-Z as a-z and every other byte as it is: not tolower, which follows the user's
// locale (in Turkish, "I" has no lower case of one byte, so ".HEIC" would not be known).
std::string asciiLower(std::string_view text);

} // namespace kestrel
