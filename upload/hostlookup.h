// The IPv4 address of the game-collection service, found without letting a
// silent or slow name server hold the game. A name lookup cannot be
// cancelled, so it runs on a thread of its own that hands its answer back;
// the caller waits for it only until a deadline, doing its own work (such as
// drawing a frame) between short waits. A lookup given up on finishes on its
// own and its answer is dropped.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <functional>

enum class LookupOutcome { Found, Failed, TimedOut };

// A dotted IPv4 text is taken as it stands, without any lookup; names under
// ".invalid" never resolve, so they fail at once without asking the
// resolver; any other name is the resolver's, within the deadline.
LookupOutcome lookUpIPv4(const char* host, int port, sockaddr_in& address,
                         std::chrono::steady_clock::time_point deadline,
                         const std::function<bool()>& whileWaiting = {});

// How a name becomes an address: the system's resolver, unless a test puts
// one of its own here. It runs on the lookup's thread, so it must not use
// the log, which belongs to the game's thread.
using HostResolver = bool (*)(const char* host, in_addr& address);
extern HostResolver hostResolver;
bool systemResolver(const char* host, in_addr& address);
