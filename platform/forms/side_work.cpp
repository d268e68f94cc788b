#include "platform/forms/side_work.h"

#include <utility>

namespace rallix {

#ifdef __EMSCRIPTEN__
SideWork::SideWork(std::function<void()>) {}
#else
SideWork::SideWork(std::function<void()> work) : worker_(std::move(work)) {}
#endif

}  // namespace rallix
