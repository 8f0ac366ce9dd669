// The screen canvas keeps nothing but its images: after a long run of drawing (boxes, lines,
// texts, pixels taken and put back, as the keypad does) it holds no more than after a short
// one; a new scale has the whole picture drawn again, which equals drawing at that scale from
// the start, pixel for pixel, and leaves the canvas at scale 1 as it was.
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "qt/canvas_paint.h"
#include "qt/image_canvas.h"
#include "qt/screen_canvas.h"
#include "support/sampling.h"

using namespace tessarix;

namespace {

// The same drawing on any number of canvases.
class Fanout {
 public:
  explicit Fanout(std::vector<Canvas*> canvases) : canvases_(std::move(canvases)) {}
  template <class F> void each(F&& f) {
    for (Canvas* c : canvases_) f(*c);
  }
  // A capture on each canvas, to be put back later.
  std::vector<std::unique_ptr<CapturedPixels>> capture(int x1, int y1, int x2, int y2) {
    std::vector<std::unique_ptr<CapturedPixels>> taken;
    for (Canvas* c : canvases_) taken.push_back(c->capture(x1, y1, x2, y2));
    return taken;
  }
  void restore(const std::vector<std::unique_ptr<CapturedPixels>>& taken, int x, int y) {
    for (size_t k = 0; k < canvases_.size(); ++k) canvases_[k]->restore(*taken[k], x, y);
  }

 private:
  std::vector<Canvas*> canvases_;
};

void drawALot(Fanout& out, int operations) {
  std::mt19937 rng(42);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const FontStyle fonts[] = {FontStyle::Marks, FontStyle::Keypad, FontStyle::Panel,
                             FontStyle::Button, FontStyle::Caption, FontStyle::Cell};
  std::vector<std::unique_ptr<CapturedPixels>> held;
  int heldX = 0, heldY = 0;
  for (int k = 0; k < operations; ++k) {
    const int x = pick(1240), y = pick(900), w = 1 + pick(40), h = 1 + pick(30);
    const int line = pick(16), fill = pick(16), width = 1 + pick(3);
    switch (pick(30) < 21 ? 9 : pick(9)) {
      case 0:
      case 1:
      case 2:
        out.each([&](Canvas& c) {
          c.setLineColor(line);
          c.setFillColor(fill);
          c.setLineWidth(width);
          c.filledBox(x, y, x + w, y + h);
        });
        break;
      case 3:
        out.each([&](Canvas& c) {
          c.setLineColor(line);
          c.setLineWidth(width);
          c.line(x, y, x + w, y);
          c.line(x, y, x, y + h);
        });
        break;
      case 4:
        out.each([&](Canvas& c) {
          c.setLineColor(line);
          c.setLineWidth(1);
          c.outlineBox(x, y, x + w, y + h);
        });
        break;
      case 5:
      case 6: {
        const FontStyle f = fonts[pick(6)];
        const bool transparent = pick(2) == 0;
        const char* words = pick(2) ? "7" : "Bitte ein Feld";
        out.each([&](Canvas& c) {
          c.setTextFont(f);
          c.setLineColor(line);
          c.setFillColor(fill);
          c.setTransparentText(transparent);
          c.text(x, y, words);
        });
        break;
      }
      case 7:
        if (held.empty()) {
          held = out.capture(x, y, x + 45, y + 45);
          heldX = x;
          heldY = y;
        }
        break;
      case 8:
        if (!held.empty()) {
          out.restore(held, heldX, heldY);
          held.clear();
        }
        break;
      default: {
        // Cells drawn anew, blanked and written, as entries and redraws of the field do.
        const int cx = 29 + 33 * pick(36), cy = 35 + 25 * pick(34);
        const char digit[2] = {static_cast<char>('1' + pick(9)), 0};
        const int background = pick(4) == 0 ? 16 : 15;
        out.each([&](Canvas& c) {
          c.setLineColor(15);
          c.setFillColor(background);
          c.setLineWidth(1);
          c.filledBox(cx + 1, cy + 1, cx + 32, cy + 24);
          c.setTextFont(FontStyle::Cell);
          c.setTransparentText(true);
          c.setLineColor(4);
          c.text(cx + 8, cy + 1, digit);
        });
        break;
      }
    }
  }
}

}  // namespace

class ScreenCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void aNewScaleDrawsThePictureAgainAndNothingIsKept() {
    ScreenCanvas screen;
    ImageCanvas plain;
    ImageCanvas atScale(canvasWidth, canvasHeight, 1.5);
    const int operations = testing::sampled(150000, 20000);
    // The picture: the whole drawing again, from the window's colour.
    int pictures = 0;
    screen.setPictureSource([&] {
      ++pictures;
      screen.setLineWidth(1);
      screen.setLineColor(12);
      screen.setFillColor(12);
      screen.filledBox(0, 0, canvasWidth - 1, canvasHeight - 1);
      Fanout again({&screen});
      drawALot(again, operations);
    });
    ScreenCanvas shortRun;
    Fanout few({&shortRun});
    drawALot(few, 100);
    Fanout out({&screen, &plain, &atScale});
    drawALot(out, operations);
    QCOMPARE(screen.image(), plain.image());
    // As much after some 650,000 operations as after 400: the image itself.
    QCOMPARE(screen.bytesKept(), shortRun.bytesKept());
    QCOMPARE(screen.bytesKept(), size_t(plain.image().sizeInBytes()));
    QCOMPARE(pictures, 0);
    screen.setScale(1.5);
    QCOMPARE(pictures, 1);
    QCOMPARE(screen.shownImage().size(), atScale.image().size());
    QCOMPARE(screen.shownImage(), atScale.image());
    QCOMPARE(screen.image(), plain.image());
    QCOMPARE(screen.bytesKept(), size_t(plain.image().sizeInBytes() + atScale.image().sizeInBytes()));
    // Drawn on at the new scale, the two stay equal.
    Fanout more({&screen, &atScale});
    drawALot(more, 2000);
    QCOMPARE(screen.shownImage(), atScale.image());
    screen.setScale(1.0);
    QCOMPARE(screen.shownImage(), screen.image());
    QCOMPARE(pictures, 1);
  }

  // A new scale's image takes over the memory of the last one: whatever that held never shows
  // through, growing or shrinking, and an image someone still holds keeps its pixels.
  void aNewScaleReusesMemoryButNoHeldImage() {
    const int operations = 3000;
    const auto picture = [operations](Canvas& c) {
      c.setLineWidth(1);
      c.setLineColor(12);
      c.setFillColor(12);
      c.filledBox(0, 0, canvasWidth - 1, canvasHeight - 1);
      Fanout out({&c});
      drawALot(out, operations);
    };
    ScreenCanvas screen;
    screen.setPictureSource([&] { picture(screen); });
    picture(screen);
    const auto drawnAt = [&](double scale) {
      ImageCanvas fresh(canvasWidth, canvasHeight, scale);
      picture(fresh);
      return fresh.image();
    };
    screen.setScale(2.0);
    const QImage held = screen.shownImage();
    const QImage heldPixels = held.copy();
    // Up, down, up again and down below where it started.
    for (double scale : {2.5, 2.0, 2.5, 1.5}) {
      screen.setScale(scale);
      QCOMPARE(screen.shownImage(), drawnAt(scale));
      QCOMPARE(screen.image(), drawnAt(1.0));
    }
    QCOMPARE(held, heldPixels);
    // The memory kept is what the largest image took, beside the canvas at scale 1.
    const size_t largest = static_cast<size_t>(drawnAt(2.5).sizeInBytes());
    QCOMPARE(screen.bytesKept(), size_t(drawnAt(1.0).sizeInBytes()) + largest);
  }

  // A picture drawn for a new scale equals the same drawing at that scale from the start, also
  // where the image ends in part of a canvas pixel, with boxes past the canvas's edges, clipped
  // boxes and texts, squeezed texts and pixels taken and put back.
  void aNewScaleDrawsEveryPixelAsDrawingAtItDoes_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("1.33") << 1.33;
    QTest::newRow("1.57") << 1.57;
    QTest::newRow("1.7") << 1.7;
    QTest::newRow("2.3") << 2.3;
    QTest::newRow("3") << 3.0;
  }
  void aNewScaleDrawsEveryPixelAsDrawingAtItDoes() {
    QFETCH(double, scale);
    const auto picture = [](Canvas& c) {
      c.setLineWidth(1);
      c.setLineColor(12);
      c.setFillColor(12);
      c.filledBox(0, 0, canvasWidth - 1, canvasHeight - 1);
      c.setFillColor(3);
      c.setLineColor(9);
      c.filledBox(canvasWidth - 20, canvasHeight - 15, canvasWidth + 30, canvasHeight + 30);
      c.filledBox(-10, -10, 12, 14);
      Fanout out({&c});
      drawALot(out, 1500);
      c.setClip(100, 100, 400, 300);
      c.setFillColor(5);
      c.setLineColor(0);
      c.setLineWidth(2);
      c.filledBox(50, 50, 250, 150);
      c.setTextFont(FontStyle::Panel);
      c.setTransparentText(false);
      c.text(380, 290, "Bitte ein Feld");
      c.clearClip();
      c.setTextFont(FontStyle::Caption);
      c.fittedText(600, 400, "Ein langer Text, der nicht passt", 680);
      c.setFillColor(14);
      c.filledBox(590, 395, 640, 420);
      c.setTextFont(FontStyle::Cell);
      c.text(canvasWidth - 12, canvasHeight - 20, "9");
    };
    ScreenCanvas screen;
    screen.setPictureSource([&] { picture(screen); });
    picture(screen);
    screen.setScale(scale);
    ImageCanvas direct(canvasWidth, canvasHeight, scale);
    picture(direct);
    QCOMPARE(screen.shownImage().size(), direct.image().size());
    QCOMPARE(screen.shownImage(), direct.image());
  }

  // The candidate marks, drawn without antialiasing, are set from the pixels their glyph was
  // found to cover: the same pixels as the painter draws, at any scale and wherever within a
  // device pixel a mark starts, the first time and every time after.
  void marksSetTheSamePixelsAsThePainterDraws_data() {
    QTest::addColumn<double>("scale");
    for (double scale : {1.0, 1.25, 1.37, 2.0, 2.5, 3.1}) QTest::addRow("%g", scale) << scale;
  }
  void marksSetTheSamePixelsAsThePainterDraws() {
    QFETCH(double, scale);
    ImageCanvas canvas(420, 120, scale);
    QImage expected(canvas.image().size(), QImage::Format_RGB32);
    expected.fill(paletteColor(12).rgb());
    QPainter p(&expected);
    p.setFont(styleFont(FontStyle::Marks, false));
    const int baseline = static_cast<int>(std::lround(10 * arialAscentUnits / arialCellUnits));
    canvas.setTextFont(FontStyle::Marks);
    canvas.setTransparentText(true);
    for (int round = 0; round < 2; ++round)
      for (int k = 0; k < 120; ++k) {
        const int x = 3 + (k * 7) % 400, y = 2 + (k * 13) % 100, colour = k % 2 == 0 ? 0 : 4;
        const QString mark = QString(QChar(k % 3 == 0 ? 'A' + k % 9 : '1' + k % 9));
        canvas.setLineColor(colour);
        canvas.text(x, y, mark.toStdString());
        p.setPen(paletteColor(colour));
        p.resetTransform();
        p.scale(scale, scale);
        p.translate(x, y + baseline);
        p.drawText(QPointF(0, 0), mark);
      }
    p.end();
    QCOMPARE(canvas.image(), expected);
  }
};

QTEST_MAIN(ScreenCanvasTest)
#include "screen_canvas_test.moc"
