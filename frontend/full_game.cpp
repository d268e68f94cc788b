#include "frontend/full_game.h"

namespace rallix {

FullGame::FullGame(FormsRuntime& runtime)
    : configSp(runtime),
      configMp(runtime),
      singlePlayer(runtime, configSp),
      twoPlayers(runtime, configMp),
      menu(runtime, configSp, configMp),
      splash(runtime, menu),
      joystickDialog(runtime) {
  configSp.Connect(menu, singlePlayer);
  configMp.Connect(menu, twoPlayers);
}

}  // namespace rallix
