#include "ui/layouts/board.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>

#include "ui/layouts/common.h"

namespace zorvane::ui::layouts {
namespace {

constexpr int kCellCount = 9;

// Storage behind cellControlName(): "m1".."m9", "a1".."a9", "g1".."g9", "z1".."z9".
constexpr std::string_view kFamilies = "magz";
constexpr auto kNameChars = [] {
  std::array<char, kFamilies.size() * kCellCount * 2> chars{};
  for (std::size_t f = 0; f < kFamilies.size(); ++f) {
    for (int n = 1; n <= kCellCount; ++n) {
      const std::size_t at = (f * kCellCount + static_cast<std::size_t>(n - 1)) * 2;
      chars[at] = kFamilies[f];
      chars[at + 1] = static_cast<char>('0' + n);
    }
  }
  return chars;
}();

// The cell table: Left and Top of the point (270 x 270),
// the marker (210 x 210) and the two pieces with their square sizes.
struct Cell {
  int zLeft, zTop;
  int gLeft, gTop;
  int mLeft, mTop, mSize;
  int aLeft, aTop, aSize;
};
constexpr std::array<Cell, kCellCount> kCells{{
    {580, 460, 620, 500, 360, 360, 585, 360, 360, 585},          // 1
    {2140, 460, 2180, 500, 1965, 360, 585, 1965, 360, 600},      // 2
    {3705, 465, 3740, 500, 3600, 360, 585, 3600, 360, 600},      // 3
    {580, 2020, 620, 2060, 360, 1920, 585, 360, 1920, 600},      // 4
    {2145, 2020, 2180, 2060, 1965, 1920, 585, 1965, 1920, 600},  // 5
    {3705, 2020, 3740, 2060, 3600, 1920, 585, 3600, 1920, 600},  // 6
    {585, 3580, 620, 3620, 360, 3480, 585, 360, 3480, 600},      // 7
    {2140, 3585, 2180, 3620, 1965, 3480, 585, 1950, 3480, 600},  // 8
    {3705, 3580, 3740, 3620, 3600, 3480, 585, 3600, 3480, 600},  // 9
}};
constexpr int kPointSize = 270;
constexpr int kMarkerSize = 210;

// "Overlap within the board, front to back", as cell orders.
constexpr std::array<int, kCellCount> kPieceOrder{1, 2, 3, 6, 5, 4, 7, 8, 9};  // m n before a n
constexpr std::array<int, kCellCount> kMarkerOrder{1, 2, 3, 4, 5, 6, 9, 8, 7};
constexpr std::array<int, kCellCount> kPointOrder{1, 2, 3, 6, 9, 8, 7, 4, 5};

const Cell& cell(int n) {
  return kCells[static_cast<std::size_t>(n - 1)];
}

ControlSpec piece(char family, int n, int left, int top, int size, std::string_view picture, bool shown) {
  return ControlSpec{
      .name = cellControlName(family, n),
      .kind = ControlKind::Image,
      .left = left,
      .top = top,
      .width = size,
      .height = size,
      .visible = shown,
      .picture = picture,
      .stretch = true,
  };
}

ControlSpec boardLine(std::string_view name, int x1, int y1, int x2, int y2) {
  return ControlSpec{
      .name = name, .kind = ControlKind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .borderWidth = 2};
}

}  // namespace

std::string_view cellControlName(char family, int n) {
  const std::size_t f = kFamilies.find(family);
  if (f == std::string_view::npos || n < 1 || n > kCellCount) {
    throw std::out_of_range("cellControlName: no such per-cell control");
  }
  return std::string_view(kNameChars.data() + (f * kCellCount + static_cast<std::size_t>(n - 1)) * 2, 2);
}

void appendBoard(std::vector<ControlSpec>& controls, const BoardSpec& definition) {
  const auto shownIn = [](const std::vector<int>& cells, int n) {
    return std::find(cells.begin(), cells.end(), n) != cells.end();
  };

  for (int n : kPieceOrder) {
    const Cell& c = cell(n);
    controls.push_back(
        piece('m', n, c.mLeft, c.mTop, c.mSize, "piece_ladybird", shownIn(definition.sideOnePiecesShown, n)));
    controls.push_back(
        piece('a', n, c.aLeft, c.aTop, c.aSize, "piece_beetle", shownIn(definition.sideTwoPiecesShown, n)));
  }
  for (int n : kMarkerOrder) {
    const Cell& c = cell(n);
    controls.push_back(ControlSpec{
        .name = cellControlName('g', n),
        .kind = ControlKind::Label,
        .left = c.gLeft,
        .top = c.gTop,
        .width = kMarkerSize,
        .height = kMarkerSize,
        .visible = false,
        .backColour = rgb(0xA3E800),
    });
  }
  for (int n : kPointOrder) {
    const Cell& c = cell(n);
    controls.push_back(ControlSpec{
        .name = cellControlName('z', n),
        .kind = ControlKind::Image,
        .left = c.zLeft,
        .top = c.zTop,
        .width = kPointSize,
        .height = kPointSize,
        .picture = "cell_point",
    });
  }

  controls.push_back(boardLine("Line4", 3840, 2160, 720, 2160));  // middle row
  controls.push_back(boardLine("Line2", 720, 600, 3840, 3720));   // top-left to bottom-right
  controls.push_back(boardLine("Line3", 2280, 3720, 2280, 600));  // middle column
  controls.push_back(boardLine("Line1", 3840, 600, 720, 3720));   // top-right to bottom-left
  controls.push_back(ControlSpec{
      .name = "sq",
      .kind = ControlKind::Shape,
      .left = 360,
      .top = 600,
      .width = 3855,
      .height = 3135,
      .shape = ShapeKind::Square,
      .borderWidth = 2,
  });
  controls.push_back(ControlSpec{
      .name = "Label1",
      .kind = ControlKind::Label,
      .left = 240,
      .top = 240,
      .width = 4095,
      .height = 3855,
      .backColour = look::kWhite,
      .border = Border::Sunken,
  });
  controls.insert(controls.end(), definition.behindBoard.begin(), definition.behindBoard.end());
  controls.push_back(ControlSpec{
      .name = "Image1",
      .kind = ControlKind::Image,
      .left = definition.background.left,
      .top = definition.background.top,
      .width = definition.background.width,
      .height = definition.background.height,
      .picture = definition.backgroundPicture,
      .stretch = true,
  });
}

KeyboardGroup boardKeyboard() {
  KeyboardGroup group{.name = "board",
                      .kind = KeyboardKind::Board,
                      .items = {},
                      .between = "Label1",
                      .accessibleName = "Board"};
  for (int n = 1; n <= 9; ++n) group.items.push_back(cellControlName('z', n));
  return group;
}

}  // namespace zorvane::ui::layouts
