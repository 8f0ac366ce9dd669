// The words and colours of the status message.
#include "ui/status_text.h"

#include "ui/palette.h"

namespace tessarix {

const char* statusText(CheckOutcome outcome) {
  switch (outcome) {
    case CheckOutcome::WrongEntry: return "Falsche Zahl! ";
    case CheckOutcome::NotSolvable: return "Nicht lösbar!!!";
    case CheckOutcome::NoErrors: return "Keine Fehler! ";
    case CheckOutcome::Solved:
    case CheckOutcome::SolvedDespiteWrongEntry: return "Brett gelöst!!! ";
    case CheckOutcome::None: break;
  }
  return "";
}

int statusColor(CheckOutcome outcome) {
  switch (outcome) {
    case CheckOutcome::WrongEntry:
    case CheckOutcome::NotSolvable:
    case CheckOutcome::SolvedDespiteWrongEntry: return colorBrightRed;
    case CheckOutcome::None:
    case CheckOutcome::NoErrors:
    case CheckOutcome::Solved: break;
  }
  return colorBlack;
}

}  // namespace tessarix
