#pragma once

#include "base/LongPath.h"

#include <sys/types.h>

#include <string>

namespace kestrel {

// How a copy treats a destination name, and what it checks.
struct PublishRules {
    PublishRules() = default;
    explicit PublishRules(bool keepBoth, bool verify = false) : keepBoth(keepBoth), verify(verify) {}

    // Copy under the first free NAME-1.EXT, NAME-2.EXT, … when a different file has the name,
    // instead of failing.
    bool keepBoth = false;
    // Read every copy, and every file found already there, back from the disk and compare it
    // with the source before counting it safe.
    bool verify = false;
};

// What a destination name holds, as far as a copy of some data is concerned.
enum class NameState {
    Free,     // nothing (or nothing we can see: the copy itself will then tell why)
    SameFile, // a regular file with exactly the bytes of the data
    Taken,    // a different file, a folder, a link, a FIFO, …
};

// The highest number a copy that keeps both files tries before giving up.
constexpr int kMaxNumberedName = 9999;

// name itself for 0; otherwise the number goes before the last "." of name ("IMG-2.JPG"),
// or at its end when it has none ("README-2").
std::string numberedName(const std::string& name, int number);

// Looks at the name number of name in folder (name itself for 0) and, when that is taken and
// rules.keepBoth, at every numbered name after it that the folder holds, for one with the same
// size bytes as data; else at the first free number after it. number then tells which.
// Taken when no name will do. Contents are read only where the sizes agree, and with
// rules.verify from the disk, not from cached pages.
NameState findName(const FolderRef& folder, const std::string& name, const PublishRules& rules,
                   int& number, int data, off_t size);

} // namespace kestrel
