// A whole session of the real program in the offscreen platform, played
// through the runtime as the windows would deliver a person's input: the
// menu with a name and the two-player entry, a two-player game won and its
// announcement answered, the control panel's code, closing the match, a few
// moves against the computer with its pause, and Esc, "Yes". Exits 0 when
// every step was reached and checked; the memory test runs it under memcheck.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "rules/board_tables.h"
#include "ui/qt/qt_platform.h"
#include "ui/runtime.h"

namespace {

using zorvane::rules::cellControl;
using zorvane::ui::Control;
using zorvane::ui::Runtime;
using zorvane::ui::ScreenId;

// A step waits until `ready` holds, then `act`s; `act` may open a modal
// screen and wait in it, while the following steps go on answering it.
struct Step {
  std::string what;
  std::function<bool()> ready;
  std::function<void()> act;
};

class Session {
 public:
  explicit Session(Runtime& rt) : rt_(rt) {
    poll_.setSingleShot(true);
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { tick(); });
    deadline_.setSingleShot(true);
    deadline_.setInterval(90'000);
    QObject::connect(&deadline_, &QTimer::timeout, [this] { fail("no progress in time"); });
  }

  void add(std::string what, std::function<bool()> ready, std::function<void()> act) {
    steps_.push_back({std::move(what), std::move(ready), std::move(act)});
  }
  void begin() {
    poll_.start();
    deadline_.start();
  }
  bool passed() const { return !failed_ && next_ == steps_.size(); }

  // A control of a loaded screen, read without loading it.
  const Control* peek(ScreenId id, const std::string& name) const {
    const auto* s = rt_.find(id);
    return s && s->has(name) ? &s->control(name) : nullptr;
  }
  void check(bool ok, const std::string& what) {
    if (!ok) fail("check failed: " + what);
  }

 private:
  void tick() {
    if (failed_ || next_ == steps_.size()) return;
    answerAnnouncement();
    Step& step = steps_[next_];
    if (!step.ready()) {
      poll_.start();
      return;
    }
    ++next_;
    // Scheduled before acting, so that the next step runs inside a modal wait the act opens.
    if (next_ < steps_.size()) poll_.start();
    step.act();
  }

  // Any win against the computer brings the announcement, whichever side wins.
  void answerAnnouncement() {
    const Control* timer = peek(ScreenId::winner, "Timer1");
    if (timer && !timer->enabled() && rt_.isModal(ScreenId::winner) && rt_.isShown(ScreenId::game)) {
      rt_.click(ScreenId::winner, "Command1");
    }
  }

  void fail(const std::string& why) {
    std::fprintf(stderr, "scripted session: %s (at step %zu: %s)\n", why.c_str(), next_,
                 next_ > 0 ? steps_[next_ - 1].what.c_str() : "start");
    failed_ = true;
    QCoreApplication::exit(1);
  }

  Runtime& rt_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool failed_ = false;
  QTimer poll_;
  QTimer deadline_;
};

bool shownPiece(const Session& s, ScreenId id, char family, int cell) {
  const Control* c = s.peek(id, cellControl(family, cell));
  return c && c->visible();
}

// The pointer reaches the cell's point, its marker shows, the marker is clicked.
void clickCell(Runtime& rt, ScreenId id, int cell) {
  rt.mouseMove(id, cellControl('z', cell));
  rt.click(id, cellControl('g', cell));
}

void move(Runtime& rt, ScreenId id, char family, int from, int to) {
  rt.click(id, cellControl(family, from));
  clickCell(rt, id, to);
}

void addTwoPlayerGame(Session& s, Runtime& rt) {
  constexpr ScreenId g = ScreenId::game1;
  s.add(
      "the name", [&] { return rt.acceptsInput(ScreenId::Welcome); },
      [&] { rt.userText(ScreenId::Welcome, "Text1", "Ann"); });
  s.add(
      "2 player", [] { return true; }, [&] { rt.click(ScreenId::Welcome, "vs2"); });
  s.add(
      "the second player's entry", [&] { return rt.isModal(ScreenId::player); },
      [&] {
        rt.userText(ScreenId::player, "p2", "Bob");
        rt.click(ScreenId::player, "i3");
        rt.click(ScreenId::player, "Command1");
      });
  s.add(
      "a bug and Play", [&] { return rt.acceptsInput(ScreenId::Welcome); },
      [&] {
        rt.click(ScreenId::Welcome, "b2");
        rt.click(ScreenId::Welcome, "Command1");
      });
  // The start-up timer gives player one the first turn.
  const auto onTurn = [&s, &rt] {
    const Control* p1 = s.peek(g, "p1");
    return rt.acceptsInput(g) && p1 && p1->value() != 2;
  };
  for (int cell : {1, 2, 4, 3, 9, 6}) {
    s.add("placing on " + std::to_string(cell), onTurn, [&rt, cell] { clickCell(rt, g, cell); });
  }
  s.add("moves", onTurn, [&] {
    move(rt, g, 'm', 9, 8);
    move(rt, g, 'a', 6, 5);
  });
  s.add("the winning move", onTurn, [&] { move(rt, g, 'm', 8, 7); });
  s.add(
      "the announcement's OK, once its timer cleared the board",
      [&] {
        const Control* timer = s.peek(ScreenId::winner, "Timer1");
        return rt.isModal(ScreenId::winner) && timer && !timer->enabled();
      },
      [&] {
        s.check(s.peek(g, "scoreulo")->text() == "1", "player one scored");
        rt.click(ScreenId::winner, "Command1");
      });
  s.add(
      "the control panel's code", [&] { return !rt.isLoaded(ScreenId::winner) && rt.acceptsInput(g); },
      [&] {
        for (int k = 0; k < 5; ++k) rt.click(g, "scoreulo");
        for (int k = 0; k < 2; ++k) rt.click(g, "Image11");
        s.check(rt.windowHeight(g) == 6465, "the window lengthened");
      });
  s.add(
      "closing the match", [] { return true; }, [&] { rt.closeRequested(g); });
}

void addComputerGame(Session& s, Runtime& rt) {
  constexpr ScreenId g = ScreenId::game;
  s.add(
      "Play against the computer", [&] { return rt.acceptsInput(ScreenId::Welcome); },
      [&] {
        s.check(!rt.isLoaded(ScreenId::game1), "the two-player match is gone");
        rt.click(ScreenId::Welcome, "Command1");
      });
  // The player's turn comes back after the computer's pause.
  const auto playersTurn = [&s, &rt] {
    const Control* arrow = s.peek(g, "Image14");
    return rt.acceptsInput(g) && arrow && arrow->visible();
  };
  for (int k = 0; k < 3; ++k) {
    s.add("a move against the computer", playersTurn, [&s, &rt] {
      for (int from = 1; from <= 9; ++from) {
        if (!shownPiece(s, g, 'm', from)) continue;
        for (int to : zorvane::rules::neighbours(from)) {
          if (shownPiece(s, g, 'm', to) || shownPiece(s, g, 'a', to)) continue;
          move(rt, g, 'm', from, to);
          return;
        }
      }
      s.check(false, "player one has a move");
    });
  }
  s.add("closing the match", playersTurn, [&] { rt.closeRequested(g); });
  s.add(
      "Esc", [&] { return rt.acceptsInput(ScreenId::Welcome); },
      [&] { rt.click(ScreenId::Welcome, "Command2"); });
  s.add(
      "Yes", [&] { return rt.isModal(ScreenId::quit); }, [&] { rt.click(ScreenId::quit, "Command1"); });
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zorvane::ui::qt::QtPlatform platform;
  Runtime rt(platform, zorvane::app::gameBehaviours(7));
  platform.attach(rt);
  Session session(rt);
  addTwoPlayerGame(session, rt);
  addComputerGame(session, rt);
  rt.start(ScreenId::Welcome);
  session.begin();
  const int status = QApplication::exec();
  if (status != 0 || !session.passed() || !rt.ended()) {
    std::fprintf(stderr, "scripted session: did not end through the quit confirmation\n");
    return 1;
  }
  return 0;
}
