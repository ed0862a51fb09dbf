#include "sprites/about.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/globals.h"
#include "app/opener.h"
#include "app/termination.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "settings/config.h"
#include "settings/log.h"
#include "settings/message.h"
#include "settings/userfiles.h"
#include "sprites/entity.h"
#include "sprites/offeredlevel.h"
#include "sprites/player.h"

namespace {

const char* const tickedPicture = "images/presentation/ok.png";
const char* const untickedPicture = "images/presentation/notok.png";
const char* const rulesPage = "docs/rules.html";
const char* const updaterDirectory = "utility/";
const char* const updaterProgram = "GUP.exe";
const int checkBoxSize = 25;
// The name line runs through the bottom of the picture's place; a taller
// avatar stops above it.
const int avatarTop = 210, nameLineTop = 297;
const char* const twoComputersRefused = "Attention: two computer players game is not allowed";

// Alphabetical, each after a blank, as the credits box lists them.
const char* const contributors[7] = {
    " Abshir Tolvane", " Bella Quennor", " Deeqo Varsami", " Ilario Bensk",
    " Marwo Calderin", " Quill Ardeny",  " Yusra Faltenn",
};
const char* const creditsNotice = "Free to play, share and learn";
const char* const thankedOrganisation = "Dhagax Board-Game Circle";

// The boxes of a line either precede their labels ("[ ] Human") or follow
// them ("Yes [ ]").
enum LabelSide { LABELS_AFTER_BOXES, LABELS_BEFORE_BOXES };

// A line cut at its runs of two blanks or more: the labels, each with the
// blanks that lead up to it.
struct LineChunk {
    std::string blanks, label;
};

std::vector<LineChunk> chunksOf(const std::string& line) {
    std::vector<LineChunk> chunks(1);
    size_t at = 0;
    while (at < line.size()) {
        size_t run = line.find_first_not_of(' ', at);
        if (run == std::string::npos) run = line.size();
        if (run - at >= 2 && !chunks.back().label.empty()) {
            chunks.push_back({line.substr(at, run - at), ""});
            at = run;
            continue;
        }
        size_t next = line.find("  ", run);
        if (next == std::string::npos) next = line.size();
        chunks.back().label += line.substr(at, next - at);
        at = next;
    }
    return chunks;
}

const char* messageOrEmpty(int id) {
    const char* text = IMessage.getMessage(id);
    return text ? text : "";
}

class CheckBox {
public:
    CheckBox(int x, int y, SDL_Surface* target)
        : screen(target), entity(x, y, checkBoxSize, checkBoxSize, untickedPicture, target) {}
    void tick(bool on) {
        entity.ChangeImage(on ? tickedPicture : untickedPicture, screen, 0, 0, 0);
    }
    bool hit() { return entity.selected(); }
    void draw() { entity.displaySingleScreen(); }

private:
    SDL_Surface* screen;
    Entity entity;
};

// One player's column: the avatar and the two kind boxes, and the
// configuration text that stores the kind.
struct PlayerColumn {
    PlayerColumn(iPlayer* who, iPlayer* rival, std::string& storedType, int humanX,
                 int computerX, int pictureX, const char* picture, SDL_Surface* target)
        : player(who),
          other(rival),
          configType(storedType),
          avatar(pictureX, avatarTop, 100, 100, picture, target),
          human(humanX, 316, target), computer(computerX, 316, target) {}

    iPlayer* player;
    iPlayer* other;
    std::string& configType;
    Entity avatar;
    CheckBox human, computer;
};

class AboutScreen {
public:
    explicit AboutScreen(SDL_Surface* target);
    void draw();
    void click();
    // "Exit": the changes stay for this run only.
    void leaveUnsaved();

    bool finished = false;
    bool saved = false;

private:
    void text(int x, int y, const char* line, Uint8 r, Uint8 g, Uint8 b);
    void textAroundBoxes(int x, int y, const char* line, std::initializer_list<int> boxes,
                         LabelSide side);
    void drawAvatar(Entity& avatar);
    void drawCredits();
    void drawPlayers();
    void tickFromSettings();
    void makeKind(PlayerColumn& column, PlayerTypes kind);
    void chooseComputer(PlayerColumn& column);
    void chooseHuman(PlayerColumn& column);
    void chooseLevel(GameLevels asked);
    void chooseUpload(bool allowed);
    void openRulesPage();
    void startUpdater();

    SDL_Surface* screen;
    const bool modifiedAtOpen;
    Entity panel, wikiButton, updatesButton, saveButton, exitButton;
    PlayerColumn one, two;
    CheckBox levels[4];
    CheckBox uploadYes, uploadNo;
    std::string playersLine, levelLine, uploadLine;
};

AboutScreen::AboutScreen(SDL_Surface* target)
    : screen(target),
      modifiedAtOpen(IConfig.modified),
      panel(80, 56, 700, 525, "images/presentation/zelkabout.png", target),
      wikiButton(92, 524, 103, 25, target),
      updatesButton(227, 524, 103, 25, target),
      saveButton(513, 524, 103, 25, target),
      exitButton(641, 524, 103, 25, target),
      one(playerOne, playerTwo, IConfig.playerOneType, 130, 211, 100,
          "images/players/left/01.png", target),
      two(playerTwo, playerOne, IConfig.playerTwoType, 382, 465, 440,
          "images/players/right/01.png", target),
      levels{{190, 395, target}, {286, 395, target}, {392, 395, target}, {490, 395, target}},
      uploadYes(392, 465, target),
      uploadNo(490, 465, target) {
    tickFromSettings();
}

void AboutScreen::tickFromSettings() {
    (IConfig.gameFeedback != 0 ? uploadYes : uploadNo).tick(true);
    for (PlayerColumn* column : {&one, &two})
        (column->player->IsComputer() ? column->computer : column->human).tick(true);
    int level = iGame ? static_cast<int>(iGame->getGameLevel()) : -1;
    if (level >= 0 && level < 4) levels[level].tick(true);
}

void AboutScreen::text(int x, int y, const char* line, Uint8 r, Uint8 g, Uint8 b) {
    if (font && line && *line) font->render(screen, x, y, line, r, g, b, 255);
}

// The check boxes sit on the blanks of their lines. This font's blanks are
// narrower than a box, so a run of blanks widens as far as its box needs:
// a label starts clear of the box before it, or ends clear of the box after
// it. The words and their order are the line's own.
void AboutScreen::textAroundBoxes(int x, int y, const char* line, std::initializer_list<int> boxes,
                                  LabelSide side) {
    if (!font) return;
    const std::vector<int> boxX(boxes);
    const int gap = 4;
    int cursor = x;
    const std::vector<LineChunk> chunks = chunksOf(line);
    for (size_t k = 0; k < chunks.size(); ++k) {
        const int width = font->widthOf(chunks[k].label.c_str());
        int start = cursor + font->widthOf(chunks[k].blanks.c_str());
        if (k > 0 && side == LABELS_AFTER_BOXES && k - 1 < boxX.size())
            start = std::max(start, boxX[k - 1] + checkBoxSize + gap);
        if (k > 0 && side == LABELS_BEFORE_BOXES && k < boxX.size())
            start = std::max(start, boxX[k] - gap - width);
        text(start, y, chunks[k].label.c_str(), 0, 0, 0);
        cursor = start + width;
    }
}

void AboutScreen::drawCredits() {
    boxRGBA(screen, 575, 254, 775, 504, 0, 0, 0, 255);
    rectangleRGBA(screen, 575, 254, 775, 504, 55, 255, 255, 255);
    text(578, 259, creditsNotice, 255, 0, 0);
    text(578, 279, (std::string("Build: ") + buildVer).c_str(), 255, 0, 0);
    // Two rows lower than 294, where this font's underscore in the build
    // text ("1.0_R02") would vanish into the rule.
    lineRGBA(screen, 578, 296, 772, 296, 255, 0, 0, 255);
    text(578, 301, "Contributors: abc order", 255, 0, 0);
    for (int i = 0; i < 7; ++i) text(578, 321 + 20 * i, contributors[i], 255, 0, 0);
    text(578, 466, "Thanks to: ", 255, 0, 0);
    text(578, 486, thankedOrganisation, 255, 0, 0);
}

void AboutScreen::drawAvatar(Entity& avatar) {
    SDL_Surface* picture = avatar.getImage();
    if (!picture) return;
    SDL_Rect part = {0, 0, static_cast<Uint16>(picture->w),
                     static_cast<Uint16>(std::min(picture->h, nameLineTop - avatarTop))};
    SDL_Rect place = {static_cast<Sint16>(avatar.getX()), static_cast<Sint16>(avatar.getY()), 0, 0};
    SDL_BlitSurface(picture, &part, screen, &place);
}

void AboutScreen::drawPlayers() {
    text(88, 189, "Player One", 0, 0, 0);
    drawAvatar(one.avatar);
    text(88, 299, (std::string("Name: ") + playerOne->name).c_str(), 0, 0, 0);
    textAroundBoxes(88, 319, "Type:    Human     Computer", {130, 211}, LABELS_AFTER_BOXES);
    text(440, 189, "Player Two", 0, 0, 0);
    drawAvatar(two.avatar);
    text(390, 299, (std::string("Name: ") + playerTwo->name).c_str(), 0, 0, 0);
    textAroundBoxes(340, 319, "Type:    Human     Computer", {382, 465}, LABELS_AFTER_BOXES);
    textAroundBoxes(100, 400, "Game Level:    Dummy       Beginner     Novice      Expert",
                    {190, 286, 392, 490}, LABELS_AFTER_BOXES);
    textAroundBoxes(88, 470, "Sent your best games to WikiZelk? Yes         No", {392, 490},
                    LABELS_BEFORE_BOXES);
}

void AboutScreen::draw() {
    panel.displaySingleScreen();
    rectangleRGBA(screen, 80, 56, 780, 581, 55, 255, 255, 255);
    drawCredits();
    text(100, 530, "go to WikZelk", 249, 82, 7);
    text(230, 530, "Check updates", 249, 82, 7);
    text(510, 530, "Save and exit", 255, 255, 255);
    text(655, 530, "Exit", 255, 225, 225);
    drawPlayers();
    for (PlayerColumn* column : {&one, &two}) {
        column->human.draw();
        column->computer.draw();
    }
    for (CheckBox& box : levels) box.draw();
    uploadYes.draw();
    uploadNo.draw();
    if (debug) {
        int mx, my;
        SDL_GetMouseState(&mx, &my);
        std::string where = "x: " + std::to_string(mx) + " y: " + std::to_string(my);
        text(578, 506, where.c_str(), 255, 0, 255);
    }
    text(100, 342, playersLine.c_str(), 255, 0, 255);
    text(100, 426, levelLine.c_str(), 255, 0, 255);
    text(100, 490, uploadLine.c_str(), 255, 0, 255);
    SDL_UpdateRect(screen, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
}

void AboutScreen::makeKind(PlayerColumn& column, PlayerTypes kind) {
    column.player->type = kind;
    column.configType = kind == COMPUTER ? "COMPUTER" : "HUMAN";
    IConfig.modified = true;
}

void AboutScreen::chooseComputer(PlayerColumn& column) {
    if (column.other->IsComputer()) {
        makeKind(column, HUMAN);
        playersLine = twoComputersRefused;
        return;
    }
    column.computer.tick(true);
    column.human.tick(false);
    makeKind(column, COMPUTER);
    playersLine.clear();
}

void AboutScreen::chooseHuman(PlayerColumn& column) {
    column.human.tick(true);
    column.computer.tick(false);
    makeKind(column, HUMAN);
    playersLine.clear();
}

void AboutScreen::chooseLevel(GameLevels asked) {
    const OfferedLevel given = offeredLevel(asked);
    for (int i = 0; i < 4; ++i) levels[i].tick(i == given.level);
    if (iGame) iGame->setGameLevel(given.level);
    IConfig.gameLevel = given.level;
    IConfig.modified = true;
    levelLine = given.notice;
}

void AboutScreen::chooseUpload(bool allowed) {
    uploadYes.tick(allowed);
    uploadNo.tick(!allowed);
    IConfig.gameFeedback = allowed ? 1 : 0;
    IConfig.modified = true;
    uploadLine = allowed ? "We collect data for ZelkGame software improvement"
                         : "No data will collected for ZelkGame software improvement";
}

void AboutScreen::openRulesPage() {
    char here[4096];
    if (!getcwd(here, sizeof here)) return;
    const std::string page = std::string(here) + "/" + rulesPage;
    if (access(page.c_str(), R_OK) != 0) {
        ILog.log(0, "ERROR opening file %s: %s\n", page.c_str(), strerror(errno));
        return;
    }
    if (int error = openDocument(fileUrl(page)))
        ILog.log(1, "Unable to open the rules page with %s: %s\n", documentOpener().c_str(),
                 strerror(error));
}

void AboutScreen::startUpdater() {
    if (int error = startProgramIn(updaterDirectory, updaterProgram))
        ILog.log(1, "Unable to start %s%s: %s\n", updaterDirectory, updaterProgram,
                 strerror(error));
}

void AboutScreen::leaveUnsaved() {
    // Only what this visit changed goes unsaved; an earlier "Save and exit"
    // in this run still reaches the file.
    IConfig.modified = modifiedAtOpen;
    finished = true;
    saved = false;
}

void AboutScreen::click() {
    if (wikiButton.selected()) openRulesPage();
    if (updatesButton.selected()) startUpdater();
    if (saveButton.selected()) {
        IConfig.modified = true;
        finished = saved = true;
    }
    if (exitButton.selected()) leaveUnsaved();
    for (PlayerColumn* column : {&one, &two}) {
        if (column->computer.hit()) chooseComputer(*column);
        if (column->human.hit()) chooseHuman(*column);
    }
    for (int i = 0; i < 4; ++i)
        if (levels[i].hit()) chooseLevel(static_cast<GameLevels>(i));
    uploadLine.clear();
    if (uploadYes.hit()) chooseUpload(true);
    if (uploadNo.hit()) chooseUpload(false);
}

void saveScreenshotWhileSHeld(SDL_Surface* target) {
    Uint8* keys = SDL_GetKeyState(nullptr);
    if (keys && keys[SDLK_s]) SDL_SaveBMP(target, userDataFile("aboutscreenshot.bmp").c_str());
}

}  // namespace

void do_action(int action) {
    if (action == 1)
        ILog.log(3, "asking %s\n", messageOrEmpty(1));
    else
        ILog.log(3, "%s\n", messageOrEmpty(10));
}

bool aboutZelk(SDL_Surface* target) {
    AboutScreen about(target);
    about.draw();
    while (!about.finished) {
        // A termination leaves as "Exit" does: the game behind goes on to
        // be saved.
        if (terminationRequested()) {
            about.leaveUnsaved();
            break;
        }
        SDL_Event event;
        if (SDL_PollEvent(&event)) {
            about.draw();
            if (event.type == SDL_MOUSEBUTTONDOWN) about.click();
            continue;
        }
        saveScreenshotWhileSHeld(target);
        // Nothing to do until the next event; a short nap keeps the core free
        // and still notices a held `s` about a hundred times a second.
        SDL_Delay(10);
    }
    return about.saved;
}
