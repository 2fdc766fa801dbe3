#include "base/SystemError.h"

#include <clocale>
#include <cstring>
#include <locale.h>

namespace kestrel {

std::string englishError(int error) {
    // Made once and kept: a locale_t is freed only when the process ends.
    static const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t{});
    return english ? strerror_l(error, english) : std::strerror(error);
}

} // namespace kestrel
