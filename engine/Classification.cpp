#include "Classification.h"

#include <array>

namespace kestrel {

namespace {

struct SuffixRow {
    std::array<std::string_view, 6> suffixes;
    FileKind kind;
};

constexpr std::array<SuffixRow, 3> kRows{{
    {{"jpg", "JPG", "mov", "MOV"}, {"JPG", FileGroup::JPG}},
    {{"raf", "RAF", "cr2", "CR2", "nef", "NEF"}, {"RAW", FileGroup::RAW}},
    {{"dng", "DNG", "tif", "TIF"}, {"DNG", FileGroup::RAW}},
}};

} // namespace

std::optional<FileKind> classifyPath(std::string_view path) {
    for (const SuffixRow& row : kRows)
        for (std::string_view suffix : row.suffixes)
            if (!suffix.empty() && path.ends_with(suffix))
                return row.kind;
    return std::nullopt;
}

} // namespace kestrel
