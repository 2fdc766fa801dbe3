#include "record/HashRecord.h"

#include "record/C4Id.h"
#include "record/Chain.h"
#include "record/GenerationText.h"
#include "record/RecordFolder.h"

#include <fcntl.h>

#include <QDateTime>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

namespace kestrel {

using namespace record;

namespace {

std::optional<std::time_t> parseDate(QStringView text) {
    const QDateTime date = QDateTime::fromString(text.toString().trimmed(), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return static_cast<std::time_t>(date.toSecsSinceEpoch());
}

RecordedFile::Action parseAction(QStringView text) {
    if (text == QLatin1StringView("verified"))
        return RecordedFile::Action::Verified;
    if (text == QLatin1StringView("failed"))
        return RecordedFile::Action::Failed;
    return RecordedFile::Action::Original;
}

// Adds the records of one generation to history, each replacing older ones of its path.
bool parseGeneration(std::string_view xml, int number, History& history, std::string& error) {
    QXmlStreamReader reader(QByteArray(xml.data(), static_cast<qsizetype>(xml.size())));
    std::string path;
    HistoryEntry entry;
    bool rooted = false;
    while (!reader.atEnd()) {
        reader.readNext();
        // Another XML file under the name must not read as an empty record.
        if (reader.isStartElement() && !rooted) {
            rooted = true;
            if (reader.name() != QLatin1StringView("hashlist") ||
                reader.namespaceUri() != QLatin1StringView("urn:ASC:MHL:v2.0"))
                reader.raiseError(QStringLiteral("not an ASC MHL generation"));
        }
        if (reader.isStartElement()) {
            const auto name = reader.name();
            const QXmlStreamAttributes attributes = reader.attributes();
            if (name == QLatin1StringView("hash")) {
                path.clear();
                entry = HistoryEntry{};
                entry.generation = number;
            } else if (name == QLatin1StringView("path") && entry.generation != 0) {
                const auto size = attributes.value(QLatin1StringView("size"));
                entry.size = size.isEmpty() ? -1 : size.toLongLong();
                entry.lastModified =
                    parseDate(attributes.value(QLatin1StringView("lastmodificationdate")));
                path = reader.readElementText().toStdString();
            } else if (name == QLatin1StringView("xxh128") && entry.generation != 0) {
                entry.action = parseAction(attributes.value(QLatin1StringView("action")));
                entry.xxh128 = reader.readElementText().trimmed().toLower().toStdString();
            } else if (name == QLatin1StringView("pattern")) {
                history.ignorePatterns.push_back(reader.readElementText().toStdString());
            }
        } else if (reader.isEndElement() && reader.name() == QLatin1StringView("hash")) {
            if (!path.empty())
                history.files[path] = entry;
            entry.generation = 0;
        }
    }
    if (reader.hasError()) {
        error =
            reader.errorString().toStdString() + " at line " + std::to_string(reader.lineNumber());
        return false;
    }
    return true;
}

} // namespace

std::optional<History> readHistory(const std::string& rootPath, std::string& error) {
    const std::string where = "the hash record at " + rootPath;
    const auto fail = [&](const std::string& why) {
        error = why;
        return std::nullopt;
    };
    const Fd root(::open(rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid())
        return fail(where + " cannot be read: " + std::strerror(errno));
    Fd folder;
    if (const int why = openRecordFolder(root.get(), false, folder))
        return why == ENOENT ? fail("no hash record")
               : why == ELOOP
                   ? fail(where + " cannot be read: its ascmhl folder is a symbolic link")
                   : fail(where + " cannot be read: " + std::strerror(why));

    // Every generation, by number: those the chain lists (checked against their C4 id)
    // and those found in the folder.
    std::set<std::pair<int, std::string>> generations;
    std::map<std::string, std::string> c4s;
    std::string text;
    std::string why;
    if (readFileAt(folder.get(), kChainName, text) == 0) {
        std::vector<ChainEntry> chain;
        if (!parseChain(text, chain, why))
            return fail(where + " is damaged: " + kChainName + ": " + why);
        for (const ChainEntry& entry : chain) {
            generations.emplace(entry.number, entry.path);
            c4s[entry.path] = entry.c4;
        }
    }
    std::vector<std::string> names;
    if (const int listError = listFolder(folder.get(), names))
        return fail(where + " cannot be read: " + std::strerror(listError));
    for (const std::string& name : names)
        if (const int number = generationNumber(name))
            generations.emplace(number, name);
    if (generations.empty())
        return fail("no hash record");

    History history;
    for (const auto& [number, name] : generations) {
        if (name.find('/') != std::string::npos)
            return fail(where + " is damaged: the chain lists " + name + " outside its folder");
        if (const int readError = readFileAt(folder.get(), name, text))
            return fail(where + " is damaged: " + name + ": " + std::strerror(readError));
        const auto c4 = c4s.find(name);
        if (c4 != c4s.end() && c4->second != c4Id(text))
            return fail(where + " is damaged: " + name + " is not the file its chain lists");
        if (!parseGeneration(text, number, history, why))
            return fail(where + " is damaged: " + name + ": " + why);
        history.generations = std::max(history.generations, number);
    }
    std::sort(history.ignorePatterns.begin(), history.ignorePatterns.end());
    history.ignorePatterns.erase(
        std::unique(history.ignorePatterns.begin(), history.ignorePatterns.end()),
        history.ignorePatterns.end());
    return history;
}

} // namespace kestrel
