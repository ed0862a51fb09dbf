#include "sprites/pointer.h"

#include "sprites/framepointer.h"

namespace {
bool held = false;
int heldX = 0, heldY = 0;
}  // namespace

void pointerPosition(int* x, int* y) {
    if (held) {
        *x = heldX;
        *y = heldY;
    } else {
        framePointer(x, y);
    }
}

ClickAt::ClickAt(int x, int y) : wasHeld(held), oldX(heldX), oldY(heldY) {
    held = true;
    heldX = x;
    heldY = y;
}

ClickAt::~ClickAt() {
    held = wasHeld;
    heldX = oldX;
    heldY = oldY;
}
