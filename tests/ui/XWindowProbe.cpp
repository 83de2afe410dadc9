// A small X client for the real-window test: finds a top-level window by its title,
// reports its size, takes a screenshot of it, sends it a key and asks it to close as a
// window manager's close box would.
//
//   velmira-xprobe find <title> <timeout-seconds>   prints the window id
//   velmira-xprobe size <id>                        prints WIDTHxHEIGHT of the client area
//   velmira-xprobe viewable <id>                    exit 0 while the window is mapped
//   velmira-xprobe shot <id> <file.png>
//   velmira-xprobe key <id> Escape|Tab|Return
//   velmira-xprobe close <id>

#include <QImage>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

int g_xError = 0;

int RecordError(Display*, XErrorEvent* event)
{
    g_xError = event->error_code;
    return 0;
}

std::string TitleOf(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr && type == utf8) {
        title.assign(reinterpret_cast<char*>(data), count);
    }
    if (data != nullptr)
        XFree(data);
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name != nullptr) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

Window FindByTitle(Display* display, const std::string& wanted)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && TitleOf(display, children[i]) == wanted)
            found = children[i];
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

int Find(Display* display, const std::string& title, double timeoutSeconds)
{
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<int>(timeoutSeconds * 1000));
    while (std::chrono::steady_clock::now() < deadline) {
        if (const Window window = FindByTitle(display, title)) {
            std::printf("0x%lx\n", window);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::fprintf(stderr, "velmira-xprobe: no window titled '%s'\n", title.c_str());
    return 1;
}

int Size(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 1;
    std::printf("%dx%d\n", attributes.width, attributes.height);
    return 0;
}

int Viewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    const bool ok = XGetWindowAttributes(display, window, &attributes) != 0;
    XSync(display, False);
    return ok && g_xError == 0 && attributes.map_state == IsViewable ? 0 : 1;
}

int Shot(Display* display, Window window, const char* path)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 1;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return 1;
    QImage picture(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x)
            picture.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xFF000000u);
    XDestroyImage(image);
    return picture.save(QString::fromLocal8Bit(path), "PNG") ? 0 : 1;
}

int Key(Display* display, Window window, const std::string& name)
{
    const KeySym symbol = name == "Escape"   ? XK_Escape
                          : name == "Tab"    ? XK_Tab
                          : name == "Return" ? XK_Return
                                             : NoSymbol;
    if (symbol == NoSymbol)
        return 2;
    XKeyEvent event{};
    event.display = display;
    event.window = window;
    event.root = DefaultRootWindow(display);
    event.subwindow = None;
    event.time = CurrentTime;
    event.same_screen = True;
    event.keycode = XKeysymToKeycode(display, symbol);
    event.state = 0;
    event.type = KeyPress;
    XSendEvent(display, window, True, KeyPressMask, reinterpret_cast<XEvent*>(&event));
    event.type = KeyRelease;
    XSendEvent(display, window, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&event));
    XSync(display, False);
    return g_xError == 0 ? 0 : 1;
}

int Close(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return g_xError == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmira-xprobe find|size|viewable|shot|key|close ...\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "velmira-xprobe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(RecordError);
    const std::string command = argv[1];
    int result = 2;
    if (command == "find" && argc == 4) {
        result = Find(display, argv[2], std::atof(argv[3]));
    } else {
        const Window window = std::strtoul(argv[2], nullptr, 0);
        if (command == "size")
            result = Size(display, window);
        else if (command == "viewable")
            result = Viewable(display, window);
        else if (command == "shot" && argc == 4)
            result = Shot(display, window, argv[3]);
        else if (command == "key" && argc == 4)
            result = Key(display, window, argv[3]);
        else if (command == "close")
            result = Close(display, window);
    }
    XCloseDisplay(display);
    return result;
}
