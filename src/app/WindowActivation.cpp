#include "WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstring>

#if __has_include(<xcb/xcb.h>) && defined(VANTORO_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#define VANTORO_X11_ACTIVATION 1
#endif

bool IsValidLaunchToken(const QByteArray& token)
{
    if (token.isEmpty() || token.size() > 255) return false;
    return std::all_of(token.cbegin(), token.cend(), [](char c) {
        return c > ' ' && c < 0x7F && c != '"' && c != '\\';
    });
}

QByteArray LaunchToken()
{
    for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        const QByteArray token = qgetenv(name);
        if (IsValidLaunchToken(token)) return token;
    }
    return {};
}

std::optional<quint32> StartupIdTime(const QByteArray& startupId)
{
    const qsizetype at = startupId.lastIndexOf("_TIME");
    if (at < 0) return std::nullopt;
    const QByteArray digits = startupId.mid(at + 5);
    if (digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    bool ok = false;
    const qulonglong time = digits.toULongLong(&ok);
    if (!ok || time > 0xFFFFFFFFull) return std::nullopt;
    return quint32(time);
}

#ifdef VANTORO_X11_ACTIVATION
namespace
{

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The start-up notification's "remove" message, in pieces of 20 bytes, so
// the launcher stops showing that a start is under way.
void SendStartupDone(xcb_connection_t* c, xcb_window_t root, xcb_window_t from, const QByteArray& id)
{
    const QByteArray message = "remove: ID=\"" + id + "\"" + QByteArray(1, '\0');
    const xcb_atom_t begin = Atom(c, "_NET_STARTUP_INFO_BEGIN"), more = Atom(c, "_NET_STARTUP_INFO");
    for (qsizetype offset = 0; offset < message.size(); offset += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = offset == 0 ? begin : more;
        std::memcpy(event.data.data8, message.constData() + offset, std::size_t(std::min<qsizetype>(20, message.size() - offset)));
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
    }
}

bool ActivateOnX11(QWidget* window, const QByteArray& token)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !window->windowHandle()) return false;
    xcb_connection_t* c = x11->connection();
    const xcb_window_t id = xcb_window_t(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    if (const auto time = StartupIdTime(token)) {
        // The launch's time as the window's last user time, then the request
        // to activate it from an application with that time.
        const xcb_atom_t userTime = Atom(c, "_NET_WM_USER_TIME");
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, userTime, XCB_ATOM_CARDINAL, 32, 1, &*time);
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = Atom(c, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 1; // from an application
        event.data.data32[1] = *time;
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    SendStartupDone(c, root, id, token);
    xcb_flush(c);
    return true;
}

} // namespace
#endif

void ActivateWithToken(QWidget* window, const QByteArray& token)
{
    if (!window || !IsValidLaunchToken(token)) return;
#ifdef VANTORO_X11_ACTIVATION
    if (ActivateOnX11(window, token)) return;
#endif
    // Qt's Wayland activation takes a token waiting in the environment.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qputenv("XDG_ACTIVATION_TOKEN", token);
        if (QWindow* handle = window->windowHandle()) handle->requestActivate();
    }
}
