#include "frontend/joystick_listing.h"

namespace rallix {

int ReadJoystickList(CreatorInputDetector& detector, std::vector<std::string>& JoyNames,
                     std::vector<std::string>& JoyGuids, std::string& JoyType) {
  const int count = detector.JoysticksCount();
  if (count == 0) {
    return 0;  // asking for joystick 1 now would raise "No Joysticks Attached"
  }
  JoyGuids.resize(static_cast<std::size_t>(count) + 1);
  JoyNames.resize(static_cast<std::size_t>(count) + 1);
  for (int i = 1; i <= count; ++i) {
    detector.GetJoysticks(i, JoyGuids[i], JoyNames[i], JoyType);
  }
  return count;
}

}  // namespace rallix
