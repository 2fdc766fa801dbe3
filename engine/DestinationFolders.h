#pragma once

#include "ImportLog.h"

#include <set>
#include <string>
#include <unordered_set>

namespace kestrel {

// The destination folders of one run, made one level at a time. A folder this run made or
// found is not asked for again, unless a copy into it found it gone.
class DestinationFolders {
  public:
    // Logs the "path:" line of folder (ending in "/"), makes it unless this run already
    // made or found it, and logs "makeFolder:" when it was made. Its parent must exist.
    // asked: the "path:" line was logged already, for a folder asked for again.
    void make(const std::string& folder, ImportLog& log, bool asked = false);

    // Forgets every folder that starts with prefix, so the next make() asks again.
    void forget(const std::string& prefix);

    // True the first time it is asked about folder in this run.
    bool firstUse(const std::string& folder) { return used_.insert(folder).second; }

    // Folders whose entries changed since the last call: the parents of folders made.
    std::set<std::string> takeChanged();

  private:
    std::unordered_set<std::string> known_;
    std::unordered_set<std::string> used_;
    std::set<std::string> changed_;
};

// The folder that holds folder (which ends in "/"), with its trailing "/"; "." for a name
// without one.
std::string parentFolder(const std::string& folder);

} // namespace kestrel
