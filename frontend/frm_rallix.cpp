#include "frontend/frm_rallix.h"

namespace rallix {

FrmRallixDesign::FrmRallixDesign(ControlList& controls)
    : list(controls), Timer1(list, "Timer1", FrmRallix::kSplashMs) {}

FrmRallix::FrmRallix(FormsRuntime& runtime, Form& menu)
    : DesignedForm(runtime, FormDesign{"Rallix", kBlack, WindowState::Maximized, 4680, 3195}),
      FrmMenu_(menu) {}

void FrmRallix::CreateControls() {
  Design& d = BuildDesign();
  d.Timer1.onTimer = [this] { Timer1_Timer(); };
}

void FrmRallix::Timer1_Timer() {
  // The menu is opened once: the timer stops before the menu is shown, not
  // after it closes.
  design_->Timer1.SetInterval(0);
  FrmMenu_.Show(ShowMode::Modal);
}

}  // namespace rallix
