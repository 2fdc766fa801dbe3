#pragma once

#include <atomic>
#include <mutex>
#include <utility>

namespace kestrel {

// Holds deviceLock() from construction to destruction, as an import or a look at the devices
// does. While it waits for the lock, readers that hold it for long (a grid reading a camera's
// previews) let go of it between two files, and take it again only after it has been had.
class DeviceHold {
  public:
    DeviceHold();
    ~DeviceHold();
    DeviceHold(const DeviceHold&) = delete;
    DeviceHold& operator=(const DeviceHold&) = delete;
};

// True while a DeviceHold waits for deviceLock(): a reader holding it should let it go.
bool deviceWanted();

// A reader's turn with the devices: deviceLock() held until it ends, when the next waiting
// reader is woken.
class DeviceTurn {
  public:
    DeviceTurn() = default;
    explicit DeviceTurn(std::unique_lock<std::mutex> lock) : lock_(std::move(lock)) {}
    DeviceTurn(DeviceTurn&&) = default;
    ~DeviceTurn();
    explicit operator bool() const { return lock_.owns_lock(); }

  private:
    std::unique_lock<std::mutex> lock_;
};

// deviceLock(), for a reader that lets every DeviceHold go first: waits while one waits or the
// lock is held. No turn when stop was set (then wakeDeviceReaders() ends the wait).
DeviceTurn holdDeviceWhenFree(const std::atomic<bool>& stop);

// Wakes the readers waiting in holdDeviceWhenFree, to look at their stop again.
void wakeDeviceReaders();

} // namespace kestrel
