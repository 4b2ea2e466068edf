// `player`, the second-player entry.
#include "ui/layouts/common.h"
#include "ui/layouts/screen_layouts.h"

namespace zorvane::ui::layouts {

using namespace look;

namespace {

// A portrait's selection frame: a 3-pixel #FF8000 rectangle, not filled.
ControlSpec selectionFrame(std::string_view name, int left, int size, bool visible) {
  return {.name = name,
          .kind = ControlKind::Shape,
          .left = left,
          .top = 960,
          .width = size,
          .height = size,
          .visible = visible,
          .shape = ShapeKind::Rectangle,
          .borderWidth = 3,
          .borderColour = rgb(0xFF8000),
          .filled = false};
}

// A portrait choice: a stretched picture with a single flat border, 750 x 750.
ControlSpec portrait(std::string_view name, int left, std::string_view picture) {
  return {.name = name,
          .kind = ControlKind::Image,
          .left = left,
          .top = 960,
          .width = 750,
          .height = 750,
          .border = Border::FlatSingle,
          .picture = picture,
          .stretch = true};
}

}  // namespace

ScreenLayout makePlayerLayout() {
  return ScreenLayout{
      .id = ScreenId::player,
      .window =
          {
              .caption = "Enter player 2 info.",
              .border = WindowBorder::FixedSingle,
              .clientWidth = 4845,
              .clientHeight = 1845,
              .minimizeButton = false,
              .icon = "icon_entry",
              .background = kButtonFace,
              .backgroundPicture = "back_entry_card",
              .font = kRegular,
          },
      .controls =
          {
              // Windowed, front to back.
              {.name = "Command1",
               .kind = ControlKind::CommandButton,
               .left = 3360,
               .top = 240,
               .width = 1335,
               .height = 495,
               .text = "OK",
               .font = Font{.family = "Arial", .points = 9.75, .bold = true},
               .backColour = kWhite},
              {.name = "p2",
               .kind = ControlKind::TextBox,
               .left = 960,
               .top = 240,
               .width = 2175,
               .height = 285,
               .text = "Player 2",
               .maxLength = 8,
               .framed = false},
              // Drawn, front to back.
              selectionFrame("SEL3", 2040, 765, false),
              selectionFrame("sel5", 3960, 765, false),
              selectionFrame("sel4", 3000, 765, false),
              selectionFrame("sel2", 1080, 765, false),
              selectionFrame("sel1", 98, 770, true),
              portrait("i5", 3960, "entry_piece5"),
              portrait("i1", 120, "entry_piece1"),
              portrait("i4", 3000, "entry_piece4"),
              portrait("i2", 1080, "entry_piece2"),
              portrait("i3", 2040, "entry_piece3"),
          },
      .tabOrder = {"p2", "portraits", "Command1"},
      .focus = "p2",
      .keyboardGroups = {{.name = "portraits",
                          .kind = KeyboardKind::Choice,
                          .items = {"i1", "i2", "i3", "i4", "i5"},
                          .marks = {"sel1", "sel2", "SEL3", "sel4", "sel5"},
                          .accessibleName = "Choose your bug"}},
  };
}

}  // namespace zorvane::ui::layouts
