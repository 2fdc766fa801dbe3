#include "record/HashRecord.h"

#include "base/EngineTexts.h"
#include "base/SystemError.h"
#include "record/C4Id.h"
#include "record/Chain.h"
#include "record/GenerationText.h"
#include "record/RecordFolder.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QIODevice>
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

// Hands a generation file to the XML reader a piece at a time and hashes each piece, so
// that the file's C4 id is known once all of it has gone through, without holding its text.
class GenerationFile : public QIODevice {
  public:
    explicit GenerationFile(int fd) : fd_(fd) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    // Reads what the XML reader left, so that the hash covers the whole file.
    void drain() {
        char buffer[65536];
        while (readData(buffer, sizeof buffer) > 0) {
        }
    }
    std::string c4() const { return c4_.id(); }
    int error() const { return error_; } // the errno of a read that failed, or 0

  protected:
    qint64 readData(char* data, qint64 size) override {
        ssize_t got = 0;
        do
            got = ::read(fd_, data, static_cast<std::size_t>(size));
        while (got < 0 && errno == EINTR);
        if (got < 0) {
            error_ = errno;
            return -1;
        }
        c4_.update({data, static_cast<std::size_t>(got)});
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    int fd_;
    int error_ = 0;
    C4Hash c4_;
};

// The text of the element the reader is at, up to its end. An entity the reader could not
// resolve (an external one) would otherwise vanish from it: it stays as "&name;", and
// unresolved names the first.
QString elementText(QXmlStreamReader& reader, QString& unresolved) {
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isEntityReference()) {
            if (unresolved.isEmpty())
                unresolved = reader.name().toString();
            text += QLatin1Char('&');
            text += reader.name();
            text += QLatin1Char(';');
        } else if (reader.isStartElement()) {
            reader.raiseError(QStringLiteral("an element inside a text"));
        } else if (reader.isEndElement()) {
            break;
        }
    }
    return text;
}

// "12345" and nothing else: a sign, a space or a fraction is damage, not a size.
bool isByteCount(QStringView text, std::int64_t& size) {
    bool ok = !text.isEmpty() && text.size() <= 18;
    for (const QChar c : text)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    size = ok ? text.toLongLong() : -1;
    return ok;
}

// Adds the entries of one generation to history, each replacing older ones of its path.
// False, with error set, at the first entry a check could not use or where the XML fails.
bool parseGeneration(QXmlStreamReader& reader, const std::string& rootPath, const std::string& name,
                     int number, History& history, std::string& error) {
    std::string path;
    QString written; // the entry's path as the file has it
    std::string fault;
    HistoryEntry entry;
    bool inEntry = false;
    bool hasPath = false;
    bool rooted = false;
    int ordinal = 0;
    const auto damage = [&](const std::string& why) {
        if (fault.empty())
            fault = why;
    };
    while (!reader.atEnd()) {
        reader.readNext();
        // Another XML file under the name must not read as an empty record.
        if (reader.isStartElement() && !rooted) {
            rooted = true;
            if (reader.name() != QLatin1StringView("hashlist") ||
                reader.namespaceUri() != QLatin1StringView("urn:ASC:MHL:v2.0"))
                reader.raiseError(QStringLiteral("not an ASC MHL generation"));
        }
        // The reader reads an entity declared as another file as nothing, wherever it is used.
        if (reader.isDTD())
            for (const QXmlStreamEntityDeclaration& declared : reader.entityDeclarations())
                if (!declared.systemId().isEmpty() || !declared.publicId().isEmpty()) {
                    const std::string target =
                        (declared.systemId().isEmpty() ? declared.publicId() : declared.systemId())
                            .toString()
                            .toStdString();
                    error = texts::filled<texts::kRecordDamaged>(
                        rootPath, name + ", line " + std::to_string(reader.lineNumber()) +
                                      ": the entity &" + declared.name().toString().toStdString() +
                                      "; refers to " + target + ", which cannot be resolved");
                    return false;
                }
        if (reader.isStartElement()) {
            const auto element = reader.name();
            const QXmlStreamAttributes attributes = reader.attributes();
            QString unresolved;
            if (element == QLatin1StringView("hash")) {
                entry = HistoryEntry{};
                entry.generation = number;
                entry.ordinal = ++ordinal;
                inEntry = true;
                hasPath = false;
                written.clear();
                fault.clear();
            } else if (element == QLatin1StringView("path") && inEntry) {
                hasPath = true;
                const auto size = attributes.value(QLatin1StringView("size"));
                if (attributes.hasAttribute(QLatin1StringView("size")) &&
                    !isByteCount(size, entry.size))
                    damage("the size \"" + size.toString().toStdString() +
                           "\" is not a number of bytes");
                entry.lastModified =
                    parseDate(attributes.value(QLatin1StringView("lastmodificationdate")))
                        .value_or(0);
                written = elementText(reader, unresolved);
                path = written.toStdString();
                if (!unresolved.isEmpty())
                    damage("the path refers to the entity &" + unresolved.toStdString() +
                           ";, which cannot be resolved");
                else if (const char* why = pathFault(path))
                    damage(why);
            } else if (element == QLatin1StringView("xxh128") && inEntry) {
                entry.action = parseAction(attributes.value(QLatin1StringView("action")));
                const QString hex = elementText(reader, unresolved).trimmed();
                entry.xxh128 = Digest128::fromHex(hex.toStdString());
                if (!entry.xxh128 || !unresolved.isEmpty())
                    damage("the xxh128 hash is not 32 hex digits");
            } else if (element == QLatin1StringView("pattern") && !inEntry) {
                history.ignorePatterns.push_back(reader.readElementText().toStdString());
            }
        } else if (reader.isEndElement() && reader.name() == QLatin1StringView("hash")) {
            inEntry = false;
            if (!hasPath)
                damage("the entry has no path");
            if (!fault.empty()) {
                error = damagedEntry(rootPath, name, ordinal, written.toStdString(), fault);
                return false;
            }
            history.files.insert_or_assign(std::move(path), entry);
        }
    }
    if (reader.hasError()) {
        error = texts::filled<texts::kRecordDamaged>(
            rootPath, name + (inEntry ? ", entry " + std::to_string(ordinal) : std::string()) +
                          ": " + xmlFault(reader));
        return false;
    }
    return true;
}

} // namespace

std::optional<History> readHistory(const std::string& rootPath, std::string& error) {
    const auto fail = [&](const std::string& why) {
        error = why;
        return std::nullopt;
    };
    const auto unreadable = [&](const std::string& why) {
        return fail(texts::filled<texts::kRecordUnreadable>(rootPath, why));
    };
    const auto damaged = [&](const std::string& why) {
        return fail(texts::filled<texts::kRecordDamaged>(rootPath, why));
    };
    const Fd root(::open(rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid())
        return unreadable(englishError(errno));
    Fd folder;
    if (const int why = openRecordFolder(root.get(), false, folder))
        return why == ENOENT  ? fail("no hash record")
               : why == ELOOP ? unreadable(texts::kRecordFolderLink)
                              : unreadable(englishError(why));

    // Every generation, by number: those the chain lists (checked against their C4 id)
    // and those found in the folder.
    std::set<std::pair<int, std::string>> generations;
    std::map<std::string, std::string> c4s;
    std::string text;
    std::string why;
    if (readFileAt(folder.get(), kChainName, text) == 0) {
        std::vector<ChainEntry> chain;
        if (!parseChain(text, chain, why))
            return damaged(std::string(kChainName) + ": " + why);
        for (const ChainEntry& entry : chain) {
            generations.emplace(entry.number, entry.path);
            c4s[entry.path] = entry.c4;
        }
    }
    std::vector<std::string> names;
    if (const int listError = listFolder(folder.get(), names))
        return unreadable(englishError(listError));
    for (const std::string& name : names)
        if (const int number = generationNumber(name))
            generations.emplace(number, name);
    if (generations.empty())
        return fail("no hash record");

    History history;
    for (const auto& [number, name] : generations) {
        if (name.find('/') != std::string::npos)
            return damaged(texts::filled<texts::kChainOutside>(name));
        const Fd fd(
            ::openat(folder.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
            return damaged(name + ": " + englishError(errno));
        if (!S_ISREG(st.st_mode))
            return damaged(name + ": " + englishError(EINVAL));
        // Read once, hashed as it is parsed; the whole file is hashed even when its XML fails,
        // so that a file that is not the one the chain lists is called that.
        GenerationFile file(fd.get());
        QXmlStreamReader reader(&file);
        const bool parsed = parseGeneration(reader, rootPath, name, number, history, why);
        file.drain();
        if (file.error() != 0)
            return damaged(name + ": " + englishError(file.error()));
        const auto c4 = c4s.find(name);
        if (c4 != c4s.end() && c4->second != file.c4())
            return damaged(texts::filled<texts::kNotChainFile>(name));
        if (!parsed)
            return fail(why);
        history.generationNames[number] = name;
        history.generations = std::max(history.generations, number);
    }
    std::sort(history.ignorePatterns.begin(), history.ignorePatterns.end());
    history.ignorePatterns.erase(
        std::unique(history.ignorePatterns.begin(), history.ignorePatterns.end()),
        history.ignorePatterns.end());
    return history;
}

} // namespace kestrel
