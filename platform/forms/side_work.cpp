#include "platform/forms/side_work.h"

#include <utility>

namespace rallix {

#ifdef __EMSCRIPTEN__
SideWork::SideWork(std::function<void()>) {}
#else
SideWork::SideWork(std::function<void()> work) {
  if (work) {
    worker_ = std::thread(std::move(work));
  }
}
#endif

SideWork::~SideWork() {
  if (worker_.joinable()) {
    worker_.join();
  }
}

}  // namespace rallix
