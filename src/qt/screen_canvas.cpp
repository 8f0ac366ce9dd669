// Every operation goes to the reference canvas, to the shown one and into the journal; a new
// scale replays the journal into a new shown canvas. A fill over the whole canvas covers all
// that came before it, so the journal starts again there.
#include "qt/screen_canvas.h"

#include <algorithm>
#include <map>
#include <set>
#include <cmath>
#include <cstdlib>

namespace tessarix {

namespace {

enum StateKind { LineColor, FillColor, LineWidth, TransparentText, TextFont };
enum ShapeKind { Line, OutlineBox, FilledBox };

class ScreenPixels : public CapturedPixels {
 public:
  std::unique_ptr<CapturedPixels> reference;
  std::shared_ptr<std::unique_ptr<CapturedPixels>> shown;
  int width = 0, height = 0;
};

QRect spanning(int x1, int y1, int x2, int y2, int grow) {
  return QRect(QPoint(std::min(x1, x2) - grow, std::min(y1, y2) - grow),
               QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// Which canvas pixels later drawing paints over for certain.
class Coverage {
 public:
  Coverage() : covered_(static_cast<size_t>(canvasWidth) * canvasHeight, 0) {}
  bool covers(const QRect& r) const {
    const QRect c = r.intersected(QRect(0, 0, canvasWidth, canvasHeight));
    if (c.isEmpty()) return true;  // wholly off the canvas
    for (int y = c.top(); y <= c.bottom(); ++y)
      for (int x = c.left(); x <= c.right(); ++x)
        if (!covered_[static_cast<size_t>(y) * canvasWidth + x]) return false;
    return true;
  }
  void set(const QRect& r, bool on) {
    const QRect c = r.intersected(QRect(0, 0, canvasWidth, canvasHeight));
    for (int y = c.top(); y <= c.bottom(); ++y)
      std::fill_n(covered_.begin() + static_cast<ptrdiff_t>(y) * canvasWidth + c.left(),
                  c.width(), on);
  }

 private:
  std::vector<char> covered_;
};

}  // namespace

ScreenCanvas::ScreenCanvas() = default;

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

size_t ScreenCanvas::bytesKept() const {
  size_t bytes = static_cast<size_t>(reference_.image().sizeInBytes());
  if (shown_) bytes += static_cast<size_t>(shown_->image().sizeInBytes());
  bytes += journal_.capacity() * sizeof(Operation);
  // The shown copies of captured pixels the journal refers to, each once, at the shown scale.
  std::set<const void*> seen;
  for (const Operation& op : journal_) {
    if (const auto* t = std::get_if<Text>(&op)) {
      if (t->utf8.capacity() > std::string().capacity()) bytes += t->utf8.capacity() + 1;
    } else if (const auto* c = std::get_if<Capture>(&op)) {
      if (!seen.insert(c->slot.get()).second) continue;
      bytes += sizeof(std::unique_ptr<CapturedPixels>) + 32;  // the shared slot and its count
      if (shown_ && *c->slot) {
        const int w = std::abs(c->x2 - c->x1) + 1, h = std::abs(c->y2 - c->y1) + 1;
        bytes += static_cast<size_t>(std::ceil(w * scale_) * std::ceil(h * scale_) * 4);
      }
    }
  }
  return bytes;
}

void ScreenCanvas::setScale(double scale) {
  if (scale <= 0 || scale == scale_) return;
  scale_ = scale;
  if (scale == 1.0) {
    shown_.reset();
  } else {
    shown_ = std::make_unique<ImageCanvas>(canvasWidth, canvasHeight, scale);
    shown_->setLargeFonts(reference_.largeFonts());
    for (const Operation& op : journal_) apply(*shown_, op);
    shown_->setDirtyListener(dirtyListener_);
  }
  if (dirtyListener_) dirtyListener_(shownImage().rect());
}

void ScreenCanvas::apply(ImageCanvas& canvas, const Operation& op) {
  if (const auto* s = std::get_if<State>(&op)) {
    switch (s->kind) {
      case LineColor: canvas.setLineColor(s->value); break;
      case FillColor: canvas.setFillColor(s->value); break;
      case LineWidth: canvas.setLineWidth(s->value); break;
      case TransparentText: canvas.setTransparentText(s->value != 0); break;
      case TextFont: canvas.setTextFont(static_cast<FontStyle>(s->value)); break;
    }
  } else if (const auto* s = std::get_if<Shape>(&op)) {
    switch (s->kind) {
      case Line: canvas.line(s->x1, s->y1, s->x2, s->y2); break;
      case OutlineBox: canvas.outlineBox(s->x1, s->y1, s->x2, s->y2); break;
      case FilledBox: canvas.filledBox(s->x1, s->y1, s->x2, s->y2); break;
    }
  } else if (const auto* t = std::get_if<Text>(&op)) {
    canvas.text(t->x, t->y, t->utf8);
  } else if (const auto* c = std::get_if<Capture>(&op)) {
    *c->slot = canvas.capture(c->x1, c->y1, c->x2, c->y2);
  } else if (const auto* r = std::get_if<Restore>(&op)) {
    if (*r->slot) canvas.restore(**r->slot, r->x, r->y);
  }
}

void ScreenCanvas::record(Operation op) {
  // A filled box over the whole canvas leaves nothing of what was drawn before it (the drawing
  // state set before it is kept).
  if (const auto* s = std::get_if<Shape>(&op);
      s && s->kind == FilledBox && std::min(s->x1, s->x2) <= 0 && std::min(s->y1, s->y2) <= 0 &&
      std::max(s->x1, s->x2) >= canvasWidth - 1 && std::max(s->y1, s->y2) >= canvasHeight - 1) {
    std::vector<Operation> states;
    for (Operation& kept : journal_)
      if (std::holds_alternative<State>(kept)) states.push_back(std::move(kept));
    journal_ = std::move(states);
  }
  apply(reference_, op);
  if (shown_) apply(*shown_, op);
  journal_.push_back(std::move(op));
  if (journal_.size() >= compactAt_) {
    compact();
    compactAt_ = std::max<size_t>(60000, 2 * journal_.size());
  }
}

void ScreenCanvas::compact() {
  // Forward: the line width, font and text background each drawing was made with.
  std::vector<int> widths(journal_.size(), 1);
  std::vector<ImageCanvas::TextExtent> texts(journal_.size());
  std::vector<char> opaqueText(journal_.size(), 0);
  int width = 1;
  FontStyle font = FontStyle::Panel;
  bool transparent = false;
  // How often the journal itself refers to each capture's pixels.
  std::map<const void*, long> journalRefs;
  for (const Operation& op : journal_) {
    if (const auto* c = std::get_if<Capture>(&op)) ++journalRefs[c->slot.get()];
    if (const auto* r = std::get_if<Restore>(&op)) ++journalRefs[r->slot.get()];
  }
  std::set<const void*> restoredLater;  // captures a kept restore puts back
  for (size_t k = 0; k < journal_.size(); ++k) {
    if (const auto* s = std::get_if<State>(&journal_[k])) {
      if (s->kind == LineWidth) width = std::max(1, s->value);
      if (s->kind == TextFont) font = static_cast<FontStyle>(s->value);
      if (s->kind == TransparentText) transparent = s->value != 0;
    } else if (const auto* t = std::get_if<Text>(&journal_[k])) {
      texts[k] = reference_.textExtent(font, t->x, t->y, t->utf8);
      opaqueText[k] = !transparent;
    }
    widths[k] = width;
  }
  // Backward: a drawing wholly under later opaque drawing goes; a capture still wanted keeps
  // what lies under it.
  Coverage coverage;
  std::vector<char> keep(journal_.size(), 1);
  for (size_t k = journal_.size(); k-- > 0;) {
    const Operation& op = journal_[k];
    const int grow = widths[k] - 1;
    if (const auto* s = std::get_if<Shape>(&op)) {
      // A straight line of width w lies on its pixels and the w - 1 above or left of them; a
      // box's border grows up and left the same way.
      const bool straight = s->kind == Line && (s->x1 == s->x2 || s->y1 == s->y2);
      const QRect r = !straight        ? spanning(s->x1, s->y1, s->x2, s->y2, grow)
                      : s->y1 == s->y2 ? QRect(QPoint(std::min(s->x1, s->x2), s->y1 - grow),
                                               QPoint(std::max(s->x1, s->x2), s->y1))
                                       : QRect(QPoint(s->x1 - grow, std::min(s->y1, s->y2)),
                                               QPoint(s->x1, std::max(s->y1, s->y2)));
      if (coverage.covers(r)) {
        keep[k] = 0;
      } else if (s->kind == FilledBox || straight) {
        coverage.set(r, true);
      }
    } else if (std::holds_alternative<Text>(op)) {
      // A text under later drawing, all it may touch, goes; an opaque one covers its box.
      const QRect reach = opaqueText[k] ? (texts[k].box | texts[k].ink) : texts[k].ink;
      if (coverage.covers(reach)) keep[k] = 0;
      else if (opaqueText[k]) coverage.set(texts[k].box, true);
    } else if (const auto* c = std::get_if<Capture>(&op)) {
      // Wanted while the game holds the pixels or a kept restore puts them back.
      const bool held = c->slot.use_count() > journalRefs[c->slot.get()];
      if (!held && !restoredLater.contains(c->slot.get())) {
        keep[k] = 0;
      } else {
        coverage.set(spanning(c->x1, c->y1, c->x2, c->y2, 0), false);
      }
    } else if (const auto* r = std::get_if<Restore>(&op)) {
      const QRect rect(r->x, r->y, r->width, r->height);
      if (coverage.covers(rect)) {
        keep[k] = 0;
      } else {
        coverage.set(rect, true);
        restoredLater.insert(r->slot.get());
      }
    }
  }
  // Forward again: of the drawing state set between two kept drawings, the last of each kind.
  std::vector<Operation> kept;
  kept.reserve(journal_.size() / 2);
  std::vector<Operation> pendingStates;
  for (size_t k = 0; k < journal_.size(); ++k) {
    if (std::holds_alternative<State>(journal_[k])) {
      const int kind = std::get<State>(journal_[k]).kind;
      std::erase_if(pendingStates, [kind](const Operation& o) { return std::get<State>(o).kind == kind; });
      pendingStates.push_back(std::move(journal_[k]));
      continue;
    }
    if (!keep[k]) continue;
    for (Operation& state : pendingStates) kept.push_back(std::move(state));
    pendingStates.clear();
    kept.push_back(std::move(journal_[k]));
  }
  for (Operation& state : pendingStates) kept.push_back(std::move(state));
  journal_ = std::move(kept);
}

void ScreenCanvas::setLineColor(int i) { record(State{LineColor, i}); }
void ScreenCanvas::setFillColor(int i) { record(State{FillColor, i}); }
void ScreenCanvas::setLineWidth(int w) { record(State{LineWidth, w}); }
void ScreenCanvas::setTransparentText(bool t) { record(State{TransparentText, t ? 1 : 0}); }
void ScreenCanvas::setTextFont(FontStyle f) { record(State{TextFont, static_cast<int>(f)}); }
void ScreenCanvas::line(int x1, int y1, int x2, int y2) { record(Shape{Line, x1, y1, x2, y2}); }
void ScreenCanvas::outlineBox(int x1, int y1, int x2, int y2) {
  record(Shape{OutlineBox, x1, y1, x2, y2});
}
void ScreenCanvas::filledBox(int x1, int y1, int x2, int y2) {
  record(Shape{FilledBox, x1, y1, x2, y2});
}
void ScreenCanvas::text(int x, int y, const std::string& utf8) { record(Text{x, y, utf8}); }

std::unique_ptr<CapturedPixels> ScreenCanvas::capture(int x1, int y1, int x2, int y2) {
  auto pixels = std::make_unique<ScreenPixels>();
  pixels->reference = reference_.capture(x1, y1, x2, y2);
  pixels->shown = std::make_shared<std::unique_ptr<CapturedPixels>>();
  pixels->width = std::abs(x2 - x1) + 1;
  pixels->height = std::abs(y2 - y1) + 1;
  if (shown_) *pixels->shown = shown_->capture(x1, y1, x2, y2);
  journal_.push_back(Capture{x1, y1, x2, y2, pixels->shown});
  return pixels;
}

void ScreenCanvas::restore(const CapturedPixels& pixels, int x, int y) {
  const auto* p = dynamic_cast<const ScreenPixels*>(&pixels);
  if (p == nullptr) return;
  if (p->reference) reference_.restore(*p->reference, x, y);
  if (shown_ && *p->shown) shown_->restore(**p->shown, x, y);
  journal_.push_back(Restore{p->shown, x, y, p->width, p->height});
}

}  // namespace tessarix
