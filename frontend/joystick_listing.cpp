#include "frontend/joystick_listing.h"

#include <algorithm>

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

bool StillAttached(CreatorInputDetector& detector, WindowHandle window, const std::string& guid) {
  detector.InitNormal(window);
  std::vector<std::string> names;
  std::vector<std::string> guids;
  std::string type;
  const int count = ReadJoystickList(detector, names, guids, type);
  return std::find(guids.begin() + (count > 0 ? 1 : 0), guids.end(), guid) != guids.end();
}

}  // namespace rallix
