#pragma once
// The web page around the game's canvas (browser build only). A page has no
// window manager: the window's shapes become canvas sizes inside the page's
// stage, and a message box becomes a notice laid over the stage.

#include <string>

struct SDL_Window;

namespace rallix {

struct WindowShape;

// Sizes the canvas for a form: a maximized form fills the stage (and is never
// smaller than its design); a normal form and the full-screen match get their
// own size (the match its 800 x 600 field), centred in the stage.
void TakeShapeInPage(SDL_Window* window, const WindowShape& shape);
// Follows the stage when it changes size (the browser window resized, full
// screen entered or left).
void FollowPageSize();
void ShowNoticeOnPage(const std::string& title, const std::string& text, bool failure);

}  // namespace rallix
