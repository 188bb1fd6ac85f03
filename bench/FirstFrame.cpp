// Start-up of the real program: starts it, watches the X screen until the
// lens view's first frame is there (a pixel of the ray colour appears), then
// closes it and reports the time and the peak resident size.
//
//   first-frame PROGRAM [ARGS...]
// prints: "<milliseconds to first frame> <peak RSS in KiB>"
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr unsigned long kRayColour = 0xDE3E21;  // red 222, green 62, blue 33
constexpr double kGiveUpMs = 20000.0;

bool ShowsRay(Display* display, Window root, int width, int height)
{
    XImage* image = XGetImage(display, root, 0, 0, width, height, AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    bool found = false;
    for (int y = 0; y < height && !found; ++y)
        for (int x = 0; x < width; ++x)
            if ((XGetPixel(image, x, y) & 0xFFFFFF) == kRayColour) {
                found = true;
                break;
            }
    XDestroyImage(image);
    return found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first-frame: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, root, &attributes);
    if (ShowsRay(display, root, attributes.width, attributes.height)) {
        std::fprintf(stderr, "first-frame: the screen shows the ray colour already\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double elapsedMs = 0.0;
    bool seen = false;
    while (elapsedMs < kGiveUpMs) {
        if (ShowsRay(display, root, attributes.width, attributes.height)) {
            seen = true;
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first-frame: the program ended before its first frame\n");
            return 1;
        }
        elapsedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    elapsedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // Let it settle, so the peak covers a running program, not just a start.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (!seen) {
        std::fprintf(stderr, "first-frame: no first frame within %.0f ms\n", kGiveUpMs);
        return 1;
    }
    std::printf("%.1f %ld\n", elapsedMs, usage.ru_maxrss);
    return 0;
}
