// The help topics beside the game.
#include "app/game.h"

#include "ui/help_topics.h"

namespace tessarix {

void Game::showHelpTopic(const std::string& topic) {
  // The viewer runs beside the game; the game does not wait for it.
  if (!platform_.showHelpTopic(helpFile, topic))
    platform_.showMessage(std::string(helpErrorPrefix) + helpFile);
}

}  // namespace tessarix
