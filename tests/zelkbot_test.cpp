// The scored record of the weight probe.
#include <gtest/gtest.h>

#include "bot/zelkbot.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/testenv.h"

namespace {

void freshLog() {
    enterScratchDirectory();
    ILog.Init(1);
}

const char* const notFree = "This should never happen! - removing from free a non free cell\r\n";
const char* const notMine = "This should never happen! - removing from mine not my cell\r\n";
const char* const notYours = "This should never happen! - removing from yours not your cell\r\n";

}  // namespace

TEST(ZelkBot, FreshRecordWeighsMinusTwelve) {
    ZelkBot plain;
    ZelkBot sided(1, 2);
    EXPECT_EQ(plain.getWeight(), -12);
    EXPECT_EQ(sided.getWeight(), -12);
    EXPECT_EQ(sided.getMyCount() + sided.getYourCount() + sided.getFreeCount(), 0);
}

TEST(ZelkBot, WeightIsOwnMinusOtherAfterGiving) {
    freshLog();
    ZelkBot bot(1, 2);
    for (int cell : {0, 1, 2}) bot.giveMeThisCell(cell);
    for (int cell : {3, 4, 5, 6, 7}) bot.giveHimThisCell(cell);
    EXPECT_EQ(bot.getWeight(), -2);
    EXPECT_TRUE(bot.isMyCell(2));
    EXPECT_TRUE(bot.isYourCell(7));
    EXPECT_FALSE(bot.isMyCell(7));
    // None of those points stood in the free list.
    EXPECT_EQ(occurrences(logText(), notFree), 8);
}

TEST(ZelkBot, PointsMoveBetweenTheFreeListAndTheSides) {
    freshLog();
    ZelkBot bot;
    for (int cell : {1, 2, 15}) bot.makeThisFreeCell(cell);
    EXPECT_EQ(bot.getWeight(), 0);
    bot.giveMeThisCell(1);
    bot.giveHimThisCell(2);
    EXPECT_FALSE(bot.isFreeCell(1));
    EXPECT_FALSE(bot.isFreeCell(2));
    EXPECT_TRUE(bot.isFreeCell(15));
    EXPECT_EQ(bot.getWeight(), 0);
    bot.removeMeThisCell(1);
    EXPECT_FALSE(bot.isMyCell(1));
    EXPECT_TRUE(bot.isFreeCell(1));
    EXPECT_EQ(bot.getWeight(), -1);
    bot.removeHimThisCell(2);
    EXPECT_TRUE(bot.isFreeCell(2));
    EXPECT_EQ(bot.getFreeCount(), 3);
    EXPECT_EQ(bot.getWeight(), 0);
    EXPECT_EQ(occurrences(logText(), "This should never happen!"), 0);
}

TEST(ZelkBot, RemovingWhatIsNotThereWarnsAndChangesNothing) {
    freshLog();
    ZelkBot bot;
    bot.makeThisFreeCell(3);
    bot.giveMeThisCell(3);
    bot.removeHimThisCell(3);
    bot.removeFreeThisCell(3);
    bot.removeMeThisCell(9);
    EXPECT_TRUE(bot.isMyCell(3));
    EXPECT_EQ(bot.getFreeCount(), 0);
    EXPECT_EQ(bot.getWeight(), 1);
    const std::string log = logText();
    EXPECT_EQ(occurrences(log, notYours), 1);
    EXPECT_EQ(occurrences(log, notFree), 1);
    EXPECT_EQ(occurrences(log, notMine), 1);
}

TEST(ZelkBot, InitValuesStartsOver) {
    freshLog();
    ZelkBot bot;
    bot.makeThisFreeCell(3);
    bot.giveMeThisCell(3);
    bot.initValues();
    EXPECT_EQ(bot.getWeight(), -12);
    EXPECT_FALSE(bot.isMyCell(3));
    EXPECT_EQ(bot.getMyCount() + bot.getYourCount() + bot.getFreeCount(), 0);
    bot.giveHimThisCell(5);  // usable again after the release
    EXPECT_EQ(bot.getWeight(), -1);
}

TEST(GetBotWeight, LogsEveryDepthDownToFour) {
    freshLog();
    ZelkBot bot;
    bot.makeThisFreeCell(0);
    bot.giveMeThisCell(0);
    EXPECT_EQ(_getBotWeight(&bot, 0), 1);
    std::string log = logText();
    EXPECT_EQ(occurrences(log, "Running level "), 5);
    size_t depth0 = log.find("Running level 0 and the weight is 1\r\n");
    size_t depth4 = log.find("Running level 4 and the weight is 1\r\n");
    ASSERT_NE(depth0, std::string::npos);
    ASSERT_NE(depth4, std::string::npos);
    EXPECT_LT(depth0, depth4);

    _getBotWeight(&bot, 3);
    EXPECT_EQ(occurrences(logText(), "Running level "), 5 + 2);
    EXPECT_EQ(_getBotWeight(&bot, 7), 1);
    log = logText();
    EXPECT_EQ(occurrences(log, "Running level "), 5 + 2 + 1);
    EXPECT_EQ(occurrences(log, "Running level 7 and the weight is 1\r\n"), 1);
}
