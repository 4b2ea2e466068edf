// The positions of one game against the computer, in the order they arose,
// for the draw by repetition: a game is drawn when the same position (both
// sides' cells and the side to move) arises for the third time.
#pragma once

#include <algorithm>
#include <vector>

#include "ai/position.h"

namespace zorvane::ai {

inline constexpr int kRepetitionsForDraw = 3;

struct Placement {
  CellMask player = 0;
  CellMask computer = 0;
  bool playerToMove = true;
  friend constexpr bool operator==(const Placement&, const Placement&) = default;

  // The same placement as seen from the side to move.
  constexpr Position position() const {
    return playerToMove ? Position{player, computer} : Position{computer, player};
  }
  // The placement after the side to move makes `move`.
  constexpr Placement after(Move move) const {
    const auto moved = [&](CellMask pieces) {
      return static_cast<CellMask>((pieces & ~cellBit(move.from)) | cellBit(move.to));
    };
    return playerToMove ? Placement{moved(player), computer, false}
                        : Placement{player, moved(computer), true};
  }
};

class GameRecord {
 public:
  explicit GameRecord(Placement start) : placements_{start} {}

  // Adds the position a move led to; yields how often it has now arisen.
  int record(Placement placement) {
    placements_.push_back(placement);
    return occurrences(placement);
  }
  int occurrences(Placement placement) const {
    return static_cast<int>(std::count(placements_.begin(), placements_.end(), placement));
  }
  bool repeatedForDraw() const { return occurrences(current()) >= kRepetitionsForDraw; }

  // Takes back the latest position; the game's start always stays.
  void takeBack() {
    if (placements_.size() > 1) placements_.pop_back();
  }
  const Placement& current() const { return placements_.back(); }
  // Moves made since the start.
  int moves() const { return static_cast<int>(placements_.size()) - 1; }

 private:
  std::vector<Placement> placements_;
};

}  // namespace zorvane::ai
