// The hall-of-fame dialog's tabs, lists and buttons.
#include "qt/hall_of_fame_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <array>

namespace tessarix {

namespace {

// Places and sizes in pixels (15 twips a pixel).
constexpr QSize clientSize(464, 357);
constexpr QRect tabsRect(16, 12, 426, 266);
constexpr QRect okRect(84, 287, 131, 30);
constexpr QRect clearRect(240, 287, 131, 30);
constexpr std::array<int, 4> columnWidths = {28, 207, 93, 90};

const std::array<QString, fameLevels> tabCaptions = {
    QStringLiteral("Leicht"), QStringLiteral("Mittel"), QStringLiteral("Schwer"),
    QStringLiteral("Extrem")};

// One level's list in report view: a row for each listed rank, best first, each entry as it
// stands in the tables.
QTreeWidget* levelList(const HallOfFame& tables, int level) {
  auto* list = new QTreeWidget;
  list->setRootIsDecorated(false);
  list->setItemsExpandable(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setHeaderLabels({QStringLiteral("#"), QStringLiteral("Name"), QStringLiteral("Datum"),
                         QStringLiteral("Zeit")});
  list->header()->setStretchLastSection(false);
  list->header()->setSectionsMovable(false);
  for (int column = 0; column < 4; ++column)
    list->setColumnWidth(column, columnWidths[static_cast<size_t>(column)]);
  for (int rank = 1; rank <= fameLastRank; ++rank) {
    if (!fameEntryUsed(tables, rank, level)) continue;
    auto* item = new QTreeWidgetItem({QStringLiteral("%1.").arg(rank),
                                      QString::fromStdString(tables.fameNames[rank][level]),
                                      QString::fromStdString(tables.fameDates[rank][level]),
                                      QString::fromStdString(tables.fameTimes[rank][level])});
    // The columns keep their widths, in which a long name (or a hand-written date or time)
    // is cut short: the whole text shows when the pointer rests on it.
    for (int column = 1; column < 4; ++column) item->setToolTip(column, item->text(column));
    list->addTopLevelItem(item);
  }
  return list;
}

}  // namespace

HallOfFameDialog::HallOfFameDialog(const HallOfFame& tables, int level,
                                   std::function<bool()> confirmClear, QWidget* parent)
    : QDialog(parent),
      tabs_(new QTabWidget(this)),
      ok_(new QPushButton(QStringLiteral("&OK"), this)),
      clear_(new QPushButton(QStringLiteral("&Löschen"), this)),
      confirmClear_(std::move(confirmClear)) {
  setWindowTitle(QStringLiteral("Ruhmeshalle"));
  QFont dialogFont(QStringLiteral("Liberation Sans"));
  dialogFont.setStyleHint(QFont::SansSerif);
  setFont(dialogFont);
  setFixedSize(clientSize);

  tabs_->setGeometry(tabsRect);
  for (int l = 0; l < fameLevels; ++l) {
    lists_[static_cast<size_t>(l)] = levelList(tables, l);
    tabs_->addTab(lists_[static_cast<size_t>(l)], tabCaptions[static_cast<size_t>(l)]);
  }
  if (level >= 0 && level < fameLevels) tabs_->setCurrentIndex(level);

  ok_->setGeometry(okRect);
  clear_->setGeometry(clearRect);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::reject);
  connect(clear_, &QPushButton::clicked, this, &HallOfFameDialog::clearClicked);
}

void HallOfFameDialog::clearClicked() {
  // The tab selected when the answer comes is the one cleared.
  if (!confirmClear_ || !confirmClear_()) return;
  cleared_ = tabs_->currentIndex();
  accept();
}

}  // namespace tessarix
