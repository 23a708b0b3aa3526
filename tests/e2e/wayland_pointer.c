/* A pointer for a headless wlroots compositor, for the Wayland tests: it
 * attaches a virtual pointer to the seat and keeps it while standard input
 * is open, so the seat keeps its pointer and clients keep receiving its
 * events. Each input line is one command:
 *   move X Y          absolute position on the output layout, in pixels
 *   by DX DY          relative motion
 *   press B | release B   a button (1 left, 2 middle, 3 right)
 * The output layout's size comes from the command line: WIDTH HEIGHT. */

#include <wayland-client.h>

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

/* The wlr virtual pointer protocol, written out as wayland-scanner would. */
extern const struct wl_interface zwlr_virtual_pointer_v1_interface;

static const struct wl_interface *protocol_types[] = {
    NULL,
    NULL,
    NULL,
    NULL,
    NULL,
    &wl_seat_interface,
    &zwlr_virtual_pointer_v1_interface,
    &wl_seat_interface,
    &wl_output_interface,
    &zwlr_virtual_pointer_v1_interface,
};

static const struct wl_message manager_requests[] = {
    {"create_virtual_pointer", "?on", protocol_types + 5},
    {"destroy", "", protocol_types + 0},
    {"create_virtual_pointer_with_output", "2?o?on", protocol_types + 7},
};

static const struct wl_interface manager_interface = {
    "zwlr_virtual_pointer_manager_v1", 2, 3, manager_requests, 0, NULL,
};

static const struct wl_message pointer_requests[] = {
    {"motion", "uff", protocol_types + 0},
    {"motion_absolute", "uuuuu", protocol_types + 0},
    {"button", "uuu", protocol_types + 0},
    {"axis", "uuf", protocol_types + 0},
    {"frame", "", protocol_types + 0},
    {"axis_source", "u", protocol_types + 0},
    {"axis_stop", "uu", protocol_types + 0},
    {"axis_discrete", "uufi", protocol_types + 0},
    {"destroy", "", protocol_types + 0},
};

const struct wl_interface zwlr_virtual_pointer_v1_interface = {
    "zwlr_virtual_pointer_v1", 2, 9, pointer_requests, 0, NULL,
};

enum { MOTION, MOTION_ABSOLUTE, BUTTON, AXIS, FRAME };

static struct wl_seat *seat;
static struct wl_proxy *manager;

static void global_added(void *data, struct wl_registry *registry, uint32_t name,
                         const char *interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, manager_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &manager_interface, 1);
}

static void global_removed(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global_added, global_removed};

static uint32_t now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (uint32_t)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

static uint32_t button_code(int button)
{
    return button == 3 ? BTN_RIGHT : button == 2 ? BTN_MIDDLE : BTN_LEFT;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const uint32_t width = (uint32_t)atoi(argv[1]);
    const uint32_t height = (uint32_t)atoi(argv[2]);
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wayland_pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!seat || !manager) {
        fprintf(stderr, "wayland_pointer: the compositor has no virtual pointers\n");
        return 1;
    }
    struct wl_proxy *pointer =
        wl_proxy_marshal_flags(manager, 0, &zwlr_virtual_pointer_v1_interface,
                               wl_proxy_get_version(manager), 0, seat, NULL);
    wl_display_roundtrip(display);
    printf("ready\n");
    fflush(stdout);

    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        int a = 0, b = 0;
        if (sscanf(line, "move %d %d", &a, &b) == 2)
            wl_proxy_marshal_flags(pointer, MOTION_ABSOLUTE, NULL, 1, 0, now_ms(), (uint32_t)a,
                                   (uint32_t)b, width, height);
        else if (sscanf(line, "by %d %d", &a, &b) == 2)
            wl_proxy_marshal_flags(pointer, MOTION, NULL, 1, 0, now_ms(), wl_fixed_from_int(a),
                                   wl_fixed_from_int(b));
        else if (sscanf(line, "press %d", &a) == 1)
            wl_proxy_marshal_flags(pointer, BUTTON, NULL, 1, 0, now_ms(), button_code(a), 1u);
        else if (sscanf(line, "release %d", &a) == 1)
            wl_proxy_marshal_flags(pointer, BUTTON, NULL, 1, 0, now_ms(), button_code(a), 0u);
        else
            continue;
        wl_proxy_marshal_flags(pointer, FRAME, NULL, 1, 0);
        wl_display_roundtrip(display);
        printf("done\n");
        fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
