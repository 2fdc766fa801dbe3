#include "devices/DeviceRelease.h"

#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <memory>

// GLib's headers name struct members "signals", which Qt defines as a keyword.
#undef signals
#include <gio/gio.h>
#define signals Q_SIGNALS

using namespace Qt::StringLiterals;

namespace kestrel {

namespace {

// One unmount under way.
struct Pending {
    QPointer<DeviceRelease> asker;
    QString port;
    GVolumeMonitor* monitor = nullptr; // kept while the unmount runs
    QPointer<QTimer> pump;             // runs GLib's main context where Qt's loop does not
};

// The file manager's mount of the camera at port (a new reference), or null.
GMount* mountOf(GVolumeMonitor* monitor, const QString& port) {
    GList* mounts = g_volume_monitor_get_mounts(monitor);
    GMount* found = nullptr;
    for (GList* item = mounts; item != nullptr && found == nullptr; item = item->next) {
        auto* mount = static_cast<GMount*>(item->data);
        g_autoptr(GFile) root = g_mount_get_root(mount);
        g_autofree char* scheme = g_file_get_uri_scheme(root);
        if (g_strcmp0(scheme, "gphoto2") != 0 && g_strcmp0(scheme, "mtp") != 0)
            continue;
        g_autofree char* uri = g_file_get_uri(root);
        g_autoptr(GVolume) volume = g_mount_get_volume(mount);
        g_autofree char* device =
            volume ? g_volume_get_identifier(volume, G_VOLUME_IDENTIFIER_KIND_UNIX_DEVICE)
                   : nullptr;
        if (mountIsOf(port, QString::fromUtf8(device), QString::fromUtf8(uri)))
            found = static_cast<GMount*>(g_object_ref(mount));
    }
    g_list_free_full(mounts, g_object_unref);
    return found;
}

void unmounted(GObject* source, GAsyncResult* result, gpointer data) {
    const std::unique_ptr<Pending> pending(static_cast<Pending*>(data));
    GError* error = nullptr;
    const bool done = g_mount_unmount_with_operation_finish(G_MOUNT(source), result, &error);
    const QString why = error != nullptr ? QString::fromUtf8(error->message) : QString();
    g_clear_error(&error);
    g_object_unref(pending->monitor);
    delete pending->pump;
    if (!pending->asker)
        return;
    if (done)
        emit pending->asker->released(pending->port);
    else
        emit pending->asker->failed(pending->port, why);
}

} // namespace

void DesktopRelease::release(const QString& port) {
    GVolumeMonitor* monitor = g_volume_monitor_get();
    GMount* mount = monitor != nullptr ? mountOf(monitor, port) : nullptr;
    if (mount == nullptr) {
        if (monitor != nullptr)
            g_object_unref(monitor);
        // Without GVfs running there are no such mounts: whatever holds it is not the desktop's.
        QTimer::singleShot(0, this, [this, port] {
            emit failed(port, tr("the desktop has no mount of it that kestrel could find"));
        });
        return;
    }
    auto* pending = new Pending{this, port, monitor, nullptr};
    // The answer comes through GLib's default main context. Qt's event loop on the main thread
    // runs that context when Qt is built on GLib's loop (and QT_NO_GLIB is not set); else the
    // context is run here until the answer is in.
    const QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    if (loop == nullptr || !loop->inherits("QEventDispatcherGlib")) {
        pending->pump = new QTimer(this);
        connect(pending->pump, &QTimer::timeout, this, [] {
            while (g_main_context_iteration(nullptr, FALSE)) {
            }
        });
        pending->pump->start(50);
    }
    g_mount_unmount_with_operation(mount, G_MOUNT_UNMOUNT_NONE, nullptr, nullptr, unmounted,
                                   pending);
    g_object_unref(mount);
}

QString usbDeviceFile(const QString& port) {
    static const QRegularExpression usb(u"^usb:(\\d{3}),(\\d{3})$"_s);
    const QRegularExpressionMatch match = usb.match(port);
    return match.hasMatch() ? u"/dev/bus/usb/%1/%2"_s.arg(match.captured(1), match.captured(2))
                            : QString();
}

bool mountIsOf(const QString& port, const QString& deviceFile, const QString& uri) {
    const QString file = usbDeviceFile(port);
    return !file.isEmpty() &&
           (deviceFile == file ||
            QUrl::fromPercentEncoding(uri.toUtf8()).contains(u'[' + port + u']'));
}

} // namespace kestrel
