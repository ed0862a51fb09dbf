#include "app/termination.h"

#include <csignal>

namespace {

volatile sig_atomic_t requested = 0;

void onTermination(int) {
    requested = 1;
}

}  // namespace

void installTerminationHandler() {
    struct sigaction action = {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    // The video library, started later, leaves handlers it finds alone.
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool terminationRequested() {
    return requested != 0;
}
