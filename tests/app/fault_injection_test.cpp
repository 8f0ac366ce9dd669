// Saving when the machine fails: "brett.trx" (the save command), "Champions.Rhm" (a list of
// the hall of fame cleared, or a new champion entered) and the game in progress (kept after a
// move) written onto a full file system, into a read-only game directory, and by a process
// killed between writing the new file and renaming it over the old one. The player is told
// (the killed process tells nobody), and the old file stays byte for byte.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/kept_game_file.h"
#include "app_fixture.h"
#include "logic/check.h"
#include "play_fixture.h"
#include "extras/hall_of_fame.h"
#include "puzzles/file_io.h"
#include "puzzles/puzzle_file.h"
#include "support/solved_field.h"

namespace tessarix::testing {
namespace {

enum class Fault {
  FileSizeLimit,   // the write stops part-way, as on a full disk (works for every user)
  FullFileSystem,  // a tmpfs of a few KiB, filled up (needs the right to mount)
  ReadOnly,        // the game directory cannot be written
  KilledMidSave,   // the process dies after writing the temporary file, before the rename
};
enum class Target { SavedBoard, HallOfFame, KeptGame };

struct FaultCase {
  const char* name;
  Fault fault;
  Target target;
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) { return out << c.name; }

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The files a save killed before its rename leaves behind: hidden ".<name>.XXXXXX" files next
// to the game's own. The game leaves them be: another game in the same directory may be
// writing one of them right now, and none of them is ever read.
std::vector<std::string> leftoverTemporaries(const std::filesystem::path& dir,
                                             const std::string& file) {
  std::vector<std::string> found;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name.rfind("." + file + ".", 0) == 0 && name.size() == file.size() + 8)
      found.push_back(name);
  }
  return found;
}

class SaveFault : public GameDirectoryTest, public ::testing::WithParamInterface<FaultCase> {
 protected:
  void TearDown() override {
    if (mounted_) {
      std::filesystem::current_path(oldWorkingDirectory_);
      ::umount2(dir_.c_str(), MNT_DETACH);
    }
    ::chmod(dir_.c_str(), 0755);
    GameDirectoryTest::TearDown();
  }

  // A tmpfs of a few KiB over the game directory; false where the test may not mount.
  bool mountSmallFileSystem() {
    std::filesystem::current_path(oldWorkingDirectory_);
    const bool ok = ::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=160k,mode=0755") == 0;
    std::filesystem::current_path(dir_);
    mounted_ = ok;
    return ok;
  }

  // The game's files as a player has them: a level to deal from, a saved board, a hall of
  // fame with a champion on the easy level.
  void prepareFiles() {
    const GameState puzzle = puzzleFrom(solvedField(), 4);
    writeLevelFile("leicht.trx", {puzzle, puzzle, puzzle, puzzle});
    writeLevelFile(savedBoardFile, {puzzle, puzzle, puzzle, puzzle});
    HallOfFame h;
    resetHallOfFame(h);
    insertChampion(h, 0, 1, "Anna", "01.12.2026", "00:12:34.5");
    ASSERT_TRUE(saveHallOfFame(h, path(hallOfFameFile)).ok);
  }

  void startGame() {
    game_ = std::make_unique<Game>(canvas_, platform_);
    game_->startUp(menu_);
    if (GetParam().target == Target::KeptGame) game_->resumeKeptGame();
    ASSERT_TRUE(platform_.messages.empty()) << platform_.messages.front();
    if (GetParam().target != Target::HallOfFame) {
      game_->menuEvent(8);  // a new game, in the play loop
      ASSERT_EQ(game_->mode(), Game::Mode::Playing);
    }
  }

  // The save the case is about: S with slot 2, the easy list cleared in the hall of fame, or
  // F (every cell's marks set) kept as the game in progress.
  void save() {
    if (GetParam().target == Target::KeptGame) {
      game_->input().keyPressed('F');
      game_->input().keyReleased('F');
    } else if (GetParam().target == Target::SavedBoard) {
      platform_.slotAnswers = {2};
      game_->input().keyPressed('S');
      game_->input().keyReleased('S');
    } else {
      platform_.fameAnswers = {0, -1};
      game_->menuEvent(50);
    }
  }

  std::string targetFile() const {
    switch (GetParam().target) {
      case Target::SavedBoard: return savedBoardFile;
      case Target::HallOfFame: return hallOfFameFile;
      case Target::KeptGame: break;
    }
    return keptGameFile;
  }

  ScriptedPlatform platform_;
  RecordingCanvas canvas_;
  TextMenuBuilder menu_;
  std::unique_ptr<Game> game_;
  bool mounted_ = false;
};

TEST_P(SaveFault, TheOldFileStaysWholeAndThePlayerIsTold) {
  const FaultCase& c = GetParam();
  if (c.fault == Fault::FullFileSystem && !mountSmallFileSystem())
    GTEST_SKIP() << "no right to mount a small file system here";
  if (c.fault == Fault::ReadOnly && geteuid() == 0 && !mountSmallFileSystem())
    GTEST_SKIP() << "root writes into any directory, and may not mount one read-only here";
  prepareFiles();
  startGame();
  const std::string file = targetFile();
  const std::string old = bytesOf(path(file));
  ASSERT_FALSE(old.empty());
  const Position kept = Position::of(game_->state());

  switch (c.fault) {
    case Fault::FileSizeLimit: {
      struct rlimit saved {};
      ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
      auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
      struct rlimit small = saved;
      small.rlim_cur = 64;  // less than either file
      ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
      save();
      setrlimit(RLIMIT_FSIZE, &saved);
      std::signal(SIGXFSZ, oldHandler);
      break;
    }
    case Fault::FullFileSystem: {
      // Whatever room is left is taken, down to the last block.
      std::ofstream filler(path("filler"), std::ios::binary);
      const std::string block(1024, 'x');
      while (filler.write(block.data(), block.size())) filler.flush();
      filler.close();
      save();
      break;
    }
    case Fault::ReadOnly:
      if (mounted_)
        ASSERT_EQ(::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
      else
        ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
      save();
      break;
    case Fault::KilledMidSave: {
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        beforeReplaceForTests = [] { ::raise(SIGKILL); };
        save();
        ::_exit(0);  // the save went through without the kill: the parent says so
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
      break;
    }
  }

  EXPECT_EQ(bytesOf(path(file)), old);
  if (c.fault != Fault::KilledMidSave) {
    ASSERT_FALSE(platform_.messages.empty());
    EXPECT_NE(platform_.messages.back().find(file), std::string::npos) << platform_.messages.back();
  }
  if (c.fault == Fault::ReadOnly && mounted_)
    ::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT, nullptr);

  // The next start finds the old file as it was: it loads without a word, and the game goes on.
  game_.reset();
  ScriptedPlatform next;
  RecordingCanvas canvas;
  TextMenuBuilder menu;
  Game again(canvas, next);
  again.startUp(menu);
  again.resumeKeptGame();
  EXPECT_TRUE(next.messages.empty()) << next.messages.front();
  EXPECT_EQ(leftoverTemporaries(dir_, file).size(), c.fault == Fault::KilledMidSave ? 1u : 0u);
  if (c.target == Target::KeptGame) {
    // The game as it was before the move whose keeping failed (the move itself is lost).
    EXPECT_EQ(again.mode(), Game::Mode::Playing);
    EXPECT_TRUE(Position::of(again.state()) == kept);
    EXPECT_TRUE(again.state().clockRunning);
  } else if (c.target == Target::SavedBoard) {
    GameState s;
    EXPECT_EQ(loadSlot(path(file), 2, s).status, LoadStatus::Loaded);
  } else {
    EXPECT_EQ(again.hallOfFame().fameNames[1][0], "Anna");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SaveFault,
    ::testing::Values(
        FaultCase{"BoardOverTheFileSizeLimit", Fault::FileSizeLimit, Target::SavedBoard},
        FaultCase{"FameOverTheFileSizeLimit", Fault::FileSizeLimit, Target::HallOfFame},
        FaultCase{"BoardOnAFullFileSystem", Fault::FullFileSystem, Target::SavedBoard},
        FaultCase{"FameOnAFullFileSystem", Fault::FullFileSystem, Target::HallOfFame},
        FaultCase{"BoardIntoAReadOnlyDirectory", Fault::ReadOnly, Target::SavedBoard},
        FaultCase{"FameIntoAReadOnlyDirectory", Fault::ReadOnly, Target::HallOfFame},
        FaultCase{"BoardKilledBeforeTheRename", Fault::KilledMidSave, Target::SavedBoard},
        FaultCase{"FameKilledBeforeTheRename", Fault::KilledMidSave, Target::HallOfFame},
        FaultCase{"KeptGameOverTheFileSizeLimit", Fault::FileSizeLimit, Target::KeptGame},
        FaultCase{"KeptGameOnAFullFileSystem", Fault::FullFileSystem, Target::KeptGame},
        FaultCase{"KeptGameIntoAReadOnlyDirectory", Fault::ReadOnly, Target::KeptGame},
        FaultCase{"KeptGameKilledBeforeTheRename", Fault::KilledMidSave, Target::KeptGame}),
    [](const auto& info) { return std::string(info.param.name); });

// A new champion: the time of a solved timed game on Leicht, accepted in the name dialog, is
// saved at once. The write fails as the last cell is entered.
class NewChampionFault : public PlayTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(NewChampionFault, TheOldFileStaysWholeAndThePlayerIsTold) {
  const Fault fault = GetParam();
  HallOfFame h;
  resetHallOfFame(h);
  insertChampion(h, 0, 1, "Anna", "01.12.2026", "00:12:34.5");
  ASSERT_TRUE(saveHallOfFame(h, path(hallOfFameFile)).ok);
  const std::string old = bytesOf(path(hallOfFameFile));
  game.reset();
  game = std::make_unique<Game>(canvas, platform);
  game->startUp(menu);
  ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();

  platform.now = 1000;
  startTimedGame();
  platform.now = 1000 + 600;  // one minute: first on Leicht, ahead of Anna
  platform.championAnswers = {{true, "Clara"}};
  std::vector<int> cells = emptyCells();
  ASSERT_FALSE(cells.empty());
  const int last = cells.back();
  cells.pop_back();
  for (int i : cells) enter(i, solutionOf(i));
  ASSERT_FALSE(isSolved(game->state().status));

  if (fault == Fault::FileSizeLimit) {
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    enter(last, solutionOf(last));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(isSolved(game->state().status));
    ASSERT_EQ(platform.championPrompts.size(), 1u);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_NE(platform.messages.back().find(hallOfFameFile), std::string::npos)
        << platform.messages.back();
  } else {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      beforeReplaceForTests = [] { ::raise(SIGKILL); };
      enter(last, solutionOf(last));
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
  }
  EXPECT_EQ(bytesOf(path(hallOfFameFile)), old);

  ScriptedPlatform next;
  RecordingCanvas nextCanvas;
  TextMenuBuilder nextMenu;
  Game again(nextCanvas, next);
  again.startUp(nextMenu);
  EXPECT_TRUE(next.messages.empty()) << next.messages.front();
  EXPECT_EQ(again.hallOfFame().fameNames[1][0], "Anna");
  EXPECT_EQ(leftoverTemporaries(dir_, hallOfFameFile).size(),
            fault == Fault::KilledMidSave ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, NewChampionFault,
                         ::testing::Values(Fault::FileSizeLimit, Fault::KilledMidSave),
                         [](const auto& info) {
                           return std::string(info.param == Fault::FileSizeLimit
                                                  ? "OverTheFileSizeLimit"
                                                  : "KilledBeforeTheRename");
                         });

}  // namespace
}  // namespace tessarix::testing
