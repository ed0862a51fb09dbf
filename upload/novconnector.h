// One upload of a game record: an HTTP/1.0 GET request to the
// game-collection service over a plain TCP connection. The reply is only
// printed and logged.
#pragma once

#include <functional>

class NOVConnector {
public:
    static const int hostSize = 255;
    static const int pageSize = 255;
    static const int recordSize = 40;
    static const int versionSize = 100;
    static const int userSize = 100;

    NOVConnector();
    virtual ~NOVConnector();
    // Performs the exchange; every failure is logged and ends it.
    virtual void postGame();
    // Copies the record and the user id, each cut to its field.
    virtual void setGame(const char* game, const char* user);

    // A new request text (owned by the caller), exactly as long as needed.
    char* build_get_query();

    char host[hostSize];
    char page[pageSize];
    char gameRecord[recordSize];
    char version[versionSize];
    char user[userSize];
    int port;
    char* request;
    // The whole exchange, the name lookup included, ends within this limit.
    int exchangeLimit;
    // Called about once a frame while the exchange waits on the network, so
    // that the screen it runs under keeps moving; false gives it up.
    std::function<bool()> whileWaiting;
};
