#include "screens/winner_announcement.h"

#include "screens/computer_match.h"
#include "screens/two_player_match.h"
#include "ui/runtime.h"

namespace zorvane::screens {

using ui::Runtime;
using ui::ScreenId;

void announceWinner(Runtime& rt, std::string_view winnerName) {
  rt.ctl(ScreenId::winner, "winnernme").setText(winnerName);  // loads the screen and starts its timer
  rt.show(ScreenId::winner, true);
}

void announceDraw(Runtime& rt) {
  rt.ctl(ScreenId::winner, "Label1").setText("Same position");  // loads the screen and starts its timer
  rt.ctl(ScreenId::winner, "winnernme").setText("came up three times");
  rt.ctl(ScreenId::winner, "Label2").setText("A Draw!!!");
  rt.show(ScreenId::winner, true);
}

ui::ScreenBehaviour winnerBehaviour() {
  ui::ScreenBehaviour b;
  b.timer["Timer1"] = [](Runtime& rt) {
    // Only one match screen is ever on screen: the one whose win this is.
    if (rt.isShown(ScreenId::game1)) {
      newTwoPlayerGame(rt);
    } else if (rt.isShown(ScreenId::game)) {
      newComputerGame(rt);
    }
    rt.ctl(ScreenId::winner, "Timer1").setEnabled(false);
  };
  b.click["Command1"] = [](Runtime& rt) { rt.unload(ScreenId::winner); };
  return b;
}

}  // namespace zorvane::screens
