#include "devices/DeviceHold.h"

#include "devices/DeviceWatcher.h"

#include <condition_variable>

namespace kestrel {

namespace {

// Who waits for the device, guarded apart from the device lock so that readers can wait on
// it; every DeviceHold says here when it has taken the lock and when it has let it go.
struct Waiting {
    std::mutex lock;
    std::condition_variable changed;
    int holds = 0;
};

Waiting& waiting() {
    static Waiting w;
    return w;
}

} // namespace

DeviceHold::DeviceHold() {
    Waiting& w = waiting();
    {
        const std::lock_guard count(w.lock);
        ++w.holds;
    }
    deviceLock().lock();
    {
        const std::lock_guard count(w.lock);
        --w.holds;
    }
    w.changed.notify_all();
}

DeviceHold::~DeviceHold() {
    deviceLock().unlock();
    wakeDeviceReaders();
}

bool deviceWanted() {
    Waiting& w = waiting();
    const std::lock_guard count(w.lock);
    return w.holds > 0;
}

DeviceTurn::~DeviceTurn() {
    if (!lock_.owns_lock())
        return;
    lock_.unlock();
    wakeDeviceReaders();
}

DeviceTurn holdDeviceWhenFree(const std::atomic<bool>& stop) {
    Waiting& w = waiting();
    std::unique_lock count(w.lock);
    for (;;) {
        if (stop.load())
            return {};
        if (w.holds == 0)
            if (std::unique_lock device(deviceLock(), std::try_to_lock); device.owns_lock())
                return DeviceTurn(std::move(device));
        // A hold that lets go says so under w.lock: its word cannot come between the try
        // above and this wait.
        w.changed.wait(count);
    }
}

void wakeDeviceReaders() {
    Waiting& w = waiting();
    { const std::lock_guard count(w.lock); }
    w.changed.notify_all();
}

} // namespace kestrel
