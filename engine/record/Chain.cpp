#include "record/Chain.h"

#include "record/GenerationText.h"

#include <QXmlStreamReader>

namespace kestrel::record {

bool parseChain(std::string_view xml, std::vector<ChainEntry>& entries, std::string& error) {
    QXmlStreamReader reader(QByteArray(xml.data(), static_cast<qsizetype>(xml.size())));
    ChainEntry entry;
    bool rooted = false;
    while (!reader.atEnd()) {
        reader.readNext();
        // Another XML file under the name must not read as an empty record.
        if (reader.isStartElement() && !rooted) {
            rooted = true;
            if (reader.name() != QLatin1StringView("ascmhldirectory") ||
                reader.namespaceUri() != QLatin1StringView("urn:ASC:MHL:DIRECTORY:v2.0"))
                reader.raiseError(QStringLiteral("not an ASC MHL chain"));
        }
        if (reader.isStartElement()) {
            const auto name = reader.name();
            if (name == QLatin1StringView("hashlist")) {
                entry = ChainEntry{};
                entry.number = reader.attributes().value(QLatin1StringView("sequencenr")).toInt();
            } else if (name == QLatin1StringView("path")) {
                entry.path = reader.readElementText().trimmed().toStdString();
            } else if (name == QLatin1StringView("c4")) {
                entry.c4 = reader.readElementText().trimmed().toStdString();
            }
        } else if (reader.isEndElement() && reader.name() == QLatin1StringView("hashlist")) {
            if (entry.number <= 0 || entry.path.empty()) {
                error = "an entry without a number or a path";
                return false;
            }
            entries.push_back(entry);
        }
    }
    if (reader.hasError()) {
        error = xmlFault(reader);
        return false;
    }
    return true;
}

std::string chainXml(const std::vector<ChainEntry>& entries) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<ascmhldirectory xmlns=\"urn:ASC:MHL:DIRECTORY:v2.0\">\n";
    for (const ChainEntry& entry : entries)
        xml += "  <hashlist sequencenr=\"" + std::to_string(entry.number) + "\">\n    <path>" +
               xmlText(entry.path) + "</path>\n    <c4>" + xmlText(entry.c4) +
               "</c4>\n  </hashlist>\n";
    return xml + "</ascmhldirectory>\n";
}

} // namespace kestrel::record
