#pragma once

#include "base/Fd.h"

#include <memory>
#include <string>
#include <string_view>

namespace kestrel {

// Opens path with flags (O_CLOEXEC is added). A path too long for one system call is opened
// one folder at a time: its longest leading part that fits as one path, then each further
// folder without following links (the scan never goes through a link). -1 with errno set
// on failure.
int openLong(const std::string& path, int flags);

// A folder that calls reach by its path, or through an open descriptor where its path is too
// long for the ordinary calls. Pass at() and path(name) to the *at() system calls.
class FolderRef {
  public:
    // Refers to folder (a path that is empty or ends in "/"); 0 or the errno of opening it.
    int open(const std::string& folder);
    // Refers to the folder open as fd, which others may hold too.
    void use(std::shared_ptr<const Fd> fd);

    int at() const;
    // What the *at() calls take for the entry name of this folder.
    std::string path(std::string_view name) const;
    // What the *at() calls take for the folder itself.
    std::string self() const;

  private:
    std::shared_ptr<const Fd> fd_;
    std::string prefix_;
};

} // namespace kestrel
