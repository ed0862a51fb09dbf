// The message catalogue: numbered texts (ids 0..99) of the chosen language,
// read from "languages/<language>/zelk.strings". One process-wide object.
#pragma once

class iMessage {
public:
    static const int capacity = 100;

    iMessage();
    virtual ~iMessage();

    void Init();
    void readMsgs();
    // The stored text, or null when the id is out of range or has none.
    const char* getMessage(int id) const;
    void setMessage(int id, const char* text);

private:
    char* messages[capacity];
};

extern iMessage IMessage;
