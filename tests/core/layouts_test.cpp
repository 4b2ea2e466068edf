// Checks on the seven screens' layout tables (ui/layouts) that catch
// transcription faults: broken references, impossible containment and
// stacking, unknown asset keys and geometry that contradicts what the layout
// says the geometry achieves.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"
#include "ui/screen_id.h"

namespace zorvane::ui {

// Names the screen in GoogleTest's messages (found by argument-dependent lookup).
static void PrintTo(ScreenId id, std::ostream* os) {
  *os << screenName(id);
}

namespace {

// ---- helpers ---------------------------------------------------------------

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive
};

Box boxOf(const ControlSpec& c) {
  if (c.kind == ControlKind::Line) {
    return {std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::max(c.x1, c.x2) + 1, std::max(c.y1, c.y2) + 1};
  }
  return {c.left, c.top, c.left + c.width, c.top + c.height};
}

bool inside(const Box& inner, const Box& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool containsPoint(const Box& b, int x, int y) {
  return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
}

// Index of a control in the layout's list, or -1.
int indexOf(const ScreenLayout& layout, std::string_view name) {
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    if (layout.controls[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

const ControlSpec* find(const ScreenLayout& layout, std::string_view name) {
  const int i = indexOf(layout, name);
  return i < 0 ? nullptr : &layout.controls[static_cast<std::size_t>(i)];
}

// Fails the current test (and returns a dummy) when the control is missing,
// so one missing control does not crash the rest of the run.
const ControlSpec& get(const ScreenLayout& layout, std::string_view name) {
  static const ControlSpec kMissing{.name = "<missing>"};
  const ControlSpec* c = find(layout, name);
  if (c == nullptr) {
    ADD_FAILURE() << screenName(layout.id) << ": no control " << name;
    return kMissing;
  }
  return *c;
}

std::string cellName(char family, int n) {
  return std::string(1, family) + std::to_string(n);
}

bool isFocusable(ControlKind k) {
  return k == ControlKind::TextBox || k == ControlKind::CheckBox || k == ControlKind::OptionButton ||
         k == ControlKind::CommandButton || k == ControlKind::PictureBox;
}

bool isDrawn(ControlKind k) {
  return !isWindowed(k) && k != ControlKind::Timer;
}

// The 31 asset keys of the picture catalogue with the number of
// places that show each (94 in all): icon_main on 5 windows, piece_beetle on
// 22 controls, piece_ladybird on 19, cell_point on 18, turn_arrow on 4, every
// other picture once.
const std::map<std::string_view, int>& catalogue() {
  static const std::map<std::string_view, int> kKeys = {
      {"icon_main", 5},        {"icon_entry", 1},   {"piece_beetle", 22},   {"piece_ladybird", 19},
      {"cell_point", 18},      {"turn_arrow", 4},   {"back_two_player", 1}, {"partner_logo_small", 1},
      {"back_vs_computer", 1}, {"trophy", 1},       {"back_winner", 1},     {"back_entry_card", 1},
      {"entry_piece1", 1},     {"entry_piece2", 1}, {"entry_piece3", 1},    {"entry_piece4", 1},
      {"entry_piece5", 1},     {"maker_logo", 1},   {"partner_logo", 1},    {"emblem_strip", 1},
      {"title_banner", 1},     {"emblem", 1},       {"menu_piece2", 1},     {"menu_piece3", 1},
      {"menu_piece4", 1},      {"menu_alt1", 1},    {"menu_alt2", 1},       {"menu_alt3", 1},
      {"menu_alt4", 1},        {"close_button", 1}, {"back_menu", 1},
  };
  return kKeys;
}

// Every asset key a layout uses: window icon, window background picture and
// the pictures of its controls.
std::vector<std::string_view> assetKeysOf(const ScreenLayout& layout) {
  std::vector<std::string_view> keys;
  if (!layout.window.icon.empty()) keys.push_back(layout.window.icon);
  if (!layout.window.backgroundPicture.empty()) keys.push_back(layout.window.backgroundPicture);
  for (const ControlSpec& c : layout.controls) {
    if (!c.picture.empty()) keys.push_back(c.picture);
  }
  return keys;
}

constexpr std::array kMatchScreens{ScreenId::game, ScreenId::game1};

// ---- properties of every screen ---------------------------------------------

class EveryScreen : public ::testing::TestWithParam<ScreenId> {
 protected:
  const ScreenLayout& layout() const { return layoutOf(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Layouts, EveryScreen, ::testing::ValuesIn(kAllScreens),
                         [](const auto& info) { return std::string(screenName(info.param)); });

TEST_P(EveryScreen, IsBuiltOnceAndCarriesItsOwnId) {
  EXPECT_EQ(layout().id, GetParam());
  EXPECT_EQ(&layoutOf(GetParam()), &layout());
  EXPECT_FALSE(layout().window.caption.empty());
  EXPECT_GT(layout().window.clientWidth, 0);
  EXPECT_GT(layout().window.clientHeight, 0);
}

TEST_P(EveryScreen, ControlNamesAreUniqueAndNonEmpty) {
  std::set<std::string_view> seen;
  for (const ControlSpec& c : layout().controls) {
    EXPECT_FALSE(c.name.empty());
    EXPECT_TRUE(seen.insert(c.name).second) << "duplicate control " << c.name;
  }
}

TEST_P(EveryScreen, ContainersExistAreFramesOrPictureBoxesAndComeFirst) {
  const ScreenLayout& l = layout();
  for (std::size_t i = 0; i < l.controls.size(); ++i) {
    const ControlSpec& c = l.controls[i];
    if (c.container.empty()) continue;
    const int at = indexOf(l, c.container);
    ASSERT_GE(at, 0) << c.name << " names a missing container " << c.container;
    const ControlSpec& holder = l.controls[static_cast<std::size_t>(at)];
    EXPECT_TRUE(holder.kind == ControlKind::Frame || holder.kind == ControlKind::PictureBox)
        << c.name << " is held by " << holder.name << ", which cannot hold controls";
    EXPECT_LT(static_cast<std::size_t>(at), i) << c.name << " comes before its container";
    EXPECT_TRUE(holder.container.empty()) << "containers are not nested in these layouts";
  }
}

// A contained control is positioned relative to its container: its top-left
// lies within the container's own size. An absolute position copied by
// mistake lands outside it.
TEST_P(EveryScreen, ContainedControlsStartInsideTheirContainer) {
  const ScreenLayout& l = layout();
  for (const ControlSpec& c : l.controls) {
    if (c.container.empty() || c.kind == ControlKind::Timer) continue;
    const ControlSpec* holder = find(l, c.container);
    ASSERT_NE(holder, nullptr);
    const Box b = boxOf(c);
    EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left < holder->width && b.top < holder->height)
        << c.name << " at (" << b.left << ", " << b.top << ") outside " << holder->name << " "
        << holder->width << " x " << holder->height;
  }
}

TEST_P(EveryScreen, TabOrderAndFocusNameFocusableVisibleControls) {
  const ScreenLayout& l = layout();
  std::set<std::string_view> seen;
  for (std::string_view name : l.tabOrder) {
    EXPECT_TRUE(seen.insert(name).second) << name << " twice in the tab order";
    if (const KeyboardGroup* group = keyboardGroup(l, name)) {
      // A group of drawn controls: pictures or points, each with its frame when it has one.
      EXPECT_FALSE(find(l, name)) << name << " is both a control and a keyboard group";
      ASSERT_FALSE(group->items.empty()) << name;
      for (std::string_view item : group->items) {
        const ControlKind kind = get(l, item).kind;
        EXPECT_TRUE(kind == ControlKind::Image || kind == ControlKind::Label) << item;
      }
      if (group->kind == KeyboardKind::Choice) {
        EXPECT_EQ(group->marks.size(), group->items.size()) << name;
        for (std::string_view mark : group->marks) EXPECT_EQ(get(l, mark).kind, ControlKind::Shape) << mark;
      } else {
        EXPECT_EQ(group->items.size(), 9u) << name;
        EXPECT_EQ(get(l, group->between).kind, ControlKind::Label) << name;
      }
      continue;
    }
    const ControlSpec& c = get(l, name);
    EXPECT_TRUE(isFocusable(c.kind)) << name << " cannot take the focus";
    EXPECT_TRUE(c.visible) << name << " is hidden and takes no focus";
  }
  for (const KeyboardGroup& group : l.keyboardGroups) {
    EXPECT_TRUE(seen.contains(group.name)) << group.name << " is not in the tab order";
  }
  if (!l.focus.empty()) {
    const ControlSpec& c = get(l, l.focus);
    EXPECT_TRUE(isFocusable(c.kind));
    ASSERT_FALSE(l.tabOrder.empty());
    EXPECT_EQ(l.tabOrder.front(), l.focus) << "the opening focus is the first in the tab order";
  }
}

TEST_P(EveryScreen, AssetKeysAreFromTheCatalogue) {
  for (std::string_view key : assetKeysOf(layout())) {
    EXPECT_TRUE(catalogue().contains(key)) << "unknown asset key " << key;
  }
}

TEST_P(EveryScreen, DefaultAndCancelRolesAreOnAtMostOneButtonEach) {
  int defaults = 0, cancels = 0;
  for (const ControlSpec& c : layout().controls) {
    if (c.isDefault || c.isCancel) {
      EXPECT_EQ(c.kind, ControlKind::CommandButton) << c.name;
    }
    defaults += c.isDefault ? 1 : 0;
    cancels += c.isCancel ? 1 : 0;
  }
  EXPECT_LE(defaults, 1);
  EXPECT_LE(cancels, 1);
}

TEST_P(EveryScreen, TimersTickAndOthersHaveNoInterval) {
  for (const ControlSpec& c : layout().controls) {
    if (c.kind == ControlKind::Timer) {
      EXPECT_GT(c.interval, 0) << c.name;
    } else {
      EXPECT_EQ(c.interval, 0) << c.name;
    }
  }
}

TEST_P(EveryScreen, OptionButtonsFormOneGroupWithAtMostOneSelected) {
  int selected = 0;
  for (const ControlSpec& c : layout().controls) {
    if (c.kind == ControlKind::OptionButton) selected += c.value;
  }
  EXPECT_LE(selected, 1);
}

// A window-level windowed control wholly inside an earlier one can never be
// seen. The layouts have two such controls on purpose (`alt` behind `start`,
// `cmdQuit` behind `Picture1`); any other is a stacking-order fault.
TEST_P(EveryScreen, NoWindowedControlIsCoveredUnlessTheDesignSaysSo) {
  static const std::set<std::pair<ScreenId, std::string_view>> kMeantToBeCovered = {
      {ScreenId::game, "alt"}, {ScreenId::game1, "alt"}, {ScreenId::Welcome, "cmdQuit"}};
  const auto& cs = layout().controls;
  for (std::size_t back = 0; back < cs.size(); ++back) {
    if (!isWindowed(cs[back].kind) || !cs[back].container.empty()) continue;
    bool covered = false;
    for (std::size_t front = 0; front < back; ++front) {
      if (isWindowed(cs[front].kind) && cs[front].container.empty() && cs[front].visible &&
          inside(boxOf(cs[back]), boxOf(cs[front]))) {
        covered = true;
      }
    }
    EXPECT_EQ(covered, kMeantToBeCovered.contains({GetParam(), cs[back].name})) << cs[back].name;
  }
}

// ---- the picture catalogue across all screens --------------------------------

TEST(PictureCatalogue, EveryPictureIsShownInAsManyPlacesAsTheCatalogueSays) {
  std::map<std::string_view, int> uses;
  int total = 0;
  for (ScreenId id : kAllScreens) {
    for (std::string_view key : assetKeysOf(layoutOf(id))) {
      ++uses[key];
      ++total;
    }
  }
  EXPECT_EQ(total, 94);
  EXPECT_EQ(catalogue().size(), 31u);
  for (const auto& [key, places] : catalogue()) {
    EXPECT_EQ(uses[key], places) << key;
  }
}

TEST(Windows, MatchScreenTitlesCarryTheTrademarkSignInUtf8) {
  for (ScreenId id : kMatchScreens) {
    EXPECT_EQ(layoutOf(id).window.caption, "Zorvane\xE2\x84\xA2 - The Game") << screenName(id);
  }
}

TEST(Windows, BackgroundPictureIsTheRearmostDrawnControl) {
  for (ScreenId id : {ScreenId::Welcome, ScreenId::game, ScreenId::game1, ScreenId::winner}) {
    const ScreenLayout& l = layoutOf(id);
    const ControlSpec* last = nullptr;
    for (const ControlSpec& c : l.controls) {
      if (isDrawn(c.kind) && c.container.empty()) last = &c;
    }
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->name, "Image1") << screenName(id);
  }
}

// ---- the board on both match screens -----------------------------------------

class MatchScreen : public ::testing::TestWithParam<ScreenId> {
 protected:
  const ScreenLayout& layout() const { return layoutOf(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Layouts, MatchScreen, ::testing::ValuesIn(kMatchScreens),
                         [](const auto& info) { return std::string(screenName(info.param)); });

TEST_P(MatchScreen, PerCellControlsExistWithTheirKinds) {
  const std::array<std::pair<char, ControlKind>, 4> families{{{'m', ControlKind::Image},
                                                              {'a', ControlKind::Image},
                                                              {'g', ControlKind::Label},
                                                              {'z', ControlKind::Image}}};
  for (int n = 1; n <= 9; ++n) {
    for (const auto& [family, kind] : families) {
      const ControlSpec* c = find(layout(), cellName(family, n));
      ASSERT_NE(c, nullptr) << cellName(family, n);
      EXPECT_EQ(c->kind, kind) << c->name;
      EXPECT_TRUE(c->container.empty()) << c->name;
    }
  }
}

// The stated overlap: each marker lies inside its cell's point, and
// both lie inside the area either piece image covers; the point sits on the
// crossing of the board lines that belongs to the cell.
TEST_P(MatchScreen, MarkerInsidePointInsidePiecesOnTheLineCrossing) {
  const ScreenLayout& l = layoutOf(GetParam());
  // The crossings, taken from the board lines: the two diagonals span the
  // grid; the middle column and the middle row give the middle coordinates.
  const ControlSpec& diagonal = get(l, "Line2");
  const ControlSpec& column = get(l, "Line3");
  const ControlSpec& row = get(l, "Line4");
  const std::array<int, 3> xs{std::min(diagonal.x1, diagonal.x2), column.x1,
                              std::max(diagonal.x1, diagonal.x2)};
  const std::array<int, 3> ys{std::min(diagonal.y1, diagonal.y2), row.y1, std::max(diagonal.y1, diagonal.y2)};
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE("cell " + std::to_string(n));
    const Box g = boxOf(get(l, cellName('g', n)));
    const Box z = boxOf(get(l, cellName('z', n)));
    EXPECT_TRUE(inside(g, z));
    EXPECT_TRUE(inside(z, boxOf(get(l, cellName('m', n)))));
    EXPECT_TRUE(inside(z, boxOf(get(l, cellName('a', n)))));
    EXPECT_TRUE(containsPoint(z, xs[static_cast<std::size_t>((n - 1) % 3)],
                              ys[static_cast<std::size_t>((n - 1) / 3)]));
  }
}

// "Overlap within the board, front to back".
TEST_P(MatchScreen, BoardStacksFrontToBackAsTheOverlapParagraphSays) {
  const std::vector<std::string_view> order = {
      "m1",    "a1",    "m2",    "a2",    "m3", "a3",    "m6", "a6", "m5", "a5", "m4", "a4", "m7", "a7",
      "m8",    "a8",    "m9",    "a9",    "g1", "g2",    "g3", "g4", "g5", "g6", "g9", "g8", "g7",  //
      "z1",    "z2",    "z3",    "z6",    "z9", "z8",    "z7", "z4", "z5",                          //
      "Line4", "Line2", "Line3", "Line1", "sq", "Label1"};
  int previous = -1;
  for (std::string_view name : order) {
    const int at = indexOf(layout(), name);
    ASSERT_GE(at, 0) << name;
    EXPECT_GT(at, previous) << name << " is out of the board's front-to-back order";
    previous = at;
  }
}

TEST_P(MatchScreen, InitialBoardState) {
  const ScreenLayout& l = layout();
  const bool vsComputer = GetParam() == ScreenId::game;
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE("cell " + std::to_string(n));
    // Against the computer both sides open on the board: the player on 2, 3, 4, the computer on 1, 6, 8.
    const bool sideOneStartsHere = vsComputer && (n == 2 || n == 3 || n == 4);
    const bool sideTwoStartsHere = vsComputer && (n == 1 || n == 6 || n == 8);
    const ControlSpec& m = get(l, cellName('m', n));
    const ControlSpec& a = get(l, cellName('a', n));
    const ControlSpec& g = get(l, cellName('g', n));
    EXPECT_EQ(m.visible, sideOneStartsHere);
    EXPECT_EQ(a.visible, sideTwoStartsHere);
    EXPECT_EQ(m.border, Border::None) << "no piece starts selected";
    EXPECT_EQ(a.border, Border::None) << "no piece starts selected";
    EXPECT_TRUE(m.stretch && a.stretch);
    EXPECT_FALSE(g.visible);
    EXPECT_FALSE(g.transparent);
    EXPECT_EQ(g.backColour, rgb(0xA3E800));
    EXPECT_TRUE(get(l, cellName('z', n)).visible);
  }
}

// Both screens share the board to the twip.
TEST(Board, IsIdenticalOnBothMatchScreens) {
  const ScreenLayout& game = layoutOf(ScreenId::game);
  const ScreenLayout& game1 = layoutOf(ScreenId::game1);
  std::vector<std::string> names = {"Label1", "sq", "Line1", "Line2", "Line3", "Line4"};
  for (int n = 1; n <= 9; ++n) {
    for (char family : {'m', 'a', 'g', 'z'}) names.push_back(cellName(family, n));
  }
  for (const std::string& name : names) {
    const ControlSpec& x = get(game, name);
    const ControlSpec& y = get(game1, name);
    EXPECT_EQ(x.kind, y.kind) << name;
    EXPECT_TRUE(x.left == y.left && x.top == y.top && x.width == y.width && x.height == y.height) << name;
    EXPECT_TRUE(x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 && x.y2 == y.y2) << name;
    EXPECT_EQ(x.picture, y.picture) << name;
    EXPECT_EQ(x.borderWidth, y.borderWidth) << name;
  }
}

// `alt` lies wholly behind `start` (both windowed, so behind means later).
TEST_P(MatchScreen, AltLiesWhollyBehindStart) {
  const ScreenLayout& l = layout();
  EXPECT_TRUE(inside(boxOf(get(l, "alt")), boxOf(get(l, "start"))));
  EXPECT_LT(indexOf(l, "start"), indexOf(l, "alt"));
  EXPECT_EQ(get(l, "alt").kind, ControlKind::TextBox);
}

// ---- game1's extension area --------------------------------------------------

// The extension area lies below the normal client height 4275 and shows when
// the window is lengthened to a client height of 5970, which ends exactly at
// the bottom of Image2. The boxes and check boxes the user types into or
// clicks there lie wholly inside the lengthened area.
TEST(Game1Extension, LiesBelowTheNormalAreaAndWithinTheLengthenedOne) {
  const ScreenLayout& l = layoutOf(ScreenId::game1);
  constexpr int kNormal = 4275;
  constexpr int kLengthened = 5970;
  EXPECT_EQ(l.window.clientHeight, kNormal);
  EXPECT_EQ(kLengthened + kNonClientHeightTwips, 6465);
  EXPECT_EQ(kNormal + kNonClientHeightTwips, 4770);
  for (std::string_view name : {"Line7", "Frame1", "rank1", "name1", "p1", "rank", "name2", "Image2"}) {
    const Box b = boxOf(get(l, name));
    EXPECT_GE(b.top, kNormal) << name << " shows at the normal height";
    EXPECT_LT(b.top, kLengthened) << name << " does not show at the lengthened height";
  }
  for (std::string_view name : {"rank1", "name1", "p1", "rank", "name2"}) {
    EXPECT_LE(boxOf(get(l, name)).bottom, kLengthened) << name;
  }
  const ControlSpec& frame = get(l, "Frame1");
  const ControlSpec& full = get(l, "full");
  EXPECT_EQ(full.container, "Frame1");
  EXPECT_LE(frame.top + full.top + full.height, kLengthened);
  EXPECT_EQ(boxOf(get(l, "Image2")).bottom, kLengthened);
}

// ---- the picking rows of Welcome and player ------------------------------------

TEST(Selection, ExactlyOneFrameIsVisibleAtFirst) {
  const std::array<std::pair<ScreenId, std::vector<std::string_view>>, 2> cases{{
      {ScreenId::Welcome, {"sel1", "sel2", "sel3", "sel4"}},
      {ScreenId::player, {"sel1", "sel2", "SEL3", "sel4", "sel5"}},
  }};
  for (const auto& [id, frames] : cases) {
    const ScreenLayout& l = layoutOf(id);
    int visible = 0;
    for (std::string_view name : frames) {
      const ControlSpec& c = get(l, name);
      EXPECT_EQ(c.kind, ControlKind::Shape) << name;
      EXPECT_FALSE(c.filled) << name << " would hide its picture";
      visible += c.visible ? 1 : 0;
    }
    EXPECT_EQ(visible, 1) << screenName(id);
    EXPECT_TRUE(get(l, "sel1").visible) << screenName(id);
  }
}

// k n lies over b n (k4 one pixel off) and behind it; the frame sel n is in
// front of b n and surrounds it; the standard set shows, the alternate hides.
TEST(WelcomeBugSlots, AlternatesLieUnderTheStandardPicturesInsideTheirFrames) {
  const ScreenLayout& l = layoutOf(ScreenId::Welcome);
  for (int n = 1; n <= 4; ++n) {
    SCOPED_TRACE("slot " + std::to_string(n));
    const std::string b = cellName('b', n), k = cellName('k', n), sel = "sel" + std::to_string(n);
    const Box bb = boxOf(get(l, b));
    const Box kb = boxOf(get(l, k));
    const Box onePixelMore{bb.left - kTwipsPerPixel, bb.top - kTwipsPerPixel, bb.right + kTwipsPerPixel,
                           bb.bottom + kTwipsPerPixel};
    EXPECT_TRUE(inside(kb, onePixelMore));
    EXPECT_LT(indexOf(l, b), indexOf(l, k));
    EXPECT_TRUE(inside(bb, boxOf(get(l, sel))));
    EXPECT_LT(indexOf(l, sel), indexOf(l, b));
    EXPECT_TRUE(get(l, b).visible);
    EXPECT_FALSE(get(l, k).visible);
  }
}

// The name boxes limit their length to 8 characters.
TEST(NameBoxes, RefuseANinthCharacter) {
  for (const auto& [id, name] : {std::pair{ScreenId::Welcome, "Text1"}, std::pair{ScreenId::player, "p2"}}) {
    const ControlSpec& c = get(layoutOf(id), name);
    EXPECT_EQ(c.kind, ControlKind::TextBox);
    EXPECT_EQ(c.maxLength, 8) << name;
    EXPECT_LE(c.text.size(), 8u) << name;
  }
}

}  // namespace
}  // namespace zorvane::ui
