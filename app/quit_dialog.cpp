#include "app/quit_dialog.h"

#include "ui/runtime.h"

namespace zorvane::app {

ui::ScreenBehaviour quitBehaviour() {
  ui::ScreenBehaviour b;
  b.click["Command1"] = [](ui::Runtime& rt) { rt.end(); };
  b.click["Command2"] = [](ui::Runtime& rt) { rt.unload(ui::ScreenId::quit); };
  return b;
}

}  // namespace zorvane::app
