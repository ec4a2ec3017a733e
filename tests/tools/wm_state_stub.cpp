// Keeps the ICCCM WM_STATE property of top-level windows on a display that
// has no window manager, and does nothing else: no reparenting, no moving,
// no focus.
//
// Wine waits for a window manager to confirm a managed window's state before
// it hides the window (and before it shows it again after hiding). With
// nobody to confirm, every hide of such a window (a settings window, Wine's
// own tray window when the last icon goes) stalls for two seconds. A real
// desktop always has a window manager; this stands in for that one part.
//
//   zentrova_wm_state_stub        (on $DISPLAY; ends with the X server)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <set>

namespace {

// A window can be gone by the time its event is read; that is not an error here.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    XSetErrorHandler(IgnoreErrors);
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    // Windows that first showed bypassing the window manager. Wine hands such
    // a window to the window manager when it is first activated (a gadget
    // whose menu opens). The tests' clicks and menus on gadgets are timed to
    // a bare server, where such a window never gets a state: here neither.
    // Like a real window manager, the stub gives none to a window while it
    // bypasses the manager either.
    std::set<Window> bypassed;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        // Only the root's children are reported.
        if (event.type == MapNotify && event.xmap.override_redirect) {
            bypassed.insert(event.xmap.window);
        } else if (event.type == MapNotify && !bypassed.contains(event.xmap.window)) {
            const long normal[2] = {NormalState, None};
            XChangeProperty(display, event.xmap.window, wmState, wmState, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(normal), 2);
        } else if (event.type == UnmapNotify) {
            XDeleteProperty(display, event.xunmap.window, wmState);  // withdrawn
        } else if (event.type == DestroyNotify) {
            bypassed.erase(event.xdestroywindow.window);
        }
        XFlush(display);
    }
}
