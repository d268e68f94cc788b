#pragma once
// The program's one window and its renderer. It takes the shape of whichever
// form is on top (maximized, a normal window of the form's size, or the whole
// screen), draws what the form's controls paint, and presents with vsync.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/video/painter.h"

namespace rallix {

enum class WindowState { Normal, Maximized, FullScreen };

// A picture drawn again, sharper, at a whole number of times its size; null
// for a picture there is no sharper drawing of.
using SharperPicture = std::function<const Picture*(const Picture& picture, int scale)>;

struct WindowShape {
  std::string caption;
  WindowState state = WindowState::Normal;
  int clientWidth = 0;  // pixels; used by Normal windows
  int clientHeight = 0;
  friend bool operator==(const WindowShape&, const WindowShape&) = default;
};

class GameWindow final : public Painter {
 public:
  // Headless: a software renderer that never waits for a display, so a
  // stepped clock alone decides the pace. Every position and size the window
  // is given or gives is in form pixels; each takes `scale` x `scale` screen
  // pixels. With no scale given, the player and the desktop choose it
  // (headless: 1).
  GameWindow(bool headless, std::optional<int> scale);
  ~GameWindow() override;
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  void TakeShape(const WindowShape& shape);
  // The client area, in form pixels.
  int Width() const;
  int Height() const;
  // Screen pixels per form pixel, and why a scale the player asked for was
  // not taken (empty when it was, or none was asked for).
  int Scale() const;
  const std::string& ScaleWarning() const;
  // Where a point SDL gives in window units lies on the form, and the same
  // for a motion, whose remainders are carried to the next one so that slow
  // moves still add up.
  SurfacePoint FormPointAt(int x, int y) const;
  SurfacePoint FormMotion(int dx, int dy);
  SurfaceRect WindowAreaOf(const SurfaceRect& formArea) const;
  // Asked for each picture shown at a scale above 1.
  void DrawSharperWith(SharperPicture sharper);
  // The display's refresh rate, 60 when it is unknown (Xvfb says 0).
  int RefreshRate() const;
  bool HasFocus() const;

  void BeginFrame(Rgb background);
  // Shows the frame (waiting for the display, with vsync).
  void Present();
  // The frame last drawn, in screen pixels, read back from the renderer (for
  // tests and checks).
  Picture ReadPixels();
  // Leaves full screen so an error report is seen on the desktop.
  void GiveBackDisplay();
  void ShowMessage(const std::string& title, const std::string& text);

  void FillRect(const SurfaceRect& area, Rgb colour) override;
  void DrawOutline(const SurfaceRect& area, Rgb colour, int thickness) override;
  void DrawText(const std::string& text, const FontChoice& font, const SurfaceRect& box, Rgb colour,
                TextAlign align) override;
  int MeasureText(const std::string& text, const FontChoice& font) override;
  void DrawPicture(const Picture& picture, const SurfaceRect& box) override;
  void DrawSurface(Surface& surface, const SurfaceRect& part) override;
  // The surface will not be shown again: its copy on the graphics card goes
  // now rather than after it has gone unused for a while.
  void Forget(const Surface& surface);
  // Textures held for surfaces, pictures and texts (for checks on growth).
  std::size_t TextureCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace rallix
