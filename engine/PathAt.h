#pragma once

#include <string>

namespace kestrel {

// A path made usable by the *at() system calls whatever its length: a path shorter than
// PATH_MAX is used as it is; a longer one is reached by opening its folders one at a time.
class PathAt {
  public:
    explicit PathAt(const std::string& path);
    ~PathAt();
    PathAt(const PathAt&) = delete;
    PathAt& operator=(const PathAt&) = delete;

    // The folder to resolve name() against: AT_FDCWD, or the opened parent folder.
    int dirFd() const { return dirFd_; }
    // The whole path, or its last component.
    const char* name() const { return name_.c_str(); }
    // 0, or the errno of the folder that could not be opened on the way.
    int error() const { return error_; }

  private:
    int dirFd_;
    std::string name_;
    int error_ = 0;
};

} // namespace kestrel
