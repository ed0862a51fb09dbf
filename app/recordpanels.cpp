#include "app/recordpanels.h"

#include <SDL/SDL_gfxPrimitives.h>

#include "app/globals.h"
#include "app/liverecord.h"
#include "app/movelist.h"
#include "app/reviewsource.h"
#include "app/textplaces.h"
#include "records/gamesfile.h"
#include "rules/cell.h"
#include "rules/flow.h"
#include "settings/catalogue.h"
#include "settings/log.h"
#include "settings/preferences.h"

namespace {

struct Panels {
    bool moveList = false;
    bool results = false;
    records::ResultsTable table;
    std::string line;
};
Panels panels;

const SDL_Color white = {255, 255, 255, 255};
const SDL_Color gold = {255, 215, 0, 255};

void say(const std::string& line) {
    panels.line = line;
    ILog.log(3, "%s", line.c_str());
}

void keepGame() {
    if (!liveReplay() || liveReplay()->actions().empty()) return say(tr("No game to keep"));
    say(keepGameUnderWay() ? tr("Game kept in the games file") : tr("The game could not be kept"));
}

void goOver() {
    if (!goOverAGame()) say(tr("No game to go over"));
}

void showResults() {
    panels.results = !panels.results;
    if (panels.results) panels.table = records::countResults(records::readGamesFile(records::gamesFilePath()));
}

void switchCoordinates() {
    Preferences chosen = preferences();
    chosen.boardCoordinates = !chosen.boardCoordinates;
    choosePreferences(chosen);
}

// The centre of a point on the frame.
int centreX(int point) {
    return en_cell[point] ? en_cell[point]->getX() + 25 : 0;
}
int centreY(int point) {
    return en_cell[point] ? en_cell[point]->getY() + 25 : 0;
}

// A letter or digit on a small dark tag, legible over wood and pieces.
void tag(SDL_Surface* target, const char* text, int centreX, int centreY) {
    boxRGBA(target, static_cast<Sint16>(centreX - 7), static_cast<Sint16>(centreY - 8), static_cast<Sint16>(centreX + 7),
            static_cast<Sint16>(centreY + 8), 30, 20, 12, 200);
    drawText(target, text, {centreX - 6, centreY - 8, 12, 16, 11, ALIGN_CENTRE}, white);
}

// The letters above the board, over each column's points, and the digits
// left of it, level with each row's: the board's own border has no room
// beside its outer points.
void drawCoordinates(SDL_Surface* target) {
    static const int columnPoints[7] = {21, 18, 15, 22, 17, 20, 23};
    static const int rowPoints[7] = {21, 18, 15, 9, 6, 3, 0};
    static const char* const letters[7] = {"a", "b", "c", "d", "e", "f", "g"};
    static const char* const digits[7] = {"1", "2", "3", "4", "5", "6", "7"};
    const int above = centreY(0) - 40, left = centreX(0) - 32;
    for (int k = 0; k < 7; ++k) {
        tag(target, letters[k], centreX(columnPoints[k]), above);
        tag(target, digits[k], left, centreY(rowPoints[k]));
    }
}

void drawResults(SDL_Surface* target) {
    const TextBox name = placeBox("results"), column = placeBox("results.column");
    const std::vector<std::vector<std::string>> rows = resultRows(panels.table);
    const int width = column.x + 3 * column.width - name.x;
    shadePanel(target, {name.x, name.y, width, name.height * static_cast<int>(rows.size()), 13, ALIGN_LEFT});
    for (size_t k = 0; k < rows.size(); ++k) {
        const int y = name.y + name.height * static_cast<int>(k);
        const SDL_Color colour = k == 0 ? gold : white;
        drawText(target, rows[k][0], placeBox("results", y), colour);
        for (int c = 1; c < 4; ++c) {
            TextBox box = placeBox("results.column", y);
            box.x += column.width * (c - 1);
            drawText(target, rows[k][static_cast<size_t>(c)], box, colour);
        }
    }
}

}  // namespace

bool recordKey(SDLKey key) {
    switch (key) {
        case SDLK_l: panels.moveList = !panels.moveList; break;
        case SDLK_k: keepGame(); break;
        case SDLK_o: goOver(); break;
        case SDLK_t: showResults(); break;
        case SDLK_c: switchCoordinates(); break;
        default: return false;
    }
    return true;
}

std::vector<std::vector<std::string>> resultRows(const records::ResultsTable& table) {
    std::vector<std::vector<std::string>> rows = {{tr("Your results"), tr("wins"), tr("losses"), tr("draws")}};
    const auto row = [&rows](const std::string& name, const records::Tally& tally) {
        rows.push_back({name, std::to_string(tally.wins), std::to_string(tally.losses), std::to_string(tally.draws)});
    };
    static const char* const levels[4] = {"Dummy", "Beginner", "Novice", "Expert"};
    for (int level = 0; level < 4; ++level) row(tr(levels[level]), table.againstLevel[level]);
    row(tr("Two people"), table.betweenPeople);
    return rows;
}

const records::ResultsTable* shownResults() {
    return panels.results ? &panels.table : nullptr;
}

void drawRecordPanels(SDL_Surface* target) {
    if (!target) return;
    if (preferences().boardCoordinates) drawCoordinates(target);
    if (panels.moveList && state == STATE_PLAYING) {
        const records::GameReplay* replay = liveReplay();
        if (replay)
            drawMoveList(target, replay->turns(), static_cast<int>(replay->turns().size()) - 1);
        else
            drawText(target, tr("This game has no record"), placeBox("movelist"), white);
    }
    if (panels.results) drawResults(target);
    if (!panels.line.empty() && state == STATE_PLAYING) drawText(target, panels.line, placeBox("aid", 331), white);
}

bool moveListShown() {
    return panels.moveList;
}

const std::string& recordLine() {
    return panels.line;
}
