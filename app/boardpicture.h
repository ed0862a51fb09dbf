// Small pictures of the board made from the game's own board and pieces,
// with what a rule is about marked on them: lines of three glowing, a step's
// arrow, the points a carried piece may reach, a piece being removed. The
// how-to-play pages show them and the build writes them for the rules page.
#pragma once

#include <SDL/SDL.h>

#include <vector>

struct BoardScene {
    std::vector<int> left, right;  // the points holding each side's pieces
    std::vector<int> lines;        // lines of three drawn glowing
    std::vector<int> lit;          // points a piece may go to
    int from = -1, to = -1;        // a step
    int removed = -1;              // the piece taken there
};

// The width and height of a scene's picture.
const int SCENE_WIDTH = 285;
const int SCENE_HEIGHT = 240;

// A new picture of the scene (the caller frees it); null when the board's
// pictures cannot be read. Reads "images/" of the working directory.
SDL_Surface* drawBoardScene(const BoardScene& scene);
