#include "first_edition/frm_b_menu.h"

#include "art/catalogue.h"
#include "first_edition/frm_wait.h"
#include "platform/files/picture_file.h"
#include "settings/match_files.h"

namespace rallix {
namespace {

const FontChoice kCaptionFont{"Comic Sans MS", 15.75, true};
const FontChoice kTitleFont{"Comic Sans MS", 48, true};
const FontChoice kExitFont{"Papyrus", 48, true};

constexpr int kBlinkMs = 400;

LabelDesign Caption(const char* text, const FontChoice& font = kCaptionFont) {
  return LabelDesign{text, font, kRed, TextAlign::Left};
}

// The index-th of the balls a player can pick.
ImageDesign Ball(std::size_t index) {
  return ImageDesign{&art::Balls()[index].picture(), /*stretch=*/true, ImageBorder::None,
                     /*visible=*/true};
}

constexpr std::size_t kBluePlastic = 0;
constexpr std::size_t kGreenRubber = 1;
constexpr std::size_t kMystery = 2;
constexpr std::size_t kGold = 3;
constexpr std::size_t kSpecial = 4;

}  // namespace

frmBMenuDesign::frmBMenuDesign(ControlList& controls)
    : list(controls),
      Image1(list, "Image1", Twips(600, 960, 1800, 1800), Ball(kBluePlastic)),
      Image2(list, "Image2", Twips(4560, 1080, 1800, 1800), Ball(kGreenRubber)),
      Image3(list, "Image3", Twips(480, 4320, 1800, 1800), Ball(kMystery)),
      Image4(list, "Image4", Twips(7800, 4320, 1800, 1800), Ball(kSpecial)),
      Image5(list, "Image5", Twips(3960, 4320, 1800, 1800), Ball(kGold)),
      Label1(list, "Label1", Twips(240, 360, 2535, 615), Caption("Blue Plastic Ball")),
      Label2(list, "Label2", Twips(3840, 360, 2895, 615), Caption("Green Rubber Ball")),
      Label3(list, "Label3", Twips(240, 3480, 2535, 615), Caption("?????????????")),
      Label4(list, "Label4", Twips(3840, 3360, 2535, 615), Caption("Gold Ball!")),
      Label5(list, "Label5", Twips(7200, 3360, 2895, 615), Caption("Special Extra Ball")),
      Label6(list, "Label6", Twips(7680, 6600, 2775, 1335), Caption("EXIT", kExitFont)),
      Label7(list, "Label7", Twips(360, 6840, 6735, 615),
             Caption("Pick a Ball and then be prepared to play.")),
      Label8(list, "Label8", Twips(7080, 720, 3855, 1455), Caption("Rallix", kTitleFont)),
      Label9(list, "Label9", Twips(6960, 2520, 3615, 615), Caption("By: Rallix Team  V 0.1")),
      Timer1(list, "Timer1", kBlinkMs) {}

frmBMenu::frmBMenu(FormsRuntime& runtime, frmWait& next)
    : DesignedForm(runtime, FormDesign{"Rallix", kBlack, WindowState::Maximized, 10440, 7965}),
      frmWait_(next) {}

void frmBMenu::CreateControls() {
  Design& d = BuildDesign();
  for (Image* image : {&d.Image1, &d.Image2, &d.Image3, &d.Image4, &d.Image5}) {
    image->onClick = [this, image] { ChooseBall(*image); };
  }
  d.Label6.onClick = [this] { Label6_Click(); };
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
}

// Image1_Click ... Image5_Click: the same for every picture.
void frmBMenu::ChooseBall(const Image& clicked) {
  // Written at the picture's own size; the match scales it to the ball's.
  SavePicture(*clicked.picture, MatchFiles::Ball);
  Unload();
  frmWait_.Show();
}

void frmBMenu::Label6_Click() {
  runtime_.End();
}

void frmBMenu::Timer1_Timer() {
  Label& title = design_->Label8;
  title.foreColor = title.foreColor == kBlack ? kRed : kBlack;
}

}  // namespace rallix
