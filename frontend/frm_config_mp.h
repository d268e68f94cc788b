#pragma once
// The two-player settings screen: each player picks a device from a list of
// their own (the two picks are kept apart), plus the ball speed and look.
// START GAME writes mp1.cfg and the pictures and opens the match.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontend/ball_chooser.h"
#include "input/creator_input_detector.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/designed_form.h"
#include "platform/forms/frame.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/runtime.h"

namespace rallix {

// The controls of FrmConfigMP, each named as the screen knows it.
struct FrmConfigMPDesign {
  ControlList& list;
  Label Label1;
  Frame Frame1;
  Label Label2;
  ListBox List1;
  Frame Frame2;
  Label Label3;
  ListBox List2;
  Label Label10;
  ComboBox Combo1;
  Frame Frame3;
  BallChooser balls;
  CommandButton Command1;
  CommandButton Command2;
  Label Notice;
  Image objs0;
  Image objs1;
  Image objs2;
  explicit FrmConfigMPDesign(ControlList& controls);
};

class FrmConfigMP final : public DesignedForm<FrmConfigMPDesign> {
 public:
  explicit FrmConfigMP(FormsRuntime& runtime);
  void Connect(Form& menu, Form& match);

  static constexpr int kKeyboardEntry = 0;
  static constexpr int kMouseEntry = 1;

  // Kept from one visit to the next.
  std::int16_t BallSpeed = 0;
  std::int32_t SelectedBall = 0;
  std::string Player1Device;
  std::string Player2Device;
  // The identifiers of the joysticks chosen last (two pads of one model share
  // a name, not an identifier); empty for the keyboard and the mouse.
  std::string Player1Guid;
  std::string Player2Guid;
  std::vector<std::string> JoyNames;
  std::vector<std::string> JoyGuids;
  std::string JoyType;

 protected:
  void CreateControls() override;
  void Form_Load() override;

 private:
  void List1_Click();
  void List2_Click();
  void ImgBall_Click(int Index);
  void Command1_Click();
  void Command2_Click();
  // The list entry a player's device stands for: the entry selected now, or
  // the one whose name the player chose on an earlier visit; -1 when neither.
  int EntryFor(const ListBox& list, const std::string& device) const;
  // The entry of a device kept from an earlier visit: a joystick by its
  // identifier if it is still listed, else by its name; -1 when it is gone.
  int EntryOfKept(const ListBox& list, const std::string& device, const std::string& guid) const;
  // The joystick identifier an entry stands for; empty for the keyboard and the mouse.
  std::string GuidOfEntry(int entry) const;

  Form* FrmMenu_ = nullptr;
  Form* FrmMP_ = nullptr;
  std::optional<CreatorInputDetector> Detector;
};

}  // namespace rallix
