// The upload under a silent or slow network: the name lookup, which cannot
// be cancelled, runs where it cannot hold the game; the whole upload ends
// within its limit whatever the network does, and the screen it runs under
// keeps drawing frames meanwhile. The resolver is the test's own: one that
// never answers stands for a name server that never does, so no query
// leaves the machine.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include "settings/log.h"
#include "support/testenv.h"
#include "upload/novconnector.h"
#include "upload/hostlookup.h"

namespace {

using Clock = std::chrono::steady_clock;

// A resolver that answers only when the test lets it (or after a minute).
struct SilentNameServer {
    std::mutex mutex;
    std::condition_variable released;
    bool answering = false;
    std::atomic<int> asked{0};
};
SilentNameServer silent;

bool silentResolver(const char*, in_addr&) {
    ++silent.asked;
    std::unique_lock<std::mutex> lock(silent.mutex);
    silent.released.wait_for(lock, std::chrono::minutes(1), [] { return silent.answering; });
    return false;
}

std::atomic<int> slowAsked{0};
// Answers 127.0.0.1 after a while, as a slow name server does.
bool slowLoopbackResolver(const char*, in_addr& address) {
    ++slowAsked;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    address.s_addr = htonl(INADDR_LOOPBACK);
    return true;
}

bool failingResolver(const char*, in_addr&) {
    return false;
}

// Listens on 127.0.0.1, accepts into its backlog and never answers.
int mutePort(int& fd) {
    fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address;
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd, 4) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return 0;
    return ntohs(address.sin_port);
}

class SlowNetwork : public testing::Test {
protected:
    void SetUp() override {
        silent.answering = false;
        silent.asked = 0;
        slowAsked = 0;
        enterScratchDirectory();
        logEverything();
        setenv("ZELK_UPLOAD_HOST", "collector.example", 1);
        unsetenv("ZELK_UPLOAD_PORT");
    }
    void TearDown() override {
        {
            std::lock_guard<std::mutex> lock(silent.mutex);
            silent.answering = true;
        }
        silent.released.notify_all();
        hostResolver = systemResolver;
        unsetenv("ZELK_UPLOAD_HOST");
        unsetenv("ZELK_UPLOAD_PORT");
    }

    // One upload with the given limit; counts the frames drawn meanwhile
    // and returns how long it took in seconds.
    double post(int limitMilliseconds) {
        NOVConnector connector;
        connector.setGame("111000000000000000000002220113", "0000000000");
        connector.exchangeLimit = limitMilliseconds;
        connector.whileWaiting = [this] {
            ++frames;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return true;
        };
        testing::internal::CaptureStdout();
        const auto start = Clock::now();
        connector.postGame();
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        testing::internal::GetCapturedStdout();
        return took;
    }

    int frames = 0;
};

}  // namespace

TEST_F(SlowNetwork, ANameServerThatNeverAnswersCannotHoldTheUploadPastItsLimit) {
    hostResolver = silentResolver;
    const double took = post(700);
    EXPECT_EQ(silent.asked, 1);
    EXPECT_LT(took, 3.0) << "the lookup held the upload";
    EXPECT_GE(frames, 10) << "the screen stood still during the lookup";
    EXPECT_NE(logText().find("Hostname lookup failed collector.example"), std::string::npos);
    EXPECT_EQ(logText().find("Starting to send"), std::string::npos);
}

TEST_F(SlowNetwork, AnAnswerInTimeIsUsedAndFramesAreDrawnWhileItComes) {
    hostResolver = slowLoopbackResolver;
    int listener = -1;
    const int port = mutePort(listener);
    ASSERT_GT(port, 0);
    setenv("ZELK_UPLOAD_PORT", std::to_string(port).c_str(), 1);
    const double took = post(1500);
    close(listener);
    EXPECT_EQ(slowAsked, 1);
    const std::string log = logText();
    EXPECT_NE(log.find("Ok Sent was ok"), std::string::npos) << log;
    // The server never answers: the upload ends at its limit, counted from
    // the start of the lookup, drawing frames all the while.
    EXPECT_NE(log.find("Receive error"), std::string::npos) << log;
    EXPECT_LT(took, 3.5);
    EXPECT_GE(frames, 30);
}

TEST_F(SlowNetwork, AFailedLookupEndsTheUploadAndADottedAddressAsksNoResolver) {
    hostResolver = failingResolver;
    post(5000);
    EXPECT_NE(logText().find("Hostname lookup failed collector.example\r\n"), std::string::npos);

    hostResolver = silentResolver;
    int listener = -1;
    const int port = mutePort(listener);
    setenv("ZELK_UPLOAD_HOST", "127.0.0.1", 1);
    setenv("ZELK_UPLOAD_PORT", std::to_string(port).c_str(), 1);
    post(300);
    close(listener);
    EXPECT_EQ(silent.asked, 0);
    EXPECT_NE(logText().find("Ok Sent was ok"), std::string::npos);
}
