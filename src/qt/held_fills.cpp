// A fill sets one byte per canvas pixel; writing goes row by row: a canvas row's held colours
// become one device row, copied to each device row of its block, the image's own pixels (a
// text's) left between them.
#include "qt/held_fills.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tessarix {

HeldFills::HeldFills(int canvasWidth, int canvasHeight)
    // A block that ends past the image's edge may start inside it: one canvas pixel more.
    : width_(0),
      height_(0),
      codes_(static_cast<size_t>(canvasWidth + 1) * static_cast<size_t>(canvasHeight + 1)),
      canvasWidth_(canvasWidth),
      canvasHeight_(canvasHeight) {}

int HeldFills::at(int v) const { return static_cast<int>(std::floor(v * scale_)); }

void HeldFills::begin(QImage& image, double scale) {
  if (holding()) writeAll();
  // Below scale 1.5 a canvas pixel is too few device pixels for holding to pay (at 1.25 the
  // picture took a quarter longer held); below 1 blocks may be empty or shared.
  if (scale < minimumScale || image.isNull() || image.depth() != 32) return;
  scale_ = scale;
  width_ = 0;
  while (width_ <= canvasWidth_ && at(width_) < image.width()) ++width_;
  height_ = 0;
  while (height_ <= canvasHeight_ && at(height_) < image.height()) ++height_;
  starts_.resize(static_cast<size_t>(width_) + 1);
  for (int x = 0; x <= width_; ++x) starts_[static_cast<size_t>(x)] = std::min(at(x), image.width());
  row_.resize(static_cast<size_t>(image.width()));
  colours_.clear();
  image_ = &image;
}

void HeldFills::fill(const QRect& whole, QRgb colour) {
  const QRect r = whole.intersected(QRect(0, 0, width_, height_));
  if (r.isEmpty()) return;
  auto known = std::find(colours_.begin(), colours_.end(), colour);
  if (known == colours_.end()) {
    if (colours_.size() == 255) {
      // More colours than a byte tells apart (the palette has 16): the held ones go out first.
      QImage* image = image_;
      const double scale = scale_;
      writeAll();
      begin(*image, scale);
    }
    colours_.push_back(colour);
    known = colours_.end() - 1;
  }
  const auto code = static_cast<uint8_t>(known - colours_.begin() + 1);
  for (int y = r.top(); y <= r.bottom(); ++y)
    std::memset(codes_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_) + r.left(),
                code, static_cast<size_t>(r.width()));
}

void HeldFills::write(const QRect& whole) {
  if (!holding()) return;
  const QRect r = whole.intersected(QRect(0, 0, width_, height_));
  if (r.isEmpty()) return;
  uchar* const bits = image_->bits();
  std::vector<std::pair<int, int>> stretches;  // device columns [first, end) of held pixels
  // Rows of cells repeat one canvas row after the other: a row held like the one before it is
  // written as that one was.
  const size_t span = static_cast<size_t>(r.width());
  bool repeat = false;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    uint8_t* codes = codes_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    uint8_t* const first = codes + r.left();
    uint8_t* const end = codes + r.right() + 1;
    if (repeat && std::memcmp(first, last_.data(), span) == 0) {
      std::memset(first, 0, span);
      copyRows(bits, y, stretches);
      continue;
    }
    repeat = false;
    uint8_t* p = std::find_if(first, end, [](uint8_t c) { return c != 0; });
    if (p == end) continue;
    last_.assign(first, end);
    repeat = true;
    stretches.clear();
    while (p != end) {
      // A stretch of held pixels, in runs of one colour.
      uint8_t* q = p;
      while (q != end && *q != 0) {
        const uint8_t code = *q;
        uint8_t* runEnd = q;
        while (runEnd != end && *runEnd == code) ++runEnd;
        const int from = starts_[static_cast<size_t>(q - codes)];
        const int to = starts_[static_cast<size_t>(runEnd - codes)];
        std::fill(row_.data() + from, row_.data() + to, colours_[code - 1]);
        q = runEnd;
      }
      const int from = starts_[static_cast<size_t>(p - codes)];
      const int to = starts_[static_cast<size_t>(q - codes)];
      if (to > from) stretches.emplace_back(from, to);
      std::memset(p, 0, static_cast<size_t>(q - p));
      p = std::find_if(q, end, [](uint8_t c) { return c != 0; });
    }
    copyRows(bits, y, stretches);
  }
}

void HeldFills::copyRows(uchar* bits, int y,
                         const std::vector<std::pair<int, int>>& stretches) const {
  const qsizetype stride = image_->bytesPerLine();
  const int bottom = std::min(at(y + 1), image_->height());
  for (int dy = at(y); dy < bottom; ++dy) {
    QRgb* line = reinterpret_cast<QRgb*>(bits + dy * stride);
    for (const auto& [from, to] : stretches)
      std::memcpy(line + from, row_.data() + from, static_cast<size_t>(to - from) * sizeof(QRgb));
  }
}

void HeldFills::writeAll() {
  write(QRect(0, 0, width_, height_));
  image_ = nullptr;
}

}  // namespace tessarix
