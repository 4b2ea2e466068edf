// The rule steps that both match screens build their clicks and hovers from.
#pragma once

#include "rules/board.h"
#include "ui/layout.h"

namespace zorvane::rules {

// Marker colours: green for a move target, blue for a free cell while placing.
constexpr ui::Colour kMarkerGreen = ui::rgb(0xA3E800);
constexpr ui::Colour kMarkerBlue = ui::rgb(0x0000FF);

// Selects the side's piece on `cell` and clears the side's other eight flags.
void selectPiece(const Board& board, Side side, int cell);

// Clears every selection flag of both sides, shown or hidden.
void clearSelections(const Board& board);

// Moves the first selected piece of the side that neighbours `destination`
// onto it, in the neighbour table's order; yields whether a piece moved.
bool tryMove(const Board& board, Side side, int destination);

// Whether any of the side's shown pieces has an empty neighbour to move to.
bool canMove(const Board& board, Side side);

enum class MatchKind { TwoPlayer, VsComputer };

// The pointer over the point of `cell`: shows the cell's marker when it is a
// target. The two-player match also marks free cells blue while placing and
// considers both sides' selections; against the computer only side one's.
void showMarkerOnHover(const Board& board, int cell, MatchKind match, bool placing);

void hideAllMarkers(const Board& board);

// Whether the side holds `cell` and both other cells of a line through it.
bool completesLine(const Board& board, Side side, int cell);

}  // namespace zorvane::rules
