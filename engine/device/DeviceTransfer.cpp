#include "device/Device.h"

#include "base/EngineTexts.h"
#include "base/SystemError.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace kestrel {

DeviceTransfer::DeviceTransfer(Device& device, const std::string& path,
                               std::function<bool()> abandon) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        why_ = texts::filled<texts::kTransferUnstarted>(englishError(errno));
        return;
    }
    in_ = ends[0];
    thread_ = std::thread([this, &device, path, abandon = std::move(abandon), out = ends[1]] {
        why_ = device.read(path, out, abandon);
        // The end of the file, for the reader.
        ::close(out);
    });
}

DeviceTransfer::~DeviceTransfer() {
    finish();
}

std::string DeviceTransfer::finish() {
    // A reader that stopped early lets a transfer still sending fail rather than wait.
    if (in_ >= 0)
        ::shutdown(in_, SHUT_RD);
    if (thread_.joinable())
        thread_.join();
    if (in_ >= 0)
        ::close(std::exchange(in_, -1));
    return why_;
}

} // namespace kestrel
