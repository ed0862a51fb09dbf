#include "upload/socketclient.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

bool setBlocking(int fd, bool blocking) {
    int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0) return false;
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(fd, F_SETFL, flags) == 0;
}

// Waits until `fd` is ready for `events`: 0, ETIMEDOUT after `milliseconds`,
// or the errno number of a failure. With `whileWaiting` the wait is cut into
// short polls with a call between them, and its false gives the wait up
// (ECANCELED).
int awaitReady(int fd, short events, int milliseconds, const std::function<bool()>& whileWaiting) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    const long slice = whileWaiting ? 10 : milliseconds;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return ETIMEDOUT;
        pollfd waiting = {fd, events, 0};
        int ready = poll(&waiting, 1, static_cast<int>(std::min<long>(left.count(), slice)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return errno;
        if (ready > 0) return 0;
        if (whileWaiting && !whileWaiting()) return ECANCELED;
    }
}

// Waits for a non-blocking connect; 0 or the errno number of its failure.
int awaitConnection(int fd, int milliseconds, const std::function<bool()>& whileWaiting) {
    int waited = awaitReady(fd, POLLOUT, milliseconds, whileWaiting);
    if (waited != 0) return waited;
    int outcome = 0;
    socklen_t size = sizeof outcome;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &outcome, &size) != 0) return errno;
    return outcome;
}

}  // namespace

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

bool SocketClient::awaitStep(short events) {
    const int limit = timeForNextStep();
    int waited = awaitReady(fd, events, limit, whileWaiting);
    if (waited == 0) return true;
    // A step cut short to fit the exchange's limit ran out of the exchange's
    // time, not its own.
    if (waited == ETIMEDOUT) waited = limit < timeoutMilliseconds ? ETIMEDOUT : EAGAIN;
    error = waited;
    return false;
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
        outcome = errno == EINPROGRESS ? awaitConnection(fd, timeForNextStep(), whileWaiting) : errno;
    }
    if (outcome != 0) {
        error = outcome;
        return false;
    }
    return setBlocking(fd, true) || fail();
}

ssize_t SocketClient::send(const char* bytes, size_t count) {
    if (!limitNextStep()) return -1;
    if (!awaitStep(POLLOUT)) return -1;
    ssize_t taken;
    do {
        taken = ::send(fd, bytes, count, MSG_NOSIGNAL);
    } while (taken < 0 && errno == EINTR);
    if (taken < 0) noteFailure();
    return taken;
}

ssize_t SocketClient::receive(char* buffer, size_t capacity) {
    if (!limitNextStep()) return -1;
    if (!awaitStep(POLLIN)) return -1;
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
