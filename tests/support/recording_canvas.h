// A Canvas for tests that draws nothing but records every drawing operation together with the
// drawing state in force when it ran (colours, line width, text background, font).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "ui/canvas.h"

namespace tessarix::testing {

enum class OpKind { Line, OutlineBox, FilledBox, Text, Capture, Restore, Clip, ClearClip };

struct DrawState {
  int lineColor = 0;
  int fillColor = 15;
  int lineWidth = 1;
  bool transparent = false;
  FontStyle font{};
};

struct DrawOp {
  OpKind kind;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string text;
  DrawState state;
};

class RecordingCanvas : public Canvas {
 public:
  std::vector<DrawOp> ops;
  DrawState state;
  bool large = false;
  int fontSelections = 0;

  void setLineColor(int i) override { state.lineColor = i; }
  void setFillColor(int i) override { state.fillColor = i; }
  void setLineWidth(int w) override { state.lineWidth = w; }
  void setTransparentText(bool t) override { state.transparent = t; }
  void setTextFont(FontStyle style) override {
    state.font = style;
    ++fontSelections;
  }
  void line(int x1, int y1, int x2, int y2) override { add(OpKind::Line, x1, y1, x2, y2); }
  void outlineBox(int x1, int y1, int x2, int y2) override {
    add(OpKind::OutlineBox, x1, y1, x2, y2);
  }
  void filledBox(int x1, int y1, int x2, int y2) override {
    add(OpKind::FilledBox, x1, y1, x2, y2);
  }
  void text(int x, int y, const std::string& utf8) override {
    add(OpKind::Text, x, y, x, y);
    ops.back().text = utf8;
  }
  // A fitted text is a text whose x2 is the column it keeps left of.
  void fittedText(int x, int y, const std::string& utf8, int right) override {
    add(OpKind::Text, x, y, right, y);
    ops.back().text = utf8;
  }
  void setClip(int x1, int y1, int x2, int y2) override { add(OpKind::Clip, x1, y1, x2, y2); }
  void clearClip() override { add(OpKind::ClearClip, 0, 0, 0, 0); }
  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override {
    add(OpKind::Capture, x1, y1, x2, y2);
    return std::make_unique<CapturedPixels>();
  }
  void restore(const CapturedPixels&, int x, int y) override { add(OpKind::Restore, x, y, x, y); }
  bool largeFonts() const override { return large; }

  std::vector<DrawOp> of(OpKind kind) const {
    std::vector<DrawOp> r;
    for (const DrawOp& op : ops)
      if (op.kind == kind) r.push_back(op);
    return r;
  }
  std::vector<DrawOp> texts() const { return of(OpKind::Text); }
  // The last text written at (x, y), or "" when none was.
  std::string lastTextAt(int x, int y) const {
    for (auto it = ops.rbegin(); it != ops.rend(); ++it)
      if (it->kind == OpKind::Text && it->x1 == x && it->y1 == y) return it->text;
    return {};
  }

 private:
  void add(OpKind kind, int x1, int y1, int x2, int y2) {
    DrawOp op{kind, x1, y1, x2, y2, {}, state};
    ops.push_back(op);
  }
};

}  // namespace tessarix::testing

namespace tessarix {
// A font style in a failure message: its style code.
inline void PrintTo(FontStyle style, std::ostream* os) { *os << static_cast<int>(style); }
}  // namespace tessarix
