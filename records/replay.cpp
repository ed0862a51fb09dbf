#include "records/replay.h"

namespace records {

namespace {

using engine::Move;
using engine::Position;

bool holds(engine::Points points, int point) {
    return (points >> point) & 1;
}

// A removal's point holds a piece of the side not acting.
std::string whyNotRemovable(const Position& position, int point) {
    if (!holds(position.pieces[1 - position.side], point))
        return std::string("no piece of the other side on ") + pointName(point);
    return "";
}

std::string whyNoStep(const Position& position, Move step) {
    if (!holds(position.pieces[position.side], step.from))
        return std::string("no piece of the side to act on ") + pointName(step.from);
    if (!holds(engine::neighbourPoints[step.from], step.to))
        return std::string(pointName(step.to)) + " is not next to " + pointName(step.from);
    if (holds(position.occupied(), step.to)) return std::string(pointName(step.to)) + " is taken";
    return "";
}

// The line `action` made (when it made one) removes a piece now.
bool removalDue(const Position& after, int mover) {
    return after.phase == engine::MOVING && after.mustRemove && after.side == mover;
}

std::string whyNoRemovalAfter(const Position& before, Move action) {
    if (before.phase == engine::PLACING) return "a line made while placing removes nothing";
    if (before.safeRoute) return "a line made on a safe route removes nothing";
    return actionText(action) + " made no line: nothing to remove";
}

}  // namespace

std::string whyIllegal(const Position& position, Move action) {
    if (action.from > 23 || action.to > 23 || (action.from < 0 && action.to < 0)) return "no such action";
    switch (position.phase) {
        case engine::OVER:
            return "the game is over";
        case engine::PLACING:
            if (!action.isPlacement()) return "the pieces are placed first";
            if (holds(position.occupied(), action.to)) return std::string(pointName(action.to)) + " is taken";
            return "";
        case engine::OPENING:
            if (!action.isRemoval()) return "each side removes a piece first";
            return whyNotRemovable(position, action.from);
        case engine::MOVING:
            break;
    }
    if (position.mustRemove) {
        if (!action.isRemoval()) return "the line made removes a piece first";
        return whyNotRemovable(position, action.from);
    }
    if (action.isPlacement()) return "every piece is on the board";
    if (action.isRemoval()) return "no line was made: nothing to remove";
    return whyNoStep(position, action);
}

GameReplay::GameReplay(int firstSide, uint8_t computerSides)
    : startingSide(firstSide), seen{engine::startingPosition(firstSide, computerSides)} {}

std::string GameReplay::play(Move action) {
    const Position position = now();
    std::string why = whyIllegal(position, action);
    if (!why.empty()) return why;
    if (action.isRemoval() && position.phase == engine::MOVING) {
        grouped.back().removal = action.from;
    } else {
        Turn turn;
        turn.action = action;
        turn.safeRoute = action.isStep() && position.safeRoute;
        grouped.push_back(turn);
    }
    Position after = position;
    engine::play(after, action);
    played.push_back(action);
    turnOfAction.push_back(static_cast<int>(grouped.size()) - 1);
    seen.push_back(after);
    return "";
}

void GameReplay::keepFirst(size_t count) {
    if (count >= played.size()) return;
    const size_t turnsKept = count == 0 ? 0 : static_cast<size_t>(turnOfAction[count - 1]) + 1;
    // A step kept without the removal that followed it.
    if (turnsKept > 0 && turnOfAction[count] == turnOfAction[count - 1]) grouped[turnsKept - 1].removal = -1;
    grouped.resize(turnsKept);
    played.resize(count);
    turnOfAction.resize(count);
    seen.resize(count + 1);
}

std::string GameReplay::play(const Turn& turn) {
    const Position position = now();
    if (turn.action.isRemoval() && position.phase == engine::MOVING && position.mustRemove)
        return "a line's removal is written after the step that made it";
    std::string why = whyIllegal(position, turn.action);
    if (!why.empty()) return why;
    const bool safeRoute = turn.action.isStep() && position.safeRoute;
    if (turn.safeRoute != safeRoute)
        return safeRoute ? "a step on a safe route ends with !" : "not a safe route: no ! here";
    Position after = position;
    engine::play(after, turn.action);
    if (turn.removal >= 0) {
        if (!removalDue(after, position.side)) return whyNoRemovalAfter(position, turn.action);
        why = whyNotRemovable(after, turn.removal);
        if (!why.empty()) return why;
    }
    play(turn.action);
    if (turn.removal >= 0) play(Move{static_cast<int8_t>(turn.removal), -1});
    return "";
}

}  // namespace records
