// What a screen reader is told: names and roles of what the user sees, the
// board's cells with their state, changes of a cell announced, and the
// winner's announcement read as its text.
#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

#include "app/accessible_names.h"
#include "app/game_behaviours.h"
#include "tests/qt/qt_fixture.h"

namespace zorvane::ui::qt {
namespace {

class Access : public QtFixture {
 protected:
  void SetUp() override { behaviours_ = app::gameBehaviours(3); }

  void open(ScreenId id) {
    start(ScreenId::logo);
    platform_->setAccessibleNames(app::accessibleNames());
    rt_->show(id);
    exposed(id);
  }

  QAccessibleInterface* of(ScreenId id, std::string_view name) const {
    QWidget* w = window(id)->widgetFor(name);
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
  }
  std::string nameOf(ScreenId id, std::string_view control) const {
    QAccessibleInterface* a = of(id, control);
    return a ? a->text(QAccessible::Name).toStdString() : "<none>";
  }
  std::string cell(int n) const {
    QAccessibleInterface* board = of(ScreenId::game1, "board");
    return board && board->child(n - 1) ? board->child(n - 1)->text(QAccessible::Name).toStdString()
                                        : "<none>";
  }

  // Sets up a two-player match of Ann and Bob as the menu would.
  void twoPlayers() {
    open(ScreenId::game1);
    rt_->ctl(ScreenId::game1, "name1").setText("Ann");
    rt_->ctl(ScreenId::game1, "name2").setText("Bob");
    QTest::qWait(5);
  }
  void clickCell(int n) {
    const std::string cell = std::to_string(n);
    rt_->mouseMove(ScreenId::game1, "Label1");
    rt_->mouseMove(ScreenId::game1, "z" + cell);
    rt_->click(ScreenId::game1, rt_->find(ScreenId::game1)->control("m" + cell).visible()   ? "m" + cell
                                : rt_->find(ScreenId::game1)->control("a" + cell).visible() ? "a" + cell
                                                                                            : "g" + cell);
  }
};

TEST_F(Access, EveryControlTheUserSeesHasANameAndARole) {
  open(ScreenId::Welcome);
  struct Case {
    const char* control;
    const char* name;
    QAccessible::Role role;
  };
  const Case menu[] = {
      {"Command1", "Play !", QAccessible::Button},
      {"Text1", "Your name", QAccessible::EditableText},
      {"vscomp", "vs Computer", QAccessible::RadioButton},
      {"vs2", "2 player", QAccessible::RadioButton},
      {"b1", "a ladybird", QAccessible::Graphic},
      {"b4", "a cartoon bee", QAccessible::Graphic},
      {"Label4", "Your name :", QAccessible::StaticText},
      {"Image2", "Close", QAccessible::Graphic},
      {"bugs", "Choose your bug", QAccessible::List},
      {"Picture1", "Zorvane, the game", QAccessible::Graphic},
  };
  for (const Case& c : menu) {
    SCOPED_TRACE(c.control);
    QAccessibleInterface* a = of(ScreenId::Welcome, c.control);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name).toStdString(), c.name);
    EXPECT_EQ(a->role(), c.role);
  }
  QAccessibleInterface* bugs = of(ScreenId::Welcome, "bugs");
  ASSERT_EQ(bugs->childCount(), 4);
  EXPECT_EQ(bugs->child(2)->text(QAccessible::Name), "a green metallic beetle");
  EXPECT_TRUE(bugs->child(0)->state().selected) << "the chosen bug";
  EXPECT_FALSE(bugs->child(2)->state().selected);

  // Nothing that shows goes without a name.
  for (QWidget* w : window(ScreenId::Welcome)->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window(ScreenId::Welcome)) || w->visibleRegion().isEmpty()) continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).isEmpty())
        << w->metaObject()->className() << " at " << w->x() << "," << w->y();
  }
}

// The events that announce a changed cell need a reader's bridge, which the
// offscreen platform lacks: tests/e2e/access_e2e.py hears them over AT-SPI.
TEST_F(Access, TheMatchReadsCellsTurnAndScoresAsTheyAre) {
  twoPlayers();
  EXPECT_EQ(nameOf(ScreenId::game1, "i1"), "Ann's turn");
  EXPECT_EQ(nameOf(ScreenId::game1, "scoreulo"), "Ann's score: 0");
  EXPECT_EQ(nameOf(ScreenId::game1, "scorecomp"), "Bob's score: 0");
  EXPECT_EQ(nameOf(ScreenId::game1, "start"), "Start a new game !");
  EXPECT_EQ(cell(5), "Cell 5, empty");
  rt_->mouseMove(ScreenId::game1, "z4");
  EXPECT_EQ(cell(4), "Cell 4, a target");

  for (int n : {1, 2, 4, 3, 9, 6}) clickCell(n);
  clickCell(2);  // Bob's piece: not his turn, nothing changes
  clickCell(1);  // Ann selects
  EXPECT_EQ(cell(1), "Cell 1, Ann's piece, selected");
  EXPECT_EQ(cell(2), "Cell 2, Bob's piece");
  EXPECT_EQ(cell(5), "Cell 5, empty");
  EXPECT_EQ(nameOf(ScreenId::game1, "i1"), "Ann's turn");
  // Ann moves 1 to 5; Bob's arrow shows.
  clickCell(5);
  EXPECT_EQ(cell(1), "Cell 1, empty");
  EXPECT_EQ(cell(5), "Cell 5, Ann's piece");
  EXPECT_TRUE(rt_->find(ScreenId::game1)->control("i2").visible());
  EXPECT_EQ(nameOf(ScreenId::game1, "i2"), "Bob's turn");
  QAccessibleInterface* five = of(ScreenId::game1, "board")->child(4);
  EXPECT_EQ(five->role(), QAccessible::ListItem);
  EXPECT_FALSE(five->rect().isEmpty());
}

TEST_F(Access, TheEntryNamesItsBoxByThePaintedWordAndItsPortraitsByWhatTheyShow) {
  open(ScreenId::player);
  EXPECT_EQ(nameOf(ScreenId::player, "p2"), "Name");
  EXPECT_EQ(nameOf(ScreenId::player, "Command1"), "OK");
  QAccessibleInterface* portraits = of(ScreenId::player, "portraits");
  ASSERT_NE(portraits, nullptr);
  EXPECT_EQ(portraits->text(QAccessible::Name), "Choose your bug");
  std::vector<std::string> shown;
  for (int i = 0; i < portraits->childCount(); ++i)
    shown.push_back(portraits->child(i)->text(QAccessible::Name).toStdString());
  EXPECT_EQ(shown, (std::vector<std::string>{"a red winged insect", "a green grasshopper",
                                             "a red ladybird with black spots", "a blue dragonfly",
                                             "a grey spider"}));
}

TEST_F(Access, TheComputerMatchNamesItsControlsWithoutAccessKeyMarks) {
  open(ScreenId::game);
  EXPECT_EQ(nameOf(ScreenId::game, "levelEasy"), "Easy");
  EXPECT_EQ(nameOf(ScreenId::game, "hint"), "Hint");
  EXPECT_EQ(nameOf(ScreenId::game, "levels"), "The computer's strength");
  EXPECT_EQ(of(ScreenId::game, "levels")->role(), QAccessible::Grouping);
  EXPECT_EQ(nameOf(ScreenId::game, "Image14"), "Your turn");
  EXPECT_EQ(nameOf(ScreenId::game, "scorecomp"), "Mr.Computer's score: 0");
  QAccessibleInterface* board = of(ScreenId::game, "board");
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->child(1)->text(QAccessible::Name), "Cell 2, your piece");
  EXPECT_EQ(board->child(4)->text(QAccessible::Name), "Cell 5, empty");
}

TEST_F(Access, TheWinnersAnnouncementReadsAsItsTextAndIsAnAlert) {
  open(ScreenId::logo);
  rt_->ctl(ScreenId::winner, "winnernme").setText("FroggyFood Ann");
  rt_->show(ScreenId::winner);
  exposed(ScreenId::winner);
  QAccessibleInterface* w = QAccessible::queryAccessibleInterface(window(ScreenId::winner));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->text(QAccessible::Name).toStdString(), "Congratulations FroggyFood Ann You Won!!!");
  EXPECT_EQ(w->role(), QAccessible::AlertMessage);
  EXPECT_EQ(nameOf(ScreenId::winner, "Command1"), "OK");
}

}  // namespace
}  // namespace zorvane::ui::qt
