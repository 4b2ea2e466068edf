// A Qt fixture that opens one of the picture scenes: the screen started,
// its height, the controls it shows or hides, the name typed.
#pragma once

#include "app/main_menu.h"
#include "tests/qt/qt_fixture.h"
#include "tests/qt/scenes.h"

namespace zorvane::ui::qt {

class SceneFixture : public QtFixture {
 protected:
  void open(const Scene& scene) {
    on(ScreenId::Welcome) = app::mainMenuBehaviour();
    start(scene.screen);
    if (scene.outerHeight) rt_->setWindowHeight(scene.screen, scene.outerHeight);
    for (const char* n : scene.show) rt_->ctl(scene.screen, n).setVisible(true);
    for (const char* n : scene.hide) rt_->ctl(scene.screen, n).setVisible(false);
    if (scene.typedName) rt_->userText(scene.screen, "Text1", scene.typedName);
  }
};

}  // namespace zorvane::ui::qt
