// Windows-1252, the code page of the hall-of-fame file, converted to and from UTF-8.
#pragma once

#include <string>

namespace tessarix {

// Each byte becomes its character. The five bytes the code page leaves unassigned (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so that every
// file converts back to the very same bytes.
std::string windows1252ToUtf8(const std::string& bytes);

// Each character becomes its byte; a character the code page cannot hold, and every byte of
// malformed UTF-8, becomes "?".
std::string utf8ToWindows1252(const std::string& text);

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates).
bool isWellFormedUtf8(const std::string& text);

// Whether every character of text has its byte in the code page; false for malformed UTF-8.
bool holdsInWindows1252(const std::string& text);

// The number of characters (code points) of text; a malformed byte counts as one.
size_t characterCount(const std::string& text);

// The name the player typed, fit for one line: control characters (line breaks, tabs and
// the like) become blanks. Malformed UTF-8 bytes become "?".
std::string blankControlCharacters(const std::string& text);

// The first `count` characters of text (all of it when it is shorter), never a part of one.
// Malformed UTF-8 bytes become "?".
std::string firstCharacters(const std::string& text, size_t count);

}  // namespace tessarix
