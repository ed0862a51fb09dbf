// Test support: a real TCP server on the loopback interface for the upload
// tests, serving one connection on a thread of the test, and the small
// socket helpers around it.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// Whether `fd` has something to read within `milliseconds`.
bool readable(int fd, int milliseconds);
// Sends all of `bytes`; false when the peer is gone.
bool sendAll(int fd, const std::string& bytes);
sockaddr_in loopback(int port);
// A listening socket on 127.0.0.1 at a port the system chose; -1 on failure.
int listenOnLoopback(int backlog, int& port);
// Points the upload at `host`:`port` through its environment variables.
void pointUploadAt(const char* host, int port);

// Serves one connection on a thread: reads the request (up to its blank
// line) unless told not to, then lets `reply` do what it likes with the
// connection, then closes it. The upload is pointed at it.
class LoopbackServer {
public:
    using Reply = std::function<void(int connection)>;

    explicit LoopbackServer(Reply reply, bool readsRequest = true);
    ~LoopbackServer();

    // Waits for the connection, if one came, to be served.
    void stop();
    int port() const { return listeningPort; }
    const std::string& request();
    int connections();

private:
    void serve();

    Reply reply;
    bool readsRequest;
    int listener = -1;
    int listeningPort = 0;
    std::atomic<bool> stopping{false};
    int accepted = 0;
    std::string received;
    std::thread worker;
};

// A reply that sends `text`.
LoopbackServer::Reply answer(const std::string& text);
// Closing with a zero linger time sends a reset instead of a normal end.
void resetConnection(int connection);
