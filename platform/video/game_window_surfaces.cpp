// Pictures and surfaces on the window: each kept as a texture, a surface's
// texture brought up to date patch by patch.

#include <span>

#include "platform/video/game_window.h"
#include "platform/video/game_window_impl.h"

namespace rallix {

void GameWindow::DrawPicture(const Picture& given, const SurfaceRect& box) {
  const Picture& picture = impl_->ShownFor(given);
  if (picture.Empty()) {
    return;
  }
  auto it = impl_->pictureTextures.find(&picture);
  if (it == impl_->pictureTextures.end() || it->second.width != picture.width ||
      it->second.height != picture.height) {
    std::unique_ptr<SDL_Surface, detail::SurfaceFree> staging(detail::CheckSdl(
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Rgb*>(picture.pixels.data()), picture.width,
                                           picture.height, 24, picture.width * 3,
                                           SDL_PIXELFORMAT_RGB24),
        kSource, "cannot stage a picture"));
    Texture texture(detail::CheckSdl(SDL_CreateTextureFromSurface(impl_->renderer, staging.get()),
                                     kSource, "cannot make a picture texture"));
    SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeLinear);
    it = impl_->pictureTextures
             .insert_or_assign(&picture, CachedTexture{std::move(texture), picture.width,
                                                       picture.height, impl_->frame})
             .first;
  }
  it->second.lastUsedFrame = impl_->frame;
  const SDL_Rect to = impl_->OnScreen(box);
  SDL_RenderCopy(impl_->renderer, it->second.texture.get(), nullptr, &to);
}

void GameWindow::Forget(const Surface& surface) {
  impl_->surfaceTextures.erase(&surface);
}

std::size_t GameWindow::TextureCount() const {
  return impl_->surfaceTextures.size() + impl_->pictureTextures.size() + impl_->texts.size();
}

void GameWindow::DrawSurface(Surface& surface, const SurfaceRect& part) {
  SDL_Surface* native = surface.Native();
  auto it = impl_->surfaceTextures.find(&surface);
  const DirtyRegion changed = surface.TakeDirtyRegion();
  const bool fresh = it == impl_->surfaceTextures.end() || it->second.width != native->w ||
                     it->second.height != native->h;
  if (fresh) {
    Texture texture(
        detail::CheckSdl(SDL_CreateTexture(impl_->renderer, SDL_PIXELFORMAT_XRGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, native->w, native->h),
                         kSource, "cannot make a screen texture"));
    // Each of its pixels a square of screen pixels, as hard-edged as at scale 1.
    SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeNearest);
    it = impl_->surfaceTextures
             .insert_or_assign(
                 &surface, CachedTexture{std::move(texture), native->w, native->h, impl_->frame})
             .first;
  }
  // Only what changed goes to the graphics card: a match frame is a few
  // small patches where the sprites were and are.
  if (fresh || !changed.Empty()) {
    detail::CheckSdl(SDL_LockSurface(native), kSource, "cannot read a surface");
    int status = 0;
    const SurfaceRect whole{0, 0, native->w, native->h};
    for (const SurfaceRect& patch : fresh ? std::span(&whole, 1) : changed.Rects()) {
      const SDL_Rect r = ToSdl(patch);
      const auto* first = static_cast<const Uint8*>(native->pixels) + r.y * native->pitch + r.x * 4;
      status = status != 0 ? status
                           : SDL_UpdateTexture(it->second.texture.get(), &r, first, native->pitch);
    }
    SDL_UnlockSurface(native);
    detail::CheckSdl(status, kSource, "cannot update the screen texture");
  }
  it->second.lastUsedFrame = impl_->frame;
  // Only the part asked for is drawn: a full-screen match's surface is
  // mostly black border, which clearing the frame has drawn already, and a
  // software renderer pays for every pixel it copies.
  const SurfaceRect shown = part.IsWhole() ? SurfaceRect{0, 0, native->w, native->h} : part;
  const SDL_Rect from = ToSdl(shown);
  const SDL_Rect to = impl_->OnScreen(shown);
  SDL_RenderCopy(impl_->renderer, it->second.texture.get(), &from, &to);
}

}  // namespace rallix
