// The clock's texts: the running display, the finish time and its cap.
#include "extras/clock_text.h"

#include <gtest/gtest.h>

namespace tessarix {
namespace {

struct DisplayCase {
  int64_t seconds;
  const char* text;
};

TEST(ClockText, DisplayOfElapsedSeconds) {
  const DisplayCase cases[] = {
      {0, " 00:00:00"},          {462, " 00:07:42"},
      {3723, " 01:02:03"},       {3599, " 00:59:59"},
      {3600, " 01:00:00"},       {99 * 3600 + 3599, " 99:59:59"},
      {100 * 3600, " 00:00:00"}, {123 * 3600 + 61, " 23:01:01"},
      {-5, " 00:00:00"},
  };
  for (const DisplayCase& c : cases) EXPECT_EQ(clockDisplayText(c.seconds), c.text) << c.seconds;
}

struct FinishCase {
  int64_t tenths;
  const char* text;
};

TEST(ClockText, FinishTextOfElapsedTenths) {
  const FinishCase cases[] = {
      {0, "00:00:00.0"},
      {50, "00:00:05.0"},
      {4620, "00:07:42.0"},
      {37230, "01:02:03.0"},
      {599, "00:00:59.9"},  // 59.96 s counted in whole tenths: never
                            // "60.0"
      {600, "00:01:00.0"},
      {36005, "01:00:00.5"},
      {3599999, "99:59:59.9"},
      {3600000, "99:59:59.9"},  // 100 hours: capped
      {999999999, "99:59:59.9"},
      {-3, "00:00:00.0"},
  };
  for (const FinishCase& c : cases) EXPECT_EQ(finishTimeText(c.tenths), c.text) << c.tenths;
}

TEST(ClockText, FinishTextsSortLikeTheirTimes) {
  // The hall of fame compares finish texts as text; that must agree with the times.
  for (int64_t t = 0; t < 200000; t += 997)
    EXPECT_LT(finishTimeText(t), finishTimeText(t + 1 + t % 7)) << t;
  // An empty hall-of-fame entry holds "9": every time below 90 hours sorts before it.
  EXPECT_LT(finishTimeText(899999), std::string("9"));
}

TEST(ClockText, FinishTextShape) {
  // Everything finishTimeText makes has the shape.
  for (int64_t t : {int64_t{0}, int64_t{599}, int64_t{4620}, int64_t{36005}, int64_t{3599999}})
    EXPECT_TRUE(isFinishTimeText(finishTimeText(t))) << t;
  struct ShapeCase {
    const char* text;
    bool finish;
  };
  const ShapeCase cases[] = {
      {"00:07:42.0", true},   {"99:59:59.9", true},   {"", false},
      {"9", false},           {"7:42.0", false},      {"00:07:42", false},
      {"00:07:42.00", false}, {" 00:07:42", false},   {"00:07:42.0 ", false},
      {"00:07:42,0", false},  {"00.07.42.0", false},  {"0a:07:42.0", false},
      {"00:07:4 .0", false},  {"00:60:00.0", false},  {"00:00:60.0", false},
      {"00:59:59.9", true},
  };
  for (const ShapeCase& c : cases) EXPECT_EQ(isFinishTimeText(c.text), c.finish) << c.text;
}

}  // namespace
}  // namespace tessarix
