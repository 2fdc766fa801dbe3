#pragma once

// Where the chunks a camera sends go: libgphoto2 hands each to a CameraFileHandler's write.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace kestrel::gphoto {

// A transfer's destination, and whether a chunk could not be passed on.
struct Sink {
    int fd;
    const std::function<bool()>& abandon; // asked before each chunk: true stops the transfer
    int result = 0;                       // GP_OK until a chunk fails
};

// Sends the chunk on to the Sink at priv's descriptor.
int writeChunk(void* priv, unsigned char* data, std::uint64_t* len);

// The start of a file, gathered from the chunks a camera sends until there is enough.
struct Head {
    std::size_t max;
    std::string bytes;
    bool failed = false;
};

// Keeps the chunk in the Head at priv, and stops the transfer once max bytes are there.
int keepHead(void* priv, unsigned char* data, std::uint64_t* len);

} // namespace kestrel::gphoto
