#include "upload/hostlookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <strings.h>
#include <sys/socket.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// How long the caller waits at most before it does its own work again.
const std::chrono::milliseconds waitingStep(10);

bool endsWithInvalid(const char* host) {
    static const char suffix[] = ".invalid";
    size_t length = strlen(host), suffixLength = sizeof suffix - 1;
    if (length > 0 && host[length - 1] == '.') --length;  // a fully qualified name
    return length >= suffixLength &&
           strncasecmp(host + length - suffixLength, suffix, suffixLength) == 0;
}

// What the caller and the lookup's thread share; the thread keeps it alive
// after a caller that gave up has gone.
struct PendingLookup {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool found = false;
    in_addr address{};
};

void resolveOnItsOwn(std::shared_ptr<PendingLookup> pending, std::string host,
                     HostResolver resolver) {
    in_addr address{};
    bool found = resolver(host.c_str(), address);
    {
        std::lock_guard<std::mutex> lock(pending->mutex);
        pending->found = found;
        pending->address = address;
        pending->done = true;
    }
    pending->answered.notify_one();
}

LookupOutcome awaitAnswer(PendingLookup& pending, Clock::time_point deadline,
                          const std::function<bool()>& whileWaiting, in_addr& address) {
    std::unique_lock<std::mutex> lock(pending.mutex);
    while (!pending.done) {
        const Clock::time_point now = Clock::now();
        if (now >= deadline) return LookupOutcome::TimedOut;
        pending.answered.wait_until(lock, std::min(deadline, now + waitingStep));
        if (pending.done || !whileWaiting) continue;
        lock.unlock();
        if (!whileWaiting()) return LookupOutcome::Failed;
        lock.lock();
    }
    if (!pending.found) return LookupOutcome::Failed;
    address = pending.address;
    return LookupOutcome::Found;
}

}  // namespace

HostResolver hostResolver = systemResolver;

bool systemResolver(const char* host, in_addr& result) {
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

LookupOutcome lookUpIPv4(const char* host, int port, sockaddr_in& address,
                         Clock::time_point deadline, const std::function<bool()>& whileWaiting) {
    memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, host, &address.sin_addr) == 1) return LookupOutcome::Found;
    if (host[0] == '\0' || endsWithInvalid(host)) return LookupOutcome::Failed;
    auto pending = std::make_shared<PendingLookup>();
    try {
        std::thread(resolveOnItsOwn, pending, std::string(host), hostResolver).detach();
    } catch (const std::system_error&) {
        return LookupOutcome::Failed;  // no thread to be had: no upload either
    }
    return awaitAnswer(*pending, deadline, whileWaiting, address.sin_addr);
}
