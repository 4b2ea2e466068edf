// `quit`, the quit confirmation.
#include "ui/layouts/common.h"
#include "ui/layouts/screen_layouts.h"

namespace zorvane::ui::layouts {

using namespace look;

ScreenLayout makeQuitLayout() {
  return ScreenLayout{
      .id = ScreenId::quit,
      .window =
          {
              .caption = "Quit?",
              .border = WindowBorder::FixedDialog,
              .clientWidth = 4560,
              .clientHeight = 1275,
              .minimizeButton = false,
              .icon = "icon_main",
              .background = kButtonFace,
              .font = kRegular,
          },
      .controls =
          {
              {.name = "Command2",
               .kind = ControlKind::CommandButton,
               .left = 2520,
               .top = 600,
               .width = 1095,
               .height = 495,
               .text = "No",
               .isCancel = true},
              {.name = "Command1",
               .kind = ControlKind::CommandButton,
               .left = 840,
               .top = 600,
               .width = 1095,
               .height = 495,
               .text = "Yes",
               .isDefault = true},
              {.name = "Label1",
               .kind = ControlKind::Label,
               .left = 240,
               .top = 240,
               .width = 4575,
               .height = 615,
               .text = " Are you sure you want to quit the game ?",
               .font = Font{.family = "Verdana", .points = 9},
               .backColour = kButtonFace},
          },
      .tabOrder = {"Command1", "Command2"},
      .focus = "Command1",
  };
}

}  // namespace zorvane::ui::layouts
