#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kestrel {

// The card files (paths relative to the card) that take one new name together: those in one
// folder with one name before their endings, as IMG_0001.JPG with IMG_0001.CR2, .THM, .XMP
// and .WAV. Each group holds indexes into paths, by ending; groups come by folder, then
// name, so a card numbers the same way every time. Two endings that differ only in case
// (A.JPG, A.jpg) go to groups of their own, since an {ext:lower} would name both alike.
std::vector<std::vector<std::size_t>> nameGroups(const std::vector<std::string>& paths);

} // namespace kestrel
