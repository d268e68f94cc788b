#pragma once
// The wait screen: draws the match settings at random, writes them and the
// match's artwork to files, shows the speeds, and opens the match two seconds
// later while "WAIT... LOADING" blinks.

#include <cstdint>

#include "platform/forms/designed_form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"
#include "settings/first_edition_settings.h"

namespace rallix {

class FrmMain;

// Draws a new set of settings: start column, ball speed and computer speed,
// each from its own uniform value, with the slow values raised.
FirstEditionSettings DrawFirstEditionSettings(RandomGenerator& random);

// The controls of frmWait, each named as the screen knows it.
struct frmWaitDesign {
  ControlList& list;
  Label Label1;
  Label Label2;
  Image objs0;
  Image objs1;
  Image objs2;
  Image objs3;
  Image objs4;
  Timer Timer1;
  Timer Timer2;
  explicit frmWaitDesign(ControlList& controls);
};

class frmWait final : public DesignedForm<frmWaitDesign> {
 public:
  frmWait(FormsRuntime& runtime, FrmMain& next);

  const FirstEditionSettings& LastSettings() const { return settings_; }

 protected:
  void CreateControls() override;
  void Form_Load() override;

 private:
  void Timer1_Timer();
  void Timer2_Timer();

  FrmMain& FrmMain_;
  FirstEditionSettings settings_;
};

}  // namespace rallix
