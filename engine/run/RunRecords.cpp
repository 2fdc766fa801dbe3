#include "run/RunRecords.h"

#include "base/EngineTexts.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace kestrel {

const History* RunRecords::historyOf(const std::string& root) {
    auto [it, first] = histories_.try_emplace(root);
    if (first) {
        std::string error;
        it->second = readHistory(root, error);
    }
    return it->second ? &*it->second : nullptr;
}

void RunRecords::add(const std::string& root, RecordedFile file, bool copiedNow) {
    const History* history = copiedNow ? nullptr : historyOf(root);
    file.action = history != nullptr && history->files.contains(file.path)
                      ? RecordedFile::Action::Verified
                      : RecordedFile::Action::Original;
    file.hashDate = std::time(nullptr);
    files_[root].push_back(std::move(file));
}

std::vector<std::string> RunRecords::write(const DestinationFolders& folders) {
    std::vector<std::string> problems;
    const CreatorInfo creator = creatorNow(KESTREL_VERSION);
    const std::vector<std::string> gone = folders.rootsGone();
    for (const auto& [root, files] : files_) {
        const std::shared_ptr<const Fd> opened = folders.openedRoot(root);
        if (std::find(gone.begin(), gone.end(), root) != gone.end() || opened == nullptr)
            continue;
        const RecordResult result = addGeneration(root, files, creator, opened->get());
        if (!result.ok())
            problems.push_back(result.error);
        else if (!result.leftOut.empty())
            problems.push_back(texts::filled<texts::kRecordLeftOut>(
                root, std::to_string(result.leftOut.size())));
    }
    files_.clear();
    histories_.clear();
    return problems;
}

} // namespace kestrel
