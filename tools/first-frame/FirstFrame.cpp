// finwicks-first-frame COMMAND [ARGUMENTS...]
//
// Starts the command and watches the screen of $DISPLAY, which must be all
// black (e.g. Xvfb -br), until any pixel that is not black shows: prints the
// milliseconds from the start to that first drawn frame, then ends the
// command. Exits 1 when nothing shows within 10 seconds.

#include <xcb/xcb.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// Whether the screen shows anything but black; reads it in bands so each
// request stays well below the X server's request size limit.
bool somethingShows(xcb_connection_t *connection, const xcb_screen_t *screen)
{
    constexpr int Band = 64;
    for (int top = 0; top < screen->height_in_pixels; top += Band) {
        const int rows = std::min<int>(Band, screen->height_in_pixels - top);
        xcb_get_image_reply_t *image = xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, std::int16_t(top),
                          screen->width_in_pixels, std::uint16_t(rows), ~0u),
            nullptr);
        if (!image)
            return false;
        const auto *pixels = reinterpret_cast<const std::uint32_t *>(xcb_get_image_data(image));
        const int count = xcb_get_image_data_length(image) / 4;
        bool drawn = false;
        for (int i = 0; i < count && !drawn; ++i)
            drawn = (pixels[i] & 0xffffffu) != 0;
        std::free(image);
        if (drawn)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs("usage: finwicks-first-frame COMMAND [ARGUMENTS...]\n", stderr);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("finwicks-first-frame: no X server on $DISPLAY\n", stderr);
        return 2;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (somethingShows(connection, screen)) {
        std::fputs("finwicks-first-frame: the screen is not black to begin with\n", stderr);
        return 2;
    }

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("finwicks-first-frame: exec");
        _exit(127);
    }
    int status = 1;
    while (Clock::now() - start < std::chrono::seconds(10)) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fputs("finwicks-first-frame: the command ended before drawing\n", stderr);
            return 1;
        }
        if (somethingShows(connection, screen)) {
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::printf("%.0f\n", ms);
            status = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (status != 0)
        std::fputs("finwicks-first-frame: nothing showed within 10 s\n", stderr);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
