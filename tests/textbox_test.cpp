// Texts in their boxes: what does not fit goes over the box's lines, is set
// smaller or, last, cut short; every text of every language fits its place
// whole.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/textbox.h"
#include "app/textplaces.h"
#include "bot/game.h"
#include "settings/catalogue.h"
#include "settings/config.h"
#include "support/testenv.h"

namespace {

bool inside(const SDL_Rect& extent, const TextBox& box) {
    return extent.x >= box.x && extent.y >= box.y && extent.x + extent.w <= box.x + box.width &&
           extent.y + extent.h <= box.y + box.height;
}

struct FitCase {
    const char* name;
    const char* text;
    TextBox box;
    int lines;        // 0: any
    bool smaller;     // set below the box's size
    bool shortened;
};

class TextFitting : public testing::TestWithParam<FitCase> {
protected:
    static void SetUpTestSuite() { startHeadlessGame(); }
    static void TearDownTestSuite() { stopHeadlessGame(); }
};

TEST_P(TextFitting, KeepsToItsBox) {
    const FitCase& c = GetParam();
    const TextLayout layout = layoutText(c.text, c.box);
    if (c.lines) {
        EXPECT_EQ(static_cast<int>(layout.lines.size()), c.lines);
    }
    EXPECT_EQ(layout.points < c.box.points, c.smaller) << layout.points;
    EXPECT_EQ(layout.shortened, c.shortened);
    if (c.shortened) {
        EXPECT_EQ(layout.lines.back().substr(layout.lines.back().size() - 3), "\xE2\x80\xA6");
    }
    EXPECT_TRUE(inside(layout.extent, c.box));
}

const char* const longLine = "Only to a neighbouring point: piece put back";
const char* const tooLong = "Cell is moving or dying or dead or already on board while resettlement";

INSTANTIATE_TEST_SUITE_P(
    Texts, TextFitting,
    testing::Values(FitCase{"AsItIs", "Waiting hand", {628, 540, 96, 20, 13, ALIGN_LEFT}, 1, false, false},
                    FitCase{"OverTwoLines", longLine, {213, 275, 200, 40, 13, ALIGN_LEFT}, 2, false, false},
                    FitCase{"SmallerOverTwoLines", longLine, {0, 0, 150, 20, 13, ALIGN_LEFT}, 2, true, false},
                    FitCase{"CutShortOnItsLastLine", tooLong, {0, 0, 90, 30, 13, ALIGN_CENTRE}, 0, true, true},
                    FitCase{"Centred", "Exit", {230, 551, 61, 16, 11, ALIGN_CENTRE}, 1, false, false},
                    FitCase{"RightAligned", "No", {421, 470, 65, 20, 13, ALIGN_RIGHT}, 1, false, false}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

// The values a text's marks are filled with: the longest the game gives.
std::vector<std::vector<std::string>> samplesOf(const std::string& english) {
    const std::string twoKinds = trf("{1} and {2}", {trf("{1} moves", {"2"}), trf("{1} removals", {"2"})});
    const std::string placings = trf("{1} and {2}", {trf("{1} placements", {"2"}), tr("a removal")});
    static const std::map<std::string, std::vector<std::vector<std::string>>> fixed = {
        {"Has {1} on board", {{"12"}}}, {"{1} won", {{"Vumero"}}}, {"Name: {1}", {{"Vumero"}}},
        {"Build: {1}", {{"1.0_R02"}}}, {"Pieces left: {1} {2}, {3} {4}", {{"Vumero", "12", "Vumero", "12"}}},
        {"Moves: {1}   Removals: {2}", {{"999", "22"}}}, {"Time: {1}", {{"99:59"}}},
        {"Action {1} of {2}", {{"999", "999"}}}, {"Best: {1}", {{"d6-d5"}}},
        {"won in {1}", {{"99"}}}, {"lost in {1}", {{"99"}}}};
    if (fixed.count(english)) return fixed.at(english);
    // The coach's longest: a safe route's note before another safe route, between two people.
    const std::string blocked = trf("{1} cannot move: move again; a jare made now removes nothing", {"Vumero"});
    if (english == "{1}: {2}") return {{"Vumero", trf("The last jare came on a safe route and removed nothing. {1}", {blocked})}};
    if (english == "The last jare came on a safe route and removed nothing. {1}") return {{blocked}};
    if (english == "Page {1} of {2}") return {{"8", "8"}};
    if (english.find("{2}") != std::string::npos && english.find("{1}") != std::string::npos && english.find("cannot move") != std::string::npos)
        return {{"Vumero", "Vumero"}};
    if (english.find("{1}") == 0 || english.find("{1}'s") != std::string::npos) return {{"Vumero"}};
    if (english == "Took back {1}" || english == "Played again {1}") return {{twoKinds}, {placings}};
    if (english == "Hint: {1}") return {{tr("winning")}, {tr("even")}, {tr("losing")}};
    if (english == "   {1} vs {2}") return {{tr("Computer"), tr("Computer")}, {tr("Human"), tr("Human")}};
    std::vector<std::vector<std::string>> levels;
    if (english == "    level: {1}")
        for (const char* level : gameLevelNames) levels.push_back({tr(level)});
    if (!levels.empty()) return levels;
    return {{}};
}

TEST_F(TextFitting, EveryTextOfEveryLanguageFitsItsPlaceWhole) {
    Catalogue english;
    english.parse(readFile(catalogueFileOf("eng")));
    ASSERT_GT(english.entries().size(), 100u);
    for (int language = 0; language < 3; ++language) {
        useLanguage(language);
        for (const CatalogueEntry& entry : english.entries()) {
            if (entry.place == "parts") continue;
            for (const std::vector<std::string>& values : samplesOf(entry.english)) {
                const std::string text = tr(entry.english);
                std::string filled = text;
                if (values.size() == 1) filled = fillIn(text, {values[0]});
                if (values.size() == 2) filled = fillIn(text, {values[0], values[1]});
                if (values.size() == 4) filled = fillIn(text, {values[0], values[1], values[2], values[3]});
                ASSERT_EQ(filled.find("{1}"), std::string::npos) << "no values to try in " << entry.english;
                for (const PlacedText& part : placedParts(filled, entry.place)) {
                    const TextLayout layout = layoutText(part.text, part.box);
                    // The one English text longer than a player's column
                    // holds at any size: it shows cut short.
                    if (part.text == tooLong) continue;
                    EXPECT_FALSE(layout.shortened)
                        << iConfig::languageDirectory(language) << " [" << entry.place << "] \"" << part.text << "\"";
                    EXPECT_TRUE(inside(layout.extent, part.box)) << part.text;
                }
            }
        }
    }
    useLanguage(0);
}

}  // namespace
