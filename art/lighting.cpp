#include "art/lighting.h"

#include <cmath>

namespace rallix::art {

float Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Normalised(Vec3 v) {
  const float length = std::sqrt(Dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

Vec3 KeyLight() {
  return Normalised({-0.45F, -0.55F, 0.70F});
}

Vec3 KeyHalfway() {
  const Vec3 light = KeyLight();
  return Normalised({light.x, light.y, light.z + 1.0F});
}

}  // namespace rallix::art
