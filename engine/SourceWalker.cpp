#include "SourceWalker.h"

#include <cstring>

namespace kestrel {

namespace {
int byName(const FTSENT** a, const FTSENT** b) {
    return std::strcmp((*a)->fts_name, (*b)->fts_name);
}
} // namespace

SourceWalker::SourceWalker(const std::string& root) : rootLength_(root.size()) {
    std::string rootCopy = root;
    char* roots[] = {rootCopy.data(), nullptr};
    fts_ = fts_open(roots, FTS_PHYSICAL | FTS_NOCHDIR | FTS_NOSTAT, byName);
    if (fts_ == nullptr)
        return;
    // The root comes first; it must be a folder we can descend into.
    FTSENT* top = fts_read(fts_);
    started_ = top != nullptr && top->fts_info == FTS_D;
}

SourceWalker::~SourceWalker() {
    if (fts_ != nullptr)
        fts_close(fts_);
}

std::optional<SourceWalker::Item> SourceWalker::next() {
    if (!started_)
        return std::nullopt;
    while (FTSENT* entry = fts_read(fts_)) {
        if (entry->fts_level == FTS_ROOTLEVEL)
            continue;
        switch (entry->fts_info) {
        case FTS_DP: // a folder again, after its contents
        case FTS_DC: // a folder that loops back to one above it
            continue;
        case FTS_DNR:
        case FTS_ERR:
            return Item{std::string(entry->fts_path + rootLength_), true};
        default:
            return Item{std::string(entry->fts_path + rootLength_), false};
        }
    }
    return std::nullopt;
}

} // namespace kestrel
