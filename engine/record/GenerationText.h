#pragma once

#include "record/HashRecord.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

class QXmlStreamReader;

namespace kestrel::record {

// True when a generation can hold path: valid UTF-8 with no control character, relative,
// and without empty, "." or ".." parts.
bool recordablePath(std::string_view path);

// Why a recorded path cannot be checked below its root, or null when it can: empty,
// absolute, or with an empty, "." or ".." part.
const char* pathFault(std::string_view path);

// "the hash record at ROOT is damaged: GENERATION, entry 3 (PATH): why", the path quoted as
// the log quotes names.
std::string damagedEntry(const std::string& rootPath, const std::string& generation, int ordinal,
                         std::string_view path, std::string_view why);

// text with the five XML special characters escaped; bytes that XML cannot hold (invalid
// UTF-8, control characters) become '?'.
std::string xmlText(std::string_view text);

// Why reader stopped, and where: "the XML is not well-formed at line 5". In English whatever
// language Qt speaks (its own words are translated), as the log and the report keep it.
std::string xmlFault(const QXmlStreamReader& reader);

// time in UTC as ISO 8601 with its offset: "2026-12-08T14:15:02+00:00".
std::string isoDate(std::time_t time);

// The file name of generation number of the root named rootName, created at time:
// "0001_Pictures_2026-12-08_141502Z.mhl".
std::string generationName(int number, std::string_view rootName, std::time_t time);

// The number of a generation file name, or 0 when name is not one.
int generationNumber(std::string_view name);

// The XML of a generation listing the recordable ones of files, a transfer by info's tool.
std::string generationXml(const std::vector<RecordedFile>& files, const CreatorInfo& info);

// The ignore patterns every generation we write carries.
const std::vector<std::string>& ignorePatterns();

} // namespace kestrel::record
