#pragma once

#include <fts.h>

#include <optional>
#include <string>

namespace kestrel {

// Walks every item below a root folder exactly once: files and folders at every depth,
// hidden ones included, a folder before its contents, siblings in byte order of their
// names. Symlinks are listed but never followed.
class SourceWalker {
  public:
    // root is the source root, with its trailing "/".
    explicit SourceWalker(const std::string& root);
    ~SourceWalker();
    SourceWalker(const SourceWalker&) = delete;
    SourceWalker& operator=(const SourceWalker&) = delete;

    // One step of the walk.
    struct Item {
        std::string path; // relative to the root, "/"-separated, no leading "/"
        bool unreadable;  // a folder whose contents could not be listed
    };

    // False when the root is not a folder that can be walked; the walk then yields nothing.
    bool started() const { return started_; }

    // The next item, or nothing once the walk is exhausted.
    std::optional<Item> next();

  private:
    FTS* fts_ = nullptr;
    std::size_t rootLength_;
    bool started_ = false;
};

} // namespace kestrel
