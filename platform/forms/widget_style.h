#pragma once
// The look shared by the classic controls: light faces, bevels, the default
// control font, and the colours of text on them.

#include "platform/video/painter.h"

namespace rallix {

inline constexpr Rgb kWindowWhite{255, 255, 255};
inline constexpr Rgb kWindowText{0, 0, 0};
inline constexpr Rgb kGrayText{128, 128, 128};
inline constexpr Rgb kHighlight{0, 120, 215};
inline constexpr Rgb kHighlightText{255, 255, 255};
inline constexpr Rgb kBevelLight{255, 255, 255};
inline constexpr Rgb kBevelShadow{105, 105, 105};
inline constexpr Rgb kFrameLine{160, 160, 160};
inline constexpr Rgb kDisabledFace{212, 208, 200};
inline const FontChoice kDefaultControlFont{"MS Sans Serif", 8.25, false};

// A raised (or, pressed, sunken) 3D edge around an area.
void DrawBevel(Painter& painter, const SurfaceRect& area, bool sunken);
// A thin line just inside the area, showing which control has the focus.
void DrawFocusMark(Painter& painter, const SurfaceRect& area, Rgb colour);
SurfaceRect Inset(const SurfaceRect& area, int by);

}  // namespace rallix
