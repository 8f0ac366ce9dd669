// The kept game's bytes: a header, the fields in a fixed order (numbers little-endian), the
// four arrays of the position as they lie in memory, then the steps of the history.
#include "app/kept_game.h"

#include <array>
#include <cstring>

namespace tessarix {

namespace {

constexpr std::string_view magic = "TESSARIX-SPIEL\n";
// Bounds that no real game reaches, so that damaged counts cannot make the reader allocate
// without end.
constexpr uint32_t maxWrongCount = 1'000'000;
constexpr int64_t maxPlayedTenths = int64_t{10} * 3600 * 24 * 365 * 10;  // ten years
constexpr uint32_t maxSteps = 1'000'000;
constexpr uint32_t maxChangesPerStep = 13'000;  // every byte of a position, and more

enum Flag : uint16_t {
  flagDigits = 1,
  flagCandidates = 2,
  flagSymmetry = 4,
  flagTimed = 8,
  flagNotSolvable = 16,
  flagTrackMarks = 32,
  flagPaused = 64,
  flagFreshPuzzles = 128,
  allFlags = 255,
};

class Writer {
 public:
  void bytes(const void* p, size_t n) { out_.append(static_cast<const char*>(p), n); }
  template <class T>
  void number(T v) {
    for (size_t k = 0; k < sizeof(T); ++k)
      out_.push_back(static_cast<char>(static_cast<uint64_t>(v) >> (8 * k) & 0xFF));
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  bool bytes(void* p, size_t n) {
    if (in_.size() - pos_ < n) return false;
    std::memcpy(p, in_.data() + pos_, n);
    pos_ += n;
    return true;
  }
  template <class T>
  bool number(T& v) {
    if (in_.size() - pos_ < sizeof(T)) return false;
    uint64_t x = 0;
    for (size_t k = 0; k < sizeof(T); ++k)
      x |= uint64_t{static_cast<unsigned char>(in_[pos_ + k])} << (8 * k);
    pos_ += sizeof(T);
    v = static_cast<T>(x);
    return true;
  }
  bool atEnd() const { return pos_ == in_.size(); }

 private:
  std::string_view in_;
  size_t pos_ = 0;
};

template <size_t N>
bool allAtMost(const std::array<uint8_t, N>& a, uint8_t most) {
  for (uint8_t v : a)
    if (v > most) return false;
  return true;
}

// The largest value a byte of each part of the position may hold.
uint8_t mostOf(PositionHistory::Part part) {
  return part == PositionHistory::Part::Marks ? 1 : 9;
}
size_t sizeOf(PositionHistory::Part part) {
  return part == PositionHistory::Part::Marks ? MarkArray{}.size() : CellArray{}.size();
}

}  // namespace

std::string encodeKeptGame(const KeptGame& g) {
  Writer w;
  w.bytes(magic.data(), magic.size());
  w.number<uint16_t>(keptGameVersion);
  w.number<uint8_t>(static_cast<uint8_t>(g.mode));
  w.number<uint8_t>(static_cast<uint8_t>(g.options.level));
  uint16_t flags = 0;
  if (g.options.digitMode) flags |= flagDigits;
  if (g.options.showCandidates) flags |= flagCandidates;
  if (g.options.symmetryOn) flags |= flagSymmetry;
  if (g.timed) flags |= flagTimed;
  if (g.position.notSolvable) flags |= flagNotSolvable;
  if (g.options.trackMarks) flags |= flagTrackMarks;
  if (g.paused) flags |= flagPaused;
  if (g.options.freshPuzzles) flags |= flagFreshPuzzles;
  w.number<uint16_t>(flags);
  w.number<uint32_t>(static_cast<uint32_t>(g.wrongCount));
  w.number<int64_t>(g.playedTenths);
  w.bytes(g.position.board.data(), g.position.board.size());
  w.bytes(g.position.givens.data(), g.position.givens.size());
  w.bytes(g.position.solution.data(), g.position.solution.size());
  w.bytes(g.position.marks.data(), g.position.marks.size());
  w.number<uint32_t>(static_cast<uint32_t>(g.steps.size()));
  w.number<uint32_t>(static_cast<uint32_t>(g.doneSteps));
  for (const PositionHistory::Step& step : g.steps) {
    w.number<uint8_t>(static_cast<uint8_t>((step.notSolvableBefore ? 1 : 0) |
                                           (step.notSolvableAfter ? 2 : 0)));
    w.number<uint32_t>(static_cast<uint32_t>(step.changes.size()));
    for (const PositionHistory::Change& c : step.changes) {
      w.number<uint16_t>(c.index);
      w.number<uint8_t>(static_cast<uint8_t>(c.part));
      w.number<uint8_t>(c.before);
      w.number<uint8_t>(c.after);
    }
  }
  return w.take();
}

std::optional<KeptGame> decodeKeptGame(std::string_view bytes, std::string& why) {
  Reader r(bytes);
  const auto refuse = [&why](const char* reason) -> std::optional<KeptGame> {
    why = reason;
    return std::nullopt;
  };
  std::array<char, magic.size()> head{};
  if (!r.bytes(head.data(), head.size()) || std::string_view(head.data(), head.size()) != magic)
    return refuse("kein Spielstand");
  uint16_t version = 0;
  if (!r.number(version)) return refuse("zu kurz");
  if (version != keptGameVersion) return refuse("eine andere Fassung");

  KeptGame g;
  uint8_t mode = 0, level = 0;
  uint16_t flags = 0;
  uint32_t wrong = 0;
  if (!r.number(mode) || !r.number(level) || !r.number(flags) || !r.number(wrong) ||
      !r.number(g.playedTenths))
    return refuse("zu kurz");
  if (mode > static_cast<uint8_t>(KeptGame::Mode::OwnBoard) || level > 3 ||
      (flags & ~allFlags) != 0 || wrong > maxWrongCount || g.playedTenths < 0 ||
      g.playedTenths > maxPlayedTenths)
    return refuse("ein Wert außerhalb seines Bereichs");
  g.mode = static_cast<KeptGame::Mode>(mode);
  g.options.level = level;
  g.options.digitMode = (flags & flagDigits) != 0;
  g.options.showCandidates = (flags & flagCandidates) != 0;
  g.options.symmetryOn = (flags & flagSymmetry) != 0;
  g.timed = (flags & flagTimed) != 0;
  g.position.notSolvable = (flags & flagNotSolvable) != 0;
  g.options.trackMarks = (flags & flagTrackMarks) != 0;
  g.paused = (flags & flagPaused) != 0;
  g.options.freshPuzzles = (flags & flagFreshPuzzles) != 0;
  g.wrongCount = static_cast<int>(wrong);

  Position& p = g.position;
  if (!r.bytes(p.board.data(), p.board.size()) || !r.bytes(p.givens.data(), p.givens.size()) ||
      !r.bytes(p.solution.data(), p.solution.size()) || !r.bytes(p.marks.data(), p.marks.size()))
    return refuse("zu kurz");
  if (!allAtMost(p.board, 9) || !allAtMost(p.givens, 9) || !allAtMost(p.solution, 9) ||
      !allAtMost(p.marks, 1))
    return refuse("ein Feld außerhalb seines Bereichs");

  uint32_t stepCount = 0, done = 0;
  if (!r.number(stepCount) || !r.number(done)) return refuse("zu kurz");
  if (stepCount > maxSteps || done > stepCount)
    return refuse("eine Zahl der Schritte außerhalb ihres Bereichs");
  for (uint32_t k = 0; k < stepCount; ++k) {
    PositionHistory::Step step;
    uint8_t stepFlags = 0;
    uint32_t changes = 0;
    if (!r.number(stepFlags) || !r.number(changes)) return refuse("zu kurz");
    if ((stepFlags & ~3) != 0 || changes > maxChangesPerStep)
      return refuse("ein Schritt außerhalb seines Bereichs");
    step.notSolvableBefore = (stepFlags & 1) != 0;
    step.notSolvableAfter = (stepFlags & 2) != 0;
    step.changes.reserve(changes);
    for (uint32_t c = 0; c < changes; ++c) {
      PositionHistory::Change change{};
      uint8_t part = 0;
      if (!r.number(change.index) || !r.number(part) || !r.number(change.before) ||
          !r.number(change.after))
        return refuse("zu kurz");
      if (part > static_cast<uint8_t>(PositionHistory::Part::Marks))
        return refuse("ein Schritt außerhalb seines Bereichs");
      change.part = static_cast<PositionHistory::Part>(part);
      if (change.index >= sizeOf(change.part) || change.before > mostOf(change.part) ||
          change.after > mostOf(change.part))
        return refuse("ein Schritt außerhalb seines Bereichs");
      step.changes.push_back(change);
    }
    g.steps.push_back(std::move(step));
  }
  g.doneSteps = done;
  if (!r.atEnd()) return refuse("Bytes nach dem Ende");
  return g;
}

}  // namespace tessarix
