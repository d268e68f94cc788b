#include <gtest/gtest.h>

#include "tests/frontend/full_game_test_support.h"

namespace rallix {
namespace {

using testing::ClickOn;
using testing::FindLabel;

class SplashAndMenu : public testing::FullGameScreens {
 protected:
  void SetUp() override { Runtime().Start(game.StartupForm()); }
};

TEST_F(SplashAndMenu, TheMenuComesAfterOneSecondAndOnlyOnce) {
  EXPECT_EQ(Top(), &game.splash);
  const auto took = headless.RunUntil([&] { return Top() == &game.menu; }, 2000);
  ASSERT_TRUE(took.has_value());
  EXPECT_GE(*took, 1000.0);
  EXPECT_LT(*took, 1000.0 + 17);
  headless.RunForMs(3000);
  EXPECT_EQ(Top(), &game.menu);
  // The splash stays underneath; nothing opened a second menu.
  EXPECT_EQ(Runtime().StackDepth(), 2u);
  EXPECT_TRUE(game.splash.IsLoaded());
}

TEST_F(SplashAndMenu, TitleBlinksEvery400Milliseconds) {
  ASSERT_TRUE(WaitFor(game.menu, 1100));
  const Label& title = FindLabel(game.menu, "Label8");
  EXPECT_EQ(title.foreColor, kRed);
  headless.RunForMs(405);
  EXPECT_EQ(title.foreColor, kBlack);
  headless.RunForMs(400);
  EXPECT_EQ(title.foreColor, kRed);
}

TEST_F(SplashAndMenu, EntriesKeepTheirExactSpacing) {
  ASSERT_TRUE(WaitFor(game.menu, 1100));
  EXPECT_EQ(FindLabel(game.menu, "Label1").caption, "Single Play    You  vs.  The AI");
  EXPECT_EQ(FindLabel(game.menu, "Label2").caption, "Multiplayer    You vs Someone");
  EXPECT_EQ(FindLabel(game.menu, "Label3").caption, "Multiplayer    Internet, lan or Modem");
  EXPECT_EQ(FindLabel(game.menu, "Label4").caption, "Single Play    Block Attack");
  EXPECT_EQ(FindLabel(game.menu, "Label5").caption, "EXIT");
}

TEST_F(SplashAndMenu, EntriesThatDoNothingDoNothing) {
  ASSERT_TRUE(WaitFor(game.menu, 1100));
  for (const char* name : {"Label4", "Label8", "Label9", "Image1", "Image2"}) {
    Click(game.menu, name);
    EXPECT_EQ(Top(), &game.menu) << name;
    EXPECT_FALSE(Runtime().Ended()) << name;
  }
}

struct MenuChoice {
  const char* label;
  const char* screen;
};

class MenuEntries : public SplashAndMenu, public ::testing::WithParamInterface<MenuChoice> {};

TEST_P(MenuEntries, OpenTheirSettingsScreenInPlaceOfTheMenu) {
  ASSERT_TRUE(WaitFor(game.menu, 1100));
  Click(game.menu, GetParam().label);
  const Form* expected = std::string(GetParam().screen) == "sp"
                             ? static_cast<const Form*>(&game.configSp)
                             : static_cast<const Form*>(&game.configMp);
  EXPECT_EQ(Top(), expected);
  EXPECT_FALSE(game.menu.IsLoaded());
  EXPECT_EQ(Runtime().StackDepth(), 2u);
  // CANCEL comes back to a fresh menu, title red.
  Click(*expected, "Command2");
  EXPECT_EQ(Top(), &game.menu);
  EXPECT_EQ(FindLabel(game.menu, "Label8").foreColor, kRed);
}

INSTANTIATE_TEST_SUITE_P(Both, MenuEntries,
                         ::testing::Values(MenuChoice{"Label1", "sp"}, MenuChoice{"Label2", "mp"}),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST_F(SplashAndMenu, ExitEndsTheProgramFromTheMenu) {
  ASSERT_TRUE(WaitFor(game.menu, 1100));
  ClickOn(game.menu, "Label5");
  EXPECT_FALSE(Runtime().RunFrame());
  EXPECT_TRUE(Runtime().Ended());
}

TEST_F(SplashAndMenu, ClosingTheMenuWindowLeavesTheSplashAndClosingThatEnds) {
  ASSERT_TRUE(WaitFor(game.menu, 1100));
  InjectQuit();
  Runtime().RunFrame();
  EXPECT_EQ(Top(), &game.splash);
  headless.RunForMs(2000);
  EXPECT_EQ(Top(), &game.splash) << "the splash opened the menu again";
  InjectQuit();
  EXPECT_FALSE(Runtime().RunFrame());
}

}  // namespace
}  // namespace rallix
