#include "frontend/frm_menu.h"

#include "art/artwork.h"

namespace rallix {
namespace {

LabelDesign Entry(const char* text, const char* family, double points,
                  TextAlign align = TextAlign::Left) {
  return LabelDesign{text, FontChoice{family, points, true}, kRed, align};
}

ImageDesign Shown(const Picture& picture) {
  return ImageDesign{&picture, /*stretch=*/false, ImageBorder::None, /*visible=*/true};
}

}  // namespace

FrmMenuDesign::FrmMenuDesign(ControlList& controls)
    : list(controls),
      Label8(list, "Label8", Twips(3863, 360, 3855, 1455), Entry("Rallix", "Comic Sans MS", 48)),
      Label9(list, "Label9", Twips(3983, 1920, 3615, 615), Entry("", "Comic Sans MS", 15.75)),
      Label4(list, "Label4", Twips(3773, 2640, 4575, 615),
             Entry("Single Play    Block Attack", "Papyrus", 15.75)),
      Label1(list, "Label1", Twips(3653, 3480, 4575, 615),
             Entry("Single Play    You  vs.  The AI", "Papyrus", 15.75)),
      Label2(list, "Label2", Twips(3653, 4320, 4695, 615),
             Entry("Multiplayer    You vs Someone", "Papyrus", 15.75)),
      Label3(list, "Label3", Twips(3293, 5160, 5415, 615),
             Entry("Multiplayer    Internet, lan or Modem", "Papyrus", 15.75)),
      Label5(list, "Label5", Twips(3533, 6360, 4575, 615),
             Entry("EXIT", "Papyrus", 24, TextAlign::Centre)),
      // Says why the network entry does not open its screen.
      Notice(list, "Notice", Twips(1733, 7440, 8535, 495),
             Entry("", "Comic Sans MS", 12, TextAlign::Centre)),
      Image1(list, "Image1", Twips(480, 360, 1425, 1425), Shown(art::GoldBall())),
      Image2(list, "Image2", Twips(10080, 360, 1425, 1425), Shown(art::SpecialBall())),
      Timer1(list, "Timer1", FrmMenu::kBlinkMs) {}

FrmMenu::FrmMenu(FormsRuntime& runtime, Form& singlePlayerSettings, Form& twoPlayerSettings,
                 Form* networkScreen)
    : DesignedForm(runtime, FormDesign{"Form1", kBlack, WindowState::Maximized, 12000, 9000}),
      FrmConfigSp_(singlePlayerSettings),
      FrmConfigMP_(twoPlayerSettings),
      FrmNet_(networkScreen) {}

void FrmMenu::CreateControls() {
  Design& d = BuildDesign();
  d.Label1.onClick = [this] { Label1_Click(); };
  d.Label2.onClick = [this] { Label2_Click(); };
  d.Label3.onClick = [this] { Label3_Click(); };
  d.Label5.onClick = [this] { Label5_Click(); };
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
}

void FrmMenu::Label1_Click() {
  Unload();
  FrmConfigSp_.Show(ShowMode::Modal);
}

void FrmMenu::Label2_Click() {
  Unload();
  FrmConfigMP_.Show(ShowMode::Modal);
}

void FrmMenu::Label3_Click() {
  if (FrmNet_ == nullptr) {
    design_->Notice.caption = "Network play needs the desktop game";
    return;
  }
  Unload();
  FrmNet_->Show(ShowMode::Modal);
}

void FrmMenu::Label5_Click() {
  runtime_.End();
}

void FrmMenu::Timer1_Timer() {
  Label& title = design_->Label8;
  title.foreColor = title.foreColor == kBlack ? kRed : kBlack;
}

}  // namespace rallix
