#pragma once
// A timer control: fires its handler every Interval milliseconds, from the
// main loop between events, never inside a running handler. Interval 0 stops it.

#include <functional>
#include <optional>

#include "platform/forms/control.h"

namespace rallix {

class Timer final : public Control {
 public:
  Timer(ControlList& list, std::string name, int intervalMs, bool timerEnabled = true);
  ~Timer() override;

  int Interval() const { return intervalMs_; }
  // Setting the interval (to the same value too) restarts the countdown.
  void SetInterval(int intervalMs);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);

  std::function<void()> onTimer;

  // Called by the runtime: fires the handler if it is due at `now`, and
  // says whether it fired.
  bool FireIfDue(Nanoseconds now);
  // When it fires next; nothing while it is stopped. The runtime sleeps
  // until then when nothing else happens.
  std::optional<Nanoseconds> NextDue() const;

  void Paint(Painter&) const override {}

 private:
  void Arm();
  int intervalMs_;
  bool enabled_;
  Nanoseconds due_{0};
};

}  // namespace rallix
