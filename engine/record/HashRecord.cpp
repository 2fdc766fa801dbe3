#include "record/HashRecord.h"

#include "base/EngineTexts.h"
#include "base/SystemError.h"
#include "base/FaultPoints.h"
#include "record/C4Id.h"
#include "record/Chain.h"
#include "record/GenerationText.h"
#include "record/RecordFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <set>

namespace kestrel {

using namespace record;

namespace {

// The last part of the root's path, as the generation files are named after it.
std::string rootName(const std::string& rootPath) {
    char* real = ::realpath(rootPath.c_str(), nullptr);
    std::string path = real != nullptr ? real : rootPath;
    std::free(real);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path.substr(path.rfind('/') + 1);
}

// The chain of the folder open at folder with an entry for every generation file in it;
// the entries it had stay as they were. The highest number lands in highest. A generation
// whose entry is known already (one this run wrote) is not read again.
int gatherChain(int folder, std::vector<ChainEntry>& chain, int& highest,
                const ChainEntry* known = nullptr) {
    std::string text;
    std::string parseError;
    chain.clear();
    // A damaged chain is rebuilt from the generation files.
    if (readFileAt(folder, kChainName, text) == 0 && !parseChain(text, chain, parseError))
        chain.clear();
    std::vector<std::string> names;
    if (const int error = listFolder(folder, names))
        return error;
    std::set<std::string> listed;
    for (const ChainEntry& entry : chain)
        listed.insert(entry.path);
    for (const std::string& name : names) {
        const int number = generationNumber(name);
        if (number == 0 || listed.count(name) != 0)
            continue;
        if (known != nullptr && known->path == name)
            chain.push_back(*known);
        else if (readFileAt(folder, name, text) == 0)
            chain.push_back({number, name, c4Id(text)});
    }
    highest = 0;
    for (const ChainEntry& entry : chain)
        highest = std::max(highest, entry.number);
    return 0;
}

} // namespace

CreatorInfo creatorNow(const std::string& version) {
    CreatorInfo info;
    info.version = version;
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) == 0)
        info.hostname = host;
    info.creationTime = std::time(nullptr);
    return info;
}

RecordResult addGeneration(const std::string& rootPath, const std::vector<RecordedFile>& files,
                           const CreatorInfo& info, int rootFd) {
    RecordResult result;
    const auto fail = [&](int error) {
        result.error = texts::filled<texts::kRecordUnwritten>(
            rootPath, error == ELOOP ? std::string(texts::kRecordFolderLink) : englishError(error));
        return result;
    };
    for (const RecordedFile& file : files)
        if (!recordablePath(file.path))
            result.leftOut.push_back(file.path);
    std::string xml = generationXml(files, info);

    if (faults::injected(faults::Call::OpenFolder))
        return fail(errno);
    const Fd root(rootFd >= 0 ? ::fcntl(rootFd, F_DUPFD_CLOEXEC, 0)
                              : ::open(rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root.valid())
        return fail(errno);
    Fd folder;
    if (const int error = openRecordFolder(root.get(), true, folder))
        return fail(error);
    // Runs that record into this root at once take turns; without locks (some network file
    // systems) the no-replace publishing below still keeps every generation.
    const bool locked = ::flock(folder.get(), LOCK_EX) == 0;
    if (locked)
        removeStaleTemporaries(folder.get());

    std::vector<ChainEntry> chain;
    int highest = 0;
    if (const int error = gatherChain(folder.get(), chain, highest))
        return fail(error);
    const std::string name = rootName(rootPath);
    const auto nameFor = [&](int attempt) {
        return generationName(highest + 1 + attempt, name, info.creationTime);
    };
    if (const int error = publishNew(folder.get(), xml, nameFor, result.generation))
        return fail(error);
    const ChainEntry written{generationNumber(result.generation), result.generation, c4Id(xml)};
    std::string().swap(xml); // a large record is not held while the chain is gathered
    if (const int error = syncFd(root.get()))
        return fail(error);

    // Gathered again: a run that took a number meanwhile (without a lock) stays listed too.
    if (const int error = gatherChain(folder.get(), chain, highest, &written))
        return fail(error);
    std::stable_sort(chain.begin(), chain.end(),
                     [](const ChainEntry& a, const ChainEntry& b) { return a.number < b.number; });
    if (const int error = replaceFile(folder.get(), kChainName, chainXml(chain)))
        return fail(error);
    return result;
}

} // namespace kestrel
