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
#ifndef __EMSCRIPTEN__
#include "frontend/frm_net.h"
#include "net/frm_net_match.h"
#endif

namespace rallix {

class FullGame {
 public:
  explicit FullGame(FormsRuntime& runtime);

  FrmConfigSp configSp;
  FrmConfigMP configMp;
  FrmSP singlePlayer;
  FrmMP twoPlayers;
#ifndef __EMSCRIPTEN__
  FrmNet network;
  net::FrmNetMatch networkMatch;
#endif
  FrmMenu menu;
  FrmRallix splash;
  FrmConfig joystickDialog;

  Form& StartupForm() {
    return splash;
  }
#ifndef __EMSCRIPTEN__
  // The network screen, hosting or joining as soon as it shows.
  Form& NetworkStart(const NetworkLaunch& launch) {
    network.LaunchOnLoad(launch);
    return network;
  }
#endif
  std::vector<MatchForm*> Matches() {
#ifndef __EMSCRIPTEN__
    return {&singlePlayer, &twoPlayers, &networkMatch};
#else
    return {&singlePlayer, &twoPlayers};
#endif
  }
};

}  // namespace rallix
