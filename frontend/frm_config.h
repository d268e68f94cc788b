#pragma once
// The joystick dialog: lists the attached joysticks and records the one
// picked with "Configurate Now". With none attached it says so and offers
// nothing to pick.

#include <optional>
#include <string>
#include <vector>

#include "input/creator_input_detector.h"
#include "platform/forms/command_button.h"
#include "platform/forms/designed_form.h"
#include "platform/forms/frame.h"
#include "platform/forms/list_box.h"
#include "platform/forms/runtime.h"

namespace rallix {

// The controls of FrmConfig, each named as the screen knows it.
struct FrmConfigDesign {
  ControlList& list;
  Frame Frame1;
  ListBox List1;
  CommandButton Command1;
  explicit FrmConfigDesign(ControlList& controls);
};

class FrmConfig final : public DesignedForm<FrmConfigDesign> {
 public:
  explicit FrmConfig(FormsRuntime& runtime);

  // The identifier of the joystick picked last; empty until one is picked.
  std::string CGuid;
  std::vector<std::string> JoyNames;
  std::vector<std::string> JoyGuids;
  std::string JoyType;

 protected:
  void CreateControls() override;
  void Form_Load() override;

 private:
  void Command1_Click();

  std::optional<CreatorInputDetector> Detector;
};

}  // namespace rallix
