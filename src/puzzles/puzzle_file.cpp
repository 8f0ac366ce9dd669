// Loading and saving one slot of a puzzle file.
#include "puzzles/puzzle_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "logic/geometry.h"
#include "logic/validity.h"
#include "puzzles/file_io.h"

namespace tessarix {

namespace {

// The player sees the slots as "Nr. 1" to "Nr. 4".
std::string slotName(int slot) { return "Brett Nr. " + std::to_string(slot + 1); }

bool validSlot(int slot) { return slot >= 0 && slot < slotCount; }

std::string noSuchSlot(const std::string& path, int slot) {
  return "Die Datei " + path + " hat kein " + slotName(slot) + " (nur Nr. 1 bis 4).";
}

// Sound clues: the board holds each clue at its cell and, under KeepRules, no clue stands twice
// in a row, column or box of a grid. The copies of a shared box are judged in each grid on its
// own, and the player's entries may break the rules: the game shows what they do.
bool cluesSound(const CellArray& board, const CellArray& givens, CluePolicy policy) {
  for (int grid = 1; grid <= gridCount; ++grid)
    for (int col = 1; col <= 9; ++col)
      for (int row = 1; row <= 9; ++row) {
        const int i = cellIndex(grid, col, row);
        if (givens[i] != 0 && board[i] != givens[i]) return false;
      }
  return policy == CluePolicy::AsTyped || boardValid(givens);
}

}  // namespace

LoadResult loadSlot(const std::string& path, int slot, GameState& s, CluePolicy clues) {
  s.clockRunning = false;
  LoadResult result;
  if (!validSlot(slot)) {
    result.message = noSuchSlot(path, slot);
    result.problem = LoadProblem::NoSuchSlot;
    return result;
  }
  const FileRead file = readFilePrefix(path, puzzleFileSize);
  if (file.status == ReadStatus::Missing) {
    result.status = LoadStatus::Missing;
    return result;
  }
  if (file.status == ReadStatus::Failed) {
    result.message = "Die Datei " + path + " kann nicht gelesen werden.";
    result.problem = LoadProblem::Unreadable;
    return result;
  }

  // Check the whole slot first; install nothing until it is sound.
  const size_t board = static_cast<size_t>(boardOffset(slot));
  const size_t givens = static_cast<size_t>(givensOffset(slot));
  if (file.bytes.size() < givens + cellBlockSize) {
    result.message = "Die Datei " + path + " ist zu kurz für " + slotName(slot) + ".";
    result.problem = LoadProblem::TooShort;
    return result;
  }
  const auto first = file.bytes.begin() + static_cast<std::ptrdiff_t>(board);
  if (std::any_of(first, first + 2 * cellBlockSize, [](uint8_t v) { return v > 9; })) {
    result.message = "Die Datei " + path + " ist beschädigt (" + slotName(slot) + ").";
    result.problem = LoadProblem::BadValues;
    return result;
  }
  CellArray boardRead{}, givensRead{};
  std::copy_n(first, cellBlockSize, boardRead.begin());
  std::copy_n(first + cellBlockSize, cellBlockSize, givensRead.begin());
  if (!cluesSound(boardRead, givensRead, clues)) {
    result.message = "Die Datei " + path + " ist beschädigt (" + slotName(slot) +
                     ": die Vorgaben verletzen die Regeln).";
    result.problem = LoadProblem::CluesBreakRules;
    return result;
  }

  s.board = boardRead;
  s.givens = givensRead;
  if (file.size == static_cast<uint64_t>(puzzleFileSize)) {
    const uint8_t* marks = file.bytes.data() + marksOffset(slot);
    s.options.showCandidates = false;
    s.clearMarks();
    for (int digit = 1; digit <= 9; ++digit)
      for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col)
          for (int grid = 1; grid <= 9; ++grid)
            if (marks[markIndex(grid, col, row, digit)] != 0)
              s.setMark(grid, col, row, digit, true);
    result.marksLoaded = true;
  }
  result.status = LoadStatus::Loaded;
  return result;
}

SaveResult saveSlot(const std::string& path, int slot, const GameState& s, RandomSource& random) {
  SaveResult result;
  if (!validSlot(slot)) {
    result.message = noSuchSlot(path, slot);
    result.problem = SaveProblem::NoSuchSlot;
    return result;
  }
  const FileRead old = readFilePrefix(path, puzzleFileSize);
  if (old.status == ReadStatus::Failed) {
    // Whatever the file holds could not be kept, so it is not replaced.
    result.message =
        "Die Datei " + path + " kann nicht gelesen werden; das Brett wurde nicht gesichert.";
    result.problem = SaveProblem::OldUnreadable;
    result.hadOldFile = true;
    return result;
  }

  std::vector<uint8_t> image;
  if (old.status == ReadStatus::Ok && old.size == static_cast<uint64_t>(puzzleFileSize)) {
    image = old.bytes;
  } else {
    // A fresh layout, keeping each slot block that the old file held whole.
    image.assign(puzzleFileSize, 0);
    drawFiller(image, random);
    const size_t have = old.bytes.size();
    for (int other = 0; other < slotCount; ++other) {
      const size_t cells = static_cast<size_t>(boardOffset(other));
      if (have >= cells + 2 * cellBlockSize)
        std::copy_n(old.bytes.begin() + static_cast<std::ptrdiff_t>(cells), 2 * cellBlockSize,
                    image.begin() + static_cast<std::ptrdiff_t>(cells));
      const size_t marks = static_cast<size_t>(marksOffset(other));
      if (have >= marks + markBlockSize)
        std::copy_n(old.bytes.begin() + static_cast<std::ptrdiff_t>(marks), markBlockSize,
                    image.begin() + static_cast<std::ptrdiff_t>(marks));
    }
  }

  putSlot(image, slot, s);
  drawFiller(image, random);
  return writePuzzleFile(path, image);
}

void putSlot(std::vector<uint8_t>& image, int slot, const GameState& s) {
  std::copy(s.board.begin(), s.board.end(), image.begin() + boardOffset(slot));
  std::copy(s.givens.begin(), s.givens.end(), image.begin() + givensOffset(slot));
  uint8_t* marks = image.data() + marksOffset(slot);
  std::fill_n(marks, markBlockSize, 0);
  for (int digit = 1; digit <= 9; ++digit)
    for (int row = 1; row <= 9; ++row)
      for (int col = 1; col <= 9; ++col)
        for (int grid = 1; grid <= 9; ++grid)
          if (s.mark(grid, col, row, digit)) marks[markIndex(grid, col, row, digit)] = 0xFF;
}

void drawFiller(std::vector<uint8_t>& image, RandomSource& random) {
  for (int i = 0; i < fillerSize; ++i)
    image[fillerOffset + i] = static_cast<uint8_t>(random.randomInt(9) + 1);
}

SaveResult writePuzzleFile(const std::string& path, const std::vector<uint8_t>& image) {
  SaveResult result;
  // Only a file that certainly stood there before can be said to stay as it was.
  std::error_code ec;
  const std::filesystem::file_type before = std::filesystem::symlink_status(path, ec).type();
  result.hadOldFile =
      before != std::filesystem::file_type::not_found && before != std::filesystem::file_type::none;
  switch (writeReplacing(path, image)) {
    case WriteStatus::Written: result.ok = true; break;
    case WriteStatus::NotAFile:
      result.message = "Die Datei " + path + " ist keine gewöhnliche Datei (etwa eine " +
                       "Verknüpfung); sie wird nicht überschrieben.";
      result.problem = SaveProblem::NotAFile;
      break;
    case WriteStatus::Failed:
      result.message = "Die Datei " + path + " konnte nicht geschrieben werden" +
                       (result.hadOldFile ? "; die alte Datei bleibt unverändert." : ".");
      result.problem = SaveProblem::WriteFailed;
      break;
  }
  return result;
}

}  // namespace tessarix
