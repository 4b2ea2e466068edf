// The moves each strength considers equally good in a position; the
// opponent picks one of them at random.
#pragma once

#include "ai/position.h"

namespace zorvane::ai {

enum class Level { Easy, Normal, Hard, Perfect };

// How far Hard sees, in plies (both sides' moves counted), and how often it
// overlooks the last of them: on one move in `kHardOverlookOdds`, chosen at
// random, it sees one ply less.
inline constexpr int kHardHorizon = 4;
inline constexpr int kHardOverlookOdds = 4;

// Easy: a move that makes a line if there is one, else any legal move.
// Normal: as Easy, but when no move wins it avoids every move after which the
// other side can make a line at once, as long as some move avoids it.
// Hard: the solved game seen only `kHardHorizon` plies deep (see
// movesWithin). It takes every win it can force within the horizon and never
// walks into a loss it can see, but it cannot tell a slower win, a draw and a
// slower loss apart; and when it overlooks the last ply (the opponent's
// choice draws that) it can walk into a double threat.
// Perfect: the moves with the best value in the solved game, and among those
// the ones that leave the other side the most losing replies.
// Empty only when the side to move has no legal move.
MoveList candidateMoves(Level level, Position position);

// The best moves for a mover that sees `horizon` plies ahead: a win or loss
// within the horizon counts as in the solved game, anything further as a draw.
MoveList movesWithin(Position position, int horizon);

// The moves with the best value in the solved game, without Perfect's
// preference for traps: the choice before that preference existed.
MoveList bestMoves(Position position);

// How many legal replies of the other side after `move` lose for it with best
// play, in the solved game.
int losingReplies(Position position, Move move);

}  // namespace zorvane::ai
