// The puzzle file byte for byte: where saveSlot puts each block, what it keeps, what loadSlot
// refuses, and that a failed save leaves the old file whole.
#include "puzzles/puzzle_file.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <filesystem>

#include <ostream>

#include <gtest/gtest.h>

#include "logic/random.h"
#include "support/solved_field.h"
#include "support/temp_directory.h"

namespace tessarix {
namespace {

using testing::readBytes;
using testing::TempDirectory;
using testing::writeBytes;
using Bytes = std::vector<uint8_t>;

// A state with a little of everything: clues cut from a solved field (so they keep the
// rules), entries right and wrong, marks, and non-zero bytes at index 0 of board and givens
// (they are not cells and are stored as they are).
GameState sampleState(int seed) {
  GameState s;
  SeededRandom r(static_cast<uint32_t>(seed));
  const CellArray solved = testing::solvedField();
  for (int i = 0; i < 1000; ++i) {
    const bool cell = i % 10 != 0 && i / 10 % 10 != 0 && i / 100 != 0;
    if (cell && r.randomInt(5) == 0) {
      s.givens[i] = solved[i];
      s.board[i] = solved[i];
    } else if (r.randomInt(3) == 0) {
      s.board[i] = static_cast<uint8_t>(r.randomInt(10));
      if (!cell && r.randomInt(2) == 0) s.givens[i] = static_cast<uint8_t>(r.randomInt(10));
    }
  }
  for (int k = 0; k < 400; ++k)
    s.setMark(1 + r.randomInt(9), 1 + r.randomInt(9), 1 + r.randomInt(9), 1 + r.randomInt(9), true);
  return s;
}

Bytes block(const Bytes& file, int offset, int length) {
  return Bytes(file.begin() + offset, file.begin() + offset + length);
}

Bytes expectedMarks(const GameState& s) {
  Bytes m(markBlockSize, 0);
  for (int i = 0; i < markBlockSize; ++i) {
    const bool indexZero = i % 10 == 0 || i / 10 % 10 == 0 || i / 100 % 10 == 0 || i / 1000 == 0;
    if (!indexZero && s.marks[i] != 0) m[i] = 0xFF;
  }
  return m;
}

// A file of any length with a pattern of values 0..9 in every byte. Each slot's clues are a
// quarter of the solved field's cells and its board holds them at their cells, so that every
// slot the file holds whole keeps the rules; the other board cells take the pattern.
Bytes patternFile(size_t length) {
  const CellArray solved = testing::solvedField();
  auto clueAt = [&](size_t i) -> uint8_t {
    const bool cell = i % 10 != 0 && i / 10 % 10 != 0 && i / 100 != 0;
    return cell && (i * 7 + i / 100) % 4 == 0 ? solved[i] : 0;
  };
  Bytes b(length);
  for (size_t i = 0; i < length; ++i) {
    const uint8_t pattern = static_cast<uint8_t>((i * 37 + i / 1000) % 10);
    if (i >= static_cast<size_t>(fillerOffset)) {
      b[i] = pattern;
    } else if (i % 2000 < 1000) {
      const uint8_t clue = clueAt(i % 1000);
      b[i] = clue != 0 ? clue : pattern;
    } else {
      b[i] = clueAt(i % 1000);
    }
  }
  return b;
}

void expectSameState(const GameState& a, const GameState& b) {
  EXPECT_EQ(a.board, b.board);
  EXPECT_EQ(a.givens, b.givens);
  EXPECT_EQ(a.solution, b.solution);
  EXPECT_EQ(a.marks, b.marks);
  EXPECT_EQ(a.options.showCandidates, b.options.showCandidates);
}

// ---------------------------------------------------------------- saving

TEST(SaveSlot, NewFileHasEveryBlockAtItsOffset) {
  TempDirectory dir;
  const std::string path = dir.file("brett.trx");
  const GameState s = sampleState(1);
  SeededRandom random(77);
  ASSERT_TRUE(saveSlot(path, 2, s, random).ok);

  const Bytes file = readBytes(path);
  ASSERT_EQ(file.size(), 48729u);
  EXPECT_EQ(block(file, 4000, 1000), Bytes(s.board.begin(), s.board.end()));
  EXPECT_EQ(block(file, 5000, 1000), Bytes(s.givens.begin(), s.givens.end()));
  EXPECT_EQ(block(file, 8729 + 20000, 10000), expectedMarks(s));
  for (int other : {0, 1, 3}) {
    EXPECT_EQ(block(file, 2000 * other, 2000), Bytes(2000, 0)) << "slot " << other;
    EXPECT_EQ(block(file, 8729 + 10000 * other, 10000), Bytes(10000, 0)) << "slot " << other;
  }
  // A fresh layout draws its own filler first; the file keeps the second, new one.
  SeededRandom replay(77);
  for (int i = 0; i < 729; ++i) replay.randomInt(9);
  for (int i = 0; i < 729; ++i) ASSERT_EQ(file[8000 + i], replay.randomInt(9) + 1) << "byte " << i;
  EXPECT_EQ(dir.entries().size(), 1u);  // no temporary file left behind
}

TEST(SaveSlot, FillerIsNewOnEverySave) {
  TempDirectory dir;
  const std::string path = dir.file("brett.trx");
  const GameState s = sampleState(2);
  SeededRandom random(5);
  ASSERT_TRUE(saveSlot(path, 0, s, random).ok);
  const Bytes first = readBytes(path);
  ASSERT_TRUE(saveSlot(path, 0, s, random).ok);
  const Bytes second = readBytes(path);
  ASSERT_EQ(second.size(), 48729u);
  EXPECT_NE(block(first, 8000, 729), block(second, 8000, 729));
  for (uint8_t b : block(second, 8000, 729)) {
    EXPECT_GE(b, 1);
    EXPECT_LE(b, 9);
  }
  // Everything but the filler is the same.
  Bytes a = first, b = second;
  std::fill_n(a.begin() + 8000, 729, 0);
  std::fill_n(b.begin() + 8000, 729, 0);
  EXPECT_EQ(a, b);
}

TEST(SaveSlot, OtherSlotsOfACompleteFileStayByteForByte) {
  TempDirectory dir;
  const std::string path = dir.file("brett.trx");
  SeededRandom random(9);
  for (int slot = 0; slot < 4; ++slot)
    ASSERT_TRUE(saveSlot(path, slot, sampleState(10 + slot), random).ok);
  const Bytes before = readBytes(path);

  const GameState replacement = sampleState(99);
  ASSERT_TRUE(saveSlot(path, 1, replacement, random).ok);
  const Bytes after = readBytes(path);
  ASSERT_EQ(after.size(), 48729u);
  for (int other : {0, 2, 3}) {
    EXPECT_EQ(block(after, 2000 * other, 2000), block(before, 2000 * other, 2000)) << other;
    EXPECT_EQ(block(after, 8729 + 10000 * other, 10000), block(before, 8729 + 10000 * other, 10000))
        << other;
  }
  EXPECT_EQ(block(after, 2000, 1000), Bytes(replacement.board.begin(), replacement.board.end()));
  EXPECT_EQ(block(after, 3000, 1000), Bytes(replacement.givens.begin(), replacement.givens.end()));
  EXPECT_EQ(block(after, 18729, 10000), expectedMarks(replacement));
}

// A file of another length becomes a complete one that keeps each block it held whole.
class SaveIntoWrongLength : public ::testing::TestWithParam<size_t> {};

TEST_P(SaveIntoWrongLength, KeepsEveryWholeSlotBlock) {
  const size_t length = GetParam();
  TempDirectory dir;
  const std::string path = dir.file("brett.trx");
  const Bytes old = patternFile(length);
  writeBytes(path, old);
  const GameState s = sampleState(3);
  SeededRandom random(4);
  ASSERT_TRUE(saveSlot(path, 1, s, random).ok);

  const Bytes file = readBytes(path);
  ASSERT_EQ(file.size(), 48729u);
  for (int slot : {0, 2, 3}) {
    const size_t cells = 2000u * slot;
    const Bytes kept = length >= cells + 2000 ? block(old, 2000 * slot, 2000) : Bytes(2000, 0);
    EXPECT_EQ(block(file, 2000 * slot, 2000), kept) << "board and clues of slot " << slot;
    const size_t marks = 8729u + 10000u * slot;
    const Bytes keptMarks = length >= marks + 10000 ? block(old, marks, 10000) : Bytes(10000, 0);
    EXPECT_EQ(block(file, marks, 10000), keptMarks) << "marks of slot " << slot;
  }
  EXPECT_EQ(block(file, 2000, 1000), Bytes(s.board.begin(), s.board.end()));
  EXPECT_EQ(block(file, 18729, 10000), expectedMarks(s));
  for (uint8_t b : block(file, 8000, 729)) ASSERT_TRUE(b >= 1 && b <= 9);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SaveIntoWrongLength,
                         ::testing::Values(0u, 1999u, 2000u, 5999u, 6000u, 8000u, 8729u, 18728u,
                                           18729u, 38729u, 48728u, 48730u, 60000u));

TEST(SaveSlot, RefusesASlotOutsideTheFile) {
  TempDirectory dir;
  SeededRandom random(1);
  for (int slot : {-1, 4}) {
    const SaveResult r = saveSlot(dir.file("brett.trx"), slot, sampleState(1), random);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("brett.trx"), std::string::npos) << r.message;
  }
  EXPECT_TRUE(dir.entries().empty());
}

// ---------------------------------------------------------------- failed saves

class FailedSave : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.file("brett.trx");
    SeededRandom random(11);
    ASSERT_TRUE(saveSlot(path, 0, sampleState(20), random).ok);
    old = readBytes(path);
  }
  void expectOldFileWhole(const SaveResult& r) {
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"brett.trx"});
  }
  TempDirectory dir;
  std::string path;
  Bytes old;
};

TEST_F(FailedSave, WriteErrorHalfwayLeavesOldFileAndNoTemporary) {
  // A file size limit makes the write itself fail part-way, for every user.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  SeededRandom random(12);
  const SaveResult r = saveSlot(path, 3, sampleState(21), random);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  expectOldFileWhole(r);
}

TEST_F(FailedSave, DirectoryNotWritable) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into any directory";
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  SeededRandom random(12);
  const SaveResult r = saveSlot(path, 3, sampleState(21), random);
  chmod(dir.path().c_str(), 0755);
  expectOldFileWhole(r);
}

TEST(SaveSlotFailure, PathIsADirectory) {
  TempDirectory dir;
  const std::string path = dir.file("brett.trx");
  std::filesystem::create_directory(path);
  testing::writeText(dir.file("brett.trx/inside"), "keep");
  SeededRandom random(1);
  const SaveResult r = saveSlot(path, 0, sampleState(1), random);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("brett.trx"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(testing::readText(dir.file("brett.trx/inside")), "keep");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"brett.trx"});
}

// ---------------------------------------------------------------- loading

TEST(LoadSlot, RoundTripOfACompleteFile) {
  TempDirectory dir;
  const std::string path = dir.file("leicht.trx");
  SeededRandom random(3);
  for (int slot = 0; slot < 4; ++slot)
    ASSERT_TRUE(saveSlot(path, slot, sampleState(30 + slot), random).ok);
  for (int slot = 0; slot < 4; ++slot) {
    GameState loaded = sampleState(50);
    loaded.options.showCandidates = true;
    loaded.clockRunning = true;
    const LoadResult r = loadSlot(path, slot, loaded);
    ASSERT_EQ(r.status, LoadStatus::Loaded) << r.message;
    EXPECT_TRUE(r.marksLoaded);
    const GameState saved = sampleState(30 + slot);
    EXPECT_EQ(loaded.board, saved.board);
    EXPECT_EQ(loaded.givens, saved.givens);
    EXPECT_EQ(loaded.marks, saved.marks);
    EXPECT_FALSE(loaded.options.showCandidates);
    EXPECT_FALSE(loaded.clockRunning);
  }
}

TEST(LoadSlot, AnyNonZeroMarkByteCountsAndIndexZeroIsIgnored) {
  TempDirectory dir;
  const std::string path = dir.file("mittel.trx");
  Bytes file(48729, 0);
  const int base = 8729 + 10000 * 3;
  file[base + markIndex(1, 2, 3, 4)] = 0x01;
  file[base + markIndex(9, 9, 9, 9)] = 0x80;
  file[base + markIndex(5, 5, 5, 5)] = 0xFF;
  file[base + markIndex(0, 5, 5, 5)] = 0xFF;  // index 0: not a cell
  file[base + markIndex(5, 5, 5, 0)] = 0xFF;  // digit 0: not a mark
  writeBytes(path, file);
  GameState s;
  s.setMark(2, 2, 2, 2, true);  // cleared by the load
  ASSERT_EQ(loadSlot(path, 3, s).status, LoadStatus::Loaded);
  int count = 0;
  for (uint8_t m : s.marks) count += m != 0;
  EXPECT_EQ(count, 3);
  EXPECT_TRUE(s.mark(1, 2, 3, 4));
  EXPECT_TRUE(s.mark(9, 9, 9, 9));
  EXPECT_TRUE(s.mark(5, 5, 5, 5));
}

// Only a complete file carries marks; any other length loads board and clues alone.
class LoadIncomplete : public ::testing::TestWithParam<size_t> {};

TEST_P(LoadIncomplete, KeepsMarksAndCandidateDisplay) {
  TempDirectory dir;
  const std::string path = dir.file("schwer.trx");
  Bytes file = patternFile(GetParam());
  for (size_t i = 8729; i < std::min<size_t>(file.size(), 48729); ++i) file[i] = 0xFF;
  writeBytes(path, file);
  GameState s = sampleState(7);
  s.options.showCandidates = true;
  s.clockRunning = true;
  const MarkArray marksBefore = s.marks;
  const LoadResult r = loadSlot(path, 0, s);
  ASSERT_EQ(r.status, LoadStatus::Loaded) << r.message;
  EXPECT_FALSE(r.marksLoaded);
  EXPECT_EQ(Bytes(s.board.begin(), s.board.end()), block(file, 0, 1000));
  EXPECT_EQ(Bytes(s.givens.begin(), s.givens.end()), block(file, 1000, 1000));
  EXPECT_EQ(s.marks, marksBefore);
  EXPECT_TRUE(s.options.showCandidates);
  EXPECT_FALSE(s.clockRunning);
}

INSTANTIATE_TEST_SUITE_P(Lengths, LoadIncomplete, ::testing::Values(2000u, 48728u, 48730u));

TEST(LoadSlot, MissingFileStopsTheClockAndNothingElse) {
  TempDirectory dir;
  GameState s = sampleState(8);
  s.options.showCandidates = true;
  s.clockRunning = true;
  const GameState before = s;
  const LoadResult r = loadSlot(dir.file("brett.trx"), 0, s);
  EXPECT_EQ(r.status, LoadStatus::Missing);
  EXPECT_FALSE(s.clockRunning);
  expectSameState(s, before);
  EXPECT_TRUE(dir.entries().empty());
}

struct RefusedCase {
  const char* name;
  size_t length;  // of the file; 0 = the file is a directory
  int slot;
  int badOffset;  // a byte set to badValue, or -1
  uint8_t badValue;
};

// Failures name the case instead of dumping its bytes.
std::ostream& operator<<(std::ostream& out, const RefusedCase& c) { return out << c.name; }

class LoadRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(LoadRefused, StateIsUnchangedButTheClockStops) {
  const RefusedCase c = GetParam();
  TempDirectory dir;
  const std::string path = dir.file("extrem.trx");
  if (c.length == 0) {
    std::filesystem::create_directory(path);
  } else {
    Bytes file = patternFile(c.length);
    if (c.badOffset >= 0) file[c.badOffset] = c.badValue;
    writeBytes(path, file);
  }
  GameState s = sampleState(9);
  s.options.showCandidates = true;
  s.clockRunning = true;
  const GameState before = s;
  const LoadResult r = loadSlot(path, c.slot, s);
  EXPECT_EQ(r.status, LoadStatus::Refused);
  EXPECT_NE(r.message.find("extrem.trx"), std::string::npos) << r.message;
  EXPECT_FALSE(s.clockRunning);
  expectSameState(s, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadRefused,
                         ::testing::Values(RefusedCase{"BoardByteTen", 48729, 2, 4000 + 555, 10},
                                           RefusedCase{"LastGivensByteHigh", 48729, 3, 7999, 0xFF},
                                           RefusedCase{"IndexZeroByteHigh", 48729, 0, 0, 200},
                                           RefusedCase{"CorruptShortFile", 2000, 0, 1999, 11},
                                           RefusedCase{"EmptyFile", 1, 0, -1, 0},
                                           RefusedCase{"GivensCutShort", 7999, 3, -1, 0},
                                           RefusedCase{"BoardCutShort", 4500, 2, -1, 0},
                                           RefusedCase{"SlotBelowZero", 48729, -1, -1, 0},
                                           RefusedCase{"SlotFour", 48729, 4, -1, 0},
                                           RefusedCase{"Directory", 0, 0, -1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadSlot, CorruptionInAnotherSlotDoesNotMatter) {
  TempDirectory dir;
  const std::string path = dir.file("brett.trx");
  Bytes file = patternFile(48729);
  file[2000 + 17] = 0xFF;  // slot 1's board
  file[8000] = 0xEE;       // the filler is never read
  writeBytes(path, file);
  GameState s;
  EXPECT_EQ(loadSlot(path, 0, s).status, LoadStatus::Loaded);
  EXPECT_EQ(loadSlot(path, 2, s).status, LoadStatus::Loaded);
  EXPECT_EQ(loadSlot(path, 1, s).status, LoadStatus::Refused);
}

// ---------------------------------------------------------------- clues that break the rules

struct ClueCase {
  const char* name;
  void (*spoil)(GameState&);  // applied to a sound puzzle before it is written
  bool loads;                 // as a puzzle to be dealt
  bool loadsAsTyped;          // as a board the player saved
};

std::ostream& operator<<(std::ostream& out, const ClueCase& c) { return out << c.name; }

// Two clues 7 in grid 5, which the sound puzzle leaves empty.
void twoSevens(GameState& s, int col, int row) {
  for (int i : {cellIndex(5, 1, 1), cellIndex(5, col, row)}) s.givens[i] = s.board[i] = 7;
}

// The first clue of grid g in the sound puzzle.
int firstClueOf(const GameState& s, int g) {
  for (int col = 1; col <= 9; ++col)
    for (int row = 1; row <= 9; ++row)
      if (s.givens[cellIndex(g, col, row)] != 0) return cellIndex(g, col, row);
  return 0;
}

class LoadClues : public ::testing::TestWithParam<ClueCase> {};

void expectClueCase(const ClueCase& c, CluePolicy policy);

// A puzzle whose clues clash is refused as damaged; a saved board keeps them as typed. A clue
// missing from the board is damage either way.
TEST_P(LoadClues, ClashingCluesRefusedInAPuzzleKeptInASavedBoard) {
  for (const CluePolicy policy : {CluePolicy::KeepRules, CluePolicy::AsTyped}) {
    SCOPED_TRACE(policy == CluePolicy::KeepRules ? "as a puzzle" : "as a saved board");
    expectClueCase(GetParam(), policy);
  }
}

void expectClueCase(const ClueCase& c, CluePolicy policy) {
  TempDirectory dir;
  const std::string path = dir.file("mittel.trx");
  // A sound puzzle cut from the solved field, with grid 5 left empty.
  GameState written = testing::puzzleFrom(testing::solvedField(), 3);
  for (int col = 1; col <= 9; ++col)
    for (int row = 1; row <= 9; ++row)
      written.board[cellIndex(5, col, row)] = written.givens[cellIndex(5, col, row)] = 0;
  c.spoil(written);
  SeededRandom random(4);
  ASSERT_TRUE(saveSlot(path, 1, written, random).ok);

  GameState s = sampleState(60);
  const GameState before = s;
  const LoadResult r = loadSlot(path, 1, s, policy);
  if (policy == CluePolicy::KeepRules ? c.loads : c.loadsAsTyped) {
    EXPECT_EQ(r.status, LoadStatus::Loaded) << r.message;
    EXPECT_EQ(s.board, written.board);
    EXPECT_EQ(s.givens, written.givens);
  } else {
    EXPECT_EQ(r.status, LoadStatus::Refused);
    EXPECT_NE(r.message.find("mittel.trx"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("beschädigt"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("Nr. 2"), std::string::npos) << r.message;
    expectSameState(s, before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadClues,
    ::testing::Values(
        ClueCase{"Sound", [](GameState&) {}, true, true},
        ClueCase{"TwoEqualCluesInARow", [](GameState& s) { twoSevens(s, 5, 1); }, false, true},
        ClueCase{"TwoEqualCluesInAColumn", [](GameState& s) { twoSevens(s, 1, 5); }, false, true},
        ClueCase{"TwoEqualCluesInABox", [](GameState& s) { twoSevens(s, 2, 2); }, false, true},
        ClueCase{"EveryCellASeven",
                 [](GameState& s) {
                   s.givens.fill(7);
                   s.board.fill(7);
                 },
                 false, true},
        ClueCase{"BoardDiffersFromAClue",
                 [](GameState& s) {
                   const int i = firstClueOf(s, 8);
                   s.board[i] = static_cast<uint8_t>(s.givens[i] % 9 + 1);
                 },
                 false, false},
        ClueCase{"BoardEmptyAtAClue", [](GameState& s) { s.board[firstClueOf(s, 2)] = 0; }, false,
                 false},
        // The player's entries may repeat a digit: the game shows what that means.
        ClueCase{"EntriesRepeatADigit",
                 [](GameState& s) {
                   for (int col = 1; col <= 9; ++col)
                     if (s.givens[cellIndex(5, col, 1)] == 0) s.board[cellIndex(5, col, 1)] = 7;
                 },
                 true, true},
        ClueCase{"EveryEntryASeven",
                 [](GameState& s) {
                   s.givens.fill(0);
                   s.board.fill(7);
                 },
                 true, true},
        // The lower copies of the shared boxes left empty: each grid still keeps the rules.
        ClueCase{"UnsyncedCopies", [](GameState& s) { unsyncSharedBoxes(s); }, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessarix
