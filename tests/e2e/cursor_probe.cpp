// Prints "visible" or "hidden" for the mouse cursor the X server shows now,
// read through XFixes (screenshots never include the cursor).
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XFixesCursorImage *cursor = XFixesGetCursorImage(display);
    if (!cursor)
        return 2;
    bool visible = false;
    for (int i = 0; i < cursor->width * cursor->height && !visible; ++i)
        visible = ((cursor->pixels[i] >> 24) & 0xff) != 0;
    std::puts(visible ? "visible" : "hidden");
    XFree(cursor);
    XCloseDisplay(display);
    return 0;
}
