#include "taskbarentry.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef DORVANE_X11_TASKBAR
#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>
#endif

namespace TaskbarEntry {

#ifdef DORVANE_X11_TASKBAR
namespace {

xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto length = static_cast<uint16_t>(qstrlen(name));
    xcb_intern_atom_reply_t *reply
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, length, name), nullptr);
    xcb_atom_t atom = XCB_ATOM_NONE;
    if (reply)
        atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

void prepare(QWidget &window, bool listed)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;

    // Qt adds its own states to what it finds here when it maps the window, and a window manager
    // need not clear them on a withdrawal, so a state left from the other mode is taken out.
    std::vector<xcb_atom_t> atoms;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) {
            if (values[i] != skip)
                atoms.push_back(values[i]);
        }
    }
    std::free(reply);
    if (!listed)
        atoms.push_back(skip);
    if (atoms.empty())
        xcb_delete_property(connection, id, state);
    else
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(atoms.size()), atoms.data());
    xcb_flush(connection);
}

void request(QWidget &window, bool listed)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window.windowHandle())
        return;
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE || !screen)
        return;

    // The EWMH way to change a mapped window's state: a message to the root window.
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = state;
    event.data.data32[0] = listed ? 0 : 1; // _NET_WM_STATE_REMOVE or _NET_WM_STATE_ADD
    event.data.data32[1] = skip;
    event.data.data32[2] = 0;
    event.data.data32[3] = 1; // from an application
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

#else

void prepare(QWidget &, bool)
{
}

void request(QWidget &, bool)
{
}

#endif

} // namespace TaskbarEntry
