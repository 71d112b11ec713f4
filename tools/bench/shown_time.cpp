// Time from launch to a program's first window on screen:
//   nupel-bench-shown PROGRAM [ARGUMENT...]
// Watches the X server's top-level windows, starts PROGRAM, and prints the
// milliseconds until its first window is mapped and until that window shows
// painted content (pixels that are not all alike); then ends the program.
// Nothing else may open windows on the display meanwhile.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The first top-level window mapped after the call, or 0 after `timeoutMs`.
xcb_window_t waitForMappedWindow(xcb_connection_t *connection, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            xcb_window_t mapped = 0;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect)
                    mapped = map->window;
            }
            std::free(event);
            if (mapped)
                return mapped;
        }
        if (xcb_connection_has_error(connection))
            return 0;
        poll(&watched, 1, 5);
    }
    return 0;
}

// Whether the window holds anything but one colour: an unpainted window on a
// bare X server shows the plain background behind it.
bool windowIsPainted(xcb_connection_t *connection, xcb_window_t window)
{
    auto *geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return false;
    const uint16_t width = geometry->width;
    const uint16_t height = geometry->height;
    std::free(geometry);
    auto *image = xcb_get_image_reply(
        connection, xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0u), nullptr);
    if (!image)
        return false;
    const int length = xcb_get_image_data_length(image);
    const uint8_t *data = xcb_get_image_data(image);
    // A 24-bit screen stores a pixel in 32 bits; the first three hold the colour.
    bool painted = false;
    for (int i = 4; i + 4 <= length; i += 4) {
        if ((std::memcmp(data, data + i, 3)) != 0) {
            painted = true;
            break;
        }
    }
    std::free(image);
    return painted;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: nupel-bench-shown PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "nupel-bench-shown: cannot reach the X display %s (error %d)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(none)", xcb_connection_has_error(connection));
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so the server watches before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const Clock::time_point launch = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("nupel-bench-shown: cannot start the program");
        _exit(127);
    }

    int status = 0;
    const xcb_window_t window = waitForMappedWindow(connection, 30000);
    const double mapped = millisecondsSince(launch);
    double painted = -1;
    if (window) {
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        while (Clock::now() < deadline) {
            if (windowIsPainted(connection, window)) {
                painted = millisecondsSince(launch);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    kill(child, SIGTERM);
    waitpid(child, &status, 0);
    xcb_disconnect(connection);

    if (!window || painted < 0) {
        std::fprintf(stderr, "nupel-bench-shown: %s showed no painted window\n", argv[1]);
        return 1;
    }
    std::printf("mapped_ms %.2f\npainted_ms %.2f\n", mapped, painted);
    return 0;
}
