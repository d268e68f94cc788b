#include "art/script_font.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "art/raster.h"
#include "art/script_glyphs.h"

namespace rallix::art {

namespace {

// The nib is held rising to the right, so strokes along it come out thin and
// strokes across it (the down-right diagonals) come out full.
constexpr float kNibDegrees = 40.0F;
// The middle of the capital height, where upright symbols meet the slanted text.
constexpr float kSlantPivot = 5.0F;

struct InkedStroke {
  std::vector<Point> points;
  std::vector<float> radii;  // pen radius at each point
};

std::vector<InkedStroke> LayOut(std::u32string_view text, const ScriptStyle& style) {
  std::vector<InkedStroke> strokes;
  float penX = 0.0F;
  for (const char32_t character : text) {
    const Glyph& glyph = GlyphFor(character);
    for (const StrokePath& path : glyph.strokes) {
      InkedStroke stroke;
      for (const Point& p : path.Points()) {
        const float lean = glyph.upright ? kSlantPivot : p.y;
        stroke.points.push_back({penX + p.x + style.slant * lean, p.y});
      }
      strokes.push_back(std::move(stroke));
    }
    penX += glyph.advance;
  }
  return strokes;
}

float NibRadius(Point from, Point to, const ScriptStyle& style) {
  const float direction = std::atan2(to.y - from.y, to.x - from.x);
  const float across =
      std::abs(std::sin(direction - kNibDegrees * std::numbers::pi_v<float> / 180.0F));
  return style.penRadius * (style.thinRatio + (1.0F - style.thinRatio) * across);
}

// Each point takes the mean width of the pieces meeting there, so the swell
// changes smoothly along a curve.
void AssignRadii(InkedStroke& stroke, const ScriptStyle& style) {
  const std::size_t count = stroke.points.size();
  if (count == 1) {
    stroke.radii = {style.penRadius * 1.1F};
    return;
  }
  std::vector<float> pieceRadii;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    pieceRadii.push_back(NibRadius(stroke.points[i], stroke.points[i + 1], style));
  }
  stroke.radii.resize(count);
  stroke.radii.front() = pieceRadii.front();
  stroke.radii.back() = pieceRadii.back();
  for (std::size_t i = 1; i + 1 < count; ++i) {
    stroke.radii[i] = 0.5F * (pieceRadii[i - 1] + pieceRadii[i]);
  }
}

// Maps font units (y up) to pixels (y down), as large as fits and centred.
void FitToBox(std::vector<InkedStroke>& strokes, int width, int height, const ScriptStyle& style) {
  float minX = std::numeric_limits<float>::max();
  float minY = minX;
  float maxX = std::numeric_limits<float>::lowest();
  float maxY = maxX;
  for (const InkedStroke& stroke : strokes) {
    for (std::size_t i = 0; i < stroke.points.size(); ++i) {
      const Point& p = stroke.points[i];
      minX = std::min(minX, p.x - stroke.radii[i]);
      maxX = std::max(maxX, p.x + stroke.radii[i]);
      minY = std::min(minY, p.y - stroke.radii[i]);
      maxY = std::max(maxY, p.y + stroke.radii[i]);
    }
  }
  const float roomX = static_cast<float>(width) - 2.0F * style.margin;
  const float roomY = static_cast<float>(height) - 2.0F * style.margin;
  const float scale = std::min(roomX / (maxX - minX), roomY / (maxY - minY));
  const float left = (static_cast<float>(width) - (maxX - minX) * scale) / 2.0F;
  const float top = (static_cast<float>(height) - (maxY - minY) * scale) / 2.0F;
  for (InkedStroke& stroke : strokes) {
    for (std::size_t i = 0; i < stroke.points.size(); ++i) {
      Point& p = stroke.points[i];
      p = {left + (p.x - minX) * scale, top + (maxY - p.y) * scale};
      stroke.radii[i] *= scale;
    }
  }
}

// Signed distance from pixel centres to one tapered piece of pen, folded into
// the running minimum; only pixels the ink or its glow can reach are visited.
void InkPiece(Point a, Point b, float radiusA, float radiusB, float reach,
              std::vector<float>& signedDistance, int width, int height) {
  const float pad = std::max(radiusA, radiusB) + reach + 1.0F;
  const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - pad)));
  const int x1 = std::min(width - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + pad)));
  const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - pad)));
  const int y1 = std::min(height - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + pad)));
  const float abX = b.x - a.x;
  const float abY = b.y - a.y;
  const float lengthSquared = abX * abX + abY * abY;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float px = static_cast<float>(x) + 0.5F - a.x;
      const float py = static_cast<float>(y) + 0.5F - a.y;
      const float t = lengthSquared > 0.0F
                          ? std::clamp((px * abX + py * abY) / lengthSquared, 0.0F, 1.0F)
                          : 0.0F;
      const float ex = px - t * abX;
      const float ey = py - t * abY;
      const float distance = std::sqrt(ex * ex + ey * ey) - (radiusA + (radiusB - radiusA) * t);
      float& best = signedDistance[static_cast<std::size_t>(y) * width + x];
      best = std::min(best, distance);
    }
  }
}

}  // namespace

TextMask RenderScriptText(std::u32string_view text, int width, int height,
                          const ScriptStyle& style) {
  std::vector<InkedStroke> strokes = LayOut(text, style);
  for (InkedStroke& stroke : strokes) {
    AssignRadii(stroke, style);
  }
  TextMask mask;
  mask.width = width;
  mask.height = height;
  const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
  std::vector<float> signedDistance(pixelCount, style.glowReach);
  if (!strokes.empty()) {
    FitToBox(strokes, width, height, style);
  }
  for (const InkedStroke& stroke : strokes) {
    // A lone point is a dot: a piece of zero length.
    const std::size_t pieces = std::max<std::size_t>(stroke.points.size() - 1, 1);
    for (std::size_t i = 0; i < pieces; ++i) {
      const std::size_t next = std::min(i + 1, stroke.points.size() - 1);
      InkPiece(stroke.points[i], stroke.points[next], stroke.radii[i], stroke.radii[next],
               style.glowReach, signedDistance, width, height);
    }
  }
  mask.coverage.resize(pixelCount);
  mask.distance.resize(pixelCount);
  for (std::size_t i = 0; i < pixelCount; ++i) {
    mask.coverage[i] = CoverageFromSignedDistance(signedDistance[i]);
    mask.distance[i] = std::clamp(signedDistance[i], 0.0F, style.glowReach);
  }
  return mask;
}

}  // namespace rallix::art
