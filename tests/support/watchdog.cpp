#include "support/watchdog.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const unsigned defaultSeconds = 90;  // under the 120 s that CTest allows a case
char runningTest[512] = "a test";

void say(const char* text) {
    ssize_t ignored = write(STDERR_FILENO, text, strlen(text));
    (void)ignored;
}

void stopHungTest(int) {
    say("watchdog: ");
    say(runningTest);
    say(" ran past its time limit and was stopped\n");
    _exit(124);
}

// SDL puts its quit-event handler only where the action is the default, so
// a handler of our own stays; it lets the signal do what it does by default.
void endAsByDefault(int signalNumber) {
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

class Guard : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo& test) override {
        snprintf(runningTest, sizeof runningTest, "%s.%s", test.test_suite_name(), test.name());
        armWatchdog(watchdogSeconds());
    }
    void OnTestEnd(const testing::TestInfo&) override { armWatchdog(0); }
};

struct Installer {
    Installer() {
        struct sigaction action;
        memset(&action, 0, sizeof action);
        action.sa_handler = endAsByDefault;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
        testing::UnitTest::GetInstance()->listeners().Append(new Guard);
    }
} installer;

}  // namespace

unsigned watchdogSeconds() {
    const char* text = getenv("ZELK_TEST_WATCHDOG_SECONDS");
    if (!text || !*text) return defaultSeconds;
    char* end = nullptr;
    unsigned long seconds = strtoul(text, &end, 10);
    return *end == '\0' && seconds > 0 && seconds < 100000 ? static_cast<unsigned>(seconds)
                                                            : defaultSeconds;
}

void armWatchdog(unsigned seconds) {
    signal(SIGALRM, stopHungTest);
    alarm(seconds);
}
