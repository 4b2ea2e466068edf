// Fixed models of a human player, for measuring the computer's strengths.
#pragma once

#include <string_view>

#include "ai/game_record.h"
#include "ai/position.h"
#include "ai/random.h"

namespace zorvane::bench {

enum class PlayerModel { Random, Greedy, Blocker, Lookahead, Perfect, NearPerfect, LeastDraws };

std::string_view nameOf(PlayerModel model);

// Random: any legal move. Greedy: a win in one if any, else any move.
// Blocker: as Greedy; else, when the computer could win at once if it were to
// move, a move that takes every such win away, if one does; else any move.
// Lookahead: a win in one if any; else a move after which the computer can
// neither win at once nor set up a double threat (a move, not winning, after
// which the player has no win in one and every move of the player lets the
// computer win at once); failing that a move that at least gives no win in
// one away; else any move.
// Perfect: the moves of best value in the solved game; among them those that
// leave the computer the most losing replies, then those whose position has
// arisen least often in the game (it plays for the win, not the draw);
// random among the rest. NearPerfect: Perfect, but one move in twenty is any
// legal move. LeastDraws: Perfect, but first of all it keeps to the best moves
// that leave the least chance of a draw by repetition against a careful
// computer (see DrawSearch), searched to lines of three chances in ten thousand.
// The model's move in the game's current position (the player to move, with a legal move).
ai::Move playerMove(PlayerModel model, const ai::GameRecord& game, ai::SplitMix64& random);

}  // namespace zorvane::bench
