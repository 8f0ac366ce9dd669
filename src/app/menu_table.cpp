// The menu table and the reading of it into a menu bar.
#include "app/menu_table.h"

#include <array>
#include <stdexcept>

#include "app/platform.h"
#include "logic/game_state.h"

namespace tessarix {

namespace {

constexpr std::array<std::string_view, 45> kMenuTable = {
    "&Tessarix",
    "8:&Neues Spiel",
    "-",
    "10:&Spielstart",
    "25:N&eustart",
    "-",
    "12:Spieldruck",
    "-",
    "99:&Beenden",
    "",
    "&Optionen",
    "20:&lade Brett",
    "21:&sichere Brett",
    "-",
    "22:&Brett lösen",
    "26:B&rett löschen",
    "27:Brett &drucken",
    "24:Brett &mischen",
    "-",
    "11:&Eigenes Brett",
    "-",
    "28:&Neue Rätsel erzeugen",
    "48:Markierungen nach&führen",
    "",
    "Sch&wierigkeit",
    "30:&Leicht",
    "31:&Mittel",
    "32:&Schwer",
    "33:&Extrem",
    "-",
    "40:&Zahlen",
    "41:&Buchstaben",
    "-",
    "44:Zeige &Kandidaten",
    "-",
    "45:Rätsel-Symmetrie",
    "-",
    "50:&Ruhmeshalle",
    "",
    "&Hilfe",
    "60:&Anleitung",
    "-",
    "1:über &Tessarix...",
    "",
    "",
};

// An item string: the id is the number before the first colon, the text everything after it.
void appendItem(MenuBuilder& builder, std::string_view entry, size_t colon) {
  int id = 0;
  for (char c : entry.substr(0, colon)) {
    if (c < '0' || c > '9') throw std::runtime_error("Menü: ungültiger Eintrag");
    id = id * 10 + (c - '0');
  }
  builder.appendItem(id, std::string(entry.substr(colon + 1)));
}

// The table ran out before the string that closes a menu: a fault of the table itself.
std::string_view next(std::span<const std::string_view> table, size_t& pos) {
  if (pos >= table.size()) throw std::runtime_error("Menü: Tabelle nicht abgeschlossen");
  return table[pos++];
}

}  // namespace

std::span<const std::string_view> menuTable() { return kMenuTable; }

void buildPopup(MenuBuilder& builder, std::span<const std::string_view> table, size_t& pos) {
  for (;;) {
    const std::string_view entry = next(table, pos);
    if (entry.empty()) return;
    if (entry == "-") {
      builder.appendSeparator();
    } else if (entry.front() == '>') {
      builder.beginPopup(std::string(entry.substr(1)));
      buildPopup(builder, table, pos);
      builder.endPopup();
    } else {
      const size_t colon = entry.find(':');
      if (colon == std::string_view::npos) throw std::runtime_error("Menü: ungültiger Eintrag");
      appendItem(builder, entry, colon);
    }
  }
}

void buildMenu(MenuBuilder& builder) {
  const auto table = menuTable();
  size_t pos = 0;
  for (;;) {
    const std::string_view entry = next(table, pos);
    if (entry.empty()) return;
    const size_t colon = entry.find(':');
    if (colon != std::string_view::npos) {
      appendItem(builder, entry, colon);
    } else {
      builder.beginPopup(std::string(entry));
      buildPopup(builder, table, pos);
      builder.endPopup();
    }
  }
}

void updateMenuChecks(const GameState& state, Platform& platform) {
  using namespace menu;
  for (int id : {LevelEasy, LevelMedium, LevelHard, LevelExtreme, Digits, Letters, Candidates,
                 Symmetry, FreshPuzzles, TrackMarks})
    platform.setMenuChecked(id, false);
  platform.setMenuChecked(LevelEasy + state.options.level, true);
  platform.setMenuChecked(state.options.digitMode ? Digits : Letters, true);
  if (state.options.showCandidates) platform.setMenuChecked(Candidates, true);
  if (state.options.symmetryOn) platform.setMenuChecked(Symmetry, true);
  if (state.options.freshPuzzles) platform.setMenuChecked(FreshPuzzles, true);
  if (state.options.trackMarks) platform.setMenuChecked(TrackMarks, true);
}

}  // namespace tessarix
