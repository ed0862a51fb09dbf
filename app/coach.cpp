#include "app/coach.h"

#include "app/textplaces.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "settings/catalogue.h"
#include "settings/preferences.h"
#include "sprites/player.h"

namespace {

// The last jare came on a safe route; forgotten at a person's next action.
bool safeRouteLineSeen = false;

bool completesALine(int player, int cell) {
    for (int line = 0; line < LINE_COUNT; ++line) {
        if (!lineHasCell(line, cell)) continue;
        bool whole = true;
        for (int point : jare[line]) whole = whole && doIOwn(point, player);
        if (whole) return true;
    }
    return false;
}

std::string whatToDo(const CoachSituation& s) {
    if (s.phase == PHASE_OPENING) return trf("Opening: remove one of {1}'s pieces", {s.opponent});
    if (s.phase == PHASE_RESETTLEMENT) {
        if (s.firstLineBy == 1) return tr("Your jare came first: you remove first when the board is full. Place a piece");
        if (s.firstLineBy == 2)
            return trf("{1}'s jare came first: it removes first when the board is full. Place a piece", {s.opponent});
        return tr("Place a piece on any empty point");
    }
    if (s.removing) return trf("You made a jare: remove one of {1}'s pieces", {s.opponent});
    if (s.carrying) return tr("Put it on a lit point, or back where it was");
    if (s.blockedOpponent)
        return trf("{1} cannot move: move again; a jare made now removes nothing", {s.opponent});
    return tr("Move a piece one step along a line");
}

}  // namespace

std::string coachText(const CoachSituation& s) {
    if (!s.playing) return "";
    if (s.computerToAct) return trf("{1} is thinking\xE2\x80\xA6", {s.toAct});
    std::string line = whatToDo(s);
    if (s.safeRouteLine && s.phase == PHASE_CONTENDING)
        line = trf("The last jare came on a safe route and removed nothing. {1}", {line});
    return s.againstComputer ? line : trf("{1}: {2}", {s.toAct, line});
}

CoachSituation currentSituation() {
    CoachSituation s;
    iPlayer* other = currentPlayer ? getOppositePlayer() : nullptr;
    // Nothing is left to do once the board has a winner, whatever lies over it.
    s.playing = state == STATE_PLAYING && currentPlayer && other && !winnerOnTheBoard();
    if (!s.playing) return s;
    s.phase = gamePhase;
    s.computerToAct = computerTurnUnderWay();
    s.againstComputer = currentPlayer->IsComputer() || other->IsComputer();
    s.removing = currentPlayer->isHitting();
    s.carrying = currentPlayer->currentPawn >= 0 && currentPlayer->getState() == MOVING_TO;
    s.blockedOpponent = safemovement;
    s.firstLineBy = whoseFirstJare == 0 ? 0 : whoseFirstJare == currentPlayer->id ? 1 : 2;
    s.safeRouteLine = safeRouteLineSeen;
    s.toAct = (s.computerToAct && !currentPlayer->IsComputer() ? other : currentPlayer)->name;
    s.opponent = other->name;
    return s;
}

void coachSawStep(int player, int to, bool safeRoute) {
    if (safeRoute && completesALine(player, to)) safeRouteLineSeen = true;
}

void coachSawPersonAct() {
    safeRouteLineSeen = false;
}

void coachForget() {
    safeRouteLineSeen = false;
}

void drawCoachLine(SDL_Surface* target) {
    if (!target || !preferences().coachLine) return;
    const std::string line = coachText(currentSituation());
    if (!line.empty()) drawBandedText(target, line, placeBox("coach"), {255, 236, 170, 255});
}
