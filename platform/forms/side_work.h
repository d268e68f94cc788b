#pragma once
// Work done ahead of need on a second thread while the main one goes on, and
// waited for when this goes. Where there is no second thread (a web page) it
// is not done at all, so it must be work whose result is made on demand
// anyway: drawing pictures, looking up fonts.

#include <functional>
#include <thread>

namespace rallix {

class SideWork {
 public:
  // No work (an empty function): no thread either.
  explicit SideWork(std::function<void()> work);
  ~SideWork();
  SideWork(const SideWork&) = delete;
  SideWork& operator=(const SideWork&) = delete;

 private:
  std::thread worker_;
};

}  // namespace rallix
