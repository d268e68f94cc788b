#include "platform/forms/frame.h"

#include "platform/forms/widget_style.h"

namespace rallix {

Frame::Frame(ControlList& list, std::string name, SurfaceRect bounds, FrameDesign design)
    : Control(list, std::move(name), bounds),
      caption(std::move(design.caption)),
      font(std::move(design.font)),
      foreColor(design.foreColor),
      backColor(design.backColor) {}

void Frame::Paint(Painter& painter) const {
  painter.FillRect(bounds, backColor);
  // The border runs through the middle of the caption's line, as a group box's does.
  const int lineHeight = PointsToPixels(font.points) * 3 / 2;
  const int borderTop = bounds.top + lineHeight / 2;
  painter.DrawOutline(SurfaceRect{bounds.left, borderTop, bounds.right, bounds.bottom}, kFrameLine,
                      1);
  const SurfaceRect captionBox{bounds.left + 8, bounds.top, bounds.right - 8,
                               bounds.top + lineHeight};
  if (!caption.empty()) {
    const int width = painter.MeasureText(caption, font);
    painter.FillRect(SurfaceRect{captionBox.left - 2, captionBox.top, captionBox.left + width + 2,
                                 captionBox.bottom},
                     backColor);
  }
  painter.DrawText(caption, font, captionBox, foreColor, TextAlign::Left);
}

SurfaceRect InFrame(const SurfaceRect& frame, int left, int top, int width, int height) {
  const SurfaceRect r = Twips(left, top, width, height);
  return SurfaceRect{frame.left + r.left, frame.top + r.top, frame.left + r.right,
                     frame.top + r.bottom};
}

}  // namespace rallix
