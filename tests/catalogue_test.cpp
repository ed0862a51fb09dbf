// The texts of each language: how a catalogue file is read, how values go
// into a text, and what the game falls back to.
#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
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

struct ParseCase {
    const char* name;
    const char* file;
    const char* english;
    const char* expected;  // null: no text
    std::vector<int> badLines;
};

class CatalogueParsing : public testing::TestWithParam<ParseCase> {};

TEST_P(CatalogueParsing, FindsTheTextOfEachPair) {
    const ParseCase& c = GetParam();
    Catalogue catalogue;
    std::vector<int> badLines;
    catalogue.parse(c.file, &badLines);
    const std::string* found = catalogue.find(c.english);
    if (c.expected) {
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, c.expected);
    } else {
        EXPECT_FALSE(found);
    }
    EXPECT_EQ(badLines, c.badLines);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CatalogueParsing,
    testing::Values(
        ParseCase{"Pair", "\"Yes\" = \"Haa\"\n", "Yes", "Haa", {}},
        ParseCase{"AloneIsItsOwnText", "\"Yes\"\n", "Yes", "Yes", {}},
        ParseCase{"BlanksKept", "\"   Opening the game  \" = \"  Furitaanka \"\r\n", "   Opening the game  ",
                  "  Furitaanka ", {}},
        ParseCase{"Escapes", "\"a \\\"b\\\" \\\\ c\\nd\" = \"x\"\n", "a \"b\" \\ c\nd", "x", {}},
        ParseCase{"LaterWins", "\"Yes\" = \"Si\"\n[dialog]\n\"Yes\" = \"S\xC3\xAC\"\n", "Yes", "S\xC3\xAC", {}},
        ParseCase{"CommentsPlacesAndBlanks", "# \"Yes\" = \"no\"\n\n  [menu]  \n", "Yes", nullptr, {}},
        ParseCase{"BrokenLinesSkipped", "Yes = Haa\n\"Yes\" = Haa\n\"Yes\" \"Haa\"\n\"Yes\" = \"Haa\" x\n\"No\"=\"Maya\"\n",
                  "No", "Maya", {1, 2, 3, 4}},
        ParseCase{"UnendedQuote", "\"Yes = \"Haa\n", "Yes", nullptr, {1}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

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

// A C++ literal's text: \" \\ \n \t and \xHH escapes.
std::string unescaped(const std::string& literal) {
    std::string text;
    for (size_t i = 0; i < literal.size(); ++i) {
        if (literal.compare(i, 2, "\\x") == 0) {
            text += static_cast<char>(std::stoi(literal.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else if (literal[i] == '\\') {
            const char next = literal[++i];
            text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            text += literal[i];
        }
    }
    return text;
}

// The texts the code hands to the screen: the literals of the calls that
// take one, and of the named texts ("const char* refusal = ...").
std::set<std::string> textsInTheSources() {
    const std::string root = std::string(__FILE__).substr(0, std::string(__FILE__).rfind("/tests/"));
    const std::regex carrier(
        "\\b(tr|trf|setCaption|showMessage|setStatus|goTo|counted|yesno|UploadBarDisplay|write|text)\\(|"
        "const char\\* (const )?\\w+ = \"");
    const std::regex literal("\"((?:[^\"\\\\]|\\\\.)*)\"");
    const std::vector<std::string> places = placeNames();
    std::set<std::string> texts;
    for (const char* directory : {"app", "sprites", "rules", "bot"}) {
        DIR* listing = opendir((root + "/" + directory).c_str());
        EXPECT_TRUE(listing) << directory;
        while (dirent* file = listing ? readdir(listing) : nullptr) {
            const std::string name = file->d_name;
            if (name.size() < 4 || name.substr(name.size() - 4) != ".cpp") continue;
            std::istringstream lines(readFile(root + "/" + directory + "/" + name));
            for (std::string line; std::getline(lines, line);) {
                if (!std::regex_search(line, carrier) || line.find("ILog") != std::string::npos) continue;
                for (std::sregex_iterator it(line.begin(), line.end(), literal), end; it != end; ++it) {
                    std::string text = unescaped((*it)[1]);
                    if (text.find_first_not_of(' ') == std::string::npos || text.find('/') != std::string::npos ||
                        std::regex_match(text, std::regex("[\\w.]+\\.(exe|png|html|ttf)")) ||
                        std::count(places.begin(), places.end(), text))
                        continue;
                    texts.insert(text);
                }
            }
        }
        if (listing) closedir(listing);
    }
    return texts;
}

TEST(Catalogues, EveryTextTheGameShowsIsInTheEnglishList) {
    std::set<std::string> shown = textsInTheSources();
    ASSERT_GT(shown.size(), 60u);
    for (const char* phase : gameCurrentPhases) shown.insert(phase);
    for (const char* level : gameLevelNames) shown.insert(level);
    for (int state = CHOOSING; state <= THINKING; ++state) shown.insert(playerStateText(state));
    for (int score : {-100000, 0, 100000}) shown.insert(engine::judgementOf(score));
    for (GameLevels level : {LEVEL_NOVICE, LEVEL_EXPERT}) shown.insert(offeredLevel(level).notice);
    // Named texts that are no words to the player: a variable, a file's
    // mark, a log line, the mark of a text cut short, and the window's
    // caption, which names the program in every language.
    for (const char* notShown : {"ZELK_UNATTENDED", "zelk save 1", "zelk save 2", "\xE2\x80\xA6",
                                 "\tOpps! this should never had happen\n", "Zelk - a somali game"})
        EXPECT_EQ(shown.erase(notShown), 1u) << notShown;
    const Catalogue english = catalogueOf("eng");
    for (const std::string& text : shown) EXPECT_TRUE(english.find(text)) << "not in the English list: \"" << text << "\"";
}

}  // namespace
