#include <gtest/gtest.h>

#include <algorithm>
#include <array>

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

// Rows of the title's box, in screen pixels, where its red text shows.
int TitleHeight(const Picture& frame, const SurfaceRect& box, int scale) {
  int top = box.bottom * scale;
  int bottom = box.top * scale;
  for (int y = box.top * scale; y < box.bottom * scale; ++y) {
    for (int x = box.left * scale; x < box.right * scale; ++x) {
      if (frame.At(x, y).r > 128 && frame.At(x, y).g < 60) {
        top = std::min(top, y);
        bottom = std::max(bottom, y + 1);
      }
    }
  }
  return bottom - top;
}

// On a desktop at twice the scale the menu is drawn twice the size, the text
// rendered at that size, and a click lands where the player sees the ball.
TEST(PictureMenuAtScale, TitleTwiceAsTallAndClicksFindTheBall) {
  ScratchFolder folder;
  std::array<int, 2> heights{};
  for (const int scale : {1, 2}) {
    HeadlessRuntime headless(scale);
    FirstEdition game{headless.Runtime()};
    headless.Runtime().Start(game.StartupForm());
    headless.Runtime().RunFrame();
    const SurfaceRect titleBox = testing::FindControl(game.menu, "Label8")->bounds;
    heights[scale - 1] = TitleHeight(headless.Runtime().Snapshot(), titleBox, scale);

    const SurfaceRect gold = testing::FindControl(game.menu, "Image5")->bounds;
    InjectClick((gold.left + gold.right) * scale / 2, (gold.top + gold.bottom) * scale / 2);
    headless.Runtime().RunFrame();
    EXPECT_EQ(headless.Runtime().TopForm(), &game.wait) << "scale " << scale;
    EXPECT_EQ(LoadPicture("cball.bmp").width, art::GoldBall().width) << "scale " << scale;
  }
  EXPECT_GT(heights[0], 20);
  EXPECT_NEAR(heights[1], 2 * heights[0], 1);
}

}  // namespace
}  // namespace rallix
