// Where things are in the 800 x 600 game window: the 24 points of the
// board (top-left corners of their 50 x 50 squares), the 16 lines of three,
// and the areas the game writes into.
#pragma once

#include "canvas.hpp"

#include <array>

namespace art::layout {

constexpr int kWindowW = 800, kWindowH = 600;
constexpr int kPointCount = 24;

struct Corner {
    int x, y;
};

constexpr std::array<Corner, kPointCount> kPoints = {{
    {125, 45},  {365, 45},  {605, 45},  {199, 111}, {361, 111}, {523, 111}, {265, 185}, {360, 185},
    {455, 185}, {125, 245}, {195, 245}, {265, 245}, {465, 245}, {528, 245}, {600, 245}, {265, 308},
    {360, 308}, {455, 308}, {199, 377}, {361, 377}, {523, 377}, {125, 445}, {365, 445}, {605, 445},
}};

constexpr std::array<std::array<int, 3>, 16> kLines = {{
    {0, 1, 2},   {0, 9, 21},   {3, 4, 5},    {3, 10, 18},  {6, 7, 8},    {6, 11, 15},
    {1, 4, 7},   {2, 14, 23},  {5, 13, 20},  {8, 12, 17},  {9, 10, 11},  {21, 22, 23},
    {18, 19, 20}, {15, 16, 17}, {16, 19, 22}, {12, 13, 14},
}};

// Points of the inner square, in order around it.
constexpr std::array<int, 8> kInnerRing = {6, 7, 8, 12, 17, 16, 15, 11};

inline Point centre(int point) {
    return Point{kPoints[point].x + 25.0f, kPoints[point].y + 25.0f};
}

// Home columns of each side's pieces: x of the two columns, y of the first row.
constexpr int kLeftColumns[2] = {12, 67};
constexpr int kRightColumns[2] = {662, 712};
constexpr int kHomeTop = 102, kHomeStep = 60, kHomeRows = 6;

}  // namespace art::layout
