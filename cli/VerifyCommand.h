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

// "checked 1,234 files at DEST: 1,230 match, 2 changed, 1 missing, 1 not recorded."
std::string verifyMessage(const VerifyResult& result, const std::string& root);

// n with a comma between each group of three digits: "1,234,567".
std::string groupedNumber(std::int64_t n);

} // namespace kestrel::cli
