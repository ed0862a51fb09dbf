#include "sprites/about.h"

#include "settings/log.h"
#include "settings/message.h"

namespace {
const char* messageOrEmpty(int id) {
    const char* text = IMessage.getMessage(id);
    return text ? text : "";
}
}  // namespace

void do_action(int action) {
    if (action == 1)
        ILog.log(3, "asking %s\n", messageOrEmpty(1));
    else
        ILog.log(3, "%s\n", messageOrEmpty(10));
}

// The settings screen itself is being written; until then it closes at once.
bool aboutZelk(SDL_Surface*) {
    return false;
}
