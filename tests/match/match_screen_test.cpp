// A match frame drawn by patches (only where sprites were and are) must come
// out pixel for pixel as the whole redraw it stands in for, over whole
// rallies: sprites crossing, touching the field's edges, the paddles at rest.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/key_codes.h"
#include "match/match_screen.h"
#include "rules/match_rally.h"
#include "settings/match_settings.h"

namespace rallix {
namespace {

constexpr SurfaceRect kField{0, 0, Rally::FieldWidth, Rally::FieldHeight};

MatchPictures Artwork(const MatchLook& look) {
  return MatchPictures::FromReplay(look, {
                                             {MatchPicture::Background, "field-background", {}},
                                             {MatchPicture::WinBanner, "win-banner", {}},
                                             {MatchPicture::LossBanner, "loss-banner", {}},
                                             {MatchPicture::BottomPaddle, "light-paddle", {}},
                                             {MatchPicture::TopPaddle, "dark-paddle", {}},
                                             {MatchPicture::Ball, "gold-ball", {}},
                                         });
}

// The whole redraw: the background or black, the paddles, the ball, and
// only the field shown on a black primary.
class WholeRedraw {
 public:
  WholeRedraw(const MatchPictures& pictures, int width, int height)
      : pictures_(pictures), shown_(Surface::Create(width, height)) {}

  Picture Frame(const MatchRally& rally) {
    if (const Surface* background = pictures_.Find(MatchPicture::Background)) {
      field_.DrawSprite(0, 0, *background, SurfaceRect{}, SpriteDraw::Opaque);
    } else {
      field_.Fill(kField, Rgb{0, 0, 0});
    }
    Draw(rally.BottomPaddle(), MatchPicture::BottomPaddle);
    Draw(rally.TopPaddle(), MatchPicture::TopPaddle);
    Draw(rally.Ball(), MatchPicture::Ball);
    shown_.Copy(kField, field_, kField);
    return shown_.ToPicture();
  }

 private:
  void Draw(const Rect& at, MatchPicture part) {
    field_.DrawSprite(at.left, at.top, pictures_.Get(part), SurfaceRect{},
                      SpriteDraw::SourceColourKey);
  }

  const MatchPictures& pictures_;
  Surface field_ = Surface::Create(Rally::FieldWidth, Rally::FieldHeight);
  Surface shown_;
};

struct LookCase {
  const char* what;
  MatchLook look;
  int windowWidth;
  int windowHeight;
};

TEST(MatchScreenPatches, EveryFrameEqualsAWholeRedrawOverWholeRallies) {
  const std::vector<LookCase> cases{
      {"first edition",
       {MatchBackground::Picture, MatchBanners::WinAndLoss, MatchDisplay::Window},
       800,
       600},
      {"full screen, black",
       {MatchBackground::Black, MatchBanners::None, MatchDisplay::FullScreen},
       840,
       640},
  };
  // Starts spread over the field, slow and fast balls: rebounds off both
  // side edges, the ball crossing the paddles, rallies won and lost.
  const std::vector<FirstEditionSettings> rallies{{0, 6, 11}, {759, 4, 4}, {400, 5, 6}};
  for (const LookCase& c : cases) {
    MatchScreen screen(c.look, Artwork(c.look));
    screen.FitTo(c.windowWidth, c.windowHeight);
    WholeRedraw whole(screen.Pictures(), c.windowWidth, c.windowHeight);
    int frames = 0;
    ASSERT_EQ(screen.Primary().Width(), c.windowWidth);
    for (const FirstEditionSettings& start : rallies) {
      MatchRally rally = StartRally(start);
      for (int pass = 0;; ++pass) {
        PassInput input;
        // Sweeps the paddle to and fro, resting now and then.
        const int phase = (pass / 45) % 3;
        input.lastKey = phase == 0   ? KeyCode::LeftArrow
                        : phase == 1 ? KeyCode::None
                                     : KeyCode::RightArrow;
        if (rally.Pass(input).end != PassEnd::Continue) {
          break;
        }
        screen.DrawFrame(rally.BottomPaddle(), rally.TopPaddle(), rally.Ball());
        ++frames;
        const Picture drawn = screen.Primary().ToPicture();
        const Picture expected = whole.Frame(rally);
        ASSERT_EQ(std::memcmp(drawn.pixels.data(), expected.pixels.data(),
                              drawn.pixels.size() * sizeof(Rgb)),
                  0)
            << c.what << ": frame " << frames << " differs from a whole redraw";
      }
    }
    EXPECT_GT(frames, 200) << c.what << ": the rallies were too short to tell";
  }
}

}  // namespace
}  // namespace rallix
