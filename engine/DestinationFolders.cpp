#include "DestinationFolders.h"

#include "FaultPoints.h"

#include <sys/stat.h>

#include <cerrno>
#include <utility>

namespace kestrel {

std::string parentFolder(const std::string& folder) {
    const auto end = folder.find_last_not_of('/');
    if (end == std::string::npos)
        return folder;
    const auto slash = folder.rfind('/', end);
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
}

void DestinationFolders::make(const std::string& folder, ImportLog& log, bool asked) {
    if (!asked)
        log.folderAsked(folder);
    if (known_.contains(folder))
        return;
    if (!faults::injected(faults::Call::Mkdir) && ::mkdir(folder.c_str(), 0777) == 0) {
        log.folderMade(folder);
        changed_.insert(parentFolder(folder));
        known_.insert(folder);
    } else if (errno == EEXIST) {
        known_.insert(folder);
    }
}

void DestinationFolders::forget(const std::string& prefix) {
    std::erase_if(known_, [&prefix](const std::string& f) { return f.starts_with(prefix); });
}

std::set<std::string> DestinationFolders::takeChanged() {
    return std::exchange(changed_, {});
}

} // namespace kestrel
