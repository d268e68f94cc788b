#include "platform/video/web_page.h"

#include <SDL.h>
#include <emscripten.h>

#include <algorithm>

#include "platform/video/game_window.h"

namespace rallix {
namespace {

// The page's half lives in web/page_support.js.
EM_JS(int, StageWidth, (), { return Module.rallix.stageSize()[0]; });
EM_JS(int, StageHeight, (), { return Module.rallix.stageSize()[1]; });
EM_JS(void, ShowNotice, (const char* title, const char* text, int failure),
      { Module.rallix.showNotice(UTF8ToString(title), UTF8ToString(text), failure != 0); });

// The one window a page has, and the shape it last took.
struct PageWindow {
  SDL_Window* window = nullptr;
  WindowShape shape;
  int stageWidth = 0;
  int stageHeight = 0;
};

PageWindow& Page() {
  static PageWindow page;
  return page;
}

void SizeCanvas(PageWindow& page) {
  page.stageWidth = StageWidth();
  page.stageHeight = StageHeight();
  int width = page.shape.clientWidth;
  int height = page.shape.clientHeight;
  if (page.shape.state == WindowState::Maximized) {
    width = std::max(width, page.stageWidth);
    height = std::max(height, page.stageHeight);
  }
  SDL_SetWindowSize(page.window, width, height);
}

}  // namespace

void TakeShapeInPage(SDL_Window* window, const WindowShape& shape) {
  PageWindow& page = Page();
  page.window = window;
  page.shape = shape;
  SizeCanvas(page);
  SDL_ShowWindow(window);
}

void FollowPageSize() {
  PageWindow& page = Page();
  if (page.window != nullptr &&
      (StageWidth() != page.stageWidth || StageHeight() != page.stageHeight)) {
    SizeCanvas(page);
  }
}

void ShowNoticeOnPage(const std::string& title, const std::string& text, bool failure) {
  ShowNotice(title.c_str(), text.c_str(), failure ? 1 : 0);
}

}  // namespace rallix
