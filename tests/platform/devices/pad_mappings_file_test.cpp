// SDL is left a pad mappings file only when it can read it whole and be done:
// never a FIFO, which would hold the match start for ever.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "platform/devices/pad_mappings_file.h"
#include "platform/forms/runtime.h"
#include "tests/platform/files/file_test_support.h"

namespace rallix {
namespace {

using testing::TemporaryFolder;

void Sized(const std::filesystem::path& path, std::uintmax_t bytes) {
  testing::WriteBytes(path, "");
  std::filesystem::resize_file(path, bytes);  // sparse: takes no disk
}

TEST(PadMappingsFile, OnlyARegularFileOfAMappingsFilesSizeIsLeftToSdl) {
  const struct {
    std::string name;
    std::function<void(const std::filesystem::path&)> make;
    std::string refusal;  // empty: SDL may read it
  } cases[] = {
      {"the largest allowed", [](const auto& p) { Sized(p, kLargestMappingsFileBytes); }, ""},
      {"a byte larger", [](const auto& p) { Sized(p, kLargestMappingsFileBytes + 1); },
       "larger than 8 MB"},
      {"a FIFO", [](const auto& p) { ::mkfifo(p.c_str(), 0600); }, "not a regular file"},
      {"a folder", [](const auto& p) { std::filesystem::create_directory(p); },
       "not a regular file"},
      {"missing", [](const auto&) {}, "No such file or directory"},
  };
  for (const auto& c : cases) {
    TemporaryFolder folder;
    c.make(folder / "mappings.txt");
    EXPECT_EQ(MappingsFileRefusal(folder / "mappings.txt").value_or(""), c.refusal) << c.name;
  }
}

TEST(PadMappingsFile, AFifoInTheVariableIsSaidAndNoLongerHoldsTheJoystickListUp) {
  TemporaryFolder folder;
  const auto fifo = folder / "mappings.fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ::setenv("SDL_GAMECONTROLLERCONFIG_FILE", fifo.c_str(), /*overwrite=*/1);
  ::testing::internal::CaptureStderr();
  FormsRuntime runtime(RuntimeOptions{.headless = true, .program = "pad-test"});
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "pad-test: ignoring SDL_GAMECONTROLLERCONFIG_FILE=" + fifo.string() +
                ": not a regular file\n");

  // Listed in a child of its own, which a FIFO still read would hold past the
  // alarm: ample on a busy machine, as listing takes milliseconds.
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(10);
    runtime.Devices().ListJoysticks();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the joystick list still waits on the FIFO";
  ::unsetenv("SDL_GAMECONTROLLERCONFIG_FILE");
}

}  // namespace
}  // namespace rallix
