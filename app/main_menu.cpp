#include "app/main_menu.h"

#include <array>
#include <string>

#include "rules/board.h"
#include "ui/runtime.h"

namespace zorvane::app {

using ui::Runtime;
using ui::ScreenId;

namespace {

constexpr int kSlots = 4;

std::string slotName(std::string_view family, int n) { return std::string(family) + std::to_string(n); }

void chooseSlot(Runtime& rt, int slot) {
  for (int n = 1; n <= kSlots; ++n) rt.ctl(ScreenId::Welcome, slotName("sel", n)).setVisible(n == slot);
}

void hiddenNameTest(Runtime& rt) {
  const bool hidden = isHiddenName(rt.ctl(ScreenId::Welcome, "Text1").text());
  for (int n = 1; n <= kSlots; ++n) rt.ctl(ScreenId::Welcome, slotName("k", n)).setVisible(hidden);
  for (int n = 1; n <= kSlots; ++n) rt.ctl(ScreenId::Welcome, slotName("b", n)).setVisible(!hidden);
}

// Player one's portrait and pieces on a match screen.
void givePlayerOnePicture(Runtime& rt, ScreenId match, const ui::Picture& picture) {
  rt.ctl(match, "Image11").setPicture(picture);
  for (int n = 1; n <= 9; ++n) rt.ctl(match, rules::cellControl('m', n)).setPicture(picture);
}

// The eight picture rows, in order: a slot's alternative picture, when shown,
// is copied after its standard one and so is the one that remains. Slot 1's
// standard picture is what the two-player screen's pieces already hold.
void copyChosenPicture(Runtime& rt) {
  for (int n = 1; n <= kSlots; ++n) {
    if (!rt.ctl(ScreenId::Welcome, slotName("sel", n)).visible()) continue;
    const ui::Picture picture = rt.ctl(ScreenId::Welcome, slotName("b", n)).picture();
    givePlayerOnePicture(rt, ScreenId::game, picture);
    if (n != 1) givePlayerOnePicture(rt, ScreenId::game1, picture);
  }
  for (int n = 1; n <= kSlots; ++n) {
    if (!rt.ctl(ScreenId::Welcome, slotName("sel", n)).visible()) continue;
    if (!rt.ctl(ScreenId::Welcome, slotName("k", n)).visible()) continue;
    const ui::Picture picture = rt.ctl(ScreenId::Welcome, slotName("k", n)).picture();
    givePlayerOnePicture(rt, ScreenId::game, picture);
    givePlayerOnePicture(rt, ScreenId::game1, picture);
  }
}

void writeNames(Runtime& rt) {
  const std::string playerOne = rt.ctl(ScreenId::Welcome, "Text1").text();
  rt.ctl(ScreenId::game1, "name1").setText(playerOne);
  rt.ctl(ScreenId::game1, "p2name")
      .setText(rt.ctl(ScreenId::game1, "rank1").text() + " " + rt.ctl(ScreenId::game1, "name1").text());
  rt.ctl(ScreenId::game1, "name2").setText(rt.ctl(ScreenId::Welcome, "Label5").text());
  rt.ctl(ScreenId::game1, "Label5")
      .setText(rt.ctl(ScreenId::game1, "rank").text() + " " + rt.ctl(ScreenId::game1, "name2").text());
  // The computer match names the player too, so its announcement names the winner.
  rt.ctl(ScreenId::game, "Label4").setText(playerOne);
}

// Player two's pieces wear player two's portrait. The two-player screen's
// start-up does this once; a screen that a computer-mode Play loaded earlier
// has had its start-up already, before the entry chose the portrait.
void givePlayerTwoPieces(Runtime& rt) {
  const ui::Picture portrait = rt.ctl(ScreenId::game1, "Image12").picture();
  for (int n = 1; n <= 9; ++n) rt.ctl(ScreenId::game1, rules::cellControl('a', n)).setPicture(portrait);
}

void play(Runtime& rt) {
  rt.show(rt.ctl(ScreenId::Welcome, "vscomp").value() == 1 ? ScreenId::game : ScreenId::game1);
  copyChosenPicture(rt);
  givePlayerTwoPieces(rt);
  writeNames(rt);
  rt.unload(ScreenId::Welcome);
  rt.unload(ScreenId::player);
}

}  // namespace

bool isHiddenName(std::string_view text) {
  static constexpr std::array<std::string_view, 4> kForms{"quarvel", "Quarvel", "QUarvel", "QUARVEL"};
  for (std::string_view form : kForms) {
    if (text == form) return true;
  }
  return false;
}

ui::ScreenBehaviour mainMenuBehaviour() {
  ui::ScreenBehaviour b;
  for (int n = 1; n <= kSlots; ++n) {
    b.click[slotName("b", n)] = [n](Runtime& rt) { chooseSlot(rt, n); };
    b.click[slotName("k", n)] = [n](Runtime& rt) { chooseSlot(rt, n); };
  }
  b.changed["Text1"] = hiddenNameTest;
  b.click["vs2"] = [](Runtime& rt) { rt.show(ScreenId::player, true); };
  b.click["Command2"] = [](Runtime& rt) { rt.show(ScreenId::quit, true); };
  b.click["Image2"] = [](Runtime& rt) { rt.show(ScreenId::quit, true); };
  b.click["Command1"] = play;
  return b;
}

}  // namespace zorvane::app
