// SPDX-License-Identifier: GPL-3.0-or-later
// A small X client for the smoke test:
//   quavero_x11_window wait <title> <seconds>   waits until a window with that
//                                               title is on screen (exit 0), or
//                                               gives up after the bound (exit 1)
//   quavero_x11_window close <title>            asks that window to close, as a
//                                               window manager's close button does
//                                               (WM_DELETE_WINDOW), exit 1 if none
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {
// The first viewable window below parent whose name is title, or 0.
Window findViewable(Display *display, Window parent, const std::string &title)
{
    Window root = 0, parentOut = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char *name = nullptr;
        XWindowAttributes attributes;
        if (XFetchName(display, children[i], &name) && name) {
            if (title == name && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                found = children[i];
            XFree(name);
        }
        if (!found)
            found = findViewable(display, children[i], title);
    }
    if (children)
        XFree(children);
    return found;
}

// Waits until a viewable window named title exists, for at most seconds.
int waitFor(Display *display, const std::string &title, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!findViewable(display, DefaultRootWindow(display), title)) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "no window \"%s\" appeared within %d s\n", title.c_str(), seconds);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}

// Sends the window the close request of the window manager protocol.
int closeWindow(Display *display, const std::string &title)
{
    const Window window = findViewable(display, DefaultRootWindow(display), title);
    if (!window) {
        std::fprintf(stderr, "no window \"%s\" to close\n", title.c_str());
        return 1;
    }
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "wait" && argc == 4) || (command == "close" && argc == 3))) {
        std::fprintf(stderr, "usage: quavero_x11_window wait <title> <seconds> | close <title>\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    const int status = command == "wait" ? waitFor(display, argv[2], std::atoi(argv[3])) : closeWindow(display, argv[2]);
    XCloseDisplay(display);
    return status;
}
