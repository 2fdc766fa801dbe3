#include "run/CopyPass.h"

#include "run/Preferences.h"

#include <cerrno>
#include <csignal>
#include <utility>

namespace kestrel {

CopyPass::CopyPass(Parts parts) : parts_(parts), filling_(parts.hooks), writing_(parts.hooks) {}

DestinationFolder CopyPass::makeFolders(const FileFields& f, bool again) {
    const ImportOptions& o = parts_.options;
    std::vector<std::string_view> levels{f.fileType};
    for (const auto& [on, level] :
         {std::pair{o.year, &f.year}, {o.month, &f.month}, {o.day, &f.day}})
        if (on)
            levels.push_back(*level);
    return parts_.folders.make(f.destRoot, levels, parts_.log, again, isChosenFolder(f.destRoot));
}

CopyOutcome CopyPass::stage(const FileFields& f, DestinationFolder& folder, StagedCopy& staged) {
    if (!folder.fd) {
        CopyOutcome outcome = folder.problem;
        outcome.destPath = folder.path + f.fileName;
        if (outcome.outcome == Outcome::NoDestination)
            outcome.detail = std::string("no destination folder is chosen for the ") +
                             (f.fileType == "JPG" ? "JPG" : "RAW") + " group";
        return outcome;
    }
    const PublishRules rules{parts_.options.keepBoth};
    FolderRef ref;
    ref.use(folder.fd);
    if (parts_.folders.firstUse(folder.path))
        removeStaleTemporaries(ref);
    CopyOutcome outcome = StagedCopy::stage(f.fullPath, ref, folder.path, f.fileName, &f.scanned,
                                            rules, staged, parts_.hooks);
    if (outcome.outcome == Outcome::DestinationFolder && outcome.error == ENOENT) {
        // A folder this run made or found is gone: make the levels again, once.
        parts_.folders.forget(f.destRoot + "/");
        folder = makeFolders(f, true);
        if (!folder.fd)
            return stage(f, folder, staged);
        ref.use(folder.fd);
        outcome = StagedCopy::stage(f.fullPath, ref, folder.path, f.fileName, &f.scanned, rules,
                                    staged, parts_.hooks);
    }
    return outcome;
}

void CopyPass::run(const FileList& files) {
    const auto total = static_cast<std::int32_t>(files.size());
    const std::string ofTotal = " of " + std::to_string(total) + " (";
    std::size_t next = 0;
    for (; next < files.size() && !stopRequested(); ++next) {
        const FileEntry& entry = files[next];
        if (entry.isError()) {
            filling_.add({{}, entry.problemPath(), entry.problem(), 0, true, {}, {}});
            continue;
        }
        const FileFields& f = entry.fields();
        DestinationFolder folder = makeFolders(f);
        parts_.sink.setBarInc(std::to_string(next + 1) + ofTotal + f.fileName + ")");
        parts_.sink.stopBar();

        StagedCopy staged;
        CopyOutcome outcome = stage(f, folder, staged);
        filling_.add({parts_.log.takeFileLines(), f.fullPath, std::move(outcome), f.size, false,
                      std::move(staged), std::move(folder)});
        if (filling_.full()) {
            commit(writing_);
            filling_.startWriteBack();
            std::swap(filling_, writing_);
        }
    }
    commit(writing_);
    commit(filling_);
    parts_.folders.removeEmptyMade();

    if (next == files.size())
        return;
    parts_.summary.stopped = true;
    parts_.summary.stopSignal = parts_.stop->signal();
    for (; next < files.size(); ++next) {
        const FileEntry& entry = files[next];
        const std::string& source = entry.isError() ? entry.problemPath() : entry.fields().fullPath;
        const CopyOutcome stopped{Outcome::Stopped, 0, {}};
        parts_.summary.add(source, stopped);
        parts_.report.add(source, stopped);
    }
}

void CopyPass::commit(CopyBatch& batch) {
    for (CopyBatch::Item& item : batch.commit(parts_.folders.takeChanged())) {
        if (item.errorEntry)
            parts_.log.errorEntry(item.linesBefore);
        else
            parts_.log.fileResult(item.linesBefore, item.source, item.outcome);
        parts_.summary.add(item.source, item.outcome);
        parts_.report.add(item.source, item.outcome);
        bytesDone_ += item.size;
        // Later files must not be staged in a folder that moved: they open theirs afresh.
        const Outcome outcome = item.outcome.outcome;
        if (outcome == Outcome::DestinationLink || outcome == Outcome::DestinationFolder)
            parts_.folders.forget(item.folder.path.substr(0, item.folder.rootLength));
        if (item.outcome.outcome == Outcome::NoSafePublish && !warnedNoSafePublish_) {
            warnedNoSafePublish_ = true;
            parts_.sink.sayWarning(item.folder.path + " is on a " +
                                   fileSystemName(item.folder.path) +
                                   " file system, which cannot give a file its name without "
                                   "risking replacing another: nothing is copied there.");
        }
    }
    parts_.report.flush();
    parts_.sink.bytesDone(bytesDone_);
    // Output that cannot be written any more (a closed pipe) stops the run.
    if (!parts_.log.flush() && parts_.stop != nullptr && !parts_.stop->requested())
        parts_.stop->request(SIGPIPE);
}

} // namespace kestrel
