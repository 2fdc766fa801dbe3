#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace kestrel {
class StopRequest;
struct VerifyResult;
} // namespace kestrel

namespace kestrel::cli {

class TerminalStatus;

// Checks the destination dest against its hash record: one line on out per file changed,
// missing, unreadable, not checked or not recorded, the count on standard error, and the
// progress through status. Returns the exit status of --verify.
int verifyDestination(const std::string& dest, std::ostream& out, TerminalStatus& status,
                      const StopRequest& stop);

// "checked 1234 files at DEST: 1230 match, 2 changed, 1 missing, 1 not recorded.", the counts
// in the reader's digit groups ("1.234" in German).
std::string verifyMessage(const VerifyResult& result, const std::string& root);

} // namespace kestrel::cli
