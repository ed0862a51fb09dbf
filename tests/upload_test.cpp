// The game upload against a real TCP server on the loopback interface: the
// request it sends, what it does with every kind of reply, and how it gives
// up when the far end misbehaves. The server is a thread of the test and the
// upload finds it through ZELK_UPLOAD_HOST and ZELK_UPLOAD_PORT.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <thread>

#include "rules/board.h"
#include "rules/cell.h"
#include "settings/config.h"
#include "settings/log.h"
#include "sprites/pawn.h"
#include "sprites/player.h"
#include "support/testenv.h"
#include "upload/novconnector.h"
#include "upload/record.h"
#include "upload/socketclient.h"

// The size of the latest array allocation, to see exactly how large a buffer
// build_get_query asks for.
namespace {
size_t lastArrayAllocation = 0;
}
void* operator new[](size_t size) {
    lastArrayAllocation = size;
    if (void* block = malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete[](void* block) noexcept { free(block); }
void operator delete[](void* block, size_t) noexcept { free(block); }

namespace {

using Clock = std::chrono::steady_clock;
const std::string requestStart = "GET /modules.php?name=ZIzorazadu&subject=zelk&g=";
const std::string headerEnd = "\r\n\r\n";

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool readable(int fd, int milliseconds) {
    pollfd waiting = {fd, POLLIN, 0};
    return poll(&waiting, 1, milliseconds) > 0;
}

bool sendAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t taken = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (taken <= 0) return false;
        sent += static_cast<size_t>(taken);
    }
    return true;
}

// Reads until the peer closes, fails, or stays silent for `milliseconds`.
void drainUntilClosed(int fd, int milliseconds) {
    char buffer[4096];
    while (readable(fd, milliseconds) && recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
}

sockaddr_in loopback(int port) {
    sockaddr_in address;
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A listening socket on 127.0.0.1 at a port the system chose.
int listenOnLoopback(int backlog, int& port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t size = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(fd, backlog) != 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ADD_FAILURE() << "cannot listen on the loopback interface: " << strerror(errno);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

void pointUploadAt(const char* host, int port) {
    setenv("ZELK_UPLOAD_HOST", host, 1);
    setenv("ZELK_UPLOAD_PORT", std::to_string(port).c_str(), 1);
}

// Serves one connection on a thread: reads the request (up to its blank
// line) unless told not to, then lets `reply` do what it likes with the
// connection, then closes it.
class LoopbackServer {
public:
    using Reply = std::function<void(int connection)>;

    explicit LoopbackServer(Reply reply, bool readsRequest = true)
        : reply(std::move(reply)), readsRequest(readsRequest) {
        listener = listenOnLoopback(4, listeningPort);
        pointUploadAt("127.0.0.1", listeningPort);
        worker = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        stop();
        if (listener >= 0) close(listener);
    }

    // Waits for the connection, if one came, to be served.
    void stop() {
        stopping = true;
        if (worker.joinable()) worker.join();
    }
    int port() const { return listeningPort; }
    const std::string& request() {
        stop();
        return received;
    }
    int connections() {
        stop();
        return accepted;
    }

private:
    void serve() {
        if (listener < 0) return;
        for (;;) {
            // One last look after the stop, for a connection still queued.
            bool last = stopping;
            if (readable(listener, last ? 0 : 20)) {
                int connection = accept(listener, nullptr, nullptr);
                if (connection < 0) return;
                ++accepted;
                timeval limit = {10, 0};
                setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
                if (readsRequest) readRequest(connection);
                reply(connection);
                close(connection);
                return;
            }
            if (last) return;
        }
    }

    void readRequest(int connection) {
        char buffer[1024];
        while (received.find(headerEnd) == std::string::npos && readable(connection, 5000)) {
            ssize_t got = recv(connection, buffer, sizeof buffer, 0);
            if (got <= 0) return;
            received.append(buffer, static_cast<size_t>(got));
        }
    }

    Reply reply;
    bool readsRequest;
    int listener = -1;
    int listeningPort = 0;
    std::atomic<bool> stopping{false};
    int accepted = 0;
    std::string received;
    std::thread worker;
};

LoopbackServer::Reply answer(const std::string& text) {
    return [text](int connection) { sendAll(connection, text); };
}

// Closing with a zero linger time sends a reset instead of a normal end.
void resetConnection(int connection) {
    linger abrupt = {1, 0};
    setsockopt(connection, SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
}

class Upload : public testing::Test {
protected:
    void SetUp() override {
        enterScratchDirectory();
        logEverything();
        unsetenv("ZELK_UPLOAD_HOST");
        unsetenv("ZELK_UPLOAD_PORT");
    }

    // One upload of `record`; returns what it printed on the standard output.
    std::string post(const char* record = "111000000000000000000002220113",
                     const char* user = "0000000000") {
        testing::internal::CaptureStdout();
        NOVConnector connector;
        connector.setGame(record, user);
        connector.postGame();
        return testing::internal::GetCapturedStdout();
    }

    static bool logged(const std::string& line) {
        return logText().find(line + "\r\n") != std::string::npos;
    }
};

std::string expectedRequest(const std::string& record, const std::string& user, const std::string& host) {
    return requestStart + record + "&func=add&zelkversion=1.0_R02&zelkuser=" + user +
           " HTTP/1.0\r\nHost: " + host + "\r\nUser-Agent: HTMLGET 1.0\r\n\r\n";
}

// ---------------------------------------------------------------------------
// The request

TEST(BuildGetQuery, FollowsTheTemplateByteForByteInABufferOfExactlyItsSize) {
    unsetenv("ZELK_UPLOAD_HOST");
    const std::string record = "1" "111000000000000000000222" "01132";
    ASSERT_EQ(record.size(), 30u);
    NOVConnector connector;
    connector.setGame(record.c_str(), "0000000000");
    lastArrayAllocation = 0;
    char* query = connector.build_get_query();
    const size_t allocated = lastArrayAllocation;
    ASSERT_NE(query, nullptr);
    const std::string text = query;
    EXPECT_EQ(text, expectedRequest(record, "0000000000", "games.zelk.invalid"));
    EXPECT_EQ(allocated, text.size() + 1);
    delete[] query;
}

TEST(BuildGetQuery, PercentEncodesEveryByteOutsideTheUnreservedSet) {
    NOVConnector connector;
    connector.setGame("12-0", "Ann Lee & co 100%/\xC3\xBC\x7F?=+#\r\nX: y~._-Az09");
    strcpy(connector.version, "2.0 beta&x");
    char* query = connector.build_get_query();
    const std::string text = query;
    delete[] query;
    EXPECT_NE(text.find("&g=12-0&func=add&zelkversion=2.0%20beta%26x&zelkuser="
                        "Ann%20Lee%20%26%20co%20100%25%2F%C3%BC%7F%3F%3D%2B%23%0D%0AX%3A%20y~._-Az09 "
                        "HTTP/1.0\r\n"),
              std::string::npos)
        << text;
}

// ---------------------------------------------------------------------------
// The connector's fields

TEST(SetGame, CutsTheRecordTo39AndTheUserTo99Characters) {
    NOVConnector connector;
    const std::string record(60, '7'), user = std::string(99, 'u') + std::string(51, 'v');
    connector.setGame(record.c_str(), user.c_str());
    EXPECT_EQ(std::string(connector.gameRecord), record.substr(0, 39));
    EXPECT_EQ(std::string(connector.user), user.substr(0, 99));
}

TEST(SetGame, RestoresTheBuildVersionAndTakesNullAsEmpty) {
    NOVConnector connector;
    strcpy(connector.version, "old");
    connector.setGame(nullptr, nullptr);
    EXPECT_STREQ(connector.version, "1.0_R02");
    EXPECT_STREQ(connector.gameRecord, "");
    EXPECT_STREQ(connector.user, "");
}

TEST(Environment, TakesAHostCutToItsFieldAndOnlyADecimalPortInRange) {
    const std::string longHost(300, 'h');
    setenv("ZELK_UPLOAD_HOST", longHost.c_str(), 1);
    EXPECT_EQ(std::string(NOVConnector().host), longHost.substr(0, 254));
    setenv("ZELK_UPLOAD_HOST", "", 1);
    EXPECT_STREQ(NOVConnector().host, "games.zelk.invalid");

    const std::pair<const char*, int> ports[] = {
        {"8080", 8080}, {"1", 1}, {"65535", 65535}, {"00443", 443}, {"0", 80},     {"65536", 80},
        {"-5", 80},     {"81a", 80}, {" 81", 80},   {"", 80},       {"+81", 80},   {"999999", 80}};
    for (const auto& [text, port] : ports) {
        setenv("ZELK_UPLOAD_PORT", text, 1);
        EXPECT_EQ(NOVConnector().port, port) << '"' << text << '"';
    }
}

// ---------------------------------------------------------------------------
// The exchange with a well-behaved server

TEST_F(Upload, SendsExactlyTheRequestAndPrintsTheBodyOfTheReply) {
    const std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nGame stored.\nThanks";
    LoopbackServer server(answer(reply));
    const std::string record = "1" "111000000000000000000222" "01132";
    const std::string printed = post(record.c_str());
    EXPECT_EQ(server.request(), expectedRequest(record, "0000000000", "127.0.0.1"));
    EXPECT_EQ(printed, "Game stored.\nThanks");
    EXPECT_EQ(logText(),
              "Opening HTTP connection to 127.0.0.1\r\nStarting to send\r\n\r\nOk Sent was ok\r\n" + reply +
                  "\r\n");
}

TEST_F(Upload, FindsAHeaderEndSplitAcrossChunksAndPrintsLaterChunksWhole) {
    const std::string headers = "HTTP/1.0 200 OK\r\nServer: loop";
    for (size_t cut = 1; cut < headerEnd.size(); ++cut) {
        SCOPED_TRACE("header end cut after " + std::to_string(cut) + " bytes");
        remove(iLog::fileName);
        const std::string first = headers + headerEnd.substr(0, cut);
        const std::string second = headerEnd.substr(cut) + "stored";
        LoopbackServer server([&](int connection) {
            int on = 1;
            setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            sendAll(connection, first);
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            sendAll(connection, second);
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            sendAll(connection, " and more");
        });
        EXPECT_EQ(post(), "stored and more");
        const std::string log = logText();
        EXPECT_NE(log.find("Ok Sent was ok\r\n" + second + "\r\n and more\r\n"), std::string::npos) << log;
        EXPECT_EQ(log.find("Server: loop"), std::string::npos) << "headers before the end are not logged";
    }
}

TEST_F(Upload, StopsAtOneMebibyteOfATenMegabyteReplyAndSaysSo) {
    LoopbackServer server([](int connection) {
        if (!sendAll(connection, "HTTP/1.0 200 OK\r\n\r\n")) return;
        const std::string block(64 * 1024, 'z');
        for (int sent = 0; sent < 160 && sendAll(connection, block); ++sent) {
        }
    });
    const auto start = Clock::now();
    const std::string printed = post();
    EXPECT_LT(secondsSince(start), 5.0);
    EXPECT_LE(printed.size(), 1024u * 1024u);
    EXPECT_GT(printed.size(), 1024u * 1024u - 100u);
    EXPECT_EQ(printed.find_first_not_of('z'), std::string::npos);
    EXPECT_TRUE(logged("Reply cut after 1048576 bytes"));
    EXPECT_LT(readFile(iLog::fileName).size(), 2u * 1024u * 1024u);
}

TEST_F(Upload, AReplyWithoutAHeaderEndPrintsNothing) {
    LoopbackServer server(answer("HTTP/1.0 200 OK\r\nX-Note: unfinished\r\n"));
    EXPECT_EQ(post(), "");
    EXPECT_TRUE(logged("Ok Sent was ok"));
    EXPECT_TRUE(logged("Reply ended without a header end; nothing printed"));
    EXPECT_EQ(logText().find("X-Note"), std::string::npos);
}

TEST_F(Upload, NulBytesAndFormatDirectivesInTheReplyAreOnlyText) {
    const std::string body("ok\0%s%n%n%s%x\0end", 17);
    LoopbackServer server(answer("HTTP/1.0 200 OK\r\n\r\n" + body));
    EXPECT_EQ(post(), body);
    EXPECT_TRUE(logged("HTTP/1.0 200 OK\r\n\r\nok.%s%n%n%s%x.end"));
}

// ---------------------------------------------------------------------------
// Failures: each is logged and ends the upload

TEST_F(Upload, TheBuiltInHostFailsItsLookupAtOnce) {
    const auto start = Clock::now();
    EXPECT_EQ(post(), "");
    EXPECT_LT(secondsSince(start), 1.0);
    EXPECT_EQ(logText(), "Opening HTTP connection to games.zelk.invalid\r\n"
                         "Hostname lookup failed games.zelk.invalid\r\n");
}

TEST_F(Upload, AClosedPortIsRefused) {
    int port = 0;
    int fd = listenOnLoopback(1, port);
    close(fd);  // nothing listens there any more
    pointUploadAt("127.0.0.1", port);
    EXPECT_EQ(post(), "");
    EXPECT_TRUE(logged("Cannot connect for the following: " + std::to_string(ECONNREFUSED)));
    EXPECT_FALSE(logged("Starting to send"));
}

TEST_F(Upload, AConnectThatNeverCompletesTimesOut) {
    // A listener whose queue is full drops further handshakes unanswered, so
    // the connect hangs as it would for a host that has gone.
    int port = 0;
    int listener = listenOnLoopback(0, port);
    int fillers[2];
    for (int& filler : fillers) {
        filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in address = loopback(port);
        connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    pointUploadAt("127.0.0.1", port);
    const auto start = Clock::now();
    EXPECT_EQ(post(), "");
    const double waited = secondsSince(start);
    EXPECT_GT(waited, 2.0);
    EXPECT_LT(waited, 6.0);
    EXPECT_TRUE(logged("Cannot connect for the following: " + std::to_string(ETIMEDOUT))) << logText();
    for (int filler : fillers) close(filler);
    close(listener);
}

TEST_F(Upload, AServerThatNeverAnswersTimesOutTheReceive) {
    LoopbackServer server([](int connection) { drainUntilClosed(connection, 10000); });
    const auto start = Clock::now();
    EXPECT_EQ(post(), "");
    const double waited = secondsSince(start);
    EXPECT_GT(waited, 2.0);
    EXPECT_LT(waited, 6.0);
    EXPECT_TRUE(logged("Ok Sent was ok"));
    EXPECT_TRUE(logged("Receive error"));
}

TEST_F(Upload, AResetConnectionIsAReceiveError) {
    LoopbackServer server(resetConnection);
    EXPECT_EQ(post(), "");
    EXPECT_NE(server.request().find(requestStart), std::string::npos);
    EXPECT_TRUE(logged("Receive error"));
}

TEST(SocketClient, SendingToAResetPeerFailsWithoutSigpipe) {
    int port = 0;
    int listener = listenOnLoopback(1, port);
    SocketClient client;
    ASSERT_TRUE(client.open());
    ASSERT_TRUE(client.connectTo(loopback(port)));
    int connection = accept(listener, nullptr, nullptr);
    ASSERT_GE(connection, 0);
    resetConnection(connection);
    close(connection);
    close(listener);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string bytes(1000, 'b');
    // The first send after the reset may report it; those after it meet a
    // closed pipe, which is what would raise the signal.
    ssize_t taken = 0;
    for (int attempt = 0; attempt < 5; ++attempt) taken = client.send(bytes.data(), bytes.size());
    EXPECT_EQ(taken, -1);
    EXPECT_EQ(client.lastError(), EPIPE);
}

TEST(SocketClient, ATricklingServerIsCutOffAtTheExchangeLimit) {
    // One byte every 100 ms keeps each receive well inside its own limit;
    // only the limit on the whole exchange ends it.
    LoopbackServer server([](int connection) {
        for (int i = 0; i < 100 && sendAll(connection, "x"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }, false);
    SocketClient client(1500);
    ASSERT_TRUE(client.open());
    ASSERT_TRUE(client.connectTo(loopback(server.port())));
    const auto start = Clock::now();
    char buffer[16];
    ssize_t got;
    int bytes = 0;
    while ((got = client.receive(buffer, sizeof buffer)) > 0) bytes += static_cast<int>(got);
    EXPECT_EQ(got, -1);
    EXPECT_EQ(client.lastError(), ETIMEDOUT);
    EXPECT_GT(bytes, 5);
    EXPECT_LT(secondsSince(start), 2.5);
    client.close();
}

// ---------------------------------------------------------------------------
// informNOVL: the configuration decides, the record goes out unchanged

TEST_F(Upload, WithoutConsentNothingConnects) {
    LoopbackServer server(answer("HTTP/1.0 200 OK\r\n\r\nno"));
    IConfig.gameFeedback = 0;
    startRecord(1);
    testing::internal::CaptureStdout();
    informNOVL();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(logText(), "User does not wish to communicate this game\r\n");
}

TEST_F(Upload, AFailedRecordIsNotSent) {
    LoopbackServer server(answer("HTTP/1.0 200 OK\r\n\r\nno"));
    IConfig.gameFeedback = 1;
    startRecord(1);
    gameToPost.setstate(std::ios::failbit);
    informNOVL();
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(logText(), "");
}

TEST_F(Upload, AFinishedGameTravelsFromTheBoardToTheServer) {
    for (int i = 0; i < CELL_COUNT; ++i) en_cell[i] = new Cell();
    for (int i = 0; i < PAWN_COUNT; ++i) {
        en_pawn[i] = new Pawn();
        en_pawn[i]->owner = i < 12 ? 1 : 2;
    }
    for (int i = 0; i < 3; ++i) {
        en_cell[i]->setCurrentPawn(i);
        en_cell[21 + i]->setCurrentPawn(12 + i);
    }
    playerOne = new iPlayer();
    playerOne->id = 1;
    playerOne->type = HUMAN;
    playerTwo = new iPlayer();
    playerTwo->id = 2;
    playerTwo->type = COMPUTER;
    currentPlayer = playerTwo;
    IConfig.gameLevel = 2;
    IConfig.gameFeedback = 1;
    IConfig.userId = "Tavi & co";

    LoopbackServer server(answer("HTTP/1.0 200 OK\r\n\r\nthanks"));
    startRecord(1);
    prepareInfoForNOVL();
    recordWinner(2);
    testing::internal::CaptureStdout();
    informNOVL();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "thanks");

    const std::string record = "1" "111" + std::string(18, '0') + "222" "01222";
    EXPECT_EQ(gameToPost.str(), record);
    EXPECT_EQ(server.request(), expectedRequest(record, "Tavi%20%26%20co", "127.0.0.1"));

    delete playerOne;
    delete playerTwo;
    playerOne = playerTwo = currentPlayer = nullptr;
    for (Cell*& cell : en_cell) delete cell, cell = nullptr;
    for (Pawn*& pawn : en_pawn) delete pawn, pawn = nullptr;
}

}  // namespace
