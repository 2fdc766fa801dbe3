#include "base/CLocale.h"

namespace kestrel {

locale_t cLocale() {
    // Made once and kept: a locale_t is freed only when the process ends.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

} // namespace kestrel
