#include "base/CLocale.h"

namespace kestrel {

locale_t cLocale() {
    // Made once and kept: a locale_t is freed only when the process ends.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace kestrel
