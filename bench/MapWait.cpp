// Starts a program on the X display and prints how many milliseconds passed until its first
// window was mapped, then ends the program.
//   kazuyomi_mapwait <program> [arguments...]

#include <xcb/xcb.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program> [arguments...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* const connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    // A round trip, so the server listens before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto start = std::chrono::steady_clock::now();
    pid_t program = 0;
    if (posix_spawn(&program, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 2;
    }
    int status = 1;
    while (xcb_generic_event_t* const event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (!mapped) continue;
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        std::printf("%.2f\n", elapsed.count());
        status = 0;
        break;
    }
    kill(program, SIGTERM);
    waitpid(program, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
