#pragma once
// The first edition's match: one rally against the computer in the window,
// steered with the arrow keys; Pause freezes it, Esc leaves; a win or a loss
// shows its banner for a while; then the picture menu returns.

#include <cstdint>
#include <optional>

#include "input/creator_input_detector.h"
#include "match/match_pointer.h"
#include "platform/audio/sound.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"
#include "platform/video/display.h"
#include "rules/single_player_rally.h"

namespace rallix {

class frmBMenu;

class FrmMain final : public Form {
 public:
  FrmMain(FormsRuntime& runtime, frmBMenu& menu);

  // The artwork files the menu and the wait screen write for the match.
  static constexpr const char* kPlayerPaddleFile = "pal1.bmp";
  static constexpr const char* kComputerPaddleFile = "pal2.bmp";
  static constexpr const char* kBallFile = "cball.bmp";
  static constexpr const char* kBackgroundFile = "bg.bmp";
  static constexpr const char* kWinBannerFile = "yw.bmp";
  static constexpr const char* kLossBannerFile = "yl.bmp";
  static constexpr const char* kHitSoundFile = "b.wav";

  const SinglePlayerRally& Rally() const { return rally_; }
  std::uint8_t LastKey() const { return LastKey_; }

 protected:
  void CreateControls() override;
  void DestroyControls() override { design_.reset(); }
  void Form_Load() override;
  void Form_Paint() override;
  void FramePass() override;
  void Form_Unload() override;

 private:
  struct Design {
    ControlList& list;
    Timer Timer1;
    explicit Design(ControlList& controls);
  };

  struct Graphics {
    Surface primary;
    Surface backBuffer;
    Surface background;
    Surface winBanner;
    Surface lossBanner;
    Surface playerPaddle;
    Surface computerPaddle;
    Surface ball;
  };

  static Graphics LoadGraphics();
  void DrawFrame();
  void ShowBanner(const Surface& banner);
  void EndRally(PassEnd end);
  void Timer1_Timer();

  frmBMenu& frmBMenu_;
  SinglePlayerRally rally_;
  std::uint8_t LastKey_ = 0;
  MatchPointer pointer_;
  std::optional<CreatorInputDetector> Detector;
  std::optional<SoundBuffer> hitSound_;
  std::optional<Graphics> graphics_;
  std::optional<Design> design_;
};

}  // namespace rallix
