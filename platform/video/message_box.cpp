#include "platform/video/message_box.h"

#include <SDL.h>

#include <string_view>

namespace rallix {

void ShowMessageWithoutWindow(const std::string& text) {
  // SDL reads the driver's name from the environment before it starts, and its
  // message box would otherwise still go to whatever display DISPLAY names.
  const char* driver = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (driver != nullptr && std::string_view(driver) == "dummy") {
    return;
  }
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Rallix", text.c_str(), nullptr);
}

}  // namespace rallix
