#include "device/GPhotoChunks.h"

#include "device/GPhotoResults.h"

#include <gphoto2/gphoto2-result.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

namespace kestrel::gphoto {

using faults::Call;

int writeChunk(void* priv, unsigned char* data, std::uint64_t* len) {
    auto* sink = static_cast<Sink*>(priv);
    if (sink->result != GP_OK || failed(Call::DeviceRead, sink->result))
        return sink->result;
    if (sink->abandon && sink->abandon())
        return sink->result = GP_ERROR_CANCEL;
    for (std::uint64_t done = 0; done < *len;) {
        // Not a pipe: a reader that went away must not raise SIGPIPE.
        const ssize_t sent = ::send(sink->fd, data + done, *len - done, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0)
            return sink->result = GP_ERROR_IO_WRITE;
        done += static_cast<std::uint64_t>(sent);
    }
    return GP_OK;
}

int keepHead(void* priv, unsigned char* data, std::uint64_t* len) {
    auto* head = static_cast<Head*>(priv);
    int result = GP_OK;
    if (failed(Call::DeviceRead, result)) {
        head->failed = true;
        return result;
    }
    const auto take = std::min<std::uint64_t>(*len, head->max - head->bytes.size());
    head->bytes.append(reinterpret_cast<const char*>(data), take);
    return head->bytes.size() < head->max ? GP_OK : GP_ERROR_CANCEL;
}

} // namespace kestrel::gphoto
