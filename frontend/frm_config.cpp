#include "frontend/frm_config.h"

#include "frontend/joystick_listing.h"
#include "frontend/settings_screen_style.h"

namespace rallix {
namespace {
constexpr SurfaceRect kFrame1 = Twips(120, 120, 3015, 2415);
const FontChoice kDialogFont{"MS Sans Serif", 8.25, false};
}  // namespace

FrmConfigDesign::FrmConfigDesign(ControlList& controls)
    : list(controls),
      Frame1(list, "Frame1", kFrame1,
             FrameDesign{"List of Aviliable JoySticks:", kDialogFont, kRed, kBlack}),
      List1(list, "List1", InFrame(kFrame1, 120, 240, 2775, 2010), kListFont),
      Command1(
          list, "Command1", Twips(480, 2760, 2175, 375),
          CommandButtonDesign{"Configurate Now", FontChoice{"MS Sans Serif", 12, true}, kRed}) {}

FrmConfig::FrmConfig(FormsRuntime& runtime)
    : DesignedForm(runtime, FormDesign{"Config", kBlack, WindowState::Normal, 3225, 3300}) {}

void FrmConfig::CreateControls() {
  Design& d = BuildDesign();
  d.Command1.onClick = [this] { Command1_Click(); };
  SetTabOrder({&d.List1, &d.Command1});
}

void FrmConfig::Form_Load() {
  Design& d = *design_;
  if (!Detector) {
    Detector.emplace();
  }
  Detector->InitNormal(hWnd());
  const int count = ReadJoystickList(*Detector, JoyNames, JoyGuids, JoyType);
  if (count > 0) {
    for (int i = 1; i <= count; ++i) {
      d.List1.AddItem(JoyNames[i]);
    }
    return;
  }
  d.List1.Clear();
  d.Frame1.caption = "Found No Joysticks Attached";
  d.List1.enabled = false;
  // With nothing to pick, the button that picks is of no use either.
  d.Command1.enabled = false;
  SetFocus(nullptr);
}

void FrmConfig::Command1_Click() {
  const int entry = design_->List1.ListIndex();
  // No entry selected: nothing is picked, and CGuid is left as it was.
  if (entry >= 0) {
    CGuid = JoyGuids.at(static_cast<std::size_t>(entry) + 1);
  }
  Unload();
}

}  // namespace rallix
