// What a dry run prints: where each file would go, and why the others would stay.
#include "base/EngineTexts.h"
#include "copy/TakenName.h"
#include "run/CopyHandler.h"
#include "run/Preferences.h"

#include <sys/stat.h>

#include <cerrno>
#include <ostream>

namespace kestrel {

namespace {

// What a copy would find at a destination path: judged by a stat alone, without reading.
enum class Found { Nothing, SameSize, Other };

Found found(const std::string& path, std::int64_t size) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT ? Found::Nothing : Found::Other;
    return S_ISREG(st.st_mode) && st.st_size == size ? Found::SameSize : Found::Other;
}

} // namespace

void CopyHandler::printPlan(const FileList& files, const std::vector<FilePlace>& places) {
    std::ostream& out = *dryRun;
    int toCopy = 0, there = 0, left = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].isError()) {
            out << quotedName(files[i].problemPath()) << ": " << describe(files[i].problem())
                << '\n';
            ++left;
            continue;
        }
        const FileFields& f = files[i].fields();
        const FilePlace place = places.empty() ? designedPlace(f, options_) : places[i];
        const std::string source = quotedName(f.fullPath);
        const std::string* const roots[] = {&f.destRoot, &options_.backupRoot};
        for (const std::string* root : roots) {
            if (root != &f.destRoot && !isChosenFolder(*root))
                continue;
            std::string folder = *root + "/";
            for (const std::string& level : place.folders)
                folder += level + "/";
            // With keep-both, a different file at the name moves the copy to a numbered one.
            Found at = found(folder + place.name, f.size);
            int number = 0;
            while (at == Found::Other && options_.keepBoth && number < kMaxNumberedName)
                at = found(folder + numberedName(place.name, ++number), f.size);
            const std::string path = folder + numberedName(place.name, number);
            if (!isChosenFolder(*root)) {
                out << source << ": no destination folder is chosen for its group\n";
                ++left;
            } else if (at == Found::Nothing) {
                out << source << " -> " << quotedName(path) << '\n';
                ++toCopy;
            } else if (at == Found::SameSize) {
                out << source << ": already at its "
                    << (root == &f.destRoot ? "destination" : "backup") << '\n';
                ++there;
            } else {
                out << source << ": another file has its name at " << quotedName(path) << '\n';
                ++left;
            }
        }
    }
    for (const FileResult& file : summary_.notCopiedNow) {
        out << quotedName(file.source) << ": ";
        if (file.outcome.outcome == Outcome::LeftOnCard)
            out << texts::kLeftOnCard << " (" << file.outcome.detail << ")\n";
        else
            out << describe(file.outcome) << '\n';
        ++left;
    }
    out << toCopy << " to copy, " << there << " already there, " << left << " left\n";
    out.flush();
}

} // namespace kestrel
