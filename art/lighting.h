#pragma once
// The one light every shaded sprite shares, so balls and paddles agree on
// where the highlights and shadows fall.

namespace rallix::art {

// Screen axes: x to the right, y downward, z toward the viewer.
struct Vec3 {
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
};

float Dot(Vec3 a, Vec3 b);
Vec3 Normalised(Vec3 v);

// Light from the top left and a little in front, shared by every ball and paddle.
Vec3 KeyLight();
// Half-way vector between the key light and the viewer, for specular highlights.
Vec3 KeyHalfway();

}  // namespace rallix::art
