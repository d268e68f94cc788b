#pragma once
// The first edition, whole: its three screens, each with one long-lived
// instance, in the order a player meets them.

#include <vector>

#include "first_edition/frm_b_menu.h"
#include "first_edition/frm_main.h"
#include "first_edition/frm_wait.h"

namespace rallix {

class FirstEdition {
 public:
  explicit FirstEdition(FormsRuntime& runtime);

  frmBMenu menu;
  frmWait wait;
  FrmMain match;

  Form& StartupForm() { return menu; }
  std::vector<MatchForm*> Matches() { return {&match}; }
};

}  // namespace rallix
