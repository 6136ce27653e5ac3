#include "Desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "WindowPixel.h"

using namespace nimbus;

namespace {

// Runs a program with its arguments and waits for it; whether it exited with 0.
bool runProgram(const std::vector<std::string>& arguments, const std::string& display) {
    const pid_t child = fork();
    if (child == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A window may go between being listed and being asked about (SDL makes and drops
// windows as it switches to full screen and back). Xlib's own handler would end the
// whole test on that error, leaving its display and its game running.
int ignoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

Desktop::Desktop(int width, int height) {
    XSetErrorHandler(ignoreError);
    int pipe[2];
    if (::pipe(pipe) != 0) return;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server_ = fork();
    if (server_ == 0) {
        close(pipe[0]);
        dup2(pipe[1], 3);
        const std::string fd = "3";
        // It must not reset when its last client leaves: SDL probes the display with a
        // connection it closes at once.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe[1]);
    // The number ends with a newline; closing the pipe before it has been read kills the
    // server, which writes the newline separately.
    std::string number;
    char c = 0;
    while (server_ > 0 && read(pipe[0], &c, 1) == 1 && c != '\n') number += c;
    close(pipe[0]);
    if (number.empty()) return;
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
}

Desktop::~Desktop() {
    if (display_) XCloseDisplay(display_);
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

unsigned Desktop::pixel(float x, float y) {
    int column = 0, row = 0;
    toScreen(x, y, column, row);
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), column, row, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0;
    const unsigned value = XGetPixel(image, 0, 0) & 0xffffff;
    XDestroyImage(image);
    return value;
}

std::vector<unsigned> Desktop::rowColours(float y) {
    std::vector<unsigned> colours;
    int left = 0, row = 0;
    toScreen(-kViewAspect, y, left, row);
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), left, row, kViewWidth, 1, AllPlanes, ZPixmap);
    if (!image) return colours;
    for (int x = 0; x < kViewWidth; ++x) colours.push_back(XGetPixel(image, x, 0) & 0xffffff);
    XDestroyImage(image);
    return colours;
}

void Desktop::eachBrightPixel(float x0, float y0, float x1, float y1, int level,
                              const std::function<void(int x, int y)>& visit) {
    int left = 0, top = 0, right = 0, bottom = 0;
    toScreen(x0, y1, left, top);
    toScreen(x1, y0, right, bottom);
    const int width = right - left, height = bottom - top;
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), left, top, width, height, AllPlanes, ZPixmap);
    if (!image) return;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned value = XGetPixel(image, x, y);
            if (int(value >> 16 & 255) > level && int(value >> 8 & 255) > level && int(value & 255) > level)
                visit(x, y);
        }
    }
    XDestroyImage(image);
}

int Desktop::brightPixels(float x0, float y0, float x1, float y1, int level) {
    int count = 0;
    eachBrightPixel(x0, y0, x1, y1, level, [&](int, int) { ++count; });
    return count;
}

int Desktop::brightWidth(float x0, float y0, float x1, float y1, int level) {
    int first = -1, last = -1;
    eachBrightPixel(x0, y0, x1, y1, level, [&](int x, int) {
        first = first < 0 ? x : std::min(first, x);
        last = std::max(last, x);
    });
    return first < 0 ? 0 : last - first + 1;
}

void Desktop::click(float x, float y) {
    int column = 0, row = 0;
    toScreen(x, y, column, row);
    xdotool({"mousemove", std::to_string(column), std::to_string(row), "click", "1"});
}

void Desktop::hold(float x, float y, float seconds) {
    int column = 0, row = 0;
    toScreen(x, y, column, row);
    xdotool({"mousemove", std::to_string(column), std::to_string(row), "mousedown", "1"});
    usleep(static_cast<useconds_t>(seconds * 1e6f));
    xdotool({"mouseup", "1"});
}

void Desktop::key(const std::string& name) { xdotool({"key", name}); }

void Desktop::type(const std::string& text) { xdotool({"type", "--delay", "60", text}); }

void Desktop::showGame(bool shown) {
    // Restored, the window gets the keyboard back, as a window manager gives it back. On
    // this desktop without one, a window that SDL 2 focused itself loses the focus for
    // good when it is unmapped, and keys would then reach no window at all.
    if (shown)
        xdotool({"search", "--class", "nimbus", "windowmap", "--sync", "windowfocus", "--sync"});
    else
        xdotool({"search", "--class", "nimbus", "windowunmap", "--sync"});
}

bool Desktop::gameSize(int& width, int& height) {
    XWindowAttributes attributes;
    const Window game = gameWindow();
    if (!game || !XGetWindowAttributes(display_, game, &attributes)) return false;
    width = attributes.width;
    height = attributes.height;
    return true;
}

unsigned long Desktop::gameWindow() {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return 0;
    Window game = 0;
    for (unsigned i = 0; i < count && !game; ++i) {
        XClassHint hint{};
        if (!XGetClassHint(display_, children[i], &hint)) continue;
        if (hint.res_class && strcasecmp(hint.res_class, "nimbus") == 0) game = children[i];
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    XFree(children);
    return game;
}

void Desktop::toScreen(float x, float y, int& column, int& row) {
    int left = 0, top = 0;
    Window child = 0;
    const Window game = gameWindow();
    if (game) XTranslateCoordinates(display_, game, DefaultRootWindow(display_), 0, 0, &left, &top, &child);
    column = left + windowPixelX(x);
    row = top + windowPixelY(y);
}

void Desktop::xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    if (!runProgram(command, name_)) std::fprintf(stderr, "xdotool %s failed\n", arguments[0].c_str());
}
