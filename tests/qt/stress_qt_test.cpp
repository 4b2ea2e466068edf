// Random play through the Qt adapter on the offscreen platform: clicks and
// pointer moves at window points, keys, pastes and closes reach the windows
// as a person's would, through Qt's own routing and modality, and after
// every event the game's invariants hold and every window agrees with its
// screen. Time is real here: a seed picks the same events, but timers may
// fall between them differently from run to run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board_tables.h"
#include "tests/core/game_invariants.h"
#include "tests/core/random_input.h"
#include "ui/hit_test.h"
#include "ui/qt/look.h"
#include "ui/qt/qt_platform.h"
#include "ui/runtime.h"

namespace zorvane::ui::qt {
namespace {

using stress::Dice;

// Tells the player when a modal wait begins and ends, so that it can go on
// playing inside the wait's event loop.
class WatchedPlatform : public QtPlatform {
 public:
  std::function<void(ScreenId)> waitBegins;
  std::function<void(ScreenId)> waitEnds;

  void waitModal(ScreenId id, const std::function<bool()>& stillWaiting) override {
    const bool waits = stillWaiting();
    if (waits && waitBegins) waitBegins(id);
    QtPlatform::waitModal(id, stillWaiting);
    if (waits && waitEnds) waitEnds(id);
  }
};

enum class Kind { Wait, Click, DoubleClick, ClickPoint, Hover, Keys, Paste, Enter, Esc, Close, Move, Count };
constexpr std::array<const char*, static_cast<std::size_t>(Kind::Count)> kKindNames{
    "wait", "click", "double-click", "click at", "hover", "keys", "paste", "Enter", "Esc", "close", "move"};
using Mix = std::array<int, static_cast<std::size_t>(Kind::Count)>;

Mix mixFor(ScreenId id) {
  switch (id) {
    //                           wait click dbl  at hover keys paste ent esc close move
    case ScreenId::logo: return {600, 150, 20, 100, 50, 0, 0, 30, 30, 20, 0};
    case ScreenId::Welcome: return {100, 400, 30, 100, 60, 60, 40, 40, 3, 20, 0};
    case ScreenId::player: return {100, 400, 30, 150, 50, 100, 50, 30, 30, 40, 0};
    case ScreenId::quit: return {100, 300, 30, 100, 50, 0, 0, 10, 150, 150, 0};
    case ScreenId::game: return {200, 400, 30, 120, 200, 10, 10, 5, 5, 10, 80};
    case ScreenId::game1: return {150, 400, 30, 100, 250, 10, 10, 5, 5, 2, 100};
    case ScreenId::winner: return {300, 200, 20, 100, 20, 0, 0, 80, 20, 20, 0};
  }
  return {};
}

bool inPanel(ScreenId id, std::string_view name) {
  static constexpr std::array<std::string_view, 7> kPanel{"full",  "p1",    "rank",  "rank1",
                                                          "name1", "name2", "Label2"};
  return id == ScreenId::game1 && std::find(kPanel.begin(), kPanel.end(), name) != kPanel.end();
}

// Real milliseconds: short, since the clock cannot be hurried; the splash
// is waited out in longer steps.
int realPause(Dice& dice, ScreenId id) {
  if (id == ScreenId::logo) return 300 + dice.below(1200);
  const int r = dice.below(100);
  if (r < 75) return dice.below(4);
  if (r < 95) return 3 + dice.below(18);
  if (r < 99) return 20 + dice.below(80);
  return 500 + dice.below(100);  // past the computer's pause
}

std::string cellName(char family, int n) {
  return std::string(1, family) + static_cast<char>('0' + n);
}

class QtRandomPlay {
 public:
  explicit QtRandomPlay(std::uint64_t seed) : seed_(seed), dice_(seed) {}
  ~QtRandomPlay() { stopProgram(); }

  std::string run(long events) {
    budget_ = events;
    startProgram();
    while (failure_.empty() && events_ < budget_) {
      if (rt_->ended()) {
        probeTheEnd();
        startProgram();
        continue;
      }
      guarded([this] { event(); });
    }
    return failure_;
  }

  long events() const { return events_; }
  int wins() const { return wins_; }
  int ends() const { return ends_; }
  int programs() const { return programs_; }

 private:
  void guarded(const std::function<void()>& f) {
    try {
      f();
    } catch (const std::exception& e) {
      fail(e.what());
    }
  }

  // Records the first failure and ends the program, which releases every
  // modal wait, so that the run unwinds to its top.
  void fail(const std::string& what) {
    if (!failure_.empty()) return;
    failure_ = "random play through Qt with seed " + std::to_string(seed_) + " broke at event " +
               std::to_string(events_) + ":\n  " + what + "\nlast events:\n" + history_.tail();
    if (rt_ && !rt_->ended()) rt_->end();
  }

  void stopProgram() {
    // End retires every window, so that none outlives the runtime it reports to.
    if (rt_ && !rt_->ended()) rt_->end();
    rt_.reset();
    platform_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void startProgram() {
    stopProgram();
    platform_ = std::make_unique<WatchedPlatform>();
    platform_->setOnQuit([] {});
    platform_->waitBegins = [this](ScreenId id) { waitBegins(id); };
    platform_->waitEnds = [this](ScreenId) { --depth_; };
    Behaviours b = app::gameBehaviours(dice_.raw());
    // "Yes" is the only way to End; the run notes each time it is pressed.
    Handler& yes = b[indexOf(ScreenId::quit)].click["Command1"];
    yes = [this, original = yes](Runtime& r) {
      endAsked_ = true;
      original(r);
    };
    rt_ = std::make_unique<Runtime>(*platform_, std::move(b));
    platform_->attach(*rt_);
    watch_ = stress::GameWatch(stress::Strictness::Everything);
    endAsked_ = false;
    depth_ = 0;
    ++programs_;
    rt_->start();
    note("start", "a new program");
    verify();
  }

  // After End: no window is left, nothing is loaded, and input goes nowhere.
  void probeTheEnd() {
    ++ends_;
    QTest::qWait(5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (ScreenId id : kAllScreens) {
      rt_->click(id, "Command1");
      rt_->closeRequested(id);
      if (platform_->window(id) || rt_->isLoaded(id)) fail(std::string(screenName(id)) + " outlived End");
    }
    if (rt_->running()) fail("the program did not stay ended");
  }

  void verify() {
    if (!failure_.empty()) return;
    std::string broken = watch_.check(*rt_, endAsked_);
    if (!rt_->ended()) broken += windowsAgree();
    if (!broken.empty()) throw std::runtime_error(broken);
  }

  // No window outlives its screen, every shown screen has its window, on
  // screen, of its height, with each widget showing what its control holds.
  // (A screen that has never been shown need not have a window yet.)
  std::string windowsAgree() const {
    std::string broken;
    for (ScreenId id : kAllScreens) {
      const Screen* s = rt_->find(id);
      ScreenWindow* w = platform_->window(id);
      const std::string where = std::string(screenName(id)) + ": ";
      if (w && !s) broken += where + "a window without its screen; ";
      if (s && s->shown() && !w) broken += where + "shown without a window; ";
      if (!s || !w) continue;
      if (w->isVisible() != s->shown())
        broken += where + "window shown " + std::to_string(w->isVisible()) + "; ";
      if (w->height() != px(s->outerHeight() - kNonClientHeightTwips)) broken += where + "window height; ";
      for (const Control& c : s->controls()) {
        QWidget* cw = w->widgetFor(c.name());
        if (!cw) continue;
        const std::string what = where + std::string(c.name()) + " ";
        if (cw->isHidden() == c.visible()) broken += what + "visibility; ";
        if (auto* e = qobject_cast<QLineEdit*>(cw); e && e->text().toStdString() != c.text()) {
          broken += what + "shows '" + stress::printable(e->text().toStdString()) + "' for '" +
                    stress::printable(c.text()) + "'; ";
        }
        if (auto* b = qobject_cast<QCheckBox*>(cw)) {
          const Qt::CheckState want = c.value() == 1   ? Qt::Checked
                                      : c.value() == 2 ? Qt::PartiallyChecked
                                                       : Qt::Unchecked;
          if (b->checkState() != want) broken += what + "check state; ";
        }
        auto* r = qobject_cast<QRadioButton*>(cw);
        if (r && r->isChecked() != (c.value() == 1)) {
          broken += what + "option state; ";
        }
      }
    }
    return broken;
  }

  void note(std::string_view kind, const std::string& detail) {
    std::string line = "#" + std::to_string(events_);
    if (depth_ > 0) line += " modal" + std::to_string(depth_);
    history_.add(line + " " + std::string(kind) + " " + stress::printable(detail));
  }

  // A modal wait has begun: count an announced win, then keep playing
  // inside the wait until its screen closes.
  void waitBegins(ScreenId id) {
    ++depth_;
    if (id == ScreenId::winner) {
      watch_.winAnnounced(*rt_);
      ++wins_;
    }
    note("modal", std::string(screenName(id)));
    guarded([this] { verify(); });
    const int patience = depth_ > 3 ? 0 : dice_.below(15);
    QTimer::singleShot(0, platform_.get(), [this, id, patience] { pump(id, patience); });
  }

  bool waiting(ScreenId id) const { return failure_.empty() && !rt_->ended() && rt_->isModal(id); }

  void pump(ScreenId id, int left) {
    if (!waiting(id)) return;
    if (left < -3) return fail(std::string(screenName(id)) + " would not close");
    guarded([&] {
      if (left > 0 && events_ < budget_) {
        event();
      } else {
        closeModal(id);
      }
    });
    if (waiting(id)) QTimer::singleShot(0, platform_.get(), [this, id, left] { pump(id, left - 1); });
  }

  void closeModal(ScreenId id) {
    ++events_;
    const int way = dice_.below(3);
    ScreenWindow* w = platform_->window(id);
    if (id == ScreenId::winner && way == 0) {
      QTest::keyClick(w->windowHandle(), Qt::Key_Return);
    } else if (id == ScreenId::winner) {
      clickNamed(id, "Command1");
    } else if (id == ScreenId::player && way == 0) {
      clickNamed(id, "Command1");
    } else if (id == ScreenId::quit && way == 0) {
      QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    } else if (id == ScreenId::quit && way == 1) {
      clickNamed(id, "Command2");
    } else {
      w->close();
    }
    note("closing", std::string(screenName(id)) + " way " + std::to_string(way));
    verify();
  }

  ScreenId chooseTarget() {
    if (rt_->hasModal() && dice_.percent(90)) return rt_->topModal();
    std::vector<ScreenId> open;
    for (ScreenId id : kAllScreens) {
      if (rt_->isShown(id)) open.push_back(id);
    }
    return open.empty() ? ScreenId::Welcome : dice_.of(open);
  }

  void event() {
    const ScreenId id = chooseTarget();
    ++events_;
    const Mix mix = mixFor(id);
    int r = dice_.below(std::accumulate(mix.begin(), mix.end(), 0));
    std::size_t k = 0;
    while ((r -= mix[k]) >= 0) ++k;
    const std::string detail = deliver(id, static_cast<Kind>(k));
    note(kKindNames[k], std::string(screenName(id)) + " " + detail);
    verify();
  }

  // The window's pixel at a point, if the window is on screen.
  QWindow* shownWindow(ScreenId id) const {
    ScreenWindow* w = platform_->window(id);
    return w && w->isVisible() ? w->windowHandle() : nullptr;
  }

  std::string deliver(ScreenId id, Kind kind) {
    const Screen* s = rt_->find(id);
    switch (kind) {
      case Kind::Wait: {
        const int ms = realPause(dice_, id);
        QTest::qWait(ms);
        return std::to_string(ms) + " ms";
      }
      case Kind::Click:
      case Kind::DoubleClick:
      case Kind::Hover:
      case Kind::Keys:
      case Kind::Paste: {
        if (!s) return "not loaded";
        std::vector<std::string> names;
        for (const Control& c : s->controls()) {
          const bool box = c.kind() == ControlKind::TextBox;
          if ((kind == Kind::Keys || kind == Kind::Paste) != box || inPanel(id, c.name())) continue;
          if (c.kind() == ControlKind::Timer || c.kind() == ControlKind::Line || c.name() == "Image1")
            continue;
          names.emplace_back(c.name());
        }
        if (names.empty()) return "nothing to aim at";
        const std::string& name = pickAim(id, names);
        if (kind == Kind::Hover) return hoverNamed(id, name);
        if (kind == Kind::Keys || kind == Kind::Paste) return type(id, name, kind == Kind::Paste);
        return clickNamed(id, name, kind == Kind::DoubleClick);
      }
      case Kind::ClickPoint: {
        const int width = px(layoutOf(id).window.clientWidth);
        const int height =
            px((s ? s->outerHeight() : layoutOf(id).window.clientHeight) - kNonClientHeightTwips);
        return clickPixel(id, QPoint(dice_.below(width), dice_.below(height)));
      }
      case Kind::Enter:
      case Kind::Esc:
        if (QWindow* w = shownWindow(id))
          QTest::keyClick(w, kind == Kind::Enter ? Qt::Key_Return : Qt::Key_Escape);
        return {};
      case Kind::Close:
        if (ScreenWindow* w = platform_->window(id)) w->close();
        return {};
      case Kind::Move: return intendedMove(id);
      case Kind::Count: break;
    }
    return {};
  }

  // The menu's ways on and the dialog's "No" come up more often than the
  // rest, so that the run spends its time in the matches, not the splash.
  const std::string& pickAim(ScreenId id, const std::vector<std::string>& names) {
    for (int tries = 0; tries < 3; ++tries) {
      const std::string& name = dice_.of(names);
      const bool favoured = (id == ScreenId::Welcome && (name == "Command1" || name == "vs2")) ||
                            (id == ScreenId::quit && name != "Command1");
      if (favoured || tries == 2) return name;
    }
    return names.front();
  }

  // Where a person aims at the control, as a window pixel.
  std::optional<QPoint> aim(ScreenId id, const std::string& name) const {
    const Screen* s = rt_->find(id);
    const auto point = s ? clickPoint(*s, name) : std::nullopt;
    if (!point) return std::nullopt;
    return QPoint(point->first / kTwipsPerPixel, point->second / kTwipsPerPixel);
  }

  std::string clickNamed(ScreenId id, const std::string& name, bool twice = false) {
    const auto p = aim(id, name);
    return name + " " + (p ? clickPixel(id, *p, twice) : "out of sight");
  }

  // A click at the pixel, kept off the control panel's flags and boxes: what
  // the user sets there may drive the turn engine anywhere.
  std::string clickPixel(ScreenId id, QPoint p, bool twice = false) {
    QWindow* w = shownWindow(id);
    const Screen* s = rt_->find(id);
    if (!w || !s) return "no window";
    for (int dx : {0, 14}) {
      for (int dy : {0, 14}) {
        const auto hit = controlAt(*s, p.x() * kTwipsPerPixel + dx, p.y() * kTwipsPerPixel + dy);
        if (hit && inPanel(id, *hit)) return "kept off " + std::string(*hit);
      }
    }
    if (twice) {
      QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p);
    } else {
      QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p);
    }
    return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
  }

  std::string hoverNamed(ScreenId id, const std::string& name) {
    QWindow* w = shownWindow(id);
    const auto p = aim(id, name);
    if (!w || !p) return name + " out of sight";
    QTest::mouseMove(w, *p);
    return name;
  }

  // Keys one character at a time into the box, or a paste over its whole text.
  std::string type(ScreenId id, const std::string& box, bool paste) {
    ScreenWindow* w = platform_->window(id);
    auto* edit = w ? qobject_cast<QLineEdit*>(w->widgetFor(box)) : nullptr;
    // Qt sends no key to a window that a modal one blocks.
    if (!edit || !w->isVisible() || !rt_->acceptsInput(id)) return box + " not typable";
    const std::string text = stress::awkwardText(dice_);
    const QString q = QString::fromStdString(text);
    if (paste) {
      QApplication::clipboard()->setText(q);
      edit->selectAll();
      edit->paste();
    } else {
      for (qsizetype i = 0; i < q.size(); ++i) {
        const qsizetype len = q.at(i).isHighSurrogate() && i + 1 < q.size() ? 2 : 1;
        const QString key = q.mid(i, len);
        i += len - 1;
        const Qt::Key code = key == "\t" ? Qt::Key_Tab : key == "\n" ? Qt::Key_Return : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, edit, code, key, Qt::NoModifier);
        if (!rt_->acceptsInput(id)) break;  // a Return pressed the default button
      }
    }
    return box + (paste ? " pasted '" : " keys '") + text + "'";
  }

  // A placement or move that the rules allow, made with the pointer.
  std::string intendedMove(ScreenId id) {
    const Screen* s = rt_->find(id);
    if ((id != ScreenId::game && id != ScreenId::game1) || !s || !rt_->acceptsInput(id)) return "not here";
    const auto holds = [s](char side, int n) { return s->control(cellName(side, n)).visible(); };
    const bool placing = id == ScreenId::game1 && s->control("full").value() != 1;
    const char side = id == ScreenId::game1 && !s->control("i1").visible() ? 'a' : 'm';
    std::vector<std::pair<int, int>> moves;
    for (int to = 1; to <= rules::kCells; ++to) {
      if (holds('m', to) || holds('a', to)) continue;
      if (placing) moves.emplace_back(0, to);
      for (int from : rules::neighbours(to)) {
        if (!placing && holds(side, from)) moves.emplace_back(from, to);
      }
    }
    if (moves.empty()) return "no move";
    const auto [from, to] = dice_.of(moves);
    std::string detail;
    if (from != 0) detail = clickNamed(id, cellName(side, from)) + ", ";
    detail += hoverNamed(id, cellName('z', to)) + ", ";
    if (!rt_->acceptsInput(id)) return detail;
    return detail + clickNamed(id, cellName('g', to));
  }

  std::uint64_t seed_;
  Dice dice_;
  stress::GameWatch watch_{stress::Strictness::Everything};
  std::unique_ptr<WatchedPlatform> platform_;
  std::unique_ptr<Runtime> rt_;
  stress::History history_;
  std::string failure_;
  long budget_ = 0, events_ = 0;
  int depth_ = 0, wins_ = 0, ends_ = 0, programs_ = 0;
  bool endAsked_ = false;
};

#if defined(__SANITIZE_ADDRESS__)
constexpr long kDefaultEvents = 8'000;
#else
constexpr long kDefaultEvents = 20'000;
#endif

// A click on the option already chosen must not toggle Qt's radio button off
// while the click's handler waits on a modal screen ("2 player" opening the
// second-player entry a second time): the menu always shows one mode chosen.
TEST(QtOptionButton, OptionButtonStaysCheckedWhileItsClickWaits) {
  Behaviours b;
  b[indexOf(ScreenId::Welcome)].click["vs2"] = [](Runtime& r) { r.show(ScreenId::player, true); };
  QtPlatform platform;
  platform.setOnQuit([] {});
  Runtime rt(platform, b);
  platform.attach(rt);
  rt.start(ScreenId::Welcome);
  ScreenWindow* menu = platform.window(ScreenId::Welcome);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  auto* twoPlayers = qobject_cast<QRadioButton*>(menu->widgetFor("vs2"));
  ASSERT_NE(twoPlayers, nullptr);
  std::vector<bool> checkedWhileWaiting;
  for (int click = 0; click < 2; ++click) {
    QTimer::singleShot(0, &platform, [&] {
      checkedWhileWaiting.push_back(twoPlayers->isChecked());
      rt.hide(ScreenId::player);
    });
    QTest::mouseClick(twoPlayers, Qt::LeftButton);
  }
  EXPECT_EQ(checkedWhileWaiting, (std::vector<bool>{true, true}));
  EXPECT_TRUE(twoPlayers->isChecked());
  rt.end();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(QtRandomPlay, EveryInvariantHoldsAndEveryWindowAgreesWithItsScreen) {
  const auto seed = static_cast<std::uint64_t>(stress::fromEnvironment("ZORVANE_STRESS_SEED", 20240917));
  const long events = stress::fromEnvironment("ZORVANE_QT_STRESS_EVENTS", kDefaultEvents);
  std::printf("random play through Qt: seed %llu, %ld events\n", static_cast<unsigned long long>(seed),
              events);
  QtRandomPlay play(seed);
  const auto began = std::chrono::steady_clock::now();
  const std::string failure = play.run(events);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::printf("random play through Qt: %ld events in %.1f s, %d wins, %d programs, %d ends\n", play.events(),
              seconds, play.wins(), play.programs(), play.ends());
  ASSERT_TRUE(failure.empty()) << failure;
  EXPECT_GE(play.events(), events);
  EXPECT_GT(play.wins(), 0) << "a run without a win has not played the game";
}

}  // namespace
}  // namespace zorvane::ui::qt
