#pragma once
// The full game, whole: every screen with its one long-lived instance.

#include <vector>

#include "frontend/frm_config.h"
#include "frontend/frm_config_mp.h"
#include "frontend/frm_config_sp.h"
#include "frontend/frm_menu.h"
#include "frontend/frm_rallix.h"
#include "match/frm_mp.h"
#include "match/frm_sp.h"

namespace rallix {

class FullGame {
 public:
  explicit FullGame(FormsRuntime& runtime);

  FrmConfigSp configSp;
  FrmConfigMP configMp;
  FrmSP singlePlayer;
  FrmMP twoPlayers;
  FrmMenu menu;
  FrmRallix splash;
  FrmConfig joystickDialog;

  Form& StartupForm() { return splash; }
  std::vector<MatchForm*> Matches() { return {&singlePlayer, &twoPlayers}; }
};

}  // namespace rallix
