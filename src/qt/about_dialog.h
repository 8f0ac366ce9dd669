// The about box "Inf": the program's name and version, what it is, and its web address.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

namespace tessarix {

// The program's web address, which the about box's link label opens.
inline constexpr const char* projectAddress = "https://codeberg.org/tessarix/tessarix";

// A modal dialog; "OK", Esc and the close box end it. A click on the link label hands the
// address to openAddress, which opens it in the browser; the label itself opens nothing.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(std::function<void(const QString&)> openAddress, QWidget* parent = nullptr);

  QLabel* linkLabel() const { return link_; }
  QPushButton* okButton() const { return ok_; }

 private:
  QLabel* link_;
  QPushButton* ok_;
};

}  // namespace tessarix
