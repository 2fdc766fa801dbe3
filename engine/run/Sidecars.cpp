#include "run/Sidecars.h"

#include "base/EngineTexts.h"
#include "base/SystemError.h"
#include "copy/SafeCopy.h"
#include "copy/StagingFile.h"
#include "record/XmpSidecar.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace kestrel {

Sidecars::Sidecars(const ImportOptions& options, ImportLog& log, ImportReport& report,
                   RunRecords& records)
    : log_(log), report_(report), records_(records), wanted_(options.writesSidecars()),
      withEnding_(options.sidecarWithEnding) {
    if (!wanted_)
        return;
    text_ = xmpSidecarText(
        {options.creator, options.copyright, options.credit, options.keywords, options.description},
        problem_);
    ContentHash hash;
    hash.update(text_.data(), text_.size());
    digest_ = hash.digest();
}

void Sidecars::beside(const std::string& source, const DestinationFolder& folder,
                      const std::string& destPath) {
    if (!wanted_ || !folder.fd || folder.rootLength == 0 || !destPath.starts_with(folder.path))
        return;
    const std::string name = sidecarName(destPath.substr(folder.path.size()), withEnding_);
    const std::string path = folder.path + name;
    if (!seen_.insert(path).second)
        return;
    if (!problem_.empty()) {
        // Said once: every other sidecar would fail the same way.
        log_.note(path, "no sidecars are written: " + problem_);
        report_.note(source, path, "no sidecars are written: " + problem_);
        wanted_ = false;
        return;
    }
    FolderRef ref;
    ref.use(folder.fd);
    const int error = writeNewFile(ref, name, text_);
    std::string why;
    if (error == EEXIST && !holdsText(folder.fd->get(), name))
        why = texts::kSidecarTaken;
    else if (error != 0 && error != EEXIST)
        why = texts::filled<texts::kSidecarUnwritten>(englishError(error));
    if (!why.empty()) {
        log_.note(path, why);
        report_.note(source, path, why);
        return;
    }
    if (error == 0)
        unflushed_.emplace(folder.path, folder.fd);
    struct stat st {};
    ::fstatat(folder.fd->get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW);
    RecordedFile file;
    file.path = path.substr(folder.rootLength);
    file.size = static_cast<std::int64_t>(text_.size());
    file.lastModified = st.st_mtime;
    file.hash = digest_;
    records_.add(folder.path.substr(0, folder.rootLength - 1), std::move(file), error == 0);
}

bool Sidecars::holdsText(int dirFd, const std::string& name) const {
    struct stat st {};
    return ::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
           st.st_size == static_cast<off_t>(text_.size()) && hashFileAt(dirFd, name) == digest_;
}

void Sidecars::flush() {
    for (const auto& [path, fd] : unflushed_)
        if (const int error = syncFolder(fd->get()); error != 0)
            log_.note(path, std::string("the folder of new sidecars cannot be flushed: ") +
                                englishError(error));
    unflushed_.clear();
}

} // namespace kestrel
