#include "screens/rank_ladder.h"

#include <array>
#include <string>

#include "ui/runtime.h"

namespace zorvane::screens {

using ui::Runtime;
using ui::ScreenId;

namespace {

struct Rung {
  int threshold;
  std::string_view title;
};

// Three wins apart up to "SCOBs"; "Emperor" takes 25.
constexpr std::array<Rung, 7> kLadder{{{3, "Larva"},
                                       {6, "StreetBug"},
                                       {9, "Cocoon"},
                                       {12, "MoonlightBug"},
                                       {15, "MonsterBug"},
                                       {18, "SCOBs"},
                                       {25, "Emperor"}}};

struct PlayerControls {
  const char* score;
  const char* rank;
  const char* name;
  const char* nameLine;
};

void rankUpdate(Runtime& rt, const PlayerControls& p) {
  if (auto title = rankTitleFor(rt.ctl(ScreenId::game1, p.score).number())) {
    rt.ctl(ScreenId::game1, p.rank).setText(*title);
  }
  rt.ctl(ScreenId::game1, p.nameLine)
      .setText(rt.ctl(ScreenId::game1, p.rank).text() + " " + rt.ctl(ScreenId::game1, p.name).text());
}

}  // namespace

std::optional<std::string_view> rankTitleFor(int score) {
  std::optional<std::string_view> title;
  for (const Rung& rung : kLadder) {
    if (score >= rung.threshold) title = rung.title;
  }
  return title;
}

void addRankUpdates(ui::ScreenBehaviour& game1) {
  static constexpr PlayerControls kPlayerOne{"scoreulo", "rank1", "name1", "p2name"};
  static constexpr PlayerControls kPlayerTwo{"scorecomp", "rank", "name2", "Label5"};
  game1.changed["scoreulo"] = [](Runtime& rt) { rankUpdate(rt, kPlayerOne); };
  game1.changed["scorecomp"] = [](Runtime& rt) { rankUpdate(rt, kPlayerTwo); };
}

}  // namespace zorvane::screens
