#pragma once
// Helpers shared by the file tests: a scratch folder that cleans itself up, whole-file byte
// access, the run-time error an action raises, and a file-size limit that makes writes fail
// part way through even for root.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"

namespace rallix::testing {

// A fresh, uniquely named folder under the system's temporary folder, removed with all it
// holds when the test ends.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    static int sequence = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("rallix-") + (test ? test->name() : "test") + "-" +
                       std::to_string(::getpid()) + "-" + std::to_string(sequence++);
    // Parameterised test names hold a "/", which must not become a folder of its own.
    std::replace(name.begin(), name.end(), '/', '-');
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  // The names of everything in the folder, to show that no temporary file was left behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The RuntimeError the action raised, or nothing (with a test failure) when it raised none.
template <typename Action>
std::optional<RuntimeError> CaughtRuntimeError(Action&& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error;
  }
  ADD_FAILURE() << "expected a RuntimeError, none was raised";
  return std::nullopt;
}

// Caps the size of any file this process writes, as a full disk would, for as long as it is
// in scope. Works for root, unlike a read-only folder. SIGXFSZ is ignored so that the write
// fails with EFBIG instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    applied_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  bool Applied() const { return applied_; }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = SIG_DFL;
  bool applied_ = false;
};

}  // namespace rallix::testing
