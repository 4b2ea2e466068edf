// The fixed description of a screen: its window and its controls, in the
// units (twips) and front-to-back order of the screen's layout table.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/screen_id.h"

namespace zorvane::ui {

enum class ControlKind {
  Label,
  Image,
  TextBox,
  CheckBox,
  OptionButton,
  CommandButton,
  Frame,
  PictureBox,
  Shape,
  Line,
  Timer,
};

// Windowed controls always cover drawn ones, whatever their list order.
constexpr bool isWindowed(ControlKind k) {
  return k == ControlKind::TextBox || k == ControlKind::CheckBox || k == ControlKind::OptionButton ||
         k == ControlKind::CommandButton || k == ControlKind::Frame || k == ControlKind::PictureBox;
}

enum class SystemColour { None, ButtonFace, WindowBackground, WindowText, HighlightText, ActiveTitleBar };

// Either a plain #RRGGBB value or one of the system's colours.
struct Colour {
  std::uint32_t rgb = 0;
  SystemColour system = SystemColour::None;
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};
constexpr Colour rgb(std::uint32_t value) {
  return Colour{value, SystemColour::None};
}
constexpr Colour sys(SystemColour s) {
  return Colour{0, s};
}

struct Font {
  std::string_view family = "MS Sans Serif";
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  // Points added to each gap between words (a run of spaces counts once):
  // where a caption sets words in columns with spaces, the stand-in face's
  // narrower spaces would pull them out of line.
  double wordSpacing = 0;
};

// A single flat border is a one-pixel black frame inside the rectangle;
// a sunken border is the toolkit's three-dimensional frame.
enum class Border { None, FlatSingle, Sunken };

enum class ShapeKind { Rectangle, Square };

enum class Align { Left, Centre };

struct ControlSpec {
  std::string_view name;
  ControlKind kind = ControlKind::Label;
  // The frame or picture box that holds this control; empty for the window.
  std::string_view container = {};
  int left = 0, top = 0, width = 0, height = 0;
  // Lines only: their two end points, relative to the container.
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  // Caption of labels, buttons, check boxes, option buttons and frames; text of text boxes.
  std::string_view text = {};
  bool visible = true;
  std::optional<Font> font = {};
  // Unset means the toolkit default for the kind (button face for labels).
  std::optional<Colour> backColour = {};
  std::optional<Colour> foreColour = {};
  bool transparent = false;  // labels: background not painted
  Border border = Border::None;
  Align align = Align::Left;
  std::string_view picture = {};   // asset key, empty for none
  bool stretch = false;            // images: scale the picture to the control
  int value = 0;                   // check box 0/1/2, option button 0/1
  int maxLength = 0;               // text boxes: 0 means no limit
  bool framed = true;              // text boxes: sunken frame drawn
  bool isDefault = false;          // command buttons: Enter presses it
  bool isCancel = false;           // command buttons: Esc presses it
  std::string_view shortcut = {};  // command buttons: a key that presses it, as "H" or "Ctrl+Z"
  ShapeKind shape = ShapeKind::Rectangle;
  int borderWidth = 1;  // shapes and lines, in pixels
  std::optional<Colour> borderColour = {};
  bool filled = false;  // shapes: filled with fillColour
  Colour fillColour = rgb(0xFFFFFF);
  int interval = 0;     // timers, milliseconds
  bool enabled = true;  // timers
};

// Drawn controls that take the keyboard together as one Tab stop, through a
// cursor that the adapter draws and that acts as the pointer would: the
// board's cells, or a row of pictures to choose from.
enum class KeyboardKind { Board, Choice };

struct KeyboardGroup {
  std::string_view name;  // its place in the tab order
  KeyboardKind kind = KeyboardKind::Choice;
  // Board: the nine points, row by row; Choice: the pictures, left to right.
  std::vector<std::string_view> items;
  // Choice: the frame that shows each picture chosen.
  std::vector<std::string_view> marks = {};
  // Board: what the pointer crosses from one cell to the next.
  std::string_view between = {};
  // What a screen reader calls the group.
  std::string_view accessibleName = {};
};

enum class WindowBorder { None, FixedSingle, FixedDialog };

struct WindowSpec {
  std::string_view caption;
  WindowBorder border = WindowBorder::FixedSingle;
  int clientWidth = 0, clientHeight = 0;  // twips
  bool minimizeButton = false;
  std::string_view icon = {};  // asset key, empty for none
  Colour background = sys(SystemColour::ButtonFace);
  std::string_view backgroundPicture = {};  // drawn unscaled at the top left
  Font font = {};                           // for controls without a font of their own
  // A passing screen (the splash, an announcement) keeps its title but stays out of the taskbar.
  bool passing = false;
};

struct ScreenLayout {
  ScreenId id;
  WindowSpec window;
  // Front to back within each family (windowed, drawn); containers before their children.
  std::vector<ControlSpec> controls;
  // Controls and keyboard groups, first to last; only what the user can see.
  std::vector<std::string_view> tabOrder;
  std::string_view focus = {};  // the control that holds the focus when the window opens
  std::vector<KeyboardGroup> keyboardGroups = {};
};

// The keyboard group of that name, or nullptr.
const KeyboardGroup* keyboardGroup(const ScreenLayout& layout, std::string_view name);

// Outer window heights are given with this non-client height added to the client area.
constexpr int kNonClientHeightTwips = 495;
constexpr int kTwipsPerPixel = 15;

const ScreenLayout& layoutOf(ScreenId id);

}  // namespace zorvane::ui
