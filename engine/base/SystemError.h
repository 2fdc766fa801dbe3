#pragma once

#include <string>

namespace kestrel {

// The system's words for errno `error` in English, whatever locale the program set: the
// engine's log, report and record stay English, and ShownText translates them where shown.
std::string englishError(int error);

} // namespace kestrel
