// Start-up of the real program: starts it, watches the X screen until the
// lens view's first frame is there (a pixel of the ray colour appears), then
// closes it and reports the time and the peak resident size.
//
//   first-frame PROGRAM [ARGS...]
// prints: "<milliseconds to first frame> <peak RSS in KiB>"
//
// The screen is looked at when the X server reports that it changed (the
// DAMAGE extension; without it, every millisecond), read through shared
// memory and scanned in place. Read over the socket and pixel by pixel
// without end, one look took some 30 ms of a core: times came in steps that
// size, and the watcher kept the X server busy with copies of the screen
// while the programs measured waited on it for their own requests.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr unsigned long kRayColour = 0xDE3E21;  // red 222, green 62, blue 33
constexpr double kGiveUpMs = 20000.0;

// The root window's pixels, read into shared memory when the server offers
// it and the screen has 32-bit pixels; else over the socket.
class ScreenReader {
public:
    ScreenReader(Display* display, int width, int height) : display(display), width(width), height(height)
    {
        const int screen = DefaultScreen(display);
        if (!XShmQueryExtension(display)) return;
        XImage* made = XShmCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen), ZPixmap,
                                       nullptr, &segment, width, height);
        if (!made) return;
        if (made->bits_per_pixel != 32) {
            XDestroyImage(made);
            return;
        }
        segment.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(made->bytes_per_line) * height, IPC_CREAT | 0600);
        if (segment.shmid < 0) {
            XDestroyImage(made);
            return;
        }
        segment.shmaddr = made->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
        segment.readOnly = False;
        shmctl(segment.shmid, IPC_RMID, nullptr);
        if (made->data == reinterpret_cast<char*>(-1) || !XShmAttach(display, &segment)) {
            if (made->data != reinterpret_cast<char*>(-1)) shmdt(made->data);
            made->data = nullptr;
            XDestroyImage(made);
            return;
        }
        XSync(display, False);
        image = made;
    }
    ~ScreenReader()
    {
        if (!image) return;
        XShmDetach(display, &segment);
        XSync(display, False);
        shmdt(segment.shmaddr);
        image->data = nullptr;
        XDestroyImage(image);
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    bool ShowsRay()
    {
        if (!image) return ShowsRayOverSocket();
        if (!XShmGetImage(display, DefaultRootWindow(display), image, 0, 0, AllPlanes)) return false;
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(image->data + static_cast<size_t>(y) * image->bytes_per_line);
            for (int x = 0; x < width; ++x)
                if ((row[x] & 0xFFFFFF) == kRayColour) return true;
        }
        return false;
    }

private:
    bool ShowsRayOverSocket()
    {
        XImage* slow = XGetImage(display, DefaultRootWindow(display), 0, 0, width, height, AllPlanes, ZPixmap);
        if (slow == nullptr) return false;
        bool found = false;
        for (int y = 0; y < height && !found; ++y)
            for (int x = 0; x < width; ++x)
                if ((XGetPixel(slow, x, y) & 0xFFFFFF) == kRayColour) {
                    found = true;
                    break;
                }
        XDestroyImage(slow);
        return found;
    }

    Display* display;
    int width;
    int height;
    XShmSegmentInfo segment{};
    XImage* image = nullptr;
};

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
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, DefaultRootWindow(display), &attributes);
    auto screen = std::make_unique<ScreenReader>(display, attributes.width, attributes.height);
    if (screen->ShowsRay()) {
        std::fprintf(stderr, "first-frame: the screen shows the ray colour already\n");
        return 2;
    }

    int damageEvent = 0, damageError = 0;
    const Damage damage = XDamageQueryExtension(display, &damageEvent, &damageError)
                              ? XDamageCreate(display, DefaultRootWindow(display), XDamageReportNonEmpty)
                              : 0;
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double elapsedMs = 0.0;
    bool seen = false;
    while (elapsedMs < kGiveUpMs) {
        if (screen->ShowsRay()) {
            seen = true;
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first-frame: the program ended before its first frame\n");
            return 1;
        }
        if (damage) {
            // Until the screen changes, or a little while, to notice an early end.
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            if (XPending(display) == 0) poll(&connection, 1, 5);
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
            }
            XDamageSubtract(display, damage, None, None);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
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
    screen.reset();
    if (damage) XDamageDestroy(display, damage);
    XCloseDisplay(display);
    if (!seen) {
        std::fprintf(stderr, "first-frame: no first frame within %.0f ms\n", kGiveUpMs);
        return 1;
    }
    std::printf("%.1f %ld\n", elapsedMs, usage.ru_maxrss);
    return 0;
}
