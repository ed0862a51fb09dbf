// The game upload against a real TCP server on the loopback interface: the
// request it sends, what it does with every kind of reply, and how it gives
// up when the far end or the name server misbehaves. The server is a thread
// of the test and the upload finds it through ZELK_UPLOAD_HOST and
// ZELK_UPLOAD_PORT. The resolver is the test's own, so no query leaves the
// machine.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "settings/config.h"
#include "settings/log.h"
#include "support/loopback.h"
#include "support/position.h"
#include "upload/hostlookup.h"
#include "upload/novconnector.h"
#include "upload/record.h"
#include "upload/replyprinter.h"
#include "upload/socketclient.h"

namespace {

using Clock = std::chrono::steady_clock;
const std::string requestStart = "GET /modules.php?name=ZIzorazadu&subject=zelk&g=";
const std::string headerEnd = "\r\n\r\n";

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

const char* const aRecord = "111000000000000000000002220113";
std::atomic<int> lookups{0};

// A name server that never answers while the test runs.
bool silentResolver(const char*, in_addr&) {
    ++lookups;
    std::this_thread::sleep_for(std::chrono::minutes(1));
    return false;
}

// Answers 127.0.0.1 after a while, as a slow name server does.
bool slowLoopbackResolver(const char*, in_addr& address) {
    ++lookups;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    address.s_addr = htonl(INADDR_LOOPBACK);
    return true;
}

class Upload : public testing::Test {
protected:
    void SetUp() override {
        enterScratchDirectory();
        logEverything();
        unsetenv("ZELK_UPLOAD_HOST");
        unsetenv("ZELK_UPLOAD_PORT");
        lookups = 0;
        hostResolver = silentResolver;
    }
    void TearDown() override { hostResolver = systemResolver; }

    // One upload of `record`; returns what it printed on the standard output.
    // Given a `limit` in milliseconds, it has that long and counts the frames
    // it draws meanwhile.
    std::string post(const char* record = aRecord, int limit = 0) {
        testing::internal::CaptureStdout();
        NOVConnector connector;
        connector.setGame(record, "0000000000");
        if (limit > 0) {
            connector.exchangeLimit = limit;
            connector.whileWaiting = [this] {
                ++frames;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                return true;
            };
        }
        connector.postGame();
        return testing::internal::GetCapturedStdout();
    }

    static bool logged(const std::string& line) { return logText().find(line + "\r\n") != std::string::npos; }

    int frames = 0;
};

std::string expectedRequest(const std::string& record, const std::string& user, const std::string& host) {
    return requestStart + record + "&func=add&zelkversion=1.0_R02&zelkuser=" + user + " HTTP/1.0\r\nHost: " + host +
           "\r\nUser-Agent: HTMLGET 1.0\r\n\r\n";
}

}  // namespace

TEST(UploadRequest, CutsAndEncodesItsFieldsAndTakesOnlyADecimalPortInRange) {
    NOVConnector connector;
    strcpy(connector.version, "old");
    connector.setGame(std::string(60, '7').c_str(), (std::string(99, 'u') + std::string(51, 'v')).c_str());
    EXPECT_EQ(std::string(connector.gameRecord), std::string(39, '7'));
    EXPECT_EQ(std::string(connector.user), std::string(99, 'u'));
    EXPECT_STREQ(connector.version, "1.0_R02") << "restored";
    connector.setGame(nullptr, nullptr);
    EXPECT_STREQ(connector.gameRecord, "");
    EXPECT_STREQ(connector.user, "");

    connector.setGame("12-0", "Ann Lee & co 100%/\xC3\xBC\x7F?=+#\r\nX: y~._-Az09");
    strcpy(connector.version, "2.0 beta&x");
    char* query = connector.build_get_query();
    EXPECT_NE(std::string(query).find("&g=12-0&func=add&zelkversion=2.0%20beta%26x&zelkuser="
                                      "Ann%20Lee%20%26%20co%20100%25%2F%C3%BC%7F%3F%3D%2B%23%0D%0AX%3A%20y~._-Az09 "
                                      "HTTP/1.0\r\n"),
              std::string::npos)
        << "what is not unreserved is encoded: " << query;
    delete[] query;

    setenv("ZELK_UPLOAD_HOST", std::string(300, 'h').c_str(), 1);
    EXPECT_EQ(std::string(NOVConnector().host), std::string(254, 'h'));
    setenv("ZELK_UPLOAD_HOST", "", 1);
    EXPECT_STREQ(NOVConnector().host, "games.zelk.invalid");
    const std::pair<const char*, int> ports[] = {
        {"8080", 8080}, {"1", 1},     {"65535", 65535}, {"00443", 443}, {"0", 80},  {"65536", 80},
        {"-5", 80},     {"81a", 80}, {" 81", 80},       {"", 80},       {"+81", 80}, {"999999", 80}};
    for (const auto& [text, port] : ports) {
        setenv("ZELK_UPLOAD_PORT", text, 1);
        EXPECT_EQ(NOVConnector().port, port) << '"' << text << '"';
    }
}

TEST_F(Upload, SendsExactlyTheRequestAndPrintsTheBodyOfTheReply) {
    const std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nGame stored.\nThanks";
    LoopbackServer server(answer(reply));
    const std::string record = "1" "111000000000000000000222" "01132";
    EXPECT_EQ(post(record.c_str()), "Game stored.\nThanks");
    EXPECT_EQ(server.request(), expectedRequest(record, "0000000000", "127.0.0.1"));
    EXPECT_EQ(lookups, 0) << "a dotted address asks no resolver";
    EXPECT_EQ(logText(),
              "Opening HTTP connection to 127.0.0.1\r\nStarting to send\r\n\r\nOk Sent was ok\r\n" + reply + "\r\n");
}

// Chunk by chunk as they come: the header end may be cut anywhere; from the
// chunk that holds it on, each goes to the log as text and the body out.
TEST_F(Upload, TheReplyIsFoundAfterAHeaderEndCutAcrossChunks) {
    for (size_t cut = 1; cut < headerEnd.size(); ++cut) {
        remove(iLog::fileName);
        char* printed = nullptr;
        size_t size = 0;
        FILE* out = open_memstream(&printed, &size);
        ReplyPrinter printer(out);
        const std::string chunks[] = {"HTTP/1.0 200 OK\r\nServer: loop" + headerEnd.substr(0, cut),
                                      headerEnd.substr(cut) + std::string("stor\0ed", 7), " %s%n more"};
        for (const std::string& chunk : chunks) printer.take(chunk.data(), chunk.size());
        fclose(out);
        EXPECT_EQ(std::string(printed, size), std::string("stor\0ed %s%n more", 17)) << cut;
        free(printed);
        EXPECT_EQ(logText(), headerEnd.substr(cut) + "stor.ed\r\n %s%n more\r\n") << cut;
    }
}

TEST_F(Upload, StopsAtOneMebibyteOfATenMegabyteReplyAndSaysSo) {
    LoopbackServer server([](int connection) {
        if (!sendAll(connection, "HTTP/1.0 200 OK\r\n\r\n")) return;
        const std::string block(64 * 1024, 'z');
        for (int sent = 0; sent < 160 && sendAll(connection, block); ++sent) {
        }
    });
    const std::string printed = post();
    EXPECT_LE(printed.size(), 1024u * 1024u);
    EXPECT_GT(printed.size(), 1024u * 1024u - 100u);
    EXPECT_EQ(printed.find_first_not_of('z'), std::string::npos);
    EXPECT_TRUE(logged("Reply cut after 1048576 bytes"));
    EXPECT_LT(readFile(iLog::fileName).size(), 2u * 1024u * 1024u);
}

// Each failure is logged and ends the upload with nothing printed, within
// the exchange's limit whatever the far end does.
TEST_F(Upload, EveryKindOfFailureIsLoggedAndEndsTheUpload) {
    const struct {
        const char* what;
        LoopbackServer::Reply reply;
        std::vector<std::string> lines;
    } servers[] = {
        {"a reply without a header end", answer("HTTP/1.0 200 OK\r\nX-Note: unfinished\r\n"),
         {"Ok Sent was ok", "Reply ended without a header end; nothing printed"}},
        {"a reset connection", resetConnection, {"Receive error"}},
    };
    for (const auto& s : servers) {
        remove(iLog::fileName);
        LoopbackServer server(s.reply);
        const auto start = Clock::now();
        EXPECT_EQ(post(), "") << s.what;
        EXPECT_LT(secondsSince(start), 11.0) << s.what;
        for (const std::string& line : s.lines) EXPECT_TRUE(logged(line)) << s.what << ": " << line;
        EXPECT_EQ(logText().find("X-Note"), std::string::npos) << "headers before the end are not logged";
        EXPECT_NE(server.request().find(requestStart), std::string::npos) << s.what;
    }

    unsetenv("ZELK_UPLOAD_HOST");
    unsetenv("ZELK_UPLOAD_PORT");
    remove(iLog::fileName);
    EXPECT_EQ(post(), "");
    EXPECT_EQ(logText(), "Opening HTTP connection to games.zelk.invalid\r\nHostname lookup failed games.zelk.invalid\r\n");
    EXPECT_EQ(lookups, 0);

    int port = 0;
    close(listenOnLoopback(1, port));  // nothing listens there any more
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
    pointUploadAt("127.0.0.1", port);
    const auto start = Clock::now();
    EXPECT_EQ(post(), "");
    EXPECT_LT(secondsSince(start), 11.0);
    EXPECT_TRUE(logged("Cannot connect for the following: " + std::to_string(ETIMEDOUT))) << logText();
    for (int filler : fillers) close(filler);
    close(listener);
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
    // The first send after the reset may report it; those after it meet a
    // closed pipe, which is what would raise the signal.
    const std::string bytes(1000, 'b');
    ssize_t taken = 0;
    for (int attempt = 0; attempt < 100 && (taken >= 0 || client.lastError() != EPIPE); ++attempt) {
        taken = client.send(bytes.data(), bytes.size());
        if (taken >= 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(taken, -1);
    EXPECT_EQ(client.lastError(), EPIPE);
}

TEST(SocketClient, ATricklingServerIsCutOffAtTheExchangeLimit) {
    // One byte every 100 ms keeps each receive well inside its own limit for
    // twenty seconds; only the limit on the whole exchange ends it sooner.
    LoopbackServer server([](int connection) {
        for (int i = 0; i < 200 && sendAll(connection, "x"); ++i)
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
    EXPECT_GT(bytes, 0);
    EXPECT_LT(secondsSince(start), 10.0);
    client.close();
}

TEST_F(Upload, AFinishedGameTravelsFromTheBoardToTheServerButAFailedRecordDoesNot) {
    {
        LoopbackServer server(answer("HTTP/1.0 200 OK\r\n\r\nno"));
        IConfig.gameFeedback = 1;
        gameToPost.setstate(std::ios::failbit);
        informNOVL();
        EXPECT_EQ(server.connections(), 0) << "a failed record is not sent";
    }
    startHeadlessGame();
    logEverything();
    setBoard({0, 1, 2}, {21, 22, 23});
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
}

TEST_F(Upload, ANameServerThatNeverAnswersCannotHoldTheUploadPastItsLimit) {
    setenv("ZELK_UPLOAD_HOST", "collector.example", 1);
    const auto start = Clock::now();
    EXPECT_EQ(post(aRecord, 700), "");
    EXPECT_LT(secondsSince(start), 3.0) << "the lookup held the upload";
    EXPECT_GE(frames, 10) << "the screen stood still during the lookup";
    EXPECT_EQ(lookups, 1);
    EXPECT_TRUE(logText().find("Hostname lookup failed collector.example") != std::string::npos);
    EXPECT_FALSE(logged("Starting to send"));
}

// The server never answers: the upload ends at its limit, counted from the
// start of the lookup, drawing frames all the while.
TEST_F(Upload, AnAnswerInTimeIsUsedAndFramesAreDrawnWhileItComes) {
    hostResolver = slowLoopbackResolver;
    int port = 0;
    const int listener = listenOnLoopback(4, port);  // accepts into its backlog, never answers
    pointUploadAt("collector.example", port);
    const auto start = Clock::now();
    post(aRecord, 1500);
    const double took = secondsSince(start);
    close(listener);
    EXPECT_EQ(lookups, 1);
    EXPECT_TRUE(logged("Ok Sent was ok")) << logText();
    EXPECT_TRUE(logged("Receive error")) << logText();
    EXPECT_LT(took, 3.5);
    EXPECT_GE(frames, 30);
}
