// Awkward names through the Qt adapter: typed key by key or pasted into the
// real name boxes, they reach the two-player screen's boxes and name lines
// as the boxes kept them, the labels draw them as plain text, never as
// markup, and the game goes on.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "app/game_behaviours.h"
#include "tests/qt/qt_fixture.h"

namespace zorvane::ui::qt {
namespace {

struct QtName {
  const char* what;
  std::string input;
  // What the 8-character box keeps; unset where Qt's own editing decides
  // (control characters), and then the model must hold what the box shows.
  std::optional<std::string> kept;
};

void PrintTo(const QtName& c, std::ostream* os) {
  *os << c.what;
}

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int k = 0; k < n; ++k) out += s;
  return out;
}

const std::string kLadybird = "\xF0\x9F\x90\x9E";
const std::string kFlag = "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA";  // the German flag: two regional indicators
const std::string kAcuteE = "e\xCC\x81";
const std::string kFamily = "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7";

const QtName kQtNames[] = {
    {"markup", "<b>x</b>", "<b>x</b>"},
    {"format", "%s%n%d%%", "%s%n%d%%"},
    {"right_to_left", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"},
    {"emoji", repeat(kLadybird, 9), repeat(kLadybird, 8)},
    {"flags", repeat(kFlag, 9), repeat(kFlag, 8)},
    {"combining", repeat(kAcuteE, 9), repeat(kAcuteE, 8)},
    {"families", repeat(kFamily, 9), repeat(kFamily, 8)},
    {"longer", "Abcdefghijkl", "Abcdefgh"},
    {"control", std::string("a\tb\nc\x01", 6), std::nullopt},
};

class QtNames : public QtFixture, public ::testing::WithParamInterface<std::tuple<QtName, bool>> {
 protected:
  void SetUp() override { behaviours_ = app::gameBehaviours(9); }

  QLineEdit* box(ScreenId id, std::string_view name) const {
    return qobject_cast<QLineEdit*>(window(id)->widgetFor(name));
  }

  // A person's edit of the whole box: paste over it, or clear it and type.
  static void enter(QLineEdit* edit, const std::string& text, bool paste) {
    edit->setFocus();
    edit->selectAll();
    const QString q = QString::fromStdString(text);
    if (paste) {
      QApplication::clipboard()->setText(q);
      edit->paste();
      return;
    }
    QTest::keyClick(edit, Qt::Key_Backspace);
    // One character at a time, as a keyboard or an input method sends them.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, q);
    for (qsizetype start = 0, end = characters.toNextBoundary(); end > 0;
         start = end, end = characters.toNextBoundary()) {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, q.mid(start, end - start), Qt::NoModifier);
    }
  }

  const std::string& text(ScreenId id, const std::string& name) const {
    return rt_->find(id)->control(name).text();
  }
};

TEST_P(QtNames, ReachTheMatchAsTheBoxKeptThemAndShowAsPlainText) {
  const auto& [c, paste] = GetParam();
  start(ScreenId::Welcome);
  enter(box(ScreenId::Welcome, "Text1"), c.input, paste);
  const std::string keptOne = box(ScreenId::Welcome, "Text1")->text().toStdString();
  if (c.kept) {
    EXPECT_EQ(keptOne, *c.kept);
  }
  EXPECT_EQ(text(ScreenId::Welcome, "Text1"), keptOne);

  std::string keptTwo;
  QTimer::singleShot(0, [&] {
    exposed(ScreenId::player);
    enter(box(ScreenId::player, "p2"), c.input, paste);
    keptTwo = box(ScreenId::player, "p2")->text().toStdString();
    QTest::mouseClick(window(ScreenId::player)->widgetFor("Command1"), Qt::LeftButton);
  });
  QTest::mouseClick(window(ScreenId::Welcome)->widgetFor("vs2"), Qt::LeftButton);
  EXPECT_EQ(keptTwo, keptOne);
  QTest::mouseClick(window(ScreenId::Welcome)->widgetFor("Command1"), Qt::LeftButton);
  ASSERT_TRUE(rt_->isShown(ScreenId::game1));
  exposed(ScreenId::game1);

  EXPECT_EQ(box(ScreenId::game1, "name1")->text().toStdString(), keptOne);
  EXPECT_EQ(box(ScreenId::game1, "name2")->text().toStdString(), keptOne);
  EXPECT_EQ(text(ScreenId::game1, "p2name"), "FroggyFood " + keptOne);
  EXPECT_EQ(text(ScreenId::game1, "Label5"), "FroggyFood " + keptOne);

  // The game goes on: the pointer over the middle point, then its marker.
  QTest::qWait(5);
  const QPoint middle = centreOf(2180, 2060, 210, 210);
  // Qt reports a move only where the pointer was not already.
  QTest::mouseMove(window(ScreenId::game1)->windowHandle(), middle + QPoint(3, 3));
  QTest::mouseMove(window(ScreenId::game1)->windowHandle(), middle);
  clickAt(ScreenId::game1, middle);
  EXPECT_EQ(text(ScreenId::game1, "Label6"), "1");
  EXPECT_TRUE(rt_->find(ScreenId::game1)->control("m5").visible());
}

INSTANTIATE_TEST_SUITE_P(TypedAndPasted, QtNames,
                         ::testing::Combine(::testing::ValuesIn(kQtNames), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).what) +
                                  (std::get<1>(info.param) ? "_pasted" : "_typed");
                         });

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

class QtMarkupName : public QtFixture {
 protected:
  void SetUp() override { behaviours_ = app::gameBehaviours(9); }
};

TEST_F(QtMarkupName, ANameLineDrawsTheTagsOfAMarkupName) {
  start(ScreenId::Welcome);
  auto* name = qobject_cast<QLineEdit*>(window(ScreenId::Welcome)->widgetFor("Text1"));
  name->selectAll();
  QApplication::clipboard()->setText("<b>x</b>");
  name->paste();
  QTimer::singleShot(0, [&] { window(ScreenId::player)->close(); });
  QTest::mouseClick(window(ScreenId::Welcome)->widgetFor("vs2"), Qt::LeftButton);
  QTest::mouseClick(window(ScreenId::Welcome)->widgetFor("Command1"), Qt::LeftButton);
  exposed(ScreenId::game1);
  QWidget* line = window(ScreenId::game1)->widgetFor("p2name");
  ASSERT_EQ(rt_->find(ScreenId::game1)->control("p2name").text(), "FroggyFood <b>x</b>");
  const int withTags = inkWidth(line);
  rt_->ctl(ScreenId::game1, "p2name").setText("FroggyFood x");
  const int plain = inkWidth(line);
  EXPECT_GT(withTags, plain + 20) << "the tags themselves are drawn, in the label's own font";
}

}  // namespace
}  // namespace zorvane::ui::qt
