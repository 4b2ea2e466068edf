// What must hold between any two events of the game, read from the loaded
// screens without ever loading one, and the wins counted as the winner
// screen announces them. Shared by the random-play runs on the headless
// driver and on the Qt adapter.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "screens/rank_ladder.h"
#include "ui/caption_number.h"
#include "ui/runtime.h"

namespace zorvane::stress {

enum class Strictness {
  // Every invariant of the screens and of the turn engine.
  Everything,
  // Only what survives hand edits in game1's control panel: no crash, never
  // two pieces on a cell, the program alive until End, scores equal to wins.
  Survival,
};

class GameWatch {
 public:
  explicit GameWatch(Strictness strictness) : strictness_(strictness) {}

  // The winner screen has just been shown modally: one more win for the
  // match on screen, by the side whose name line it shows.
  void winAnnounced(const ui::Runtime& rt) {
    const bool twoPlayer = rt.isShown(ui::ScreenId::game1);
    if (twoPlayer == rt.isShown(ui::ScreenId::game)) {
      pending_ += "a win was announced without exactly one match screen shown; ";
      return;
    }
    // A game against the computer drawn by repetition: no one's win.
    if (text(rt, ui::ScreenId::winner, "Label2") != "You Won!!!") {
      if (twoPlayer || text(rt, ui::ScreenId::winner, "Label2") != "A Draw!!!") {
        pending_ += "the announcement reads '" + text(rt, ui::ScreenId::winner, "Label2") + "'; ";
      }
      return;
    }
    ++wins_;
    const ui::ScreenId match = twoPlayer ? ui::ScreenId::game1 : ui::ScreenId::game;
    Tally& tally = tallyOf(rt, match);
    const std::string& announced = text(rt, ui::ScreenId::winner, "winnernme");
    const std::string& one = text(rt, match, twoPlayer ? "p2name" : "Label4");
    const std::string& two = text(rt, match, twoPlayer ? "Label5" : "Label6");
    if (announced != one && announced != two) {
      pending_ += "the winner screen shows '" + announced + "', neither side's name; ";
    }
    if (one == two) {
      ++tally.eitherSide;
    } else if (announced == one) {
      ++tally.sideOne;
    } else {
      ++tally.sideTwo;
    }
  }

  int wins() const { return wins_; }

  // What broke, or empty when everything holds. `endAsked`: the last event
  // reached the quit dialog's "Yes".
  std::string check(const ui::Runtime& rt, bool endAsked) {
    std::string broken = std::move(pending_);
    pending_.clear();
    checkLife(rt, endAsked, broken);
    if (rt.ended()) return broken;
    checkFrames(rt, broken);
    checkBoard(rt, ui::ScreenId::game, broken);
    checkBoard(rt, ui::ScreenId::game1, broken);
    if (strictness_ == Strictness::Everything) checkTurnEngine(rt, broken);
    checkScores(rt, ui::ScreenId::game, broken);
    checkScores(rt, ui::ScreenId::game1, broken);
    return broken;
  }

 private:
  struct Tally {
    const ui::Screen* screen = nullptr;
    int sideOne = 0, sideTwo = 0, eitherSide = 0;
    int total() const { return sideOne + sideTwo + eitherSide; }
  };

  static const std::string& text(const ui::Runtime& rt, ui::ScreenId id, std::string_view name) {
    return rt.find(id)->control(name).text();
  }
  static bool shows(const ui::Screen& s, std::string_view name) { return s.control(name).visible(); }
  static std::string cell(char family, int n) { return std::string(1, family) + static_cast<char>('0' + n); }

  // A screen that was unloaded and loaded again starts a new tally.
  Tally& tallyOf(const ui::Runtime& rt, ui::ScreenId match) {
    Tally& tally = tallies_[match == ui::ScreenId::game ? 0 : 1];
    if (tally.screen != rt.find(match)) tally = Tally{rt.find(match)};
    return tally;
  }

  void checkLife(const ui::Runtime& rt, bool endAsked, std::string& broken) const {
    if (rt.ended() != endAsked) {
      broken += endAsked ? "\"Yes\" did not end the program; " : "the program ended without \"Yes\"; ";
    }
    if (rt.ended()) {
      if (rt.running()) broken += "the program still runs after End; ";
      for (ui::ScreenId id : ui::kAllScreens) {
        if (rt.isLoaded(id)) broken += std::string(ui::screenName(id)) + " is still loaded after End; ";
      }
      return;
    }
    if (!rt.running()) broken += "the program stopped without End; ";
    bool anyShown = false;
    for (ui::ScreenId id : ui::kAllScreens) anyShown = anyShown || rt.isShown(id);
    if (!anyShown) broken += "no window is on screen; ";
    if (rt.hasModal() && !rt.isModal(rt.topModal()))
      broken += "the waiting modal screen is not shown modally; ";
  }

  // One selection frame per picture choice, and one picture set on the menu.
  void checkFrames(const ui::Runtime& rt, std::string& broken) const {
    if (const ui::Screen* menu = rt.find(ui::ScreenId::Welcome)) {
      int frames = 0, standard = 0, alternate = 0;
      for (int n = 1; n <= 4; ++n) {
        frames += shows(*menu, "sel" + std::to_string(n));
        standard += shows(*menu, "b" + std::to_string(n)) && !shows(*menu, "k" + std::to_string(n));
        alternate += shows(*menu, "k" + std::to_string(n)) && !shows(*menu, "b" + std::to_string(n));
      }
      if (frames != 1) broken += "the menu shows " + std::to_string(frames) + " slot frames; ";
      if (standard != 4 && alternate != 4) broken += "the menu mixes its two picture sets; ";
    }
    if (const ui::Screen* entry = rt.find(ui::ScreenId::player)) {
      int frames = 0;
      for (std::string_view name : {"sel1", "sel2", "SEL3", "sel4", "sel5"}) frames += shows(*entry, name);
      if (frames != 1) broken += "the entry shows " + std::to_string(frames) + " portrait frames; ";
    }
  }

  void checkBoard(const ui::Runtime& rt, ui::ScreenId id, std::string& broken) const {
    const ui::Screen* s = rt.find(id);
    if (!s) return;
    const std::string where = std::string(ui::screenName(id)) + ": ";
    int ones = 0, twos = 0;
    for (int n = 1; n <= 9; ++n) {
      const bool one = shows(*s, cell('m', n)), two = shows(*s, cell('a', n));
      if (one && two) broken += where + "two pieces on cell " + std::to_string(n) + "; ";
      ones += one;
      twos += two;
    }
    const bool twoPlayer = id == ui::ScreenId::game1;
    const int arrows =
        twoPlayer ? shows(*s, "i1") + shows(*s, "i2") : shows(*s, "Image13") + shows(*s, "Image14");
    if (arrows != 1) broken += where + std::to_string(arrows) + " turn arrows shown; ";
    // The computer match keeps both sides' three pieces on the board; the
    // two-player pieces only follow the rules while the panel is left alone.
    const bool counted = !twoPlayer || strictness_ == Strictness::Everything;
    if (counted && (ones > 3 || twos > 3 || (!twoPlayer && (ones != 3 || twos != 3)))) {
      broken += where + std::to_string(ones) + " and " + std::to_string(twos) + " pieces; ";
    }
  }

  // The turn flag, arrows, counters and rank titles of the two-player match.
  void checkTurnEngine(const ui::Runtime& rt, std::string& broken) const {
    const ui::Screen* s = rt.find(ui::ScreenId::game1);
    if (!s) return;
    const int flag = s->control("p1").value(), full = s->control("full").value();
    const int arrowSide = shows(*s, "i1") ? 1 : 0;
    if (flag == 2) {
      if (!s->control("Timer1").enabled())
        broken += "game1: the turn flag is still grayed after the start-up; ";
    } else if (flag != arrowSide) {
      broken += "game1: the turn flag " + std::to_string(flag) + " and the arrow name different sides; ";
    }
    int pieces = 0, ones = 0;
    for (int n = 1; n <= 9; ++n) {
      ones += shows(*s, cell('m', n));
      pieces += shows(*s, cell('m', n)) + shows(*s, cell('a', n));
    }
    if (full == 0) {
      const std::string& counter = s->control("Label4").text();
      const std::string& count = s->control("Label6").text();
      if (ui::decimal(ui::leadingNumber(count)) != count || ui::leadingNumber(count) != pieces) {
        broken += "game1: placement count '" + count + "' with " + std::to_string(pieces) + " pieces shown; ";
      }
      if (ui::decimal(ui::leadingNumber(counter)) != counter ||
          (ui::leadingNumber(counter) % 2 == 0) != arrowSide) {
        broken += "game1: placement counter '" + counter + "' against the turn arrow; ";
      }
    } else if (full == 1) {
      if (pieces != 6 || ones != 3) broken += "game1: moving with " + std::to_string(pieces) + " pieces; ";
    } else {
      broken += "game1: board-full flag " + std::to_string(full) + "; ";
    }
    for (auto [score, rank] : {std::pair{"scoreulo", "rank1"}, std::pair{"scorecomp", "rank"}}) {
      const auto title = screens::rankTitleFor(ui::leadingNumber(s->control(score).text()));
      if (title && s->control(rank).text() != *title) {
        broken += std::string("game1: ") + rank + " '" + s->control(rank).text() + "' for its score; ";
      }
    }
  }

  // Each score box holds, as plain decimal text, the wins announced for its side.
  void checkScores(const ui::Runtime& rt, ui::ScreenId id, std::string& broken) {
    const ui::Screen* s = rt.find(id);
    if (!s) {
      tallies_[id == ui::ScreenId::game ? 0 : 1] = Tally{};
      return;
    }
    const Tally& tally = tallyOf(rt, id);
    const std::string& one = s->control("scoreulo").text();
    const std::string& two = s->control("scorecomp").text();
    const int oneScore = ui::leadingNumber(one), twoScore = ui::leadingNumber(two);
    const bool plain = ui::decimal(oneScore) == one && ui::decimal(twoScore) == two;
    if (!plain || oneScore + twoScore != tally.total() || oneScore < tally.sideOne ||
        twoScore < tally.sideTwo) {
      broken += std::string(ui::screenName(id)) + ": scores '" + one + "' and '" + two + "' after " +
                std::to_string(tally.sideOne) + "+" + std::to_string(tally.sideTwo) + "+" +
                std::to_string(tally.eitherSide) + " announced wins; ";
    }
  }

  Strictness strictness_;
  std::array<Tally, 2> tallies_{};
  std::string pending_;
  int wins_ = 0;
};

}  // namespace zorvane::stress
