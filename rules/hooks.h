// What the game flow tells, and asks of, whatever shows the game: one table
// of hooks that the application installs. The rules call them at the moments
// named and never draw, play a sound, open a dialog or read a clock
// themselves; any hook may be left empty (a game without a window).
// Players are 1 and 2, points 0-23.
#pragma once

#include <functional>

#include "rules/states.h"

// Why the position on the board was put there rather than played.
enum class Replacement { TAKE_BACK, PLAY_AGAIN, RESUME };

struct FlowHooks {
    // The actions of a game, as they are made.
    std::function<void(int player, int cell, bool byComputer)> placed;
    std::function<void(int player, int from, int to, bool safeRoute, bool byComputer)> stepped;
    std::function<void(int player, int cell, bool opening)> removed;
    // A person took a piece in hand (from a point, or from home: -1) or put
    // it back where it came from.
    std::function<void(int player, int cell)> pickedUp;
    std::function<void(int player, int cell)> putBack;
    // A line of three starts to glow.
    std::function<void(int line)> lineShown;

    // The turn went to `player`: its marker and its clock.
    std::function<void(int player)> handChanged;
    // The screen state changed (which buttons show).
    std::function<void(States state)> stateChanged;
    // A new board: a game starts or the board was cleared. The game was won
    // by `winner` (true to play on). The position was replaced,
    // `clockMilliseconds` into its turn.
    std::function<void()> boardCleared;
    std::function<bool(int winner)> gameOver;
    std::function<void(Replacement why, unsigned clockMilliseconds)> replaced;

    // The mover's opponent is blocked: may the mover move again?
    std::function<bool()> askSafeRoute;

    // Time the rules show while they wait: one frame while pieces glide,
    // paced like the main loop's (the glides advance with it); one frame of
    // the computer thinking (true when one was drawn); and `milliseconds`
    // of frames for a person to see what just happened.
    std::function<void()> glideFrame;
    std::function<bool()> thinkingFrame;
    std::function<void(unsigned milliseconds)> showFor;
    // How long the turn under way has lasted, in milliseconds.
    std::function<unsigned()> turnClock;
};

void setFlowHooks(const FlowHooks& hooks);
const FlowHooks& flowHooks();

// Calls `hook` with `args` when it is set.
template <typename Hook, typename... Args>
void report(const Hook& hook, Args... args) {
    if (hook) hook(args...);
}
