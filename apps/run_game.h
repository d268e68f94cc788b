#pragma once
// The start-up both programs share: read the options, then play from the
// start-up form, record every match, or play one replay and say how it ended.

#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "apps/game_options.h"
#include "apps/play_folder.h"
#include "apps/start_up_warm_up.h"
#include "apps/user_folder.h"
#include "art/catalogue.h"
#include "core/errors.h"
#include "frontend/network_launch.h"
#include "match/match_form.h"
#include "platform/forms/runtime.h"
#include "replay/replay_folder.h"
#include "replay/replay_text.h"

namespace rallix {

// Plays a replay on the game's match form of its kind, and reports as the
// options describe.
template <typename Game>
int PlayReplay(std::string_view program, FormsRuntime& runtime, Game& game, const Replay& replay,
               const std::filesystem::path& file) {
  MatchForm* match = nullptr;
  for (MatchForm* candidate : game.Matches()) {
    if (candidate->TakesSettings(replay.settings)) {
      match = candidate;
    }
  }
  if (match == nullptr) {
    std::cerr << program << ": " << file.string() << " is a replay of a "
              << MatchKindName(replay.settings) << " match, which " << program
              << " does not play\n";
    return kUsageStatus;
  }
  try {
    match->PlayReplay(replay);
  } catch (const ReplayError& error) {
    std::cerr << program << ": " << file.string() << ": " << error.what() << "\n";
    return kUsageStatus;
  }
  if (const int status = RunProgram(runtime, *match); status != 0) {
    return status;
  }
  if (!match->ReplayPlayedOut()) {
    // The player stopped it: Esc, or the window closed.
    std::cout << "stopped" << std::endl;
    return 0;
  }
  std::cout << OutcomeName(replay.settings, match->Outcome()) << std::endl;
  if (match->Outcome() != replay.end) {
    std::cerr << program << ": the recording says the match ended in "
              << OutcomeName(replay.settings, replay.end) << "; played back, it did not\n";
    return 1;
  }
  return 0;
}

// Where the game starts: its own start-up form, or, asked to host or join a
// network match, its network screen doing so at once.
template <typename Game>
Form& StartupFormFor(Game& game, const GameOptions& options) {
  if constexpr (requires { game.NetworkStart(NetworkLaunch{}); }) {
    if (options.hostPort) {
      return game.NetworkStart(
          NetworkLaunch{.host = true, .port = *options.hostPort, .address = {}});
    }
    if (options.joinAddress) {
      return game.NetworkStart(
          NetworkLaunch{.host = false, .port = 0, .address = *options.joinAddress});
    }
  }
  return game.StartupForm();
}

// Whether the game plays over a network.
template <typename Game>
constexpr bool PlaysOverANetwork() {
  return requires(Game & game) {
    game.NetworkStart(NetworkLaunch{});
  };
}

template <typename Game>
int RunGame(std::string_view program, int argc, char** argv) {
  GameOptions options;
  std::optional<Replay> replay;
  std::optional<ReplayFolder> recordings;
  std::optional<FolderLock> playFolder;
  try {
    options = ParseGameOptions(std::span<const char* const>(argv + 1, argc - 1));
    if (options.help) {
      PrintGameUsage(std::cout, program);
      return 0;
    }
    if (options.version) {
      PrintGameVersion(std::cout, program);
      return 0;
    }
    if ((options.hostPort || options.joinAddress) && !PlaysOverANetwork<Game>()) {
      throw UsageError(std::string(program) + " does not play over a network");
    }
    if (options.userFolder) {
      // The paths the player named stay where they were named.
      if (options.recordFolder) {
        options.recordFolder = std::filesystem::absolute(*options.recordFolder);
      }
      if (options.replayFile) {
        options.replayFile = std::filesystem::absolute(*options.replayFile);
      }
      EnterUserFolder(program);
    }
    // Both are checked before a window opens.
    if (options.replayFile) {
      replay = ReadReplayFile(*options.replayFile);
    }
    if (options.recordFolder) {
      recordings.emplace(*options.recordFolder, std::string(program));
    }
    // A replay reads and writes none of the files a match is handed: it may
    // be watched beside a game played in the same folder.
    if (!options.replayFile) {
      playFolder.emplace(HoldPlayFolder(program, options.userFolder));
    }
  } catch (const FolderInUse& error) {
    return ReportFolderInUse(program, error);
  } catch (const UsageError& error) {
    std::cerr << program << ": " << error.what() << " (" << program
              << " --help lists the options)\n";
    return kUsageStatus;
  } catch (const ReplayError& error) {
    std::cerr << program << ": " << error.what() << "\n";
    return kUsageStatus;
  } catch (const std::exception& error) {
    // The user folder could not be made or entered, or no game can play in
    // the folder.
    std::cerr << program << ": " << error.what() << "\n";
    return 1;
  }

  try {
    FormsRuntime runtime(RuntimeOptions{.program = std::string(program),
                                        .besideWindowOpening = WarmUpForStartUp,
                                        .sharperPictures = art::SharperBall});
    Game game(runtime);
    if (replay) {
      return PlayReplay(program, runtime, game, *replay, *options.replayFile);
    }
    if (recordings) {
      for (MatchForm* match : game.Matches()) {
        match->RecordTo(&*recordings);
      }
    }
    return RunProgram(runtime, StartupFormFor(game, options));
  } catch (const RuntimeError& error) {
    // The runtime itself could not start (SDL refused): nothing to give back.
    // No display at all is not one of these: NoDisplayError, a plain
    // exception, says so in its own words below.
    std::cerr << program << ": run-time error " << error.Number() << " in " << error.Source()
              << ": " << error.Description() << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << program << ": " << error.what() << "\n";
    return 1;
  }
}

}  // namespace rallix
