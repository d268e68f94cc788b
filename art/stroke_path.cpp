#include "art/stroke_path.h"

#include <cmath>
#include <numbers>

namespace rallix::art {

namespace {

// Enough pieces per curve that the polyline reads as smooth at banner size.
constexpr int kPiecesPerCurve = 16;

}  // namespace

StrokePath StrokePath::Arc(Point centre, float radiusX, float radiusY, float startDegrees,
                           float endDegrees) {
  const float toRadians = std::numbers::pi_v<float> / 180.0F;
  const auto pointAt = [&](float degrees) {
    return Point{centre.x + radiusX * std::cos(degrees * toRadians),
                 centre.y + radiusY * std::sin(degrees * toRadians)};
  };
  StrokePath path(pointAt(startDegrees));
  const int pieces = 2 * kPiecesPerCurve;
  for (int i = 1; i <= pieces; ++i) {
    const float t = static_cast<float>(i) / pieces;
    path.points_.push_back(pointAt(startDegrees + (endDegrees - startDegrees) * t));
  }
  return path;
}

StrokePath& StrokePath::LineTo(Point end) {
  points_.push_back(end);
  return *this;
}

StrokePath& StrokePath::QuadTo(Point control, Point end) {
  const Point start = points_.back();
  for (int i = 1; i <= kPiecesPerCurve; ++i) {
    const float t = static_cast<float>(i) / kPiecesPerCurve;
    const float u = 1.0F - t;
    points_.push_back({u * u * start.x + 2.0F * u * t * control.x + t * t * end.x,
                       u * u * start.y + 2.0F * u * t * control.y + t * t * end.y});
  }
  return *this;
}

}  // namespace rallix::art
