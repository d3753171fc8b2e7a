#include "app/DisplayCheck.h"

#include <cstring>

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>

namespace {

enum class Platform { X11, Wayland, Other };

// The platform Qt will start: the one chosen, else X11 when a display is
// named (Qt's default here), else Wayland.
Platform ChosenPlatform()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (!chosen.isEmpty())
        return chosen.startsWith("xcb") ? Platform::X11
               : chosen.startsWith("wayland") ? Platform::Wayland
                                              : Platform::Other;
    return qEnvironmentVariableIsEmpty("DISPLAY") ? Platform::Wayland : Platform::X11;
}

// A connection to the X server as Qt's own platform makes it (the same
// library, the same display name and authority), closed at once. The
// library is loaded, not linked: it is there wherever Qt's X platform is.
bool XDisplayOpens()
{
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb)
        return true;  // no way to ask: let Qt try
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool opens = true;
    if (connect && hasError && disconnect) {
        void* connection = connect(nullptr, nullptr);
        opens = connection && hasError(connection) == 0;
        if (connection)
            disconnect(connection);
    }
    dlclose(xcb);
    return opens;
}

// The compositor's socket accepts a connection.
bool WaylandDisplayOpens()
{
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty())
        path = "wayland-0";
    if (!path.startsWith('/'))
        path = qgetenv("XDG_RUNTIME_DIR") + '/' + path;
    sockaddr_un address{};
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    const bool opens = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return opens;
}

}  // namespace

bool DisplayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool DisplayOpens()
{
    switch (ChosenPlatform()) {
    case Platform::X11:
        return XDisplayOpens();
    case Platform::Wayland:
        return WaylandDisplayOpens();
    case Platform::Other:
        break;
    }
    return true;
}
