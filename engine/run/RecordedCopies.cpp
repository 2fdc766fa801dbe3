#include "run/RecordedCopies.h"

#include "base/Fd.h"
#include "run/RunRecords.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace kestrel {

namespace {

// Whether the regular file at the relative path below rootFd has size bytes hashing to
// digest, every folder on the way reached without following a link.
bool holds(int rootFd, const std::string& path, std::int64_t size, const Digest128& digest) {
    Fd folder;
    int at = rootFd;
    std::string::size_type start = 0;
    for (auto slash = path.find('/'); slash != std::string::npos; slash = path.find('/', start)) {
        const std::string name = path.substr(start, slash - start);
        folder = Fd(::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!folder.valid())
            return false;
        at = folder.get();
        start = slash + 1;
    }
    const std::string name = path.substr(start);
    struct stat st {};
    if (::fstatat(at, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size != size)
        return false;
    return hashFileAt(at, name) == digest;
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

std::optional<RecordedCopy> RecordedCopies::find(const FileFields& f, const std::string& root,
                                                 int rootFd) {
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
        if (holds(rootFd, path, entry.size, *entry.xxh128))
            return RecordedCopy{path, *entry.xxh128, modified};
    }
    return std::nullopt;
}

} // namespace kestrel
