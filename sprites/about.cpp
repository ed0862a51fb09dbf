#include "sprites/about.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/display.h"
#include "app/globals.h"
#include "app/opener.h"
#include "app/termination.h"
#include "app/textplaces.h"
#include "bot/game.h"
#include "rules/board.h"
#include "rules/flow.h"
#include "settings/catalogue.h"
#include "settings/config.h"
#include "settings/log.h"
#include "settings/message.h"
#include "settings/preferences.h"
#include "settings/userfiles.h"
#include "settings/version.h"
#include "sprites/entity.h"
#include "sprites/framepointer.h"
#include "sprites/offeredlevel.h"
#include "sprites/player.h"
#include "sprites/pointer.h"

namespace {

const char* const tickedPicture = "images/presentation/ok.png";
const char* const untickedPicture = "images/presentation/notok.png";
// English's page, and each other language's beside it ("docs/rules-som.html").
const char* const rulesPage = "docs/rules.html";
const char* const updaterDirectory = "utility/";
const char* const updaterProgram = "GUP.exe";
// The name line runs through the bottom of the picture's place; a taller
// avatar stops above it.
const int avatarTop = 210, nameLineTop = 297;
const char* const twoComputersRefused = "Attention: two computer players game is not allowed";
const char* const uploadAllowed = "We collect data for ZelkGame software improvement";
const char* const uploadRefused = "No data will collected for ZelkGame software improvement";

// Alphabetical, each after a blank, as the credits box lists them.
const char* const contributors[7] = {
    " Abshir Tolvane", " Bella Quennor", " Deeqo Varsami", " Ilario Bensk",
    " Marwo Calderin", " Quill Ardeny",  " Yusra Faltenn",
};
const char* const creditsNotice = "Free to play, share and learn";
const char* const thankedOrganisation = "Dhagax Board-Game Circle";

// Each language by its own name, in the order of their numbers; the
// boxes stand in a column beside the second player's picture.
const char* const languageNames[3] = {"English", "Italiano", "Soomaali"};
const int languageBoxX = 590, languageBoxTop = 178;

const char* messageOrEmpty(int id) {
    const char* text = IMessage.getMessage(id);
    return text ? text : "";
}

class CheckBox {
public:
    CheckBox(int x, int y, SDL_Surface* target)
        : screen(target), entity(x, y, CHECK_BOX_SIZE, CHECK_BOX_SIZE, untickedPicture, target) {}
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
    void text(const std::string& line, const char* place, SDL_Color colour, int y = -1);
    void drawAvatar(Entity& avatar);
    void drawLanguages();
    void chooseLanguage(int language);
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
    CheckBox languages[3];
    CheckBox coachLine;
    // In English; shown in the player's language.
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
      uploadNo(490, 465, target),
      languages{{languageBoxX, languageBoxTop, target},
                {languageBoxX, languageBoxTop + CHECK_BOX_SIZE, target},
                {languageBoxX, languageBoxTop + 2 * CHECK_BOX_SIZE, target}},
      coachLine(100, 432, target) {
    tickFromSettings();
}

void AboutScreen::tickFromSettings() {
    (IConfig.gameFeedback != 0 ? uploadYes : uploadNo).tick(true);
    for (PlayerColumn* column : {&one, &two})
        (column->player->IsComputer() ? column->computer : column->human).tick(true);
    int level = iGame ? static_cast<int>(iGame->getGameLevel()) : -1;
    if (level >= 0 && level < 4) levels[level].tick(true);
    languages[languageInUse()].tick(true);
    coachLine.tick(preferences().coachLine);
}

void AboutScreen::text(int x, int y, const char* line, Uint8 r, Uint8 g, Uint8 b) {
    if (font && line && *line) font->render(screen, x, y, line, r, g, b, 255);
}

// A text of the screen in the player's language, kept to its place. The
// check boxes sit on the runs of blanks of their lines; each label keeps
// clear of the boxes beside it (app/textplaces.h).
void AboutScreen::text(const std::string& english, const char* place, SDL_Color colour, int y) {
    for (const PlacedText& part : placedParts(tr(english), place)) {
        TextBox box = part.box;
        if (y >= 0) box.y = y;
        drawText(screen, part.text, box, colour);
    }
}

void AboutScreen::drawCredits() {
    const SDL_Color red = {255, 0, 0, 255};
    boxRGBA(screen, 575, 254, 775, 504, 0, 0, 0, 255);
    rectangleRGBA(screen, 575, 254, 775, 504, 55, 255, 255, 255);
    text(creditsNotice, "settings.credits", red, 259);
    drawText(screen, trf("Build: {1}", {buildVer}), placeBox("settings.credits", 279), red);
    // Two rows lower than 294, where this font's underscore in the build
    // text ("1.0_R02") would vanish into the rule.
    lineRGBA(screen, 578, 296, 772, 296, 255, 0, 0, 255);
    text("Contributors: abc order", "settings.credits", red, 301);
    for (int i = 0; i < 7; ++i) text(578, 321 + 20 * i, contributors[i], 255, 0, 0);
    text("Thanks to: ", "settings.credits", red, 466);
    text(thankedOrganisation, "settings.credits", red, 486);
}

void AboutScreen::drawLanguages() {
    for (int i = 0; i < 3; ++i) {
        languages[i].draw();
        drawText(screen, languageNames[i], placeBox("settings.language", languageBoxTop + 4 + i * CHECK_BOX_SIZE),
                 {0, 0, 0, 255});
    }
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
    const SDL_Color black = {0, 0, 0, 255};
    text("Player One", "settings.player.one", black);
    drawAvatar(one.avatar);
    drawText(screen, trf("Name: {1}", {playerOne->name}), placeBox("settings.name.one"), black);
    text("Type:    Human     Computer", "settings.type.one", black);
    text("Player Two", "settings.player.two", black);
    drawAvatar(two.avatar);
    drawText(screen, trf("Name: {1}", {playerTwo->name}), placeBox("settings.name.two"), black);
    text("Type:    Human     Computer", "settings.type.two", black);
    text("Game Level:    Dummy       Beginner     Novice      Expert", "settings.level", black);
    text("Sent your best games to WikiZelk? Yes         No", "settings.upload", black);
}

void AboutScreen::draw() {
    panel.displaySingleScreen();
    rectangleRGBA(screen, 80, 56, 780, 581, 55, 255, 255, 255);
    drawShadowedText(screen, tr("a Somali board game"), placeBox("settings.subtitle"), {248, 236, 210, 255},
                     {20, 10, 4, 255});
    drawCredits();
    text("go to WikZelk", "settings.wiki", {249, 82, 7, 255});
    text("Check updates", "settings.updates", {249, 82, 7, 255});
    text("Save and exit", "settings.save", {255, 255, 255, 255});
    text("Exit", "settings.exit", {255, 225, 225, 255});
    drawPlayers();
    drawLanguages();
    for (PlayerColumn* column : {&one, &two}) {
        column->human.draw();
        column->computer.draw();
    }
    for (CheckBox& box : levels) box.draw();
    uploadYes.draw();
    uploadNo.draw();
    // The game's own aid, kept in zelk.prefs at once, saved or not.
    coachLine.draw();
    text("Coach line: say what to do now", "settings.coach", {0, 0, 0, 255});
    if (debug) {
        int mx, my;
        framePointer(&mx, &my);
        std::string where = "x: " + std::to_string(mx) + " y: " + std::to_string(my);
        text(578, 506, where.c_str(), 255, 0, 255);
    }
    const SDL_Color magenta = {255, 0, 255, 255};
    text(playersLine, "settings.message", magenta, 342);
    text(levelLine, "settings.message", magenta, 426);
    text(uploadLine, "settings.message", magenta, 490);
    presentFrame();
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
    uploadLine = allowed ? uploadAllowed : uploadRefused;
}

void AboutScreen::chooseLanguage(int language) {
    for (int i = 0; i < 3; ++i) languages[i].tick(i == language);
    IConfig.language = language;
    IConfig.languageName = iConfig::languageDirectory(language);
    IConfig.modified = true;
    useLanguage(language);
}

void AboutScreen::openRulesPage() {
    char here[4096];
    if (!getcwd(here, sizeof here)) return;
    std::string page = std::string(here) + "/" + rulesPage;
    const std::string own = std::string(here) + "/" + rulesPageOf(IConfig.languageName);
    if (access(own.c_str(), R_OK) == 0) page = own;
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
    for (int i = 0; i < 3; ++i)
        if (languages[i].hit()) chooseLanguage(i);
    if (coachLine.hit()) {
        Preferences chosen = preferences();
        chosen.coachLine = !chosen.coachLine;
        choosePreferences(chosen);
        coachLine.tick(preferences().coachLine);
    }
}

}  // namespace

std::string rulesPageOf(const std::string& languageDirectory) {
    if (languageDirectory == "eng") return rulesPage;
    return "docs/rules-" + languageDirectory + ".html";
}

namespace {

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
        if (pollFrameEvent(event)) {
            about.draw();
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                const ClickAt place(event.button.x, event.button.y);
                about.click();
            }
            continue;
        }
        saveScreenshotWhileSHeld(target);
        // Nothing to do until the next event; a short nap keeps the core free
        // and still notices a held `s` about a hundred times a second.
        SDL_Delay(10);
    }
    return about.saved;
}
