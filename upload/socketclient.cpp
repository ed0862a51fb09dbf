#include "upload/socketclient.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

bool endsWithInvalid(const char* host) {
    static const char suffix[] = ".invalid";
    size_t length = strlen(host), suffixLength = sizeof suffix - 1;
    if (length > 0 && host[length - 1] == '.') --length;  // a fully qualified name
    return length >= suffixLength &&
           strncasecmp(host + length - suffixLength, suffix, suffixLength) == 0;
}

bool resolveName(const char* host, in_addr& result) {
    if (host[0] == '\0' || endsWithInvalid(host)) return false;
    addrinfo hints;
    memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) return false;
    result = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

bool setBlocking(int fd, bool blocking) {
    int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0) return false;
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(fd, F_SETFL, flags) == 0;
}

// Waits for a non-blocking connect; 0 or the errno number of its failure.
int awaitConnection(int fd, int milliseconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return ETIMEDOUT;
        pollfd waiting = {fd, POLLOUT, 0};
        int ready = poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return errno;
        if (ready == 0) return ETIMEDOUT;
        int outcome = 0;
        socklen_t size = sizeof outcome;
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &outcome, &size) != 0) return errno;
        return outcome;
    }
}

}  // namespace

bool lookUpIPv4(const char* host, int port, sockaddr_in& address) {
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, host, &address.sin_addr) == 1) return true;
    return resolveName(host, address.sin_addr);
}

SocketClient::~SocketClient() {
    close();
}

bool SocketClient::fail() {
    error = errno;
    return false;
}

void SocketClient::noteFailure() {
    // A step cut short to fit the exchange's limit ran out of the exchange's
    // time, not its own.
    bool timedOut = errno == EAGAIN || errno == EWOULDBLOCK;
    error = timedOut && timeForNextStep() == 0 ? ETIMEDOUT : errno;
}

int SocketClient::timeForNextStep() const {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return 0;
    return left.count() < timeoutMilliseconds ? static_cast<int>(left.count()) : timeoutMilliseconds;
}

bool SocketClient::limitNextStep() {
    int milliseconds = timeForNextStep();
    if (milliseconds <= 0) {
        error = ETIMEDOUT;
        return false;
    }
    timeval limit;
    limit.tv_sec = milliseconds / 1000;
    limit.tv_usec = (milliseconds % 1000) * 1000;
    if (setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) != 0 ||
        setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0)
        return fail();
    return true;
}

bool SocketClient::open() {
    close();
    deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(exchangeLimit);
    fd = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (fd < 0) return fail();
    if (!limitNextStep()) {
        close();
        return false;
    }
    return true;
}

bool SocketClient::connectTo(const sockaddr_in& address) {
    if (fd < 0) {
        error = EBADF;
        return false;
    }
    // A blocking connect would wait for the kernel's own limit, minutes when
    // the far end never answers; a non-blocking one lets us choose.
    if (!setBlocking(fd, false)) return fail();
    int outcome = 0;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        outcome = errno == EINPROGRESS ? awaitConnection(fd, timeForNextStep()) : errno;
    }
    if (outcome != 0) {
        error = outcome;
        return false;
    }
    return setBlocking(fd, true) || fail();
}

ssize_t SocketClient::send(const char* bytes, size_t count) {
    if (!limitNextStep()) return -1;
    ssize_t taken;
    do {
        taken = ::send(fd, bytes, count, MSG_NOSIGNAL);
    } while (taken < 0 && errno == EINTR);
    if (taken < 0) noteFailure();
    return taken;
}

ssize_t SocketClient::receive(char* buffer, size_t capacity) {
    if (!limitNextStep()) return -1;
    ssize_t got;
    do {
        got = ::recv(fd, buffer, capacity, 0);
    } while (got < 0 && errno == EINTR);
    if (got < 0) noteFailure();
    return got;
}

bool SocketClient::mayHaveMore() {
    char next;
    return ::recv(fd, &next, 1, MSG_PEEK | MSG_DONTWAIT) != 0;
}

void SocketClient::close() {
    if (fd >= 0) ::close(fd);
    fd = -1;
}
