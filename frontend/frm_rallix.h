#pragma once
// The splash: a black screen for one second, then the main menu. It stays
// open underneath the menu; closing it ends the program.

#include "platform/forms/designed_form.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"

namespace rallix {

// The controls of FrmRallix, each named as the screen knows it.
struct FrmRallixDesign {
  ControlList& list;
  Timer Timer1;
  explicit FrmRallixDesign(ControlList& controls);
};

class FrmRallix final : public DesignedForm<FrmRallixDesign> {
 public:
  FrmRallix(FormsRuntime& runtime, Form& menu);

  static constexpr int kSplashMs = 1000;

 protected:
  void CreateControls() override;

 private:
  void Timer1_Timer();

  Form& FrmMenu_;
};

}  // namespace rallix
