// Measures a program's start-up from outside: from just before it is
// started to its main window mapped and painted, that is, to the moment the
// given pixels of the window show the given colours. Then, optionally after
// a pause, reads the process's resident memory and ends it.
//
//   startup_probe [--settle MS] --expect X,Y,RRGGBB [--expect ...] -- program [args]
//
// Prints "startup_ms <ms>" and, with --settle, "rss_kib <KiB>". Exits 1 when
// the window does not appear within ten seconds.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Expectation {
    int x = 0;
    int y = 0;
    std::uint32_t rgb = 0;
};

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

long WindowPid(xcb_connection_t* c, xcb_window_t window, xcb_atom_t pidAtom) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

// The colour of one pixel of a window as 0xRRGGBB (24- or 32-bit TrueColor), or -1.
long Pixel(xcb_connection_t* c, xcb_window_t window, int x, int y) {
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                      1, 1, 0xFFFFFFFFu),
        nullptr);
    if (!reply) return -1;
    long value = -1;
    if (xcb_get_image_data_length(reply) >= 4) {
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, xcb_get_image_data(reply), 4);
        value = pixel & 0xFFFFFF;
    }
    std::free(reply);
    return value;
}

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Expectation> expected;
    int settleMs = -1;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--settle" && i + 1 < argc) {
            settleMs = std::atoi(argv[++i]);
        } else if (arg == "--expect" && i + 1 < argc) {
            Expectation e;
            unsigned rgb = 0;
            if (std::sscanf(argv[++i], "%d,%d,%x", &e.x, &e.y, &rgb) != 3) return 2;
            e.rgb = rgb;
            expected.push_back(e);
        } else {
            return 2;
        }
    }
    if (i >= argc || expected.empty()) {
        std::fprintf(stderr, "usage: startup_probe [--settle MS] --expect X,Y,RRGGBB ... -- program [args]\n");
        return 2;
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_probe: cannot connect to the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t pidAtom = Atom(c, "_NET_WM_PID");
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // the mask is in force from here on

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[i], argv + i);
        std::_Exit(127);
    }

    // Every top-level the program creates is watched; the one that maps with
    // the program's pid is its main window (the window manager's frames and
    // Qt's hidden helper windows are not).
    const Clock::time_point deadline = start + std::chrono::seconds(10);
    xcb_window_t mainWindow = XCB_WINDOW_NONE;
    while (mainWindow == XCB_WINDOW_NONE && Clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const auto type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(c);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (WindowPid(c, mapped->window, pidAtom) == child) mainWindow = mapped->window;
        }
        std::free(event);
    }

    bool painted = false;
    while (mainWindow != XCB_WINDOW_NONE && !painted && Clock::now() < deadline) {
        painted = true;
        for (const Expectation& e : expected) {
            if (Pixel(c, mainWindow, e.x, e.y) != static_cast<long>(e.rgb)) {
                painted = false;
                break;
            }
        }
        if (!painted) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const Clock::time_point end = Clock::now();

    int status = 0;
    if (painted) {
        std::printf("startup_ms %.3f\n", std::chrono::duration<double, std::milli>(end - start).count());
        if (settleMs >= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
            std::printf("rss_kib %ld\n", ResidentKib(child));
        }
    } else {
        std::fprintf(stderr, "startup_probe: %s\n", mainWindow ? "the window was never painted as expected"
                                                              : "no window of the program was mapped");
        status = 1;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(c);
    return status;
}
