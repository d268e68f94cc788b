#include "first_edition/frm_main.h"

#include "first_edition/frm_b_menu.h"
#include "first_edition/frm_wait.h"
#include "platform/files/sequential_file.h"

namespace rallix {
namespace {

SurfaceRect ToSurfaceRect(const Rect& r) {
  return SurfaceRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

FrmMain::Design::Design(ControlList& controls) : list(controls), Timer1(list, "Timer1", 0) {}

FrmMain::FrmMain(FormsRuntime& runtime, frmBMenu& menu)
    // The form sets no colour of its own: beyond the field the window keeps
    // the default face colour.
    : Form(runtime, FormDesign{"Rallix", kButtonFace, WindowState::Maximized, 12000, 9000}),
      frmBMenu_(menu),
      pointer_(runtime.Devices()) {}

void FrmMain::CreateControls() {
  Design& d = design_.emplace(ControlsForDesign());
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
}

FrmMain::Graphics FrmMain::LoadGraphics() {
  const int fieldWidth = Rally::FieldWidth;
  const int fieldHeight = Rally::FieldHeight;
  return Graphics{
      Surface::Create(fieldWidth, fieldHeight),
      Surface::Create(fieldWidth, fieldHeight),
      Surface::LoadBitmap(kBackgroundFile, fieldWidth, fieldHeight, Scaling::Smooth),
      LoadSprite(kWinBannerFile, Rally::BannerWidth, Rally::BannerHeight),
      LoadSprite(kLossBannerFile, Rally::BannerWidth, Rally::BannerHeight),
      LoadSprite(kPlayerPaddleFile, Rally::PaddlePictureWidth, Rally::PaddlePictureHeight),
      LoadSprite(kComputerPaddleFile, Rally::PaddlePictureWidth, Rally::PaddlePictureHeight),
      LoadSprite(kBallFile, Rally::BallSize, Rally::BallSize),
  };
}

void FrmMain::Form_Load() {
  hitSound_ = SoundBuffer::Load(runtime_.Sound(), FindDataFile(kHitSoundFile));
  if (!Detector) {
    Detector.emplace();
  }
  Detector->InitNormal(hWnd());

  // Everything is read before any file is deleted: a bad settings file or a
  // missing picture stops the match with every file still where it was.
  const FirstEditionSettings settings = ReadFirstEditionSettings();
  graphics_ = LoadGraphics();
  for (const char* file : {kBackgroundFile, kWinBannerFile, kLossBannerFile, kPlayerPaddleFile,
                           kComputerPaddleFile, kBallFile}) {
    DeleteFile(file);
  }

  rally_ =
      SinglePlayerRally::FirstEdition(settings.startColumn, settings.ballSpeed, settings.aiSpeed);
  SetScreenSurface(&graphics_->primary);
  pointer_.Hide(PointerMotion::Free);
}

void FrmMain::Form_Paint() {
  // The paint event comes once per load, so the rally runs once per match.
  StartFrameLoop();
}

void FrmMain::FramePass() {
  LastKey_ = Detector->GetKBState();
  const PassResult result = RunSinglePlayerPass(
      rally_, SinglePlayerInput{.useJoystick = false, .useKeyboard = true, .lastKey = LastKey_});
  if (result.hitSound) {
    hitSound_->Play();
  }
  switch (result.end) {
    case PassEnd::Continue:
      DrawFrame();
      break;
    case PassEnd::Paused:
      break;
    case PassEnd::Escape:
      EndRally(result.end);
      break;
    case PassEnd::Win:
      // The ending pass draws no frame: the banner goes over the last one.
      ShowBanner(graphics_->winBanner);
      EndRally(result.end);
      break;
    case PassEnd::Loss:
      ShowBanner(graphics_->lossBanner);
      EndRally(result.end);
      break;
  }
}

void FrmMain::DrawFrame() {
  Graphics& g = *graphics_;
  const SurfaceRect whole{};
  g.backBuffer.DrawSprite(0, 0, g.background, whole, SpriteDraw::Opaque);
  g.backBuffer.DrawSprite(rally_.PlayerRect.left, rally_.PlayerRect.top, g.playerPaddle, whole,
                          SpriteDraw::SourceColourKey);
  g.backBuffer.DrawSprite(rally_.AIRect.left, rally_.AIRect.top, g.computerPaddle, whole,
                          SpriteDraw::SourceColourKey);
  g.backBuffer.DrawSprite(rally_.BallRect.left, rally_.BallRect.top, g.ball, whole,
                          SpriteDraw::SourceColourKey);
  g.primary.Copy(ToSurfaceRect(Rally::ScreenRect), g.backBuffer, whole);
}

void FrmMain::ShowBanner(const Surface& banner) {
  Graphics& g = *graphics_;
  g.backBuffer.DrawSprite(Rally::BannerX, Rally::BannerY, banner, SurfaceRect{},
                          SpriteDraw::SourceColourKey);
  g.primary.Copy(ToSurfaceRect(Rally::ScreenRect), g.backBuffer, SurfaceRect{});
}

void FrmMain::EndRally(PassEnd end) {
  StopFrameLoop();
  design_->Timer1.SetInterval(EndingDelayMs(end));
}

void FrmMain::Timer1_Timer() {
  pointer_.Restore();
  design_->Timer1.SetInterval(0);
  SetScreenSurface(nullptr);
  graphics_.reset();
  Unload();
  frmBMenu_.Show();
}

void FrmMain::Form_Unload() {
  // Closed some other way (the window's close button): the pointer still
  // comes back, and the pictures go.
  pointer_.Restore();
  graphics_.reset();
}

}  // namespace rallix
