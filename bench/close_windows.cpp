// Asks the window manager to close the given windows, as the title bar's
// close button does (_NET_CLOSE_WINDOW), so that the program closes them its
// ordinary way.   close_windows WINDOW_ID...
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const char* name = "_NET_CLOSE_WINDOW";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom) return 2;
    for (int i = 1; i < argc; ++i) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = static_cast<xcb_window_t>(std::strtoul(argv[i], nullptr, 0));
        message.type = atom->atom;
        message.data.data32[0] = XCB_CURRENT_TIME;
        message.data.data32[1] = 2;  // from a pager or tool
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    }
    std::free(atom);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // delivered before we go
    xcb_disconnect(c);
    return 0;
}
