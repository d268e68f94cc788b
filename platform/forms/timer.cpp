#include "platform/forms/timer.h"

#include <algorithm>

namespace rallix {

Timer::Timer(ControlList& list, std::string name, int intervalMs, bool timerEnabled)
    : Control(list, std::move(name), SurfaceRect{}),
      intervalMs_(intervalMs),
      enabled_(timerEnabled) {
  visible = false;
  list_.timers_.push_back(this);
  Arm();
}

Timer::~Timer() {
  std::erase(list_.timers_, this);
}

void Timer::SetInterval(int intervalMs) {
  intervalMs_ = std::max(intervalMs, 0);
  Arm();
}

void Timer::SetEnabled(bool on) {
  enabled_ = on;
  Arm();
}

void Timer::Arm() {
  due_ = list_.TimeSource().Now() + Milliseconds(intervalMs_);
}

bool Timer::FireIfDue(Nanoseconds now) {
  if (!enabled_ || intervalMs_ <= 0 || now < due_) {
    return false;
  }
  due_ = now + Milliseconds(intervalMs_);
  if (onTimer) {
    onTimer();
  }
  return true;
}

std::optional<Nanoseconds> Timer::NextDue() const {
  if (!enabled_ || intervalMs_ <= 0) {
    return std::nullopt;
  }
  return due_;
}

}  // namespace rallix
