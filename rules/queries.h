// Rule queries from one player's side, the ground the computer opponent
// builds on: is a step legal, does a placement or a move complete a line of
// three (a jare) or prepare one, does a player have an Irmaan.
//
// An Irmaan is a piece standing next to an empty point c that belongs to a
// completed line M of its player while the two other points of another line
// L through c also hold that player's pieces: stepping onto c completes L,
// stepping back completes M again, so the piece completes a line every move.
//
// The queries only read the board. Some of them show the computer thinking:
// they set the current player THINKING and draw a frame (stated below).
#pragma once

// Off in benchmarks and headless self-play, where the frames only cost time.
extern bool drawThinkingFrames;

// One frame of "the computer is thinking" (through the flow's hooks);
// nothing when switched off or when there is no window.
void drawThinkingFrame();
// Frames actually drawn by drawThinkingFrame since start-up.
long thinkingFramesDrawn();

// `to` is a neighbour of `from` and empty (a highlighted empty point counts).
bool canIMoveFromTo(int from, int to);
// A neighbour of `cell` holds a piece of `player`, who could step onto it.
bool canIReachTo(int cell, int player);
// Stepping a piece of `player` from `from` to its neighbour `to` completes a
// line; the line through both points never does.
bool isItAJareMove(int from, int to, int player);
// The piece on `from` leaves a completed line of `player` and completes
// another on `to`. The last argument is ignored.
bool isItAIrmaanMove(int from, int to, int player, bool);
// `player` has an Irmaan through `cell`. The last argument is ignored.
bool canIHaveIrmaan(int cell, int player, bool);
// The move prepares a line that `player` can complete with the next move.
// Draws two frames for every line it tries.
bool isItAPrepareJareMove(int from, int to, int player);
// Not worked out yet: always false, and says so in the log.
bool isItAPrepareIrmaanMove(int from, int to, bool);

// How many lines through `cell` a piece of `player` put there would bring to
// two pieces with the third point free (0, 1 or 2). Sets THINKING and draws
// a frame, as do its two wrappers.
int howManyJaresICanMake(int cell, int player);
bool canIMakeJare(int cell, int player);
// Two threats at once: the other side can block only one.
bool canIMakeSureJare(int cell, int player);

// How many lines `player` could complete on `cell` by one step of a piece
// from a neighbour off the line. Sets THINKING and draws a frame, as do its
// two wrappers.
int howManyActiveJareICaneMake(int cell, int player);
bool canIhaveActiveJare(int cell, int player);
bool canIhaveSureActiveJare(int cell, int player);
