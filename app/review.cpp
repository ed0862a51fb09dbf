#include "app/review.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <chrono>
#include <cstring>

#include "app/display.h"
#include "app/globals.h"
#include "app/pacing.h"
#include "app/playaids.h"
#include "app/movelist.h"
#include "app/termination.h"
#include "app/textplaces.h"
#include "rules/board.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "settings/catalogue.h"
#include "settings/log.h"
#include "sprites/player.h"

namespace {

const SDL_Color white = {255, 255, 255, 255};
const SDL_Color gold = {255, 215, 0, 255};

bool holds(engine::Points points, int point) {
    return (points >> point) & 1;
}

void blitAt(SDL_Surface* target, SDL_Surface* picture, int x, int y) {
    if (!picture) return;
    SDL_Rect where = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(picture, nullptr, target, &where);
}

// The pieces as the position holds them: on their points, and those still
// to place in their home columns, where the game keeps them.
void drawPosition(SDL_Surface* target, const engine::Position& position) {
    SDL_Surface* pictures[2] = {pawnLeftImage, pawnRightImage};
    const int homeX[2][2] = {{12, 67}, {662, 712}};
    for (int point = 0; point < CELL_COUNT; ++point) {
        if (!en_cell[point]) continue;
        const int x = en_cell[point]->getX(), y = en_cell[point]->getY();
        if (holds(position.pieces[0], point))
            blitAt(target, pictures[0], x, y);
        else if (holds(position.pieces[1], point))
            blitAt(target, pictures[1], x, y);
        else
            blitAt(target, cellEmptyImage, x, y);
    }
    for (int side = 0; side < 2; ++side)
        for (int k = 0; k < position.toPlace[side]; ++k)
            blitAt(target, pictures[side], homeX[side][k / 6], 102 + 60 * (k % 6));
}

void circle(SDL_Surface* target, int point, int radius, Uint8 r, Uint8 g, Uint8 b) {
    aacircleRGBA(target, static_cast<Sint16>(en_cell[point]->getX() + 25),
                 static_cast<Sint16>(en_cell[point]->getY() + 25), static_cast<Sint16>(radius), r, g, b, 255);
}

// The action that led to the position shown: white rings where the piece
// went, a thin one where it left, a red one where a piece was taken.
void markAction(SDL_Surface* target, engine::Move action) {
    if (action.isRemoval()) {
        for (int radius = 22; radius <= 24; ++radius) circle(target, action.from, radius, 230, 30, 30);
        return;
    }
    if (action.isStep()) circle(target, action.from, 20, 255, 255, 255);
    for (int radius : {21, 22, 26, 27}) circle(target, action.to, radius, 255, 255, 255);
}

std::string inWords(const std::string& value) {
    static const std::string won = "won in ", lost = "lost in ";
    if (value.rfind(won, 0) == 0) return trf("won in {1}", {value.substr(won.size())});
    if (value.rfind(lost, 0) == 0) return trf("lost in {1}", {value.substr(lost.size())});
    return tr(value);
}

std::string actionLine(const ReviewedGame& game, size_t action, const char* mark) {
    return std::to_string(game.turnOfAction[action] + 1) + ". " + records::actionText(game.actions[action]) + mark;
}

void drawPlayers(SDL_Surface* target, const records::GameRecord& header) {
    const char* places[2] = {"player.left", "player"};
    const SDL_Color black = {0, 0, 0, 255};
    for (int side = 0; side < 2; ++side) {
        drawText(target, header.players[side].name, placeBox(places[side], 500), black);
        drawText(target, tr(header.players[side].computer ? "Computer" : "Human"), placeBox(places[side], 520), black);
    }
    drawText(target, header.date, placeBox("player.left", 540), black);
    drawText(target, records::resultText(header.result), placeBox("player", 540), black);
}

// The board and the players' pictures, without the buttons of the screen
// the review was opened from.
void drawBoard(SDL_Surface* target) {
    boxRGBA(target, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, 0, 255);
    if (emainbg) emainbg->displaySingleScreen();
    for (iPlayer* player : {playerOne, playerTwo})
        if (player) player->displaySingleScreen();
}

void drawReview(SDL_Surface* target, const Review& review) {
    drawBoard(target);
    const ReviewedGame& game = review.game();
    const size_t at = review.cursor();
    drawPosition(target, review.shown());
    drawPlayers(target, game.header);
    if (!game.inFile.empty()) drawText(target, game.inFile, placeBox("player.left", 560), {0, 0, 0, 255});
    std::vector<std::string> lines;
    if (at == 0) {
        lines.push_back(tr("The start of the game"));
    } else {
        records::Verdict verdict;
        const bool judged = review.verdict(at - 1, verdict);
        markAction(target, game.actions[at - 1]);
        if (judged && *verdict.mark && verdict.bestKnown) drawAdvisedMove(target, verdict.best);
        lines.push_back(trf("Action {1} of {2}", {std::to_string(at), std::to_string(game.actions.size())}));
        lines.push_back(actionLine(game, at - 1, judged ? verdict.mark : ""));
        lines.push_back(judged ? verdictInWords(verdict) : tr("Judging..."));
        if (judged && verdict.bestKnown) lines.push_back(trf("Best: {1}", {records::actionText(verdict.best)}));
    }
    for (size_t k = 0; k < lines.size(); ++k)
        drawText(target, lines[k], placeBox("review", placeBox("review").y + 20 * static_cast<int>(k)), k == 0 ? gold : white);
    const int current = at == 0 ? -1 : game.turnOfAction[at - 1];
    drawMoveList(target, game.turns, current, review.turnMarks(), tr("Left/Right, Home/End, Esc"));
    presentFrame();
}

}  // namespace

ReviewedGame reviewedGameOf(const records::GameReplay& replay, const records::GameRecord& header) {
    ReviewedGame game;
    game.positions = replay.positions();
    game.actions = replay.actions();
    game.turns = replay.turns();
    for (size_t k = 0; k < game.actions.size(); ++k) game.turnOfAction.push_back(replay.turnOf(k));
    game.header = header;
    return game;
}

Review::Review(ReviewedGame game, size_t cursor, records::ReviewLimits reviewLimits)
    : reviewed(std::move(game)),
      at(std::min(cursor, reviewed.actions.size())),
      limits(reviewLimits),
      judged(reviewed.positions.size()),
      known(reviewed.positions.size(), false) {
    judging = std::thread([this] { judge(); });
}

Review::~Review() {
    stopping = true;
    judging.join();
}

bool Review::key(SDLKey key) {
    const size_t end = reviewed.actions.size();
    switch (key) {
        case SDLK_LEFT: at = at > 0 ? at - 1 : 0; break;
        case SDLK_RIGHT: at = std::min(at + 1, end); break;
        case SDLK_HOME: at = 0; break;
        case SDLK_END: at = end; break;
        default: return false;
    }
    return true;
}

// The positions nearest the one shown first: the one before its action,
// the one shown, then outwards, no further than a stretch of the game on
// either side; the thread then waits for the cursor to move.
void Review::judge() {
    const size_t count = reviewed.positions.size();
    const size_t reach = 24;
    while (!stopping) {
        size_t next = count;
        {
            std::lock_guard<std::mutex> lock(guard);
            const size_t centre = at > 0 ? at - 1 : 0;
            for (size_t distance = 0; distance <= reach && next == count; ++distance) {
                if (centre + distance < count && !known[centre + distance]) next = centre + distance;
                else if (distance <= centre && !known[centre - distance]) next = centre - distance;
            }
        }
        if (next == count) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const records::Judgement judgement = records::judgePosition(reviewed.positions[next], limits);
        std::lock_guard<std::mutex> lock(guard);
        judged[next] = judgement;
        known[next] = true;
    }
    finished = true;
}

bool Review::verdict(size_t action, records::Verdict& out) const {
    std::lock_guard<std::mutex> lock(guard);
    if (action >= reviewed.actions.size() || !known[action] || !known[action + 1]) return false;
    out = records::verdictOn(reviewed.positions[action], reviewed.actions[action], judged[action], judged[action + 1]);
    return true;
}

std::vector<std::string> Review::turnMarks() const {
    std::vector<std::string> marks(reviewed.turns.size());
    records::Verdict one;
    for (size_t action = 0; action < reviewed.actions.size(); ++action)
        if (verdict(action, one) && marks[static_cast<size_t>(reviewed.turnOfAction[action])].size() < strlen(one.mark))
            marks[static_cast<size_t>(reviewed.turnOfAction[action])] = one.mark;
    return marks;
}

std::string verdictInWords(const records::Verdict& verdict) {
    return inWords(verdict.before) + " → " + inWords(verdict.after);
}

ReviewExit reviewGame(ReviewedGame game, size_t cursor, bool browsing) {
    ILog.log(1, "review: %zu actions", game.actions.size());
    Review review(std::move(game), cursor);
    bool leaving = false;
    ReviewExit exit = ReviewExit::LEFT;
    size_t verdictLogged = 0;
    while (!leaving && !terminationRequested()) {
        const Uint32 start = SDL_GetTicks();
        // The log is the main thread's alone.
        records::Verdict verdict;
        if (review.cursor() > 0 && review.cursor() != verdictLogged && review.verdict(review.cursor() - 1, verdict)) {
            verdictLogged = review.cursor();
            ILog.log(3, "review: verdict on action %zu: %s %s", verdictLogged, verdictInWords(verdict).c_str(),
                     verdict.mark);
        }
        drawReview(screen, review);
        SDL_Event event;
        while (!leaving && pollFrameEvent(event)) {
            const SDLKey key = event.key.keysym.sym;
            if (event.type == SDL_KEYDOWN && review.key(key))
                ILog.log(1, "review: at action %zu", review.cursor());
            if (event.type == SDL_KEYDOWN && browsing && (key == SDLK_PAGEUP || key == SDLK_PAGEDOWN)) {
                exit = key == SDLK_PAGEUP ? ReviewExit::PREVIOUS : ReviewExit::NEXT;
                leaving = true;
            }
            if (event.type == SDL_KEYUP && (key == SDLK_ESCAPE || key == SDLK_o || key == SDLK_q)) {
                leaving = true;
                if (key == SDLK_q) quit = true;
            }
            if (event.type == SDL_QUIT) {
                SDL_PushEvent(&event);  // for the game to ask
                leaving = true;
            }
        }
        paceFixedFrame(start);
    }
    // The search under way ends within its time; the frames go on meanwhile.
    review.stopJudging();
    while (!review.judgingEnded()) {
        const Uint32 start = SDL_GetTicks();
        drawReview(screen, review);
        paceFixedFrame(start);
    }
    ILog.log(1, "review: left");
    return exit;
}
