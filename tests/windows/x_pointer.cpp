// The X pointer's image, in a file of its own: Xlib's names (Window, Status,
// None...) would clash with the wine tests' own.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

// Whether the pointer X draws now has any pixel that is not fully
// transparent; false also when the display cannot be opened.
bool XPointerShows() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    bool shows = false;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
        for (int i = 0; i < image->width * image->height && !shows; ++i) shows = (image->pixels[i] >> 24) != 0;
        XFree(image);
    }
    XCloseDisplay(display);
    return shows;
}
