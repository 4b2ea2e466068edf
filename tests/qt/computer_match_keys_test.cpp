// The match against the computer from the keyboard in Qt: the strengths'
// access keys, hint by H or Alt+H, undo by Ctrl+Z or Alt+U.
#include <QApplication>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "tests/qt/qt_fixture.h"

namespace zorvane::ui::qt {
namespace {

class ComputerMatchKeys : public QtFixture {
 protected:
  void SetUp() override {
    behaviours_ = app::gameBehaviours(3);
    start(ScreenId::game);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(ScreenId::game)));
  }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window(ScreenId::game)->windowHandle(), key, modifiers);
  }
  ControlRef ctl(const std::string& name) { return rt_->ctl(ScreenId::game, name); }
  // The shown pieces with a frame and the shown markers, e.g. "m4 g5".
  std::string framesAndMarkers() {
    std::string out;
    for (int n = 1; n <= rules::kCells; ++n) {
      for (char family : {'m', 'a'}) {
        const auto piece = ctl(rules::cellControl(family, n));
        if (piece.visible() && piece.borderStyle() == 1) out += rules::cellControl(family, n) + " ";
      }
    }
    for (int n = 1; n <= rules::kCells; ++n) {
      if (ctl(rules::cellControl('g', n)).visible()) out += rules::cellControl('g', n) + " ";
    }
    return out;
  }
  std::string pieces() {
    std::string out;
    for (int n = 1; n <= rules::kCells; ++n) {
      out += ctl(rules::cellControl('m', n)).visible()   ? 'm'
             : ctl(rules::cellControl('a', n)).visible() ? 'a'
                                                         : '.';
    }
    return out;
  }
};

TEST_F(ComputerMatchKeys, AltAndTheUnderlinedLetterChooseEachStrength) {
  struct Case {
    Qt::Key key;
    const char* chosen;
  };
  const Case cases[] = {{Qt::Key_E, "levelEasy"},
                        {Qt::Key_R, "levelHard"},
                        {Qt::Key_P, "levelPerfect"},
                        {Qt::Key_N, "levelNormal"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    press(c.key, Qt::AltModifier);
    // An access key clicks its button once the toolkit's short press animation is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ctl(c.chosen).value() == 1; }, 2000));
    for (const char* level : {"levelEasy", "levelNormal", "levelHard", "levelPerfect"}) {
      EXPECT_EQ(ctl(level).value(), std::string(level) == c.chosen ? 1 : 0) << level;
    }
  }
}

TEST_F(ComputerMatchKeys, HOrAltHShowsTheHintAndCtrlZOrAltUTakesTheMoveBack) {
  struct Case {
    const char* what;
    Qt::Key hintKey;
    Qt::KeyboardModifiers hintModifiers;
    Qt::Key undoKey;
    Qt::KeyboardModifiers undoModifiers;
  };
  const Case cases[] = {{"H and Ctrl+Z", Qt::Key_H, Qt::NoModifier, Qt::Key_Z, Qt::ControlModifier},
                        {"Alt+H and Alt+U", Qt::Key_H, Qt::AltModifier, Qt::Key_U, Qt::AltModifier}};
  const std::string opening = pieces();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(framesAndMarkers(), "");
    press(c.hintKey, c.hintModifiers);
    // Access keys click once the toolkit's short press animation is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !framesAndMarkers().empty(); }, 2000));
    const std::string hint = framesAndMarkers();
    ASSERT_EQ(hint.size(), 6u) << "one framed piece and one marker: " << hint;
    EXPECT_EQ(hint[0], 'm');
    EXPECT_EQ(hint[3], 'g');

    // The marker plays the hinted move; the computer's pause begins.
    rt_->click(ScreenId::game, hint.substr(3, 2));
    EXPECT_NE(pieces(), opening);
    ASSERT_TRUE(ctl("Timer1").enabled());
    press(c.hintKey, c.hintModifiers);  // the computer's turn: nothing
    press(c.undoKey, c.undoModifiers);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pieces() == opening; }, 2000));
    EXPECT_EQ(pieces(), opening);
    EXPECT_EQ(framesAndMarkers(), "");
    EXPECT_FALSE(ctl("Timer1").enabled()) << "the computer's move is dropped";
    EXPECT_TRUE(ctl("Image14").visible());
    press(c.undoKey, c.undoModifiers);  // nothing left to undo
    QTest::qWait(0);
    EXPECT_EQ(pieces(), opening);
  }
}

TEST_F(ComputerMatchKeys, HTypedIntoABoxStaysText) {
  QWidget* box = window(ScreenId::game)->widgetFor("alt");
  ASSERT_NE(box, nullptr);
  box->setFocus();
  press(Qt::Key_H);
  EXPECT_EQ(framesAndMarkers(), "");
}

}  // namespace
}  // namespace zorvane::ui::qt
