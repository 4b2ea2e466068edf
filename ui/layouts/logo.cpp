// `logo`, the start-up splash.
#include "ui/layouts/common.h"
#include "ui/layouts/screen_layouts.h"

namespace zorvane::ui::layouts {

using namespace look;

ScreenLayout makeLogoLayout() {
  return ScreenLayout{
      .id = ScreenId::logo,
      .window =
          {
              .caption = "Form1",
              .border = WindowBorder::None,
              .clientWidth = 5055,
              .clientHeight = 4275,
              .minimizeButton = false,
              .icon = "icon_main",
              .background = kWhite,
              .backgroundPicture = "maker_logo",
              .font = kRegular,
              .passing = true,
          },
      .controls =
          {
              {.name = "Picture1",
               .kind = ControlKind::PictureBox,
               .left = 0,
               .top = 240,
               .width = 5055,
               .height = 3735,
               .backColour = kWindowBackground,
               .picture = "partner_logo"},
              {.name = "Label1",
               .kind = ControlKind::Label,
               .container = "Picture1",
               .left = 1320,
               .top = 3120,
               .width = 2295,
               .height = 375,
               .text = "in  assosiation with",
               .font = Font{.points = 12, .bold = true},
               .backColour = kWhite},
              {.name = "Line2",
               .kind = ControlKind::Line,
               .container = "Picture1",
               .x1 = 5040,
               .y1 = 0,
               .x2 = 5040,
               .y2 = 3730},
              {.name = "Line1",
               .kind = ControlKind::Line,
               .container = "Picture1",
               .x1 = 0,
               .y1 = 0,
               .x2 = 0,
               .y2 = 3730},
              {.name = "Timer2",
               .kind = ControlKind::Timer,
               .container = "Picture1",
               .interval = 2000,
               .enabled = true},
              {.name = "Timer1", .kind = ControlKind::Timer, .interval = 4000, .enabled = true},
          },
      .tabOrder = {},
      .focus = {},
  };
}

}  // namespace zorvane::ui::layouts
