// The game from the keyboard alone: the Tab cycle of every screen, the
// board's cursor acting as the pointer does, the picture choices, and a whole
// two-player game from the menu to the winner's next game.
#include <QApplication>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "app/accessible_names.h"
#include "app/game_behaviours.h"
#include "tests/qt/qt_fixture.h"

namespace zorvane::ui::qt {
namespace {

class Keyboard : public QtFixture {
 protected:
  void SetUp() override { behaviours_ = app::gameBehaviours(5); }

  void open(ScreenId id) {
    start(ScreenId::logo);
    platform_->setAccessibleNames(app::accessibleNames());
    show(id);
  }
  void show(ScreenId id) {
    rt_->show(id);
    exposed(id);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(id)));
  }

  // A key to whatever has the focus, as the keyboard sends it.
  static void key(Qt::Key k, const QString& text = {}) {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::sendKeyEvent(QTest::Click, target, k, text, Qt::NoModifier);
  }
  static void type(const QString& text) {
    for (QChar ch : text) key(Qt::Key_unknown, QString(ch));
  }

  // The name of the focused control or keyboard group on the screen, "?" for anything else.
  std::string focused(ScreenId id) const {
    QWidget* f = QApplication::focusWidget();
    const ScreenLayout& l = layoutOf(id);
    for (const ControlSpec& c : l.controls) {
      if (f && window(id)->widgetFor(c.name) == f) return std::string(c.name);
    }
    for (const KeyboardGroup& g : l.keyboardGroups) {
      if (f && window(id)->widgetFor(g.name) == f) return std::string(g.name);
    }
    return "?";
  }

  std::vector<std::string> tabCycle(ScreenId id, int presses) {
    std::vector<std::string> visited{focused(id)};
    for (int k = 0; k < presses; ++k) {
      key(Qt::Key_Tab);
      visited.push_back(focused(id));
    }
    return visited;
  }

  const Control& model(ScreenId id, std::string_view name) const { return rt_->find(id)->control(name); }

  // The board cursor walks to a cell with the arrow keys, from where it is.
  void goTo(int cell) {
    while (cursorCell_ != cell) {
      const int row = (cursorCell_ - 1) / 3, column = (cursorCell_ - 1) % 3;
      const int wantRow = (cell - 1) / 3, wantColumn = (cell - 1) % 3;
      if (row < wantRow) {
        key(Qt::Key_Down);
        cursorCell_ += 3;
      } else if (row > wantRow) {
        key(Qt::Key_Up);
        cursorCell_ -= 3;
      } else if (column < wantColumn) {
        key(Qt::Key_Right);
        ++cursorCell_;
      } else {
        key(Qt::Key_Left);
        --cursorCell_;
      }
    }
  }
  void press(int cell) {
    goTo(cell);
    key(Qt::Key_Space);
  }

  std::string board(ScreenId id) const {
    std::string cells;
    for (int n = 1; n <= 9; ++n) {
      const std::string c = std::to_string(n);
      cells += model(id, "m" + c).visible() ? 'm' : model(id, "a" + c).visible() ? 'a' : '.';
    }
    return cells;
  }
  std::string markers(ScreenId id) const {
    std::string shown;
    for (int n = 1; n <= 9; ++n) {
      if (model(id, "g" + std::to_string(n)).visible()) shown += std::to_string(n);
    }
    return shown;
  }

  int cursorCell_ = 5;
};

struct TabCase {
  const char* what;
  ScreenId screen;
  std::function<void(Runtime&)> before;
  std::vector<std::string> cycle;
};

TEST_F(Keyboard, TabVisitsWhatTheUserCanSeeOnEveryScreenAndComesBackRound) {
  const TabCase cases[] = {
      {"the menu", ScreenId::Welcome, nullptr, {"Command1", "Text1", "bugs", "vscomp", "Command1"}},
      {"the menu in two-player mode",
       ScreenId::Welcome,
       [](Runtime& rt) {
         rt.ctl(ScreenId::Welcome, "vs2").setValue(1), rt.ctl(ScreenId::Welcome, "vscomp").setValue(0);
       },
       {"Command1", "Text1", "bugs", "vs2", "Command1"}},
      {"the entry", ScreenId::player, nullptr, {"p2", "portraits", "Command1", "p2"}},
      {"the quit confirmation", ScreenId::quit, nullptr, {"Command1", "Command2", "Command1"}},
      {"two players, the panel out of sight", ScreenId::game1, nullptr, {"start", "board", "start"}},
      {"two players, the panel in sight",
       ScreenId::game1,
       [](Runtime& rt) { rt.setWindowHeight(ScreenId::game1, 6465); },
       {"start", "board", "rank", "name2", "p1", "rank1", "name1", "full", "start"}},
      {"against the computer",
       ScreenId::game,
       nullptr,
       {"start", "board", "hint", "undo", "levelNormal", "start"}},
  };
  start(ScreenId::logo);
  for (const TabCase& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.before) c.before(*rt_);
    show(c.screen);
    EXPECT_EQ(tabCycle(c.screen, static_cast<int>(c.cycle.size()) - 1), c.cycle);
    rt_->unload(c.screen);
  }
}

TEST_F(Keyboard, ThePanelsBoxesLeaveTheCycleWhenThePanelCloses) {
  open(ScreenId::game1);
  rt_->setWindowHeight(ScreenId::game1, 6465);
  for (int k = 0; k < 6; ++k) key(Qt::Key_Tab);
  ASSERT_EQ(focused(ScreenId::game1), "name1");
  rt_->setWindowHeight(ScreenId::game1, 4770);
  EXPECT_EQ(focused(ScreenId::game1), "start") << "the focus leaves a box that went out of sight";
  EXPECT_EQ(tabCycle(ScreenId::game1, 2), (std::vector<std::string>{"start", "board", "start"}));
}

TEST_F(Keyboard, TheBoardCursorMovesAsThePointerWouldAndMixesWithTheMouse) {
  open(ScreenId::game1);
  QTest::qWait(5);  // the start-up tick
  key(Qt::Key_Tab);
  ASSERT_EQ(focused(ScreenId::game1), "board");
  EXPECT_EQ(markers(ScreenId::game1), "5") << "taking the focus arrives on the centre's point";
  EXPECT_EQ(model(ScreenId::game1, "g5").backColour(), rgb(0x0000FF));
  key(Qt::Key_Right);
  EXPECT_EQ(markers(ScreenId::game1), "6") << "leaving across the board hides the old marker";
  key(Qt::Key_Right);
  EXPECT_EQ(markers(ScreenId::game1), "6") << "no wrap at the edge: nothing moves";
  key(Qt::Key_Up);
  EXPECT_EQ(markers(ScreenId::game1), "3");
  key(Qt::Key_Return);
  EXPECT_EQ(board(ScreenId::game1), "..m......") << "Enter clicks the marker";
  cursorCell_ = 3;

  // The mouse places on 1 while the cursor stays on 3.
  const QPoint one = centreOf(620, 500, 210, 210);
  QTest::mouseMove(window(ScreenId::game1)->windowHandle(), one + QPoint(3, 3));
  QTest::mouseMove(window(ScreenId::game1)->windowHandle(), one);
  clickAt(ScreenId::game1, one);
  EXPECT_EQ(board(ScreenId::game1), "a.m......");
  // Space on a held cell reaches the piece, which the placement phase ignores.
  key(Qt::Key_Space);
  EXPECT_EQ(board(ScreenId::game1), "a.m......");
  press(9);
  EXPECT_EQ(board(ScreenId::game1), "a.m.....m");
  // As under the pointer, the clicked marker stays shown under its piece until the cursor moves on.
  EXPECT_EQ(markers(ScreenId::game1), "9");
  key(Qt::Key_Up);
  EXPECT_EQ(markers(ScreenId::game1), "6");
}

TEST_F(Keyboard, AWholeTwoPlayerGameFromTheMenuWithTheKeyboardAlone) {
  open(ScreenId::Welcome);
  // The name, a bug, then "2 player", which opens the entry.
  key(Qt::Key_Tab);
  ASSERT_EQ(focused(ScreenId::Welcome), "Text1");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  type("Ann");
  key(Qt::Key_Tab);
  key(Qt::Key_End);
  key(Qt::Key_Left);
  EXPECT_TRUE(model(ScreenId::Welcome, "sel3").visible());
  key(Qt::Key_Tab);
  ASSERT_EQ(focused(ScreenId::Welcome), "vscomp");
  bool entered = false;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::player)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    type("Bob");
    key(Qt::Key_Tab);
    key(Qt::Key_Right);
    EXPECT_TRUE(model(ScreenId::player, "sel2").visible());
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(ScreenId::player), "Command1");
    key(Qt::Key_Space);
    entered = true;
  });
  key(Qt::Key_Down);
  ASSERT_TRUE(entered);
  EXPECT_EQ(model(ScreenId::Welcome, "vs2").value(), 1);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::Welcome)));
  key(Qt::Key_Return);  // "Play !"
  ASSERT_TRUE(rt_->isShown(ScreenId::game1));
  ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::game1)));
  QTest::qWait(5);
  EXPECT_EQ(model(ScreenId::game1, "p2name").text(), "FroggyFood Ann");

  key(Qt::Key_Tab);
  for (int cell : {1, 2, 4, 3, 9, 6}) press(cell);
  EXPECT_EQ(board(ScreenId::game1), "maam.a..m");
  press(9);  // select
  press(8);  // move
  press(6);
  press(5);
  EXPECT_EQ(board(ScreenId::game1), "maama..m.");
  press(8);
  std::string announced;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::winner)));
    announced = model(ScreenId::winner, "winnernme").text();
    QTest::qWait(40);  // the announcement clears the board
    key(Qt::Key_Return);
  });
  press(7);
  EXPECT_EQ(announced, "FroggyFood Ann");
  EXPECT_EQ(model(ScreenId::game1, "scoreulo").text(), "1");
  EXPECT_EQ(board(ScreenId::game1), ".........");
  // The winner places first in the next game, still from the keyboard.
  ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::game1)));
  if (focused(ScreenId::game1) != "board") {
    key(Qt::Key_Tab);
  }
  ASSERT_EQ(focused(ScreenId::game1), "board");
  press(5);
  EXPECT_EQ(board(ScreenId::game1), "....m....");
}

// How many pixels of the ring's colour lie on the rectangle's edge in a grab of the window.
int ringPixels(QWidget* window, const QRect& r) {
  const QImage img = window->grab().toImage();
  const QColor ring = toQColor(sys(SystemColour::ActiveTitleBar));
  int count = 0;
  for (int x = r.left(); x <= r.right(); ++x) {
    for (int y : {r.top() + 1, r.bottom() - 1}) count += img.pixelColor(x, y) == ring;
  }
  return count;
}

TEST_F(Keyboard, TheCursorsRingShowsWhileTheBoardHasTheFocusAndFollowsTheArrows) {
  open(ScreenId::game1);
  QWidget* w = window(ScreenId::game1);
  // The ring stands just outside a piece, centred on the cell's point.
  const QPoint centre = pxRect(2145, 2020, 270, 270).center();
  const int half = px(345);
  const QRect five(centre - QPoint(half, half), QSize(2 * half, 2 * half));
  const QRect six = five.translated(px(1560), 0);
  EXPECT_LT(ringPixels(w, five), 5) << "no ring before the board has the focus";
  key(Qt::Key_Tab);
  EXPECT_GT(ringPixels(w, five), 60);
  key(Qt::Key_Right);
  EXPECT_LT(ringPixels(w, five), 5);
  EXPECT_GT(ringPixels(w, six), 60);
  key(Qt::Key_Tab);
  EXPECT_LT(ringPixels(w, six), 5) << "the ring goes with the focus";
}

TEST_F(Keyboard, PicturesAreChosenWithTheArrowsHomeAndEndAsAClickWould) {
  open(ScreenId::Welcome);
  key(Qt::Key_Tab);
  key(Qt::Key_Tab);
  ASSERT_EQ(focused(ScreenId::Welcome), "bugs");
  const auto chosen = [this] {
    std::string chosenSlots;
    for (int n = 1; n <= 4; ++n) {
      if (model(ScreenId::Welcome, "sel" + std::to_string(n)).visible()) chosenSlots += std::to_string(n);
    }
    return chosenSlots;
  };
  std::vector<std::string> seen;
  for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_End, Qt::Key_Right, Qt::Key_Home}) {
    key(k);
    seen.push_back(chosen());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3", "4", "4", "1"}));
  // With the alternate pictures showing, the keys choose them the same way.
  rt_->userText(ScreenId::Welcome, "Text1", "QUARVEL");
  ASSERT_TRUE(model(ScreenId::Welcome, "k2").visible());
  key(Qt::Key_Right);
  EXPECT_EQ(chosen(), "2");
  key(Qt::Key_Return);
  EXPECT_TRUE(rt_->isShown(ScreenId::game)) << "Enter on the pictures still presses \"Play !\"";
}

}  // namespace
}  // namespace zorvane::ui::qt
