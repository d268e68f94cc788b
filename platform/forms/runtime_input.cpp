// The runtime's side of input: SDL's events read once a frame and handed to
// the devices (for the match) and to the controls of the form on top.

#include <SDL.h>

#include <memory>
#include <string>

#include "core/key_codes.h"
#include "platform/devices/key_code_table.h"
#include "platform/forms/runtime.h"

namespace rallix {
namespace {

// A click, a key, the window shown, exposed or resized, or the renderer
// losing its textures. The pointer's moves are read only by a match, which
// draws every pass anyway; device and audio notices change nothing shown.
bool MayChangeTheScreen(Uint32 eventType) {
  switch (eventType) {
    case SDL_QUIT:
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_WINDOWEVENT:
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      return true;
    default:
      return false;
  }
}

// The focused control of the form on top, when it is one that takes text.
Control* TextTaker(const Form* top) {
  Control* focused = top != nullptr ? top->Focused() : nullptr;
  return focused != nullptr && focused->enabled && focused->visible && focused->TakesText()
             ? focused
             : nullptr;
}

bool IsPasteKey(const SDL_Keysym& key) {
  // By the key's meaning, not its place, as every program on the desktop does.
  return key.sym == SDLK_v && (key.mod & KMOD_CTRL) != 0;
}

struct SdlTextFree {
  void operator()(char* text) const { SDL_free(text); }
};

std::string ClipboardText() {
  // SDL gives an empty copy when the clipboard holds no text or cannot be read.
  const std::unique_ptr<char, SdlTextFree> text(SDL_GetClipboardText());
  return text != nullptr ? std::string(text.get()) : std::string();
}

}  // namespace

void FormsRuntime::PumpEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    if (MayChangeTheScreen(event.type)) {
      needsDraw_ = true;
    }
    switch (event.type) {
      case SDL_QUIT:
        // Closing the window closes the form on top; with the last one gone
        // the program ends.
        if (Form* top = TopForm(); top != nullptr) {
          Unload(*top);
        } else {
          End();
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const std::uint8_t code = KeyCodeFromScancode(event.key.keysym.scancode);
        devices_.OnKey(code, event.type == SDL_KEYDOWN);
        if (event.type == SDL_KEYDOWN) {
          if (!IsPasteKey(event.key.keysym)) {
            KeyToFocusedControl(code, (event.key.keysym.mod & KMOD_SHIFT) != 0);
          } else if (TextTaker(TopForm()) != nullptr) {
            // Read only for a control that takes it: reading may wait on
            // another program.
            TextToFocusedControl(ClipboardText());
          }
        }
        break;
      }
      case SDL_TEXTINPUT:
        TextToFocusedControl(event.text.text);
        break;
      case SDL_MOUSEMOTION: {
        // Steering is in form pixels, however large the screen draws them.
        const SurfacePoint moved = window_->FormMotion(event.motion.xrel, event.motion.yrel);
        devices_.OnMouseMotion(moved.x, moved.y);
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        devices_.OnMouseButton(event.button.button, down);
        if (event.button.button == SDL_BUTTON_LEFT) {
          const SurfacePoint at = window_->FormPointAt(event.button.x, event.button.y);
          MouseToControls(at.x, at.y, down);
        }
        break;
      }
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          // Key releases now go to another window; do not leave keys held.
          devices_.ReleaseAllKeys();
        }
        break;
      default:
        break;
    }
    if (ended_) {
      return;
    }
  }
}

void FormsRuntime::MouseToControls(int x, int y, bool down) {
  Form* top = TopForm();
  if (top == nullptr) {
    return;
  }
  if (down) {
    Control* target = top->controls_.ClickTargetAt(x, y);
    if (target != nullptr && target->TakesFocus()) {
      top->SetFocus(target);
    } else if (top->focused_ != nullptr) {
      top->focused_->LoseFocus();  // a click elsewhere closes an open list
    }
    pressed_ = target;
    if (target != nullptr) {
      target->MouseDown(x, y);
    }
  } else if (pressed_ != nullptr) {
    Control* released = pressed_;
    pressed_ = nullptr;
    released->MouseUp(x, y);
  }
  ApplyRequests();
}

void FormsRuntime::KeyToFocusedControl(std::uint8_t keyCode, bool shift) {
  Form* top = TopForm();
  if (top == nullptr) {
    return;
  }
  if (keyCode == KeyCode::Tab) {
    top->MoveFocus(shift);
  } else if (top->focused_ != nullptr && top->focused_->enabled) {
    top->focused_->KeyDown(keyCode);
  }
  ApplyRequests();
}

void FormsRuntime::TextToFocusedControl(std::string_view utf8) {
  if (Control* target = TextTaker(TopForm()); target != nullptr) {
    target->TextInput(utf8);
    ApplyRequests();
  }
}

// Called after anything that may move the focus, before the next event is
// read: the system turns keys into text as it reads them.
void FormsRuntime::FollowFocusWithTextInput() {
  const Control* target = TextTaker(TopForm());
  if ((target != nullptr) == (SDL_IsTextInputActive() == SDL_TRUE)) {
    return;
  }
  if (target == nullptr) {
    SDL_StopTextInput();
    return;
  }
  // Where an input method shows what is being composed, or an on-screen
  // keyboard keeps clear of.
  const SurfaceRect onWindow = window_->WindowAreaOf(target->bounds);
  const SDL_Rect area{onWindow.left, onWindow.top, onWindow.right - onWindow.left,
                      onWindow.bottom - onWindow.top};
  SDL_SetTextInputRect(&area);
  SDL_StartTextInput();
}

}  // namespace rallix
