#pragma once

#include "base/Fd.h"
#include "record/CopyOutcome.h"
#include "record/ImportLog.h"

#include <sys/types.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kestrel {

// A destination folder as a run holds it: open, or why it cannot be had.
struct DestinationFolder {
    std::string path;           // root + "/" + levels, each followed by "/"
    std::size_t rootLength = 0; // of root + "/" in path
    std::shared_ptr<const Fd> root;
    std::shared_ptr<const Fd> fd; // open for reading; null when it cannot be had
    CopyOutcome problem;          // why not, when fd is null
    bool inMemory = false;        // on a tmpfs: its files have no other storage than memory
};

// Checks that folder is still where its path says, below its root and reached without a
// link: an outcome other than Copied when it is not.
CopyOutcome recheck(const DestinationFolder& folder);

// The destination folders of one run. The root is opened as the user chose it, links
// included; every level below it is made and opened relative to its parent's descriptor
// without following a symbolic link, so nothing is ever written outside the root. A folder
// this run made or found is not asked for again, unless a copy into it found it gone.
class DestinationFolders {
  public:
    DestinationFolders();

    // The folder root/levels[0]/levels[1]/…/, each level made when missing (its parent must
    // exist). Logs the "path:" line of every level (unless asked: logged already, for a
    // folder asked for again) and "makeFolder:" for each one made, to log unless it is null.
    // When no root was chosen, only the lines are logged.
    DestinationFolder make(const std::string& root, const std::vector<std::string_view>& levels,
                           ImportLog* log, bool asked = false, bool chosen = true);

    // Forgets every folder that starts with prefix, so the next make() asks again.
    void forget(const std::string& prefix);

    // True the first time it is asked about folder in this run.
    bool firstUse(const std::string& folder) { return used_.insert(folder).second; }

    // Folders whose entries changed since the last call (the parents of folders made), by
    // path, open.
    std::map<std::string, std::shared_ptr<const Fd>> takeChanged();

    // Removes the folders this run made that are still empty, deepest first.
    void removeEmptyMade();

    // The roots (as given to make(), without the "/") whose path no longer leads to the
    // folder this run first opened there: unmounted, or replaced by another folder.
    std::vector<std::string> rootsGone() const;
    // Looks again at every root this run opened: a folder asked for below one that was
    // unmounted or replaced fails from then on, rather than taking copies to a disk that is
    // no longer there.
    void checkRoots();
    // The folder this run first opened at root, open; null when it never opened one.
    std::shared_ptr<const Fd> openedRoot(const std::string& root) const;

  private:
    struct Entry {
        std::string parent; // its parent's key; empty for a root
        std::string name;   // its name in the parent
        std::shared_ptr<const Fd> fd;
        dev_t device = 0;
        ino_t inode = 0;
        bool made = false;
        std::size_t rootLength = 0;
        bool inMemory = false;
    };
    CopyOutcome openRoot(const std::string& key, const std::string& root);
    CopyOutcome openLevel(const std::string& key, const std::string& parentKey,
                          std::string_view name, std::size_t rootLength, ImportLog* log);
    void keepWithinBudget();

    std::unordered_map<std::string, Entry> known_;
    // Each root as first opened, kept open: a root opened again must be the same folder.
    std::map<std::string, std::shared_ptr<const Fd>> firstRoots_;
    std::unordered_set<std::string> gone_; // roots found unmounted or replaced, as keys
    std::unordered_set<std::string> used_;
    std::map<std::string, std::shared_ptr<const Fd>> changed_;
    std::size_t openBudget_;
};

// "the destination ROOT was unmounted or replaced during the import"
std::string destinationGone(const std::string& root);

// Creates the one folder at path (its parent must exist), and logs its "path:" line and,
// when it was made, its "makeFolder:" line.
void makeOneFolder(const std::string& path, ImportLog& log);

} // namespace kestrel
