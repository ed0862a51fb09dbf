// A blocking IPv4 TCP client for one short exchange with a web service.
// Nothing it does can hang the game for long: the connect, every send and
// every receive give up after `timeoutMilliseconds`, and the whole exchange,
// counted from open(), after its limit (a server trickling one byte at a
// time would otherwise keep every step alive). Sending to a peer that
// has gone fails with an error instead of raising SIGPIPE. Errors are errno
// numbers, kept by the client so that logging cannot overwrite them.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <netinet/in.h>
#include <sys/types.h>

// On POSIX the socket layer needs no set-up; the steps stay so that an
// upload reads the same on every platform.
inline bool startSocketLayer() { return true; }
inline void stopSocketLayer() {}

class SocketClient {
public:
    static const int timeoutMilliseconds = 3000;
    static const int exchangeLimitMilliseconds = 10000;

    explicit SocketClient(int exchangeLimit = exchangeLimitMilliseconds)
        : exchangeLimit(exchangeLimit) {}
    SocketClient(const SocketClient&) = delete;
    SocketClient& operator=(const SocketClient&) = delete;
    ~SocketClient();

    // A TCP stream socket with the send and receive time limits set.
    bool open();
    // ETIMEDOUT when the connection is not made within the time limit.
    bool connectTo(const sockaddr_in& address);
    // Bytes taken (possibly fewer than offered), or -1.
    ssize_t send(const char* bytes, size_t count);
    // Bytes received, 0 at the end of the stream, or -1 (EAGAIN when the
    // step timed out, ETIMEDOUT when the exchange is out of time).
    ssize_t receive(char* buffer, size_t capacity);
    // Whether the peer may still send: true unless it has closed its side
    // and nothing is waiting to be read. Never blocks.
    bool mayHaveMore();
    void close();

    int lastError() const { return error; }

    // Called about every 10 ms while a step waits on the network, so that
    // the screen the exchange runs under keeps moving; false gives the step
    // up (ECANCELED).
    std::function<bool()> whileWaiting;

private:
    bool fail();
    void noteFailure();  // after a send or receive failed
    // Milliseconds the next step may take: the step limit, or less when the
    // exchange is nearly out of time; 0 when it is.
    int timeForNextStep() const;
    // Sets the socket's send and receive limits to timeForNextStep(); false
    // (ETIMEDOUT) when no time is left.
    bool limitNextStep();
    // Waits, within the next step's time, until the socket is ready for
    // `events`; false with the error kept (EAGAIN when the step's time ran
    // out, ETIMEDOUT when the exchange's did).
    bool awaitStep(short events);

    int exchangeLimit;
    std::chrono::steady_clock::time_point deadline;
    int fd = -1;
    int error = 0;
};
