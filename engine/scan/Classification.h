#pragma once

#include "scan/CaptureDate.h"

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

// A file that cameras write as a photo or clip, known by the extension of its name in any
// case: the JPEG, raw, HEIF and other still formats, and the video formats.
struct MediaFormat {
    FileKind kind;                   // where it goes when other formats are imported
    std::optional<CaptureKind> date; // where its capture time can be read, if anywhere
};

// The format of name (a file name or a path) by its extension, in any case; nothing for
// anything else, sidecars (THM, LRV, XMP) and "._" companion files included.
std::optional<MediaFormat> mediaFormat(std::string_view name);

// Where the capture time of the picked file at path can be read, if anywhere.
std::optional<CaptureKind> captureKindOf(std::string_view path);

// The extension of the file name at the end of path, as written ("CR3"), or empty.
std::string_view extensionOf(std::string_view path);

} // namespace kestrel
