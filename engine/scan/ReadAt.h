#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

namespace kestrel {

// Reads up to size bytes at offset `at` with pread, so the descriptor's own offset stays
// where its owner left it. Returns how many were read: fewer at the end of the file or
// on an error. A short read is taken for the end of the file, as it is on local file
// systems: asking again would cost every small file a second system call.
inline std::size_t readAt(int fd, std::uint64_t at, unsigned char* data, std::size_t size) {
    for (;;) {
        const ssize_t got = ::pread(fd, data, size, static_cast<off_t>(at));
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            return 0;
    }
}

// The unsigned big-endian number in the `bytes` bytes at data.
inline std::uint64_t bigEndian(const unsigned char* data, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | data[i];
    return value;
}

} // namespace kestrel
