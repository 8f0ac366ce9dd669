// A canvas that hands every operation on to another and remembers the drawing state last set on
// it (colours, line width, text background, font), so that a part of the picture drawn in the
// middle of other drawing can leave the state as it found it. While a clip is set, the lines and
// boxes that lie wholly outside it go no further: a part of the picture is mostly outside.
#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "ui/canvas.h"

namespace tessarix {

class StateKeepingCanvas : public Canvas {
 public:
  // The drawing state as last set through this canvas; what was never set is unknown.
  struct State {
    int lineColor = -1, fillColor = -1, lineWidth = -1;
    int transparentText = -1;  // -1 unknown, else 0 or 1
    int font = -1;
  };

  explicit StateKeepingCanvas(Canvas& target) : target_(target) {}

  State state() const { return state_; }
  // The state set again as it was (what was unknown then stays as it is now).
  void setState(const State& s) {
    if (s.lineColor >= 0) setLineColor(s.lineColor);
    if (s.fillColor >= 0) setFillColor(s.fillColor);
    if (s.lineWidth >= 0) setLineWidth(s.lineWidth);
    if (s.transparentText >= 0) setTransparentText(s.transparentText != 0);
    if (s.font >= 0) setTextFont(static_cast<FontStyle>(s.font));
  }

  void setLineColor(int i) override { target_.setLineColor(state_.lineColor = i); }
  void setFillColor(int i) override { target_.setFillColor(state_.fillColor = i); }
  void setLineWidth(int w) override { target_.setLineWidth(state_.lineWidth = w); }
  void setTransparentText(bool t) override {
    state_.transparentText = t ? 1 : 0;
    target_.setTransparentText(t);
  }
  void setTextFont(FontStyle f) override {
    state_.font = static_cast<int>(f);
    target_.setTextFont(f);
  }
  void line(int x1, int y1, int x2, int y2) override {
    if (!outsideClip(x1, y1, x2, y2)) target_.line(x1, y1, x2, y2);
  }
  void outlineBox(int x1, int y1, int x2, int y2) override {
    if (!outsideClip(x1, y1, x2, y2)) target_.outlineBox(x1, y1, x2, y2);
  }
  void filledBox(int x1, int y1, int x2, int y2) override {
    if (!outsideClip(x1, y1, x2, y2)) target_.filledBox(x1, y1, x2, y2);
  }
  void text(int x, int y, const std::string& utf8) override { target_.text(x, y, utf8); }
  void fittedText(int x, int y, const std::string& utf8, int right) override {
    target_.fittedText(x, y, utf8, right);
  }
  void setClip(int x1, int y1, int x2, int y2) override {
    clip_ = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    clipped_ = true;
    target_.setClip(x1, y1, x2, y2);
  }
  void clearClip() override {
    clipped_ = false;
    target_.clearClip();
  }
  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override {
    return target_.capture(x1, y1, x2, y2);
  }
  void restore(const CapturedPixels& p, int x, int y) override { target_.restore(p, x, y); }
  bool largeFonts() const override { return target_.largeFonts(); }

 private:
  // A line or box from (x1, y1) to (x2, y2) misses the clip: its width lies above and left of
  // its coordinates (an unknown width is taken as wide).
  bool outsideClip(int x1, int y1, int x2, int y2) const {
    if (!clipped_) return false;
    const int w = state_.lineWidth > 0 ? state_.lineWidth : 16;
    return std::max(x1, x2) < clip_[0] || std::min(x1, x2) - (w - 1) > clip_[2] ||
           std::max(y1, y2) < clip_[1] || std::min(y1, y2) - (w - 1) > clip_[3];
  }

  Canvas& target_;
  State state_;
  bool clipped_ = false;
  std::array<int, 4> clip_{};  // left, top, right, bottom
};

}  // namespace tessarix
