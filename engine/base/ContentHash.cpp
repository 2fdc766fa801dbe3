#include "base/ContentHash.h"

#include "base/FaultPoints.h"
#include "base/Fd.h"

#include <fcntl.h>
#include <unistd.h>
#include <xxhash.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace kestrel {

namespace {

constexpr std::size_t kChunk = 1 << 20;

// The value of one hex digit, or -1.
int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string Digest128::hex() const {
    char text[33];
    std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(high),
                  static_cast<unsigned long long>(low));
    return text;
}

std::optional<Digest128> Digest128::fromHex(std::string_view text) {
    if (text.size() != 32)
        return std::nullopt;
    Digest128 digest;
    for (std::size_t i = 0; i < 32; ++i) {
        const int value = hexValue(text[i]);
        if (value < 0)
            return std::nullopt;
        std::uint64_t& half = i < 16 ? digest.high : digest.low;
        half = (half << 4) | static_cast<std::uint64_t>(value);
    }
    return digest;
}

struct ContentHash::State {
    // XXH3's state wants a 64-byte alignment that only its own allocator promises.
    XXH3_state_t* xxh = XXH3_createState();
    ~State() { XXH3_freeState(xxh); }
};

ContentHash::ContentHash() : state_(std::make_unique<State>()) {
    reset();
}

ContentHash::~ContentHash() = default;
ContentHash::ContentHash(ContentHash&&) noexcept = default;
ContentHash& ContentHash::operator=(ContentHash&&) noexcept = default;

void ContentHash::reset() {
    XXH3_128bits_reset(state_->xxh);
}

void ContentHash::update(const void* data, std::size_t size) {
    XXH3_128bits_update(state_->xxh, data, size);
}

Digest128 ContentHash::digest() const {
    const XXH128_hash_t hash = XXH3_128bits_digest(state_->xxh);
    return Digest128{hash.high64, hash.low64};
}

std::optional<Digest128> hashFile(int fd, const ReadProgress& progress, std::int64_t size) {
    static thread_local std::vector<unsigned char> buffer(kChunk); // once per thread, not per file
    ContentHash hash;
    for (off_t offset = 0;;) {
        if (faults::injected(faults::Call::Read))
            return std::nullopt;
        if (size >= 0 && offset >= size)
            return hash.digest();
        const std::size_t want =
            size < 0 ? buffer.size() : std::min<std::size_t>(buffer.size(), size - offset);
        const ssize_t got = ::pread(fd, buffer.data(), want, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return hash.digest();
        hash.update(buffer.data(), static_cast<std::size_t>(got));
        offset += got;
        if (progress)
            progress(got);
    }
}

std::optional<Digest128> hashFileAt(int dirFd, const std::string& name,
                                    const ReadProgress& progress) {
    if (faults::injected(faults::Call::OpenSource))
        return std::nullopt;
    // O_NONBLOCK: a fifo put in place of the file must not hang the read.
    Fd fd(::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;
    const auto digest = hashFile(fd.get(), progress);
    const int error = errno;
    fd.reset(); // closing must not change what errno says of a failed read
    errno = error;
    return digest;
}

} // namespace kestrel
