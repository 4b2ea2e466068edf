#include "app/game_behaviours.h"

#include "app/main_menu.h"
#include "app/quit_dialog.h"
#include "app/second_player_entry.h"
#include "app/splash_screen.h"
#include "screens/computer_match.h"
#include "screens/two_player_match.h"
#include "screens/winner_announcement.h"

namespace zorvane::app {

using ui::ScreenId;

ui::Behaviours gameBehaviours(std::uint64_t seed) {
  ui::Behaviours b;
  b[ui::indexOf(ScreenId::logo)] = splashBehaviour();
  b[ui::indexOf(ScreenId::Welcome)] = mainMenuBehaviour();
  b[ui::indexOf(ScreenId::player)] = secondPlayerBehaviour();
  b[ui::indexOf(ScreenId::quit)] = quitBehaviour();
  b[ui::indexOf(ScreenId::game1)] = screens::twoPlayerBehaviour();
  b[ui::indexOf(ScreenId::game)] = screens::computerMatchBehaviour(seed);
  b[ui::indexOf(ScreenId::winner)] = screens::winnerBehaviour();
  return b;
}

}  // namespace zorvane::app
