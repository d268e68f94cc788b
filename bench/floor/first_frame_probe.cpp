// Times a program's start as a player sees it: from the moment it is started
// to its window showing on the X server, and to a patch of that window
// showing what its first frame draws.
//
//   first_frame_probe X Y W H RRGGBB SHARE -- COMMAND [ARGUMENT...]
//
// The patch is X, Y, W, H in the window's client area; the first frame has
// come once at least SHARE (0..1) of the patch is exactly colour RRGGBB.
// Prints "visible_ms=… first_frame_ms=…", then ends the program with SIGTERM.
// Exits 1 when either does not come within 20 s.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr double kGiveUpMs = 20'000;
constexpr useconds_t kPollMicroseconds = 2'000;

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The window the program made, known by the process number it carries.
Window FindWindowOf(Display* display, Window under, Atom pidAtom, pid_t pid, int depth) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, under, &root, &parent, &children, &count) == 0) {
    return 0;
  }
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data != nullptr) {
      if (items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid) {
        found = children[i];
      }
      XFree(data);
    }
    if (found == 0 && depth > 0) {
      found = FindWindowOf(display, children[i], pidAtom, pid, depth - 1);
    }
  }
  if (children != nullptr) {
    XFree(children);
  }
  return found;
}

bool Viewable(Display* display, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display, window, &attributes) != 0 &&
         attributes.map_state == IsViewable;
}

double ShareOfColour(Display* display, Window window, int x, int y, int w, int h,
                     unsigned long rgb) {
  XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
  if (image == nullptr) {
    return 0;
  }
  long matching = 0;
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      if ((XGetPixel(image, column, row) & 0xFFFFFF) == rgb) {
        ++matching;
      }
    }
  }
  XDestroyImage(image);
  return static_cast<double>(matching) / (static_cast<double>(w) * h);
}

int IgnoreXErrors(Display*, XErrorEvent*) {
  return 0;  // a window can go between finding it and reading it
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 9 || std::string(argv[7]) != "--") {
    std::fprintf(stderr,
                 "usage: first_frame_probe X Y W H RRGGBB SHARE -- COMMAND [ARGUMENT...]\n");
    return 2;
  }
  const int x = std::atoi(argv[1]);
  const int y = std::atoi(argv[2]);
  const int w = std::atoi(argv[3]);
  const int h = std::atoi(argv[4]);
  const unsigned long rgb = std::strtoul(argv[5], nullptr, 16);
  const double share = std::atof(argv[6]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "first_frame_probe: no X display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreXErrors);
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);

  const double start = NowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[8], argv + 8);
    _exit(127);
  }
  double visibleMs = -1;
  double firstFrameMs = -1;
  while (firstFrameMs < 0 && NowMs() - start < kGiveUpMs) {
    // Looked up afresh each time: SDL may make its window again when it
    // sets up the renderer, and the first one goes.
    const Window window = FindWindowOf(display, DefaultRootWindow(display), pidAtom, pid, 2);
    if (window != 0 && Viewable(display, window)) {
      if (visibleMs < 0) {
        visibleMs = NowMs() - start;
      }
      if (ShareOfColour(display, window, x, y, w, h, rgb) >= share) {
        firstFrameMs = NowMs() - start;
      }
    }
    usleep(kPollMicroseconds);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(display);
  if (firstFrameMs < 0) {
    std::fprintf(stderr, "first_frame_probe: %s showed no first frame within %.0f s\n", argv[8],
                 kGiveUpMs / 1000);
    return 1;
  }
  std::printf("visible_ms=%.0f first_frame_ms=%.0f\n", visibleMs, firstFrameMs);
  return 0;
}
