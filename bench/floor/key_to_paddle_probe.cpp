// Times the delay a player feels: from an arrow key going down on the X
// server to their own paddle moving on the screen. The match is full screen
// with its field at the screen's top-left; the probe reads one screen row
// through the bottom paddle, presses the key through the XTest extension, the
// way a real keyboard's keys arrive, and polls the row until the paddle's
// left edge has moved.
//
//   key_to_paddle_probe ROW PRESSES [WAIT_SECONDS]
//
// Waits up to WAIT_SECONDS (20) for the paddle to show in screen row ROW,
// then presses Right and Left in turn, PRESSES times, each once the paddle
// has stood still for a while and at a random moment of the frame, and holds
// each key until the paddle moves. Prints "key_to_paddle_ms=A B C ..." (one
// figure a press; none for PRESSES 0, which only waits for the paddle).
// A press the paddle does not answer within 400 ms means the rally is over:
// the probe stops there. Since a match's last picture stays up for two
// seconds at least, no key of ours reaches the screen that comes after it.
// Exits 1 when the paddle never shows, 2 when it cannot press keys.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// The field's width: the paddle is never looked for beyond it.
constexpr int kFieldWidth = 800;
// The light paddle is 206 pixels wide at its middle rows and narrower at its
// rounded top and bottom: only its middle rows match, so the last picture
// of a match, shown a little lower once the window leaves full screen, is
// never taken for a move.
constexpr int kPaddleNarrowest = 200;
constexpr int kPaddleWidest = 212;
// Its pixels are light grey; the ball is blue and the field black.
constexpr unsigned kLightChannel = 100;

constexpr double kNoAnswerMs = 400;
// Six frames without a move: the last key's release has been played out.
constexpr double kStillMs = 100;
constexpr double kFrameMs = 1000.0 / 60;
constexpr useconds_t kPollMicroseconds = 1'000;

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Paddle {
  int left = 0;
  int width = 0;
};

bool Light(unsigned long pixel) {
  return ((pixel >> 16) & 0xFF) >= kLightChannel && ((pixel >> 8) & 0xFF) >= kLightChannel &&
         (pixel & 0xFF) >= kLightChannel;
}

// The paddle as row `row` of the screen shows it: a run of light pixels as
// wide as the paddle's middle. None while the ball touches it, or no match
// is on the screen.
std::optional<Paddle> PaddleInRow(Display* display, int row) {
  XImage* image =
      XGetImage(display, DefaultRootWindow(display), 0, row, kFieldWidth, 1, AllPlanes, ZPixmap);
  if (image == nullptr) {
    return std::nullopt;
  }
  std::optional<Paddle> found;
  int runStart = -1;
  for (int column = 0; column <= kFieldWidth; ++column) {
    const bool light = column < kFieldWidth && Light(XGetPixel(image, column, 0));
    if (light && runStart < 0) {
      runStart = column;
    } else if (!light && runStart >= 0) {
      const int width = column - runStart;
      if (width >= kPaddleNarrowest && width <= kPaddleWidest) {
        found = Paddle{runStart, width};
      }
      runStart = -1;
    }
  }
  XDestroyImage(image);
  return found;
}

// Waits up to `limitMs` for the paddle to stand in one place for kStillMs.
std::optional<Paddle> StillPaddle(Display* display, int row, double limitMs) {
  const double start = NowMs();
  std::optional<Paddle> still;
  double since = start;
  while (NowMs() - start < limitMs) {
    const std::optional<Paddle> seen = PaddleInRow(display, row);
    if (!seen || !still || seen->left != still->left) {
      still = seen;
      since = NowMs();
    } else if (NowMs() - since >= kStillMs) {
      return still;
    }
    usleep(kPollMicroseconds);
  }
  return std::nullopt;
}

bool Moved(const Paddle& from, const std::optional<Paddle>& now) {
  return now && now->left != from.left && std::abs(now->width - from.width) <= 2;
}

// XTestFakeKeyEvent, from the library alone: the extension's headers need not
// be installed, only what xdotool already brings.
using FakeKeyEvent = int (*)(Display*, unsigned, Bool, unsigned long);

FakeKeyEvent LoadFakeKeyEvent() {
  void* library = dlopen("libXtst.so.6", RTLD_NOW);
  if (library == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<FakeKeyEvent>(dlsym(library, "XTestFakeKeyEvent"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: key_to_paddle_probe ROW PRESSES [WAIT_SECONDS]\n");
    return 2;
  }
  const int row = std::atoi(argv[1]);
  const int presses = std::atoi(argv[2]);
  const double waitMs = (argc > 3 ? std::atof(argv[3]) : 20) * 1000;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "key_to_paddle_probe: no X display\n");
    return 2;
  }
  const FakeKeyEvent fakeKey = LoadFakeKeyEvent();
  if (fakeKey == nullptr) {
    std::fprintf(stderr, "key_to_paddle_probe: no XTest library (libXtst.so.6)\n");
    return 2;
  }
  const unsigned keys[] = {XKeysymToKeycode(display, XK_Right), XKeysymToKeycode(display, XK_Left)};
  // Presses at random moments of the frame, so the figures spread over the
  // wait for the next pass as a player's would.
  std::mt19937 random(std::random_device{}());
  std::uniform_real_distribution<double> phaseMs(0, kFrameMs);

  std::optional<Paddle> paddle = StillPaddle(display, row, waitMs);
  if (!paddle) {
    std::fprintf(stderr, "key_to_paddle_probe: no paddle in row %d within %.0f s\n", row,
                 waitMs / 1000);
    return 1;
  }
  std::vector<double> delays;
  for (int press = 0; press < presses && paddle; ++press) {
    usleep(static_cast<useconds_t>(phaseMs(random) * 1000));
    const unsigned key = keys[press % 2];
    const double pressed = NowMs();
    fakeKey(display, key, True, CurrentTime);
    XSync(display, False);
    std::optional<double> answered;
    while (!answered && NowMs() - pressed < kNoAnswerMs) {
      if (Moved(*paddle, PaddleInRow(display, row))) {
        answered = NowMs() - pressed;
      } else {
        usleep(kPollMicroseconds);
      }
    }
    fakeKey(display, key, False, CurrentTime);
    XSync(display, False);
    if (!answered) {
      std::fprintf(stderr, "key_to_paddle_probe: no move within %.0f ms: the rally is over\n",
                   kNoAnswerMs);
      break;
    }
    delays.push_back(*answered);
    paddle = StillPaddle(display, row, 1000);
  }
  XCloseDisplay(display);
  std::string figures;
  for (const double delay : delays) {
    char figure[32];
    std::snprintf(figure, sizeof figure, "%s%.1f", figures.empty() ? "" : " ", delay);
    figures += figure;
  }
  std::printf("key_to_paddle_ms=%s\n", figures.c_str());
  return 0;
}
