// The per-unit digit counts of the literal trial, followed write by write.
#include "logic/trial_counts.h"

namespace tessarix {

void TrialCounts::recount() {
  for (auto& unit : count_)
    for (auto& c : unit) c = 0;
  duplicates_ = 0;
  for (int i : t_.cells) add(i, board_[i]);
}

void TrialCounts::add(int i, int v) {
  if (v == 0 || v > 9) return;  // only digits can clash
  for (int u : t_.of[i])
    if (++count_[u][v] == 2) ++duplicates_;
}

void TrialCounts::remove(int i, int v) {
  if (v == 0 || v > 9) return;
  for (int u : t_.of[i])
    if (count_[u][v]-- == 2) --duplicates_;
}

void TrialCounts::write(int i, int v) {
  const int old = board_[i];
  if (old == v) return;
  remove(i, old);
  board_[i] = static_cast<uint8_t>(v);
  add(i, v);
}

bool TrialCounts::fits(int i, int d) {
  const int m = mirrorOf(i);
  write(i, d);
  if (m) write(m, d);
  const bool valid = duplicates_ == 0;
  write(i, 0);
  if (m) write(m, 0);
  return valid;
}

}  // namespace tessarix
