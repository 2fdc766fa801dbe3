#include "record/XmpSidecar.h"

#include "base/EngineTexts.h"
#include "base/Exiv2Setup.h"

#include <exiv2/error.hpp>
#include <exiv2/xmp_exiv2.hpp>

#include <exception>

namespace kestrel {

namespace {

// Each value is built whole, never read from text: reading would take a leading
// `lang="…"` or `type=…` in the user's words for a qualifier.
void addText(Exiv2::XmpData& xmp, const char* key, const std::string& text) {
    Exiv2::XmpTextValue value;
    value.value_ = text;
    xmp.add(Exiv2::XmpKey(key), &value);
}

void addDefaultLanguage(Exiv2::XmpData& xmp, const char* key, const std::string& text) {
    Exiv2::LangAltValue value;
    value.value_["x-default"] = text;
    xmp.add(Exiv2::XmpKey(key), &value);
}

void addList(Exiv2::XmpData& xmp, const char* key, Exiv2::TypeId type,
             const std::vector<std::string>& items) {
    Exiv2::XmpArrayValue value(type);
    for (const std::string& item : items)
        value.read(item); // appends it as one item, whatever it holds
    xmp.add(Exiv2::XmpKey(key), &value);
}

} // namespace

std::string xmpSidecarText(const SidecarFields& fields, std::string& error) {
    setUpExiv2();
    try {
        Exiv2::XmpData xmp;
        if (!fields.creator.empty())
            addList(xmp, "Xmp.dc.creator", Exiv2::xmpSeq, {fields.creator});
        if (!fields.copyright.empty())
            addDefaultLanguage(xmp, "Xmp.dc.rights", fields.copyright);
        if (!fields.credit.empty())
            addText(xmp, "Xmp.photoshop.Credit", fields.credit);
        if (!fields.keywords.empty())
            addList(xmp, "Xmp.dc.subject", Exiv2::xmpBag, fields.keywords);
        if (!fields.description.empty())
            addDefaultLanguage(xmp, "Xmp.dc.description", fields.description);
        std::string packet;
        // A sidecar is a file of its own: no packet wrapper, the declaration instead.
        if (Exiv2::XmpParser::encode(packet, xmp,
                                     Exiv2::XmpParser::omitPacketWrapper |
                                         Exiv2::XmpParser::useCompactFormat) == 0)
            return R"(<?xml version="1.0" encoding="UTF-8"?>)"
                   "\n" +
                   packet;
        error = texts::kXmpNotUtf8;
    } catch (const std::exception& e) {
        error = texts::filled<texts::kXmpUnwritten>(e.what());
    }
    return {};
}

std::string sidecarName(std::string_view fileName, bool withEnding) {
    const std::size_t dot = fileName.rfind('.');
    if (!withEnding && dot != std::string_view::npos && dot != 0)
        fileName = fileName.substr(0, dot);
    return std::string(fileName) + ".xmp";
}

} // namespace kestrel
