#include "bot/endgames.h"

#include "bot/evaluate.h"

namespace engine {

int endgameScore(EndgameValue value, int ply) {
    if (isWon(value)) return WIN_SCORE - ply - 2 * turnsLeft(value);
    if (isLost(value)) return -(WIN_SCORE - ply - 2 * turnsLeft(value));
    return 0;
}

Move bestByTables(const EndgameTables& tables, const Position& position, EndgameValue& value) {
    MoveList list;
    generateMoves(position, list);
    Move best;
    value = NO_POSITION;
    int bestEvaluation = 0;
    for (int i = 0; i < list.count; ++i) {
        Position child = position;
        const bool handedOver = play(child, list.moves[i]);
        EndgameValue result;
        if (child.phase == OVER)
            result = won(1);
        else if (child.mustRemove)
            result = tables.value(child);  // the same turn goes on
        else
            result = afterTurn(tables.value(child), !handedOver);
        const int evaluation = handedOver ? -evaluate(child) : evaluate(child);
        if (value == NO_POSITION || better(result, value) || (result == value && evaluation > bestEvaluation)) {
            value = result;
            best = list.moves[i];
            bestEvaluation = evaluation;
        }
    }
    return best;
}

}  // namespace engine
