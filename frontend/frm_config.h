#pragma once
// The joystick dialog: lists the attached joysticks and records the one
// picked with "Configurate Now". With none attached it says so and offers
// nothing to pick.

#include <optional>
#include <string>
#include <vector>

#include "input/creator_input_detector.h"
#include "platform/forms/command_button.h"
#include "platform/forms/frame.h"
#include "platform/forms/list_box.h"
#include "platform/forms/runtime.h"

namespace rallix {

class FrmConfig final : public Form {
 public:
  explicit FrmConfig(FormsRuntime& runtime);

  // The identifier of the joystick picked last; empty until one is picked.
  std::string CGuid;
  std::vector<std::string> JoyNames;
  std::vector<std::string> JoyGuids;
  std::string JoyType;

 protected:
  void CreateControls() override;
  void DestroyControls() override { design_.reset(); }
  void Form_Load() override;

 private:
  struct Design {
    ControlList& list;
    Frame Frame1;
    ListBox List1;
    CommandButton Command1;
    explicit Design(ControlList& controls);
  };

  void Command1_Click();

  std::optional<CreatorInputDetector> Detector;
  std::optional<Design> design_;
};

}  // namespace rallix
