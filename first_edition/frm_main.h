#pragma once
// The first edition's match: one rally against the computer in the window,
// over the stretched background, steered with the arrow keys; Pause freezes
// it, Esc leaves; a win or a loss shows its banner for a while; then the
// picture menu returns.

#include "match/match_form.h"

namespace rallix {

class frmBMenu;

class FrmMain final : public MatchForm {
 public:
  bool TakesSettings(const MatchSettings& settings) const override;
  FrmMain(FormsRuntime& runtime, frmBMenu& menu);

  const SinglePlayerRally& Rally() const { return *Match().SinglePlayer(); }

 protected:
  MatchSettings ReadSettingsFile() override;
};

}  // namespace rallix
