#include <gtest/gtest.h>

#include <array>
#include <map>
#include <regex>

#include "art/artwork.h"
#include "first_edition/first_edition.h"
#include "platform/files/picture_file.h"
#include "tests/support/screen_test_support.h"

namespace rallix {
namespace {

using testing::FindLabel;
using testing::HeadlessRuntime;
using testing::ReadWholeFile;
using testing::ScratchFolder;

class WaitScreen : public ::testing::Test {
 protected:
  ScratchFolder folder;
  HeadlessRuntime headless;
  FirstEdition game{headless.Runtime()};

  void SetUp() override {
    // The menu has written the ball before the wait screen opens.
    SavePicture(art::BluePlasticBall(), "cball.bmp");
    headless.Runtime().Start(game.wait);
  }
};

TEST_F(WaitScreen, WritesThreeSettingsLinesInRangeThatTheLabelShows) {
  const std::string text = ReadWholeFile("config.dat");
  std::smatch m;
  ASSERT_TRUE(std::regex_match(text, m, std::regex("(\\d+)\r\n(\\d+)\r\n(\\d+)\r\n")))
      << "config.dat holds: " << text;
  const int column = std::stoi(m[1]);
  const int ballSpeed = std::stoi(m[2]);
  const int aiSpeed = std::stoi(m[3]);
  EXPECT_GE(column, 0);
  EXPECT_LE(column, 759);
  EXPECT_GE(ballSpeed, 2);
  EXPECT_LE(ballSpeed, 6);
  EXPECT_GE(aiSpeed, 4);
  EXPECT_LE(aiSpeed, 11);
  EXPECT_EQ(FindLabel(game.wait, "Label2").caption,
            "Configuration:\r\nBall Speed: " + std::to_string(ballSpeed) +
                "\r\nAI Speed: " + std::to_string(aiSpeed));
}

TEST_F(WaitScreen, WritesTheFiveMatchPicturesAtTheirSizes) {
  const std::array<std::pair<const char*, const Picture&>, 5> expected{{
      {"pal1.bmp", art::LightPaddle()},
      {"pal2.bmp", art::DarkPaddle()},
      {"bg.bmp", art::FieldBackground()},
      {"yw.bmp", art::WinBanner()},
      {"yl.bmp", art::LossBanner()},
  }};
  for (const auto& [file, picture] : expected) {
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    const Picture written = LoadPicture(file);
    EXPECT_EQ(written.width, picture.width) << file;
    EXPECT_EQ(written.height, picture.height) << file;
    EXPECT_TRUE(written.pixels == picture.pixels) << file << " differs from its artwork";
  }
}

TEST_F(WaitScreen, IsANormalWindowOfItsDesignSize) {
  headless.Runtime().RunFrame();
  EXPECT_EQ(headless.Runtime().Window().Width(), 473);
  EXPECT_EQ(headless.Runtime().Window().Height(), 322);
}

TEST_F(WaitScreen, LoadingLabelBlinksEvery300Milliseconds) {
  const Label& loading = FindLabel(game.wait, "Label1");
  EXPECT_EQ(loading.caption, "WAIT... LOADING");
  EXPECT_EQ(loading.foreColor, kRed);
  headless.RunForMs(305);
  EXPECT_EQ(loading.foreColor, kBlack);
  headless.RunForMs(300);
  EXPECT_EQ(loading.foreColor, kRed);
}

TEST_F(WaitScreen, OpensTheMatchAfterTwoSecondsWhichTakesThePicturesAway) {
  const auto took =
      headless.RunUntil([&] { return headless.Runtime().TopForm() == &game.match; }, 3000);
  ASSERT_TRUE(took.has_value()) << "the match never opened";
  EXPECT_GE(*took, 2000.0);
  EXPECT_LT(*took, 2000.0 + 2 * 16.7);
  EXPECT_FALSE(game.wait.IsLoaded());
  for (const char* file : {"pal1.bmp", "pal2.bmp", "bg.bmp", "yw.bmp", "yl.bmp", "cball.bmp"}) {
    EXPECT_FALSE(std::filesystem::exists(file)) << file << " was left behind";
  }
  EXPECT_TRUE(std::filesystem::exists("config.dat"));
  EXPECT_EQ(headless.Runtime().StackDepth(), 1u);
}

TEST(FirstEditionSettingsDraw, StaysInRangeWithTheSlowDrawsRaised) {
  RandomGenerator random(12345);
  std::map<int, int> ballSpeeds;
  std::map<int, int> aiSpeeds;
  constexpr int kDraws = 70000;
  for (int i = 0; i < kDraws; ++i) {
    const FirstEditionSettings s = DrawFirstEditionSettings(random);
    ASSERT_GE(s.startColumn, 0);
    ASSERT_LE(s.startColumn, 759);
    ++ballSpeeds[s.ballSpeed];
    ++aiSpeeds[s.aiSpeed];
  }
  // Ball speed: 2, 3 and 6 one in seven; 4 and 5 two in seven. Computer: 4
  // five in twelve, 5 to 11 one in twelve each.
  const std::map<int, double> ballShare{
      {2, 1.0 / 7}, {3, 1.0 / 7}, {4, 2.0 / 7}, {5, 2.0 / 7}, {6, 1.0 / 7}};
  EXPECT_EQ(ballSpeeds.size(), ballShare.size());
  for (const auto& [speed, share] : ballShare) {
    EXPECT_NEAR(ballSpeeds[speed] / double(kDraws), share, 0.01) << "ball speed " << speed;
  }
  EXPECT_EQ(aiSpeeds.size(), 8u);
  EXPECT_NEAR(aiSpeeds[4] / double(kDraws), 5.0 / 12, 0.01);
  for (int speed = 5; speed <= 11; ++speed) {
    EXPECT_NEAR(aiSpeeds[speed] / double(kDraws), 1.0 / 12, 0.01) << "computer speed " << speed;
  }
}

TEST(FirstEditionSettingsDraw, EachVisitDrawsAfresh) {
  ScratchFolder folder;
  HeadlessRuntime headless;
  FirstEdition game{headless.Runtime()};
  SavePicture(art::BluePlasticBall(), "cball.bmp");
  headless.Runtime().Start(game.wait);
  const std::string first = ReadWholeFile("config.dat");
  game.wait.Unload();
  game.wait.Show();
  headless.Runtime().RunFrame();
  EXPECT_NE(ReadWholeFile("config.dat"), first);
}

}  // namespace
}  // namespace rallix
