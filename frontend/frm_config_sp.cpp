#include "frontend/frm_config_sp.h"

#include "art/artwork.h"
#include "frontend/joystick_listing.h"
#include "frontend/match_setup.h"
#include "frontend/settings_screen_style.h"
#include "settings/full_game_settings.h"

namespace rallix {
namespace {
constexpr SurfaceRect kFrame1 = Twips(7133, 2280, 3375, 3255);
constexpr SurfaceRect kFrame2 = Twips(720, 2520, 3015, 2535);
}  // namespace

FrmConfigSpDesign::FrmConfigSpDesign(ControlList& controls)
    : list(controls),
      Label1(list, "Label1", Twips(2573, 720, 6855, 855),
             RedCaption("Single Play - You vs AI", 27.75)),
      Frame2(list, "Frame2", kFrame2, RedFrame("List of JoySticks:", 9.75)),
      List1(list, "List1", InFrame(kFrame2, 120, 360, 2775, 2010), kListFont),
      Check1(list, "Check1", Twips(4140, 2760, 2415, 375), RedCheck("Use Joystick Support")),
      Check2(list, "Check2", Twips(4140, 3360, 2055, 375), RedCheck("Disable Keyboard")),
      Label2(list, "Label2", Twips(4080, 4080, 1455, 375), RedCaption("Ball Speed:", 12)),
      Combo1(list, "Combo1", Twips(5640, 4080, 1335, 315), kListFont),
      Label3(list, "Label3", Twips(4080, 4680, 1455, 375), RedCaption("AI Speed:", 12)),
      Combo2(list, "Combo2", Twips(5640, 4680, 1335, 315), kListFont),
      Frame1(list, "Frame1", kFrame1, RedFrame("Currents Balls", 18)),
      balls(list, kFrame1),
      Command1(list, "Command1", Twips(1440, 6360, 3135, 1335), RedButton("START GAME", 14.25)),
      Command2(list, "Command2", Twips(4800, 6360, 3135, 1335), RedButton("CANCEL", 14.25)),
      // Says why START GAME waits, when the chosen joystick has gone.
      Notice(list, "Notice", Twips(1440, 7920, 9015, 495), RedCaption("", 12)),
      objs0(list, "objs(0)", SurfaceRect{}, Carried(art::LightPaddle())),
      objs1(list, "objs(1)", SurfaceRect{}, Carried(art::DarkPaddle())),
      objs2(list, "objs(2)", SurfaceRect{}, Carried(art::BlackSquare())),
      objs3(list, "objs(3)", SurfaceRect{}, Carried(art::WinBanner())),
      objs4(list, "objs(4)", SurfaceRect{}, Carried(art::LossBanner())) {
  for (const char* item : {"3", "4", "5", "6", "7", "Random"}) {
    Combo1.AddItem(item);
  }
  for (const char* item : {"4", "5", "6", "7", "8", "9", "10", "Random"}) {
    Combo2.AddItem(item);
  }
}

FrmConfigSp::FrmConfigSp(FormsRuntime& runtime)
    : DesignedForm(runtime, FormDesign{"Form1", kBlack, WindowState::Maximized, 12000, 9000}) {}

void FrmConfigSp::Connect(Form& menu, Form& match) {
  FrmMenu_ = &menu;
  FrmSP_ = &match;
}

void FrmConfigSp::CreateControls() {
  Design& d = BuildDesign();
  d.balls.OnClick([this](int index) { ImgBall_Click(index); });
  d.Command1.onClick = [this] { Command1_Click(); };
  d.Command2.onClick = [this] { Command2_Click(); };
  SetTabOrder({&d.Combo1, &d.Combo2, &d.Check2, &d.Check1, &d.List1, &d.Command1, &d.Command2});
}

void FrmConfigSp::Form_Load() {
  Design& d = *design_;
  if (!Detector) {
    Detector.emplace();
  }
  Detector->InitNormal(hWnd());
  const int count = ReadJoystickList(*Detector, JoyNames, JoyGuids, JoyType);
  if (count == 0) {
    return;  // nothing to choose: the list stays empty, the boxes disabled
  }
  d.Check1.enabled = true;
  d.Check2.enabled = true;
  for (int i = 1; i <= count; ++i) {
    d.List1.AddItem(JoyNames[i]);
  }
}

void FrmConfigSp::ImgBall_Click(int Index) {
  design_->balls.Mark(Index);
  SelectedBall = static_cast<std::int16_t>(Index + 1);
}

void FrmConfigSp::Command1_Click() {
  Design& d = *design_;
  std::string joystick;
  if (d.Check1.Value != 0) {
    // The selected joystick, or the first one when none is selected.
    const int entry = d.List1.ListIndex();
    joystick = JoyGuids.at(static_cast<std::size_t>(entry >= 0 ? entry + 1 : 1));
    // Unplugged since the screen listed it, it would stop the match.
    if (!StillAttached(*Detector, hWnd(), joystick)) {
      d.Notice.caption = "That joystick is no longer attached.";
      return;
    }
  }

  RandomGenerator& random = runtime_.Random();
  BallSpeed = ChooseBallSpeed(d.Combo1.Text(), random);
  AISpeed = ChooseComputerSpeed(d.Combo2.Text(), random);
  UseJoystick = d.Check1.Value != 0;
  DisableKeyboard = d.Check2.Value != 0;
  BallStartX = DrawBallStartX(random);

  SinglePlayerSettings settings;
  settings.UseJoystick = UseJoystick;
  settings.DisableKeyboard = DisableKeyboard;
  settings.AISpeed = AISpeed;
  settings.BallSpeed = BallSpeed;
  settings.BallStartX = BallStartX;
  settings.JoystickGuid = joystick;
  WriteSinglePlayerSettings(settings);

  WriteMatchPictures(PicturesForMatch{&d.balls.BallFor(SelectedBall), d.objs0.picture,
                                      d.objs1.picture, d.objs2.picture, d.objs3.picture,
                                      d.objs4.picture});
  Unload();
  FrmSP_->Show(ShowMode::Modal);
}

void FrmConfigSp::Command2_Click() {
  Unload();
  FrmMenu_->Show(ShowMode::Modal);
}

}  // namespace rallix
