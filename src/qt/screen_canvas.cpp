// Every operation goes to the reference canvas and, above scale 1, to the shown one; nothing is
// kept. A new scale draws the picture of the state on a new shown image only (the reference
// holds that picture already), so a rescale costs one drawing of the whole screen at the new
// scale and the memory stays what the images take.
#include "qt/screen_canvas.h"

namespace tessarix {

namespace {

enum StateKind { LineColor, FillColor, LineWidth, TransparentText, TextFont };

// Pixels taken from both images: the reference's, and the shown image's with the shown image
// they belong to.
class ScreenPixels : public CapturedPixels {
 public:
  std::unique_ptr<CapturedPixels> reference;
  std::unique_ptr<CapturedPixels> shown;
  int generation = -1;
};

}  // namespace

ScreenCanvas::ScreenCanvas() = default;

size_t ScreenCanvas::bytesKept() const {
  size_t bytes = reference_.bytesKept();
  if (shown_) bytes += shown_->bytesKept();
  return bytes;
}

void ScreenCanvas::setLargeFonts(bool on) {
  reference_.setLargeFonts(on);
  if (shown_) shown_->setLargeFonts(on);
}

void ScreenCanvas::setDirtyListener(std::function<void(const QRect&)> listener) {
  dirtyListener_ = std::move(listener);
  reference_.setDirtyListener([this](const QRect& r) {
    if (!shown_ && dirtyListener_) dirtyListener_(r);
  });
  if (shown_) shown_->setDirtyListener(dirtyListener_);
}

void ScreenCanvas::applyState(ImageCanvas& canvas) const {
  if (stateSet_[LineColor]) canvas.setLineColor(lineColor_);
  if (stateSet_[FillColor]) canvas.setFillColor(fillColor_);
  if (stateSet_[LineWidth]) canvas.setLineWidth(lineWidth_);
  if (stateSet_[TransparentText]) canvas.setTransparentText(transparentText_);
  if (stateSet_[TextFont]) canvas.setTextFont(font_);
}

void ScreenCanvas::setScale(double scale) {
  if (scale <= 0 || scale == scale_ || drawingPicture_) return;
  scale_ = scale;
  ++generation_;
  if (scale == 1.0) {
    shown_.reset();
  } else {
    // The new image takes over the memory of the one it replaces.
    shown_ = std::make_unique<ImageCanvas>(canvasWidth, canvasHeight, scale, shown_.get());
    shown_->setLargeFonts(reference_.largeFonts());
    if (picture_) {
      applyState(*shown_);
      drawingPicture_ = true;
      picture_();
      drawingPicture_ = false;
      // The game goes on drawing with the state it had set, whatever the picture set last.
      applyState(*shown_);
    }
    shown_->setDirtyListener(dirtyListener_);
  }
  if (dirtyListener_) dirtyListener_(shownImage().rect());
}

template <class Op> void ScreenCanvas::each(Op op) {
  if (!drawingPicture_) op(reference_);
  if (shown_) op(*shown_);
}

void ScreenCanvas::setLineColor(int i) {
  if (!drawingPicture_) {
    lineColor_ = i;
    stateSet_[LineColor] = true;
  }
  each([i](ImageCanvas& c) { c.setLineColor(i); });
}
void ScreenCanvas::setFillColor(int i) {
  if (!drawingPicture_) {
    fillColor_ = i;
    stateSet_[FillColor] = true;
  }
  each([i](ImageCanvas& c) { c.setFillColor(i); });
}
void ScreenCanvas::setLineWidth(int w) {
  if (!drawingPicture_) {
    lineWidth_ = w;
    stateSet_[LineWidth] = true;
  }
  each([w](ImageCanvas& c) { c.setLineWidth(w); });
}
void ScreenCanvas::setTransparentText(bool t) {
  if (!drawingPicture_) {
    transparentText_ = t;
    stateSet_[TransparentText] = true;
  }
  each([t](ImageCanvas& c) { c.setTransparentText(t); });
}
void ScreenCanvas::setTextFont(FontStyle f) {
  if (!drawingPicture_) {
    font_ = f;
    stateSet_[TextFont] = true;
  }
  each([f](ImageCanvas& c) { c.setTextFont(f); });
}
void ScreenCanvas::line(int x1, int y1, int x2, int y2) {
  each([&](ImageCanvas& c) { c.line(x1, y1, x2, y2); });
}
void ScreenCanvas::outlineBox(int x1, int y1, int x2, int y2) {
  each([&](ImageCanvas& c) { c.outlineBox(x1, y1, x2, y2); });
}
void ScreenCanvas::filledBox(int x1, int y1, int x2, int y2) {
  each([&](ImageCanvas& c) { c.filledBox(x1, y1, x2, y2); });
}
void ScreenCanvas::text(int x, int y, const std::string& utf8) {
  each([&](ImageCanvas& c) { c.text(x, y, utf8); });
}
void ScreenCanvas::fittedText(int x, int y, const std::string& utf8, int right) {
  each([&](ImageCanvas& c) { c.fittedText(x, y, utf8, right); });
}
void ScreenCanvas::setClip(int x1, int y1, int x2, int y2) {
  each([&](ImageCanvas& c) { c.setClip(x1, y1, x2, y2); });
}
void ScreenCanvas::clearClip() {
  each([](ImageCanvas& c) { c.clearClip(); });
}

std::unique_ptr<CapturedPixels> ScreenCanvas::capture(int x1, int y1, int x2, int y2) {
  auto pixels = std::make_unique<ScreenPixels>();
  pixels->reference = reference_.capture(x1, y1, x2, y2);
  if (shown_) {
    pixels->shown = shown_->capture(x1, y1, x2, y2);
    pixels->generation = generation_;
  }
  return pixels;
}

void ScreenCanvas::restore(const CapturedPixels& pixels, int x, int y) {
  const auto* p = dynamic_cast<const ScreenPixels*>(&pixels);
  if (p == nullptr) return;
  if (p->reference) reference_.restore(*p->reference, x, y);
  // Pixels of an earlier shown image do not fit this one; the picture takes them anew.
  if (shown_ && p->shown && p->generation == generation_) shown_->restore(*p->shown, x, y);
}

}  // namespace tessarix
