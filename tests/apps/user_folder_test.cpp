// Where --user-folder keeps the files, by the base-directory rules.

#include "apps/user_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace rallix {
namespace {

struct FolderCase {
  const char* name;
  std::map<std::string, std::string> environment;
  std::optional<std::filesystem::path> expected;
};

class UserFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(UserFolderTest, FollowsTheBaseDirectoryRules) {
  const FolderCase& c = GetParam();
  const auto folder = UserFolder([&c](const char* name) -> std::optional<std::string> {
    const auto it = c.environment.find(name);
    return it != c.environment.end() ? std::optional<std::string>(it->second) : std::nullopt;
  });
  EXPECT_EQ(folder, c.expected);
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

}  // namespace
}  // namespace rallix
