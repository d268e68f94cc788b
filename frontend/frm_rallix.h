#pragma once
// The splash: a black screen for one second, then the main menu. It stays
// open underneath the menu; closing it ends the program.

#include <optional>

#include "platform/forms/runtime.h"
#include "platform/forms/timer.h"

namespace rallix {

class FrmRallix final : public Form {
 public:
  FrmRallix(FormsRuntime& runtime, Form& menu);

  static constexpr int kSplashMs = 1000;

 protected:
  void CreateControls() override;
  void DestroyControls() override { design_.reset(); }

 private:
  struct Design {
    ControlList& list;
    Timer Timer1;
    explicit Design(ControlList& controls);
  };

  void Timer1_Timer();

  Form& FrmMenu_;
  std::optional<Design> design_;
};

}  // namespace rallix
