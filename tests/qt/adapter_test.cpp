// The Qt adapter: input reaches the control the stacking order says, keys
// press the default and cancel buttons, boxes keep their length, captions
// stay plain text, and modal windows block the others while timers tick.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTimer>

#include "tests/qt/qt_fixture.h"

namespace zorvane::ui::qt {
namespace {

void record(ScreenBehaviour& b, std::vector<std::string>& log, std::initializer_list<const char*> names) {
  for (const char* n : names) b.click[n] = [&log, n](Runtime&) { log.push_back(n); };
}

TEST_F(QtFixture, AClickAtACellsCentreReachesThePieceElseTheShownMarkerElseThePoint) {
  record(on(ScreenId::game1), log_, {"m5", "a5", "g5", "z5"});
  struct Case {
    const char* shown;
    const char* reached;
  };
  const Case cases[] = {{nullptr, "z5"}, {"g5", "g5"}, {"m5", "m5"}, {"a5", "a5"}};
  start(ScreenId::game1);
  rt_->show(ScreenId::game1);
  exposed(ScreenId::game1);
  // The crossing of the middle row and column.
  const QPoint centre(px(2280), px(2160));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reached);
    for (const char* n : {"m5", "a5", "g5"}) rt_->ctl(ScreenId::game1, n).setVisible(false);
    if (c.shown) rt_->ctl(ScreenId::game1, c.shown).setVisible(true);
    if (std::string(c.shown ? c.shown : "") == "m5") rt_->ctl(ScreenId::game1, "g5").setVisible(true);
    log_.clear();
    clickAt(ScreenId::game1, centre);
    EXPECT_EQ(log_, std::vector<std::string>{c.reached});
  }
}

TEST_F(QtFixture, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  record(on(ScreenId::quit), log_, {"Command1", "Command2"});
  start(ScreenId::quit);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::quit)));
  QTest::keyClick(window(ScreenId::quit)->windowHandle(), Qt::Key_Escape);
  QTest::keyClick(window(ScreenId::quit)->windowHandle(), Qt::Key_Return);
  EXPECT_EQ(log_, (std::vector<std::string>{"Command2", "Command1"}));
}

TEST_F(QtFixture, EnterPressesTheFocusedButtonRatherThanTheDefault) {
  record(on(ScreenId::quit), log_, {"Command1", "Command2"});
  start(ScreenId::quit);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::quit)));
  window(ScreenId::quit)->widgetFor("Command2")->setFocus();
  QTest::keyClick(window(ScreenId::quit)->windowHandle(), Qt::Key_Return);
  EXPECT_EQ(log_, std::vector<std::string>{"Command2"});
}

TEST_F(QtFixture, ANameBoxRefusesANinthCharacterTypedOrPasted) {
  start(ScreenId::Welcome);
  auto* box = qobject_cast<QLineEdit*>(window(ScreenId::Welcome)->widgetFor("Text1"));
  ASSERT_NE(box, nullptr);
  box->clear();
  rt_->ctl(ScreenId::Welcome, "Text1").setText("");
  QTest::keyClicks(box, "abcdefghi");
  EXPECT_EQ(rt_->ctl(ScreenId::Welcome, "Text1").text(), "abcdefgh");
  box->selectAll();
  QApplication::clipboard()->setText("ZYXWVUTSRQ");
  box->paste();
  EXPECT_EQ(rt_->ctl(ScreenId::Welcome, "Text1").text(), "ZYXWVUTS");
  EXPECT_EQ(box->text(), QString("ZYXWVUTS"));
}

// The box counts characters as a person sees them: an emoji, a flag or a
// letter with its accent is one, and a paste is cut between characters.
TEST_F(QtFixture, APasteCutAtTheLimitNeverSplitsACharacter) {
  struct Case {
    const char* what;
    const char* before;
    int cursor;
    const char* pasted;
    const char* kept;
    int cursorAfter;  // in UTF-16 units
  };
  const Case cases[] = {
      {"an emoji as the ninth character", "", 0, "abcdefgh\xF0\x9F\x90\x9E", "abcdefgh", 8},
      {"an emoji as the eighth character", "", 0, "abcdefg\xF0\x9F\x90\x9E", "abcdefg\xF0\x9F\x90\x9E", 9},
      {"nine flags", "", 0,
       "\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA"
       "\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA",
       "\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA"
       "\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA\U0001F1E9\U0001F1EA",
       32},
      {"accents stay on their letters", "abcde", 5, "e\u0301e\u0301e\u0301e\u0301",
       "abcdee\u0301e\u0301e\u0301", 11},
      {"in the middle, the text after stays", "abcdef", 3, "XYZ", "abcXYdef", 5},
      {"a full box refuses it", "abcdefgh", 4, "XYZ", "abcdefgh", 4},
  };
  start(ScreenId::Welcome);
  auto* box = qobject_cast<QLineEdit*>(window(ScreenId::Welcome)->widgetFor("Text1"));
  ASSERT_NE(box, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box->setFocus();
    box->selectAll();
    QApplication::clipboard()->setText(QString::fromUtf8(c.before));
    box->paste();
    box->setCursorPosition(c.cursor);
    QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    box->paste();
    EXPECT_EQ(rt_->ctl(ScreenId::Welcome, "Text1").text(), c.kept);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.kept));
    EXPECT_EQ(box->cursorPosition(), c.cursorAfter);
  }
}

// The dark pixels' horizontal extent in a grabbed widget.
int inkWidth(QWidget* w) {
  const QImage img = w->grab().toImage();
  int left = img.width(), right = -1;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (qGray(img.pixel(x, y)) < 100) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  return right < left ? 0 : right - left + 1;
}

TEST_F(QtFixture, ACaptionThatLooksLikeMarkupShowsItsCharacters) {
  start(ScreenId::winner);
  QWidget* label = window(ScreenId::winner)->widgetFor("winnernme");
  rt_->ctl(ScreenId::winner, "winnernme").setText("x");
  const int plain = inkWidth(label);
  rt_->ctl(ScreenId::winner, "winnernme").setText("<b>x</b>");
  EXPECT_GT(inkWidth(label), 4 * plain) << "the tags themselves are drawn";
}

TEST_F(QtFixture, AModalWindowBlocksTheOthersWhileTimersTick) {
  int ticks = 0;
  on(ScreenId::game1).timer["Timer1"] = [&](Runtime& r) {
    ++ticks;
    r.ctl(ScreenId::game1, "Timer1").setEnabled(false);
  };
  record(on(ScreenId::Welcome), log_, {"Command1"});
  on(ScreenId::Welcome).click["Command2"] = [](Runtime& r) { r.show(ScreenId::quit, true); };
  on(ScreenId::quit).click["Command2"] = [](Runtime& r) { r.unload(ScreenId::quit); };
  start(ScreenId::Welcome);
  bool answered = false;
  QTimer::singleShot(0, [&] {
    QTest::qWait(20);  // the game1 timer's millisecond passes inside the modal wait
    const QPoint play = centreOf(3450, 3360, 1335, 495);
    clickAt(ScreenId::Welcome, play);
    EXPECT_TRUE(log_.empty()) << "the menu took a click past the modal dialog";
    qobject_cast<QPushButton*>(window(ScreenId::quit)->widgetFor("Command2"))->click();
    answered = true;
  });
  rt_->load(ScreenId::game1);
  rt_->click(ScreenId::Welcome, "Command2");
  EXPECT_TRUE(answered);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(rt_->isLoaded(ScreenId::quit));
}

TEST_F(QtFixture, EndClosesEveryWindowAndReleasesTheModalWait) {
  on(ScreenId::Welcome).click["Command2"] = [this](Runtime& r) {
    r.show(ScreenId::quit, true);
    log_.push_back("resumed");
  };
  on(ScreenId::quit).click["Command1"] = [](Runtime& r) { r.end(); };
  start(ScreenId::Welcome);
  rt_->load(ScreenId::game1);
  QTimer::singleShot(0, [&] { rt_->click(ScreenId::quit, "Command1"); });
  rt_->click(ScreenId::Welcome, "Command2");
  EXPECT_EQ(log_, std::vector<std::string>{"resumed"});
  EXPECT_TRUE(quit_);
  for (ScreenId id : kAllScreens) EXPECT_EQ(window(id), nullptr) << screenName(id);
}

TEST_F(QtFixture, TheWindowHeightFollowsTheModel) {
  start(ScreenId::game1);
  EXPECT_EQ(window(ScreenId::game1)->height(), px(4275));
  rt_->setWindowHeight(ScreenId::game1, 6465);
  EXPECT_EQ(window(ScreenId::game1)->height(), px(5970));
}

TEST_F(QtFixture, TheCloseBoxUnloadsTheScreenButABorderlessWindowStays) {
  on(ScreenId::game1).unload = [this](Runtime&) { log_.push_back("game1 unloads"); };
  start(ScreenId::Welcome);
  rt_->show(ScreenId::game1);
  exposed(ScreenId::game1);
  window(ScreenId::Welcome)->close();
  EXPECT_TRUE(rt_->isLoaded(ScreenId::Welcome));
  window(ScreenId::game1)->close();
  EXPECT_FALSE(rt_->isLoaded(ScreenId::game1));
  EXPECT_EQ(log_, std::vector<std::string>{"game1 unloads"});
}

TEST_F(QtFixture, EachWindowOpensWithTheFocusWhereItsLayoutPutsIt) {
  struct Case {
    ScreenId screen;
    const char* focus;
  };
  const Case cases[] = {{ScreenId::Welcome, "Command1"},
                        {ScreenId::player, "p2"},
                        {ScreenId::quit, "Command1"},
                        {ScreenId::game1, "start"},
                        {ScreenId::game, "start"}};
  start(ScreenId::logo);
  for (const Case& c : cases) {
    SCOPED_TRACE(screenName(c.screen));
    rt_->show(c.screen);
    exposed(c.screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(c.screen)));
    EXPECT_EQ(QApplication::focusWidget(), window(c.screen)->widgetFor(c.focus));
    rt_->hide(c.screen);
  }
}

}  // namespace
}  // namespace zorvane::ui::qt
