#pragma once

#include <QObject>
#include <QString>

namespace kestrel {

// Asks the program that holds a camera or phone to let go of it, so that kestrel can open it.
// Every request answers later with a signal, on the caller's thread; none waits.
class DeviceRelease : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Asks the holder of the device at port ("usb:001,004") to let go. Answers with released
    // or failed.
    virtual void release(const QString& port) = 0;

  signals:
    // The device at port is free now.
    void released(const QString& port);
    // The device at port was not let go; why is a sentence for the user, empty when nothing
    // more than "not released" is known.
    void failed(const QString& port, const QString& why);
};

// The desktop's: unmounts the file manager's mount of the device (GVfs, through GIO's volume
// monitor).
class DesktopRelease : public DeviceRelease {
    Q_OBJECT
  public:
    using DeviceRelease::DeviceRelease;
    void release(const QString& port) override;
};

// The USB device file of a libgphoto2 port: "/dev/bus/usb/001/004" for "usb:001,004"; empty
// for any other port.
QString usbDeviceFile(const QString& port);

// Whether a camera's mount belongs to the device at port: by the device file of its volume
// ("/dev/bus/usb/001/004"), or by a root uri that names the port ("gphoto2://[usb:001,004]/",
// as older desktops mount it).
bool mountIsOf(const QString& port, const QString& deviceFile, const QString& uri);

} // namespace kestrel
