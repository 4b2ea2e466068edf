// Random play on the headless driver: a seeded stream of clicks on any
// control of any loaded screen, clicks at random points, hovers, typing,
// Enter and Esc, window closes, time passing and answers to the modal
// screens, with the game's invariants checked after every event. A failure
// prints its seed and the last events; the seed and the count replay it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board_tables.h"
#include "tests/core/game_invariants.h"
#include "tests/core/random_input.h"
#include "ui/headless/driver.h"
#include "ui/hit_test.h"

namespace zorvane {
namespace {

using stress::Dice;
using stress::Strictness;
using ui::Driver;
using ui::ScreenId;

// A broken invariant or a modal screen that would not close: ends the run.
struct Broken : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class Kind {
  Wait,
  Click,
  DoubleClick,
  ClickPoint,
  Hover,
  HoverPoint,
  Type,
  TypeKeys,
  Enter,
  Esc,
  Close,
  PanelCode,
  Move,
  Count
};
constexpr std::array<const char*, static_cast<std::size_t>(Kind::Count)> kKindNames{
    "wait", "click", "double-click", "click at", "hover",      "hover at", "type",
    "keys", "Enter", "Esc",          "close",    "panel code", "move"};

// How often each kind of event comes on a screen, in parts per thousand.
using Mix = std::array<int, static_cast<std::size_t>(Kind::Count)>;

Mix mixFor(ScreenId id) {
  switch (id) {
    //                       wait click dbl  at  hover hat type keys ent  esc close code move
    case ScreenId::logo: return {500, 150, 20, 100, 50, 30, 0, 0, 50, 50, 50, 0, 0};
    case ScreenId::Welcome: return {150, 350, 30, 150, 50, 30, 60, 60, 30, 10, 20, 0, 0};
    case ScreenId::player: return {100, 400, 30, 150, 50, 20, 100, 100, 30, 30, 40, 0, 0};
    case ScreenId::quit: return {100, 300, 30, 200, 50, 20, 0, 0, 20, 100, 100, 0, 0};
    case ScreenId::game: return {250, 450, 30, 120, 250, 50, 10, 10, 5, 5, 8, 0, 40};
    case ScreenId::game1: return {150, 450, 30, 100, 300, 30, 10, 10, 5, 5, 1, 3, 60};
    case ScreenId::winner: return {300, 200, 20, 100, 20, 10, 0, 0, 80, 20, 20, 0, 0};
  }
  return {};
}

bool isCell(std::string_view name, char family) {
  return name.size() == 2 && name[0] == family && name[1] >= '1' && name[1] <= '9';
}

// The state controls below game1's board: hand edits there may break the
// turn engine's rules, so the strict run keeps its hands off them.
bool inPanel(ScreenId id, std::string_view name) {
  static constexpr std::array<std::string_view, 7> kPanel{"full",  "p1",    "rank",  "rank1",
                                                          "name1", "name2", "Label2"};
  return id == ScreenId::game1 && std::find(kPanel.begin(), kPanel.end(), name) != kPanel.end();
}

// How much more often a person aims a click at the control than at others.
int clickWeight(ScreenId id, std::string_view name) {
  const bool match = id == ScreenId::game || id == ScreenId::game1;
  // The match screens' backdrop lies under everything; clicks at random points reach it.
  if (match && name == "Image1") return 0;
  if (match && (isCell(name, 'm') || isCell(name, 'a') || isCell(name, 'g'))) return 6;
  if (match && isCell(name, 'z')) return id == ScreenId::game ? 5 : 2;
  if (id == ScreenId::quit) return name == "Command2" ? 3 : name == "Label1" ? 2 : 1;
  // The two-player mode is one click further away than the computer's.
  if (id == ScreenId::Welcome && (name == "Command1" || name == "vs2")) return 4;
  return 1;
}

int hoverWeight(ScreenId id, std::string_view name) {
  if (id != ScreenId::game && id != ScreenId::game1) return 1;
  if (name == "Image1") return 0;
  return isCell(name, 'z') ? 8 : name == "Label1" ? 4 : 1;
}

// Named controls of a screen with the weights that pick them.
struct Targets {
  std::vector<std::string> names;
  std::vector<int> cumulative;
  const std::string& pick(Dice& dice) const {
    const int r = dice.below(cumulative.back());
    return names[static_cast<std::size_t>(std::upper_bound(cumulative.begin(), cumulative.end(), r) -
                                          cumulative.begin())];
  }
};

class RandomPlay {
 public:
  struct Stats {
    long events = 0;
    std::array<long, ui::kScreenCount> perScreen{};
    std::array<long, ui::kScreenCount> modalAnswers{};
    long gameWins = 0, game1Wins = 0;
    long programs = 0, ends = 0;
    long forcedCloses = 0, panelCodes = 0, keptOffPanel = 0, panelEdits = 0;
    int bestGame1Score = 0;
    int deepestModal = 0;
  };

  RandomPlay(std::uint64_t seed, Strictness strictness)
      : seed_(seed), dice_(seed), strictness_(strictness), watch_(strictness) {
    for (ScreenId id : ui::kAllScreens) {
      Targets& clicks = clicks_[ui::indexOf(id)];
      Targets& hovers = hovers_[ui::indexOf(id)];
      for (const ui::ControlSpec& c : ui::layoutOf(id).controls) {
        if (c.kind == ui::ControlKind::Timer || c.kind == ui::ControlKind::Line) continue;
        const bool allowed = strictness == Strictness::Survival || !inPanel(id, c.name);
        if (c.kind == ui::ControlKind::TextBox && allowed) boxes_[ui::indexOf(id)].emplace_back(c.name);
        add(clicks, c.name, allowed ? clickWeight(id, c.name) : 0);
        add(hovers, c.name, hoverWeight(id, c.name));
      }
    }
  }

  // Plays `events` events; empty when everything held, else the report.
  std::string run(long events) {
    budget_ = events;
    try {
      startProgram();
      while (stats_.events < budget_) {
        if (d_->rt().ended()) {
          probeTheEnd();
          startProgram();
          continue;
        }
        event();
      }
    } catch (const std::exception& e) {
      return "random play with seed " + std::to_string(seed_) + " broke at event " +
             std::to_string(stats_.events) + " (replay: ZORVANE_STRESS_SEED=" + std::to_string(seed_) +
             " ZORVANE_STRESS_EVENTS=" + std::to_string(stats_.events) + "):\n  " + e.what() +
             "\nlast events:\n" + history_.tail();
    }
    return {};
  }

  const Stats& stats() const { return stats_; }
  std::uint64_t digest() const { return history_.digest(); }

 private:
  static void add(Targets& t, std::string_view name, int weight) {
    if (weight <= 0) return;
    t.names.emplace_back(name);
    t.cumulative.push_back((t.cumulative.empty() ? 0 : t.cumulative.back()) + weight);
  }

  ui::Runtime& rt() { return d_->rt(); }

  void startProgram() {
    d_ = std::make_unique<Driver>(app::gameBehaviours(dice_.raw()));
    d_->platform().setDefaultModalAnswer([this](ScreenId id) { answer(id); });
    watch_ = stress::GameWatch(strictness_);
    endAsked_ = false;
    ++stats_.programs;
    d_->start();
    note("start", "a new program");
    verify();
  }

  // After End: nothing is loaded, no timer runs, and input goes nowhere.
  void probeTheEnd() {
    ++stats_.ends;
    for (int n = 0; n < 4 && stats_.events < budget_; ++n) {
      const ScreenId id = ui::kAllScreens[static_cast<std::size_t>(dice_.below(ui::kScreenCount))];
      ++stats_.events;
      switch (dice_.below(5)) {
        case 0: d_->clickAt(id, dice_.below(9000), dice_.below(7000)); break;
        case 1: d_->type(id, "Text1", "late"); break;
        case 2: d_->close(id); break;
        case 3: d_->pressEnter(id); break;
        default: d_->advance(pause(dice_)); break;
      }
      note("after End", std::string(ui::screenName(id)));
      for (ScreenId s : ui::kAllScreens) {
        if (rt().isLoaded(s)) throw Broken(std::string(ui::screenName(s)) + " loaded after End");
      }
      if (rt().running() || !d_->platform().quitCalled() || d_->platform().activeTimers() != 0) {
        throw Broken("the program did not stay ended");
      }
    }
  }

  void verify() {
    const std::string broken = watch_.check(rt(), endAsked_);
    if (!broken.empty()) throw Broken(broken);
  }

  // Events are written down when they are over, so that the control they
  // reached shows; one that opened a modal screen comes after the events
  // answered there, under its own, earlier number.
  void note(std::string_view kind, std::string detail, long number = -1) {
    if (number < 0) number = stats_.events;
    std::string line = "#" + std::to_string(number) + " t=" + std::to_string(d_->platform().now());
    if (depth_ > 0) line += " modal" + std::to_string(depth_);
    line += " " + std::string(kind) + " " + stress::printable(detail);
    history_.add(std::move(line));
  }

  // Mostly a screen that takes input; now and then one whose input must be dropped.
  ScreenId chooseTarget() {
    if (rt().hasModal()) {
      return dice_.percent(90) ? rt().topModal() : ui::kAllScreens[static_cast<std::size_t>(dice_.below(7))];
    }
    std::vector<ScreenId> open;
    for (ScreenId id : ui::kAllScreens) {
      if (rt().acceptsInput(id)) open.push_back(id);
    }
    if (open.empty() || dice_.percent(3)) return ui::kAllScreens[static_cast<std::size_t>(dice_.below(7))];
    return dice_.of(open);
  }

  Kind chooseKind(ScreenId id) {
    const Mix mix = mixFor(id);
    int total = 0;
    for (int w : mix) total += w;
    int r = dice_.below(total);
    for (std::size_t k = 0; k < mix.size(); ++k) {
      if ((r -= mix[k]) < 0) return static_cast<Kind>(k);
    }
    return Kind::Wait;
  }

  void event() {
    const ScreenId id = chooseTarget();
    const long number = ++stats_.events;
    ++stats_.perScreen[ui::indexOf(id)];
    const Kind kind = chooseKind(id);
    std::string detail = deliver(id, kind);
    note(kKindNames[static_cast<std::size_t>(kind)], std::string(ui::screenName(id)) + " " + detail, number);
    verify();
    if (const ui::Screen* s = rt().find(ScreenId::game1)) {
      for (const char* score : {"scoreulo", "scorecomp"}) {
        stats_.bestGame1Score = std::max(stats_.bestGame1Score, ui::leadingNumber(s->control(score).text()));
      }
    }
  }

  std::string deliver(ScreenId id, Kind kind) {
    switch (kind) {
      case Kind::Wait: {
        const int ms = pause(dice_);
        d_->advance(ms);
        return std::to_string(ms) + " ms";
      }
      case Kind::Click: return clickNamed(id, clicks_[ui::indexOf(id)].pick(dice_), 1);
      case Kind::DoubleClick: return clickNamed(id, clicks_[ui::indexOf(id)].pick(dice_), 2);
      case Kind::ClickPoint: {
        const auto [x, y] = randomPoint(id);
        return "(" + std::to_string(x) + "," + std::to_string(y) + ") " + clickAt(id, x, y);
      }
      case Kind::Hover: return hoverNamed(id, hovers_[ui::indexOf(id)].pick(dice_));
      case Kind::HoverPoint: {
        const auto [x, y] = randomPoint(id);
        return "(" + std::to_string(x) + "," + std::to_string(y) + ") " + hoverAt(id, x, y);
      }
      case Kind::Type:
      case Kind::TypeKeys: {
        const auto& boxes = boxes_[ui::indexOf(id)];
        if (boxes.empty()) return "no box";
        const std::string& box = dice_.of(boxes);
        const std::string text = stress::awkwardText(dice_);
        if (inPanel(id, box) && rt().acceptsInput(id)) ++stats_.panelEdits;
        if (kind == Kind::Type) {
          d_->type(id, box, text);
        } else {
          d_->typeKeys(id, box, text);
        }
        return box + " '" + text + "'";
      }
      case Kind::Enter:
        if (id == ScreenId::quit && rt().acceptsInput(id)) endAsked_ = true;
        d_->pressEnter(id);
        return {};
      case Kind::Esc: d_->pressEsc(id); return {};
      case Kind::Close: d_->close(id); return {};
      case Kind::PanelCode: return panelCode(id);
      case Kind::Move: return intendedMove(id);
      case Kind::Count: break;
    }
    return {};
  }

  // Events that a person makes one after another on purpose: the first is
  // the event being delivered, each later one an event of its own.
  using Step = std::function<std::string()>;
  std::string sequence(std::string_view kind, ScreenId id, const std::vector<Step>& steps) {
    std::string detail = steps.front()();
    for (std::size_t n = 1; n < steps.size(); ++n) {
      note(kind, detail);
      verify();
      if (!rt().acceptsInput(id) || stats_.events >= budget_) return "broken off";
      ++stats_.events;
      ++stats_.perScreen[ui::indexOf(id)];
      detail = steps[n]();
    }
    return detail;
  }

  // The click code that lengthens game1's window from a reset counter: 5 x 5 + 2 x 1.
  std::string panelCode(ScreenId id) {
    if (id != ScreenId::game1 || !rt().acceptsInput(id)) return "not here";
    ++stats_.panelCodes;
    std::vector<Step> steps{[this, id] { return clickNamed(id, "Image12", 1); }};
    for (const char* name :
         {"scoreulo", "scoreulo", "scoreulo", "scoreulo", "scoreulo", "Image11", "Image11"}) {
      steps.emplace_back([this, id, name] { return clickNamed(id, name, 1); });
    }
    return sequence("panel code", id, steps) + ", height " + std::to_string(rt().windowHeight(id));
  }

  // A placement or a move that the rules allow, made as a player makes it:
  // the piece, the pointer over the free point, the marker.
  std::string intendedMove(ScreenId id) {
    const ui::Screen* s = rt().find(id);
    if ((id != ScreenId::game && id != ScreenId::game1) || !s || !rt().acceptsInput(id)) return "not here";
    const auto holds = [s](char side, int n) { return s->control(cellName(side, n)).visible(); };
    const bool placing = id == ScreenId::game1 && s->control("full").value() != 1;
    const char side = id == ScreenId::game1 && !s->control("i1").visible() ? 'a' : 'm';
    std::vector<std::pair<int, int>> moves;  // from (0 for a placement), to
    for (int to = 1; to <= rules::kCells; ++to) {
      if (holds('m', to) || holds('a', to)) continue;
      if (placing) moves.emplace_back(0, to);
      for (int from : rules::neighbours(to)) {
        if (!placing && holds(side, from)) moves.emplace_back(from, to);
      }
    }
    if (moves.empty()) return "no move";
    const auto [from, to] = dice_.of(moves);
    std::vector<Step> steps;
    if (from != 0)
      steps.emplace_back([this, id, side, from] { return clickNamed(id, cellName(side, from), 1); });
    steps.emplace_back([this, id, to] { return hoverNamed(id, cellName('z', to)); });
    steps.emplace_back([this, id, to] { return clickNamed(id, cellName('g', to), 1); });
    return sequence("move", id, steps);
  }

  static std::string cellName(char family, int n) {
    return std::string(1, family) + static_cast<char>('0' + n);
  }

  std::string hoverNamed(ScreenId id, const std::string& name) {
    const ui::Screen* s = rt().find(id);
    const auto point = s ? aim(*s, name) : std::nullopt;
    return name + (point ? " " + hoverAt(id, point->first, point->second) : " -");
  }

  std::pair<int, int> randomPoint(ScreenId id) {
    const ui::Screen* s = rt().find(id);
    const int width = ui::layoutOf(id).window.clientWidth;
    const int height =
        s ? s->outerHeight() - ui::kNonClientHeightTwips : ui::layoutOf(id).window.clientHeight;
    return {dice_.below(width + 200) - 100, dice_.below(height + 200) - 100};
  }

  std::string clickNamed(ScreenId id, const std::string& name, int times) {
    const ui::Screen* s = rt().find(id);
    if (!s) return name + " not loaded";
    const auto point = aim(*s, name);
    if (!point) return name + " out of sight";
    std::string detail = name;
    for (int n = 0; n < times; ++n) detail += " " + clickAt(id, point->first, point->second);
    return detail;
  }

  // Driver::clickAt, kept off the panel's controls in the strict run.
  std::string clickAt(ScreenId id, int x, int y) {
    const ui::Screen* s = rt().find(id);
    if (s && rt().acceptsInput(id)) {
      const auto hit = ui::controlAt(*s, x, y);
      if (!hit) return "-";
      if (inPanel(id, *hit)) {
        if (strictness_ == Strictness::Everything) {
          ++stats_.keptOffPanel;
          return "kept off " + std::string(*hit);
        }
        ++stats_.panelEdits;
      }
      if (id == ScreenId::quit && *hit == "Command1") endAsked_ = true;
    }
    const auto reached = d_->clickAt(id, x, y);
    return reached ? "->" + *reached : "dropped";
  }

  // Driver::hover's delivery, at a point.
  std::string hoverAt(ScreenId id, int x, int y) {
    const ui::Screen* s = rt().find(id);
    if (!s || !rt().acceptsInput(id)) return "dropped";
    const auto hit = ui::controlAt(*s, x, y);
    if (!hit) return "-";
    const std::string name(*hit);
    rt().mouseMove(id, name);
    return "->" + name;
  }

  // Where Driver::click aims. A control that cannot show anywhere is aimed
  // at its middle, as the driver does after looking; an aim at a covered
  // control is remembered for the same picture of the window.
  std::optional<std::pair<int, int>> aim(const ui::Screen& s, const std::string& name) {
    const auto centre = clippedCentre(s, name);
    std::optional<std::pair<int, int>> point;
    if (!centre || !canShow(s, name) || ui::controlAt(s, centre->first, centre->second) == name) {
      point = centre;
    } else {
      std::string key = windowPicture(s, name);
      auto it = aims_.find(key);
      if (it == aims_.end()) {
        if (aims_.size() > 200000) aims_.clear();
        it = aims_.emplace(std::move(key), ui::clickPoint(s, name)).first;
      }
      point = it->second;
    }
    // Now and then the driver's own answer, to keep this one honest.
    if (++aims_made_ % 10007 == 0 && point != ui::clickPoint(s, name)) {
      throw Broken("the harness aims at " + name + " elsewhere than the driver");
    }
    return point;
  }

  static bool canShow(const ui::Screen& s, std::string_view name) {
    for (const ui::Control* c = &s.control(name);; c = &s.control(c->definition().container)) {
      const ui::ControlKind k = c->kind();
      if (!c->visible() || k == ui::ControlKind::Shape || k == ui::ControlKind::Line) return false;
      if (c->definition().container.empty()) return true;
    }
  }

  // The middle of the control's part inside its containers and the window.
  static std::optional<std::pair<int, int>> clippedCentre(const ui::Screen& s, std::string_view name) {
    const ui::ControlSpec& definition = s.control(name).definition();
    const ui::Rect r = ui::absoluteRect(s, definition);
    int left = r.left, top = r.top, right = r.left + r.width, bottom = r.top + r.height;
    for (std::string_view c = definition.container; !c.empty(); c = s.control(c).definition().container) {
      const ui::Rect pr = ui::absoluteRect(s, s.control(c).definition());
      left = std::max(left, pr.left);
      top = std::max(top, pr.top);
      right = std::min(right, pr.left + pr.width);
      bottom = std::min(bottom, pr.top + pr.height);
    }
    right = std::min(right, s.layout().window.clientWidth);
    bottom = std::min(bottom, s.outerHeight() - ui::kNonClientHeightTwips);
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (left >= right || top >= bottom) return std::nullopt;
    return std::pair{(left + right) / 2, (top + bottom) / 2};
  }

  // What decides an aim: the control, the window's height and what shows.
  static std::string windowPicture(const ui::Screen& s, std::string_view name) {
    std::string key = std::string(ui::screenName(s.id())) + "/" + std::string(name) + "/" +
                      std::to_string(s.outerHeight()) + "/";
    for (const ui::Control& c : s.controls()) key += c.visible() ? '1' : '0';
    return key;
  }

  // The default answer to every modal show: random events, mostly on the
  // modal screen, until it closes; a screen still open after its patience
  // runs out is closed as a person would, with "OK", "No" or its close box.
  void answer(ScreenId id) {
    ++stats_.modalAnswers[ui::indexOf(id)];
    if (id == ScreenId::winner) {
      watch_.winAnnounced(rt());
      ++(rt().isShown(ScreenId::game1) ? stats_.game1Wins : stats_.gameWins);
    }
    note("modal", std::string(ui::screenName(id)));
    verify();
    ++depth_;
    stats_.deepestModal = std::max(stats_.deepestModal, depth_);
    const int patience = depth_ > 3 ? 0 : dice_.below(40);
    for (int n = 0; n < patience && waiting(id) && stats_.events < budget_; ++n) event();
    if (waiting(id)) closeModal(id);
    --depth_;
  }

  bool waiting(ScreenId id) { return !rt().ended() && rt().isModal(id); }

  void closeModal(ScreenId id) {
    ++stats_.events;
    ++stats_.forcedCloses;
    const int way = dice_.below(3);
    switch (id) {
      case ScreenId::winner:
        if (way == 0) {
          d_->pressEnter(id);
        } else {
          d_->click(id, "Command1");
        }
        break;
      case ScreenId::player:
        if (way == 0) {
          d_->click(id, "Command1");
        } else {
          d_->close(id);
        }
        break;
      case ScreenId::quit:
        if (way == 0) {
          d_->pressEsc(id);
        } else if (way == 1) {
          d_->click(id, "Command2");
        } else {
          d_->close(id);
        }
        break;
      default: throw Broken(std::string(ui::screenName(id)) + " was shown modally");
    }
    note("closing", std::string(ui::screenName(id)) + " way " + std::to_string(way));
    if (waiting(id)) throw Broken(std::string(ui::screenName(id)) + " stays open after its closing click");
    verify();
  }

  std::uint64_t seed_;
  Dice dice_;
  Strictness strictness_;
  stress::GameWatch watch_;
  std::unique_ptr<Driver> d_;
  stress::History history_;
  Stats stats_;
  long budget_ = 0;
  int depth_ = 0;
  bool endAsked_ = false;
  std::array<Targets, ui::kScreenCount> clicks_, hovers_;
  std::array<std::vector<std::string>, ui::kScreenCount> boxes_;
  std::unordered_map<std::string, std::optional<std::pair<int, int>>> aims_;
  long aims_made_ = 0;
};

#if defined(__SANITIZE_ADDRESS__)
constexpr long kDefaultEvents = 250'000;
#else
constexpr long kDefaultEvents = 1'000'000;
#endif

std::uint64_t runSeed() {
  return static_cast<std::uint64_t>(stress::fromEnvironment("ZORVANE_STRESS_SEED", 20240917));
}

std::string summary(const RandomPlay::Stats& s, double seconds) {
  std::string out = std::to_string(s.events) + " events in " + std::to_string(seconds) + " s; screens";
  for (ScreenId id : ui::kAllScreens) {
    out += " " + std::string(ui::screenName(id)) + ":" + std::to_string(s.perScreen[ui::indexOf(id)]);
  }
  out += "; modal answers player:" + std::to_string(s.modalAnswers[ui::indexOf(ScreenId::player)]) +
         " quit:" + std::to_string(s.modalAnswers[ui::indexOf(ScreenId::quit)]) +
         " winner:" + std::to_string(s.modalAnswers[ui::indexOf(ScreenId::winner)]);
  out += "; wins game1:" + std::to_string(s.game1Wins) + " game:" + std::to_string(s.gameWins) +
         ", best game1 score " + std::to_string(s.bestGame1Score);
  out += "; programs " + std::to_string(s.programs) + ", ends " + std::to_string(s.ends);
  out += "; forced closes " + std::to_string(s.forcedCloses) + ", panel codes " +
         std::to_string(s.panelCodes) + ", clicks kept off the panel " + std::to_string(s.keptOffPanel) +
         ", panel edits " + std::to_string(s.panelEdits) + ", deepest modal " +
         std::to_string(s.deepestModal);
  return out;
}

void playAndReport(Strictness strictness, long events) {
  const std::uint64_t seed = runSeed();
  std::printf("random play: seed %llu, %ld events\n", static_cast<unsigned long long>(seed), events);
  RandomPlay play(seed, strictness);
  const auto began = std::chrono::steady_clock::now();
  const std::string failure = play.run(events);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::printf("random play: %s\n", summary(play.stats(), seconds).c_str());
  ASSERT_TRUE(failure.empty()) << failure;
  EXPECT_EQ(play.stats().events, events);
  // A run that never reached a win or an End has not played the game.
  EXPECT_GT(play.stats().game1Wins + play.stats().gameWins, 0);
  EXPECT_GT(play.stats().ends, 0);
}

TEST(RandomPlay, EveryInvariantHoldsAfterEveryEvent) {
  playAndReport(Strictness::Everything, stress::fromEnvironment("ZORVANE_STRESS_EVENTS", kDefaultEvents));
}

// With the control panel's flags and boxes in the user's hands the turn
// engine may be driven anywhere; the program must still never crash, never
// stack two pieces on a cell, count every announced win and live until End.
TEST(RandomPlay, HandEditsInTheControlPanelNeverBreakTheGame) {
  playAndReport(Strictness::Survival, stress::fromEnvironment("ZORVANE_STRESS_EVENTS", kDefaultEvents) / 5);
}

TEST(RandomPlay, ASeedReplaysTheSameEvents) {
  RandomPlay first(7, Strictness::Everything), again(7, Strictness::Everything),
      other(8, Strictness::Everything);
  ASSERT_EQ(first.run(20000), "");
  ASSERT_EQ(again.run(20000), "");
  ASSERT_EQ(other.run(20000), "");
  EXPECT_EQ(first.digest(), again.digest());
  EXPECT_NE(first.digest(), other.digest());
}

}  // namespace
}  // namespace zorvane
