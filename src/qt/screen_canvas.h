// The screen's Canvas: the game's 1280 x 946 canvas, pixel exact (the reference the tests
// read), and the same drawing at the scale the window shows it, sharp at that scale. Every
// operation is kept, so that a new scale draws the whole screen again at once.
#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "qt/image_canvas.h"
#include "ui/canvas.h"

namespace tessarix {

class ScreenCanvas : public Canvas {
 public:
  ScreenCanvas();

  // The canvas at scale 1, pixel for pixel.
  const QImage& image() const { return reference_.image(); }
  // What the window shows: the device pixels at the shown scale (the reference at scale 1).
  const QImage& shownImage() const { return shown_ ? shown_->image() : reference_.image(); }
  double scale() const { return scale_; }
  // Device pixels per canvas pixel; a change draws everything again at the new scale.
  void setScale(double scale);
  // Operations kept for the next change of scale (for the tests and the benchmark).
  size_t keptOperations() const { return journal_.size(); }
  // The bytes the canvas holds: its images, and whatever it keeps to draw them again.
  size_t bytesKept() const;

  void setLargeFonts(bool on);
  bool largeFonts() const override { return reference_.largeFonts(); }
  // Called with the device rectangle of every drawing on the shown image.
  void setDirtyListener(std::function<void(const QRect&)> listener);

  void setLineColor(int paletteIndex) override;
  void setFillColor(int paletteIndex) override;
  void setLineWidth(int width) override;
  void setTransparentText(bool transparent) override;
  void setTextFont(FontStyle style) override;
  void line(int x1, int y1, int x2, int y2) override;
  void outlineBox(int x1, int y1, int x2, int y2) override;
  void filledBox(int x1, int y1, int x2, int y2) override;
  void text(int x, int y, const std::string& utf8) override;
  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override;
  void restore(const CapturedPixels& pixels, int x, int y) override;

 private:
  // The shown copy of a capture, replaced when everything is drawn again.
  using ShownSlot = std::shared_ptr<std::unique_ptr<CapturedPixels>>;
  struct State {
    int kind;  // which setter
    int value;
  };
  struct Shape {
    int kind;  // line, outline box, filled box
    int x1, y1, x2, y2;
  };
  struct Text {
    int x, y;
    std::string utf8;
  };
  struct Capture {
    int x1, y1, x2, y2;
    ShownSlot slot;
  };
  struct Restore {
    ShownSlot slot;
    int x, y;
    int width, height;  // of the captured rectangle, in canvas pixels
  };
  using Operation = std::variant<State, Shape, Text, Capture, Restore>;

  void apply(ImageCanvas& canvas, const Operation& op);
  void record(Operation op);
  // Drops what later drawing covers wholly, and drawing state that no kept drawing uses.
  void compact();

  ImageCanvas reference_;
  std::unique_ptr<ImageCanvas> shown_;  // none at scale 1
  double scale_ = 1.0;
  std::vector<Operation> journal_;
  size_t compactAt_ = 60000;
  std::function<void(const QRect&)> dirtyListener_;
};

}  // namespace tessarix
