// The screen is a picture of the state: while a random player plays (every mode: between
// commands, the play loop, the own board, the keypad open, a finish and its hall of fame), the
// screen the game has drawn step by step equals, pixel for pixel, the whole picture drawn from
// the state on a fresh canvas. The game then plays on on that fresh canvas, so the pixels it
// holds (under the keypad, under the frames, the empty bar) must have been taken anew right.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <random>

#include "qt/image_canvas.h"
#include "support/random_player.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

// A canvas that hands every operation on to the canvas it is switched to. Switched, it sets the
// drawing state on the new canvas as the old one had it, as the screen does at a new scale.
class SwitchCanvas : public Canvas {
 public:
  void switchTo(Canvas& target) {
    target_ = &target;
    target.setLineColor(line_);
    target.setFillColor(fill_);
    target.setLineWidth(width_);
    target.setTransparentText(transparent_);
    target.setTextFont(font_);
  }
  void setLineColor(int i) override { target_->setLineColor(line_ = i); }
  void setFillColor(int i) override { target_->setFillColor(fill_ = i); }
  void setLineWidth(int w) override { target_->setLineWidth(width_ = w); }
  void setTransparentText(bool t) override { target_->setTransparentText(transparent_ = t); }
  void setTextFont(FontStyle f) override { target_->setTextFont(font_ = f); }
  void line(int x1, int y1, int x2, int y2) override { target_->line(x1, y1, x2, y2); }
  void outlineBox(int x1, int y1, int x2, int y2) override { target_->outlineBox(x1, y1, x2, y2); }
  void filledBox(int x1, int y1, int x2, int y2) override { target_->filledBox(x1, y1, x2, y2); }
  void text(int x, int y, const std::string& utf8) override { target_->text(x, y, utf8); }
  void setClip(int x1, int y1, int x2, int y2) override { target_->setClip(x1, y1, x2, y2); }
  void clearClip() override { target_->clearClip(); }
  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override {
    return target_->capture(x1, y1, x2, y2);
  }
  void restore(const CapturedPixels& p, int x, int y) override { target_->restore(p, x, y); }

 private:
  Canvas* target_ = nullptr;
  int line_ = 0, fill_ = 15, width_ = 1;
  bool transparent_ = false;
  FontStyle font_ = FontStyle::Panel;
};

// Where two images differ: how many pixels, and the rectangle around them.
QString difference(const QImage& a, const QImage& b) {
  int count = 0;
  QRect around;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        ++count;
        around |= QRect(x, y, 1, 1);
      }
  return QStringLiteral("%1 pixels differ in (%2, %3) to (%4, %5)")
      .arg(count)
      .arg(around.left())
      .arg(around.top())
      .arg(around.right())
      .arg(around.bottom());
}

}  // namespace

class ScreenPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    for (int level = 0; level < 4; ++level) {
      const QString name = QString::fromStdString(levelFileName(level));
      QVERIFY(QFile::copy(QStringLiteral(TESSARIX_DATA_DIR "/") + name, dir_.filePath(name)));
    }
    QVERIFY(QDir::setCurrent(dir_.path()));
  }

  void theScreenIsThePictureOfTheState_data() {
    QTest::addColumn<uint>("seed");
    for (uint seed : {1u, 2u, 3u, 4u, 5u})
      QTest::newRow(qPrintable(QString::number(seed))) << seed;
  }

  void theScreenIsThePictureOfTheState() {
    QFETCH(uint, seed);
    std::mt19937 rng(seed);
    SwitchCanvas screen;
    std::unique_ptr<ImageCanvas> shown;
    // Every run of the program starts on a canvas of its own.
    const auto freshRun = [&]() -> Canvas& {
      shown = std::make_unique<ImageCanvas>();
      screen.switchTo(*shown);
      return screen;
    };
    RandomPlayer player([&rng](uint32_t n) { return rng() % n; }, freshRun);
    const int events = 3000;
    for (int event = 1; event <= events; ++event) {
      player.step();
      if (event % 4 != 0) continue;
      Game& game = player.game();
      // The whole picture on a fresh canvas, which the game then goes on drawing on.
      auto picture = std::make_unique<ImageCanvas>();
      screen.switchTo(*picture);
      game.drawPicture();
      if (picture->image() != shown->image()) {
        QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3), mode %4%5: %6")
                             .arg(seed)
                             .arg(event)
                             .arg(QString::fromStdString(player.lastEvent()))
                             .arg(static_cast<int>(game.mode()))
                             .arg(game.keypadOpen() ? ", keypad open" : "")
                             .arg(difference(picture->image(), shown->image()))));
      }
      shown = std::move(picture);
      switch (game.mode()) {
        case Game::Mode::Idle: ++idle; break;
        case Game::Mode::Playing: ++playing; break;
        case Game::Mode::OwnBoard: ++ownBoard; break;
      }
      keypad += game.keypadOpen() ? 1 : 0;
      afterFame += player.platform().fameShowings.empty() ? 0 : 1;
    }
  }

  // Over all seeds together, the comparisons reached every mode (a single seed's random play
  // need not reach the own board or the hall of fame).
  void theComparisonsReachedEveryMode() {
    QVERIFY(idle > 0);
    QVERIFY(playing > 0);
    QVERIFY(ownBoard > 0);
    QVERIFY(keypad > 0);
    QVERIFY(afterFame > 0);
  }

 private:
  QTemporaryDir dir_;
  int idle = 0, playing = 0, ownBoard = 0, keypad = 0, afterFame = 0;
};

QTEST_MAIN(ScreenPictureTest)
#include "screen_picture_test.moc"
