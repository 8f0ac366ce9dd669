// Windows-1252 to and from UTF-8.
#include "extras/windows1252.h"

#include <cstdint>
#include <functional>

namespace tessarix {

namespace {

// The characters of the bytes 0x80 to 0x9F; unassigned bytes keep their own number.
constexpr char32_t upperControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr char32_t malformed = 0x110000;  // outside Unicode: a byte that is not UTF-8

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Calls f for each character of text; a byte that does not start a well-formed sequence
// (overlong forms and surrogates included) gives one malformed character.
void forEachCharacter(const std::string& text, const std::function<void(char32_t)>& f) {
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const auto lead = static_cast<uint8_t>(text[i]);
    int length = lead < 0x80                    ? 1
                 : lead >= 0xC2 && lead <= 0xDF ? 2
                 : lead >= 0xE0 && lead <= 0xEF ? 3
                 : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                : 0;
    char32_t c = length == 1   ? lead
                 : length == 2 ? lead & 0x1F
                 : length == 3 ? lead & 0x0F
                               : lead & 0x07;
    bool good = length > 0 && i + static_cast<size_t>(length) <= n;
    for (int k = 1; good && k < length; ++k) {
      const auto next = static_cast<uint8_t>(text[i + static_cast<size_t>(k)]);
      if ((next & 0xC0) != 0x80) good = false;
      c = (c << 6) | (next & 0x3F);
    }
    if (good && length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) good = false;
    if (good && length == 4 && (c < 0x10000 || c > 0x10FFFF)) good = false;
    if (!good) {
      f(malformed);
      ++i;
    } else {
      f(c);
      i += static_cast<size_t>(length);
    }
  }
}

int windows1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int k = 0; k < 32; ++k)
    if (upperControls[k] == c) return 0x80 + k;
  return -1;
}

}  // namespace

std::string windows1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    const auto v = static_cast<uint8_t>(b);
    appendUtf8(out, v >= 0x80 && v < 0xA0 ? upperControls[v - 0x80] : v);
  }
  return out;
}

std::string utf8ToWindows1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  forEachCharacter(text, [&](char32_t c) {
    const int b = windows1252Byte(c);
    out += b < 0 ? '?' : static_cast<char>(b);
  });
  return out;
}

bool isWellFormedUtf8(const std::string& text) {
  bool good = true;
  forEachCharacter(text, [&](char32_t c) { good = good && c != malformed; });
  return good;
}

bool holdsInWindows1252(const std::string& text) {
  bool holds = true;
  forEachCharacter(text, [&](char32_t c) { holds = holds && windows1252Byte(c) >= 0; });
  return holds;
}

size_t characterCount(const std::string& text) {
  size_t count = 0;
  forEachCharacter(text, [&](char32_t) { ++count; });
  return count;
}

std::string blankControlCharacters(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  forEachCharacter(text, [&](char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
    if (c == malformed)
      out += '?';
    else if (control)
      out += ' ';
    else
      appendUtf8(out, c);
  });
  return out;
}

std::string firstCharacters(const std::string& text, size_t count) {
  std::string out;
  size_t taken = 0;
  forEachCharacter(text, [&](char32_t c) {
    if (taken++ >= count) return;
    if (c == malformed)
      out += '?';
    else
      appendUtf8(out, c);
  });
  return out;
}

}  // namespace tessarix
