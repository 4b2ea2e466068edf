// `winner`, the winner announcement.
#include "ui/layouts/common.h"
#include "ui/layouts/screen_layouts.h"

namespace zorvane::ui::layouts {

using namespace look;

ScreenLayout makeWinnerLayout() {
  return ScreenLayout{
      .id = ScreenId::winner,
      .window =
          {
              .caption = "Form1",
              .border = WindowBorder::None,
              .clientWidth = 5220,
              .clientHeight = 2370,
              .minimizeButton = false,
              .icon = {},
              .background = kWhite,
              .font = kRegular,
              .passing = true,
          },
      .controls =
          {
              // Windowed, front to back.
              {.name = "Command1",
               .kind = ControlKind::CommandButton,
               .left = 2040,
               .top = 1680,
               .width = 1215,
               .height = 375,
               .text = "OK",
               .font = Font{.family = "Arial", .points = 12, .bold = true},
               .backColour = kWhite,
               .isDefault = true},
              {.name = "Picture1",
               .kind = ControlKind::PictureBox,
               .left = 720,
               .top = 1080,
               .width = 735,
               .height = 735,
               .backColour = rgb(0xFF0000),
               .picture = "trophy"},
              // Drawn, front to back.
              {.name = "Shape1",
               .kind = ControlKind::Shape,
               .left = 0,
               .top = 120,
               .width = 5220,
               .height = 2370,
               .shape = ShapeKind::Rectangle,
               .borderWidth = 1,
               .borderColour = kWhite,
               .filled = false},
              {.name = "winnernme",
               .kind = ControlKind::Label,
               .left = 2400,
               .top = 600,
               .width = 2535,
               .height = 255,
               .text = " ",
               .font = kBold975,
               .transparent = true},
              {.name = "Label2",
               .kind = ControlKind::Label,
               .left = 1800,
               .top = 960,
               .width = 2415,
               .height = 615,
               .text = "You Won!!!",
               .font = Font{.points = 24},
               .transparent = true},
              {.name = "Label1",
               .kind = ControlKind::Label,
               .left = 720,
               .top = 600,
               .width = 1815,
               .height = 255,
               .text = "Congratulations",
               .font = kBold975,
               .transparent = true},
              {.name = "Image1",
               .kind = ControlKind::Image,
               .left = 0,
               .top = 120,
               .width = 5520,
               .height = 2250,
               .picture = "back_winner",
               .stretch = true},
              {.name = "Timer1", .kind = ControlKind::Timer, .interval = 20, .enabled = true},
          },
      .tabOrder = {},
      .focus = {},
  };
}

}  // namespace zorvane::ui::layouts
