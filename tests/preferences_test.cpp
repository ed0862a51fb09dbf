#include "settings/preferences.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/testenv.h"

TEST(Preferences, AChoiceIsWrittenOnlyWhenItChangesAndHoldsAtTheNextStart) {
    enterScratchDirectory();
    forgetPreferences();
    EXPECT_TRUE(preferences() == Preferences());
    EXPECT_TRUE(choosePreferences(Preferences()));
    EXPECT_FALSE(fileExists(preferencesFileName)) << "written though nothing changed";

    const Preferences chosen{false, true};
    EXPECT_TRUE(choosePreferences(chosen));
    forgetPreferences();
    EXPECT_TRUE(preferences() == chosen);
    EXPECT_EQ(readFile(preferencesFileName), preferencesText(chosen));
}

TEST(Preferences, WhatIsNoChoiceLeavesTheDefault) {
    EXPECT_TRUE(preferencesFrom("coachLine = 7\nboardCoordinates = 1\n# coachLine = 0\ncoachLine=0\n") ==
                (Preferences{true, true}));
    EXPECT_TRUE(preferencesFrom("coachLine = 0") == (Preferences{false, false}));
}

TEST(Preferences, AChoiceThatCannotBeWrittenHoldsForThisRun) {
    enterScratchDirectory();
    forgetPreferences();
    ASSERT_EQ(mkdir(preferencesFileName, 0755), 0);  // nothing can be renamed onto a directory
    const Preferences chosen{false, false};
    EXPECT_FALSE(choosePreferences(chosen));
    EXPECT_TRUE(preferences() == chosen);
    EXPECT_NE(logText().find("ERROR writing file zelk.prefs"), std::string::npos) << logText();
}
