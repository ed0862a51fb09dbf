// The message catalogue: its file format, its id range and a missing file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <map>

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

TEST(Messages, ReadIdsInTheTableWithUnderscoresAsBlanksAndSkipTheRest) {
    enterScratchDirectory();
    writeCatalogue("eng",
                   "# comment\r\n\r\n\n"
                   "5 = a_b_c\n"
                   "6=tight\n"
                   "7 = first\n"
                   "7 = second\n"
                   "8 = a b c\n"
                   " 9 = leading_blank\n"
                   "99 = last\n"
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
    const std::map<int, std::string> read = {{3, "kept"}, {5, "a b c"},         {6, "tight"},
                                             {7, "second"}, {8, "a"}, {9, "leading blank"}, {99, "last"}};
    for (int id = -1; id <= iMessage::capacity; ++id) {
        const char* message = catalogue.getMessage(id);
        EXPECT_EQ(message ? message : "(none)", read.count(id) ? read.at(id) : "(none)") << id;
    }
}

// Only a plain file is read: a FIFO would wait for a writer and /dev/zero
// would give one endless line, each holding start-up for ever; a directory
// reads as nothing. Each, and a missing file, is logged and leaves the
// catalogue empty.
TEST(Messages, WhatIsNotAPlainFileIsRefusedAndLogged) {
    enterScratchDirectory();
    writeCatalogue("fifo", "");
    unlink("languages/fifo/zelk.strings");
    ASSERT_EQ(mkfifo("languages/fifo/zelk.strings", 0644), 0);
    mkdir("languages/zero", 0755);
    ASSERT_EQ(symlink("/dev/zero", "languages/zero/zelk.strings"), 0);
    mkdir("languages/folder", 0755);
    mkdir("languages/folder/zelk.strings", 0755);
    for (const char* language : {"fifo", "zero", "folder", "missing"}) {
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
