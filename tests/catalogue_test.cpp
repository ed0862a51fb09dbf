// The texts of each language: how a catalogue file is read, how values go
// into a text, and what the game falls back to.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "settings/catalogue.h"
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

TEST(Catalogue, KeepsThePlaceOfEveryEntry) {
    Catalogue catalogue;
    catalogue.parse("\"A\"\n[menu]\n\"B\"\n[question]\n\"B\"\n");
    std::vector<std::string> places;
    for (const CatalogueEntry& entry : catalogue.entries()) places.push_back(entry.english + "@" + entry.place);
    EXPECT_EQ(places, (std::vector<std::string>{"A@", "B@menu", "B@question"}));
}

TEST(Catalogue, ValuesGoWhereTheLanguagePutsThem) {
    EXPECT_EQ(fillIn("{2} iyo {1}", {"one", "two"}), "two iyo one");
    EXPECT_EQ(fillIn("Has {1} on board {1}", {"3"}), "Has 3 on board 3");
    // What is no mark, or has no value, stays as written.
    EXPECT_EQ(fillIn("{3} {x} {} {1", {"a"}), "{3} {x} {} {1");
    EXPECT_EQ(fillIn("{99999999999999999999}", {"a"}), "{99999999999999999999}");
}

TEST(Catalogue, AMissingTextShowsInEnglishAndIsLoggedOnce) {
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
}

TEST(Catalogue, AnUnreadableLanguageLeavesEnglish) {
    enterScratchDirectory(true);
    unlink("languages/ita/zelk.texts");
    useLanguage(1);
    EXPECT_EQ(tr("Yes"), "Yes");
    EXPECT_NE(logText().find("languages/ita/zelk.texts"), std::string::npos);
}

}  // namespace
