#pragma once
// The ball chooser both settings screens carry inside a frame: five pictures
// with captions; clicking one frames it and makes it the next match's ball.
// The screen keeps the choice (SelectedBall) from one visit to the next.

#include <array>
#include <functional>

#include "platform/forms/image.h"
#include "platform/forms/label.h"

namespace rallix {

class BallChooser {
 public:
  // `frame` is the frame's place on the form; the pictures sit inside it.
  BallChooser(ControlList& list, const SurfaceRect& frame);

  // ImgBall_Click(Index): called with the clicked picture's index.
  void OnClick(std::function<void(int)> handler);
  // Frames one picture and takes the frame off the others.
  void Mark(int index);
  // The picture of ImgBall(SelectedBall - 1), or of ImgBall(0) when nothing
  // was ever chosen (SelectedBall 0).
  const Picture& BallFor(int selectedBall) const;

  Label Label4;
  Label Label5;
  Label Label6;
  Label Label7;
  Label Label8;
  Label Label9;
  Image ImgBall0;
  Image ImgBall1;
  Image ImgBall2;
  Image ImgBall3;
  Image ImgBall4;
  Image Image6;
  std::array<Image*, 5> ImgBall;
};

}  // namespace rallix
