#include "scan/Classification.h"

#include "base/CLocale.h"

#include <array>
#include <string>

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

constexpr FileKind kJpg{"JPG", FileGroup::JPG};
constexpr FileKind kRaw{"RAW", FileGroup::RAW};
constexpr FileKind kDng{"DNG", FileGroup::RAW};
constexpr auto kStill = CaptureKind::Still;
constexpr auto kMovie = CaptureKind::Movie;

struct KnownExtension {
    std::string_view extension; // lower case
    MediaFormat format;
};

// Every extension that counts as a photo or clip on a card. Stills are read for EXIF
// (which fails quietly where the format has none); the clips that share QuickTime's movie
// header are read for it; other clips have no capture time we can read.
constexpr KnownExtension kKnown[] = {
    {"jpg", {kJpg, kStill}},  {"jpeg", {kJpg, kStill}}, {"jpe", {kJpg, kStill}},
    {"heic", {kJpg, kStill}}, {"heif", {kJpg, kStill}}, {"hif", {kJpg, kStill}},
    {"avif", {kJpg, kStill}}, {"png", {kJpg, kStill}},  {"insp", {kJpg, kStill}},
    {"tif", {kDng, kStill}},  {"tiff", {kDng, kStill}}, {"dng", {kDng, kStill}},
    {"raf", {kRaw, kStill}},  {"cr2", {kRaw, kStill}},  {"nef", {kRaw, kStill}},
    {"cr3", {kRaw, kStill}},  {"crw", {kRaw, kStill}},  {"arw", {kRaw, kStill}},
    {"srf", {kRaw, kStill}},  {"sr2", {kRaw, kStill}},  {"rw2", {kRaw, kStill}},
    {"raw", {kRaw, kStill}},  {"orf", {kRaw, kStill}},  {"pef", {kRaw, kStill}},
    {"srw", {kRaw, kStill}},  {"x3f", {kRaw, kStill}},  {"3fr", {kRaw, kStill}},
    {"iiq", {kRaw, kStill}},  {"erf", {kRaw, kStill}},  {"mef", {kRaw, kStill}},
    {"mos", {kRaw, kStill}},  {"mrw", {kRaw, kStill}},  {"nrw", {kRaw, kStill}},
    {"rwl", {kRaw, kStill}},  {"dcr", {kRaw, kStill}},  {"kdc", {kRaw, kStill}},
    {"gpr", {kRaw, kStill}},  {"mov", {kJpg, kMovie}},  {"mp4", {kJpg, kMovie}},
    {"m4v", {kJpg, kMovie}},  {"3gp", {kJpg, kMovie}},  {"mts", {kJpg, {}}},
    {"m2ts", {kJpg, {}}},     {"avi", {kJpg, {}}},      {"mxf", {kJpg, {}}},
    {"crm", {kJpg, {}}},      {"braw", {kJpg, {}}},     {"r3d", {kJpg, {}}},
    {"insv", {kJpg, {}}},
};


std::string_view fileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

std::optional<FileKind> classifyPath(std::string_view path) {
    for (const SuffixRow& row : kRows)
        for (std::string_view suffix : row.suffixes)
            if (!suffix.empty() && path.ends_with(suffix))
                return row.kind;
    return std::nullopt;
}

std::string_view extensionOf(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const auto dot = name.rfind('.');
    // A leading dot starts a hidden name, not an extension.
    return dot == std::string_view::npos || dot == 0 ? std::string_view() : name.substr(dot + 1);
}

std::optional<MediaFormat> mediaFormat(std::string_view name) {
    // "._NAME" files are the resource forks macOS writes beside copied files, not photos.
    if (fileNameOf(name).starts_with("._"))
        return std::nullopt;
    const std::string extension = asciiLower(extensionOf(name));
    for (const KnownExtension& known : kKnown)
        if (known.extension == extension)
            return known.format;
    return std::nullopt;
}

std::optional<CaptureKind> captureKindOf(std::string_view path) {
    if (const auto format = mediaFormat(path))
        return format->date;
    const bool movie = path.ends_with("mov") || path.ends_with("MOV");
    return movie ? CaptureKind::Movie : CaptureKind::Still;
}

} // namespace kestrel
