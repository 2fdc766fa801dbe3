#include "run/RecordedCopies.h"

#include "base/Fd.h"
#include "run/Preferences.h"
#include "run/RunRecords.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

namespace kestrel {

namespace {

// Whether the regular file name in the folder open at folder has size bytes hashing to digest.
bool holds(int folder, const std::string& name, std::int64_t size, const Digest128& digest) {
    // O_NONBLOCK: a fifo put in place of the copy must not hang the read.
    const Fd copy(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    return copy.valid() && ::fstat(copy.get(), &st) == 0 && S_ISREG(st.st_mode) &&
           st.st_size == size && hashFile(copy.get()) == digest;
}

} // namespace

const RecordedCopies::BySize& RecordedCopies::indexOf(const std::string& root) {
    auto [it, first] = indexes_.try_emplace(root);
    if (first)
        if (const History* history = records_.historyOf(root))
            for (const Entry& entry : history->files)
                if (entry.second.xxh128 && entry.second.size >= 0 &&
                    entry.second.action != RecordedFile::Action::Failed)
                    it->second.emplace(entry.second.size, &entry);
    return it->second;
}

int RecordedCopies::folderFd(const std::string& root, int rootFd, const std::string& folder) {
    // Copies lie in few folders: each is opened once, every part reached without following
    // a link.
    const std::string key = root + '\0' + folder;
    if (const auto open = folders_.find(key); open != folders_.end())
        return open->second.get();
    if (folders_.size() >= kOpenFolders)
        folders_.clear();
    Fd at;
    int fd = rootFd;
    for (std::string::size_type start = 0; start <= folder.size();) {
        const auto slash = std::min(folder.find('/', start), folder.size());
        // The folder just opened stays open until the next one below it is.
        at = Fd(::openat(fd, folder.substr(start, slash - start).c_str(),
                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!at.valid())
            return -1;
        fd = at.get();
        start = slash + 1;
    }
    return folders_.emplace(key, std::move(at)).first->second.get();
}

std::optional<Digest128> RecordedCopies::cardDigest(const FileFields& f) {
    if (digestOf_ != f.fullPath) {
        digestOf_ = f.fullPath;
        const Fd card(::open(f.fullPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        digest_ = card.valid() && ::fstat(card.get(), &st) == 0 && st.st_size == f.size
                      ? hashFile(card.get())
                      : std::nullopt;
        modified_ = st.st_mtim.tv_sec;
    }
    return digest_;
}

int RecordedCopies::rootFd(const std::string& root) {
    std::shared_ptr<const Fd>& open = roots_[root];
    if (!open && opened_ != nullptr)
        open = opened_->openedRoot(root);
    if (!open)
        open = std::make_shared<const Fd>(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return open->get();
}

std::optional<RecordedCopy> RecordedCopies::find(const FileFields& f) {
    const std::string& root = f.destRoot;
    if (!isChosenFolder(root))
        return std::nullopt;
    const BySize& index = indexOf(root);
    const auto [begin, end] = index.equal_range(f.size);
    for (auto it = begin; it != end; ++it) {
        const auto& [path, entry] = *it->second;
        std::time_t modified = 0;
        if (f.streamed) {
            // A camera that gives no time leaves nothing to tell its files apart by.
            modified = f.streamed->modified;
            if (modified == 0 || entry.lastModified != modified)
                continue;
        } else if (cardDigest(f) != entry.xxh128) {
            continue;
        } else {
            modified = modified_;
        }
        const int at = rootFd(root);
        const auto slash = path.rfind('/');
        const int folder =
            at < 0 || slash == std::string::npos ? at : folderFd(root, at, path.substr(0, slash));
        if (folder >= 0 && holds(folder, path.substr(slash + 1), entry.size, *entry.xxh128))
            return RecordedCopy{path, *entry.xxh128, modified};
    }
    return std::nullopt;
}

} // namespace kestrel
