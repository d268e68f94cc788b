#include "platform/forms/label.h"

namespace rallix {

Label::Label(ControlList& list, std::string name, SurfaceRect bounds, LabelDesign design)
    : Control(list, std::move(name), bounds),
      caption(std::move(design.caption)),
      font(std::move(design.font)),
      foreColor(design.foreColor),
      alignment(design.alignment) {}

void Label::Paint(Painter& painter) const {
  painter.DrawText(caption, font, bounds, foreColor, alignment);
}

}  // namespace rallix
