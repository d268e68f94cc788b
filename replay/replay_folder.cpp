#include "replay/replay_folder.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <system_error>

#include "platform/files/whole_file.h"
#include "replay/replay_text.h"

namespace rallix {
namespace {

// More replays than any number of games could save in one second.
constexpr int kMostSavesASecond = 1000;

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
  std::error_code made;
  std::filesystem::create_directories(folder_, made);
  std::error_code looked;
  if (!std::filesystem::is_directory(folder_, looked)) {
    const std::error_code& why = made ? made : looked;
    throw ReplayError(folder_.string() + ": cannot make a folder there" +
                      (why ? " (" + why.message() + ")" : ""));
  }
  // Better to learn now than after the first match that nothing can be kept.
  const std::filesystem::path probe =
      folder_ / (".rallix-write-check-" + std::to_string(::getpid()));
  if (const int failure = ReplaceFileWhole(probe, ""); failure != 0) {
    throw ReplayError(folder_.string() + ": cannot write there (" + Reason(failure) + ")");
  }
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
}

std::filesystem::path ReplayFolder::Save(const Replay& replay) const {
  const std::string stem =
      program_ + "-" + TimeStamp() + "-" + std::string(MatchKindName(replay.settings));
  const std::string text = FormatReplay(replay);
  // Another game saving into this folder in the same second takes the next
  // free name; a name is never taken from a file that already has it.
  for (int copy = 1; copy <= kMostSavesASecond; ++copy) {
    const std::filesystem::path file =
        folder_ / (stem + (copy == 1 ? "" : "-" + std::to_string(copy)) + ".replay");
    const int failure = CreateFileWhole(file, text);
    if (failure == 0) {
      return file;
    }
    if (failure != EEXIST) {
      throw ReplayError("cannot write the replay " + file.string() + ": " + Reason(failure));
    }
  }
  throw ReplayError("cannot write the replay " + (folder_ / stem).string() +
                    ": every name for this second is taken");
}

}  // namespace rallix
