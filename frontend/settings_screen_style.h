#pragma once
// Fonts, colours and the hidden artwork shared by the settings screens.

#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/frame.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"

namespace rallix {

inline FontChoice ComicBold(double points) {
  return FontChoice{"Comic Sans MS", points, true};
}

inline LabelDesign RedCaption(const char* text, double points) {
  return LabelDesign{text, ComicBold(points), kRed, TextAlign::Left};
}

inline FrameDesign RedFrame(const char* caption, double points) {
  return FrameDesign{caption, ComicBold(points), kRed, kBlack};
}

inline CommandButtonDesign RedButton(const char* caption, double points) {
  return CommandButtonDesign{caption, ComicBold(points), kRed};
}

inline CheckBoxDesign RedCheck(const char* caption) {
  return CheckBoxDesign{caption, ComicBold(9.75), kRed, kBlack, /*enabled=*/false};
}

// Pictures a screen carries only to write them out for the match.
inline ImageDesign Carried(const Picture& picture) {
  return ImageDesign{&picture, /*stretch=*/false, ImageBorder::None, /*visible=*/false};
}

inline const FontChoice kListFont{"MS Sans Serif", 8.25, false};

}  // namespace rallix
