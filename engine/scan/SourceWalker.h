#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {

// Walks every item below a root folder exactly once: files and folders at every depth,
// hidden ones included, a folder before its contents, siblings in byte order of their
// names. Symlinks are listed but never followed. Each folder is opened relative to its
// parent's descriptor, so no path length limit applies to the walk.
class SourceWalker {
  public:
    // A folder by device and inode.
    using FolderKey = std::pair<dev_t, ino_t>;

    // root is the source root, with its trailing "/". The folders in skip (destination
    // roots) are listed but never entered.
    explicit SourceWalker(const std::string& root, std::vector<FolderKey> skip = {});
    ~SourceWalker();
    SourceWalker(const SourceWalker&) = delete;
    SourceWalker& operator=(const SourceWalker&) = delete;

    // One step of the walk: an item, or a problem with the item at path.
    struct Item {
        std::string path;     // relative to the root, "/"-separated, no leading "/"
        int error = 0;        // not 0: the folder at path could not be opened or read to its end,
                              // or the item could not be examined
        bool folder = false;  // a folder (never a link to one)
        bool regular = false; // a regular file (never a link to one)
    };

    // False when the root is not a folder that can be walked; the walk then yields nothing
    // and rootError() says why.
    bool started() const { return rootOpened_; }
    int rootError() const { return rootError_; }

    // The next item, or nothing once the walk is exhausted.
    std::optional<Item> next();

  private:
    struct Frame;
    bool enter(int fd, std::string prefix, const std::string& path);

    std::vector<FolderKey> skip_;
    std::vector<std::unique_ptr<Frame>> frames_;
    std::optional<Item> pendingProblem_;
    bool rootOpened_ = false;
    int rootError_ = 0;
};

} // namespace kestrel
