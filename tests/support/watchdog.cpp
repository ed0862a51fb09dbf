// Test support: a test that hangs fails fast instead of holding CI. Linked
// into every test binary, it arms a watchdog for each test case (the limit
// is ZELK_TEST_WATCHDOG_SECONDS, 90 s when unset) that stops the process
// (exit code 124) with a line naming the test, and it keeps SIGTERM and
// SIGINT able to end a test after the game has started SDL, which would
// turn them into a quit event that no test reads.
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

unsigned watchdogSeconds() {
    const char* text = getenv("ZELK_TEST_WATCHDOG_SECONDS");
    const int seconds = text ? atoi(text) : 0;
    return seconds > 0 ? static_cast<unsigned>(seconds) : defaultSeconds;
}

// 0 disarms it.
void armWatchdog(unsigned seconds) {
    signal(SIGALRM, stopHungTest);
    alarm(seconds);
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
