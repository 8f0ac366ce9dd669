// The texts of the game clock.
#include "extras/clock_text.h"

#include <cstdio>

namespace tessarix {

std::string clockDisplayText(int64_t elapsedSeconds) {
  const int64_t e = elapsedSeconds < 0 ? 0 : elapsedSeconds;
  const int64_t h = e / 3600;
  const int64_t m = (e - 3600 * h) / 60;
  const int64_t s = e - 3600 * h - 60 * m;
  char text[16];
  std::snprintf(text, sizeof text, " %02d:%02d:%02d", static_cast<int>(h % 100),
                static_cast<int>(m), static_cast<int>(s));
  return text;
}

std::string finishTimeText(int64_t elapsedTenths) {
  constexpr int64_t longest = ((99 * 60 + 59) * 60 + 59) * 10 + 9;  // 99:59:59.9
  int64_t t = elapsedTenths < 0 ? 0 : elapsedTenths;
  if (t > longest) t = longest;
  const int64_t tenths = t % 10;
  const int64_t e = t / 10;
  const int64_t h = e / 3600;
  const int64_t m = (e - 3600 * h) / 60;
  const int64_t s = e - 3600 * h - 60 * m;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%d", static_cast<int>(h), static_cast<int>(m),
                static_cast<int>(s), static_cast<int>(tenths));
  return text;
}

bool isFinishTimeText(const std::string& text) {
  static constexpr char shape[] = "00:00:00.0";  // a 0 stands for any digit
  if (text.size() != sizeof shape - 1) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (shape[i] == '0' ? !digit : text[i] != shape[i]) return false;
  }
  return text[3] < '6' && text[6] < '6';
}

}  // namespace tessarix
