#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace kestrel {

// A file that the copy cannot open itself, whose bytes arrive on a descriptor instead: one
// on a camera, sent over USB. Each start() sends the whole file again.
class StreamedSource {
  public:
    virtual ~StreamedSource() = default;
    // Starts a transfer: the descriptor its bytes arrive on, to be read to its end; -1 when
    // it cannot start (finish() says why).
    virtual int start() = 0;
    // Ends the transfer started last: empty when every byte arrived, else why not.
    virtual std::string finish() = 0;
    // Whether the transfer ended last ended because the run was asked to stop.
    virtual bool stopped() const { return false; }

    std::int64_t size = -1; // as the listing gave it; -1 when it did not
    std::time_t modified = 0;
};

} // namespace kestrel
