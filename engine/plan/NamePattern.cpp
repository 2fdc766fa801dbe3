#include "plan/NamePattern.h"

#include "base/CLocale.h"
#include "base/EngineTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace kestrel {

namespace {

constexpr std::size_t kMaxName = 255; // bytes in one name, on every file system kestrel meets

// The characters of which a FAT or exFAT file system refuses every one in a name.
constexpr std::string_view kFatRefuses = "\\:*?\"<>|";

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The 1-based character at byte offset of text, counting UTF-8 sequences as one.
int characterAt(std::string_view text, std::size_t offset) {
    return 1 + static_cast<int>(std::count_if(text.begin(), text.begin() + offset,
                                              [](char c) { return !continuationByte(c); }));
}

// A value with every character a name cannot hold as "_": "/", which would make a folder,
// NUL and the other control characters, and on FAT the ones it refuses.
std::string cleaned(std::string text, bool fat) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || byte < 0x20 || byte == 0x7F ||
            (fat && kFatRefuses.find(c) != kFatRefuses.npos))
            c = '_';
    }
    return text;
}

// name (already cleaned) as one the destination can hold, and that stays below it: at most
// 255 bytes, cut at a character and keeping its last `ending` bytes (the copy's ending);
// on FAT without the trailing dots and spaces it drops; never empty, "." or "..", nor
// starting with a dot, so no copy is hidden and none goes into the folder .kestrel.
std::string finishName(std::string name, std::size_t ending, bool fat) {
    if (name.size() > kMaxName) {
        if (ending >= kMaxName / 2)
            ending = 0;
        std::size_t cut = kMaxName - ending;
        while (cut > 0 && continuationByte(name[cut]))
            --cut;
        name = name.substr(0, cut) + name.substr(name.size() - ending);
    }
    while (fat && !name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    if (name.find_first_not_of('.') == std::string::npos)
        return "_";
    if (name.front() == '.')
        name.front() = '_';
    return name;
}

// time as strftime's format puts it in the C locale, so that a card files into the same
// folders ("December", "Mon") whatever language the user reads; empty when that would be
// longer than a name.
std::string formatTime(const std::string& format, const std::tm& time) {
    // The leading space tells an empty result from one too long.
    const std::string marked = " " + format;
    std::array<char, 4 * kMaxName> buffer{};
    const locale_t c = cLocale();
    const std::size_t length =
        c ? strftime_l(buffer.data(), buffer.size(), marked.c_str(), &time, c)
          : std::strftime(buffer.data(), buffer.size(), marked.c_str(), &time);
    return length == 0 ? std::string() : std::string(buffer.data() + 1, length - 1);
}

} // namespace

NameParts splitName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {std::string(fileName), {}};
    return {std::string(fileName.substr(0, dot)), std::string(fileName.substr(dot))};
}

// Reads a pattern once, from the front; fails at the first fault with its character.
class NamePattern::Parser {
  public:
    Parser(std::string_view text, Kind kind) : text_(text), kind_(kind) {}

    Parsed run() {
        if (text_.empty())
            fail(texts::kEmptyPattern, std::string_view::npos);
        else
            pattern_.names_.emplace_back();
        for (std::size_t at = 0; at < text_.size() && result_.error.empty();) {
            const char c = text_[at];
            const bool doubled = at + 1 < text_.size() && text_[at + 1] == c;
            if ((c == '{' || c == '}') && doubled) {
                fixed_ += c;
                at += 2;
            } else if (c == '{') {
                at = field(at);
            } else if (c == '}') {
                fail(texts::kLoneBrace, at);
            } else if (c == '/' && kind_ == Kind::FileName) {
                fail(texts::kSlashInName, at);
            } else if (c == '/') {
                endName(at);
                pattern_.names_.emplace_back();
                nameStart_ = ++at;
            } else {
                fixed_ += c;
                ++at;
            }
        }
        if (result_.error.empty() && !text_.empty())
            endName(text_.size() - 1);
        if (result_.error.empty() && kind_ == Kind::FileName)
            checkFileName();
        if (result_.error.empty())
            result_.pattern = std::move(pattern_);
        return std::move(result_);
    }

  private:
    // Keeps the first fault only; offset npos: the whole pattern's.
    void fail(const std::string& message, std::size_t offset) {
        if (!result_.error.empty())
            return;
        result_.position = offset == std::string_view::npos ? 0 : characterAt(text_, offset);
        result_.error =
            result_.position > 0
                ? texts::filled<texts::kAtCharacter>(message, std::to_string(result_.position))
                : message;
    }

    void add(Field field, std::string text = {}, int width = 0) {
        if (!fixed_.empty())
            pattern_.names_.back().push_back(Token{Field::Text, std::exchange(fixed_, {}), 0});
        if (field != Field::Text)
            pattern_.names_.back().push_back(Token{field, std::move(text), width});
    }

    // The field whose "{" is at offset; the offset after its "}".
    std::size_t field(std::size_t open) {
        const std::size_t close = text_.find('}', open + 1);
        if (close == std::string_view::npos || text_.find('{', open + 1) < close) {
            fail(texts::kUnclosedBrace, open);
            return text_.size();
        }
        const std::string body(text_.substr(open + 1, close - open - 1));
        const std::string whole = "{" + body + "}";
        const std::size_t colon = body.find(':');
        const std::string name = body.substr(0, colon);
        const std::string option = colon == std::string::npos ? "" : body.substr(colon + 1);
        static const std::array<std::pair<std::string_view, Field>, 6> plain{{
            {"name", Field::Name},
            {"job", Field::Job},
            {"camera", Field::Camera},
            {"card", Field::Card},
            {"tag", Field::Tag},
            {"ext", Field::Ext},
        }};
        const auto known = std::find_if(plain.begin(), plain.end(),
                                        [&](const auto& entry) { return entry.first == name; });
        if (name == "ext" && option == "lower") {
            add(Field::ExtLower);
        } else if (known != plain.end()) {
            if (colon != std::string::npos)
                fail(name == "ext" ? texts::filled<texts::kOnlyLowerOption>(name, whole)
                                   : texts::filled<texts::kNoOption>(name, whole),
                     open);
            add(known->second);
        } else if (name == "taken") {
            if (option.empty())
                fail(texts::kTakenFormat, open);
            else if (option.find('/') != std::string::npos)
                fail(texts::filled<texts::kSlashInTaken>(whole), open);
            add(Field::Taken, option);
        } else if (name == "seq") {
            const bool width = option.size() == 1 && option[0] >= '1' && option[0] <= '9';
            if (colon != std::string::npos && !width)
                fail(texts::filled<texts::kSequenceWidth>(whole), open);
            add(Field::Seq, {}, width ? option[0] - '0' : 0);
        } else {
            fail(texts::filled<texts::kUnknownField>(whole), open);
        }
        return close + 1;
    }

    // Ends the name whose last character is at offset.
    void endName(std::size_t last) {
        add(Field::Text);
        const auto& tokens = pattern_.names_.back();
        if (tokens.empty()) {
            fail(texts::kEmptyFolderName, last);
            return;
        }
        // Fixed text that is all dots would render as "_": said now, rather than done silently.
        if (tokens.size() == 1 && tokens[0].field == Field::Text &&
            tokens[0].text.find_first_not_of('.') == std::string::npos)
            fail(texts::filled<texts::kDotsFolder>(tokens[0].text), nameStart_);
    }

    void checkFileName() {
        const auto& tokens = pattern_.names_.front();
        const auto has = [&](Field field) {
            return std::any_of(tokens.begin(), tokens.end(),
                               [&](const Token& token) { return token.field == field; });
        };
        if (!has(Field::Name) && !has(Field::Seq))
            fail(texts::kNameOfItsOwn, std::string_view::npos);
        else if (tokens.back().field != Field::Ext && tokens.back().field != Field::ExtLower)
            fail(texts::kEndsWithExt, std::string_view::npos);
    }

    std::string_view text_;
    Kind kind_;
    NamePattern pattern_;
    std::string fixed_;
    std::size_t nameStart_ = 0; // offset of the name being read
    Parsed result_;
};

NamePattern::Parsed NamePattern::parse(std::string_view text, Kind kind) {
    return Parser(text, kind).run();
}

std::string NamePattern::value(const Token& token, const NameValues& values) {
    switch (token.field) {
    case Field::Text:
        return token.text;
    case Field::Name:
        return values.name;
    case Field::Ext:
        return values.ext;
    case Field::ExtLower:
        return asciiLower(values.ext);
    case Field::Taken:
        return formatTime(token.text, values.taken);
    case Field::Seq: {
        char number[32];
        std::snprintf(number, sizeof number, "%0*llu", token.width,
                      static_cast<unsigned long long>(values.seq));
        return number;
    }
    case Field::Job:
        return values.job;
    case Field::Camera:
        return values.camera.empty() ? "camera" : values.camera;
    case Field::Card:
        return values.card;
    case Field::Tag:
        return values.tag;
    }
    return {};
}

std::vector<std::string> NamePattern::render(const NameValues& values, bool fat) const {
    std::vector<std::string> names;
    for (const auto& tokens : names_) {
        std::string name;
        std::size_t ending = 0;
        for (const Token& token : tokens) {
            const std::string text = cleaned(value(token, values), fat);
            ending = token.field == Field::Ext || token.field == Field::ExtLower ? text.size() : 0;
            name += text;
        }
        names.push_back(finishName(std::move(name), ending, fat));
    }
    return names;
}

bool NamePattern::uses(Field field) const {
    for (const std::vector<Token>& tokens : names_)
        for (const Token& token : tokens)
            if (token.field == field)
                return true;
    return false;
}

} // namespace kestrel
