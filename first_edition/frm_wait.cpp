#include "first_edition/frm_wait.h"

#include <string>

#include "art/artwork.h"
#include "first_edition/frm_main.h"
#include "platform/files/picture_file.h"
#include "settings/match_files.h"

namespace rallix {
namespace {

constexpr int kHandOverMs = 2000;
constexpr int kBlinkMs = 300;

constexpr int kStartColumns = 760;
constexpr int kBallSpeedDraw = 7;
constexpr int kAiSpeedDraw = 12;
constexpr std::int32_t kSlowestAiSpeed = 4;

ImageDesign Carried(const Picture& picture) {
  return ImageDesign{&picture, /*stretch=*/false, ImageBorder::None, /*visible=*/false};
}

}  // namespace

FirstEditionSettings DrawFirstEditionSettings(RandomGenerator& random) {
  FirstEditionSettings s;
  s.startColumn = RandomBelow(random, kStartColumns);
  s.ballSpeed = RandomBelow(random, kBallSpeedDraw);
  s.aiSpeed = RandomBelow(random, kAiSpeedDraw);
  // A computer slower than 4 or a ball slower than 2 makes no rally; the low
  // draws are folded onto playable values.
  if (s.aiSpeed < kSlowestAiSpeed) {
    s.aiSpeed = kSlowestAiSpeed;
  }
  if (s.ballSpeed == 0) {
    s.ballSpeed = 5;
  } else if (s.ballSpeed == 1) {
    s.ballSpeed = 4;
  }
  return s;
}

frmWaitDesign::frmWaitDesign(ControlList& controls)
    : list(controls),
      Label1(list, "Label1", Twips(1200, 2640, 4935, 855),
             LabelDesign{"WAIT... LOADING", FontChoice{"Comic Sans MS", 24, true}, kRed}),
      Label2(list, "Label2", Twips(240, 120, 6495, 2535),
             LabelDesign{"", FontChoice{"Comic Sans MS", 14.25, false}, kRed}),
      objs0(list, "objs(0)", Twips(120, 120, 3150, 750), Carried(art::LightPaddle())),
      objs1(list, "objs(1)", Twips(840, 3600, 3150, 750), Carried(art::DarkPaddle())),
      objs2(list, "objs(2)", Twips(3720, 1920, 600, 600), Carried(art::FieldBackground())),
      objs3(list, "objs(3)", Twips(0, 0, 6675, 1575), Carried(art::WinBanner())),
      objs4(list, "objs(4)", Twips(240, 840, 6675, 1575), Carried(art::LossBanner())),
      Timer1(list, "Timer1", kHandOverMs),
      Timer2(list, "Timer2", kBlinkMs) {}

frmWait::frmWait(FormsRuntime& runtime, FrmMain& next)
    : DesignedForm(runtime, FormDesign{"Form1", kBlack, WindowState::Normal, 7095, 4830}),
      FrmMain_(next) {}

void frmWait::CreateControls() {
  Design& d = BuildDesign();
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
  d.Timer2.onTimer = [this] { Timer2_Timer(); };
}

void frmWait::Form_Load() {
  Design& d = *design_;
  runtime_.Random().Randomize();
  settings_ = DrawFirstEditionSettings(runtime_.Random());
  // The settings file is complete before the first picture is written.
  WriteFirstEditionSettings(settings_);

  SavePicture(*d.objs0.picture, MatchFiles::BottomPaddle);
  SavePicture(*d.objs1.picture, MatchFiles::TopPaddle);
  SavePicture(*d.objs2.picture, MatchFiles::Background);
  SavePicture(*d.objs3.picture, MatchFiles::WinBanner);
  SavePicture(*d.objs4.picture, MatchFiles::LossBanner);

  d.Label2.caption = "Configuration:\r\nBall Speed: " + std::to_string(settings_.ballSpeed) +
                     "\r\nAI Speed: " + std::to_string(settings_.aiSpeed);
}

void frmWait::Timer1_Timer() {
  Unload();
  FrmMain_.Show();
}

void frmWait::Timer2_Timer() {
  Label& label = design_->Label1;
  label.foreColor = label.foreColor == kBlack ? kRed : kBlack;
}

}  // namespace rallix
