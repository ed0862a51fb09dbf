// The texts of each language: how a catalogue file is read, how values go
// into a text, and what the game falls back to.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/textplaces.h"
#include "bot/advice.h"
#include "bot/game.h"
#include "rules/flow.h"
#include "settings/catalogue.h"
#include "sprites/offeredlevel.h"
#include "sprites/player.h"
#include "support/testenv.h"

namespace {

TEST(Catalogue, FindsTheTextOfEachPairAndSkipsBrokenLines) {
    const struct {
        const char* file;
        const char* english;
        const char* expected;  // null: no text
        std::vector<int> badLines;
    } cases[] = {
        {"\"Yes\" = \"Haa\"\n", "Yes", "Haa", {}},
        {"\"Yes\"\n", "Yes", "Yes", {}},  // alone, it is its own text
        {"\"   Opening the game  \" = \"  Furitaanka \"\r\n", "   Opening the game  ", "  Furitaanka ", {}},
        {"\"a \\\"b\\\" \\\\ c\\nd\" = \"x\"\n", "a \"b\" \\ c\nd", "x", {}},
        {"\"Yes\" = \"Si\"\n[dialog]\n\"Yes\" = \"S\xC3\xAC\"\n", "Yes", "S\xC3\xAC", {}},  // the later wins
        {"# \"Yes\" = \"no\"\n\n  [menu]  \n", "Yes", nullptr, {}},
        {"Yes = Haa\n\"Yes\" = Haa\n\"Yes\" \"Haa\"\n\"Yes\" = \"Haa\" x\n\"No\"=\"Maya\"\n", "No", "Maya",
         {1, 2, 3, 4}},
        {"\"Yes = \"Haa\n", "Yes", nullptr, {1}},  // an unended quote
    };
    for (const auto& c : cases) {
        Catalogue catalogue;
        std::vector<int> badLines;
        catalogue.parse(c.file, &badLines);
        const std::string* found = catalogue.find(c.english);
        EXPECT_EQ(found ? *found : "(none)", c.expected ? c.expected : "(none)") << c.file;
        EXPECT_EQ(badLines, c.badLines) << c.file;
    }
}

TEST(Catalogue, ValuesGoWhereTheLanguagePutsThem) {
    EXPECT_EQ(fillIn("{2} iyo {1}", {"one", "two"}), "two iyo one");
    EXPECT_EQ(fillIn("Has {1} on board {1}", {"3"}), "Has 3 on board 3");
    // What is no mark, or has no value, stays as written.
    EXPECT_EQ(fillIn("{3} {x} {} {1", {"a"}), "{3} {x} {} {1");
    EXPECT_EQ(fillIn("{99999999999999999999}", {"a"}), "{99999999999999999999}");
}

TEST(Catalogue, AMissingTextShowsInEnglishLoggedOnce) {
    enterScratchDirectory(true);
    writeFile("languages/som/zelk.texts", "\"Yes\" = \"Haa\"\nbroken\n");
    useLanguage(2);
    EXPECT_EQ(languageInUse(), 2);
    EXPECT_EQ(tr("Yes"), "Haa");
    EXPECT_EQ(tr("No"), "No");
    EXPECT_EQ(tr("No"), "No");
    EXPECT_EQ(trf("{1} won", {"Tavi"}), "Tavi won");
    const std::string log = logText();
    EXPECT_NE(log.find("zelk.texts:2: not a pair"), std::string::npos);
    const std::string missing = "No som text for \"No\"";
    const size_t first = log.find(missing);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find(missing, first + 1), std::string::npos);
    useLanguage(0);
    EXPECT_EQ(tr("Yes"), "Yes");
    // A language whose file cannot be read stays English.
    unlink("languages/ita/zelk.texts");
    useLanguage(1);
    EXPECT_EQ(tr("Yes"), "Yes");
    EXPECT_NE(logText().find("languages/ita/zelk.texts"), std::string::npos);
}

}  // namespace

namespace {

Catalogue catalogueOf(const char* language) {
    Catalogue catalogue;
    catalogue.parse(readFile(std::string(ZELK_DATA_DIR) + "/" + catalogueFileOf(language)));
    return catalogue;
}

// The "{1}", "{2}"... of a text, in order of number.
std::set<std::string> marksOf(const std::string& text) {
    static const std::regex mark("\\{[0-9]\\}");
    std::set<std::string> marks;
    for (std::sregex_iterator it(text.begin(), text.end(), mark), end; it != end; ++it) marks.insert(it->str());
    return marks;
}

TEST(Catalogues, EveryLanguageHasEveryTextUnderItsPlace) {
    const Catalogue english = catalogueOf("eng");
    ASSERT_GT(english.entries().size(), 100u);
    const std::vector<std::string> places = placeNames();
    for (const CatalogueEntry& entry : english.entries())
        EXPECT_TRUE(entry.place == "parts" || std::count(places.begin(), places.end(), entry.place))
            << "no place " << entry.place;
    for (const char* language : {"ita", "som"}) {
        const Catalogue other = catalogueOf(language);
        ASSERT_EQ(other.entries().size(), english.entries().size()) << language;
        for (size_t i = 0; i < english.entries().size(); ++i) {
            const CatalogueEntry &is = other.entries()[i], &was = english.entries()[i];
            EXPECT_EQ(is.english + "@" + is.place, was.english + "@" + was.place) << language;
            EXPECT_FALSE(is.text.empty()) << language << " " << was.english;
            EXPECT_EQ(marksOf(is.text), marksOf(was.english)) << language << " " << was.english;
        }
    }
}

// The texts the game takes from its tables rather than writes where it
// shows them.
TEST(Catalogues, TheTextsOfTheGamesTablesAreInTheEnglishList) {
    std::set<std::string> shown(std::begin(gameCurrentPhases), std::end(gameCurrentPhases));
    shown.insert(std::begin(gameLevelNames), std::end(gameLevelNames));
    for (int state = CHOOSING; state <= THINKING; ++state) shown.insert(playerStateText(state));
    for (int score : {-100000, 0, 100000}) shown.insert(engine::judgementOf(score));
    for (GameLevels level : {LEVEL_NOVICE, LEVEL_EXPERT}) shown.insert(offeredLevel(level).notice);
    const Catalogue english = catalogueOf("eng");
    for (const std::string& text : shown) EXPECT_TRUE(english.find(text)) << "not in the English list: " << text;
}

}  // namespace
