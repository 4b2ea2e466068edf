// Scores and the rank titles they earn on the two-player screen.
#include "screens/rank_ladder.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "ui/headless/driver.h"

namespace zorvane {
namespace {

using rules::cellControl;
using ui::Driver;
using ui::ScreenId;

constexpr ScreenId kGame1 = ScreenId::game1;

TEST(RankLadder, TheTitleOfTheHighestThresholdReached) {
  struct Case {
    int score;
    std::optional<std::string_view> title;
  };
  const std::vector<Case> cases{
      {-1, std::nullopt},   {0, std::nullopt},  {2, std::nullopt},  {3, "Larva"},      {5, "Larva"},
      {6, "StreetBug"},     {8, "StreetBug"},   {9, "Cocoon"},      {11, "Cocoon"},    {12, "MoonlightBug"},
      {14, "MoonlightBug"}, {15, "MonsterBug"}, {17, "MonsterBug"}, {18, "SCOBs"},     {21, "SCOBs"},
      {24, "SCOBs"},        {25, "Emperor"},    {26, "Emperor"},    {1000, "Emperor"},
  };
  for (const Case& c : cases) EXPECT_EQ(screens::rankTitleFor(c.score), c.title) << "score " << c.score;
}

class RankUpdate : public ::testing::Test {
 protected:
  RankUpdate() {
    d.start(kGame1);
    d.advance(1);
  }

  ui::ControlRef ctl(std::string_view name) { return d.ctl(kGame1, std::string(name)); }
  std::string text(std::string_view name) { return ctl(name).text(); }

  // The pointer reaches the cell's point (around a marker left shown), then the marker is clicked.
  void clickCell(int cell) {
    ASSERT_EQ(d.hover(kGame1, cellControl('z', cell)), cellControl('z', cell));
    ASSERT_EQ(d.click(kGame1, cellControl('g', cell)), cellControl('g', cell));
  }

  // Plays a game from its first placement to a win of player one (side one)
  // or player two, and yields the name the announcement showed.
  std::string playGameWonBy(rules::Side winner) {
    if (ctl("i2").visible()) d.click(kGame1, "start");  // side one places first
    const bool one = winner == rules::Side::One;
    for (int n : one ? std::vector<int>{1, 2, 4, 3, 8, 6} : std::vector<int>{2, 3, 4, 6, 9, 7}) clickCell(n);
    std::string announced;
    d.whenModal([&](Driver& dr, ScreenId) {
      announced = dr.ctl(ScreenId::winner, "winnernme").text();
      dr.advance(20);
      dr.click(ScreenId::winner, "Command1");
    });
    if (one) {
      d.click(kGame1, "m8");
      clickCell(7);
    } else {
      d.click(kGame1, "m2");
      clickCell(1);
      d.click(kGame1, "a6");
      clickCell(5);
    }
    return announced;
  }

  Driver d{app::gameBehaviours(1)};
};

TEST_F(RankUpdate, PlayerOneClimbsTheLadderWinByWinAndEachAnnouncementCarriesTheNewTitle) {
  // The title after each win, from the first to the twenty-sixth.
  const std::array<std::string_view, 26> titles{
      "FroggyFood", "FroggyFood", "Larva",      "Larva",   "Larva",        "StreetBug",    "StreetBug",
      "StreetBug",  "Cocoon",     "Cocoon",     "Cocoon",  "MoonlightBug", "MoonlightBug", "MoonlightBug",
      "MonsterBug", "MonsterBug", "MonsterBug", "SCOBs",   "SCOBs",        "SCOBs",        "SCOBs",
      "SCOBs",      "SCOBs",      "SCOBs",      "Emperor", "Emperor"};
  for (std::size_t k = 0; k < titles.size(); ++k) {
    const std::string line = std::string(titles[k]) + " player1";
    EXPECT_EQ(playGameWonBy(rules::Side::One), line) << "win " << k + 1;
    EXPECT_EQ(text("scoreulo"), std::to_string(k + 1));
    EXPECT_EQ(text("rank1"), titles[k]);
    EXPECT_EQ(text("p2name"), line);
  }
  // Player two's line is never touched by player one's wins.
  EXPECT_EQ(text("scorecomp"), "0");
  EXPECT_EQ(text("rank"), "FroggyFood");
  EXPECT_EQ(text("Label5"), "");
}

TEST_F(RankUpdate, APlayerTwoWinRewritesOnlyPlayerTwosTitleAndLine) {
  ctl("p2name").setText("untouched");
  ctl("rank1").setText("Mine");
  EXPECT_EQ(playGameWonBy(rules::Side::Two), "FroggyFood player2");
  EXPECT_EQ(text("scorecomp"), "1");
  EXPECT_EQ(text("Label5"), "FroggyFood player2");
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_EQ(text("p2name"), "untouched");
  EXPECT_EQ(text("rank1"), "Mine");
}

TEST_F(RankUpdate, EveryScoreChangeRewritesTheLineAndBelowThreeTheTitleBoxKeepsItsText) {
  d.type(kGame1, "rank", "Custom");
  const std::vector<std::pair<int, std::string_view>> steps{
      {1, "Custom player2"}, {2, "Custom player2"}, {3, "Larva player2"},    {17, "MonsterBug player2"},
      {18, "SCOBs player2"}, {24, "SCOBs player2"}, {25, "Emperor player2"}, {99, "Emperor player2"},
  };
  for (auto [score, line] : steps) {
    ctl("scorecomp").setNumber(score);
    EXPECT_EQ(text("Label5"), line) << "score " << score;
  }
  EXPECT_EQ(text("p2name"), "");
}

TEST_F(RankUpdate, TypedNamesAndTitlesShowFromTheNextWinOnAndTheLadderOverwritesATypedTitle) {
  d.type(kGame1, "name1", "Zed");
  EXPECT_EQ(text("p2name"), "") << "typing alone does not rewrite the line";
  EXPECT_EQ(playGameWonBy(rules::Side::One), "FroggyFood Zed");
  d.type(kGame1, "rank1", "King");
  EXPECT_EQ(text("p2name"), "FroggyFood Zed");
  EXPECT_EQ(playGameWonBy(rules::Side::One), "King Zed");
  EXPECT_EQ(playGameWonBy(rules::Side::One), "Larva Zed");
  EXPECT_EQ(text("rank1"), "Larva");
}

TEST_F(RankUpdate, ClosingAndReopeningTheScreenStartsBothPlayersAgain) {
  for (int k = 0; k < 3; ++k) playGameWonBy(rules::Side::One);
  playGameWonBy(rules::Side::Two);
  ASSERT_EQ(text("rank1"), "Larva");
  d.close(kGame1);
  ASSERT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));
  d.whenModal([](Driver& dr, ScreenId) { dr.click(ScreenId::player, "Command1"); });
  d.click(ScreenId::Welcome, "vs2");
  d.click(ScreenId::Welcome, "Command1");
  d.advance(1);
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_EQ(text("scorecomp"), "0");
  EXPECT_EQ(text("rank1"), "FroggyFood");
  EXPECT_EQ(text("rank"), "FroggyFood");
  EXPECT_EQ(text("p2name"), "FroggyFood Player 1");
  EXPECT_EQ(text("Label5"), "FroggyFood Player 2");
  EXPECT_EQ(playGameWonBy(rules::Side::One), "FroggyFood Player 1") << "the count starts again from 0";
}

}  // namespace
}  // namespace zorvane
