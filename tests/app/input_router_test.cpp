// The input router: which events reach which step in each mode, and the pairing of key
// presses and releases.
#include "app/input_router.h"

#include "app/keys.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tessarix {
namespace {

class FakeTarget : public InputTarget {
 public:
  InputMode mode = InputMode::Loop;
  uint64_t epoch = 1;
  std::vector<std::string> steps;
  std::vector<int> presses;  // the presses that reached a loop

  InputMode inputMode() const override { return mode; }
  uint64_t inputEpoch() const override { return epoch; }
  void pointerMoved(int x, int y) override {
    steps.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void loopKeyPressed(int key) override { presses.push_back(key); }
  void loopKeyReleased(int key) override { steps.push_back("key " + std::to_string(key)); }
  void loopButtonPressed(MouseButton b, const LoopHit& hit) override {
    std::string what = "nothing";
    if (hit.barButton) what = "bar " + std::to_string(static_cast<int>(*hit.barButton));
    if (hit.cell)
      what = "cell " + std::to_string(hit.cell->grid) + std::to_string(hit.cell->col) +
             std::to_string(hit.cell->row);
    steps.push_back(std::string(b == MouseButton::Left ? "left " : "right ") + what);
  }
  void buttonReleased(MouseButton) override { steps.push_back("release"); }
  void keypadButtonPressed(MouseButton b, int, int) override {
    steps.push_back(b == MouseButton::Left ? "keypad left" : "keypad right");
  }
  void keypadCharacterTyped(int code) override { steps.push_back("char " + std::to_string(code)); }
};

using Steps = std::vector<std::string>;

TEST(InputRouter, KeyReleaseActsOnlyWhenItsPressReachedTheSameLoop) {
  FakeTarget t;
  InputRouter router(t);

  // Pressed and released in the loop: acts once, on the release.
  router.keyPressed('N');
  EXPECT_TRUE(t.steps.empty());
  router.keyReleased('N');
  EXPECT_EQ(t.steps, Steps{"key 78"});
  router.keyReleased('N');  // a second release without a press does nothing
  EXPECT_EQ(t.steps.size(), 1u);

  // The press went to the menu (it chose the command that entered the loop): the release
  // that arrives in the loop does nothing.
  t.steps.clear();
  t.mode = InputMode::Idle;
  router.keyPressed('S');
  t.mode = InputMode::Loop;
  ++t.epoch;
  router.keyReleased('S');
  // The press never reached the game at all (a message box took the Esc).
  router.keyReleased(27);
  EXPECT_TRUE(t.steps.empty());

  // Pressed in one loop, released after the loop was left and another entered.
  router.keyPressed('L');
  ++t.epoch;
  router.keyReleased('L');
  EXPECT_TRUE(t.steps.empty());
}

// Ctrl, Shift and Alt count as the press had them, whichever key is let go first: Ctrl+Z let
// go Ctrl first still releases Ctrl+Z, and a plain Z after it is a plain Z.
TEST(InputRouter, AReleaseCarriesTheModifiersOfItsPress) {
  FakeTarget t;
  InputRouter router(t);
  const std::vector<std::pair<int, int>> pressAndRelease = {
      {'Z' | keys::ctrl, 'Z'},
      {'Z' | keys::ctrl | keys::shift, 'Z' | keys::shift},
      {'Z', 'Z' | keys::ctrl},
      {'T' | keys::alt, 'T'},
      {'N', 'N' | keys::alt}};
  Steps expected;
  std::vector<int> presses;
  for (const auto& [press, release] : pressAndRelease) {
    router.keyPressed(press);
    router.keyReleased(release);
    expected.push_back("key " + std::to_string(press));
    presses.push_back(press);
  }
  EXPECT_EQ(t.steps, expected);
  EXPECT_EQ(t.presses, presses);
}

// A key pressed with Alt or Ctrl types nothing into the keypad; with Shift it does.
TEST(InputRouter, TheKeypadTakesNoCharacterOfAKeyWithAltOrCtrl) {
  FakeTarget t;
  InputRouter router(t);
  t.mode = InputMode::Keypad;
  for (int modifiers : {keys::alt, keys::ctrl, keys::ctrl | keys::shift, keys::shift, 0}) {
    router.keyPressed('5' | modifiers);
    router.characterTyped('5');
    router.keyReleased('5');
  }
  EXPECT_EQ(t.steps, (Steps{"char 53", "char 53"}));
}

TEST(InputRouter, KeysTypedIntoTheKeypadAreUsedUpByIt) {
  FakeTarget t;
  InputRouter router(t);
  // The keypad is open: "d" is typed into it and closes it; its release reaches the loop.
  t.mode = InputMode::Keypad;
  router.keyPressed('D');
  router.characterTyped('d');
  t.mode = InputMode::Loop;
  ++t.epoch;
  router.keyReleased('D');
  EXPECT_EQ(t.steps, Steps{"char 100"});

  // A key held down in the loop while the keypad opens does not act when it is let go.
  t.steps.clear();
  router.keyPressed('C');
  t.mode = InputMode::Keypad;
  ++t.epoch;
  router.keyReleased('C');
  t.mode = InputMode::Loop;
  ++t.epoch;
  router.keyReleased('C');
  EXPECT_TRUE(t.steps.empty());

  // Characters outside the keypad are not the keypad's.
  router.characterTyped('5');
  EXPECT_TRUE(t.steps.empty());
}

TEST(InputRouter, PressesGoByModeAndAPressElsewhereIsAMoveFirst) {
  FakeTarget t;
  InputRouter router(t);
  router.pointerMoved(10, 20);
  router.pointerMoved(10, 20);  // no move: nothing
  router.buttonPressed(MouseButton::Left, 10, 20);
  // Grid 4's first cell (its corner is 29, 335), then its last one, by the right button.
  router.buttonPressed(MouseButton::Right, 30, 336);
  router.buttonPressed(MouseButton::Right, 29 + 8 * 33 + 32, 335 + 8 * 25 + 24);
  EXPECT_EQ(t.steps, (Steps{"move 10,20", "left nothing", "move 30,336", "right cell 411",
                            "move 325,559", "right cell 499"}));
  // The bar's first button takes the left press only.
  t.steps.clear();
  router.buttonPressed(MouseButton::Left, 170, 895);
  router.buttonPressed(MouseButton::Right, 170, 895);
  EXPECT_EQ(t.steps, (Steps{"move 170,895", "left bar 0", "right nothing"}));

  t.steps.clear();
  t.mode = InputMode::Keypad;
  router.buttonPressed(MouseButton::Left, 31, 40);
  router.buttonReleased(MouseButton::Left, 31, 40);
  EXPECT_EQ(t.steps, (Steps{"move 31,40", "keypad left", "release"}));

  // Idle and during a timed step only the pointer is followed.
  for (InputMode mode : {InputMode::Idle, InputMode::Paused}) {
    t.steps.clear();
    t.mode = mode;
    router.buttonPressed(MouseButton::Left, 50, 60 + static_cast<int>(mode));
    router.keyPressed('A');
    router.keyReleased('A');
    router.characterTyped('1');
    ASSERT_EQ(t.steps.size(), 1u);
    EXPECT_EQ(t.steps[0].rfind("move 50,", 0), 0u);
  }
}

}  // namespace
}  // namespace tessarix
