#pragma once

#include <optional>
#include <string_view>

namespace kestrel {

enum class FileGroup { JPG, RAW };

// The row of the suffix table that a path matches.
struct FileKind {
    const char* tag; // "JPG", "RAW" or "DNG": the first folder below the destination root
    FileGroup group; // whose option switches it on and whose destination root it goes to
};

// Classifies an item by the exact, case-sensitive ending of its path: jpg/JPG/mov/MOV are
// the JPG group; raf/cr2/nef (RAW) and dng/tif (DNG), in either all-lower or all-upper case,
// the RAW group. No dot is needed before the suffix.
std::optional<FileKind> classifyPath(std::string_view path);

} // namespace kestrel
