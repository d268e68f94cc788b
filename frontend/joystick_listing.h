#pragma once
// How the settings screens and the joystick dialog take stock of the attached
// joysticks: names and identifiers in arrays indexed from 1 (element 0 stays
// empty), so list entry k of a screen's joystick list is joystick k + 1.

#include <string>
#include <vector>

#include "input/creator_input_detector.h"

namespace rallix {

// Fills the arrays for every attached joystick and returns how many there are.
int ReadJoystickList(CreatorInputDetector& detector, std::vector<std::string>& JoyNames,
                     std::vector<std::string>& JoyGuids, std::string& JoyType);

// Whether the joystick with this identifier is attached now. The detector
// takes stock afresh, so a pad unplugged since the screen listed it counts as
// gone: a match set up with it could only fail.
bool StillAttached(CreatorInputDetector& detector, WindowHandle window, const std::string& guid);

}  // namespace rallix
