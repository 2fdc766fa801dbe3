#pragma once

#include "device/Device.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

class QSocketNotifier;
class QThread;
class QTimer;
struct udev;
struct udev_monitor;

namespace kestrel {

// A camera or phone plugged in now.
struct PluggedDevice {
    QString port; // "usb:001,004"
    QString model;
    QStringList storages; // as it names them: "Internal shared storage", "SD card 1"
    QString problem;      // why it cannot be opened, in the reader's words; empty when it can
    bool held = false;    // another program (the file manager) holds it

    bool operator==(const PluggedDevice&) const = default;
};

// The cameras and phones connected now, with why none could be looked for: detectDevices by
// default.
using ListDevices = std::function<std::vector<DetectedDevice>(std::string& why)>;

// Follows the cameras and phones as they are plugged in and out. The kernel's USB events
// (through udev) say when to look again; without udev it looks every few seconds. Each look,
// which may take seconds, runs on a thread of its own; a device already seen is not opened
// again unless it could not be opened before.
class DeviceWatcher : public QObject {
    Q_OBJECT
  public:
    explicit DeviceWatcher(ListDevices list = detectDevices, QObject* parent = nullptr);
    // Waits for a look under way.
    ~DeviceWatcher() override;

    QList<PluggedDevice> devices() const { return devices_; }
    // Lists through list from now on, and looks again.
    void setLister(ListDevices list);
    // Looks again now, or once the look under way has ended.
    void look();

  signals:
    void devicesChanged(const QList<kestrel::PluggedDevice>& devices);

  private:
    void udevEvent();

    ListDevices list_;
    QList<PluggedDevice> devices_;
    QThread* thread_ = nullptr; // the look under way
    bool again_ = false;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* settle_ = nullptr;
};

// Held while a device is open, by a look, an import or a grid: libgphoto2 cannot claim one
// twice. Taken through DeviceHold or holdDeviceWhenFree, which let the readers wait their turn.
std::mutex& deviceLock();

// What the window says of a device that cannot be opened, from the engine's reason.
QString deviceProblemText(const std::string& why, bool* held = nullptr);

} // namespace kestrel
