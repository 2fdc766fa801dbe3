#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// The photographer's metadata that goes into the XMP sidecar beside every copy.
struct SidecarFields {
    std::string creator;               // dc:creator, an ordered list of one
    std::string copyright;             // dc:rights, in the default language
    std::string credit;                // photoshop:Credit, the credit line
    std::vector<std::string> keywords; // dc:subject, an unordered list
    std::string description;           // dc:description, in the default language

    bool empty() const {
        return creator.empty() && copyright.empty() && credit.empty() && keywords.empty() &&
               description.empty();
    }
};

// The sidecar file's text: an XML declaration and an XMP packet with the fields that are set,
// escaped as XML needs, so that any UTF-8 text reads back the same. XML cannot hold control
// characters other than tab, line feed and carriage return: those become spaces. Empty, with
// error set, when the text cannot be made (fields that are not valid UTF-8).
std::string xmpSidecarText(const SidecarFields& fields, std::string& error);

// The sidecar's name for the copy named fileName: NAME.xmp, or with withEnding NAME.EXT.xmp.
std::string sidecarName(std::string_view fileName, bool withEnding);

} // namespace kestrel
