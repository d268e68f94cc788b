// Where --user-folder keeps the files, by the base-directory rules, and how a
// program's settings files come over from the folder both programs once shared.

#include "apps/user_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

EnvironmentReader ReaderOf(std::map<std::string, std::string> environment) {
  return [environment = std::move(environment)](const char* name) -> std::optional<std::string> {
    const auto it = environment.find(name);
    return it != environment.end() ? std::optional<std::string>(it->second) : std::nullopt;
  };
}

struct FolderCase {
  const char* name;
  std::map<std::string, std::string> environment;
  // The folder that holds each program's own.
  std::optional<std::filesystem::path> expected;
};

class UserFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(UserFolderTest, FollowsTheBaseDirectoryRules) {
  const FolderCase& c = GetParam();
  for (const char* program : {"rallix", "rallix-one"}) {
    EXPECT_EQ(UserFolder(program, ReaderOf(c.environment)),
              c.expected ? std::optional(*c.expected / program) : std::nullopt);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserFolderTest,
    ::testing::Values(
        FolderCase{"DataHomeSet", {{"XDG_DATA_HOME", "/d"}, {"HOME", "/h"}}, "/d/rallix"},
        FolderCase{"DataHomeUnset", {{"HOME", "/h"}}, "/h/.local/share/rallix"},
        FolderCase{
            "DataHomeEmpty", {{"XDG_DATA_HOME", ""}, {"HOME", "/h"}}, "/h/.local/share/rallix"},
        FolderCase{
            "DataHomeRelative", {{"XDG_DATA_HOME", "d"}, {"HOME", "/h"}}, "/h/.local/share/rallix"},
        FolderCase{"NeitherUsable", {{"HOME", "h"}}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

using Files = std::map<std::string, std::string>;

Files FilesIn(const std::filesystem::path& folder) {
  Files files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[entry.path().filename().string()] = testing::ReadBytes(entry.path());
    }
  }
  return files;
}

struct MoveCase {
  const char* name;
  const char* program;
  std::set<std::string> shared;  // in $XDG_DATA_HOME/rallix before the start
  std::set<std::string> own;     // in the program's folder before the start
  std::set<std::string> moved;
};

class OwnSettingsMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(OwnSettingsMoveTest, MovesWhatTheProgramOwnsAndNeverOverwrites) {
  const MoveCase& c = GetParam();
  testing::TemporaryFolder data;
  const std::filesystem::path shared = data / "rallix";
  std::filesystem::create_directories(shared / c.program);
  Files sharedAfter, ownAfter;
  for (const std::string& name : c.shared) {
    testing::WriteBytes(shared / name, "earlier");
    (c.moved.contains(name) ? ownAfter : sharedAfter)[name] = "earlier";
  }
  for (const std::string& name : c.own) {
    testing::WriteBytes(shared / c.program / name, "own");
    ownAfter[name] = "own";
  }
  MoveOwnSettingsFiles(c.program, ReaderOf({{"XDG_DATA_HOME", data.Path().string()}}));
  EXPECT_EQ(FilesIn(shared), sharedAfter);
  EXPECT_EQ(FilesIn(shared / c.program), ownAfter);
}

INSTANTIATE_TEST_SUITE_P(
    FirstStarts, OwnSettingsMoveTest,
    ::testing::Values(
        MoveCase{"FullGame",
                 "rallix",
                 {"config1.cfg", "mp1.cfg", "config.dat", "bg.bmp"},
                 {},
                 {"config1.cfg", "mp1.cfg"}},
        MoveCase{"FirstEdition", "rallix-one", {"config1.cfg", "config.dat"}, {}, {"config.dat"}},
        // mp1.cfg is missing, and config1.cfg is in the program's folder already.
        MoveCase{"KeepsWhatIsThere", "rallix", {"config1.cfg"}, {"config1.cfg"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rallix
