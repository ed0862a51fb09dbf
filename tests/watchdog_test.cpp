// The test support's guards against a test that hangs: SIGTERM (from a
// supervisor's time limit, or Ctrl-C's SIGINT) ends the process although
// the game has started SDL, which would make either a quit event nobody
// reads; and a test past its watchdog's limit stops itself, naming itself.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "support/testenv.h"
#include "support/watchdog.h"

namespace {

// Runs `hang` in a child process; the child writes one byte to `ready` when
// it is about to hang. Returns its wait status, or -1 when it was still
// running after `patienceMs` (it is then killed).
int statusOfHungChild(const std::function<void(int ready)>& hang, int signalToSend,
                      int patienceMs) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -2;
    fflush(nullptr);
    pid_t child = fork();
    if (child < 0) return -2;
    if (child == 0) {
        close(pipeEnds[0]);
        hang(pipeEnds[1]);
        _exit(0);
    }
    close(pipeEnds[1]);
    char byte;
    bool ready = read(pipeEnds[0], &byte, 1) == 1;
    close(pipeEnds[0]);
    if (ready && signalToSend) kill(child, signalToSend);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(patienceMs);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > giveUp) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status;
}

// The whole game shell started, then nothing but waiting.
void startTheGameAndHang(int ready) {
    startHeadlessGameHere();
    if (write(ready, "r", 1) != 1) _exit(3);
    for (;;) SDL_Delay(50);
}

}  // namespace

TEST(Watchdog, TermAndIntEndATestThatHasStartedTheGame) {
    enterScratchDirectory();
    for (int signalNumber : {SIGTERM, SIGINT}) {
        int status = statusOfHungChild(startTheGameAndHang, signalNumber, 5000);
        ASSERT_NE(status, -1) << "the child outlived signal " << signalNumber;
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << status;
    }
}

TEST(Watchdog, AHungTestStopsItselfAtItsLimit) {
    enterScratchDirectory();
    int status = statusOfHungChild(
        [](int ready) {
            armWatchdog(1);
            startTheGameAndHang(ready);
        },
        0, 10000);
    ASSERT_NE(status, -1) << "the watchdog did not stop the child";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 124) << status;
}

TEST(Watchdog, ItsLimitComesFromTheEnvironment) {
    unsetenv("ZELK_TEST_WATCHDOG_SECONDS");
    EXPECT_EQ(watchdogSeconds(), 90u);
    setenv("ZELK_TEST_WATCHDOG_SECONDS", "7", 1);
    EXPECT_EQ(watchdogSeconds(), 7u);
    setenv("ZELK_TEST_WATCHDOG_SECONDS", "soon", 1);
    EXPECT_EQ(watchdogSeconds(), 90u);
    unsetenv("ZELK_TEST_WATCHDOG_SECONDS");
}
