#pragma once
// The picture menu: pick one of five balls for the next match, or leave.

#include "platform/forms/designed_form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"

namespace rallix {

class frmWait;

// The controls of frmBMenu, each named as the screen knows it.
struct frmBMenuDesign {
  ControlList& list;
  Image Image1;
  Image Image2;
  Image Image3;
  Image Image4;
  Image Image5;
  Label Label1;
  Label Label2;
  Label Label3;
  Label Label4;
  Label Label5;
  Label Label6;
  Label Label7;
  Label Label8;
  Label Label9;
  Timer Timer1;
  explicit frmBMenuDesign(ControlList& controls);
};

class frmBMenu final : public DesignedForm<frmBMenuDesign> {
 public:
  frmBMenu(FormsRuntime& runtime, frmWait& next);

 protected:
  void CreateControls() override;

 private:
  void ChooseBall(const Image& clicked);
  void Label6_Click();
  void Timer1_Timer();

  frmWait& frmWait_;
};

}  // namespace rallix
