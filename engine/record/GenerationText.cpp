#include "record/GenerationText.h"

#include "base/EngineTexts.h"
#include "record/ImportLog.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>

namespace kestrel::record {

namespace {

// The code point of the UTF-8 sequence at text[i] and its length, or a length of 0 when the
// sequence is invalid (overlong, a surrogate, beyond U+10FFFF, cut short).
std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xe  ? 3
                               : (lead >> 3) == 0x1e ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7f >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next >> 6) != 2)
            return 0;
        code = (code << 6) | (next & 0x3f);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

// True for the characters an XML document may hold as text, less the controls (a tab or a
// line break in a name is more likely damage than intent, and parsers change some of them).
bool xmlCharacter(char32_t code) {
    return code >= 0x20 && code != 0x7f && code != 0xfffe && code != 0xffff;
}

// text with each byte that is not part of a character XML can hold replaced.
std::string clean(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, i, code);
        if (length == 0 || !xmlCharacter(code)) {
            out += replacement;
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace

bool recordablePath(std::string_view path) {
    for (std::size_t i = 0; i < path.size();) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(path, i, code);
        if (length == 0 || !xmlCharacter(code))
            return false;
        i += length;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        if (end == path.size())
            return true;
        start = end + 1;
    }
}

const char* pathFault(std::string_view path) {
    if (path.empty())
        return "the path is empty";
    if (path.starts_with('/'))
        return "the path is absolute";
    const char* fault = nullptr;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part == "..")
            return "the path leaves the root";
        if (part.empty() || part == ".")
            fault = "the path has an empty or \".\" part";
        start = end + 1;
    }
    return fault;
}

std::string damagedEntry(const std::string& rootPath, const std::string& generation, int ordinal,
                         std::string_view path, std::string_view why) {
    return texts::filled<texts::kRecordDamaged>(
        rootPath, generation + ", entry " + std::to_string(ordinal) + " (" + quotedName(path) +
                      "): " + std::string(why));
}

std::string xmlFault(const QXmlStreamReader& reader) {
    std::string why;
    switch (reader.error()) {
    case QXmlStreamReader::CustomError: // the reader's user's own words, in English
        why = reader.errorString().toStdString();
        break;
    case QXmlStreamReader::NotWellFormedError:
        why = "the XML is not well-formed";
        break;
    case QXmlStreamReader::PrematureEndOfDocumentError:
        why = "the XML ends too early";
        break;
    case QXmlStreamReader::UnexpectedElementError:
        why = "an element is out of place";
        break;
    case QXmlStreamReader::NoError:
        break;
    }
    return why + " at line " + std::to_string(reader.lineNumber());
}

std::string xmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : clean(text, '?'))
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    return out;
}

std::string isoDate(std::time_t time) {
    std::tm utc{};
    ::gmtime_r(&time, &utc);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S+00:00", &utc);
    return text;
}

std::string generationName(int number, std::string_view rootName, std::time_t time) {
    std::tm utc{};
    ::gmtime_r(&time, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M%S", &utc);
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04d_", number);
    // The name goes into the chain as XML text: keep to what a record can hold.
    std::string name = clean(rootName, '_');
    std::replace(name.begin(), name.end(), '/', '_');
    if (name.empty() || name == "." || name == "..")
        name = "root";
    return prefix + name + "_" + stamp + "Z.mhl";
}

int generationNumber(std::string_view name) {
    std::size_t digits = 0;
    while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9')
        ++digits;
    if (digits < 4 || digits > 9 || digits == name.size() || name[digits] != '_' ||
        !name.ends_with(".mhl"))
        return 0;
    int number = 0;
    for (std::size_t i = 0; i < digits; ++i)
        number = number * 10 + (name[i] - '0');
    return number;
}

const std::vector<std::string>& ignorePatterns() {
    static const std::vector<std::string> patterns{".DS_Store", "ascmhl", "ascmhl/"};
    return patterns;
}

std::string generationXml(const std::vector<RecordedFile>& files, const CreatorInfo& info) {
    static constexpr const char* kActions[] = {"original", "verified", "failed"};
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<hashlist version=\"2.0\" xmlns=\"urn:ASC:MHL:v2.0\">\n"
                      "  <creatorinfo>\n"
                      "    <creationdate>" +
                      isoDate(info.creationTime) + "</creationdate>\n    <hostname>" +
                      xmlText(info.hostname) + "</hostname>\n    <tool version=\"" +
                      xmlText(info.version) + "\">" + xmlText(info.tool) +
                      "</tool>\n  </creatorinfo>\n"
                      "  <processinfo>\n    <process>transfer</process>\n    <ignore>\n";
    for (const std::string& pattern : ignorePatterns())
        xml += "      <pattern>" + xmlText(pattern) + "</pattern>\n";
    xml += "    </ignore>\n  </processinfo>\n";
    if (!files.empty()) {
        xml.reserve(xml.size() + files.size() * 320); // grown once, not by doubling
        xml += "  <hashes>\n";
        for (const RecordedFile& file : files)
            if (recordablePath(file.path))
                xml += "    <hash>\n      <path size=\"" + std::to_string(file.size) +
                       "\" lastmodificationdate=\"" + isoDate(file.lastModified) + "\">" +
                       xmlText(file.path) + "</path>\n      <xxh128 action=\"" +
                       kActions[static_cast<int>(file.action)] + "\" hashdate=\"" +
                       isoDate(file.hashDate) + "\">" + file.hash.hex() +
                       "</xxh128>\n    </hash>\n";
        xml += "  </hashes>\n";
    }
    xml += "</hashlist>\n";
    return xml;
}

} // namespace kestrel::record
