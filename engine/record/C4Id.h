#pragma once

#include <string>
#include <string_view>

namespace kestrel {

// The C4 id of bytes: their SHA-512 in base 58, padded to 88 digits and prefixed "c4". The
// chain of a hash record names each generation file by it.
std::string c4Id(std::string_view bytes);

} // namespace kestrel
