#include "record/C4Id.h"

#include <QByteArray>

#include <algorithm>
#include <array>

namespace kestrel {

namespace {

constexpr std::string_view kDigits = "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";
constexpr std::size_t kLength = 88;

} // namespace

std::string c4Id(std::string_view bytes) {
    C4Hash hash;
    hash.update(bytes);
    return hash.id();
}

void C4Hash::update(std::string_view bytes) {
    sha_.addData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string C4Hash::id() const {
    const QByteArray sha = sha_.result();
    // Long division of the 512-bit big-endian number by 58, one digit per round, least
    // significant first.
    std::array<unsigned char, 64> number{};
    std::copy(sha.begin(), sha.end(), number.begin());
    std::string digits;
    while (std::any_of(number.begin(), number.end(), [](unsigned char b) { return b != 0; })) {
        unsigned remainder = 0;
        for (unsigned char& byte : number) {
            const unsigned value = (remainder << 8) | byte;
            byte = static_cast<unsigned char>(value / 58);
            remainder = value % 58;
        }
        digits += kDigits[remainder];
    }
    digits.resize(std::max(digits.size(), kLength), kDigits[0]);
    std::reverse(digits.begin(), digits.end());
    return "c4" + digits;
}

} // namespace kestrel
