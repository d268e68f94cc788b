#pragma once
// One pen stroke of the script lettering, built from lines, quadratic curves
// and elliptical arcs and kept as a fine polyline ready to be inked.

#include <vector>

namespace rallix::art {

struct Point {
  float x = 0.0F;
  float y = 0.0F;
};

class StrokePath {
 public:
  explicit StrokePath(Point start) : points_{start} {}

  // An arc of the ellipse around centre; angles in degrees, counter-clockwise
  // from the +x axis with y pointing up. The sweep may go either way.
  static StrokePath Arc(Point centre, float radiusX, float radiusY, float startDegrees,
                        float endDegrees);
  // A single touch of the pen.
  static StrokePath Dot(Point at) { return StrokePath(at); }

  StrokePath& LineTo(Point end);
  StrokePath& QuadTo(Point control, Point end);

  const std::vector<Point>& Points() const { return points_; }

 private:
  std::vector<Point> points_;
};

}  // namespace rallix::art
