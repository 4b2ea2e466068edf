#include "app/second_player_entry.h"

#include <array>
#include <string>

#include "rules/board.h"
#include "ui/runtime.h"

namespace zorvane::app {

using ui::Runtime;
using ui::ScreenId;

namespace {

// The third frame's name is written in capitals.
constexpr std::array<std::string_view, 5> kFrames{"sel1", "sel2", "SEL3", "sel4", "sel5"};

std::string portrait(int n) { return "i" + std::to_string(n); }

void choosePortrait(Runtime& rt, int chosen) {
  for (int n = 1; n <= 5; ++n) rt.ctl(ScreenId::player, std::string(kFrames[n - 1])).setVisible(n == chosen);
}

void confirm(Runtime& rt) {
  rt.ctl(ScreenId::Welcome, "Label5").setText(rt.ctl(ScreenId::player, "p2").text());
  for (int n = 1; n <= 5; ++n) {
    if (rt.ctl(ScreenId::player, std::string(kFrames[n - 1])).visible()) {
      rt.ctl(ScreenId::game1, "Image12").setPicture(rt.ctl(ScreenId::player, portrait(n)).picture());
    }
  }
  // Player one starts from slot 1's standard picture; Play writes the chosen one over it.
  const ui::Picture standard = rt.ctl(ScreenId::Welcome, "b1").picture();
  rt.ctl(ScreenId::game1, "Image11").setPicture(standard);
  for (int n = 1; n <= 9; ++n) rt.ctl(ScreenId::game1, rules::cellControl('m', n)).setPicture(standard);
  rt.hide(ScreenId::player);
}

}  // namespace

ui::ScreenBehaviour secondPlayerBehaviour() {
  ui::ScreenBehaviour b;
  for (int n = 1; n <= 5; ++n) b.click[portrait(n)] = [n](Runtime& rt) { choosePortrait(rt, n); };
  b.click["Command1"] = confirm;
  return b;
}

}  // namespace zorvane::app
