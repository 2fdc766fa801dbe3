#include "run/CopyPass.h"

#include "base/EngineTexts.h"
#include "run/Preferences.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <utility>

namespace kestrel {

namespace {
PublishRules rules(const ImportOptions& options) {
    return PublishRules(options.keepBoth, options.verify);
}
} // namespace

CopyPass::CopyPass(Parts parts)
    : parts_(parts), filling_(parts.hooks, rules(parts.options)),
      writing_(parts.hooks, rules(parts.options)),
      sidecars_(parts.options, parts.log, parts.report, records_) {}

std::vector<std::string_view> CopyPass::levelsOf(const FileFields& f) const {
    if (place_ == nullptr)
        return folderLevels(f, parts_.options);
    return {place_->folders.begin(), place_->folders.end()};
}

const std::string& CopyPass::nameOf(const FileFields& f) const {
    return place_ != nullptr ? place_->name : f.fileName;
}

DestinationFolder CopyPass::makeFolders(const FileFields& f, const std::string& root,
                                        ImportLog* log, bool again) {
    return parts_.folders.make(root, levelsOf(f), log, again, isChosenFolder(root));
}

std::vector<CopyBatch::Copy> CopyPass::makeCopies(const FileFields& f) {
    std::vector<CopyBatch::Copy> copies;
    copies.push_back({makeFolders(f, f.destRoot, &parts_.log), nameOf(f), {}, {}});
    if (isChosenFolder(parts_.options.backupRoot))
        copies.push_back({makeFolders(f, parts_.options.backupRoot, nullptr), nameOf(f), {}, {}});
    return copies;
}

std::optional<SourceRead> CopyPass::recordedThere(const FileFields& f,
                                                  std::vector<CopyBatch::Copy>& copies) {
    const StreamedSource& source = *f.streamed;
    std::optional<Digest128> digest;
    for (const CopyBatch::Copy& copy : copies) {
        // A camera that gives no size or time leaves nothing to tell its files apart by.
        if (!copy.folder.fd || copy.folder.rootLength == 0 || source.size < 0 ||
            source.modified == 0)
            return std::nullopt;
        const History* history =
            records_.historyOf(copy.folder.path.substr(0, copy.folder.rootLength - 1));
        if (history == nullptr)
            return std::nullopt;
        // Recorded under this very name, from a file of the camera's size and time: the bytes
        // were compared with the camera's when that record was made.
        const auto recorded =
            history->files.find(copy.folder.path.substr(copy.folder.rootLength) + copy.fileName);
        if (recorded == history->files.end() || !recorded->second.xxh128 ||
            recorded->second.action == RecordedFile::Action::Failed ||
            recorded->second.size != source.size ||
            recorded->second.lastModified != source.modified ||
            (digest && *digest != *recorded->second.xxh128))
            return std::nullopt;
        // And the destination holds those bytes now.
        struct stat st {};
        if (::fstatat(copy.folder.fd->get(), copy.fileName.c_str(), &st, AT_SYMLINK_NOFOLLOW) !=
                0 ||
            !S_ISREG(st.st_mode) || st.st_size != source.size ||
            hashFileAt(copy.folder.fd->get(), copy.fileName) != recorded->second.xxh128)
            return std::nullopt;
        digest = recorded->second.xxh128;
    }
    for (CopyBatch::Copy& copy : copies)
        copy.outcome = CopyOutcome(Outcome::AlreadyThere, 0, copy.folder.path + copy.fileName);
    return SourceRead{digest, source.size, source.modified};
}

SourceRead CopyPass::stage(const FileFields& f, std::vector<CopyBatch::Copy>& copies, bool again) {
    // Found by its bytes in the destination's record and read there just now: not compared
    // again. (With a backup, both are looked at as usual.)
    if (place_ != nullptr && place_->recorded && !again && copies.size() == 1 &&
        copies.front().folder.fd) {
        CopyBatch::Copy& copy = copies.front();
        copy.outcome = CopyOutcome(Outcome::AlreadyThere, 0, copy.folder.path + copy.fileName,
                                   "already there as " + place_->recorded->path);
        return SourceRead{place_->recorded->digest, f.size, place_->recorded->modified};
    }
    // A camera sends a file slowly: one it already gave is not sent again to be compared.
    if (f.streamed && !again)
        if (const auto read = recordedThere(f, copies))
            return *read;
    std::vector<StageTarget> targets;
    std::vector<CopyBatch::Copy*> staging;
    for (CopyBatch::Copy& copy : copies) {
        if (!copy.folder.fd) {
            copy.outcome = copy.folder.problem;
            copy.outcome.destPath = copy.folder.path + copy.fileName;
            if (copy.outcome.outcome == Outcome::NoDestination)
                copy.outcome.detail = texts::filled<texts::kNoDestinationForGroup>(
                    f.fileType == "JPG" ? "JPG" : "RAW");
            continue;
        }
        FolderRef ref;
        ref.use(copy.folder.fd);
        if (parts_.folders.firstUse(copy.folder.path))
            removeStaleTemporaries(ref);
        targets.push_back(
            {ref, copy.folder.path, copy.fileName, &copy.staged, {}, copy.folder.inMemory});
        staging.push_back(&copy);
    }
    const SourceRead read =
        f.streamed ? StagedCopy::stageStream(*f.streamed, rules(parts_.options), targets)
                   : StagedCopy::stageAll(f.fullPath, &f.scanned, rules(parts_.options), targets,
                                          parts_.hooks);
    for (std::size_t i = 0; i < staging.size(); ++i)
        staging[i]->outcome = targets[i].outcome;
    CopyBatch::Copy& first = copies.front();
    if (again || !first.folder.fd || first.outcome.outcome != Outcome::DestinationFolder ||
        first.outcome.error != ENOENT)
        return read;
    // A folder this run made or found is gone: make the levels again, once.
    parts_.folders.forget(f.destRoot + "/");
    std::vector<CopyBatch::Copy> remade;
    remade.push_back({makeFolders(f, f.destRoot, &parts_.log, true), nameOf(f), {}, {}});
    const SourceRead reread = stage(f, remade, true);
    first = std::move(remade.front());
    return read.digest ? read : reread;
}

void CopyPass::run(const FileList& files, const std::vector<bool>& fits,
                   const std::string& noSpace) {
    const auto total = static_cast<std::int32_t>(files.size());
    const std::string ofTotal = " of " + std::to_string(total) + " (";
    std::size_t next = 0;
    for (; next < files.size() && !stopRequested(); ++next) {
        const FileEntry& entry = files[next];
        if (entry.isError()) {
            std::vector<CopyBatch::Copy> problem(1);
            problem.front().outcome = entry.problem();
            filling_.add({{}, entry.problemPath(), {}, 0, true, std::move(problem), {}, 0, {}});
            continue;
        }
        const FileFields& f = entry.fields();
        place_ = next < places_.size() ? &places_[next] : nullptr;
        const bool room = next >= fits.size() || fits[next];
        std::vector<CopyBatch::Copy> copies;
        if (room) {
            copies = makeCopies(f);
        } else {
            std::string folder = f.destRoot + "/";
            for (const std::string_view level : levelsOf(f))
                folder.append(level).push_back('/');
            copies.push_back(
                {{}, nameOf(f), {}, {Outcome::DiskFull, 0, folder + nameOf(f), noSpace}});
        }
        parts_.sink.setBarInc(std::to_string(next + 1) + ofTotal + f.fileName + ")");
        parts_.sink.stopBar();

        const SourceRead read = room ? stage(f, copies) : SourceRead{};
        // The folders made for it are synced with its copies, in its batch.
        filling_.add({parts_.log.takeFileLines(), f.fullPath, f.scanned, f.size, false,
                      std::move(copies), read, 0, f.streamed},
                     parts_.folders.takeChanged());
        if (filling_.full()) {
            commitWriting();
            filling_.startWriteBack();
            std::swap(filling_, writing_);
            // Flushed and read back on another thread while the next batch is copied.
            preparing_ = std::async(std::launch::async, [this] { writing_.prepare(); });
        }
    }
    commitWriting();
    commit(filling_);
    parts_.folders.removeEmptyMade();
    writeRecords();
    revokeGone();

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

void CopyPass::commitWriting() {
    if (preparing_.valid())
        preparing_.get();
    commit(writing_);
}

void CopyPass::commit(CopyBatch& batch) {
    for (CopyBatch::Item& item : batch.commit(unflushed_)) {
        const CopyOutcome& outcome = item.outcome();
        if (item.errorEntry)
            parts_.log.errorEntry(item.linesBefore);
        else
            parts_.log.fileResult(item.linesBefore, item.source, outcome);
        parts_.summary.copiedAgain += item.copiedAgain;
        for (std::size_t i = 0; i < item.copies.size(); ++i) {
            CopyBatch::Copy& copy = item.copies[i];
            explainNameTaken(item, copy);
            if (i == 0)
                parts_.summary.add(item.source, copy.outcome);
            if (copy.outcome.safe() && copy.folder.rootLength != 0)
                safeCopies_.push_back({copy.folder.path.substr(0, copy.folder.rootLength - 1),
                                       item.source, copy.outcome.destPath, copy.outcome.outcome,
                                       i > 0});
            parts_.report.add(item.source, copy.outcome);
            if (i > 0)
                parts_.summary.addAtBackup(item.source, copy.outcome);
            record(item, copy);
            if (copy.outcome.safe())
                sidecars_.beside(item.source, copy.folder, copy.outcome.destPath);
            // Later files must not be staged in a folder that moved: they open theirs afresh.
            const Outcome why = copy.outcome.outcome;
            if (why == Outcome::DestinationLink || why == Outcome::DestinationFolder)
                parts_.folders.forget(copy.folder.path.substr(0, copy.folder.rootLength));
            if (why == Outcome::NoSafePublish && !warnedNoSafePublish_) {
                warnedNoSafePublish_ = true;
                parts_.sink.sayWarning(texts::filled<texts::kNoSafeNaming>(
                    copy.folder.path, fileSystemName(copy.folder.path)));
            }
        }
        bytesDone_ += item.size;
    }
    sidecars_.flush();
    parts_.report.flush();
    parts_.folders.checkRoots();
    parts_.sink.bytesDone(bytesDone_);
    // Output that cannot be written any more (a closed pipe) stops the run.
    if (!parts_.log.flush() && parts_.stop != nullptr && !parts_.stop->requested())
        parts_.stop->request(SIGPIPE);
}

void CopyPass::record(const CopyBatch::Item& item, const CopyBatch::Copy& copy) {
    const CopyOutcome& outcome = copy.outcome;
    if (!item.read.digest || !outcome.safe() || copy.folder.rootLength == 0)
        return;
    RecordedFile file;
    file.path = outcome.destPath.substr(copy.folder.rootLength);
    file.size = item.read.size;
    file.lastModified = item.read.modified;
    file.hash = *item.read.digest;
    records_.add(copy.folder.path.substr(0, copy.folder.rootLength - 1), std::move(file),
                 outcome.copied());
}

void CopyPass::explainNameTaken(const CopyBatch::Item& item, CopyBatch::Copy& copy) {
    CopyOutcome& outcome = copy.outcome;
    if (outcome.outcome != Outcome::NameTaken || !item.read.digest || copy.folder.rootLength == 0 ||
        outcome.destPath.size() <= copy.folder.rootLength)
        return;
    const History* history =
        records_.historyOf(copy.folder.path.substr(0, copy.folder.rootLength - 1));
    if (history == nullptr)
        return;
    // Recorded with the very bytes the card holds now: that copy came from this file.
    const auto recorded = history->files.find(outcome.destPath.substr(copy.folder.rootLength));
    if (recorded != history->files.end() && recorded->second.xxh128 == item.read.digest)
        outcome.detail = texts::kCopyChanged;
}

void CopyPass::writeRecords() {
    for (std::string& problem : records_.write(parts_.folders))
        parts_.summary.recordProblems.push_back(std::move(problem));
}

void CopyPass::revokeGone() {
    const std::vector<std::string> gone = parts_.folders.rootsGone();
    for (const SafeCopy& copy : safeCopies_) {
        if (std::find(gone.begin(), gone.end(), copy.root) == gone.end())
            continue;
        const CopyOutcome now{Outcome::DestinationFolder, 0, copy.destPath,
                              destinationGone(copy.root)};
        parts_.summary.revoke(copy.source, copy.outcome, now, copy.atBackup);
        parts_.report.add(copy.source, now);
    }
    safeCopies_.clear();
    parts_.report.flush();
}

} // namespace kestrel
