#pragma once

#include <locale.h>

namespace kestrel {

// The C locale, for the *_l calls whose results name files and folders or go into the log:
// those stay the same whatever language the user reads (QCoreApplication sets the user's).
// Null only when the system could not make it, in which case the process's locale serves.
locale_t cLocale();

} // namespace kestrel
