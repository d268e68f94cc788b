#include "replay/replay_folder.h"

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <system_error>

#include "platform/files/whole_file.h"
#include "replay/replay_text.h"

namespace rallix {
namespace {

std::string Reason(int errorNumber) {
  return std::generic_category().message(errorNumber);
}

// The local time as 20261208-013055, so the files sort by when they were played.
std::string TimeStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return std::string(text, length);
}

}  // namespace

ReplayFolder::ReplayFolder(std::filesystem::path folder, std::string program)
    : folder_(std::move(folder)), program_(std::move(program)) {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (!std::filesystem::is_directory(folder_)) {
    throw ReplayError(folder_.string() + ": cannot make a folder there" +
                      (error ? " (" + error.message() + ")" : ""));
  }
  // Better to learn now than after the first match that nothing can be kept.
  const std::filesystem::path probe =
      folder_ / (".rallix-write-check-" + std::to_string(::getpid()));
  if (const int failure = ReplaceFileWhole(probe, ""); failure != 0) {
    throw ReplayError(folder_.string() + ": cannot write there (" + Reason(failure) + ")");
  }
  std::filesystem::remove(probe, error);
}

std::filesystem::path ReplayFolder::FreeName(const Replay& replay) const {
  const std::string stem =
      program_ + "-" + TimeStamp() + "-" + std::string(MatchKindName(replay.settings));
  std::filesystem::path name = folder_ / (stem + ".replay");
  for (int copy = 2; std::filesystem::exists(name); ++copy) {
    name = folder_ / (stem + "-" + std::to_string(copy) + ".replay");
  }
  return name;
}

std::filesystem::path ReplayFolder::Save(const Replay& replay) {
  const std::filesystem::path file = FreeName(replay);
  if (const int failure = ReplaceFileWhole(file, FormatReplay(replay)); failure != 0) {
    throw ReplayError("cannot write the replay " + file.string() + ": " + Reason(failure));
  }
  return file;
}

}  // namespace rallix
