#include "support/loopback.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
const std::string headerEnd = "\r\n\r\n";
}  // namespace

bool readable(int fd, int milliseconds) {
    pollfd waiting = {fd, POLLIN, 0};
    return poll(&waiting, 1, milliseconds) > 0;
}

bool sendAll(int fd, const std::string& bytes) {
    for (size_t sent = 0; sent < bytes.size();) {
        ssize_t taken = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (taken <= 0) return false;
        sent += static_cast<size_t>(taken);
    }
    return true;
}

sockaddr_in loopback(int port) {
    sockaddr_in address;
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int listenOnLoopback(int backlog, int& port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t size = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd, backlog) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
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

LoopbackServer::LoopbackServer(Reply reply, bool readsRequest) : reply(std::move(reply)), readsRequest(readsRequest) {
    listener = listenOnLoopback(4, listeningPort);
    pointUploadAt("127.0.0.1", listeningPort);
    worker = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stop();
    if (listener >= 0) close(listener);
}

void LoopbackServer::stop() {
    stopping = true;
    if (worker.joinable()) worker.join();
}

const std::string& LoopbackServer::request() {
    stop();
    return received;
}

int LoopbackServer::connections() {
    stop();
    return accepted;
}

void LoopbackServer::serve() {
    if (listener < 0) return;
    for (;;) {
        // One last look after the stop, for a connection still queued.
        const bool last = stopping;
        if (readable(listener, last ? 0 : 20)) {
            int connection = accept(listener, nullptr, nullptr);
            if (connection < 0) return;
            ++accepted;
            timeval limit = {10, 0};
            setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
            char buffer[1024];
            while (readsRequest && received.find(headerEnd) == std::string::npos && readable(connection, 20000)) {
                ssize_t got = recv(connection, buffer, sizeof buffer, 0);
                if (got <= 0) break;
                received.append(buffer, static_cast<size_t>(got));
            }
            reply(connection);
            close(connection);
            return;
        }
        if (last) return;
    }
}

LoopbackServer::Reply answer(const std::string& text) {
    return [text](int connection) { sendAll(connection, text); };
}

void resetConnection(int connection) {
    linger abrupt = {1, 0};
    setsockopt(connection, SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
}
