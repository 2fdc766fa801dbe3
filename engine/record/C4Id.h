#pragma once

#include <QCryptographicHash>

#include <string>
#include <string_view>

namespace kestrel {

// The C4 id of bytes: their SHA-512 in base 58, padded to 88 digits and prefixed "c4". The
// chain of a hash record names each generation file by it.
std::string c4Id(std::string_view bytes);

// The C4 id of bytes given in any number of pieces, so that a large file need not be held.
class C4Hash {
  public:
    void update(std::string_view bytes);
    std::string id() const;

  private:
    QCryptographicHash sha_{QCryptographicHash::Sha512};
};

} // namespace kestrel
