#include "screens/control_panel.h"

#include <string>

#include "ui/caption_number.h"
#include "ui/runtime.h"

namespace zorvane::screens {

using ui::Runtime;
using ui::ScreenId;

namespace {

void step(Runtime& rt, int amount) {
  const auto counter = rt.ctl(ScreenId::game1, "cmd");
  counter.setNumber(counter.number() + amount);
}

void reset(Runtime& rt) {
  rt.ctl(ScreenId::game1, "cmd").setText("0");
}

void heightToggle(Runtime& rt) {
  if (rt.ctl(ScreenId::game1, "cmd").text() != ui::decimal(kPanelUnlockCount)) return;
  const bool lengthened = rt.windowHeight(ScreenId::game1) == kLengthenedHeight;
  rt.setWindowHeight(ScreenId::game1, lengthened ? kNormalHeight : kLengthenedHeight);
}

}  // namespace

void addControlPanel(ui::ScreenBehaviour& game1) {
  game1.click["Image11"] = [](Runtime& rt) { step(rt, 1); };
  game1.click["scorecomp"] = [](Runtime& rt) { step(rt, 3); };
  game1.click["scoreulo"] = [](Runtime& rt) { step(rt, 5); };
  game1.click["Image12"] = reset;
  game1.click["Label2"] = [](Runtime& rt) {
    rt.setWindowHeight(ScreenId::game1, kNormalHeight);
    reset(rt);
  };
  game1.changed["cmd"] = heightToggle;
}

}  // namespace zorvane::screens
