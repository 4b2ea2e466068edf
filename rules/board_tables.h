// The board's geometry: cells 1..9 row by row from the top left, the
// neighbours of each cell in the order moves and markers try them, and the
// lines through each cell as the pairs of their two other cells.
#pragma once

#include <array>
#include <span>
#include <utility>

namespace zorvane::rules {

constexpr int kCells = 9;

using CellPair = std::pair<int, int>;

namespace detail {
constexpr std::array<int, 3> kN1{2, 4, 5};
constexpr std::array<int, 3> kN2{1, 5, 3};
constexpr std::array<int, 3> kN3{2, 6, 5};
constexpr std::array<int, 3> kN4{7, 1, 5};
constexpr std::array<int, 8> kN5{1, 2, 3, 4, 6, 7, 8, 9};
constexpr std::array<int, 3> kN6{3, 5, 9};
constexpr std::array<int, 3> kN7{4, 5, 8};
constexpr std::array<int, 3> kN8{7, 5, 9};
constexpr std::array<int, 3> kN9{6, 5, 8};

constexpr std::array<CellPair, 3> kL1{{{2, 3}, {4, 7}, {5, 9}}};
constexpr std::array<CellPair, 2> kL2{{{1, 3}, {5, 8}}};
constexpr std::array<CellPair, 3> kL3{{{1, 2}, {6, 9}, {5, 7}}};
constexpr std::array<CellPair, 2> kL4{{{1, 7}, {5, 6}}};
constexpr std::array<CellPair, 4> kL5{{{1, 9}, {3, 7}, {4, 6}, {2, 8}}};
constexpr std::array<CellPair, 2> kL6{{{3, 9}, {4, 5}}};
constexpr std::array<CellPair, 3> kL7{{{1, 4}, {8, 9}, {3, 5}}};
constexpr std::array<CellPair, 2> kL8{{{7, 9}, {2, 5}}};
constexpr std::array<CellPair, 3> kL9{{{3, 6}, {7, 8}, {1, 5}}};

constexpr std::array<std::span<const int>, kCells> kNeighbours{kN1, kN2, kN3, kN4, kN5, kN6, kN7, kN8, kN9};
constexpr std::array<std::span<const CellPair>, kCells> kLines{kL1, kL2, kL3, kL4, kL5, kL6, kL7, kL8, kL9};
}  // namespace detail

// Neighbours of `cell` (1..9), in the order they are tried.
constexpr std::span<const int> neighbours(int cell) {
  return detail::kNeighbours[cell - 1];
}

// Lines through `cell` (1..9), each as the pair of its two other cells, in test order.
constexpr std::span<const CellPair> linesThrough(int cell) {
  return detail::kLines[cell - 1];
}

}  // namespace zorvane::rules
