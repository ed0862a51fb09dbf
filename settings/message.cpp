#include "settings/message.h"

#include <SDL/SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/config.h"
#include "settings/log.h"
#include "settings/scan.h"

iMessage::iMessage() {
    for (char*& text : messages) text = nullptr;
}

iMessage::~iMessage() {
    for (char*& text : messages) {
        free(text);
        text = nullptr;
    }
}

void iMessage::Init() {
    readMsgs();
}

const char* iMessage::getMessage(int id) const {
    if (id < 0 || id >= capacity) return nullptr;
    return messages[id];
}

void iMessage::setMessage(int id, const char* text) {
    if (id < 0 || id >= capacity) return;
    free(messages[id]);
    messages[id] = strdup(text);
}

void iMessage::readMsgs() {
    const std::string& language = IConfig.languageName;
    ILog.log(3, "Init messages read dal file: %s", language.c_str());
    const std::string path = "languages/" + language + "/zelk.strings";
    const char* refusal = nullptr;
    FILE* file = openPlainFile(path.c_str(), &refusal);
    if (!file) {
        // A file that is missing is the common case: the library's text as
        // ever; what cannot be read says why.
        ILog.log(0, "ERROR opening file %s: %s", path.c_str(),
                 errno == ENOENT ? SDL_GetError() : refusal);
        return;
    }
    char line[256];
    char word[256];
    while (fgets(line, 255, file)) {
        if (isSkippedLine(line)) continue;
        // "%d = %s": an id, blanks, '=', blanks, one word.
        int id;
        const char* rest;
        if (!scanDecimal(line, id, &rest)) continue;
        if (id < 0 || id >= capacity) continue;
        if (sscanf(rest, " = %255s", word) != 1) continue;
        for (char* c = word; *c; ++c)
            if (*c == '_') *c = ' ';
        setMessage(id, word);
    }
    ILog.log(3, "done");
    fclose(file);
    ILog.log(3, "End languages read");
}
