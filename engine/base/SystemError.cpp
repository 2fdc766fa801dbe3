#include "base/SystemError.h"

#include "base/CLocale.h"

#include <cstring>

namespace kestrel {

std::string englishError(int error) {
    const locale_t english = cLocale();
    return english ? strerror_l(error, english) : std::strerror(error);
}

} // namespace kestrel
