#include "plan/NameGroups.h"

#include "base/CLocale.h"
#include "plan/NamePattern.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace kestrel {

namespace {

// A path as the grouping sees it: folder (with its "/"), name before the ending, ending.
struct Key {
    std::string folder, stem, ending;
    explicit Key(const std::string& path) {
        const std::size_t slash = path.rfind('/');
        folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
        NameParts parts = splitName(path.substr(folder.size()));
        stem = std::move(parts.stem);
        ending = asciiLower(parts.ending);
    }
    bool sameName(const Key& other) const { return folder == other.folder && stem == other.stem; }
};

} // namespace

std::vector<std::vector<std::size_t>> nameGroups(const std::vector<std::string>& paths) {
    std::vector<Key> keys;
    for (const std::string& path : paths)
        keys.emplace_back(path);
    std::vector<std::size_t> order(paths.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(keys[a].folder, keys[a].stem, keys[a].ending, paths[a]) <
               std::tie(keys[b].folder, keys[b].stem, keys[b].ending, paths[b]);
    });
    std::vector<std::vector<std::size_t>> groups;
    std::size_t first = 0; // the first group of the current name
    for (const std::size_t index : order) {
        if (groups.empty() || !keys[groups.back().front()].sameName(keys[index]))
            first = groups.size();
        // The first group of this name without this ending yet (endings come sorted).
        std::size_t at = first;
        while (at < groups.size() && keys[groups[at].back()].ending == keys[index].ending)
            ++at;
        if (at == groups.size())
            groups.emplace_back();
        groups[at].push_back(index);
    }
    return groups;
}

} // namespace kestrel
