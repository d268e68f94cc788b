#include "frontend/full_game.h"

namespace rallix {

FullGame::FullGame(FormsRuntime& runtime)
    : configSp(runtime),
      configMp(runtime),
      singlePlayer(runtime, configSp),
      twoPlayers(runtime, configMp),
#ifndef __EMSCRIPTEN__
      network(runtime),
      networkMatch(runtime, network),
      menu(runtime, configSp, configMp, &network),
#else
      menu(runtime, configSp, configMp, nullptr),
#endif
      splash(runtime, menu),
      joystickDialog(runtime) {
  configSp.Connect(menu, singlePlayer);
  configMp.Connect(menu, twoPlayers);
#ifndef __EMSCRIPTEN__
  network.Connect(menu, networkMatch);
#endif
}

}  // namespace rallix
