#include "platform/forms/image.h"

namespace rallix {

namespace {
constexpr Rgb kBorderColour{0, 0, 0};
constexpr Rgb kBorderHighlight{255, 255, 255};
}  // namespace

Image::Image(ControlList& list, std::string name, SurfaceRect bounds, ImageDesign design)
    : Control(list, std::move(name), bounds),
      picture(design.picture),
      stretch(design.stretch),
      border(design.border) {
  visible = design.visible;
}

void Image::Paint(Painter& painter) const {
  if (picture != nullptr) {
    SurfaceRect box = bounds;
    if (!stretch) {
      box.right = box.left + picture->width;
      box.bottom = box.top + picture->height;
    }
    painter.DrawPicture(*picture, box);
  }
  if (border == ImageBorder::FixedSingle) {
    // On the black screens a plain black line would vanish; a light inner
    // line keeps the frame visible around the chosen picture.
    painter.DrawOutline(bounds, kBorderHighlight, 1);
    painter.DrawOutline(
        SurfaceRect{bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1},
        kBorderColour, 1);
  }
}

}  // namespace rallix
