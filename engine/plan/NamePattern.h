#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// A card file's name split at its ending: "IMG_0001.JPG" is "IMG_0001" and ".JPG". A name
// with no dot after its first character has no ending (".hidden", "README").
struct NameParts {
    std::string stem;
    std::string ending; // with its dot
};
NameParts splitName(std::string_view fileName);

// What the fields of a pattern stand for, for one file.
struct NameValues {
    std::string name; // {name}: the card file's name without its ending
    std::string ext;  // {ext}: its ending as on the card, with its dot
    std::tm taken{};  // {taken:FORMAT}: the filing date and time, local
    std::uint64_t seq = 0;
    std::string job;
    std::string camera; // the EXIF model; "camera" when empty
    std::string card;   // the card's or device's name
    std::string tag;    // "JPG", "RAW", …
};

// Fixed text and fields that name a copy ({name}{ext}) or the folders it goes to
// ({tag}/{taken:%Y}/{taken:%Y-%m-%d} {job}). Parsed once, rendered per file. The fields are
// those of NameValues, plus {ext:lower}; {taken:FORMAT} takes a strftime format, {seq:N}
// pads to N (1 to 9) digits; {{ and }} stand for { and }.
class NamePattern {
  public:
    enum class Kind {
        FileName, // one name: no "/" in it, ends with {ext}, has {name} or {seq}
        Folders,  // "/" in the fixed text separates folders
    };
    struct Parsed;

    // What text means as a pattern of kind, or why it cannot be one: "unknown field {jbo} at
    // character 12".
    static Parsed parse(std::string_view text, Kind kind);

    // The names of the pattern for values: one for a file-name pattern, each folder's for a
    // folder pattern. No field value makes a folder: a "/" in one becomes "_", as do control
    // characters. Each name stays below the destination: never empty, "." or "..", nor
    // starting with a dot (so no copy is hidden); at most 255 bytes, cut at a UTF-8 character
    // and keeping the ending. fat: the destination is FAT or exFAT, whose refused characters
    // \ : * ? " < > | become "_" in fixed text and values alike (a pattern stays usable on
    // every disk), and whose trailing dots and spaces are dropped.
    std::vector<std::string> render(const NameValues& values, bool fat) const;

    // Whether the pattern has a {seq} field, whose numbers a run must take first.
    bool usesSequence() const { return uses(Field::Seq); }
    // Whether it has a {camera} field, whose value is read from each photo.
    bool usesCamera() const { return uses(Field::Camera); }

  private:
    enum class Field { Text, Name, Ext, ExtLower, Taken, Seq, Job, Camera, Card, Tag };
    struct Token {
        Field field = Field::Text;
        std::string text; // fixed text, or the format of {taken:FORMAT}
        int width = 0;    // of {seq:N}
    };
    class Parser;
    static std::string value(const Token& token, const NameValues& values);
    bool uses(Field field) const;

    std::vector<std::vector<Token>> names_; // one list of tokens per name
};

// A parsed pattern, or the message and the 1-based character (0: none) of why it is refused.
struct NamePattern::Parsed {
    std::optional<NamePattern> pattern;
    std::string error;
    int position = 0;
};

} // namespace kestrel
