#include "upload/novconnector.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/version.h"
#include "settings/log.h"
#include "upload/hostlookup.h"
#include "upload/percentencoding.h"
#include "upload/replyprinter.h"
#include "upload/socketclient.h"

namespace {

// No service answers here: the name is reserved and never resolves, so an
// upload goes nowhere unless ZELK_UPLOAD_HOST points it somewhere.
const char* const serviceHost = "games.zelk.invalid";
const char* const servicePage = "modules.php?name=ZIzorazadu&subject=zelk&g=";
const char* const anonymousUser = "0000000000";
const char* const userAgent = "HTMLGET 1.0";
const char requestTemplate[] =
    "GET /%s%s&func=add&zelkversion=%s&zelkuser=%s HTTP/1.0\r\nHost: %s\r\nUser-Agent: %s\r\n\r\n";

const size_t chunkSize = 512;
// The reply is only shown; anything past this is a misbehaving server.
const size_t replyLimit = 1024 * 1024;

void copyCut(char* field, size_t capacity, const char* text) {
    if (!text) text = "";
    size_t length = strnlen(text, capacity - 1);
    memcpy(field, text, length);
    field[length] = '\0';
}


// Decimal 1..65535 and nothing else; false leaves the port alone.
bool parsePort(const char* text, int& port) {
    if (!text || !*text || strlen(text) > 5) return false;
    int value = 0;
    for (const char* at = text; *at; ++at) {
        if (*at < '0' || *at > '9') return false;
        value = value * 10 + (*at - '0');
    }
    if (value < 1 || value > 65535) return false;
    port = value;
    return true;
}

bool sendRequest(SocketClient& client, const char* request) {
    const size_t length = strlen(request);
    size_t sent = 0;
    while (sent < length) {
        ssize_t taken = client.send(request + sent, length - sent);
        ILog.log(3, "%s", "");
        if (taken < 0) {
            ILog.log(3, "Can't send for the error  %d", client.lastError());
            return false;
        }
        sent += static_cast<size_t>(taken);
    }
    return true;
}

void printReply(SocketClient& client) {
    char buffer[chunkSize + 1];
    memset(buffer, 0, sizeof buffer);
    ReplyPrinter printer;
    size_t total = 0;
    ssize_t got = 0;
    while (total < replyLimit) {
        got = client.receive(buffer, std::min(chunkSize, replyLimit - total));
        if (got <= 0) break;
        total += static_cast<size_t>(got);
        printer.take(buffer, static_cast<size_t>(got));
        memset(buffer, 0, static_cast<size_t>(got));
    }
    fflush(stdout);
    if (got < 0) {
        ILog.log(3, "Receive error");
    } else if (total >= replyLimit && client.mayHaveMore()) {
        ILog.log(3, "Reply cut after %zu bytes", total);
    } else if (total > 0 && !printer.sawBody()) {
        ILog.log(3, "Reply ended without a header end; nothing printed");
    }
}

}  // namespace

NOVConnector::NOVConnector()
    : port(80), request(nullptr), exchangeLimit(SocketClient::exchangeLimitMilliseconds) {
    const char* hostOverride = getenv("ZELK_UPLOAD_HOST");
    copyCut(host, hostSize, hostOverride && *hostOverride ? hostOverride : serviceHost);
    parsePort(getenv("ZELK_UPLOAD_PORT"), port);
    copyCut(page, pageSize, servicePage);
    gameRecord[0] = '\0';
    copyCut(version, versionSize, buildVer);
    copyCut(user, userSize, anonymousUser);
}

NOVConnector::~NOVConnector() {
    delete[] request;
}

void NOVConnector::setGame(const char* game, const char* userId) {
    copyCut(gameRecord, recordSize, game);
    copyCut(user, userSize, userId);
    copyCut(version, versionSize, buildVer);
}

char* NOVConnector::build_get_query() {
    const std::string record = percentEncoded(gameRecord);
    const std::string versionText = percentEncoded(version);
    const std::string userText = percentEncoded(user);
    int length = snprintf(nullptr, 0, requestTemplate, page, record.c_str(), versionText.c_str(),
                          userText.c_str(), host, userAgent);
    if (length < 0) return nullptr;
    char* text = new char[static_cast<size_t>(length) + 1];
    snprintf(text, static_cast<size_t>(length) + 1, requestTemplate, page, record.c_str(),
             versionText.c_str(), userText.c_str(), host, userAgent);
    return text;
}

void NOVConnector::postGame() {
    ILog.log(3, "Opening HTTP connection to %s", host);
    if (!startSocketLayer()) {
        ILog.log(3, "Cannot start WSA");
        return;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(exchangeLimit);
    sockaddr_in address;
    const LookupOutcome lookup = lookUpIPv4(host, port, address, deadline, whileWaiting);
    if (lookup != LookupOutcome::Found) {
        if (lookup == LookupOutcome::TimedOut)
            ILog.log(3, "Hostname lookup failed %s: no answer within %d ms", host, exchangeLimit);
        else
            ILog.log(3, "Hostname lookup failed %s", host);
        stopSocketLayer();
        return;
    }
    // What the lookup left of the exchange's time.
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    SocketClient client(std::max(1, static_cast<int>(left.count())));
    client.whileWaiting = whileWaiting;
    if (!client.open()) {
        ILog.log(3, "Can't open network socket:  %d", client.lastError());
    } else if (!client.connectTo(address)) {
        ILog.log(3, "Cannot connect for the following: %d", client.lastError());
    } else {
        delete[] request;
        request = build_get_query();
        ILog.log(3, "Starting to send");
        if (request && sendRequest(client, request)) {
            ILog.log(3, "Ok Sent was ok");
            printReply(client);
        }
    }
    client.close();
    stopSocketLayer();
}
