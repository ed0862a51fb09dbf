// The scored record of the weight probe.
#include <gtest/gtest.h>

#include "bot/zelkbot.h"
#include "settings/log.h"
#include "support/logcount.h"
#include "support/testenv.h"

namespace {

const char* const notFree = "This should never happen! - removing from free a non free cell\r\n";

class Record : public testing::Test {
protected:
    void SetUp() override {
        enterScratchDirectory();
        ILog.Init(1);
    }
};

}  // namespace

TEST_F(Record, WeighsOwnMinusOtherPointsMovingBetweenTheFreeListAndTheSides) {
    EXPECT_EQ(ZelkBot().getWeight(), -12) << "fresh";
    ZelkBot sided(1, 2);
    for (int cell : {0, 1, 2}) sided.giveMeThisCell(cell);
    for (int cell : {3, 4, 5, 6, 7}) sided.giveHimThisCell(cell);
    EXPECT_EQ(sided.getWeight(), -2);
    EXPECT_TRUE(sided.isMyCell(2) && sided.isYourCell(7) && !sided.isMyCell(7));
    EXPECT_EQ(occurrences(logText(), notFree), 8) << "none of them stood in the free list";

    ZelkBot bot;
    for (int cell : {1, 2, 15}) bot.makeThisFreeCell(cell);
    EXPECT_EQ(bot.getWeight(), 0);
    bot.giveMeThisCell(1);
    bot.giveHimThisCell(2);
    EXPECT_TRUE(!bot.isFreeCell(1) && !bot.isFreeCell(2) && bot.isFreeCell(15));
    bot.removeMeThisCell(1);
    EXPECT_TRUE(bot.isFreeCell(1) && !bot.isMyCell(1));
    EXPECT_EQ(bot.getWeight(), -1);
    bot.removeHimThisCell(2);
    EXPECT_EQ(bot.getFreeCount(), 3);
    EXPECT_EQ(bot.getWeight(), 0);
    EXPECT_EQ(occurrences(logText(), notFree), 8) << "and no more warnings";

    bot.initValues();
    EXPECT_EQ(bot.getWeight(), -12);
    EXPECT_EQ(bot.getMyCount() + bot.getYourCount() + bot.getFreeCount(), 0);
    bot.giveHimThisCell(5);  // usable again after the release
    EXPECT_EQ(bot.getWeight(), -1);
}

TEST_F(Record, RemovingWhatIsNotThereWarnsAndChangesNothing) {
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
    EXPECT_EQ(occurrences(log, "This should never happen! - removing from yours not your cell\r\n"), 1);
    EXPECT_EQ(occurrences(log, notFree), 1);
    EXPECT_EQ(occurrences(log, "This should never happen! - removing from mine not my cell\r\n"), 1);
}

TEST_F(Record, TheProbeLogsEveryDepthDownToFour) {
    ZelkBot bot;
    bot.makeThisFreeCell(0);
    bot.giveMeThisCell(0);
    EXPECT_EQ(_getBotWeight(&bot, 0), 1);
    const std::string log = logText();
    EXPECT_EQ(occurrences(log, "Running level "), 5);
    EXPECT_LT(log.find("Running level 0 and the weight is 1\r\n"), log.find("Running level 4 and the weight is 1\r\n"));
    EXPECT_NE(log.find("Running level 4 and the weight is 1\r\n"), std::string::npos);
    _getBotWeight(&bot, 3);
    EXPECT_EQ(_getBotWeight(&bot, 7), 1);
    EXPECT_EQ(occurrences(logText(), "Running level "), 5 + 2 + 1);
    EXPECT_EQ(occurrences(logText(), "Running level 7 and the weight is 1\r\n"), 1);
}
