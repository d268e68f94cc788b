#pragma once
// The main menu: single player, two players, or leave. The title blinks.

#include "platform/forms/designed_form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"

namespace rallix {

// The controls of FrmMenu, each named as the screen knows it.
struct FrmMenuDesign {
  ControlList& list;
  Label Label8;
  Label Label9;
  Label Label4;
  Label Label1;
  Label Label2;
  Label Label3;
  Label Label5;
  Label Notice;
  Image Image1;
  Image Image2;
  Timer Timer1;
  explicit FrmMenuDesign(ControlList& controls);
};

class FrmMenu final : public DesignedForm<FrmMenuDesign> {
 public:
  // `networkScreen`: null where the game cannot play over a network (a web page).
  FrmMenu(FormsRuntime& runtime, Form& singlePlayerSettings, Form& twoPlayerSettings,
          Form* networkScreen);

  static constexpr int kBlinkMs = 400;

 protected:
  void CreateControls() override;

 private:
  void Label1_Click();
  void Label2_Click();
  void Label3_Click();
  void Label5_Click();
  void Timer1_Timer();

  Form& FrmConfigSp_;
  Form& FrmConfigMP_;
  Form* FrmNet_;
};

}  // namespace rallix
