#pragma once

#include <QString>

#include <string>

namespace kestrel {

// A text of the engine's, which its log, report and record keep in English, in the language
// the user reads: a text the engine words the same each time is looked up as it is; one with
// names, numbers or the system's error words in it is matched against its English template,
// translated, and refilled with its parts, themselves shown the same way (a reason inside a
// refusal). Sizes take the locale's decimal sign. A text kestrel does not know, a path above
// all, comes back as it is.
QString shownText(const std::string& english);

} // namespace kestrel
