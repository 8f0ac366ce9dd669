// The Qt implementation of the game's windows-level services.
#include "qt/qt_platform.h"

#include "app/command_line.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "qt/about_dialog.h"
#include "qt/canvas_widget.h"
#include "qt/champion_dialog.h"
#include "qt/hall_of_fame_dialog.h"
#include "qt/help_window.h"
#include "qt/printer_canvas.h"
#include "qt/slot_dialog.h"

namespace tessarix {

QtPlatform::QtPlatform(QWidget* window) : window_(window), random_(std::random_device{}()) {
  clock_.start();
}

QtPlatform::~QtPlatform() {
  if (busy_) QApplication::restoreOverrideCursor();
  delete helpWindow_.data();
}

namespace {
// A dialog's offset from the main window's corner, at the scale the canvas is shown at.
QPoint scaledOffset(const QWidget* mainWindow, int x, int y) {
  const auto* canvas = mainWindow->findChild<const CanvasWidget*>();
  const double scale = canvas ? canvas->scale() : 1.0;
  return {static_cast<int>(std::lround(x * scale)), static_cast<int>(std::lround(y * scale))};
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

int QtPlatform::ask(const std::string& text, const std::vector<std::string>& buttons,
                    int defaultButton, MessageIcon icon) {
  asked.push_back(text);
  if (answerHook) return answerHook(text, buttons, defaultButton);
  // A question asked from inside a dialog (the hall of fame's "Wirklich löschen?") sits over it.
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                      : window_.data();
  QMessageBox box(boxIcon(icon), QStringLiteral("Tessarix"), QString::fromStdString(text),
                  QMessageBox::NoButton, parent);
  std::vector<QPushButton*> pushButtons;
  for (const std::string& caption : buttons)
    pushButtons.push_back(box.addButton(QString::fromStdString(caption), QMessageBox::ActionRole));
  if (defaultButton >= 0 && defaultButton < static_cast<int>(pushButtons.size()))
    box.setDefaultButton(pushButtons[defaultButton]);
  // Esc answers with the last button ("&NEIN", or the only one).
  if (!pushButtons.empty()) box.setEscapeButton(pushButtons.back());
  runModal(box);
  for (size_t i = 0; i < pushButtons.size(); ++i)
    if (box.clickedButton() == pushButtons[i]) return static_cast<int>(i);
  return static_cast<int>(pushButtons.size()) - 1;
}

void QtPlatform::showMessage(const std::string& text) {
  asked.push_back(text);
  if (messageHook) {
    messageHook(text);
    return;
  }
  QMessageBox box(QMessageBox::Information, QStringLiteral("Tessarix"),
                  QString::fromStdString(text), QMessageBox::Ok, window_.data());
  runModal(box);
}

int QtPlatform::runModal(QDialog& dialog) {
  const int result = dialog.exec();
  // Back to the window under the dialog: another dialog it sat over, else the main window,
  // enabled and active, so that the keyboard and the menu's access keys reach it without a
  // click (no window manager does that for us).
  if (QWidget* under = QApplication::activeModalWidget()) {
    under->raise();
    under->activateWindow();
  } else if (QWidget* mainWindow = window_ ? window_->window() : nullptr) {
    mainWindow->setEnabled(true);
    mainWindow->raise();
    mainWindow->activateWindow();
  }
  return result;
}

int QtPlatform::chooseSlot(SlotPurpose purpose, int preselected) {
  QWidget* mainWindow = window_ ? window_->window() : nullptr;
  SlotDialog dialog(purpose, preselected, mainWindow);
  // The dialog's frame sits 960 and 600 pixels right of and below the main window's frame.
  if (mainWindow) dialog.move(mainWindow->frameGeometry().topLeft() + scaledOffset(mainWindow, 960, 600));
  if (slotDialogHook) QTimer::singleShot(0, &dialog, [this, &dialog] { slotDialogHook(&dialog); });
  runModal(dialog);
  return dialog.chosenSlot();
}

int QtPlatform::showHallOfFame(const HallOfFame& tables, int level) {
  QWidget* mainWindow = window_ ? window_->window() : nullptr;
  HallOfFameDialog dialog(
      tables, level,
      [this] {
        return ask("Wirklich löschen?", {"&JA", "&NEIN"}, 0, MessageIcon::Question) == 0;
      },
      mainWindow);
  // The dialog's frame sits 342 and 269 pixels right of and below the main window's frame.
  if (mainWindow) dialog.move(mainWindow->frameGeometry().topLeft() + scaledOffset(mainWindow, 342, 269));
  if (fameDialogHook) QTimer::singleShot(0, &dialog, [this, &dialog] { fameDialogHook(&dialog); });
  runModal(dialog);
  return dialog.clearedLevel();
}

void QtPlatform::showAbout() {
  QWidget* mainWindow = window_ ? window_->window() : nullptr;
  AboutDialog dialog([this](const QString& address) { openUrl(address.toStdString()); },
                     mainWindow);
  // The dialog's frame sits 400 and 218 pixels right of and below the main window's frame.
  if (mainWindow) dialog.move(mainWindow->frameGeometry().topLeft() + scaledOffset(mainWindow, 400, 218));
  if (aboutDialogHook)
    QTimer::singleShot(0, &dialog, [this, &dialog] { aboutDialogHook(&dialog); });
  runModal(dialog);
}

void QtPlatform::openUrl(const std::string& address) {
  if (openUrlHook) {
    openUrlHook(address);
    return;
  }
  // A browser that does not open is no error of the game's: nothing is shown.
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

bool QtPlatform::showHelpTopic(const std::string& file, const std::string& topic) {
  const QString path = helpPagePath(QString::fromStdString(file), QString::fromStdString(topic));
  if (path.isEmpty()) return false;
  if (!helpWindow_) helpWindow_ = new HelpWindow(window_ ? window_->window() : nullptr);
  helpWindow_->showPage(path);
  return true;
}

PrintOutcome QtPlatform::print(const std::string& documentName, const PageDrawing& drawPage) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromStdString(documentName));
  if (!printFile_.empty()) {
    // What became of the file since the start is looked at again: a FIFO put there meanwhile
    // would hold the game until something read it.
    if (!printFileProblem(printFile_).empty()) return PrintOutcome::Failed;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printFile_));
  } else if (const QPrinterInfo info = QPrinterInfo::defaultPrinter(); !info.isNull()) {
    printer.setPrinterName(info.printerName());
  } else {
    // No default printer: the player picks one (or a file); a cancel ends the job quietly.
    QPrintDialog dialog(&printer, window_ ? window_->window() : nullptr);
    if (runModal(dialog) != QDialog::Accepted) return PrintOutcome::Cancelled;
  }
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::Failed;
  // The painter's origin is the printable area's top-left corner.
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  PrinterCanvas canvas(painter);
  drawPage(canvas, area.width(), area.height());
  if (!painter.end() || printer.printerState() == QPrinter::Error) return PrintOutcome::Failed;
  return PrintOutcome::Printed;
}

void QtPlatform::setBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void QtPlatform::setMenuEnabled(bool enabled) {
  if (menuBar_) menuBar_->setEnabled(enabled);
}

void QtPlatform::setMenuChecked(int id, bool checked) {
  const auto it = actions_.find(id);
  if (it == actions_.end()) return;
  // Only a checked item shows its mark; the others look like every other item.
  it->second->setCheckable(checked);
  it->second->setChecked(checked);
}

void QtPlatform::setClockText(const std::string& text) {
  if (clockLabel_) clockLabel_->setText(QString::fromStdString(text));
}

void QtPlatform::startClockTick() {
  if (clockTimer_) clockTimer_->start();
}

void QtPlatform::stopClockTick() {
  if (clockTimer_) clockTimer_->stop();
}

int64_t QtPlatform::nowTenths() { return clock_.elapsed() / 100; }

std::string QtPlatform::dateText() {
  return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}

int QtPlatform::randomInt(int n) { return random_.randomInt(std::max(n, 1)); }

void QtPlatform::runInBackground(std::function<void()> work, std::function<void()> done) {
  jobs_.run(std::move(work), std::move(done));
}

void QtPlatform::startStepTimer(int milliseconds) {
  if (stepTimer_) stepTimer_->start(milliseconds);
}

bool QtPlatform::mouseButtonsDown() { return QGuiApplication::mouseButtons() != Qt::NoButton; }

ChampionPrompt::Answer QtPlatform::askChampionName(const std::string& championName) {
  if (championNameHook) return championNameHook(championName);
  QWidget* mainWindow = window_ ? window_->window() : nullptr;
  ChampionDialog dialog(QString::fromStdString(championName), mainWindow);
  // The dialog's frame sits 451 and 367 pixels right of and below the main window's frame.
  if (mainWindow) dialog.move(mainWindow->frameGeometry().topLeft() + scaledOffset(mainWindow, 451, 367));
  if (championDialogHook)
    QTimer::singleShot(0, &dialog, [this, &dialog] { championDialogHook(&dialog); });
  const bool accepted = runModal(dialog) == QDialog::Accepted;
  return {accepted, dialog.name().toStdString()};
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::quit() {
  if (quitHook) {
    quitHook();
    return;
  }
  if (window_) window_->close();
  QCoreApplication::quit();
}

}  // namespace tessarix
