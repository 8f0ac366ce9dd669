// The screen's Canvas: the game's 1280 x 946 canvas, pixel exact (the reference the tests
// read), and the same drawing at the scale the window shows it, sharp at that scale. It keeps
// no history of drawing: a new scale has the whole picture drawn again on a new image.
#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <string>

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
  // Device pixels per canvas pixel. A change above 1 makes a new shown image and has the
  // picture drawn on it; at 1 the reference is what is shown.
  void setScale(double scale);
  // What draws the whole screen from scratch on this canvas (the game's picture), set before
  // the scale first changes.
  void setPictureSource(std::function<void()> drawPicture) { picture_ = std::move(drawPicture); }
  // The bytes the canvas holds: its images.
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
  void fittedText(int x, int y, const std::string& utf8, int right) override;
  void setClip(int x1, int y1, int x2, int y2) override;
  void clearClip() override;
  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override;
  void restore(const CapturedPixels& pixels, int x, int y) override;

 private:
  // The canvases an operation goes to: the reference and the shown image, if there is one.
  template <class Op> void each(Op op);
  // The drawing state as last set, handed on to a new shown image before and after its picture.
  void applyState(ImageCanvas& canvas) const;

  ImageCanvas reference_;
  std::unique_ptr<ImageCanvas> shown_;  // none at scale 1
  double scale_ = 1.0;
  int generation_ = 0;           // counts the shown images; a capture belongs to one of them
  bool drawingPicture_ = false;  // the picture is being drawn for a new scale
  std::function<void()> picture_;
  std::function<void(const QRect&)> dirtyListener_;
  // The drawing state as the game last set it.
  int lineColor_ = 0, fillColor_ = 15, lineWidth_ = 1;
  bool transparentText_ = false;
  FontStyle font_ = FontStyle::Panel;
  bool stateSet_[5] = {};  // which of the five the game has set
};

}  // namespace tessarix
