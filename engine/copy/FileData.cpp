#include "copy/FileData.h"

#include "base/FaultPoints.h"

#include <sys/sendfile.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace kestrel {

namespace {

using faults::Call;

constexpr std::size_t kChunk = 1 << 20;

char* chunkBuffer(int which) {
    static thread_local std::unique_ptr<char[]> buffers[2];
    if (!buffers[which])
        buffers[which].reset(new char[kChunk]);
    return buffers[which].get();
}

// Writes all of data, retrying short writes; a write that takes nothing is an error, not a
// reason to try forever.
bool writeAll(int out, const char* data, std::size_t size, DataCopy& result) {
    for (std::size_t done = 0; done < size;) {
        ssize_t put = 0;
        if (faults::injected(Call::Write))
            put = errno == 0 ? 0 : -1;
        else
            put = ::write(out, data + done, size - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            result.failed = DataCopy::Failed::Writing;
            result.error = put == 0 ? EIO : errno;
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// One read of up to a chunk, through its fault point.
ssize_t readChunk(int in, char* buffer) {
    if (faults::injected(Call::Read))
        return errno == 0 ? 0 : -1;
    return ::read(in, buffer, kChunk);
}

DataCopy& readWriteCopy(int in, int out, DataCopy& result) {
    char* buffer = chunkBuffer(0);
    for (;;) {
        const ssize_t got = readChunk(in, buffer);
        if (got == 0)
            return result;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.failed = DataCopy::Failed::Reading;
            result.error = errno;
            return result;
        }
        if (!writeAll(out, buffer, static_cast<std::size_t>(got), result))
            return result;
        result.bytes += got;
    }
}

// Errors that only say the kernel cannot copy between these two files.
bool kernelCannotCopy(int error) {
    switch (error) {
    case EPERM:
    case EOPNOTSUPP:
    case EXDEV:
    case EINVAL:
    case ENOSYS:
    case ETXTBSY:
    case EBADF:
        return true;
    default:
        return false;
    }
}

// Reads exactly size bytes at offset unless the file ends first; -1 on error.
ssize_t readAt(int fd, char* buffer, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, buffer + done, size - done, offset + off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

// Between file systems the kernel can still move the data itself, without the copy through
// our buffer. Any failure, or an end before size, is left to reads and writes from where the
// kernel stopped: they meet the same condition and tell which side it came from.
DataCopy& kernelCopyElseReadWrite(int in, int out, off_t size, DataCopy& result) {
    while (result.bytes < size) {
        ssize_t n = 0;
        if (faults::injected(Call::Sendfile))
            n = errno == 0 ? 0 : -1;
        else
            n = ::sendfile(out, in, nullptr, static_cast<std::size_t>(size - result.bytes));
        if (n > 0)
            result.bytes += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return readWriteCopy(in, out, result);
}

// What a target is given to write: the chunk itself, or where a test asks for it, a copy
// with one byte changed after the chunk was hashed (a bad cable, a flaky bridge).
const char* maybeCorrupted(const char* chunk, std::size_t size) {
    if (size == 0 || !faults::injected(Call::Corrupt))
        return chunk;
    char* changed = chunkBuffer(1);
    std::memcpy(changed, chunk, size);
    changed[size / 2] = static_cast<char>(changed[size / 2] ^ 0x20);
    return changed;
}

} // namespace

void pumpData(int in, std::span<PumpTarget> targets, ContentHash& hash) {
    char* buffer = chunkBuffer(0);
    for (;;) {
        const ssize_t got = readChunk(in, buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            for (PumpTarget& target : targets)
                if (got < 0 && target.result.failed == DataCopy::Failed::Nothing)
                    target.result = DataCopy{DataCopy::Failed::Reading, errno, target.result.bytes};
            return;
        }
        const auto size = static_cast<std::size_t>(got);
        hash.update(buffer, size);
        for (PumpTarget& target : targets)
            if (target.result.failed == DataCopy::Failed::Nothing &&
                writeAll(target.fd, maybeCorrupted(buffer, size), size, target.result))
                target.result.bytes += got;
    }
}

DataCopy copyData(int in, int out, off_t size) {
    DataCopy result;
    while (result.bytes < size) {
        ssize_t n = 0;
        if (faults::injected(Call::CopyFileRange))
            n = errno == 0 ? 0 : -1;
        else
            n = ::copy_file_range(in, nullptr, out, nullptr,
                                  static_cast<std::size_t>(size - result.bytes), 0);
        if (n > 0) {
            result.bytes += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // Nothing copied where data is left (some file systems do that instead of failing),
        // or a refusal: both offsets stand where the kernel stopped, so reads and writes go on
        // from there.
        if (n == 0 || kernelCannotCopy(errno))
            return kernelCopyElseReadWrite(in, out, size, result);
        result.failed = DataCopy::Failed::Writing;
        result.error = errno;
        return result;
    }
    // The size seen at open may be short (a file system that under-reports it, a file still
    // being written): the copy ends where the data ends, which one more read finds.
    return readWriteCopy(in, out, result);
}

bool sameContent(int a, int b, off_t size) {
    char* left = chunkBuffer(0);
    char* right = chunkBuffer(1);
    for (off_t offset = 0; offset < size;) {
        const auto want = static_cast<std::size_t>(std::min<off_t>(size - offset, kChunk));
        const ssize_t gotLeft = readAt(a, left, want, offset);
        if (gotLeft != static_cast<ssize_t>(want) || readAt(b, right, want, offset) != gotLeft ||
            std::memcmp(left, right, want) != 0)
            return false;
        offset += gotLeft;
    }
    return true;
}

} // namespace kestrel
