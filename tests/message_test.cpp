// The message catalogue: its file format, its id range and a missing file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "settings/config.h"
#include "settings/log.h"
#include "settings/message.h"
#include "support/testenv.h"

namespace {
// The scratch directory links the shipped catalogues; a test writes its own
// in a directory of its own instead.
void writeCatalogue(const std::string& language, const std::string& text) {
    unlink("languages");
    mkdir("languages", 0755);
    mkdir(("languages/" + language).c_str(), 0755);
    writeFile("languages/" + language + "/zelk.strings", text);
}

void readCatalogue(iMessage& catalogue, const std::string& language = "eng") {
    IConfig.languageName = language;
    ILog.Init(4);
    catalogue.readMsgs();
}
}  // namespace

TEST(Catalogue, ReadsIdsAndWordsWithUnderscoresAsBlanks) {
    enterScratchDirectory();
    writeCatalogue("eng",
                   "# comment\r\n\r\n\n"
                   "5 = a_b_c\n"
                   "6=tight\n"
                   "7 = first\n"
                   "7 = second\n"
                   "8 = a b c\n"
                   " 9 = leading_blank\n"
                   "99 = last\n");
    iMessage catalogue;
    readCatalogue(catalogue);
    EXPECT_STREQ(catalogue.getMessage(5), "a b c");
    EXPECT_STREQ(catalogue.getMessage(6), "tight");
    EXPECT_STREQ(catalogue.getMessage(7), "second");
    EXPECT_STREQ(catalogue.getMessage(8), "a");
    EXPECT_STREQ(catalogue.getMessage(9), "leading blank");
    EXPECT_STREQ(catalogue.getMessage(99), "last");
    EXPECT_EQ(catalogue.getMessage(0), nullptr);
    const std::string log = logText();
    EXPECT_NE(log.find("Init messages read dal file: eng\r\n"), std::string::npos);
    EXPECT_NE(log.find("done\r\nEnd languages read\r\n"), std::string::npos);
}

TEST(Catalogue, IdsOutsideTheTableAndGarbledLinesAreSkipped) {
    enterScratchDirectory();
    writeCatalogue("eng",
                   "-1 = minus\n"
                   "100 = hundred\n"
                   "2147483648 = too_big\n"
                   "99999999999999999999 = far_too_big\n"
                   "abc = words\n"
                   "12\n"
                   "13 =\n"
                   "\x01\xff\xfe binary\n" +
                       std::string(1000, '4') + " = long\n"
                   "3 = kept\n");
    iMessage catalogue;
    readCatalogue(catalogue);
    for (int id = 0; id < iMessage::capacity; ++id)
        if (id != 3) {
            EXPECT_EQ(catalogue.getMessage(id), nullptr) << id;
        }
    EXPECT_STREQ(catalogue.getMessage(3), "kept");
    EXPECT_EQ(catalogue.getMessage(-1), nullptr);
    EXPECT_EQ(catalogue.getMessage(100), nullptr);
}

TEST(Catalogue, MissingFileIsLoggedAndLeavesEveryEntryEmpty) {
    enterScratchDirectory();
    iMessage catalogue;
    readCatalogue(catalogue, "xyz");
    for (int id = 0; id < iMessage::capacity; ++id) EXPECT_EQ(catalogue.getMessage(id), nullptr);
    EXPECT_NE(logText().find("ERROR opening file languages/xyz/zelk.strings: "), std::string::npos);
}

// Only a plain file is read: a FIFO would wait for a writer and /dev/zero
// would give one endless line, each holding start-up for ever; a directory
// reads as nothing. Each is logged and leaves the catalogue empty.
TEST(Catalogue, WhatIsNotAPlainFileIsRefusedAndLogged) {
    enterScratchDirectory();
    writeCatalogue("fifo", "");
    unlink("languages/fifo/zelk.strings");
    ASSERT_EQ(mkfifo("languages/fifo/zelk.strings", 0644), 0);
    mkdir("languages/zero", 0755);
    ASSERT_EQ(symlink("/dev/zero", "languages/zero/zelk.strings"), 0);
    mkdir("languages/folder", 0755);
    mkdir("languages/folder/zelk.strings", 0755);
    for (const char* language : {"fifo", "zero", "folder"}) {
        iMessage catalogue;
        readCatalogue(catalogue, language);
        for (int id = 0; id < iMessage::capacity; ++id)
            EXPECT_EQ(catalogue.getMessage(id), nullptr) << language;
        EXPECT_NE(logText().find(std::string("ERROR opening file languages/") + language +
                                 "/zelk.strings: "),
                  std::string::npos)
            << language;
    }
}
