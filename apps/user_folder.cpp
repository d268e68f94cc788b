#include "apps/user_folder.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "settings/first_edition_settings.h"
#include "settings/full_game_settings.h"

namespace rallix {
namespace {

// Which program writes which settings file. The picture files are not here:
// the screens write them afresh before every match.
struct SettingsFileOwner {
  std::string_view program;
  const char* file;
};

constexpr std::array kSettingsFileOwners{
    SettingsFileOwner{"rallix", kSinglePlayerSettingsFile},
    SettingsFileOwner{"rallix", kTwoPlayerSettingsFile},
    SettingsFileOwner{"rallix-one", kFirstEditionSettingsFile},
};

std::optional<std::filesystem::path> AbsoluteFrom(const std::optional<std::string>& value) {
  if (!value || value->empty() || !std::filesystem::path(*value).is_absolute()) {
    return std::nullopt;
  }
  return std::filesystem::path(*value);
}

// The game's data folder, which holds each program's user folder and once held
// the files of both.
std::optional<std::filesystem::path> DataFolder(const EnvironmentReader& environment) {
  if (const auto dataHome = AbsoluteFrom(environment("XDG_DATA_HOME"))) {
    return *dataHome / "rallix";
  }
  if (const auto home = AbsoluteFrom(environment("HOME"))) {
    return *home / ".local" / "share" / "rallix";
  }
  return std::nullopt;
}

// Whether anything at all, even a dangling link, has the name `path`.
bool Taken(const std::filesystem::path& path) {
  struct stat seen {};
  if (::lstat(path.c_str(), &seen) == 0) {
    return true;
  }
  if (errno != ENOENT) {
    throw std::system_error(errno, std::generic_category(), "cannot look at " + path.string());
  }
  return false;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

std::optional<std::filesystem::path> UserFolder(std::string_view program,
                                                const EnvironmentReader& environment) {
  if (const auto data = DataFolder(environment)) {
    return *data / program;
  }
  return std::nullopt;
}

void EnterUserFolder(std::string_view program) {
  const std::optional<std::filesystem::path> folder = UserFolder(program, ProcessEnvironment);
  if (!folder) {
    throw std::runtime_error("--user-folder needs HOME or XDG_DATA_HOME set to an absolute path");
  }
  std::error_code ec;
  std::filesystem::create_directories(*folder, ec);
  if (!ec) {
    std::filesystem::current_path(*folder, ec);
  }
  if (ec) {
    throw std::runtime_error("cannot use the folder " + folder->string() + ": " + ec.message());
  }
}

void MoveOwnSettingsFiles(std::string_view program, const EnvironmentReader& environment) {
  const std::optional<std::filesystem::path> own = UserFolder(program, environment);
  if (!own) {
    return;
  }
  for (const SettingsFileOwner& owner : kSettingsFileOwners) {
    const std::filesystem::path from = own->parent_path() / owner.file;
    const std::filesystem::path to = *own / owner.file;
    if (owner.program != program || Taken(to)) {
      continue;
    }
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
      throw std::system_error(ec, "cannot move " + from.string() + " to " + to.string());
    }
  }
}

}  // namespace rallix
