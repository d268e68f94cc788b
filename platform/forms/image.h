#pragma once
// A picture on the form, shown at its own size or stretched to the control.
// A hidden image still carries its picture, ready to be exported.

#include "platform/forms/control.h"

namespace rallix {

enum class ImageBorder { None, FixedSingle };

struct ImageDesign {
  const Picture* picture = nullptr;
  bool stretch = false;
  ImageBorder border = ImageBorder::None;
  bool visible = true;
};

class Image final : public Control {
 public:
  Image(ControlList& list, std::string name, SurfaceRect bounds, ImageDesign design);

  const Picture* picture;
  bool stretch;
  ImageBorder border;

  void Paint(Painter& painter) const override;
};

}  // namespace rallix
