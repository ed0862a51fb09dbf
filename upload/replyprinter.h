// The reply of the game-collection service, taken chunk by chunk as it
// arrives: the body (what follows the first blank line) goes to the output,
// each chunk from the one holding the header end on goes to the log as text.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class ReplyPrinter {
public:
    explicit ReplyPrinter(FILE* output = stdout) : output(output) {}
    void take(const char* chunk, size_t length);
    bool sawBody() const { return inBody; }

private:
    FILE* output;
    bool inBody = false;
    // The last bytes of the headers seen so far: the header end may be cut
    // across two chunks.
    std::string seam;
};
