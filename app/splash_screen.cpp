#include "app/splash_screen.h"

#include "ui/runtime.h"

namespace zorvane::app {

using ui::Runtime;
using ui::ScreenId;

ui::ScreenBehaviour splashBehaviour() {
  ui::ScreenBehaviour b;
  b.timer["Timer2"] = [](Runtime& rt) {
    rt.ctl(ScreenId::logo, "Picture1").setVisible(false);
    rt.ctl(ScreenId::logo, "Label1").setVisible(false);
  };
  b.timer["Timer1"] = [](Runtime& rt) {
    rt.unload(ScreenId::logo);
    rt.show(ScreenId::Welcome);
  };
  return b;
}

}  // namespace zorvane::app
