#pragma once
// The single-player settings screen: ball and computer speeds, joystick use,
// keyboard use and the ball's look. START GAME writes config1.cfg and the
// match's pictures and opens the match; CANCEL returns to the menu.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontend/ball_chooser.h"
#include "input/creator_input_detector.h"
#include "platform/forms/check_box.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/designed_form.h"
#include "platform/forms/frame.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/runtime.h"

namespace rallix {

// The controls of FrmConfigSp, each named as the screen knows it.
struct FrmConfigSpDesign {
  ControlList& list;
  Label Label1;
  Frame Frame2;
  ListBox List1;
  CheckBox Check1;
  CheckBox Check2;
  Label Label2;
  ComboBox Combo1;
  Label Label3;
  ComboBox Combo2;
  Frame Frame1;
  BallChooser balls;
  CommandButton Command1;
  CommandButton Command2;
  Label Notice;
  Image objs0;
  Image objs1;
  Image objs2;
  Image objs3;
  Image objs4;
  explicit FrmConfigSpDesign(ControlList& controls);
};

class FrmConfigSp final : public DesignedForm<FrmConfigSpDesign> {
 public:
  explicit FrmConfigSp(FormsRuntime& runtime);
  // The menu (CANCEL) and the match (START GAME) are set once both exist.
  void Connect(Form& menu, Form& match);

  // The screen's variables, kept from one visit to the next.
  bool UseJoystick = false;
  bool DisableKeyboard = false;
  std::int16_t AISpeed = 0;
  std::int16_t BallSpeed = 0;
  std::int16_t BallStartX = 0;
  std::int16_t SelectedBall = 0;
  std::vector<std::string> JoyNames;
  std::vector<std::string> JoyGuids;
  std::string JoyType;

 protected:
  void CreateControls() override;
  void Form_Load() override;

 private:
  void ImgBall_Click(int Index);
  void Command1_Click();
  void Command2_Click();

  Form* FrmMenu_ = nullptr;
  Form* FrmSP_ = nullptr;
  std::optional<CreatorInputDetector> Detector;
};

}  // namespace rallix
