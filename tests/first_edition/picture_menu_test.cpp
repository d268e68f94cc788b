#include <gtest/gtest.h>

#include "art/artwork.h"
#include "first_edition/first_edition.h"
#include "platform/files/picture_file.h"
#include "tests/support/screen_test_support.h"

namespace rallix {
namespace {

using testing::ClickOn;
using testing::FindLabel;
using testing::HeadlessRuntime;
using testing::ScratchFolder;

class PictureMenu : public ::testing::Test {
 protected:
  ScratchFolder folder;
  HeadlessRuntime headless;
  FirstEdition game{headless.Runtime()};

  void SetUp() override { headless.Runtime().Start(game.StartupForm()); }
};

struct BallChoice {
  const char* image;
  const Picture& (*picture)();
  int size;
};

class PictureMenuBall : public PictureMenu, public ::testing::WithParamInterface<BallChoice> {};

TEST_P(PictureMenuBall, ClickWritesTheBallAtItsOwnSizeAndOpensTheWaitScreen) {
  const BallChoice& choice = GetParam();
  ClickOn(game.menu, choice.image);
  headless.Runtime().RunFrame();

  ASSERT_TRUE(std::filesystem::exists("cball.bmp"));
  const Picture written = LoadPicture("cball.bmp");
  EXPECT_EQ(written.width, choice.size);
  EXPECT_EQ(written.height, choice.size);
  EXPECT_TRUE(written.pixels == choice.picture().pixels) << "cball.bmp is not the clicked ball";
  EXPECT_EQ(headless.Runtime().TopForm(), &game.wait);
  EXPECT_FALSE(game.menu.IsLoaded());
  EXPECT_EQ(headless.Runtime().StackDepth(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryBall, PictureMenuBall,
                         ::testing::Values(BallChoice{"Image1", art::BluePlasticBall, 40},
                                           BallChoice{"Image2", art::GreenRubberBall, 40},
                                           BallChoice{"Image3", art::MysteryBall, 40},
                                           BallChoice{"Image4", art::SpecialBall, 95},
                                           BallChoice{"Image5", art::GoldBall, 95}),
                         [](const auto& info) { return std::string(info.param.image); });

TEST_F(PictureMenu, LabelsOtherThanExitDoNothing) {
  for (const char* label :
       {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7", "Label8", "Label9"}) {
    ClickOn(game.menu, label);
    ASSERT_TRUE(headless.Runtime().RunFrame()) << label << " ended the program";
    EXPECT_EQ(headless.Runtime().TopForm(), &game.menu) << label;
    EXPECT_FALSE(std::filesystem::exists("cball.bmp")) << label;
  }
}

TEST_F(PictureMenu, ExitEndsTheProgram) {
  ClickOn(game.menu, "Label6");
  EXPECT_FALSE(headless.Runtime().RunFrame());
  EXPECT_TRUE(headless.Runtime().Ended());
}

TEST_F(PictureMenu, ClosingTheWindowEndsTheProgram) {
  InjectQuit();
  EXPECT_FALSE(headless.Runtime().RunFrame());
  EXPECT_TRUE(headless.Runtime().Ended());
}

TEST_F(PictureMenu, TitleStartsRedAndBlinksEvery400Milliseconds) {
  const Label& title = FindLabel(game.menu, "Label8");
  EXPECT_EQ(title.caption, "Rallix");
  EXPECT_EQ(title.foreColor, kRed);
  headless.RunForMs(380);
  EXPECT_EQ(title.foreColor, kRed) << "blinked early";
  headless.RunForMs(20);
  EXPECT_EQ(title.foreColor, kBlack);
  headless.RunForMs(400);
  EXPECT_EQ(title.foreColor, kRed);
}

TEST_F(PictureMenu, DrawsTheBallsAndTheTitleOnBlack) {
  headless.Runtime().RunFrame();
  const Picture frame = headless.Runtime().Snapshot();
  const SurfaceRect blueBox = testing::FindControl(game.menu, "Image1")->bounds;
  const Rgb middle =
      frame.At((blueBox.left + blueBox.right) / 2, (blueBox.top + blueBox.bottom) / 2);
  EXPECT_GT(middle.b, middle.r + 40) << "the blue ball is not drawn";
  EXPECT_EQ(frame.At(frame.width - 2, frame.height - 2), kBlack);
  // Somewhere in the title's box the red text shows.
  const SurfaceRect titleBox = testing::FindControl(game.menu, "Label8")->bounds;
  int red = 0;
  for (int y = titleBox.top; y < titleBox.bottom; ++y) {
    for (int x = titleBox.left; x < titleBox.right; ++x) {
      red += frame.At(x, y).r > 200 && frame.At(x, y).g < 60 ? 1 : 0;
    }
  }
  EXPECT_GT(red, 200);
}

}  // namespace
}  // namespace rallix
