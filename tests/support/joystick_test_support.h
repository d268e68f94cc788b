#pragma once
// CreatorInputDetector's joystick calls over the real SdlDeviceInput, with
// SDL virtual joysticks standing in for pads: no window and no real device
// needed. A real joystick plugged into the machine running the tests only
// adds entries to the list; the tests find their own pads by name.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "input/creator_input_detector.h"
#include "platform/devices/sdl_devices.h"
#include "platform/files/sequential_file.h"
#include "tests/support/virtual_joystick.h"

namespace rallix::testing {

constexpr std::int16_t kFullyLeft = -32768;
constexpr std::int16_t kFullyRight = 32767;

inline void ExpectError(const std::function<void()>& call, int number, const std::string& source,
                        const std::string& description = "") {
  try {
    call();
    ADD_FAILURE() << "no error, expected " << number;
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), number) << e.what();
    EXPECT_EQ(e.Source(), source) << e.what();
    if (!description.empty()) {
      EXPECT_EQ(e.Description(), description);
    }
  }
}

class DetectorJoystick : public ::testing::Test {
 protected:
  SdlDeviceInput devices;
  CreatorInputDetector detector;
  std::int32_t x = -1;
  std::int32_t y = -1;
  std::int32_t z = -1;

  void InitNormal() { detector.InitNormal(WindowHandle{&devices}); }

  // Where the detector's list (taken at InitNormal) has the pad with this
  // name, 1-based; 0 when it has none.
  std::int32_t IndexOf(const std::string& name) {
    for (std::int32_t index = 1; index <= detector.JoysticksCount(); ++index) {
      std::string guid;
      std::string jname;
      std::string jtype;
      detector.GetJoysticks(index, guid, jname, jtype);
      if (jname == name) {
        return index;
      }
    }
    return 0;
  }

  std::string IdentifierOf(const std::string& name) {
    const std::int32_t index = IndexOf(name);
    if (index == 0) {
      ADD_FAILURE() << "no joystick named " << name;
      return {};
    }
    std::string guid;
    std::string jname;
    std::string jtype;
    detector.GetJoysticks(index, guid, jname, jtype);
    return guid;
  }

  // A read reports the state the previous read's poll captured, so the first
  // read after a pad changed still shows the old state and polls the new one
  // in; the second shows it.
  void ReadFresh() {
    detector.GetJoystickState(x, y, z);
    detector.GetJoystickState(x, y, z);
  }

  std::array<std::uint8_t, 8> Buttons() const {
    return {detector.Button1, detector.Button2, detector.Button3, detector.Button4,
            detector.Button5, detector.Button6, detector.Button7, detector.Button8};
  }
};

}  // namespace rallix::testing
