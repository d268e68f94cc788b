#include "frontend/ball_chooser.h"

#include "art/artwork.h"
#include "art/catalogue.h"
#include "platform/forms/frame.h"

namespace rallix {
namespace {

const FontChoice kCaptionFont{"Comic Sans MS", 9.75, true};
constexpr int kBallTwips = 600;

LabelDesign Caption(const char* text, TextAlign align = TextAlign::Centre) {
  return LabelDesign{text, kCaptionFont, kRed, align};
}

ImageDesign Ball(const Picture& picture, bool visible = true) {
  return ImageDesign{&picture, /*stretch=*/true, ImageBorder::None, visible};
}

// ImgBall(index) shows the index-th of the balls a player can pick.
ImageDesign Ball(std::size_t index) {
  return Ball(art::Balls()[index].picture());
}

}  // namespace

BallChooser::BallChooser(ControlList& list, const SurfaceRect& frame)
    : Label4(list, "Label4", InFrame(frame, 240, 480, 735, 615), Caption("Blue Plastic")),
      Label5(list, "Label5", InFrame(frame, 1320, 480, 735, 615), Caption("Green Rubber")),
      Label6(list, "Label6", InFrame(frame, 2400, 600, 735, 255),
             Caption("Unknow", TextAlign::Left)),
      Label7(list, "Label7", InFrame(frame, 240, 2040, 735, 255), Caption("Gold")),
      Label8(list, "Label8", InFrame(frame, 1320, 2040, 735, 255), Caption("Special")),
      Label9(list, "Label9", InFrame(frame, 2400, 2040, 735, 255), Caption("Plastic")),
      ImgBall0(list, "ImgBall(0)", InFrame(frame, 240, 1080, kBallTwips, kBallTwips), Ball(0)),
      ImgBall1(list, "ImgBall(1)", InFrame(frame, 1320, 1080, kBallTwips, kBallTwips), Ball(1)),
      ImgBall2(list, "ImgBall(2)", InFrame(frame, 2400, 1080, kBallTwips, kBallTwips), Ball(2)),
      ImgBall3(list, "ImgBall(3)", InFrame(frame, 240, 2400, kBallTwips, kBallTwips), Ball(3)),
      ImgBall4(list, "ImgBall(4)", InFrame(frame, 1320, 2400, kBallTwips, kBallTwips), Ball(4)),
      Image6(list, "Image6", InFrame(frame, 2400, 2400, kBallTwips, kBallTwips),
             Ball(art::BluePlasticBall(), /*visible=*/false)),
      ImgBall{&ImgBall0, &ImgBall1, &ImgBall2, &ImgBall3, &ImgBall4} {
  // A sixth slot that was never finished: its caption is not shown either.
  Label9.visible = false;
}

void BallChooser::OnClick(std::function<void(int)> handler) {
  for (int i = 0; i < static_cast<int>(ImgBall.size()); ++i) {
    ImgBall[i]->onClick = [handler, i] { handler(i); };
  }
}

void BallChooser::Mark(int index) {
  for (Image* ball : ImgBall) {
    ball->border = ImageBorder::None;
  }
  ImgBall.at(static_cast<std::size_t>(index))->border = ImageBorder::FixedSingle;
}

const Picture& BallChooser::BallFor(int selectedBall) const {
  const int index = selectedBall > 0 ? selectedBall - 1 : 0;
  return *ImgBall.at(static_cast<std::size_t>(index))->picture;
}

}  // namespace rallix
