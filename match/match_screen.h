#pragma once
// What a match shows. Each frame is drawn into a back buffer (the background
// or black, the paddles, then the ball) and then copied over the primary
// surface, the one the window displays ("flipped"). After the first frame
// only the patches where a sprite was or is are drawn and flipped; the
// pixels come out as a whole redraw would make them. Only the 800 x 600 field
// is ever copied: in full screen the primary is the size of the screen and
// stays black beyond the field; in a window it is the field alone.

#include <array>
#include <cstddef>
#include <optional>

#include "core/rect.h"
#include "match/match_look.h"
#include "match/match_pictures.h"
#include "platform/video/display.h"
#include "rules/pass.h"
#include "rules/rally_rules.h"

namespace rallix {

class MatchScreen {
 public:
  MatchScreen(const MatchLook& look, MatchPictures pictures);

  // Sizes the primary surface and the back buffer for a window of this size:
  // the field alone in a window, the whole window (never less than the
  // field) in full screen. Made anew, they keep the field's picture; the
  // primary keeps its address, so the window can go on showing it.
  Surface& FitTo(int windowWidth, int windowHeight);

  // One frame: the field cleared to black or covered by the background, the
  // paddles and then the ball drawn at their rectangles' top-left corners,
  // then flipped; whatever lies past the field's edges is cut off.
  void DrawFrame(const Rect& bottomPaddle, const Rect& topPaddle, const Rect& ball);
  // The ending pass draws no frame: the banner for a win or a loss, if this
  // screen has banners, goes over the frame last drawn, which is shown again.
  void ShowEnding(PassEnd end);

  // The only part of the primary ever drawn on; beyond it, it stays black.
  static constexpr SurfaceRect kField{0, 0, Rally::FieldWidth, Rally::FieldHeight};

  const MatchPictures& Pictures() const { return pictures_; }
  // The ball as it was loaded, at its drawn size: which picture was chosen.
  Picture BallPicture() const { return pictures_.Get(MatchPicture::Ball).ToPicture(); }
  // The picture last flipped to the window.
  const Surface& Primary() const { return *primary_; }

 private:
  static constexpr std::size_t kSprites = 3;
  struct SpriteAt {
    Rect at;
    MatchPicture part;
  };
  // Where a sprite's picture lands, cut to the field.
  SurfaceRect AreaOnField(const SpriteAt& sprite) const;
  void DrawBackground(const SurfaceRect& area);
  void DrawSprites(const std::array<SpriteAt, kSprites>& sprites);
  void DrawOnBackBuffer(const Rect& at, MatchPicture part);
  void Flip();

  MatchLook look_;
  MatchPictures pictures_;
  std::optional<Surface> primary_;
  std::optional<Surface> backBuffer_;
  // The back buffer holds the last frame exactly (no banner over it), so the
  // next one need only be drawn where the sprites were and are.
  bool backBufferCurrent_ = false;
  std::array<SurfaceRect, kSprites> drawnAt_{};
};

}  // namespace rallix
