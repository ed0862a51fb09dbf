// Where the pointer is for a sprite's `selected()`: while a click is being
// handled, where the click was made (the pointer may have moved on since the
// click was queued, and the click belongs where it happened); otherwise
// where the pointer is now, in the frame's coordinates (sprites/framepointer.h).
#pragma once

void pointerPosition(int* x, int* y);

// Holds the pointer at a click's place while the click is handled. A click
// handled inside another's (a question opened by a click) holds its own
// place; the outer one's comes back after it.
class ClickAt {
public:
    ClickAt(int x, int y);
    ~ClickAt();
    ClickAt(const ClickAt&) = delete;
    ClickAt& operator=(const ClickAt&) = delete;

private:
    bool wasHeld;
    int oldX, oldY;
};
