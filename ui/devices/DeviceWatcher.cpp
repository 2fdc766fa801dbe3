#include "devices/DeviceWatcher.h"

#include "base/ShownText.h"

#include "devices/DeviceHold.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <libudev.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace kestrel {

namespace {

// Looks at every device that list finds, opening those not seen (or not opened) before.
QList<PluggedDevice> describe(const ListDevices& list, const QList<PluggedDevice>& known) {
    // An import opens its device with this held: a second claim of it would fail.
    const DeviceHold hold;
    std::string why;
    QList<PluggedDevice> found;
    for (const DetectedDevice& detected : list(why)) {
        PluggedDevice device;
        device.port = QString::fromStdString(detected.port);
        device.model = QString::fromStdString(detected.model);
        const auto seen = std::find_if(known.cbegin(), known.cend(), [&](const auto& was) {
            return was.port == device.port && was.model == device.model && was.problem.isEmpty();
        });
        if (seen != known.cend()) {
            found.append(*seen);
            continue;
        }
        std::string problem;
        if (const auto opened = openDevice(detected.port, problem))
            for (const std::string& storage : opened->storages())
                device.storages.append(QString::fromStdString(storage));
        else
            device.problem = deviceProblemText(problem, &device.held);
        found.append(device);
    }
    return found;
}

} // namespace

std::mutex& deviceLock() {
    static std::mutex lock;
    return lock;
}

QString deviceProblemText(const std::string& why, bool* held) {
    const bool claimed = heldByAnotherProgram(why);
    if (held != nullptr)
        *held = claimed;
    if (claimed)
        return QCoreApplication::translate(
            "DeviceWatcher", "Another program is using it: unmount it in the file manager, or "
                             "close the program that uses it, then import again.");
    return QCoreApplication::translate("DeviceWatcher", "It cannot be opened: %1.")
        .arg(shownText(why));
}

DeviceWatcher::DeviceWatcher(ListDevices list, QObject* parent)
    : QObject(parent), list_(std::move(list)), settle_(new QTimer(this)) {
    // A device is announced a piece at a time and answers only once it is ready: one look
    // after the events have settled.
    settle_->setSingleShot(true);
    settle_->setInterval(700);
    connect(settle_, &QTimer::timeout, this, &DeviceWatcher::look);
    // Without a running udev daemon its monitor is silent: look every few seconds instead.
    if (::access("/run/udev/control", F_OK) == 0 && (udev_ = udev_new()) != nullptr &&
        (monitor_ = udev_monitor_new_from_netlink(udev_, "udev")) != nullptr &&
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "usb", "usb_device") >= 0 &&
        udev_monitor_enable_receiving(monitor_) >= 0) {
        notifier_ = new QSocketNotifier(udev_monitor_get_fd(monitor_), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &DeviceWatcher::udevEvent);
    } else {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, &DeviceWatcher::look);
        poll->start(3000);
    }
    look();
}

DeviceWatcher::~DeviceWatcher() {
    delete notifier_;
    if (monitor_ != nullptr)
        udev_monitor_unref(monitor_);
    if (udev_ != nullptr)
        udev_unref(udev_);
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

void DeviceWatcher::setLister(ListDevices list) {
    list_ = std::move(list);
    look();
}

void DeviceWatcher::udevEvent() {
    while (udev_device* event = udev_monitor_receive_device(monitor_))
        udev_device_unref(event);
    settle_->start();
}

void DeviceWatcher::look() {
    if (thread_ != nullptr) {
        again_ = true;
        return;
    }
    again_ = false;
    auto found = std::make_shared<QList<PluggedDevice>>();
    thread_ = QThread::create(
        [list = list_, known = devices_, found] { *found = describe(list, known); });
    // Queued to this thread, which lists nothing itself.
    connect(thread_, &QThread::finished, this, [this, found] {
        thread_->wait();
        delete std::exchange(thread_, nullptr);
        if (*found != devices_) {
            devices_ = *found;
            emit devicesChanged(devices_);
        }
        if (again_)
            look();
    });
    thread_->start();
}

} // namespace kestrel
